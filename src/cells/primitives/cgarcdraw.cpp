// How a circle draws itself in the page's passes: the outline, the filled
// disc, sector or segment (lit two-sided, pictured or translucent), the lit
// tube of a curve, its label and its pick shapes, all by tessellating
// P(a) = c + cos a u + sin a v.  The page sets each pass's GL state.
#include <GL/gl.h>

#include <cmath>

#include "cells/primitives/arcangles.h"
#include "cells/primitives/celldrawing.h"
#include "cells/primitives/cgarc.h"
#include "model/drawing/viewtext.h"
#include "render/glresources.h"

namespace {

// 2 pi / 62: 62 steps close a full outline.
constexpr float kFullTurnStep = 0.1013417f;
constexpr int kFullTurnSteps = 62;
// The tube's ring: 24 steps of pi / 12, from pi / 12 round to 25 pi / 12.
constexpr float kRingStep = 0.2617994f;
constexpr int kRingPairs = 25;

bool IsSurfaceKind(BYTE kind) { return kind >= kArcDisc && kind <= kArcSegment; }

// The tessellation walks of one circle: where its rim starts, its steps and
// its unit normal.
struct Rim {
  const CGArc& arc;
  float start;
  float step;
  int steps;

  static Rim Full(const CGArc& arc) { return {arc, arc.StartAngle, kFullTurnStep, kFullTurnSteps}; }
  static Rim Range(const CGArc& arc) {
    const float span = arc.EndAngle - arc.StartAngle;
    const int n = ArcSegmentCount(span);
    return {arc, arc.StartAngle, span / static_cast<float>(n), n};
  }
  float Angle(int i) const { return start + static_cast<float>(i) * step; }
};

void UnitNormal(const CGArc& arc, float w[3]) {
  const float* u = arc.AxisU;
  const float* v = arc.AxisV;
  w[0] = u[1] * v[2] - u[2] * v[1];
  w[1] = u[2] * v[0] - u[0] * v[2];
  w[2] = u[0] * v[1] - u[1] * v[0];
  const float length = std::sqrt(w[0] * w[0] + w[1] * w[1] + w[2] * w[2]);
  if (length > 0) {
    for (int i = 0; i < 3; ++i) w[i] /= length;
  } else {
    w[0] = w[1] = 0;
    w[2] = 1;
  }
}

// One rim vertex, with its texture coordinate when the picture is mapped.
void RimVertex(const CGArc& arc, float a, bool textured) {
  const float c = std::cos(a), s = std::sin(a);
  if (textured) glTexCoord2f((c + 1) * 0.5f, (s + 1) * 0.5f);
  glVertex3f(arc.Center[0] + c * arc.AxisU[0] + s * arc.AxisV[0],
             arc.Center[1] + c * arc.AxisU[1] + s * arc.AxisV[1],
             arc.Center[2] + c * arc.AxisU[2] + s * arc.AxisV[2]);
}

void RimStrip(const Rim& rim, bool textured) {
  for (int i = 0; i <= rim.steps; ++i) RimVertex(rim.arc, rim.Angle(i), textured);
}

void CentreVertex(const CGArc& arc, bool textured) {
  if (textured) glTexCoord2f(0.5f, 0.5f);
  glVertex3fv(arc.Center);
}

// A ring of the tube at angle a: its points are P(a) + rt n for the normals
// n = cos phi radial + sin phi w.
struct RingEnd {
  float centre[3];
  float radial[3];  // (cos a u + sin a v) / Radius
};

RingEnd RingAt(const CGArc& arc, float a) {
  RingEnd end;
  const float c = std::cos(a), s = std::sin(a);
  const float inverse = arc.Radius > 0 ? 1 / arc.Radius : 0;
  for (int i = 0; i < 3; ++i) {
    const float d = c * arc.AxisU[i] + s * arc.AxisV[i];
    end.centre[i] = arc.Center[i] + d;
    end.radial[i] = d * inverse;
  }
  return end;
}

void RingVertex(const RingEnd& end, const float w[3], float cosPhi, float sinPhi, float rt) {
  float n[3];
  for (int i = 0; i < 3; ++i) n[i] = cosPhi * end.radial[i] + sinPhi * w[i];
  glNormal3fv(n);
  glVertex3f(end.centre[0] + rt * n[0], end.centre[1] + rt * n[1], end.centre[2] + rt * n[2]);
}

void DrawTube(const CGArc& arc) {
  const Rim rim = arc.m_nSubKind == kArcCircle ? Rim::Full(arc) : Rim::Range(arc);
  float w[3];
  UnitNormal(arc, w);
  const float rt = 0.06f * arc.m_fSize;
  for (int i = 0; i < rim.steps; ++i) {
    const RingEnd from = RingAt(arc, rim.Angle(i));
    const RingEnd to = RingAt(arc, rim.Angle(i + 1));
    glBegin(GL_QUAD_STRIP);
    for (int j = 1; j <= kRingPairs; ++j) {
      const float phi = static_cast<float>(j) * kRingStep;
      const float c = std::cos(phi), s = std::sin(phi);
      RingVertex(from, w, c, s, rt);
      RingVertex(to, w, c, s, rt);
    }
    glEnd();
  }
}

}  // namespace

void CGArc::DrawShape(int mode) const {
  if (mode == kShapeFullOutline || mode == kShapeArcOutline) {
    float width = m_fSize;
    if (m_bSelected && width < 8.0f) width += 0.5f;
    CellLineWidth lineWidth(width);
    glBegin(GL_LINE_STRIP);
    RimStrip(mode == kShapeFullOutline ? Rim::Full(*this) : Rim::Range(*this), false);
    glEnd();
    return;
  }
  if (mode == kShapeTube) {
    DrawTube(*this);
    return;
  }
  if (mode < kShapeDisc || mode > kShapeSegment) return;
  const bool textured = (m_nStyle == kArcLit || m_nStyle == kArcTranslucent) && Picture() > 0;
  float w[3];
  UnitNormal(*this, w);
  glNormal3fv(w);
  if (mode == kShapeSegment) {
    glBegin(GL_POLYGON);  // the chord closes it
    RimStrip(Rim::Range(*this), textured);
    glEnd();
    return;
  }
  glBegin(GL_TRIANGLE_FAN);
  CentreVertex(*this, textured);
  RimStrip(mode == kShapeDisc ? Rim::Full(*this) : Rim::Range(*this), textured);
  glEnd();
}

int CGArc::OutlineMode() const {
  return m_nSubKind == kArcCircle || m_nSubKind == kArcDisc ? kShapeFullOutline : kShapeArcOutline;
}

void CGArc::SetOutlineColour() const {
  if (!g_bOwnColors) return;
  if (m_bSelected)
    SetGlColour(g_prefs.rgbaSelection);
  else
    SetGlColour(IsCurve() ? m_rgbaColor : m_rgbaLabel);
}

void CGArc::DrawOutline() const {
  SetOutlineColour();
  DrawShape(OutlineMode());
}

bool CGArc::DrawPictured() const {
  const int picture = Picture();
  if (picture < 1 || picture > 15) return false;
  const GLuint texture = g_nPictureTextures[picture - 1];
  if (texture == 0) return false;  // not made in this context: drawn plain
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  DrawShape(m_nSubKind);
  glDisable(GL_TEXTURE_2D);
  return true;
}

void CGArc::DrawFill() {
  if (!IsShown() || !IsSurfaceKind(m_nSubKind)) return;
  const bool litOrTranslucent = m_nStyle == kArcLit || m_nStyle == kArcTranslucent;
  if (litOrTranslucent && !m_bSelected) return;
  SetOwnColour(*this);
  DrawShape(m_nSubKind);
}

void CGArc::DrawVisibleEdges() {
  if (!IsShown()) return;
  if (m_nStyle == kArcFlat || m_nStyle == kArcVisibleOnly) DrawOutline();
  if (m_nStyle == kArcLit || m_nStyle == kArcTranslucent) DrawCellLabelAtAnchor(*this);
}

void CGArc::DrawHiddenEdges() {
  if (IsShown() && m_nStyle == kArcFlat) DrawOutline();
}

void CGArc::Draw() {
  if (!IsShown()) return;
  if ((m_nStyle == kArcLit || m_nStyle == kArcTranslucent) && IsCurve()) return;
  if (m_bHovered) {
    SetInvertedColour(m_rgbaColor);
    DrawShape(OutlineMode());
  } else if (m_nStyle == kArcOnTop || m_nStyle == kArcDashedOnTop) {
    const bool dashed = m_nStyle == kArcDashedOnTop;
    if (dashed) glEnable(GL_LINE_STIPPLE);
    DrawOutline();
    if (dashed) glDisable(GL_LINE_STIPPLE);
  }
  DrawCellLabelAtAnchor(*this);
}

void CGArc::DrawLit() {
  if (!IsShown() || (m_nStyle != kArcLit && m_nStyle != kArcTranslucent)) return;
  if (IsCurve()) {
    // A translucent curve shows here only while selected, as a lit tube.
    if (m_nStyle == kArcTranslucent && !m_bSelected) return;
    if (g_bOwnColors) {
      if (m_bSelected)
        SetGlColour(g_prefs.rgbaSelection);
      else if (m_bHovered)
        SetInvertedColour(m_rgbaColor);
      else
        SetGlColour(m_rgbaColor);
    }
    DrawTube(*this);
    return;
  }
  // Selected surfaces were filled in the highlight colour already.
  if (m_nStyle != kArcLit || m_bSelected) return;
  if (g_bOwnColors) SetGlColour(m_rgbaColor);
  if (DrawPictured()) return;
  // Front in the first colour, back in the second.
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  DrawShape(m_nSubKind);
  glCullFace(GL_FRONT);
  if (g_bOwnColors) SetGlColour(m_rgbaLabel);
  DrawShape(m_nSubKind);
  glDisable(GL_CULL_FACE);
}

void CGArc::DrawTranslucent() {
  if (!IsShown() || m_nStyle != kArcTranslucent || m_bSelected) return;
  if (g_bOwnColors) {
    if (IsCurve() && m_bHovered)
      SetInvertedColour(m_rgbaColor);
    else
      SetGlColour(m_rgbaColor);
  }
  if (IsCurve()) {
    DrawTube(*this);
  } else if (!DrawPictured()) {
    DrawShape(m_nSubKind);
  }
}

void CGArc::DrawFlat() {
  if (!IsShown()) return;
  SetGlColour(IsCurve() ? m_rgbaColor : m_rgbaLabel);
  DrawShape(OutlineMode());
  if (IsCurve()) return;
  SetGlColour(m_rgbaColor);
  DrawShape(m_nSubKind);
}

void CGArc::DrawForPick(int mode) {
  if (!IsShown()) return;
  if (mode > 1) {
    glLoadName(4);
    glPushName(m_nId);
    DrawShape(m_nStyle == kArcFlat || !IsCurve() ? int{m_nSubKind} : int{kShapeTube});
    glPopName();
  }
  if (mode == 3 && !m_bLabelHidden) PickCellLabel(*this);
}
