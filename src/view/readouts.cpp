#include "view/readouts.h"

#include <cmath>

#include "platform/numberformat.h"

namespace {
bool IsWhole(double v) { return std::fabs(v - std::round(v)) < 1e-6; }

// One coordinate's text: the whole-number format or the one-decimal one.
QString CoordinateText(double v, const char* whole, const char* tenths) {
  return FormatNumber(IsWhole(v) ? whole : tenths, v);
}
}  // namespace

QString FormatCoordinateReadout(double x, double y, double z, bool longForm) {
  const QString first =
      longForm ? CoordinateText(x, "   ( %.0f, ", "   ( %.1f, ") : CoordinateText(x, "( %.0f, ", "( %.1f, ");
  return first + CoordinateText(y, "%.0f, ", "%.1f, ") + CoordinateText(z, "%.0f )", "%.1f )");
}

QString FormatBoxSizeText(int width, int height) { return QString::asprintf("( %d * %d)", width, height); }
