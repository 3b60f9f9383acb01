// Reading and writing a rich text of 1 MB.  Goal: each within 100 ms.  The
// text mixes GBK pairs, \uN characters, format changes and paragraphs, as
// long annotations do.
#include <benchmark/benchmark.h>

#include <QTextDocument>
#include <memory>

#include "headlesscontext.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

namespace {

QByteArray OneMegabyteRtf() {
  QByteArray rtf(R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}{\f1\fnil\fcharset0 Arial;}})");
  const QByteArray paragraph =
      R"(\pard\qc\li360 \'b9\'b4\'b9\'c9\u21246?\u32929? plain words \b bold\b0  \f1\fs28 face\f0\fs24  a\super 2\nosupersub\par)"
      "\r\n";
  while (rtf.size() < (1 << 20)) rtf.append(paragraph);
  return rtf.append('}');
}

void BM_ReadRtf1MB(benchmark::State& state) {
  const QByteArray rtf = OneMegabyteRtf();
  for (auto _ : state) {
    auto doc = std::make_unique<QTextDocument>();
    benchmark::DoNotOptimize(ReadRtf(rtf, *doc));
    state.PauseTiming();  // freeing the document is not reading
    doc.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * rtf.size());
}

void BM_WriteRtf1MB(benchmark::State& state) {
  QTextDocument doc;
  ReadRtf(OneMegabyteRtf(), doc);
  for (auto _ : state) benchmark::DoNotOptimize(WriteRtf(doc));
}

BENCHMARK(BM_ReadRtf1MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRtf1MB)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::RunBenchmarks(argc, argv); }
