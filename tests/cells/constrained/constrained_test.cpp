// Constrained free points and the dependent midpoint and perpendicular
// point: construction, drags, parameter operations, records and
// descriptions, one table per family.
#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <numbers>
#include <optional>

#include "../constructed/constructedtestsupport.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/constrained/follower.h"
#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/primitives/pointdrag.h"

namespace KAVREL_FILE_LOCAL {

enum Kind { Upright, Equid, Equilateral, ParVector, ParVecPP, Perpen, Follower, Mid, PerpenEquid };

class ConstrainedTest : public ConstructedTest {
 protected:
  // The kind on new points a, b, c (the direction or the position in c for
  // the parallel point and the follower; the midpoint takes the segment ab).
  CGVertex* Build(Kind kind, Vec3 a, Vec3 b = {}, Vec3 c = {}) {
    const WORD pa = Pt(a);
    switch (kind) {
      case Upright: return NewPoint<CGVerFreeUpright>(pa, Pt(b));
      case Equid: return NewPoint<CGVerFreeUprightEquid>(pa, Pt(b));
      case Equilateral: return NewPoint<CGVerFreeEquilateral>(pa, Pt(b));
      case ParVector: return NewPoint<CGVerFreeParVector>(c[0], c[1], c[2], pa);
      case ParVecPP: return NewPoint<CGVerFreeParVecPP>(pa, Pt(b), Pt(c));
      case Perpen: return NewPoint<CGVerFreePerpen>(pa, Pt(b), Pt(c));
      case Follower: return NewPoint<CGVerFreeHenchman>(c[0], c[1], c[2], pa);
      case Mid: return NewPoint<CGVerMid>(AddLine(pa, Pt(b))->m_nId);
      case PerpenEquid: return NewPoint<CGVerPerpenEquid>(pa, Pt(b), Pt(c));
    }
    return nullptr;
  }
};

const Vec3 kO{0, 0, 0}, kX4{4, 0, 0};

TEST_F(ConstrainedTest, PlacedOnTheirConstraintAndFollowingTheirParents) {
  const struct {
    const char* what;
    Kind kind;
    Vec3 a, b, c;
    std::optional<float> value;  // set, then recalculated
    Vec3 at;
  } cases[] = {
      {"upright", Upright, kO, kX4, {}, {}, {0, 8, 0}},
      {"upright on a vertical axis", Upright, {1, 1, 0}, {1, 1, 5}, {}, {}, {1, 9, 0}},
      {"fixed radius", Equid, kO, kX4, {}, {}, {0, 4, 0}},
      {"fixed radius at 1", Equid, kO, kX4, {}, 1.0f, {0, 4 * std::cos(1.0f), 4 * std::sin(1.0f)}},
      {"fixed radius, a tilted axis", Equid, kO, {3, 0, 4}, {}, std::numbers::pi_v<float> / 2, {-4, 0, 3}},
      {"equilateral", Equilateral, kO, {2, 0, 0}, {}, {}, {1, 1.7320508f, 0}},
      {"A = B: upright", Upright, {1, 1, 1}, {1, 1, 1}, {}, {}, {1, 9, 1}},
      {"A = B: fixed radius on A", Equid, {1, 1, 1}, {1, 1, 1}, {}, {}, {1, 1, 1}},
      {"A = B: equilateral on M", Equilateral, {1, 1, 1}, {1, 1, 1}, {}, {}, {1, 1, 1}},
      {"along (0, 0, 2)", ParVector, kO, {}, {0, 0, 2}, {}, {0, 0, 8}},
      {"along no direction", ParVector, {1, 2, 3}, {}, {0, 0, 0}, {}, {1, 2, 3}},
      {"parallel to BC", ParVecPP, kO, {1, 0, 0}, {1, 3, 4}, {}, {0, 4.8f, 6.4f}},
      {"perpendicular", Perpen, kO, {2, 0, 0}, {0, 3, 0}, {}, {0, 0, 8}},
      {"perpendicular on collinear points", Perpen, kO, {2, 0, 0}, {4, 0, 0}, {}, {0, 0, 0}},
      {"follower", Follower, {1, 2, 3}, {}, {6, 2, 3}, {}, {6, 2, 3}},
      {"midpoint", Mid, kO, {4, 2, 0}, {}, {}, {2, 1, 0}},
      {"equidistant perpendicular", PerpenEquid, kO, {2, 0, 0}, {0, 3, 0}, {}, {0, 0, 2}},
      {"the same, B and C swapped", PerpenEquid, kO, {0, 3, 0}, {2, 0, 0}, {}, {0, 0, -3}},
      {"the same, B above A", PerpenEquid, kO, {0, 0, 2}, {0, 3, 0}, {}, {-2, 0, 0}},
      {"the same on collinear points", PerpenEquid, kO, {2, 0, 0}, {4, 0, 0}, {}, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    CGVertex* p = Build(c.kind, c.a, c.b, c.c);
    if (c.value) p->m_fValue = *c.value;
    p->Recalculate();
    EXPECT_TRUE(p->m_bDefined) << c.what;
    ExpectVec(p->m_vPos, c.at, c.what);
    ExpectPlaced(*p);
    EXPECT_EQ(p->m_rgbaColor.r, c.kind < Mid ? 255 : 128) << c.what;  // free or fixed colour
    EXPECT_EQ(BeginPointDrag(p->m_nId), c.kind < Mid) << c.what;
    EndPointDrag();
    CGCell* first = page->m_cells.Lookup(p->m_parents[0]);
    EXPECT_EQ(first->m_children.back(), p->m_nId) << c.what;
    ExpectWaitsFor(*first, *p, c.at, c.what);
  }
  auto* upright = static_cast<CGVerFreeTurning*>(Build(Upright, {1, 1, 1}, {1, 1, 1}));
  ExpectVec(upright->AxisW, {1, 0, 0}, "A = B");
  ExpectVec(upright->AxisV, {0, 0, 1}, "A = B");
  auto* vertical = static_cast<CGVerFreeTurning*>(Build(Upright, {0, 0, 5}, {0, 0, 1}));
  ExpectVec(vertical->AxisU, {0, 1, 0}, "vertical, downwards");
  ExpectVec(vertical->AxisV, {-1, 0, 0}, "vertical, downwards");
  auto* leaning = static_cast<CGVerFreeTurning*>(Build(Upright, {0, 0, 0}, {1e-5f, 0, 1}));
  EXPECT_EQ(leaning->AxisV[2], 1e-5f) << "an axis leaning by the tolerance is not vertical";
  CGVertex* mid = Build(Mid, kO, {4, 2, 0});
  const float b[3] = {6, 2, 0};
  static_cast<CGVertex*>(page->m_cells.Lookup(mid->m_nId - 2))->PlaceAt(b);
  mid->Recalculate();
  ExpectAt(*mid, 3, 1, 0);
  auto* follower = static_cast<CGVerFreeHenchman*>(Build(Follower, {1, 2, 3}, {}, {6, 2, 3}));
  ExpectVec(follower->Offset, {5, 0, 0}, "follower");
  const float l[3] = {2, 2, 3};
  static_cast<CGVertex*>(page->m_cells.Lookup(follower->m_parents[0]))->PlaceAt(l);
  follower->Recalculate();
  ExpectAt(*follower, 7, 2, 3);
}

TEST_F(ConstrainedTest, DragsStayOnTheConstraint) {
  const struct {
    const char* what;
    Kind kind;
    Vec3 a, b, c;
    std::array<double, 3> nearPoint, farPoint;
    Vec3 at;
    float param;  // r for the upright point, else the value field
  } cases[] = {
      {"upright", Upright, kO, kX4, {}, {-10, 3, 4}, {10, 3, 4}, {0, 3, 4}, 5},
      {"fixed radius", Equid, kO, kX4, {}, {-10, 3, 4}, {10, 3, 4}, {0, 2.4f, 3.2f}, 0.9272952f},
      {"fixed radius, ray through the centre", Equid, kO, kX4, {}, {-10, 0, 0}, {10, 0, 0}, {0, 4, 0}, 0},
      {"equilateral", Equilateral, kO, {2, 0, 0}, {}, {-10, 3, 4}, {10, 3, 4}, {1, 1.03923f, 1.38564f}, 0.9272952f},
      {"upright, ray along its plane", Upright, kO, kX4, {}, {0, -10, 3}, {0, 10, 3},
       {0, 8 * std::cos(0.02f), 8 * std::sin(0.02f)}, 8},
      {"fixed radius, ray along its plane", Equid, kO, kX4, {}, {0, -10, 3}, {0, 10, 3},
       {0, 4 * std::cos(0.02f), 4 * std::sin(0.02f)}, 0.02f},
      {"equilateral, ray along its plane: almost", Equilateral, kO, {2, 0, 0}, {}, {0, -10, 3}, {0, 10, 3},
       {1, 1.7320508f, 0}, 0},
      {"parallel point", ParVector, kO, {}, {0, 0, 1}, {5, -10, 3}, {5, 10, 3}, {0, 0, 3}, 3},
      {"below A", ParVector, kO, {}, {0, 0, 1}, {5, -10, -2}, {5, 10, -2}, {0, 0, -2}, -2},
      {"ray along the line", ParVector, kO, {}, {0, 0, 1}, {0, 0, -10}, {0, 0, 10}, {0, 0, 0.1f}, 0.1f},
      {"parallel to BC", ParVecPP, kO, {1, 0, 0}, {1, 0, 2}, {5, -10, 3}, {5, 10, 3}, {0, 0, 3}, 3},
      {"perpendicular", Perpen, kO, {2, 0, 0}, {0, 3, 0}, {5, -10, -1}, {5, 10, -1}, {0, 0, -1}, -1},
      {"follower with snapping", Follower, {1, 2, 3}, {}, {6, 2, 3}, {2.4, 7.6, 100}, {2.4, 7.6, -100}, {2, 8, 3}, 0},
  };
  g_bSnapToGrid = 1;
  CGVerFreeHenchman* follower = nullptr;
  for (const auto& c : cases) {
    CGVertex* p = Build(c.kind, c.a, c.b, c.c);
    if (c.kind == Follower) follower = static_cast<CGVerFreeHenchman*>(p);
    Ray(c.nearPoint, c.farPoint);
    static_cast<CGVerFree*>(p)->DragTo();
    ExpectVec(p->m_vPos, c.at, c.what, 1e-5);
    ExpectPlaced(*p);
    const float param = c.kind == Upright ? static_cast<CGVerFreeUpright*>(p)->Radius() : p->m_fValue;
    EXPECT_NEAR(param, c.param, 1e-5) << c.what;
  }
  // The point on A steps onto its normal, then follows its line.
  auto* p = static_cast<CGVerFreePerpen*>(Build(Perpen, kO, {2, 0, 0}, {0, 0, 3}));
  p->m_fValue = 0;
  p->Recalculate();
  Ray({0, 0, 10}, {0, 0, -10});
  p->DragTo();
  ExpectAt(*p, 0, -0.01, 0);
  EXPECT_EQ(p->m_fValue, 0.01f);
  Ray({-10, -5, 0}, {10, -5, 0});
  p->DragTo();
  ExpectAt(*p, 0, -5, 0, 1e-4);
  EXPECT_NEAR(p->m_fValue, 5, 1e-4);
  ExpectVec(follower->Offset, {1, 6, 0}, "offset rebound after the drag");
}

TEST_F(ConstrainedTest, ParameterOperationsUseTheStoredFrame) {
  auto* equid = static_cast<CGVerFreeUprightEquid*>(Build(Equid, kO, kX4));
  auto* equilateral = static_cast<CGVerFreeEquilateral*>(Build(Equilateral, kO, {2, 0, 0}));
  auto* perpen = static_cast<CGVerFreePerpen*>(Build(Perpen, kO, {2, 0, 0}, {0, 3, 0}));
  auto* follower = static_cast<CGVerFreeHenchman*>(Build(Follower, {1, 2, 3}, {}, {6, 2, 3}));
  const float moved[3] = {1, 0, 0};
  for (CGVertex* p : {static_cast<CGVertex*>(equid), static_cast<CGVertex*>(equilateral), static_cast<CGVertex*>(perpen)}) {
    auto* a = static_cast<CGVertex*>(page->m_cells.Lookup(p->m_parents[0]));
    a->PlaceAt(moved);
    a->m_bDefined = false;
    page->m_cells.Lookup(p->m_parents[1])->m_bDefined = false;
    p->m_fValue = std::numbers::pi_v<float> / 2;
  }
  const float c[3] = {0, 5, 0};  // would turn a rebuilt normal
  static_cast<CGVertex*>(page->m_cells.Lookup(perpen->m_parents[2]))->PlaceAt(c);
  equid->ApplyParameter();
  ExpectAt(*equid, 1, 0, 4);
  equilateral->ApplyParameter();
  ExpectAt(*equilateral, 1.5, 0, 1.7320508);
  perpen->ApplyParameter();
  ExpectAt(*perpen, 1, 0, std::numbers::pi / 2);
  for (CGVertex* p : {static_cast<CGVertex*>(equid), static_cast<CGVertex*>(equilateral), static_cast<CGVertex*>(perpen)})
    EXPECT_TRUE(p->m_bDefined);
  const float placed[3] = {0, 0, 0};
  follower->PlaceAt(placed);
  follower->ApplyParameter();
  ExpectVec(follower->Offset, {-1, -2, -3}, "follower rebinds");
}

// The points a kind reads: its point parents, or the ends of its line.
std::vector<CGVertex*> ParentPoints(CGPage& page, const CGVertex& p) {
  std::vector<CGVertex*> points;
  for (WORD id : p.m_parents) {
    CGCell* parent = page.m_cells.Lookup(id);
    if (auto* point = dynamic_cast<CGVertex*>(parent)) points.push_back(point);
    else
      for (WORD end : parent->m_parents) points.push_back(static_cast<CGVertex*>(page.m_cells.Lookup(end)));
  }
  return points;
}

// Parents near the float limit or with no numbers: the point is undefined
// and keeps everything it stores (position, frame, direction, normal,
// offset), so its record loads again; sound parents define it again.
TEST_F(ConstrainedTest, ParentsBeyondTheFloatRangeLeaveThePointUndefinedAsItWas) {
  constexpr float kBig = 3e38f, kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const Vec3 kY3{0, 3, 0}, kWide{kBig, 0, 0}, kNegWide{-kBig, 0, 0};
  const struct {
    const char* what;
    Kind kind;
    std::vector<Vec3> damaged;  // the parent points in order
  } cases[] = {
      {"midpoint of a point with no number", Mid, {kO, {4, kNaN, 0}}},
      {"midpoint of a point at infinity", Mid, {kO, {kInf, 0, 0}}},
      {"upright, A and B 6e38 apart", Upright, {kNegWide, kWide}},
      {"fixed radius, likewise", Equid, {kNegWide, kWide}},
      {"equilateral, likewise", Equilateral, {kNegWide, kWide}},
      {"upright, B no number", Upright, {kO, {kNaN, 0, 0}}},
      {"parallel point, A no number", ParVector, {{kNaN, 0, 0}}},
      {"parallel point, A at infinity", ParVector, {{0, 0, kInf}}},
      {"parallel to BC, no numbers", ParVecPP, {kO, {kNaN, 0, 0}, {0, kNaN, 0}}},
      {"parallel to BC, BC overflows", ParVecPP, {kO, kNegWide, kWide}},
      {"perpendicular, a normal of 1e40", Perpen, {kO, {1e20f, 0, 0}, {0, 1e20f, 0}}},
      {"follower, a leader with no number", Follower, {{kNaN, 0, 0}}},
      {"equidistant perpendicular, a normal of 1e40", PerpenEquid, {kO, {1e20f, 0, 0}, {0, 1e20f, 0}}},
  };
  for (const auto& c : cases) {
    CGVertex* p = Build(c.kind, kO, kX4, c.kind == ParVector ? Vec3{0, 0, 1} : c.kind == Follower ? kX4 : kY3);
    ASSERT_TRUE(p->m_bDefined) << c.what;
    const Vec3 at{p->m_vPos[0], p->m_vPos[1], p->m_vPos[2]};
    const QByteArray record = StoreCell(*p);
    const auto kept = Snapshot(*p);
    std::vector<CGVertex*> parents = ParentPoints(*page, *p);
    std::vector<Vec3> sound;
    for (size_t i = 0; i < c.damaged.size(); ++i) {
      sound.push_back({parents[i]->m_vPos[0], parents[i]->m_vPos[1], parents[i]->m_vPos[2]});
      parents[i]->PlaceAt(c.damaged[i].data());
    }
    p->Recalculate();
    EXPECT_FALSE(p->m_bDefined) << c.what;
    EXPECT_EQ(Snapshot(*p), kept) << c.what;
    EXPECT_TRUE(RecordReloads(*p)) << c.what;
    p->m_bDefined = true;
    EXPECT_EQ(StoreCell(*p), record) << c.what << ": nothing stored changed";
    for (size_t i = 0; i < sound.size(); ++i) parents[i]->PlaceAt(sound[i].data());
    p->Recalculate();
    EXPECT_TRUE(p->m_bDefined) << c.what;
    ExpectVec(p->m_vPos, at, c.what);
  }
}

// Where the parents are far apart but the answer is a float, it is found:
// lengths whose squares overflow are measured in double, a midpoint whose
// sum overflows halves first.
TEST_F(ConstrainedTest, LengthsWhoseSquaresOverflowStillPlaceThePoint) {
  constexpr float kBig = 3e38f;
  const struct {
    const char* what;
    Kind kind;
    Vec3 a, b, c, at;
  } cases[] = {
      {"midpoint near the limit", Mid, {kBig, -kBig, 1}, {kBig, kBig, 3}, {}, {kBig, 0, 2}},
      {"fixed radius at 1e20", Equid, kO, {1e20f, 0, 0}, {}, {0, 1e20f, 0}},
      {"equilateral on a side of 2e19", Equilateral, kO, {2e19f, 0, 0}, {}, {1e19f, 2e19f * 0.8660254f, 0}},
      {"parallel to BC 1e20 long", ParVecPP, kO, kO, {0, 1e20f, 0}, {0, 8, 0}},
      {"perpendicular, a normal of 1e20", Perpen, kO, {1e10f, 0, 0}, {0, 1e10f, 0}, {0, 0, 8}},
      {"equidistant perpendicular, likewise", PerpenEquid, kO, {1e10f, 0, 0}, {0, 1e10f, 0}, {0, 0, 1e10f}},
  };
  for (const auto& c : cases) {
    CGVertex* p = Build(c.kind, c.a, c.b, c.c);
    EXPECT_TRUE(p->m_bDefined) << c.what;
    for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(p->m_vPos[i], c.at[i]) << c.what << ", axis " << i;
    EXPECT_TRUE(RecordReloads(*p)) << c.what;
  }
  auto* equid = static_cast<CGVerFreeUprightEquid*>(Build(Equid, kO, {1e20f, 0, 0}));
  EXPECT_FLOAT_EQ(equid->AxisLength, 1e20f);
}

// A drag or a parameter applied that would put a point beyond the float
// range moves nothing, and keeps what the point stores.
TEST_F(ConstrainedTest, MovesBeyondTheFloatRangeChangeNothing) {
  auto* upright = static_cast<CGVerFreeUpright*>(Build(Upright, kO, kX4));
  auto* equid = static_cast<CGVerFreeUprightEquid*>(Build(Equid, kO, kX4));
  auto* perpen = static_cast<CGVerFreePerpen*>(Build(Perpen, kO, kX4, {0, 3, 0}));
  auto* follower = static_cast<CGVerFreeHenchman*>(Build(Follower, {1, 2, 3}, {}, {6, 2, 3}));
  Ray({1, 0, 0}, {0, 1e39, 0});  // meets the plane x = 0 at y = 1e39
  const auto uprightWas = Snapshot(*upright);
  const QByteArray uprightRecord = StoreCell(*upright);
  upright->DragTo();
  EXPECT_EQ(Snapshot(*upright), uprightWas);
  EXPECT_EQ(StoreCell(*upright), uprightRecord) << "r and theta kept";
  const float nowhere[3] = {std::numeric_limits<float>::quiet_NaN(), 0, 0};
  for (CGVertex* p : {static_cast<CGVertex*>(equid), static_cast<CGVertex*>(perpen), static_cast<CGVertex*>(follower)}) {
    static_cast<CGVertex*>(page->m_cells.Lookup(p->m_parents[0]))->PlaceAt(nowhere);
    const auto was = Snapshot(*p);
    const QByteArray record = StoreCell(*p);
    p->ApplyParameter();
    EXPECT_EQ(Snapshot(*p), was) << p->GetDescription().toStdString();
    EXPECT_EQ(StoreCell(*p), record) << p->GetDescription().toStdString();
    EXPECT_TRUE(p->m_bDefined) << "the flag is the recalculation's";
  }
}

TEST_F(ConstrainedTest, RecordsAndDescriptions) {
  const WORD a = Pt({0, 0, 0}), b = Pt({4, 0, 0}), c = Pt({0, 3, 0});  // A, B, C
  const WORD l = Pt({1, 2, 3});
  page->m_cells.Lookup(l)->m_strName = QStringLiteral("L");
  const WORD ab = AddLine(a, b)->m_nId;
  const std::pair<const char*, CGVertex*> cases[] = {
      {"PA⊥AB", NewPoint<CGVerFreeUpright>(a, b)},
      {"PA⊥AB，PA=AB", NewPoint<CGVerFreeUprightEquid>(a, b)},
      {"P、A、B成等边", NewPoint<CGVerFreeEquilateral>(a, b)},
      {"向量AP∥（1.0000,0.0000,0.0000）", NewPoint<CGVerFreeParVector>(3.0f, 0.0f, 0.0f, a)},
      {"PA∥BC", NewPoint<CGVerFreeParVecPP>(a, b, c)},
      {"PA⊥面ABC", NewPoint<CGVerFreePerpen>(a, b, c)},
      {"随点L移动的自由点", NewPoint<CGVerFreeHenchman>(6.0f, 2.0f, 3.0f, l)},
      {"线段AB的中点", NewPoint<CGVerMid>(ab)},
      {"PA⊥面ABC，PA=AB", NewPoint<CGVerPerpenEquid>(a, b, c)},
  };
  for (const auto& [text, cell] : cases) {
    cell->m_strName = QStringLiteral("P");
    EXPECT_EQ(cell->GetDescription(), QString::fromUtf8(text)) << text;
  }
  // Golden records, one of each shape: the upright point (the point record,
  // then r, theta and the frame: 44 bytes), the fixed-radius point (length
  // and frame), the line points (three floats) and the dependent points.
  auto* upright = static_cast<CGVerFreeUpright*>(cases[0].second);
  const DWORD eight = std::bit_cast<DWORD>(8.0f);
  RecordBytes expected;
  AppendPointRecord(expected, {upright->m_nId, "P", 0, {0, 8, 0}, {0.2f, 0, 0.2f}, {a, b}, {}, {255, 0, 0, 255}, 0,
                               eight, 0});
  // U = (-w.y, w.x, 0) / q and V = W x U, as formed: their zeros carry signs.
  for (float f : {8.f, 0.f, 1.f, 0.f, 0.f, -0.f, 1.f, 0.f, -0.f, -0.f, 1.f}) expected.f32(f);
  EXPECT_EQ(StoreCell(*upright).toHex(), expected.get().toHex());
  // The later copy of r wins over the word of the cell record.
  QByteArray bytes = expected.get();
  const qsizetype rAt = bytes.size() - 44;
  const float five = 5;
  bytes.replace(rAt, 4, reinterpret_cast<const char*>(&five), 4);
  CGVerFreeUpright read;
  CArchive in(bytes);
  read.Serialize(in);
  EXPECT_EQ(read.Radius(), 5);
  RecordBytes equid;  // AxisLength, then the frame
  AppendPointRecord(equid, {cases[1].second->m_nId, "P", 0, {0, 4, 0}, {0.2f, 0, 0.2f}, {a, b}, {}});
  for (float f : {4.f, 1.f, 0.f, 0.f, -0.f, 1.f, 0.f, -0.f, -0.f, 1.f}) equid.f32(f);
  EXPECT_EQ(StoreCell(*cases[1].second).toHex(), equid.get().toHex());
  RecordBytes parallel;
  AppendPointRecord(parallel, {cases[3].second->m_nId, "P", 8, {8, 0, 0}, {0.2f, 0, 0.2f}, {a}, {}}).f32(1).f32(0).f32(0);
  EXPECT_EQ(StoreCell(*cases[3].second).toHex(), parallel.get().toHex());
  RecordBytes mid;
  AppendPointRecord(mid, {cases[7].second->m_nId, "P", 0, {2, 0, 0}, {0.2f, 0, 0.2f}, {ab}, {}, {128, 0, 0, 255}});
  EXPECT_EQ(StoreCell(*cases[7].second).toHex(), mid.get().toHex());
}

TEST_F(ConstrainedTest, HostileRecordsFailTheLoad) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  // The point record and `floats` floats, the one at `bad` not a number.
  auto record = [](std::vector<unsigned> parents, int floats, int bad = -1) {
    RecordBytes b;
    AppendPointRecord(b, {7, "P", 0, {0, 0, 0}, {0, 0, 0}, std::move(parents), {}});
    for (int i = 0; i < floats; ++i) b.f32(i == bad ? kNaN : 1);
    return b;
  };
  std::vector<std::pair<std::string, ArchiveError>> cases = {
      {"upright, one parent", ReadCause<CGVerFreeUpright>(record({1}, 11))},
      {"fixed radius, V.z no number", ReadCause<CGVerFreeUprightEquid>(record({1, 2}, 10, 9))},
      {"equilateral, three parents", ReadCause<CGVerFreeEquilateral>(record({1, 2, 3}, 10))},
      {"parallel point, two parents", ReadCause<CGVerFreeParVector>(record({1, 2}, 3))},
      {"parallel to BC, one parent", ReadCause<CGVerFreeParVecPP>(record({1}, 3))},
      {"perpendicular, normal no number", ReadCause<CGVerFreePerpen>(record({1, 2, 3}, 3, 0))},
      {"follower, no number", ReadCause<CGVerFreeHenchman>(record({1}, 3, 2))},
      {"midpoint, two parents", ReadCause<CGVerMid>(record({1, 2}, 0))},
      {"equidistant perpendicular, two", ReadCause<CGVerPerpenEquid>(record({1, 2}, 0))},
  };
  for (int k = 0; k < 11; ++k)  // r, theta, then the frame W, U, V
    cases.push_back({"upright, float " + std::to_string(k) + " no number",
                     ReadCause<CGVerFreeUpright>(record({1, 2}, 11, k))});
  for (const auto& [what, cause] : cases) EXPECT_EQ(cause, ArchiveError::BadData) << what;
  CGVerFreeHenchman read;  // the vector record read back whole
  ReadWhole(record({1}, 3), read);
  ExpectVec(read.Offset, {1, 1, 1}, "read back");
  // A point where the midpoint reads a line, a line where a point is read.
  const WORD line = AddLine(Pt({0, 0, 0}), Pt({1, 0, 0}))->m_nId;
  EXPECT_FALSE(NewPoint<CGVerMid>(Pt({1, 1, 1}))->m_bDefined);
  EXPECT_FALSE(NewPoint<CGVerFreePerpen>(line, Pt({1, 1, 1}), Pt({0, 1, 1}))->m_bDefined);
  EXPECT_FALSE(NewPoint<CGVerFreeUpright>(Pt({1, 1, 1}), line)->m_bDefined);
}

}  // namespace
