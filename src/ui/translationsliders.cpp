#include "ui/translationsliders.h"

namespace {
constexpr float kZOrigin = -50.0f;
}

float SliderToTranslation(int axis, int position) {
  const float value = static_cast<float>(position) / 10.0f;
  return axis == 2 ? value + kZOrigin : value;
}

int TranslationToSlider(int axis, float translation) {
  const float value = axis == 2 ? translation - kZOrigin : translation;
  return static_cast<int>(value * 10.0f);
}
