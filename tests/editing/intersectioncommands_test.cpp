// Intersection points of two selected objects: the kind the selection
// chooses, the cells with their parents and roots, where they lie, one undo
// step with the exact name, and when the command is offered.
#include <cmath>
#include <functional>
#include <set>
#include <utility>

#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/texts/inkmarks.h"
#include "cells/constructed/numeric/curvesolvers.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/intersectioncommands.h"
#include "model/undo/cmdcells.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"
#include "support/pathfigures.h"

namespace KAVREL_FILE_LOCAL {
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
// A line along x and the curve y = sin x for x in [-0.47, 13]: five
// crossings now, at 0, pi, ..., 4 pi.
struct SineCrossing : PathCommandPage {
  WORD line = Line(Point(-10, 0, 0), Point(20, 0, 0));
  WORD curve = Curve("sin(t)", "-0.47");
  SineCrossing() { Select({curve, line}); }
  void Answer(int count) {
    CDlgIntersectionNum answer;
    answer.m_nCount = count;
    dialogs->Ok(answer);
  }
};

TEST(NumericIntersections, TheCountFoundNowIsOfferedAndTheAnswerKept) {
  const struct {
    const char* name;
    int answer;  // -1: Cancel
    int made;
  } rows[] = {{"all five", 5, 5}, {"two", 2, 2}, {"none", 0, 0}, {"cancelled", -1, 0}, {"more than 32", 40, 32}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SineCrossing p;
    if (row.answer < 0)
      p.dialogs->Cancel<CDlgIntersectionNum>();
    else
      p.Answer(row.answer);
    if (row.made == 0) {
      p.ExpectNothingMade([&p] { EXPECT_TRUE(p.Run(ID_CREATE_POINT_INTER)); });
    } else {
      const std::vector<WORD> made = p.ExpectConstruction(ID_CREATE_POINT_INTER, row.made, QStringLiteral("添加直线与曲线的交点"));
      EXPECT_NE(dynamic_cast<CCmdAddCells*>(p.Page().m_undo.CurrentCommand()), nullptr);
      for (int root = 0; root < row.made; ++root) {
        const CGCell* cell = p.Find(made[root]);
        EXPECT_STREQ(cell->GetRuntimeClass()->m_lpszClassName, "CGVerIntersectionLQ");
        EXPECT_EQ(cell->m_parents, (std::vector<WORD>{p.line, p.curve}));
        EXPECT_EQ(cell->m_nSubKind, root);
        EXPECT_EQ(cell->m_bDefined, root < 5) << root;
      }
      if (row.made == 5) {
        EXPECT_NEAR(p.As<CGVertex>(made[1])->m_vPos[0], 3.14159, 1e-3);
      }
    }
    const auto offered = p.dialogs->Offered<CDlgIntersectionNum>();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].m_nCount, 5);
  }
}

// Mixed pairs put circle before curve before locus whatever the selection
// order; like pairs keep it.  One point each, still one step of many.
TEST(NumericIntersections, ThePairChoosesTheKindAndTheParentOrder) {
  using P = PathCommandPage;
  struct Pair {
    WORD first, second;
  };
  const struct {
    const char* name;
    std::function<Pair(P&)> select;  // in selection order
    bool swapped;                    // parents in the other order
    const char* cls;
    const char* label;
    int (*solver)(WORD, WORD, int, float[3]);
  } rows[] = {
      {"locus then circle", [](P& p) { return Pair{p.Locus(2), p.Circle(3, 2)}; }, true, "CGVerIntersectionCG",
       "添加圆与轨迹的交点", IntersectCircleLocus},
      {"curve then circle", [](P& p) { return Pair{p.Curve(), p.Circle(1, 3)}; }, true, "CGVerIntersectionCQ",
       "添加圆与曲线的交点", IntersectCircleCurve},
      {"locus then curve", [](P& p) { return Pair{p.Locus(2), p.Curve()}; }, true, "CGVerIntersectionQG",
       "添加曲线与轨迹的交点", IntersectCurveLocus},
      {"curve then locus", [](P& p) { return Pair{p.Curve(), p.Locus(2)}; }, false, "CGVerIntersectionQG",
       "添加曲线与轨迹的交点", IntersectCurveLocus},
      {"two curves", [](P& p) { return Pair{p.Curve("0.5"), p.Curve()}; }, false, "CGVerIntersectionQQ",
       "添加曲线与曲线的交点", IntersectCurveCurve},
      {"two loci", [](P& p) { return Pair{p.Locus(2, 1), p.Locus(2)}; }, false, "CGVerIntersectionGG",
       "添加轨迹与轨迹的交点", IntersectLocusLocus},
      {"locus then line", [](P& p) { return Pair{p.Locus(2), p.Line(p.Point(-5, 0, 0), p.Point(5, 0, 0))}; }, true,
       "CGVerIntersectionLG", "添加直线与轨迹的交点", IntersectLineLocus},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    PathCommandPage p;
    Pair pair = row.select(p);
    p.Select({pair.first, pair.second});
    if (row.swapped) std::swap(pair.first, pair.second);
    float at[3];
    const int found = row.solver(pair.first, pair.second, 0, at);
    CDlgIntersectionNum answer;
    answer.m_nCount = 1;
    p.dialogs->Ok(answer);
    const std::vector<WORD> made = p.ExpectConstruction(ID_CREATE_POINT_INTER, 1, QString::fromUtf8(row.label));
    ASSERT_EQ(made.size(), 1u);
    EXPECT_NE(dynamic_cast<CCmdAddCells*>(p.Page().m_undo.CurrentCommand()), nullptr);
    EXPECT_STREQ(p.Find(made[0])->GetRuntimeClass()->m_lpszClassName, row.cls);
    EXPECT_EQ(p.Find(made[0])->m_parents, (std::vector<WORD>{pair.first, pair.second}));
    EXPECT_EQ(p.Find(made[0])->m_bDefined, found > 0);
    EXPECT_EQ(p.dialogs->Offered<CDlgIntersectionNum>().at(0).m_nCount, found);
  }
}
}  // namespace
