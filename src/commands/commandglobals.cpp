#include "commands/commandglobals.h"

#include "platform/processstate.h"

int g_nLineType;  // 0 from the start (static storage) and after every reset
int g_nPlanePolyCount = 4;

namespace {
const ProcessStateReset reset([] {
  g_nLineType = 0;
  g_nPlanePolyCount = 4;
});
}  // namespace
