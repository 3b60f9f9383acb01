// Sampling a parametric surface, as surfaces and curves do on every redraw:
// the sphere x = 6 sin u cos v, y = 6 sin u sin v, z = 6 cos u over a 200 x 200
// grid of (u, v), with our expression object and, for comparison, muparser.
#include <benchmark/benchmark.h>

#include <QString>
#include <cmath>

#include "math/funparser.h"

#ifdef KAVREL_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

constexpr int kGrid = 200;
const char* const kFormulas[3] = {"6*sin(u)*cos(v)", "6*sin(u)*sin(v)", "6*cos(u)"};

double GridU(int i) { return M_PI * i / (kGrid - 1); }
double GridV(int j) { return 2.0 * M_PI * j / (kGrid - 1); }

void BM_FunParserSphere(benchmark::State& state) {
  CFunParser parsers[3];
  for (int k = 0; k < 3; ++k) {
    parsers[k].SetVariables(QStringLiteral("u,v,"));
    parsers[k].SetText(QString::fromLatin1(kFormulas[k]));
    parsers[k].Check();
    parsers[k].Parse();
    if (parsers[k].State() != kFunParsed) state.SkipWithError("formula did not parse");
  }
  for (auto _ : state) {
    double sum = 0.0;
    for (int i = 0; i < kGrid; ++i) {
      for (int j = 0; j < kGrid; ++j) {
        for (CFunParser& p : parsers) {
          p.Values()[0] = GridU(i);
          p.Values()[1] = GridV(j);
          double value = 0.0;
          if (p.Evaluate(value)) sum += value;
        }
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kGrid * kGrid * 3);
}
BENCHMARK(BM_FunParserSphere)->Unit(benchmark::kMillisecond);

#ifdef KAVREL_HAVE_MUPARSER
void BM_MuParserSphere(benchmark::State& state) {
  double u = 0.0, v = 0.0;
  mu::Parser parsers[3];
  for (int k = 0; k < 3; ++k) {
    parsers[k].DefineVar("u", &u);
    parsers[k].DefineVar("v", &v);
    parsers[k].SetExpr(kFormulas[k]);
  }
  for (auto _ : state) {
    double sum = 0.0;
    for (int i = 0; i < kGrid; ++i) {
      for (int j = 0; j < kGrid; ++j) {
        for (mu::Parser& p : parsers) {
          u = GridU(i);
          v = GridV(j);
          const double value = p.Eval();
          if (std::isfinite(value)) sum += value;
        }
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kGrid * kGrid * 3);
}
BENCHMARK(BM_MuParserSphere)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
