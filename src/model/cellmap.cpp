#include "model/cellmap.h"

#include <algorithm>

#include "model/cgcell.h"
#include "model/globals.h"

namespace {
// Marks set on cells outside the current map, ever.
unsigned s_nStrayMarks = 0;
}  // namespace

CCellMap::~CCellMap() {
  if (g_pCurCells == this) g_pCurCells = nullptr;
}

CGCell* CCellMap::SetAt(WORD id, CGCell* cell) {
  if (!cell) return RemoveKey(id);
  // What may allocate comes before the cell is entered: memory running out
  // leaves the map as it was, the id list in step with the table.
  if (id >= m_byId.size()) m_byId.resize(static_cast<size_t>(id) + 1, nullptr);
  CGCell* previous = m_byId[id];
  if (!previous) {
    if (m_ids.empty() || m_ids.back() < id) {
      m_ids.push_back(id);
    } else {
      m_ids.insert(std::lower_bound(m_ids.begin(), m_ids.end(), id), id);
    }
  }
  // A cell marked before it came in must still be found by the next collection.
  if (cell->m_bMarked) {
    try {
      m_marked.push_back(id);
    } catch (...) {
      if (!previous) m_ids.erase(std::lower_bound(m_ids.begin(), m_ids.end(), id));
      throw;
    }
  }
  m_byId[id] = cell;
  return previous;
}

CGCell* CCellMap::RemoveKey(WORD id) {
  CGCell* cell = Lookup(id);
  if (!cell) return nullptr;
  m_byId[id] = nullptr;
  m_ids.erase(std::lower_bound(m_ids.begin(), m_ids.end(), id));
  return cell;
}

void CCellMap::RemoveAll() {
  m_byId.clear();
  m_ids.clear();
  m_marked.clear();
  m_nStraySeen = s_nStrayMarks;
}

void CCellMap::NoteMark(const CGCell& cell) {
  CCellMap* map = g_pCurCells;
  if (map && map->Lookup(cell.m_nId) == &cell) {
    map->NoteMarked(cell.m_nId);
  } else {
    ++s_nStrayMarks;
  }
}

void CCellMap::NoteMarked(WORD id) {
  // Marks set and cleared again by other walks leave stale entries behind;
  // once they outnumber the cells, the journal is rebuilt from the marks.
  if (m_marked.size() > 2 * m_ids.size() + 64) {
    m_marked.clear();
    for (WORD other : m_ids)
      if (m_byId[other]->m_bMarked) m_marked.push_back(other);
  }
  m_marked.push_back(id);
}

void CCellMap::TakeMarked(std::vector<WORD>& out) {
  if (m_nStraySeen != s_nStrayMarks) {
    m_nStraySeen = s_nStrayMarks;
    m_marked = m_ids;  // some mark may be anywhere: look at every cell
  }
  for (WORD id : m_marked) {
    CGCell* cell = Lookup(id);
    if (cell && cell->m_bMarked) {
      out.push_back(id);
      cell->m_bMarked = false;
    }
  }
  m_marked.clear();
}
