// The cells the merged point, line and polygon tools build themselves from
// the selection, each as one undo step (the calling view redraws).  Each
// returns whether the tool counts as having acted.
#pragma once

class CKavrelDoc;
struct CSelectionShape;

// One selected point: a follower beside it, at an offset from four random
// numbers.
bool BuildFollowerPoint(CKavrelDoc& doc, const CSelectionShape& s);
// The first selected point mirrored in the second point, the line or the
// face selected with it, named after it with an apostrophe.
bool BuildMirrorPoint(CKavrelDoc& doc, const CSelectionShape& s);
// One to three selected values alone: the point whose x, y, z they are (0
// for an axis without one).
bool BuildValuePoint(CKavrelDoc& doc, const CSelectionShape& s);
// One selected point: a point on the x direction from it and the segment
// joining them.  True even when there was no room.
bool BuildLevelSegment(CKavrelDoc& doc, const CSelectionShape& s);
// Two level faces: the face over their overlap, its corner count asked
// first.  Cancel fills or unfills the faces instead; a count out of range
// gets a message and makes nothing (false).
bool BuildOverlapFace(CKavrelDoc& doc, const CSelectionShape& s);
// Whether the two selected faces both lie level.
bool TwoLevelFaces(const CSelectionShape& s);
