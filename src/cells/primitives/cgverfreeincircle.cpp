#include "cells/primitives/cgverfreeincircle.h"

#include <cmath>

#include "cells/primitives/cgarc.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/freepointtexts.h"
#include "math/widevector.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGVerFreeInCircle, CGVerFree)

CGVerFreeInCircle::CGVerFreeInCircle() { m_fValue = 1.0f; }

CGVerFreeInCircle::CGVerFreeInCircle(WORD id, int slot, const QString& name, WORD circle, float angle)
    : CGVerFree(id, slot, name, 0, 0, 0) {
  m_fValue = angle;
  AppendParent(*this, circle);
  Recalculate();
}

void CGVerFreeInCircle::Serialize(CArchive& ar) {
  CGVerFree::Serialize(ar);
  float* const frame[] = {Center, AxisU, AxisV, Normal};
  if (ar.IsStoring()) {
    for (float* v : frame) ar << v[0] << v[1] << v[2];
    return;
  }
  for (float* v : frame) ar >> v[0] >> v[1] >> v[2];
  CheckLoaded(ar, 1, {m_fValue, Center[0], Center[1], Center[2], AxisU[0], AxisU[1], AxisU[2],
                      AxisV[0], AxisV[1], AxisV[2], Normal[0], Normal[1], Normal[2]});
}

void CGVerFreeInCircle::Recalculate() {
  const CGArc* circle = ParentAs<CGArc>(0);
  if (!circle || !circle->m_bDefined) {
    m_bDefined = false;
    return;
  }
  const float* u = circle->AxisU;
  const float* v = circle->AxisV;
  const float normal[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
  float p[3];
  PointAtAngle(circle->Center, u, v, p);
  // The frame is stored with the point and must stay loadable: a normal or
  // a position beyond the float range leaves the last frame in place.
  if (!kvmath::Finite3(normal) || !kvmath::Finite3(p)) {
    m_bDefined = false;
    return;
  }
  kvmath::Store3(circle->Center, Center);
  kvmath::Store3(u, AxisU);
  kvmath::Store3(v, AxisV);
  kvmath::Store3(normal, Normal);
  PlaceAt(p);
  m_bDefined = true;
}

void CGVerFreeInCircle::PointAtAngle(const float c[3], const float u[3], const float v[3], float p[3]) const {
  const double a = m_fValue;
  const float cosine = static_cast<float>(std::cos(a));
  const float sine = static_cast<float>(std::sin(a));
  for (int i = 0; i < 3; ++i) p[i] = c[i] + cosine * u[i] + sine * v[i];
}

void CGVerFreeInCircle::ApplyParameter() {
  float p[3];
  PointAtAngle(Center, AxisU, AxisV, p);
  PlaceAt(p);
}

QString CGVerFreeInCircle::GetDescription() {
  const CGArc* circle = ParentAs<CGArc>(0);
  return FillFormat(kTextFreePointInCircle, "%s", {circle ? circle->m_strName : QString()});
}

void CGVerFreeInCircle::DragTo() {
  const CGArc* circle = ParentAs<CGArc>(0);
  float p[3];
  double angle, distance;
  if (!circle || !circle->NearestToRay(p, &angle, &distance, 0)) return;
  if (!std::isfinite(static_cast<float>(angle)) || !kvmath::Finite3(p)) return;  // as on a line
  m_fValue = static_cast<float>(angle);
  PlaceAt(p);
}
