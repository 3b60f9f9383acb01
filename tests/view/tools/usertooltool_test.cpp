// The user-defined tool in the view (mode 6): the first move starts an
// instance, clicks answer its inputs, a complete instance is one undo step
// at once and the next move starts another.
#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgverfreeinline.h"
#include "editing/toolrecording.h"
#include "model/document/usertool.h"
#include "toolfixture.h"

namespace KAVREL_FILE_LOCAL {

// Tool T: segment AB with its midpoint, chosen from the tool menu.
void ChooseSegmentTool(ToolPage& t) {
  const WORD a = t.Point(), b = t.Point(1, 2, 0), ab = t.Line(a, b);
  t.Enter(new CGVerMid(t.Page().m_nNextId++, t.Page().m_nNextVertex++, QStringLiteral("M"), ab));
  t.Select({a, b, ab, WORD(ab + 1)});
  std::unique_ptr<CRecord> tool = CreateToolFromSelection();
  ASSERT_NE(tool, nullptr);
  tool->m_strName = QStringLiteral("T");
  t.doc.m_tools.push_back(std::move(tool));
  t.Page().ClearSelection();
  ASSERT_TRUE(t.Run(ID_TOOL_USE_FIRST));
  ASSERT_EQ(g_nToolMode, 6);
}

TEST(UserTool, TwoClicksInEmptySpaceMakeTheWholeTool) {
  ToolPage t;
  ChooseSegmentTool(t);
  const int steps = t.Steps();
  const WORD first = t.Page().m_nNextId;
  t.Over({3, 4, 0});
  t.Move(0, 0, false);
  ASSERT_EQ(t.Page().m_nToolPendingId, first) << "the first move starts an instance";
  EXPECT_TRUE(Near(t.As<CGVertex>(first)->m_vPos, {3, 4, 0}));
  t.Over({1, 1, 0});
  t.Move(1, 1, false);
  EXPECT_TRUE(Near(t.As<CGVertex>(first)->m_vPos, {1, 1, 0})) << "the placeholder follows the pointer";
  t.ClickEmpty({5, 0, 0});
  EXPECT_EQ(t.Steps(), steps) << "nothing committed before the last input";
  t.ClickEmpty({7, 0, 0});
  EXPECT_EQ(t.Steps(), steps + 1);
  EXPECT_EQ(t.LastLabel(), QStringLiteral("使用工具：T"));
  EXPECT_EQ(t.Page().m_nNextId, first + 4);
  EXPECT_TRUE(Near(t.As<CGVertex>(first + 3)->m_vPos, {6, 0, 0}));
  EXPECT_TRUE(t.doc.IsModified());
  t.Move(2, 2, false);
  EXPECT_EQ(t.Page().m_nToolPendingId, first + 4) << "the next move starts the next instance";
  t.Right();
  EXPECT_EQ(g_nToolMode, 1);
  EXPECT_EQ(t.Page().m_nNextId, first + 4) << "the new placeholders are gone";
  EXPECT_EQ(t.Steps(), steps + 1);
  t.Page().m_undo.Undo();
  EXPECT_EQ(t.Page().m_nNextId, first) << "the instance leaves in one step";
}

TEST(UserTool, ClicksOnAPointAndALineAndRefusedKinds) {
  ToolPage t;
  const WORD c = t.Point(10, 0, 0), d = t.Point(10, 4, 0), cd = t.Line(c, d);
  const WORD v = t.Enter(new CGTmVarParameter(t.Page().m_nNextId++, QStringLiteral("t"), 1.0f));
  ChooseSegmentTool(t);
  t.Move(0, 0, false);
  const int pending = t.Page().m_nToolPendingId;
  t.ClickCell(v, kPickValue);
  EXPECT_EQ(t.Page().m_nToolPendingId, pending) << "a value is no answer to a point input";
  t.ClickCell(c);
  EXPECT_GT(t.Page().m_nToolPendingId, pending);
  t.surface.aim = {10, 2};
  t.ClickCell(cd, kPickLine);
  EXPECT_EQ(t.LastLabel(), QStringLiteral("使用工具：T"));
  const auto* onLine = t.As<CGVerFreeInLine>(WORD(t.Page().m_nNextId - 3));
  ASSERT_NE(onLine, nullptr);
  EXPECT_TRUE(Near(onLine->m_vPos, {10, 2, 0}));
  EXPECT_EQ(t.Find(t.Page().m_nNextId - 2)->m_parents, (std::vector<WORD>{c, onLine->m_nId}));
}

}  // namespace
