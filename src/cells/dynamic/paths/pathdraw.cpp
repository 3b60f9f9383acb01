// The polylines of loci and curves and their labels.  A sample that does
// not exist (the locus's 3e38 marker, a curve's infinite or NaN point) is
// skipped and breaks the line, and so does a jump of at least the break
// distance between neighbours.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/primitives/celldrawing.h"
#include "render/glfontlists.h"
#include "render/rasterposition.h"
#include "render/textureglyphs.h"

namespace {
template <class Real>
Real Distance2(const Real a[3], const Real b[3]) {
  const Real dx = a[0] - b[0], dy = a[1] - b[1], dz = a[2] - b[2];
  return dx * dx + dy * dy + dz * dz;
}

template <class Real>
Real Length2(const Real a[3]) {
  return a[0] * a[0] + a[1] * a[1] + a[2] * a[2];
}

void Restart() {
  glEnd();
  glBegin(GL_LINE_STRIP);
}
}  // namespace

void CGLocus::DrawPolyline() {
  const int count = std::min(DrawCount, SampleCount);
  if (Samples.empty() || Samples.size() < 3 * static_cast<std::size_t>(SampleCount)) return;
  CellLineWidth width(*this);
  const float threshold = BreakThreshold();
  const BYTE* colours =
      ColoursSamples() && SampleColors.size() >= 4 * static_cast<std::size_t>(SampleCount) ? SampleColors.data()
                                                                                            : nullptr;
  const float* s = Samples.data();
  glBegin(GL_LINE_STRIP);
  if (s[0] < 1e30f) glVertex3fv(s);
  for (int i = 1; i < count; ++i) {
    const float* p = s + 3 * i;
    if (p[0] > 1e30f) continue;
    if (colours) glColor4ubv(colours + 4 * i);
    if (!(Distance2(p, p - 3) < threshold)) Restart();
    glVertex3fv(p);
  }
  glEnd();
}

void CGLocus::DrawLabel() {
  if (SampleCount < 1 || Samples.size() < 3 * static_cast<std::size_t>(SampleCount)) return;
  const float* last = Samples.data() + 3 * (SampleCount - 1);
  if (!(last[0] < 1e30f)) return;  // no text at the marker
  SetGlColour(m_rgbaLabel);
  DrawTextureLabel(m_strName, last[0], last[1], last[2], m_rgbaLabel);
}

void CGCurve::DrawPolyline() {
  const int n = SampleCount;
  if (n < 1 || Samples.size() < 3 * static_cast<std::size_t>(n)) return;
  CellLineWidth width(*this);
  const double threshold = BreakThreshold();
  const BYTE* colours =
      ColoursSamples() && SampleColors.size() >= 4 * static_cast<std::size_t>(n) ? SampleColors.data() : nullptr;
  const double* s = Samples.data();
  glBegin(GL_LINE_STRIP);
  if (Length2(s) < 1e30) glVertex3dv(s);
  for (int i = 1; i < n; ++i) {
    const double* p = s + 3 * i;
    if (colours) glColor4ubv(colours + 4 * i);
    // NaN fails the comparison and breaks too.
    if (!(Distance2(p, p - 3) < threshold)) {
      Restart();
      if (Length2(p) < 1e30) glVertex3dv(p);
    } else {
      glVertex3dv(p);
    }
  }
  glEnd();
}

void CGCurve::DrawLabel() {
  const int n = SampleCount;
  if (n < 1 || Samples.size() < 3 * static_cast<std::size_t>(n)) return;
  const double* last = Samples.data() + 3 * (n - 1);
  if (!(Length2(last) < 1e30)) return;
  SetGlColour(m_rgbaLabel);
  if (m_bLabelStale) {
    m_strLabelLists = DrawGlText(m_strName);
    m_bLabelStale = false;
  }
  CallTextListsAt(m_strLabelLists, last);
}
