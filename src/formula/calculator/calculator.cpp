#include "formula/calculator/calculator.h"

#include <algorithm>
#include <cassert>

#include "formula/calculator/calculatordata.h"
#include "formula/calculator/calculatortexts.h"
#include "math/funvariables.h"
#include "platform/numberformat.h"

namespace {
// The free variables of each mode, declared before the values.
constexpr const char* kFreeVariables[] = {"", "t,", "u,v,"};
constexpr int kFreeCounts[] = {0, 1, 2};

const QString kVodHead = QStringLiteral("<#><l>");
const QString kVodTail = QStringLiteral("</l></#>");

// The preview's font: what a formula shows in unless it says otherwise.
// The tree's own default is already black "Times New Roman".
void SetPreviewFont(CBinTree& tree) { tree.m_lfDefault.lfHeight = 18; }
}  // namespace

bool CCalculatorState::Enabled(CalcKeyGroup group) const {
  const int c = m_nClass;
  switch (group) {
    case CalcKeyGroup::Digit: return c != 0 && c != 7;
    case CalcKeyGroup::Point: return c == 1 || c == 2 || c == 6;
    case CalcKeyGroup::Sign: return c != 0 && c != 3 && c != 6;
    case CalcKeyGroup::Binary: return c != 0 && c != 1 && c != 3 && c != 6;
    case CalcKeyGroup::Close: return Enabled(CalcKeyGroup::Binary) && m_bBracketOpen;
    case CalcKeyGroup::Operand: return c == 1 || c == 5 || c == 6;
    case CalcKeyGroup::Back: return m_nSelectionEnd != 0;
  }
  return false;
}

CPreviewScroll FitPreview(const RECT& formula, int clientWidth) {
  CPreviewScroll scroll;
  const int d = formula.Width() - clientWidth;
  if (d > 0) {
    scroll.m_bShown = true;
    scroll.m_nRange = d;
    scroll.m_nOffset = d;
  }
  return scroll;
}

CCalculator::CCalculator(const CDlgCalculator& data)
    : m_names(data.m_valueNames), m_vods(data.m_valueVods) {
  assert(data.IsValid());
  const int mode = std::clamp(data.m_nMode, 0, 2);
  m_nFree = kFreeCounts[mode];
  QString variables = QString::fromLatin1(kFreeVariables[mode]);
  const std::size_t n = data.ValueCount();
  for (std::size_t k = 1; k <= n; ++k) variables += QStringLiteral("No%1,").arg(k);
  m_parser.SetVariables(variables);
  // Value k goes after the free variables, never over them.
  double* values = m_parser.Values();
  int* classes = m_parser.DisplayClasses();
  assert(static_cast<std::size_t>(m_parser.VariableCount()) == m_nFree + n);
  for (std::size_t k = 0; k < n; ++k) {
    values[m_nFree + k] = data.m_values[k];
    classes[m_nFree + k] = data.m_displayClasses[k];
  }
  SetPreviewFont(m_preview);
  m_preview.SetVod(kEmptyVod);
}

CCalculatorState CCalculator::Change(const QString& expression, int selectionEnd) {
  CCalculatorState state;
  state.m_nSelectionEnd = std::clamp(selectionEnd, 0, static_cast<int>(expression.size()));
  // The keys that may follow the text before the caret.
  m_parser.SetText(expression.left(state.m_nSelectionEnd));
  state.m_nClass = m_parser.Check();
  state.m_bBracketOpen = m_parser.State() == kFunOpenBrackets;
  // The whole expression.
  m_parser.SetText(expression);
  const int wholeClass = m_parser.Check();
  m_parser.Parse();
  if (m_parser.State() == kFunParsed) {
    Evaluate(expression, state);
  } else {
    state.m_strMessage = QString::fromUtf16(wholeClass != 0 ? kTextIncomplete : kTextWrongExpression);
  }
  return state;
}

void CCalculator::Evaluate(const QString& expression, CCalculatorState& state) {
  const std::size_t n = m_names.size();
  const QString readable = WriteInValueVariables(expression, n, [this](std::size_t k) {
    return QStringLiteral("[") + m_names[k] + QStringLiteral("]");
  });
  const QString markup = WriteInValueVariables(m_parser.GetVodText(), n, [this](std::size_t k) { return m_vods[k]; });
  double value = 0;
  if (m_parser.Evaluate(value)) {
    state.m_strMessage = readable + QStringLiteral("=") + FormatNumber("%.4f", value);
    const QString inner = markup.mid(kVodHead.size(), markup.size() - kVodHead.size() - kVodTail.size());
    state.m_strPreviewVod = kVodHead + inner + FormatNumber("<e>=%g</e>", value) + kVodTail;
  } else {
    state.m_strMessage = readable + QStringLiteral("=?");
    state.m_strPreviewVod = markup;
  }
  m_preview.SetVod(state.m_strPreviewVod);
  state.m_bParsed = true;
}

QString CCalculator::ResultVod() const {
  return m_parser.State() == kFunParsed ? m_parser.GetVodText() : kEmptyVod;
}
