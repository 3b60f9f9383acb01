// What the calculator dialog computes, without its window: on every change
// of the expression, the caret or the selection it checks the text before
// the caret (which keys may follow), checks, parses and evaluates the whole
// expression with the offered values, and gives the message line, the
// preview's mark-up and whether OK may be pressed.  It owns the preview's
// formula tree, which the dialog's read-only formula control shows.
//
//   CCalculator calculator(data);                 // variables declared once
//   const CCalculatorState s = calculator.Change(text, selectionEnd);
//   s.Enabled(CalcKeyGroup::Digit) ... s.m_strMessage ... s.m_bParsed
//   data.m_strResultVod = calculator.ResultVod(); // on OK
#pragma once
#include <QString>
#include <vector>

#include "formula/bintree.h"
#include "formula/calculator/calculatorkeys.h"
#include "formula/rect.h"
#include "math/funparser.h"

class CDlgCalculator;

struct CCalculatorState {
  // The check class of the text before the caret (CFunParser::Check) and
  // whether a bracket is open there.
  int m_nClass = 0;
  bool m_bBracketOpen = false;
  int m_nSelectionEnd = 0;
  // The whole expression parsed: OK is enabled and the preview was given
  // m_strPreviewVod.  Otherwise the preview keeps its last formula.
  bool m_bParsed = false;
  QString m_strMessage;
  QString m_strPreviewVod;

  bool Enabled(CalcKeyGroup group) const;
};

// The preview's horizontal scrolling for a formula of a given width in a
// window of a given width.
struct CPreviewScroll {
  bool m_bShown = false;  // the scroll bar
  int m_nRange = 0;       // 0 .. m_nRange, also the position
  int m_nOffset = 0;      // the picture's shift: the formula's right end shows
};
CPreviewScroll FitPreview(const RECT& formula, int clientWidth);

class CCalculator {
 public:
  // Declares the mode's free variables ("t,"; "u,v,") and then "No1,",
  // "No2", ... one per value, and gives value k and its display class the
  // parser's slot after the free variables.  The data must be valid.
  explicit CCalculator(const CDlgCalculator& data);
  CCalculator(const CCalculator&) = delete;
  CCalculator& operator=(const CCalculator&) = delete;

  // The change handler: the caret (the selection's end) counts in UTF-16
  // units from the start of `expression`.
  CCalculatorState Change(const QString& expression, int selectionEnd);
  // The parsed expression as mark-up with the values as their "No" k
  // variables; the empty formula when the last change did not parse.
  QString ResultVod() const;

  // The preview's tree: default font "Times New Roman" of height 18 in
  // black, starting empty.
  CBinTree& Preview() { return m_preview; }
  int FreeVariables() const { return m_nFree; }
  const CFunParser& Parser() const { return m_parser; }

 private:
  void Evaluate(const QString& expression, CCalculatorState& state);

  CFunParser m_parser;
  CBinTree m_preview;
  int m_nFree = 0;
  std::vector<QString> m_names;
  std::vector<QString> m_vods;
};
