// The tool commands and their check rules, undo and redo from the view,
// the two switches, and the box tools.
#include "model/document/docservices.h"
#include "platform/clipboard.h"
#include "toolfixture.h"

namespace KAVREL_FILE_LOCAL {

TEST(ToolCommands, EachChoosesItsToolUnlessTheSelectionBuilds) {
  struct Row {
    unsigned id;
    int kind;  // asked of the merged tool; 0: none
    int mode, step;
  };
  const Row rows[] = {{ID_EDIT_SELECT, 0, 1, 3},  {ID_EDIT_SELBOX, 0, 7, 0}, {ID_EDIT_COPYBIT, 0, 8, 1},
                      {ID_CREATE_POINT, 1, 2, 0}, {ID_CREATE_LINE, 2, 3, 0}, {ID_CREATE_POLYGON, 3, 4, 0},
                      {ID_CREATE_CIRCLE, 4, 5, 0}};
  for (const Row& row : rows) {
    for (bool builds : {false, true}) {
      ToolPage t;
      int asked = 0;
      DocumentServices().buildFromSelection = [&](int kind) { return asked = kind, builds; };
      g_viewTool.step = 3;
      g_viewTool.furtherCorners.resize(2);
      t.Page().m_nTimerJob = 1;
      ASSERT_TRUE(t.Run(row.id)) << row.id;
      EXPECT_EQ(asked, row.kind) << row.id;
      EXPECT_FALSE(t.doc.IsModified()) << row.id << ": no user tool was pending";
      EXPECT_EQ(g_nToolMode, builds && row.kind ? 1 : row.mode) << row.id << " builds " << builds;
      EXPECT_EQ(g_viewTool.step, row.step) << row.id;
      EXPECT_EQ(t.Page().m_nTimerJob, row.mode == 1 || row.mode == 7 ? 5 : 1) << row.id;
      EXPECT_EQ(g_viewTool.furtherCorners.empty(), row.id == ID_CREATE_POLYGON) << row.id;
      if (row.id == ID_CREATE_LINE) {
        EXPECT_EQ(g_viewTool.pointer[0], builds ? 0.0 : -1000.0);
      }
      if (row.id != ID_EDIT_COPYBIT) {
        EXPECT_EQ(CommandRegistry().Query(row.id).m_nCheck, g_nToolMode == row.mode);
      }
    }
  }
  ToolPage t;
  g_nToolMode = 6;
  const CCmdUI custom = CommandRegistry().Query(ID_CUSTOM_TOOL);
  EXPECT_EQ(std::make_pair(custom.m_nCheck, custom.m_bEnabled), std::make_pair(1, false));
}

TEST(ToolCommands, UndoEndsTheConstructionRedoWaitsOutTheUserToolSwitchesFlip) {
  ToolPage t;
  EXPECT_FALSE(CommandRegistry().Query(ID_EDIT_UNDO).m_bEnabled);
  g_nToolMode = 3;
  t.ClickEmpty({1, 2, 0});
  const int redraws = t.surface.redraws;
  ASSERT_TRUE(t.Run(ID_EDIT_UNDO));
  EXPECT_EQ(t.surface.redraws, redraws + 1);
  EXPECT_EQ(g_viewTool.step, 0);
  EXPECT_EQ(t.Find(1), nullptr);
  g_nToolMode = 6;
  EXPECT_FALSE(CommandRegistry().Query(ID_EDIT_REDO).m_bEnabled);
  g_nToolMode = 1;
  ASSERT_TRUE(t.Run(ID_EDIT_REDO));
  EXPECT_NE(t.Find(1), nullptr);
  EXPECT_EQ(t.surface.redraws, redraws + 2);
  for (int on : {1, 0}) {
    ASSERT_TRUE(t.Run(33715) && t.Run(ID_VIEW_SNAP));
    EXPECT_EQ(std::make_pair(g_prefs.bScreenRotation, g_bSnapToGrid), std::make_pair(on, on));
    EXPECT_EQ(CommandRegistry().Query(ID_VIEW_SNAP).m_nCheck, on);
  }
}

TEST(BoxSelect, AddsWhatIsInTheBoxButLabelsAndNeverDeselects) {
  ToolPage t;
  const std::vector<WORD> p = t.Points(3);
  const WORD line = t.Line(p[0], p[1]);
  t.Select({p[2]});
  t.seams.bridge->messages.clear();
  ASSERT_TRUE(t.Run(ID_EDIT_SELBOX));
  t.surface.boxHits = {{kPickLabel, p[0]},       {kPickPoint, p[1]}, {kPickPoint, p[2]}, {kPickLine, line},
                       {kPickImageCorner, p[0]}, {kPickPoint, 700},  {kPickLine, line}};
  t.Down(10, 20), t.Move(50, 80, true);
  EXPECT_EQ(std::make_pair(g_viewTool.boxCorner[0], g_viewTool.boxCorner[1]), std::make_pair(50, 80));
  t.Up(50, 80);
  EXPECT_EQ(t.surface.box, (std::array<int, 4>{10, 20, 50, 80}));
  EXPECT_EQ(t.Page().m_selAll, (std::vector<WORD>{p[2], p[1], line, p[0]}));
  EXPECT_EQ(t.Page().m_selPoints, (std::vector<WORD>{p[2], p[1]})) << "a handle joins only the list of all";
  EXPECT_EQ(t.Messages(WM_SELECTION_CHANGED).size(), 3u);
  EXPECT_EQ(std::make_pair(g_nToolMode, g_viewTool.step), std::make_pair(1, 0));
}

TEST(CopyBox, PutsAPictureOfTheBoxOnTheClipboard) {
  struct Row {
    QPoint from, to;
    QRect copied;
  };
  // Dragged up and left; a click copies the last size at the click.
  for (const Row& row : {Row{{60, 50}, {20, 30}, {20, 30, 40, 20}}, Row{{70, 40}, {71, 41}, {70, 40, 200, 200}}}) {
    ToolPage t;
    ASSERT_TRUE(t.Run(ID_EDIT_COPYBIT));
    t.Move(5, 6, false);
    EXPECT_EQ(g_viewTool.boxCorner[0], 205) << "the box of the last size follows the pointer";
    t.Down(row.from.x(), row.from.y()), t.Move(row.to.x(), row.to.y(), true);
    const int redraws = t.surface.redraws;
    t.Up(row.to.x(), row.to.y());
    EXPECT_EQ(t.surface.grabbed, row.copied);
    EXPECT_EQ(Clipboard().Image().size(), row.copied.size());
    EXPECT_EQ(g_viewTool.lastBoxSize[0], row.copied.width());
    EXPECT_EQ(g_nToolMode, 1);
    EXPECT_EQ(t.surface.redraws, redraws) << "the release does not redraw";
  }
}

}  // namespace
