// The four line commands: segments, rays, straight lines and vectors
// through the selected points (a closed chain from three points on), or
// the selected lines retyped, or, with nothing selected, the line tool.
// Each sets the line type the merged line tool draws.
#pragma once

class CCmdUI;
class CKavrelDoc;

void OnCreateLineSegment(CKavrelDoc& doc);
void OnCreateLineHalf(CKavrelDoc& doc);
void OnCreateLineStraight(CKavrelDoc& doc);
void OnCreateLineVector(CKavrelDoc& doc);
// Enabled unless the selection holds exactly one point and no line.
void OnUpdateCreateLineSegment(CKavrelDoc& doc, CCmdUI& ui);
