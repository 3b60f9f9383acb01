#include "cells/dynamic/parameters/userparameter.h"

#include <GL/gl.h>

#include <bit>
#include <cmath>

#include "cells/dynamic/measures/measuretexts.h"
#include "cells/primitives/formattext.h"
#include "cells/texts/textlayer.h"
#include "model/cgpage.h"
#include "model/globals.h"

IMPLEMENT_SERIAL(CGTmVarParameter, CGTmVariable)

namespace {
// The slider in pixels: a 100-pixel track 10 pixels left of and 6 below the
// caption's anchor, 3 high; a handle 4 wide reaching 4 above and below it.
constexpr float kTrackLength = 100;
constexpr float kTrackLeft = 10;
constexpr float kTrackBelow = 6;
constexpr float kTrackHeight = 3;
constexpr float kHandleWidth = 4;
constexpr float kHandleReach = 4;
// The handle is picked on a box 6 wide from 2 left of it, 8 high from 2
// below the anchor; the caption on 80 wide from 5 above, 24 a further row.
constexpr float kHandlePickLeft = 2;
constexpr float kHandlePickWidth = 6;
constexpr float kHandlePickTop = 2;
constexpr float kHandlePickHeight = 8;
constexpr float kCaptionPickWidth = 80;
constexpr float kCaptionPickAbove = 5;
constexpr float kCaptionPickRow = 24;
constexpr float kCaptionPickHeight = 10;
}  // namespace

CGTmVarParameter::CGTmVarParameter(WORD id, const QString& name, float value) {
  m_nId = id;
  if (g_pCurPage) g_pCurPage->NextTextPosition(m_vLabelAnchor, 1);
  m_strName = name;
  m_strVodName = name;
  m_fValue = value;
  CGTmVariable::UpdateLabel();
}

void CGTmVarParameter::Serialize(CArchive& ar) {
  CGTmVariable::Serialize(ar);
  CheckLoaded(ar, 0, {m_fValue, Minimum(), Maximum()});
  if (m_nParamA == 1) CheckLoaded(ar, 0, {Accumulator()});
}

QString CGTmVarParameter::GetDescription() { return FillFormat(kTextParameterDescription, "%s", {m_strName}); }

float CGTmVarParameter::Minimum() const { return std::bit_cast<float>(m_dwParam1); }
float CGTmVarParameter::Maximum() const { return std::bit_cast<float>(m_dwParam2); }

void CGTmVarParameter::SetRange(float minimum, float maximum) {
  m_dwParam1 = std::bit_cast<DWORD>(minimum);
  m_dwParam2 = std::bit_cast<DWORD>(maximum);
}

float CGTmVarParameter::Accumulator() const { return std::bit_cast<float>(m_nParamC); }
void CGTmVarParameter::SetAccumulator(float position) { m_nParamC = std::bit_cast<std::int32_t>(position); }

void CGTmVarParameter::KeepRangeUsable() {
  if (!(Maximum() - Minimum() > 1e-6)) SetRange(0, 10);
}

float CGTmVarParameter::SliderPosition() const {
  const float at = m_nParamA == 1 ? Accumulator() : m_fValue;
  const float t = (at - Minimum()) / (Maximum() - Minimum());
  if (!(t > 0)) return 0;  // NaN too
  return t < 1 ? t : 1;
}

void CGTmVarParameter::Draw() {
  CGTextmap::Draw();
  if (!HasSlider() || !TextLayerShows(*this)) return;
  KeepRangeUsable();
  const TextLayerMatrix layer;
  const float w = g_fUnitsPerPixel;
  const float x0 = m_vLabelAnchor[0] - kTrackLeft * w;
  const float y0 = m_vLabelAnchor[1] - kTrackBelow * w;
  const float x1 = x0 + kTrackLength * w;
  const float y1 = y0 - kTrackHeight * w;
  glColor4f(0.2f, 0.2f, 0.8f, 1.0f);
  glLineWidth(0.5f);
  OutlineRect(x0, y0, x1, y1);

  const float hx = x0 + kTrackLength * SliderPosition() * w;
  const float top = y0 + kHandleReach * w;
  const float bottom = y1 - kHandleReach * w;
  glColor4f(0.8f, 0.2f, 0.2f, 1.0f);
  glBegin(GL_QUADS);
  glVertex3f(hx, top, kTextLayerDepth);
  glVertex3f(hx, bottom, kTextLayerDepth);
  glVertex3f(hx + kHandleWidth * w, bottom, kTextLayerDepth);
  glVertex3f(hx + kHandleWidth * w, top, kTextLayerDepth);
  glEnd();
  glLineWidth(g_prefs.fLineWidth);
}

void CGTmVarParameter::DrawForPick(int mode) {
  if (mode == 2 || !TextLayerShows(*this)) return;
  const TextLayerMatrix layer;
  const float w = g_fUnitsPerPixel;
  const float* a = m_vLabelAnchor;
  const float extraRows = m_nStyle == 1 ? static_cast<float>(m_nParamB) - 1 : 0;
  const float captionBottom = a[1] + kCaptionPickAbove * w;
  PickRect(6, m_nId, a[0], captionBottom, a[0] + kCaptionPickWidth * w,
           captionBottom + (kCaptionPickRow * extraRows + kCaptionPickHeight) * w);
  if (!HasSlider()) return;
  KeepRangeUsable();
  const float left = a[0] + (kTrackLength * SliderPosition() - kTrackLeft - kHandlePickLeft) * w;
  const float top = a[1] - kHandlePickTop * w;
  PickRect(13, m_nId, left, top - kHandlePickHeight * w, left + kHandlePickWidth * w, top);
}

void CGTmVarParameter::DragSlider() {
  if (!HasSlider()) return;
  // The view picks the handle before it drags it, which already made the
  // range usable; a drag that comes first must not collapse the value.
  KeepRangeUsable();
  const float minimum = Minimum();
  const float maximum = Maximum();
  const int dx = g_nMouseDeltaX;
  // No movement moves nothing, also over a range too wide for a float.
  const float delta = dx == 0 ? 0.0f : (maximum - minimum) * static_cast<float>(dx) / kTrackLength;
  if (m_nParamA == 1) {
    SetAccumulator(Accumulator() + delta);
    m_fValue = std::round(Accumulator());
  } else {
    m_fValue += delta;
  }
  if (m_fValue > maximum) {
    m_fValue = maximum;
    SetAccumulator(maximum);
  } else if (m_fValue < minimum) {
    m_fValue = minimum;
    SetAccumulator(minimum);
  }
  UpdateValueText();
}
