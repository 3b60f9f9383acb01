// A pasted text of 10,000 points through the coordinate command: 10,000
// fixed points, selected, in one undo step.  Goal: within 50 ms, the vertex
// array grown once.
#include <benchmark/benchmark.h>

#include <memory>

#include "cells/cellclasses.h"
#include "editing/dialogs/coordinatesdialog.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/modelclasses.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"
#include "platform/processstate.h"

namespace {

class PastedPoints : public IDialogProvider {
 public:
  explicit PastedPoints(QString text) : m_text(std::move(text)) {}
  int DoModal(CDialogData& data) override {
    auto* dialog = dynamic_cast<CDlgCoordinates*>(&data);
    if (!dialog) return IDCANCEL;
    dialog->m_nMode = CDlgCoordinates::kManyPoints;
    dialog->m_strPoints = m_text;
    return IDOK;
  }

 private:
  QString m_text;
};

void BM_PasteTenThousandPoints(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  QString text;
  for (int i = 0; i < n; ++i) text += QStringLiteral("%1.5,%2\t-%3\r\n").arg(i).arg(i % 97).arg(i % 13);
  for (auto _ : state) {
    state.PauseTiming();
    {
      ResetProcessState();
      RegisterModelClasses();
      RegisterCellClasses();
      CKavrelDoc doc;
      doc.OnNewDocument();
      SetDialogProvider(std::make_unique<PastedPoints>(text));
      const int capacity = g_nVertexCapacity;
      state.ResumeTiming();
      CommandRegistry().Run(ID_CREATE_POINT_COORDINATES);
      state.PauseTiming();
      if (static_cast<int>(g_pCurPage->m_selPoints.size()) != n) state.SkipWithError("points missing");
      state.counters["grown by"] = g_nVertexCapacity - capacity;
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PasteTenThousandPoints)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
