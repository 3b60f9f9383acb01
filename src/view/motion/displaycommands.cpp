// The switches of what the view shows and what the mouse may do: axes and
// grid, coordinate lines, the two locks (the page keeps a copy of each),
// the three-view page's fourth quadrant, the resolution boundary and the
// colour solid.
#include "math/mathglobals.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "render/glresources.h"
#include "view/motion/motioncommands.h"
#include "view/motion/viewmotion.h"
#include "view/toolstate.h"

namespace {
// Off, then the spatial axes for a turned view or the plane axes for one
// seen straight from above, then off again.
void OnViewGrid(CViewMotion& motion) {
  if (g_nAxesMode & kAxesSpatial)
    g_nAxesMode &= ~kAxesSpatial;
  else if (g_nAxesMode & kAxesPlane)
    g_nAxesMode &= ~kAxesPlane;
  else
    g_nAxesMode |= ViewQuaternion.w != 1.0 ? kAxesSpatial : kAxesPlane;
  motion.Redraw();
}
void CheckViewGrid(CViewMotion&, CCmdUI& ui) { ui.SetCheck(g_nAxesMode & (kAxesSpatial | kAxesPlane) ? 1 : 0); }

void OnViewGrid3(CViewMotion& motion) {
  g_nAxesMode ^= kAxesGrid;
  motion.Redraw();
}
void CheckViewGrid3(CViewMotion&, CCmdUI& ui) { ui.SetCheck(g_nAxesMode & kAxesGrid ? 1 : 0); }

// A flag of the view's tool state that a command flips.
template <bool ViewToolState::*flag>
void OnToolFlag(CViewMotion& motion) {
  g_viewTool.*flag = !(g_viewTool.*flag);
  motion.Redraw();
}
template <bool ViewToolState::*flag>
void CheckToolFlag(CViewMotion&, CCmdUI& ui) {
  ui.SetCheck(g_viewTool.*flag ? 1 : 0);
}

// A lock with the current page's copy of it.
template <BOOL* lock, bool CGPage::*copy>
void OnLock(CViewMotion& motion) {
  *lock = *lock ? 0 : 1;
  if (CGPage* page = g_pCurPage) page->*copy = *lock != 0;
  motion.Redraw();
}
template <BOOL* lock>
void CheckLock(CViewMotion&, CCmdUI& ui) {
  ui.SetCheck(*lock ? 1 : 0);
}

void OnFourthQuadrant(CViewMotion& motion) {
  if (CGPage* page = g_pCurPage) page->m_bFourthQuadrant = !page->m_bFourthQuadrant;
  motion.Redraw();
}
void CheckFourthQuadrant(CViewMotion&, CCmdUI& ui) {
  ui.SetCheck(g_pCurPage && g_pCurPage->m_bFourthQuadrant ? 1 : 0);
}
}  // namespace

std::vector<CMotionCommandRow> DisplayCommandRows() {
  return {
      {ID_VIEW_GRID, OnViewGrid, CheckViewGrid},
      {ID_VIEW_GRID3, OnViewGrid3, CheckViewGrid3},
      {ID_VIEW_COORDLINE, OnToolFlag<&ViewToolState::coordinateLines>,
       CheckToolFlag<&ViewToolState::coordinateLines>},
      {ID_VIEW_LOCK, OnLock<&g_bLockView, &CGPage::m_bLockView>, CheckLock<&g_bLockView>},
      {ID_VIEW_LOCKTOW, OnLock<&g_bLockDrag, &CGPage::m_bLockDrag>, CheckLock<&g_bLockDrag>},
      {ID_VIEW_3VIEWSHOWPER, OnFourthQuadrant, CheckFourthQuadrant},
      {kCmdResolutionBoundary, OnToolFlag<&ViewToolState::resolutionBoundary>},
      {kCmdColourSolid, OnToolFlag<&ViewToolState::colourSolid>},
  };
}
