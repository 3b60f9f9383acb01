// The label command and the document options.  Goals: renaming a value with
// 10,000 descendants through the label command, their relabelling and
// recalculation included, within 20 ms; renaming 500 pages by their places
// within 5 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "cells/cellclasses.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "editing/dialogs/labels/labeldialogs.h"
#include "editing/document/documentoptions.h"
#include "editing/labels/labelcommand.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/modelclasses.h"
#include "platform/dialogprovider.h"
#include "platform/notifier.h"
#include "platform/processstate.h"

namespace {
// Answers the caption dialog with a custom name in text form, a new one
// each time.
class RenamingProvider : public IDialogProvider {
 public:
  int DoModal(CDialogData& data) override {
    auto* label = dynamic_cast<CDlgLabelVod*>(&data);
    if (!label) return IDCANCEL;
    label->m_nKind = CDlgLabelVod::CUSTOM;
    label->m_nFormat = CDlgLabelVod::TEXT;
    label->m_strLabel = (++m_nTurn % 2) ? QStringLiteral("h") : QStringLiteral("k");
    return IDOK;
  }

 private:
  int m_nTurn = 0;
};

void BM_RenameValueWithDescendants(benchmark::State& state) {
  ResetProcessState();
  RegisterModelClasses();
  RegisterCellClasses();
  {
    CKavrelDoc doc;
    doc.OnNewDocument();
    CGPage& page = *g_pCurPage;
    auto* t = new CGTmVarParameter(page.m_nNextId++, QStringLiteral("t"), 1);
    page.m_cells.SetAt(t->m_nId, t);
    for (int i = 0; i < 10000; ++i) {
      auto* c = new CGTmVarCalculator(page.m_nNextId, {t->m_nId}, QStringLiteral("No1*2"), QString());
      page.m_cells.SetAt(page.m_nNextId++, c);
      c->Recalculate();
    }
    page.SelectCell(t->m_nId);
    std::unique_ptr<IDialogProvider> previous = SetDialogProvider(std::make_unique<RenamingProvider>());
    for (auto _ : state) OnEditLabelmod(doc);
    if (page.m_dirtyIds.size() != 10000) state.SkipWithError("not every descendant was recomputed");
    SetDialogProvider(std::move(previous));
  }
  ResetProcessState();
}
BENCHMARK(BM_RenameValueWithDescendants)->Unit(benchmark::kMillisecond);

void BM_RenameFiveHundredPages(benchmark::State& state) {
  ResetProcessState();
  RegisterModelClasses();
  RegisterCellClasses();
  {
    CKavrelDoc doc;
    doc.OnNewDocument();
    for (int k = 2; k <= 500; ++k) doc.OnCreatePage();
    for (auto _ : state) RenamePagesInOrder(doc);
    if (doc.m_pages.back()->m_strName != QString::fromUtf8("第500页")) state.SkipWithError("not renamed");
  }
  ResetProcessState();
}
BENCHMARK(BM_RenameFiveHundredPages)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
