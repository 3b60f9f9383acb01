// An animation button in a document, run as the view runs it: a click on
// its face posts the cell command, which starts it and timer 1 at 40 ms,
// ticks move the point along its segment with its dependants, the fifth
// stops button and timer; the page saved, reopened and saved again to the
// same bytes, the button stopped.
#include <gtest/gtest.h>

#include "cells/dynamic/animationbutton.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/primitives/cgverfree.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "model/vertexarray.h"
#include "../view/motion/motionfixture.h"
#include "view/pickchoice.h"

namespace {

using ButtonsDocumentTest = DocumentFileTest;

TEST_F(ButtonsDocumentTest, AnimationButtonRunsOnTheTimerAndReopensStopped) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  ReserveVertexArray(4);
  const auto enter = [&page](CGCell* cell) {
    page.m_cells.SetAt(cell->m_nId, cell);
    return cell->m_nId;
  };
  const WORD a = enter(new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), 0, 0, 0));
  const WORD b = enter(new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), 4, 0, 0));
  const WORD ab = enter(new CGLine(page.m_nNextId++, a, b, kLineSegment));
  auto* p = new CGVerFreeInLine(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), ab, 0);
  enter(p);
  auto* pb = new CGLine(page.m_nNextId++, p->m_nId, b, kLineSegment);  // follows P
  enter(pb);
  auto* button = new CGButnAnimation(page.m_nNextId++, QStringLiteral("Go"), p->m_nId, 0, 1, 0, 0, 0.25f, 0);
  enter(button);

  ScriptedSurface surface;
  CMouseTools tools(surface);
  tools.SetDocument(&doc);
  RecordingTimer timer;
  CViewMotion motion(tools, timer);
  surface.pick = {true, kPickButtonHandle, button->m_nId};
  tools.OnLButtonDown(ToolPage::At(10, 10, true));
  tools.OnLButtonUp(ToolPage::At(10, 10, false));
  ASSERT_FALSE(seams.bridge->messages.empty());
  const BridgeMessage click = seams.bridge->messages.back();
  ASSERT_EQ(std::make_pair(click.target, click.message), std::make_pair(UiTarget::View, UINT(WM_CELL_COMMAND)));
  EXPECT_EQ(motion.OnMessage(click.message, click.wParam, click.lParam), 1);
  EXPECT_TRUE(button->m_bRunning && timer.running && timer.period == 40 && page.m_nTimerJob == kJobButtons);
  EXPECT_EQ(page.m_buttonIds, (std::vector<WORD>{pb->m_nId, button->m_nId})) << "the point's dependants";
  const float expected[] = {0.25f, 0.5f, 0.75f, 1.0f, 1.0f};
  for (int tick = 0; tick < 5; ++tick) {
    motion.OnTimer();
    EXPECT_EQ(p->m_fValue, expected[tick]) << "tick " << tick + 1;
    EXPECT_FLOAT_EQ(p->m_vPos[0], 4 * expected[tick]) << "tick " << tick + 1;
    EXPECT_EQ(timer.running && motion.TimerRuns(), tick < 4) << "tick " << tick + 1;
  }
  EXPECT_FALSE(button->m_bRunning);
  EXPECT_EQ(page.m_nTimerJob, kJobSpinZ) << "stopped after buttons";
  EXPECT_EQ(button->m_nPhase, 2);

  const QByteArray saved = Bytes(doc);
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(WriteFile(QStringLiteral("button.kv"), saved), true)) << Shown().toStdString();
  EXPECT_EQ(Bytes(reopened).toHex(), saved.toHex());
  const auto* loaded = dynamic_cast<CGButnAnimation*>(g_pCurPage->m_cells.Lookup(button->m_nId));
  ASSERT_NE(loaded, nullptr);
  EXPECT_TRUE(!loaded->m_bRunning && loaded->m_nPhase == 2 && g_pCurPage->m_runningButtons.empty());
}

}  // namespace
