#include "cells/constructed/scalings.h"

#include <cmath>

#include "cells/constructed/transformtexts.h"

IMPLEMENT_SERIAL(CGVerScaleP, CGVertex)
IMPLEMENT_SERIAL(CGVerScaleL, CGVertex)
IMPLEMENT_SERIAL(CGVerScaleM, CGVertex)
IMPLEMENT_SERIAL(CGVerScale, CGVertex)
IMPLEMENT_SERIAL(CGVerScaleO, CGVertex)

namespace {

// The ratio of a degenerate divisor: far away, not undefined.
constexpr float kFarRatio = 10000;

float Distance(const LineParent& line) {
  float d2 = 0;
  for (int i = 0; i < 3; ++i) d2 += (line.b[i] - line.a[i]) * (line.b[i] - line.a[i]);
  return std::sqrt(d2);
}

}  // namespace

void CGScaledPoint::ScaleP(const float O[3], float k) {
  const float* P = PointPos(0);
  if (!P) return Undefine();
  float q[3];
  for (int i = 0; i < 3; ++i) q[i] = k * P[i] + (1 - k) * O[i];
  PlaceImage(q);
}

CGVerScaleP::CGVerScaleP(WORD id, int slot, const QString& name, WORD p, WORD o, WORD a, WORD b, WORD c)
    : CGScaledPoint(id, slot, name, {p, o, a, b, c}) {
  Recalculate();
}

void CGVerScaleP::Recalculate() {
  const float *O = PointPos(1), *A = O ? PointPos(2) : nullptr, *B = A ? PointPos(3) : nullptr;
  const float* C = B ? PointPos(4) : nullptr;
  if (!C) return Undefine();
  float k = kFarRatio;
  for (int i : {2, 0, 1}) {
    const float d = C[i] - A[i];
    if (d != 0) {
      k = (B[i] - A[i]) / d;
      break;
    }
  }
  ScaleP(O, k);
}

QString CGVerScaleP::GetDescription() {
  const QString a = ParentName(2);
  return Describe(kTextScaleP, {}, {ParentName(0), ParentName(1), a, ParentName(3), a, ParentName(4)});
}

CGVerScaleL::CGVerScaleL(WORD id, int slot, const QString& name, WORD p, WORD o, WORD s1, WORD s2)
    : CGScaledPoint(id, slot, name, {p, o, s1, s2}) {
  Recalculate();
}

void CGVerScaleL::Recalculate() {
  const float* O = PointPos(1);
  LineParent s1, s2;
  if (!O || !DefinedLine(2, s1) || !DefinedLine(3, s2)) return Undefine();
  const float divisor = Distance(s2);
  ScaleP(O, divisor == 0 ? kFarRatio : Distance(s1) / divisor);
}

QString CGVerScaleL::GetDescription() {
  return Describe(kTextScaleL, {}, {ParentName(0), ParentName(1), ParentName(2), ParentName(3)});
}

CGVerScaleM::CGVerScaleM(WORD id, int slot, const QString& name, WORD p, WORD o, WORD m)
    : CGScaledPoint(id, slot, name, {p, o, m}) {
  Recalculate();
}

void CGVerScaleM::Recalculate() {
  const float* O = PointPos(1);
  float k;
  if (!O || !ParentValue(2, k)) return Undefine();
  ScaleP(O, k);
}

QString CGVerScaleM::GetDescription() {
  return Describe(kTextScaleM, {}, {ParentName(0), ParentName(1), ParentName(2)});
}

CGVerScale::CGVerScale(WORD id, int slot, const QString& name, WORD p, WORD o, float k)
    : CGScaledPoint(id, slot, name, {p, o}), Ratio(k) {
  Recalculate();
}

void CGVerScale::Recalculate() {
  const float* O = PointPos(1);
  if (!O) return Undefine();
  ScaleP(O, Ratio);
}

QString CGVerScale::GetDescription() { return Describe(kTextScale, {Ratio}, {ParentName(0), ParentName(1)}); }

CGVerScaleO::CGVerScaleO(WORD id, int slot, const QString& name, WORD p, float k)
    : CGScaledPoint(id, slot, name, {p}), Ratio(k) {
  Recalculate();
}

void CGVerScaleO::Recalculate() {
  static const float kOrigin[3] = {0, 0, 0};
  ScaleP(kOrigin, Ratio);
}

QString CGVerScaleO::GetDescription() { return Describe(kTextScaleO, {Ratio}, {ParentName(0)}); }
