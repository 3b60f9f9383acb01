// The locus command: the path a point describes while the point or
// parameter it depends on runs through its range.
#pragma once

class CKavrelDoc;
class CCmdUI;

void OnCreateLocus(CKavrelDoc& doc);
// Enabled exactly when the command would build.
void OnUpdateCreateLocus(CKavrelDoc& doc, CCmdUI& ui);
