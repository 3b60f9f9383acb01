// What the property rows of points, lines, faces, circles and solids share
// beyond the edits of every row (editing/properties/propertyedits.h): angles
// in degrees and the alpha that goes with translucency.
#pragma once
#include "editing/properties/propertyedits.h"
#include "model/cgcell.h"

namespace primitive_rows {

// Angles are edited in degrees and kept in radians, in single precision.
inline float Degrees(float radians) { return static_cast<float>(double(radians) * 180.0 / 3.141592653589793); }
inline float Radians(float degrees) { return degrees * 3.1415927f / 180.0f; }

// The alpha that goes with a change of display style from `from` to `to`,
// `translucent` being the cell kind's translucent style: opaque when leaving
// it, see-through when entering it, else -1 (no change).
inline int TranslucencyAlpha(int from, int to, int translucent) {
  if (from == to) return -1;
  if (from == translucent) return 255;
  if (to == translucent) return 90;
  return -1;
}

inline void TakeAlpha(CGCell& cell, int alpha) {
  if (alpha >= 0) cell.m_rgbaColor.a = static_cast<BYTE>(alpha);
}

}  // namespace primitive_rows
