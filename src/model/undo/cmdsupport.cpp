#include "model/undo/cmdsupport.h"

#include <algorithm>

#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/cgvertex.h"
#include "model/kindtests.h"

void CChildLinks::Unlink(const CCellMap& cells, const CGCell& cell) {
  m_positions.clear();
  for (WORD parentId : cell.m_parents) {
    // A child list is no part of what an edit compares (RecordDigest).
    CGCell* parent = cells.LookupUntouched(parentId);
    int position = -1;
    if (parent) {
      auto& children = parent->m_children;
      auto it = std::find(children.begin(), children.end(), cell.m_nId);
      if (it != children.end()) {
        position = static_cast<int>(it - children.begin());
        children.erase(it);
      }
    }
    m_positions.push_back(position);
  }
}

void CChildLinks::Relink(const CCellMap& cells, const CGCell& cell) const {
  const size_t count = std::min(m_positions.size(), cell.m_parents.size());
  for (size_t i = count; i-- > 0;) {
    CGCell* parent = cells.LookupUntouched(cell.m_parents[i]);
    if (!parent || m_positions[i] < 0) continue;
    auto& children = parent->m_children;
    const size_t at = std::min(static_cast<size_t>(m_positions[i]), children.size());
    children.insert(children.begin() + static_cast<std::ptrdiff_t>(at), cell.m_nId);
  }
}

void SendCellsChanged(std::intptr_t change, const std::vector<WORD>* ids) {
  UiBridge().Send(UiTarget::Frame, WM_CELLS_CHANGED, static_cast<WPARAM>(change),
                  reinterpret_cast<LPARAM>(ids));
}

bool UsesVertexSlots(const CGCell& cell) {
  return cell.IsKindOf(RUNTIME_CLASS(CGVertex)) || IsKindOfAnyClassName(&cell, {"CGLine", "CGFace"});
}
