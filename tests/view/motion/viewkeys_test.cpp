// The view's keys: zoom, pan, the arrows with and without Ctrl while the
// view spins, in the copy-box tool, on one selected point and otherwise.
#include "cells/constrained/dependentpoints.h"
#include "cells/constrained/follower.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/follower2d.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/cgverfreeinline.h"
#include "motionfixture.h"

namespace KAVREL_FILE_LOCAL {

TEST(ViewKeys, ZoomAndPanStayInRangeAndRespectTheLock) {
  struct Row {
    unsigned id;
    float scale, expected;  // or the step and the x, y pan
    float x = 0, y = 0;
  } const rows[] = {{ID_ANIMA_DA, 1.0f, 1.2f},   {ID_ANIMA_DA, 99.9f, 100.0f},   {ID_ANIMA_DA, 100.0f, 100.0f},
                    {ID_ANIMA_XIAO, 0.22f, 0.02f}, {ID_ANIMA_XIAO, 0.2f, 0.01f}, {ID_ANIMA_XIAO, 1.0f, 0.8f},
                    {kCmdPanDown, 0.5f, 0.5f, 0, -0.5f}, {kCmdPanUp, 0.5f, 0.5f, 0, 0.5f},
                    {kCmdPanLeft, 0.5f, 0.5f, -0.5f, 0}, {kCmdPanRight, 0.5f, 0.5f, 0.5f, 0}};
  for (const Row& row : rows) {
    for (bool locked : {false, true}) {
      MotionPage t;
      const bool pan = row.id < ID_ANIMA_DA;
      (pan ? g_fMotionStep : g_fViewScale) = row.scale;
      g_bLockView = locked;
      ASSERT_TRUE(t.Run(row.id));
      EXPECT_FLOAT_EQ(pan ? 0.5f : g_fViewScale, locked ? row.scale : row.expected) << row.id << " " << row.scale;
      EXPECT_EQ(g_fViewTranslate[0], locked ? 0 : row.x) << row.id;
      EXPECT_EQ(g_fViewTranslate[1], locked ? 0 : row.y) << row.id;
      EXPECT_EQ(t.seams.bridge->sliderUpdates, pan && !locked) << row.id;
    }
  }
}

TEST(ViewKeys, WhileSpinningArrowsChooseTheAxisAndCtrlUpDownTheSpeed) {
  struct Row {
    unsigned id;
    float step, stepAfter;
    int jobAfter;
  } const rows[] = {{kCmdKeyLeft, 0.7f, -0.7f, kJobSpinZ},   {kCmdKeyRight, -0.7f, 0.7f, kJobSpinZ},
                    {kCmdKeyUp, 0.7f, -0.7f, kJobSpinX},     {kCmdKeyDown, -0.7f, 0.7f, kJobSpinX},
                    {kCmdCtrlLeft, 0.7f, -0.7f, kJobSpinY},  {kCmdCtrlRight, -0.7f, 0.7f, kJobSpinY},
                    {kCmdCtrlUp, 1.0f, 0.99f, kJobSpinY},    {kCmdCtrlUp, 0.02f, 0.02f, kJobSpinY},
                    {kCmdCtrlUp, -0.5f, -0.49f, kJobSpinY},  {kCmdCtrlUp, 0.025f, 0.015f, kJobSpinY},
                    {kCmdCtrlDown, -0.5f, -0.51f, kJobSpinY}, {kCmdCtrlDown, 0.02f, 0.03f, kJobSpinY}};
  for (const Row& row : rows) {
    MotionPage t;
    const WORD a = t.Point(1, 2, 3);
    t.Select({a});  // the spin takes the keys before the point does
    ASSERT_TRUE(t.Run(ID_ROT_YPLUS));
    g_fMotionStep = row.step;
    const Quaternion view = ViewQuaternion;
    ASSERT_TRUE(t.Run(row.id));
    EXPECT_EQ(t.State(), std::make_pair(row.jobAfter, true)) << row.id;
    EXPECT_FLOAT_EQ(g_fMotionStep, row.stepAfter) << row.id << " from " << row.step;
    EXPECT_EQ(ViewQuaternion, view) << row.id;
    EXPECT_TRUE(Near(t.As<CGVertex>(a)->m_vPos, {1, 2, 3})) << row.id;
  }
}

TEST(ViewKeys, ArrowsMoveTheOneSelectedPointAndItsDependants) {
  struct Row {
    unsigned id;
    bool onLine, locked;
    std::array<double, 3> position;  // on the line: t 0.5 +- 0.001 moves x by 0.002
  } const rows[] = {{kCmdKeyLeft, true, false, {0.998, 0, 0}}, {kCmdKeyRight, true, false, {1.002, 0, 0}},
                    {kCmdKeyLeft, false, false, {1.99, 3, 4}}, {kCmdKeyRight, false, true, {2.01, 3, 4}},
                    {kCmdKeyUp, false, false, {2, 3.01, 4}},   {kCmdKeyDown, false, false, {2, 2.99, 4}},
                    {kCmdCtrlUp, false, false, {2, 3, 4.01}},  {kCmdCtrlDown, false, false, {2, 3, 3.99}}};
  for (const Row& row : rows) {
    MotionPage t;
    g_bLockView = row.locked;
    CGPage& page = t.Page();
    const WORD moved = row.onLine ? t.Enter(new CGVerFreeInLine(page.m_nNextId++, page.m_nNextVertex++, "P",
                                                                 t.Line(t.Point(0, 0, 0), t.Point(2, 0, 0)), 0.5f))
                                  : t.Point(2, 3, 4);
    const WORD segment = t.Line(moved, t.Point(10, 20, 30));
    const WORD mid = t.Enter(new CGVerMid(page.m_nNextId++, page.m_nNextVertex++, "M", segment));
    t.Select({moved});
    const Quaternion view = ViewQuaternion;
    ASSERT_TRUE(t.Run(row.id));
    const float* p = t.As<CGVertex>(moved)->m_vPos;
    EXPECT_TRUE(Near(p, row.position)) << row.id << " on a line " << row.onLine;
    EXPECT_TRUE(Near(t.As<CGVertex>(mid)->m_vPos, {(p[0] + 10) / 2, (p[1] + 20) / 2, (p[2] + 30) / 2})) << row.id;
    EXPECT_EQ(ViewQuaternion, view) << row.id;
    EXPECT_TRUE(t.doc.IsModified()) << row.id;
  }
}

TEST(ViewKeys, LeftAndRightMoveTheSixSpatialKindsAlongXNotAlongAPath) {
  const std::function<CGVertex*()> kinds[] = {
      [] { return new CGVerFreeXyz; },        [] { return new CGVerFreeHenchman; },
      [] { return new CGVerFree2dHenchman; }, [] { return new CGVerFreeUpright; },
      [] { return new CGVerFreeInFace; },     [] { return new CGVerFreeInPlane; }};
  for (const auto& make : kinds) {
    MotionPage t;
    CGVertex* point = make();
    point->m_nId = t.Page().m_nNextId++;
    point->m_fValue = 0.25f;
    t.Select({t.Enter(point)});
    ASSERT_TRUE(t.Run(kCmdKeyRight));
    EXPECT_EQ(point->m_fValue, 0.25f) << point->GetRuntimeClass()->m_lpszClassName;
  }
}

TEST(ViewKeys, ArrowsSizeTheCopyBoxNeverBelowAPixel) {
  MotionPage t;
  g_nToolMode = 8;
  g_viewTool.boxStart[0] = 30;
  g_viewTool.boxStart[1] = 40;
  std::copy_n(std::array{2, 1}.data(), 2, g_viewTool.lastBoxSize);
  for (auto [key, w, h] : {std::tuple(kCmdKeyLeft, 1, 1), {kCmdKeyLeft, 1, 1}, {kCmdKeyUp, 1, 1},
                           {kCmdKeyRight, 2, 1}, {kCmdKeyDown, 2, 2}}) {
    ASSERT_TRUE(t.Run(key));
    EXPECT_EQ(std::to_array(g_viewTool.lastBoxSize), (std::array{w, h})) << key;
    EXPECT_EQ(std::to_array(g_viewTool.boxCorner), (std::array{30 + w, 40 + h})) << key;
  }
  EXPECT_EQ(ViewQuaternion, RotationOf(-75, -15)) << "the view stays";
}

TEST(ViewKeys, OtherwiseArrowsTurnTheViewADegree) {
  const double c = std::cos(M_PI / 360), s = std::sin(M_PI / 360);
  struct Row {
    unsigned id;
    int mode, selected;  // points selected
    Quaternion turn;
  } const rows[] = {{kCmdKeyLeft, 1, 0, {c, 0, 0, -s}},  {kCmdKeyRight, 3, 1, {c, 0, 0, s}},
                    {kCmdKeyUp, 1, 2, {c, -s, 0, 0}},    {kCmdKeyDown, 1, 0, {c, s, 0, 0}},
                    {kCmdCtrlLeft, 1, 0, {c, 0, -s, 0}}, {kCmdCtrlRight, 1, 2, {c, 0, s, 0}},
                    {kCmdCtrlRight, 2, 0, kQuatIdentity}, {kCmdCtrlUp, 1, 0, kQuatIdentity}};
  for (const Row& row : rows) {
    for (bool locked : {false, true}) {
      MotionPage t;
      t.Select(t.Points(row.selected));
      g_nToolMode = row.mode;
      g_bLockView = locked;
      ViewQuaternion = kQuatIdentity;
      ASSERT_TRUE(t.Run(row.id));
      EXPECT_TRUE(SameQuaternion(ViewQuaternion, locked ? kQuatIdentity : row.turn)) << row.id << " " << row.mode;
      EXPECT_FALSE(t.doc.IsModified()) << row.id << ": no point moved";
    }
  }
}

TEST(ViewKeys, AnOpenMediaPlayerTakesTheArrowsFirst) {
  for (bool playerOpen : {false, true}) {
    MotionPage t;
    std::vector<UINT> offered;
    t.motion.mediaKey = [&](UINT key) {
      offered.push_back(key);
      return playerOpen;
    };
    ViewQuaternion = kQuatIdentity;
    // Two lefts, so that without a player the view ends turned.
    const std::vector<UINT> keys{kCmdKeyLeft, kCmdKeyLeft, kCmdKeyRight, kCmdKeyUp, kCmdKeyDown};
    for (UINT key : keys) ASSERT_TRUE(t.Run(key));
    EXPECT_EQ(offered, keys);
    EXPECT_EQ(SameQuaternion(ViewQuaternion, kQuatIdentity), playerOpen) << "the view turns only without a player";
  }
}

}  // namespace
