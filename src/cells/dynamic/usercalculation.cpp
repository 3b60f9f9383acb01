#include "cells/dynamic/usercalculation.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <span>

#include "cells/dynamic/expressioncells.h"
#include "cells/primitives/formattext.h"
#include "math/funnodes.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGTmVarCalculator, CGTmVariable)

namespace {
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The text with every variable "No" k, 1 <= k <= n, replaced by
// `replacement(k - 1)`.  A variable is the whole digit run after "No", so
// No12 is never No1 followed by "2", and one pass over the text keeps a
// name written in from being taken for a variable in its turn.
template <class Replacement>
QString WriteInParents(const QString& text, std::size_t n, Replacement replacement) {
  constexpr qsizetype kLongestIndex = 5;  // parents are counted in 16 bits
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size();) {
    if (text[i] == u'N' && i + 1 < text.size() && text[i + 1] == u'o') {
      qsizetype end = i + 2;
      while (end < text.size() && IsDigit(text[end])) ++end;
      const QStringView digits = QStringView(text).mid(i + 2, end - i - 2);
      if (!digits.isEmpty() && digits.front() != u'0' && digits.size() <= kLongestIndex) {
        const std::size_t k = digits.toULong();
        if (k <= n) {
          out += replacement(k - 1);
          i = end;
          continue;
        }
      }
    }
    out += text[i++];
  }
  return out;
}
}  // namespace

CGTmVarCalculator::CGTmVarCalculator(WORD id, const std::vector<WORD>& parents, const QString& formula,
                                     const QString& vod)
    : CGTmMeasure(id, std::span<const WORD>(parents)) {
  m_strFormula = formula;
  m_strVodName = vod;
  m_nStyle = 1;
  Finish();
}

void CGTmVarCalculator::Serialize(CArchive& ar) {
  CGTmMeasure::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_strFormula;
    return;
  }
  ar >> m_strFormula;
  m_bCompiled = false;
}

QString CGTmVarCalculator::GetDescription() { return FillFormat(Texts().description, "%s", {m_strFormula}); }

void CGTmVarCalculator::Compile() {
  CompileExpression(m_parser, ValueVariableList(m_parents.size()), m_strFormula);
  m_bCompiled = true;
}

bool CGTmVarCalculator::ReadParents() {
  const std::size_t n = m_parents.size();
  // More parents than the parser could declare names for (only a damaged
  // file has them) leave nothing to evaluate.
  if (n > static_cast<std::size_t>(m_parser.VariableCount())) return false;
  double* values = m_parser.Values();
  for (std::size_t k = 0; k < n; ++k) {
    const CGTextmap* parent = ValueParentOf(*this, k);
    if (!parent || !parent->m_bDefined) return false;
    values[k] = parent->m_fValue;
  }
  return true;
}

void CGTmVarCalculator::Recalculate() {
  CompileIfNeeded();
  if (!ReadParents()) {
    m_bDefined = false;
    UpdateValueText();
    return;
  }
  if (m_parser.State() != kFunParsed || !m_parser.Root()) {
    m_fValue = 0;
    m_bDefined = false;
    UpdateValueText();
    return;
  }
  CGTmMeasure::Recalculate();
}

bool CGTmVarCalculator::Measure(float& value) const {
  double result = 0;
  // A value a float cannot hold would reach dependants as an infinity.
  if (!m_parser.Evaluate(result) || !(std::fabs(result) <= static_cast<double>(FLT_MAX))) return false;
  value = static_cast<float>(result);
  return true;
}

void CGTmVarCalculator::UpdateLabel() {
  if (m_bNameFixed) return;
  CompileIfNeeded();
  const std::size_t n = m_parents.size();
  if (n > 0) {
    // A parent shown as name = value brackets by its own root; any other
    // stands as a plain variable.
    int* classes = m_parser.DisplayClasses();
    const std::size_t declared = std::min(n, static_cast<std::size_t>(m_parser.VariableCount()));
    for (std::size_t k = 0; k < declared; ++k) {
      const CGCell* parent = ParentAs<CGCell>(k);
      classes[k] = parent && parent->m_nStyle == 1 ? static_cast<int>(parent->m_dwParam3) : kFunClassVariable;
    }
    m_parser.SetText(m_strFormula);
    m_parser.Check();
    m_parser.Parse();
  }
  m_strName = WriteInParents(m_strFormula, n, [this](std::size_t k) {
    const QString name = ParentName(k);
    return name.isEmpty() ? QStringLiteral("[ ]") : QStringLiteral("[") + name + QStringLiteral("]");
  });
  m_strVodName = WriteInParents(m_parser.GetVodText(), n, [this](std::size_t k) {
    const CGCell* parent = ParentAs<CGCell>(k);
    if (parent && parent->m_nStyle == 1) return parent->m_strVodName;
    if (!parent || parent->m_strName.isEmpty()) return QStringLiteral("<e> </e>");
    return QStringLiteral("<e>") + parent->m_strName + QStringLiteral("</e>");
  });
  const CFunNode* root = m_parser.Root();
  m_dwParam3 = static_cast<DWORD>(root ? root->m_nClass : kFunClassVariable);
  CGTmVariable::UpdateLabel();
}
