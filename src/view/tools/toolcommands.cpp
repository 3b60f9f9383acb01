// The commands that choose the mouse tool, undo and redo on the current
// page, and the switches the tools read (trackball turning, grid snapping).
#include "model/cgpage.h"
#include "model/document/docservices.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "view/tools/mousetools.h"
#include "view/tools/viewcommands.h"
#include "view/toolstate.h"

namespace {
// The trackball switch of the preferences.
constexpr unsigned kCmdTrackball = 33715;
// Timer job that stops whatever the view's timer runs at its next tick.
constexpr BYTE kTimerJobStop = 5;
// Merged tools of the ribbon that build from the selection first.
enum MergedTool { kMergedPoint = 1, kMergedLine = 2, kMergedPolygon = 3, kMergedCircle = 4 };

void StopTimerJob() {
  if (g_pCurPage) g_pCurPage->m_nTimerJob = kTimerJobStop;
}

bool BuildFromSelection(int kind) {
  const auto& build = DocumentServices().buildFromSelection;
  return build && build(kind);
}

// A construction tool: what the selection builds, or else the tool itself.
bool StartDrawing(CMouseTools& tools, int kind, int mode) {
  EndUserTool(tools);
  tools.Surface().StopSpin();
  const bool built = BuildFromSelection(kind);
  if (!built) g_nToolMode = mode;
  g_viewTool.step = 0;
  return built;
}

template <int mode>
void CheckMode(CMouseTools&, CCmdUI& ui) {
  ui.SetCheck(g_nToolMode == mode ? 1 : 0);
}

void OnEditSelect(CMouseTools& tools) {
  EndUserTool(tools);
  g_nToolMode = 1;
  StopTimerJob();
  tools.Surface().Redraw();
}

void OnEditSelbox(CMouseTools& tools) {
  EndUserTool(tools);
  g_nToolMode = 7;
  StopTimerJob();
  g_viewTool.step = 0;
  tools.Surface().Redraw();
}

void OnEditCopybit(CMouseTools& tools) {
  tools.ClearHover();
  tools.Surface().StopSpin();
  g_nToolMode = 8;
  g_viewTool.step = 1;  // the box follows the pointer at once
  tools.Surface().Redraw();
}

void OnCreatePoint(CMouseTools& tools) {
  StartDrawing(tools, kMergedPoint, 2);
  tools.Surface().Redraw();
}

void OnCreateLine(CMouseTools& tools) {
  // Off the view until the pointer places it.
  if (!StartDrawing(tools, kMergedLine, 3)) std::fill_n(g_viewTool.pointer, 3, -1000.0);
  tools.Surface().Redraw();
}

void OnCreatePolygon(CMouseTools& tools) {
  StartDrawing(tools, kMergedPolygon, 4);
  g_viewTool.furtherCorners.clear();
  tools.Surface().Redraw();
}

void OnCreateCircle(CMouseTools& tools) {
  StartDrawing(tools, kMergedCircle, 5);
  tools.Surface().Redraw();
}

void OnEditUndo(CMouseTools& tools) {
  CGPage* page = g_pCurPage;
  if (!tools.Document() || !page) return;
  if (g_nToolMode != 6) {
    g_viewTool.step = 0;
    page->m_undo.Undo();
  } else {
    EndUserTool(tools);
    page->m_undo.Undo();
    page->m_nToolPendingId = -1;
  }
  tools.Surface().Redraw();
}

void OnUpdateEditUndo(CMouseTools&, CCmdUI& ui) { ui.Enable(g_pCurPage && g_pCurPage->m_undo.CanUndo()); }

void OnEditRedo(CMouseTools& tools) {
  CGPage* page = g_pCurPage;
  if (!tools.Document() || !page) return;
  page->m_undo.Redo();
  tools.Surface().Redraw();
}

// A user tool's instance counts its cells from the page's next id, which
// a redo would move.
void OnUpdateEditRedo(CMouseTools&, CCmdUI& ui) {
  ui.Enable(g_pCurPage && g_pCurPage->m_undo.CanRedo() && g_nToolMode != 6);
}

void OnTrackball(CMouseTools&) { g_prefs.bScreenRotation = g_prefs.bScreenRotation ? 0 : 1; }

void OnViewSnap(CMouseTools&) { g_bSnapToGrid = g_bSnapToGrid ? 0 : 1; }
void OnUpdateViewSnap(CMouseTools&, CCmdUI& ui) { ui.SetCheck(g_bSnapToGrid ? 1 : 0); }
}  // namespace

void EndUserTool(CMouseTools& tools) {
  tools.ClearHover();
  CGPage* page = g_pCurPage;
  if (tools.Document() && page && EndPendingTool(*page)) tools.Document()->SetModifiedFlag();
}

std::vector<CViewCommandRow> ToolCommandRows() {
  return {
      {ID_EDIT_SELECT, OnEditSelect, CheckMode<1>},
      {ID_EDIT_SELBOX, OnEditSelbox, CheckMode<7>},
      {ID_EDIT_COPYBIT, OnEditCopybit},
      {ID_CREATE_POINT, OnCreatePoint, CheckMode<2>},
      {ID_CREATE_LINE, OnCreateLine, CheckMode<3>},
      {ID_CREATE_POLYGON, OnCreatePolygon, CheckMode<4>},
      {ID_CREATE_CIRCLE, OnCreateCircle, CheckMode<5>},
      {ID_EDIT_UNDO, OnEditUndo, OnUpdateEditUndo},
      {ID_EDIT_REDO, OnEditRedo, OnUpdateEditRedo},
      {kCmdTrackball, OnTrackball},
      {ID_VIEW_SNAP, OnViewSnap, OnUpdateViewSnap},
  };
}
