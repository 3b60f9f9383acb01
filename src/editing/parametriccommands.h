// The parametric curve and surface commands: each opens its dialog over the
// selected values (No1, No2, ... in selection order) and on OK adds one
// cell over them as a single undo step.  The curve and surface settings that
// the property rows write back are shared from here.
#pragma once

class CDlgCurve;
class CDlgSurface;
class CGCurve;
class CGSurface;
class CKavrelDoc;

// The line style, break distance (4 unless above 1e-6) the curve dialog
// chose, as the command and the property row set them.
void ApplyCurveDisplay(CGCurve& curve, const CDlgCurve& dialog);
// The render style; entering style 1 (translucent) gives the first colour
// alpha 90, leaving it alpha 255.
void ApplySurfaceStyle(CGSurface& surface, int style);

void OnCreateCurve(CKavrelDoc& doc);
void OnCreateSurface(CKavrelDoc& doc);
