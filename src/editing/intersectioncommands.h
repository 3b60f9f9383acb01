// Intersection points of two selected objects: two lines, a line and a
// face, a line and a circle, a circle and a face, or two circles; and,
// found numerically, a line, a circle, a curve or a locus with a curve or a
// locus.  The kind follows from the selection's counts; the pairs with two
// roots make both at once, each undefined while its root does not exist.
// The numeric kinds offer the number of roots found now in the count
// dialog and make as many as the user keeps (root 0 first, at most 32),
// each undefined while its root does not exist.
#pragma once

class CCmdUI;
class CKavrelDoc;

void OnCreatePointInter(CKavrelDoc& doc);
// Enabled for two lines, a line and a face, a line and a circle, curve or
// locus, a face and a circle, or two paths of which neither is ink;
// selected points and other cells do not matter.
void OnUpdateCreatePointInter(CKavrelDoc& doc, CCmdUI& ui);
