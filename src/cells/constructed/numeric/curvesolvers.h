// The numeric intersections of curves and loci with lines, circles and
// each other, found on their sample polylines and refined by sampling the
// carrier again inside one piece.  Each solver takes the two carriers' ids
// (looked up in the current page), a root index k and an output; it
// returns the number of roots (at most 32) when k is below it, with root k
// written to out, else 0 (out untouched).  Either carrier undefined, or
// missing, gives 0.  A locus is put back where it stood: its driver and
// chain are bit for bit as before the call.
//
// The line solvers compute afresh on every call and order their roots
// along the line from A towards B.  The others keep one cache each (see
// rootcache.h; ResetProcessState empties them) and keep the roots in the order found along the first
// carrier.  Curve and locus pairs are crossed only in one horizontal plane.
#pragma once
#include "platform/types.h"

int IntersectLineLocus(WORD line, WORD locus, int k, float out[3]);
int IntersectLineCurve(WORD line, WORD curve, int k, float out[3]);
int IntersectCircleCurve(WORD circle, WORD curve, int k, float out[3]);
int IntersectCircleLocus(WORD circle, WORD locus, int k, float out[3]);
int IntersectCurveCurve(WORD curve1, WORD curve2, int k, float out[3]);
int IntersectLocusLocus(WORD locus1, WORD locus2, int k, float out[3]);
int IntersectCurveLocus(WORD curve, WORD locus, int k, float out[3]);

// After a count (root 0) of a pair, the root cells built at once read
// every root from it, root 0 included (RootCache::KeepCounted).
void KeepCountedRoots(WORD first, WORD second);
