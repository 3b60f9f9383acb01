#include "editing/buttons/viewbuttoncommands.h"

#include <memory>

#include "cells/dynamic/buttons/viewbuttons.h"
#include "editing/buttons/viewbuttontexts.h"
#include "math/mathglobals.h"
#include "math/viewturn.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/undo/cmdcells.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "platform/processstate.h"
#include "platform/uibridge.h"
#include "render/viewglobals.h"

namespace {
CViewSnapshot g_start, g_end;

const ProcessStateReset reset([] { g_start = g_end = CViewSnapshot(); });

const CDocCommandRows rows({
    {ID_EDIT_BTN_START, OnEditBtnStart},
    {ID_EDIT_BTN_END, OnEditBtnEnd},
    {ID_EDIT_BTN_TRANSLATE, OnEditBtnTranslate},
    {ID_EDIT_BTN_ROTATE, OnEditBtnRotate},
    {ID_EDIT_BTN_ZOOM, OnEditBtnZoom},
});

Quaternion QuaternionOf(const CViewSnapshot& state) {
  const float* r = state.rotation;
  return {r[0], r[1], r[2], r[3]};
}

// Enters a button made by `make` (given the next id) as one undo step.
template <class Make>
void AddViewButton(CKavrelDoc& doc, const char* undoName, Make make) {
  CGPage* page = g_pCurPage;
  if (!page || !page->HasRoomForCells(1)) return;
  const WORD id = page->m_nNextId++;
  page->m_cells.SetAt(id, make(id));
  page->m_undo.Submit(std::make_unique<CCmdAddCell>(QString::fromUtf8(undoName)));
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}
}  // namespace

CViewSnapshot& ViewStartSnapshot() { return g_start; }
CViewSnapshot& ViewEndSnapshot() { return g_end; }

CViewSnapshot CurrentViewSnapshot() {
  CViewSnapshot now;
  for (int i = 0; i < 3; ++i) now.translate[i] = g_fViewTranslate[i];
  const Quaternion& q = ViewQuaternion;
  const double parts[4] = {q.w, q.x, q.y, q.z};
  for (int i = 0; i < 4; ++i) now.rotation[i] = static_cast<float>(parts[i]);
  now.zoom = g_fViewScale;
  return now;
}

CDlgViewTrans ViewTransDialogOf(const CViewSnapshot& start, const CViewSnapshot& end) {
  CDlgViewTrans data;
  for (int i = 0; i < 3; ++i) data.m_centres[i] = {start.translate[i], end.translate[i]};
  return data;
}

CDlgViewRotate ViewRotateDialogOf(const CViewSnapshot& start, const CViewSnapshot& end) {
  const ViewTurn turn = TurnBetween(QuaternionOf(start), QuaternionOf(end));
  CDlgViewRotate data;
  data.m_pairs[0] = {start.rotation[0], static_cast<float>(turn.degrees)};
  for (int i = 1; i < 4; ++i) data.m_pairs[i] = {start.rotation[i], static_cast<float>(turn.axis[i - 1])};
  return data;
}

CDlgViewScale ViewScaleDialogOf(const CViewSnapshot& start, const CViewSnapshot& end) {
  CDlgViewScale data;
  data.m_fStart = start.zoom;
  data.m_fTarget = end.zoom;
  return data;
}

void OnEditBtnStart(CKavrelDoc&) { g_start = CurrentViewSnapshot(); }
void OnEditBtnEnd(CKavrelDoc&) { g_end = CurrentViewSnapshot(); }

void OnEditBtnTranslate(CKavrelDoc& doc) {
  CDlgViewTrans d = ViewTransDialogOf(g_start, g_end);
  if (DialogProvider().DoModal(d) != IDOK) return;
  const CValuePair* c = d.m_centres;
  AddViewButton(doc, kCmdNameAddViewTranslate, [&d, c](WORD id) {
    return new CGButnTranslate(id, d.m_strLabel, c[0].start, c[1].start, c[2].start, c[0].other, c[1].other,
                               c[2].other, d.m_nDirection, d.m_nPlayCount, d.m_fDuration, d.m_fPause);
  });
}

void OnEditBtnRotate(CKavrelDoc& doc) {
  CDlgViewRotate d = ViewRotateDialogOf(g_start, g_end);
  if (DialogProvider().DoModal(d) != IDOK) return;
  const CValuePair* p = d.m_pairs;
  AddViewButton(doc, kCmdNameAddViewRotate, [&d, p](WORD id) {
    return new CGButnRotate(id, d.m_strLabel, p[0].start, p[1].start, p[2].start, p[3].start, p[1].other,
                            p[2].other, p[3].other, p[0].other, d.m_nDirection, d.m_nPlayCount, d.m_fDuration,
                            d.m_fPause);
  });
}

void OnEditBtnZoom(CKavrelDoc& doc) {
  CDlgViewScale d = ViewScaleDialogOf(g_start, g_end);
  if (DialogProvider().DoModal(d) != IDOK) return;
  AddViewButton(doc, kCmdNameAddViewScale, [&d](WORD id) {
    return new CGButnScale(id, d.m_strLabel, d.m_fStart, d.m_fTarget, d.m_nDirection, d.m_nPlayCount,
                           d.m_fDuration, d.m_fPause);
  });
}
