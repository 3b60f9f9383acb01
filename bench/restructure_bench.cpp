// The restructuring edits on large selections.  Goals: reversing 10,000
// selected faces within 10 ms; freezing 10,000 selected midpoints, then its
// undo, then its redo, within 50 ms each; renumbering a document of
// 10 pages x 5,000 cells with every other id free within 100 ms; the format
// painter on 10,000 points, and its undo, within 10 ms each.
#include <benchmark/benchmark.h>

#include <QString>
#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "editing/restructure/reorganize.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/modelclasses.h"
#include "model/undo/cmdprocessor.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"
#include "platform/processstate.h"

namespace {
// Message boxes pass unseen and unprinted.
class QuietNotifier : public INotifier {
 public:
  int Show(const QString&, const QString&, unsigned type) override { return DefaultAnswer(type); }
};

// A new document whose current page the benchmark fills.
struct BenchDocument {
  CKavrelDoc doc;
  std::vector<WORD> selection;

  BenchDocument() {
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    SetNotifier(std::make_unique<QuietNotifier>());
    doc.OnNewDocument();
  }
  ~BenchDocument() { ResetProcessState(); }
  CGPage& Page() { return *g_pCurPage; }
  WORD Point(float x, float y) {
    CGPage& page = Page();
    auto* p = new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, 0);
    page.m_cells.SetAt(p->m_nId, p);
    return p->m_nId;
  }
  WORD Enter(CGCell* cell, std::initializer_list<WORD> parents) {
    Page().m_cells.SetAt(cell->m_nId, cell);
    for (WORD parent : parents) Page().m_cells.Lookup(parent)->m_children.push_back(cell->m_nId);
    return cell->m_nId;
  }
  void Select() {
    Page().ClearSelection();
    for (WORD id : selection) Page().SelectCell(id);
  }
  void Run(benchmark::State& state, unsigned command) {
    if (!CommandRegistry().Run(command)) state.SkipWithError("refused");
  }
};

// n triangles over a strip of n + 2 points.
void BM_ReverseFaces(benchmark::State& state) {
  BenchDocument d;
  const int n = static_cast<int>(state.range(0));
  ReserveVertexArray(n + 10);
  std::vector<WORD> at;
  for (int k = 0; k < n + 2; ++k) at.push_back(d.Point(static_cast<float>(k / 2), static_cast<float>(k % 2)));
  for (int k = 0; k < n; ++k) {
    CGPage& page = d.Page();
    d.selection.push_back(
        d.Enter(new CGFace(page.m_nNextId++, at[k], at[k + 1], at[k + 2], 0x00336699), {at[k], at[k + 1], at[k + 2]}));
  }
  d.Page().RebuildVertexArray();
  for (auto _ : state) {
    state.PauseTiming();
    d.Select();
    state.ResumeTiming();
    d.Run(state, ID_EDIT_REVERSE);
  }
}
BENCHMARK(BM_ReverseFaces)->Arg(10000)->Unit(benchmark::kMillisecond);

// n midpoints of the n segments of a chain of n + 1 points.
struct Midpoints : BenchDocument {
  explicit Midpoints(int n) {
    ReserveVertexArray(2 * n + 10);
    WORD last = Point(0, 0);
    for (int k = 1; k <= n; ++k) {
      const WORD next = Point(static_cast<float>(k), static_cast<float>(k % 3));
      CGPage& page = Page();
      const WORD segment = Enter(new CGLine(page.m_nNextId++, last, next, kLineSegment), {last, next});
      selection.push_back(
          Enter(new CGVerMid(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), segment), {segment}));
      last = next;
    }
    Page().RebuildVertexArray();
  }
};

// Runs the command on the selection and undoes it, timing the one or the
// other.
template <class Document>
void CommandAndUndo(benchmark::State& state, unsigned command, bool timeUndo) {
  Document d(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    d.Select();
    if (!timeUndo) state.ResumeTiming();
    d.Run(state, command);
    if (timeUndo)
      state.ResumeTiming();
    else
      state.PauseTiming();
    d.Page().m_undo.Undo();
    if (!timeUndo) state.ResumeTiming();
  }
}

void BM_SplitMidpoints(benchmark::State& state) { CommandAndUndo<Midpoints>(state, ID_EDIT_SPLIT, false); }
BENCHMARK(BM_SplitMidpoints)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_UndoSplit(benchmark::State& state) { CommandAndUndo<Midpoints>(state, ID_EDIT_SPLIT, true); }
BENCHMARK(BM_UndoSplit)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_RedoSplit(benchmark::State& state) {
  Midpoints d(static_cast<int>(state.range(0)));
  d.Select();
  d.Run(state, ID_EDIT_SPLIT);
  for (auto _ : state) {
    state.PauseTiming();
    d.Page().m_undo.Undo();
    state.ResumeTiming();
    d.Page().m_undo.Redo();
  }
}
BENCHMARK(BM_RedoSplit)->Arg(10000)->Unit(benchmark::kMillisecond);

// pages x cells, the cells on every other id, each line on the two points
// before it.
void Spread(BenchDocument& d, int pages, int cells) {
  d.doc.m_pages.clear();
  for (int p = 0; p < pages; ++p) {
    auto page = std::make_unique<CGPage>();
    page->m_nId = static_cast<WORD>(2 * p + 1);
    for (int k = 0; k < cells; ++k) {
      const WORD id = static_cast<WORD>(2 * k + 1);
      if (k % 3 < 2) {
        page->m_cells.SetAt(id, new CGVertex(id, k, QString(), static_cast<float>(k), 0, 0));
      } else {
        page->m_cells.SetAt(id, new CGLine(id, static_cast<WORD>(id - 4), static_cast<WORD>(id - 2), kLineSegment));
        page->m_cells.Lookup(static_cast<WORD>(id - 4))->m_children.push_back(id);
        page->m_cells.Lookup(static_cast<WORD>(id - 2))->m_children.push_back(id);
      }
    }
    page->m_nNextId = static_cast<WORD>(2 * cells + 1);
    d.doc.m_pages.push_back(std::move(page));
  }
  d.doc.m_nLastPageId = static_cast<WORD>(2 * pages - 1);
  SetCurrentPage(d.doc.m_pages.front().get());
}

void BM_Reorganize(benchmark::State& state) {
  BenchDocument d;
  const int pages = static_cast<int>(state.range(0)), cells = static_cast<int>(state.range(1));
  ReserveVertexArray(cells + 10);
  for (auto _ : state) {
    state.PauseTiming();
    Spread(d, pages, cells);
    state.ResumeTiming();
    ReorganizeDocument(d.doc);
  }
}
BENCHMARK(BM_Reorganize)->Args({10, 5000})->Unit(benchmark::kMillisecond);

// n free points on a grid, all selected.
struct GridPoints : BenchDocument {
  explicit GridPoints(int n) {
    ReserveVertexArray(n + 10);
    for (int k = 0; k < n; ++k) selection.push_back(Point(static_cast<float>(k % 100), static_cast<float>(k / 100)));
  }
};

void BM_FormatPainter(benchmark::State& state) { CommandAndUndo<GridPoints>(state, ID_EDIT_STYLES, false); }
BENCHMARK(BM_FormatPainter)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_UndoFormatPainter(benchmark::State& state) { CommandAndUndo<GridPoints>(state, ID_EDIT_STYLES, true); }
BENCHMARK(BM_UndoFormatPainter)->Arg(10000)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
