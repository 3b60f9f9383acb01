// Aligning the selected buttons or measurements into an evenly spaced
// column under the last one's left edge, and centring or left-aligning
// texts.  The placement cursors continue below the column, so the next new
// button or measurement lands under it.
#include <cmath>
#include <vector>

#include "cells/texts/cgtextbit.h"
#include "editing/restructure/restructure.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/uibridge.h"
#include "render/viewglobals.h"

namespace {
int Trunc(double v) { return static_cast<int>(std::trunc(v)); }

// Puts the listed cells in a column at the last one's x, evenly from the
// first one's y to the last one's; returns the column's x and last y.
bool Column(const CGPage& page, const std::vector<WORD>& ids, float& x, float& y1) {
  std::vector<CGCell*> cells;
  for (WORD id : ids)
    if (CGCell* cell = page.m_cells.Lookup(id)) cells.push_back(cell);
  if (cells.size() < 2) return false;
  x = cells.back()->m_vLabelAnchor[0];
  const float y0 = cells.front()->m_vLabelAnchor[1];
  y1 = cells.back()->m_vLabelAnchor[1];
  const float step = (y1 - y0) / static_cast<float>(cells.size() - 1);
  // A value that follows a point moves its offset along.
  for (size_t i = 0; i < cells.size(); ++i) {
    cells[i]->MoveAnchor(0, x);
    cells[i]->MoveAnchor(1, y0 + static_cast<float>(i) * step);
  }
  return true;
}

float Width(const CGTextbit& text) {
  const float width = static_cast<float>(text.m_nWidth);
  if (text.IsKindOf(RUNTIME_CLASS(CGTbImage))) return width * static_cast<const CGTbImage&>(text).ZoomX();
  return width;
}

void AlignTexts(const CGPage& page, float u) {
  const std::vector<WORD>& ids = page.m_selTexts;
  if (ids.empty()) return;
  CGCell* first = page.m_cells.Lookup(ids.front());
  if (!first || !first->IsKindOf(RUNTIME_CLASS(CGTextbit))) return;
  if (ids.size() == 1) {
    first->MoveAnchor(0, -Width(*static_cast<CGTextbit*>(first)) * u * 0.5f);
    return;
  }
  // A text that follows a point moves its offset too, or its point would
  // put it back.
  const float x = first->m_vLabelAnchor[0];
  for (WORD id : ids)
    if (CGCell* text = page.m_cells.Lookup(id)) text->MoveAnchor(0, x);
}

void OnEditFlush(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || !FitsFlush(*page)) return;
  const float u = g_fUnitsPerPixel;
  const double k = 1.0 / (static_cast<double>(u) * 20.0);
  float x = 0, y1 = 0;
  if (page->m_selButtons.size() > 1 && Column(*page, page->m_selButtons, x, y1))
    page->NoteButtonPosition(static_cast<float>(x * k), static_cast<float>(y1 * k));
  if (page->m_selValues.size() > 1 && Column(*page, page->m_selValues, x, y1)) {
    page->m_ptLastText[0] = static_cast<float>(x * k);
    page->m_ptLastText[1] = static_cast<float>(y1 * k);
    page->m_nTextSlot = static_cast<BYTE>(Trunc((19.0 - x * k) / 12.0) * 16 - Trunc((11.0 - y1 * k + 0.75) / -1.5) + 1);
  }
  AlignTexts(*page, u);
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void OnUpdateFlush(CKavrelDoc&, CCmdUI& ui) { ui.Enable(g_pCurPage && FitsFlush(*g_pCurPage)); }

const CDocCommandRows rows({
    {ID_EDIT_FLUSH, OnEditFlush, OnUpdateFlush},
});
}  // namespace

bool FitsFlush(const CGPage& page) {
  return page.m_selButtons.size() > 1 || page.m_selValues.size() > 1 || !page.m_selTexts.empty();
}
