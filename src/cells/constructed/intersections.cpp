#include "cells/constructed/intersections.h"

#include <cmath>

#include "cells/constructed/constructedtexts.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/vecops.h"
#include "math/geometry.h"

IMPLEMENT_SERIAL(CGVerIntersection, CGVertex)
IMPLEMENT_SERIAL(CGVerIntersectionLF, CGVertex)
IMPLEMENT_SERIAL(CGVerIntersectionLS, CGVertex)
IMPLEMENT_SERIAL(CGVerIntersectionSS, CGVertex)

using kvmath::WideVec;

namespace {

// The kinds' bounds: exact for two lines and for a line with a plane, a
// little slack for a line with a circle, whose roots come from a square root.
constexpr double kLo = 0, kHi = 1;
constexpr double kLoSlack = -1e-6, kHiSlack = 1.000001;

WideVec Normal(const CGArc& c) { return kvmath::Cross(kvmath::Widen(c.AxisU), kvmath::Widen(c.AxisV)); }
double RadiusOf(const CGArc& c) { return kvmath::Length(kvmath::Widen(c.AxisU)); }

}  // namespace

// --- Two lines ----------------------------------------------------------------

CGVerIntersection::CGVerIntersection(WORD id, int slot, const QString& name, WORD line1, WORD line2)
    : CGConstructedPoint(id, slot, name, {line1, line2}) {
  Recalculate();
}

void CGVerIntersection::Recalculate() {
  LineParent l1, l2;
  float p[3], t1, t2;
  if (!DefinedLine(0, l1) || !DefinedLine(1, l2) || !IntersectLineLine(l1.a, l1.b, l2.a, l2.b, p, t1, t2) ||
      !FitsLineKind(t1, l1.kind, kLo, kHi) || !FitsLineKind(t2, l2.kind, kLo, kHi))
    return Undefine();
  m_fValue = t1;
  PlaceIfFinite(p);
}

QString CGVerIntersection::GetDescription() {
  return FillFormat(kTextIntersectionLL, "%s", {ParentName(0), ParentName(1)});
}

// --- A line and a plane -------------------------------------------------------

CGVerIntersectionLF::CGVerIntersectionLF(WORD id, int slot, const QString& name, WORD line, WORD face)
    : CGConstructedPoint(id, slot, name, {line, face}) {
  Recalculate();
}

void CGVerIntersectionLF::Recalculate() {
  LineParent line;
  if (!DefinedLine(0, line)) return Undefine();
  const CGFace* face = DefinedParentAs<CGFace>(1);
  const float* corner[3] = {nullptr, nullptr, nullptr};
  for (int i = 0; face && i < 3; ++i) corner[i] = face->CornerPos(i);
  float p[3], t;
  if (!corner[2] || !corner[1] || !corner[0] ||
      !IntersectLineFace(line.a, line.b, corner[0], corner[1], corner[2], p, t) ||
      !FitsLineKind(t, line.kind, kLo, kHi))
    return Undefine();
  m_fValue = t;
  PlaceIfFinite(p);
}

QString CGVerIntersectionLF::GetDescription() {
  return FillFormat(kTextIntersectionLF, "%s", {ParentName(0), ParentName(1)});
}

// --- A line and a circle ------------------------------------------------------

CGVerIntersectionLS::CGVerIntersectionLS(WORD id, int slot, const QString& name, BYTE root, WORD line,
                                         WORD circle)
    : CGConstructedPoint(id, slot, name, {line, circle}) {
  m_nSubKind = root;
  Recalculate();
}

void CGVerIntersectionLS::Recalculate() {
  LineParent line;
  if (!DefinedLine(0, line)) return Undefine();
  const CGArc* circle = DefinedParentAs<CGArc>(1);
  float p[3], t;
  if (!circle || !IntersectLineSphere(line.a, line.b, circle->Center, m_nSubKind, p, t, RadiusOf(*circle)))
    return Undefine();
  // The sphere meets the line; the circle is the sphere's cut with its plane.
  const double off = kvmath::Dot(Normal(*circle), kvmath::Diff(p, circle->Center));
  if (!(std::fabs(off) < 0.01) || !FitsLineKind(t, line.kind, kLoSlack, kHiSlack)) return Undefine();
  PlaceIfFinite(p);
}

QString CGVerIntersectionLS::GetDescription() {
  return FillFormat(kTextIntersectionLS, "%s", {ParentName(0), ParentName(1)});
}

// --- Two circles --------------------------------------------------------------

CGVerIntersectionSS::CGVerIntersectionSS(WORD id, int slot, const QString& name, BYTE root, WORD circle1,
                                         WORD circle2)
    : CGConstructedPoint(id, slot, name, {circle1, circle2}) {
  m_nSubKind = root;
  Recalculate();
}

void CGVerIntersectionSS::Recalculate() {
  const CGArc* c1 = DefinedParentAs<CGArc>(0);
  const CGArc* c2 = c1 ? DefinedParentAs<CGArc>(1) : nullptr;
  if (!c2 || RadiusOf(*c1) < 1e-4 || RadiusOf(*c2) < 1e-4) return Undefine();
  float p[3];
  // Normals of equal planes are parallel: their cross product is short.
  const bool found = kvmath::Length(kvmath::Cross(Normal(*c1), Normal(*c2))) < 0.1 ? Coplanar(*c1, *c2, p)
                                                                                    : Crossing(*c1, *c2, p);
  if (!found || !kvmath::Finite3(p)) return Undefine();
  PlaceIfFinite(p);
}

bool CGVerIntersectionSS::Coplanar(const CGArc& c1, const CGArc& c2, float p[3]) const {
  const WideVec n1 = Normal(c1);
  const WideVec D = kvmath::Diff(c2.Center, c1.Center);
  if (std::fabs(kvmath::Dot(D, n1)) > 0.1) return false;  // parallel planes apart
  const double r1 = RadiusOf(c1), r2 = RadiusOf(c2);
  const double d = kvmath::Length(D);
  // One circle twice (same centre, same radius) passes the tests below and
  // would divide by d.
  if (d < 1e-9) return false;
  if (std::fabs(r1 - r2) - d > 1e-4 || d - (r1 + r2) > 1e-4) return false;  // one inside the other, or apart
  const double a = (d * d + r1 * r1 - r2 * r2) / (2 * d);
  const double h = kvmath::SqrtClamped(r1 * r1 - a * a);
  const WideVec M = kvmath::Widen(c1.Center) + (a / d) * D;
  const WideVec w = kvmath::Cross(n1, D);
  // w vanishes only for centres one above the other, not on one plane.
  const double wLength = kvmath::Length(w);
  if (wLength < 1e-9) return false;
  const double s = m_nSubKind == 0 ? -h / wLength : h / wLength;
  kvmath::StoreFloat(M + s * w, p);
  return true;
}

bool CGVerIntersectionSS::Crossing(const CGArc& c1, const CGArc& c2, float p[3]) const {
  const WideVec n1 = Normal(c1), n2 = Normal(c2);
  const WideVec m = kvmath::Cross(n1, n2);
  const double e1 = kvmath::Dot(n1, kvmath::Widen(c1.Center));
  const double e2 = kvmath::Dot(n2, kvmath::Widen(c2.Center));
  // A point of the line where the planes meet: the one where the first
  // coordinate whose direction component is not tiny is zero.
  WideVec q0;
  if (std::fabs(m.x) > 1e-4)
    q0 = {0, (n2.z * e1 - e2 * n1.z) / m.x, (e2 * n1.y - n2.y * e1) / m.x};
  else if (std::fabs(m.y) > 1e-4)
    q0 = {-(n2.z * e1 - e2 * n1.z) / m.y, 0, -(e2 * n1.x - n2.x * e1) / m.y};
  else if (std::fabs(m.z) > 1e-4)
    q0 = {(n2.y * e1 - e2 * n1.y) / m.z, (e2 * n1.x - n2.x * e1) / m.z, 0};
  else
    return false;
  float from[3], to[3], t;
  kvmath::StoreFloat(q0, from);
  kvmath::StoreFloat(q0 + m, to);
  if (!IntersectLineSphere(from, to, c1.Center, m_nSubKind, p, t, RadiusOf(c1))) return false;
  return std::fabs(kvmath::Length(kvmath::Diff(p, c2.Center)) - RadiusOf(c2)) < 0.01;
}

QString CGVerIntersectionSS::GetDescription() {
  return FillFormat(kTextIntersectionSS, "%s", {ParentName(0), ParentName(1)});
}
