// A page drawn for the printer: shown as just turned to while it is drawn,
// and nothing of the page on screen changed afterwards.
#include <gtest/gtest.h>

#include "model/globals.h"
#include "render/viewglobals.h"
#include "support/commandpage.h"
#include "view/printing/printedpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(PrintedPage, ShownAsJustTurnedToAndEverythingRestoredAfter) {
  for (bool printCurrent : {false, true}) {
    CommandPage t;
    CGPage* first = g_pCurPage;
    CGPage* second = t.doc.OnCreatePage();
    const WORD b = t.Point(5, 0, 0);
    second->m_nAutoButton = 77;  // names no button: turning to the page would clear it
    t.doc.SwitchToPage(first);
    second->m_vTranslate[0] = 3.0f;
    second->m_cells.Lookup(b)->m_bSelected = true;
    const WORD a = t.Point(1, 0, 0);
    t.Select({a});
    g_fViewTranslate[0] = -2.0f, g_nToolMode = 9, g_bBackgroundDirty = 0;
    g_viewTool.finishedStrokes.push_back(std::make_unique<CStroke>());
    t.seams.bridge->messages.clear();
    CGPage* printed = printCurrent ? first : second;
    {
      const CPrintedPageScope scope(*printed);
      EXPECT_EQ(g_pCurPage, printed);
      EXPECT_EQ(g_fViewTranslate[0], printCurrent ? -2.0f : 3.0f);
      EXPECT_FALSE(printed->m_cells.Lookup(printCurrent ? a : b)->m_bSelected);
      EXPECT_EQ(std::make_tuple(g_nToolMode, g_bBackgroundDirty, g_viewTool.finishedStrokes.size()),
                std::make_tuple(1, 1, size_t(0)));
    }
    EXPECT_EQ(g_pCurPage, first);
    EXPECT_EQ(g_fViewTranslate[0], -2.0f);
    EXPECT_EQ(first->m_selAll, std::vector<WORD>{a});
    EXPECT_TRUE(first->m_cells.Lookup(a)->m_bSelected && second->m_cells.Lookup(b)->m_bSelected);
    EXPECT_EQ(std::make_tuple(g_nToolMode, g_bBackgroundDirty, g_viewTool.finishedStrokes.size()),
              std::make_tuple(9, 0, size_t(1)));
    EXPECT_EQ(second->m_nAutoButton, 77) << "no button started";
    EXPECT_TRUE(t.seams.bridge->messages.empty());
  }
}

}  // namespace
