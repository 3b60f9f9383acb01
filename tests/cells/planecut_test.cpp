// A hull cut by a plane into two closed pieces, the polygon a plane makes
// in a hull, and the convex polygon around points in one plane.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "cells/solids/planecut.h"
#include "hulltestsupport.h"

namespace KAVREL_FILE_LOCAL {

using Polygon = std::vector<kvmath::WideVec>;
using Corners = std::vector<std::array<double, 3>>;

Corners Coordinates(const Polygon& polygon) {
  Corners out;
  for (const auto& p : polygon) out.push_back({p.x, p.y, p.z});
  return out;
}

TEST(PlaneCut, PiecesOfTheCubeAreClosedCappedAndPlaced) {
  CGPolyhedron cube = CubeHull();
  cube.Offset.Base[0] = 1;
  cube.Offset.Direction[2] = 7;
  const struct { const char* row; PolyhedronFace plane; int result; size_t posPoints, negPoints, faces, edges; } cases[] = {
      {"across x = 0.5", {1, 0, 0, -0.5}, 3, 8, 8, 6, 12},
      {"across x = 0.5, normal of length 2", {2, 0, 0, -1}, 3, 8, 8, 6, 12},
      {"touching x = 1 from outside", {1, 0, 0, -1}, 2, 0, 8, 6, 12},
      {"touching x = 0 from inside", {1, 0, 0, 0}, 1, 8, 0, 6, 12},
      // On-plane vertices in both pieces; the edges in the plane come from the caps.
      {"through two opposite edges", {1, -1, 0, 0}, 3, 6, 6, 5, 9},
  };
  for (const auto& c : cases) {
    CGPolyhedron positive, negative;
    positive.Points.push_back({9, 9, 9});  // both cleared first
    negative.Points.push_back({9, 9, 9});
    EXPECT_EQ(CutPolyhedronByPlane(c.plane, cube, positive, negative, 2), c.result) << c.row;
    EXPECT_EQ(positive.Points.size(), c.posPoints) << c.row;
    EXPECT_EQ(negative.Points.size(), c.negPoints) << c.row;
    const double n[3] = {c.plane.a, c.plane.b, c.plane.c};
    for (int k = 0; k < 3; ++k) {  // the positive piece moves on by n x distance
      if (c.result != 2) { EXPECT_TRUE(positive.Offset.Base[k] == cube.Offset.Base[k] + 2 * n[k] && positive.Offset.Direction[k] == 2 * n[k]) << c.row; }
      if (c.result != 1) { EXPECT_TRUE(negative.Offset.Base[k] == cube.Offset.Base[k] && negative.Offset.Direction[k] == 0) << c.row; }
    }
    for (const CGPolyhedron* piece : {&positive, &negative}) {
      if (piece->Points.empty()) continue;
      EXPECT_EQ(piece->Faces.size(), c.faces) << c.row;
      EXPECT_EQ(piece->Edges.size(), c.edges) << c.row;
      Points p;
      for (const auto& v : piece->Points) p.insert(p.end(), {v.x, v.y, v.z});
      ExpectClosedConvex(*piece, p, 1e-12, c.row);
      if (c.result != 3) continue;
      const PolyhedronFace& cap = piece->Faces.back();  // grey, in the plane, facing out
      const double sign = piece == &positive ? -1 : 1;
      EXPECT_TRUE(cap.a == sign * c.plane.a && cap.b == sign * c.plane.b && cap.c == sign * c.plane.c) << c.row;
      EXPECT_TRUE(cap.Colour[0] == 0.5 && cap.Colour[1] == 0.5 && cap.Colour[2] == 0.5) << c.row;
    }
  }
}

TEST(PlaneSection, PolygonWhereThePlaneMeetsTheHull) {
  const CGPolyhedron cube = CubeHull();
  // The cube with its bottom split into two triangles along a diagonal.
  CGPolyhedron split = cube;
  const auto bottom = std::find_if(split.Faces.begin(), split.Faces.end(), [](auto& f) { return f.c == -1; });
  const std::vector<std::int32_t> v = bottom->Vertices;
  PolyhedronFace second = *bottom;
  bottom->Vertices = {v[0], v[1], v[2]};
  second.Vertices = {v[0], v[2], v[3]};
  split.Faces.push_back(second);
  split.Edges.emplace_back(v[0], v[2]);
  const struct { const char* row; const CGPolyhedron& hull; PolyhedronFace plane; bool result; Corners polygon; } cases[] = {
      {"z = 0.5", cube, {0, 0, 1, -0.5}, true, {{0, 0, 0.5}, {1, 0, 0.5}, {1, 1, 0.5}, {0, 1, 0.5}}},
      {"through one corner only", cube, {1, 1, 1, 0}, false, {{7, 7, 7}}},
      {"beside the cube", cube, {0, 0, 1, -5}, false, {{7, 7, 7}}},
      // The point on the diagonal lies between two corners.
      {"across the split side", split, {1, 0, 0, -0.5}, false, {{0.5, 0, 0}, {0.5, 1, 0}, {0.5, 1, 1}, {0.5, 0, 1}}},
  };
  for (const auto& c : cases) {
    Polygon polygon = {{7, 7, 7}};
    EXPECT_EQ(SectionOfPolyhedron(c.plane, c.hull, polygon), c.result) << c.row;
    EXPECT_EQ(Coordinates(polygon), c.polygon) << c.row;
  }
}

TEST(PlaneSection, ConvexPolygonOfPointsInOnePlane) {
  const struct { const char* row; Polygon points; bool result; Corners polygon; } cases[] = {
      {"not in one plane", {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, false, {{7, 7, 7}}},
      {"three, as given", {{0, 0, 0}, {0, 1, 0}, {1, 0, 0}}, true, {{0, 0, 0}, {0, 1, 0}, {1, 0, 0}}},
      {"facing z, a border point and a twin", {{1, 1, 2}, {0, 0, 2}, {0.5, 0, 2}, {1, 0, 2}, {0, 1, 2}, {1, 1, 2}}, true,
       {{0, 0, 2}, {1, 0, 2}, {1, 1, 2}, {0, 1, 2}}},
      {"facing x", {{3, 1, 1}, {3, 0, 0}, {3, 0, 1}, {3, 1, 0}}, true, {{3, 0, 0}, {3, 1, 0}, {3, 1, 1}, {3, 0, 1}}},
      {"facing y", {{1, 2, 1}, {0, 2, 0}, {1, 2, 0}, {0, 2, 1}}, true, {{0, 2, 0}, {0, 2, 1}, {1, 2, 1}, {1, 2, 0}}},
      {"x and z alike: z", {{1, 0, 0}, {0, 0, 1}, {1, 1, 0}, {0, 1, 1}}, true, {{0, 0, 1}, {1, 0, 0}, {1, 1, 0}, {0, 1, 1}}},
      {"y and z alike: z", {{0, 1, 0}, {0, 0, 1}, {1, 1, 0}, {1, 0, 1}}, true, {{0, 0, 1}, {1, 0, 1}, {1, 1, 0}, {0, 1, 0}}},
      {"x and y alike: x", {{1, 0, 0}, {0, 1, 0}, {1, 0, 1}, {0, 1, 1}}, true, {{1, 0, 0}, {0, 1, 0}, {0, 1, 1}, {1, 0, 1}}},
  };
  for (const auto& c : cases) {
    Polygon out = {{7, 7, 7}};
    EXPECT_EQ(ConvexPolygonOfPlanarPoints(out, c.points), c.result) << c.row;
    EXPECT_EQ(Coordinates(out), c.polygon) << c.row;
  }
}

}  // namespace
