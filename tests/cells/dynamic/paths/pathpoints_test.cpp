// Points on a locus or a curve: placed at their clamped parameter, created
// where the locus exists, dragged along the path without moving the
// driver, and undefined with their path.
#include <cmath>
#include <functional>
#include <numbers>

#include "../pathtestsupport.h"

namespace KAVREL_FILE_LOCAL {

using PathPointTest = PathTest;

TEST_F(PathPointTest, ParametersAreClampedIntoTheRange) {
  const Midpoints f = MidpointFigure(0);
  CGLocus* locus = Locus(f.p, f.q, 0, 6.2831f);
  CGTmVarParameter* end = Param(5, 0, 10, "e");
  CGCurve* curve = Curve({end->m_nId}, "t", "0", "0", "0", "No1");
  const WORD onLocus = PointOf<CGVerFreeInLocus>(locus->m_nId, 4);
  const WORD onCurve = PointOf<CGVerFreeInCurve>(curve->m_nId, 4);
  const struct {
    const char* name;
    WORD point;
    std::function<void()> shrink;
    float parameter;
  } rows[] = {
      {"a locus range shrunk below", onLocus, [&] { locus->ParamEnd = 2; }, 2},
      {"a locus range moved above", onLocus, [&] { locus->ParamStart = 3, locus->ParamEnd = 5; }, 3},
      {"a reversed locus range", onLocus, [&] { locus->ParamStart = 1, locus->ParamEnd = -1; }, 1},
      {"a curve range shrunk below", onCurve, [&] { end->m_fValue = 3, curve->Recalculate(); }, 3},
      {"a curve range back", onCurve, [&] { end->m_fValue = 5, curve->Recalculate(); }, 3},
  };
  for (const auto& r : rows) {
    r.shrink();
    auto* point = Cell<CGVertex>(r.point);
    point->Recalculate();
    EXPECT_TRUE(point->m_bDefined && point->m_fValue == r.parameter) << r.name;
  }
  // On the locus at its parameter: Q with P at that angle; the driver stays.
  auto* p = Cell<CGVerFreeInCircle>(f.p);
  auto* point = Cell<CGVerFreeInLocus>(onLocus);
  EXPECT_NEAR(Distance(point->m_vPos, 2 + std::cos(1.0), std::sin(1.0), 0), 0, 1e-6);
  EXPECT_EQ(p->m_fValue, 0);
  EXPECT_NEAR(Cell<CGVertex>(onCurve)->m_vPos[0], 3, 0);

  // Path undefined: the point is undefined, and defined again with it.
  locus->m_bDefined = false;
  point->ApplyParameter();
  EXPECT_FALSE(point->m_bDefined);
  end->m_fValue = -1;  // t0 >= t1
  curve->Recalculate();
  Cell(onCurve)->Recalculate();
  EXPECT_FALSE(Cell(onCurve)->m_bDefined);
  end->m_fValue = 5;
  curve->Recalculate();
  Cell(onCurve)->Recalculate();
  EXPECT_TRUE(Cell(onCurve)->m_bDefined);
}

TEST_F(PathPointTest, CreatedWhereTheLocusExists) {
  const HalfFigure f = HalfDefined();
  CGLocus* locus = Locus(f.t, f.point, 0, 1);
  auto* point = Cell<CGVerFreeInLocus>(PointOf<CGVerFreeInLocus>(locus->m_nId, 0.1f));
  EXPECT_TRUE(point->m_bDefined);
  EXPECT_TRUE(point->m_fValue >= 0.5f && point->m_fValue < 0.51f) << point->m_fValue;
  EXPECT_EQ(Cell(f.t)->m_fValue, 0.75f);
  // Where it does not exist it is undefined; defined again where it does.
  point->m_fValue = 0.2f;
  point->ApplyParameter();
  EXPECT_FALSE(point->m_bDefined);
  point->m_fValue = 0.9f;
  point->ApplyParameter();
  EXPECT_TRUE(point->m_bDefined && point->m_vPos[0] == 0.9f);
  // A locus that exists nowhere: the search ends, the parameter as given.
  CGLocus* nowhere = Locus(f.t, f.point, 0, 0.4f);
  auto* lost = Cell<CGVerFreeInLocus>(PointOf<CGVerFreeInLocus>(nowhere->m_nId, 0.1f));
  EXPECT_TRUE(!lost->m_bDefined && lost->m_fValue == 0.1f);
  EXPECT_TRUE(lost->m_vPos[0] == 0 && lost->m_vPos[1] == 0 && lost->m_vPos[2] == 0) << "never placed";
  // A step too small to move p: the search is counted, not stalled.
  locus->Step = 1e-30f;
  auto* tiny = Cell<CGVerFreeInLocus>(PointOf<CGVerFreeInLocus>(locus->m_nId, 0.1f));
  EXPECT_FALSE(tiny->m_bDefined);
}

TEST_F(PathPointTest, DraggedAlongThePathTheDriverStays) {
  const Midpoints f = MidpointFigure(0.3f);
  CGLocus* locus = Locus(f.p, f.q, 0, 6.2831f);
  auto* point = Cell<CGVerFreeInLocus>(PointOf<CGVerFreeInLocus>(locus->m_nId, 2));
  auto* p = Cell<CGVerFreeInCircle>(f.p);
  const float pBefore[3] = {p->m_vPos[0], p->m_vPos[1], p->m_vPos[2]};
  for (double angle : {0.5, 2.0, 4.0, 6.0}) {
    RayDownZ(2 + 1.2 * std::cos(angle), 1.2 * std::sin(angle));  // outside the path
    point->DragTo();
    EXPECT_NEAR(Distance(point->m_vPos, 2, 0, 0), 1, 1e-5) << angle;
    EXPECT_NEAR(point->m_fValue, angle, 1e-3) << angle;
    EXPECT_NEAR(point->m_vLabelAnchor[0] - point->m_vPos[0], point->m_vLabelOffset[0], 1e-6) << angle;
    EXPECT_TRUE(p->m_fValue == 0.3f && p->m_vPos[0] == pBefore[0] && p->m_vPos[1] == pBefore[1]) << angle;
  }
  // A drag where the traced point does not exist changes nothing.
  const HalfFigure h = HalfDefined();
  CGLocus* half = Locus(h.t, h.point, 0, 1);
  auto* onHalf = Cell<CGVerFreeInLocus>(PointOf<CGVerFreeInLocus>(half->m_nId, 0.8f));
  half->Samples.assign(half->Samples.size(), 3e38f);
  onHalf->DragTo();
  EXPECT_EQ(onHalf->m_fValue, 0.8f);

  CGCurve* curve = Curve({}, "2*cos(t)", "2*sin(t)", "1", "0", "2*pi");
  auto* onCurve = Cell<CGVerFreeInCurve>(PointOf<CGVerFreeInCurve>(curve->m_nId, 1));
  RayDownZ(0, -3);
  onCurve->DragTo();
  EXPECT_NEAR(onCurve->m_fValue, 1.5 * std::numbers::pi, 1e-3);
  EXPECT_NEAR(Distance(onCurve->m_vPos, 0, -2, 1), 0, 1e-3);
  // A curve point where the expressions are infinite is undefined.
  CGCurve* pole = Curve({}, "1/(t-1)", "0", "0", "0", "2");
  auto* onPole = Cell<CGVerFreeInCurve>(PointOf<CGVerFreeInCurve>(pole->m_nId, 1));
  EXPECT_FALSE(onPole->m_bDefined);
  EXPECT_TRUE(onPole->m_vPos[0] == 0 && onPole->m_vPos[1] == 0 && onPole->m_vPos[2] == 0) << "never placed";
}

TEST_F(PathPointTest, Descriptions) {
  const Midpoints f = MidpointFigure();
  Param(0.5f, 0, 1, "s");
  const HalfFigure h = HalfDefined();
  CGLocus* byPoint = Locus(f.p, f.q, 0, 1);
  CGLocus* byParameter = Locus(h.t, h.point, 0, 1);
  CGCurve* curve = Curve({}, "cos(t)", "sin(t)", "t/5", "0", "1");
  const WORD onLocus = PointOf<CGVerFreeInLocus>(byPoint->m_nId, 0.5f);
  const WORD onCurve = PointOf<CGVerFreeInCurve>(curve->m_nId, 0.5f);
  const QString q = Cell(f.q)->m_strName, p = Cell(f.p)->m_strName, traced = Cell(h.point)->m_strName;
  const struct {
    const char* name;
    CGCell* cell;
    QString want;
  } rows[] = {
      {"a locus driven by a point", byPoint, "点" + q + "以点" + p + "移动的轨迹"},
      {"a locus driven by a parameter", byParameter, "点" + traced + "以参数t变化的轨迹"},
      {"a curve", curve, QString::fromUtf8("自定义曲线：x=cos(t),y=sin(t),z=t/5")},
      {"a point on a locus", Cell(onLocus), QString::fromUtf8("轨迹上点")},
      {"a point on a curve", Cell(onCurve), QString::fromUtf8("自定义曲线sin(t)上的点")},
  };
  for (const auto& r : rows) EXPECT_EQ(r.cell->GetDescription(), r.want) << r.name;
}

}  // namespace
