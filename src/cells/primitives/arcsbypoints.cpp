#include "cells/primitives/arcsbypoints.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "cells/primitives/arctexts.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/vecops.h"
#include "model/cgpage.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGArcCircle3P, CGArc)
IMPLEMENT_SERIAL(CGArcCenterP, CGArc)
IMPLEMENT_SERIAL(CGArcPointN, CGArc)

namespace {

float Dot(const float a[3], const float b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

void Cross(const float a[3], const float b[3], float out[3]) {
  const float x = a[1] * b[2] - a[2] * b[1];
  const float y = a[2] * b[0] - a[0] * b[2];
  const float z = a[0] * b[1] - a[1] * b[0];
  out[0] = x;
  out[1] = y;
  out[2] = z;
}

void Sub(const float a[3], const float b[3], float out[3]) {
  for (int i = 0; i < 3; ++i) out[i] = a[i] - b[i];
}

void Scale(const float a[3], float s, float out[3]) {
  for (int i = 0; i < 3; ++i) out[i] = s * a[i];
}

}  // namespace

// --- Shared -----------------------------------------------------------------

CGArcByPoints::CGArcByPoints(WORD id, WORD first, WORD second, WORD third, BYTE kind) {
  m_nId = id;
  if (g_pCurPage) m_strName = g_pCurPage->GetNewName(4);
  m_nSubKind = kind;
  for (WORD parent : {first, second, third}) AppendParent(*this, parent);
}

void CGArcByPoints::Serialize(CArchive& ar) {
  CGArc::Serialize(ar);
  if (ar.IsLoading() && m_parents.size() != 3)
    throw CArchiveException(ArchiveError::BadData,
                            "circle " + std::to_string(m_nId) + " has " +
                                std::to_string(m_parents.size()) + " points, not 3");
}

bool CGArcByPoints::DefinedParents(const float* pos[3], bool centreFirst) {
  for (size_t i = 0; i < 3; ++i) {
    const CGVertex* point = i < m_parents.size() ? CornerPoint(m_parents[i]) : nullptr;
    if (!point || !point->m_bDefined) {
      m_bDefined = false;
      return false;
    }
    pos[i] = point->m_vPos;
    if (i == 0 && centreFirst) kvmath::Store3(pos[0], Center);
  }
  return true;
}

QString CGArcByPoints::ParentName(int i) const {
  return i < static_cast<int>(m_parents.size()) ? CornerName(m_parents[static_cast<size_t>(i)]) : QString();
}

QString CGArcByPoints::Describe(const char* const formats[5], std::initializer_list<QString> names) const {
  if (m_nSubKind > kArcSegment) return {};
  return FillFormat(formats[m_nSubKind], "%s", names);
}

// --- Through three points ---------------------------------------------------

CGArcCircle3P::CGArcCircle3P(WORD id, WORD p0, WORD p1, WORD p2, BYTE kind)
    : CGArcByPoints(id, p0, p1, p2, kind) {
  Recalculate();
}

void CGArcCircle3P::Recalculate() {
  const FiniteFrameGuard guard(*this);
  const float* p[3];
  if (!DefinedParents(p, false)) return;
  float a[3], b[3], n[3];
  Sub(p[0], p[1], a);
  Sub(p[2], p[1], b);
  Cross(a, b, n);
  if (std::fabs(n[2]) < 0.01f && std::fabs(n[1]) < 0.01f && std::fabs(n[0]) < 0.01f) {
    m_bDefined = false;  // collinear
    return;
  }
  // The circumcentre in weights of the three points, P1 as origin.
  const float d = Dot(a, b), aa = Dot(a, a), bb = Dot(b, b);
  const float den = 2 * (d * d - aa * bb);
  const float w0 = (d - aa) * bb / den;
  const float w2 = (d - bb) * aa / den;
  const float w1 = 1 - w0 - w2;
  for (int i = 0; i < 3; ++i) Center[i] = w0 * p[0][i] + w1 * p[1][i] + w2 * p[2][i];
  Sub(p[0], Center, AxisU);
  Radius = AxisULength();
  // v = (b x a) x u at the radius: P1 then lies between angle 0 and the end.
  float ba[3], v[3];
  Cross(b, a, ba);
  Cross(ba, AxisU, v);
  const float vLength = std::sqrt(Dot(v, v));
  if (!(vLength > 0)) {  // only when the numbers overflowed
    m_bDefined = false;
    return;
  }
  Scale(v, Radius / vLength, AxisV);
  if (AutoRange) {
    const double cosine = d / std::sqrt(static_cast<double>(aa) * bb);
    EndAngle = static_cast<float>(2 * (std::numbers::pi - std::acos(cosine)));
  }
  if (!std::isfinite(EndAngle)) EndAngle = 0;
  m_bDefined = Radius <= 10000;
  PlaceLabel();
}

QString CGArcCircle3P::GetDescription() {
  return Describe(kTextArcCircle3PDescriptions, {ParentName(0), ParentName(1), ParentName(2)});
}

// --- Centre and two points --------------------------------------------------

CGArcCenterP::CGArcCenterP(WORD id, WORD c, WORD a, WORD b, BYTE kind) : CGArcByPoints(id, c, a, b, kind) {
  Recalculate();
}

// B this close to the line CA (the sine of angle ACB) counts as on it:
// rounding leaves a trace of b along u, whose direction would be noise.
constexpr float kOnLineSine = 1e-5f;

void CGArcCenterP::Recalculate() {
  const FiniteFrameGuard guard(*this);
  const float* p[3];
  if (!DefinedParents(p, true)) return;
  float b[3];
  Sub(p[1], Center, AxisU);
  Sub(p[2], Center, b);
  const float uu = Dot(AxisU, AxisU);
  const float bLength = std::sqrt(Dot(b, b));
  if (uu == 0 || bLength == 0) {
    m_bDefined = false;
    return;
  }
  Radius = std::sqrt(uu);
  const float ub = Dot(AxisU, b);
  const float k = ub / uu;
  const float cosine = std::clamp(ub / (Radius * bLength), -1.0f, 1.0f);
  if (AutoRange) {
    EndAngle = std::acos(cosine);
    if (!std::isfinite(EndAngle)) EndAngle = 0;
  }
  float w[3];
  for (int i = 0; i < 3; ++i) w[i] = b[i] - k * AxisU[i];
  const float wLength = std::sqrt(Dot(w, w));
  if (!(wLength > kOnLineSine * bLength)) {
    m_bDefined = false;  // B on the line CA
    return;
  }
  Scale(w, Radius / wLength, AxisV);
  m_bDefined = true;
  PlaceLabel();
}

QString CGArcCenterP::GetDescription() {
  return Describe(kTextArcCenterPDescriptions, {ParentName(0), ParentName(1), ParentName(2)});
}

// --- Centre, point and axis -------------------------------------------------

CGArcPointN::CGArcPointN(WORD id, WORD c, WORD p, WORD q, BYTE kind, int reverse)
    : CGArcByPoints(id, c, p, q, kind) {
  m_nParamB = reverse;
  Recalculate();
}

void CGArcPointN::Recalculate() {
  const FiniteFrameGuard guard(*this);
  const float* p[3];
  if (!DefinedParents(p, true)) return;
  float d[3], w[3];
  Sub(p[1], Center, AxisU);
  Sub(p[2], Center, d);
  Cross(d, AxisU, w);
  const float uu = Dot(AxisU, AxisU), ww = Dot(w, w);
  if (uu < 0.0001f || ww < 0.0001f) {
    m_bDefined = false;
    return;
  }
  Radius = std::sqrt(uu);
  float s = std::sqrt(uu / ww);
  if (m_nParamB > 0) s = -s;
  Scale(w, s, AxisV);
  m_bDefined = true;
  PlaceLabel();
}

QString CGArcPointN::GetDescription() {
  const QString reversed = m_nParamB >= 1 ? QString::fromUtf8(kTextArcReversed) : QString();
  return Describe(kTextArcPointNDescriptions,
                  {ParentName(0), ParentName(1), ParentName(0), ParentName(2), reversed});
}
