// The display switches, the view's private messages and the initial
// update of a shown document.
#include "model/document/docservices.h"
#include "motionfixture.h"
#include "render/glresources.h"

namespace KAVREL_FILE_LOCAL {

TEST(ViewSwitches, AxesCycleByTheRotationAndTheGridToggles) {
  // From a turned view: spatial axes, off, then plane axes (the view is now
  // straight); from a straight one: plane axes, off, plane axes.
  for (auto [view, cycle] : {std::pair(Quaternion{0.9, 0.1, 0.3, 0.3}, std::array{1, 0, 2}),
                             std::pair(kQuatIdentity, std::array{2, 0, 2})}) {
    MotionPage t;
    g_nAxesMode = 4;
    ViewQuaternion = view;
    for (int axes : cycle) {
      ASSERT_TRUE(t.Run(ID_VIEW_GRID));
      EXPECT_EQ(std::make_pair(g_nAxesMode, t.Check(ID_VIEW_GRID)), std::make_pair(4 | axes, axes ? 1 : 0));
      ViewQuaternion = kQuatIdentity;
    }
  }
  MotionPage t;
  g_nAxesMode = 1;
  for (int grid : {4, 0}) {
    ASSERT_TRUE(t.Run(ID_VIEW_GRID3));
    EXPECT_EQ(std::make_pair(g_nAxesMode, t.Check(ID_VIEW_GRID3)), std::make_pair(1 | grid, grid ? 1 : 0));
  }
}

TEST(ViewSwitches, EachSwitchFlipsItsFlagAndThePageCopy) {
  struct Row {
    unsigned id;
    bool (*flag)();      // on after the first press
    bool (*pageCopy)();  // none: the page keeps none
    bool checked;
  } const rows[] = {
      {ID_VIEW_COORDLINE, [] { return g_viewTool.coordinateLines; }, nullptr, true},
      {ID_VIEW_LOCK, [] { return g_bLockView == 1; }, [] { return g_pCurPage->m_bLockView; }, true},
      {ID_VIEW_LOCKTOW, [] { return g_bLockDrag == 1; }, [] { return g_pCurPage->m_bLockDrag; }, true},
      {ID_VIEW_3VIEWSHOWPER, [] { return !g_pCurPage->m_bFourthQuadrant; }, nullptr, false},
      {kCmdResolutionBoundary, [] { return g_viewTool.resolutionBoundary; }, nullptr, false},
      {kCmdColourSolid, [] { return g_viewTool.colourSolid; }, nullptr, false},
  };
  for (const Row& row : rows) {
    MotionPage t;
    for (bool on : {true, false}) {
      ASSERT_TRUE(t.Run(row.id));
      EXPECT_EQ(row.flag(), on) << row.id;
      EXPECT_EQ(row.pageCopy ? row.pageCopy() : on, on) << row.id;
      EXPECT_EQ(t.Check(row.id), (row.checked && on) || (row.id == ID_VIEW_3VIEWSHOWPER && !on)) << row.id;
    }
    EXPECT_EQ(t.surface.redraws, 2) << row.id;
  }
}

TEST(ViewMessages, LinkButtonsGoToTheirPageWithADocument) {
  MotionPage t;
  CGPage* first = &t.Page();
  CGPage* second = t.doc.OnCreatePage();
  t.doc.SwitchToPage(first);
  EXPECT_EQ(t.motion.OnMessage(WM_GOTO_PAGE, 0, second->m_nId), 1);
  EXPECT_EQ(g_pCurPage, second);
  EXPECT_EQ(t.motion.OnMessage(WM_GOTO_PAGE, 0, second->m_nId), 1) << "the current page";
  EXPECT_EQ(t.motion.OnMessage(WM_GOTO_PAGE, 0, 999), 1);
  EXPECT_EQ(t.seams.notifier->Texts(), std::vector<QString>{Utf8("链接页不存在，请检查修改链接按钮！")});
  EXPECT_EQ(g_pCurPage, second);
  EXPECT_EQ(t.motion.OnMessage(0x7FE, 0, first->m_nId), 0) << "not a message of the view";
  t.tools.SetDocument(nullptr);
  EXPECT_EQ(t.motion.OnMessage(WM_GOTO_PAGE, 0, first->m_nId), 0) << "no document";
  EXPECT_EQ(g_pCurPage, second);
}

TEST(ViewMessages, ChosenColourPaintsTheSelectionOrBecomesTheInk) {
  const RGBA ink = g_rgbaInk;
  struct Row {
    bool selected;
    COLORREF colour;
    RGBA cell, ink;
  } const rows[] = {{true, 0x00FF8040, {0x40, 0x80, 0xFF, 255}, ink},
                    {false, 0x00FF8040, {}, {0x40, 0x80, 0xFF, ink.a}},
                    {false, 0xFF000000, {}, {255, 0, 0, ink.a}}};  // automatic: red ink
  for (const Row& row : rows) {
    MotionPage t;
    const WORD a = t.Point();
    const RGBA before = t.Find(a)->m_rgbaColor;
    if (row.selected) t.Select({a});
    EXPECT_EQ(t.motion.OnMessage(WM_COLOR_CHOSEN, row.colour, 0), 1);
    EXPECT_EQ(t.Find(a)->m_rgbaColor, row.selected ? row.cell : before) << row.colour;
    EXPECT_EQ(g_rgbaInk, row.ink) << row.colour;
    EXPECT_TRUE(t.Page().m_selAll.empty()) << row.colour;
    EXPECT_EQ(std::make_pair(t.doc.IsModified(), t.surface.redraws), std::make_pair(row.selected, 1));
  }
}

TEST(InitialUpdate, StopsTheTimerJobRefreshesTheDocumentAndErasesInk) {
  MotionPage t;
  int toolMenus = 0, upgrades = 0;
  DocumentServices().refreshToolMenu = [&] { ++toolMenus; };
  DocumentServices().upgradePages = [&] { ++upgrades; };
  for (int version : {420, 419}) {
    t.doc.m_nVersion = version;
    g_viewTool.finishedStrokes.resize(2);
    g_viewTool.inkPoints = {1, 2, 3};
    t.Page().m_nTimerJob = kJobSpinZ;
    t.motion.OnInitialUpdate();
    EXPECT_EQ(std::make_tuple(t.Page().m_strName, t.Page().m_nId, t.Page().m_nTimerJob),
              std::make_tuple(QString::fromUtf8("第一页"), WORD(1), BYTE(kJobStop)));
    EXPECT_EQ(std::make_pair(toolMenus, upgrades), std::make_pair(version == 420 ? 1 : 2, version == 420 ? 0 : 1));
    EXPECT_TRUE(g_viewTool.finishedStrokes.empty() && g_viewTool.inkPoints.empty()) << version;
  }
  t.tools.SetDocument(nullptr);
  t.Page().m_nTimerJob = kJobSpinZ;
  t.motion.OnInitialUpdate();
  EXPECT_EQ(t.Page().m_nTimerJob, kJobSpinZ) << "nothing without a document";
}

TEST(InitialUpdate, AutoRunButtonStartsAndAnyOtherIdIsDropped) {
  for (bool button : {true, false}) {
    MotionPage t;
    const WORD id = button ? t.Button()->m_nId : t.Point();
    t.Page().m_nAutoButton = id;
    t.motion.OnInitialUpdate();
    const auto posted = t.Messages(WM_CELL_COMMAND);
    ASSERT_EQ(posted.size(), button ? 1u : 0u);
    if (button) {
      EXPECT_EQ(std::make_pair(posted.front().wParam, posted.front().posted), std::make_pair(WPARAM(id), true));
    }
    EXPECT_EQ(t.Page().m_nAutoButton, button ? id : 0);
  }
}

}  // namespace
