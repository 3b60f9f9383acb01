#include "cells/constructed/trianglecentres.h"

#include <cmath>

#include "cells/constructed/derivedpointtexts.h"
#include "math/geometry.h"

IMPLEMENT_SERIAL(CGVerBarycenter, CGVertex)
IMPLEMENT_SERIAL(CGVerExcenter, CGVertex)
IMPLEMENT_SERIAL(CGVerIncenter, CGVertex)
IMPLEMENT_SERIAL(CGVerOrthocenter, CGVertex)
IMPLEMENT_SERIAL(CGVerEscenter, CGVertex)

namespace {

float Distance(const float p[3], const float q[3]) {
  const float d[3] = {p[0] - q[0], p[1] - q[1], p[2] - q[2]};
  return std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
}

// wa A + wb B + wc C.
void Weighted(const float A[3], float wa, const float B[3], float wb, const float C[3], float wc,
              float out[3]) {
  for (int i = 0; i < 3; ++i) out[i] = wa * A[i] + wb * B[i] + wc * C[i];
}

bool Centroid(const float A[3], const float B[3], const float C[3], float out[3]) {
  for (int i = 0; i < 3; ++i) out[i] = (A[i] + B[i] + C[i]) / 3;
  return true;
}

bool CircleCentre(const float A[3], const float B[3], const float C[3], float out[3]) {
  return Circumcentre(A, B, C, out[0], out[1], out[2]);
}

// The side lengths a, b, c opposite A, B, C weight the corners: (a A + sb b B
// + c C) / (a + sb b + c), sb being 1 inside and -1 for the excentre
// opposite B.  No centre when that sum is (nearly) zero.
bool SideWeighted(const float A[3], const float B[3], const float C[3], float sb, float out[3]) {
  const float a = Distance(C, B), b = sb * Distance(A, C), c = Distance(B, A);
  const float s = a + b + c;
  if (!(s >= 1e-6f)) return false;
  for (int i = 0; i < 3; ++i) out[i] = (a * A[i] + b * B[i] + c * C[i]) / s;
  return true;
}

bool Incentre(const float A[3], const float B[3], const float C[3], float out[3]) {
  return SideWeighted(A, B, C, 1, out);
}

bool ExcentreOppositeB(const float A[3], const float B[3], const float C[3], float out[3]) {
  return SideWeighted(A, B, C, -1, out);
}

bool Orthocentre(const float A[3], const float B[3], const float C[3], float out[3]) {
  const float u[3] = {A[0] - B[0], A[1] - B[1], A[2] - B[2]};
  const float v[3] = {C[0] - B[0], C[1] - B[1], C[2] - B[2]};
  if (std::fabs(u[0] * v[1] - u[1] * v[0]) < 0.01f && std::fabs(u[0] * v[2] - u[2] * v[0]) < 0.01f &&
      std::fabs(u[1] * v[2] - u[2] * v[1]) < 0.01f)
    return false;  // collinear
  const float uu = u[0] * u[0] + u[1] * u[1] + u[2] * u[2];
  const float vv = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
  const float uv = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
  const float e = uv * uv - vv * uu;
  const float wa = (uv - vv) * uv / e, wc = (uv - uu) * uv / e;
  Weighted(A, wa, B, 1 - wa - wc, C, wc, out);
  return true;
}

}  // namespace

// --- Shared -------------------------------------------------------------------

CGVerOfTriangle::CGVerOfTriangle(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c,
                                 Construction construction)
    : CGConstructedPoint(id, slot, name, {a, b, c}), m_construction(construction) {
  Recalculate();
}

void CGVerOfTriangle::Recalculate() {
  const float* corner[3];
  for (size_t i = 0; i < 3; ++i) {
    const CGVertex* p = DefinedParentAs<CGVertex>(i);
    if (!p) return Undefine();
    corner[i] = p->m_vPos;
  }
  float at[3];
  if (!m_construction(corner[0], corner[1], corner[2], at)) return Undefine();
  PlaceIfFinite(at);
}

QString CGVerTriangleCentre::GetDescription() {
  return QString::fromUtf8(kTextTrianglePrefix) + ParentName(0) + ParentName(1) + ParentName(2) +
         QString::fromUtf8(m_suffix);
}

// --- The five -----------------------------------------------------------------

CGVerBarycenter::CGVerBarycenter() : CGVerTriangleCentre(Centroid, kTextBarycenterSuffix) {}
CGVerBarycenter::CGVerBarycenter(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c)
    : CGVerTriangleCentre(id, slot, name, a, b, c, Centroid, kTextBarycenterSuffix) {}

CGVerExcenter::CGVerExcenter() : CGVerTriangleCentre(CircleCentre, kTextExcenterSuffix) {}
CGVerExcenter::CGVerExcenter(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c)
    : CGVerTriangleCentre(id, slot, name, a, b, c, CircleCentre, kTextExcenterSuffix) {}

CGVerIncenter::CGVerIncenter() : CGVerTriangleCentre(Incentre, kTextIncenterSuffix) {}
CGVerIncenter::CGVerIncenter(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c)
    : CGVerTriangleCentre(id, slot, name, a, b, c, Incentre, kTextIncenterSuffix) {}

CGVerOrthocenter::CGVerOrthocenter() : CGVerTriangleCentre(Orthocentre, kTextOrthocenterSuffix) {}
CGVerOrthocenter::CGVerOrthocenter(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c)
    : CGVerTriangleCentre(id, slot, name, a, b, c, Orthocentre, kTextOrthocenterSuffix) {}

CGVerEscenter::CGVerEscenter() : CGVerTriangleCentre(ExcentreOppositeB, kTextEscenterSuffix) {}
CGVerEscenter::CGVerEscenter(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c)
    : CGVerTriangleCentre(id, slot, name, a, b, c, ExcentreOppositeB, kTextEscenterSuffix) {}
