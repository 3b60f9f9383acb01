// The user calculation: a measured value whose number is a formula over the
// values of its parents, other measured values (vectors give their x).  The
// formula calls parent k "No" k, by its 1-based place in the parent list.
// The cell is named by the formula with the parents' names written in, and
// its mark-up embeds theirs.  The formula is compiled once, at the first
// recalculation or name update after construction, loading or an edit
// (m_bCompiled cleared); every recalculation after that copies the parents'
// values into the parser and evaluates.  The fourth value word holds the
// display class of the formula's root, so that a calculation of this one
// brackets it rightly when it shows it inline.
#pragma once
#include <QString>
#include <vector>

#include "cells/dynamic/measures/measuredvalue.h"
#include "math/funparser.h"
#include "math/funvariables.h"

class CGTmVarCalculator : public CGTmMeasure {
  DECLARE_SERIAL(CGTmVarCalculator)

 public:
  // Formula "0", not compiled.
  CGTmVarCalculator() = default;
  // Over the parents in order, with the formula and its mark-up as typed,
  // in the name-equals-value form.
  CGTmVarCalculator(WORD id, const std::vector<WORD>& parents, const QString& formula, const QString& vod);

  // The caption record, then the formula.
  void Serialize(CArchive& ar) override;
  // Undefined without evaluating while a parent is undefined, missing or
  // no value (the value kept).  A formula that does not compile gives 0,
  // undefined; a result that is no number, infinite or beyond single
  // precision leaves the value as it was, undefined.
  void Recalculate() override;
  // Unless the user fixed the name: the formula with "[" parent name "]"
  // for each variable, the mark-up with the parents' mark-up, and the root's
  // display class; then the value text.  Where a parent's whole name would
  // make them too long (kLongestWrittenIn, kLongestMarkupWrittenIn) it is
  // written in short in both.
  void UpdateLabel() override;
  QString GetDescription() override;

  QString m_strFormula = QStringLiteral("0");
  // The parser holds the variables and the formula; never stored.  Beside
  // the parser, which every recalculation reads as well.
  bool m_bCompiled = false;
  // The compiled formula: parent k's value goes to m_parser.Values()[k].
  CFunParser m_parser;

 protected:
  // The evaluated number of a parsed formula whose variables hold the
  // parents' values.
  bool Measure(float& value) const override;

 private:
  void CompileIfNeeded() {
    if (!m_bCompiled) Compile();
  }
  // Declares "No1," ... one name per parent and parses the formula.
  void Compile();
  void ClassifyParents(const std::vector<WrittenInText>& vods);
  void ParentTexts(std::vector<WrittenInText>& names, std::vector<WrittenInText>& vods) const;
  // Copies the values in; false at the first undefined or missing parent.
  bool ReadParents();
  bool EvaluateAsFloat(float& value) const;
};
