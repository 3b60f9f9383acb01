#include "cells/primitives/cgarc.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "cells/primitives/arcangles.h"
#include "cells/primitives/arctexts.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/vecops.h"
#include "math/geometry.h"
#include "math/widevector.h"
#include "model/cgpage.h"
#include "platform/archive.h"
#include "platform/numberformat.h"

IMPLEMENT_SERIAL(CGArc, CGCell)

using kvmath::WideVec;

CGArc::CGArc() {
  for (float& v : LabelOffset) v = 10 * g_fUnitsPerPixel;
  m_rgbaColor.r = g_prefs.rgbaCurve.r;
  m_rgbaColor.g = g_prefs.rgbaCurve.g;
  m_rgbaColor.b = g_prefs.rgbaCurve.b;
}

CGArc::CGArc(WORD id, float cx, float cy, float cz, float ux, float uy, float uz, float vx, float vy,
             float vz, float start, float end, BYTE kind)
    : CGArc() {
  m_nId = id;
  if (g_pCurPage) m_strName = g_pCurPage->GetNewName(4);
  m_nSubKind = kind;
  const float c[3] = {cx, cy, cz}, u[3] = {ux, uy, uz}, v[3] = {vx, vy, vz};
  kvmath::Store3(c, Center);
  kvmath::Store3(u, AxisU);
  kvmath::Store3(v, AxisV);
  StartAngle = start;
  EndAngle = end;
  NormalizeAngles();
  Radius = AxisULength();
  PlaceLabel();
}

void CGArc::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  float* const before[] = {Center, AxisU, AxisV};
  if (ar.IsStoring()) {
    for (float* v : before) ar << v[0] << v[1] << v[2];
    ar << StartAngle << EndAngle << static_cast<BYTE>(AutoRange ? 1 : 0) << LabelAngle << LabelOffset[0]
       << LabelOffset[1] << LabelOffset[2];
    const int picture = Picture();
    if (picture >= 1 && picture <= 3) ++ar.Context().nPictureUseCount[picture - 1];
    return;
  }
  for (float* v : before) ar >> v[0] >> v[1] >> v[2];
  ar >> StartAngle >> EndAngle;
  AutoRange = ar.ReadByte() != 0 ? 1 : 0;
  ar >> LabelAngle >> LabelOffset[0] >> LabelOffset[1] >> LabelOffset[2];
  // Every pass tessellates from these values: a NaN or an infinity would
  // spread into the drawing and the segment count, so the file is refused.
  Radius = AxisULength();
  if (!HasFiniteRecord())
    throw CArchiveException(ArchiveError::BadData,
                            "circle " + std::to_string(m_nId) + " holds a value that is not a number");
  NormalizeAngles();
}

bool CGArc::HasFiniteRecord() const {
  return kvmath::Finite3(Center) && kvmath::Finite3(AxisU) && kvmath::Finite3(AxisV) &&
         kvmath::Finite3(StartAngle, EndAngle, LabelAngle) && kvmath::Finite3(LabelOffset) &&
         std::isfinite(Radius) && std::isfinite(AxisULength());
}

CGArc::FiniteFrameGuard::FiniteFrameGuard(CGArc& arc)
    : m_arc(arc), m_angles{arc.StartAngle, arc.EndAngle, arc.LabelAngle}, m_radius(arc.Radius) {
  kvmath::Store3(arc.Center, m_frame[0]);
  kvmath::Store3(arc.AxisU, m_frame[1]);
  kvmath::Store3(arc.AxisV, m_frame[2]);
  kvmath::Store3(arc.LabelOffset, m_labelOffset);
  kvmath::Store3(arc.m_vLabelAnchor, m_anchor);
}

CGArc::FiniteFrameGuard::~FiniteFrameGuard() {
  if (m_arc.HasFiniteRecord() && kvmath::Finite3(m_arc.m_vLabelAnchor)) return;
  kvmath::Store3(m_frame[0], m_arc.Center);
  kvmath::Store3(m_frame[1], m_arc.AxisU);
  kvmath::Store3(m_frame[2], m_arc.AxisV);
  m_arc.StartAngle = m_angles[0];
  m_arc.EndAngle = m_angles[1];
  m_arc.LabelAngle = m_angles[2];
  kvmath::Store3(m_labelOffset, m_arc.LabelOffset);
  kvmath::Store3(m_anchor, m_arc.m_vLabelAnchor);
  m_arc.Radius = m_radius;
  m_arc.m_bDefined = false;
}

void CGArc::NormalizeAngles() { NormalizeArcRange(StartAngle, EndAngle); }

float CGArc::AxisULength() const { return VectorLength(AxisU); }

void CGArc::PointAt(float a, float out[3]) const {
  const float c = std::cos(a), s = std::sin(a);
  for (int i = 0; i < 3; ++i) out[i] = Center[i] + c * AxisU[i] + s * AxisV[i];
}

void CGArc::PlaceLabel() {
  float base[3];
  PointAt(LabelAngle, base);
  for (int i = 0; i < 3; ++i) m_vLabelAnchor[i] = base[i] + LabelOffset[i];
}

void CGArc::Recalculate() { PlaceLabel(); }

QString CGArc::GetDescription() {
  auto number = [](float v) { return FormatNumber("%.4f", v); };
  return FillFormat(kTextArcDescription, "%.4f",
                    {number(Center[0]), number(Center[1]), number(Center[2]), number(Radius)});
}

void CGArc::PointAtParameter(double out[3], double t) const {
  t = std::clamp(t, 0.0, 1.0);
  const double a = m_nSubKind == kArcCircle || m_nSubKind == kArcDisc
                       ? t * kTwoPi
                       : StartAngle + t * (static_cast<double>(EndAngle) - StartAngle);
  const double c = std::cos(a), s = std::sin(a);
  for (int i = 0; i < 3; ++i) out[i] = Center[i] + c * AxisU[i] + s * AxisV[i];
}

namespace {

// Where the line N + s r meets the plane through c with normal w; false when
// it runs along the plane.
bool HitPlane(const WideVec& N, const WideVec& r, const float c[3], const WideVec& w, WideVec& H) {
  const double den = kvmath::Dot(r, w);
  if (den == 0) return false;
  H = N + (kvmath::Dot(kvmath::Widen(c) - N, w) / den) * r;
  return true;
}

// The angle of H about the centre, from u towards v.
float AngleOfHit(const WideVec& H, const float c[3], const float u[3], const WideVec& w) {
  float h[3], wf[3];
  kvmath::StoreFloat(H, h);
  kvmath::StoreFloat(w, wf);
  for (int i = 0; i < 3; ++i) h[i] -= c[i];
  return AngleBetweenVectors(u, h, wf);
}

}  // namespace

void CGArc::DragLabel() {
  const WideVec w = kvmath::Cross(kvmath::Widen(AxisU), kvmath::Widen(AxisV));
  const WideVec N = kvmath::WideDouble(g_dRayNear);
  const WideVec r = kvmath::WideDouble(g_dRayFar) - N;
  WideVec H;
  if (!HitPlane(N, r, Center, w, H)) return;
  LabelAngle = AngleOfHit(H, Center, AxisU, w);
  float base[3], hit[3];
  PointAt(LabelAngle, base);
  kvmath::StoreFloat(H, hit);
  float offset[3];
  for (int i = 0; i < 3; ++i) offset[i] = hit[i] - base[i];
  const float limit = 40 * g_fUnitsPerPixel;
  const float length = std::sqrt(offset[0] * offset[0] + offset[1] * offset[1] + offset[2] * offset[2]);
  if (length > limit) {
    for (int i = 0; i < 3; ++i) {
      LabelOffset[i] = offset[i] * (limit / length);
      m_vLabelAnchor[i] = base[i] + LabelOffset[i];
    }
    return;
  }
  kvmath::Store3(offset, LabelOffset);
  kvmath::Store3(hit, m_vLabelAnchor);
}

BOOL CGArc::NearestToRay(float out[3], double* angle, double* distance, int mode) const {
  const WideVec w = kvmath::Cross(kvmath::Widen(AxisU), kvmath::Widen(AxisV));
  const WideVec N = kvmath::WideDouble(g_dRayNear);
  const WideVec r = kvmath::WideDouble(g_dRayFar) - N;
  WideVec H;
  if (!HitPlane(N, r, Center, w, H)) {
    out[0] = out[1] = out[2] = 0;
    *angle = 0;
    *distance = 1e200;
    return FALSE;
  }
  double a = AngleOfHit(H, Center, AxisU, w);
  const bool fullTurn = m_nSubKind == kArcCircle || m_nSubKind == kArcDisc;
  ArcPosition pos{0, 0};
  if (!fullTurn) {
    pos = PositionOnArc(a, StartAngle, EndAngle);
    if (pos.outside) a = pos.nearerStart ? StartAngle : EndAngle;
    if (a < StartAngle) a += kTwoPi;
    if (a > EndAngle) a -= kTwoPi;
  }
  const double c = std::cos(a), s = std::sin(a);
  for (int i = 0; i < 3; ++i) out[i] = static_cast<float>(Center[i] + c * AxisU[i] + s * AxisV[i]);
  *angle = a;
  if (mode == 1) *angle = fullTurn ? a / kTwoPi : pos.Parameter();
  *distance = kvmath::DistanceFromLine(kvmath::Widen(out), N, r);
  return TRUE;
}

float CGArc::ParameterOfPoint(const float p[3]) const {
  const WideVec u = kvmath::Widen(AxisU);
  const WideVec w = kvmath::Cross(u, kvmath::Widen(AxisV));
  const WideVec q = kvmath::Diff(p, Center);
  const WideVec inPlane = kvmath::Cross(w, kvmath::Cross(q, w));
  const double lengths2 = kvmath::Norm2(u) * kvmath::Norm2(inPlane);
  double angle = 0;
  if (lengths2 != 0) {
    angle = std::acos(std::clamp(kvmath::Dot(u, inPlane) / std::sqrt(lengths2), -1.0, 1.0));
    if (kvmath::Dot(kvmath::Cross(u, inPlane), w) < 0) angle = kTwoPi - angle;
  }
  if (m_nSubKind == kArcCircle || m_nSubKind == kArcDisc) return static_cast<float>(angle / kArcFullTurn);
  const ArcPosition pos = PositionOnArc(angle, StartAngle, EndAngle);
  if (!pos.outside) return static_cast<float>(pos.Parameter());
  return pos.nearerStart ? 0.0f : 1.0f;
}
