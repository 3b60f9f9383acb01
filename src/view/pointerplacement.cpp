#include "view/pointerplacement.h"

#include <algorithm>
#include <cmath>

#include "math/geometry.h"
#include "model/globals.h"
#include "platform/processstate.h"
#include "render/projection.h"
#include "render/viewray.h"
#include "view/toolstate.h"

namespace {
constexpr double kLimit = 200.0;
constexpr double kParallel = 1e-5;

double Clamp(double v) { return std::clamp(v, -kLimit, kLimit); }

double Dot(const double a[3], const double b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
}  // namespace

PointerRay CurrentPointerRay() {
  PointerRay ray;
  std::copy_n(g_dRayNear, 3, ray.nearPoint);
  std::copy_n(g_dRayFar, 3, ray.farPoint);
  std::copy_n(g_fViewDir, 3, ray.dir);
  return ray;
}

double RoundToGrid(double v, bool snap) { return snap ? std::floor(v + 0.5) : std::floor(v * 10 + 0.5) / 10; }

bool PlaceOnCoordinatePlane(const PointerRay& ray, bool snap, double out[3]) {
  // The axis the plane is perpendicular to, and the two that are placed.
  int axis = 0;
  if (std::fabs(ray.dir[2]) > 10)
    axis = 2;
  else if (std::fabs(ray.dir[1]) > 10)
    axis = 1;
  const double d = ray.dir[axis];
  if (std::fabs(d) < kParallel) return false;
  const double t = -ray.farPoint[axis] / d;
  for (int i = 0; i < 3; ++i)
    out[i] = i == axis ? 0.0 : Clamp(RoundToGrid(ray.farPoint[i] + t * ray.dir[i], snap));
  return true;
}

bool PlaceOnVerticalLine(const PointerRay& ray, double x, double y, bool snap, double* z) {
  // n lies in the plane of the ray and of the horizontal normal to it; the
  // line meets that plane at the height nearest to the ray.
  const double dx = ray.dir[0], dy = ray.dir[1], dz = ray.dir[2];
  const double n[3] = {-dz * dx, -dz * dy, dx * dx + dy * dy};
  if (std::fabs(n[2]) < kParallel) return false;
  const double rel[3] = {ray.nearPoint[0] - x, ray.nearPoint[1] - y, ray.nearPoint[2]};
  const double height = Dot(rel, n) / n[2];
  if (!(std::fabs(height) < kLimit)) return false;
  *z = RoundToGrid(height, snap);
  return true;
}

bool PlaceOnPlane(const PointerRay& ray, const double A[3], const double B[3], const double C[3], bool snap,
                  double out[3], float* s, float* t) {
  const float e1[3] = {float(B[0] - A[0]), float(B[1] - A[1]), float(B[2] - A[2])};
  const float e2[3] = {float(C[0] - A[0]), float(C[1] - A[1]), float(C[2] - A[2])};
  const float nf[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                       e1[0] * e2[1] - e1[1] * e2[0]};
  const double n[3] = {nf[0], nf[1], nf[2]};
  const double dir[3] = {ray.dir[0], ray.dir[1], ray.dir[2]};
  const double den = Dot(n, dir);
  if (std::fabs(den) < kParallel) return false;
  const double toA[3] = {A[0] - ray.farPoint[0], A[1] - ray.farPoint[1], A[2] - ray.farPoint[2]};
  const double k = Dot(n, toA) / den;
  const double x = Clamp(RoundToGrid(ray.farPoint[0] + k * dir[0], snap));
  const double y = Clamp(RoundToGrid(ray.farPoint[1] + k * dir[1], snap));

  // The plane's height above (x, y), from the vertical segment z = -1 .. 1.
  const double den2 = 2 * n[2];
  if (std::fabs(den2) < kParallel) return false;
  const double toA2[3] = {A[0] - x, A[1] - y, A[2] + 1};
  const double z = -1 + 2 * (Dot(n, toA2) / den2);

  const float a[3] = {float(A[0]), float(A[1]), float(A[2])};
  const float b[3] = {float(B[0]), float(B[1]), float(B[2])};
  const float c[3] = {float(C[0]), float(C[1]), float(C[2])};
  const float p[3] = {float(x), float(y), float(z)};
  float ps = 0, pt = 0;
  if (!PlaneCoordinates(a, b, c, p, ps, pt)) return false;
  out[0] = x;
  out[1] = y;
  out[2] = z;
  *s = ps;
  *t = pt;
  return true;
}

void UnprojectPointer(int x, int y) { ComputeMouseRay(x, y); }

void SnapToGrid(int x, int y, bool vertical, double* px, double* py, double* pz) {
  UnprojectPointer(x, y);
  const PointerRay ray = CurrentPointerRay();
  const bool snap = g_bSnapToGrid != 0;
  if (vertical) {
    PlaceOnVerticalLine(ray, *px, *py, snap, pz);
    return;
  }
  double placed[3];
  if (!PlaceOnCoordinatePlane(ray, snap, placed)) return;
  *px = placed[0];
  *py = placed[1];
  *pz = placed[2];
}

bool ScreenToWorld(int x, int y, double* px, double* py, double* pz, float* s, float* t) {
  *px = *py = *pz = 0;
  *s = *t = 0;
  UnprojectPointer(x, y);
  double placed[3];
  float ps = 0, pt = 0;
  if (!PlaceOnPlane(CurrentPointerRay(), g_viewTool.planeA, g_viewTool.planeB, g_viewTool.planeC,
                    g_bSnapToGrid != 0, placed, &ps, &pt))
    return false;
  *px = placed[0];
  *py = placed[1];
  *pz = placed[2];
  *s = ps;
  *t = pt;
  return true;
}
