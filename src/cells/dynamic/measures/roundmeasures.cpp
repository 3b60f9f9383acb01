#include "cells/dynamic/measures/roundmeasures.h"

#include <cmath>

#include "cells/primitives/cgarc.h"
#include "cells/revolution/roundsolids.h"

IMPLEMENT_SERIAL(CGTmVarRadius, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarAreaCircle, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarLenArc, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarAreaCylinder, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarAreaCone, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarAreaFrustum, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarAreaSphere, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarVolumeCylinder, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarVolumeCone, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarVolumeFrustum, CGTmVariable)
IMPLEMENT_SERIAL(CGTmVarVolumeSphere, CGTmVariable)

namespace {
constexpr float kPi = 3.1415927f;
constexpr float kTwoPi = 6.2831855f;
constexpr float kFourPi = 12.566371f;
constexpr float kFourPiThirds = 4.1887903f;

float SquaredRadius(const CGArc& c) {
  const float* u = c.AxisU;
  return u[0] * u[0] + u[1] * u[1] + u[2] * u[2];
}
// Arcs, sectors and segments (and kinds a damaged file invents above
// them) cover their span; circles and discs the whole turn.
bool IsPartial(const CGArc& c) { return c.m_nSubKind == kArcArc || c.m_nSubKind > kArcDisc; }
float Span(const CGArc& c) { return std::fabs(c.EndAngle - c.StartAngle); }
}  // namespace

bool CGTmVarRadius::Measure(float& value) const {
  return MeasureParent<CGArc>(value, [](const CGArc& c) { return std::sqrt(SquaredRadius(c)); });
}

bool CGTmVarAreaCircle::Measure(float& value) const {
  return MeasureParent<CGArc>(value, [](const CGArc& c) {
    const float r2 = SquaredRadius(c);
    if (c.m_nSubKind == kArcSegment) return r2 / 2 * (Span(c) - std::sin(Span(c)));
    const float disc = r2 * kPi;
    return IsPartial(c) ? disc * (Span(c) / kTwoPi) : disc;
  });
}

bool CGTmVarLenArc::Measure(float& value) const {
  return MeasureParent<CGArc>(value, [](const CGArc& c) {
    const float r = std::sqrt(SquaredRadius(c));
    return IsPartial(c) ? Span(c) / kTwoPi * r * kTwoPi : r * kTwoPi;
  });
}

bool CGTmVarAreaCylinder::Measure(float& value) const {
  return MeasureParent<CGCylinder>(value, [](const CGCylinder& s) {
    const float r = s.Radius, h = s.Height;
    return r * kTwoPi * h + r * kPi * r * 2;
  });
}

bool CGTmVarAreaCone::Measure(float& value) const {
  return MeasureParent<CGCone>(value, [](const CGCone& s) {
    const float r = s.Radius, h = s.Height;
    return (std::sqrt(r * r + h * h) + r) * r * kPi;
  });
}

bool CGTmVarAreaFrustum::Measure(float& value) const {
  return MeasureParent<CGFrustum>(value, [](const CGFrustum& s) {
    const float R = s.Radius, k = s.TopRatio, h = s.Height;
    const float slant = std::sqrt(R * R * ((1 - k) * (1 - k)) + h * h);
    return slant * (k + 1) * R * kPi + (k * k + 1) * R * kPi * R;
  });
}

bool CGTmVarAreaSphere::Measure(float& value) const {
  return MeasureParent<CGSphere>(value, [](const CGSphere& s) { return s.Radius * kFourPi * s.Radius; });
}

bool CGTmVarVolumeCylinder::Measure(float& value) const {
  return MeasureParent<CGCylinder>(value, [](const CGCylinder& s) { return s.Radius * kPi * s.Radius * s.Height; });
}

bool CGTmVarVolumeCone::Measure(float& value) const {
  return MeasureParent<CGCone>(value, [](const CGCone& s) { return s.Radius * kPi * s.Radius * s.Height / 3; });
}

bool CGTmVarVolumeFrustum::Measure(float& value) const {
  return MeasureParent<CGFrustum>(value, [](const CGFrustum& s) {
    const float k = s.TopRatio;
    return s.Radius * kPi * s.Radius * s.Height * (k * k + k + 1) / 3;
  });
}

bool CGTmVarVolumeSphere::Measure(float& value) const {
  return MeasureParent<CGSphere>(value, [](const CGSphere& s) { return s.Radius * kFourPiThirds * s.Radius * s.Radius; });
}
