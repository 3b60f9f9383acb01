// The view-button commands: two marked view states, start and end, and the
// pan, rotation and zoom buttons that replay the change between them.
#pragma once
#include "editing/dialogs/buttons/viewbuttondialogs.h"

class CKavrelDoc;

// A view state as the buttons take it: translation, orientation (w, x, y,
// z, converted from the view's doubles) and zoom.  Both states are all 0
// until marked, and again after a process reset.
struct CViewSnapshot {
  float translate[3] = {0, 0, 0};
  float rotation[4] = {0, 0, 0, 0};
  float zoom = 0;
};
CViewSnapshot& ViewStartSnapshot();
CViewSnapshot& ViewEndSnapshot();
// The view as it is now.
CViewSnapshot CurrentViewSnapshot();

// The dialogs as the commands preset them from the two states.
CDlgViewTrans ViewTransDialogOf(const CViewSnapshot& start, const CViewSnapshot& end);
CDlgViewRotate ViewRotateDialogOf(const CViewSnapshot& start, const CViewSnapshot& end);
CDlgViewScale ViewScaleDialogOf(const CViewSnapshot& start, const CViewSnapshot& end);

// Mark a state: no undo step, the document is not modified.
void OnEditBtnStart(CKavrelDoc& doc);
void OnEditBtnEnd(CKavrelDoc& doc);
// Open the dialog; OK makes the button with the page's next id, as one undo
// step; Cancel makes nothing.
void OnEditBtnTranslate(CKavrelDoc& doc);
void OnEditBtnRotate(CKavrelDoc& doc);
void OnEditBtnZoom(CKavrelDoc& doc);
