// Numeric intersections with curves and loci.  Goals:
// - recalculating 8 root cells of one circle-curve pair in one pass costs
//   at most 1.3 x recalculating root 0 alone (the later roots come from
//   the cache);
// - one line-locus root cell on a locus of 1,001 samples whose traced
//   point is 3 cells from the driver costs at most 0.25 x one full
//   resampling of that locus;
// - a curve-curve pair of 2,000 samples each within 20 ms per pass;
// - two planar curves of 62,833 samples each (step 0.0001 over 0 to 2 pi)
//   crossing at four places find them in under half a second;
// - a dense curve hugging a line or a sphere gives up within a second,
//   its window searches past what those of 100,000 pieces could sample;
// - two curves of a million samples that retrace circles of radius 2 and 1
//   (pieces of 1.16 radians: every run of either meets the other) give up
//   within a second.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/constructed/follower2d.h"
#include "cells/constructed/numeric/curvesolvers.h"
#include "cells/constructed/numeric/numericintersections.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"

namespace {

struct Scene {
  std::unique_ptr<CGPage> page = (ResetProcessState(), std::make_unique<CGPage>());
  Scene() {
    RegisterCellClasses();
    SetCurrentPage(page.get());
    ReserveVertexArray(40);
  }
  template <class T>
  T* Enter(T* cell) {
    page->m_cells.SetAt(page->m_nNextId++, cell);
    return cell;
  }
  template <class T, class... Args>
  T* Point(Args... args) {
    return Enter(new T(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), args...));
  }
  CGCurve* Curve(const char* x, const char* y, const char* t0, const char* t1, float step, const char* z = "0") {
    return Enter(new CGCurve(page->m_nNextId, {}, x, y, z, t0, t1, step, 0, 0, QString()));
  }
  WORD Free(float x, float y) { return Enter(new CGVertex(page->m_nNextId, page->m_nNextVertex++, "P", x, y, 0))->m_nId; }
};

// A curve winding in and out of the unit circle 16 times.
struct CirclePair : Scene {
  std::vector<WORD> roots;
  CirclePair() {
    const WORD circle = Enter(new CGArc(page->m_nNextId, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, kArcFullTurn, kArcCircle))->m_nId;
    const WORD curve = Curve("(1+0.5*sin(8*t))*cos(t)", "(1+0.5*sin(8*t))*sin(t)", "0", "6.28", 0.001f)->m_nId;
    for (BYTE k = 0; k < 8; ++k) roots.push_back(Point<CGVerIntersectionCQ>(k, circle, curve)->m_nId);
  }
};

void BM_CircleCurveRoot0(benchmark::State& state) {
  CirclePair scene;
  const std::vector<WORD> first = {scene.roots.front()};
  for (auto _ : state) scene.page->RecalculateCells(first);
}
BENCHMARK(BM_CircleCurveRoot0);

void BM_CircleCurveEightRoots(benchmark::State& state) {
  CirclePair scene;
  for (auto _ : state) scene.page->RecalculateCells(scene.roots);
}
BENCHMARK(BM_CircleCurveEightRoots);

// The circle of radius 2 traced through three flat followers of a point
// running on it, 1,001 samples; a line through it.
struct LocusLine : Scene {
  CGLocus* locus;
  WORD root;
  LocusLine() {
    const WORD circle = Enter(new CGArc(page->m_nNextId, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, kArcFullTurn, kArcCircle))->m_nId;
    const WORD driver = Point<CGVerFreeInCircle>(circle, 0.5f)->m_nId;
    WORD traced = driver;
    for (int i = 0; i < 3; ++i) traced = Point<CGVerFree2dHenchman>(1.0f, 1.0f, traced)->m_nId;
    locus = Enter(new CGLocus(page->m_nNextId, driver, traced, 0, 6.2831853f));
    locus->Step = 6.2831853f / 999;
    locus->SampleCount = 0;
    locus->Recalculate();
    const WORD line = Enter(new CGLine(page->m_nNextId, Free(-5, 0.5f), Free(5, 0.5f), kLineFull))->m_nId;
    root = Point<CGVerIntersectionLG>(BYTE{0}, line, locus->m_nId)->m_nId;
  }
};

void BM_LineLocusRoot(benchmark::State& state) {
  LocusLine scene;
  const std::vector<WORD> ids = {scene.root};
  for (auto _ : state) scene.page->RecalculateCells(ids);
  state.counters["samples"] = scene.locus->SampleCount;
}
BENCHMARK(BM_LineLocusRoot);

void BM_LocusResampling(benchmark::State& state) {
  LocusLine scene;
  for (auto _ : state) scene.locus->Recalculate();
}
BENCHMARK(BM_LocusResampling);

// Times finding the roots of two curves, each pass computing them
// again; counts the roots.
void TimeCurveCurve(benchmark::State& state, Scene& scene, WORD a, WORD b) {
  float p[3];
  int roots = 0;
  for (auto _ : state) {
    scene.page->RecalculateCells({});  // a new pass: the roots are computed again
    roots = IntersectCurveCurve(a, b, 0, p);
  }
  state.counters["roots"] = roots;
}

void BM_CurveCurve2000(benchmark::State& state) {
  Scene scene;
  const WORD a = scene.Curve("t", "sin(t)", "0", "19.99", 0.01f)->m_nId;
  const WORD b = scene.Curve("t", "cos(t)", "0", "19.99", 0.01f)->m_nId;
  TimeCurveCurve(state, scene, a, b);
}
BENCHMARK(BM_CurveCurve2000);

// A circle and an ellipse over 0 to 2 pi, crossing at four places; the
// argument is the step in millionths.
void BM_CurveCurveDense(benchmark::State& state) {
  Scene scene;
  const float step = static_cast<float>(state.range(0)) * 1e-6f;
  CGCurve* a = scene.Curve("cos(t)", "sin(t)", "0", "2*Pi", step);
  const WORD b = scene.Curve("1.3*cos(t)", "0.7*sin(t)", "0", "2*Pi", step)->m_nId;
  TimeCurveCurve(state, scene, a->m_nId, b);
  state.counters["samples"] = a->SampleCount;
}
BENCHMARK(BM_CurveCurveDense)->Arg(1000)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_CurveCurveRetracing(benchmark::State& state) {
  Scene scene;
  const WORD a = scene.Curve("2*cos(t)", "2*sin(t)", "0", "1163000", 1.163f)->m_nId;
  const WORD b = scene.Curve("cos(t)", "sin(t)", "0", "1163000", 1.163f)->m_nId;
  TimeCurveCurve(state, scene, a, b);
}
BENCHMARK(BM_CurveCurveRetracing)->Unit(benchmark::kMillisecond);

// A million samples creeping up on the x axis, and on the unit sphere.
void BM_HuggingCurve(benchmark::State& state) {
  Scene scene;
  const bool sphere = state.range(0) != 0;
  const WORD curve = sphere ? scene.Curve("cos(t)", "sin(t)", "0", "2010", 0.002f, "0.02-t*0.00001")->m_nId
                            : scene.Curve("t", "0", "-500", "500", 0.001f, "t*0.000001")->m_nId;
  const WORD other = sphere ? scene.Enter(new CGArc(scene.page->m_nNextId, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, kArcFullTurn,
                                                    kArcCircle))->m_nId
                            : scene.Enter(new CGLine(scene.page->m_nNextId, scene.Free(-1000, 0), scene.Free(1000, 0),
                                                     kLineFull))->m_nId;
  float p[3];
  int roots = 0;
  for (auto _ : state) {
    scene.page->RecalculateCells({});
    roots = sphere ? IntersectCircleCurve(other, curve, 0, p) : IntersectLineCurve(other, curve, 0, p);
  }
  state.counters["roots"] = roots;
}
BENCHMARK(BM_HuggingCurve)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
