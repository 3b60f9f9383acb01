// The round shapes: a circle, cylinder, cone, conical frustum or sphere
// along an axis, with marker points and full circles placed by value (they
// do not follow the points).
#include <cmath>

#include "cells/primitives/cgarc.h"
#include "cells/revolution/roundsolids.h"
#include "cells/solids/static/staticbuilder.h"
#include "cells/solids/static/staticshapes.h"
#include "math/geometry.h"

namespace {

constexpr float kFlatAxis = 0.001f;

struct CVec {
  float x, y, z;
};
CVec operator+(CVec p, CVec q) { return {p.x + q.x, p.y + q.y, p.z + q.z}; }
CVec operator*(float k, CVec p) { return {k * p.x, k * p.y, k * p.z}; }
CVec ToVec(const float v[3]) { return {v[0], v[1], v[2]}; }
float Length(CVec p) { return std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z); }

// A full circle of kind 0 about `c` with frame vectors u, v.
void Circle(CStaticBuilder& build, CVec c, CVec u, CVec v) {
  build.Cell<CGArc>(c.x, c.y, c.z, u.x, u.y, u.z, v.x, v.y, v.z, 0.0f, kArcFullTurn, BYTE{0});
}

// An axis with huge components, shortened so that it points the same way
// and the frames, which square its components in single precision, stay
// finite.
CVec Shortened(float ax, float ay, float az) {
  float a[3] = {ax, ay, az};
  ShortenLongDirection(a);
  return {a[0], a[1], a[2]};
}

// The unit axis of the cylinder, cone and frustum: (0, 0, 1) when the
// given one is too short to point anywhere.
CVec UnitAxis(float ax, float ay, float az) {
  const CVec a = Shortened(ax, ay, az);
  const float length = Length(a);
  if (length < kFlatAxis) return {0, 0, 1};
  return {a.x / length, a.y / length, a.z / length};
}

// The two end centres and the frame of an axial solid: B and T, half the
// height below and above the centre along the unit axis.
struct CAxial {
  CVec axis, base, top;
  CStaticFrame frame;
};
CAxial Axial(float cx, float cy, float cz, float radius, float height, float ax, float ay, float az) {
  CAxial s;
  s.axis = UnitAxis(ax, ay, az);
  const CVec c{cx, cy, cz};
  s.base = c + (-height / 2) * s.axis;
  s.top = c + (height / 2) * s.axis;
  const float d[3] = {s.axis.x, s.axis.y, s.axis.z};
  s.frame = StaticShapeFrame(radius, d);
  return s;
}

// What every axial shape begins with: the points B and T, the base circle.
void EndsAndBase(CStaticBuilder& build, const CAxial& s) {
  build.Point(s.base.x, s.base.y, s.base.z);
  build.Point(s.top.x, s.top.y, s.top.z);
  Circle(build, s.base, ToVec(s.frame.u), ToVec(s.frame.v));
}

}  // namespace

CStaticFrame StaticShapeFrame(float r, const float d[3]) {
  if (std::fabs(d[0]) <= kFlatAxis && std::fabs(d[1]) <= kFlatAxis) return {{r, 0, 0}, {0, r, 0}};
  const CVec w{-d[1], d[0], 0};
  const CVec n{-d[0] * d[2], -d[1] * d[2], d[0] * d[0] + d[1] * d[1]};
  const CVec u = (r / Length(w)) * w;
  const CVec v = (r / Length(n)) * n;
  return {{u.x, u.y, u.z}, {v.x, v.y, v.z}};
}

int AddStaticCircle(float cx, float cy, float cz, float radius, float ax, float ay, float az) {
  if (!CStaticBuilder::HasRoom(2, 1)) return 0;
  CStaticBuilder build;
  build.Point(cx, cy, cz);
  const CVec a = Shortened(ax, ay, az);
  const float d[3] = {a.x, a.y, a.z};
  const CStaticFrame frame = StaticShapeFrame(radius, d);
  Circle(build, {cx, cy, cz}, ToVec(frame.u), ToVec(frame.v));
  return build.Made();
}

int AddStaticCylinder(float cx, float cy, float cz, float radius, float height, float ax, float ay, float az) {
  if (!CStaticBuilder::HasRoom(5, 2)) return 0;
  CStaticBuilder build;
  const CAxial s = Axial(cx, cy, cz, radius, height, ax, ay, az);
  EndsAndBase(build, s);
  Circle(build, s.top, ToVec(s.frame.u), ToVec(s.frame.v));
  build.Cell<CGCylinder>(s.base.x, s.base.y, s.base.z, radius, height, s.axis.x, s.axis.y, s.axis.z);
  return build.Made();
}

int AddStaticCone(float cx, float cy, float cz, float radius, float height, float ax, float ay, float az) {
  if (!CStaticBuilder::HasRoom(4, 2)) return 0;
  CStaticBuilder build;
  const CAxial s = Axial(cx, cy, cz, radius, height, ax, ay, az);
  EndsAndBase(build, s);
  build.Cell<CGCone>(s.base.x, s.base.y, s.base.z, radius, height, s.axis.x, s.axis.y, s.axis.z);
  return build.Made();
}

int AddStaticConicalFrustum(float cx, float cy, float cz, float radius, float height, float ratio, float ax,
                            float ay, float az) {
  if (!CStaticBuilder::HasRoom(5, 2)) return 0;
  CStaticBuilder build;
  const CAxial s = Axial(cx, cy, cz, radius, height, ax, ay, az);
  EndsAndBase(build, s);
  Circle(build, s.top, ratio * ToVec(s.frame.u), ratio * ToVec(s.frame.v));
  build.Cell<CGFrustum>(s.base.x, s.base.y, s.base.z, radius, height, s.axis.x, s.axis.y, s.axis.z, ratio);
  return build.Made();
}

int AddStaticSphere(float cx, float cy, float cz, float radius, float ax, float ay, float az) {
  if (!CStaticBuilder::HasRoom(5, 1)) return 0;
  CStaticBuilder build;
  build.Point(cx, cy, cz);
  CVec pole{0, 0, radius};
  CStaticFrame frame{{radius, 0, 0}, {0, radius, 0}};
  const CVec a = Shortened(ax, ay, az);
  if (std::fabs(a.x) > kFlatAxis || std::fabs(a.y) > kFlatAxis) {
    pole = (radius / Length(a)) * a;
    const float d[3] = {pole.x, pole.y, pole.z};
    frame = StaticShapeFrame(radius, d);
  }
  const CVec c{cx, cy, cz}, u = ToVec(frame.u), v = ToVec(frame.v);
  build.Cell<CGSphere>(cx, cy, cz, radius, pole.x, pole.y, pole.z);
  Circle(build, c, u, v);
  Circle(build, c, v, pole);
  Circle(build, c, pole, u);
  return build.Made();
}
