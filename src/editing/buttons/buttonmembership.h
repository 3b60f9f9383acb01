// Which cells a show/hide button controls, changed from the selection
// (增删对象): the last selected button is the show/hide button, every other
// selected cell is toggled in or out of its targets.
#pragma once
#include <vector>

#include "platform/types.h"

class CGButnSHide;
class CGPage;
class CKavrelDoc;

struct CMembershipChange {
  int refused = 0;     // cells made after the button: they cannot be its targets
  bool empty = false;  // the button controls nothing now
};

// In id order: a target leaves the button (both lists), any other cell made
// before the button joins it (both lists), a later one is refused.  Each
// child list is changed once, the button's targets rewritten once.
CMembershipChange ToggleTargets(CGPage& page, CGButnSHide& button, std::vector<WORD> cells);

// Enabled when the last selected button is a show/hide button and
// something else is selected too.
void OnEditBtnAddobj(CKavrelDoc& doc);
