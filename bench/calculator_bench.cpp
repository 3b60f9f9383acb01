// The calculator's change handler on an expression of 2,000 characters over
// three values: the check before the caret, the check, parse and evaluation
// of the whole text, the preview's mark-up and tree, and the preview laid
// out in real fonts as the dialog lays it out to fit its scroll bar.  The
// goal: at most 10 ms per change.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "formula/calculator/calculator.h"
#include "formula/calculator/calculatordata.h"
#include "formula/control/formulaeditor.h"
#include "math/funnodes.h"

namespace {

void BM_CalculatorChangeWithPreview(benchmark::State& state) {
  CDlgCalculator data;
  for (int k = 1; k <= 3; ++k)
    data.AddValue(QStringLiteral("v%1").arg(k), QStringLiteral("<e>v%1</e>").arg(k), k, kFunClassVariable);
  CCalculator calculator(data);
  CFormulaEditor editor;
  editor.SetTree(&calculator.Preview());
  QString text = QStringLiteral("No1");
  while (text.size() < 2000) text += QStringLiteral("+No2*(No3-1)/2");
  const int caret = static_cast<int>(text.size()) / 2;
  for (auto _ : state) {
    const CCalculatorState s = calculator.Change(text, caret);
    benchmark::DoNotOptimize(editor.PaintFormula());
    benchmark::DoNotOptimize(s.m_bParsed);
  }
}
BENCHMARK(BM_CalculatorChangeWithPreview)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);  // the preview measures in real fonts
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
