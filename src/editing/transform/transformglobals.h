// The fixed values typed last in the transformation dialogs, which the
// next dialog offers; process-wide for the run of the program, never
// saved.  ResetProcessState() puts back the values the program starts with.
#pragma once
#include "platform/types.h"

extern float g_vTranslate[3];        // (0, 0, 1)
extern float g_vRotateAxisDir[3];    // (0, 0, 1)
extern float g_vRotateAxisPoint[3];  // (0, 0, 0)
extern float g_fRotateDegrees;       // 90
extern float g_fScaleRatio;          // 0.5
// The reflection mask: bit 0 negates x, bit 1 y, bit 2 z; 7 the origin.
extern BYTE g_nReflectKind;
