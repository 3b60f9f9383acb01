// Free points bound to a line or a circle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "freepointtestsupport.h"

namespace KAVREL_FILE_LOCAL {

constexpr double kPi = std::numbers::pi;

class LinePointTest : public FreePointTest {
 protected:
  // A at the origin, B at (10, 0, 0), the line on them (id 3).
  CGLine* Line(BYTE kind) {
    a = AddXyz(0, 0, 0);
    b = AddXyz(10, 0, 0);
    return AddLine(a->m_nId, b->m_nId, kind);
  }
  CGVerFreeXyz* a = nullptr;
  CGVerFreeXyz* b = nullptr;
};

TEST_F(LinePointTest, NewPointSitsAtItsParameterAndNamesItsLine) {
  CGLine* line = Line(kLineSegment);
  CGVerFreeInLine* p = AddInLine(line->m_nId, 0.25f);
  EXPECT_EQ(p->m_parents, (std::vector<WORD>{line->m_nId}));
  EXPECT_EQ(line->m_children, (std::vector<WORD>{p->m_nId}));
  EXPECT_TRUE(p->m_bDefined);
  EXPECT_EQ(p->m_fValue, 0.25f);
  EXPECT_EQ(p->m_rgbaColor, (RGBA{255, 0, 0, 255}));
  ExpectAt(*p, 2.5, 0, 0, 0);
  EXPECT_EQ(p->GetDescription(), QString::fromUtf8("线AB上的点"));
}

TEST_F(LinePointTest, DragFollowsTheRayWithinWhatTheLineKindAllows) {
  const struct {
    BYTE kind;
    double x;  // the ray runs down z through (x, 3)
    float t;
  } cases[] = {
      {kLineSegment, 4, 0.4f},  {kLineSegment, 15, 1},  {kLineSegment, -5, 0},
      {kLineVector, 12, 1},     {kLineRay, -5, 0},      {kLineRay, 15, 1.5f},
      {kLineFull, -5, -0.5f},   {kLineFull, 25, 2.5f},
  };
  for (const auto& c : cases) {
    CGLine* line = Line(c.kind);
    CGVerFreeInLine* p = AddInLine(line->m_nId, 0.5f);
    RayDown(c.x, 3);
    p->DragTo();
    EXPECT_FLOAT_EQ(p->m_fValue, c.t) << int(c.kind) << " at " << c.x;
    ExpectAt(*p, 10 * c.t, 0, 0);
  }
}

TEST_F(LinePointTest, RayAlongTheLineOrThePlaneOfTheCircleChangesNothing) {
  const struct { const char* what; CGVerFree* point; std::array<double, 3> from, to; } cases[] = {
      {"on a line", AddInLine(Line(kLineFull)->m_nId, 0.3f), {-50, 0, 0}, {50, 0, 0}},
      {"on a circle", AddInCircle(AddCircle(2)->m_nId, 1), {-50, 0.5, 0}, {50, 0.5, 0}},
  };
  for (const auto& c : cases) {
    const auto before = Snapshot(*c.point);
    Ray(c.from, c.to);
    c.point->DragTo();
    EXPECT_EQ(Snapshot(*c.point), before) << c.what;
  }
}

TEST_F(LinePointTest, ParameterSetFromOutsideIsNotClampedAndFollowsTheLine) {
  CGVerFreeInLine* p = AddInLine(Line(kLineSegment)->m_nId, 0.5f);
  p->m_fValue = 1.5f;
  p->ApplyParameter();
  ExpectAt(*p, 15, 0, 0);
  b->m_vPos[1] = 4;  // moved B carries it along
  p->Recalculate();
  ExpectAt(*p, 15, 6, 0);
}

TEST_F(LinePointTest, UndefinedLineLeavesThePointWhereItWasUntilItIsBack) {
  CGLine* line = Line(kLineSegment);
  CGVerFreeInLine* p = AddInLine(line->m_nId, 0.5f);
  line->m_bDefined = false;
  b->m_vPos[0] = 20;
  p->Recalculate();
  EXPECT_FALSE(p->m_bDefined);
  ExpectAt(*p, 5, 0, 0, 0);
  line->m_bDefined = true;
  p->Recalculate();
  EXPECT_TRUE(p->m_bDefined);
  ExpectAt(*p, 10, 0, 0);
  // A parent that is no line (here a point) gives no definition either.
  p->m_parents[0] = a->m_nId;
  p->Recalculate();
  EXPECT_FALSE(p->m_bDefined);
  RayDown(3, 3);
  p->DragTo();
  ExpectAt(*p, 10, 0, 0);
}

// --- On a circle ------------------------------------------------------------

using CirclePointTest = FreePointTest;

TEST_F(CirclePointTest, NewPointCopiesTheFrameAndSitsAtItsAngle) {
  CGArc* circle = AddCircle(2, 1, 0, 0);
  CGVerFreeInCircle* p = AddInCircle(circle->m_nId, float(kPi / 2));
  EXPECT_EQ(p->m_parents, (std::vector<WORD>{circle->m_nId}));
  EXPECT_EQ(circle->m_children, (std::vector<WORD>{p->m_nId}));
  EXPECT_TRUE(p->m_bDefined);
  ExpectAt(*p, 1, 2, 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(p->Center[i], circle->Center[i]);
    EXPECT_EQ(p->AxisU[i], circle->AxisU[i]);
    EXPECT_EQ(p->AxisV[i], circle->AxisV[i]);
  }
  EXPECT_EQ(p->Normal[2], 4.0f);  // u x v, not normalised
  auto* upright = new CGArc(page->m_nNextId++, 0, 0, 0, 0, 2, 0, 0, 0, 2, 0, kArcFullTurn, kArcCircle);
  page->m_cells.SetAt(upright->m_nId, upright);
  EXPECT_EQ(AddInCircle(upright->m_nId, 0)->Normal[0], 4.0f) << "a circle in the plane x = 0";
  upright->m_bDefined = false;
  CGVerFreeInCircle* lost = AddInCircle(upright->m_nId, 1);
  EXPECT_FALSE(lost->m_bDefined);
  ExpectAt(*lost, 0, 0, 0, 0);
  EXPECT_EQ(p->GetDescription(), QString::fromUtf8("圆c1上的点"));
}

TEST_F(CirclePointTest, KeepsItsAngleWhenTheCircleGrowsAndReplacesFromTheStoredFrame) {
  CGArc* circle = AddCircle(2);
  CGVerFreeInCircle* p = AddInCircle(circle->m_nId, float(kPi / 3));
  circle->AxisU[0] = 5;
  circle->AxisV[1] = 5;
  // Without a recalculation the stored frame still says radius 2.
  p->m_fValue = float(kPi);
  p->ApplyParameter();
  ExpectAt(*p, -2, 0, 0);
  p->m_fValue = float(kPi / 3);
  p->Recalculate();
  ExpectAt(*p, 5 * std::cos(kPi / 3), 5 * std::sin(kPi / 3), 0);
  EXPECT_EQ(p->m_fValue, float(kPi / 3));
  // An undefined circle keeps position, angle and frame.
  circle->m_bDefined = false;
  circle->AxisU[0] = 9;
  p->Recalculate();
  EXPECT_FALSE(p->m_bDefined);
  EXPECT_EQ(p->AxisU[0], 5.0f);
  ExpectAt(*p, 5 * std::cos(kPi / 3), 5 * std::sin(kPi / 3), 0);
}

TEST_F(CirclePointTest, DragTakesTheNearestPointOfTheCircleOrOfTheArcsRange) {
  const struct {
    BYTE kind;
    double x, y;  // the ray runs down z through (x, y)
    double angle;
  } cases[] = {
      {kArcCircle, 0, -3, 1.5 * kPi}, {kArcDisc, -1, 1, 0.75 * kPi}, {kArcArc, 1, 1, 0.25 * kPi},
      // Towards the gap of an arc from 0 to pi/2: the nearer end.
      {kArcArc, 0, -1, 0}, {kArcArc, -1, 0.1, 0.5 * kPi}, {kArcSector, -3, -0.2, kPi},
  };
  for (const auto& c : cases) {
    const float end = c.kind == kArcSector ? float(kPi) : c.kind == kArcArc ? float(kPi / 2) : kArcFullTurn;
    CGArc* arc = AddCircle(2, 0, 0, 1, 0, end, c.kind);
    CGVerFreeInCircle* p = AddInCircle(arc->m_nId, 0.1f);
    RayDown(c.x, c.y);
    p->DragTo();
    EXPECT_NEAR(p->m_fValue, c.angle, 1e-6) << c.x << " " << c.y;
    ExpectAt(*p, 2 * std::cos(c.angle), 2 * std::sin(c.angle), 1);
  }
}

// Parents near the float limit put a bound point (or a circle point's
// frame) beyond it: it becomes undefined where it was.
TEST_F(CirclePointTest, BoundPointsBeyondTheFloatRangeStayUndefinedWhereTheyWere) {
  constexpr float kBig = 3e38f;
  CGVerFreeXyz* a = AddXyz(0, 0, 0);
  CGVerFreeXyz* b = AddXyz(1, 0, 0);
  CGVerFreeXyz* c = AddXyz(0, 1, 0);
  CGArc* circle = AddCircle(1);
  CGFace* face = AddFace({a->m_nId, b->m_nId, c->m_nId});
  const struct { const char* name; CGVerFree* point; } cases[] = {
      {"on a line", AddInLine(AddLine(a->m_nId, b->m_nId)->m_nId, 2)},
      {"on a circle", AddInCircle(circle->m_nId, 1)},
      {"in a face", AddInFace(face->m_nId, -1, 1)},
      {"in a plane", AddInPlane(a->m_nId, b->m_nId, c->m_nId, -1, 1)},
  };
  // Within the range, the frame is the circle's and the normal u x v.
  const float u[3] = {1, 2, 3}, v[3] = {-2, 1, 1};
  std::copy_n(u, 3, circle->AxisU);
  std::copy_n(v, 3, circle->AxisV);
  cases[1].point->Recalculate();
  const float* normal = static_cast<CGVerFreeInCircle*>(cases[1].point)->Normal;
  EXPECT_EQ(std::vector<float>(normal, normal + 3), (std::vector<float>{-1, -7, 5}));
  a->m_vPos[0] = -kBig;
  b->m_vPos[0] = kBig;
  c->m_vPos[1] = kBig;
  circle->AxisU[0] = circle->AxisV[1] = 1e20f;  // a normal of 1e40
  for (const auto& c : cases) {
    const float was[3] = {c.point->m_vPos[0], c.point->m_vPos[1], c.point->m_vPos[2]};
    c.point->Recalculate();
    EXPECT_FALSE(c.point->m_bDefined) << c.name;
    ExpectAt(*c.point, was[0], was[1], was[2], 0);
  }
  EXPECT_EQ(std::vector<float>(normal, normal + 3), (std::vector<float>{-1, -7, 5})) << "the last frame";
}

}  // namespace
