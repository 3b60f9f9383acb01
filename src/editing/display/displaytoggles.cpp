// Commands that change how the selected cells of the current page are
// shown: hide, show all hidden, labels, fill, lit and translucent
// rendering, tracing, and three page- or program-wide switches.  None is
// recorded in the undo history; whatever changes what the document stores
// marks it modified, so closing asks to save.
#include "cells/dynamic/surfaces/surface.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/revolution/roundsolids.h"
#include "cells/texts/cgtextmap.h"
#include "commands/commandframe.h"
#include "editing/display/displaytexts.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/uibridge.h"
#include "render/viewglobals.h"

namespace {
constexpr BYTE kOpaque = 255;
constexpr BYTE kTranslucent = 90;
// The selection message's code for "the hidden cells are shown and selected".
constexpr WPARAM kShownSelected = 11;

template <typename F>
void ForEachSelected(CGPage& page, F f) {
  for (CGCell* cell : page.SelectedCells()) f(*cell);
}

// The first selected cell, whose state decides what a toggle does.
const CGCell* FirstSelected(const CGPage& page) {
  const std::vector<WORD> ids = page.SelectedIds();
  return ids.empty() ? nullptr : page.m_cells.LookupUntouched(ids.front());
}

bool IsRoundSolid(const CGCell& cell) {
  return cell.IsKindOf(RUNTIME_CLASS(CGSphere)) || cell.IsKindOf(RUNTIME_CLASS(CGCylinder)) ||
         cell.IsKindOf(RUNTIME_CLASS(CGCone)) || cell.IsKindOf(RUNTIME_CLASS(CGFrustum));
}

void Finish(CKavrelDoc& doc, CGPage& page, bool modified) {
  page.ClearSelection();
  if (modified) doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void OnHide(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || page->m_selAll.empty()) return;
  for (WORD id : page->m_selAll)
    if (CGCell* cell = page->m_cells.Lookup(id)) cell->m_bHidden = 1;
  Finish(doc, *page, true);
}

void OnUpdateHide(CKavrelDoc&, CCmdUI& ui) {
  bool any = false;
  if (CGPage* page = g_pCurPage)
    ForEachSelected(*page, [&](CGCell& cell) { any = any || !cell.m_bHidden; });
  ui.Enable(any);
}

void OnShowHidden(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  page->ClearSelection();
  for (CGCell* cell : page->CellsWhere([](const CGCell& cell) { return cell.m_bHidden != 0; })) {
    cell->m_bHidden = 0;
    cell->m_bSelected = true;
  }
  page->RebuildSelectionLists();
  UiBridge().Send(UiTarget::Frame, WM_SELECTION_CHANGED, kShownSelected, 40000 + page->m_nId);
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void OnUpdateShowHidden(CKavrelDoc&, CCmdUI& ui) {
  bool any = false;
  if (const CGPage* page = g_pCurPage)
    for (auto [id, cell] : page->m_cells) any = any || cell->m_bHidden;
  ui.Enable(any);
}

void OnToggleLabels(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  const CGCell* first = page ? FirstSelected(*page) : nullptr;
  if (!first) return;
  const BOOL hidden = first->m_bLabelHidden ? 0 : 1;
  ForEachSelected(*page, [&](CGCell& cell) {
    cell.m_bLabelHidden = hidden;
    if (cell.IsKindOf(RUNTIME_CLASS(CGTmVariable)) || cell.IsKindOf(RUNTIME_CLASS(CGTmVector))) {
      cell.m_bLabelStale = true;
      cell.Recalculate();
    }
  });
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void OnUpdateToggleLabels(CKavrelDoc&, CCmdUI& ui) {
  const CGCell* first = g_pCurPage ? FirstSelected(*g_pCurPage) : nullptr;
  ui.Enable(first != nullptr);
  if (first) ui.SetText(QString::fromUtf8(first->m_bLabelHidden ? kTextShowLabels : kTextHideLabels));
}

void ExchangeRgb(CGCell& cell) {
  std::swap(cell.m_rgbaColor.r, cell.m_rgbaLabel.r);
  std::swap(cell.m_rgbaColor.g, cell.m_rgbaLabel.g);
  std::swap(cell.m_rgbaColor.b, cell.m_rgbaLabel.b);
}

void FillArc(CGCell& arc) {
  if (arc.m_nSubKind > 1) {
    arc.m_nSubKind = static_cast<BYTE>(arc.m_nSubKind - 2);
    ExchangeRgb(arc);
    return;
  }
  arc.m_nSubKind = static_cast<BYTE>(arc.m_nSubKind + 2);
  const RGBA& label = g_prefs.rgbaLabel;
  RGBA& second = arc.m_rgbaLabel;
  if (second.r != label.r || second.g != label.g || second.b != label.b) return ExchangeRgb(arc);
  second.r = arc.m_rgbaColor.r;
  second.g = arc.m_rgbaColor.g;
  second.b = arc.m_rgbaColor.b;
  const COLORREF next = NextAutoColor();
  arc.m_rgbaColor.r = static_cast<BYTE>(next & 0xFF);
  arc.m_rgbaColor.g = static_cast<BYTE>(next >> 8 & 0xFF);
  arc.m_rgbaColor.b = static_cast<BYTE>(next >> 16 & 0xFF);
}

void OnFill(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  bool any = false;
  for (WORD id : page->m_selFaces)
    if (CGCell* face = page->m_cells.Lookup(id)) {
      if (face->m_nStyle == 4) face->m_rgbaColor.a = kOpaque;
      face->m_nStyle = face->m_nStyle == 1 ? 0 : 1;
      any = true;
    }
  for (WORD id : page->m_selPaths)
    if (CGCell* path = page->m_cells.Lookup(id); path && path->IsKindOf(RUNTIME_CLASS(CGArc))) {
      FillArc(*path);
      any = true;
    }
  Finish(doc, *page, any);
}

bool HasSelectedArc() {
  const CGPage* page = g_pCurPage;
  if (!page) return false;
  for (WORD id : page->m_selPaths)
    if (const CGCell* path = page->m_cells.Lookup(id); path && path->IsKindOf(RUNTIME_CLASS(CGArc))) return true;
  return false;
}

void OnUpdateFill(CKavrelDoc&, CCmdUI& ui) { ui.Enable(CountSelection().F > 0 || HasSelectedArc()); }

// Toggles between two styles; leaving the translucent style makes the
// cell opaque again.
void Toggle(CGCell& cell, BYTE on, BYTE off, BYTE translucent) {
  if (cell.m_nStyle == translucent) cell.m_rgbaColor.a = kOpaque;
  cell.m_nStyle = cell.m_nStyle == on ? off : on;
}

void Retessellate(CGCell& cell) {
  if (auto* surface = dynamic_cast<CGSurface*>(&cell)) surface->Tessellate();
}

// Lit rendering: points 0/2 -> 4, 1/3 -> 5, 4 -> 0, 5 -> 1; lines, faces,
// arcs, round solids and surfaces between their plain and lit styles.
void RenderLit(CGCell& cell) {
  if (cell.IsKindOf(RUNTIME_CLASS(CGVertex))) {
    static constexpr BYTE next[6] = {4, 5, 4, 5, 0, 1};
    if (cell.m_nStyle < 6) cell.m_nStyle = next[cell.m_nStyle];
  } else if (cell.IsKindOf(RUNTIME_CLASS(CGLine))) {
    cell.m_nStyle = cell.m_nStyle == 4 ? 0 : 4;
  } else if (cell.IsKindOf(RUNTIME_CLASS(CGFace))) {
    Toggle(cell, 3, 0, 4);
  } else if (cell.IsKindOf(RUNTIME_CLASS(CGArc))) {
    Toggle(cell, 1, 0, 2);
  } else if (IsRoundSolid(cell)) {
    Toggle(cell, 2, 0, 3);
  } else if (cell.IsKindOf(RUNTIME_CLASS(CGSurface))) {
    Toggle(cell, 0, 2, 1);  // surfaces: 0 -> 2, any other -> 0
    Retessellate(cell);
  }
}

// Translucency: faces, arcs, round solids and surfaces between their
// translucent style (alpha 90) and their lit one (alpha 255).
void RenderTranslucent(CGCell& cell) {
  BYTE on = 0, off = 0;
  if (cell.IsKindOf(RUNTIME_CLASS(CGFace))) on = 4, off = 3;
  else if (cell.IsKindOf(RUNTIME_CLASS(CGArc))) on = 2, off = 1;
  else if (IsRoundSolid(cell)) on = 3, off = 2;
  else if (cell.IsKindOf(RUNTIME_CLASS(CGSurface))) on = 1, off = 0;
  else return;
  const bool leaving = cell.m_nStyle == on;
  cell.m_nStyle = leaving ? off : on;
  cell.m_rgbaColor.a = leaving ? kOpaque : kTranslucent;
  Retessellate(cell);
}

template <void (*render)(CGCell&)>
void OnRender(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || page->m_selAll.empty()) return;
  ForEachSelected(*page, render);
  Finish(doc, *page, true);
}

void OnUpdateLit(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  ui.Enable(n.P > 0 || n.L > 0 || n.F > 0 || n.A > 0 || n.R > 0);
}

void OnUpdateTranslucent(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  ui.Enable(n.F > 0 || n.A > 0 || n.R > 0);
}

void OnTrace(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  const CGCell* first = page ? FirstSelected(*page) : nullptr;
  if (!first) return;
  const bool traced = !first->m_bTraced;
  ForEachSelected(*page, [&](CGCell& cell) { cell.m_bTraced = traced; });
  doc.SetModifiedFlag();
}

void OnUpdateTrace(CKavrelDoc&, CCmdUI& ui) {
  const CGCell* first = g_pCurPage ? FirstSelected(*g_pCurPage) : nullptr;
  ui.Enable(first != nullptr);
  if (first) ui.SetText(QString::fromUtf8(first->m_bTraced ? kTextStopTrace : kTextStartTrace));
}

void OnEraseTraces(CKavrelDoc&) {
  g_bBackgroundDirty = 1;
  UiBridge().UpdateAllViews();
}

void OnUpdateEraseTraces(CKavrelDoc&, CCmdUI& ui) { ui.Enable(g_bBackgroundDirty == 0); }

void OnDashedHiddenLines(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  page->m_bLitHidesDashed = page->m_bLitHidesDashed ? 0 : 1;
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void OnUpdateDashedHiddenLines(CKavrelDoc&, CCmdUI& ui) {
  ui.SetCheck(g_pCurPage && g_pCurPage->m_bLitHidesDashed ? 1 : 0);
}

template <int on>
void OnLabelAutoScale(CKavrelDoc&) {
  g_prefs.bLabelAutoScale = on;
  UiBridge().UpdateAllViews();
}

const CDocCommandRows rows({
    {ID_VIEW_HIDEOBJECTS, OnHide, OnUpdateHide},
    {ID_EDIT_SHOWOBJECT, OnShowHidden, OnUpdateShowHidden},
    {ID_VIEW_SHOWHIDE_LABEL, OnToggleLabels, OnUpdateToggleLabels},
    {ID_VIEW_FILL, OnFill, OnUpdateFill},
    {ID_VIEW_RENDERSOLID, OnRender<RenderLit>, OnUpdateLit},
    {ID_VIEW_TRANSLUCENT, OnRender<RenderTranslucent>, OnUpdateTranslucent},
    {ID_VIEW_TRACE, OnTrace, OnUpdateTrace},
    {kCmdEraseTraces, OnEraseTraces, OnUpdateEraseTraces},
    {kCmdDashedHiddenLines, OnDashedHiddenLines, OnUpdateDashedHiddenLines},
    {kCmdLabelAutoScaleOn, OnLabelAutoScale<1>},
    {kCmdLabelAutoScaleOff, OnLabelAutoScale<0>},
});
}  // namespace
