// The three ribbon sliders that pan the view: positions are tenths of a
// world unit; z is counted from its start value -50.
#pragma once

struct CSliderRange {
  int minimum, maximum;
};
// x, y, z.
inline constexpr CSliderRange kTranslationSliderRanges[3] = {{-400, 400}, {-300, 300}, {-600, 600}};
inline constexpr int kTranslationSliderWidth = 64;

// The view translation of one axis (0 x, 1 y, 2 z) for a slider position.
float SliderToTranslation(int axis, int position);
// The slider position for a translation, truncated toward zero.
int TranslationToSlider(int axis, float translation);
