// Line width, point size and the display precision of measured values:
// one step wider or narrower, the default, or a typed value for the
// selected cells.  A value's "size" is its precision step (0.01 shows two
// decimals), so wider shows one more decimal and narrower one fewer.  Not
// recorded in the undo history.
#include "cells/texts/cgtextmap.h"
#include "cells/texts/inkmarks.h"
#include "commands/commandframe.h"
#include "editing/dialogs/display/displaydialogs.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "platform/commandregistry.h"
#include "platform/uibridge.h"
#include "render/viewglobals.h"

namespace {
constexpr float kMaxWidth = 19.5f;
constexpr float kMinWidth = 1.0f;
constexpr float kWidthStep = 0.5f;
constexpr float kFinestStep = 0.0000999f;
constexpr float kCoarsestStep = 0.10001f;
constexpr float kDefaultStep = 0.01f;
constexpr float kInkWidth = 2.5f;
constexpr float kLargestStep = 1.0001f;

bool IsText(const CGCell& cell) { return cell.IsKindOf(RUNTIME_CLASS(CGTextmap)); }

void SetStep(CGCell& text, float step) {
  text.m_fSize = step;
  text.m_bLabelStale = true;
  text.Recalculate();
}

void Wider(CGCell& cell) {
  if (IsText(cell)) {
    // A value already at the finest step keeps it.
    if (cell.m_fSize > kFinestStep) SetStep(cell, cell.m_fSize / 10);
  } else if (cell.m_fSize < kMaxWidth) {
    cell.m_fSize += kWidthStep;
  }
}

void Narrower(CGCell& cell) {
  if (IsText(cell)) {
    if (cell.m_fSize < kCoarsestStep) SetStep(cell, cell.m_fSize * 10);
  } else if (cell.m_fSize > kMinWidth) {
    cell.m_fSize -= kWidthStep;
  }
}

void DefaultWeight(CGCell& cell) {
  if (cell.IsKindOf(RUNTIME_CLASS(CGVertex))) cell.m_fSize = g_prefs.fPointSize;
  else if (cell.IsKindOf(RUNTIME_CLASS(CGInkmarks))) cell.m_fSize = kInkWidth;
  else if (IsText(cell)) SetStep(cell, kDefaultStep);
  else cell.m_fSize = g_prefs.fLineWidth;
}

template <void (*change)(CGCell&)>
void OnWeight(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || page->m_selAll.empty()) return;
  for (CGCell* cell : page->SelectedCells()) change(*cell);
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

// The cell whose size the dialog opens with: the first selected point,
// line, arc or path, else measured value.
CGCell* ReferenceCell(CGPage& page) {
  for (const auto* list : {&page.m_selPoints, &page.m_selLines, &page.m_selPaths, &page.m_selValues})
    if (!list->empty()) return page.m_cells.Lookup(list->front());
  return nullptr;
}

void OnWeightDialog(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  CGCell* reference = page ? ReferenceCell(*page) : nullptr;
  if (!reference) return;
  if (page->m_selPoints.empty() && page->m_selLines.empty() && page->m_selPaths.empty() &&
      reference->m_fSize > kLargestStep)
    reference->m_fSize = kDefaultStep;
  CDlgWeight dialog;
  dialog.m_fWeight = reference->m_fSize;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  for (CGCell* cell : page->SelectedCells()) {
    if (IsText(*cell))
      SetStep(*cell, dialog.m_fWeight > kLargestStep ? kDefaultStep : dialog.m_fWeight);
    else
      cell->m_fSize = dialog.m_fWeight;
  }
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void OnUpdateWeight(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  ui.Enable(n.P > 0 || n.L > 0 || n.A > 0 || n.V > 0);
}

const CDocCommandRows rows({
    {ID_VIEW_WEIGHT_JIA, OnWeight<Wider>, OnUpdateWeight},
    {ID_VIEW_WEIGHT_JIAN, OnWeight<Narrower>, OnUpdateWeight},
    {ID_VIEW_WEIGHT_MOREN, OnWeight<DefaultWeight>, OnUpdateWeight},
    {ID_VIEW_WEIGHT_SHURU, OnWeightDialog, OnUpdateWeight},
});
}  // namespace
