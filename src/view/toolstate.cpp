#include "view/toolstate.h"

#include "platform/processstate.h"

ViewToolState g_viewTool;

namespace {
const ProcessStateReset reset([] { g_viewTool = ViewToolState(); });
}  // namespace
