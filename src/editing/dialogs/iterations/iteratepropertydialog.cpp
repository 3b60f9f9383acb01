#include "editing/dialogs/iterations/iteratepropertydialog.h"

#include <algorithm>

#include "cells/dynamic/iterations/iteration.h"
#include "cells/texts/cgtextmap.h"
#include "editing/dialogs/iterations/iteratedialog.h"
#include "editing/dialogs/iterations/iterationdialogtexts.h"
#include "model/cellmap.h"
#include "model/globals.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

namespace {
bool Contains(const std::vector<WORD>& ids, WORD id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }
void Redraw() { UiBridge().UpdateAllViews(); }
}  // namespace

CGIterate* CDlgPropertyIterate::Cell() const {
  CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(m_nIterate) : nullptr;
  return dynamic_cast<CGIterate*>(cell);
}

void CDlgPropertyIterate::Initialise() {
  const CGIterate* cell = Cell();
  if (!cell) return;
  m_nDepth = cell->m_nDepth >= 0 && cell->m_nDepth <= kShownDepthLimit ? cell->m_nDepth : 0;
  m_strName = cell->m_strName;
  m_bTableShown = cell->m_bTableShown ? 1 : 0;
  m_bAllLevels = cell->m_bShowAllLevels ? 1 : 0;
  m_bSolidLinesOnly = cell->m_bSolidLinesOnly ? 1 : 0;
  m_bTableAcross = cell->TableOrientation() != 0 ? 1 : 0;
  m_bDepthFromParameter = cell->DepthFromValue();
  m_objects.clear();
  for (WORD id : cell->m_chain) {
    const CGCell* member = g_pCurCells->Lookup(id);
    m_objects.push_back({id, member ? member->m_strName : QString(),
                         Contains(cell->m_drawn, id) || Contains(cell->m_table, id)});
  }
  m_rules = IterationRules(cell->m_idArrays);
}

int CDlgPropertyIterate::SuggestedDepth(const CGIterate& cell) {
  return cell.m_nMappings <= 0 || cell.m_chain.empty() ? -1 : cell.MaxDepth();
}

void CDlgPropertyIterate::Tick(int row, bool ticked) {
  CGIterate* cell = Cell();
  if (!cell || row < 0 || row >= static_cast<int>(m_objects.size())) return;
  CObject& object = m_objects[static_cast<size_t>(row)];
  const CGCell* member = g_pCurCells->Lookup(object.id);
  std::vector<WORD>& list =
      member && member->IsKindOf(RUNTIME_CLASS(CGTmVariable)) ? cell->m_table : cell->m_drawn;
  list.erase(std::remove(list.begin(), list.end(), object.id), list.end());
  if (ticked) list.push_back(object.id);
  object.ticked = ticked;
  Redraw();
}

void CDlgPropertyIterate::SetDepth(int depth) {
  CGIterate* cell = Cell();
  if (!cell) return;
  m_nDepth = depth;
  const int suggested = SuggestedDepth(*cell);
  if (suggested >= 0 && depth > suggested && depth < kHintedDepthLimit)
    KvMessageBox(QString::fromUtf8(kTextSuggestedDepth).replace(QStringLiteral("%d"), QString::number(suggested)),
                 QString::fromUtf8(kCaptionDepth), MB_OK | MB_ICONINFORMATION);
  cell->m_nDepth = depth;
  Redraw();
}

void CDlgPropertyIterate::SetTableShown(bool on) {
  CGIterate* cell = Cell();
  if (!cell) return;
  m_bTableShown = on ? 1 : 0;
  cell->m_bTableShown = m_bTableShown;
  if (on) {
    m_bSolidLinesOnly = 0;
    cell->m_bSolidLinesOnly = 0;
  } else {
    m_bTableAcross = 0;  // the across form only goes with the table
    cell->m_nLabelExtra[0] = 0;
  }
  Redraw();
}

void CDlgPropertyIterate::SetSolidLinesOnly(bool on) {
  CGIterate* cell = Cell();
  if (!cell) return;
  m_bSolidLinesOnly = on ? 1 : 0;
  cell->m_bSolidLinesOnly = m_bSolidLinesOnly;
  if (on) {
    m_bTableShown = 0;
    cell->m_bTableShown = 0;
    m_bTableAcross = 0;
    cell->m_nLabelExtra[0] = 0;
  }
  Redraw();
}

void CDlgPropertyIterate::SetAllLevels(bool on) {
  CGIterate* cell = Cell();
  if (!cell) return;
  m_bAllLevels = on ? 1 : 0;
  cell->m_bShowAllLevels = m_bAllLevels;
  Redraw();
}

void CDlgPropertyIterate::SetTableAcross(bool on) {
  CGIterate* cell = Cell();
  if (!cell) return;
  m_bTableAcross = on && m_bTableShown ? 1 : 0;
  cell->m_nLabelExtra[0] = m_bTableAcross;
  Redraw();
}

void CDlgPropertyIterate::SetName(const QString& name) {
  CGIterate* cell = Cell();
  if (!cell) return;
  m_strName = name;
  cell->m_strName = name;
  cell->m_bNameFixed = true;
  Redraw();
}
