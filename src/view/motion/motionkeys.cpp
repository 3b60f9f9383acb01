// The view's keys: zoom (Alt+Up, Alt+Down), pan (Shift and the arrows), the
// arrows with and without Ctrl, and the six spin commands.  While the view
// spins the arrows choose its axis and direction and Ctrl+Up and Ctrl+Down
// its speed; in the copy-box tool they size the box; with one point
// selected they move it a little; otherwise they turn the view a degree.
#include <algorithm>
#include <cmath>

#include "cells/constrained/follower.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/follower2d.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeinface.h"
#include "commands/pointvaluecommand.h"
#include "math/viewrotation.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "view/motion/motioncommands.h"
#include "view/motion/viewmotion.h"
#include "view/toolstate.h"

namespace {
constexpr float kMaxScale = 100.0f;
constexpr float kZoomStep = 0.2f;
constexpr float kZoomOutFloor = 0.21f;
constexpr float kMinScale = 0.01f;
constexpr float kPointStep = 0.01f;       // world units per key press
constexpr float kParameterStep = 0.001f;  // path parameter per key press
constexpr float kSpeedStep = 0.01f;
constexpr float kSlowestSpin = 0.02f;

enum Direction { kNegative = -1, kPositive = 1 };

// Zooming in never leaves the scale's range.
void OnZoomIn(CViewMotion& motion) {
  if (g_bLockView) return;
  g_fViewScale = g_fViewScale < kMaxScale ? std::min(g_fViewScale + kZoomStep, kMaxScale) : kMaxScale;
  motion.Redraw();
}

void OnZoomOut(CViewMotion& motion) {
  if (g_bLockView) return;
  g_fViewScale = g_fViewScale > kZoomOutFloor ? g_fViewScale - kZoomStep : kMinScale;
  motion.Redraw();
}

template <int axis, Direction direction>
void OnPan(CViewMotion& motion) {
  if (g_bLockView) return;
  g_fViewTranslate[axis] += static_cast<float>(direction) * g_fMotionStep;
  motion.Redraw();
  CViewMotion::UpdateSliders();
}

// The spin turns about `job`'s axis, the negative way or the positive one.
void ChooseSpin(BYTE job, Direction direction) {
  g_pCurPage->m_nTimerJob = job;
  g_fMotionStep = static_cast<float>(direction) * std::fabs(g_fMotionStep);
}

// The select tool with exactly one point selected: the point, or null.
CGCell* OnlySelectedPoint() {
  const CGPage* page = g_pCurPage;
  if (!page || g_nToolMode != 1 || page->m_selPoints.size() != 1) return nullptr;
  return page->m_cells.Lookup(page->m_selPoints.front());
}

// The moved point takes its place; its dependants follow when the key's
// edit ends.
void PlaceMovedPoint(CViewMotion& motion, CGCell& point) {
  point.ApplyParameter();
  // The page now differs from the saved one.
  if (CKavrelDoc* doc = motion.Document()) doc->SetModifiedFlag();
}

// Left and Right move a free point: along its path or along x.
void NudgeAlongPath(CViewMotion& motion, CGCell& point, Direction direction) {
  if (!point.IsKindOf(RUNTIME_CLASS(CGVerFree))) return;
  if (MovesInSpace(point))
    static_cast<CGVertex&>(point).m_vPos[0] += static_cast<float>(direction) * kPointStep;
  else
    point.m_fValue += static_cast<float>(direction) * kParameterStep;
  PlaceMovedPoint(motion, point);
}

// Up and Down (y), Ctrl+Up and Ctrl+Down (z) move any free point.
void NudgeAxis(CViewMotion& motion, CGCell& point, int axis, Direction direction) {
  if (!point.IsKindOf(RUNTIME_CLASS(CGVerFree))) return;
  static_cast<CGVertex&>(point).m_vPos[axis] += static_cast<float>(direction) * kPointStep;
  PlaceMovedPoint(motion, point);
}

// The copy box grows or shrinks by a pixel, never below one.
void ResizeCopyBox(int axis, Direction direction) {
  ViewToolState& tool = g_viewTool;
  tool.lastBoxSize[axis] = std::max(1, tool.lastBoxSize[axis] + direction);
  for (int i = 0; i < 2; ++i) tool.boxCorner[i] = tool.boxStart[i] + tool.lastBoxSize[i];
}

// Left/Right turn about z, Up/Down about x.
template <bool vertical, Direction direction>
void OnArrow(CViewMotion& motion) {
  const UINT key = vertical ? (direction == kNegative ? kCmdKeyUp : kCmdKeyDown)
                            : (direction == kNegative ? kCmdKeyLeft : kCmdKeyRight);
  if (motion.mediaKey && motion.mediaKey(key)) return;
  if (!motion.Document() || !g_pCurPage) return;
  if (motion.IsSpinning()) {
    ChooseSpin(vertical ? kJobSpinX : kJobSpinZ, direction);
  } else if (g_nToolMode == 8) {
    ResizeCopyBox(vertical ? 1 : 0, direction);
  } else if (CGCell* point = OnlySelectedPoint()) {
    // Up raises y, as the screen's up does.
    if (vertical)
      NudgeAxis(motion, *point, 1, direction == kNegative ? kPositive : kNegative);
    else
      NudgeAlongPath(motion, *point, direction);
  } else if (!g_bLockView) {
    if (vertical)
      RotateViewX(direction);
    else
      RotateViewZ(direction);
  }
  motion.Redraw();
}

template <Direction direction>
void OnCtrlLeftRight(CViewMotion& motion) {
  if (!motion.Document() || !g_pCurPage) return;
  if (motion.IsSpinning())
    ChooseSpin(kJobSpinY, direction);
  else if (g_nToolMode == 1 && !g_bLockView)
    RotateViewY(direction);
  motion.Redraw();
}

// Ctrl+Up slows the spin down to a step of 0.02, Ctrl+Down speeds it up;
// when the view is still they raise and lower a selected free point.
template <Direction direction>
void OnCtrlUpDown(CViewMotion& motion) {
  if (!motion.Document() || !g_pCurPage) return;
  if (motion.IsSpinning()) {
    const float sign = g_fMotionStep < 0 ? -1.0f : 1.0f;
    if (direction == kPositive && std::fabs(g_fMotionStep) > kSlowestSpin)
      g_fMotionStep -= sign * kSpeedStep;
    else if (direction == kNegative)
      g_fMotionStep += sign * kSpeedStep;
  } else if (CGCell* point = OnlySelectedPoint()) {
    NudgeAxis(motion, *point, 2, direction);
  }
  motion.Redraw();
}

template <BYTE job, bool negative>
void OnSpin(CViewMotion& motion) {
  motion.Spin(job, negative);
}

template <BYTE job, bool negative>
void CheckSpin(CViewMotion&, CCmdUI& ui) {
  const CGPage* page = g_pCurPage;
  ui.SetCheck(page && page->m_nTimerJob == job && (g_fMotionStep < 0) == negative ? 1 : 0);
}

template <BYTE job, bool negative>
constexpr CMotionCommandRow SpinRow(unsigned id) {
  return {id, OnSpin<job, negative>, CheckSpin<job, negative>};
}
}  // namespace

std::vector<CMotionCommandRow> MotionKeyRows() {
  return {
      {ID_ANIMA_DA, OnZoomIn},
      {ID_ANIMA_XIAO, OnZoomOut},
      {kCmdPanDown, OnPan<1, kNegative>},
      {kCmdPanUp, OnPan<1, kPositive>},
      {kCmdPanLeft, OnPan<0, kNegative>},
      {kCmdPanRight, OnPan<0, kPositive>},
      {kCmdKeyLeft, OnArrow<false, kNegative>},
      {kCmdKeyRight, OnArrow<false, kPositive>},
      {kCmdKeyUp, OnArrow<true, kNegative>},
      {kCmdKeyDown, OnArrow<true, kPositive>},
      {kCmdCtrlLeft, OnCtrlLeftRight<kNegative>},
      {kCmdCtrlRight, OnCtrlLeftRight<kPositive>},
      {kCmdCtrlUp, OnCtrlUpDown<kPositive>},
      {kCmdCtrlDown, OnCtrlUpDown<kNegative>},
      SpinRow<kJobSpinZ, false>(ID_ROT_ZPLUS),
      SpinRow<kJobSpinZ, true>(ID_ROT_ZMINUS),
      SpinRow<kJobSpinX, false>(ID_ROT_XPLUS),
      SpinRow<kJobSpinX, true>(ID_ROT_XMINUS),
      SpinRow<kJobSpinY, false>(ID_ROT_YPLUS),
      SpinRow<kJobSpinY, true>(ID_ROT_YMINUS),
  };
}
