#include "cells/pageservices/cellupgrade.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "formula/drawing/formulapictures.h"
#include "math/quaternion.h"
#include "model/cgbutton.h"

namespace {

// Texts attached to a point kept their place in the anchor's stead.
template <class T>
void OffsetBecomesAnchor(CGCell& cell) {
  auto& text = static_cast<T&>(cell);
  for (int i = 0; i < 3; ++i) {
    text.m_vLabelAnchor[i] = text.m_vOffset[i];
    text.m_vOffset[i] = 0;
  }
}

struct CUpgradeRow {
  int below;  // applies to documents of a version below this
  const CRuntimeClass* cls;
  void (*change)(CGCell&);
};

const std::array<CUpgradeRow, 7>& UpgradeRows() {
  static const std::array<CUpgradeRow, 7> rows{{
      {240, RUNTIME_CLASS(CGButton),
       [](CGCell& c) {
         c.m_rgbaColor.r = 51, c.m_rgbaColor.g = 102, c.m_rgbaColor.b = 255;
         c.m_rgbaLabel.r = c.m_rgbaLabel.g = c.m_rgbaLabel.b = 0;
         c.m_bLabelHidden = 0;
       }},
      {300, RUNTIME_CLASS(CGTbImage), [](CGCell& c) { static_cast<CGTbImage&>(c).SetZoom(1, 1); }},
      {320, RUNTIME_CLASS(CGButton), [](CGCell& c) { static_cast<CGButton&>(c).ConvertOldOrientation(); }},
      {350, RUNTIME_CLASS(CGTbVodText),
       [](CGCell& c) {
         auto& text = static_cast<CGTbVodText&>(c);
         text.m_dwScalesWithView = text.IsKindOf(RUNTIME_CLASS(CGTbMhc)) ? 1 : 0;
         const QString markup = NormalizeVodMarkup(text.m_strMarkup);
         if (markup == text.m_strMarkup) return;
         // Its pixels show the old mark-up until rendered from the new.
         text.m_strMarkup = markup;
         text.RebuildTexture();
       }},
      {400, RUNTIME_CLASS(CGTextmap),
       [](CGCell& c) {
         c.m_bLabelHidden = 0;
         c.m_bLabelStale = true;
       }},
      {420, RUNTIME_CLASS(CGTbMhc), OffsetBecomesAnchor<CGTbMhc>},
      {420, RUNTIME_CLASS(CGTbHenchman), OffsetBecomesAnchor<CGTbHenchman>},
  }};
  return rows;
}

bool AllFinite(const float* v, int n) {
  for (int i = 0; i < n; ++i)
    if (!std::isfinite(v[i])) return false;
  return true;
}

}  // namespace

void UpgradeCellFields(CGCell& cell, int version) {
  for (const CUpgradeRow& row : UpgradeRows())
    if (version < row.below && cell.IsKindOf(row.cls)) row.change(cell);
}

void ConvertOldRotation(float start[3], float end[3], float count, DWORD& startW, DWORD& angle) {
  const bool usable = AllFinite(start, 3) && AllFinite(end, 3) && std::isfinite(count);
  Quaternion q = kQuatIdentity, p = kQuatIdentity;
  if (AllFinite(start, 3)) QuatFromAngles(q, start[0], start[1], start[2]);
  if (usable) QuatFromAngles(p, end[0], end[1], end[2]);
  startW = std::bit_cast<DWORD>(static_cast<float>(q.w));
  start[0] = static_cast<float>(q.x);
  start[1] = static_cast<float>(q.y);
  start[2] = static_cast<float>(q.z);

  const double d = std::clamp(q.w * p.w + q.x * p.x + q.y * p.y + q.z * p.z, -1.0, 1.0);
  Quaternion turn;
  QuatMultiply(Quaternion{q.w, -q.x, -q.y, -q.z}, p, turn);
  const float v[3] = {static_cast<float>(turn.x), static_cast<float>(turn.y), static_cast<float>(turn.z)};
  const float length2 = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
  float degrees = 0;
  // Equal orientations leave rounding noise in the vector part, not exact
  // zeros: below this they count as no turn, so that they run full turns.
  if (length2 > 1e-12f && usable) {
    degrees = static_cast<float>(std::acos(d) * 114.59156);
    const float length = std::sqrt(length2);
    for (int i = 0; i < 3; ++i) end[i] = v[i] / length;
  } else {
    end[0] = end[1] = 0;
    end[2] = 1;
  }
  if (degrees == 0 && count >= 2 && usable) degrees = std::trunc(count * 0.5f) * 360.0f;
  if (!std::isfinite(degrees)) degrees = 0;
  angle = std::bit_cast<DWORD>(degrees);
}
