// The locus: its chain, sample counts and guarded steps, the boundaries
// found by bisection, the growing trace, hue colours, the nearest point to
// the ray, and that nothing it moves stays moved.
#include <cmath>
#include <limits>
#include <numbers>

#include "model/globals.h"
#include "../pathtestsupport.h"

namespace KAVREL_FILE_LOCAL {

using LocusTest = PathTest;

TEST_F(LocusTest, ChainIsTheDriversDescendantsThatLeadToTheTracedPoint) {
  const Midpoints f = MidpointFigure();
  L(f.a, P(0, 5, 0));  // hangs from A, not from P
  CGLocus* locus = Locus(f.p, f.q, 0, 6.2831f);
  EXPECT_EQ(locus->m_parents, std::vector<WORD>({f.p, f.ap, f.q}));
  for (WORD parent : {f.p, f.ap, f.q}) EXPECT_EQ(Cell(parent)->m_children.back(), locus->m_nId) << parent;
  EXPECT_TRUE(Collect().empty()) << "no mark is left behind";
  ASSERT_TRUE(locus->m_bDefined);
  ASSERT_EQ(locus->SampleCount, 630);
  for (int i = 0; i < locus->SampleCount; ++i)
    ASSERT_NEAR(Distance(&locus->Samples[3 * i], 2, 0, 0), 1, 1e-5) << "sample " << i;
}

TEST_F(LocusTest, SampleCountsAndStepsThatCannotSample) {
  const HalfFigure f = HalfDefined(false, 0.75f);
  const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    const char* name;
    float t0, t1, step;
    int count;  // 0: undefined, nothing allocated
  } rows[] = {
      {"0 to 1 by 0.01", 0, 1, 0.01f, 102},
      {"1 to 0 by 0.01", 1, 0, 0.01f, 102},
      {"an empty range", 0.6f, 0.6f, 0.01f, 2},
      {"a step of 0", 0, 1, 0, 0},
      {"a negative step", 0, 1, -0.01f, 0},
      {"a NaN step", 0, 1, nan, 0},
      {"an infinite step", 0, 1, inf, 0},
      {"an infinite range", 0, inf, 0.01f, 0},
      {"a NaN range", nan, 1, 0.01f, 0},
      {"a range beyond the floats", -3e38f, 3e38f, 1e38f, 0},
  };
  for (const auto& r : rows) {
    CGLocus* locus = Locus(f.t, f.point, r.t0, r.t1);
    locus->Step = r.step;
    locus->SampleCount = 0;
    locus->Recalculate();
    EXPECT_EQ(locus->SampleCount, r.count) << r.name;
    EXPECT_EQ(locus->m_bDefined, r.count > 0) << r.name;
    EXPECT_EQ(locus->Samples.size(), r.count ? 3u * (r.count + 1) : locus->Samples.size()) << r.name;
    EXPECT_EQ(Cell(f.t)->m_fValue, 0.75f) << r.name << ": the driver is put back";
  }
  // Spacing 1/101: sample i at t = i / 101, the last at exactly 1.
  CGLocus* locus = Locus(f.t, f.point, 0, 1);
  const float dt = 1.0f / 101;
  for (int i : {51, 60, 100}) EXPECT_FLOAT_EQ(locus->Samples[3 * i], static_cast<float>(i) * dt) << i;
  EXPECT_EQ(locus->Samples[3 * 101], 1.0f);
  EXPECT_EQ(locus->Samples[3 * 102], 0) << "the spare triple is never sampled";
  EXPECT_EQ(CappedSampleCount(1.0f, 1e-30f), kMaxPathSamples);
  EXPECT_EQ(CappedSampleCount(1e30, 1e-300), kMaxPathSamples);
  for (auto [span, count] : {std::pair{999997.0, 999999}, {999998.0, kMaxPathSamples}, {999999.0, kMaxPathSamples}})
    EXPECT_EQ(CappedSampleCount(span, 1.0), count) << span;
}

TEST_F(LocusTest, BoundariesAreFoundTo1e8) {
  for (bool reversed : {false, true}) {
    const HalfFigure f = HalfDefined(reversed, 0.75f);
    CGLocus* locus = Locus(f.t, f.point, 0, 1);
    ASSERT_TRUE(locus->m_bDefined) << reversed;
    const std::vector<float>& s = locus->Samples;
    // Sample 50 (t = 0.495) is the last before the boundary, 51 the first
    // after it; the one on the missing side of the pair holds the boundary.
    const int boundary = reversed ? 51 : 50;
    const int missing = reversed ? 52 : 49;
    EXPECT_NEAR(s[3 * boundary], 0.5, 1e-8) << reversed;
    EXPECT_NEAR(s[3 * boundary + 1], 0, 2e-4) << reversed;
    EXPECT_EQ(s[3 * missing], 3e38f) << reversed;
    EXPECT_TRUE(s[3 * missing + 1] == 0 && s[3 * missing + 2] == 0) << reversed;
    EXPECT_EQ(Cell(f.t)->m_fValue, 0.75f);
    EXPECT_EQ(Cell(f.point)->m_bDefined, !reversed) << "the traced point is put back";
  }
  // Nowhere defined: undefined, every sample the marker.
  const HalfFigure f = HalfDefined();
  CGLocus* locus = Locus(f.t, f.point, 0, 0.4f);
  EXPECT_FALSE(locus->m_bDefined);
  for (int i = 0; i < locus->SampleCount; ++i) EXPECT_EQ(locus->Samples[3 * i], 3e38f) << i;
}

TEST_F(LocusTest, GrowingTraceAndDraggingTheDriver) {
  const Midpoints f = MidpointFigure(0);
  CGLocus* locus = Locus(f.p, f.q, 0, 1);
  ASSERT_EQ(locus->SampleCount, 102);
  const float dt = 1.0f / 101;
  auto* p = Cell<CGVerFreeInCircle>(f.p);
  const struct {
    const char* name;
    float value;
    int count;
  } rows[] = {{"2.6 steps in", 2.6f * dt, 4}, {"at t0", 0, 0},   {"before t0", -1, 0},
              {"at t1", 1, 102},            {"beyond t1", 3, 102}, {"a quarter in", 0.25f, 26}};
  locus->m_nParamA = 1;
  for (const auto& r : rows) {
    p->m_fValue = r.value;
    p->ApplyParameter();
    locus->Recalculate();
    EXPECT_EQ(locus->DrawCount, r.count) << r.name;
  }
  // Dragging the driver: with the growing trace the count follows and the
  // samples stay; without it nothing changes.
  const std::vector<float> before = locus->Samples;
  Cell<CGVertex>(f.a)->m_vPos[0] = 6;  // a changed figure would sample differently
  g_nDragId = f.p;
  p->m_fValue = 0.25f;
  locus->Recalculate();
  EXPECT_TRUE(locus->DrawCount == 26 && locus->Samples == before);
  locus->m_nParamA = 0;
  p->m_fValue = 0.5f;
  locus->Recalculate();
  EXPECT_TRUE(locus->DrawCount == 26 && locus->Samples == before);
  g_nDragId = 0;
  locus->Recalculate();
  EXPECT_TRUE(locus->DrawCount == 102 && locus->Samples != before);
}

TEST_F(LocusTest, HueColoursBySampleAndExpression) {
  const Midpoints f = MidpointFigure();
  CGLocus* locus = Locus(f.p, f.q, 0, 6.2831f);
  locus->m_rgbaColor.a = 200;
  locus->SetHueOn(true);
  locus->SampleCount = 0;
  locus->Recalculate();
  ASSERT_EQ(locus->SampleColors.size(), 4u * 630 + 3);
  const float dt = 6.2831f / 629;
  for (int i = 0; i < 630; ++i) {
    const float t = static_cast<float>(i) * dt;
    ASSERT_EQ(ColourOf(locus->SampleColors, i), HueBytes(t < std::numbers::pi ? 0.15 : 0.8, i == 0 ? 255 : 200))
        << "sample " << i;
  }
  EXPECT_EQ(HueBytes(0.8), (std::array<BYTE, 4>{204, 0, 255, 255}));
  BYTE colour[4];
  float at[3];
  locus->SampleAt(at, colour, 1);
  EXPECT_EQ((std::array<BYTE, 4>{colour[0], colour[1], colour[2], colour[3]}), HueBytes(0.15));
  locus->SetHueOn(false);
  locus->SampleCount = 0;
  locus->Recalculate();
  EXPECT_TRUE(locus->SampleColors.empty()) << "no colours without hue colouring";

  // The chain's measured values are No1, No2, ...: a hue of |AP| / 10.
  const WORD distance = New<CGTmVarDistancePP>(f.a, f.q)->m_nId;
  // The traced "point" must be a point: a value is none.
  EXPECT_FALSE(Locus(f.p, distance, 0, 1)->m_bDefined);
  const WORD x = New<CGTmVarCoordX>(f.q)->m_nId;
  const WORD onX = Put(new CGVerCoordinates(page->m_nNextId, page->m_nNextVertex++, "X", {x}, 1, 0, 0, 0, 0, 0));
  CGLocus* hued = Locus(f.p, onX, 0, 6.2831f);
  EXPECT_EQ(hued->m_parents, std::vector<WORD>({f.p, f.ap, f.q, x, onX}));
  EXPECT_EQ(hued->CollectValueParents(), 1);
  EXPECT_EQ(hued->ValueParents, std::vector<WORD>({x}));
  const struct {
    const char* name;
    const char* expression;
    double hue0;  // at t = 0, Q at (3, 0, 0)
  } rows[] = {{"the value parent", "No1/10", 0.3}, {"a failing expression", "t+", 0},
              {"a value that is no number", "1/(t-t)", 0}, {"beyond one", "No1/2", 0.5}};
  for (const auto& r : rows) {
    hued->m_strLabelExtra = QString::fromUtf8(r.expression);
    hued->SetHueOn(true);
    hued->SampleCount = 0;
    hued->Compiled = false;
    hued->Recalculate();
    EXPECT_EQ(ColourOf(hued->SampleColors, 0), HueBytes(r.hue0)) << r.name;
  }
}

TEST_F(LocusTest, NearestToRayAndThePointsItMovesPutBack) {
  const Midpoints f = MidpointFigure(0.7f);
  CGLocus* locus = Locus(f.p, f.q, 0, 6.2831f);
  const QByteArray p = Record(f.p), ap = Record(f.ap), q = Record(f.q);
  // Straight down onto the locus at angle 1 about (2, 0, 0): P at angle 1.
  RayDownZ(2 + std::cos(1.0), std::sin(1.0));
  float at[3];
  double t = 0, distance = 0;
  for (int mode : {0, 1}) {
    ASSERT_TRUE(locus->NearestToRay(at, &t, &distance, mode));
    EXPECT_NEAR(t, mode == 1 ? 1 / 6.2831 : 1.0, 1e-4) << mode;
    EXPECT_LT(distance, 1e-3) << mode;
    EXPECT_NEAR(Distance(at, 2, 0, 0), 1, 1e-5) << mode;
  }
  locus->Recalculate();
  const WORD on = PointOf<CGVerFreeInLocus>(locus->m_nId, 2);
  auto* point = Cell<CGVerFreeInLocus>(on);
  point->DragTo();
  EXPECT_NEAR(point->m_fValue, 1, 1e-4);
  EXPECT_NEAR(Distance(point->m_vPos, 2 + std::cos(1.0), std::sin(1.0), 0), 0, 1e-4);
  EXPECT_EQ(Record(f.p).toHex(), p.toHex());
  EXPECT_EQ(Record(f.ap).toHex(), ap.toHex());
  EXPECT_EQ(Record(f.q).toHex(), q.toHex());

  // Where the traced point does not exist: false, the 1e38 point, nothing moved.
  const HalfFigure h = HalfDefined();
  CGLocus* half = Locus(h.t, h.point, 0, 1);
  RayDownZ(0.1, 0);
  ASSERT_TRUE(half->NearestToRay(at, &t, &distance, 0)) << "the nearest existing sample is at t = 0.5";
  EXPECT_NEAR(t, 0.5, 1e-4);
  half->Samples.assign(half->Samples.size(), 3e38f);  // as if nothing existed when sampled
  EXPECT_FALSE(half->NearestToRay(at, &t, &distance, 0));
  EXPECT_TRUE(at[0] == 1e38f && t == 0 && distance == 1e38);
  EXPECT_EQ(Cell(h.t)->m_fValue, 0.75f);
}

TEST_F(LocusTest, ParentsThatNoLongerFormAChain) {
  const Midpoints f = MidpointFigure();
  CGLocus* locus = Locus(f.p, f.q, 0, 1);
  ASSERT_TRUE(locus->m_bDefined);
  delete page->m_cells.RemoveKey(f.ap);
  locus->Recalculate();
  EXPECT_FALSE(locus->m_bDefined) << "a missing chain cell";
  float at[3];
  double t, distance;
  EXPECT_FALSE(locus->NearestToRay(at, &t, &distance, 0));
  EXPECT_FALSE(locus->SampleAt(at, nullptr, 0.5f));
  EXPECT_EQ(at[0], 3e38f);
  CGLocus empty;
  empty.Recalculate();
  EXPECT_FALSE(empty.m_bDefined) << "no parents";
  empty.m_parents = {f.p, locus->m_nId};
  empty.Recalculate();
  EXPECT_FALSE(empty.m_bDefined) << "the traced cell is no point";
}

}  // namespace
