// A hull cut by a plane a x + b y + c z + d = 0 (only a, b, c, d of the
// face record are read; (a, b, c) need not be unit).  A point's side is the
// sign of a x + b y + c z + d, zero within 0.0001 of the unnormalised value.
#pragma once
#include <vector>

#include "cells/solids/cgpolyhedron.h"

// Splits `source` into the piece on the positive side and the piece on the
// negative side, each closed by a grey cap in the plane (normal -n on the
// positive piece, n on the negative one); both pieces are cleared first.
// The positive piece is moved on by n x distance (base offset) and drifts
// by the same per unit of its value; the negative one stays.
//   1  nothing strictly negative: the positive piece is the whole source
//   2  nothing strictly positive: the negative piece is the whole source
//   3  cut, both pieces closed (V - E + F = 2)
//   0  cut, but a piece is not closed
//  -1 .. -4  a face whose cut points cannot be linked (-1, -2 no turn,
//            -3 no vertex off the plane, -4 more than two cut points)
//  -5 .. -9  a cap that does not close (-5 too few links, -6 / -8 a
//            missing link, -7 / -9 a cycle short of the links)
// The pieces are left as far as they got on a negative result.
int CutPolyhedronByPlane(const PolyhedronFace& plane, const CGPolyhedron& source, CGPolyhedron& positive,
                         CGPolyhedron& negative, double distance);

// The polygon in which the plane meets the hull, in the order of
// ConvexPolygonOfPlanarPoints.  False, with `polygon` untouched, when no
// vertex lies strictly on each side; false with the polygon written when a
// point where the plane crosses an edge (or a vertex on the plane) is no
// corner of it.  Reuses its scratch space: after the first call on a hull
// of a given size it allocates nothing.
bool SectionOfPolyhedron(const PolyhedronFace& plane, const CGPolyhedron& hull,
                         std::vector<kvmath::WideVec>& polygon);

// The convex polygon around points that lie in one plane, counter-clockwise
// seen from the positive end of the axis the plane faces most, from the
// point with the smallest second projected coordinate; points on its
// border between corners are left out.  Three points or fewer are copied
// as they are.  False, `out` untouched, when the points are not in one plane.
bool ConvexPolygonOfPlanarPoints(std::vector<kvmath::WideVec>& out, const std::vector<kvmath::WideVec>& points);
