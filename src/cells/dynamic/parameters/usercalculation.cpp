#include "cells/dynamic/parameters/usercalculation.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <span>

#include "cells/dynamic/parameters/expressioncells.h"
#include "cells/primitives/formattext.h"
#include "math/funnodes.h"
#include "math/funvariables.h"
#include "model/cellmap.h"
#include "model/globals.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGTmVarCalculator, CGTmVariable)

namespace {
// How a parent is written into the name: bracketed, "[ ]" when unnamed.
QString BracketedName(const CGCell* parent) {
  const QString name = parent ? parent->m_strName : QString();
  return name.isEmpty() ? QStringLiteral("[ ]") : QStringLiteral("[") + name + QStringLiteral("]");
}

// And into the mark-up: a parent shown as name = value by its own mark-up.
QString VodOf(const CGCell* parent) {
  if (parent && parent->m_nStyle == 1) return parent->m_strVodName;
  if (!parent || parent->m_strName.isEmpty()) return QStringLiteral("<e> </e>");
  return QStringLiteral("<e>") + parent->m_strName + QStringLiteral("</e>");
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

// The result when it is a number a float holds: a larger one would reach
// dependants as an infinity.
inline bool CGTmVarCalculator::EvaluateAsFloat(float& value) const {
  double result = 0;
  if (!m_parser.Evaluate(result) || !(std::fabs(result) <= static_cast<double>(FLT_MAX))) return false;
  value = static_cast<float>(result);
  return true;
}

bool CGTmVarCalculator::Measure(float& value) const { return EvaluateAsFloat(value); }

inline bool CGTmVarCalculator::ReadParents() {
  const std::size_t n = m_parents.size();
  // More parents than the parser could declare names for (only a damaged
  // file has them) leave nothing to evaluate.
  if (n > static_cast<std::size_t>(m_parser.VariableCount())) return false;
  const CCellMap* cells = g_pCurCells;
  if (!cells) return n == 0;
  double* values = m_parser.Values();
  for (std::size_t k = 0; k < n; ++k) {
    // Another calculation, the parent met in a chain of them, is known at
    // once; every other kind takes the general lookup.
    const CGCell* cell = cells->Lookup(m_parents[k]);
    const CGCell* parent =
        cell && cell->GetRuntimeClass() == RUNTIME_CLASS(CGTmVarCalculator) ? cell : ValueParentOf(*this, k);
    if (!parent || !parent->m_bDefined) return false;
    values[k] = parent->m_fValue;
  }
  return true;
}

// A drag recomputes whole chains of calculations: this path makes no call
// it can avoid.
void CGTmVarCalculator::Recalculate() {
  CompileIfNeeded();
  float value = m_fValue;
  if (!ReadParents()) {
    m_bDefined = false;
  } else if (m_parser.State() != kFunParsed || !m_parser.Root()) {
    m_fValue = 0;
    m_bDefined = false;
  } else {
    m_bDefined = EvaluateAsFloat(value);
    if (m_bDefined) m_fValue = value;
  }
  NoteValueTextDue();
}

// A parent shown as name = value brackets by its own root; any other, and
// one written in short, stands as a plain variable.  The parser parses
// again to carry the classes.
void CGTmVarCalculator::ClassifyParents(const std::vector<WrittenInText>& vods) {
  const std::size_t n = m_parents.size();
  if (n == 0) return;
  int* classes = m_parser.DisplayClasses();
  const std::size_t declared = std::min(n, static_cast<std::size_t>(m_parser.VariableCount()));
  for (std::size_t k = 0; k < declared; ++k) {
    const CGCell* parent = ParentAs<CGCell>(k);
    const bool own = parent && parent->m_nStyle == 1 && !vods[k].shortened;
    classes[k] = own ? static_cast<int>(parent->m_dwParam3) : kFunClassVariable;
  }
  m_parser.SetText(m_strFormula);
  m_parser.Check();
  m_parser.Parse();
}

// Each parent's name and mark-up written in whole, and what stands for it
// where they would make the texts too long.
void CGTmVarCalculator::ParentTexts(std::vector<WrittenInText>& names, std::vector<WrittenInText>& vods) const {
  for (std::size_t k = 0; k < m_parents.size(); ++k) {
    const CGCell* parent = ParentAs<CGCell>(k);
    names[k].whole = names[k].brief = BracketedName(parent);
    vods[k].whole = vods[k].brief = VodOf(parent);
    if (!parent) continue;
    names[k].brief = QStringLiteral("[") + ShortLabel(*parent) + QStringLiteral("]");
    vods[k].brief = ShortVodLabel(*parent);
  }
}

void CGTmVarCalculator::UpdateLabel() {
  if (m_bNameFixed) return;
  CompileIfNeeded();
  const std::size_t n = m_parents.size();
  std::vector<WrittenInText> names(n), vods(n);
  ParentTexts(names, vods);
  FitValueVariables(m_strFormula, names);
  // A parent the name writes in short the mark-up writes so too.
  for (std::size_t k = 0; k < n; ++k)
    if (names[k].shortened) WriteShort(vods[k]);
  ClassifyParents(vods);
  if (FitValueVariables(m_parser.GetVodText(), vods, kLongestMarkupWrittenIn)) ClassifyParents(vods);
  m_strName = WriteInValueVariables(m_strFormula, names);
  m_strVodName = WriteInValueVariables(m_parser.GetVodText(), vods);
  const CFunNode* root = m_parser.Root();
  m_dwParam3 = static_cast<DWORD>(root ? root->m_nClass : kFunClassVariable);
  CGTmVariable::UpdateLabel();
}
