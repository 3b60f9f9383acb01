// The trimmed picture of a 1920 x 1080 view (F7, target at most 30 ms) and
// printing 50 pages of 1280 x 800 into a PDF file, with the most page
// pictures alive at once (each is made when its sheet is drawn).
#include <benchmark/benchmark.h>

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>

#include "headlesscontext.h"
#include "ui/printing/sheetprinter.h"
#include "view/tools/trimmedcapture.h"

namespace {

void BM_TrimmedCapture1920x1080(benchmark::State& state) {
  QImage view(1920, 1080, QImage::Format_ARGB32);
  view.fill(Qt::white);
  QPainter painter(&view);
  painter.setPen(QPen(Qt::black, 3));
  painter.drawEllipse(QRect(600, 300, 700, 500));
  painter.end();
  for (auto _ : state) {
    const std::optional<QRect> drawn = TrimmedCaptureRect(view, qRgb(255, 255, 255));
    benchmark::DoNotOptimize(view.copy(drawn.value_or(QRect())));
  }
}
BENCHMARK(BM_TrimmedCapture1920x1080)->Unit(benchmark::kMillisecond);

int g_alive = 0;
int g_mostAlive = 0;

void BM_PrintFiftyPages(benchmark::State& state) {
  QTemporaryDir dir;
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("fifty.pdf")));
    CPrintJob job;
    job.pageCount = 50;
    job.pageImage = [](int number) {
      auto* pixels = new uchar[1280 * 800 * 4];
      std::fill_n(pixels, 1280 * 800 * 4, static_cast<uchar>(number * 5));
      g_mostAlive = std::max(g_mostAlive, ++g_alive);
      return QImage(
          pixels, 1280, 800, QImage::Format_RGB32,
          [](void* data) {
            delete[] static_cast<uchar*>(data);
            --g_alive;
          },
          pixels);
    };
    job.pageName = [](int number) { return QStringLiteral("第%1页").arg(number); };
    PrintSheets(printer, job);
  }
  state.counters["most pictures alive"] = g_mostAlive;
}
BENCHMARK(BM_PrintFiftyPages)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
