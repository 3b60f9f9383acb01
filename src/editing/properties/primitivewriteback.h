// What the property rows of points, lines, faces, circles and solids share
// when they write a dialog back: the name rule, the translucency alpha, the
// recomputation of the dependants and the item-text notice.
#pragma once
#include <QString>

#include "model/cgcell.h"
#include "model/cgpage.h"
#include "platform/uibridge.h"

namespace primitive_rows {

// Angles are edited in degrees and kept in radians, in single precision.
inline float Degrees(float radians) { return static_cast<float>(double(radians) * 180.0 / 3.141592653589793); }
inline float Radians(float degrees) { return degrees * 3.1415927f / 180.0f; }

// A name typed different from the cell's is taken and marks the name as the
// user's own; an unchanged one leaves both flags alone.
inline void TakeName(CGCell& cell, const QString& name) {
  if (name == cell.m_strName) return;
  cell.m_strName = name;
  cell.m_bNameFixed = true;
  cell.m_bLabelStale = true;
}

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

// The cell's descendants, marked and collected into the page's dirty ids.
inline void CollectDescendants(CGPage& page, CGCell& cell) {
  cell.MarkDescendants();
  page.CollectDirtyIds(page.m_dirtyIds);
}

// The object list shows the page's item texts again.
inline void PostItemTexts(const CGPage& page) { UiBridge().Post(UiTarget::Frame, WM_ITEM_TEXTS, 0, page.m_nId); }

}  // namespace primitive_rows
