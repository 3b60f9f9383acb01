// The hull at every size: random cubes and spheres up to 10^5 points, small
// and large spheres, jittered cube faces and near-coincident points, each
// checked by a brute-force scan; the same structure at every scale; and
// qhull's vertices, up to the tolerance.
#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "celltestsupport.h"
#include "hullscan.h"
#include "hulltestsupport.h"

#ifdef KAVREL_HAVE_QHULL
extern "C" {
#include <libqhull_r/qhull_ra.h>
}
#endif

namespace KAVREL_FILE_LOCAL {

enum class Shape { kCube, kSphere, kCubeSurface };

Points RandomPoints(Shape shape, int n, double size, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> cube(-1, 1), jitter(-1e-6, 1e-6);
  std::normal_distribution<double> normal;
  Points p;
  for (int i = 0; i < n; ++i) {
    double v[3];
    for (double& x : v) x = shape == Shape::kSphere ? normal(random) : cube(random);
    if (shape == Shape::kSphere) {
      const double r = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
      for (double& x : v) x /= r;
    } else if (shape == Shape::kCubeSurface) {
      v[i % 3] = i % 2 ? 1 : -1;
      for (double& x : v) x += jitter(random);
    }
    for (double x : v) p.push_back(size * x);
  }
  return p;
}

std::vector<int> AllOf(const Points& p) {
  std::vector<int> order(size_t(Count(p)));
  std::iota(order.begin(), order.end(), 0);
  return order;
}

// Closed, no point farther than the tolerance in front of a face, and the
// excess the insertion reports is the scanned one.
void ExpectTrueHull(const Points& p, const HullInsertionResult& r, const std::string& row) {
  const double eps = HullTolerance(p.data(), Count(p)), scanned = ScannedExcess(p.data(), Count(p), r);
  EXPECT_TRUE(IsClosedSurface(r)) << row;
  EXPECT_LE(scanned, eps) << row;
  EXPECT_NEAR(r.WitnessExcess, scanned, 1e-12 * BoxDiagonal(p.data(), Count(p))) << row;
}

TEST(HullValidity, RandomCubesAndSpheresAreTrueHulls) {
  const struct { Shape shape; int n; unsigned seeds; } rows[] = {
      {Shape::kCube, 480, 4},         {Shape::kSphere, 480, 4},       {Shape::kCubeSurface, 480, 4},
      {Shape::kCube, 1000, 4},        {Shape::kSphere, 1000, 4},      {Shape::kCube, 10000, 3},
      {Shape::kSphere, 10000, 3},     {Shape::kCube, 100000, 3},      {Shape::kSphere, 100000, 1},
      {Shape::kCubeSurface, 2000, 3},
  };
  for (const auto& row : rows)
    for (unsigned seed = 5; seed < 5 + row.seeds; ++seed) {
      const Points p = RandomPoints(row.shape, row.n, 10, seed);
      const std::string name = "shape " + std::to_string(int(row.shape)) + " n " + std::to_string(row.n) + " seed " + std::to_string(seed);
      HullInsertionResult r;
      InsertHullPoints(p.data(), Count(p), AllOf(p), r);
      ExpectTrueHull(p, r, name);
      if (row.n > kMaxHullPoints) continue;
      CGPolyhedron hull;  // the same through the hull cell
      ASSERT_TRUE(BuildConvexHull(p.data(), Count(p), hull)) << name;
      ExpectClosedConvex(hull, p, HullTolerance(p.data(), Count(p)), name);
    }
}

TEST(HullValidity, SpheresOf480KeepEveryPointAtEverySize) {
  for (double radius : {0.01, 0.1, 0.3, 1.0, 10.0, 1000.0})
    for (unsigned seed = 1; seed <= 30; ++seed) {
      const Points p = RandomPoints(Shape::kSphere, kMaxHullPoints, radius, seed);
      const std::string row = "radius " + std::to_string(radius) + " seed " + std::to_string(seed);
      HullInsertionResult r;
      InsertHullPoints(p.data(), Count(p), AllOf(p), r);
      ExpectTrueHull(p, r, row);
      CGPolyhedron hull;
      ASSERT_TRUE(BuildConvexHull(p.data(), Count(p), hull)) << row;
      EXPECT_EQ(hull.Points.size(), size_t(kMaxHullPoints)) << row;
      ExpectClosedConvex(hull, p, HullTolerance(p.data(), Count(p)), row);
    }
}

TEST(HullValidity, NearCoincidentPointsGiveClosedSurfacesThatReportTheirExcess) {
  std::mt19937 random(3);
  std::uniform_real_distribution<double> jitter(-0.002, 0.002);
  for (int set = 0; set < 2000; ++set) {
    Points p;
    const int n = 4 + int(random() % 27);
    for (int i = 0; i < n; ++i) {
      const bool twin = i > 0 && random() % 3 == 0;
      const size_t of = twin ? 3 * (random() % unsigned(i)) : 0;
      for (size_t k = 0; k < 3; ++k) p.push_back(twin ? p[of + k] + jitter(random) : double(int(random() % 19) - 9));
    }
    HullInsertionResult r;
    InsertHullPoints(p.data(), n, AllOf(p), r);
    if (r.Shape != InsertedShape::kSurface) continue;
    const std::string row = "set " + std::to_string(set);
    ASSERT_TRUE(IsClosedSurface(r)) << row;
    ASSERT_NEAR(r.WitnessExcess, ScannedExcess(p.data(), n, r), 1e-12) << row;
  }
}

// The hull of the points times `scale` against `unit`, the hull of the
// points: the same points in the same numbering, edges, faces, planes.
void ExpectScaledHull(const Points& p, double scale, const CGPolyhedron& unit, bool built, const std::string& row) {
  Points scaled = p;
  for (double& x : scaled) x *= scale;
  CGPolyhedron hull;
  ASSERT_EQ(BuildConvexHull(scaled.data(), Count(scaled), hull), built) << row;
  ASSERT_EQ(hull.Points.size(), unit.Points.size()) << row;
  for (size_t i = 0; i < hull.Points.size(); ++i)
    ASSERT_TRUE(hull.Points[i].x == unit.Points[i].x * scale && hull.Points[i].y == unit.Points[i].y * scale &&
                hull.Points[i].z == unit.Points[i].z * scale) << row << " " << i;
  ASSERT_EQ(hull.Edges, unit.Edges) << row;
  ASSERT_EQ(hull.Faces.size(), unit.Faces.size()) << row;
  for (size_t f = 0; f < hull.Faces.size(); ++f) {
    ASSERT_EQ(hull.Faces[f].Vertices, unit.Faces[f].Vertices) << row;
    ASSERT_NEAR(hull.Faces[f].d, unit.Faces[f].d * scale, 1e-9 * scale) << row;
  }
}

TEST(HullValidity, ScaledSetsGiveTheSameHull) {
  std::mt19937 random(3);
  std::uniform_real_distribution<double> jitter(-0.002, 0.002);
  for (unsigned set = 0; set < 650; ++set) {
    Points p;
    std::string row = "set " + std::to_string(set);
    if (set < 50) {  // random, up to 452 points
      p = RandomPoints(set % 2 ? Shape::kSphere : Shape::kCube, 60 + int(set) * 8, 1, set);
    } else if (set < 350) {  // on a grid: coplanar and collinear points
      const unsigned g = 1 + set % 10, n = 4 + set % 37;
      for (unsigned i = 0; i < 3 * n; ++i) p.push_back(double(random() % (g + 1)));
    } else {  // near twins of grid points, decided by exact sides
      for (int i = 0, n = 4 + int(set % 27); i < n; ++i) {
        const bool twin = i > 0 && random() % 3 == 0;
        const size_t of = twin ? 3 * (random() % unsigned(i)) : 0;
        for (size_t k = 0; k < 3; ++k) p.push_back(twin ? p[of + k] + jitter(random) : double(int(random() % 19) - 9));
      }
    }
    CGPolyhedron unit;
    const bool built = BuildConvexHull(p.data(), Count(p), unit);
    ASSERT_TRUE(built || set >= 50) << row;
    for (double scale : {0.01, 0.1, 10.0, 100.0}) {
      ExpectScaledHull(p, scale, unit, built, row + " scale " + std::to_string(scale));
      if (HasFatalFailure()) return;
    }
  }
}

TEST(HullValidity, RotatedCubeHasSixSquaresAtEveryScale) {
  // The corners of a cube turned about (1, 2, 3), rounded to float.
  const double angle = 0.7, axis[3] = {1 / std::sqrt(14.0), 2 / std::sqrt(14.0), 3 / std::sqrt(14.0)};
  for (double scale : {0.01, 0.1, 1.0, 10.0, 100.0, 1000.0}) {
    Points p;
    for (int corner = 0; corner < 8; ++corner) {
      const double v[3] = {corner & 1 ? 1.0 : -1.0, corner & 2 ? 1.0 : -1.0, corner & 4 ? 1.0 : -1.0};
      const double dot = axis[0] * v[0] + axis[1] * v[1] + axis[2] * v[2];
      const double cross[3] = {axis[1] * v[2] - axis[2] * v[1], axis[2] * v[0] - axis[0] * v[2], axis[0] * v[1] - axis[1] * v[0]};
      for (int k = 0; k < 3; ++k) {
        const double turned = v[k] * std::cos(angle) + cross[k] * std::sin(angle) + axis[k] * dot * (1 - std::cos(angle));
        p.push_back(double(float(scale * turned)));
      }
    }
    CGPolyhedron hull;
    ASSERT_TRUE(BuildConvexHull(p.data(), 8, hull)) << scale;
    ASSERT_EQ(hull.Faces.size(), 6u) << scale;
    for (const PolyhedronFace& f : hull.Faces) EXPECT_EQ(f.Vertices.size(), 4u) << scale;
  }
}

TEST(HullValidity, FlatSetsLargerThanAStoredHullGiveTheirPolygon) {
  // Exact sides cannot take points in one plane; the described pass does.
  Points p;
  for (int i = 0; i < 625; ++i) p.insert(p.end(), {double(i % 25), double(i / 25), 0.0});
  HullInsertionResult r;
  InsertHullPoints(p.data(), Count(p), AllOf(p), r);
  ASSERT_EQ(r.Shape, InsertedShape::kSurface);
  ASSERT_EQ(r.Faces.size(), 2u);
  EXPECT_EQ(std::set<int>(r.Vertices.begin(), r.Vertices.end()), (std::set<int>{0, 24, 600, 624}));
  EXPECT_TRUE(r.Faces[0].c == -r.Faces[1].c && std::fabs(r.Faces[0].c) == 1);
}

#ifdef KAVREL_HAVE_QHULL
// qhull's vertices (input numbers, ascending) and its facets' planes.
struct Qhull {
  std::vector<int> vertices;
  std::vector<std::array<double, 4>> planes;
};

Qhull RunQhull(Points p) {
  Qhull out;
  qhT qh_qh;
  qhT* qh = &qh_qh;
  qh_zero(qh, stderr);
  char options[] = "qhull";
  if (qh_new_qhull(qh, 3, Count(p), p.data(), False, options, nullptr, stderr) == 0) {
    vertexT* vertex;
    facetT* facet;
    FORALLvertices out.vertices.push_back(qh_pointid(qh, vertex->point));
    FORALLfacets out.planes.push_back({facet->normal[0], facet->normal[1], facet->normal[2], facet->offset});
  }
  qh_freeqhull(qh, !qh_ALL);
  int curlong, totlong;
  qh_memfreeshort(qh, &curlong, &totlong);
  std::sort(out.vertices.begin(), out.vertices.end());
  return out;
}

TEST(HullValidity, VerticesAgreeWithQhullUpToTheTolerance) {
  for (int n : {1000, 10000})
    for (unsigned seed = 1; seed <= 3; ++seed) {
      const Points p = RandomPoints(Shape::kSphere, n, 10, seed);
      const std::string row = "n " + std::to_string(n) + " seed " + std::to_string(seed);
      const double eps = HullTolerance(p.data(), n);
      HullInsertionResult r;
      InsertHullPoints(p.data(), n, AllOf(p), r);
      std::set<int> mine(r.Vertices.begin(), r.Vertices.end());
      const Qhull qhull = RunQhull(p);
      ASSERT_FALSE(qhull.vertices.empty()) << row;
      auto nearest = [&](int i, auto&& planes) {  // the largest offset of point i: -distance inside
        double best = -1e300;
        for (const auto& f : planes) best = std::max(best, f[0] * p[size_t(3 * i)] + f[1] * p[size_t(3 * i + 1)] + f[2] * p[size_t(3 * i + 2)] + f[3]);
        return best;
      };
      std::vector<std::array<double, 4>> myPlanes;
      for (const InsertedFace& f : r.Faces) myPlanes.push_back({f.a, f.b, f.c, f.d});
      int differ = 0;
      for (int v : qhull.vertices) {
        if (mine.count(v)) continue;
        ++differ;
        EXPECT_GE(nearest(v, myPlanes), -eps) << row << " qhull vertex " << v;
      }
      for (int v : mine) {
        if (std::binary_search(qhull.vertices.begin(), qhull.vertices.end(), v)) continue;
        ++differ;
        EXPECT_GE(nearest(v, qhull.planes), -eps) << row << " vertex " << v;
      }
      if (n == 1000) {
        EXPECT_EQ(differ, 0) << row;
      }
    }
}
#endif

}  // namespace
