#include "model/valueformat.h"

#include <cmath>

int ChooseNumberDecimals(float value, float step) {
  // The whole-number test truncates toward zero without a 32-bit detour, so
  // values beyond +-2^31 (all whole) are no overflow; NaN and infinities
  // have no whole part and fall through to the step.
  const double v = value;
  if (std::fabs(v - std::trunc(v)) < 1e-6) return 0;
  const double s = step;
  if (s > 1.001) return 2;
  if (s > 0.999) return 0;
  if (s > 0.0999) return 1;
  if (s > 0.00999) return 2;
  if (s > 0.000999) return 3;
  if (s > 9.99e-5) return 4;
  return 5;
}

QString ChooseNumberFormat(float value, float step) {
  switch (ChooseNumberDecimals(value, step)) {
    case 0: return QStringLiteral("%.0f");
    case 1: return QStringLiteral("%.1f");
    case 2: return QStringLiteral("%.2f");
    case 3: return QStringLiteral("%.3f");
    case 4: return QStringLiteral("%.4f");
    default: return QStringLiteral("%.5f");
  }
}
