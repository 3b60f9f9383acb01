// One animation tick of 50 running animation buttons, each driving a point
// along its segment with 20 dependants (a chain of segments and their
// midpoints).  Goals: one tick, the steps, the placing of the points and the
// recomputation of all 1,000 dependants included, within 1 ms, and no
// allocation per tick.
#include <benchmark/benchmark.h>

#include <memory>

#include "cells/cellclasses.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeinline.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "model/runningbuttons.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"
#include "cellscene.h"
#include "countingallocator.h"

namespace {

constexpr int kButtons = 50;
constexpr int kDependants = 20;

struct RunningScene : bench::CellScene {
  template <class T>
  WORD Enter(T* cell) {
    page->m_cells.SetAt(cell->m_nId, cell);
    return cell->m_nId;
  }
  WORD Point(float x, float y) {
    return Enter(new CGVerFreeXyz(page->m_nNextId++, page->m_nNextVertex++, QString(), x, y, 0));
  }

  RunningScene() : CellScene(kButtons * (3 + kDependants / 2) + 10) {
    for (int i = 0; i < kButtons; ++i) {
      const WORD a = Point(0, static_cast<float>(i)), b = Point(10, static_cast<float>(i));
      const WORD ab = Enter(new CGLine(page->m_nNextId++, a, b, kLineSegment));
      WORD from = Enter(new CGVerFreeInLine(page->m_nNextId++, page->m_nNextVertex++, QString(), ab, 0));
      const WORD driven = from;
      for (int k = 0; k < kDependants / 2; ++k) {
        const WORD segment = Enter(new CGLine(page->m_nNextId++, from, b, kLineSegment));
        from = Enter(new CGVerMid(page->m_nNextId++, page->m_nNextVertex++, QString(), segment));
      }
      auto* button = new CGButnAnimation(page->m_nNextId++, QString(), driven, 0, 1, 2, 1, 0.01f, 0);
      Enter(button);
      page->SetButtonRunning(true, button->m_nId);
    }
    RefreshMovingSet(*page);
  }
};

void BM_TickOf50AnimationButtons(benchmark::State& state) {
  RunningScene scene;
  // Each point's 20 dependants and its button.
  if (scene.page->m_buttonIds.size() != static_cast<std::size_t>(kButtons * (kDependants + 1)))
    return state.SkipWithError("the dependants are not collected");
  bench::TickRunningButtons(state, [] { return g_nAllocations; }, KAVREL_COUNTS_ALLOCATIONS);
}

BENCHMARK(BM_TickOf50AnimationButtons)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
