// The convex hull built from points: the engine against the plain walk,
// known hulls, limits, and the surfaces near-coincident points used to break.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>

#include "celltestsupport.h"
#include "hullreference.h"
#include "hulltestsupport.h"
#include "platform/crtrandom.h"

namespace KAVREL_FILE_LOCAL {

Points Fibonacci(int n, double radius) {
  Points p;
  for (int i = 0; i < n; ++i) {
    const double z = 1 - (2 * i + 1) / double(n), r = std::sqrt(1 - z * z), a = i * 2.399963229728653;
    p.insert(p.end(), {radius * r * std::cos(a), radius * r * std::sin(a), radius * z});
  }
  return p;
}

Points Lattice(int g) {
  Points p;
  for (int i = 0; i < (g + 1) * (g + 1) * (g + 1); ++i)
    p.insert(p.end(), {double(i % (g + 1)), double(i / (g + 1) % (g + 1)), double(i / (g + 1) / (g + 1))});
  return p;
}

// Points, edges, faces, planes, sides and colours alike, and the same result.
void ExpectSameAsReference(const Points& p, const std::string& row) {
  CGPolyhedron engine, reference;
  KvSrand(7);
  const bool a = BuildConvexHull(p.data(), Count(p), engine);
  KvSrand(7);
  const bool b = BuildConvexHullWith(p.data(), Count(p), reference, ReferenceInsertion);
  ASSERT_TRUE(a == b && StoreCell(engine) == StoreCell(reference)) << row;
}

TEST(ConvexHullEngine, MatchesTheWalkOverAllFacesOnGridsAndRealPoints) {
  std::mt19937 random(2024);
  const int grids[] = {1, 2, 3, 4, 6, 10};
  for (int set = 0; set < 3000; ++set) {
    const int g = grids[set % 6], n = 4 + int(random() % 37);
    Points p;
    for (int i = 0; i < 3 * n; ++i) p.push_back(double(random() % unsigned(g + 1)));
    ExpectSameAsReference(p, "grid 0.." + std::to_string(g) + " set " + std::to_string(set));
    if (HasFatalFailure()) return;
  }
  std::uniform_real_distribution<double> cube(-5, 5);
  std::normal_distribution<double> normal;
  for (int set = 0; set < 500; ++set) {
    Points p;
    for (int i = 4 + int(random() % 197); i > 0; --i) {
      double v[3] = {cube(random), cube(random), cube(random)};
      if (set % 2) {  // on a sphere of radius 3
        for (double& x : v) x = normal(random);
        const double r = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]) / 3;
        for (double& x : v) x /= r;
      }
      p.insert(p.end(), v, v + 3);
    }
    ExpectSameAsReference(p, (set % 2 ? "sphere set " : "cube set ") + std::to_string(set));
    if (HasFatalFailure()) return;
  }
}

TEST(ConvexHull, KnownPointSetsGiveTheirHulls) {
  Points cubeAndCentre = kCube, shuffled;
  cubeAndCentre.insert(cubeAndCentre.end(), {0.5, 0.5, 0.5});
  for (int i : {6, 1, 3, 4, 0, 7, 2, 5}) shuffled.insert(shuffled.end(), kCube.begin() + 3 * i, kCube.begin() + 3 * i + 3);
  const struct { const char* row; Points points; bool result, cube; size_t vertices, edges, faces; } cases[] = {
      {"cube", kCube, true, true, 8, 12, 6},
      {"cube shuffled", shuffled, true, true, 8, 12, 6},
      {"cube, centre last", cubeAndCentre, true, true, 8, 12, 6},
      {"lattice 0..6", Lattice(6), true, true, 8, 12, 6},
      {"square and a point in its plane", {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 2, 0, 0}, true, false, 4, 4, 2},
      {"four coplanar, one inside", {0, 0, 0, 4, 0, 0, 0, 4, 0, 1, 1, 0}, false, false, 3, 3, 2},
      {"three points", {0, 0, 0, 1, 0, 0, 0, 1, 0}, false, false, 3, 3, 2},
      {"collinear, middle first", {1, 2, 3, 0, 0, 0, 3, 6, 9, 2, 4, 6}, false, false, 2, 1, 0},
      {"one point", {1, 2, 3}, false, false, 1, 0, 0},
      {"480 on a sphere", Fibonacci(480, 1), true, false, 480, 1434, 956},
  };
  const std::set<std::array<double, 3>> axes = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
  for (const auto& c : cases) {
    CGPolyhedron hull;
    EXPECT_EQ(BuildConvexHull(c.points.data(), Count(c.points), hull), c.result) << c.row;
    const std::array<size_t, 3> counts = {hull.Points.size(), hull.Edges.size(), hull.Faces.size()};
    EXPECT_EQ(counts, (std::array<size_t, 3>{c.vertices, c.edges, c.faces})) << c.row;
    if (c.result) ExpectClosedConvex(hull, c.points, 1e-9, c.row);
    if (!c.cube) continue;
    std::set<std::array<double, 3>> normals;  // squares facing out along the axes
    for (const PolyhedronFace& f : hull.Faces) {
      normals.insert({f.a, f.b, f.c});
      EXPECT_EQ(f.Vertices.size(), 4u) << c.row;
    }
    EXPECT_EQ(normals, axes) << c.row;
  }
  // The square widened by (2, 0, 0) leaves (1, 0, 0) out; its faces face apart.
  const Points square = cases[4].points;
  CGPolyhedron flat;
  ASSERT_TRUE(BuildConvexHull(square.data(), 5, flat));
  for (const auto& v : flat.Points) EXPECT_FALSE(v.x == 1 && v.y == 0);
  EXPECT_TRUE(flat.Faces[0].c == -flat.Faces[1].c && std::fabs(flat.Faces[0].c) == 1);
}

TEST(ConvexHull, LimitsLinesAndColours) {
  const Points sphere = Fibonacci(481, 5);
  CGPolyhedron hull;
  hull.Points.push_back({7, 7, 7});
  EXPECT_FALSE(BuildConvexHull(sphere.data(), 481, hull));
  EXPECT_EQ(hull.Points.size(), 1u);  // untouched
  const Points line = {2, 1, 3, 1, 0.5, 1.5, 4, 2, 6, 0, 0, 0, 3, 1.5, 4.5};
  EXPECT_FALSE(BuildConvexHull(line.data(), 5, hull));  // its two ends and their edge
  ASSERT_EQ(hull.Points.size(), 2u);
  EXPECT_EQ(hull.Edges, (std::vector<std::pair<std::int32_t, std::int32_t>>{{0, 1}}));
  EXPECT_EQ(std::min(hull.Points[0].z, hull.Points[1].z) + std::max(hull.Points[0].z, hull.Points[1].z) * 10, 60);
  // Red, green and blue of each face in list order, from the run-time
  // generator: two hulls of the same points differ in colours only.
  const Points cube = Lattice(2);
  CGPolyhedron a, b;
  KvSrand(99);
  ASSERT_TRUE(BuildConvexHull(cube.data(), Count(cube), a) && BuildConvexHull(cube.data(), Count(cube), b));
  KvSrand(99);
  for (PolyhedronFace& f : a.Faces)
    for (double& c : f.Colour) EXPECT_EQ(c, KvRand() / 32767.0 * 0.5 + 0.5);
  EXPECT_NE(StoreCell(a), StoreCell(b));
  for (size_t i = 0; i < a.Faces.size(); ++i) std::copy(a.Faces[i].Colour, a.Faces[i].Colour + 3, b.Faces[i].Colour);
  EXPECT_EQ(StoreCell(a), StoreCell(b));
}

TEST(ConvexHull, ShortNormalsAndNearCoincidentPointsStillGiveClosedSurfaces) {
  std::mt19937 random(11);
  std::normal_distribution<double> normal;
  Points sphere;
  for (int i = 0; i < 3 * 480; ++i) sphere.push_back(normal(random));
  for (size_t i = 0; i < sphere.size(); i += 3) {
    const double r = std::sqrt(sphere[i] * sphere[i] + sphere[i + 1] * sphere[i + 1] + sphere[i + 2] * sphere[i + 2]);
    for (size_t k = 0; k < 3; ++k) sphere[i + k] /= r;
  }
  const struct { const char* row; Points points; size_t vertices; double tolerance; } cases[] = {
      // A face whose normal was shorter than 0.0001 stayed unnormalised and
      // every later point lay "in" it.  (3, -2, 3) lies within the
      // tolerance of (3, -2.00003, 3) and is merged with it.
      {"short normal", {-1, 2, -1, 3, -2.00003, 3, -3, 0, 0, 3, -2, 3, 3, -1, 1, 2, -2, 3, -1, 0, 0}, 6, 0},
      {"480 on the unit sphere", sphere, 480, 0},
      // Near-coincident points left edges in one, three or four faces.
      {"near twins", {0, 9, -5, 3, 0, -8, 7, 5, -4, -5, 7, -9, 3.001, 0.001, -7.999, 8, 8, 7, 4, 2, 2}, 6, 0.0225},
  };
  for (const auto& c : cases) {
    CGPolyhedron hull;
    ASSERT_TRUE(BuildConvexHull(c.points.data(), Count(c.points), hull)) << c.row;
    EXPECT_EQ(hull.Points.size(), c.vertices) << c.row;
    const double tolerance = c.tolerance > 0 ? c.tolerance : HullTolerance(c.points.data(), Count(c.points));
    ExpectClosedConvex(hull, c.points, tolerance, c.row);
  }
}

TEST(ConvexHull, NearDuplicatePointsNeverGiveAnOpenOrDentedSurface) {
  std::mt19937 random(3);
  std::uniform_real_distribution<double> jitter(-0.002, 0.002);
  int solids = 0;
  for (int set = 0; set < 2000; ++set) {
    Points p;
    const int n = 4 + int(random() % 27);
    for (int i = 0; i < n; ++i) {
      const bool twin = i > 0 && random() % 3 == 0;  // a near twin of an earlier point
      const size_t of = twin ? 3 * (random() % unsigned(i)) : 0;
      for (size_t k = 0; k < 3; ++k) p.push_back(twin ? p[of + k] + jitter(random) : double(int(random() % 19) - 9));
    }
    CGPolyhedron hull;
    if (!BuildConvexHull(p.data(), n, hull)) continue;
    ++solids;
    // Left-out points lie within 16 skip distances (16e-3 of the diagonal, at most 32).
    ExpectClosedConvex(hull, p, 0.6, "set " + std::to_string(set));
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(solids, 1900);
}

}  // namespace
