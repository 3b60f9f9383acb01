// The view's commands: each family lists rows of an id, a handler and an
// update rule over the view's mouse tools, and the view enters every
// family's rows in the command registry under its own name.  A family
// joins by adding its rows function to RegisterViewCommands.
#pragma once
#include <vector>

class CCmdUI;
class CMouseTools;

struct CViewCommandRow {
  unsigned id;
  void (*handler)(CMouseTools& tools);
  void (*update)(CMouseTools& tools, CCmdUI& ui) = nullptr;  // none: always enabled
};

// Tool modes, undo and redo, the trackball and snap switches.
std::vector<CViewCommandRow> ToolCommandRows();

// Registers every family's rows with `owner`, which withdraws them.
void RegisterViewCommands(CMouseTools& tools, const void* owner);
