#include "cells/constructed/bisectors.h"

#include <cmath>

#include "cells/constructed/derivedpointtexts.h"
#include "cells/primitives/formattext.h"
#include "cells/primitives/vecops.h"

IMPLEMENT_SERIAL(CGVerBisectorA, CGVertex)
IMPLEMENT_SERIAL(CGVerBisectorEA, CGVertex)

namespace {

// t A + (1 - t) C.
bool Between(const float A[3], const float C[3], double t, float out[3]) {
  for (int i = 0; i < 3; ++i) out[i] = static_cast<float>(t * A[i] + (1 - t) * C[i]);
  return true;
}

// |BC| and |BA|.
double Arm(const float B[3], const float P[3]) { return kvmath::Length(kvmath::Diff(P, B)); }

bool Interior(const float A[3], const float B[3], const float C[3], float out[3]) {
  const double p = Arm(B, C), q = Arm(B, A);
  return Between(A, C, p + q > 1e-6 ? p / (p + q) : 0, out);
}

bool Exterior(const float A[3], const float B[3], const float C[3], float out[3]) {
  const double p = Arm(B, C), e = p - Arm(B, A);
  if (std::fabs(e) > 1e-6) return Between(A, C, p / e, out);
  for (int i = 0; i < 3; ++i) out[i] = B[i] + C[i] - A[i];
  return true;
}

}  // namespace

CGVerBisectorA::CGVerBisectorA() : CGVerOfTriangle(Interior) {}
CGVerBisectorA::CGVerBisectorA(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c)
    : CGVerOfTriangle(id, slot, name, a, b, c, Interior) {}

QString CGVerBisectorA::GetDescription() {
  return FillFormat(kTextBisectorA, "%s", {ParentName(0), ParentName(1), ParentName(2)});
}

CGVerBisectorEA::CGVerBisectorEA() : CGVerOfTriangle(Exterior) {}
CGVerBisectorEA::CGVerBisectorEA(WORD id, int slot, const QString& name, WORD a, WORD b, WORD c)
    : CGVerOfTriangle(id, slot, name, a, b, c, Exterior) {}

QString CGVerBisectorEA::GetDescription() {
  return FillFormat(kTextBisectorEA, "%s", {ParentName(0), ParentName(1), ParentName(2)});
}
