// What a locus or a track runs over by default, by the kind of its driver
// (a user parameter or a point along a path), and whether one cell depends
// on another.
#pragma once
#include "platform/types.h"

class CGCell;

struct CDriverRange {
  float start = 0;
  float end = 1.0f;
  float step = 0.02f;  // the track's; a locus keeps its own
};

// A user parameter or a draggable path point.
bool IsDriver(const CGCell& cell);
// The locus command's range for `driver`.
CDriverRange LocusRange(const CGCell& driver);
// The track command's range and step for `driver`.
CDriverRange TrackRange(const CGCell& driver);
// Whether a track draws copies of the cell: not texts, buttons and
// modifiers, which do not follow a construction.
bool IsTrackDrawable(const CGCell& cell);
// Whether `cell` descends from the cell `ancestor` (not itself), by a walk
// of its own: no cell's mark changes, so an interface refresh may ask it.
bool DependsOn(const CGCell& cell, WORD ancestor);
