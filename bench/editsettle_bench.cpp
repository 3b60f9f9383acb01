// What the end of an edit costs, against the plain recompute of a chain of
// translated points (what each move of a drag pays).  Each benchmark
// reports `x_chain`, its mean time over that recompute of a chain of the
// same length measured in the same run, and the picture page `x_plain`,
// its time over the same page without pictures.  Goals: an edit that
// changes nothing (a click that selects) on a page of 50,000 cells and one
// that changes a leaf there, 0.25 x the 50,000-point chain; the end of a
// drag of a 10,000-point chain, 2 x; three 4000 x 3000 pictures on a page
// of 600 cells, 2 x the page without them, while the edit visits them.
// Searches note nothing: on a chain of 50,000 translated points, show or
// hide the label, hide, widen or colour one selected point, 0.25 x the
// chain; a page switch by a click, leaving and coming back, 1.5 x the same
// switch with no edit about it (`x_plain`); a box selection of the 50,000
// points 2 x the same with nothing noted; deleting the whole chain 8 x.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <optional>
#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/constructed/translations.h"
#include "cells/primitives/cgline.h"
#include "cells/texts/cgtextbit.h"
#include "dragpage.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/modelclasses.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/editscope.h"
#include "support/scriptedview.h"
#include "view/tools/mousetools.h"
#include "view/toolstate.h"

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

// An edit that selects a point and looks at every cell of the page, the
// pictures among them, changing nothing.
double ClickSeconds(PicturePage& scene, int times) {
  const auto start = Clock::now();
  for (int i = 0; i < times; ++i) {
    const CEditScope span;
    scene.page->ClearSelection();
    scene.page->SelectCell(static_cast<WORD>(1 + i % 300));
    for (auto [id, cell] : scene.page->m_cells) benchmark::DoNotOptimize(cell);
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

// The chain in a document, its commands registered.
struct ChainDocument {
  CKavrelDoc doc;
  CGPage* page = nullptr;
  std::vector<WORD> chain;
  explicit ChainDocument(int n) {
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    doc.OnNewDocument();
    page = g_pCurPage;
    WORD last = page->m_nNextId;
    page->m_cells.SetAt(last, new CGVerFreeXyz(page->m_nNextId++, page->m_nNextVertex++, QStringLiteral("A"), 0, 0, 0));
    chain.push_back(last);
    for (int i = 0; i < n; ++i) {
      auto* point = new CGVerTranslateStc(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("P"), last, 0.001f, 0, 0);
      page->m_cells.SetAt(page->m_nNextId++, point);
      page->m_cells.Lookup(last)->m_children.push_back(point->m_nId);
      last = point->m_nId;
      chain.push_back(last);
    }
    page->RebuildVertexArray();
    page->RecalculateCells(chain);
  }
  ~ChainDocument() { ResetProcessState(); }
  void SelectOnly(WORD id) {
    page->ClearSelection();
    page->SelectCell(id);
  }
};

// A display command on the last point of the chain, selected anew before
// each run: show or hide the label (0), hide (1), widen (2), a colour of
// the palette (3).
void BM_CommandOnOneSelected(benchmark::State& state) {
  constexpr unsigned kCommands[] = {ID_VIEW_SHOWHIDE_LABEL, ID_VIEW_HIDEOBJECTS, ID_VIEW_WEIGHT_JIA, 2000};
  const unsigned command = kCommands[state.range(0)];
  const double reference = ChainSeconds(50000);
  ChainDocument scene(50000);
  const WORD leaf = scene.chain.back();
  double seconds = 0;
  for (auto _ : state) {
    scene.page->m_cells.LookupUntouched(leaf)->m_bHidden = 0;
    scene.SelectOnly(leaf);
    const auto start = Clock::now();
    if (!CommandRegistry().Run(command)) state.SkipWithError("not run");
    seconds += Seconds(start);
    state.SetIterationTime(Seconds(start));
  }
  Report(state, seconds, "x_chain", reference);
}

// Leaving the chain's page for an empty one and coming back (range 0: as a
// click does, inside an edit), against the same switches with no edit.
double SwitchSeconds(ChainDocument& scene, CGPage& other, bool inEdit, int times) {
  const auto start = Clock::now();
  for (int i = 0; i < times; ++i)
    for (CGPage* to : {&other, scene.page}) {
      std::optional<CEditScope> click;
      if (inEdit) click.emplace();
      scene.doc.SwitchToPage(to);
    }
  return Seconds(start) / times;
}

void BM_PageSwitchByClick(benchmark::State& state) {
  ChainDocument scene(50000);
  CGPage* other = scene.doc.OnCreatePage();
  scene.doc.SwitchToPage(scene.page);
  const double reference = SwitchSeconds(scene, *other, false, 20);
  double seconds = 0;
  for (auto _ : state) {
    const double once = SwitchSeconds(scene, *other, true, 1);
    seconds += once;
    state.SetIterationTime(once);
  }
  Report(state, seconds, "x_plain", reference);
}

// A box around every point of the chain, as the box tool takes it: the
// release adds them all to the selection (range 1: with nothing noted).
void BM_BoxSelection(benchmark::State& state) {
  ChainDocument scene(50000);
  ScriptedSurface surface;
  CMouseTools tools(surface);
  tools.SetDocument(&scene.doc);
  for (WORD id : scene.chain) surface.boxHits.push_back({kPickPoint, id});
  const bool noted = state.range(0) == 0;
  for (auto _ : state) {
    state.PauseTiming();
    scene.page->ClearSelection();
    g_nToolMode = 7;
    g_viewTool.step = 0;
    tools.OnLButtonDown({100, 100, true});
    tools.OnMouseMove({700, 500, true});
    state.ResumeTiming();
    if (noted) {
      tools.OnLButtonUp({700, 500, false});
    } else {
      const CReadingPass nothingNoted;
      tools.OnLButtonUp({700, 500, false});
    }
  }
  if (scene.page->m_selAll.size() != scene.chain.size()) state.SkipWithError("the box missed points");
}

// Deleting the chain from its first point, which takes all of it.
void BM_DeleteChain(benchmark::State& state) {
  const double reference = ChainSeconds(50000);
  double seconds = 0;
  for (auto _ : state) {
    ChainDocument scene(50000);  // not timed: the manual time is the delete's
    scene.SelectOnly(scene.chain.front());
    const auto start = Clock::now();
    CommandRegistry().Run(ID_EDIT_DELETE);
    seconds += Seconds(start);
    state.SetIterationTime(Seconds(start));
    if (!scene.page->m_cells.empty()) state.SkipWithError("the chain stayed");
  }
  Report(state, seconds, "x_chain", reference);
}

BENCHMARK(BM_CommandOnOneSelected)->DenseRange(0, 3)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PageSwitchByClick)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoxSelection)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteChain)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditSpanOnAPage)->ArgsProduct({{10000, 50000}, {0, 1}})->UseManualTime()->Unit(benchmark::kMicrosecond);
// The press and the moves are not timed: a bounded number of drags.
BENCHMARK(BM_DragEnd)->Arg(10000)->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClickBesidePictures)->Arg(3)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
