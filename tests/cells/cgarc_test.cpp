#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "cells/primitives/arcangles.h"
#include "cells/primitives/cgarc.h"
#include "celltestsupport.h"

namespace KAVREL_FILE_LOCAL {

constexpr double kPi = std::numbers::pi;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

class ArcTest : public CellTest {
 protected:
  // A circle of radius r about (cx, cy, 0) in z = 0: u along x, v along y.
  CGArc* Flat(float r, float start, float end, BYTE kind, float cx = 0, float cy = 0) {
    auto* arc = new CGArc(page->m_nNextId++, cx, cy, 0, r, 0, 0, 0, r, 0, start, end, kind);
    page->m_cells.SetAt(arc->m_nId, arc);
    return arc;
  }
};

void ExpectNear3(const float* got, double x, double y, double z, double tolerance = 1e-5) {
  EXPECT_NEAR(got[0], x, tolerance);
  EXPECT_NEAR(got[1], y, tolerance);
  EXPECT_NEAR(got[2], z, tolerance);
}

TEST_F(ArcTest, NewCircleTakesTheNextNameAndHangsItsLabelBesideAngleOne) {
  CGArc* first = Flat(2, 0, 1.5f, kArcArc, 1, 2);
  CGArc* second = Flat(3, 0, 1.5f, kArcDisc);
  EXPECT_EQ(first->m_strName, "c1");
  EXPECT_EQ(second->m_strName, "c2");
  EXPECT_EQ(first->m_nSubKind, kArcArc);
  EXPECT_TRUE(first->m_parents.empty());
  EXPECT_TRUE(first->m_bDefined);
  EXPECT_EQ(first->m_rgbaColor, (RGBA{0, 128, 0, 255}));
  EXPECT_EQ(first->Radius, 2.0f);
  EXPECT_EQ(second->Radius, 3.0f);
  ExpectNear3(first->m_vLabelAnchor, 1 + 2 * std::cos(1.0) + 0.5, 2 + 2 * std::sin(1.0) + 0.5, 0.5);
  // A bare circle takes red, green and blue from the preferences; alpha stays the cell default.
  g_prefs.rgbaCurve = RGBA{10, 20, 30, 40};
  EXPECT_EQ(CGArc().m_rgbaColor, (RGBA{10, 20, 30, 255}));
  // Recalculation keeps the label on the circle as it moves.
  first->Center[2] = 4;
  first->Recalculate();
  EXPECT_NEAR(first->m_vLabelAnchor[2], 4.5, 1e-6);
}

TEST_F(ArcTest, NormalizeAnglesReducesBothAndRaisesAnEndBelowTheStart) {
  const struct { float start, end; double wantStart, wantEnd; } cases[] = {
      {0, 1, 0, 1},
      {1, 0.5f, 1, 0.5 + 6.2831855},  // the float full turn is added
      {-0.5f, 0.5f, 2 * kPi - 0.5, 0.5 + 6.2831855}, {7, 8, 7 - 2 * kPi, 8 - 2 * kPi},
      {-7, -6.5f, 4 * kPi - 7, 4 * kPi - 6.5}, {2, 20, 2, 20 - 6 * kPi + 6.2831855},
      {0, 6.2831855f, 0, 6.2831855},  // a full turn stays full
      {6.2831855f, 6.2831855f, 6.2831855 - 2 * kPi, 6.2831855 - 2 * kPi},
  };
  for (const auto& c : cases) {
    CGArc arc;
    arc.StartAngle = c.start;
    arc.EndAngle = c.end;
    arc.NormalizeAngles();
    EXPECT_NEAR(arc.StartAngle, c.wantStart, 2e-6) << c.start << " " << c.end;
    EXPECT_NEAR(arc.EndAngle, c.wantEnd, 2e-6) << c.start << " " << c.end;
  }
  // Angles too large for whole turns to be taken off still land in one turn.
  CGArc huge;
  huge.StartAngle = 1e30f;
  huge.EndAngle = -3e29f;
  huge.NormalizeAngles();
  EXPECT_GE(huge.StartAngle, 0.0f);
  EXPECT_LE(huge.StartAngle, 6.2831855f);
  EXPECT_GE(huge.EndAngle, huge.StartAngle);
  EXPECT_LE(huge.EndAngle - huge.StartAngle, 6.2831855f);
}

TEST_F(ArcTest, ArcOutlinesGetOneSegmentPerTenthOfARadianAndAtLeastFour) {
  const struct {
    float span;
    int segments;
  } cases[] = {{0.3f, 4}, {1.0f, 10}, {0.45f, 4}, {0.55f, 5}, {6.2831855f, 62},
               {0, 4},    {-2, 4},    {kNaN, 4},   {1e30f, kMaxArcSegments}};
  for (const auto& c : cases) EXPECT_EQ(ArcSegmentCount(c.span), c.segments) << c.span;
}

TEST_F(ArcTest, PointAtParameterRunsAlongTheRangeOrOnceRoundFromU) {
  const struct { BYTE kind; double t; double angle; } cases[] = {
      {kArcCircle, 0.5, kPi},  // not 1.0 + pi: circles start at u
      {kArcDisc, 0.25, kPi / 2}, {kArcArc, 0.5, 1.5},
      {kArcSector, -1, 1.0},  // clamped to the start
      {kArcSegment, 3, 2.0},  // and to the end
  };
  for (const auto& c : cases) {
    CGArc* arc = Flat(2, 1.0f, 2.0f, c.kind, 1, 0);
    double out[3];
    arc->PointAtParameter(out, c.t);
    EXPECT_NEAR(out[0], 1 + 2 * std::cos(c.angle), 1e-6) << int(c.kind);
    EXPECT_NEAR(out[1], 2 * std::sin(c.angle), 1e-6) << int(c.kind);
    EXPECT_NEAR(out[2], 0, 1e-12) << int(c.kind);
  }
}

TEST_F(ArcTest, NearestToRaySnapsToTheNearerEndOfAnArc) {
  const struct {
    BYTE kind;
    float start, end;
    double x, y;                // the ray runs down z through (x, y)
    double angle, parameter;    // mode 0 and mode 1
    double outAngle;            // where the answer lies on the circle
  } cases[] = {
      // Arc from 0 to pi/2: 3 pi / 2 is nearer the start, pi nearer the end.
      {kArcArc, 0, float(kPi / 2), 0, -1, 0, 0, 0},
      {kArcArc, 0, float(kPi / 2), -1, 0, float(kPi / 2), 1, kPi / 2},
      {kArcArc, 0, float(kPi / 2), 1, 1, kPi / 4, 0.5, kPi / 4},
      {kArcCircle, 0, float(kPi / 2), -1, 0, kPi, 0.5, kPi},
      {kArcDisc, 0, 1, 0, -3, 1.5 * kPi, 0.75, 1.5 * kPi},
      // A range across angle 0: the angle is raised into the range.
      {kArcSector, 5, 7, std::cos(0.5), std::sin(0.5), 0.5 + 2 * kPi, 0, 0.5},
  };
  for (const auto& c : cases) {
    CGArc* arc = Flat(2, c.start, c.end, c.kind);
    RayDownZ(c.x, c.y);
    float out[3];
    double angle = -1, distance = -1;
    ASSERT_TRUE(arc->NearestToRay(out, &angle, &distance, 0));
    EXPECT_NEAR(angle, c.angle, 1e-6) << c.x << " " << c.y;
    ExpectNear3(out, 2 * std::cos(c.outAngle), 2 * std::sin(c.outAngle), 0);
    EXPECT_NEAR(distance, std::hypot(out[0] - c.x, out[1] - c.y), 1e-5);
    double parameter = -1;
    ASSERT_TRUE(arc->NearestToRay(out, &parameter, &distance, 1));
    const double expected = c.kind == kArcSector
                                ? (0.5 - arc->StartAngle + 2 * kPi) / (arc->EndAngle - arc->StartAngle)
                                : c.parameter;
    EXPECT_NEAR(parameter, expected, 1e-6) << c.x << " " << c.y;
  }
}

TEST_F(ArcTest, NearestToRayFailsWhenTheRayRunsAlongThePlane) {
  CGArc* arc = Flat(2, 0, 1, kArcArc);
  g_dRayNear[0] = -100;
  g_dRayFar[0] = 100;
  g_dRayNear[1] = g_dRayFar[1] = 1;
  g_dRayNear[2] = g_dRayFar[2] = 0;
  float out[3] = {7, 7, 7};
  double angle = 5, distance = 0;
  EXPECT_FALSE(arc->NearestToRay(out, &angle, &distance, 0));
  ExpectNear3(out, 0, 0, 0, 0);
  EXPECT_EQ(angle, 0);
  EXPECT_EQ(distance, 1e200);
  // The label cannot be dragged there either.
  const float before[3] = {arc->m_vLabelAnchor[0], arc->m_vLabelAnchor[1], arc->m_vLabelAnchor[2]};
  arc->DragLabel();
  ExpectNear3(arc->m_vLabelAnchor, before[0], before[1], before[2], 0);
  EXPECT_EQ(arc->LabelAngle, 1.0f);
}

TEST_F(ArcTest, ParameterOfPointUsesTheDirectionInThePlane) {
  const struct { BYTE kind; float p[3]; float parameter; } cases[] = {
      {kArcArc, {0, -1, 5}, 0.0f},   // 3 pi / 2: nearer the start
      {kArcArc, {-1, 0, -3}, 1.0f},  // pi: nearer the end
      {kArcArc, {1, 1, 2}, 0.5f},
      {kArcArc, {0, 0, 9}, 0.0f},    // over the centre: angle 0
      {kArcCircle, {-1, 0, 0}, 0.5f}, {kArcDisc, {0, -4, 1}, 0.75f}, {kArcCircle, {0, 0, 0}, 0.0f},
  };
  for (const auto& c : cases) {
    CGArc* arc = Flat(2, 0, float(kPi / 2), c.kind);
    EXPECT_NEAR(arc->ParameterOfPoint(c.p), c.parameter, 1e-6) << int(c.kind) << " " << c.p[0];
    EXPECT_EQ(arc->GetAngleOfPoint(c.p), arc->ParameterOfPoint(c.p));
  }
  const float quarter[3] = {0, 0.1f, 0};
  EXPECT_NEAR(Flat(0.1f, 0, 1, kArcCircle)->ParameterOfPoint(quarter), 0.25, 1e-6) << "a small circle";
}

// The float 2 pi is above the double one: reduced alone, the end of a full
// range would come out as 1.7e-7 and the arc would vanish.  Points bound to
// such a range move all the way round; a range of no span gives 0, not NaN.
TEST_F(ArcTest, FullAndEmptyRangesKeepPointsWhereTheyAre) {
  const struct { const char* what; BYTE kind; float end; double x, y, parameter, outX, outY; } cases[] = {
      {"an arc built once round", kArcArc, kArcFullTurn, -1, 0, kPi / 6.2831855, -2, 0},
      {"a sector once round", kArcSector, kArcFullTurn, 0, -1, 1.5 * kPi / 6.2831855, 0, -2},
      {"an arc of no span", kArcArc, 0, 2, 0, 0, 2, 0},
      {"a span at the tolerance's edge", kArcArc, kArcFullTurn + kArcSpanTolerance, -1, 0,
       kPi / double(kArcFullTurn + kArcSpanTolerance), -2, 0},
  };
  for (const auto& c : cases) {
    CGArc* arc = Flat(2, 0, c.end, c.kind);
    EXPECT_EQ(arc->StartAngle, 0.0f) << c.what;
    EXPECT_EQ(arc->EndAngle, c.end) << c.what;
    const float p[3] = {float(c.x), float(c.y), 0};
    EXPECT_NEAR(arc->ParameterOfPoint(p), c.parameter, 1e-6) << c.what;
    RayDownZ(c.x, c.y);
    float out[3];
    double parameter, distance;
    ASSERT_TRUE(arc->NearestToRay(out, &parameter, &distance, 1)) << c.what;
    EXPECT_NEAR(parameter, c.parameter, 1e-6) << c.what;
    ExpectNear3(out, c.outX, c.outY, 0);
    double at[3];
    arc->PointAtParameter(at, c.parameter);
    EXPECT_NEAR(at[0], c.outX, 1e-5) << c.what;
    EXPECT_NEAR(at[1], c.outY, 1e-5) << c.what;
  }
}

TEST_F(ArcTest, DraggedLabelFollowsTheRayAtMostFortyPixelsFromTheCircle) {
  CGArc* arc = Flat(2, 0, 1, kArcCircle);  // 40 pixels of 0.05: 2 units
  RayDownZ(3, 0);
  arc->DragLabel();
  EXPECT_NEAR(arc->LabelAngle, 0, 1e-6);
  ExpectNear3(arc->LabelOffset, 1, 0, 0);
  ExpectNear3(arc->m_vLabelAnchor, 3, 0, 0);
  RayDownZ(0, 10);
  arc->DragLabel();
  EXPECT_NEAR(arc->LabelAngle, kPi / 2, 1e-6);
  ExpectNear3(arc->LabelOffset, 0, 2, 0);
  ExpectNear3(arc->m_vLabelAnchor, 0, 4, 0);
  // The angle is that of the whole circle, whatever the range.
  RayDownZ(-5, -0.001);
  arc->DragLabel();
  EXPECT_NEAR(arc->LabelAngle, kPi, 1e-3);
  EXPECT_GT(arc->LabelAngle, kPi);
}

TEST_F(ArcTest, DescribesItsCentreAndRadius) {
  auto* arc = new CGArc(1, 1, -2.5f, 0.125f, 3, 4, 0, -4, 3, 0, 0, 1, kArcCircle);
  EXPECT_EQ(arc->GetDescription(), QString::fromUtf8("以（1.0000，-2.5000，0.1250）为圆心，半径为5.0000.的定位圆(弧)"));
  delete arc;
}

TEST_F(ArcTest, LoadingKeepsAnglesInRangeAndBringsOthersBack) {
  const struct {
    float start, end;
    unsigned range;  // any byte but 0 means automatic
    double wantStart, wantSpan;
  } cases[] = {
      {0, 6.2831855f, 7, 0, 6.2831855},      // a full range stays full
      {1, 1, 255, 1, 0},
      {100, 101, 0, 100 - 30 * kPi, 1},      // turned by whole turns
      {float(-kPi), float(kPi), 1, kPi, 2 * kPi},
      {6.2831855f, 7.2831855f, 0, 6.2831855 - 2 * kPi, 1},  // the float 2 pi starts at 0
      {6.2831855f, 1, 1, 0, 1},
      {-1e-8f, 2, 0, 6.2831855 - 2 * kPi, 2},  // 2 pi - 1e-8 rounds to the float 2 pi
  };
  for (const auto& c : cases) {
    CircleRecord fields;
    fields.start = c.start;
    fields.end = c.end;
    fields.autoRange = c.range;
    CArchive ar(ArcRecord(fields));
    CGArc read;
    read.Serialize(ar);
    EXPECT_NEAR(read.StartAngle, c.wantStart, 1e-5) << c.start;
    EXPECT_LT(read.StartAngle, kArcFullTurn) << c.start;
    EXPECT_NEAR(read.EndAngle - read.StartAngle, c.wantSpan, 1e-5) << c.start;
    // Written, read and written again: the same bytes.
    const QByteArray once = StoreCell(read);
    CArchive again(once);
    CGArc reread;
    reread.Serialize(again);
    EXPECT_EQ(StoreCell(reread).toHex(), once.toHex()) << c.start;
    EXPECT_EQ(read.AutoRange, c.range ? 1 : 0) << c.range;
  }
  // Angles so far apart that the outline would need billions of segments.
  CircleRecord wild;
  wild.start = -1e30f;
  wild.end = 1e30f;
  CArchive ar(ArcRecord(wild));
  CGArc read;
  read.Serialize(ar);
  EXPECT_GE(read.StartAngle, 0.0f);
  EXPECT_LE(read.StartAngle, 6.2831855f);
  EXPECT_LE(ArcSegmentCount(read.EndAngle - read.StartAngle), 62);
}

// A circle whose axis squares overflow single precision still has its
// radius: the record reads back unless the radius itself is beyond the
// float range.
TEST_F(ArcTest, LargeRadiiReadBackUnlessBeyondTheFloatRange) {
  const struct {
    float u[3];
    float radius;  // 0: the record is refused
  } cases[] = {
      {{3, 0, 4}, 5},
      {{1e20f, 0, 0}, 1e20f},
      {{0, -3e19f, 4e19f}, 5e19f},
      {{2e38f, 0, 2e38f}, 2.828427e38f},
      {{3e38f, 3e38f, 0}, 0},
  };
  for (const auto& c : cases) {
    CircleRecord fields;
    std::copy_n(c.u, 3, fields.u);
    CArchive ar(ArcRecord(fields));
    CGArc read;
    if (c.radius == 0) {
      EXPECT_THROW(read.Serialize(ar), CArchiveException) << c.u[0];
      continue;
    }
    read.Serialize(ar);
    EXPECT_FLOAT_EQ(read.Radius, c.radius) << c.u[0];
  }
}

TEST_F(ArcTest, UnknownKindStyleAndPictureLoadAndAreLeftAlone) {
  CArchive ar(ArcRecord(CircleRecord{}, 9, 77, 99));
  CGArc read;
  read.Serialize(ar);
  EXPECT_EQ(read.m_nSubKind, 9);
  EXPECT_EQ(read.m_nStyle, 77);
  EXPECT_EQ(read.Picture(), 99);
  // The queries still answer within the circle.
  double out[3];
  read.PointAtParameter(out, 0.5);
  EXPECT_TRUE(std::isfinite(out[0]) && std::isfinite(out[1]) && std::isfinite(out[2]));
  const float p[3] = {0, 0, 0};
  const float parameter = read.ParameterOfPoint(p);
  EXPECT_GE(parameter, 0.0f);
  EXPECT_LE(parameter, 1.0f);
}

}  // namespace
