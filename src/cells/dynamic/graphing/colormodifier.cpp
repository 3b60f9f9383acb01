#include "cells/dynamic/graphing/colormodifier.h"

#include <GL/gl.h>

#include <cmath>

#include "cells/dynamic/graphing/graphingtexts.h"
#include "cells/primitives/celldrawing.h"
#include "cells/texts/cgtextmap.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/selection.h"
#include "platform/archive.h"
#include "render/glfontlists.h"
#include "render/rasterposition.h"
#include "render/viewglobals.h"

IMPLEMENT_SERIAL(CGModifier, CGCell)
IMPLEMENT_SERIAL(CGMdfColor, CGModifier)

void CGModifier::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring())
    ar << m_nModifierWord << m_fModifierValue;
  else
    ar >> m_nModifierWord >> m_fModifierValue;
}

namespace {
// Where the modifier sits: its name and its pick area, in pixels from the
// view's lower-left corner, at the depth of the view's default plane.
constexpr float kCornerInset = 0.1f;
constexpr float kCornerDepth = -50.0f;
constexpr float kPickWidth = 200.0f, kPickHeight = 40.0f;

BYTE ToByte(double channel) { return static_cast<BYTE>(static_cast<int>(channel * 255 + 0.5)); }

// The value mapped onto the range, a range of exactly 0 counting as 1e-6.
float Mapped(float value, float min, float max) {
  float range = max - min + 1e-6f;
  if (range == 0) range = 1e-6f;
  const float t = (value - min) / range;
  return std::isfinite(t) ? t : 0.0f;
}

float Fraction(float t) { return t - std::floor(t); }

void HslBytes(double hue, double saturation, double lightness, BYTE rgb[3]) {
  double c[3];
  HslToRgb(c, hue, saturation, lightness);
  for (int k = 0; k < 3; ++k) rgb[k] = ToByte(c[k]);
}
}  // namespace

bool ModifierColour(BYTE mode, const float* values, float min, float max, BYTE rgb[3]) {
  switch (mode) {
    case kModifierHue:
      HslBytes(Fraction(Mapped(values[0], min, max)), 1.0, 0.5, rgb);
      return true;
    case kModifierGrey:
      rgb[0] = rgb[1] = rgb[2] = ToByte(Fraction(Mapped(values[0], min, max)));
      return true;
    case kModifierRgb:
      for (int k = 0; k < 3; ++k) {
        const float t = Mapped(values[k], min, max);
        float f = t - std::trunc(t);
        if (t < 0) f += 1;  // a negative whole t gives a full channel
        rgb[k] = ToByte(f);
      }
      return true;
    case kModifierHsl:
      HslBytes(Fraction(Mapped(values[0], min, max)), Fraction(Mapped(values[1], min, max)),
               Fraction(Mapped(values[2], min, max)), rgb);
      return true;
    default:
      return false;
  }
}

CGMdfColor::CGMdfColor(WORD id, BYTE mode, float min, float max, int option) {
  m_strName = QString::fromUtf8(kModifierFirstName);
  m_nId = id;
  m_fMin = min;
  m_nSubKind = mode;
  m_fMax = max;
  m_nOption = option;
  m_strName = QString::fromUtf8(kModifierName);
  CGPage* page = g_pCurPage;
  if (!page) return;
  const auto link = [&](WORD parent) {
    CGCell* cell = page->m_cells.Lookup(parent);
    if (!cell) return;
    m_parents.push_back(parent);
    cell->m_children.push_back(m_nId);
  };
  const std::vector<WORD> values = page->m_selValues;
  for (int k = 0; k < ValueCount() && k < static_cast<int>(values.size()); ++k) {
    link(values[k]);
    DeselectCell(values[k]);  // out of every selection list, not only the list of all
  }
  const std::vector<WORD> targets = page->m_selAll;
  for (WORD target : targets) link(target);
  Recalculate();
}

void CGMdfColor::Serialize(CArchive& ar) {
  CGModifier::Serialize(ar);
  if (ar.IsStoring())
    ar << m_fMin << m_fMax << m_nOption;
  else
    ar >> m_fMin >> m_fMax >> m_nOption;
}

bool CGMdfColor::FitsLoadedPage(const CCellMap& cells) const {
  if (m_nSubKind < kModifierHue || m_nSubKind > kModifierHsl) return false;
  const int values = ValueCount();
  if (static_cast<int>(m_parents.size()) < values) return false;
  for (int k = 0; k < values; ++k) {
    const CGCell* value = cells.Lookup(m_parents[k]);
    if (!value || !value->IsKindOf(RUNTIME_CLASS(CGTmVariable))) return false;
  }
  return true;
}

void CGMdfColor::Recalculate() {
  const int values = ValueCount();
  if (static_cast<int>(m_parents.size()) <= values) return;
  float v[3] = {0, 0, 0};
  for (int k = 0; k < values; ++k) {
    const CGCell* value = ParentAs<CGTmVariable>(k);
    if (!value) return;
    v[k] = value->m_fValue;
  }
  BYTE rgb[3];
  if (!ModifierColour(m_nSubKind, v, m_fMin, m_fMax, rgb)) return;
  const CCellMap* cells = g_pCurCells;
  if (!cells) return;
  for (size_t i = static_cast<size_t>(values); i < m_parents.size(); ++i) {
    CGCell* target = cells->Lookup(m_parents[i]);
    if (!target) continue;
    target->m_rgbaColor.r = rgb[0];
    target->m_rgbaColor.g = rgb[1];
    target->m_rgbaColor.b = rgb[2];
  }
}

void CGMdfColor::Draw() {
  if (!m_bSelected) return;
  SetGlColour(g_prefs.rgbaSelection);
  glPushMatrix();
  glLoadIdentity();
  CallTextListsAt(DrawGlText(m_strName), kCornerInset - g_nViewWidth * g_fUnitsPerPixel / 2.0,
                  kCornerInset - g_nViewHeight * g_fUnitsPerPixel / 2.0, kCornerDepth);
  glPopMatrix();
}

void CGMdfColor::DrawForPick(int mode) {
  if (m_bHidden || mode < 3 || (g_pCurPage && g_pCurPage->m_bThreeView)) return;
  const float left = -g_nViewWidth * g_fUnitsPerPixel / 2, bottom = -g_nViewHeight * g_fUnitsPerPixel / 2;
  const float right = left + kPickWidth * g_fUnitsPerPixel, top = bottom + kPickHeight * g_fUnitsPerPixel;
  glPushMatrix();
  glLoadIdentity();
  glLoadName(11);
  glPushName(m_nId);
  glBegin(GL_QUADS);
  glVertex3f(left, bottom, kCornerDepth);
  glVertex3f(right, bottom, kCornerDepth);
  glVertex3f(right, top, kCornerDepth);
  glVertex3f(left, top, kCornerDepth);
  glEnd();
  glPopName();
  glPopMatrix();
}

QString CGMdfColor::GetDescription() { return QString::fromUtf8(kModifierDescription) + m_strName; }
