// Live solids over a base face of the current page, built from ordinary
// points, segments and faces defined from the base's corners and one chosen
// point, so the solid follows every drag of its parents.  Ids ascend in the
// order of creation (the top face last); each face takes the next colour of
// the automatic cycle.  No undo step is recorded: the caller wraps the
// returned number of newest cells in one.
#pragma once
#include "platform/types.h"

// The prism whose top is the base moved to `top`: `top` is renamed after
// the first base corner with "1" appended, the other top corners are the
// base corners translated by the same vector.  Returns 4n (n base corners).
int BuildPrism(WORD top, int baseFace);
// The pyramid over the base with apex `apex`; it makes no point.  Returns 2n.
int BuildPyramid(WORD apex, int baseFace);
// The pyramid with apex `apex` cut parallel to the base: the first top
// corner is free on a hidden segment from the apex to the first base corner
// (starting halfway), the others are the base corners scaled about the apex
// by the same ratio.  Returns 4n + 2.
//
// Each returns 0, having made nothing, when the point or the face is not
// one of the page's, or there is no room for the new cells.
int BuildFrustum(WORD apex, int baseFace);
