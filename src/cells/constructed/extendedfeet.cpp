#include "cells/constructed/extendedfeet.h"

#include <cmath>

#include "cells/constructed/derivedpointtexts.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/vecops.h"
#include "math/geometry.h"

IMPLEMENT_SERIAL(CGVerFootplEx, CGVertex)
IMPLEMENT_SERIAL(CGVerFootpfEx, CGVertex)

using kvmath::WideVec;

namespace {

// P + step, rounded to float.
void Step(const float P[3], const WideVec& step, float out[3]) { kvmath::StoreAlong(P, 1.0, step, out); }

}  // namespace

// --- On a line ----------------------------------------------------------------

CGVerFootplEx::CGVerFootplEx(WORD id, int slot, const QString& name, WORD p, WORD a, WORD b)
    : CGVerFoot(id, slot, name, {p, a, b}) {
  Recalculate();
}

void CGVerFootplEx::Recalculate() {
  const float* pos[3];
  if (!DefinedParents(pos, 3)) return;
  const float *P = pos[0], *A = pos[1], *B = pos[2];
  const WideVec n = kvmath::Cross(kvmath::Diff(A, P), kvmath::Diff(B, P));
  float f[3];
  if (std::fabs(n.x) < 1e-4 && std::fabs(n.y) < 1e-4 && std::fabs(n.z) < 1e-4) {
    // P on the line: across it, seen from above.
    const double dx = A[0] - B[0], dy = A[1] - B[1], dd = dx * dx + dy * dy;
    Step(P, dd >= 1e-4 ? WideVec{dy / std::sqrt(dd), -dx / std::sqrt(dd), 0} : WideVec{1, 0, 0}, f);
  } else {
    FootOnLine(P, A, B, f);
  }
  PlaceIfFinite(f);
}

QString CGVerFootplEx::GetDescription() {
  return FillFormat(kTextFootplEx, "%s", {ParentName(0), m_strName, ParentName(1), ParentName(2)});
}

// --- On a plane ---------------------------------------------------------------

CGVerFootpfEx::CGVerFootpfEx(WORD id, int slot, const QString& name, WORD p, WORD a, WORD b, WORD c)
    : CGVerFoot(id, slot, name, {p, a, b, c}) {
  Recalculate();
}

void CGVerFootpfEx::Recalculate() {
  const float* pos[4];
  if (!DefinedParents(pos, 4)) return;
  const float *P = pos[0], *A = pos[1], *B = pos[2], *C = pos[3];
  float f[3];
  if (!FootOnPlane(P, A, B, C, f)) {
    m_bDefined = false;
    return;
  }
  if (kvmath::Norm2(kvmath::Diff(P, f)) < 1e-4) {
    // P in the plane: along its normal.
    const WideVec n = kvmath::Cross(kvmath::Diff(A, C), kvmath::Diff(B, C));
    const double length = kvmath::Length(n);
    Step(P, length > 1e-4 ? (1 / length) * n : n, f);
  }
  PlaceIfFinite(f);
}

QString CGVerFootpfEx::GetDescription() {
  return FillFormat(kTextFootpfEx, "%s",
                    {ParentName(0), m_strName, ParentName(1), ParentName(2), ParentName(3)});
}
