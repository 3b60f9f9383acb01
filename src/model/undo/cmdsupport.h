// What the undo commands share: taking a cell out of its parents' child
// lists and putting it back exactly where it was, and the message that tells
// the main frame the page's cells changed.
#pragma once
#include <vector>

#include "platform/types.h"
#include "platform/uibridge.h"

class CCellMap;
class CGCell;

// Where a cell's id sat in the child list of each of its parents.  Putting
// it back at the same places, in the reverse order of taking it out, leaves
// every child list exactly as it was, order included, so an undone action
// stores the same bytes as before it.
class CChildLinks {
 public:
  // Removes one occurrence of the cell's id from the child list of each
  // parent entry found in `cells`, and remembers the positions.
  void Unlink(const CCellMap& cells, const CGCell& cell);
  // Inserts the id again where Unlink found it.  A parent that did not list
  // the cell does not list it afterwards either.
  void Relink(const CCellMap& cells, const CGCell& cell) const;

 private:
  std::vector<int> m_positions;  // per parent entry; -1 where it was not listed
};

// WM_CELLS_CHANGED to the main frame: a signed change of the count of the
// newest cells (lParam 0), or 0 / 1 with lParam a `const std::vector<WORD>*`
// of ids about to go / just back (valid during the call only).
void SendCellsChanged(std::intptr_t change, const std::vector<WORD>* ids = nullptr);

// Cells whose corners are vertex-array slots: the array is refilled when
// one of them comes or goes.
bool UsesVertexSlots(const CGCell& cell);
