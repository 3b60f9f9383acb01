// The view's own rotate and translate buttons on timer job 4: the turn
// first, the shift only while the turn runs; the plane mode's turn onto a
// selected face.
#include "cells/pageservices/planemode.h"
#include "motionfixture.h"

namespace KAVREL_FILE_LOCAL {

TEST(ViewTransition, TheShiftStepsOnlyWhileTheTurnRuns) {
  g_prefs.nFramesPerSecond = 25;
  const float s = static_cast<float>(std::sqrt(0.5));
  // A quarter turn about z from the identity, a shift by (1, 2, 10).
  const CViewTransition t{{0, 0, -50}, {1, 0, 0, 0}, {s, 0, 0, s}, {1, 2, -40}};
  // Shift seconds; the tick that ends; the shift's tick counter then.
  for (auto [seconds, endTick, shiftTicks] : {std::tuple(2.0f, 51, 50), {1.0f, 26, 0}}) {
    CViewPair pair;
    pair.Fill(t);
    pair.translate.m_fDuration = seconds;
    int tick = 1;
    for (; tick < 100 && !pair.Step(); ++tick) EXPECT_NEAR(g_fViewTranslate[2], -50 + (tick - 1) * 10 / (25 * seconds), 1e-4);
    EXPECT_EQ(std::make_pair(tick, pair.translate.m_nTick), std::make_pair(endTick, shiftTicks)) << seconds;
    EXPECT_EQ(g_fViewTranslate[2], -40.0f) << seconds << ": the exact target";
    EXPECT_EQ(std::fabs(ViewQuaternion.z - s) < 1e-6, seconds == 2.0f) << seconds;
    EXPECT_TRUE(pair.Step()) << seconds << ": once ended, a tick changes nothing";
  }
  CViewPair still;  // no turn at all
  still.Fill({{0, 0, -50}, {s, s, 0, 0}, {s, s, 0, 0}, {0, 0, -50}});
  while (!still.Step()) {
  }
  EXPECT_TRUE(std::fabs(ViewQuaternion.w - s) < 1e-7 && std::fabs(ViewQuaternion.x - s) < 1e-7);
}

TEST(ViewTransition, PlaneModeTurnsOntoTheSelectedFace) {
  MotionPage t;
  t.Select({t.Face({t.Point(0, 3, 0), t.Point(4, 3, 0), t.Point(4, 3, 4)})});  // upright in y = 3
  t.Page().m_nTimerJob = kJobStop;
  ASSERT_TRUE(t.Run(ID_VIEW_PORT_TT));
  EXPECT_TRUE(t.Page().m_selFaces.empty());
  EXPECT_EQ(std::make_pair(t.State(), t.motion.m_nPlaneMode),
            std::make_pair(std::make_pair(int(kJobTransition), true), kPlaneTransition));
  int ticks = 0;
  for (; t.Page().m_nTimerJob == kJobTransition && ticks < 100; ++ticks) t.motion.OnTimer();
  EXPECT_EQ(std::make_pair(ticks, t.motion.m_nPlaneMode), std::make_pair(1 + 25 * 2, kPlaneView));
  EXPECT_NEAR(ViewQuaternion.x, g_viewTransition.targetRotate[1], 1e-6);
  EXPECT_EQ(g_fViewTranslate[2], g_viewTransition.targetTranslate[2]);
}

}  // namespace
