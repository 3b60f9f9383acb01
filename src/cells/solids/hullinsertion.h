// The incremental hull behind BuildConvexHull: points are inserted one at a
// time in input order, every face seen from the new point is replaced by
// triangles on its horizon, faces in whose plane the point lies are widened
// to take it in, and a point on a face or inside the hull is dropped.  The
// faces come out in the order of that insertion, which stored hulls show.
//
// Instead of testing each point against every face, each point waiting its
// turn keeps the faces it does not lie strictly behind (its conflicts); a
// triangle made on horizon edge uv tests only the points of the face it
// replaces and of the face across uv.  For points in random order this is
// O(n log n) expected.  There is no point limit here.
#pragma once
#include <vector>

// One face of the result: its vertices (input point numbers) at
// [First, First + Count) of the result's vertex list, counter-clockwise seen
// from outside, its unit normal and offset (positive outside), and the side
// (-1, 0, +1) of the last point that was classified against it.
struct InsertedFace {
  int First, Count;
  double a, b, c, d;
  int Side;
};

enum class InsertedShape {
  kPoint,    // a single point
  kLine,     // every point on one line: Line holds its two extreme points
  kSurface,  // faces
};

struct HullInsertionResult {
  InsertedShape Shape = InsertedShape::kPoint;
  int Line[2] = {0, 0};  // kPoint: Line[0] is the point
  std::vector<int> Vertices;
  std::vector<InsertedFace> Faces;  // in list order
  // How far (at most) a point that is not a vertex lies outside a face; 0
  // when none does.  Only points that stayed in conflict with a face are
  // measured: the others lie strictly inside.
  double WitnessExcess = 0;
};

// xyz: count points as x, y, z triples; order: the numbers of the points to
// insert, ascending, at least one.  The points left out of `order` are not
// inserted but are measured for WitnessExcess.
void InsertHullPoints(const double* xyz, int count, const std::vector<int>& order, HullInsertionResult& out);

// The signature BuildConvexHullWith takes, so that another insertion with
// the same result can stand in for this one.
using HullInsertion = void (*)(const double* xyz, int count, const std::vector<int>& order,
                               HullInsertionResult& out);

// The tolerance of every sign test of the insertion: a value counts as zero
// within it.
inline constexpr double kHullTolerance = 0.0001;
inline int HullSign(double s) { return s < -kHullTolerance ? -1 : s > kHullTolerance ? 1 : 0; }

// The first triangle of the insertion: A and B start as the first two points
// of `order` and move to the ends of the line the points found so far lie
// on; C is the first point off it.  Returns C's position in `order`, or -1
// when every point lies on one line (A and B are then its ends).
int FindFirstTriangle(const double* xyz, const std::vector<int>& order, int* a, int* b);
