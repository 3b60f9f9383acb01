#include "cells/dynamic/paths/locus.h"

#include <algorithm>
#include <cmath>

#include "cells/dynamic/parameters/expressioncells.h"
#include "cells/dynamic/paths/pathtexts.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGLocus, CGCell)

namespace {
// The x of a sample where the traced point does not exist.
constexpr float kMissing = 3e38f;

void Copy3(const float from[3], float to[3]) { std::copy_n(from, 3, to); }
}  // namespace

CGLocus::CGLocus() = default;

CGLocus::CGLocus(WORD id, WORD driver, WORD traced, float t0, float t1) {
  m_nId = id;
  std::vector<WORD> descendants, ancestors;
  CGCell* driverCell = g_pCurCells ? g_pCurCells->Lookup(driver) : nullptr;
  CGCell* tracedCell = g_pCurCells ? g_pCurCells->Lookup(traced) : nullptr;
  if (driverCell && tracedCell && g_pCurPage) {
    driverCell->MarkDescendants();
    g_pCurPage->CollectDirtyIds(descendants);
    tracedCell->MarkAncestors();
    g_pCurPage->CollectDirtyIds(ancestors);
  }
  AppendParent(*this, driver);
  // Both lists ascend: a merge keeps the ids found in both.
  auto a = ancestors.begin();
  for (WORD d : descendants) {
    while (a != ancestors.end() && *a < d) ++a;
    if (a != ancestors.end() && *a == d) AppendParent(*this, d);
  }
  AppendParent(*this, traced);
  m_rgbaColor = g_prefs.rgbaCurve;
  SetBreakDistance(4.0f);
  m_strName = QString::fromUtf8(kTextLocusName);
  ParamStart = t0;
  ParamEnd = t1;
  Step = 0.01f;
  m_strLabelExtra = QString::fromUtf8(kDefaultLocusHue);
  Recalculate();
}

void CGLocus::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring()) {
    ar << ParamStart << ParamEnd << Step;
    return;
  }
  ar >> ParamStart >> ParamEnd >> Step;
  SampleCount = 0;
  DrawCount = 0;
  Compiled = false;
}

QString CGLocus::GetDescription() {
  const bool byParameter = ParentAs<CGTmVarParameter>(0) != nullptr;
  return FillFormat(byParameter ? kTextLocusByParameter : kTextLocusByPoint, "%s",
                    {m_parents.empty() ? QString() : ParentName(m_parents.size() - 1), ParentName(0)});
}

float CGLocus::DriverValue() const {
  const CGCell* driver = ParentAs<CGCell>(0);
  return driver ? driver->m_fValue : 0.0f;
}

int CGLocus::CollectValueParents() {
  ValueParents.clear();
  if (m_parents.size() < 3) return 0;
  for (std::size_t i = 1; i + 1 < m_parents.size(); ++i)
    if (ParentAs<CGTmVariable>(i)) ValueParents.push_back(m_parents[i]);
  return static_cast<int>(ValueParents.size());
}

bool CGLocus::ResolveChain() {
  m_chain.clear();
  m_values.clear();
  if (m_parents.size() < 2 || !ParentAs<CGVertex>(m_parents.size() - 1)) return false;
  for (std::size_t i = 0; i < m_parents.size(); ++i) {
    CGCell* cell = ParentAs<CGCell>(i);
    if (!cell) return false;
    m_chain.push_back(cell);
  }
  // The values come from the chain as it stands: ids kept from the last
  // compilation go stale when the document is renumbered.
  ValueParents.clear();
  for (std::size_t i = 1; i + 1 < m_chain.size(); ++i)
    if (m_chain[i]->IsKindOf(RUNTIME_CLASS(CGTmVariable))) {
      ValueParents.push_back(m_parents[i]);
      m_values.push_back(m_chain[i]);
    }
  return true;
}

BOOL CGLocus::SampleAt(float out[3], BYTE* colour, float t) {
  if (!ResolveChain()) {
    out[0] = kMissing;
    out[1] = out[2] = 0;
    return FALSE;
  }
  return SampleResolved(out, colour, t);
}

BOOL CGLocus::SampleAtKept(float out[3], float t) {
  const float kept = DriverValue();
  const BOOL exists = SampleAt(out, nullptr, t);
  float scratch[3];
  SampleAt(scratch, nullptr, kept);
  return exists;
}

BOOL CGLocus::SampleResolved(float out[3], BYTE* colour, float t) {
  CGCell* driver = m_chain.front();
  driver->m_fValue = t;
  driver->ApplyParameter();
  for (std::size_t i = 1; i < m_chain.size(); ++i) m_chain[i]->Recalculate();
  if (colour) {
    double h = 0;
    const int declared = Parser.VariableCount();
    if (declared > 0) {
      double* values = Parser.Values();
      values[0] = t;
      for (std::size_t k = 0; k < m_values.size() && static_cast<int>(k) + 1 < declared; ++k)
        values[k + 1] = m_values[k] ? m_values[k]->m_fValue : 0.0;
    }
    if (Parser.State() == kFunParsed) Parser.Evaluate(h);
    HueColour(h, colour);
  }
  const auto* traced = static_cast<const CGVertex*>(m_chain.back());
  if (!traced->m_bDefined) {
    out[0] = kMissing;
    out[1] = out[2] = 0;
    return FALSE;
  }
  Copy3(traced->m_vPos, out);
  return TRUE;
}

void CGLocus::CompileHue(float t) {
  const int k = CollectValueParents();
  CompileExpression(Parser, ValueVariableList(static_cast<std::size_t>(k), QStringLiteral("t,")), m_strLabelExtra);
  if (Parser.VariableCount() > 0) Parser.Values()[0] = t;
  Compiled = true;
  ResolveChain();  // the values of the chain
}

bool CGLocus::AllocateSamples() {
  const int n = CappedSampleCount(std::fabs(ParamEnd - ParamStart), Step);
  if (n < 2) return false;
  Samples.assign(3 * static_cast<std::size_t>(n + 1), 0.0f);
  SampleColors.clear();
  SampleColors.shrink_to_fit();
  if (HueOn()) SampleColors.assign(4 * static_cast<std::size_t>(n) + 3, 0);
  SampleCount = n;
  return true;
}

int CGLocus::VisibleCount(float value, float dt) const {
  const int n = SampleCount;
  if (!GrowingTrace()) return n;
  if (value <= ParamStart) return 0;
  if (value >= ParamEnd) return n;
  const float steps = std::round((value - ParamStart) / dt);
  return steps + 1 < static_cast<float>(n) ? static_cast<int>(steps) + 1 : n;
}

void CGLocus::Recalculate() {
  if (!ResolveChain()) {
    m_bDefined = false;
    return;
  }
  const float kept = m_chain.front()->m_fValue;
  const bool dragged = g_nDragId != 0 && g_nDragId == m_parents.front();
  if (dragged && !GrowingTrace()) return;
  if (HueOn() && !Compiled) CompileHue(kept);
  // A sample count fixed at the first sampling must still fit the arrays.
  if ((SampleCount == 0 || Samples.size() < 3 * static_cast<std::size_t>(SampleCount) + 3) && !AllocateSamples()) {
    SampleCount = 0;
    DrawCount = 0;
    m_bDefined = false;
    return;
  }
  const float dt = (ParamEnd - ParamStart) / static_cast<float>(SampleCount - 1);
  DrawCount = VisibleCount(kept, dt);
  if (dragged) return;
  SampleRange(dt);
  float scratch[3];
  SampleResolved(scratch, nullptr, kept);
}

void CGLocus::SampleRange(float dt) {
  const int n = SampleCount;
  BYTE* colours = HueOn() && SampleColors.size() >= 4 * static_cast<std::size_t>(n) ? SampleColors.data() : nullptr;
  const auto colourAt = [colours](int i) { return colours ? colours + 4 * i : nullptr; };
  float* samples = Samples.data();
  bool previous = SampleResolved(samples, colourAt(0), ParamStart);
  bool any = previous;
  for (int i = 1; i < n; ++i) {
    const float t = i == n - 1 ? ParamEnd : ParamStart + static_cast<float>(i) * dt;
    const bool exists = SampleResolved(samples + 3 * i, colourAt(i), t);
    if (exists) {
      any = true;
      if (!previous) Bisect(t - dt, t, std::fabs(dt), false, i - 1);
    } else if (previous && Bisect(t - dt, t, std::fabs(dt), true, i)) {
      any = true;
    }
    previous = exists;
    if (colours) colours[4 * i + 3] = m_rgbaColor.a;
  }
  m_bDefined = any;
}

bool CGLocus::Bisect(double a, double b, double h, bool existsAtA, int slot) {
  BYTE* colour = HueOn() && SampleColors.size() >= 4 * static_cast<std::size_t>(slot) + 4
                     ? SampleColors.data() + 4 * slot
                     : nullptr;
  BYTE found[4];
  float p[3];
  bool any = false;
  while (h > 1e-8) {
    h /= 2;
    const float m = static_cast<float>((a + b) / 2);
    if (SampleResolved(p, colour ? found : nullptr, m)) {
      Copy3(p, Samples.data() + 3 * slot);
      // The alpha the slot was given stays.
      if (colour) std::copy_n(found, 3, colour);
      (existsAtA ? a : b) = m;
      any = true;
    } else {
      (existsAtA ? b : a) = m;
    }
  }
  return any;
}

BOOL CGLocus::NearestToRay(float out[3], double* parameter, double* distance, int mode) {
  const auto fail = [&] {
    out[0] = 1e38f;
    out[1] = out[2] = 0;
    *parameter = 0;
    *distance = 1e38;
    return FALSE;
  };
  const int n = SampleCount;
  if (!ResolveChain() || n < 2 || Samples.size() < 3 * static_cast<std::size_t>(n)) return fail();
  double best;
  const int nearest = NearestIndex(
      n,
      [this](int i) {
        const float* s = Samples.data() + 3 * i;
        return s[0] <= 1e38f ? DistanceFromViewRay(s) : 1e30;
      },
      best);
  const double t0 = ParamStart, t1 = ParamEnd;
  const FineSearch search(t0, t1, n, nearest);
  const float kept = m_chain.front()->m_fValue;
  // The fine pass keeps its own best: the nearest sample may be a boundary
  // point found by bisection, whose parameter is not t*, where the traced
  // point need not exist.  Without any fine point t* stays.
  double bestT = search.around;
  double bestFine = 1e30;
  float p[3];
  search.ForEach([&](double t) {
    if (!SampleResolved(p, nullptr, static_cast<float>(t))) return;
    const double d = DistanceFromViewRay(p);
    if (d < bestFine) {
      bestFine = d;
      bestT = t;
    }
  });
  const BOOL exists = SampleResolved(p, nullptr, static_cast<float>(bestT));
  float scratch[3];
  SampleResolved(scratch, nullptr, kept);
  if (!exists) return fail();
  Copy3(p, out);
  *parameter = mode == 1 ? (t1 != t0 ? (bestT - t0) / (t1 - t0) : 0.0) : bestT;
  *distance = DistanceFromViewRay(p);
  return TRUE;
}
