#include "editing/dialogs/tracks/trackdialogs.h"

#include "commands/tracks/driverranges.h"
#include "editing/dialogs/parametric/parametricdialogs.h"
#include "editing/dialogs/parametric/parametrictexts.h"
#include "model/cellmap.h"
#include "model/cgvertex.h"
#include "model/globals.h"

void CDlgTrack::ListCells() {
  m_items.clear();
  m_flags.resize(m_ids.size(), 0);
  if (m_ids.empty() || !g_pCurCells) return;
  const auto add = [this](const CGCell& cell, size_t index, bool flagged) {
    if (m_bNewTrack) m_flags[index] = flagged ? 1 : 0;
    m_items.push_back({cell.m_strName, static_cast<int>(index)});
  };
  if (const CGCell* driver = g_pCurCells->Lookup(m_ids[0]); driver && driver->IsKindOf(RUNTIME_CLASS(CGVertex)))
    add(*driver, 0, true);
  for (size_t i = m_bTwoParameters ? 3 : 1; i < m_ids.size(); ++i) {
    const CGCell* cell = g_pCurCells->Lookup(m_ids[i]);
    if (cell && IsTrackDrawable(*cell)) add(*cell, i, !cell->m_bHidden);
  }
}

bool CDlgTrack::Ticked(size_t row) const {
  if (row >= m_items.size()) return false;
  const size_t index = static_cast<size_t>(m_items[row].index);
  return index < m_flags.size() && m_flags[index] == 1;
}

void CDlgTrack::Tick(size_t row, bool on) {
  if (row >= m_items.size()) return;
  const size_t index = static_cast<size_t>(m_items[row].index);
  if (index < m_flags.size()) m_flags[index] = on ? 1 : 0;
}

bool CDlgLocus::EditColour() {
  return EditExpressionText(m_variables, kTextEditColourFunction, CDlgCalculator::CURVE, m_strColour);
}
