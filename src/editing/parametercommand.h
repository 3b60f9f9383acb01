// The new parameter: a named number the user sets in the parameter dialog,
// shown as a caption and, when asked, a slider.  It reads no selection.
#pragma once

class CDlgParameter;
class CGTmVarParameter;
class CKavrelDoc;

// The number of the name the next parameter is offered ("t1", "t2", ...):
// it counts the parameters made since the program started, whatever the
// document.
extern int g_nParameterCounter;

// Opens the parameter dialog; on OK makes the parameter as typed, an angle
// typed in degrees held in radians and an integer shown rounded, as one
// undo step.  Cancel makes nothing and keeps the offered name.
void OnMeasureParameter(CKavrelDoc& doc);

// The dialog's numbers and choices into a parameter (its name aside):
// range, hidden name, slider and value; then the integer choice wins (kind
// 1, the value kept unrounded as the slider position and shown rounded,
// halves away from zero), else the angle choice (kind 2, the three numbers
// typed in degrees held in radians), else kind 0.
void TakeParameterAnswer(CGTmVarParameter& parameter, const CDlgParameter& answer);
