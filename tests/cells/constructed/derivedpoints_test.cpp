// The common-perpendicular foot, the coordinates point, the triangle
// centres, the circle points and arcs, the bisector points, the circle-plane
// intersection and the extended feet: one table per family, then records
// and hostile records.  Descriptions, and storing and reloading whole pages
// of them: the end-to-end test.
#include <gtest/gtest.h>

#include <limits>
#include <numbers>
#include <optional>

#include "cells/constructed/bisectors.h"
#include "cells/constructed/circleplane.h"
#include "cells/constructed/circlepoints.h"
#include "cells/constructed/commonperpen.h"
#include "cells/constructed/coordinatespoint.h"
#include "cells/constructed/extendedfeet.h"
#include "cells/constructed/trianglecentres.h"
#include "constructedtestsupport.h"

namespace KAVREL_FILE_LOCAL {

using Maybe = std::optional<Vec3>;
constexpr float kPi = std::numbers::pi_v<float>;
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();
constexpr RGBA kPointColour{128, 0, 0, 255};  // of a plain point

Carrier Pn(Vec3 a) { return {Carrier::kPoint, a}; }
Carrier Fc(Vec3 a, Vec3 b, Vec3 c) { return {Carrier::kFace, a, b, c}; }
const Carrier kK = Ci({0, 0, 0}, {2, 0, 0}, {0, 2, 0});

class DerivedPointTest : public ConstructedTest {
 protected:
  // Defined at `at` with its slot and anchor agreeing, and waiting for each
  // parent in turn; or undefined.
  void ExpectResult(CGVertex& p, const Maybe& at, const std::string& what) {
    EXPECT_EQ(p.m_bDefined, at.has_value()) << what;
    if (!at) return;
    ExpectVec(p.m_vPos, *at, what, 1e-4);
    ExpectPlaced(p);
    for (WORD id : p.m_parents)
      ExpectWaitsFor(*page->m_cells.Lookup(id), p, *at, what + ", parent " + std::to_string(id));
  }
};

enum Kind { kPerpen, kInterior, kExterior, kCut, kFootOnLine, kFootOnPlane };

TEST_F(DerivedPointTest, FeetBisectorsAndCutsFollowTheirParents) {
  const Carrier l1 = Ln({0, 0, 0}, {2, 0, 0}, kLineSegment), l2 = Ln({1, -1, 3}, {1, 1, 3}, kLineSegment);
  const Carrier o = Pn({0, 0, 0}), xIs1 = Fc({1, 0, 0}, {1, 1, 0}, {1, 0, 1});
  const Carrier upright = Ci({1, 0, 0}, {0, kRoot3, 0}, {0, 0, kRoot3}), xy = Fc({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
  const struct {
    const char* what;
    Kind kind;
    std::vector<Carrier> parents;
    Maybe at;
    BYTE root = 0;
  } cases[] = {
      {"skew lines", kPerpen, {l1, l2}, Vec3{1, 0, 0}},
      {"skew lines swapped", kPerpen, {l2, l1}, Vec3{1, 0, 3}},
      {"beyond a segment's end", kPerpen, {Ln({0, 0, 0}, {1, 0, 0}, 0), Ln({3, 0, 1}, {3, 1, 1})}, Vec3{3, 0, 0}},
      {"crossing lines", kPerpen, {Ln({0, 0, 0}, {2, 2, 0}), Ln({0, 4, 0}, {4, 0, 0})}, Vec3{2, 2, 0}},
      {"parallel lines", kPerpen, {l1, Ln({0, 1, 5}, {-3, 1, 5})}, {}},
      {"a point where a line is read", kPerpen, {l1, o}, {}},
      {"equal arms", kInterior, {Pn({2, 0, 0}), o, Pn({0, 2, 0})}, Vec3{1, 1, 0}},
      {"arms 1 and 2", kInterior, {Pn({1, 0, 0}), o, Pn({0, 2, 0})}, Vec3{2.0f / 3, 2.0f / 3, 0}},
      {"all at one point", kInterior, {o, o, o}, Vec3{0, 0, 0}},
      {"equal arms: B + C - A", kExterior, {Pn({2, 0, 0}), o, Pn({0, 2, 0})}, Vec3{-2, 2, 0}},
      {"arms 1 and 2", kExterior, {Pn({1, 0, 0}), o, Pn({0, 2, 0})}, Vec3{2, -2, 0}},
      {"arms 1e-7 apart count as equal", kExterior, {Pn({1, 0, 0}), o, Pn({0, 1.0000001f, 0})}, Vec3{-1, 1, 0}},
      {"B between A and C", kExterior, {Pn({-1, 0, 0}), o, Pn({3, 0, 0})}, Vec3{-3, 0, 0}},
      {"root 0", kCut, {kK, xIs1}, Vec3{1, -kRoot3, 0}},
      {"root 1", kCut, {kK, xIs1}, Vec3{1, kRoot3, 0}, 1},
      {"root 7 acts as 1", kCut, {kK, xIs1}, Vec3{1, kRoot3, 0}, 7},
      {"the face turned over", kCut, {kK, Fc({1, 0, 1}, {1, 1, 0}, {1, 0, 0})}, Vec3{1, kRoot3, 0}},
      {"a tangent plane", kCut, {kK, Fc({2, 0, 0}, {2, 1, 0}, {2, 0, 1})}, Vec3{2, 0, 0}, 1},
      {"an upright circle, a flat face", kCut, {upright, xy}, Vec3{1, kRoot3, 0}},
      {"beyond the circle", kCut, {kK, Fc({3, 0, 0}, {3, 1, 0}, {3, 0, 1})}, {}},
      {"parallel planes", kCut, {kK, Fc({0, 0, 1}, {1, 0, 1}, {0, 1, 1})}, {}},
      {"collinear corners", kCut, {kK, Fc({0, 0, 0}, {1, 0, 0}, {2, 0, 0})}, {}},
      {"a frame without area", kCut, {Ci({0, 0, 0}, {2, 0, 0}, {1, 0, 0}), xIs1}, {}},
      {"P on AB", kFootOnLine, {Pn({1, 0, 0}), o, Pn({2, 0, 0})}, Vec3{1, 1, 0}},
      {"P off AB", kFootOnLine, {Pn({1, 1, 0}), o, Pn({2, 0, 0})}, Vec3{1, 0, 0}},
      {"P on a slanted AB", kFootOnLine, {o, o, Pn({3, 4, 0})}, Vec3{-0.8f, 0.6f, 0}},
      {"P on an upright AB", kFootOnLine, {Pn({0, 0, 1}), o, Pn({0, 0, 2})}, Vec3{1, 0, 1}},
      {"A and B one point", kFootOnLine, {Pn({1, 1, 1}), o, o}, Vec3{2, 1, 1}},
      {"P in the plane", kFootOnPlane, {Pn({0.2f, 0.3f, 0}), o, Pn({1, 0, 0}), Pn({0, 1, 0})}, Vec3{0.2f, 0.3f, 1}},
      {"P above it", kFootOnPlane, {Pn({0.2f, 0.3f, 2}), o, Pn({1, 0, 0}), Pn({0, 1, 0})}, Vec3{0.2f, 0.3f, 0}},
      {"clockwise", kFootOnPlane, {Pn({0.2f, 0.3f, 0}), Pn({0, 1, 0}), Pn({1, 0, 0}), o}, Vec3{0.2f, 0.3f, -1}},
      {"collinear: on AB", kFootOnPlane, {Pn({0.5f, 1, 0}), o, Pn({1, 0, 0}), Pn({2, 0, 0})}, Vec3{0.5f, 0, 0}},
      {"A = B: the foot on BC", kFootOnPlane, {Pn({1, 1, 0}), o, o, Pn({0, 2, 0})}, Vec3{0, 1, 0}},
      {"a tiny triangle's normal as it is", kFootOnPlane,
       {Pn({0.001f, 0.001f, 0}), o, Pn({0.005f, 0, 0}), Pn({0, 0.005f, 0})}, Vec3{0.001f, 0.001f, 0.000025f}},
  };
  for (const auto& c : cases) {
    std::vector<WORD> id;
    for (const Carrier& parent : c.parents) id.push_back(Make(parent));
    CGVertex* p = c.kind == kPerpen      ? static_cast<CGVertex*>(NewPoint<CGVerCommonperpen>(id[0], id[1]))
                  : c.kind == kInterior  ? NewPoint<CGVerBisectorA>(id[0], id[1], id[2])
                  : c.kind == kExterior  ? NewPoint<CGVerBisectorEA>(id[0], id[1], id[2])
                  : c.kind == kCut       ? NewPoint<CGVerIntersectionCF>(c.root, id[0], id[1])
                  : c.kind == kFootOnLine ? static_cast<CGVertex*>(NewPoint<CGVerFootplEx>(id[0], id[1], id[2]))
                                          : NewPoint<CGVerFootpfEx>(id[0], id[1], id[2], id[3]);
    EXPECT_EQ(p->m_nSubKind, c.root) << c.what;
    ExpectResult(*p, c.at, c.what);
  }
}

TEST_F(DerivedPointTest, TriangleCentres) {
  const float third = 1.0f / 3;
  const struct {
    const char* what;
    Vec3 a, b, c;
    Maybe centre[5];  // centroid, circumcentre, incentre, orthocentre, excentre opposite B
  } cases[] = {
      {"right angle at A", {0, 0, 0}, {4, 0, 0}, {0, 3, 0},
       {Vec3{4.0f / 3, 1, 0}, Vec3{2, 1.5f, 0}, Vec3{1, 1, 0}, Vec3{0, 0, 0}, Vec3{-2, 2, 0}}},
      {"equilateral, slanted", {1, 0, 0}, {0, 1, 0}, {0, 0, 1},
       {Vec3{third, third, third}, Vec3{third, third, third}, Vec3{third, third, third}, Vec3{third, third, third},
        Vec3{1, -1, 1}}},
      {"flat, twice the collinear limit", {0, 0, 0}, {1, 0, 0}, {0, 0.02f, 0},
       {Vec3{third, 0.02f / 3, 0}, Vec3{0.5f, 0.01f, 0}, Vec3{0.0099f, 0.0099f, 0}, Vec3{0, 0, 0},
        Vec3{-0.0101f, 0.0101f, 0}}},
      {"upright, 1.5 times the limit", {0, 0, 0}, {0, 1, 0}, {0, 0, 0.015f},
       {Vec3{0, third, 0.005f}, Vec3{0, 0.5f, 0.0075f}, Vec3{0, 0.0074437f, 0.0074437f}, Vec3{0, 0, 0},
        Vec3{0, -0.0075562f, 0.0075562f}}},
      {"across, 1.5 times the limit", {0, 0, 0}, {1, 0, 0}, {0, 0, 0.015f},
       {Vec3{third, 0, 0.005f}, Vec3{0.5f, 0, 0.0075f}, Vec3{0.0074437f, 0, 0.0074437f}, Vec3{0, 0, 0},
        Vec3{-0.0075562f, 0, 0.0075562f}}},
      {"flatter than the limit", {0, 0, 0}, {1, 0, 0}, {0, 0.005f, 0},
       {Vec3{third, 0.005f / 3, 0}, {}, Vec3{0.0025f, 0.0025f, 0}, {}, Vec3{-0.0025f, 0.0025f, 0}}},
      {"collinear, B in the middle", {0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {Vec3{1, 0, 0}, {}, Vec3{1, 0, 0}, {}, {}}},
      {"three equal points", {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {Vec3{1, 1, 1}, {}, {}, {}, {}}},
  };
  for (const auto& c : cases) {
    const WORD a = Pt(c.a), b = Pt(c.b), cc = Pt(c.c);
    CGVertex* made[5] = {NewPoint<CGVerBarycenter>(a, b, cc), NewPoint<CGVerExcenter>(a, b, cc),
                         NewPoint<CGVerIncenter>(a, b, cc), NewPoint<CGVerOrthocenter>(a, b, cc),
                         NewPoint<CGVerEscenter>(a, b, cc)};
    for (int k = 0; k < 5; ++k) ExpectResult(*made[k], c.centre[k], c.what + std::string(", centre ") + "01234"[k]);
  }
  const WORD a = Pt({0, 0, 0});
  EXPECT_FALSE(NewPoint<CGVerIncenter>(a, Make(Ln({1, 0, 0}, {0, 1, 0})), a)->m_bDefined) << "a line as corner";
}

TEST_F(DerivedPointTest, CoordinatesTakeTheirSourcesValuesAndKeepTheFixedOnes) {
  const struct {
    const char* what;
    std::vector<float> values;  // NaN: an undefined value cell
    int sx, sy, sz;
    Maybe at;
  } cases[] = {
      {"x from the value", {1.5f}, 1, 0, 0, Vec3{1.5f, 2, -1}},
      {"no values", {}, 0, 0, 0, Vec3{9, 2, -1}},
      {"two values, one used twice", {3, -4}, 2, 1, 2, Vec3{-4, 3, -4}},
      {"all fixed, with a value", {7}, 0, 0, 0, Vec3{9, 2, -1}},
      {"the third of three", {1, 2, 3}, 0, 0, 3, Vec3{9, 2, 3}},
      {"an undefined value no axis uses", {1.5f, kNaN}, 1, 0, 0, {}},
      {"an index beyond the values", {1.5f}, 0, 2, 0, {}},
      {"a value that is no number", {kInf}, 0, 1, 0, {}},
  };
  for (const auto& c : cases) {
    std::vector<WORD> ids;
    for (float v : c.values) {
      CGCell* value = Add();  // any cell with a value stands for a measurement
      value->m_fValue = v;
      value->m_bDefined = !std::isnan(v);
      ids.push_back(value->m_nId);
    }
    auto* p = NewPoint<CGVerCoordinates>(ids, c.sx, c.sy, c.sz, 9.0f, 2.0f, -1.0f);
    EXPECT_EQ(p->m_bDefined, c.at.has_value()) << c.what;
    ExpectVec(p->m_vPos, c.at.value_or(Vec3{9, 2, -1}), c.what, 0);  // undefined: where it was built
    if (!c.at) continue;
    ExpectPlaced(*p);
    for (WORD id : ids) {  // a new value moves the axes it drives; an undefined one, nothing
      page->m_cells.Lookup(id)->m_fValue = 100;
      page->m_cells.Lookup(id)->m_bDefined = false;
      p->Recalculate();
      EXPECT_FALSE(p->m_bDefined) << c.what;
      ExpectVec(p->m_vPos, *c.at, c.what, 0);
      page->m_cells.Lookup(id)->m_bDefined = true;
    }
    p->Recalculate();
    const int source[3] = {c.sx, c.sy, c.sz};
    for (int axis = 0; axis < 3; ++axis)
      EXPECT_EQ(p->m_vPos[axis], source[axis] ? 100 : (*c.at)[axis]) << c.what << ", axis " << axis;
  }
  const std::vector<WORD> four(4, Add()->m_nId);
  EXPECT_EQ(NewPoint<CGVerCoordinates>(four, 0, 0, 0, 0.f, 0.f, 0.f)->m_parents.size(), 3u) << "four values";
}

TEST_F(DerivedPointTest, PointsAndArcsOnCirclesTakeTheAnglesOfPoints) {
  const WORD k = Make(kK), unit = Make(Ci({0, 0, 0}, {1, 0, 0}, {0, 1, 0}));  // c1, c2
  const WORD p = AddInCircle(k, 0)->m_nId, q = AddInCircle(k, 0.5f)->m_nId;
  auto* turned = NewPoint<CGVerInCircleRot>(p, k, kPi / 2);
  auto* further = NewPoint<CGVerInCircleRot>(turned->m_nId, k, kPi / 2);
  auto* same = NewPoint<CGVerInCircleFt>(unit, q);
  ExpectResult(*turned, Vec3{0, 2, 0}, "turned a quarter");
  ExpectResult(*further, Vec3{-2, 0, 0}, "turned on the turned one");
  ExpectResult(*same, Vec3{std::cos(0.5f), std::sin(0.5f), 0}, "the same angle on the unit circle");
  EXPECT_FLOAT_EQ(further->m_fValue, kPi);
  EXPECT_FLOAT_EQ(same->m_fValue, 0.5f);
  // The turned angle is taken before the circle is looked at.
  page->m_cells.Lookup(k)->m_bDefined = false;
  page->m_cells.Lookup(p)->m_fValue = 1;
  turned->Recalculate();
  EXPECT_FALSE(turned->m_bDefined);
  EXPECT_FLOAT_EQ(turned->m_fValue, 1 + kPi / 2);
  page->m_cells.Lookup(unit)->m_bDefined = false;
  page->m_cells.Lookup(q)->m_fValue = 2;
  same->Recalculate();
  EXPECT_FLOAT_EQ(same->m_fValue, 0.5f) << "the circle is looked at first";
  page->m_cells.Lookup(k)->m_bDefined = true;
  CGVertex* odd = AddPoint(0, 0, 0);
  odd->m_fValue = kNaN;
  auto* nan = NewPoint<CGVerInCircleRot>(odd->m_nId, k, 1.0f);
  EXPECT_FALSE(nan->m_bDefined) << "an angle that is no number";
  EXPECT_EQ(nan->m_fValue, 0) << "is not kept";

  const struct { Vec3 a, b; float start, end; } arcs[] = {
      {{2, 0, 0}, {0, 2, 0}, 0, kPi / 2},
      {{0, 2, 0}, {2, 0, 0}, kPi / 2, kArcFullTurn},    // the complementary arc
      {{0, -2, 7}, {3, 0, -3}, 3 * kPi / 2, 2 * kPi},  // off the plane: by their shadows
  };
  for (const auto& c : arcs) {
    const WORD a = Pt(c.a), b = Pt(c.b);
    auto* arc = NewCircle<CGArcInCircle>(a, b, k);
    const std::string what = "arc " + arc->m_strName.toStdString();
    EXPECT_EQ(arc->m_strName, QStringLiteral("c%1").arg(&c - arcs + 3)) << what;
    EXPECT_EQ(arc->m_nSubKind, kArcArc) << what;
    ExpectVec(arc->AxisV, kK.c, what, 0);
    EXPECT_EQ(arc->Radius, 2) << what;
    EXPECT_NEAR(arc->StartAngle, c.start, 1e-5) << what;
    EXPECT_NEAR(arc->EndAngle, c.end, 1e-5) << what;
    for (WORD parent : {k, a, b}) {
      page->m_cells.Lookup(parent)->m_bDefined = false;
      arc->Recalculate();
      EXPECT_FALSE(arc->m_bDefined) << what << ", parent " << parent;
      page->m_cells.Lookup(parent)->m_bDefined = true;
    }
  }
  const WORD a = Pt({1, 3, 1}), b = Pt({3, 1, 1});
  auto* clockwise = NewCircle<CGArcInCircle>(a, b, Make(Ci({1, 1, 1}, {2, 0, 0}, {0, -2, 0})));
  EXPECT_NEAR(clockwise->StartAngle, 3 * kPi / 2, 1e-5) << "about u x v, pointing down";
  EXPECT_EQ(CGArcInCircle().m_nSubKind, kArcArc);
}

TEST_F(DerivedPointTest, RecordsAreThoseOfTheTables) {
  Add()->m_fValue = 1.5f;                                                                              // 1
  auto* coordinates = NewPoint<CGVerCoordinates>(std::vector<WORD>{1}, 1, 0, 0, 9.0f, 2.0f, -1.0f);  // 2, A
  RecordBytes expected;
  AppendPointRecord(expected, {2, "A", 0, {1.5f, 2, -1}, {0.2f, 0, 0.2f}, {1}, {}, kPointColour}).i32(1).i32(0).i32(0);
  EXPECT_EQ(StoreCell(*coordinates).toHex(), expected.get().toHex());

  const WORD k = Make(kK), p = AddInCircle(k, 0.25f)->m_nId;  // 3 c1, 4 B
  auto* turned = NewPoint<CGVerInCircleRot>(p, k, 0.5f);        // 5, C
  const float at[3] = {2 * std::cos(0.75f), 2 * std::sin(0.75f), 0};
  RecordBytes turnedRecord;
  AppendPointRecord(turnedRecord, {5, "C", 0.75f, {at[0], at[1], 0}, {0.2f, 0, 0.2f}, {p, k}, {}, kPointColour})
      .f32(0.5f);
  EXPECT_EQ(StoreCell(*turned).toHex(), turnedRecord.get().toHex());

  auto pointOf = [](std::vector<unsigned> parents, float x = 0, float offset = 0) {
    RecordBytes r;
    return AppendPointRecord(r, {7, "P", 0, {x, 0, 0}, {offset, 0, 0}, std::move(parents), {}});
  };
  RecordBytes twoParentArc;
  AppendCommonRecord(twoParentArc, {7, "c1", 0, kArcArc, {0, 0, 0}, RGBA{0, 128, 0, 255}, 0, {1, 2}, {}});
  for (float f : {0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 1.f}) twoParentArc.f32(f);
  twoParentArc.u8(1).f32(1.0f).f32(0.5f).f32(0.5f).f32(0.5f);
  const std::pair<const char*, ArchiveError> hostile[] = {
      {"coordinates, index 2 of one value", ReadCause<CGVerCoordinates>(pointOf({1}).i32(0).i32(2).i32(0))},
      {"coordinates, index -1", ReadCause<CGVerCoordinates>(pointOf({1}).i32(-1).i32(0).i32(0))},
      {"coordinates, index 1 of none", ReadCause<CGVerCoordinates>(pointOf({}).i32(0).i32(0).i32(1))},
      {"coordinates, four values", ReadCause<CGVerCoordinates>(pointOf({1, 2, 3, 4}).i32(0).i32(0).i32(0))},
      {"coordinates, no number", ReadCause<CGVerCoordinates>(pointOf({}, kNaN).i32(0).i32(0).i32(0))},
      {"turned, one parent", ReadCause<CGVerInCircleRot>(pointOf({1}).f32(1))},
      {"turned, angle no number", ReadCause<CGVerInCircleRot>(pointOf({1, 2}).f32(kNaN))},
      {"same angle, three parents", ReadCause<CGVerInCircleFt>(pointOf({1, 2, 3}))},
      {"arc, two parents", ReadCause<CGArcInCircle>(twoParentArc)},
      {"centroid, two corners", ReadCause<CGVerBarycenter>(pointOf({1, 2}))},
      {"excentre, position no number", ReadCause<CGVerEscenter>(pointOf({1, 2, 3}, kNaN))},
      {"circle and plane, label offset no number", ReadCause<CGVerIntersectionCF>(pointOf({1, 2}, 0, kNaN))},
      {"foot on a plane, three", ReadCause<CGVerFootpfEx>(pointOf({1, 2, 3}))},
  };
  for (const auto& [what, cause] : hostile) EXPECT_EQ(cause, ArchiveError::BadData) << what;
  EXPECT_EQ(ReadCause<CGVerCoordinates>(pointOf({}).i32(0).i32(0)), ArchiveError::EndOfFile) << "two indices";
}

}  // namespace
