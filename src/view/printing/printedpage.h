// A page drawn for the printer as it looks when it has just been turned
// to, without what turning to it does: while the scope lives the page is
// current with its own view, vertex slots and nothing selected, the kept
// picture and the tool overlays are left out, and no button, timer job or
// message is started.  Afterwards the page that was current is shown as
// before.
#pragma once
#include <vector>

#include "view/toolstate.h"

class CGCell;
class CGPage;

class CPrintedPageScope {
 public:
  explicit CPrintedPageScope(CGPage& page);
  ~CPrintedPageScope();
  CPrintedPageScope(const CPrintedPageScope&) = delete;
  CPrintedPageScope& operator=(const CPrintedPageScope&) = delete;

 private:
  CGPage* m_pPage;
  CGPage* m_pPrevious;
  std::vector<CGCell*> m_selected;  // unselected while printed
  unsigned char m_backgroundDirty;
  int m_toolMode;
  ViewToolState m_tool;
};
