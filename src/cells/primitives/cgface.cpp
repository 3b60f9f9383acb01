#include "cells/primitives/cgface.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/primitivetexts.h"
#include "cells/primitives/vecops.h"
#include "model/cellmap.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGFace, CGCell)

using kvmath::WideVec;

CGFace::CGFace() = default;

CGFace::CGFace(WORD id, WORD a, WORD b, WORD c, COLORREF colour) {
  m_nId = id;
  AttachCorners({a, b, c}, colour);
}

CGFace::CGFace(WORD id, WORD a, WORD b, WORD c, WORD d, COLORREF colour) {
  m_nId = id;
  AttachCorners({a, b, c, d}, colour);
}

CGFace::CGFace(WORD id, const std::vector<WORD>& corners, COLORREF colour) {
  m_nId = id;
  AttachCorners(corners, colour);
}

void CGFace::AttachCorners(const std::vector<WORD>& corners, COLORREF colour) {
  const size_t n = std::min<size_t>(corners.size(), kMaxCorners);
  CornerCount = static_cast<BYTE>(n);
  VertexIndices.assign(n, 0);
  for (size_t i = 0; i < n; ++i) {
    AppendParent(*this, corners[i]);
    m_strName += CornerName(corners[i]);
  }
  BindVertexIndices();
  m_rgbaColor.r = static_cast<BYTE>(colour & 0xFF);
  m_rgbaColor.g = static_cast<BYTE>((colour >> 8) & 0xFF);
  m_rgbaColor.b = static_cast<BYTE>((colour >> 16) & 0xFF);
  Recalculate();
}

void CGFace::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring()) {
    ar << CornerCount << LabelCorner << LabelWeight0 << LabelWeightK;
    const int picture = Picture();
    if (picture >= 1 && picture <= 3) ++ar.Context().nPictureUseCount[picture - 1];
    return;
  }
  ar >> CornerCount >> LabelCorner >> LabelWeight0 >> LabelWeightK;
  // Every operation walks corners 0 .. CornerCount - 1 through the parents
  // and the label's fan triangle; a count that disagrees would read past them.
  if (CornerCount < 3 || CornerCount != m_parents.size())
    throw CArchiveException(ArchiveError::BadData,
                            "face " + std::to_string(m_nId) + " has " +
                                std::to_string(CornerCount) + " corners and " +
                                std::to_string(m_parents.size()) + " points");
  // A fan triangle the face does not have puts the label in the first one.
  if (LabelCorner < 1 || LabelCorner > CornerCount - 2) LabelCorner = 1;
  VertexIndices.assign(CornerCount, 0);
  TexCoords.clear();
  TexCoordsDirty = 1;
}

const float* CGFace::CornerPos(int i) const {
  if (i < 0 || i >= CornerCount || i >= static_cast<int>(m_parents.size())) return nullptr;
  const CGVertex* point = CornerPoint(m_parents[static_cast<size_t>(i)]);
  return point ? point->m_vPos : nullptr;
}

void CGFace::BindVertexIndices() {
  VertexIndices.resize(CornerCount, 0);
  for (int i = 0; i < CornerCount; ++i)
    VertexIndices[static_cast<size_t>(i)] =
        i < static_cast<int>(m_parents.size()) ? CornerSlot(m_parents[static_cast<size_t>(i)]) : 0;
}

void CGFace::Recalculate() {
  for (int i = 0; i < CornerCount; ++i) {
    const CGVertex* point =
        i < static_cast<int>(m_parents.size()) ? CornerPoint(m_parents[static_cast<size_t>(i)]) : nullptr;
    if (!point || !point->m_bDefined) {
      m_bDefined = false;
      return;
    }
  }
  if (CornerCount < 3) {  // no polygon to draw or to place a label in
    m_bDefined = false;
    return;
  }
  m_bDefined = true;
  TexCoordsDirty = 1;
  const int k = std::clamp<int>(LabelCorner, 1, CornerCount - 2);
  const float* v0 = CornerPos(0);
  const float* vk = CornerPos(k);
  const float* vk1 = CornerPos(k + 1);
  const float wk1 = 1 - LabelWeight0 - LabelWeightK;
  for (int i = 0; i < 3; ++i)
    m_vLabelAnchor[i] = LabelWeight0 * v0[i] + LabelWeightK * vk[i] + wk1 * vk1[i];
}

void CGFace::UpdateLabel() {
  if (m_bNameFixed) return;
  m_strName.clear();
  for (size_t i = 0; i < 5 && i < m_parents.size() && i < CornerCount; ++i)
    m_strName += CornerName(m_parents[i]);
  m_bLabelStale = true;
}

QString CGFace::GetDescription() {
  QString text = QString::fromUtf8(kTextFaceDescriptionStart);
  for (int i = 0; i < CornerCount && i < static_cast<int>(m_parents.size()); ++i) {
    if (i > 0) text += QString::fromUtf8(kTextFaceNameSeparator);
    text += CornerName(m_parents[static_cast<size_t>(i)]);
  }
  return text + QString::fromUtf8(kTextFaceDescriptionEnd);
}

namespace {
// h = alpha a + beta b, solved on the first pair of axes whose determinant
// exceeds 0.001 (x-y, then y-z, then x-z); false when none does.
bool SolvePlanar(const WideVec& a, const WideVec& b, const WideVec& h, double* alpha, double* beta) {
  static constexpr int kPairs[3][2] = {{0, 1}, {1, 2}, {0, 2}};
  for (const auto& pair : kPairs) {
    const int i = pair[0], j = pair[1];
    const double det = kvmath::At(a, i) * kvmath::At(b, j) - kvmath::At(b, i) * kvmath::At(a, j);
    if (std::fabs(det) <= 0.001) continue;
    *alpha = (kvmath::At(h, i) * kvmath::At(b, j) - kvmath::At(b, i) * kvmath::At(h, j)) / det;
    *beta = (kvmath::At(a, i) * kvmath::At(h, j) - kvmath::At(h, i) * kvmath::At(a, j)) / det;
    return true;
  }
  return false;
}
}  // namespace

void CGFace::DragLabel() {
  if (CornerCount < 3) return;
  const float* v0 = CornerPos(0);
  const float* v1 = CornerPos(1);
  const float* v2 = CornerPos(2);
  if (!v0 || !v1 || !v2) return;
  const WideVec n = kvmath::Cross(kvmath::Diff(v1, v0), kvmath::Diff(v2, v0));
  const WideVec N = kvmath::WideDouble(g_dRayNear);
  const WideVec r = kvmath::WideDouble(g_dRayFar) - N;
  const double den = kvmath::Dot(r, n);
  if (std::fabs(den) < 1e-5) return;
  const WideVec H = N + (kvmath::Dot(kvmath::Widen(v0) - N, n) / den) * r;
  for (int k = 1; k <= CornerCount - 2; ++k) {
    const float* vk = CornerPos(k);
    const float* vk1 = CornerPos(k + 1);
    if (!vk || !vk1) return;
    const WideVec base = kvmath::Widen(vk1);
    double alpha, beta;
    if (!SolvePlanar(kvmath::Widen(v0) - base, kvmath::Widen(vk) - base, H - base, &alpha, &beta))
      return;
    const double gamma = 1 - alpha - beta;
    if (alpha >= 0 && beta >= 0 && gamma >= 0) {
      kvmath::StoreFloat(H, m_vLabelAnchor);
      LabelCorner = k;
      LabelWeight0 = static_cast<float>(alpha);
      LabelWeightK = static_cast<float>(beta);
      return;
    }
    // Past the outer edge Vk-Vk+1, or behind V0: no later triangle holds it.
    if (alpha < 0 || (beta < 0 && gamma < 0)) return;
  }
}

bool CGFace::ContainsPoint(const float p[3]) const {
  WideVec n{0, 0, 0};
  if (CornerCount >= 3) {
    const float* v0 = CornerPos(0);
    const float* v1 = CornerPos(1);
    const float* v2 = CornerPos(2);
    if (!v0 || !v1 || !v2) return false;
    n = kvmath::Cross(kvmath::Diff(v1, v0), kvmath::Diff(v2, v0));
  }
  for (int i = 1; i <= CornerCount; ++i) {
    const float* from = CornerPos(i - 1);
    const float* to = CornerPos(i % CornerCount);
    if (!from || !to) return false;
    const WideVec inward = kvmath::Cross(n, kvmath::Diff(to, from));
    if (kvmath::Dot(kvmath::Diff(p, from), inward) < 0) return false;
  }
  return true;
}

void CGFace::NearestBoundaryPoint(const float p[3], float* x, float* y, float* z) const {
  const float* v0 = CornerPos(0);
  if (!v0) return;
  double best = 1e30;
  const float* bestFrom = v0;
  const float* bestTo = v0;
  double bestParam = 0;
  for (int i = 1; i <= CornerCount; ++i) {
    const float* from = CornerPos(i - 1);
    const float* to = CornerPos(i % CornerCount);
    if (!from || !to) continue;
    const WideVec e = kvmath::Diff(to, from);
    const double length = kvmath::Length(e);
    if (length == 0) continue;  // no direction to project on
    const WideVec q = kvmath::Diff(p, from);
    const double s = kvmath::Dot(q, e) / length;
    double distance, param;
    if (s < 0) {
      distance = kvmath::Length(q);
      param = 0;
    } else if (s > length) {
      distance = kvmath::Length(kvmath::Diff(to, p));
      param = 1;
    } else {
      distance = kvmath::SqrtClamped(kvmath::Norm2(q) - s * s);
      param = s / length;
    }
    if (distance < best) {
      best = distance;
      bestFrom = from;
      bestTo = to;
      bestParam = param;
    }
  }
  const float t = static_cast<float>(bestParam);
  *x = bestFrom[0] + t * (bestTo[0] - bestFrom[0]);
  *y = bestFrom[1] + t * (bestTo[1] - bestFrom[1]);
  *z = bestFrom[2] + t * (bestTo[2] - bestFrom[2]);
}

bool CGFace::IsHorizontal() const {
  const float* v0 = CornerPos(0);
  const float* v1 = CornerPos(1);
  const float* v2 = CornerPos(2);
  if (!v0 || !v1 || !v2) return false;
  return std::fabs(v0[2] - v1[2]) < 0.0001f && std::fabs(v0[2] - v2[2]) < 0.0001f;
}

void CGFace::RebuildTexCoords() {
  const size_t n = CornerCount;
  TexCoords.assign(2 * n, 0.0f);
  const float* v0 = CornerPos(0);
  const float* v1 = CornerPos(1);
  if (!v0 || !v1) return;
  // In double: on a thin face the cosine is within a float step of 1 and
  // the sine, taken from it, would lose every digit.
  auto dist2 = [](const float* a, const float* b) {
    const double dx = double(a[0]) - b[0], dy = double(a[1]) - b[1], dz = double(a[2]) - b[2];
    return dx * dx + dy * dy + dz * dz;
  };
  std::vector<double> uv(2 * n, 0.0);
  const double b2 = std::max(dist2(v1, v0), 1e-12);
  uv[2] = std::sqrt(b2);
  for (size_t i = 2; i < n; ++i) {
    const float* vi = CornerPos(static_cast<int>(i));
    if (!vi) continue;
    const double r2 = dist2(vi, v0);
    const double denominator = 2 * std::sqrt(r2 * b2);
    if (!(denominator > 0)) continue;  // on V0: stays at (0, 0) rather than 0 / 0
    const double r = std::sqrt(r2);
    const double cosA = (r2 + b2 - dist2(vi, v1)) / denominator;
    const double sinA = std::sqrt(std::max(1 - cosA * cosA, 1e-24));
    uv[2 * i] = r * cosA;
    uv[2 * i + 1] = r * sinA;
  }
  for (int axis = 0; axis < 2; ++axis) {
    double lo = 1e300, hi = -1e300;
    for (size_t i = 0; i < n; ++i) {
      lo = std::min(lo, uv[2 * i + axis]);
      hi = std::max(hi, uv[2 * i + axis]);
    }
    const double extent = hi - lo;
    for (size_t i = 0; i < n; ++i)  // a flat extent maps to 0, not 0 / 0
      TexCoords[2 * i + axis] = extent > 0 ? static_cast<float>((uv[2 * i + axis] - lo) / extent) : 0.0f;
  }
  TexCoordsDirty = 0;
}

void FaceCentroid(WORD faceId, float* x, float* y, float* z) {
  *x = *y = *z = 0;
  const CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(faceId) : nullptr;
  if (!cell || !cell->IsKindOf(RUNTIME_CLASS(CGFace)) || !cell->m_bDefined) return;
  const auto* face = static_cast<const CGFace*>(cell);
  const int n = face->CornerCount;
  if (n < 3) return;
  const float* p0 = face->CornerPos(0);
  if (!p0) return;
  // Sum of area x centre over the fan triangles, divided by the total area:
  // the running average of the original form divides by the first
  // triangle's area, which fails when that one has none.
  WideVec weighted{0, 0, 0};
  double total = 0;
  for (int i = 1; i <= n - 2; ++i) {
    const float* pi = face->CornerPos(i);
    const float* pj = face->CornerPos(i + 1);
    if (!pi || !pj) return;
    const double a = kvmath::Length(kvmath::Diff(pi, p0));
    const double b = kvmath::Length(kvmath::Diff(pj, p0));
    const double d = kvmath::Length(kvmath::Diff(pj, pi));
    const double s = (a + b + d) * 0.5;
    const double area = kvmath::SqrtClamped(s * (s - a) * (s - b) * (s - d));
    if (area == 0) continue;
    const WideVec c = (1.0 / 3.0) * (kvmath::Widen(p0) + kvmath::Widen(pi) + kvmath::Widen(pj));
    weighted = weighted + area * c;
    total += area;
  }
  if (total == 0) return;
  *x = static_cast<float>(weighted.x / total);
  *y = static_cast<float>(weighted.y / total);
  *z = static_cast<float>(weighted.z / total);
}
