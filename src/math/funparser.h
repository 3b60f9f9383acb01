// The expression object of the expression language, used by calculations,
// curves, loci, surfaces and the calculator.  It declares named double
// variables ("t"; "u" and "v"; "no1", "no2", ... for values taken from parent
// cells), takes a text, checks its syntax with a character state machine,
// builds the node tree by operator priority, evaluates it and renders it as
// VOD mark-up.
//
// Calling order: construct, SetVariables, then for each new text SetText,
// Check, Parse, and for each evaluation write Values() and call Evaluate.
#pragma once
#include <QHashFunctions>
#include <QString>
#include <unordered_map>
#include <vector>

#include "platform/types.h"

class CFunNode;

enum FunParserState : int {
  kFunConstructed = 0,
  kFunVariablesDeclared = 1,
  kFunTextSet = 2,         // also: the check failed
  kFunOpenBrackets = 3,    // the check failed inside or with unbalanced brackets
  kFunChecked = 4,
  kFunParsed = 5,
};

class CFunParser {
 public:
  // Typed and stored formulas deeper or longer than this fail the check, so
  // that the recursive evaluation and mark-up of the tree stay far from the
  // end of the stack.
  static constexpr int kMaxBracketDepth = 100;
  static constexpr int kMaxTextLength = 10000;

  CFunParser();
  ~CFunParser();
  CFunParser(const CFunParser&) = delete;
  CFunParser& operator=(const CFunParser&) = delete;

  // Declares the comma-separated names of the list (case-folded, blanks
  // removed, known names skipped); new names take the next indices.  All
  // values become 0 and all display classes 17.
  void SetVariables(const QString& list);

  // Stores a new text; it must pass Check and Parse before it evaluates.
  void SetText(const QString& text);

  // Syntax check, only in state 2 (otherwise returns 0).  Folds capitals in
  // the text to lower case as it scans, sets the state to 4 when the text is
  // complete, to 3 when it failed with brackets open or unbalanced, else to 2,
  // and returns the final class of the scan: 0 error, 1 an operand is expected,
  // 2 integer digits, 3 after a decimal point, 4 decimal digits, 5 in an
  // unknown name, 6 after an operator, 7 after ")" or a complete name.
  int Check();

  // Builds the tree from a checked text (state 4); state 5.
  void Parse();

  // In state 5: the value, true only when it is finite.  Otherwise out = 0
  // and false.
  bool Evaluate(double& out) const;

  // The whole expression as VOD mark-up; the empty box without a tree.
  QString GetVodText() const;

  bool LookupVariable(const QString& name, WORD& index) const;

  // Links a node in by priority, walking down the right spine from the root
  // (start null) or from start's right operand.
  void InsertNode(CFunNode* start, CFunNode* node);
  // Deletes a subtree, operands first.
  static void DeleteTree(CFunNode* node);

  const QString& Text() const { return m_strText; }
  int State() const { return m_nState; }
  int CheckResult() const { return m_nCheckResult; }
  int VariableCount() const { return m_nVarCount; }
  CFunNode* Root() const { return m_pRoot; }
  // One value per variable, in declaration order; callers write them before
  // evaluating.
  double* Values() { return m_values.data(); }
  const double* Values() const { return m_values.data(); }
  // One display class per variable, taken by its nodes at the next Parse.
  int* DisplayClasses() { return m_displayClasses.data(); }

 private:
  CFunNode* MakeNameNode(const QString& name) const;

  int m_nVarCount = 0;
  CFunNode* m_pRoot = nullptr;
  // Not a QHash: its insert cannot pass on a failed allocation (it ends the
  // program), and a document opening while memory runs out must be refused.
  std::unordered_map<QString, WORD> m_names;
  QString m_strText;
  int m_nCheckResult = 1;
  int m_nState = kFunConstructed;
  std::vector<double> m_values;
  std::vector<int> m_displayClasses;
};
