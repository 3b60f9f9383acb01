#include "cells/primitives/cgline.h"

#include <QStringList>
#include <cmath>

#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/primitivetexts.h"
#include "cells/primitives/vecops.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGLine, CGCell)

using kvmath::WideVec;

namespace {

// The point Q of the line P + t d nearest to the line M + s r (the line's
// hit on the plane through the other line and their common normal); false
// when the lines run parallel.
bool NearestOnLine(const WideVec& P, const WideVec& d, const WideVec& M, const WideVec& r, WideVec& Q) {
  const WideVec m = kvmath::Cross(r, kvmath::Cross(d, r));
  const double den = kvmath::Dot(m, d);
  if (std::fabs(den) < 1e-5) return false;
  Q = P + (kvmath::Dot(M - P, m) / den) * d;
  return true;
}

// The parameter of Q along d, read on d's dominant axis.  *axisless is set
// when that axis has no extent (the parameter is then 0).
double DominantAxisParameter(const WideVec& Q, const WideVec& A, const WideVec& d, bool* axisless) {
  *axisless = false;
  const double ax = std::fabs(d.x), ay = std::fabs(d.y), az = std::fabs(d.z);
  if (ax > ay && ax > az) return (Q.x - A.x) / d.x;
  if (ay > az) return (Q.y - A.y) / d.y;
  if (d.z == 0) {
    *axisless = true;
    return 0;
  }
  return (Q.z - A.z) / d.z;
}

}  // namespace

CGLine::CGLine() {
  m_rgbaColor.r = g_prefs.rgbaLine.r;
  m_rgbaColor.g = g_prefs.rgbaLine.g;
  m_rgbaColor.b = g_prefs.rgbaLine.b;
}

CGLine::CGLine(WORD id, WORD pointA, WORD pointB, BYTE kind) : CGLine() {
  m_nId = id;
  AppendParent(*this, pointA);
  m_strName = CornerName(pointA);
  AppendParent(*this, pointB);
  m_strName += CornerName(pointB);
  const CGVertex* a = CornerPoint(pointA);
  const CGVertex* b = CornerPoint(pointB);
  if (a && b) {
    for (int i = 0; i < 3; ++i) m_vLabelAnchor[i] = (a->m_vPos[i] + b->m_vPos[i]) * 0.5f;
  }
  BindVertexIndices();
  m_nSubKind = kind;
  LabelParam = 0.5f;
  for (float& v : LabelOffset) v = 10 * g_fUnitsPerPixel;
  Recalculate();
}

void CGLine::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring()) {
    ar << LabelParam << LabelOffset[0] << LabelOffset[1] << LabelOffset[2];
    return;
  }
  ar >> LabelParam >> LabelOffset[0] >> LabelOffset[1] >> LabelOffset[2];
  // Every operation reads parents 0 and 1 as A and B.
  if (m_parents.size() != 2)
    throw CArchiveException(ArchiveError::BadData,
                            "line " + std::to_string(m_nId) + " has " +
                                std::to_string(m_parents.size()) + " points, not 2");
}

bool CGLine::Ends(const CGVertex** a, const CGVertex** b) const {
  if (m_parents.size() < 2) return false;
  *a = CornerPoint(m_parents[0]);
  *b = CornerPoint(m_parents[1]);
  return *a && *b;
}

void CGLine::BindVertexIndices() {
  for (int i = 0; i < 2; ++i)
    VertexIndices[i] = i < static_cast<int>(m_parents.size()) ? CornerSlot(m_parents[i]) : 0;
}

void CGLine::Recalculate() {
  const CGVertex *a, *b;
  if (!Ends(&a, &b) || !a->m_bDefined || !b->m_bDefined) {
    m_bDefined = false;
    return;
  }
  m_bDefined = true;
  for (int i = 0; i < 3; ++i)
    m_vLabelAnchor[i] = a->m_vPos[i] + LabelParam * (b->m_vPos[i] - a->m_vPos[i]) + LabelOffset[i];
}

void CGLine::UpdateLabel() {
  if (m_bNameFixed) return;
  m_strName.clear();
  for (size_t i = 0; i < 2 && i < m_parents.size(); ++i) m_strName += CornerName(m_parents[i]);
  m_bLabelStale = true;
}

QString CGLine::GetDescription() {
  const char* word = m_nSubKind == kLineSegment ? kTextLineKindSegment
                     : m_nSubKind == kLineRay   ? kTextLineKindRay
                     : m_nSubKind == kLineFull  ? kTextLineKindLine
                                                : kTextLineKindVector;
  const QString a = m_parents.size() > 0 ? CornerName(m_parents[0]) : QString();
  const QString b = m_parents.size() > 1 ? CornerName(m_parents[1]) : QString();
  // The text is a printf format with three %s; names are inserted verbatim.
  const QStringList parts = QString::fromUtf8(kTextLineDescription).split(QStringLiteral("%s"));
  return parts.value(0) + a + parts.value(1) + b + parts.value(2) + QString::fromUtf8(word) +
         parts.value(3);
}

float CGLine::GetLength() const {
  const CGVertex *a, *b;
  if (!Ends(&a, &b)) return 0;
  const float dx = b->m_vPos[0] - a->m_vPos[0];
  const float dy = b->m_vPos[1] - a->m_vPos[1];
  const float dz = b->m_vPos[2] - a->m_vPos[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

void CGLine::PointAt(double t, double out[3]) const {
  const CGVertex *a, *b;
  if (!Ends(&a, &b)) return;
  for (int i = 0; i < 3; ++i)
    out[i] = static_cast<double>(a->m_vPos[i]) +
             t * (static_cast<double>(b->m_vPos[i]) - static_cast<double>(a->m_vPos[i]));
}

void CGLine::DragLabel() {
  const CGVertex *a, *b;
  if (!Ends(&a, &b)) return;
  const WideVec A = kvmath::Widen(a->m_vPos);
  const WideVec d = kvmath::Diff(b->m_vPos, a->m_vPos);
  const WideVec N = kvmath::WideDouble(g_dRayNear);
  const WideVec r = kvmath::WideDouble(g_dRayFar) - N;
  WideVec Q, R;
  if (!NearestOnLine(A, d, N, r, Q) || !NearestOnLine(N, r, A, d, R)) return;
  bool axisless;
  const double t = DominantAxisParameter(Q, A, d, &axisless);
  if (IsSegmentLike() && (t < 0 || t > 1)) return;
  if (m_nSubKind == kLineRay && t < 0) return;
  WideVec offset = R - Q;
  const double limit = 40.0 * g_fUnitsPerPixel;
  const double length = kvmath::Length(offset);
  if (length > limit) offset = (limit / length) * offset;
  LabelParam = static_cast<float>(t);
  kvmath::StoreFloat(offset, LabelOffset);
  kvmath::StoreFloat(Q + offset, m_vLabelAnchor);
}

BOOL CGLine::NearestToRay(float out[3], double* t, double* distance, int clampAlways) const {
  const CGVertex *a, *b;
  if (!Ends(&a, &b)) return FALSE;
  const WideVec A = kvmath::Widen(a->m_vPos);
  const WideVec d = kvmath::Diff(b->m_vPos, a->m_vPos);
  const WideVec N = kvmath::WideDouble(g_dRayNear);
  const WideVec r = kvmath::WideDouble(g_dRayFar) - N;
  WideVec Q;
  if (!NearestOnLine(A, d, N, r, Q)) return FALSE;
  bool axisless;
  double param = DominantAxisParameter(Q, A, d, &axisless);
  kvmath::StoreFloat(Q, out);
  if (!axisless) {
    if (param > 1 && (IsSegmentLike() || clampAlways == 1)) {
      kvmath::Store3(b->m_vPos, out);
      param = 1;
    }
    if (param < 0 && (IsSegmentLike() || m_nSubKind == kLineRay || clampAlways == 1)) {
      kvmath::Store3(a->m_vPos, out);
      param = 0;
    }
  }
  *t = param;
  *distance = kvmath::DistanceFromLine(kvmath::Widen(out), N, r);
  return TRUE;
}

float CGLine::FootParameter(const float p[3]) const {
  const CGVertex *a, *b;
  if (!m_bDefined || !Ends(&a, &b)) return 0;
  const WideVec d = {static_cast<double>(b->m_vPos[0]) - a->m_vPos[0],
                     static_cast<double>(b->m_vPos[1]) - a->m_vPos[1],
                     static_cast<double>(b->m_vPos[2]) - a->m_vPos[2]};
  const double d2 = kvmath::Norm2(d);
  if (d2 < 1e-6) return 0;
  const WideVec q = {static_cast<double>(p[0]) - a->m_vPos[0], static_cast<double>(p[1]) - a->m_vPos[1],
                     static_cast<double>(p[2]) - a->m_vPos[2]};
  const double t = kvmath::Dot(q, d) / d2;
  if (t > 1) {
    if (IsSegmentLike()) return 1;
  } else if (t < 0) {
    if (IsSegmentLike() || m_nSubKind == kLineRay) return 0;
  }
  return static_cast<float>(t);
}
