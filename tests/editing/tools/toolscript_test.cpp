// The script of a user tool as its script view shows it, and the view's
// layout rule.
#include <gtest/gtest.h>

#include <tuple>

#include "cells/constrained/dependentpoints.h"
#include "editing/dialogs/tools/toolscript.h"
#include "editing/toolrecording.h"
#include "model/document/usertool.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(ToolScript, LinesAndTreeOfASegmentWithItsMidpoint) {
  CommandPage p;
  const WORD a = p.Point(), b = p.Point(1, 2, 0), ab = p.Line(a, b);
  const WORD m = p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, QStringLiteral("M"), ab));
  p.Select({a, b, ab, m});
  std::unique_ptr<CRecord> tool = CreateToolFromSelection();
  ASSERT_NE(tool, nullptr);
  tool->m_strName = QStringLiteral("T");
  tool->m_strComment = QStringLiteral("中点");
  const CToolScript script = MakeToolScript(*tool);
  EXPECT_EQ(script.title, QStringLiteral("T脚本"));
  EXPECT_EQ(script.comment, QStringLiteral("中点"));
  EXPECT_EQ(script.inputs, (QStringList{QStringLiteral("1. A__点A"), QStringLiteral("2. B__点B")}));
  EXPECT_EQ(script.root, QStringLiteral("T"));
  ASSERT_EQ(script.cells.size(), 4u);
  EXPECT_EQ(script.cells[0].text, QStringLiteral("  0. A----全自由点"));
  EXPECT_EQ(script.cells[2].text, QStringLiteral("  2. AB----点A、B 确定的线段"));
  EXPECT_EQ(script.cells[3].text, QStringLiteral("  3. M----线段AB的中点"));
  std::vector<int> icons;
  for (const auto& cell : script.cells) icons.push_back(cell.icon);
  EXPECT_EQ(icons, (std::vector<int>{0, 0, 2, 1})) << "free point, free point, line, other point";
  ASSERT_EQ(script.cells[2].parents.size(), 2u);
  EXPECT_EQ(script.cells[2].parents[1].text, QStringLiteral("  1. B----全自由点"));
  EXPECT_TRUE(script.cells[0].parents.empty());
}

TEST(ToolScript, LayoutIgnoresSmallSizes) {
  const struct Row {
    int width, height;
    bool laid;
  } rows[] = {{100, 150, false}, {29, 400, false}, {30, 199, false}, {30, 200, true}, {400, 500, true}};
  for (const Row& row : rows) {
    CScriptViewLayout layout{{-1}, {-1}, {-1}};
    EXPECT_EQ(LayOutScriptView(row.width, row.height, layout), row.laid) << row.width << "x" << row.height;
    if (!row.laid) {
      EXPECT_EQ(layout.tree[0], -1);
      continue;
    }
    EXPECT_EQ(std::make_tuple(layout.comment[0], layout.comment[1], layout.comment[2], layout.comment[3]),
              std::make_tuple(12, 15, row.width - 24, 50));
    EXPECT_EQ(std::make_tuple(layout.inputs[0], layout.inputs[1], layout.inputs[2], layout.inputs[3]),
              std::make_tuple(12, 90, row.width - 24, 50));
    EXPECT_EQ(std::make_tuple(layout.tree[0], layout.tree[1], layout.tree[2], layout.tree[3]),
              std::make_tuple(12, 170, row.width - 24, row.height - 185));
  }
}

}  // namespace
