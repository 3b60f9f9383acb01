#include "model/cellmap.h"

#include <algorithm>
#include <new>

#include "model/cgcell.h"
#include "model/globals.h"

namespace {
// Marks set on cells outside the current map, ever.
unsigned s_nStrayMarks = 0;
// Touch rounds handed out, ever: a round number belongs to one map.
std::uint64_t s_nTouchRounds = 0;
}  // namespace

bool CCellMap::s_bTouchesOn = false;
CCellMap* CCellMap::s_pJournaled = nullptr;
CCellMap::CWatch* CCellMap::s_pWatch = nullptr;

CCellMap::CCellMap(CGPage* page) : m_pPage(page), m_nTouchRound(++s_nTouchRounds) {}

CCellMap::~CCellMap() {
  if (g_pCurCells == this) g_pCurCells = nullptr;
  for (CCellMap** link = &s_pJournaled; *link; link = &(*link)->m_pNextJournaled) {
    if (*link != this) continue;
    *link = m_pNextJournaled;
    break;
  }
}

void CCellMap::StartTouches() { s_bTouchesOn = true; }

void CCellMap::StopTouches() { s_bTouchesOn = false; }

namespace {
// The record as the touch finds it; its digest only where the record will
// be compared (a cell entered or removed counts as changed whatever it
// holds).  Writing it reads no other cell, and is no part of the edit.
CCellMap::Touched RecordOf(CGCell* cell, bool digest) {
  CCellMap::Touched touched;
  touched.cell = cell;
  touched.changed = !digest;
  if (!cell) return touched;
  const CReadingPass reading;
  if (digest) touched.digest = cell->RecordDigest();
  if (cell->WritesParents()) touched.written = cell->m_parents;
  return touched;
}
}  // namespace

void CCellMap::Journaled() const {
  if (m_bJournaled) return;
  m_bJournaled = true;
  m_pNextJournaled = s_pJournaled;
  s_pJournaled = const_cast<CCellMap*>(this);
}

std::vector<CCellMap*> CCellMap::TakeJournaled() {
  std::vector<CCellMap*> maps;
  for (CCellMap* map = s_pJournaled; map; map = map->m_pNextJournaled) maps.push_back(map);
  for (CCellMap* map : maps) map->m_bJournaled = false, map->m_pNextJournaled = nullptr;
  s_pJournaled = nullptr;
  std::reverse(maps.begin(), maps.end());
  return maps;
}

CCellMap::Touched* CCellMap::Noted(WORD id, CGCell* cell, bool digest) const {
  Journaled();
  try {
    if (m_touchedAt.size() <= id) m_touchedAt.resize(std::max<size_t>(m_byId.size(), id + size_t{1}), 0);
    std::uint32_t& at = m_touchedAt[id];
    if (at == 0) {
      m_touched.emplace_back(id, RecordOf(cell, digest));
      at = static_cast<std::uint32_t>(m_touched.size());
    }
    return &m_touched[at - 1].second;
  } catch (const std::bad_alloc&) {
    m_bTouchedAll = true;
    return nullptr;
  }
}

void CCellMap::NoteAllChanged() {
  Journaled();
  m_bTouchedAll = true;
}

void CCellMap::NoteTouched(WORD id, CGCell& cell) const {
  if (cell.m_nTouchRound == m_nTouchRound) return;
  cell.m_nTouchRound = m_nTouchRound;
  Noted(id, &cell, true);
}

void CCellMap::NoteEntry(WORD id, CGCell* previous, CGCell* entered) {
  // Another cell under the id, or the same one entered again, is computed
  // as a new one: whatever its record, it may not have been computed here.
  if (Touched* touched = Noted(id, previous, false)) touched->changed = true;
  if (entered) entered->m_nTouchRound = m_nTouchRound;
}

void CCellMap::NoteChanged(WORD id) {
  if (Touched* touched = Noted(id, LookupUntouched(id), false)) touched->changed = true;
}

CCellMap::TouchedList CCellMap::TakeTouched(bool* all) {
  *all = m_bTouchedAll;
  m_bTouchedAll = false;
  m_nTouchRound = ++s_nTouchRounds;
  for (const auto& [id, touched] : m_touched) m_touchedAt[id] = 0;
  TouchedList touched;
  touched.swap(m_touched);
  return touched;
}

CGCell* CCellMap::SetAt(WORD id, CGCell* cell) {
  if (!cell) return RemoveKey(id);
  // What may allocate comes before the cell is entered: memory running out
  // leaves the map as it was, the id list in step with the table.
  if (id >= m_byId.size()) m_byId.resize(static_cast<size_t>(id) + 1, nullptr);
  CGCell* previous = m_byId[id];
  if (!Noting()) {
    // A stamp of an earlier round would let the next edit's first lookup
    // pass the cell by under its new id.
    cell->m_nTouchRound = 0;
  } else if (previous != cell) {
    NoteEntry(id, previous, cell);
  }
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
  if (previous && previous->WritesParents()) --m_nWriters;
  if (cell->WritesParents()) ++m_nWriters;
  return previous;
}

CGCell* CCellMap::RemoveKey(WORD id) {
  CGCell* cell = LookupUntouched(id);
  if (!cell) return nullptr;
  if (Noting()) NoteEntry(id, cell, nullptr);
  m_byId[id] = nullptr;
  m_ids.erase(std::lower_bound(m_ids.begin(), m_ids.end(), id));
  if (cell->WritesParents()) --m_nWriters;
  return cell;
}

void CCellMap::RemoveAll() {
  m_byId.clear();
  m_ids.clear();
  m_nWriters = 0;
  m_marked.clear();
  m_touched.clear();  // no cell is left to compute
  m_touchedAt.clear();
  m_bTouchedAll = false;
  m_nTouchRound = ++s_nTouchRounds;  // the cells that went keep no stamp of this map's round
  m_nStraySeen = s_nStrayMarks;
}

void CCellMap::NoteMark(const CGCell& cell) {
  CCellMap* map = g_pCurCells;
  if (map && map->LookupUntouched(cell.m_nId) == &cell) {
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
    CGCell* cell = LookupUntouched(id);
    if (cell && cell->m_bMarked) {
      out.push_back(id);
      cell->m_bMarked = false;
    }
  }
  m_marked.clear();
}
