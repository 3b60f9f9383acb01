// The drawn edits' whole-document check that the journal saw every write
// (support/documentsteps.h).  After a step, every record of every page
// that changed since the step before, or that came, was seen during the
// step: computed, or taken by a settle holding what it holds now (a write
// after the settle went unseen).  A record is its cell and the cell's
// digest (CGCell::RecordDigest), by page and id: 整编 enters a renumbered
// cell under its new id, which the journal notes as a new record.
#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "model/cellmap.h"

class CGCell;
class CGPage;
class CKavrelDoc;

class JournalCheck : public CCellMap::CWatch {
 public:
  // Watches the journal while it lives (the watch in force before comes
  // back after); the records as they stand now are the first step's
  // records before.
  explicit JournalCheck(CKavrelDoc& doc);
  ~JournalCheck() override;
  JournalCheck(const JournalCheck&) = delete;
  JournalCheck& operator=(const JournalCheck&) = delete;

  // What the journal sees from now counts for the step.
  void StartStep();
  // Empty when the journal saw every record the step changed or brought,
  // else the first one it missed.  The records as they stand become the
  // next step's records before.
  std::string EndStep();

  void Settled(const CCellMap& map, WORD id) override;
  void Computed(const CCellMap& map, WORD id) override;

 private:
  // A page by its identity and its id (a page that went may leave its
  // address to a new one), and a cell's id.
  using Key = std::pair<const CGPage*, std::uint32_t>;
  // A record is the cell that holds it and its digest: another cell put in
  // a cell's place (an undo's, or a copy) is computed as a new one, even
  // with the same record, for what it holds besides its record.
  struct Record {
    const CGCell* cell = nullptr;
    std::uint64_t digest = 0;
    bool operator==(const Record&) const = default;
  };
  static Key KeyOf(const CGPage& page, WORD id);
  // The document's page whose map this is, while a step runs; else null.
  const CGPage* PageOf(const CCellMap& map) const;
  // Empty when the record is as before, or the journal saw it as it now
  // stands; else what the journal missed.
  std::string Unseen(const CGPage& page, WORD id, const Record& now) const;

  CKavrelDoc& m_doc;
  CCellMap::CWatch* m_previous;
  bool m_bStep = false;
  std::map<Key, Record> m_before;
  std::map<Key, Record> m_settled;  // what the last settle of the step found
  std::set<Key> m_computed;
};
