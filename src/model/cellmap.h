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
//
// While a user edit is open, the map of every page also notes what the edit
// touches there: every id it looks up, visits, enters or removes, the first
// time, with a digest of the record its cell held then.  The edit's end
// compares those with the records now on each page noted (CGPage::
// SettleEdits), so finding what an edit changed costs what it touched,
// never the page, and a write into a page that is not current settles on
// its own page like one into the current page.
#pragma once
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

#include "platform/editscope.h"
#include "platform/types.h"

class CGCell;
class CGPage;

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
      CGCell* cell = m_map->m_byId[id];
      if (m_map->Noting()) m_map->NoteTouched(id, *cell);
      return {id, cell};
    }
    const_iterator& operator++() { ++m_pos; return *this; }
    bool operator==(const const_iterator& o) const { return m_pos == o.m_pos; }
    bool operator!=(const const_iterator& o) const { return m_pos != o.m_pos; }

   private:
    const CCellMap* m_map;
    size_t m_pos;
  };

  // A page's map journals what edits touch; any other map (a record's
  // cells looked up by id) journals nothing.
  explicit CCellMap(CGPage* page = nullptr);
  CCellMap(const CCellMap&) = delete;
  CCellMap& operator=(const CCellMap&) = delete;
  ~CCellMap();

  // The cell stored under id, or null.
  CGCell* Lookup(WORD id) const {
    CGCell* cell = id < m_byId.size() ? m_byId[id] : nullptr;
    if (cell && Noting()) NoteTouched(id, *cell);
    return cell;
  }
  // The same, noting no touch: for the walks that change no stored record
  // (setting and collecting recalculation marks).
  CGCell* LookupUntouched(WORD id) const { return id < m_byId.size() ? m_byId[id] : nullptr; }
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
  // Whether a cell of the map writes its parents (CGCell::WritesParents).
  bool HasWriters() const { return m_nWriters > 0; }

  // Iteration in ascending id order; changing the map invalidates iterators.
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, m_ids.size()}; }

  // Mark journal (see above): called whenever a cell's mark is set.
  static void NoteMark(const CGCell& cell);
  // Appends the ids of the marked cells to out, in no particular order, and
  // clears their marks and the journal.
  void TakeMarked(std::vector<WORD>& out);

  // --- What an edit touches ------------------------------------------------
  // What a touched id held when the edit first reached it.
  struct Touched {
    const CGCell* cell = nullptr;  // never read through: only compared
    std::uint64_t digest = 0;      // CGCell::RecordDigest
    std::vector<WORD> written;     // the parents the cell writes (WritesParents)
    bool changed = false;          // counts as changed whatever its record says
  };
  // From the start of a user edit to its end every page's map notes what
  // the edit touches, whichever page is current.  Nothing is noted outside
  // an edit, nor in a pass that only reads (CReadingPass).
  static void StartTouches();
  static void StopTouches();
  // The page whose cells these are; null for a map of no page.
  CGPage* Page() const { return m_pPage; }
  // The cell under id counts as changed, whatever its record says: a change
  // made outside an edit (a drag's move that computes nothing, a running
  // button's last step) names what it changed, and the next edit's end
  // computes it.
  void NoteChanged(WORD id);
  // Every cell counts as changed: what an edit changed is not known (memory
  // ran out while noting it, or while computing it).
  void NoteAllChanged();
  // The ids touched since the journal last started, in the order first
  // touched, and what they held; *all tells that every cell counts as
  // changed.  The journal starts again.
  using TouchedList = std::vector<std::pair<WORD, Touched>>;
  TouchedList TakeTouched(bool* all);
  // The maps whose journals hold something since this was last asked, in
  // the order they first noted it; the list starts again.  A map that goes
  // leaves the list.
  static std::vector<CCellMap*> TakeJournaled();

  // What the journal saw, for a check that every changed record reached it
  // (the drawn edits' whole-document check): told of each id a settle took
  // from a journal and each id computed.  Null: nobody watches.
  class CWatch {
   public:
    virtual ~CWatch() = default;
    virtual void Settled(const CCellMap& map, WORD id) = 0;
    virtual void Computed(const CCellMap& map, WORD id) = 0;
  };
  static void SetWatch(CWatch* watch) { s_pWatch = watch; }
  static CWatch* Watch() { return s_pWatch; }

 private:
  static bool s_bTouchesOn;   // an edit is open
  static CCellMap* s_pJournaled;  // the first map whose journal holds something
  static CWatch* s_pWatch;
  bool Noting() const { return s_bTouchesOn && m_pPage && !CReadingPass::Running(); }
  // Enters the map in the list of those whose journal holds something.
  void Journaled() const;
  // The id's record, noted now with `cell` as it stands if it is new (with
  // the digest of its record when asked); null when memory ran out (every
  // cell then counts as changed).
  Touched* Noted(WORD id, CGCell* cell, bool digest) const;
  void NoteTouched(WORD id, CGCell& cell) const;
  void NoteEntry(WORD id, CGCell* previous, CGCell* entered);

  CGPage* m_pPage;
  mutable TouchedList m_touched;
  mutable std::vector<std::uint32_t> m_touchedAt;  // by id: 1 + the entry's place in m_touched; 0 none
  mutable bool m_bTouchedAll = false;
  // The list of maps whose journal holds something, linked through the
  // maps themselves, so listing one never fails for memory.
  mutable bool m_bJournaled = false;
  mutable CCellMap* m_pNextJournaled = nullptr;
  // Cells touched in this round carry its number (CGCell::m_nTouchRound),
  // so a cell looked up again costs one comparison.  Unique across maps.
  std::uint64_t m_nTouchRound;

  std::vector<CGCell*> m_byId;  // index = id; null where no cell
  size_t m_nWriters = 0;        // cells that write their parents
  std::vector<WORD> m_ids;      // ascending
  std::vector<WORD> m_marked;   // ids noted since the last TakeMarked, maybe repeated
  unsigned m_nStraySeen = 0;    // stray marks already covered by a full walk

  void NoteMarked(WORD id);
};
