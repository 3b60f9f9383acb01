// Operations on the whole view: the wheel, the reset, the projections, the
// three-view layout, the standard views and plane mode.
#include "motionfixture.h"
#include "render/glresources.h"
#include "render/projection.h"
#include "view/motion/viewangles.h"

namespace KAVREL_FILE_LOCAL {

const Quaternion kTurned{0.5, 0.5, 0.5, 0.5};

void Displace() {
  std::copy_n(std::array{3.0f, -4.0f, -20.0f}.data(), 3, g_fViewTranslate);
  g_fViewScale = 2.5f;
  ViewQuaternion = kTurned;
}

bool AtDefaultPosition() {
  return std::array{g_fViewTranslate[0], g_fViewTranslate[1], g_fViewTranslate[2], g_fViewScale} ==
         std::array{0.0f, 0.0f, -50.0f, 1.0f};
}

TEST(WholeView, WheelStepsTheScaleOneNotchAtATime) {
  struct Row {
    float scale;
    int delta;
    bool locked;
    float expected;
  } const rows[] = {{99.98f, 120, false, 100.0f}, {100.0f, 120, false, 100.0f}, {0.03f, -120, false, 0.01f},
                    {1.0f, 1, false, 1.05f},      {1.0f, -960, false, 0.95f},   {1.0f, 0, false, 1.0f},
                    {1.0f, 120, true, 1.0f}};
  for (const Row& row : rows) {
    MotionPage t;
    g_fViewScale = row.scale;
    g_bLockView = row.locked;
    t.motion.OnMouseWheel(row.delta);
    EXPECT_FLOAT_EQ(g_fViewScale, row.expected) << row.scale << " by " << row.delta;
    EXPECT_EQ(t.surface.redraws, row.locked ? 0 : 1) << row.scale << " by " << row.delta;
  }
}

TEST(WholeView, ResetTakesTheDefaultPlaceOfTheProjection) {
  const double angles[3][3][2] = {{{-70, -155}, {-70, -20}, {-70, -110}},
                                  {{-75, -150}, {-75, -15}, {-75, -105}},
                                  {{-90, 180}, {-90, 0}, {-90, -90}}};
  for (int projection = 0; projection < 3; ++projection)
    for (int orientation = 0; orientation < 4; ++orientation) {
      MotionPage t;
      g_nProjection = projection;
      t.Page().m_nAxisOrientation = orientation;
      Displace();
      ASSERT_TRUE(t.Run(ID_VIEW_TSFM_RESET));
      const Quaternion expected =  // no angles for orientation 3: the rotation stays
          orientation < 3 ? RotationOf(angles[projection][orientation][0], angles[projection][orientation][1]) : kTurned;
      EXPECT_TRUE(SameQuaternion(ViewQuaternion, expected)) << projection << "/" << orientation;
      EXPECT_TRUE(AtDefaultPosition());
      EXPECT_EQ(t.seams.bridge->sliderUpdates, 1);
    }
}

TEST(WholeView, ResetStopsTheSpinButNotRunningButtons) {
  struct Row {
    int job, planeMode;
    bool runsAfter;
    int planeModeAfter, sliderUpdates;
  } const rows[] = {{kJobSpinX, kPlaneTransition, false, kPlaneView, 1},
                    {kJobStop, kPlaneView, false, kPlaneView, 1},
                    {kJobButtons, kPlaneTransition, true, kPlaneTransition, 0}};
  for (const Row& row : rows) {
    MotionPage t;
    t.motion.StartTimer();
    t.Page().m_nTimerJob = static_cast<BYTE>(row.job);
    t.motion.m_nPlaneMode = row.planeMode;
    t.motion.OnViewTsfmReset();
    EXPECT_TRUE(AtDefaultPosition());
    EXPECT_EQ(t.State(), std::make_pair(row.job, row.runsAfter)) << row.job;
    EXPECT_EQ(t.motion.m_nPlaneMode, row.planeModeAfter) << row.job;
    EXPECT_EQ(t.seams.bridge->sliderUpdates, row.sliderUpdates) << row.job;
  }
}

TEST(WholeView, ProjectionsSetModeAnglesAndThePageCopy) {
  struct Row {
    unsigned id;
    double a, b;
  } const rows[] = {{32777, -70, -20}, {32778, -54.735610317245346, -135}, {32779, -90, 0}};
  for (int mode = 0; mode < 3; ++mode) {
    MotionPage t;
    g_nProjection = (mode + 1) % 3;
    std::fill_n(g_dProjection, 16, 0.0);
    ASSERT_TRUE(t.Run(rows[mode].id));
    EXPECT_EQ(std::make_pair(g_nProjection, t.Page().m_nProjection), std::make_pair(mode, mode));
    EXPECT_TRUE(SameQuaternion(ViewQuaternion, RotationOf(rows[mode].a, rows[mode].b))) << mode;
    // The saved matrix unprojects the new way: only the central one divides by depth.
    EXPECT_EQ(g_dProjection[11], mode == 0 ? -1.0 : 0.0) << mode;
    for (int other = 0; other < 3; ++other) EXPECT_EQ(t.Check(rows[other].id), other == mode) << mode;
  }
}

TEST(WholeView, ThreeViewTurnsOrthographicWithItsAnglesAndBack) {
  const std::pair<double, double> angles[] = {{-75, -150}, {-75, -15}, {-75, -105}};
  for (int orientation = 0; orientation < 3; ++orientation) {
    MotionPage t;
    SwitchProjection(kProjCentral);
    t.Page().m_nAxisOrientation = orientation;
    g_bTraceDirty = true;
    g_bBackgroundDirty = 0;
    ASSERT_TRUE(t.Run(ID_VIEW_PORT));
    EXPECT_TRUE(t.Page().m_bThreeView && !g_bTraceDirty && g_bBackgroundDirty);
    EXPECT_EQ(std::make_pair(g_nProjection, t.Page().m_nProjection), std::make_pair(1, 1));
    const auto [a, b] = angles[orientation];
    EXPECT_TRUE(SameQuaternion(ViewQuaternion, RotationOf(a, b))) << orientation;
    std::fill_n(g_nViewport, 4, 300);  // a quadrant
    ASSERT_TRUE(t.Run(ID_VIEW_PORT));
    EXPECT_FALSE(t.Page().m_bThreeView);
    EXPECT_EQ(std::to_array(g_nViewport), (std::array{0, 0, g_nViewWidth, g_nViewHeight}));
  }
}

TEST(WholeView, StandardViewsFollowTheOrientationUnlessButtonsRun) {
  const std::pair<unsigned, std::array<double, 6>> rows[] = {{ID_VIEW_PORT_F, {-90, 180, -90, 0, -90, -90}},
                                                             {ID_VIEW_PORT_L, {-90, -90, -90, 90, -90, 0}},
                                                             {ID_VIEW_PORT_T, {0, 180, 0, 0, 0, -90}}};
  for (const auto& [id, angles] : rows) {
    for (int orientation = 0; orientation < 5; ++orientation) {
      MotionPage t;
      SwitchProjection(kProjOblique);
      t.Page().m_nAxisOrientation = orientation % 4;  // 3: no angles, the rotation stays
      g_nAxesMode = 2 | 4;
      ASSERT_TRUE(t.Run(ID_ROT_ZPLUS));
      t.Page().m_nTimerJob = orientation == 4 ? kJobButtons : kJobSpinZ;
      Displace();
      ASSERT_TRUE(t.Run(id));
      if (orientation == 4) {
        EXPECT_TRUE(g_fViewScale == 2.5f && t.timer.running) << id << " waits for the buttons";
        continue;
      }
      const Quaternion expected =
          orientation == 3 ? kTurned : RotationOf(angles[2 * orientation], angles[2 * orientation + 1]);
      EXPECT_TRUE(SameQuaternion(ViewQuaternion, expected)) << id << "/" << orientation;
      EXPECT_TRUE(AtDefaultPosition());
      EXPECT_EQ(std::make_tuple(t.Page().m_nProjection, g_nAxesMode, t.timer.running), std::make_tuple(1, 1, false));
    }
  }
  MotionPage t;
  ASSERT_TRUE(t.Run(ID_VIEW_PORT_T));  // orientation 1
  EXPECT_EQ(ViewQuaternion, kQuatIdentity) << "exactly";
}

TEST(WholeView, PlaneModeWithoutASectionLooksStraightDown) {
  struct Row {
    int axes, axesAfter, job;
    bool section;
  } const rows[] = {{1, 2, kJobSpinZ, false}, {1 | 4, 2 | 4, kJobStop, false}, {0, 0, kJobStop, false},
                    {2, 2, kJobStop, false},  {1, 1, kJobButtons, false},      {1, 1, kJobStop, true}};
  for (const Row& row : rows) {
    MotionPage t;
    SwitchProjection(kProjCentral);
    g_nAxesMode = row.axes;
    t.motion.StartTimer();
    t.Page().m_nTimerJob = static_cast<BYTE>(row.job);
    t.motion.startPlaneTransition = [&] { return row.section; };
    Displace();
    ASSERT_TRUE(t.Run(ID_VIEW_PORT_TT));
    EXPECT_EQ(g_nAxesMode, row.axesAfter) << row.axes;
    EXPECT_EQ(t.timer.running, row.job == kJobButtons) << row.axes;
    const bool moved = row.job != kJobButtons && !row.section;
    EXPECT_EQ(AtDefaultPosition(), moved) << row.axes;
    EXPECT_EQ(ViewQuaternion == kQuatIdentity && g_nProjection == kProjOrthographic, moved) << row.axes;
  }
}

}  // namespace
