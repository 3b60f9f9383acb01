// Round solids, solids on points and feet without GL.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <random>

#include "cells/primitives/perpendicularfeet.h"
#include "cells/revolution/solidsbypoints.h"
#include "celltestsupport.h"
#include "model/vertexarray.h"

namespace KAVREL_FILE_LOCAL {

using Vec = std::array<float, 3>;

void ExpectNear3(const float* got, const Vec& want, const std::string& row) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(got[i], want[size_t(i)], 1e-5) << row << " axis " << i;
}

TEST(RoundSolidGeometry, PlacementAndSilhouettes) {
  const struct { const char* row; Vec d; float c, angle; Vec axis; } turns[] = {
      {"zero axis", {0, 0, 0}, AxisCosine(Vec{0, 0, 0}.data()), 0, {}},
      {"pole down", {0, 0, -5}, SphereAxisCosine(Vec{0, 0, -5}.data(), 5), 180, {1, 0, 0}},
      {"tilted", {0, 3, 4}, AxisCosine(Vec{0, 3, 4}.data()), 36.869896f, {-3, 0, 0}},
      {"pole down, beyond the radius", {0.001f, 0, -6}, SphereAxisCosine(Vec{0.001f, 0, -6}.data(), 5), 180,
       {0, 0.001f, 0}},
  };
  for (const auto& t : turns) {
    const SolidTurn turn = TurnOntoAxis(t.d.data(), t.c);
    EXPECT_NEAR(turn.angle, t.angle, 1e-4) << t.row;
    if (turn.angle != 0) ExpectNear3(turn.axis, t.axis, t.row);
  }
  const SolidTurn facing = FacingTurn(Vec{1, 0, 0}.data());
  EXPECT_NEAR(facing.angle, 90, 1e-4);
  ExpectNear3(facing.axis, {0, 1, 0}, "facing");
  const struct { const char* row; Vec v; float k; int count; Vec t0, t1; } outlines[] = {
      {"cylinder across", {0, 1, 0}, -1, 2, {1, 0, 0}, {-1, 0, 0}},  // k < 0: the cylinder
      {"cylinder along", {0, 0, 1}, -1, 2, {}, {}},
      {"cone", {2, 0, 1}, 0, 2, {-0.5f, 0.8660254f, 0}, {-0.5f, -0.8660254f, 0}},
      {"apex over the rim", {1, 0, 1}, 0, 0, {}, {}},
      {"cone across", {0, 3, 0}, 0, 2, {1, 0, 0}, {-1, 0, 0}},
      {"frustum across", {4, 0, 0}, 0.5f, 2, {0, -1, 0}, {0, 1, 0}},
  };
  for (const auto& o : outlines) {
    const Silhouette s = o.k < 0 ? CylinderSilhouette(o.v.data()) : TaperedSilhouette(o.v.data(), o.k);
    ASSERT_EQ(s.count, o.count) << o.row;
    if (s.count == 0) continue;
    ExpectNear3(Vec{s.t[0][0], s.t[0][1], 0}.data(), o.t0, o.row);
    ExpectNear3(Vec{s.t[1][0], s.t[1][1], 0}.data(), o.t1, o.row);
  }
  std::mt19937 random(29);
  std::uniform_real_distribution<float> component(-1, 1);
  for (float k : {0.0f, 0.25f, 0.5f, 1.5f})
    for (int i = 0; i < 200; ++i) {
      const Vec v{component(random), component(random), component(random)};
      const Silhouette s = TaperedSilhouette(v.data(), k);
      for (int j = 0; j < s.count; ++j) {
        const double x = s.t[j][0], y = s.t[j][1];
        EXPECT_NEAR(std::hypot(x, y), 1, 1e-5) << k << " " << i;
        EXPECT_NEAR(x * v[0] + y * v[1] + (1 - k) * v[2], 0, 1e-5) << k << " " << i;
      }
    }
  EXPECT_EQ(DrawnTopRatio(1), 0.999f);
  EXPECT_EQ(DrawnTopRatio(0), 0.0001f);
}

class RoundSolidTest : public CellTest {
 protected:
  WORD P(const Vec& v, const char* name = "") {
    CGVertex* point = AddPoint(v[0], v[1], v[2]);
    if (*name) point->m_strName = QString::fromUtf8(name);
    return point->m_nId;
  }
  CGVertex* Point(WORD id) { return static_cast<CGVertex*>(page->m_cells.Lookup(id)); }
  template <class T>
  T* Make(T* cell) {
    page->m_cells.SetAt(cell->m_nId, cell);
    return cell;
  }
  WORD Next() { return page->m_nNextId++; }
  void Move(WORD id, int axis, float to) {
    Point(id)->m_vPos[axis] = to;
    Point(id)->MarkDescendants();
    std::vector<WORD> ids;
    page->CollectDirtyIds(ids);
    page->RecalculateCells(ids);
  }
};

TEST_F(RoundSolidTest, DescriptionsAndColours) {
  g_prefs.rgbaCurve = RGBA{1, 2, 3, 4};
  g_prefs.rgbaLine.a = 77;
  const RGBA label = g_prefs.rgbaLabel, grey{153, 153, 153, label.a};
  const WORD c = P({0, 0, 0}, "O"), n = P({0, 0, 2}, "N"), r = P({2, 0, 0}, "R"), t = P({0, 0, 3}, "T");
  const WORD s = P({1, 0, 3}, "S"), p = P({1, 2, 3}, "P"), a = P({0, 0, 0}, "A"), b = P({4, 0, 0}, "B");
  const struct { CGCell* cell; RGBA inside; const char* text; } cases[] = {
      {Make(new CGSphere(Next(), 0, 0, 0, 5, 0, 0, 1)), label, "以（0.0000，0.0000，0.0000）为球心，半径为5.0000.的球"},
      {Make(new CGCylinder(Next(), 0, 0, 0, 2.5f, 3, 0, 0, 1)), grey, "底面半径2.5000，高3.0000.的圆柱"},
      {Make(new CGCone(Next(), 0, 0, 0, 5, 10, 0, 0, 1)), grey, "底面半径5.0000，高10.0000的圆锥"},
      {Make(new CGFrustum(Next(), 0, 0, 0, 4, 10, 0, 0, 1, 0.25f)), grey, "下底半径4.0000，上底半径1.0000，高10.0000.的圆台"},
      {Make(new CGSphereCN(Next(), c, n)), label, "以O为球心，北极点为N的球"},
      {Make(new CGCylinderCPC(Next(), c, r, t)), grey, "以OT为轴，OR为底面半径的圆柱"},
      {Make(new CGConeCPV(Next(), c, r, t)), grey, "以T为顶点，OR为底面半径的圆锥"},
      {Make(new CGFrustumCP2(Next(), c, r, t, s)), grey, "以OT为轴，OR、TS为两底半径的圆台"},
      {Make(new CGVerFootpl(Next(), page->m_nNextVertex++, "F", p, a, b)), {}, "点P在直线AB的投影"},
      {Make(new CGVerFootpf(Next(), page->m_nNextVertex++, "G", p, a, b, c)), {}, "点P在面ABO的投影"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.cell->GetDescription(), QString::fromUtf8(c.text)) << c.text;
    if (c.cell->IsKindOf(RUNTIME_CLASS(CGVertex))) continue;
    EXPECT_EQ(c.cell->m_rgbaColor, (RGBA{1, 2, 3, 77})) << c.text;
    EXPECT_EQ(c.cell->m_rgbaLabel, c.inside) << c.text;
  }
}

// The common record (label colour black) and the floats of the record table.
QByteArray GoldenRecord(const char* name, std::vector<unsigned> parents, const std::vector<float>& floats,
                        DWORD picture = 0) {
  RecordBytes b;
  AppendCommonRecord(b, {0, QString::fromUtf8(name), 0, 0, {0, 0, 0}, RGBA{0, 128, 0, 255}, picture, parents, {}});
  for (float v : floats) b.f32(v);
  return b.get();
}

TEST_F(RoundSolidTest, RecordsHoldTheDefaultsReadBackAndRefuseDamage) {
  const struct { const char* cls; const char* name; std::vector<unsigned> parents; std::vector<float> floats; } cases[] = {
      {"CGSphere", "球", {}, {0, 0, 0, 5, 0, 0, 1}},
      {"CGCylinder", "圆柱", {}, {0, 0, 0, 5, 10, 0, 0, 1}},
      {"CGCone", "圆锥", {}, {0, 0, 0, 5, 10, 0, 0, 1}},
      {"CGFrustum", "圆台", {}, {0, 0, 0, 5, 10, 0, 0, 1, 0.5f}},
      {"CGFrustumCP2", "圆台", {1, 2, 3, 4}, {0, 0, 0, 5, 10, 0, 0, 1, 0.5f}},
  };
  auto load = [](const char* cls, const QByteArray& bytes) {
    std::unique_ptr<CObject> read(ClassRegistry::FromName(cls)->CreateObject());
    CArchive ar(bytes);
    read->Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0) << cls;
    return StoreCell(*static_cast<CGCell*>(read.get()));
  };
  for (const auto& c : cases) {
    std::unique_ptr<CGCell> made(static_cast<CGCell*>(ClassRegistry::FromName(c.cls)->CreateObject()));
    made->m_rgbaLabel = RGBA{0, 0, 0, 255};
    made->m_parents.assign(c.parents.begin(), c.parents.end());
    const QByteArray golden = GoldenRecord(c.name, c.parents, c.floats);
    EXPECT_EQ(StoreCell(*made).toHex(), golden.toHex()) << c.cls;
    EXPECT_EQ(load(c.cls, golden), golden) << c.cls;
    std::vector<float> bad = c.floats;
    (c.parents.empty() ? bad.back() : bad.front()) = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(ArchiveCause([&] { load(c.cls, GoldenRecord(c.name, c.parents, bad)); }), ArchiveError::BadData);
  }
  EXPECT_EQ(ArchiveCause([&] { load("CGFrustumCP2", GoldenRecord("圆台", {1, 2, 3}, cases[4].floats)); }),
            ArchiveError::BadData);
  for (const std::vector<unsigned>& parents : {std::vector<unsigned>{1, 2}, std::vector<unsigned>{1, 2, 3}})
    EXPECT_EQ(ArchiveCause([&] { load("CGVerFootpl", GoldenRecord("F", parents, {NAN, 0, 0, 0, 0, 0})); }),
              ArchiveError::BadData);
  CGSphere sphere(0, 1, 2, 3, 4, 5, 6, 7);
  EXPECT_EQ(StoreCell(sphere), GoldenRecord("球", {}, {1, 2, 3, 4, 5, 6, 7}));
  CGFrustum frustum(0, 1, 2, 3, 4, 5, 6, 7, 8, 0.25f);
  frustum.m_rgbaLabel = RGBA{0, 0, 0, 255};
  for (DWORD picture : {0u, 1u, 2u, 3u, 4u, 15u, 16u}) {
    frustum.m_dwParam3 = picture;
    ArchiveContext context;
    const QByteArray stored = StoreCell(frustum, &context);
    EXPECT_EQ(stored, GoldenRecord("圆台", {}, {1, 2, 3, 4, 5, 6, 7, 8, 0.25f}, picture)) << picture;
    for (DWORD i = 0; i < 3; ++i) EXPECT_EQ(context.nPictureUseCount[i], picture == i + 1 ? 1 : 0) << picture;
  }
}

TEST_F(RoundSolidTest, SolidsOnPointsFollowThemOrBecomeUndefined) {
  const WORD c = P({1, 2, 3}), n = P({1, 2, 7});
  auto* sphere = Make(new CGSphereCN(Next(), c, n));
  EXPECT_TRUE(sphere->m_bDefined && sphere->Radius == 4);
  ExpectNear3(sphere->PoleVector, {0, 0, 4}, "sphere");
  const WORD o = P({0, 0, 0}), r1 = P({4, 0, 0}), t = P({0, 0, 6}), r2 = P({1, 0, 6});
  auto* frustum = Make(new CGFrustumCP2(Next(), o, r1, t, r2));
  EXPECT_TRUE(frustum->Radius == 4 && frustum->Height == 6 && frustum->TopRatio == 0.25f);
  ExpectNear3(frustum->Axis, {0, 0, 6}, "frustum");
  Move(t, 2, 8);
  EXPECT_EQ(frustum->Height, 8);
  EXPECT_NEAR(frustum->TopRatio, std::sqrt(5.0f) / 4, 1e-6);
  Point(n)->m_bDefined = false;
  Move(c, 0, 9);
  EXPECT_FALSE(sphere->m_bDefined);
  ExpectNear3(sphere->Center, {9, 2, 3}, "the new centre kept");
  auto* onNoPoint = Make(new CGConeCPV(Next(), o, r1, frustum->m_nId));
  EXPECT_TRUE(!onNoPoint->m_bDefined && onNoPoint->Radius == 4);
  Move(r1, 0, 0);  // a base radius of 0: undefined, the last ratio kept
  EXPECT_FALSE(frustum->m_bDefined);
  EXPECT_NEAR(frustum->TopRatio, std::sqrt(5.0f) / 4, 1e-6);
  EXPECT_EQ(Make(new CGSphereCN(Next(), o, r1))->Radius, 0);
}

TEST_F(RoundSolidTest, FeetLieOnTheLineOrPlaneAndWriteTheirSlot) {
  const struct { const char* row; Vec p, a, b, c; bool plane; Vec foot; } cases[] = {
      {"on AB", {1, 2, 3}, {0, 0, 0}, {4, 0, 0}, {}, false, {1, 0, 0}},
      {"P on AB", {2, 0, 0}, {0, 0, 0}, {4, 0, 0}, {}, false, {2, 0, 0}},
      {"A = B", {1, 2, 3}, {5, 5, 5}, {5, 5, 5}, {}, false, {5, 5, 5}},
      {"on z = 0", {1, 2, 3}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, true, {1, 2, 0}},
  };
  for (const auto& c : cases) {
    const WORD p = P(c.p), a = P(c.a), b = P(c.b), third = P(c.c);
    const int slot = page->m_nNextVertex++;
    CGVertex* foot = c.plane ? Make<CGVertex>(new CGVerFootpf(Next(), slot, "F", p, a, b, third))
                             : Make<CGVertex>(new CGVerFootpl(Next(), slot, "F", p, a, b));
    EXPECT_TRUE(foot->m_bDefined) << c.row;
    ExpectNear3(g_pVertexArray + 3 * slot, c.foot, c.row);
    if (!c.plane) continue;
    Point(b)->m_bDefined = false;
    Move(p, 2, 9);
    EXPECT_FALSE(foot->m_bDefined) << c.row;
    ExpectNear3(g_pVertexArray + 3 * slot, c.foot, c.row);
  }
  const WORD p = P({1, 1, 1}), a = P({2, 2, 2}), missing = Next();
  const int slot = page->m_nNextVertex++;
  EXPECT_FALSE(Make(new CGVerFootpl(Next(), slot, "F", p, a, missing))->m_bDefined);
  ExpectNear3(g_pVertexArray + 3 * slot, {0, 0, 0}, "made undefined: at the origin");
}

}  // namespace
