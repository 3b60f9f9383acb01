#include "view/pickculling.h"

#include <GL/gl.h>

#include <algorithm>

#include "cells/primitives/cgline.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/drawing/copyframe.h"
#include "model/globals.h"
#include "model/vertexarray.h"
#include "render/glresources.h"
#include "render/projection.h"

namespace {
// Slack for rounding between this projection and GL's.  Wide points and
// lines are clipped by their geometry in selection mode, so their size
// adds nothing.
constexpr double kMarginPixels = 2;

const float* Slot(int slot) {
  return slot > 0 && slot < VertexArraySlots() ? g_pVertexArray + 3 * static_cast<std::size_t>(slot) : nullptr;
}

// The label pick quad: the anchor plus and minus the two pick vectors.
bool MayHitLabel(const CGCell& cell, const PickRegion& region) {
  const float* a = cell.m_vLabelAnchor;
  const float* u = g_vLabelPickU;
  const float* v = g_vLabelPickV;
  const float corners[4][3] = {{a[0] + u[0], a[1] + u[1], a[2] + u[2]},
                               {a[0] + v[0], a[1] + v[1], a[2] + v[2]},
                               {a[0] - u[0], a[1] - u[1], a[2] - u[2]},
                               {a[0] - v[0], a[1] - v[1], a[2] - v[2]}};
  return region.MayHitQuad(corners);
}

bool LabelPicked(const CGCell& cell, int mode, bool inMode0) {
  return !cell.m_bLabelHidden && ((inMode0 && mode == 0) || mode == 3);
}
}  // namespace

PickRegion::PickRegion(double x, double y, double halfWidth, double halfHeight) {
  double projection[16];
  if (!ProjectionMatrix(g_nProjection, g_nViewWidth, g_nViewHeight, g_fUnitsPerPixel, projection)) {
    std::fill_n(projection, 16, 0.0);
    for (int i = 0; i < 4; ++i) projection[i * 5] = 1;
  }
  double modelview[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
  for (int c = 0; c < 4; ++c)
    for (int r = 0; r < 4; ++r) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += projection[k * 4 + r] * modelview[c * 4 + k];
      m_transform[c * 4 + r] = sum;
    }
  std::copy_n(g_nViewport, 4, m_viewport);
  m_left = x - halfWidth - kMarginPixels;
  m_right = x + halfWidth + kMarginPixels;
  m_bottom = y - halfHeight - kMarginPixels;
  m_top = y + halfHeight + kMarginPixels;
}

bool PickRegion::Project(const float p[3], double& wx, double& wy) const {
  const double* m = m_transform;
  const double cx = m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12];
  const double cy = m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13];
  const double cw = m[3] * p[0] + m[7] * p[1] + m[11] * p[2] + m[15];
  if (!(cw > 1e-9)) return false;
  wx = m_viewport[0] + (cx / cw + 1) * 0.5 * m_viewport[2];
  wy = m_viewport[1] + (cy / cw + 1) * 0.5 * m_viewport[3];
  return true;
}

bool PickRegion::MayHitBox(const float* const* points, int count) const {
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (int i = 0; i < count; ++i) {
    double wx, wy;
    if (!Project(points[i], wx, wy)) return true;
    if (i == 0) {
      minX = maxX = wx;
      minY = maxY = wy;
    } else {
      minX = std::min(minX, wx), maxX = std::max(maxX, wx);
      minY = std::min(minY, wy), maxY = std::max(maxY, wy);
    }
  }
  // Also true for NaN coordinates: no comparison with them holds.
  return !(maxX < m_left || minX > m_right || maxY < m_bottom || minY > m_top);
}

bool PickRegion::MayHitPoint(const float p[3]) const { return MayHitBox(&p, 1); }

bool PickRegion::MayHitSegment(const float a[3], const float b[3]) const {
  const float* ends[2] = {a, b};
  return MayHitBox(ends, 2);
}

bool PickRegion::MayHitQuad(const float corners[4][3]) const {
  const float* points[4] = {corners[0], corners[1], corners[2], corners[3]};
  return MayHitBox(points, 4);
}

bool MayBePicked(const CGCell& cell, int mode, const PickRegion& region) {
  // No point class draws more than its point and label for picking.
  if (cell.IsKindOf(RUNTIME_CLASS(CGVertex))) {
    const float* p = Slot(static_cast<const CGVertex&>(cell).VertexIndex);
    if (!p) return true;  // the cell decides what an odd slot draws
    if (mode > 1 && region.MayHitPoint(p)) return true;
    return LabelPicked(cell, mode, true) && MayHitLabel(cell, region);
  }
  // Exactly the line class: only its segments and vectors are bounded.
  if (cell.GetRuntimeClass() == RUNTIME_CLASS(CGLine)) {
    const auto& line = static_cast<const CGLine&>(cell);
    if (line.m_nSubKind != kLineSegment && line.m_nSubKind != kLineVector) return true;
    const float* a = Slot(line.VertexIndices[0]);
    const float* b = Slot(line.VertexIndices[1]);
    if (!a || !b) return true;
    if (mode > 1 && region.MayHitSegment(a, b)) return true;
    return LabelPicked(cell, mode, false) && MayHitLabel(cell, region);
  }
  return true;
}

void DrawPageForPickInRegion(int mode, const PickRegion& region) {
  const CGPage* page = g_pCurPage;
  if (!page) return;
  const CCopyFrame frame;
  if (mode == 0)
    for (auto [id, cell] : page->m_cells)
      if (cell->IsKindOf(RUNTIME_CLASS(CGVertex)) && MayBePicked(*cell, 0, region)) cell->DrawForPick(0);
  for (auto [id, cell] : page->m_cells)
    if (MayBePicked(*cell, mode, region)) cell->DrawForPick(mode);
}
