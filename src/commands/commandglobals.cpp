#include "commands/commandglobals.h"

#include "platform/processstate.h"

int g_nLineType;  // 0 from the start (static storage) and after every reset

namespace {
const ProcessStateReset reset([] { g_nLineType = 0; });
}  // namespace
