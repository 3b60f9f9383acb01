// The parametric colour (command 2029): one or three selected measured
// values drive the colour of the other selected cells through a colour
// modifier, recorded as one undo step that gives the targets their own
// colours back.
#pragma once
#include "platform/types.h"

class CKavrelDoc;
class CCmdUI;

// The colour and opacity the colour commands start from, taken from the
// first selected cell before each of them runs.
struct CColorCommandState {
  BYTE rgb[3] = {0, 0, 0};
  int opacity = 100;  // percent
};
CColorCommandState& ColorCommandState();
// Takes the state from the first cell of the current page's selection.
void TakeColorFromSelection();

// How many values drive the colour for the current selection: 1 or 3, or
// 0 when it fits neither form or a value is not a measured value.
int ParametricColorForm();

void OnColor29(CKavrelDoc& doc);
// Enabled with a selected value and at least two selected cells.
void OnUpdateColor29(CKavrelDoc& doc, CCmdUI& ui);
