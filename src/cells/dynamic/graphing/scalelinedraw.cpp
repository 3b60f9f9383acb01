// Drawing of the axis scale, in the depth-tested line pass: ticks in
// colour 1, labels in colour 2 with the label font, then the grid; the
// line width goes back to the document's afterwards.
#include <GL/gl.h>

#include <cmath>

#include "cells/dynamic/graphing/scaleline.h"
#include "cells/dynamic/graphing/scalelinelayout.h"
#include "cells/primitives/celldrawing.h"
#include "model/globals.h"
#include "render/glfontlists.h"
#include "render/viewglobals.h"

namespace {
constexpr float kGridThin = 0.5f, kGridThick = 1.0f;

void DrawSegments(const std::vector<CScaleSegment>& segments) {
  if (segments.empty()) return;
  glBegin(GL_LINES);
  for (const CScaleSegment& s : segments) {
    glVertex3fv(s.a);
    glVertex3fv(s.b);
  }
  glEnd();
}

// The unit circle at a = 0, 0.1, 0.2, ... below 2π, worked out once.
struct CCirclePoints {
  float c[kPolarCirclePoints], s[kPolarCirclePoints];
  CCirclePoints() {
    for (int k = 0; k < kPolarCirclePoints; ++k) {
      c[k] = static_cast<float>(std::cos(k * 0.1));
      s[k] = static_cast<float>(std::sin(k * 0.1));
    }
  }
};

void DrawCircles(const std::vector<float>& radii, const float* o) {
  static const CCirclePoints unit;
  for (float r : radii) {
    glBegin(GL_LINE_LOOP);
    for (int k = 0; k < kPolarCirclePoints; ++k) glVertex3f(o[0] + r * unit.c[k], o[1] + r * unit.s[k], o[2]);
    glEnd();
  }
}

// Colour 1 or 2 while the cell chooses its colours and is not selected.
void SetScaleColour(const CGScaleline& cell, const RGBA& colour) {
  if (g_bOwnColors && !cell.m_bSelected) SetGlColour(colour);
}
}  // namespace

void CGScaleline::DrawVisibleEdges() {
  if (m_bHidden || !m_bDefined) return;
  CScaleInput in;
  for (int k = 0; k < 3; ++k) in.origin[k] = Origin[k];
  in.xMin = XMin, in.xMax = XMax, in.yMin = YMin, in.yMax = YMax;
  in.tickSpacing = TickSpacing, in.labelSpacing = LabelSpacing;
  in.autoSpacing = AutoSpacing != 0;
  in.xOnly = m_nStyle != 0;
  in.trigonometric = m_nSubKind != 0;
  in.labels = !m_bLabelHidden;
  in.grid = GridMode();
  in.p = ScalePixel();
  static CScaleLayout layout;  // its storage serves every draw
  LayoutScale(in, layout);
  TickSpacing = in.tickSpacing;
  LabelSpacing = in.labelSpacing;

  SetOwnColour(*this);
  DrawSegments(layout.ticks);
  SetScaleColour(*this, m_rgbaLabel);
  for (const CScaleLabel& label : layout.labels) {
    glRasterPos3d(label.x, label.y, label.z);
    CallTextLists(DrawGlText(label.text));
  }
  DrawSegments(layout.strokes);
  SetScaleColour(*this, m_rgbaColor);
  glLineWidth(kGridThin);
  DrawSegments(layout.thinGrid);
  glLineWidth(kGridThick);
  DrawSegments(layout.thickGrid);
  glLineWidth(kGridThin);
  SetScaleColour(*this, m_rgbaLabel);
  DrawCircles(layout.circles, Origin);
  SetScaleColour(*this, m_rgbaColor);
  DrawSegments(layout.diameters);
  glLineWidth(g_prefs.fLineWidth);
}
