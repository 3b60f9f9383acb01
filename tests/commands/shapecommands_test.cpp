// Faces and circles on selected points, and when the ribbon offers the
// commands of the construction frame.
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgface.h"
#include "commands/facecommands.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(ShapeCommands, EnablingFollowsTheSelectionCounts) {
  struct Row {
    const char* name;
    int points;
    bool line, face;                       // one more selected cell of that kind
    bool lineCommands, circles, faceCommand;
  } const rows[] = {
      {"nothing", 0, false, false, true, false, false},
      {"one point", 1, false, false, false, false, false},
      {"one point, one line", 1, true, false, true, false, false},
      {"two points", 2, false, false, true, false, false},
      {"three points", 3, false, false, true, true, true},
      {"three points and a line", 3, true, false, true, false, true},
      {"three points and a face", 3, false, true, true, false, true},
      {"four points", 4, false, false, true, false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    std::vector<WORD> selected = p.Points(row.points);
    const std::vector<WORD> others = p.Points(3);
    if (row.line) selected.push_back(p.Line(others[0], others[1]));
    if (row.face) selected.push_back(p.Face(others));
    p.Select(selected);
    const auto enabled = [](unsigned id) { return CommandRegistry().Query(id).m_bEnabled; };
    for (unsigned id : {ID_CREATE_LINE_SEGMENT, ID_CREATE_LINE_HALF, ID_CREATE_LINE_STRAIGHT, ID_CREATE_LINE_VECTOR})
      EXPECT_EQ(enabled(id), row.lineCommands) << id;
    for (unsigned id : {unsigned(ID_CREATE_CIRCLE_3P), unsigned(ID_CREATE_CIRCLE_CP), unsigned(kCmdCreateCirclePointN)})
      EXPECT_EQ(enabled(id), row.circles) << id;
    EXPECT_EQ(enabled(ID_CREATE_FACE), row.faceCommand);
    EXPECT_TRUE(enabled(ID_CREATE_PAGE));
  }
}

TEST(ShapeCommands, CirclesTakeTheThreePointsInSelectionOrder) {
  struct Row { unsigned command; const char* cls; const char* label; } const rows[] = {
      {ID_CREATE_CIRCLE_3P, "CGArcCircle3P", "添加过三点的圆"},
      {ID_CREATE_CIRCLE_CP, "CGArcCenterP", "添加心点圆"},
      {kCmdCreateCirclePointN, "CGArcPointN", "添加已知圆心和法向点的圆"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.cls);
    CommandPage p;
    const WORD a = p.Point(0, 0, 0), b = p.Point(4, 0, 0), c = p.Point(0, 3, 0);
    p.Select({c, a, b});
    const CGArc* circle = p.As<CGArc>(p.ExpectConstruction(row.command, 1, QString::fromUtf8(row.label))[0]);
    ASSERT_NE(circle, nullptr);
    EXPECT_STREQ(circle->GetRuntimeClass()->m_lpszClassName, row.cls);
    EXPECT_EQ(circle->m_parents, (std::vector<WORD>{c, a, b}));
    EXPECT_EQ(circle->m_nSubKind, kArcCircle);
    EXPECT_EQ(circle->m_nParamB, 0) << "not reversed";
    EXPECT_EQ(circle->m_strName, QStringLiteral("c1"));
  }
}

TEST(ShapeCommands, FacesJoinTheSelectedPointsInTheNextAutomaticColours) {
  CommandPage p;
  const std::vector<WORD> pts = p.Points(4), order{pts[2], pts[0], pts[3], pts[1]};
  p.Select(order);
  const auto face = [&p] { return p.As<CGFace>(p.ExpectConstruction(ID_CREATE_FACE, 1, QStringLiteral("添加消隐面"))[0]); };
  const auto rgb = [](const CGFace* f) { return std::vector<int>{f->m_rgbaColor.r, f->m_rgbaColor.g, f->m_rgbaColor.b}; };
  const CGFace* first = face();
  const CGFace* second = face();
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->m_parents, order);
  EXPECT_EQ(first->m_strName, QStringLiteral("CADB"));
  EXPECT_EQ(rgb(first), (std::vector<int>{255, 179, 179})) << "HSL(0, 1.0, 0.85), the first of the cycle";
  EXPECT_EQ(rgb(second), (std::vector<int>{179, 255, 179})) << "the next hue";
  p.Select({pts[0], pts[1]});
  p.ExpectNothingMade([&p] { OnCreateFace(p.doc); });  // past the update rule
}

}  // namespace
