// What formula texts and ink cost.  Goals: opening a document of 200
// formula texts stored without their pictures (each rendered again while
// it loads) within 2 ms a text, and in time linear in their number from 50
// on (compare the "per_text" counters, in seconds); a frame holding ink of 100,000
// points within 11 times a frame of 10,000 (the "ratio" counter), headless
// into an 800 x 600 framebuffer.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <vector>

#include "app/classregistration.h"
#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/inkmarks.h"
#include "headlesscontext.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/notifier.h"
#include "platform/processstate.h"
#include "render/glresources.h"
#include "view/viewrenderer.h"

namespace {

void BM_OpenFormulaTexts(benchmark::State& state) {
  ResetProcessState();
  SetNotifier(nullptr);
  RegisterAllClasses();
  const int count = static_cast<int>(state.range(0));
  QTemporaryDir folder;
  const QString path = QDir(folder.path()).filePath(QStringLiteral("formulas.kv"));
  {
    CKavrelDoc doc;
    doc.OnNewDocument();
    CGPage& page = *doc.m_pages.front();
    SetCurrentPage(&page);
    for (int i = 0; i < count; ++i) {
      const QString markup =
          QStringLiteral("<#><l><f><#><l><e>a+%1</e></l></#><#><l><e>b</e></l></#></f></l></#>").arg(i);
      page.m_cells.SetAt(page.m_nNextId, new CGTbVodText(page.m_nNextId, markup, 0xFFFFFF, i % 2));
      ++page.m_nNextId;
    }
    if (!doc.OnSaveDocument(path)) return state.SkipWithError("the document could not be saved");
  }
  CKavrelDoc opened;
  for (auto _ : state)
    if (!opened.OnOpenDocument(path, false)) state.SkipWithError("the document did not open");
  state.counters["per_text"] = benchmark::Counter(
      static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The fastest of 20 frames of one ink of `points` points in strokes of 1,000.
double InkFrameSeconds(int points) {
  ResetProcessState();
  auto page = std::make_unique<CGPage>();
  SetCurrentPage(page.get());
  g_nAxesMode = 0;
  g_strProgramFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
  CViewRenderer renderer;
  renderer.InitOpenGL();
  renderer.OnSize(bench::kWidth, bench::kHeight);
  auto* ink = new CGInkmarks;
  std::vector<float> xyz(3000);
  for (int first = 0; first < points; first += 1000) {
    for (int i = 0; i < 1000; ++i) {
      const double t = (first + i) * 0.001;
      xyz[3 * i] = static_cast<float>(15 * std::cos(t) * std::sin(3.1 * t));
      xyz[3 * i + 1] = static_cast<float>(12 * std::sin(t * 1.7));
    }
    ink->AddStroke(std::make_unique<CStroke>(1000, xyz.data()));
  }
  ink->m_nId = page->m_nNextId++;
  page->m_cells.SetAt(ink->m_nId, ink);
  double best = 1e9;
  for (int i = 0; i < 21; ++i) {
    const auto start = std::chrono::steady_clock::now();
    renderer.RenderScene();
    glFinish();
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  renderer.Release();
  SetCurrentPage(nullptr);
  return best;
}

void BM_InkFrame100kOver10k(benchmark::State& state) {
  if (!bench::Context().ok) return state.SkipWithError("no headless OpenGL (Mesa EGL surfaceless platform)");
  double small = 0, large = 0;
  for (auto _ : state) {
    small = InkFrameSeconds(10000);
    large = InkFrameSeconds(100000);
    state.SetIterationTime(large);
  }
  state.counters["ms10k"] = small * 1e3;
  state.counters["ms100k"] = large * 1e3;
  state.counters["ratio"] = large / small;
}

BENCHMARK(BM_OpenFormulaTexts)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InkFrame100kOver10k)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
