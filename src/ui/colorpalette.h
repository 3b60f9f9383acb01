// The palette of the ribbon colour button: an automatic "default colour"
// entry on top, then 40 named colours, 8 to a row.
#pragma once
#include <span>

#include "model/autocolor.h"

struct CPaletteColor {
  int red, green, blue;
  const char* name;  // UTF-8; shown as the colour's tooltip
};

inline constexpr int kPaletteColumns = 8;
// The value of the automatic entry.
inline constexpr int kAutomaticPaletteColor = -1;

std::span<const CPaletteColor> PaletteColors();

// The colour word of a palette colour: red + 256 green + 65536 blue.
inline COLORREF PaletteColorRef(const CPaletteColor& c) {
  return static_cast<COLORREF>(c.red) | (static_cast<COLORREF>(c.green) << 8) |
         (static_cast<COLORREF>(c.blue) << 16);
}
