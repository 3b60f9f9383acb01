// Colour helpers shared by the page and the view: the HSL conversion and the
// cycle of automatic face colours.
#pragma once
#include "platform/types.h"

// The standard HSL to RGB conversion; every value 0 to 1, the hue a fraction
// of a full turn.  A saturation of exactly 0 gives grey at the lightness.
void HslToRgb(double rgb[3], double hue, double saturation, double lightness);

// The next colour of the process-wide cycle of 12 hues x 3 lightnesses x 2
// saturations (72 colours) that new faces and automatic recolouring take;
// on a dark background (red + green + blue below 2) of the current page (the
// preferences' without one) the lightness is mirrored.  Advances the cycle.
COLORREF NextAutoColor();

// A background of four floats (0 to 1) as a colour word: red, green and
// blue times 255, truncated, red in the low byte.
COLORREF BackgroundColorRef(const float rgba[4]);
