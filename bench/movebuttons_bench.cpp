// Move and view buttons.  Goals:
// - the final tick of a move button on a locus whose chain has 50 cells, at
//   speed 1e-4 (the fine search capped at 10,000 evaluations), within 20 ms;
// - the same at speed 0.01 within 1.2 x the time of its 2,000 x spacing / s
//   locus evaluations measured alone (BM_LocusEvaluations);
// - a tick of 20 running view and move buttons allocates nothing.
#include <benchmark/benchmark.h>

#include <cmath>

#include "cells/constructed/coordinatespoint.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/buttons/movebutton.h"
#include "cells/dynamic/paths/pathpoints.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/buttons/viewbuttons.h"
#include "cells/primitives/cgverfree.h"
#include "cellscene.h"
#include "countingallocator.h"

namespace {

struct Scene : bench::CellScene {
  Scene() : CellScene(64) {}
  // Under the next id, which the cell was made with.
  template <class T>
  T* Enter(T* cell) {
    ++page->m_nNextId;
    return CellScene::Enter(cell);
  }
  WORD Point(float x, float y, float z) {
    return Enter(new CGVerFreeXyz(page->m_nNextId, page->m_nNextVertex++, QString(), x, y, z))->m_nId;
  }
};

// A parameter s over [0, 1] drives 49 calculations, each "No1*1.0001+No2"
// of the one before and of s, and the traced point (x the last one, y s):
// a chain of 50 cells, 102 samples 0.01 apart.  The mover runs on the
// locus towards a sample's place, from within one speed of its parameter.
struct LocusMoveScene : Scene {
  CGTmVarParameter* s = nullptr;
  CGLocus* locus = nullptr;
  CGVerFreeInLocus* mover = nullptr;
  CGButnMove* button = nullptr;
  float nearest = 0;  // the parameter of the sample nearest to the target

  explicit LocusMoveScene(float speed) {
    s = Enter(new CGTmVarParameter(page->m_nNextId, QStringLiteral("s"), 0.5f));
    WORD last = Enter(new CGTmVarParameter(page->m_nNextId, QStringLiteral("a"), 1))->m_nId;
    for (int i = 0; i < 49; ++i)
      last = Enter(new CGTmVarCalculator(page->m_nNextId, {last, s->m_nId}, QStringLiteral("No1*1.0001+No2"), {}))
                 ->m_nId;
    const WORD traced = Enter(new CGVerCoordinates(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("P"),
                                                   {last, s->m_nId}, 1, 2, 0, 0, 0, 0))->m_nId;
    locus = Enter(new CGLocus(page->m_nNextId, s->m_nId, traced, 0, 1));
    locus->Step = 0.01f;
    locus->SampleCount = 0;
    locus->Recalculate();
    // Sample 50's place: the nearest sample to the target, by a margin.
    const float* at = &locus->Samples[3 * 50];
    const WORD target = Point(at[0], at[1], at[2]);
    nearest = locus->ParamStart + 50 * (locus->ParamEnd - locus->ParamStart) / (locus->SampleCount - 1);
    mover = Enter(new CGVerFreeInLocus(page->m_nNextId, page->m_nNextVertex++, QString(), locus->m_nId, 0.5f));
    button = Enter(new CGButnMove(page->m_nNextId, QString(), mover->m_nId, target, speed, CGButnMove::kAlongLocus));
  }
  bool FinalTick() {
    mover->m_fValue = nearest + 0.5f * button->m_fSpeed;
    return button->Step();
  }
};

void BM_FinalLocusTick(benchmark::State& state) {
  LocusMoveScene scene(state.range(0) == 0 ? 1e-4f : 0.01f);
  if (scene.locus->SampleCount != 102 || !scene.FinalTick()) return state.SkipWithError("no final tick");
  for (auto _ : state) benchmark::DoNotOptimize(scene.FinalTick());
  state.counters["spacing"] = (scene.locus->ParamEnd - scene.locus->ParamStart) / (scene.locus->SampleCount - 1);
}

// The yardstick of speed 0.01: 2,000 x spacing / s locus evaluations.
void BM_LocusEvaluations(benchmark::State& state) {
  LocusMoveScene scene(0.01f);
  const float spacing = (scene.locus->ParamEnd - scene.locus->ParamStart) / (scene.locus->SampleCount - 1);
  const int count = static_cast<int>(std::lround(2000 * spacing / 0.01f));
  for (auto _ : state) {
    float at[3];
    for (int i = 0; i < count; ++i) scene.locus->SampleAt(at, nullptr, 0.49f + 1e-5f * static_cast<float>(i));
    benchmark::DoNotOptimize(at[0]);
  }
  state.counters["evaluations"] = count;
}

// Ten move buttons sending free points across a long way, and ten view
// buttons of each kind in turn, repeating.
void BM_TickOf20ViewAndMoveButtons(benchmark::State& state) {
  Scene scene;
  for (int i = 0; i < 10; ++i) {
    const WORD mover = scene.Point(0, static_cast<float>(i), 0), target = scene.Point(1e6f, static_cast<float>(i), 0);
    scene.page->SetButtonRunning(true, scene.Enter(new CGButnMove(scene.page->m_nNextId, QString(), mover, target,
                                                                  0.01f, CGButnMove::kStraight))->m_nId);
    CGCell* view = i % 3 == 0   ? static_cast<CGCell*>(new CGButnRotate(scene.page->m_nNextId, {}, 1, 0, 0, 0, 0, 0,
                                                                          1, 90, 1, 1, 2, 0.1f))
                   : i % 3 == 1 ? static_cast<CGCell*>(new CGButnTranslate(scene.page->m_nNextId, {}, 0, 0, -50, 1,
                                                                             2, -40, 1, 1, 2, 0.1f))
                                : static_cast<CGCell*>(new CGButnScale(scene.page->m_nNextId, {}, 1, 2, 1, 1, 2, 0.1f));
    scene.page->SetButtonRunning(true, scene.Enter(view)->m_nId);
  }
  RefreshMovingSet(*scene.page);
  bench::TickRunningButtons(state, [] { return g_nAllocations; }, KAVREL_COUNTS_ALLOCATIONS);
}

BENCHMARK(BM_FinalLocusTick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LocusEvaluations)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickOf20ViewAndMoveButtons)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
