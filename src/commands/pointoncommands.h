// Free points dropped on the first fitting selected object: a line, a
// circle, a locus or a curve, a face, or the plane of three points, at a
// random spot the user then drags; and a fully free point at the origin.
#pragma once

class CCmdUI;
class CKavrelDoc;

// First match: a line, a path (circle, locus, curve; ink makes nothing), a
// face, three points.  The new point alone is selected afterwards.
void OnCreatePointOnobject(CKavrelDoc& doc);
// Enabled for a line, a path or a face, or exactly three points.
void OnUpdateCreatePointOnobject(CKavrelDoc& doc, CCmdUI& ui);
void OnCreateFree3Point(CKavrelDoc& doc);
