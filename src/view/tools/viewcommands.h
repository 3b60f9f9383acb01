// The view's commands: each family lists rows of an id, a handler and an
// update rule over the object that carries it (the mouse tools here, the
// view's motion in view/motion/motioncommands.h), and the view enters every
// family's rows in the command registry under its own name.  A family joins
// by adding its rows function to RegisterViewCommands.
#pragma once
#include <utility>
#include <vector>

#include "platform/commandregistry.h"

class CMouseTools;

template <class Target>
struct CCommandRowOf {
  unsigned id;
  void (*handler)(Target& target);
  void (*update)(Target& target, CCmdUI& ui) = nullptr;  // none: always enabled
};
using CViewCommandRow = CCommandRowOf<CMouseTools>;

// Enters the rows, bound to `target`, with `owner`, which withdraws them.
template <class Target>
void RegisterCommandRows(const std::vector<CCommandRowOf<Target>>& rows, Target& target, const void* owner) {
  CCommandRegistry& registry = CommandRegistry();
  for (const CCommandRowOf<Target>& row : rows) {
    UpdateRule update;
    if (row.update) update = [&target, rule = row.update](CCmdUI& ui) { rule(target, ui); };
    registry.Register(
        row.id, [&target, handler = row.handler](unsigned) { handler(target); }, std::move(update), owner);
  }
}

// Tool modes, undo and redo, the trackball and snap switches.
std::vector<CViewCommandRow> ToolCommandRows();
// The ink pen and its strokes, the kept picture (snapshot and erase), the
// trimmed picture of the view, the play command, the texture pictures and
// the display preferences.
std::vector<CViewCommandRow> CaptureCommandRows();

// A user tool left half applied ends before another tool starts, and the
// construction tools' highlight goes.
void EndUserTool(CMouseTools& tools);

// Registers every family's rows with `owner`, which withdraws them.
void RegisterViewCommands(CMouseTools& tools, const void* owner);