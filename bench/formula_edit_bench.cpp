// Caret editing on a formula of about 2,000 nodes (25 lines of runs and
// fractions): one MoveCaret, InsertText or InsertStructure called on the
// root as the formula control calls it.  The goal: each averages at most
// 20 microseconds.  Only the operation is timed; the formula is read again
// from its mark-up (outside the timing) whenever the edits would pile up.
//
// The editing control (CFormulaEditor) on a formula of about 2,000 nodes in
// ten lines of powers and fractions, laid out in real fonts: one typed
// character with its re-layout and caret (goal 5 ms), one undo record
// (1 ms), one key with the repaint of the memory picture (16 ms).
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <chrono>
#include <cstdlib>
#include <vector>

#include "formula/bintree.h"
#include "formula/control/formulacommands.h"
#include "formula/control/formulaeditor.h"
#include "formula/boxnode.h"
#include "formula/editing/caretediting.h"
#include "formula/formuladc.h"
#include "formula/structurenodes.h"

namespace {

// Characters half the font height wide, so layout needs no installed font.
class FixedMetricsDC : public CFormulaDC {
 public:
  QSize TextExtent(const QString& text) override {
    const int height = std::max(std::abs(LayoutHeight(Font())), 1);
    return {static_cast<int>(text.size()) * height / 2, height};
  }
  void TextOut(int, int, const QString&) override {}
  void Polyline(const std::vector<QPoint>&) override {}
  void FillPolygon(const std::vector<QPoint>&, COLORREF) override {}
  void FillRect(const RECT&, COLORREF) override {}
  void FocusRect(const RECT&) override {}
};

QString LargeFormula() {
  const QString item = QStringLiteral("<e>ab</e><f><#><l><e>x</e></l></#><#><l><e>y</e></l></#></f>");
  QString vod = QStringLiteral("<#>");
  for (int line = 0; line < 25; ++line) vod += QStringLiteral("<l>") + item.repeated(10) + QStringLiteral("</l>");
  return vod + QStringLiteral("</#>");
}

int CountNodes(const CNode* node) {
  int count = 1;
  if (auto* container = dynamic_cast<const CContainerNode*>(node)) {
    for (const CNode* child : container->m_arrChildren) count += CountNodes(child);
  } else if (auto* structure = dynamic_cast<const CStandardNode*>(node)) {
    for (const CNode* box : {structure->m_pFirst, structure->m_pSecond})
      if (box) count += CountNodes(box);
  }
  return count;
}

// The large formula laid out, with the caret in the middle of line 12.
struct Formula {
  CBinTree tree;
  FixedMetricsDC dc;
  std::vector<int> middle = {1, 12, 1, 10, 3, 1};

  Formula() { Reset(); }
  void Reset() {
    tree.SetVod(LargeFormula());
    dc.SelectFont(tree.m_lfDefault);
    tree.Layout(dc);
    std::size_t position = 0;
    tree.m_pRoot->RestoreCaretPath(middle, position);
    SelectionGeometry geometry;
    tree.m_pRoot->GetSelectionRegion(geometry);  // the caret's x for Up and Down
  }
  CNode* Root() const { return tree.m_pRoot; }
};

// Times each operation alone; the formula starts over every `resetEvery`.
template <class Edited, class Operation>
void TimeEach(benchmark::State& state, Edited& formula, int resetEvery, Operation operation) {
  int done = 0;
  for (auto _ : state) {
    if (++done % resetEvery == 0) formula.Reset();
    const auto start = std::chrono::steady_clock::now();
    operation(done);
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["nodes"] = CountNodes(formula.Root());
}

void BM_MoveCaret(benchmark::State& state) {
  Formula formula;
  // Along the line and between lines, back and forth.
  const int keys[] = {CARET_RIGHT, CARET_RIGHT, CARET_DOWN, CARET_LEFT, CARET_LEFT, CARET_UP, CARET_HOME, CARET_END};
  TimeEach(state, formula, 4096, [&](int i) { benchmark::DoNotOptimize(formula.Root()->MoveCaret(keys[i % 8])); });
}

void BM_InsertText(benchmark::State& state) {
  Formula formula;
  const QString typed = QStringLiteral("z");
  TimeEach(state, formula, 256, [&](int) { formula.Root()->InsertText(typed); });
}

void BM_InsertStructure(benchmark::State& state) {
  Formula formula;
  const int size[2] = {2, 2};
  // Every kind in turn, each nesting in the last: the caret enters what was inserted.
  TimeEach(state, formula, 32,
           [&](int i) { benchmark::DoNotOptimize(formula.Root()->InsertStructure(2 + i % 19, nullptr, size)); });
}

QString PowersAndFractions() {
  const QString item = QStringLiteral(
      "<e>ab</e><^><#><l><e>x</e></l></#><#><l><e>2</e></l></#></^>"
      "<f><#><l><e>y</e></l></#><#><l><e>z</e></l></#></f>");
  QString vod = QStringLiteral("<#>");
  for (int line = 0; line < 10; ++line) vod += QStringLiteral("<l>") + item.repeated(14) + QStringLiteral("</l>");
  return vod + QStringLiteral("</#>");
}

// The editor on the large formula with the caret in the middle of line 5.
struct EditedFormula {
  CBinTree tree;
  CFormulaEditor editor;

  EditedFormula() { Reset(); }
  void Reset() {
    editor.SetTree(&tree);
    tree.SetVod(PowersAndFractions());
    std::size_t position = 0;
    tree.m_pRoot->RestoreCaretPath({1, 5, 1, 11, 3, 1}, position);
    editor.m_undo.Clear();
    editor.SaveUndoState();
    editor.UpdateLayout();
  }
  CNode* Root() const { return tree.m_pRoot; }
};

void BM_ControlTypeCharacter(benchmark::State& state) {
  EditedFormula formula;
  const QString typed = QStringLiteral("z");
  TimeEach(state, formula, 64, [&](int) {
    formula.editor.OnChar(typed);
    formula.editor.UpdateLayout();
  });
}

void BM_ControlUndoRecord(benchmark::State& state) {
  EditedFormula formula;
  const QString typed = QStringLiteral("z");
  int done = 0;
  for (auto _ : state) {
    if (++done % 64 == 0) formula.Reset();
    formula.tree.m_pRoot->InsertText(typed);  // a change to record, untimed
    const auto start = std::chrono::steady_clock::now();
    formula.editor.SaveUndoState();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
}

void BM_ControlKeyAndRepaint(benchmark::State& state) {
  EditedFormula formula;
  TimeEach(state, formula, 4096, [&](int i) {
    formula.editor.OnKeyDown(i % 2 ? vk::Right : vk::Left, false);
    benchmark::DoNotOptimize(formula.editor.RenderPicture(QSize(800, 600)));
  });
}

}  // namespace

BENCHMARK(BM_ControlTypeCharacter)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ControlUndoRecord)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ControlKeyAndRepaint)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveCaret)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertText)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertStructure)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);  // the control measures in real fonts
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
