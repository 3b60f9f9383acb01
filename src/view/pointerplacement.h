// Where in space the pointer is: the ray under a pointer position, and the
// point of it that a new or moved point takes on a coordinate plane, on the
// vertical line through a known point, or on the plane of three points.
// Placed coordinates are rounded to the grid (whole units with snapping
// on, tenths otherwise) and kept within -200 to 200.  Nothing here needs a
// widget or a GL context: the ray is unprojected with the matrices and
// viewport the view saved.
#pragma once

// Grid snapping is g_bSnapToGrid (model/globals.h).
// A pointer ray: its world points at window depth 0 and 1 and their
// difference near - far.
struct PointerRay {
  double nearPoint[3];
  double farPoint[3];
  float dir[3];
};
// The ray globals (g_dRayNear, g_dRayFar, g_fViewDir) as one ray.
PointerRay CurrentPointerRay();

// Whole units with snapping on, else tenths: floor(v * 10 + 0.5) / 10.
double RoundToGrid(double v, bool snap);

// The pure placements.  On the coordinate plane the ray crosses most
// steeply (z = 0 when |dir.z| > 10, else y = 0 when |dir.y| > 10, else
// x = 0): false, out untouched, when the ray runs parallel to it.
bool PlaceOnCoordinatePlane(const PointerRay& ray, bool snap, double out[3]);
// The height z of the point of the vertical line through (x, y) nearest to
// the ray, rounded: false for a vertical ray or a height beyond +-200.
bool PlaceOnVerticalLine(const PointerRay& ray, double x, double y, bool snap, double* z);
// On the plane through A, B, C: x and y rounded and clamped, z the plane's
// height there, and (s, t) with X = C + s (A - C) + t (B - C).  False for a
// ray parallel to the plane, a vertical plane or collinear A, B, C.
bool PlaceOnPlane(const PointerRay& ray, const double A[3], const double B[3], const double C[3], bool snap,
                  double out[3], float* s, float* t);

// Fills the ray globals from a pointer position in client device pixels.
void UnprojectPointer(int x, int y);
// The pointer on the grid.  Vertical clear: writes all three coordinates
// (a coordinate plane).  Vertical set: reads px, py and writes pz only (the
// vertical line through them), or nothing.
void SnapToGrid(int x, int y, bool vertical, double* px, double* py, double* pz);
// The pointer on the plane of the tool state's three plane points; all
// outputs are zeroed first and stay zero when it cannot be placed.
bool ScreenToWorld(int x, int y, double* px, double* py, double* pz, float* s, float* t);
