#include "cells/dynamic/paths/pathcell.h"

#include <GL/gl.h>

#include <algorithm>

#include "cells/primitives/celldrawing.h"
#include "model/autocolor.h"
#include "render/viewglobals.h"

void HueColour(double h, BYTE rgba[4]) {
  if (!std::isfinite(h)) h = 0;
  double rgb[3];
  HslToRgb(rgb, h - std::floor(h), 1.0, 0.5);
  for (int i = 0; i < 3; ++i) rgba[i] = static_cast<BYTE>(static_cast<int>(rgb[i] * 255 + 0.5));
  rgba[3] = 255;
}

template <class Real>
double DistanceFromViewRay(const Real s[3]) {
  double toS[3], ray[3];
  for (int i = 0; i < 3; ++i) {
    const double near = static_cast<float>(g_dRayNear[i]);
    toS[i] = s[i] - near;
    ray[i] = static_cast<float>(g_dRayFar[i]) - near;
  }
  const double along = toS[0] * ray[0] + toS[1] * ray[1] + toS[2] * ray[2];
  const double ray2 = ray[0] * ray[0] + ray[1] * ray[1] + ray[2] * ray[2];
  double d2 = toS[0] * toS[0] + toS[1] * toS[1] + toS[2] * toS[2];
  if (ray2 > 1e-5) d2 -= along * along / ray2;
  // Rounding may leave a point on the ray a little below 0.
  return std::sqrt(d2 > 0 ? d2 : 0.0);
}
template double DistanceFromViewRay<float>(const float s[3]);
template double DistanceFromViewRay<double>(const double s[3]);

FineSearch::FineSearch(double t0, double t1, int n, int nearest) {
  const double dt = (t1 - t0) / (n - 1);
  around = t0 + nearest * dt;
  from = std::max(around - std::fabs(dt), std::min(t0, t1));
  to = std::min(around + std::fabs(dt), std::max(t0, t1));
  step = std::fabs(dt) / 100;
}

float CGPathCell::BreakThreshold() const {
  const float d = BreakDistance();
  return d > 1e-6f ? d * d : 16.0f;
}

void CGPathCell::DrawEdges() {
  if (g_bOwnColors && !HueOn()) SetGlColour(m_rgbaColor);
  DrawPolyline();
}

void CGPathCell::DrawVisibleEdges() {
  if (IsShown() && m_nStyle >= 2 && (EdgesWhileSelected() || !m_bSelected)) DrawEdges();
}

void CGPathCell::DrawHiddenEdges() {
  if (IsShown() && m_nStyle >= 3 && (EdgesWhileSelected() || !m_bSelected)) DrawEdges();
}

void CGPathCell::Draw() {
  if (!IsShown() || (m_nStyle >= 2 && !m_bSelected)) return;
  if (!m_bLabelHidden) DrawLabel();
  if (g_bOwnColors) {
    if (m_bSelected)
      SetGlColour(g_prefs.rgbaSelection);
    else if (!HueOn())
      SetGlColour(m_rgbaColor);
  }
  const bool dashed = m_nStyle == 1;
  if (dashed) glEnable(GL_LINE_STIPPLE);
  DrawPolyline();
  if (dashed) glDisable(GL_LINE_STIPPLE);
}

void CGPathCell::DrawFlat() {
  if (!IsShown()) return;
  if (!HueOn()) SetGlColour(m_rgbaColor);
  DrawPolyline();
}

void CGPathCell::DrawForPick(int mode) {
  if (!IsShown() || mode < 3) return;
  glLoadName(4);
  glPushName(m_nId);
  DrawPolyline();
  glPopName();
}
