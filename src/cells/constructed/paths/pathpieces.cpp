#include "cells/constructed/paths/pathpieces.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "cells/constructed/parametersource.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/primitives/arcangles.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "math/geometry.h"
#include "math/widevector.h"
#include "platform/archive.h"
#include "platform/numberformat.h"
#include "render/viewglobals.h"

namespace {
void Narrow(const double p[3], float out[3]) {
  for (int i = 0; i < 3; ++i) out[i] = static_cast<float>(p[i]);
}

// The corner after corner i of a closed border of n corners.
std::size_t NextCorner(int i, int n) { return i + 1 == n ? 0 : static_cast<std::size_t>(i) + 1; }

bool EdgePoint(const CGCell& cell, int i, int n, float u, float out[3]) {
  const CGVertex* a = DefinedParentPoint(cell, i);
  const CGVertex* b = a ? DefinedParentPoint(cell, NextCorner(i, n)) : nullptr;
  if (!b) return false;
  for (int k = 0; k < 3; ++k) out[k] = a->m_vPos[k] + u * (b->m_vPos[k] - a->m_vPos[k]);
  return true;
}

// A line, circle, locus or curve at fraction u of its own range.
bool CurvedPoint(CGCell& piece, float u, float out[3]) {
  double p[3] = {0, 0, 0};  // a curve of a form it does not know leaves it as it is
  if (piece.IsKindOf(RUNTIME_CLASS(CGLocus))) {
    auto& locus = static_cast<CGLocus&>(piece);
    const float t0 = locus.ParamStart, t1 = locus.ParamEnd;
    const float t = u >= 0 && u <= 1 && t0 < t1 ? t0 + u * (t1 - t0) : t1;
    return locus.SampleAtKept(out, t);
  }
  if (piece.IsKindOf(RUNTIME_CLASS(CGLine))) {
    const auto& line = static_cast<const CGLine&>(piece);
    const CGVertex *a, *b;
    if (!line.Ends(&a, &b)) return false;
    line.PointAt(u, p);
  } else if (piece.IsKindOf(RUNTIME_CLASS(CGArc))) {
    static_cast<const CGArc&>(piece).PointAtParameter(p, u);
  } else if (piece.IsKindOf(RUNTIME_CLASS(CGCurve))) {
    static_cast<CGCurve&>(piece).SampleAtFraction(p, u);
  } else {
    return false;
  }
  Narrow(p, out);
  return true;
}

enum class Answer { kFound, kSkipped, kFailed };

// A piece's own nearest-to-ray query, its fraction clamped to [0, 1].
Answer PieceNearest(CGCell* piece, float at[3], double& u, double& distance) {
  if (!piece || !piece->m_bDefined) return Answer::kSkipped;
  BOOL found;
  if (piece->IsKindOf(RUNTIME_CLASS(CGLine))) {
    const auto* line = static_cast<const CGLine*>(piece);
    const CGVertex *a, *b;
    if (!line->Ends(&a, &b)) return Answer::kSkipped;
    found = line->NearestToRay(at, &u, &distance, 1);
  } else if (piece->IsKindOf(RUNTIME_CLASS(CGArc))) {
    found = static_cast<const CGArc*>(piece)->NearestToRay(at, &u, &distance, 1);
  } else if (piece->IsKindOf(RUNTIME_CLASS(CGCurve))) {
    found = static_cast<CGCurve*>(piece)->NearestToRay(at, &u, &distance, 1);
  } else if (piece->IsKindOf(RUNTIME_CLASS(CGLocus))) {
    found = static_cast<CGLocus*>(piece)->NearestToRay(at, &u, &distance, 1);
  } else {
    return Answer::kSkipped;
  }
  return found ? Answer::kFound : Answer::kFailed;
}

// The length of a combined path's piece; false for a piece of another kind.
bool PieceLength(const CGCell& piece, double& length) {
  if (piece.IsKindOf(RUNTIME_CLASS(CGLine))) {
    const CGVertex *a, *b;
    if (!static_cast<const CGLine&>(piece).Ends(&a, &b)) return false;
    length = std::sqrt(kvmath::Norm2(kvmath::Diff(b->m_vPos, a->m_vPos)));
    return true;
  }
  if (!piece.IsKindOf(RUNTIME_CLASS(CGArc))) return false;
  const auto& arc = static_cast<const CGArc&>(piece);
  const double r = std::sqrt(kvmath::Norm2(kvmath::Widen(arc.AxisU)));
  const bool fullTurn = arc.m_nSubKind == kArcCircle || arc.m_nSubKind == kArcDisc;
  const double span = static_cast<double>(arc.EndAngle) - arc.StartAngle;
  length = fullTurn ? kTwoPi * r : kTwoPi * r * std::fabs(span) / kTwoPi;
  return true;
}
}  // namespace

bool SplitCompound(float t, int n, int& piece, float& u) {
  if (!std::isfinite(t) || n < 1) return false;
  const auto pieces = static_cast<float>(n);
  if (t < 0 || t > pieces) {
    const float q = std::trunc(t / pieces);
    t = t > 0 ? t - pieces * q : t - pieces * (q - 1);
  }
  // Rounding can leave a t of the float limit outside; no piece then.
  if (!(t >= 0 && t <= pieces)) return false;
  const int i = static_cast<int>(t);
  piece = i < n ? i : n - 1;
  u = i < n ? t - static_cast<float>(i) : 1.0f;
  return true;
}

bool CompoundPoint(const CGCell& cell, int n, float t, unsigned kinds, float out[3]) {
  int i;
  float u;
  if (!SplitCompound(t, n, i, u)) return false;
  CGCell* piece = cell.DefinedParentAs<CGCell>(i);
  if (!piece) return false;
  float p[3];
  if (piece->IsKindOf(RUNTIME_CLASS(CGVertex))) {
    if (!(kinds & kPolygonEdges) || !EdgePoint(cell, i, n, u, p)) return false;
  } else if (!(kinds & kCurvedPieces) || !CurvedPoint(*piece, u, p)) {
    return false;
  }
  if (!kvmath::Finite3(p)) return false;
  kvmath::Store3(p, out);
  return true;
}

bool NearestPieceToRay(const CGCell& cell, int n, NearestPiece& nearest) {
  const float rayNear[3] = {static_cast<float>(g_dRayNear[0]), static_cast<float>(g_dRayNear[1]),
                            static_cast<float>(g_dRayNear[2])};
  const float rayFar[3] = {static_cast<float>(g_dRayFar[0]), static_cast<float>(g_dRayFar[1]),
                           static_cast<float>(g_dRayFar[2])};
  const bool polygon = cell.ParentAs<CGVertex>(0) != nullptr;
  double best = 1e300;
  nearest.index = -1;
  for (int i = 0; i < n; ++i) {
    float at[3];
    double u = 0, distance = 0;
    if (polygon) {
      const CGVertex* a = DefinedParentPoint(cell, i);
      const CGVertex* b = a ? DefinedParentPoint(cell, NextCorner(i, n)) : nullptr;
      if (!b) continue;
      distance = NearestOnSegmentToLine(a->m_vPos, b->m_vPos, rayNear, rayFar, at, u);
    } else {
      const Answer answer = PieceNearest(cell.ParentAs<CGCell>(i), at, u, distance);
      if (answer == Answer::kFailed) return false;
      if (answer == Answer::kSkipped) continue;
    }
    if (distance < best && kvmath::Finite3(at)) {
      best = distance;
      nearest.index = i;
      nearest.u = static_cast<float>(u);
      kvmath::Store3(at, nearest.at);
    }
  }
  return nearest.index >= 0;
}

bool CombinedFractions(const CGCell& cell, int n, std::vector<double>& fractions) {
  std::vector<double> sums(static_cast<std::size_t>(n > 0 ? n : 0));
  double total = 0;
  for (int i = 0; i < n; ++i) {
    const CGCell* piece = cell.DefinedParentAs<CGCell>(i);
    double length;
    if (!piece || !PieceLength(*piece, length)) return false;
    total += length;
    sums[i] = total;
  }
  // No length, or none worth a number: every fraction would be 0 / 0.
  if (!(total > 0) || !std::isfinite(total)) return false;
  for (double& c : sums) c /= total;
  fractions.swap(sums);
  return true;
}

bool WrapCombined(float& t) {
  if (!std::isfinite(t)) return false;
  if (t > 1) t -= std::trunc(t);
  else if (t < 0) t = t - std::trunc(t) + 1;
  return true;
}

bool CombinedPoint(const CGCell& cell, const std::vector<double>& fractions, float t, float out[3]) {
  const int n = static_cast<int>(fractions.size());
  if (n == 0) return false;
  int j = 0;
  while (j < n && t > fractions[j]) ++j;
  double at = t;
  if (j == n) {
    j = n - 1;
    at = 1;
  }
  const double from = j > 0 ? fractions[j - 1] : 0.0;
  const double span = fractions[j] - from;
  // t inside a piece without length has no fraction on it.
  if (!(span > 0)) return false;
  const double u = (at - from) / span;
  const CGCell* piece = cell.DefinedParentAs<CGCell>(j);
  double p[3];
  if (piece && piece->IsKindOf(RUNTIME_CLASS(CGLine))) {
    const CGVertex *a, *b;
    if (!static_cast<const CGLine*>(piece)->Ends(&a, &b)) return false;
    static_cast<const CGLine*>(piece)->PointAt(u, p);
  } else if (piece && piece->IsKindOf(RUNTIME_CLASS(CGArc))) {
    static_cast<const CGArc*>(piece)->PointAtParameter(p, u);
  } else {
    return false;
  }
  Narrow(p, out);
  return kvmath::Finite3(out);
}

QString DescribePath(const char* format, const QString& number, std::initializer_list<QString> names) {
  std::string text = format;
  for (const char* marker : {"%d", "%f"}) {
    const std::size_t at = text.find(marker);
    if (at == std::string::npos) continue;
    text.replace(at, 2, number.toStdString());
    break;
  }
  return FillFormat(text.c_str(), "%s", names);
}

CGVerOnPathByMode::CGVerOnPathByMode(WORD id, int slot, const QString& name, const std::vector<WORD>& parents,
                                     BYTE mode, float t)
    : CGConstructedPoint(id, slot, name, parents) {
  m_nSubKind = mode;
  m_fValue = t;
}

void CGVerOnPathByMode::Serialize(CArchive& ar) {
  CGVertex::Serialize(ar);
  CheckLoadedPoint(ar, std::max<std::size_t>(m_parents.size(), m_nSubKind != 0 ? 2 : 1));
}

bool CGVerOnPathByMode::FollowSource() {
  if (m_nSubKind == 0) return true;
  const CGCell* source = m_parents.empty() ? nullptr : DefinedSource(*this, m_parents.size() - 1);
  if (!source) return false;
  m_fValue = source->m_fValue;
  return true;
}

int CGVerOnPathByMode::PieceCount() const {
  const std::size_t followed = m_nSubKind != 0 && !m_parents.empty() ? 1 : 0;
  return static_cast<int>(m_parents.size() - followed);
}

QString CGVerOnPathByMode::Describe(const char* fixed, const char* following) const {
  if (m_nSubKind == 0) return DescribePath(fixed, FormatNumber("%f", m_fValue), {});
  return DescribePath(following, {}, {m_parents.empty() ? QString() : ParentName(m_parents.size() - 1)});
}

void SerializePieceCount(CArchive& ar, CGVertex& cell, int& pieces, std::size_t extra) {
  if (ar.IsStoring()) {
    ar << static_cast<std::int32_t>(pieces);
    return;
  }
  std::int32_t n;
  ar >> n;
  if (n < 1) throw CArchiveException(ArchiveError::BadData, "a path without pieces");
  pieces = n;
  const float* pos = cell.m_vPos;
  const float* offset = cell.m_vLabelOffset;
  cell.CheckLoaded(ar, static_cast<std::size_t>(n) + extra,
                   {pos[0], pos[1], pos[2], offset[0], offset[1], offset[2], cell.m_fValue});
}
