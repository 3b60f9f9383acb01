// Point sets and a check shared by the hull, cut and section tests.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/convexhull.h"

using Points = std::vector<double>;  // x, y, z triples

inline int Count(const Points& p) { return int(p.size() / 3); }

inline const Points kCube = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 1, 1, 0, 1, 1, 1, 1, 0, 1, 1};

// The hull of the unit cube: six square faces.
inline CGPolyhedron CubeHull() {
  CGPolyhedron hull;
  EXPECT_TRUE(BuildConvexHull(kCube.data(), 8, hull));
  return hull;
}

// A closed convex surface around every point: each directed edge of the
// faces once and its reverse once, each edge listed once, V - E + F = 2,
// vertices on their face's plane and every point behind every face, within
// `tolerance`.
inline void ExpectClosedConvex(const CGPolyhedron& hull, const Points& p, double tolerance, const std::string& row) {
  std::map<std::pair<int, int>, int> directed;
  for (const PolyhedronFace& f : hull.Faces)
    for (size_t i = 0; i < f.Vertices.size(); ++i) {
      ++directed[{f.Vertices[i], f.Vertices[(i + 1) % f.Vertices.size()]}];
      EXPECT_NEAR(f.Offset(hull.Points[size_t(f.Vertices[i])]), 0, tolerance) << row;
    }
  for (const auto& [edge, n] : directed)
    ASSERT_TRUE(n == 1 && directed.count({edge.second, edge.first}) == 1) << row << " " << edge.first << "-" << edge.second;
  EXPECT_EQ(hull.Edges.size() * 2, directed.size()) << row;
  EXPECT_EQ(int(hull.Points.size()) - int(hull.Edges.size()) + int(hull.Faces.size()), 2) << row;
  for (int i = 0; i < Count(p); ++i)
    for (const PolyhedronFace& f : hull.Faces)
      ASSERT_LE(f.Offset({p[size_t(3 * i)], p[size_t(3 * i + 1)], p[size_t(3 * i + 2)]}), tolerance) << row << " " << i;
}
