#include "cells/dynamic/graphing/scalelinelayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "cells/dynamic/graphing/graphingtexts.h"
#include "platform/numberformat.h"

namespace {
constexpr float kSpacings[] = {0.1f, 0.2f, 0.5f, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
constexpr float kWidestSpacing = 2000.0f;
constexpr float kHalfPi = 1.5707964f;  // the x step of a trigonometric scale
constexpr double kPi = 3.14159265358979323846;

bool UsableSpacing(float s) { return std::isfinite(s) && s > 0; }

// The step of whole-number labels: the spacing's whole part, at least 1.
long long WholeStep(float s) {
  return std::isfinite(s) && s < static_cast<float>(std::numeric_limits<int>::max())
             ? std::max(1LL, static_cast<long long>(s))
             : 1;
}

// Visits t = s, 2s, ... (accumulated in single precision; negative
// half-axis: -s, -2s, ...) while t stays inside `limit`; k counts from 1.
// Ends when t stops moving and after kMaxScaleSteps.
template <class Visit>
void WalkHalfAxis(float s, float limit, bool positive, Visit visit) {
  if (!UsableSpacing(s)) return;
  const float step = positive ? s : -s;
  float t = step;
  for (int k = 1; k <= kMaxScaleSteps && (positive ? t < limit : t > limit); ++k) {
    visit(t, k);
    const float next = t + step;
    if (next == t) break;
    t = next;
  }
}

struct CLimits {
  float xa, xb, ya, yb;
};

class CScaleBuilder {
 public:
  CScaleBuilder(const CScaleInput& in, CScaleLayout& out)
      : m_in(in), m_out(out), m_u(20 * in.p), m_ox(in.origin[0]), m_oy(in.origin[1]), m_oz(in.origin[2]) {
    m_lim = {in.xMin + 0.2f * m_u, in.xMax - 1.1f * m_u, in.yMin + 0.2f * m_u, in.yMax - 1.1f * m_u};
  }

  void Ticks() {
    const float sx = m_in.trigonometric ? kHalfPi : m_in.tickSpacing;
    for (bool positive : {true, false})
      WalkHalfAxis(sx, positive ? m_lim.xb : m_lim.xa, positive, [&](float t, int) {
        Segment(m_out.ticks, m_ox + t, m_oy, m_ox + t, m_oy + 0.3f * m_u);
      });
    if (m_in.xOnly) return;
    for (bool positive : {true, false})
      WalkHalfAxis(m_in.tickSpacing, positive ? m_lim.yb : m_lim.ya, positive, [&](float t, int) {
        Segment(m_out.ticks, m_ox, m_oy + t, m_ox + 0.3f * m_u, m_oy + t);
      });
  }

  void Labels() {
    if (!m_in.labels) return;
    if (m_in.trigonometric) {
      PiLabels();
      WholeYLabels();
    } else if (m_in.labelSpacing > 0.9999f) {
      WholeLabels();
    } else {
      DecimalLabels();
    }
  }

  void Grid() {
    if (m_in.grid == 1) SquareGrid();
    if (m_in.grid == 2) PolarGrid();
  }

 private:
  void Segment(std::vector<CScaleSegment>& to, float x0, float y0, float x1, float y1) {
    to.push_back({{x0, y0, m_oz}, {x1, y1, m_oz}});
  }
  void Label(ScaleText kind, double value, double x, double y) { m_out.labels.push_back({kind, value, x, y, m_oz}); }

  static float XOffset(long long v) {
    if (v >= 0) return v >= 1000 ? 0.78f : v >= 100 ? 0.58f : v >= 10 ? 0.38f : 0.18f;
    return v <= -1000 ? 1.0f : v <= -100 ? 0.8f : v <= -10 ? 0.6f : 0.4f;
  }
  static float YOffset(long long v) {
    if (v >= 0) return v >= 1000 ? 1.9f : v >= 100 ? 1.5f : v >= 10 ? 1.1f : 0.8f;
    return v <= -1000 ? 2.3f : v <= -100 ? 1.9f : v <= -10 ? 1.3f : 1.0f;
  }
  void WholeX(long long v) {
    Label(ScaleText::Whole, static_cast<double>(v), m_ox + static_cast<double>(v) - XOffset(v) * m_u, m_oy - 0.8 * m_u);
  }
  void WholeY(long long v) {
    Label(ScaleText::Whole, static_cast<double>(v), m_ox - YOffset(v) * m_u, m_oy + static_cast<double>(v) - 0.3 * m_u);
  }

  // Whole-number labels k n at the positions k s (s the label spacing, n
  // its whole part but at least 1: a spacing just under 1 labels 1, 2, ...).
  void WholeLabels() {
    const float s = m_in.labelSpacing;
    if (!UsableSpacing(s) || s >= static_cast<float>(std::numeric_limits<int>::max())) return;
    const long long n = WholeStep(s);
    for (bool positive : {true, false}) {
      const long long sign = positive ? 1 : -1;
      WalkHalfAxis(s, positive ? m_lim.xb : m_lim.xa, positive, [&](float, int k) { WholeX(sign * k * n); });
      if (!m_in.xOnly)
        WalkHalfAxis(s, positive ? m_lim.yb : m_lim.ya, positive, [&](float, int k) { WholeY(sign * k * n); });
    }
  }

  void DecimalLabels() {
    const float s = m_in.labelSpacing;
    for (bool positive : {true, false}) {
      const float xShift = positive ? 0.58f : 0.8f, yShift = positive ? 1.2f : 1.6f;
      WalkHalfAxis(s, positive ? m_lim.xb : m_lim.xa, positive, [&](float t, int) {
        Label(ScaleText::Decimal, t, m_ox + t - xShift * m_u, m_oy - 0.8 * m_u);
      });
      if (m_in.xOnly) continue;
      WalkHalfAxis(s, positive ? m_lim.yb : m_lim.ya, positive, [&](float t, int) {
        Label(ScaleText::Decimal, t, m_ox - yShift * m_u, m_oy + t - 0.3 * m_u);
      });
    }
  }

  void MinusSign(float t) {
    Segment(m_out.strokes, m_ox + t - 0.8f * m_u, m_oy - 0.95f * m_u, m_ox + t - 0.5f * m_u, m_oy - 0.95f * m_u);
  }

  // Multiples of π/2 on the x axis: whole multiples of π always, the odd
  // halves as stacked fractions only while a unit is wider than 30 pixels.
  void PiLabels() {
    const bool fractions = 30 * m_in.p < 1;
    for (bool positive : {true, false})
      WalkHalfAxis(kHalfPi, positive ? m_lim.xb : m_lim.xa, positive, [&](float t, int k) {
        if (k % 2 == 0) {
          Label(ScaleText::PiMultiple, k / 2, m_ox + t - 0.35 * m_u, m_oy - 1.2 * m_u);
          if (!positive) MinusSign(t);
          return;
        }
        if (!fractions) return;
        const float numerator = positive ? 0.35f : 0.2f, two = positive ? 0.15f : 0.0f;
        const float barEnd = positive ? 0.75f : 0.85f;
        Label(ScaleText::PiMultiple, k, m_ox + t - numerator * m_u, m_oy - 0.8 * m_u);
        Label(ScaleText::Two, 2, m_ox + t - two * m_u, m_oy - 1.8 * m_u);
        Segment(m_out.strokes, m_ox + t - 0.35f * m_u, m_oy - 0.95f * m_u, m_ox + t + barEnd * m_u,
                m_oy - 0.95f * m_u);
        if (!positive) MinusSign(t);
      });
  }

  // The y axis of a trigonometric scale: whole numbers, compared as they are.
  void WholeYLabels() {
    if (m_in.xOnly) return;
    long long n = WholeStep(m_in.labelSpacing);
    if (m_in.autoSpacing && 50 * m_in.p < 1) n = 1;
    for (long long k = 1; k <= kMaxScaleSteps && static_cast<double>(k * n) < m_lim.yb; ++k) WholeY(k * n);
    for (long long k = 1; k <= kMaxScaleSteps && static_cast<double>(-k * n) > m_lim.ya; ++k) WholeY(-k * n);
  }

  // Whole numbers from `low` to `high`, at most kMaxScaleGrid each side of 0.
  static void WholeRange(float low, float high, int& first, int& last) {
    first = static_cast<int>(std::clamp(std::round(low), static_cast<float>(-kMaxScaleGrid), 0.0f));
    last = static_cast<int>(std::clamp(std::round(high), 0.0f, static_cast<float>(kMaxScaleGrid)));
  }

  void SquareGrid() {
    const float x0 = std::round(m_in.xMin), x1 = std::round(m_in.xMax);
    const float y0 = std::round(m_in.yMin), y1 = std::round(m_in.yMax);
    int first = 0, last = 0;
    WholeRange(m_in.xMin, m_in.xMax, first, last);
    for (int x = first; x <= last; ++x)
      Segment(x % 5 == 0 ? m_out.thickGrid : m_out.thinGrid, m_ox + x, m_oy + y0, m_ox + x, m_oy + y1);
    WholeRange(m_in.yMin, m_in.yMax, first, last);
    for (int y = first; y <= last; ++y)
      Segment(y % 5 == 0 ? m_out.thickGrid : m_out.thinGrid, m_ox + x0, m_oy + y, m_ox + x1, m_oy + y);
  }

  void PolarGrid() {
    int first = 0, radius = 0;
    WholeRange(0, m_in.xMax, first, radius);
    for (int r = 1; r <= radius; ++r) m_out.circles.push_back(static_cast<float>(r));
    const float big = static_cast<float>(radius);
    for (int k = 0; k < kPolarDiameters; ++k) {
      const double a = k * kPi / 12;
      const float c = static_cast<float>(std::cos(a)) * big, s = static_cast<float>(std::sin(a)) * big;
      Segment(m_out.diameters, m_ox - c, m_oy - s, m_ox + c, m_oy + s);
    }
  }

  const CScaleInput& m_in;
  CScaleLayout& m_out;
  float m_u;
  float m_ox, m_oy, m_oz;
  CLimits m_lim{};
};
}  // namespace

QString ScaleLabelText(const CScaleLabel& label) {
  switch (label.kind) {
    case ScaleText::Decimal:
      return FormatNumber("%.1f", label.value);
    case ScaleText::PiMultiple:
      return label.value == 1 ? QString::fromUtf8(kPiText)
                              : QString::number(static_cast<long long>(label.value)) + QString::fromUtf8(kPiText);
    case ScaleText::Two:
      return QStringLiteral("2");
    case ScaleText::Whole:
    default:
      return QString::number(static_cast<long long>(label.value));
  }
}

void CScaleLayout::Clear() {
  ticks.clear();
  labels.clear();
  strokes.clear();
  thinGrid.clear();
  thickGrid.clear();
  circles.clear();
  diameters.clear();
}

float AutomaticScaleSpacing(float p) {
  for (float s : kSpacings)
    if (1.5f * s > 50 * p) return s;
  return kWidestSpacing;
}

void LayoutScale(CScaleInput& in, CScaleLayout& out) {
  out.Clear();
  if (in.autoSpacing) in.tickSpacing = in.labelSpacing = AutomaticScaleSpacing(in.p);
  CScaleBuilder build(in, out);
  build.Ticks();
  build.Labels();
  build.Grid();
}
