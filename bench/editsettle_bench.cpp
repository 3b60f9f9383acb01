// What the end of an edit costs, against the plain recompute of a chain of
// translated points (what each move of a drag pays).  Each benchmark
// reports `x_chain`, its mean time over that recompute of a chain of the
// same length measured in the same run, and the picture page `x_plain`,
// its time over the same page without pictures.  Goals: an edit that
// changes nothing (a click that selects) on a page of 50,000 cells and one
// that changes a leaf there, 0.25 x the 50,000-point chain; the end of a
// drag of a 10,000-point chain, 2 x; three 4000 x 3000 pictures on a page
// of 600 cells, 2 x the page without them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <vector>

#include "cells/constructed/translations.h"
#include "cells/primitives/cgline.h"
#include "cells/texts/cgtextbit.h"
#include "dragpage.h"
#include "model/cgpage.h"
#include "platform/editscope.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// A drag page whose dragged point A leads a chain of `n` points, each
// translated from the one before, all computed once.
struct ChainPage : bench::DragPage {
  std::vector<WORD> chain;
  explicit ChainPage(int n) : DragPage(n + 1) {
    g_bDragHorizontal = 1;
    g_bSnapToGrid = 0;
    WORD last = dragged;
    for (int i = 0; i < n; ++i) {
      auto* point = new CGVerTranslateStc(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("P"), last, 0.001f, 0, 0);
      page->m_cells.SetAt(page->m_nNextId++, point);
      point->Recalculate();
      last = point->m_nId;
      chain.push_back(last);
    }
  }
  // The whole chain computed in id order, as a drag's move computes it.
  double Recompute() {
    const auto start = Clock::now();
    page->RecalculateCells(chain);
    return Seconds(start);
  }
};

// The median of a few plain recomputes of an `n`-point chain, measured once
// per length and run.
double ChainSeconds(int n) {
  static std::map<int, double> measured;
  if (const auto it = measured.find(n); it != measured.end()) return it->second;
  std::vector<double> times;
  {
    ChainPage scene(n);
    for (int i = 0; i < 15; ++i) times.push_back(scene.Recompute());
  }
  std::nth_element(times.begin(), times.begin() + 7, times.end());
  return measured[n] = times[7];
}

// Mean seconds of the timed iterations over `reference`.
void Report(benchmark::State& state, double seconds, const char* name, double reference) {
  const double mean = seconds / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  state.counters[name] = mean / reference;
}

// An edit on the chain page: a click that selects the last point and
// changes nothing (range 1: 0), or one that colours it, a leaf (1).
void BM_EditSpanOnAPage(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const bool colour = state.range(1) == 1;
  const double reference = ChainSeconds(n);
  ChainPage scene(n);
  const WORD leaf = scene.chain.back();
  const auto edit = [&](bool red) {
    const CEditScope span;
    scene.page->ClearSelection();
    scene.page->SelectCell(leaf);
    if (colour) scene.page->m_cells.Lookup(leaf)->m_rgbaColor.r = red ? 255 : 0;
  };
  edit(false);  // the page settles once, as when it opened
  double seconds = 0;
  bool red = false;
  for (auto _ : state) {
    red = !red;
    const auto start = Clock::now();
    edit(red);
    seconds += Seconds(start);
    state.SetIterationTime(Seconds(start));
  }
  Report(state, seconds, "x_chain", reference);
}

// The release of a drag of A after a few moves, on its chain.
void BM_DragEnd(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const double reference = ChainSeconds(n);
  ChainPage scene(n);
  double seconds = 0, x = 0.5;
  for (auto _ : state) {
    {
      const CEditScope press;
      scene.page->ClearSelection();
      scene.page->SelectCell(scene.dragged);
      BeginPointDrag(scene.dragged);
    }
    for (int i = 0; i < 3; ++i) bench::DragPage::MoveTo(x = x > 20 ? 0.5 : x + 0.37);
    const auto start = Clock::now();
    {
      const CEditScope release;
      EndPointDrag();
    }
    seconds += Seconds(start);
    state.SetIterationTime(Seconds(start));
  }
  Report(state, seconds, "x_chain", reference);
}

// A page of 600 points and segments with `pictures` pictures of
// 4000 x 3000 pixels; a click that selects a point and changes nothing.
struct PicturePage : bench::DragPage {
  explicit PicturePage(int pictures) : DragPage(400) {
    for (int i = 1; i < 400; ++i) Free(static_cast<float>(i % 20), static_cast<float>(i / 20), 0);
    for (WORD a = 1; a < 201; ++a) page->m_cells.SetAt(page->m_nNextId, new CGLine(page->m_nNextId++, a, a + 1, 0));
    for (int i = 0; i < pictures; ++i) {
      std::vector<BYTE> pixels(std::size_t(12000) * 3000, static_cast<BYTE>(i));
      page->m_cells.SetAt(page->m_nNextId, new CGTbImage(page->m_nNextId++, 4000, 3000, std::move(pixels)));
    }
  }
};

double ClickSeconds(PicturePage& scene, int times) {
  const auto start = Clock::now();
  for (int i = 0; i < times; ++i) {
    const CEditScope span;
    scene.page->ClearSelection();
    scene.page->SelectCell(static_cast<WORD>(1 + i % 300));
  }
  return Seconds(start) / times;
}

void BM_ClickBesidePictures(benchmark::State& state) {
  double reference = 0;
  {
    PicturePage plain(0);
    ClickSeconds(plain, 1);
    reference = ClickSeconds(plain, 200);
  }
  PicturePage scene(static_cast<int>(state.range(0)));
  ClickSeconds(scene, 1);
  double seconds = 0;
  for (auto _ : state) {
    const double once = ClickSeconds(scene, 1);
    seconds += once;
    state.SetIterationTime(once);
  }
  Report(state, seconds, "x_plain", reference);
}

BENCHMARK(BM_EditSpanOnAPage)->ArgsProduct({{10000, 50000}, {0, 1}})->UseManualTime()->Unit(benchmark::kMicrosecond);
// The press and the moves are not timed: a bounded number of drags.
BENCHMARK(BM_DragEnd)->Arg(10000)->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickBesidePictures)->Arg(3)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
