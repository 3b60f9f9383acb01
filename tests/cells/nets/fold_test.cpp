// The unfolded net: its tree on the cube, the fractions of both unfold
// modes, the fold that lands every corner back on its hull vertex (turned
// hulls and a 480-point sphere too), open hulls, and its record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "netstestsupport.h"
#include "cells/solids/nets/cgfold.h"
#include "commands/solids/hullcommands.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {

class FoldTest : public HullPageTest {
 protected:
  CGFold* AddNet(WORD hull, int mode) {
    auto* net = new CGFold(page->m_nNextId, hull, "net", 0, mode);
    page->m_nNextId++;
    page->m_cells.SetAt(net->m_nId, net);
    return net;
  }
};

// Folded fully, every corner of every net face lies on its hull vertex.
double WorstLanding(const CGFold& net, const CGPolyhedron& hull, double t) {
  double worst = 0;
  std::vector<FoldMatrix> m;
  net.FaceMatrices(t, m);
  for (size_t j = 0; j < net.NetFaces.size(); ++j) {
    const std::vector<kvmath::WideVec>& corners = net.NetFaces[j].Corners;
    for (size_t i = 0; i < corners.size(); ++i) {
      const kvmath::WideVec p = FoldPlaced(m[j], corners[i]);
      const kvmath::WideVec& v = hull.Points[size_t(hull.Faces[j].Vertices[i])];
      worst = std::max({worst, std::fabs(p.x - v.x), std::fabs(p.y - v.y), std::fabs(p.z - v.z)});
    }
  }
  return worst;
}

Points Turned(const Points& p, double degrees) {
  const double a = degrees * std::numbers::pi / 180, c = std::cos(a), s = std::sin(a);
  Points out;
  for (size_t i = 0; i < p.size(); i += 3) out.insert(out.end(), {c * p[i] - s * p[i + 1], s * p[i] + c * p[i + 1], p[i + 2]});
  return out;
}

TEST_F(FoldTest, CubeNetHangsOnItsBottomAndLiesFlatAtOne) {
  CGPolyhedron* hull = AddHull(kCube);
  CGFold* net = AddNet(hull->m_nId, CGFold::kLevelByLevel);
  EXPECT_EQ(hull->m_nStyle, kHullSolidLines);
  ASSERT_EQ(net->NetFaces.size(), 6u);
  EXPECT_NEAR(hull->Faces[0].c, -1, 1e-12);  // the bottom is the base
  EXPECT_EQ(net->NetFaces[0].FoldAngle, 0);
  EXPECT_EQ(net->DeepestLevel, 2);
  int sides = 0;
  for (const FoldFace& f : net->NetFaces) sides += f.Level == 1;
  EXPECT_EQ(sides, 4);
  EXPECT_EQ(net->NetFaces[5].Level, 2);
  for (size_t j = 0; j < 6; ++j) {
    const auto corners = net->PlacedCorners(int(j), 1.0);
    for (size_t i = 0; i < corners.size(); ++i) {
      EXPECT_NEAR(corners[i].z, 0, 1e-12) << j;
      const auto& next = corners[(i + 1) % corners.size()];
      EXPECT_NEAR(std::hypot(next.x - corners[i].x, next.y - corners[i].y), 1, 1e-12) << j;
    }
  }
  EXPECT_LT(WorstLanding(*net, *hull, 3.0), 1e-9);
}

TEST_F(FoldTest, FractionsOfBothModes) {
  CGPolyhedron* hull = AddHull(kCube);
  CGFold* net = AddNet(hull->m_nId, CGFold::kLevelByLevel);
  struct Row {
    int mode, level;
    double t, s;
  } const rows[] = {
      {CGFold::kLevelByLevel, 0, 0.5, 0.5}, {CGFold::kLevelByLevel, 1, 0.5, 0},  {CGFold::kLevelByLevel, 1, 1.5, 0.5},
      {CGFold::kLevelByLevel, 0, 1.5, 1},   {CGFold::kLevelByLevel, 2, 1.5, 0},  {CGFold::kLevelByLevel, 2, 2.25, 0.25},
      {CGFold::kLevelByLevel, 1, 2.0, 1},   {CGFold::kLevelByLevel, 2, 3.0, 1},  {CGFold::kAllAtOnce, 0, 0.5, 0.5},
      {CGFold::kAllAtOnce, 2, 0.5, 0},      {CGFold::kAllAtOnce, 0, 1.5, 1},     {CGFold::kAllAtOnce, 2, 1.5, 0.5},
      {CGFold::kAllAtOnce, 1, 2.0, 1},
  };
  for (const Row& r : rows) {
    net->m_nUnfoldMode = r.mode;
    EXPECT_NEAR(net->FoldFraction(r.level, r.t), r.s, 1e-12) << r.mode << " " << r.level << " " << r.t;
  }
  net->m_nUnfoldMode = CGFold::kAllAtOnce;
  EXPECT_LT(WorstLanding(*net, *hull, 2.0), 1e-9);
}

TEST_F(FoldTest, EveryPresetAndTiltedHullFoldsBackOntoItself) {
  for (int set = 1; set <= 9; ++set) {
    CGPolyhedron* hull = AddHull(PresetHullPoints(set));
    CGFold* net = AddNet(hull->m_nId, CGFold::kLevelByLevel);
    for (const FoldFace& f : net->NetFaces) EXPECT_TRUE(f.InTree) << set;
    EXPECT_LT(WorstLanding(*net, *hull, net->DeepestLevel + 1), 1e-9) << set;
  }
  // The tilted cube's net at t = 1 lies in the base face's plane.
  Points tilted = Turned(kCube, 30);
  for (size_t i = 0; i < tilted.size(); i += 3) tilted[i + 2] += 0.4 * tilted[i];
  CGPolyhedron* hull = AddHull(tilted);
  CGFold* net = AddNet(hull->m_nId, CGFold::kLevelByLevel);
  const PolyhedronFace base = hull->Faces[0];
  for (size_t j = 0; j < net->NetFaces.size(); ++j)
    for (const auto& c : net->PlacedCorners(int(j), 1.0)) EXPECT_NEAR(base.Offset(c), 0, 1e-9) << j;
  EXPECT_LT(WorstLanding(*net, *hull, net->DeepestLevel + 1), 1e-9);
}

// Rounding takes cosines just past -1 at some turns: without clamping
// they give NaN angles and an empty net.
TEST_F(FoldTest, TurnedOctahedronLandsAtEveryTurn) {
  for (int turn = 0; turn < 72; ++turn) {
    CGPolyhedron* hull = AddHull(Turned(PresetHullPoints(7), 5.0 * turn));
    CGFold* net = AddNet(hull->m_nId, CGFold::kAllAtOnce);
    EXPECT_LT(WorstLanding(*net, *hull, 2.0), 1e-6) << turn;
  }
}

TEST_F(FoldTest, SphereOf480PointsAttachesEveryFaceFarDeeperThanTheMatrixStack) {
  CGPolyhedron* hull = AddHull(FibonacciSphere());
  CGFold* net = AddNet(hull->m_nId, CGFold::kLevelByLevel);
  EXPECT_EQ(net->NetFaces.size(), 956u);
  for (const FoldFace& f : net->NetFaces) EXPECT_TRUE(f.InTree);
  EXPECT_LT(WorstLanding(*net, *hull, net->DeepestLevel + 1), 1e-7);
  // Deeper than the renderer's model-view stack (32 on Mesa) allows.
  EXPECT_EQ(net->DeepestLevel, 37);
}

// An open hull (a face missing, or two solids apart) must neither crash
// nor hang: faces with no way to the base stay out of the tree.
TEST_F(FoldTest, OpenHullsLeaveUnreachableFacesOut) {
  CGPolyhedron* open = AddHull(kCube);
  open->Faces.pop_back();
  CGFold* net = AddNet(open->m_nId, CGFold::kLevelByLevel);
  EXPECT_EQ(net->NetFaces.size(), 5u);
  for (const FoldFace& f : net->NetFaces) EXPECT_TRUE(f.InTree);

  CGPolyhedron* two = AddHull(kCube);
  const CGPolyhedron far = *two;
  const size_t base = two->Points.size();
  for (const auto& v : far.Points) two->Points.push_back({v.x + 5, v.y, v.z + 5});
  for (PolyhedronFace f : far.Faces) {
    for (auto& v : f.Vertices) v += std::int32_t(base);
    f.d -= f.a * 5 + f.c * 5;
    two->Faces.push_back(f);
  }
  CGFold* apart = AddNet(two->m_nId, CGFold::kLevelByLevel);
  int inTree = 0;
  for (const FoldFace& f : apart->NetFaces) inTree += f.InTree;
  EXPECT_EQ(inTree, 6);
}

// A cube at +-1.7e308: its centroids fit in doubles but the top face's
// depth from the base plane does not, and the hull keeps the faces (and the
// centroids and depths) it had.  At +-1e200 the depths fit but the edges'
// squares do not.  Either way the hull saves and loads again and the net is
// undefined until the hull is sound.
TEST_F(FoldTest, HullNearTheDoubleLimitHasNoNetAndSavesAsItWas) {
  Points centred = kCube;
  for (double& v : centred) v = 2 * v - 1;
  CGPolyhedron* hull = AddHull(centred);
  const CGPolyhedron sound = *hull;
  CGFold* net = AddNet(hull->m_nId, CGFold::kLevelByLevel);
  ASSERT_TRUE(net->m_bDefined);
  const struct {
    double scale;
    bool defined, keptFaces;
  } rows[] = {{1.7e308, false, true}, {1e200, false, false}, {1e100, true, false}};
  for (const auto& r : rows) {
    hull->Points = sound.Points;
    hull->Faces = sound.Faces;
    net->Recalculate();
    for (auto& p : hull->Points) p = {p.x * r.scale, p.y * r.scale, p.z * r.scale};
    for (PolyhedronFace& f : hull->Faces) f.d *= r.scale;
    const QByteArray record = StoreCell(*hull);
    net->Recalculate();
    EXPECT_EQ(net->m_bDefined, r.defined) << r.scale;
    EXPECT_EQ(net->NetFaces.empty(), !r.defined) << r.scale;
    if (r.keptFaces) {
      EXPECT_EQ(StoreCell(*hull), record) << "the faces as they were";
    }
    EXPECT_TRUE(RecordReloads(*hull)) << r.scale;
  }
  hull->Points = sound.Points;
  hull->Faces = sound.Faces;
  net->Recalculate();
  EXPECT_TRUE(net->m_bDefined);
  EXPECT_EQ(net->NetFaces.size(), 6u);
  for (const PolyhedronFace& f : hull->Faces) {  // the stored centroids: the means of the corners
    kvmath::WideVec sum{0, 0, 0};
    for (std::int32_t v : f.Vertices) {
      const kvmath::WideVec& p = hull->Points[size_t(v)];
      sum = {sum.x + p.x / 4, sum.y + p.y / 4, sum.z + p.z / 4};
    }
    EXPECT_EQ(f.Vertices.size(), 4u);
    EXPECT_EQ(std::vector<double>(f.Centroid, f.Centroid + 3), (std::vector<double>{sum.x, sum.y, sum.z}));
  }
  EXPECT_LT(WorstLanding(*net, *hull, net->DeepestLevel + 1), 1e-9);
}

// The layout the drawing composes, damaged one part at a time (a hull near
// the double limit, above, damages all of it at once): any number out of
// range leaves no net.
TEST_F(FoldTest, ALayoutWithOnlyAnAngleOrOnlyACornerOutOfRangeIsRefused) {
  const CGFold* net = AddNet(AddHull(kCube)->m_nId, CGFold::kLevelByLevel);
  const struct {
    const char* what;
    void (*damage)(FoldFace&);
    bool finite;
  } rows[] = {
      {"nothing", [](FoldFace&) {}, true},
      {"the hinge direction", [](FoldFace& f) { f.HingeDirection = std::nan(""); }, false},
      {"the fold angle", [](FoldFace& f) { f.FoldAngle = INFINITY; }, false},
      {"the own direction", [](FoldFace& f) { f.OwnDirection = -INFINITY; }, false},
      {"one corner", [](FoldFace& f) { f.Corners.back().z = std::nan(""); }, false},
  };
  for (const auto& row : rows) {
    std::vector<FoldFace> faces = net->NetFaces;
    row.damage(faces.back());
    EXPECT_EQ(FiniteNetLayout(faces), row.finite) << row.what;
  }
}

// The cube's bottom split into two triangles whose planes are damaged so
// that each puts the other above itself: both have the lowest centroid, and
// a build that let either come first would pick the other as the base next
// time.  The base stays first, so every build, and every save and load,
// keeps the order.
TEST_F(FoldTest, TiedBaseFacesWithDamagedPlanesKeepTheirOrderOverBuilds) {
  CGPolyhedron* hull = AddHull(kCube);
  auto bottom = std::find_if(hull->Faces.begin(), hull->Faces.end(), [](const PolyhedronFace& f) { return f.c < -0.5; });
  ASSERT_NE(bottom, hull->Faces.end());
  const std::vector<std::int32_t> square = bottom->Vertices;
  ASSERT_EQ(square.size(), 4u);
  PolyhedronFace first(0, 1, 0, 0), second(1, 0, 0, 0);  // y = 0 and x = 0: not the bottom's plane
  first.Vertices = {square[0], square[1], square[2]};
  second.Vertices = {square[0], square[2], square[3]};
  *bottom = first;
  hull->Faces.push_back(second);
  CGFold* net = AddNet(hull->m_nId, CGFold::kLevelByLevel);
  const QByteArray once = StoreCell(*hull);
  EXPECT_EQ(hull->Faces[0].Vertices, first.Vertices) << "the first of the tied faces is the base, first";
  for (int build = 0; build < 3; ++build) {
    CArchive in(StoreCell(*hull));
    hull->Serialize(in);  // saved and opened again
    net->Recalculate();
    EXPECT_EQ(StoreCell(*hull), once) << build;
  }
}

TEST_F(FoldTest, TwoBuildsTakeDifferentTextures) {
  CGPolyhedron* hull = AddHull(kCube);
  CGFold* net = AddNet(hull->m_nId, CGFold::kLevelByLevel);
  std::vector<int> first;
  for (const FoldFace& f : net->NetFaces) first.push_back(f.TextureNumber);
  net->Recalculate();
  std::vector<int> second;
  for (const FoldFace& f : net->NetFaces) second.push_back(f.TextureNumber);
  EXPECT_NE(first, second);
  // One counter for the process: each face takes the next of 8 .. 14.
  std::vector<int> taken = first;
  taken.insert(taken.end(), second.begin(), second.end());
  for (size_t i = 1; i < taken.size(); ++i) EXPECT_EQ(taken[i], taken[i - 1] == 14 ? 8 : taken[i - 1] + 1) << i;
  // A unit square's picture spans it exactly.
  for (const FoldFace& f : net->NetFaces)
    for (const auto& uv : f.TexCoords) {
      EXPECT_NEAR(std::min(std::fabs(uv.x), std::fabs(uv.x - 1)), 0, 1e-12) << uv.x;
      EXPECT_NEAR(std::min(std::fabs(uv.y), std::fabs(uv.y - 1)), 0, 1e-12) << uv.y;
    }
}

TEST_F(FoldTest, DirectionOfAVector) {
  struct Row {
    double x, y, degrees;
  } const rows[] = {{1, 0, 0}, {-1, 0, 180}, {0, 1, 90}, {0, -1, 270}, {1, 1, 45}, {-1, -0.00005, 180}, {1, -1, 315}};
  for (const Row& r : rows) EXPECT_NEAR(NetDirection(r.x, r.y), r.degrees, 1e-9) << r.x << " " << r.y;
}

TEST_F(FoldTest, RecordIsTheCellRecordAndTheUnfoldMode) {
  CGPolyhedron* hull = AddHull(kCube);
  CGFold* net = AddNet(hull->m_nId, CGFold::kLevelByLevel);
  CArchive base;
  net->CGCell::Serialize(base);
  const QByteArray bytes = StoreCell(*net);
  RecordBytes tail;
  tail.i32(1);
  EXPECT_EQ(bytes, base.Bytes() + tail.get());
  CGFold loaded;
  CArchive in(bytes);
  loaded.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0);
  EXPECT_EQ(loaded.m_nUnfoldMode, 1);
}

}  // namespace
