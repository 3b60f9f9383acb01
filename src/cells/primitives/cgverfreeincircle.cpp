#include "cells/primitives/cgverfreeincircle.h"

#include <cmath>

#include "cells/primitives/cgarc.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/freepointtexts.h"
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
  for (int i = 0; i < 3; ++i) {
    Center[i] = circle->Center[i];
    AxisU[i] = circle->AxisU[i];
    AxisV[i] = circle->AxisV[i];
  }
  Normal[0] = AxisU[1] * AxisV[2] - AxisU[2] * AxisV[1];
  Normal[1] = AxisU[2] * AxisV[0] - AxisU[0] * AxisV[2];
  Normal[2] = AxisU[0] * AxisV[1] - AxisU[1] * AxisV[0];
  ApplyParameter();
  m_bDefined = true;
}

void CGVerFreeInCircle::ApplyParameter() {
  const double a = m_fValue;
  const float c = static_cast<float>(std::cos(a));
  const float s = static_cast<float>(std::sin(a));
  float p[3];
  for (int i = 0; i < 3; ++i) p[i] = Center[i] + c * AxisU[i] + s * AxisV[i];
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
  m_fValue = static_cast<float>(angle);
  PlaceAt(p);
}
