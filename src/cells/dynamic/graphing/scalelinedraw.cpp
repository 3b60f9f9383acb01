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

// One vertex array per list: a long axis has tens of thousands of ticks.
void DrawSegments(const std::vector<CScaleSegment>& segments) {
  static_assert(sizeof(CScaleSegment) == 6 * sizeof(float));
  if (segments.empty()) return;
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, segments.data());
  glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(2 * segments.size()));
  glPopClientAttrib();
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

// Whether a point lies in the clip volume, where a raster position is valid.
class CClipTest {
 public:
  CClipTest() {
    double modelview[16], projection[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    for (int c = 0; c < 4; ++c)
      for (int r = 0; r < 4; ++r) {
        double sum = 0;
        for (int k = 0; k < 4; ++k) sum += projection[k * 4 + r] * modelview[c * 4 + k];
        m_m[c * 4 + r] = sum;
      }
  }
  bool Inside(double x, double y, double z) const {
    double clip[4];
    for (int r = 0; r < 4; ++r) clip[r] = m_m[r] * x + m_m[4 + r] * y + m_m[8 + r] * z + m_m[12 + r];
    const double w = clip[3];
    return std::fabs(clip[0]) <= w && std::fabs(clip[1]) <= w && std::fabs(clip[2]) <= w;
  }

 private:
  double m_m[16];  // projection x modelview, column-major
};

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
  const CClipTest inView;
  for (const CScaleLabel& label : layout.labels) {
    // A label outside the view would draw nothing; long axes have thousands.
    if (!inView.Inside(label.x, label.y, label.z)) continue;
    glRasterPos3d(label.x, label.y, label.z);
    CallTextLists(DrawGlText(ScaleLabelText(label)));
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
