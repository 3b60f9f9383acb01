// The value attached to a point: the selected value (a measured value or a
// vector) shown beside the selected point, with nothing else selected.
#pragma once

class CCmdUI;
class CKavrelDoc;

void OnCreateVarAp(CKavrelDoc& doc);
// Enabled with one point, one value and nothing else selected.
void OnUpdateCreateVarAp(CKavrelDoc& doc, CCmdUI& ui);
