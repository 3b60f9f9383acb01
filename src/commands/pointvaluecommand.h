// The value of a point: the path parameter of a point bound to a line,
// circle or other one-dimensional path, or where a point lies along a
// selected line or round a selected circle or arc.
#pragma once

class CGCell;
class CKavrelDoc;

// A point that moves along a one-dimensional path, so that one number
// (its path parameter) places it: a draggable free point that moves
// neither across space nor across a plane, or a point fixed on or
// following a line, circle, curve, locus, border or combined path.  Such
// points drive loci, tracks, animations and measured parameters.
bool IsOneDimensionalPathPoint(const CGCell& point);
// A free point that moves across space or a plane, not along a path (the
// arrow keys move its x).
bool MovesInSpace(const CGCell& point);

// One point with a line: where it lies along the line; one point with a
// circle or arc: where it lies round it; one path point alone: its path
// parameter.  Anything else selected: nothing.
void OnMeasurePt(CKavrelDoc& doc);
