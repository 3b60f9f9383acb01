// Midpoints, trisection and N-division points: which pairs are divided,
// the cells made with their parents, ratios and places, one undo step with
// the exact name, the dialog's N, and when the commands are offered.
#include "cells/constrained/dependentpoints.h"
#include "cells/constructed/scalings.h"
#include "cells/primitives/arcsbypoints.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/divisioncommands.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {
// Four points and the segments AB, CD, CA.
struct DivisionPage : CommandPage {
  WORD a = Point(0, 0, 0), b = Point(4, 8, 12), c = Point(-3, 3, 6), d = Point(3, -3, 0);
  WORD ab = Line(a, b), cd = Line(c, d), ca = Line(c, a);

  void ExpectAt(WORD id, WORD from, WORD to, double t) {
    const float *p = As<CGVertex>(id)->m_vPos, *f = As<CGVertex>(from)->m_vPos, *e = As<CGVertex>(to)->m_vPos;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(p[i], f[i] + t * (e[i] - f[i]), 1e-5) << "cell " << id << " axis " << i;
  }
};

TEST(DivisionCommands, DivideTheTwoPointsOrEachLineBetweenItsEnds) {
  using P = DivisionPage;
  struct Cell {
    WORD P::*from, P::*to;  // the divided pair; a midpoint of a segment: its parent
    double t;
  };
  struct Row {
    const char* name;
    std::vector<WORD P::*> selected;
    unsigned command;
    int n;  // the N answered, 0: no dialog
    bool onlyFirst;
    const char* label;
    std::vector<Cell> cells;
  } const rows[] = {
      {"midpoint of two points", {&P::a, &P::b}, ID_CREATE_POINT_MIDDLE, 0, false, "添加一个中点", {{&P::a, &P::b, 0.5}}},
      {"two points win over a segment", {&P::a, &P::cd, &P::b}, ID_CREATE_POINT_MIDDLE, 0, false, "添加一个中点",
       {{&P::a, &P::b, 0.5}}},
      {"one segment's midpoint", {&P::cd}, ID_CREATE_POINT_MIDDLE, 0, false, "添加一个中点", {{&P::cd, nullptr, 0.5}}},
      {"three segments' midpoints", {&P::ab, &P::cd, &P::ca}, ID_CREATE_POINT_MIDDLE, 0, false, "添加多个中点",
       {{&P::ab, nullptr, 0.5}, {&P::cd, nullptr, 0.5}, {&P::ca, nullptr, 0.5}}},
      {"trisection of two segments", {&P::cd, &P::ab}, ID_CREATE_POINT_DIV3, 0, false, "添加三等分点",
       {{&P::c, &P::d, 1 / 3.0}, {&P::c, &P::d, 2 / 3.0}, {&P::a, &P::b, 1 / 3.0}, {&P::a, &P::b, 2 / 3.0}}},
      {"N = 4 on two points", {&P::b, &P::a}, ID_CREATE_POINT_DIVN, 4, false, "添加N等分点",
       {{&P::b, &P::a, 0.25}, {&P::b, &P::a, 0.5}, {&P::b, &P::a, 0.75}}},
      {"only the first of N = 5, one segment", {&P::ab}, ID_CREATE_POINT_DIVN, 5, true, "添加一个N等分点",
       {{&P::a, &P::b, 0.2}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    DivisionPage p;
    std::vector<WORD> selected;
    for (auto member : row.selected) selected.push_back(p.*member);
    p.Select(selected);
    DlgDivPoint answer;
    answer.m_nN = row.n;
    answer.m_bOnlyFirst = row.onlyFirst;
    if (row.n) p.dialogs->Ok(answer);
    const std::vector<WORD> made = p.ExpectConstruction(row.command, int(row.cells.size()), QString::fromUtf8(row.label));
    ASSERT_EQ(made.size(), row.cells.size());
    for (size_t k = 0; k < made.size(); ++k) {
      const Cell& cell = row.cells[k];
      EXPECT_EQ(p.Find(made[k])->m_strName, QString(QChar('E' + int(k)))) << "the next automatic names";
      if (!cell.to) {
        ASSERT_NE(p.As<CGVerMid>(made[k]), nullptr) << k;
        EXPECT_EQ(p.Find(made[k])->m_parents, std::vector<WORD>{p.*cell.from}) << k;
        const CGCell* line = p.Find(p.*cell.from);
        p.ExpectAt(made[k], line->m_parents[0], line->m_parents[1], 0.5);
        continue;
      }
      const auto* point = p.As<CGVerScale>(made[k]);
      ASSERT_NE(point, nullptr) << k;
      EXPECT_EQ(point->m_parents, (std::vector<WORD>{p.*cell.to, p.*cell.from})) << k;
      EXPECT_EQ(point->Ratio, float(cell.t)) << k;
      p.ExpectAt(made[k], p.*cell.from, p.*cell.to, cell.t);
    }
    const std::vector<DlgDivPoint> offered = p.dialogs->Offered<DlgDivPoint>();
    EXPECT_EQ(offered.size(), row.n ? 1u : 0u);
    for (const DlgDivPoint& d : offered) EXPECT_EQ(std::make_pair(d.m_nN, d.m_bOnlyFirst), std::make_pair(2, 0));
  }
}

TEST(DivisionCommands, LongDivisionsFitTheVertexArrayAndCancelMakesNothing) {
  DivisionPage p;
  p.Select({p.ab, p.cd});
  DlgDivPoint answer;
  answer.m_nN = 256;
  p.dialogs->Ok(answer);
  const std::vector<WORD> made = p.ExpectConstruction(ID_CREATE_POINT_DIVN, 510, QStringLiteral("添加N等分点"));
  for (WORD id : made) ASSERT_LT(p.As<CGVertex>(id)->VertexIndex, g_nVertexCapacity) << id;
  p.ExpectAt(made[509], p.c, p.d, 255 / 256.0);
  p.dialogs->Cancel<DlgDivPoint>();
  p.ExpectNothingMade([&p] { p.Run(ID_CREATE_POINT_DIVN); });
}

TEST(DivisionCommands, OfferedForALineOrExactlyTwoPoints) {
  struct Row {
    int points, lines;
    bool circle, enabled;
  } const rows[] = {{1, 0, false, false}, {2, 0, false, true}, {3, 0, false, false}, {0, 1, false, true},
                    {3, 2, false, true},  {2, 0, true, true},  {0, 0, true, false}};
  for (const Row& row : rows) {
    DivisionPage p;
    std::vector<WORD> selected{p.a, p.b, p.c};
    selected.resize(row.points);
    selected.insert(selected.end(), {p.ab, p.cd});
    selected.resize(row.points + row.lines);
    if (row.circle) selected.push_back(p.Enter(new CGArcCircle3P(p.Page().m_nNextId++, p.a, p.b, p.c, kArcCircle)));
    p.Select(selected);
    for (unsigned id : {ID_CREATE_POINT_MIDDLE, ID_CREATE_POINT_DIV3, ID_CREATE_POINT_DIVN})
      EXPECT_EQ(CommandRegistry().Query(id).m_bEnabled, row.enabled)
          << id << ": " << row.points << " points, " << row.lines << " lines, circle " << row.circle;
    if (!row.enabled) p.ExpectNothingMade([&p] { OnCreatePointMiddle(p.doc); OnCreatePointDiv3(p.doc); });
  }
}
}  // namespace
