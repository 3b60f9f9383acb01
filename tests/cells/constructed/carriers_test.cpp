// Points by parameter on carriers, and what the path and carrier points
// show and store: descriptions, record bytes, hostile records.
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "cells/constructed/numeric/numericintersections.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/constructed/paths/combinedpaths.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "pathpointtestsupport.h"

namespace KAVREL_FILE_LOCAL {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kDegree = kPi / 180;
constexpr RGBA kPointColour{128, 0, 0, 255};

using CarrierTest = PathPointTest;

TEST_F(CarrierTest, ParametersMapToTheCarriersPoints) {
  const WORD segment = L(P(0, 0, 0), P(2, 0, 0)), unit = Arc(1, kArcCircle);
  const WORD source = P(7, 7, 7);
  Cell(source)->m_fValue = 0.25f;
  CGCurve* curve = Curve({}, "t", "t*t", "0", "0", "2");
  const struct {
    const char* what;
    CGVertex* point;
    std::optional<Vec3> at;
    float value;
  } rows[] = {
      {"fixed 1.5 on a segment lies beyond B", New<CGVerInLineFixedf>(segment, 1.5f), Vec3{3, 0, 0}, 1.5f},
      {"the source's parameter on a line", New<CGVerInLineFt>(segment, source), Vec3{0.5f, 0, 0}, 0.25f},
      {"a fixed angle", New<CGVerInCircleFixedf>(unit, kPi / 2), Vec3{0, 1, 0}, kPi / 2},
      {"a curve outside its range", New<CGVerInCurveFixedf>(curve->m_nId, 3.0f), Vec3{3, 9, 0}, 3},
      {"the source's parameter on a curve", New<CGVerInCurveFt>(curve->m_nId, source), Vec3{0.25f, 0.0625f, 0}, 0.25f},
      {"a line where a circle is read", New<CGVerInCircleFixedf>(segment, 1.0f), std::nullopt, 1},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(r.point->m_bDefined, r.at.has_value()) << r.what;
    EXPECT_EQ(r.point->m_fValue, r.value) << r.what;
    if (r.at) ExpectNear(r.point->m_vPos, (*r.at)[0], (*r.at)[1], (*r.at)[2], r.what, 1e-6);
  }
  // The curve twin leaves with its source's parameter and comes back with it.
  CGVertex* twin = rows[4].point;
  for (const auto& [t, defined] : {std::pair{2.5f, false}, {-0.1f, false}, {2.0f, true}}) {
    Cell(source)->m_fValue = t;
    twin->Recalculate();
    EXPECT_EQ(twin->m_bDefined, defined) << t;
    ExpectNear(twin->m_vPos, defined ? 2 : 0.25f, defined ? 4 : 0.0625f, 0, "kept or placed", 1e-6);
  }
}

// Every same-parameter kind takes a scalar value as its source as it takes
// a path point: it follows the number, and is undefined while the value is.
TEST_F(CarrierTest, SameParameterPointsFollowAScalarValue) {
  const WORD segment = L(P(0, 0, 0), P(2, 0, 0)), unit = Arc(1, kArcCircle);
  CGCurve* curve = Curve({}, "t", "t*t", "0", "0", "2");
  CGLocus* locus = CircleLocus();
  CGTmVarParameter* value = Param(0.5f, 0, 10);
  const WORD v = value->m_nId;
  const std::vector<WORD> corners = {P(0, 0, 0), P(4, 0, 0), P(4, 2, 0)};
  const struct {
    const char* what;
    CGVertex* point;
    Vec3 atHalf, atOne;
  } rows[] = {
      {"line", New<CGVerInLineFt>(segment, v), Vec3{1, 0, 0}, Vec3{2, 0, 0}},
      {"circle", New<CGVerInCircleFt>(unit, v), Vec3{std::cos(0.5f), std::sin(0.5f), 0}, Vec3{std::cos(1.0f), std::sin(1.0f), 0}},
      {"curve", New<CGVerInCurveFt>(curve->m_nId, v), Vec3{0.5f, 0.25f, 0}, Vec3{1, 1, 0}},
      {"locus", New<CGVerInLocusFt>(locus->m_nId, v), Vec3{2 * std::cos(0.5f), 2 * std::sin(0.5f), 0},
       Vec3{2 * std::cos(1.0f), 2 * std::sin(1.0f), 0}},
      {"polygon border", New<CGVerInBorderFt>(corners, v), Vec3{2, 0, 0}, Vec3{4, 0, 0}},
      {"combined path", New<CGVerInPaths>(std::vector<WORD>{segment, v}, BYTE{1}, 0.0f), Vec3{1, 0, 0}, Vec3{2, 0, 0}},
      {"compound path, the second piece's start at 1",
       New<CGVerInBorder>(std::vector<WORD>{segment, segment, v}, BYTE{1}, 0.0f), Vec3{1, 0, 0}, Vec3{0, 0, 0}},
  };
  for (const auto& r : rows) {
    ASSERT_TRUE(r.point->m_bDefined) << r.what;
    ExpectNear(r.point->m_vPos, r.atHalf[0], r.atHalf[1], r.atHalf[2], r.what, 1e-5);
  }
  value->m_fValue = 1.0f;
  for (const auto& r : rows) {
    r.point->Recalculate();
    EXPECT_EQ(r.point->m_fValue, 1.0f) << r.what;
    ExpectNear(r.point->m_vPos, r.atOne[0], r.atOne[1], r.atOne[2], r.what, 1e-5);
  }
  // A value past the float range (a distance between far points) is not
  // followed: the point keeps its last parameter, a finite one.
  value->m_fValue = std::numeric_limits<float>::infinity();
  for (const auto& r : rows) {
    r.point->Recalculate();
    EXPECT_FALSE(r.point->m_bDefined) << r.what;
    EXPECT_TRUE(std::isfinite(r.point->m_fValue)) << r.what;
  }
  value->m_fValue = 1.0f;
  value->m_bDefined = false;
  for (const auto& r : rows) {
    r.point->Recalculate();
    EXPECT_FALSE(r.point->m_bDefined) << r.what;
  }
}

TEST_F(CarrierTest, TheDividingPointRunsFromAToBAndKeepsItsRatio) {
  const WORD unit = Arc(1, kArcCircle);
  const struct {
    const char* what;
    float a, b, ratio, angle;
  } rows[] = {
      {"350 to 10 degrees passes 0", 350 * kDegree, 10 * kDegree, 0.5f, 0},
      {"10 to 350 degrees passes 180", 10 * kDegree, 350 * kDegree, 0.5f, kPi},
      {"A = B", 1, 1, 0.3f, 1},
      {"a quarter of the way", 0, kPi / 2, 0.25f, kPi / 8},
      {"a quarter of the way over 0", 350 * kDegree, 10 * kDegree, 0.25f, 355 * kDegree},
      {"whole turns off", -2 * kPi, 2 * kPi + kPi / 2, 0.5f, kPi / 4},
  };
  for (const auto& r : rows) {
    const WORD a = PointOf<CGVerFreeInCircle>(unit, r.a), b = PointOf<CGVerFreeInCircle>(unit, r.b);
    auto* scale = New<CGVerInCircleScale>(unit, a, b, r.ratio);
    EXPECT_NEAR(std::remainder(scale->m_fValue - r.angle, 2 * kPi), 0, 1e-5) << r.what;
    ExpectNear(scale->m_vPos, std::cos(r.angle), std::sin(r.angle), 0, r.what, 1e-5);
    // Read back, the ratio is found again from the angles (0.5 for A = B).
    CGVerInCircleScale loaded;
    CArchive in(Record(scale->m_nId));
    loaded.Serialize(in);
    EXPECT_EQ(loaded.Ratio, 0.5f) << r.what;
    loaded.Recalculate();
    EXPECT_NEAR(loaded.Ratio, r.a == r.b ? 0.5f : r.ratio, 1e-5) << r.what;
    EXPECT_EQ(loaded.m_fValue, scale->m_fValue) << r.what << ": reopened where it was saved";
    ExpectNear(loaded.m_vPos, std::cos(r.angle), std::sin(r.angle), 0, r.what, 1e-5);
  }
  // Past B, a hair below a full turn: the ratio found from it and the angle
  // found from that ratio again would come out a rounding apart.
  const WORD a = PointOf<CGVerFreeInCircle>(unit, 0.3f), b = PointOf<CGVerFreeInCircle>(unit, 3.09439516f);
  auto* scale = New<CGVerInCircleScale>(unit, a, b, 2.0f);
  scale->m_fValue = 6.28318501f;
  CGVerInCircleScale loaded;
  CArchive in(Record(scale->m_nId));
  loaded.Serialize(in);
  loaded.Recalculate();
  EXPECT_EQ(loaded.m_fValue, 6.28318501f);
}

TEST_F(CarrierTest, LocusPointsLeaveTheLocusAsItStood) {
  CGLocus* locus = CircleLocus();
  const std::vector<char> before = ChainState(*locus);
  const WORD source = P(0, 0, 0);
  Cell(source)->m_fValue = kPi;
  auto* fixed = New<CGVerInLocusFixedf>(locus->m_nId, kPi / 2);
  auto* twin = New<CGVerInLocusFt>(locus->m_nId, source);
  ExpectNear(fixed->m_vPos, 0, 2, 0, "fixed");
  ExpectNear(twin->m_vPos, -2, 0, 0, "twin");
  fixed->Recalculate();
  twin->Recalculate();
  EXPECT_EQ(ChainState(*locus), before);
  Cell(source)->m_fValue = 7;  // beyond 2 pi
  twin->Recalculate();
  EXPECT_FALSE(twin->m_bDefined);
  // Where the traced point does not exist the point is undefined.
  const HalfFigure half = HalfDefined();
  CGLocus* halfLocus = Locus(half.t, half.point, 0, 1);
  EXPECT_FALSE(New<CGVerInLocusFixedf>(halfLocus->m_nId, 0.2f)->m_bDefined);
  ExpectNear(New<CGVerInLocusFixedf>(halfLocus->m_nId, 0.75f)->m_vPos, 0.75f, 0.5f, 0, "where it exists");
  EXPECT_EQ(Cell(half.t)->m_fValue, 0.75f);
}

TEST_F(CarrierTest, DescriptionsNameParentsCountsAndParameters) {
  const WORD a = P(0, 0, 0), b = P(4, 0, 0), c = P(0, 4, 0);
  const WORD ab = L(a, b, kLineFull), circle = Arc(1, kArcCircle);  // c1
  const WORD source = P(1, 1, 1);  // D
  Cell(source)->m_strName = QStringLiteral("P");
  CGCurve* c2 = Curve({}, "t", "0", "0", "-1", "1");
  CGCurve* c3 = Curve({}, "0", "t", "0", "-1", "1");
  c2->m_strName = QStringLiteral("c2");
  c3->m_strName = QStringLiteral("c3");
  const WORD onA = PointOf<CGVerFreeInCircle>(circle, 0), onB = PointOf<CGVerFreeInCircle>(circle, 1);
  Cell(onA)->m_strName = QStringLiteral("A");
  Cell(onB)->m_strName = QStringLiteral("B");
  CGLocus* locus = CircleLocus();
  const struct {
    CGCell* cell;
    const char* text;
  } rows[] = {
      {New<CGVerFreeInBorder>(std::vector<WORD>{a, b, c}, 0.5f), "3段曲线组成的复合路径上的点"},
      {New<CGVerInBorderFt>(std::vector<WORD>{a, b, c}, a), "3边形边界线上与A同参数的点"},
      {New<CGVerInBorder>(std::vector<WORD>{ab}, BYTE{0}, 0.25f), "复合路径上绘制的参数为0.250000的点"},
      {New<CGVerInBorder>(std::vector<WORD>{ab, source}, BYTE{1}, 0.0f), "复合路径上绘制的与P同参的点"},
      {New<CGVerInPaths>(std::vector<WORD>{ab}, BYTE{0}, 0.5f), "组合路径上绘制的参数为0.500000的点"},
      {New<CGVerInPaths>(std::vector<WORD>{ab, source}, BYTE{1}, 0.0f), "组合路径上绘制的与P同参的点"},
      {New<CGVerInLineFixedf>(ab, 1.5f), "线AB上参数1.500000对应点"},
      {New<CGVerInLineFt>(ab, source), "线AB上与P同参数的点"},
      {New<CGVerInCircleFixedf>(circle, 0.125f), "圆c1上参数0.125000对应点"},
      {New<CGVerInCircleScale>(circle, onA, onB, 0.5f), "圆c1上两点A、 B的分点"},
      {New<CGVerInCurveFixedf>(c2->m_nId, -0.5f), "曲线c2上参数-0.500000对应点"},
      {New<CGVerInCurveFt>(c2->m_nId, source), "曲线c2上与P同参数的点"},
      {New<CGVerInLocusFixedf>(locus->m_nId, 1.5f), "轨迹上与参数1.500000对应的点"},
      {New<CGVerInLocusFt>(locus->m_nId, source), "轨迹上与P同参数的点"},
      {New<CGVerIntersectionLG>(BYTE{0}, ab, locus->m_nId), "直线AB与轨迹的交点"},
      {New<CGVerIntersectionLQ>(BYTE{0}, ab, c2->m_nId), "直线AB与曲线c2的交点"},
      {New<CGVerIntersectionCQ>(BYTE{0}, circle, c2->m_nId), "圆c1与曲线c2的交点"},
      {New<CGVerIntersectionCG>(BYTE{0}, circle, locus->m_nId), "圆c1与轨迹轨迹的交点"},
      {New<CGVerIntersectionQQ>(BYTE{0}, c2->m_nId, c3->m_nId), "曲线c2与曲线c3的交点"},
      {New<CGVerIntersectionGG>(BYTE{0}, locus->m_nId, locus->m_nId), "轨迹轨迹与轨迹轨迹的交点"},
      {New<CGVerIntersectionQG>(BYTE{0}, c2->m_nId, locus->m_nId), "曲线c2与轨迹轨迹的交点"},
  };
  for (const auto& r : rows)
    EXPECT_EQ(r.cell->GetDescription().toStdString(), r.text) << r.cell->GetRuntimeClass()->m_lpszClassName;
}

TEST_F(CarrierTest, RecordsAddThePieceCountOnlyWhereItIsKept) {
  const WORD a = P(0, 0, 0), b = P(4, 0, 0), c = P(0, 4, 0);  // 1, 2, 3
  auto* border = New<CGVerFreeInBorder>(std::vector<WORD>{a, b, c}, 0.5f);  // 4 D
  auto* twin = New<CGVerInBorderFt>(std::vector<WORD>{a, b, c}, border->m_nId);  // 5 E
  page->SelectCell(L(a, b));                                                    // 6
  auto* free = New<CGVerFreeInPaths>();                                        // 7 F
  auto* fixed = New<CGVerInLineFixedf>(WORD{6}, 0.5f);                          // 8 G
  const auto offset = [](const CGVertex* p) {
    return std::array<float, 3>{p->m_vLabelOffset[0], p->m_vLabelOffset[1], p->m_vLabelOffset[2]};
  };
  RecordBytes want[4];
  AppendPointRecord(want[0], {4, "D", 0.5f, {2, 0, 0}, offset(border), {1, 2, 3}, {5}}).i32(3);
  AppendPointRecord(want[1], {5, "E", 0.5f, {2, 0, 0}, offset(twin), {1, 2, 3, 4}, {}, kPointColour}).i32(3);
  AppendPointRecord(want[2], {7, "F", 0.6f, {2.4f, 0, 0}, offset(free), {6}, {}}).i32(1);
  AppendPointRecord(want[3], {8, "G", 0.5f, {2, 0, 0}, offset(fixed), {6}, {}, kPointColour});
  const CGCell* cells[] = {border, twin, free, fixed};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Record(cells[i]->m_nId).toHex(), want[i].get().toHex()) << i;
  CGVerFreeInBorder loaded;
  ReadWhole(want[0], loaded);
  EXPECT_TRUE(loaded.Pieces == 3 && loaded.m_fValue == 0.5f);

  // Piece counts that do not fit the parents fail the load.
  const auto record = [](std::vector<unsigned> parents, std::int32_t n) {
    RecordBytes r;
    AppendPointRecord(r, {9, "X", 0.5f, {0, 0, 0}, {0, 0, 0}, std::move(parents), {}}).i32(n);
    return r;
  };
  const auto plain = [](std::vector<unsigned> parents, BYTE mode) {
    RecordBytes r;
    PointRecord fields{9, "X", 0.5f, {0, 0, 0}, {0, 0, 0}, std::move(parents), {}};
    fields.subKind = mode;
    return AppendPointRecord(r, fields);
  };
  const struct {
    const char* what;
    ArchiveError cause;
  } rows[] = {
      {"border, N above the parents", ReadCause<CGVerFreeInBorder>(record({1, 2, 3}, 4))},
      {"border, N = 0", ReadCause<CGVerFreeInBorder>(record({}, 0))},
      {"border, N negative", ReadCause<CGVerFreeInBorder>(record({1}, -1))},
      {"twin, N = the parents", ReadCause<CGVerInBorderFt>(record({1, 2, 3}, 3))},
      {"twin, N = 0", ReadCause<CGVerInBorderFt>(record({1}, 0))},
      {"free combined, N below the parents", ReadCause<CGVerFreeInPaths>(record({1, 2}, 1))},
      {"fixed path without a piece", ReadCause<CGVerInBorder>(plain({}, 0))},
      {"followed path without a piece", ReadCause<CGVerInPaths>(plain({1}, 1))},
      {"a carrier point with two carriers", ReadCause<CGVerInLineFixedf>(plain({1, 2}, 0))},
      {"a root of three carriers", ReadCause<CGVerIntersectionQQ>(plain({1, 2, 3}, 0))},
  };
  for (const auto& r : rows) EXPECT_EQ(r.cause, ArchiveError::BadData) << r.what;
  CGVerInBorderFt fits;
  ReadWhole(record({1, 2, 3}, 2), fits);
  EXPECT_EQ(fits.Pieces, 2);
  CGVerInPaths followed;
  ReadWhole(plain({1, 2}, 1), followed);
}

}  // namespace
