// Points dividing the distance between two selected points, or else each
// selected line between its end points, into equal parts: the midpoint,
// the two trisection points and the points of an N-division (its N asked
// in DlgDivPoint).  The two points win over any selected lines.
#pragma once

class CCmdUI;
class CKavrelDoc;

void OnCreatePointMiddle(CKavrelDoc& doc);
void OnCreatePointDiv3(CKavrelDoc& doc);
void OnCreatePointDivn(CKavrelDoc& doc);
// Enabled for at least one selected line or exactly two selected points;
// other selected cells do not matter.
void OnUpdateCreatePointDivision(CKavrelDoc& doc, CCmdUI& ui);
