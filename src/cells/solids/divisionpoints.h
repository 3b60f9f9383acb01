// Points that divide the segment from point A to point B into n equal
// parts.  Each is a CGVerScale of B about A with a fixed ratio, so it
// follows both points live.  No undo step is recorded: the caller wraps the
// returned number of newest cells in one.
#pragma once
#include "platform/types.h"

// On the current page: the n - 1 points at k/n of the way from A (k = 1 ..
// n - 1, lower ids nearer A), or with `onlyFirst` just the one at 1/n; each
// takes the next id, vertex slot and automatic point name.  Returns the
// number made; 0, with nothing made, when n < 1, n = 1 without `onlyFirst`,
// A or B is not a point of the page, or there is no room for them.
int BuildDivisionPoints(WORD a, WORD b, int n, bool onlyFirst);
