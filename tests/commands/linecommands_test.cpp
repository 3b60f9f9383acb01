// The four line commands: chains through the selected points, retyped
// lines, the line tool, and the line type the merged tool draws.
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeinline.h"
#include "commands/commandglobals.h"
#include "commands/linecommands.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {
using Images = std::vector<std::pair<UINT, int>>;

TEST(LineCommands, SelectedPointsBecomeAChainOfTheCommandsLineType) {
  struct Row { unsigned command; int points, kind; const char* label; } const rows[] = {
      {ID_CREATE_LINE_SEGMENT, 3, 0, "添加多条线"},       {ID_CREATE_LINE_SEGMENT, 2, 0, "添加线"},
      {ID_CREATE_LINE_HALF, 3, 1, "添加多条射线"},        {ID_CREATE_LINE_HALF, 2, 1, "添加射线"},
      {ID_CREATE_LINE_STRAIGHT, 3, 2, "添加多条直线"},    {ID_CREATE_LINE_STRAIGHT, 2, 2, "添加直线"},
      {ID_CREATE_LINE_VECTOR, 4, 3, "添加多条有向线段"},  {ID_CREATE_LINE_VECTOR, 2, 3, "添加有向线段"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    CommandPage p;
    std::vector<WORD> pts = p.Points(row.points);
    std::swap(pts.front(), pts.back());  // selection order, not id order
    p.Select(pts);
    const int lines = row.points == 2 ? 1 : row.points;
    const std::vector<WORD> ids = p.ExpectConstruction(row.command, lines, QString::fromUtf8(row.label));
    for (int k = 0; k < lines; ++k) {
      const WORD a = pts[k], b = pts[(k + 1) % row.points];
      const CGLine* line = p.As<CGLine>(ids[k]);
      ASSERT_NE(line, nullptr);
      EXPECT_EQ(line->m_parents, (std::vector<WORD>{a, b})) << k;
      EXPECT_EQ(line->m_strName, p.Find(a)->m_strName + p.Find(b)->m_strName) << k;
      EXPECT_EQ(line->m_nSubKind, row.kind) << k;
    }
    EXPECT_EQ(g_nLineType, row.kind);
    EXPECT_EQ(p.seams.bridge->commandImages, (Images{{ID_CREATE_LINE, row.kind + 2}}));
  }
}

TEST(LineCommands, NothingSelectedEntersTheLineToolAndOnePointMakesNothing) {
  CommandPage p;
  const WORD a = p.Point();
  const int resets = p.seams.bridge->stepResets;  // the new document's own
  p.ExpectNothingMade([&p] { p.Run(ID_CREATE_LINE_HALF); });
  EXPECT_EQ(g_nToolMode, 3);
  EXPECT_EQ(p.seams.bridge->stepResets, resets + 1);
  EXPECT_EQ(p.seams.bridge->commandImages, (Images{{ID_CREATE_LINE, 3}}));
  g_nToolMode = 1;
  p.Select({a});
  p.ExpectNothingMade([&p] { OnCreateLineSegment(p.doc); });  // past the update rule
  EXPECT_EQ(g_nToolMode, 1);
  EXPECT_EQ(p.seams.bridge->stepResets, resets + 1);
}

TEST(LineCommands, SelectedLinesAreRetypedAndTheirDependantsRecomputedWithoutUndo) {
  CommandPage p;
  const std::vector<WORD> pts = p.Points(4);
  const WORD first = p.Line(pts[0], pts[1]), second = p.Line(pts[2], pts[3]);
  const WORD onFirst = p.Enter(new CGVerFreeInLine(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "M", first, 2));
  p.As<CGVertex>(pts[1])->m_vPos[0] = 5;  // moved, dependants not yet recomputed
  p.Select({second, first});
  ASSERT_TRUE(p.Run(ID_CREATE_LINE_STRAIGHT));
  EXPECT_EQ(p.As<CGLine>(first)->m_nSubKind, kLineFull);
  EXPECT_EQ(p.As<CGLine>(second)->m_nSubKind, kLineFull);
  EXPECT_FLOAT_EQ(p.As<CGVertex>(onFirst)->m_vPos[0], 10.0f) << "A + 2 (B - A), B at x = 5";
  const std::vector<BridgeMessage> texts = p.Messages(WM_ITEM_TEXTS);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TRUE(texts[0].posted && texts[0].wParam == 0 && texts[0].lParam == p.Page().m_nId);
  EXPECT_EQ(p.Page().m_undo.GetCount(), 0);
  EXPECT_TRUE(p.doc.IsModified());
  EXPECT_GT(p.seams.bridge->viewUpdates, 0);
  p.Select({pts[0], first});  // one point and a line: the line is retyped
  ASSERT_TRUE(p.Run(ID_CREATE_LINE_SEGMENT));
  EXPECT_EQ(p.As<CGLine>(first)->m_nSubKind, kLineSegment);
}

}  // namespace
