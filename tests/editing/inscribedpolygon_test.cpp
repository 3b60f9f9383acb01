// The regular polygon inscribed in a circle: the count asked (and kept for
// the next time), the vertices on the selected circle or a triangle in a
// new one, and the answers that make nothing.
#include <cmath>
#include <numbers>
#include <optional>

#include "cells/primitives/cgarc.h"
#include "commands/commandglobals.h"
#include "editing/dialogs/inputdialogs.h"
#include "platform/commandids.h"
#include "render/viewglobals.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {
// A(1,1,0), B(3,1,0), the segment AB and a circle of radius 5 about
// (2, 3, 4) in the plane x = 2.
struct CirclePage : CommandPage {
  WORD a = Point(1, 1, 0), b = Point(3, 1, 0), ab = Line(a, b);
  WORD circle = Enter(new CGArc(Page().m_nNextId++, 2, 3, 4, 0, 5, 0, 0, 0, 5, 0, kArcFullTurn, kArcCircle));
};

std::vector<WORD> NewIds(const CommandPage& p, WORD first) {
  std::vector<WORD> ids;
  for (WORD id = first; id < p.Page().m_nNextId; ++id) ids.push_back(id);
  return ids;
}

TEST(InscribedPolygon, TheCountAskedDecidesWhatIsMade) {
  using P = CirclePage;
  struct Row {
    const char* name;
    std::vector<WORD P::*> selected;
    std::optional<int> answer;  // none: cancelled
    int cells;                  // 0: nothing made
    int offered;                // the preset of the dialog; 0: no dialog
    int kept;                   // g_nPlanePolyCount after
  } const rows[] = {
      {"one circle, 12", {&P::circle}, 12, 24, 4, 12},
      {"one circle and two points, 3", {&P::circle, &P::a, &P::b}, 3, 6, 4, 3},
      {"one circle, 100", {&P::circle}, 100, 200, 4, 100},
      {"nothing: a triangle in a new circle", {}, std::nullopt, 7, 0, 3},
      {"a segment, not a circle", {&P::ab}, std::nullopt, 7, 0, 3},
      {"cancelled", {&P::circle}, std::nullopt, 0, 4, 4},
      {"answered 2", {&P::circle}, 2, 0, 4, 4},
      {"answered 0", {&P::circle}, 0, 0, 4, 4},
      {"answered -7", {&P::circle}, -7, 0, 4, 4},
      {"answered 101", {&P::circle}, 101, 0, 4, 4},
      {"one point: refused", {&P::a}, 5, 0, 0, 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CirclePage p;
    std::vector<WORD> selected;
    for (auto member : row.selected) selected.push_back(p.*member);
    p.Select(selected);
    CDlgNumber answer;
    if (row.answer) {
      answer.m_nCount = *row.answer;
      p.dialogs->Ok(answer);
    } else {
      p.dialogs->Cancel<CDlgNumber>();
    }
    if (row.cells == 0) {
      p.ExpectNothingMade([&] { p.Run(ID_CREATE_PLANE_POLY); });
    } else {
      const int n = row.cells / 2;
      p.ExpectConstruction(ID_CREATE_PLANE_POLY, row.cells, QString::fromUtf8("圆内接正%1边形").arg(n));
    }
    const std::vector<CDlgNumber> offered = p.dialogs->Offered<CDlgNumber>();
    ASSERT_EQ(offered.size(), row.offered ? 1u : 0u);
    if (row.offered) {
      EXPECT_EQ(offered[0].m_nCount, row.offered);
    }
    EXPECT_EQ(g_nPlanePolyCount, row.kept);
  }
}

TEST(InscribedPolygon, VerticesSitEquallySpacedOnTheCircle) {
  CirclePage p;
  p.Select({p.circle});
  CDlgNumber answer;
  answer.m_nCount = 12;
  p.dialogs->Ok(answer);
  const WORD first = p.Page().m_nNextId;
  ASSERT_TRUE(p.Run(ID_CREATE_PLANE_POLY));
  const std::vector<WORD> made = NewIds(p, first);
  ASSERT_EQ(made.size(), 24u);
  std::vector<const float*> vertices;
  for (WORD id : made)
    if (const auto* v = p.As<CGVertex>(id)) vertices.push_back(v->m_vPos);
  ASSERT_EQ(vertices.size(), 12u);
  const float centre[3] = {2, 3, 4};
  const auto distance = [](const float* u, const float* v) { return std::hypot(u[0] - v[0], u[1] - v[1], u[2] - v[2]); };
  const double side = 2 * 5 * std::sin(std::numbers::pi / 12);
  for (size_t i = 0; i < 12; ++i) {
    EXPECT_NEAR(distance(vertices[i], centre), 5, 1e-4) << i;
    EXPECT_NEAR(vertices[i][0], 2, 1e-5) << i;
    EXPECT_NEAR(distance(vertices[i], vertices[(i + 1) % 12]), side, 1e-4) << i;
  }
  // The first vertex at 1 radian in the circle's frame; the edges close the ring.
  EXPECT_NEAR(vertices[0][1], 3 + 5 * std::cos(1.0), 1e-4);
  EXPECT_NEAR(vertices[0][2], 4 + 5 * std::sin(1.0), 1e-4);
  EXPECT_EQ(p.Find(made.back())->m_parents, (std::vector<WORD>{made[made.size() - 3], made[0]}));
}

TEST(InscribedPolygon, TheDefaultCircleKeepsItsRadiusAndTheNextDialogOffersThree) {
  CommandPage p;
  g_fUnitsPerPixel /= 2;
  const WORD first = p.Page().m_nNextId;
  ASSERT_TRUE(p.Run(ID_CREATE_PLANE_POLY));
  const auto* circle = p.As<CGArc>(first);
  ASSERT_NE(circle, nullptr);
  EXPECT_EQ(circle->m_strName, QStringLiteral("c1"));
  EXPECT_EQ(std::vector<float>(circle->Center, circle->Center + 3), std::vector<float>({0, 0, 0}));
  EXPECT_EQ(std::vector<float>(circle->AxisU, circle->AxisU + 3), std::vector<float>({10, 0, 0}));
  EXPECT_EQ(g_nPlanePolyCount, 3);

  p.Select({first});
  p.dialogs->Cancel<CDlgNumber>();
  p.ExpectNothingMade([&] { p.Run(ID_CREATE_PLANE_POLY); });
  ASSERT_EQ(p.dialogs->Offered<CDlgNumber>().size(), 1u);
  EXPECT_EQ(p.dialogs->Offered<CDlgNumber>()[0].m_nCount, 3);
}

}  // namespace
