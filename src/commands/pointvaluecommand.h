// The value of a point: the path parameter of a point bound to a line,
// circle or other one-dimensional path, or where a point lies along a
// selected line or round a selected circle or arc.
#pragma once

class CGCell;
class CKavrelDoc;

// A point that one number (its path parameter) places on a line, circle,
// curve, locus, border or combined path: a draggable path point, or a point
// fixed on such a path or copying another point's parameter.  Its path
// parameter can be measured.
bool IsOneDimensionalPathPoint(const CGCell& point);
// A free point the user drags along one path: a free point that moves
// neither across space nor across a plane.  Only such a point (or a
// parameter) can drive a locus or a track: a point at a fixed or copied
// parameter has nothing of its own to move.
bool IsDraggablePathPoint(const CGCell& point);
// A free point that moves across space or a plane, not along a path (the
// arrow keys move its x).
bool MovesInSpace(const CGCell& point);

// One point with a line: where it lies along the line; one point with a
// circle or arc: where it lies round it; one path point alone: its path
// parameter.  Anything else selected: nothing.
void OnMeasurePt(CKavrelDoc& doc);
