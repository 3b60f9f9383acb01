// The id-to-cell map of a page.  It visits its cells in ascending id order:
// a fixed order that is also creation order, so the vertex slots, the
// drawing order and a stored page come out the same on every run, and the
// marked ids it collects are already sorted.  Lookup is a direct index.
//
// Like the class library's pointer maps it does not own what it holds: the
// page deletes its cells, and undo commands keep the cells they take out.
//
// The map also keeps a journal of the ids whose recalculation mark was set
// while it was the current map (CGCell::m_bMarked notes them), so collecting
// the marked cells visits only those, not the whole page.  A mark set on a
// cell that is not in the current map cannot be journaled; it is counted,
// and the next collection of every map walks all its cells once instead.
#pragma once
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

#include "platform/types.h"

class CGCell;

class CCellMap {
 public:
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::pair<WORD, CGCell*>;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = value_type;
    const_iterator(const CCellMap* map, size_t pos) : m_map(map), m_pos(pos) {}
    value_type operator*() const {
      const WORD id = m_map->m_ids[m_pos];
      return {id, m_map->m_byId[id]};
    }
    const_iterator& operator++() { ++m_pos; return *this; }
    bool operator==(const const_iterator& o) const { return m_pos == o.m_pos; }
    bool operator!=(const const_iterator& o) const { return m_pos != o.m_pos; }

   private:
    const CCellMap* m_map;
    size_t m_pos;
  };

  CCellMap() = default;
  CCellMap(const CCellMap&) = delete;
  CCellMap& operator=(const CCellMap&) = delete;
  ~CCellMap();

  // The cell stored under id, or null.
  CGCell* Lookup(WORD id) const { return id < m_byId.size() ? m_byId[id] : nullptr; }
  // Stores cell under id and returns the cell it replaced (null when none).
  // A null cell removes the entry.
  CGCell* SetAt(WORD id, CGCell* cell);
  // Removes the entry and returns its cell (null when there was none).
  CGCell* RemoveKey(WORD id);
  void RemoveAll();

  size_t size() const { return m_ids.size(); }
  bool empty() const { return m_ids.empty(); }
  int GetCount() const { return static_cast<int>(m_ids.size()); }
  // The ids in ascending order.
  const std::vector<WORD>& Ids() const { return m_ids; }

  // Iteration in ascending id order; changing the map invalidates iterators.
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, m_ids.size()}; }

  // Mark journal (see above): called whenever a cell's mark is set.
  static void NoteMark(const CGCell& cell);
  // Appends the ids of the marked cells to out, in no particular order, and
  // clears their marks and the journal.
  void TakeMarked(std::vector<WORD>& out);

 private:
  std::vector<CGCell*> m_byId;  // index = id; null where no cell
  std::vector<WORD> m_ids;      // ascending
  std::vector<WORD> m_marked;   // ids noted since the last TakeMarked, maybe repeated
  unsigned m_nStraySeen = 0;    // stray marks already covered by a full walk

  void NoteMarked(WORD id);
};
