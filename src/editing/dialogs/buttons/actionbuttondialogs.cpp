#include "editing/dialogs/buttons/actionbuttondialogs.h"

const CSpeedChoice kAnimationSpeeds{0.5f, 0.1f, 0.01f};
const CSpeedChoice kWalkSpeeds{0.2f, 0.02f, 0.002f};
const CSpeedChoice kMoveSpeeds{0.2f, 0.1f, 0.05f};

int CSpeedChoice::IndexOf(float step) const {
  if (step == quick) return kQuick;
  if (step == medium) return kMedium;
  if (step == slow) return kSlow;
  return kCustom;
}

float CSpeedChoice::StepOf(int index, float custom) const {
  switch (index) {
    case kQuick: return quick;
    case kMedium: return medium;
    case kSlow: return slow;
    default: return custom;
  }
}
