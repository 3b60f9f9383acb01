// Intersection points of two selected objects: the kind the selection
// chooses, the cells with their parents and roots, where they lie, one undo
// step with the exact name, and when the command is offered.
#include <cmath>
#include <set>

#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/texts/inkmarks.h"
#include "commands/intersectioncommands.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace {
// Lines along x and y through the origin region, a face in the plane z = 3
// and one in x = 1, a circle of radius 3 about the origin and one of radius
// 3 about (2, 0, 0), all but the vertical line and the face z = 3 in z = 0.
struct CrossingPage : CommandPage {
  WORD xLine = Line(Point(-4, 0, 0), Point(4, 0, 0));
  WORD yLine = Line(Point(2, -2, 0), Point(2, 2, 0));
  WORD upLine = Line(Point(1, 1, -2), Point(1, 1, 5));
  WORD skewLine = Line(Point(1, -1, 1), Point(1, 2, 1));
  WORD high = Face({Point(-5, -5, 3), Point(5, -5, 3), Point(5, 5, 3)});
  WORD side = Face({Point(1, -5, -5), Point(1, 5, -5), Point(1, 5, 5)});
  WORD circle = Circle(Point(3, 0, 0), Point(0, 3, 0), Point(-3, 0, 0));
  WORD shifted = Circle(Point(5, 0, 0), Point(2, 3, 0), Point(-1, 0, 0));

  WORD Circle(WORD a, WORD b, WORD c) { return Enter(new CGArcCircle3P(Page().m_nNextId++, a, b, c, kArcCircle)); }
  template <class T>
  WORD Bare() {
    auto* cell = new T;
    cell->m_nId = Page().m_nNextId++;
    return Enter(cell);
  }
};

using Pos = std::array<int, 3>;  // a place in thousandths, to compare as sets
Pos Rounded(const float* p) {
  return {int(std::lround(p[0] * 1000)), int(std::lround(p[1] * 1000)), int(std::lround(p[2] * 1000))};
}

TEST(IntersectionCommands, TheSelectionChoosesTheKind) {
  const int r8 = int(std::lround(std::sqrt(8.0) * 1000));
  using C = CrossingPage;
  struct Row {
    const char* name;
    std::vector<WORD C::*> selected;
    std::vector<WORD C::*> parents;
    const char* cls;
    const char* label;
    std::set<Pos> at;
  } const rows[] = {
      {"two lines", {&C::yLine, &C::xLine}, {&C::yLine, &C::xLine}, "CGVerIntersection", "添加两线交点", {{2000, 0, 0}}},
      {"line and face", {&C::high, &C::upLine}, {&C::upLine, &C::high}, "CGVerIntersectionLF", "添加线与面交点",
       {{1000, 1000, 3000}}},
      {"line and circle", {&C::circle, &C::xLine}, {&C::xLine, &C::circle}, "CGVerIntersectionLS", "添加线与圆的交点",
       {{3000, 0, 0}, {-3000, 0, 0}}},
      {"circle and face", {&C::side, &C::circle}, {&C::circle, &C::side}, "CGVerIntersectionCF", "添加圆与面交点",
       {{1000, r8, 0}, {1000, -r8, 0}}},
      {"two circles in selection order", {&C::shifted, &C::circle}, {&C::shifted, &C::circle}, "CGVerIntersectionSS",
       "添加两圆交点", {{1000, r8, 0}, {1000, -r8, 0}}},
      {"line, face and circle: line and face", {&C::circle, &C::high, &C::upLine}, {&C::upLine, &C::high},
       "CGVerIntersectionLF", "添加线与面交点", {{1000, 1000, 3000}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CrossingPage p;
    std::vector<WORD> selected, parents;
    for (auto member : row.selected) selected.push_back(p.*member);
    for (auto member : row.parents) parents.push_back(p.*member);
    selected.push_back(p.Point(9, 9, 9));  // points are ignored
    p.Select(selected);
    const std::vector<WORD> made = p.ExpectConstruction(ID_CREATE_POINT_INTER, int(row.at.size()), QString::fromUtf8(row.label));
    std::set<Pos> at;
    for (size_t root = 0; root < made.size(); ++root) {
      const auto* point = p.As<CGVertex>(made[root]);
      ASSERT_NE(point, nullptr);
      EXPECT_STREQ(point->GetRuntimeClass()->m_lpszClassName, row.cls);
      EXPECT_EQ(point->m_parents, parents);
      EXPECT_EQ(point->m_nSubKind, made.size() == 1 ? 0 : root);
      EXPECT_TRUE(point->m_bDefined) << root;
      at.insert(Rounded(point->m_vPos));
    }
    EXPECT_EQ(at, row.at);
  }
}

TEST(IntersectionCommands, SkewLinesGiveAPointDefinedOnceTheyMeet) {
  CrossingPage p;
  p.Select({p.xLine, p.skewLine});
  auto* point = p.As<CGVertex>(p.ExpectConstruction(ID_CREATE_POINT_INTER, 1, QStringLiteral("添加两线交点"))[0]);
  ASSERT_NE(point, nullptr);
  EXPECT_FALSE(point->m_bDefined);
  for (WORD end : p.Find(p.skewLine)->m_parents) {
    auto* vertex = p.As<CGVertex>(end);
    const float lowered[3] = {vertex->m_vPos[0], vertex->m_vPos[1], 0};
    vertex->PlaceAt(lowered);
  }
  point->Recalculate();
  EXPECT_TRUE(point->m_bDefined);
  EXPECT_EQ(Rounded(point->m_vPos), (Pos{1000, 0, 0}));
}

// (The pairs built above pass the update rule: ExpectConstruction runs
// through the registry.)
TEST(IntersectionCommands, OfferedForPairsThatCanMeet) {
  using C = CrossingPage;
  struct Row {
    const char* name;
    std::vector<WORD (C::*)()> extra;  // paths made for the row
    std::vector<WORD C::*> selected;
    bool enabled, makes;
  } const rows[] = {
      {"two faces", {}, {&C::high, &C::side}, false, false},
      {"face and circle", {}, {&C::high, &C::circle}, true, true},
      {"one circle", {}, {&C::circle}, false, false},
      {"three lines", {}, {&C::xLine, &C::yLine, &C::upLine}, false, false},
      {"line and curve", {&C::Bare<CGCurve>}, {&C::xLine}, true, false},
      {"face and curve", {&C::Bare<CGCurve>}, {&C::high}, false, false},
      {"circle and locus", {&C::Bare<CGLocus>}, {&C::circle}, true, false},
      {"circle and ink", {&C::Bare<CGInkmarks>}, {&C::circle}, false, false},
      {"line and ink", {&C::Bare<CGInkmarks>}, {&C::xLine}, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CrossingPage p;
    std::vector<WORD> selected;
    for (auto member : row.selected) selected.push_back(p.*member);
    for (auto make : row.extra) selected.push_back((p.*make)());
    selected.insert(selected.begin(), p.Point(7, 7, 7));
    p.Select(selected);
    EXPECT_EQ(CommandRegistry().Query(ID_CREATE_POINT_INTER).m_bEnabled, row.enabled);
    if (!row.makes) p.ExpectNothingMade([&p] { OnCreatePointInter(p.doc); });
  }
}
}  // namespace
