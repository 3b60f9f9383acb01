// The convex hull of a set of points, filled into a hull cell: vertices
// numbered as the faces first meet them, one random pale colour per face,
// every edge once.
#pragma once
#include "cells/solids/hullinsertion.h"

class CGPolyhedron;

// The most points a hull is built from.
inline constexpr int kMaxHullPoints = 480;
inline constexpr double kRetrySkip = 1e-3;

// Fills `hull` from `count` points (x, y, z triples).  True for a solid
// or a flat polygon of more than 3 vertices, which is always a closed convex
// surface holding every point.  More than kMaxHullPoints: false, the hull
// untouched.  One or two points, points on one line or a lone triangle:
// false, with the points (and the line's edge) left in the hull.
//
// When near-coincident points make the insertion produce a surface that is
// not closed and convex, it is built again leaving out each point closer
// than kRetrySkip x the diagonal of the points' box to a point kept before
// it, then 4 and 16 times that distance; if none of these holds, false with
// the hull emptied.  Like the insertion's tolerance, the distance follows
// the size of the points, so a scaled set gives the same hull.
bool BuildConvexHull(const double* points, int count, CGPolyhedron& hull);

// The same with another insertion standing in for InsertHullPoints.
bool BuildConvexHullWith(const double* points, int count, CGPolyhedron& hull, HullInsertion insert);

// Whether the insertion's faces form a closed convex surface: every directed
// edge once and its reverse in another face, V - E + F = 2, unit normals,
// vertices within `tolerance` of their face's plane, convex at every edge,
// and no witness farther than `tolerance` outside.
bool IsClosedConvexSurface(const double* points, const HullInsertionResult& result, double tolerance);
