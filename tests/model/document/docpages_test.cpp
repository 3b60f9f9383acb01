#include <gtest/gtest.h>

#include <bit>
#include <QImage>

#include "doctestsupport.h"
#include "model/cgbutton.h"
#include "model/document/docservices.h"
#include "platform/clipboard.h"
#include "model/document/usertool.h"
#include "model/pagetest.h"
#include "model/selection.h"
#include "platform/editscope.h"
#include "model/undo/cmdcells.h"

namespace KAVREL_FILE_LOCAL {

constexpr UINT kWmCommand = 0x0111;

class RefusingFocus : public IViewFocus {
 public:
  bool TakeFocus() override { return false; }
  bool HasFocus() override { return false; }
};

class MenuRecorder : public IMenuOwner {
 public:
  void SetMenuItemText(UINT id, const QString& text, bool) override { texts[id] = text; }
  std::map<UINT, QString> texts;
};

class DocPagesTest : public DocTest {
 protected:
  DocPagesTest() {
    doc.m_pMenuOwner = &menu;
    doc.OnNewDocument();
    first = doc.m_pages.front().get();
    second = &AppendPage(2, QStringLiteral("second"));
    second->m_vTranslate[0] = 4;
    second->m_vTranslate[2] = -20;
    second->m_fScale = 3;
    second->m_bLockDrag = true;
    doc.m_nLastPageId = 2;
    seams.bridge->statusTexts.clear();
  }
  QString Status(int element) const {
    QString text = QStringLiteral("<none>");
    for (const auto& [e, t] : seams.bridge->statusTexts)
      if (e == element) text = t;
    return text;
  }
  bool Sent(UiTarget target, bool posted, WPARAM command, UINT message = kWmCommand) const {
    for (const BridgeMessage& m : seams.bridge->messages)
      if (m.target == target && m.posted == posted && m.message == message && m.wParam == command) return true;
    return false;
  }

  MenuRecorder menu;
  CGPage* first = nullptr;
  CGPage* second = nullptr;
};

TEST_F(DocPagesTest, PageSwitchesAreRefusedWhileADialogHoldsTheFocus) {
  SetViewFocus(std::make_unique<RefusingFocus>());
  doc.GotoNextPage();
  doc.GotoPageById(2, true);
  EXPECT_EQ(g_pCurPage, first);
  ASSERT_EQ(seams.notifier->shown.size(), 2u);
  EXPECT_EQ(Shown(0), QStringLiteral("当前正打开对话框，不能切换页！"));
  EXPECT_EQ(Shown(1), QStringLiteral("当前正打开对话框，链接按钮未能切换页！"));
  EXPECT_TRUE(seams.bridge->statusTexts.empty());
  doc.GotoPageById(2, false);  // the object list needs no focus
  EXPECT_EQ(g_pCurPage, second);
}

TEST_F(DocPagesTest, SwitchingShowsThePageAndCarriesTheViewState) {
  g_fViewTranslate[0] = 7;
  g_fViewScale = 2;
  first->m_selAll.push_back(1);
  first->m_bSelected = 1;
  g_nToolMode = 4;
  CGVertex* hovered = AddPoint(*first, 0, 0, 0);
  hovered->m_bHovered = true;  // under the pointer of the polygon tool
  g_nViewport[0] = g_nViewport[1] = 50;  // as a three-view quadrant left it
  doc.GotoNextPage();
  EXPECT_FALSE(hovered->m_bHovered) << "drawn plain when its page is shown again";
  EXPECT_EQ(g_pCurPage, second);
  EXPECT_EQ(std::vector<int>(g_nViewport, g_nViewport + 4), (std::vector<int>{0, 0, g_nViewWidth, g_nViewHeight}));
  EXPECT_EQ(g_pCurCells, &second->m_cells);
  EXPECT_EQ(Status(2), QStringLiteral("当前页：second"));
  EXPECT_EQ(first->m_vTranslate[0], 7.0f);
  EXPECT_EQ(first->m_fScale, 2.0f);
  EXPECT_TRUE(first->m_selAll.empty());
  EXPECT_EQ(g_fViewTranslate[0], 4.0f);
  EXPECT_EQ(g_fViewTranslate[2], -20.0f);
  EXPECT_EQ(g_fViewScale, 3.0f);
  EXPECT_EQ(g_bLockDrag, 1);
  EXPECT_EQ(g_nToolMode, 1);
  EXPECT_EQ(second->m_nTimerJob, 5);
  EXPECT_EQ(second->m_undo.GetMenuOwner(), &menu);
  EXPECT_TRUE(Sent(UiTarget::View, false, ID_INK_ERASE));
  EXPECT_GE(seams.bridge->viewUpdates, 1);

  doc.GotoPrevPage();
  EXPECT_EQ(g_pCurPage, first);
  EXPECT_EQ(g_fViewTranslate[0], 7.0f);
  EXPECT_EQ(g_fViewScale, 2.0f);
  EXPECT_EQ(second->m_vTranslate[0], 4.0f);
}

TEST_F(DocPagesTest, AutomaticButtonStartsWhenItsPageIsShown) {
  auto* button = AddCell<CGButton>(*second);
  auto* plain = AddCell<CGCell>(*second);
  second->m_nAutoButton = button->m_nId;
  doc.SwitchToPage(second);
  EXPECT_TRUE(Sent(UiTarget::View, true, button->m_nId, WM_CELL_COMMAND)) << "the cell id itself travels";
  EXPECT_EQ(second->m_nAutoButton, button->m_nId);

  for (std::int32_t id : {std::int32_t(plain->m_nId), std::int32_t(40), std::int32_t(70000)}) {
    doc.SwitchToPage(first);
    second->m_nAutoButton = id;
    doc.SwitchToPage(second);
    EXPECT_EQ(second->m_nAutoButton, 0) << id;
  }
  // The button's creation undone: the next button takes its id, unasked.
  second->m_nAutoButton = AddCell<CGButton>(*second)->m_nId;
  second->m_undo.Submit(std::make_unique<CCmdAddCell>(QStringLiteral("button")));
  ASSERT_TRUE(second->m_undo.Undo());
  const WORD next = AddCell<CGButton>(*second)->m_nId;
  EXPECT_EQ(second->m_nAutoButton, 0);
  doc.SwitchToPage(first);
  doc.SwitchToPage(second);
  EXPECT_FALSE(Sent(UiTarget::View, true, next, WM_CELL_COMMAND));
}

TEST_F(DocPagesTest, UserToolLeftHalfAppliedBecomesOneUndoStep) {
  for (int i = 0; i < 4; ++i) AddPoint(*first, 0, 0, 0);
  auto record = std::make_unique<CRecord>();
  record->m_strName = QStringLiteral("T");
  first->m_pToolRecord = std::move(record);
  first->m_nToolFirstId = 3;
  first->m_nToolDone = 2;
  first->m_nToolPendingId = 5;
  doc.SwitchToPage(second);
  ASSERT_NE(first->m_undo.CurrentCommand(), nullptr);
  EXPECT_EQ(first->m_undo.CurrentCommand()->GetName(), QStringLiteral("使用工具：T"));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(first->m_cells.GetCount(), 4);

  // Cells made outside the instance: the last step can no longer be undone.
  doc.SetModifiedFlag(false);
  doc.SwitchToPage(first);
  AddPoint(*first, 0, 0, 0);
  first->m_pToolRecord = std::make_unique<CRecord>();
  first->m_nToolPendingId = 6;
  doc.SwitchToPage(second);
  EXPECT_FALSE(first->m_undo.CurrentCommand()->CanUndo());
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocPagesTest, LinksToMissingPagesSayso) {
  doc.GotoPageById(99, false);
  EXPECT_TRUE(seams.notifier->shown.empty());
  doc.GotoPageById(99, true);
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(Shown(0), QStringLiteral("链接页不存在，请检查修改链接按钮！"));
  EXPECT_EQ(seams.notifier->shown[0].caption, QStringLiteral("链接无效！"));
  EXPECT_EQ(seams.notifier->shown[0].type & MB_ICONMASK, unsigned(MB_ICONERROR));
  EXPECT_EQ(g_pCurPage, first);
  const int updates = seams.bridge->viewUpdates;
  doc.GotoPageById(1, true);  // the current page: nothing happens
  EXPECT_EQ(seams.bridge->viewUpdates, updates);
}

TEST_F(DocPagesTest, APastedPageFollowsTheCurrentOneWithEveryCellRecomputed) {
  auto pasted = std::make_unique<CGPage>();
  for (int i = 0; i < 2; ++i) AddCell<CTestLoggedCell>(*pasted);
  pasted->m_bSelected = 1;
  CTestLoggedCell::s_log.clear();
  ASSERT_TRUE(doc.InsertPastedPage(std::move(pasted)));
  ASSERT_EQ(doc.m_pages.size(), 3u);
  const CGPage& made = *doc.m_pages[1];
  EXPECT_EQ(g_pCurPage, &made);
  EXPECT_EQ(made.m_nId, 3);
  EXPECT_EQ(made.m_strName, QStringLiteral("第三页"));
  EXPECT_EQ(made.m_bSelected, 0);
  EXPECT_EQ(CTestLoggedCell::s_log, (std::vector<std::pair<WORD, WORD>>{{3, 1}, {3, 2}}));
  EXPECT_TRUE(doc.IsModified());
  doc.m_nLastPageId = 0xFFFF;  // a further id would repeat one
  EXPECT_FALSE(doc.InsertPastedPage(std::make_unique<CGPage>()));
}

TEST_F(DocPagesTest, FindPageByIdCountsFromOne) {
  int position = 0;
  EXPECT_EQ(doc.FindPageById(2, &position), second);
  EXPECT_EQ(position, 2);
  EXPECT_EQ(doc.FindPageById(1, &position), first);
  EXPECT_EQ(position, 1);
  EXPECT_EQ(doc.FindPageById(5, &position), nullptr);
  EXPECT_EQ(position, 2);
}

TEST_F(DocPagesTest, UpdateRulesFollowThePagePosition) {
  EXPECT_FALSE(doc.OnUpdateViewPageup());
  EXPECT_TRUE(doc.OnUpdateViewPagedown());
  doc.SwitchToPage(second);
  EXPECT_TRUE(doc.OnUpdateViewPageup());
  EXPECT_FALSE(doc.OnUpdateViewPagedown());
  EXPECT_FALSE(doc.OnUpdateNeedSelection());
  second->m_bSelected = 1;
  EXPECT_TRUE(doc.OnUpdateNeedSelection());
  second->m_bSelected = 0;
  AddPoint(*second, 0, 0, 0);
  second->SelectCell(1);
  EXPECT_TRUE(doc.OnUpdateNeedSelection());
}

TEST_F(DocPagesTest, TreeClicksReportWhatTheyDid) {
  CGVertex* a = AddPoint(*first, 0, 0, 0);
  CGVertex* b = AddPoint(*first, 1, 0, 0);
  first->SelectCell(a->m_nId);
  struct Case {
    const char* what;
    TreeItemKind kind;
    WORD id;
    BOOL fromCheckBox, checked;
    int result;
    std::vector<WORD> selected;  // afterwards
  } cases[] = {
      {"nothing", TreeItemKind::None, 0, 0, 0, kTreeNothing, {1}},
      {"cell alone", TreeItemKind::Cell, 2, 0, 0, kTreeSelectedAlone, {2}},
      {"check again", TreeItemKind::Cell, 2, 1, 1, kTreeAlreadySo, {2}},
      {"check another", TreeItemKind::Cell, 1, 1, 1, kTreeAddedToSelection, {2, 1}},
      {"uncheck", TreeItemKind::Cell, 2, 1, 0, kTreeRemovedFromSelection, {1}},
      {"unknown cell", TreeItemKind::Cell, 40001, 0, 0, kTreeNothing, {1}},
      {"page checked", TreeItemKind::Page, 1, 1, 1, kTreeSelectedAll, {1, 2}},
      {"page clicked", TreeItemKind::Page, 1, 0, 0, kTreeSelectionCleared, {}},
  };
  for (const Case& c : cases) {
    const int updates = seams.bridge->viewUpdates;
    EXPECT_EQ(doc.SelectFromTree(c.kind, c.id, c.fromCheckBox, c.checked), c.result) << c.what;
    EXPECT_EQ(first->m_selAll, c.selected) << c.what;
    EXPECT_EQ(seams.bridge->viewUpdates, updates + (c.kind == TreeItemKind::None ? 0 : 1)) << c.what;
  }
  EXPECT_EQ(b->m_bSelected, false);
  // Cell ids go beyond 40000; a cell keeps being a cell.
  first->m_nNextId = 40001;
  AddPoint(*first, 2, 0, 0);
  EXPECT_EQ(doc.SelectFromTree(TreeItemKind::Cell, 40001, 0, 0), kTreeSelectedAlone);
  EXPECT_EQ(g_pCurPage, first);
  EXPECT_EQ(doc.SelectFromTree(TreeItemKind::Page, 2, 0, 0), kTreeOtherPage);
  EXPECT_EQ(g_pCurPage, second);
}

// A parameter: m_nParamA 1 makes it an integer one.
CGCell* AddParameter(CGPage& page, float value, int kind) {
  auto* cell = new StandIn<CGCell>(StandInChain({"CGTmVarParameter", "CGTmVariable"}, RUNTIME_CLASS(CGCell)));
  cell->m_nId = page.m_nNextId++;
  cell->m_fValue = value;
  cell->m_nParamA = kind;
  page.m_cells.SetAt(cell->m_nId, cell);
  page.m_selValues = {cell->m_nId};
  return cell;
}

TEST_F(DocPagesTest, PlusAndMinusStepAParameter) {
  const struct {
    int kind;
    bool plus;
    float value;       // afterwards
    float unrounded;   // kept by an integer parameter
  } cases[] = {
      {1, true, 3.0f, 3.4f}, {0, true, 3.4f, 0}, {1, false, 1.0f, 1.4f}, {0, false, 1.4f, 0},
  };
  for (const auto& c : cases) {
    first->m_cells.RemoveAll();
    CGCell* parameter = AddParameter(*first, 2.4f, c.kind);
    auto* child = new CTestLoggedCell;
    child->m_nId = first->m_nNextId++;
    child->m_parents = {parameter->m_nId};
    parameter->m_children = {child->m_nId};
    first->m_cells.SetAt(child->m_nId, child);
    CTestLoggedCell::s_log.clear();
    doc.SetModifiedFlag(false);
    seams.bridge->viewUpdates = 0;
    {
      const CEditScope key;  // the plus or minus key, an edit of its own
      c.plus ? doc.OnParamIncrease() : doc.OnParamDecrease();
    }
    EXPECT_FLOAT_EQ(parameter->m_fValue, c.value) << c.kind << c.plus;
    if (c.kind == 1) {
      EXPECT_FLOAT_EQ(std::bit_cast<float>(parameter->m_nParamC), c.unrounded);
    }
    EXPECT_EQ(CTestLoggedCell::s_log.size(), 1u) << "the dependant is recomputed";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_GT(seams.bridge->viewUpdates, 0) << "the views show the new value";
    delete parameter;
    delete child;
  }
  first->m_cells.RemoveAll();
}

TEST_F(DocPagesTest, PlusAndMinusLeaveOtherValuesAlone) {
  auto* value = AddCell<CGCell>(*first);
  value->m_fValue = 2.4f;
  first->m_selValues = {value->m_nId};
  doc.OnParamIncrease();
  EXPECT_EQ(value->m_fValue, 2.4f);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocPagesTest, PlusAndMinusStepTheSelectionWithoutOneText) {
  std::vector<bool> asked;
  DocumentServices().selectNextObject = [&asked](bool forward) {
    asked.push_back(forward);
    return QStringLiteral("selected");
  };
  doc.OnParamIncrease();
  doc.OnParamDecrease();
  EXPECT_EQ(asked, (std::vector<bool>{true, false}));
  EXPECT_EQ(Status(0), QStringLiteral("selected"));
}

class TestIteration : public StandIn<CGCell>, public IDepthStepping {
 public:
  TestIteration() : StandIn<CGCell>(StandInChain({"CGIterate"}, RUNTIME_CLASS(CGCell))) {}
  int MaxDepth() const override { return 5; }
  int& Depth() override { return depth; }
  int depth = 5;
};

TEST_F(DocPagesTest, PlusBeyondTheSuggestedDepthOfAnIterationWarns) {
  auto* iteration = AddCell<TestIteration>(*first);
  first->m_selTexts = {iteration->m_nId};
  doc.OnParamIncrease();
  EXPECT_EQ(iteration->depth, 6);
  EXPECT_TRUE(seams.notifier->shown.empty());
  doc.OnParamIncrease();
  EXPECT_EQ(iteration->depth, 7);
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(Shown(0), QStringLiteral("建议深度为1-%d的整数").replace(QStringLiteral("%d"), QStringLiteral("5")));
  EXPECT_EQ(seams.notifier->shown[0].caption, QStringLiteral("迭代深度"));
  iteration->depth = 2;
  doc.OnParamDecrease();
  doc.OnParamDecrease();
  EXPECT_EQ(iteration->depth, 1);
  iteration->m_nParamA = 1;  // not driven by its depth
  doc.OnParamIncrease();
  EXPECT_EQ(iteration->depth, 1);
}

TEST_F(DocPagesTest, OnlyWhatThisProgramPastesOnTheClipboardSettlesTheCounters) {
  doc.RegisterCommands();
  const std::pair<void (*)(), bool> rows[] = {
      {[] { Clipboard().SetText(QStringLiteral("x")); }, false},
      {[] { Clipboard().SetData(QStringLiteral("CF_OTHER"), "x"); }, false},
      {[] { Clipboard().SetData(QStringLiteral("CF_KAVREL"), "x"); }, true},
      {[] { Clipboard().SetImage(QImage(2, 2, QImage::Format_RGB32)); }, true},
  };
  for (int i = 0; i < 4; ++i) {
    first->m_nPasteCount = -1;  // settles to 1, any other count to 0
    second->m_nPasteCount = 3;
    rows[i].first();
    const std::pair<int, int> settled{1, 0}, unchanged{-1, 3};
    EXPECT_EQ(std::pair(first->m_nPasteCount, second->m_nPasteCount), rows[i].second ? settled : unchanged)
        << "row " << i;
  }
}

TEST_F(DocPagesTest, PicturesAreShrunkToTheViewAndCentred) {
  struct Made { WORD id; int width, height; float scale, x, y; };
  std::vector<Made> made;
  DocumentServices().createImageCell = [&made](WORD id, int w, int h, std::vector<BYTE>&&, float scale, float x,
                                               float y) -> CGCell* {
    made.push_back({id, w, h, scale, x, y});
    auto* cell = new CGCell;
    cell->m_nId = id;
    return cell;
  };
  doc.AddImageCell(1000, 500, std::vector<BYTE>(1000 * 500 * 3));
  ASSERT_EQ(made.size(), 1u);
  EXPECT_FLOAT_EQ(made[0].scale, 0.784f);
  EXPECT_FLOAT_EQ(made[0].x, -784 / 2 * 0.05f);
  EXPECT_FLOAT_EQ(made[0].y, -392 / 2 * 0.05f);
  EXPECT_EQ(first->m_cells.Lookup(made[0].id)->m_nId, made[0].id);
  EXPECT_EQ(first->m_nNextId, made[0].id + 1);
  EXPECT_EQ(first->m_undo.CurrentCommand()->GetName(), QStringLiteral("插入图片"));
  EXPECT_TRUE(doc.IsModified());

  doc.AddImageCell(100, 50, std::vector<BYTE>(100 * 50 * 3));
  ASSERT_EQ(made.size(), 2u);
  EXPECT_EQ(made[1].scale, 1.0f);
  EXPECT_FLOAT_EQ(made[1].x, -2.5f);

  first->m_undo.Undo();
  EXPECT_EQ(first->m_cells.Lookup(made[1].id), nullptr);
}

}  // namespace
