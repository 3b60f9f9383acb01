// Copy plus paste of n cells (half free points, half segments between
// them) into the same page, and deleting a free point with 10,000
// descendants and undoing it.  Targets: copy plus paste of 10,000 within
// 100 ms and 12 times that of 1,000; the deletion and its undo within 50 ms
// each.
#include <benchmark/benchmark.h>

#include "cells/cellclasses.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "editing/clipboardexchange.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/modelclasses.h"
#include "model/undo/cmdcells.h"
#include "model/vertexarray.h"
#include "platform/archive.h"
#include "platform/processstate.h"

namespace {

struct Scene {
  CKavrelDoc doc;
  CGPage* page;
  Scene() {
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    doc.OnNewDocument();
    page = g_pCurPage;
  }
  WORD Point(float x) {
    const WORD id = page->m_nNextId++;
    page->m_cells.SetAt(id, new CGVerFreeXyz(id, page->m_nNextVertex++, QStringLiteral("P"), x, 0, 0));
    return id;
  }
  WORD Line(WORD a, WORD b) {
    const WORD id = page->m_nNextId++;
    page->m_cells.SetAt(id, new CGLine(id, a, b, kLineSegment));
    return id;
  }
};

void BM_CopyAndPaste(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Scene scene;
  ReserveVertexArray(n * 2);
  for (int i = 0; i < n / 2; ++i) {
    const WORD a = scene.Point(float(i));
    scene.Line(a, a > 1 ? WORD(a - 2) : a);
  }
  for (auto _ : state) {
    state.PauseTiming();
    for (auto [id, cell] : scene.page->m_cells) scene.page->SelectCell(id);
    state.ResumeTiming();
    const QByteArray record = MakeClipboardRecord(*scene.page);
    CArchive ar(record);
    ar.ReadDword();
    PasteFailure failure;
    if (PasteFromClipboard(ar, &failure) != n) state.SkipWithError("nothing pasted");
    state.PauseTiming();
    scene.page->m_undo.Submit(std::make_unique<CCmdAddCells>(n, QStringLiteral("paste")));
    scene.page->m_undo.Undo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CopyAndPaste)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_DeleteAndUndoPointWith10000Descendants(benchmark::State& state) {
  Scene scene;
  ReserveVertexArray(10100);
  const WORD root = scene.Point(0);
  WORD previous = root;
  for (int i = 0; i < 5000; ++i) {
    const WORD b = scene.Point(float(i));
    scene.Line(root, b);
    previous = scene.Line(previous, b);
  }
  const bool undo = state.range(0) != 0;
  for (auto _ : state) {
    state.PauseTiming();
    scene.page->ClearSelection();
    scene.page->SelectCell(root);
    std::vector<WORD> ids;
    state.ResumeTiming();
    if (!undo) CollectDeleteIds(ids);
    state.PauseTiming();
    if (undo) CollectDeleteIds(ids);
    auto command = std::make_unique<CCmdDelCells>(std::move(ids), QStringLiteral("delete"));
    CCmd* deletion = command.get();
    scene.page->m_undo.Submit(std::move(command));
    if (undo) {
      deletion->Redo();
      state.ResumeTiming();
      scene.page->m_undo.Undo();
    } else {
      state.ResumeTiming();
      deletion->Redo();
      state.PauseTiming();
      scene.page->m_undo.Undo();
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_DeleteAndUndoPointWith10000Descendants)->ArgName("undo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
