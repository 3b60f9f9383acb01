#include "cells/constructed/mirrors.h"

#include "cells/constructed/transformtexts.h"
#include "cells/primitives/cgface.h"
#include "math/geometry.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGVerSymmetry, CGVertex)
IMPLEMENT_SERIAL(CGVerSymmetryP, CGVertex)
IMPLEMENT_SERIAL(CGVerSymmetryL, CGVertex)
IMPLEMENT_SERIAL(CGVerSymmetryF, CGVertex)

namespace {

// 2F - P: P mirrored in the point F.
void Reflect(const float P[3], const float F[3], float q[3]) {
  for (int i = 0; i < 3; ++i) q[i] = 2 * F[i] - P[i];
}

}  // namespace

CGVerSymmetry::CGVerSymmetry(WORD id, int slot, const QString& name, WORD p, BYTE kind)
    : CGTransformedPoint(id, slot, name, {p}), Kind(kind) {
  Recalculate();
}

void CGVerSymmetry::Serialize(CArchive& ar) {
  CGTransformedPoint::Serialize(ar);
  if (ar.IsStoring())
    ar << Kind;
  else
    ar >> Kind;
}

void CGVerSymmetry::Recalculate() {
  const float* P = PointPos(0);
  if (!P) return Undefine();
  float q[3];
  for (int i = 0; i < 3; ++i) q[i] = (Kind >> i) & 1 ? -P[i] : P[i];
  PlaceImage(q);
}

QString CGVerSymmetry::GetDescription() {
  const char* kindName = Kind <= 7 ? kTextSymmetryKinds[Kind] : "";
  return Describe(kTextSymmetry, {}, {ParentName(0), QString::fromUtf8(kindName)});
}

CGVerSymmetryP::CGVerSymmetryP(WORD id, int slot, const QString& name, WORD p, WORD q)
    : CGTransformedPoint(id, slot, name, {p, q}) {
  Recalculate();
}

void CGVerSymmetryP::Recalculate() {
  const float *P = PointPos(0), *Q = P ? PointPos(1) : nullptr;
  if (!Q) return Undefine();
  float q[3];
  Reflect(P, Q, q);
  PlaceImage(q);
}

QString CGVerSymmetryP::GetDescription() { return Describe(kTextSymmetryP, {}, {ParentName(0), ParentName(1)}); }

CGVerSymmetryL::CGVerSymmetryL(WORD id, int slot, const QString& name, WORD p, WORD line)
    : CGTransformedPoint(id, slot, name, {p, line}) {
  Recalculate();
}

void CGVerSymmetryL::Recalculate() {
  const float* P = PointPos(0);
  LineParent line;
  if (!P || !DefinedLine(1, line)) return Undefine();
  float F[3], q[3];
  FootOnLine(P, line.a, line.b, F);
  Reflect(P, F, q);
  PlaceImage(q);
}

QString CGVerSymmetryL::GetDescription() { return Describe(kTextSymmetryL, {}, {ParentName(0), ParentName(1)}); }

CGVerSymmetryF::CGVerSymmetryF(WORD id, int slot, const QString& name, WORD p, WORD face)
    : CGTransformedPoint(id, slot, name, {p, face}) {
  Recalculate();
}

bool CGVerSymmetryF::Corners(const float* corner[3]) const {
  const CGFace* face = DefinedParentAs<CGFace>(1);
  for (int i = 0; i < 3; ++i)
    if (!face || !(corner[i] = face->CornerPos(i))) return false;
  return true;
}

void CGVerSymmetryF::Recalculate() {
  const float* P = PointPos(0);
  const float* corner[3];
  float F[3], q[3];
  if (!P || !Corners(corner) || !FootOnPlane(P, corner[0], corner[1], corner[2], F)) return Undefine();
  Reflect(P, F, q);
  PlaceImage(q);
}

QString CGVerSymmetryF::GetDescription() { return Describe(kTextSymmetryF, {}, {ParentName(0), ParentName(1)}); }
