// The face through the selected points, in selection order, in the next
// colour of the automatic cycle.
#pragma once

class CCmdUI;
class CKavrelDoc;

void OnCreateFace(CKavrelDoc& doc);
// Enabled from three selected points on.
void OnUpdateCreateFace(CKavrelDoc& doc, CCmdUI& ui);
