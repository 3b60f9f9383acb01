// What the readings of one point give: coordinates, the path parameter of a
// bound point as it moves, and the relative place on a line or circle.
#include <cmath>
#include <numbers>

#include "cells/primitives/cgverfreeinline.h"
#include "../measuretestsupport.h"

namespace KAVREL_FILE_LOCAL {

constexpr float kQuarter = std::numbers::pi_v<float> / 2;

class PointReadingTest : public MeasureTest {
 protected:
  // A point at `angle` about the origin, at distance 2 in the plane z = 1.
  WORD AtAngle(float angle) { return P(2 * std::cos(angle), 2 * std::sin(angle), 1); }
};

TEST_F(PointReadingTest, CoordinatesAndRelativePlaces) {
  struct Row {
    const char* what;
    std::function<CGTmMeasure*()> make;
    float value;
  };
  const WORD p = P(1, 2, 3);
  const auto line = [&](BYTE kind) { return L(P(0, 0, 0), P(2, 0, 0), kind); };
  const Row rows[] = {
      {"x", Make<CGTmVarCoordX>(p), 1},
      {"y", Make<CGTmVarCoordY>(p), 2},
      {"z", Make<CGTmVarCoordZ>(p), 3},
      {"midpoint of a segment", [&] { return New<CGTmVarParaPInL>(P(1, 5, 0), line(kLineSegment)); }, 0.5f},
      {"beyond B on a segment", [&] { return New<CGTmVarParaPInL>(P(3, 1, 0), line(kLineSegment)); }, 1},
      {"beyond B on a line", [&] { return New<CGTmVarParaPInL>(P(3, 1, 0), line(kLineFull)); }, 1.5f},
      {"before A on a ray", [&] { return New<CGTmVarParaPInL>(P(-3, 1, 0), line(kLineRay)); }, 0},
      {"before A on a line", [&] { return New<CGTmVarParaPInL>(P(-3, 1, 0), line(kLineFull)); }, -1.5f},
      {"a line of one point", [&] { return New<CGTmVarParaPInL>(P(3, 1, 0), L(P(1, 1, 1), P(1, 1, 1), kLineFull)); }, 0},
      {"quarter turn round a circle", [&] { return New<CGTmVarParaPInY>(AtAngle(kQuarter), Arc(2, kArcCircle)); }, 0.25f},
      {"three quarters round a disc", [&] { return New<CGTmVarParaPInY>(AtAngle(-kQuarter), Arc(2, kArcDisc)); }, 0.75f},
      {"over the centre", [&] { return New<CGTmVarParaPInY>(P(0, 0, 4), Arc(2, kArcCircle)); }, 0},
      {"middle of an arc", [&] { return New<CGTmVarParaPInY>(AtAngle(1.5f), Arc(2, kArcArc, 1, 2)); }, 0.5f},
      {"just past an arc's end", [&] { return New<CGTmVarParaPInY>(AtAngle(2.1f), Arc(2, kArcArc, 1, 2)); }, 1},
      {"just before an arc's start", [&] { return New<CGTmVarParaPInY>(AtAngle(0.9f), Arc(2, kArcSector, 1, 2)); }, 0},
  };
  for (const Row& r : rows) {
    CGTmMeasure* m = r.make();
    EXPECT_TRUE(m->m_bDefined) << r.what;
    EXPECT_NEAR(m->m_fValue, r.value, 1e-6) << r.what;
  }
}

TEST_F(PointReadingTest, PathParameterFollowsTheBoundPoint) {
  const WORD segment = L(P(0, 0, 0), P(4, 0, 0));
  auto* bound = new CGVerFreeInLine(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("M"), segment, 0.25f);
  Put(bound);
  auto* t = New<CGTmVarPara>(bound->m_nId);
  auto* along = New<CGTmVarParaPInL>(bound->m_nId, segment);
  EXPECT_EQ(t->m_strName, QStringLiteral("t (M)"));
  EXPECT_EQ(t->m_fValue, 0.25f);
  // An animation step: the parameter is set, the point placed, the
  // dependants recomputed.
  bound->m_fValue = 0.75f;
  bound->ApplyParameter();
  bound->MarkDescendants();
  page->RecalculateCells(Collect());
  EXPECT_EQ(t->m_fValue, 0.75f);
  EXPECT_FLOAT_EQ(along->m_fValue, 0.75f);
  EXPECT_EQ(Caption(*t), QStringLiteral(" =0.75"));
}

}  // namespace
