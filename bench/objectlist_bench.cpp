// What the object list pays when cells go: a delete of a chain of n points
// listed in a shown tree.  Goal: time linear in n, the 50,000-point chain
// within 2 s.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <vector>

#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/kavreldoc.h"
#include "ui/objectlist/treedocument.h"
#include "ui/objectlist/viewtree.h"

namespace {

using Clock = std::chrono::steady_clock;

void BM_DeleteListedChain(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  std::vector<WORD> chain;
  for (int i = 0; i <= n; ++i) {
    auto* point = new CGVertex(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), 0.001f * i, 0, 0);
    page.m_cells.SetAt(point->m_nId, point);
    if (i > 0) chain.push_back(point->m_nId);  // the first point stays
  }
  page.RebuildVertexArray();
  const auto tree = MakeDocumentTree(doc, [] { return QStringLiteral("bench"); });
  CViewTree view;
  view.SetDocument(tree.get());
  view.resize(300, 800);
  view.show();
  for (auto _ : state) {
    view.FillObjectList();
    QApplication::processEvents();
    const auto start = Clock::now();
    view.AddRemoveCells(chain, false);
    QApplication::processEvents();  // the view lays out what is left
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
}
BENCHMARK(BM_DeleteListedChain)->Arg(10000)->Arg(50000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
