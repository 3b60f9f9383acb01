#include "cells/dynamic/paths/curve.h"

#include <cmath>

#include "cells/dynamic/parameters/expressioncells.h"
#include "cells/dynamic/paths/pathtexts.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/texts/cgtextmap.h"
#include "math/parametricgrid.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGCurve, CGCell)

CGCurve::CGCurve() { SetBreakDistance(4.0f); }

CGCurve::CGCurve(WORD id, const std::vector<WORD>& parents, const QString& x, const QString& y, const QString& z,
                 const QString& t0, const QString& t1, float step, int form, int hue, const QString& hueExpression)
    : XExpression(x), YExpression(y), ZExpression(z), StartExpression(t0), EndExpression(t1), Step(step) {
  m_nId = id;
  for (WORD parent : parents) AppendParent(*this, parent);
  m_nParamA = form;
  m_rgbaColor = g_prefs.rgbaCurve;
  m_strName = y;
  m_nLabelExtra[0] = hue;
  m_strLabelExtra = hueExpression;
  Recalculate();
}

void CGCurve::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  QString* const texts[] = {&XExpression, &YExpression, &ZExpression, &StartExpression, &EndExpression};
  if (ar.IsStoring()) {
    for (const QString* text : texts) ar << *text;
    ar << Step;
    return;
  }
  for (QString* text : texts) ar >> *text;
  ar >> Step;
  SampleCount = 0;
  Samples.clear();
  SampleColors.clear();
  Compiled = false;
}

QString CGCurve::GetDescription() {
  return FillFormat(kTextCurveDescription, "%s", {XExpression, YExpression, ZExpression});
}

void CGCurve::Compile() {
  const QString values = ValueVariableList(m_parents.size());
  CompileExpression(StartParser, values, StartExpression);
  CompileExpression(EndParser, values, EndExpression);
  const QString withT = QStringLiteral("t,") + values;
  for (auto [parser, text] : {std::pair{&XParser, &XExpression}, {&YParser, &YExpression}, {&ZParser, &ZExpression}}) {
    CompileExpression(*parser, withT, *text);
    parser->Values()[0] = 0;
  }
  if (HueOn()) {
    CompileExpression(HueParser, withT, m_strLabelExtra);
    HueParser.Values()[0] = 0;
  }
  Compiled = true;
}

bool CGCurve::ReadParents() {
  const std::size_t n = m_parents.size();
  if (n > static_cast<std::size_t>(StartParser.VariableCount())) return false;
  for (std::size_t k = 0; k < n; ++k) {
    const CGTextmap* parent = ValueParentOf(*this, k);
    if (!parent || !parent->m_bDefined) return false;
    const double value = parent->m_fValue;
    StartParser.Values()[k] = value;
    EndParser.Values()[k] = value;
    XParser.Values()[k + 1] = value;
    YParser.Values()[k + 1] = value;
    ZParser.Values()[k + 1] = value;
    // The hue parser declares its variables only while hue colouring is on.
    if (HueParser.VariableCount() > static_cast<int>(k) + 1) HueParser.Values()[k + 1] = value;
  }
  return true;
}

bool CGCurve::RangeEnd(const CFunParser& parser, double& end) {
  end = 0;
  return parser.State() == kFunParsed && parser.Evaluate(end);
}

void CGCurve::Resize(int n) {
  // Kept while n stays: a drag re-samples without allocating.
  if (SampleCount != n || Samples.size() != 3 * static_cast<std::size_t>(n + 1))
    Samples.assign(3 * static_cast<std::size_t>(n + 1), 0.0);
  const std::size_t colours = HueOn() ? 4 * static_cast<std::size_t>(n) + 3 : 0;
  if (SampleColors.size() != colours) SampleColors.assign(colours, 0);
  SampleCount = n;
}

void CGCurve::Recalculate() {
  if (!Compiled) Compile();
  if (!ReadParents()) {
    m_bDefined = false;
    return;
  }
  const bool startOk = RangeEnd(StartParser, ParamStart);
  const bool endOk = RangeEnd(EndParser, ParamEnd);
  const double t0 = ParamStart, t1 = ParamEnd;
  const int n = startOk && endOk && t0 < t1 ? CappedSampleCount(std::fabs(t1 - t0), static_cast<double>(Step)) : 0;
  if (n < 2) {
    m_bDefined = false;
    return;
  }
  Resize(n);
  const double dt = (t1 - t0) / (n - 1);
  BYTE* colours = SampleColors.empty() ? nullptr : SampleColors.data();
  double t = t0;
  for (int i = 0; i < n; ++i) {
    BYTE* colour = colours ? colours + 4 * i : nullptr;
    SampleAt(Samples.data() + 3 * i, colour, i == n - 1 ? t1 : t);
    if (colour) colour[3] = m_rgbaColor.a;
    t += dt;
  }
  m_bDefined = true;
}

void CGCurve::SampleAt(double out[3], BYTE* colour, double t) {
  double v[3];
  CFunParser* const parsers[] = {&XParser, &YParser, &ZParser};
  for (int i = 0; i < 3; ++i) {
    CFunParser& parser = *parsers[i];
    if (parser.VariableCount() > 0) parser.Values()[0] = t;
    parser.Evaluate(v[i]);  // 0 without a tree
  }
  CombineCoordinateForm(Form(), v, out);
  if (!colour) return;
  double h = 0;
  if (HueParser.VariableCount() > 0) HueParser.Values()[0] = t;
  HueParser.Evaluate(h);
  HueColour(h, colour);
}

void CGCurve::SampleAtFraction(double out[3], double f) {
  const double t0 = ParamStart, t1 = ParamEnd;
  SampleAt(out, nullptr, f >= 0 && f <= 1 && t0 < t1 ? t0 + (t1 - t0) * f : t1);
}

BOOL CGCurve::NearestToRay(float out[3], double* parameter, double* distance, int mode) {
  const int n = SampleCount;
  if (n < 2 || Samples.size() < 3 * static_cast<std::size_t>(n)) {
    out[0] = 1e38f;
    out[1] = out[2] = 0;
    *parameter = 0;
    *distance = 1e38;
    return FALSE;
  }
  double best;
  const int nearest = NearestIndex(
      n,
      [this](int i) {
        const double* s = Samples.data() + 3 * i;
        const float narrowed[3] = {static_cast<float>(s[0]), static_cast<float>(s[1]), static_cast<float>(s[2])};
        return DistanceFromViewRay(narrowed);
      },
      best);
  const double t0 = ParamStart, t1 = ParamEnd;
  const FineSearch search(t0, t1, n, nearest);
  double bestT = search.around;
  double p[3] = {0, 0, 0};  // a form SampleAt does not know leaves it as it is
  search.ForEach([&](double t) {
    SampleAt(p, nullptr, t);
    const double d = DistanceFromViewRay(p);
    if (d < best) {
      best = d;
      bestT = t;
    }
  });
  SampleAt(p, nullptr, bestT);
  for (int i = 0; i < 3; ++i) out[i] = static_cast<float>(p[i]);
  *parameter = mode == 1 ? (bestT - t0) / (t1 - t0) : bestT;
  *distance = DistanceFromViewRay(p);
  return TRUE;
}
