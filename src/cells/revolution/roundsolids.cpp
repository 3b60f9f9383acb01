#include "cells/revolution/roundsolids.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "cells/primitives/formattext.h"
#include "cells/revolution/revolutiontexts.h"
#include "platform/archive.h"
#include "platform/numberformat.h"

IMPLEMENT_SERIAL(CGSphere, CGCell)
IMPLEMENT_SERIAL(CGCylinder, CGCell)
IMPLEMENT_SERIAL(CGCone, CGCell)
IMPLEMENT_SERIAL(CGFrustum, CGCell)

namespace {

template <std::size_t N>
void Assign(float (&field)[N], std::initializer_list<float> values) {
  std::copy(values.begin(), values.end(), field);
}

QString Number(float v) { return FormatNumber("%.4f", v); }

}  // namespace

// --- Shared -----------------------------------------------------------------

CGRoundSolid::CGRoundSolid(bool inside) {
  m_rgbaColor.r = g_prefs.rgbaCurve.r;
  m_rgbaColor.g = g_prefs.rgbaCurve.g;
  m_rgbaColor.b = g_prefs.rgbaCurve.b;
  if (inside) m_rgbaLabel.r = m_rgbaLabel.g = m_rgbaLabel.b = 153;
}

void CGRoundSolid::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  float* fields[9];
  const int count = RecordFields(fields);
  if (ar.IsStoring()) {
    for (int i = 0; i < count; ++i) ar << *fields[i];
    const int picture = Picture();
    if (picture >= 1 && picture <= 3) ++ar.Context().nPictureUseCount[picture - 1];
    return;
  }
  for (int i = 0; i < count; ++i) ar >> *fields[i];
  const std::string solid = "solid " + std::to_string(m_nId);
  // Every pass scales and turns by these values: a NaN would reach GL.
  for (int i = 0; i < count; ++i)
    if (!std::isfinite(*fields[i]))
      throw CArchiveException(ArchiveError::BadData, solid + " holds a value that is not a number");
  const std::size_t parents = RecordParents();
  if (parents != 0 && m_parents.size() != parents)
    throw CArchiveException(ArchiveError::BadData, solid + " has " + std::to_string(m_parents.size()) +
                                                       " points, not " + std::to_string(parents));
}

// --- Sphere -----------------------------------------------------------------

CGSphere::CGSphere() : CGRoundSolid(false) { m_strName = QString::fromUtf8(kTextSphereName); }

CGSphere::CGSphere(WORD id, float x, float y, float z, float radius, float px, float py, float pz)
    : CGSphere() {
  m_nId = id;
  Assign(Center, {x, y, z});
  Radius = radius;
  Assign(PoleVector, {px, py, pz});
}

int CGSphere::RecordFields(float* fields[9]) {
  float* const order[] = {&Center[0], &Center[1], &Center[2], &Radius, &PoleVector[0], &PoleVector[1],
                          &PoleVector[2]};
  std::copy(std::begin(order), std::end(order), fields);
  return 7;
}

QString CGSphere::GetDescription() {
  return FillFormat(kTextSphereDescription, "%.4f",
                    {Number(Center[0]), Number(Center[1]), Number(Center[2]), Number(Radius)});
}

// --- Cylinder and cone ------------------------------------------------------

void CGAxialSolid::SetValues(WORD id, float x, float y, float z, float radius, float height, float ax,
                             float ay, float az) {
  m_nId = id;
  Assign(BaseCenter, {x, y, z});
  Radius = radius;
  Height = height;
  Assign(Axis, {ax, ay, az});
}

int CGAxialSolid::RecordFields(float* fields[9]) {
  float* const order[] = {&BaseCenter[0], &BaseCenter[1], &BaseCenter[2], &Radius,
                          &Height,        &Axis[0],       &Axis[1],       &Axis[2]};
  std::copy(std::begin(order), std::end(order), fields);
  return 8;
}

CGCylinder::CGCylinder() { m_strName = QString::fromUtf8(kTextCylinderName); }

CGCylinder::CGCylinder(WORD id, float x, float y, float z, float radius, float height, float ax, float ay,
                       float az)
    : CGCylinder() {
  SetValues(id, x, y, z, radius, height, ax, ay, az);
}

QString CGCylinder::GetDescription() {
  return FillFormat(kTextCylinderDescription, "%.4f", {Number(Radius), Number(Height)});
}

CGCone::CGCone() { m_strName = QString::fromUtf8(kTextConeName); }

CGCone::CGCone(WORD id, float x, float y, float z, float radius, float height, float ax, float ay, float az)
    : CGCone() {
  SetValues(id, x, y, z, radius, height, ax, ay, az);
}

QString CGCone::GetDescription() {
  return FillFormat(kTextConeDescription, "%.4f", {Number(Radius), Number(Height)});
}

// --- Frustum ----------------------------------------------------------------

CGFrustum::CGFrustum() { m_strName = QString::fromUtf8(kTextFrustumName); }

CGFrustum::CGFrustum(WORD id, float x, float y, float z, float radius, float height, float ax, float ay,
                     float az, float topRatio)
    : CGFrustum() {
  SetValues(id, x, y, z, radius, height, ax, ay, az);
  TopRatio = topRatio;
}

int CGFrustum::RecordFields(float* fields[9]) {
  const int count = CGAxialSolid::RecordFields(fields);
  fields[count] = &TopRatio;
  return count + 1;
}

QString CGFrustum::GetDescription() {
  return FillFormat(kTextFrustumDescription, "%.4f", {Number(Radius), Number(Radius * TopRatio), Number(Height)});
}
