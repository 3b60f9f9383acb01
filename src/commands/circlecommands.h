// Circles on three selected points, taken in selection order: through all
// three, about the first through the other two, and about the first through
// the second with the third fixing the axis.  Each circle names itself.
// Also the arc of one selected circle between two selected points.
#pragma once

class CCmdUI;
class CKavrelDoc;

void OnCreateCircle3p(CKavrelDoc& doc);
void OnCreateCircleCp(CKavrelDoc& doc);
void OnCreateCirclePointN(CKavrelDoc& doc);
// Enabled for exactly three selected points and nothing else selected.
void OnUpdateCreateCircle3p(CKavrelDoc& doc, CCmdUI& ui);
