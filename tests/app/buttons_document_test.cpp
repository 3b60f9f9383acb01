// An animation button in a document, run as the view runs it: a click on
// its face posts the cell command, which starts it and timer 1 at 40 ms,
// ticks move the point along its segment with its dependants, the fifth
// stops button and timer; the page saved, reopened and saved again to the
// same bytes, the button stopped.
#include <gtest/gtest.h>

#include <algorithm>

#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/dynamic/buttons/viewbuttons.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/primitives/cgverfree.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "model/vertexarray.h"
#include "../view/motion/motionfixture.h"
#include "math/mathglobals.h"
#include "view/pickchoice.h"

namespace KAVREL_FILE_LOCAL {

using ButtonsDocumentTest = DocumentFileTest;

WORD FreePoint(CGPage& page, float x, float y) {
  return Enter(page, new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, 0))->m_nId;
}

TEST_F(ButtonsDocumentTest, AnimationButtonRunsOnTheTimerAndReopensStopped) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  ReserveVertexArray(4);
  const auto enter = [&page](CGCell* cell) { return Enter(page, cell)->m_nId; };
  const WORD a = FreePoint(page, 0, 0), b = FreePoint(page, 4, 0);
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

// A serial series of two animation buttons and a quarter turn of the view
// about z over a second, started by the cell command on the timer: the
// children run in turn, the view turns last and ends exactly on the
// quarter turn; saved and reopened to the same bytes.
TEST_F(ButtonsDocumentTest, SerialSeriesRunsItsChildrenThenTurnsTheView) {
  g_prefs.nFramesPerSecond = 25;
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  ReserveVertexArray(6);
  const auto enter = [&page](CGCell* cell) { return Enter(page, cell)->m_nId; };
  const WORD a = FreePoint(page, -2, 0), b = FreePoint(page, 2, 0);
  const WORD ab = enter(new CGLine(page.m_nNextId++, a, b, kLineSegment));
  std::vector<WORD> children;
  for (int i = 0; i < 2; ++i) {
    const WORD p = enter(new CGVerFreeInLine(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), ab, 0));
    children.push_back(enter(new CGButnAnimation(page.m_nNextId++, QStringLiteral("A"), p, 0, 1, 0, 0, 0.5f, 0)));
  }
  children.push_back(enter(new CGButnRotate(page.m_nNextId++, QStringLiteral("R"), 1, 0, 0, 0, 0, 0, 1, 90, 0, 0, 1, 0)));
  page.m_selButtons = children;
  const WORD series = enter(new CGButnPresentat(page.m_nNextId++, QStringLiteral("S"), TRUE, 0));
  page.m_selButtons.clear();

  ViewQuaternion = kQuatIdentity;
  ScriptedSurface surface;
  CMouseTools tools(surface);
  tools.SetDocument(&doc);
  RecordingTimer timer;
  CViewMotion motion(tools, timer);
  EXPECT_EQ(motion.OnMessage(WM_CELL_COMMAND, series, 0), 1);
  std::vector<WORD> order;  // the child that runs, or the series alone in its pauses
  int ticks = 0;
  for (; timer.running && ticks < 200; ++ticks) {
    const auto& running = page.m_runningButtons;
    const auto child = std::find_if(running.begin(), running.end(), [&](WORD id) { return id != series; });
    if (const WORD now = child == running.end() ? series : *child; order.empty() || order.back() != now)
      order.push_back(now);
    if (order.size() < 5) { EXPECT_EQ(ViewQuaternion, kQuatIdentity) << "tick " << ticks << ": not turning yet"; }
    motion.OnTimer();
  }
  EXPECT_EQ(order, (std::vector<WORD>{children[0], series, children[1], series, children[2], series}));
  // Each animation 3 ticks, the turn 26; two pause ticks after each child.
  EXPECT_EQ(ticks, 3 + 2 + 3 + 2 + 26 + 2);
  Quaternion quarter;
  QuatFromAxisAngle(quarter, M_PI / 2, 0, 0, 1);
  EXPECT_NEAR(std::fabs(ViewQuaternion.w - quarter.w) + std::fabs(ViewQuaternion.z - quarter.z), 0, 1e-12);

  const QByteArray saved = Bytes(doc);
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(WriteFile(QStringLiteral("series.kv"), saved), true)) << Shown().toStdString();
  EXPECT_EQ(Bytes(reopened).toHex(), saved.toHex());
}

}  // namespace
