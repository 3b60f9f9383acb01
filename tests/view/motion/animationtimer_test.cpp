// Timer 1: its period, the tick by timer job, play and stop, the spins, the
// tools that stop it and the cell commands that start and stop buttons.
#include "motionfixture.h"

namespace KAVREL_FILE_LOCAL {

TEST(AnimationTimer, PeriodDividesASecondByAUsableFrameRate) {
  for (auto [fps, period] : {std::pair(25, 40), {30, 33}, {1, 1000}, {0, 40}, {-4, 40}, {2000, 1}}) {
    MotionPage t;
    g_prefs.nFramesPerSecond = fps;
    t.Page().m_nTimerJob = kJobStop;
    ASSERT_TRUE(t.Run(ID_ANIMA_PLAYSTOP));
    EXPECT_EQ(t.timer.period, period) << fps << " frames per second";
  }
}

TEST(AnimationTimer, EachTickDoesWhatTheTimerJobSays) {
  const double c = std::cos(M_PI / 180), s = std::sin(M_PI / 180);  // a turn of 2 degrees
  struct Row {
    int job;
    bool buttonRuns;
    int jobAfter;
    bool runsAfter;
    Quaternion turn;
  } const rows[] = {
      {kJobButtons, false, kJobSpinZ, false, kQuatIdentity}, {kJobButtons, true, kJobButtons, true, kQuatIdentity},
      {kJobSpinZ, false, kJobSpinZ, true, {c, 0, 0, s}},     {kJobSpinX, false, kJobSpinX, true, {c, s, 0, 0}},
      {kJobSpinY, false, kJobSpinY, true, {c, 0, s, 0}},     {kJobTransition, false, kJobStop, true, kQuatIdentity},
      {kJobStop, false, kJobSpinZ, false, kQuatIdentity},    {9, false, kJobSpinZ, false, kQuatIdentity},
  };
  for (const Row& row : rows) {
    MotionPage t;
    EndlessButton* button = t.Button();
    if (row.buttonRuns) t.Page().SetButtonRunning(true, button->m_nId);
    t.motion.StartTimer();
    t.Page().m_nTimerJob = static_cast<BYTE>(row.job);
    ViewQuaternion = kQuatIdentity;
    t.motion.OnTimer();
    EXPECT_EQ(t.State(), std::make_pair(row.jobAfter, row.runsAfter)) << row.job << " " << row.buttonRuns;
    EXPECT_TRUE(SameQuaternion(ViewQuaternion, row.turn)) << row.job;
    EXPECT_EQ(button->steps, row.buttonRuns ? 1 : 0) << row.job;
    EXPECT_EQ(t.surface.redraws, 1) << row.job;
  }
}

TEST(AnimationTimer, ATickArrivingWhileOneRunsDoesNothing) {
  MotionPage t;
  t.motion.StartTimer();
  t.Page().m_nTimerJob = kJobTransition;
  int steps = 0;
  t.motion.stepTransition = [&] { return ++steps, t.motion.OnTimer(), steps >= 2; };
  t.motion.OnTimer();
  EXPECT_EQ(std::make_pair(steps, t.State()), std::make_pair(1, std::make_pair(int(kJobTransition), true)));
  t.motion.OnTimer();
  EXPECT_EQ(std::make_pair(steps, t.State()), std::make_pair(2, std::make_pair(int(kJobStop), true)));
}

TEST(AnimationTimer, PlayStopTogglesTheSpinButNeverWhileButtonsRun) {
  struct Row {
    int job;
    bool running;
    int jobAfter;
    bool runsAfter, enabled;
  } const rows[] = {{kJobButtons, true, kJobButtons, true, false}, {kJobStop, false, kJobSpinZ, true, true},
                    {kJobTransition, false, kJobSpinZ, true, true}, {kJobSpinX, false, kJobSpinX, true, true},
                    {kJobSpinY, true, kJobSpinY, false, true}};
  for (const Row& row : rows) {
    MotionPage t;
    if (row.running) t.motion.StartTimer();
    t.Page().m_nTimerJob = static_cast<BYTE>(row.job);
    EXPECT_EQ(CommandRegistry().Query(ID_ANIMA_PLAYSTOP).m_bEnabled, row.enabled) << row.job;
    t.motion.OnAnimaPlaystop();
    EXPECT_EQ(t.State(), std::make_pair(row.jobAfter, row.runsAfter)) << row.job;
    EXPECT_EQ(t.Check(ID_ANIMA_PLAYSTOP), row.runsAfter && row.enabled ? 1 : 0) << row.job;
  }
  MotionPage t;
  t.motion.StartTimer();
  t.Page().m_nTimerJob = kJobTransition;
  EXPECT_EQ(t.Check(ID_ANIMA_PLAYSTOP), 0) << "a transition is no spin";
}

TEST(AnimationTimer, SpinCommandsChooseAxisAndDirectionAndStart) {
  struct Row {
    unsigned id;
    int job;
    bool negative;
  } const rows[] = {{ID_ROT_ZPLUS, kJobSpinZ, false}, {ID_ROT_ZMINUS, kJobSpinZ, true}, {ID_ROT_XPLUS, kJobSpinX, false},
                    {ID_ROT_XMINUS, kJobSpinX, true}, {ID_ROT_YPLUS, kJobSpinY, false}, {ID_ROT_YMINUS, kJobSpinY, true}};
  for (const Row& row : rows) {
    for (float step : {0.5f, -0.5f}) {
      MotionPage t;
      g_fMotionStep = step;
      ASSERT_TRUE(t.Run(row.id) && t.Run(row.id)) << "twice: the spin goes on";
      EXPECT_EQ(t.State(), std::make_pair(row.job, true)) << row.id;
      EXPECT_EQ(std::make_pair(g_fMotionStep, t.timer.starts), std::make_pair(row.negative ? -0.5f : 0.5f, 1));
      for (const Row& other : rows) EXPECT_EQ(t.Check(other.id), other.id == row.id) << row.id << " " << other.id;
    }
  }
}

TEST(AnimationTimer, ConstructionAndCopyToolsStopTheSpinSelectToolsLetItEnd) {
  for (auto [id, stops] : {std::pair(ID_EDIT_COPYBIT, true), {ID_CREATE_POINT, true}, {ID_CREATE_LINE, true},
                           {ID_CREATE_POLYGON, true}, {ID_CREATE_CIRCLE, true}, {ID_EDIT_SELECT, false},
                           {ID_EDIT_SELBOX, false}}) {
    MotionPage t;
    ASSERT_TRUE(t.Run(ID_ROT_XPLUS) && t.Run(id));
    EXPECT_EQ(t.State(), std::make_pair(stops ? int(kJobSpinX) : int(kJobStop), !stops)) << id;
  }
}

TEST(AnimationTimer, CellCommandStartsAndStopsButtonsWhateverTheirId) {
  for (auto [id, byCommand] : {std::pair(WORD(0), false), {WORD(0), true}, {WORD(20000), false}}) {
    MotionPage t;
    const WORD button = t.Button(id)->m_nId, other = t.Button()->m_nId;
    const auto toggle = [&, viaCommand = byCommand](WORD cell) {
      ASSERT_TRUE(viaCommand ? t.Run(ID_CELL_COMMAND_BASE + cell) : t.motion.OnMessage(WM_CELL_COMMAND, cell, 0));
    };
    t.Page().m_nTimerJob = kJobStop;
    toggle(button);
    EXPECT_EQ(t.State(), std::make_pair(int(kJobButtons), true)) << button;
    toggle(other);
    toggle(button);
    EXPECT_EQ(t.State(), std::make_pair(int(kJobButtons), true)) << button << ": the other still runs";
    toggle(other);
    EXPECT_EQ(t.State(), std::make_pair(int(kJobSpinZ), false)) << button;
    EXPECT_EQ(t.timer.starts, 1) << button;
  }
  MotionPage t;
  const WORD point = t.Point();
  t.Page().m_nTimerJob = kJobStop;
  EXPECT_EQ(t.motion.OnMessage(WM_CELL_COMMAND, point, 0), 1);
  EXPECT_EQ(t.State(), std::make_pair(int(kJobStop), false)) << "a point is no button";
  EXPECT_TRUE(t.Run(ID_CELL_COMMAND_LAST)) << "the range reaches 3024 + 10000";
  EXPECT_EQ(t.motion.OnMessage(WM_CELL_COMMAND, 0x10000 + point, 0), 0);
}

}  // namespace
