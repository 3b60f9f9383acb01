#include "model/valueformat.h"

#include <cmath>

QString ChooseNumberFormat(float value, float step) {
  // The whole-number test truncates toward zero without a 32-bit detour, so
  // values beyond +-2^31 (all whole) are no overflow; NaN and infinities
  // have no whole part and fall through to the step.
  const double v = value;
  if (std::fabs(v - std::trunc(v)) < 1e-6) return QStringLiteral("%.0f");
  const double s = step;
  if (s > 1.001) return QStringLiteral("%.2f");
  if (s > 0.999) return QStringLiteral("%.0f");
  if (s > 0.0999) return QStringLiteral("%.1f");
  if (s > 0.00999) return QStringLiteral("%.2f");
  if (s > 0.000999) return QStringLiteral("%.3f");
  if (s > 9.99e-5) return QStringLiteral("%.4f");
  return QStringLiteral("%.5f");
}
