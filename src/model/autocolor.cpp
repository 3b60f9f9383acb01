#include "model/autocolor.h"

#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/processstate.h"

namespace {
constexpr double kHues[12] = {0, 120, 240, 60, 180, 300, 90, 210, 330, 30, 150, 270};
constexpr double kSaturations[2] = {1.0, 0.5};
constexpr double kLightnesses[3] = {0.85, 0.7, 0.55};

// The cycle runs on for the whole session, across pages and documents.
int s_nHue = 0;
int s_nLightness = 0;
int s_nSaturation = 0;

const ProcessStateReset reset([] { s_nHue = s_nLightness = s_nSaturation = 0; });

double HueToChannel(double p, double q, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  if (6 * t < 1) return p + (q - p) * (6 * t);
  if (2 * t < 1) return q;
  if (3 * t < 2) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}

BYTE ToByte(double c) { return static_cast<BYTE>(static_cast<int>(c * 255 + 0.5) & 0xFF); }
}  // namespace

void HslToRgb(double rgb[3], double hue, double saturation, double lightness) {
  if (saturation == 0) {
    rgb[0] = rgb[1] = rgb[2] = lightness;
    return;
  }
  const double q = lightness < 0.5 ? lightness * (1 + saturation)
                                   : lightness + saturation - lightness * saturation;
  const double p = 2 * lightness - q;
  rgb[0] = HueToChannel(p, q, hue + 1.0 / 3);
  rgb[1] = HueToChannel(p, q, hue);
  rgb[2] = HueToChannel(p, q, hue - 1.0 / 3);
}

COLORREF NextAutoColor() {
  double lightness = kLightnesses[s_nLightness];
  // The page being shown decides what is dark; each page has its own.
  const float* bg = g_pCurPage ? g_pCurPage->m_rgbaBackground : g_prefs.background.data();
  if (bg[0] + bg[1] + bg[2] < 2.0f) lightness = 1 - lightness;
  double rgb[3];
  HslToRgb(rgb, kHues[s_nHue] / 360, kSaturations[s_nSaturation], lightness);
  if (++s_nHue == 12) {
    s_nHue = 0;
    if (++s_nLightness == 3) {
      s_nLightness = 0;
      s_nSaturation ^= 1;
    }
  }
  return ToByte(rgb[0]) | (ToByte(rgb[1]) << 8) | (static_cast<COLORREF>(ToByte(rgb[2])) << 16);
}

COLORREF BackgroundColorRef(const float rgba[4]) {
  COLORREF word = 0;
  for (int i = 0; i < 3; ++i) {
    const float c = rgba[i] * 255;
    // A stored value outside 0 to 1 is held to the byte's range, not wrapped.
    const BYTE b = !(c > 0) ? 0 : c >= 255 ? 255 : static_cast<BYTE>(c);
    word |= static_cast<COLORREF>(b) << (8 * i);
  }
  return word;
}
