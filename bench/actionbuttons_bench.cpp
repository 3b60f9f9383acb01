// The action-button commands on large selections.  Goals: a show/hide
// button over 10,000 selected points made and undone within 20 ms; a series
// button over 1,000 selected buttons made within 5 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "cells/cellclasses.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "cells/primitives/cgverfree.h"
#include "editing/dialogs/buttons/actionbuttondialogs.h"
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
// Answers every dialog with its presets.
class AcceptAll : public IDialogProvider {
 public:
  int DoModal(CDialogData&) override { return IDOK; }
};

struct ButtonPage {
  CKavrelDoc doc;
  ButtonPage() {
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    doc.OnNewDocument();
    SetDialogProvider(std::make_unique<AcceptAll>());
  }
  ~ButtonPage() { ResetProcessState(); }
};

void BM_ShowHideOver10000(benchmark::State& state) {
  ButtonPage page;
  CGPage& p = *g_pCurPage;
  ReserveVertexArray(10100);
  for (int i = 0; i < 10000; ++i) {
    auto* point = new CGVerFreeXyz(p.m_nNextId++, p.m_nNextVertex++, p.GetNewName(1), float(i % 100), float(i / 100), 0);
    p.m_cells.SetAt(point->m_nId, point);
    p.SelectCell(point->m_nId);
  }
  for (auto _ : state) {
    if (!CommandRegistry().Run(ID_EDIT_BTN_HIDESHOW)) state.SkipWithError("refused");
    p.m_undo.Undo();
    state.PauseTiming();
    if (p.m_selAll.empty())
      for (WORD id = 1; id < p.m_nNextId; ++id) p.SelectCell(id);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ShowHideOver10000)->Unit(benchmark::kMillisecond);

void BM_SeriesOver1000(benchmark::State& state) {
  ButtonPage page;
  CGPage& p = *g_pCurPage;
  for (int i = 0; i < 1000; ++i) {
    auto* button = new CGButnSHide(p.m_nNextId++);
    p.m_cells.SetAt(button->m_nId, button);
  }
  for (WORD id = 1; id < p.m_nNextId; ++id) p.SelectCell(id);
  for (auto _ : state) {
    if (!CommandRegistry().Run(ID_EDIT_BTN_PRESENTAT)) state.SkipWithError("refused");
    state.PauseTiming();
    p.m_undo.Undo();
    if (p.m_selAll.size() != 1000)
      for (WORD id = 1; id < p.m_nNextId; ++id) p.SelectCell(id);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SeriesOver1000)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
