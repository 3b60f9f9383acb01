// The point, line, polygon and circle tools: what each click builds, under
// which undo label, how the construction step moves on, what the right
// button finishes, and the clicks that build nothing.
#include <QTemporaryDir>

#include "cells/constrained/follower.h"
#include "cells/constructed/horizontalcircles.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/texts/inkmarks.h"
#include "commands/commandglobals.h"
#include "platform/crtrandom.h"
#include "toolfixture.h"

namespace KAVREL_FILE_LOCAL {

using Act = std::function<void(ToolPage&)>;

TEST(PointTool, BuildsWhereThePointerIs) {
  struct Row {
    const char* name;
    Act act;
    const char* label;
    const char* className;
    std::array<double, 3> at;
  };
  const Row rows[] = {
      {"empty space",
       [](ToolPage& t) {
         t.ClickEmpty({3, -2, 0});
       },
       "添加全自由点",
       "CGVerFreeXyz",
       {3, -2, 0}},
      {"held and raised: only z changes",
       [](ToolPage& t) {
         t.Over({3, -2, 0});
         t.Down();
         t.surface.grid = {9, 9, 0};
         t.surface.height = 4;
         t.Move(0, -80, true);
         t.Up();
       },
       "添加全自由点",
       "CGVerFreeXyz",
       {3, -2, 4}},
      {"empty space, the page's last id",
       [](ToolPage& t) { t.Page().m_nNextId = CGPage::kMaxCellId, t.ClickEmpty({3, -2, 0}); },
       "添加全自由点",
       "CGVerFreeXyz",
       {3, -2, 0}},
      {"a point, random seeded 3334: a first draw of 0.33344 goes down",
       [](ToolPage& t) { KvSrand(3334), t.ClickCell(t.Point(1, 2, 3)); },
       "添加二维随动点",
       "CGVerFree2dHenchman",
       {5.5161, -0.7473, 3}},
      {"a line",
       [](ToolPage& t) {
         t.surface.aim = {7, 5}, t.ClickCell(t.Line(t.Point(), t.Point(10)), kPickLine);
       },
       "添加线上自由点",
       "CGVerFreeInLine",
       {7, 0, 0}},
      {"a line, the page's last id",
       [](ToolPage& t) {
         const WORD line = t.Line(t.Point(), t.Point(10));
         t.Page().m_nNextId = CGPage::kMaxCellId;
         t.surface.aim = {7, 5}, t.ClickCell(line, kPickLine);
       },
       "添加线上自由点",
       "CGVerFreeInLine",
       {7, 0, 0}},
      {"a circle",
       [](ToolPage& t) {
         t.surface.aim = {0, 5};
         t.ClickCell(t.Enter(new CGArc(t.Page().m_nNextId++, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, kArcFullTurn, kArcCircle)),
                     kPickPath);
       },
       "添加圆弧上自由点",
       "CGVerFreeInCircle",
       {0, 2, 0}},
  };
  for (const Row& row : rows) {
    ToolPage t;
    g_nToolMode = 2;
    row.act(t);
    EXPECT_EQ(t.Steps(), 1) << row.name;
    EXPECT_EQ(t.LastLabel(), Utf8(row.label)) << row.name;
    CGVertex* made = t.Newest<CGVertex>();
    ASSERT_NE(made, nullptr) << row.name;
    EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, row.className) << row.name;
    EXPECT_TRUE(Near(made->m_vPos, row.at)) << row.name;
    EXPECT_EQ(g_viewTool.step, 0) << row.name;
  }
}

TEST(PointTool, HoverHighlightsTheCellUnderThePointerOnly) {
  ToolPage t;
  g_nToolMode = 2;
  const WORD a = t.Point(), b = t.Point(1);
  t.Over(a, kPickPoint), t.Move(5, 5, false);
  t.Over(b, kPickPoint), t.Move(6, 5, false);
  EXPECT_FALSE(t.Find(a)->m_bHovered);
  EXPECT_TRUE(t.Find(b)->m_bHovered);
  t.Over({4, 5, 0}), t.Move(7, 5, false);
  EXPECT_FALSE(t.Find(b)->m_bHovered);
  EXPECT_EQ(g_viewTool.pointer[0], 4.0) << "the pointer follows the grid";
  t.Over(a, kPickPoint), t.Move(8, 5, false);
  ASSERT_TRUE(t.Run(ID_EDIT_SELECT));
  EXPECT_FALSE(t.Find(a)->m_bHovered) << "another tool takes the highlight away";
}

TEST(LineTool, DrawsTheLineTypeOfTheLastLineCommand) {
  const char* labels[4] = {"添加线段", "添加射线", "添加直线", "添加向量"};
  for (int type = 0; type < 4; ++type) {
    ToolPage t;
    g_nToolMode = 3;
    g_nLineType = type;
    const WORD a = t.Point(), b = t.Point(4);
    t.ClickCell(a), t.ClickCell(a);
    EXPECT_EQ(t.Steps(), 0) << "A then A builds nothing";
    t.ClickCell(b);
    auto* line = t.Newest<CGLine>();
    ASSERT_NE(line, nullptr) << type;
    EXPECT_EQ(line->m_nSubKind, type);
    EXPECT_EQ(line->m_parents, (std::vector<WORD>{a, b}));
    EXPECT_EQ(t.LastLabel(), Utf8(labels[type]));
    // On empty space: a point, then a point (raised while held) and the
    // line as one step.
    t.ClickEmpty({1, 1, 0});
    t.Over({5, 1, 0}), t.Down();
    t.surface.height = 2;
    t.Move(0, -40, true), t.Up();
    EXPECT_EQ(t.Steps(), 3);
    EXPECT_EQ(t.LastLabel(), Utf8("添加点与线"));
    EXPECT_EQ(t.Newest<CGLine>()->m_nSubKind, type);
    EXPECT_TRUE(Near(t.As<CGVertex>(t.Newest<CGLine>()->m_parents[1])->m_vPos, {5, 1, 2}));
    // The second end on a line: a point on it and the line, one step.
    t.ClickCell(a);
    t.surface.aim = {2, 3};
    t.ClickCell(line->m_nId, kPickLine);
    EXPECT_EQ(t.LastLabel(), Utf8("添加点与线"));
    EXPECT_EQ(std::vector<double>(g_viewTool.pointer, g_viewTool.pointer + 3), (std::vector<double>{2, 0, 0}));
    EXPECT_EQ(g_viewTool.step, 0);
    t.surface.aim = {1, 3};
    t.ClickCell(line->m_nId, kPickLine);  // the first end on the line
    EXPECT_EQ(std::vector<double>(g_viewTool.anchor1, g_viewTool.anchor1 + 3), (std::vector<double>{1, 0, 0}));
    EXPECT_EQ(g_viewTool.step, 2);
  }
  // The second end and the line fit when the page has exactly their two ids left.
  ToolPage t;
  g_nToolMode = 3;
  t.ClickEmpty({1, 1, 0});
  t.Page().m_nNextId = CGPage::kMaxCellId - 1;
  t.ClickEmpty({5, 1, 0});
  EXPECT_EQ(t.LastLabel(), Utf8("添加点与线"));
}

// The three corners of a polygon on empty space: ids 1, 2 (the edge is 3), 4.
void ThreeCorners(ToolPage& t, double z = 0) {
  g_nToolMode = 4;
  for (const std::array<double, 3>& p : {std::array<double, 3>{0, 0, z}, {4, 0, z}, {0, 4, z}}) t.ClickEmpty(p);
}

TEST(PolygonTool, CornersFollowTheFirstAndTheRightButtonMakesTheFace) {
  struct Row {
    int further, cells;
    const char* label;
  };
  for (const Row& row :
       {Row{0, 3, "添加三边形"}, Row{1, 5, "添加四边形"}, Row{2, 7, "添加多边形面"}, Row{37, 77, "添加多边形面"}}) {
    ToolPage t;
    ThreeCorners(t);
    for (WORD corner : {2, 4}) EXPECT_EQ(t.As<CGVerFreeHenchman>(corner)->m_parents, (std::vector<WORD>{1}));
    EXPECT_EQ(t.seams.bridge->statusTexts.back().second, Utf8("欲结束当前绘图，请右击鼠标！"));
    EXPECT_EQ(std::vector<double>(g_viewTool.planeB, g_viewTool.planeB + 3), (std::vector<double>{4, 0, 0}));
    EXPECT_EQ(std::vector<double>(g_viewTool.planeC, g_viewTool.planeC + 3), (std::vector<double>{0, 4, 0}));
    t.surface.plane = {7, 7, 0};
    t.Move(1, 1, false);
    EXPECT_EQ(g_viewTool.pointer[0], 7.0) << "the pointer hovers in the plane";
    for (int k = 0; k < row.further; ++k) t.ClickEmpty({});
    EXPECT_EQ(g_viewTool.step, 6 + 2 * row.further);
    t.surface.plane = {8, 8, 0};
    t.Move(2, 2, false);
    EXPECT_EQ(g_viewTool.pointer[0], 8.0) << "and still after the further corners";
    t.Right();
    EXPECT_EQ(t.Page().m_nNextId, 5 + row.cells) << row.label;
    EXPECT_EQ(t.Steps(), 4);
    EXPECT_EQ(t.LastLabel(), Utf8(row.label));
    auto* face = t.Newest<CGFace>();
    ASSERT_NE(face, nullptr);
    ASSERT_EQ(face->m_parents.size(), 3u + row.further);
    EXPECT_EQ(face->m_nStyle, 1);
    if (row.further == 1) {
      auto* x = t.As<CGVerFreeInPlane>(face->m_parents[3]);
      ASSERT_NE(x, nullptr);
      EXPECT_EQ(x->m_parents, (std::vector<WORD>{1, 2, 4}));
      EXPECT_TRUE(Near(x->m_vPos, {2, 1, 0})) << "s = 0.25 of P1, t = 0.5 of P2, the rest of P3";
    }
    EXPECT_EQ(t.seams.bridge->statusTexts.back().second, Utf8("就绪"));
    EXPECT_EQ(g_nToolMode, 1);
    ASSERT_TRUE(t.Run(ID_EDIT_UNDO));
    EXPECT_EQ(t.Page().m_nNextId, 5) << "one undo takes all of it back";
  }
  // A quadrilateral fits when the page has exactly its five ids left.
  ToolPage t;
  t.Page().m_nNextId = CGPage::kMaxCellId + 1 - 4 - 5;
  ThreeCorners(t);
  t.ClickEmpty({}), t.Right();
  EXPECT_EQ(t.LastLabel(), Utf8("添加四边形"));
}

TEST(PolygonTool, LaterCornersLieInThePlaneAndFitTheFace) {
  ToolPage t;
  const WORD a = t.Point(9, 9), line = t.Line(a, t.Point(9));
  g_nToolMode = 4;
  t.ClickEmpty({0, 0, 0}), t.ClickEmpty({4, 0, 0});
  t.surface.aim = {9, 5};
  t.ClickCell(line, kPickLine);  // the third corner on a line
  EXPECT_EQ(t.LastLabel(), Utf8("添加线上自由点"));
  EXPECT_EQ(g_viewTool.step, 6);
  for (const double* p : {g_viewTool.anchor3, g_viewTool.pointer, g_viewTool.planeC})
    EXPECT_EQ(std::vector<double>(p, p + 3), (std::vector<double>{9, 5, 0}));
  t.ClickCell(a), t.ClickCell(line, kPickLine);
  ASSERT_EQ(t.seams.notifier->shown.size(), 2u);
  EXPECT_EQ(t.seams.notifier->shown[0].text, Utf8("多边形的各顶点要共面，不再选已有点.\n添加结束，请右击鼠标！"));
  EXPECT_EQ(t.seams.notifier->shown[1].text, Utf8("多边形的各顶点要共面，不再选已有线或圆上的点"));
  t.surface.planeOk = false;  // the plane seen edge-on: no corner
  t.ClickEmpty({});
  EXPECT_EQ(g_viewTool.step, 6);
  t.surface.planeOk = true;
  for (int k = 0; k < CGFace::kMaxCorners; ++k) t.ClickEmpty({});
  t.Right();
  ASSERT_NE(t.Newest<CGFace>(), nullptr);
  EXPECT_EQ(t.Newest<CGFace>()->m_parents.size(), static_cast<size_t>(CGFace::kMaxCorners));
  // An undo in the middle of a polygon leaves no corner to the next one.
  ThreeCorners(t, 1);
  t.ClickEmpty({});
  ASSERT_TRUE(t.Run(ID_EDIT_UNDO));
  ThreeCorners(t, 2);
  t.ClickEmpty({});
  const WORD before = t.Page().m_nNextId;
  t.Right();
  EXPECT_EQ(t.Page().m_nNextId - before, 5) << "a quadrilateral";
}

TEST(CircleTool, ThreePointsTwoAndTheRightButtonOrOne) {
  struct Row {
    int clicks;
    bool right;
    int onPath;  // the click (0-based) made on a line; -1 none
    const char* className;
    const char* label;
    int mode;
  };
  const Row rows[] = {
      {3, false, -1, "CGArcCenterP", "添加已知圆心和圆上两点的圆", 5},
      {3, false, 2, "CGArcCenterP", "添加已知圆心和圆上两点的圆", 5},
      {3, false, 1, "CGArcCenterP", "添加已知圆心和圆上两点的圆", 5},
      {2, true, -1, "CGArcPoint2", "添加平置圆", 5},
      {1, true, -1, nullptr, "", 1},
  };
  for (const Row& row : rows) {
    ToolPage t;
    g_nToolMode = 5;
    const std::vector<WORD> p = {t.Point(1, 1), t.Point(2, 4), t.Point(3, 9)};
    const WORD line = t.Line(t.Point(0, 5), t.Point(8, 5));
    t.Over(p[0], kPickPoint), t.Move(1, 1, false);
    EXPECT_TRUE(t.Find(p[0])->m_bHovered);
    for (int i = 0; i < row.clicks; ++i) i == row.onPath ? t.ClickCell(line, kPickLine) : t.ClickCell(p[i]);
    EXPECT_EQ(std::vector<double>(g_viewTool.anchor1, g_viewTool.anchor1 + 2), (std::vector<double>{1, 1}));
    if (row.right) t.Right();
    CGCell* made = t.Newest<CGCell>();
    EXPECT_EQ(row.className ? made->GetRuntimeClass()->m_lpszClassName : "none",
              std::string(row.className ? row.className : "none"));
    EXPECT_EQ(t.LastLabel(), Utf8(row.label));
    // A point on a line is a step of its own unless the circle comes with it.
    EXPECT_EQ(t.Steps(), row.className ? (row.onPath == 1 ? 2 : 1) : 0);
    EXPECT_EQ(g_nToolMode, row.mode);
    EXPECT_EQ(g_viewTool.step, 0);
  }
}

// The right button ends a construction in tools 2 to 6 and is the
// shortcut menus' elsewhere.
TEST(ConstructionTools, TheRightButtonEndsWhatIsUnderWay) {
  for (int mode : {1, 2, 3, 4, 5, 6, 7, 8}) {
    ToolPage t;
    g_nToolMode = mode;
    g_viewTool.step = 2;
    const bool ends = mode >= 2 && mode <= 6;
    EXPECT_EQ(t.tools.OnRButtonDown(ToolPage::At(0, 0, false)), ends) << mode;
    EXPECT_EQ(std::make_pair(g_nToolMode, g_viewTool.step), ends ? std::make_pair(1, 0) : std::make_pair(mode, 2))
        << mode;
    EXPECT_EQ(t.Steps(), 0) << mode;
  }
}

// Cells renumbered or taken away under a construction: the next click
// starts it anew, so nothing is built on a cell that is gone or on the one
// that took its id, and the document reopens.
TEST(ConstructionTools, RenumberingOrADeleteStartsTheConstructionAnew) {
  struct Row {
    const char* name;
    std::function<void(ToolPage&, WORD a, WORD c)> act;  // with the line tool, on points A B C
    WORD b, c;  // their ids after
  };
  const Row rows[] = {
      {"A deleted, C clicked, renumbered",
       [](ToolPage& t, WORD a, WORD c) {
         t.Select({a}), t.Run(ID_EDIT_DELETE), t.Run(ID_CREATE_LINE);
         t.ClickCell(c);
         ASSERT_TRUE(t.Run(ID_FILE_REORGANIZE));
       },
       1, 2},
      {"A clicked, then deleted",
       [](ToolPage& t, WORD a, WORD) {
         t.Run(ID_CREATE_LINE), t.ClickCell(a);
         t.Select({a}), t.Run(ID_EDIT_DELETE);
       },
       2, 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ToolPage t;
    const std::vector<WORD> abc = t.Points(3);
    row.act(t, abc[0], abc[2]);
    ASSERT_EQ(g_nToolMode, 3);
    t.ClickCell(row.b);
    EXPECT_EQ(t.Newest<CGLine>(), nullptr);
    EXPECT_EQ(std::make_pair(g_viewTool.step, g_viewTool.vertexIds[0]), std::make_pair(2, row.b));
    t.ClickCell(row.c);
    ASSERT_NE(t.Newest<CGLine>(), nullptr);
    EXPECT_EQ(t.Newest<CGLine>()->m_parents, (std::vector<WORD>{row.b, row.c}));
    for (auto [id, cell] : t.Page().m_cells)
      for (WORD parent : cell->m_parents) EXPECT_TRUE(parent != id && t.Find(parent)) << id << " reads " << parent;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tool.kv"));
    ASSERT_TRUE(t.doc.OnSaveDocument(path));
    CKavrelDoc reopened;
    EXPECT_TRUE(reopened.OnOpenDocument(path, false));
  }
}

TEST(ConstructionTools, ClicksThatBuildNothing) {
  struct Row {
    const char* name;
    Act act;
    bool redraws;
  };
  const Row rows[] = {
      {"an id missing from the map", [](ToolPage& t) { t.ClickCell(500); }, false},
      {"a face", [](ToolPage& t) { t.ClickCell(t.Face(t.Points(3)), kPickFace); }, true},
      // Loci and ink share the circles' pick kind; only circles carry points.
      {"a path that is no circle",
       [](ToolPage& t) { t.ClickCell(t.Enter(new CGInkmarks(t.Page().m_nNextId++, nullptr)), kPickPath); },
       true},
      {"a point that is no point", [](ToolPage& t) { t.ClickCell(t.Face(t.Points(3)), kPickPoint); }, true},
      {"a point under another kind", [](ToolPage& t) { t.ClickCell(t.Point(), kPickFace); }, true},
      {"a line that is no line",
       [](ToolPage& t) { t.ClickCell(t.Face(t.Points(3)), kPickLine); }, true},
      {"a three-view page outside its quadrant",
       [](ToolPage& t) { t.Page().m_bThreeView = 1, t.Page().m_bFourthQuadrant = false, t.ClickEmpty({}); }, false},
      {"a full page", [](ToolPage& t) { t.Page().m_nNextId = CGPage::kMaxCellId + 1, t.ClickEmpty({}); }, false},
      {"no document", [](ToolPage& t) { t.tools.SetDocument(nullptr), t.ClickEmpty({}); }, false},
  };
  for (const Row& row : rows) {
    ToolPage t;
    g_nToolMode = 2;
    row.act(t);
    EXPECT_EQ(t.Steps(), 0) << row.name;
    EXPECT_EQ(t.surface.redraws == 2, row.redraws) << row.name << ": " << t.surface.redraws;
  }
}

}  // namespace
