// Free points inside a face and in the plane of three points.
#include <gtest/gtest.h>

#include <limits>

#include "freepointtestsupport.h"

namespace KAVREL_FILE_LOCAL {

constexpr float kThird = 1.0f / 3;

class FacePointTest : public FreePointTest {
 protected:
  // The square V0 (0, 0), V1 (4, 0), V2 (4, 4), V3 (0, 4) in plane z.
  CGFace* Square(float z = 0) { return FaceOn({{0, 0, z}, {4, 0, z}, {4, 4, z}, {0, 4, z}}); }
  // Corner, weights, position and slot, to see that a drag changed nothing.
  static std::tuple<int, float, float, std::vector<char>> State(const CGVerFreeInFace& p) {
    return {p.Corner, p.Weight0, p.WeightK, Snapshot(p)};
  }
};

TEST_F(FacePointTest, FirstTriangleWithEqualWeightsIsTheCentroidOfV0V1V2) {
  const std::vector<std::vector<std::array<float, 3>>> polygons = {
      {{0, 0, 0}, {3, 0, 0}, {0, 6, 3}}, {{0, 0, 1}, {6, 0, 1}, {6, 3, 1}, {0, 3, 1}},
      {{0, 0, 0}, {6, 0, 0}, {9, 3, 0}, {3, 9, 0}, {-3, 3, 0}},
  };
  for (const auto& corners : polygons) {
    std::vector<WORD> ids;
    for (const auto& c : corners) ids.push_back(AddPoint(c[0], c[1], c[2])->m_nId);
    CGFace* face = AddFace(ids);
    CGVerFreeInFace* p = AddInFace(face->m_nId, kThird, kThird);
    EXPECT_EQ(p->Corner, 1);
    EXPECT_EQ(p->m_parents, (std::vector<WORD>{face->m_nId}));
    EXPECT_EQ(face->m_children, (std::vector<WORD>{p->m_nId}));
    EXPECT_TRUE(p->m_bDefined);
    ExpectAt(*p, (corners[0][0] + corners[1][0] + corners[2][0]) / 3,
             (corners[0][1] + corners[1][1] + corners[2][1]) / 3,
             (corners[0][2] + corners[1][2] + corners[2][2]) / 3);
  }
}

TEST_F(FacePointTest, DraggingAcrossTheDiagonalMovesIntoTheNextFanTriangle) {
  CGFace* face = Square(2);
  CGVerFreeInFace* p = AddInFace(face->m_nId, kThird, kThird);
  const struct { double x, y; int corner; float s, t; } steps[] = {
      {3, 1, 1, 0.25f, 0.5f},       // in V0 V1 V2: 0.25 V0 + 0.5 V1 + 0.25 V2
      {2.5, 2.4, 1, 0.375f, 0.025f},
      {2.4, 2.5, 2, 0.375f, 0.6f},  // across V0-V2: 0.375 V0 + 0.6 V2 + 0.025 V3
      {1, 3, 2, 0.25f, 0.25f},
  };
  for (const auto& s : steps) {
    RayDown(s.x, s.y);
    p->DragTo();
    EXPECT_EQ(p->Corner, s.corner) << s.x << " " << s.y;
    EXPECT_NEAR(p->Weight0, s.s, 1e-6);
    EXPECT_NEAR(p->WeightK, s.t, 1e-6);
    ExpectAt(*p, s.x, s.y, 2);
    // The weights say the same place as the drag put it at.
    p->Recalculate();
    ExpectAt(*p, s.x, s.y, 2);
  }
}

TEST_F(FacePointTest, OffTheFaceOrSeenEdgeOnThePointStaysUntilThePointerReturns) {
  CGFace* face = Square();
  CGVerFreeInFace* p = AddInFace(face->m_nId, kThird, kThird);
  RayDown(1, 3);
  p->DragTo();
  const auto inside = State(*p);
  for (auto [x, y] : {std::pair{5.0, 5.0}, {-1.0, 2.0}, {2.0, -0.5}, {4.5, 2.0}, {2.0, 4.001}}) {
    RayDown(x, y);
    p->DragTo();
    EXPECT_EQ(State(*p), inside) << x << " " << y;
  }
  Ray({-50, 1, 0}, {50, 1, 0});
  p->DragTo();
  EXPECT_EQ(State(*p), inside);
  RayDown(3, 1);
  p->DragTo();
  ExpectAt(*p, 3, 1, 0);
  EXPECT_EQ(p->Corner, 1);
}

TEST_F(FacePointTest, FollowsTheCornersAndIsUndefinedWithoutItsTriangle) {
  CGFace* face = Square();
  CGVerFreeInFace* p = AddInFace(face->m_nId, 0.25f, 0.25f);
  EXPECT_EQ(p->GetDescription(), QString::fromUtf8("多边形ABCD内的自由点"));
  ExpectAt(*p, 3, 2, 0);  // 0.25 V0 + 0.25 V1 + 0.5 V2
  static_cast<CGVertex*>(page->m_cells.Lookup(face->m_parents[2]))->m_vPos[2] = 4;
  p->Recalculate();
  ExpectAt(*p, 3, 2, 2);
  face->m_bDefined = false;
  p->Recalculate();
  EXPECT_FALSE(p->m_bDefined);
  ExpectAt(*p, 3, 2, 2);
  face->m_bDefined = true;
  // A triangle the face does not have (set from outside) gives no position.
  for (int corner : {0, 3, -7}) {
    p->Corner = corner;
    p->Recalculate();
    EXPECT_FALSE(p->m_bDefined) << corner;
  }
  p->Corner = 2;
  p->Recalculate();
  EXPECT_TRUE(p->m_bDefined);
  CGVerFreeInFace* orphan = AddInFace(999, 0.25f, 0.25f);  // made without its face
  EXPECT_FALSE(orphan->m_bDefined);
  ExpectAt(*orphan, 0, 0, 0);
}

TEST_F(FacePointTest, PageWithACornerOutOfRangeFailsToLoadAndOtherwiseKeepsThePoint) {
  CGFace* face = Square();
  CGVerFreeInFace* p = AddInFace(face->m_nId, 0.125f, 0.5f);
  CArchive good;
  good.WriteObject(page.get());
  CArchive in(good.Bytes());
  std::unique_ptr<CGPage> read = in.ReadOwned<CGPage>();
  auto* q = dynamic_cast<CGVerFreeInFace*>(read->m_cells.Lookup(p->m_nId));
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(q->Weight0, 0.125f);
  EXPECT_EQ(q->WeightK, 0.5f);

  // No face has triangle 0; a square has triangles 1 and 2 only.
  for (std::int32_t corner : {0, 3}) {
    p->Corner = corner;
    CArchive bad;
    bad.WriteObject(page.get());
    CArchive badIn(bad.Bytes());
    EXPECT_EQ(ArchiveCause([&] { badIn.ReadOwned<CGPage>(); }), ArchiveError::BadData) << corner;
  }
}

// --- In the plane of three points -----------------------------------------------

class PlanePointTest : public FreePointTest {
 protected:
  // A (0, 0, 0), B (4, 0, 0), C (0, 4, 0) and the point at weights s, t.
  CGVerFreeInPlane* OnTriangle(float s, float t) {
    a = AddXyz(0, 0, 0);
    b = AddXyz(4, 0, 0);
    c = AddXyz(0, 4, 0);
    return AddInPlane(a->m_nId, b->m_nId, c->m_nId, s, t);
  }
  CGVertex *a = nullptr, *b = nullptr, *c = nullptr;
};

TEST_F(PlanePointTest, NewPointSitsAtItsWeightsAndNamesItsThreePoints) {
  CGVerFreeInPlane* p = OnTriangle(0.25f, 0.25f);
  EXPECT_EQ(p->m_parents, (std::vector<WORD>{1, 2, 3}));
  for (CGVertex* corner : {a, b, c}) EXPECT_EQ(corner->m_children, (std::vector<WORD>{p->m_nId}));
  ExpectAt(*p, 1, 2, 0);
  EXPECT_EQ(p->GetDescription(), QString::fromUtf8("三点ABC所在平面内的自由点"));
}

TEST_F(PlanePointTest, DraggedOutsideTheTriangleItGetsNegativeWeightsAndFollowsThePlane) {
  CGVerFreeInPlane* p = OnTriangle(kThird, kThird);
  RayDown(6, 3);  // C + 1.5 (B - C) - 1.25 (A - C)
  p->DragTo();
  EXPECT_FLOAT_EQ(p->WeightA, -1.25f);
  EXPECT_FLOAT_EQ(p->WeightB, 1.5f);
  ExpectAt(*p, 6, 3, 0);
  a->m_vPos[2] = 2;
  p->Recalculate();
  ExpectAt(*p, 6, 3, -2.5);
  // A tilted plane now, x / 4 + y / 4 + z / 2 = 1: the ray down through
  // (1, 1) meets it at z = 1, where the weights are 0.5, 0.25 and 0.25.
  RayDown(1, 1);
  p->DragTo();
  ExpectAt(*p, 1, 1, 1);
  EXPECT_FLOAT_EQ(p->WeightA, 0.5f);
  EXPECT_FLOAT_EQ(p->WeightB, 0.25f);
  p->Recalculate();
  ExpectAt(*p, 1, 1, 1);
}

TEST_F(PlanePointTest, EdgeOnOrTooThinATriangleLeavesThePointAndItsWeights) {
  CGVerFreeInPlane* p = OnTriangle(0.25f, 0.25f);
  const auto before = Snapshot(*p);
  Ray({-50, 1, 0}, {50, 1, 0});
  p->DragTo();
  EXPECT_EQ(Snapshot(*p), before);
  // C almost on AB: the plane still has a normal to hit, but no pair of
  // axes gives the hit its weights.
  c->m_vPos[0] = 2;
  c->m_vPos[1] = 0.00005f;
  p->Recalculate();
  const auto thin = Snapshot(*p);
  RayDown(1, 3);
  p->DragTo();
  EXPECT_EQ(Snapshot(*p), thin);
  EXPECT_EQ(p->WeightA, 0.25f);
  EXPECT_EQ(p->WeightB, 0.25f);
}

TEST_F(PlanePointTest, UndefinedWhileAPointIsUndefinedOrNoPoint) {
  CGVerFreeInPlane* p = OnTriangle(0.25f, 0.25f);
  b->m_bDefined = false;
  c->m_vPos[0] = 8;
  p->Recalculate();
  EXPECT_FALSE(p->m_bDefined);
  ExpectAt(*p, 1, 2, 0, 0);
  b->m_bDefined = true;
  p->Recalculate();
  EXPECT_TRUE(p->m_bDefined);
  ExpectAt(*p, 5, 2, 0);
  CGLine* line = AddLine(a->m_nId, b->m_nId);
  p->m_parents[2] = line->m_nId;
  p->Recalculate();
  EXPECT_FALSE(p->m_bDefined);
}

}  // namespace
