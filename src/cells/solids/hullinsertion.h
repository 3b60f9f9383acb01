// The incremental hull behind BuildConvexHull: points are inserted one at a
// time in input order, every face seen from the new point is replaced by
// triangles on its horizon, faces in whose plane the point lies are widened
// to take it in, and a point on a face or inside the hull is dropped.  The
// faces come out in the order of that insertion, which stored hulls show.
//
// A step is taken as described only when it leaves a closed surface: the
// faces it removes or widens must form a disc whose rim the new faces close,
// and no new triangle may be turned inside out.  When tolerances disagree
// about that (several faces nearly through the point), or a point ends up
// farther than the tolerance outside, the hull is built again deciding every
// side exactly (see kDescribedPassMost).
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
  // The largest distance of any input point in front of any face, 0 when
  // none is: a scan of every point against every face while that is cheap,
  // else the largest over the faces' conflict lists and own corners (a point
  // on or above a face stays in its list).
  double WitnessExcess = 0;
};

// Up to this many points (as many as a stored hull is built from) the
// insertion is the one described above, as long as it gives a true hull;
// past it, and where it fails, the hull is built with exact sides and its
// nearly coplanar triangles merged afterwards (faces in another order).
inline constexpr int kDescribedPassMost = 480;

// xyz: count points as x, y, z triples; order: the numbers of the points to
// insert, ascending, at least one.  The points left out of `order` are not
// inserted but are measured for WitnessExcess.
void InsertHullPoints(const double* xyz, int count, const std::vector<int>& order, HullInsertionResult& out);

// The signature BuildConvexHullWith takes, so that another insertion with
// the same result can stand in for this one.
using HullInsertion = void (*)(const double* xyz, int count, const std::vector<int>& order,
                               HullInsertionResult& out);

// The fixed tolerance of the plane cut's sign tests.
inline constexpr double kHullTolerance = 0.0001;
inline int HullSign(double s) { return s < -kHullTolerance ? -1 : s > kHullTolerance ? 1 : 0; }

// The insertion's tolerance follows the size of its input, so that a set and
// the same set scaled give the same hull: a distance counts as zero within
// kHullRelativeTolerance times the diagonal of the points' box (the fixed
// 0.0001 of the plane cut at a diagonal of 10).
inline constexpr double kHullRelativeTolerance = 1e-5;
double BoxDiagonal(const double* xyz, int count);
inline double HullTolerance(const double* xyz, int count) {
  return kHullRelativeTolerance * BoxDiagonal(xyz, count);
}
inline int HullSign(double s, double tolerance) { return s < -tolerance ? -1 : s > tolerance ? 1 : 0; }

// Which side of the edge U -> V, in a face of unit normal n, point Q lies
// on: positive on the inner side (n . ((V - U) x (Q - U)) > 0), zero when Q
// is within `tolerance` of the edge's line.
int HullTurnSign(const double n[3], const double* U, const double* V, const double* Q, double tolerance);

// The first triangle of the insertion: A and B start as the first two points
// of `order` and move to the ends of the line the points found so far lie
// on (within `tolerance`); C is the first point off it.  Returns C's
// position in `order`, or -1 when every point lies on one line (A and B are
// then its ends).
int FindFirstTriangle(const double* xyz, const std::vector<int>& order, double tolerance, int* a, int* b);
