// Importing a deck of 100 slides of 10 text boxes each.  Targets: reading
// the package and laying out every shape within 2 s (before any text is
// rendered); the whole import, pages and cells made, within 20 s.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "cells/cellclasses.h"
#include "editing/presentation/pptxdeck.h"
#include "editing/presentation/pptxpackage.h"
#include "editing/presentation/presentationimport.h"
#include "editing/presentation/slideplacement.h"
#include "model/document/kavreldoc.h"
#include "model/modelclasses.h"
#include "platform/processstate.h"
#include "support/pptxwriter.h"

namespace {

const QByteArray& Deck() {
  static const QByteArray bytes = [] {
    std::vector<CFixtureSlide> slides(100);
    for (int s = 0; s < 100; ++s)
      for (int i = 0; i < 10; ++i)
        slides[s].shapes += SlideTextBox(20 + 60 * (i % 5), 40 + 200 * (i / 5), 120, 60,
                                         QStringLiteral("第%1张幻灯片的第%2个文本框").arg(s + 1).arg(i + 1),
                                         QStringLiteral("1F3864"), QStringLiteral("sz=\"2000\""));
    return WritePptx(slides);
  }();
  return bytes;
}

void BM_ReadAndLayOut(benchmark::State& state) {
  for (auto _ : state) {
    CPptxPackage package;
    CPptxDeck deck;
    QString failure;
    if (!package.Open(Deck()) || !ReadPptxDeck(package, &deck, &failure)) state.SkipWithError("unreadable deck");
    double sum = 0;
    for (const QString& part : deck.slideParts) {
      CPptxSlide slide;
      ReadPptxSlide(package, part, &slide, &failure);
      for (const CPptxShape& shape : slide.shapes) sum += PlaceOnBoard(shape, deck).x;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ReadAndLayOut)->Unit(benchmark::kMillisecond);

void BM_WholeImport(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    ResetProcessState();
    RegisterModelClasses();
    RegisterCellClasses();
    CKavrelDoc doc;
    doc.OnNewDocument();
    CPptxPackage package;
    CPptxDeck deck;
    QString failure;
    package.Open(Deck());
    ReadPptxDeck(package, &deck, &failure);
    state.ResumeTiming();
    const CImportResult result = ImportSlides(doc, package, deck, 1, 100, true);
    if (result.pages != 100) state.SkipWithError("pages missing");
  }
}
BENCHMARK(BM_WholeImport)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);  // texts are drawn in real fonts
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
