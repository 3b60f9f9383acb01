#include "render/currentmaterial.h"

#include "platform/processstate.h"

CMaterialValues g_curMaterial;

namespace {
const ProcessStateReset reset([] { g_curMaterial = CMaterialValues(); });
}  // namespace
