// Intersections of lines, faces and circles, the horizontal circles and the
// flat follower, one table per family; the mechanics every constructed
// point shares are checked on each intersection row that has a solution.
// Descriptions and round trips of the base kinds: the end-to-end test.
#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "cells/constructed/follower2d.h"
#include "cells/constructed/horizontalcircles.h"
#include "cells/constructed/intersections.h"
#include "constructedtestsupport.h"

namespace KAVREL_FILE_LOCAL {

using ConstructedPointTest = ConstructedTest;

const Carrier kUnit = Ci({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), kR2 = Ci({0, 0, 0}, {2, 0, 0}, {0, 2, 0});
const Carrier kUpright = Ci({1, 0, 0}, {0, kRoot3, 0}, {0, 0, kRoot3});  // radius sqrt(3) in the plane x = 1
const Carrier kX = Ln({0, 0, 0}, {1, 0, 0}), kXs = Ln({-2, 0, 0}, {2, 0, 0});
const Carrier kTriangle = {Carrier::kFace, {0, 0, 0}, {4, 0, 0}, {0, 4, 0}};
const float kNaN = std::numeric_limits<float>::quiet_NaN();

enum Kind { LL, LF, LS, SS };

TEST_F(ConstructedPointTest, IntersectionsFollowTheirParentsAndTheirKinds) {
  const struct {
    const char* what;
    Kind kind;
    Carrier first, second;
    BYTE root;
    std::optional<Vec3> at;
    float value;
  } cases[] = {
      {"a segment meeting a line at A", LL, Ln({0, 0, 0}, {1, 0, 0}, 0), Ln({0, 1, 0}, {0, 2, 0}), 0, Vec3{0, 0, 0}, 0},
      {"segments that do not reach", LL, Ln({0, 0, 0}, {1, 0, 0}, 0), Ln({0, 1, 0}, {0, 2, 0}, 0), 0, {}, 0},
      {"a vector's head", LL, Ln({0, 0, 0}, {1, 0, 0}, kLineVector), Ln({1, -1, 0}, {1, 1, 0}, 0), 0, Vec3{1, 0, 0}, 1},
      {"skew by a triple product of 3", LL, kX, Ln({0, 0, 3}, {0, 1, 3}), 0, {}, 0},
      {"skew by 1.5: on the first", LL, kX, Ln({0, 0, 1.5f}, {0, 1, 1.5f}), 0, Vec3{0, 0, 0}, 0},
      {"parallel lines", LL, kX, Ln({0, 1, 0}, {1, 1, 0}), 0, {}, 0},
      {"the plane outside the polygon", LF, Ln({9, 9, -1}, {9, 9, 1}, 0), kTriangle, 0, Vec3{9, 9, 0}, 0.5f},
      {"parallel to the plane", LF, Ln({0, 0, 1}, {1, 0, 1}), kTriangle, 0, {}, 0},
      {"line, root 0", LS, kXs, kUnit, 0, Vec3{-1, 0, 0}, 0},
      {"line, root 1", LS, kXs, kUnit, 1, Vec3{1, 0, 0}, 0},
      {"root 7 acts as 1", LS, kXs, kUnit, 7, Vec3{1, 0, 0}, 0},
      {"segment from the centre, root 0", LS, Ln({0, 0, 0}, {2, 0, 0}, 0), kUnit, 0, {}, 0},
      {"segment from the centre, root 1", LS, Ln({0, 0, 0}, {2, 0, 0}, 0), kUnit, 1, Vec3{1, 0, 0}, 0},
      {"tangent, root 0", LS, Ln({-2, 1, 0}, {2, 1, 0}), kUnit, 0, Vec3{0, 1, 0}, 0},
      {"tangent, root 1", LS, Ln({-2, 1, 0}, {2, 1, 0}), kUnit, 1, Vec3{0, 1, 0}, 0},
      {"touching the sphere off the plane", LS, Ln({-2, 0, 1}, {2, 0, 1}), kUnit, 0, {}, 0},
      {"touching from outside", SS, kUnit, Ci({2, 0, 0}, {1, 0, 0}, {0, 1, 0}), 0, Vec3{1, 0, 0}, 0},
      {"crossing in a plane", SS, kR2, Ci({2, 0, 0}, {2, 0, 0}, {0, 2, 0}), 0, Vec3{1, -kRoot3, 0}, 0},
      {"parallel planes 0.2 apart", SS, kUnit, Ci({1, 0, 0.2f}, {1, 0, 0}, {0, 1, 0}), 0, {}, 0},
      {"apart", SS, kUnit, Ci({2.01f, 0, 0}, {1, 0, 0}, {0, 1, 0}), 0, {}, 0},
      {"one inside the other", SS, kR2, Ci({0.99f, 0, 0}, {1, 0, 0}, {0, 1, 0}), 0, {}, 0},
      {"the same circle twice", SS, kUnit, Ci({0, 0, 0}, {0, 1, 0}, {-1, 0, 0}), 0, {}, 0},
      {"one above the other", SS, kUnit, Ci({0, 0, 0.05f}, {1, 0, 0}, {0, 1, 0}), 0, {}, 0},
      {"crossing planes, root 0", SS, kR2, kUpright, 0, Vec3{1, -kRoot3, 0}, 0},
      {"crossing planes, root 1", SS, kR2, kUpright, 1, Vec3{1, kRoot3, 0}, 0},
      {"the second too large", SS, kR2, Ci({1, 0, 0}, {0, 2, 0}, {0, 0, 2}), 0, {}, 0},
      {"planes meeting along z", SS, Ci({0, 0, 0}, {0, 1, 0}, {0, 0, 1}), Ci({0, 0, 0}, {0, 0, 1}, {1, 0, 0}), 0,
       Vec3{0, 0, -1}, 0},
      {"a point where a line is read", LL, {Carrier::kPoint, {}}, kX, 0, {}, 0},
      {"a line where a circle is read", LS, kX, kX, 0, {}, 0},
  };
  for (const auto& c : cases) {
    const WORD first = Make(c.first), second = Make(c.second);
    CGCell* parent = page->m_cells.Lookup(first);
    parent->m_children.assign({999});
    CGVertex* p = c.kind == LL   ? static_cast<CGVertex*>(NewPoint<CGVerIntersection>(first, second))
                  : c.kind == LF ? static_cast<CGVertex*>(NewPoint<CGVerIntersectionLF>(first, second))
                  : c.kind == LS ? static_cast<CGVertex*>(NewPoint<CGVerIntersectionLS>(c.root, first, second))
                                 : static_cast<CGVertex*>(NewPoint<CGVerIntersectionSS>(c.root, first, second));
    EXPECT_EQ(p->m_bDefined, c.at.has_value()) << c.what;
    EXPECT_EQ(parent->m_children, (std::vector<WORD>{999, p->m_nId})) << c.what;
    ExpectVec(p->m_vPos, c.at.value_or(Vec3{0, 0, 0}), c.what, 1e-4);
    if (!c.at) continue;
    ExpectPlaced(*p);
    EXPECT_EQ(p->m_fValue, c.value) << c.what;
    ExpectWaitsFor(*parent, *p, *c.at, c.what);
  }
  EXPECT_FALSE(NewPoint<CGVerIntersection>(Make(kX), WORD{999})->m_bDefined) << "a missing parent";
  const WORD face = Make(kTriangle);
  page->m_cells.Lookup(face)->m_parents[0] = 999;  // a damaged face: its first corner is gone
  EXPECT_FALSE(NewPoint<CGVerIntersectionLF>(Make(Ln({1, 1, -1}, {1, 1, 1})), face)->m_bDefined);
}

TEST_F(ConstructedPointTest, HorizontalCirclesLieInTheCentresPlane) {
  const struct {
    const char* what;
    bool measured;  // by a value (point.x), else through the point
    Vec3 point;
    int reverse;
    BYTE kind;
    bool defined;
    Vec3 u, v;
    const char* text;  // with the centre O, the point A, the value t
  } cases[] = {
      {"through a point below", false, {4, 6, -5}, 0, kArcCircle, true, {3, 4, 0}, {-4, 3, 0}, "以点O为圆心，过点A的平置圆"},
      {"through it, reversed", false, {4, 6, -5}, 1, kArcArc, true, {3, 4, 0}, {4, -3, 0}, "以点O为圆心，过点A的平置弧反向"},
      {"a negative flag", false, {1, 0, 3}, -1, kArcSegment, true, {0, -2, 0}, {2, 0, 0}, "以点O为圆心，过点A的平置弓形"},
      {"straight above the centre", false, {1, 2, 10}, 0, 5, false, {}, {}, ""},
      {"a negative value", true, {-3}, 0, kArcCircle, true, {3, 0, 0}, {0, 3, 0}, "以点O为圆心，t为半径的圆"},
      {"a value, reversed", true, {2.5f}, 4, kArcSector, true, {2.5f, 0, 0}, {0, -2.5f, 0}, "以点O为圆心，t为半径的平置扇形反向"},
      {"zero", true, {0}, 0, kArcDisc, true, {1e-20f, 0, 0}, {0, 1e-20f, 0}, "以点O为圆心，t为半径的平置圆面"},
      {"no number", true, {kNaN}, 0, kArcArc, false, {}, {}, "以点O为圆心，t为半径的平置弧"},
  };
  for (const auto& c : cases) {
    CGVertex* centre = AddPoint(1, 2, 3);
    centre->m_strName = QStringLiteral("O");
    CGCell* value = Add();  // any cell with a value stands for a measurement
    value->m_strName = QStringLiteral("t");
    value->m_fValue = c.point[0];
    const WORD second = c.measured ? value->m_nId : Pt(c.point);
    page->m_cells.Lookup(second)->m_strName = c.measured ? QStringLiteral("t") : QStringLiteral("A");
    CGArc* circle = c.measured ? static_cast<CGArc*>(NewCircle<CGArcCenterR>(centre->m_nId, second, c.kind))
                               : NewCircle<CGArcPoint2>(centre->m_nId, second, c.kind);
    EXPECT_EQ(circle->m_strName, QStringLiteral("c%1").arg(&c - cases + 1)) << c.what;
    ExpectVec(circle->Center, {1, 2, 3}, c.what, 0);  // placed when made
    circle->m_nParamB = c.reverse;
    circle->Recalculate();
    EXPECT_EQ(circle->GetDescription(), QString::fromUtf8(c.text)) << c.what;
    EXPECT_EQ(circle->m_bDefined, c.defined) << c.what;
    ExpectVec(circle->Center, {1, 2, 3}, c.what, 0);
    if (!c.defined) continue;
    ExpectVec(circle->AxisU, c.u, c.what, 0);
    ExpectVec(circle->AxisV, c.v, c.what, 0);
    EXPECT_FLOAT_EQ(circle->Radius, std::hypot(c.u[0], c.u[1])) << c.what;
    const float b = circle->LabelAngle, anchor = 1 + std::cos(b) * c.u[0] + std::sin(b) * c.v[0];
    EXPECT_NEAR(circle->m_vLabelAnchor[0], anchor + circle->LabelOffset[0], 1e-5) << c.what;
    page->m_cells.Lookup(second)->m_bDefined = false;
    circle->Recalculate();
    EXPECT_FALSE(circle->m_bDefined) << c.what;
  }
}

TEST_F(ConstructedPointTest, FlatFollowerKeepsItsOffsetAndTakesTheLeadersHeight) {
  CGVerFreeXyz* leader = AddXyz(1, 2, 3);
  auto* p = NewPoint<CGVerFree2dHenchman>(4.0f, 6.0f, leader->m_nId);
  ExpectAt(*p, 4, 6, 3, 0);
  const float moved[3] = {0, 0, -1};
  leader->PlaceAt(moved);
  p->Recalculate();
  ExpectAt(*p, 3, 4, -1, 0);
  p->m_vPos[2] = 99;  // set from outside: x, y stay, z and the offset follow
  p->m_vPos[0] = 5;
  p->ApplyParameter();
  ExpectAt(*p, 5, 4, -1, 0);
  EXPECT_EQ(p->OffsetX, 5);
  const float leaderAt[3] = {1, -2, -1};
  leader->PlaceAt(leaderAt);
  const struct {
    const char* what;
    std::array<double, 3> nearPoint, farPoint;
    BOOL snap, horizontal;
    std::optional<Vec3> end;
  } drags[] = {
      {"top view", {2.4, 7.6, 100}, {2.4, 7.6, -100}, 0, 1, Vec3{2.4f, 7.6f, -1}},
      {"snapping", {2.4, 7.6, 100}, {2.4, 7.6, -100}, 1, 1, Vec3{2, 8, -1}},
      {"Ctrl held: still horizontal", {0, 0, 9}, {10, 10, -11}, 0, 0, Vec3{5, 5, -1}},
      {"|D.z| below 10", {2, 2, 4.99}, {2, 2, -4.99}, 0, 1, {}},
      {"a hit beyond 200", {0, -200.5, 100}, {0, -200.5, -100}, 1, 1, {}},
  };
  for (const auto& c : drags) {
    g_bSnapToGrid = c.snap;
    g_bDragHorizontal = c.horizontal;
    Ray(c.nearPoint, c.farPoint);
    const auto before = Snapshot(*p);
    p->DragTo();
    if (!c.end) {
      EXPECT_EQ(Snapshot(*p), before) << c.what;
    }
    ExpectVec(p->m_vPos, c.end.value_or(Vec3{5, 5, -1}), c.what);
    EXPECT_EQ(p->OffsetX, p->m_vPos[0] - 1) << c.what;
    EXPECT_EQ(p->OffsetY, p->m_vPos[1] + 2) << c.what;
  }
}

// A centre that is no number, or a radius beyond the float range, leaves
// the circle undefined with the frame it had, which loads again; a huge
// radius that is still a float defines it; a sound centre and radius define
// it again.
TEST_F(ConstructedPointTest, HorizontalCirclesBeyondTheFloatRangeStayUndefinedAsTheyWere) {
  const struct {
    const char* what;
    bool measured;
    Vec3 centre;
    float second;      // the point's x, or the value
    float hugeRadius;  // the radius it then has; 0: it becomes undefined
  } cases[] = {
      {"through a point 1e20 away", false, {1, 2, 3}, 1e20f, 1e20f},
      {"through a point 6e38 away", false, {-3e38f, 2, 3}, 3e38f, 0},
      {"through a point, the centre no number", false, {1, 2, kNaN}, 4, 0},
      {"measured, the centre no number", true, {1, 2, kNaN}, 2, 0},
      {"measured, a radius of 3e38", true, {1, 2, 3}, 3e38f, 3e38f},
      {"measured, a radius of -3e38", true, {1, 2, 3}, -3e38f, 3e38f},
  };
  for (const auto& c : cases) {
    CGVertex* centre = AddPoint(1, 2, 3);
    CGCell* value = Add();
    value->m_fValue = 2;
    CGVertex* point = AddPoint(4, 6, -5);
    CGArc* circle = c.measured ? static_cast<CGArc*>(NewCircle<CGArcCenterR>(centre->m_nId, value->m_nId, kArcArc))
                               : NewCircle<CGArcPoint2>(centre->m_nId, point->m_nId, kArcArc);
    ASSERT_TRUE(circle->m_bDefined) << c.what;
    const QByteArray record = StoreCell(*circle);
    const float radius = circle->Radius;
    centre->PlaceAt(c.centre.data());
    value->m_fValue = c.second;
    point->m_vPos[0] = c.second;
    circle->Recalculate();
    EXPECT_TRUE(RecordReloads(*circle)) << c.what;
    if (c.hugeRadius != 0) {
      EXPECT_TRUE(circle->m_bDefined) << c.what;
      EXPECT_FLOAT_EQ(circle->Radius, c.hugeRadius) << c.what;
    } else {
      EXPECT_FALSE(circle->m_bDefined) << c.what;
      EXPECT_EQ(circle->Radius, radius) << c.what;
      circle->m_bDefined = true;
      EXPECT_EQ(StoreCell(*circle), record) << c.what << ": nothing stored changed";
    }
    const float sound[3] = {1, 2, 3};
    centre->PlaceAt(sound);
    value->m_fValue = 2;
    point->m_vPos[0] = 4;
    circle->Recalculate();
    EXPECT_TRUE(circle->m_bDefined) << c.what;
    EXPECT_FLOAT_EQ(circle->Radius, c.measured ? 2 : 5) << c.what;
  }
}

// A leader that is no number leaves the flat follower undefined where it
// was, and an undo's position applied then keeps the offset it stores.
TEST_F(ConstructedPointTest, FlatFollowerOfALeaderWithNoNumberKeepsItsOffset) {
  CGVerFreeXyz* leader = AddXyz(1, 2, 3);
  auto* p = NewPoint<CGVerFree2dHenchman>(4.0f, 6.0f, leader->m_nId);
  const QByteArray record = StoreCell(*p);
  const auto kept = Snapshot(*p);
  for (const Vec3& bad : {Vec3{kNaN, 2, 3}, Vec3{1, 2, kNaN}, Vec3{-std::numeric_limits<float>::infinity(), 2, 3}}) {
    leader->PlaceAt(bad.data());
    p->Recalculate();
    EXPECT_FALSE(p->m_bDefined);
    EXPECT_EQ(Snapshot(*p), kept);
    p->ApplyParameter();
    EXPECT_EQ(p->OffsetX, 3);
    EXPECT_EQ(p->OffsetY, 4);
    ExpectPlaced(*p);
    EXPECT_TRUE(RecordReloads(*p));
    p->m_bDefined = true;
    EXPECT_EQ(StoreCell(*p), record);
  }
  const float back[3] = {0, 0, 1};
  leader->PlaceAt(back);
  p->Recalculate();
  EXPECT_TRUE(p->m_bDefined);
  ExpectAt(*p, 3, 4, 1, 0);
}

TEST_F(ConstructedPointTest, RecordsAreThoseOfTheTables) {
  const WORD line = Make(kXs), circle = Make(kUnit);                // A, B, 3; 4
  auto* ls = NewPoint<CGVerIntersectionLS>(BYTE{1}, line, circle);  // 5, C
  RecordBytes point;
  AppendPointRecord(point,
                    {5, "C", 0, {1, 0, 0}, {0.2f, 0, 0.2f}, {line, circle}, {}, {128, 0, 0, 255}, 1});
  EXPECT_EQ(StoreCell(*ls).toHex(), point.get().toHex());
  const WORD a = AddXyz(1, 2, 3)->m_nId, b = Pt({4, 6, -5});  // 6, 7
  auto* arc = NewCircle<CGArcPoint2>(a, b, BYTE{kArcArc});     // 8, c2
  arc->m_nParamB = 1;
  arc->Recalculate();
  std::fill_n(arc->m_vLabelAnchor, 3, 0.5f);
  RecordBytes circleRecord;
  AppendCommonRecord(circleRecord,
                     {8, "c2", 0, kArcArc, {0.5f, 0.5f, 0.5f}, RGBA{0, 128, 0, 255}, 0, {a, b}, {}, 1});
  for (float f : {1.f, 2.f, 3.f, 3.f, 4.f, 0.f, 4.f, -3.f, 0.f, 0.f, 6.2831855f}) circleRecord.f32(f);
  circleRecord.u8(1).f32(1.0f).f32(0.5f).f32(0.5f).f32(0.5f);
  EXPECT_EQ(StoreCell(*arc).toHex(), circleRecord.get().toHex());
  auto* follower = NewPoint<CGVerFree2dHenchman>(4.0f, 7.0f, a);  // 9, F
  RecordBytes followerRecord;
  AppendPointRecord(followerRecord,
                    {9, "F", 0, {4, 7, 3}, {0.2f, 0, 0.2f}, {a}, {}}).f32(3).f32(5);
  EXPECT_EQ(StoreCell(*follower).toHex(), followerRecord.get().toHex());

  auto pointOf = [](std::vector<unsigned> parents) {
    RecordBytes r;
    return AppendPointRecord(r, {7, "P", 0, {0, 0, 0}, {0, 0, 0}, std::move(parents), {}});
  };
  auto circleOf = [](std::vector<unsigned> parents, float centreX) {
    RecordBytes r;
    AppendCommonRecord(r, {7, "c1", 0, kArcCircle, {0, 0, 0}, RGBA{0, 128, 0, 255}, 0, std::move(parents), {}});
    for (float f : {centreX, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 6.2831855f}) r.f32(f);
    return r.u8(1).f32(1.0f).f32(0.5f).f32(0.5f).f32(0.5f);
  };
  const std::pair<const char*, ArchiveError> hostile[] = {
      {"line-line, one parent", ReadCause<CGVerIntersection>(pointOf({1}))},
      {"line-face, three", ReadCause<CGVerIntersectionLF>(pointOf({1, 2, 3}))},
      {"line-circle, none", ReadCause<CGVerIntersectionLS>(pointOf({}))},
      {"circle-circle, one", ReadCause<CGVerIntersectionSS>(pointOf({1}))},
      {"follower, two leaders", ReadCause<CGVerFree2dHenchman>(pointOf({1, 2}).f32(1).f32(1))},
      {"follower, no number", ReadCause<CGVerFree2dHenchman>(pointOf({1}).f32(1).f32(kNaN))},
      {"circle through a point, three parents", ReadCause<CGArcPoint2>(circleOf({1, 2, 3}, 0))},
      {"measured circle, one parent", ReadCause<CGArcCenterR>(circleOf({1}, 0))},
      {"measured circle, no number", ReadCause<CGArcCenterR>(circleOf({1, 2}, kNaN))},
  };
  for (const auto& [what, cause] : hostile) EXPECT_EQ(cause, ArchiveError::BadData) << what;
}

}  // namespace
