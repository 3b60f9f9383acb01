// How the page is looked at: the reset, play and stop, the three
// projections, the three-view layout, the standard views and plane mode.
#include "math/mathglobals.h"
#include "math/viewrotation.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/viewstate.h"
#include "platform/commandids.h"
#include "render/glresources.h"
#include "render/projection.h"
#include "view/motion/motioncommands.h"
#include "view/motion/viewangles.h"
#include "view/motion/viewmotion.h"

namespace {
template <int mode>
void OnProjection(CViewMotion& motion) {
  // Angles of each projection's own best view, not the reset's.
  static constexpr double kAngles[3][2] = {{-70, -20}, {-54.735610317245346, -135}, {-90, 0}};
  SwitchProjection(mode);
  SetViewRotation(kAngles[mode][0], kAngles[mode][1]);
  motion.Redraw();
}

template <int mode>
void CheckProjection(CViewMotion&, CCmdUI& ui) {
  ui.SetCheck(g_nProjection == mode ? 1 : 0);
}

void OnViewPort(CViewMotion& motion) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  page->m_bThreeView = page->m_bThreeView ? 0 : 1;
  if (page->m_bThreeView) {
    g_bTraceDirty = false;  // the quadrants draw no traces
    g_bBackgroundDirty = 1;
    if (g_nProjection != kProjOrthographic) SwitchProjection(kProjOrthographic);
    ViewAngles angles;
    if (ThreeViewAngles(page->m_nAxisOrientation, &angles)) ApplyViewAngles(angles);
  } else {
    SaveWholeViewport();
  }
  motion.Redraw();
}

// Running buttons are not interrupted: the views wait until they end.
CGPage* PageWithoutButtonsRunning() {
  CGPage* page = g_pCurPage;
  return page && page->m_nTimerJob != kJobButtons ? page : nullptr;
}

// Orthographic from the default place, the spin stopped.
void TakeOrthographicPosition(CViewMotion& motion) {
  motion.StopTimer();
  if (g_nProjection != kProjOrthographic) SwitchProjection(kProjOrthographic);
  SetDefaultPosition();
}

template <StandardView view>
void OnStandardView(CViewMotion& motion) {
  CGPage* page = PageWithoutButtonsRunning();
  if (!page) return;
  TakeOrthographicPosition(motion);
  ViewAngles angles;
  if (StandardViewAngles(view, page->m_nAxisOrientation, &angles)) ApplyViewAngles(angles);
  g_nAxesMode = kAxesSpatial;
  motion.Redraw();
  CViewMotion::UpdateSliders();
}

void OnViewPortTT(CViewMotion& motion) {
  if (!PageWithoutButtonsRunning()) return;
  motion.StopTimer();
  if (!motion.startPlaneTransition || !motion.startPlaneTransition()) {
    TakeOrthographicPosition(motion);
    ViewQuaternion = kQuatIdentity;
    if (g_nAxesMode & kAxesSpatial) g_nAxesMode = (g_nAxesMode & ~kAxesSpatial) | kAxesPlane;
  }
  motion.Redraw();
  CViewMotion::UpdateSliders();
}

void OnReset(CViewMotion& motion) { motion.OnViewTsfmReset(); }
void OnPlaystop(CViewMotion& motion) { motion.OnAnimaPlaystop(); }
void UpdatePlaystop(CViewMotion& motion, CCmdUI& ui) { motion.OnUpdateAnimaPlaystop(ui); }
}  // namespace

std::vector<CMotionCommandRow> ProjectionCommandRows() {
  return {
      {ID_VIEW_TSFM_RESET, OnReset},
      {ID_ANIMA_PLAYSTOP, OnPlaystop, UpdatePlaystop},
      {ID_VIEW_PROJ_PERSPEC, OnProjection<kProjCentral>, CheckProjection<kProjCentral>},
      {ID_VIEW_PROJ_ID_ORTHO, OnProjection<kProjOrthographic>, CheckProjection<kProjOrthographic>},
      {ID_VIEW_PROJ_ID_XIEERCE, OnProjection<kProjOblique>, CheckProjection<kProjOblique>},
      {ID_VIEW_PORT, OnViewPort},
      {ID_VIEW_PORT_F, OnStandardView<kViewFront>},
      {ID_VIEW_PORT_L, OnStandardView<kViewLeft>},
      {ID_VIEW_PORT_T, OnStandardView<kViewTop>},
      {ID_VIEW_PORT_TT, OnViewPortTT},
  };
}
