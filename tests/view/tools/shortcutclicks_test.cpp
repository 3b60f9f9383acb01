// The right button and the double click of the select tool: a cell becomes
// the only selection and opens its menu or its properties; a label opens the
// label dialog; the double click's early exits and page turn.
#include "cells/revolution/roundsolids.h"
#include "cells/texts/cgtextmap.h"
#include "model/document/kavreldoc.h"
#include "toolfixture.h"
#include "editing/labels/labelproperties.h"

namespace KAVREL_FILE_LOCAL {

void SelectOthersFirst(ToolPage& t, WORD id) { t.Select({t.Point(5), id}); }

TEST(ShortcutClicks, RightButtonSelectsTheCellAloneAndOpensItsMenu) {
  struct Row {
    const char* name;
    std::function<WORD(ToolPage&)> make;
    std::vector<WORD> CGPage::*list;
    int menu;
  };
  const Row rows[] = {
      {"point", [](ToolPage& t) { return t.Point(); }, &CGPage::m_selPoints, 356},
      {"line", [](ToolPage& t) { return t.Line(t.Point(), t.Point(1)); }, &CGPage::m_selLines, 357},
      {"face", [](ToolPage& t) { return t.Face(t.Points(3)); }, &CGPage::m_selFaces, 358},
      {"sphere", [](ToolPage& t) { return t.Enter(new CGSphere(t.Page().m_nNextId++, 0, 0, 0, 1, 1, 0, 0)); },
       &CGPage::m_selSolids, 188},
      {"measured value",
       [](ToolPage& t) {
         auto* value = new CGTmVariable;
         value->m_nId = t.Page().m_nNextId++;
         return t.Enter(value);
       },
       &CGPage::m_selValues, 188},
  };
  for (const Row& row : rows) {
    ToolPage t;
    const WORD id = row.make(t);
    // Already selected among others: it stays, alone.
    SelectOthersFirst(t, id);
    t.seams.bridge->messages.clear();
    t.Over(id, kPickPoint);
    t.Right();
    EXPECT_EQ(t.Page().m_selAll, std::vector<WORD>{id}) << row.name;
    EXPECT_EQ(t.Page().*(row.list), std::vector<WORD>{id}) << row.name;
    EXPECT_TRUE(t.Find(id)->m_bSelected) << row.name;
    const std::vector<BridgeMessage> posted = t.Messages(WM_SELECTION_CHANGED);
    ASSERT_FALSE(posted.empty()) << row.name;
    EXPECT_EQ(std::make_pair(posted.back().wParam, posted.back().lParam), std::make_pair(WPARAM(1), LPARAM(id)))
        << row.name;
    EXPECT_EQ(t.seams.bridge->shortcutMenus, std::vector<int>{row.menu}) << row.name;
    EXPECT_EQ(t.surface.redraws, 1) << row.name;
    EXPECT_EQ(g_nToolMode, 1) << row.name;
  }
}

TEST(ShortcutClicks, ACellOfNoListedClassLeavesTheSelectionWhole) {
  ToolPage t;
  auto* caption = new CGTextmap;
  caption->m_nId = t.Page().m_nNextId++;
  const WORD id = t.Enter(caption);
  const WORD point = t.Point();
  t.Select({point});
  t.Over(id, kPickValue);
  t.Right();
  t.tools.OnLButtonDblClk(ToolPage::At(0, 0, false));
  EXPECT_EQ(t.Page().m_selAll, std::vector<WORD>{point});
  EXPECT_FALSE(t.Find(id)->m_bSelected || !t.seams.bridge->shortcutMenus.empty() || t.surface.redraws);
  EXPECT_EQ(ShortcutMenuOf(*caption), 0);
}

TEST(ShortcutClicks, RightButtonByToolMode) {
  struct Row {
    int mode;
    bool overCell;
    std::vector<int> menus;
    int modeAfter;
  };
  const Row rows[] = {
      {1, false, {188}, 1},  // empty space: the general menu, the selection kept
      {7, true, {}, 7},      {8, true, {}, 8},   {9, true, {188}, 9},
  };
  for (const Row& row : rows) {
    ToolPage t;
    const WORD id = t.Point();
    const WORD other = t.Point(1);
    t.Select({other});
    if (row.overCell) t.Over(id, kPickPoint);
    g_nToolMode = row.mode;
    t.Right();
    EXPECT_EQ(t.seams.bridge->shortcutMenus, row.menus) << "mode " << row.mode;
    EXPECT_EQ(t.Page().m_selAll, std::vector<WORD>{other}) << "mode " << row.mode;
    EXPECT_EQ(g_nToolMode, row.modeAfter) << "mode " << row.mode;
    EXPECT_EQ(t.surface.redraws, 0) << "mode " << row.mode;
  }
}

// A named point whose label is under the pointer, selected with a line.
struct LabelPage {
  LabelPage() {
    point = t.Point();
    line = t.Line(point, t.Point(1));
    cell = t.Find(point);
    cell->m_strName = "A";
    cell->m_rgbaLabel = {10, 20, 30, 255};
    cell->m_bLabelHidden = 0;
    cell->m_bNameFixed = false;
    cell->m_nLabelMode = 1;
    t.Select({point, line});
    t.Over(point, kPickLabel);
  }
  ToolPage t;
  WORD point = 0, line = 0;
  CGCell* cell = nullptr;
};

TEST(LabelDialog, IsFilledFromTheCellAndOpensNoMenu) {
  LabelPage f;
  ToolPage& t = f.t;
  t.Right();
  const std::vector<CDlgPropertyLabel> offered = t.dialogs->Offered<CDlgPropertyLabel>();
  ASSERT_EQ(offered.size(), 1u);
  const CDlgPropertyLabel& o = offered[0];
  EXPECT_EQ(std::make_tuple(o.m_strLabel, o.m_crColor, o.m_bShowLabel, o.m_bAutoName, o.m_bAutoScale),
            std::make_tuple(QStringLiteral("A"), COLORREF(10 | 20 << 8 | 30 << 16), 1, 1, 0));
  EXPECT_TRUE(t.seams.bridge->shortcutMenus.empty());
  EXPECT_EQ(t.Page().m_selAll, (std::vector<WORD>{f.point, f.line})) << "a label selects nothing";
}

TEST(LabelDialog, OkAppliesWhatChanged) {
  struct Row {
    const char* name;
    std::function<void(CDlgPropertyLabel&)> edit;
    QString nameAfter;
    bool fixedAfter;
    RGBA lineLabel;  // the other selected cell's label colour
  };
  const RGBA untouched = {1, 2, 3, 255};
  const Row rows[] = {
      {"new text", [](CDlgPropertyLabel& a) { a.m_strLabel = "P"; }, "P", true, untouched},
      {"naming toggled", [](CDlgPropertyLabel& a) { a.m_bAutoName = 0; }, "A", true, untouched},
      {"colour to the selection",
       [](CDlgPropertyLabel& a) {
         a.m_crColor = 0x00FF8040;
         a.m_bColorChanged = 1;
       },
       "A", false, {0x40, 0x80, 0xFF, 255}},
      {"flags only",
       [](CDlgPropertyLabel& a) {
         a.m_bShowLabel = 0;
         a.m_bAutoScale = 1;
       },
       "A", false, untouched},
  };
  for (const Row& row : rows) {
    LabelPage fixture;
    ToolPage& p = fixture.t;
    p.Find(fixture.line)->m_rgbaLabel = untouched;
    CDlgPropertyLabel answer = LabelPropertiesOf(*fixture.cell);
    row.edit(answer);
    p.dialogs->Ok(answer);
    p.Right();
    CGCell& c = *fixture.cell;
    EXPECT_EQ(c.m_strName, row.nameAfter) << row.name;
    EXPECT_EQ(c.m_bNameFixed, row.fixedAfter) << row.name;
    EXPECT_EQ(c.m_bLabelHidden, !answer.m_bShowLabel) << row.name;
    EXPECT_EQ(c.m_nLabelMode, answer.m_bAutoScale ? 0 : 1) << row.name;
    EXPECT_EQ(c.m_rgbaLabel, (RGBA{BYTE(answer.m_crColor), BYTE(answer.m_crColor >> 8), BYTE(answer.m_crColor >> 16), 255}))
        << row.name;
    EXPECT_EQ(p.Find(fixture.line)->m_rgbaLabel, row.lineLabel) << row.name;
    const std::vector<BridgeMessage> texts = p.Messages(WM_ITEM_TEXTS);
    ASSERT_EQ(texts.size(), 1u) << row.name;
    EXPECT_EQ(std::make_pair(texts[0].wParam, texts[0].lParam), std::make_pair(WPARAM(0), LPARAM(p.Page().m_nId)))
        << row.name;
    EXPECT_TRUE(p.doc.IsModified()) << row.name;
    EXPECT_EQ(p.surface.redraws, 1) << row.name;
    EXPECT_TRUE(p.Page().m_cells.Lookup(fixture.line)) << row.name;
    EXPECT_FALSE(p.Find(fixture.line)->m_bMarked) << row.name << ": the descendants' marks are collected";
  }
}

TEST(LabelDialog, CancelChangesNothing) {
  LabelPage f;
  ToolPage& t = f.t;
  CGCell* cell = f.cell;
  t.dialogs->Cancel<CDlgPropertyLabel>();
  t.Right();
  EXPECT_EQ(std::make_tuple(cell->m_strName, cell->m_bNameFixed, cell->m_rgbaLabel, cell->m_nLabelMode),
            std::make_tuple(QStringLiteral("A"), false, RGBA{10, 20, 30, 255}, 1));
  EXPECT_TRUE(t.Messages(WM_ITEM_TEXTS).empty() && !t.doc.IsModified() && t.surface.redraws == 0);
}

TEST(ShortcutClicks, DoubleClick) {
  struct Row {
    const char* name;
    std::function<void(ToolPage&, WORD cell)> setUp;
    int picks;           // whether the pointer was looked at
    bool nextPage;       // the second page became current
    bool propertiesRan;  // ID_EDIT_PROPERTY ran
    bool cellCommand;    // the button command was posted
  };
  const Row rows[] = {
      {"switched off", [](ToolPage& t, WORD id) { g_prefs.bNoDoubleClick = 1, t.Over(id, kPickPoint); }, 0, false,
       false, false},
      {"trace layer shown", [](ToolPage& t, WORD) { g_bBackgroundDirty = 0, t.Over({0, 0, 0}); }, 0, false, false,
       false},
      {"ink strokes", [](ToolPage& t, WORD) { g_viewTool.finishedStrokes.push_back(std::make_unique<CStroke>()), t.Over({0, 0, 0}); }, 0,
       false, false, false},
      {"empty space", [](ToolPage& t, WORD) { t.Over({0, 0, 0}); }, 1, true, false, false},
      {"other tool", [](ToolPage& t, WORD) { g_nToolMode = 2, t.Over({0, 0, 0}); }, 0, false, false, false},
      {"button handle", [](ToolPage& t, WORD id) { t.Over(id, kPickButtonHandle); }, 1, false, false, true},
      {"cell", [](ToolPage& t, WORD id) { t.Over(id, kPickPoint); }, 1, false, true, false},
  };
  for (const Row& row : rows) {
    ToolPage t;
    CGPage* first = g_pCurPage;
    CGPage* second = t.doc.OnCreatePage();
    t.doc.SwitchToPage(first);
    const WORD id = t.Point();
    int propertyRuns = 0;
    CommandRegistry().Register(ID_EDIT_PROPERTY, [&](unsigned) { ++propertyRuns; }, {}, &propertyRuns);
    t.seams.bridge->messages.clear();
    row.setUp(t, id);
    t.tools.OnLButtonDblClk(ToolPage::At(0, 0, false));
    CommandRegistry().Withdraw(&propertyRuns);
    EXPECT_EQ(t.surface.picks, row.picks) << row.name;
    EXPECT_EQ(g_pCurPage, row.nextPage ? second : first) << row.name;
    EXPECT_EQ(propertyRuns, row.propertiesRan ? 1 : 0) << row.name;
    if (row.propertiesRan) {
      EXPECT_EQ(first->m_selAll, std::vector<WORD>{id}) << row.name;
    }
    EXPECT_EQ(t.Messages(WM_CELL_COMMAND).size(), row.cellCommand ? 1u : 0u) << row.name;
    EXPECT_EQ(g_bBackgroundDirty, 1) << row.name;
    EXPECT_TRUE(g_viewTool.finishedStrokes.empty()) << row.name;
  }
}

TEST(ShortcutClicks, DoubleClickOnEmptySpaceOfTheLastPageStays) {
  ToolPage t;
  CGPage* only = g_pCurPage;
  t.Over({0, 0, 0});
  t.tools.OnLButtonDblClk(ToolPage::At(0, 0, false));
  EXPECT_EQ(g_pCurPage, only);
  EXPECT_EQ(t.surface.picks, 1);
}

}  // namespace
