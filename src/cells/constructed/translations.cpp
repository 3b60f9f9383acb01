#include "cells/constructed/translations.h"

#include "cells/constrained/follower.h"
#include "cells/constructed/transformtexts.h"
#include "cells/dynamic/vectors/vectorvalues.h"

IMPLEMENT_SERIAL(CGVerTranslate, CGVertex)
IMPLEMENT_SERIAL(CGVerTranslateM, CGVertex)
IMPLEMENT_SERIAL(CGVerTranslateStc, CGVertex)

CGVerTranslate::CGVerTranslate(WORD id, int slot, const QString& name, WORD p, WORD s, WORD e)
    : CGTransformedPoint(id, slot, name, {p, s, e}) {
  Recalculate();
}

void CGVerTranslate::Recalculate() {
  const float *P = PointPos(0), *S = P ? PointPos(1) : nullptr, *E = S ? PointPos(2) : nullptr;
  if (!E) return Undefine();
  float q[3];
  for (int i = 0; i < 3; ++i) q[i] = P[i] + (E[i] - S[i]);
  PlaceImage(q);
}

QString CGVerTranslate::GetDescription() {
  return Describe(kTextTranslate, {}, {ParentName(0), ParentName(1), ParentName(2)});
}

CGVerTranslateM::CGVerTranslateM(WORD id, int slot, const QString& name, WORD p, WORD v)
    : CGTransformedPoint(id, slot, name, {p, v}) {
  Recalculate();
}

void CGVerTranslateM::Recalculate() {
  const float* P = PointPos(0);
  const CGTmVector* V = P ? DefinedParentAs<CGTmVector>(1) : nullptr;
  if (!V) return Undefine();
  float q[3];
  for (int i = 0; i < 3; ++i) q[i] = P[i] + V->m_vVector[i];
  PlaceImage(q);
}

QString CGVerTranslateM::GetDescription() { return Describe(kTextTranslateM, {}, {ParentName(0), ParentName(1)}); }

CGVerTranslateStc::CGVerTranslateStc(WORD id, int slot, const QString& name, WORD p, float x, float y, float z)
    : CGTransformedPoint(id, slot, name, {p}), Vector{x, y, z} {
  Recalculate();
}

void CGVerTranslateStc::Serialize(CArchive& ar) { SerializeVectorRecord(ar, *this, Vector, 1); }

void CGVerTranslateStc::Recalculate() { PlaceAtOffset(*this, Vector); }

QString CGVerTranslateStc::GetDescription() {
  return Describe(kTextTranslateStc, {Vector[0], Vector[1], Vector[2]}, {ParentName(0)});
}
