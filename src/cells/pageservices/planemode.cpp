#include "cells/pageservices/planemode.h"

#include <algorithm>
#include <cmath>

#include "cells/primitives/cgface.h"
#include "math/geometry.h"
#include "math/mathglobals.h"
#include "math/widevector.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/processstate.h"

CViewTransition g_viewTransition;

namespace {

const ProcessStateReset reset([] { g_viewTransition = CViewTransition{}; });

using kvmath::WideVec;

// False for a vector shorter than the tolerance (or not a number).
bool Normalise(WideVec& v, bool shortAtTolerance) {
  const double n2 = kvmath::Norm2(v);
  if (!(shortAtTolerance ? n2 > 1e-6 : n2 >= 1e-6)) return false;
  const double n = std::sqrt(n2);
  v = {v.x / n, v.y / n, v.z / n};
  return true;
}

// The unit quaternion of the rotation matrix whose rows are e, f and n
// (it takes e to x, f to y, n to z), its scalar part not negative.  Read
// straight from the orthonormal frame, it needs no case of its own when
// the face is turned half round or lies close to one of the axes.
Quaternion FrameRotation(const WideVec& e, const WideVec& f, const WideVec& n) {
  const double r[3][3] = {{e.x, e.y, e.z}, {f.x, f.y, f.z}, {n.x, n.y, n.z}};
  const double trace = r[0][0] + r[1][1] + r[2][2];
  Quaternion q;
  if (trace > 0) {
    const double s = 2 * std::sqrt(trace + 1);
    q = {s / 4, (r[2][1] - r[1][2]) / s, (r[0][2] - r[2][0]) / s, (r[1][0] - r[0][1]) / s};
  } else if (r[0][0] > r[1][1] && r[0][0] > r[2][2]) {
    const double s = 2 * std::sqrt(1 + r[0][0] - r[1][1] - r[2][2]);
    q = {(r[2][1] - r[1][2]) / s, s / 4, (r[0][1] + r[1][0]) / s, (r[0][2] + r[2][0]) / s};
  } else if (r[1][1] > r[2][2]) {
    const double s = 2 * std::sqrt(1 + r[1][1] - r[0][0] - r[2][2]);
    q = {(r[0][2] - r[2][0]) / s, (r[0][1] + r[1][0]) / s, s / 4, (r[1][2] + r[2][1]) / s};
  } else {
    const double s = 2 * std::sqrt(1 + r[2][2] - r[0][0] - r[1][1]);
    q = {(r[1][0] - r[0][1]) / s, (r[0][2] + r[2][0]) / s, (r[1][2] + r[2][1]) / s, s / 4};
  }
  const double length = std::sqrt(q.w * q.w + q.x * q.x + q.y * q.y + q.z * q.z);
  const double sign = q.w < 0 ? -1.0 : 1.0;  // the same turn the short way: angle in [0, pi]
  return {sign * q.w / length, sign * q.x / length, sign * q.y / length, sign * q.z / length};
}

}  // namespace

bool EnterPlaneMode() {
  const CGPage* page = g_pCurPage;
  if (!page || page->m_selFaces.size() != 1) return false;
  const CGCell* cell = page->m_cells.Lookup(page->m_selFaces.front());
  if (!cell || !cell->IsKindOf(RUNTIME_CLASS(CGFace)) || !cell->m_bDefined) return false;
  const auto* face = static_cast<const CGFace*>(cell);
  if (face->CornerCount < 3) return false;
  const float* A = face->CornerPos(0);
  const float* B = face->CornerPos(1);
  const float* C = face->CornerPos(2);
  if (!A || !B || !C) return false;

  WideVec e = kvmath::Diff(B, A);
  WideVec n = kvmath::Cross(e, kvmath::Diff(C, A));
  if (!Normalise(n, true) || !Normalise(e, false)) return false;
  const Quaternion turn = FrameRotation(e, kvmath::Cross(n, e), n);

  // Axis and angle of the turn; no turn at all is 0 about x.
  const double sine = std::sqrt(turn.x * turn.x + turn.y * turn.y + turn.z * turn.z);
  float axis[3] = {1, 0, 0};
  double angle = 0;
  if (sine > 1e-9) {
    axis[0] = static_cast<float>(turn.x / sine);
    axis[1] = static_cast<float>(turn.y / sine);
    axis[2] = static_cast<float>(turn.z / sine);
    angle = 2 * std::atan2(sine, turn.w);
  }

  float centre[3];
  FaceCentroid(face->m_nId, &centre[0], &centre[1], &centre[2]);
  const float origin[3] = {0, 0, 0};
  RotateAboutAxis(axis, origin, centre, centre, static_cast<float>(angle));

  CViewTransition& t = g_viewTransition;
  std::copy_n(g_fViewTranslate, 3, t.startTranslate);
  const Quaternion& view = ViewQuaternion;
  const double start[4] = {view.w, view.x, view.y, view.z};
  Quaternion target;
  QuatFromAxisAngle(target, angle, axis[0], axis[1], axis[2]);
  const double end[4] = {target.w, target.x, target.y, target.z};
  for (int i = 0; i < 4; ++i) {
    t.startRotate[i] = static_cast<float>(start[i]);
    t.targetRotate[i] = static_cast<float>(end[i]);
  }
  t.targetTranslate[0] = -centre[0];
  t.targetTranslate[1] = -centre[1];
  t.targetTranslate[2] = -centre[2] - 50;
  return true;
}
