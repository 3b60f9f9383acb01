// Undo commands that take cells out of the current page and put them back:
// creating one cell, creating the newest n cells (with or without a change
// to an older cell), deleting a set of cells.
// A cell is always in exactly one place: the page's map or the command.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/undo/cmdprocessor.h"
#include "model/undo/cmdsupport.h"

// A cell taken out of the page, with where it sat in its parents' child lists.
struct CHeldCell {
  std::unique_ptr<CGCell> cell;
  CChildLinks links;
};

// The page's counters of automatic names and default places, taken before
// a creation so that discarding it gives them back with the ids.
struct CHandouts {
  explicit CHandouts(const CGPage& page);
  void GiveBack(CGPage& page) const;
  BYTE letter, suffix, textSlot, buttonSlot;
  float lastText[2], lastButton[2];
};

// Takes the cells with ids from `first` below `end` out of the page and
// deletes them, the id counter back at `first` and the other counters as
// `handouts` holds them: what memory running out left of a creation that
// was under way, which no command records.
void DiscardCells(CGPage& page, WORD first, WORD end, const CHandouts& handouts);

// Submits the page's cells from `first` on, just created, as one creation
// command named `name`.  When memory runs out on the way they are discarded
// as above and std::bad_alloc goes on.
void SubmitCreated(CGPage& page, WORD first, const CHandouts& handouts, const QString& name);

// One cell was created (the newest).  Tells the main frame at construction.
class CCmdAddCell : public CCmd {
 public:
  explicit CCmdAddCell(const QString& name);
  BOOL Undo() override;
  BOOL Redo() override;

 private:
  CHeldCell m_held;  // empty while the creation is done
  CForgottenIds m_forgotten;  // what undo cleared, given back by redo
};

// The newest n cells were created.  Tells the main frame at construction.
class CCmdAddCells : public CCmd {
 public:
  CCmdAddCells(int n, const QString& name);
  BOOL Undo() override;
  BOOL Redo() override;

 private:
  int m_nCount;
  std::map<WORD, CHeldCell> m_cells;  // filled while the creation is undone
  CForgottenIds m_forgotten;  // what undo cleared, given back by redo
};

// The newest n cells were created together with a change to a cell that
// was already there: `swap` exchanges that cell's state with the one kept
// for it, so undo takes the change back and redo makes it again.
class CCmdAddCellsAndChange : public CCmdAddCells {
 public:
  CCmdAddCellsAndChange(int n, const QString& name, std::function<void()> swap)
      : CCmdAddCells(n, name), m_swap(std::move(swap)) {}
  BOOL Undo() override;
  BOOL Redo() override;

 private:
  std::function<void()> m_swap;
};

// A set of cells was deleted.  The caller submits it and then calls Redo,
// which performs the deletion.
class CCmdDelCells : public CCmd {
 public:
  // The ids to delete, every descendant included; kept ascending.
  CCmdDelCells(std::vector<WORD> ids, const QString& name);
  BOOL Undo() override;
  BOOL Redo() override;
  const std::vector<WORD>& Ids() const { return m_ids; }

 private:
  std::vector<WORD> m_ids;
  std::map<WORD, CHeldCell> m_cells;  // filled while the deletion is done
};
