#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "cells/primitives/arcsbypoints.h"
#include "celltestsupport.h"

namespace KAVREL_FILE_LOCAL {

constexpr double kPi = std::numbers::pi;
using Vec = std::array<float, 3>;

double Distance(const float* a, const float* b) {
  return std::sqrt(double(a[0] - b[0]) * (a[0] - b[0]) + double(a[1] - b[1]) * (a[1] - b[1]) +
                   double(a[2] - b[2]) * (a[2] - b[2]));
}

void ExpectNear3(const float* got, const Vec& want, double tolerance = 1e-5) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(got[i], want[static_cast<size_t>(i)], tolerance) << "axis " << i;
}

class ArcsByPointsTest : public CellTest {
 protected:
  WORD P(const Vec& v) { return AddPoint(v[0], v[1], v[2])->m_nId; }
  CGVertex* Point(WORD id) { return static_cast<CGVertex*>(page->m_cells.Lookup(id)); }

  template <class T, class... Extra>
  T* Make(WORD a, WORD b, WORD c, BYTE kind, Extra... extra) {
    auto* arc = new T(page->m_nNextId++, a, b, c, kind, extra...);
    page->m_cells.SetAt(arc->m_nId, arc);
    return arc;
  }
  CGArcCircle3P* Through(const Vec& a, const Vec& b, const Vec& c, BYTE kind = kArcCircle) {
    return Make<CGArcCircle3P>(P(a), P(b), P(c), kind);
  }
  CGArcCenterP* Centred(const Vec& c, const Vec& a, const Vec& b, BYTE kind = kArcCircle) {
    return Make<CGArcCenterP>(P(c), P(a), P(b), kind);
  }
  CGArcPointN* About(const Vec& c, const Vec& p, const Vec& q, int reverse = 0) {
    return Make<CGArcPointN>(P(c), P(p), P(q), kArcCircle, reverse);
  }
};

TEST_F(ArcsByPointsTest, ConstructorsLinkTheParentsInOrderAndNameTheCircle) {
  const WORD a = P({1, 0, 0}), b = P({0, 1, 0}), c = P({-1, 0, 0});
  auto* circle = Make<CGArcCircle3P>(a, b, c, kArcSector);
  auto* centred = Make<CGArcCenterP>(b, a, c, kArcArc);
  auto* about = Make<CGArcPointN>(c, b, a, kArcDisc, 1);
  EXPECT_EQ(circle->m_strName, "c1");
  EXPECT_EQ(centred->m_strName, "c2");
  EXPECT_EQ(about->m_strName, "c3");
  EXPECT_EQ(circle->m_parents, (std::vector<WORD>{a, b, c}));
  EXPECT_EQ(centred->m_parents, (std::vector<WORD>{b, a, c}));
  EXPECT_EQ(about->m_parents, (std::vector<WORD>{c, b, a}));
  EXPECT_EQ(Point(a)->m_children, (std::vector<WORD>{4, 5, 6}));
  EXPECT_EQ(circle->m_nSubKind, kArcSector);
  EXPECT_EQ(about->m_nSubKind, kArcDisc);
  EXPECT_EQ(about->m_nParamB, 1);
  for (CGArc* arc : {static_cast<CGArc*>(circle), static_cast<CGArc*>(centred), static_cast<CGArc*>(about)}) {
    EXPECT_TRUE(arc->m_bDefined);
    EXPECT_TRUE(arc->IsKindOf(RUNTIME_CLASS(CGArc)));
  }
}

TEST_F(ArcsByPointsTest, CircleThroughThreePointsOfTheUnitCircle) {
  CGArcCircle3P* arc = Through({1, 0, 0}, {0, 1, 0}, {-1, 0, 0});
  ASSERT_TRUE(arc->m_bDefined);
  ExpectNear3(arc->Center, {0, 0, 0});
  EXPECT_NEAR(arc->Radius, 1, 1e-6);
  ExpectNear3(arc->AxisU, {1, 0, 0});
  ExpectNear3(arc->AxisV, {0, 1, 0});
  EXPECT_NEAR(arc->EndAngle, kPi, 1e-6);
  // anchor = centre + cos 1 u + sin 1 v + 10 pixels on each axis
  ExpectNear3(arc->m_vLabelAnchor,
              {float(std::cos(1.0) + 0.5), float(std::sin(1.0) + 0.5), 0.5f});
}

TEST_F(ArcsByPointsTest, ArcThroughThreePointsRunsFromTheFirstThroughTheSecondToTheThird) {
  const struct { Vec p0, p1, p2; } cases[] = {
      {{3, 1, 2}, {5, -2, 4}, {0, 0, 1}},
      {{10, 0, 0}, {0, 0.5f, 0}, {-10, 0, 0}},  // obtuse at P1: less than half a turn
      {{2, 0, 0}, {-1, -1, 1}, {0, 3, -1}}, {{0, 0, 5}, {4, 4, 4}, {1, -3, 0}},
  };
  for (const auto& c : cases) {
    CGArcCircle3P* arc = Through(c.p0, c.p1, c.p2, kArcArc);
    ASSERT_TRUE(arc->m_bDefined);
    const double tolerance = 1e-4 * arc->Radius;
    for (const Vec& p : {c.p0, c.p1, c.p2}) EXPECT_NEAR(Distance(p.data(), arc->Center), arc->Radius, tolerance);
    EXPECT_NEAR(Distance(arc->AxisV, std::array<float, 3>{0, 0, 0}.data()), arc->Radius, tolerance);
    double start[3], end[3];
    arc->PointAtParameter(start, 0);
    arc->PointAtParameter(end, 1);
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(start[i], c.p0[static_cast<size_t>(i)], tolerance);
      EXPECT_NEAR(end[i], c.p2[static_cast<size_t>(i)], tolerance);
    }
    const float middle = arc->ParameterOfPoint(c.p1.data());
    EXPECT_GT(middle, 0.0f);
    EXPECT_LT(middle, 1.0f);
  }
}

TEST_F(ArcsByPointsTest, CircleThroughThreePointsIsUndefinedWhenTheyAreInLineOrFarOut) {
  const struct { Vec p0, p1, p2; bool defined; } cases[] = {
      {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, false},
      {{1, 0, 0}, {0, 0, 0}, {-1, 0.009f, 0}, false},  // every cross component below 0.01
      {{1, 0, 0}, {0, 0, 0}, {-1, 0.011f, 0}, true},
      {{-100, 0, 0}, {0, 0.001f, 0}, {100, 0, 0}, false},  // radius about 5e6
      {{-100, 0, 0}, {0, 1, 0}, {100, 0, 0}, true},       // radius 5000.5
  };
  for (const auto& c : cases) {
    CGArcCircle3P* arc = Through(c.p0, c.p1, c.p2);
    EXPECT_EQ(arc->m_bDefined, c.defined) << c.p2[1] << " " << c.p1[1];
  }
  // Defined again as soon as the points allow it.
  CGArcCircle3P* arc = Through({-100, 0, 0}, {0, 0.001f, 0}, {100, 0, 0});
  Point(arc->m_parents[1])->m_vPos[1] = 50;
  arc->Recalculate();
  EXPECT_TRUE(arc->m_bDefined);
}

TEST_F(ArcsByPointsTest, AnUndefinedParentStopsTheRecalculationBeforeItWrites) {
  CGArcCircle3P* circle = Through({1, 0, 0}, {0, 1, 0}, {-1, 0, 0});
  CGArcCenterP* centred = Centred({0, 0, 0}, {2, 0, 0}, {0, 3, 0});
  Point(circle->m_parents[2])->m_bDefined = false;
  Point(circle->m_parents[0])->m_vPos[0] = 5;
  circle->Recalculate();
  EXPECT_FALSE(circle->m_bDefined);
  ExpectNear3(circle->Center, {0, 0, 0});
  // The centre is copied before the other points are looked at.
  Point(centred->m_parents[1])->m_bDefined = false;
  Point(centred->m_parents[0])->m_vPos[2] = 7;
  centred->Recalculate();
  EXPECT_FALSE(centred->m_bDefined);
  ExpectNear3(centred->Center, {0, 0, 7});
  ExpectNear3(centred->AxisU, {2, 0, 0});
  // A parent that is gone or is not a point counts as undefined.
  Point(centred->m_parents[1])->m_bDefined = true;
  centred->m_parents[2] = circle->m_nId;
  centred->Recalculate();
  EXPECT_FALSE(centred->m_bDefined);
}

// Points near the float limit overflow the frame: the circle becomes
// undefined and keeps its last frame (which loads again, unlike infinity).
TEST_F(ArcsByPointsTest, FrameBeyondTheFloatRangeLeavesTheCircleUndefinedAsItWas) {
  const float big = 3e38f;
  const struct {
    const char* name;
    CGArc* arc;
    Vec far;  // for the last point
  } cases[] = {
      {"through three points", Through({1, 0, 0}, {0, 1, 0}, {-1, 0, 0}), {-big, big, 0}},
      {"about a centre", Centred({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), {-big, -big, 0}},
      {"about an axis", About({0, 0, 0}, {1, 0, 0}, {0, 0, 1}), {big, 0, big}},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(c.arc->m_bDefined) << c.name;
    const float centre[3] = {c.arc->Center[0], c.arc->Center[1], c.arc->Center[2]};
    const float anchor[3] = {c.arc->m_vLabelAnchor[0], c.arc->m_vLabelAnchor[1], c.arc->m_vLabelAnchor[2]};
    Point(c.arc->m_parents[0])->m_vPos[0] = -big;
    std::copy_n(c.far.data(), 3, Point(c.arc->m_parents[2])->m_vPos);
    c.arc->Recalculate();
    EXPECT_FALSE(c.arc->m_bDefined) << c.name;
    ExpectNear3(c.arc->Center, {centre[0], centre[1], centre[2]});
    ExpectNear3(c.arc->m_vLabelAnchor, {anchor[0], anchor[1], anchor[2]});
    EXPECT_TRUE(std::isfinite(c.arc->Radius)) << c.name;
  }
}

TEST_F(ArcsByPointsTest, FixedAnglesStayWhenThePointsMove) {
  CGArcCircle3P* circle = Through({1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, kArcArc);
  CGArcCenterP* centred = Centred({0, 0, 0}, {2, 0, 0}, {0, 3, 0}, kArcArc);
  for (CGArc* arc : {static_cast<CGArc*>(circle), static_cast<CGArc*>(centred)}) {
    arc->AutoRange = 0;
    arc->EndAngle = 0.25f;
    Point(arc->m_parents[2])->m_vPos[1] = -0.5f;
    arc->Recalculate();
    EXPECT_TRUE(arc->m_bDefined);
    EXPECT_EQ(arc->EndAngle, 0.25f);
    arc->AutoRange = 1;
    arc->Recalculate();
    EXPECT_NE(arc->EndAngle, 0.25f);
  }
}

TEST_F(ArcsByPointsTest, CircleAboutACentreRunsFromATowardsB) {
  const struct { Vec b; bool defined; double end; Vec v; } cases[] = {
      {{0, 3, 0}, true, kPi / 2, {0, 2, 0}},
      {{-1, 1, 0}, true, 0.75 * kPi, {0, 2, 0}},  // obtuse: above a quarter, at most half a turn
      {{1, -1, 0}, true, 0.25 * kPi, {0, -2, 0}}, {{-5, 0.001f, 0}, true, kPi, {0, 2, 0}},
      {{4, 0, 0}, false, 0, {}},   // on the line CA
      {{2, 0, 0}, false, 0, {}},   // B = A
      {{-3, 0, 0}, false, kPi, {}},
  };
  for (const auto& c : cases) {
    CGArcCenterP* arc = Centred({0, 0, 0}, {2, 0, 0}, c.b);
    EXPECT_EQ(arc->m_bDefined, c.defined) << c.b[0] << " " << c.b[1];
    // Centre, u, radius and end are written before the line test.
    ExpectNear3(arc->AxisU, {2, 0, 0});
    EXPECT_EQ(arc->Radius, 2.0f);
    EXPECT_NEAR(arc->EndAngle, c.end, 1e-3) << c.b[0] << " " << c.b[1];
    if (c.defined) ExpectNear3(arc->AxisV, c.v, 1e-4);
  }
  // Nothing to span from: B or A on the centre, or B on the line CA despite rounding.
  std::vector<std::array<Vec, 3>> undefined = {{{{1, 1, 1}, {2, 0, 0}, {1, 1, 1}}}, {{{1, 1, 1}, {1, 1, 1}, {2, 0, 0}}}};
  const Vec c = {0.1f, 0.2f, 0.3f}, a = {1.1f, 2.3f, 3.7f};
  for (float f : {0.7f, 1.9f, -0.35f, 3.3f})
    undefined.push_back({c, a, {c[0] + f * (a[0] - c[0]), c[1] + f * (a[1] - c[1]), c[2] + f * (a[2] - c[2])}});
  for (const auto& [centre, from, toward] : undefined)
    EXPECT_FALSE(Centred(centre, from, toward)->m_bDefined) << toward[0] << " " << toward[1] << " " << toward[2];
}

TEST_F(ArcsByPointsTest, CircleAboutAnAxisAndItsReverse) {
  CGArcPointN* arc = About({0, 0, 0}, {2, 0, 0}, {0, 0, 5});
  CGArcPointN* reversed = About({0, 0, 0}, {2, 0, 0}, {0, 0, 5}, 1);
  for (CGArcPointN* circle : {arc, reversed}) {
    ASSERT_TRUE(circle->m_bDefined);
    ExpectNear3(circle->Center, {0, 0, 0});
    ExpectNear3(circle->AxisU, {2, 0, 0});
    EXPECT_EQ(circle->Radius, 2.0f);
    // The range is left as it was: the whole circle.
    EXPECT_EQ(circle->StartAngle, 0.0f);
    EXPECT_EQ(circle->EndAngle, kArcFullTurn);
  }
  ExpectNear3(arc->AxisV, {0, 2, 0});  // u x v along CQ
  ExpectNear3(reversed->AxisV, {0, -2, 0});
  // A negative flag is no reversal.
  ExpectNear3(About({0, 0, 0}, {2, 0, 0}, {0, 0, 5}, -1)->AxisV, {0, 2, 0});
  // CP not perpendicular to CQ: the plane of CP and (Q - C) x CP.
  ExpectNear3(About({0, 0, 0}, {2, 0, 0}, {1, 0, 1})->AxisV, {0, 2, 0});
  EXPECT_FALSE(About({0, 0, 0}, {2, 0, 0}, {5, 0, 0})->m_bDefined);        // Q on the line CP
  EXPECT_FALSE(About({0, 0, 0}, {0.005f, 0, 0}, {0, 0, 5})->m_bDefined);  // |u|^2 below 0.0001
}

TEST_F(ArcsByPointsTest, DescribesItselfByTheKindFromItsPointNames) {
  const char* circle[] = {"过三点A、B、C的圆", "过三点A、B、C的弧", "过三点A、B、C的圆面", "过三点A、B、C的扇形", "过三点A、B、C的弓形"};
  const char* centred[] = {"以点A为圆心，过点B、C的圆", "以点A为圆心，过点B、C的弧", "以点A为圆心，过点B、C的圆面", "以点A为圆心，过点B、C的扇形", "以点A为圆心，过点B、C的弓形"};
  const char* about[] = {"以点A为圆心，过点B且垂直于AC的圆", "以点A为圆心，过点B且垂直于AC的弧", "以点A为圆心，过点B且垂直于AC的圆面", "以点A为圆心，过点B且垂直于AC的扇形", "以点A为圆心，过点B且垂直于AC的弓形"};
  const WORD a = P({1, 0, 0}), b = P({0, 1, 0}), c = P({0, 0, 1});
  CGArc* arcs[] = {Make<CGArcCircle3P>(a, b, c, kArcCircle), Make<CGArcCenterP>(a, b, c, kArcCircle),
                   Make<CGArcPointN>(a, b, c, kArcCircle, 0)};
  const char** texts[] = {circle, centred, about};
  for (int i = 0; i < 3; ++i) {
    for (BYTE kind = 0; kind <= 4; ++kind) {
      arcs[i]->m_nSubKind = kind;
      EXPECT_EQ(arcs[i]->GetDescription(), QString::fromUtf8(texts[i][kind])) << i << " " << int(kind);
    }
    arcs[i]->m_nSubKind = 5;
    EXPECT_EQ(arcs[i]->GetDescription(), QString()) << i;
  }
  arcs[2]->m_nSubKind = kArcCircle;
  arcs[2]->m_nParamB = 1;
  EXPECT_EQ(arcs[2]->GetDescription(), QString::fromUtf8("以点A为圆心，过点B且垂直于AC的圆反向"));
}

TEST_F(ArcsByPointsTest, FollowsItsPointsThroughThePageRecalculation) {
  CGArcCenterP* arc = Centred({0, 0, 0}, {2, 0, 0}, {0, 3, 0});
  CGVertex* centre = Point(arc->m_parents[0]);
  centre->m_vPos[2] = 4;
  Point(arc->m_parents[1])->m_vPos[2] = 4;
  Point(arc->m_parents[2])->m_vPos[2] = 4;
  centre->MarkDescendants();
  page->RecalculateCells(Collect());
  ExpectNear3(arc->Center, {0, 0, 4});
  ExpectNear3(arc->AxisV, {0, 2, 0});
  EXPECT_NEAR(arc->m_vLabelAnchor[2], 4.5, 1e-6);
}

}  // namespace
