#include "view/tools/viewcommands.h"

#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

void RegisterViewCommands(CMouseTools& tools, const void* owner) {
  CCommandRegistry& registry = CommandRegistry();
  // Each family of view commands adds its rows here.
  RegisterCommandRows(ToolCommandRows(), tools, owner);
  RegisterCommandRows(CaptureCommandRows(), tools, owner);
  // The user-defined tool's own command comes with the user tools; until
  // then its button shows only whether that tool is on.
  registry.Register(
      ID_CUSTOM_TOOL, [](unsigned) {},
      [](CCmdUI& ui) {
        ui.Enable(false);
        ui.SetCheck(g_nToolMode == 6 ? 1 : 0);
      },
      owner, CommandPriority::Fallback);
}
