#include "view/motion/viewmotion.h"

#include <algorithm>
#include <cmath>

#include "cells/pageservices/planemode.h"
#include "cells/solids/bodies/cgsubassembly.h"
#include "math/viewrotation.h"
#include "model/cgbutton.h"
#include "model/cgpage.h"
#include "model/document/docservices.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/runningbuttons.h"
#include "model/selection.h"
#include "platform/commandregistry.h"
#include "render/viewglobals.h"
#include "view/motion/viewangles.h"
#include "view/motion/viewtimer.h"
#include "view/tools/mousetools.h"
#include "view/toolstate.h"

namespace {
constexpr float kMinScale = 0.01f;
constexpr float kMaxScale = 100.0f;
constexpr float kWheelStep = 0.05f;
// The colour button's automatic colour, which as an ink colour is red.
constexpr COLORREF kAutomaticInk = 0xFF000000;
}  // namespace

CViewMotion::CViewMotion(CMouseTools& tools, IViewTimer& timer) : m_tools(tools), m_timer(timer) {
  stepTransition = [this] { return viewPair.Step(); };
  startPlaneTransition = [this] { return StartPlaneTransition(); };
}

bool CViewMotion::StartPlaneTransition() {
  CGPage* page = g_pCurPage;
  if (!page || !EnterPlaneMode()) return false;
  page->ClearSelection();
  viewPair.Fill(g_viewTransition);
  page->m_nTimerJob = kJobTransition;
  m_nPlaneMode |= kPlaneTransition;
  StartTimer();
  return true;
}

CKavrelDoc* CViewMotion::Document() const { return m_tools.Document(); }

void CViewMotion::Redraw() { m_tools.Surface().Redraw(); }

int CViewMotion::TimerPeriod() {
  // A period of 0 would tick whenever the program is idle.
  return std::max(1, 1000 / FramesPerSecond());
}

void CViewMotion::StartTimer() {
  if (m_bTimer) return;
  m_timer.Start(TimerPeriod());
  m_bTimer = true;
}

void CViewMotion::StopTimer() {
  if (!m_bTimer) return;
  m_timer.Stop();
  m_bTimer = false;
}

bool CViewMotion::IsSpinning() const {
  const CGPage* page = g_pCurPage;
  return m_bTimer && page && page->m_nTimerJob != kJobButtons;
}

void CViewMotion::OnTimer() {
  if (m_bInTick) return;
  m_bInTick = true;
  CGPage* page = g_pCurPage;
  const double degrees = 2.0 * g_fMotionStep;
  switch (page ? page->m_nTimerJob : static_cast<int>(kJobStop)) {
    case kJobButtons:
      if (g_bTraceDirty) m_tools.Surface().CaptureBackground();
      if (!StepRunningButtons()) {
        StopTimer();
        page->m_nTimerJob = kJobSpinZ;
      }
      break;
    case kJobSpinZ:
      RotateViewZ(degrees);
      break;
    case kJobSpinX:
      RotateViewX(degrees);
      break;
    case kJobSpinY:
      RotateViewY(degrees);
      break;
    case kJobTransition:
      if (!stepTransition || stepTransition()) {
        page->m_nTimerJob = kJobStop;
        if (m_nPlaneMode & kPlaneTransition) m_nPlaneMode = (m_nPlaneMode & ~kPlaneTransition) | kPlaneView;
      }
      break;
    default:
      StopTimer();
      if (page) page->m_nTimerJob = kJobSpinZ;
      break;
  }
  Redraw();
  m_bInTick = false;
}

void CViewMotion::OnAnimaPlaystop() {
  CGPage* page = g_pCurPage;
  if (!page || page->m_nTimerJob == kJobButtons) return;
  if (m_bTimer) {
    StopTimer();
  } else {
    StartTimer();
    if (page->m_nTimerJob > kJobSpinY) page->m_nTimerJob = kJobSpinZ;
  }
  Redraw();
}

void CViewMotion::OnUpdateAnimaPlaystop(CCmdUI& ui) const {
  const CGPage* page = g_pCurPage;
  ui.Enable(page && page->m_nTimerJob != kJobButtons);
  ui.SetCheck(m_bTimer && page && page->m_nTimerJob >= kJobSpinZ && page->m_nTimerJob <= kJobSpinY ? 1 : 0);
}

void CViewMotion::Spin(BYTE job, bool negative) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  page->m_nTimerJob = job;
  g_fMotionStep = negative ? -std::fabs(g_fMotionStep) : std::fabs(g_fMotionStep);
  if (!m_bTimer) OnAnimaPlaystop();
}

void CViewMotion::OnMouseWheel(int delta) {
  if (g_bLockView) return;
  if (delta > 0)
    g_fViewScale += kWheelStep;
  else if (delta < 0)
    g_fViewScale -= kWheelStep;
  g_fViewScale = std::clamp(g_fViewScale, kMinScale, kMaxScale);
  Redraw();
}

void CViewMotion::UpdateSliders() { UiBridge().UpdateTranslationSliders(); }

void CViewMotion::OnViewTsfmReset() {
  SetDefaultPosition();
  CGPage* page = g_pCurPage;
  ViewAngles angles;
  if (page && DefaultAngles(g_nProjection, page->m_nAxisOrientation, &angles)) ApplyViewAngles(angles);
  // Running buttons are not interrupted: their next tick draws the reset.
  if (page && page->m_nTimerJob == kJobButtons) return;
  StopTimer();
  if (m_nPlaneMode & kPlaneTransition) m_nPlaneMode = (m_nPlaneMode & ~kPlaneTransition) | kPlaneView;
  Redraw();
  UpdateSliders();
}

void CViewMotion::OnCellCommand(WORD id) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  const auto* button = dynamic_cast<const CGButton*>(page->m_cells.Lookup(id));
  if (button && button->m_bRunning) {
    page->SetButtonRunning(false, id);
    if (!page->m_runningButtons.empty()) {
      RefreshMovingSet(*page);
    } else {
      StopTimer();
      page->m_nTimerJob = kJobSpinZ;
    }
  } else if (page->SetButtonRunning(true, id)) {
    RefreshMovingSet(*page);
    page->m_nTimerJob = kJobButtons;
    StartTimer();
  }
  Redraw();
}

LRESULT CViewMotion::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  CKavrelDoc* doc = Document();
  switch (message) {
    case WM_CELL_COMMAND:
      if (wParam > 0xFFFF) return 0;  // no cell has such an id
      OnCellCommand(static_cast<WORD>(wParam));
      return 1;
    case WM_GOTO_PAGE:
      if (!doc) return 0;
      doc->GotoPageById(static_cast<WORD>(lParam), true);
      return 1;
    case WM_COLOR_CHOSEN: {
      const auto colour = static_cast<COLORREF>(wParam);
      if (ApplyColorToSelection(colour)) {
        if (g_pCurPage) g_pCurPage->ClearSelection();
        if (doc) doc->SetModifiedFlag(true);
      } else {
        const COLORREF rgb = colour == kAutomaticInk ? 0x0000FF : colour;
        g_rgbaInk.r = static_cast<BYTE>(rgb & 0xFF);
        g_rgbaInk.g = static_cast<BYTE>((rgb >> 8) & 0xFF);
        g_rgbaInk.b = static_cast<BYTE>((rgb >> 16) & 0xFF);
      }
      Redraw();
      return 1;
    }
    case WM_APPLY_MATERIAL:
      if (!g_pCurPage || !GiveCurrentMaterialToSelectedBody(*g_pCurPage)) return 0;
      if (doc) doc->SetModifiedFlag(true);
      Redraw();
      return 1;
    default:
      return 0;
  }
}

void CViewMotion::OnInitialUpdate() {
  CKavrelDoc* doc = Document();
  CGPage* page = g_pCurPage;
  if (!doc || !page) return;
  // The first document is made before the window that carries the undo
  // commands exists.
  doc->BindUndoMenu(*page);
  page->m_nTimerJob = kJobStop;
  const CDocumentServices& services = DocumentServices();
  if (services.refreshToolMenu) services.refreshToolMenu();
  if (doc->m_nVersion < kDocumentVersion && services.upgradePages) services.upgradePages();
  StartAutoRunButton(*page);
  // Strokes drawn over the previous document never belong to this one.
  EraseInkStrokes();
}

void EraseInkStrokes() {
  g_viewTool.finishedStrokes.clear();
  g_viewTool.inkPoints.clear();
}
