#include "editing/transform/transformglobals.h"

#include "platform/processstate.h"

float g_vTranslate[3] = {0, 0, 1};
float g_vRotateAxisDir[3] = {0, 0, 1};
float g_vRotateAxisPoint[3] = {0, 0, 0};
float g_fRotateDegrees = 90;
float g_fScaleRatio = 0.5f;
BYTE g_nReflectKind = 7;

namespace {
const ProcessStateReset reset([] {
  g_vTranslate[0] = g_vTranslate[1] = 0;
  g_vTranslate[2] = 1;
  g_vRotateAxisDir[0] = g_vRotateAxisDir[1] = 0;
  g_vRotateAxisDir[2] = 1;
  g_vRotateAxisPoint[0] = g_vRotateAxisPoint[1] = g_vRotateAxisPoint[2] = 0;
  g_fRotateDegrees = 90;
  g_fScaleRatio = 0.5f;
  g_nReflectKind = 7;
});
}  // namespace
