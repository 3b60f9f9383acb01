// Nodes of a compiled expression.  Each node evaluates itself to a double and
// renders itself as VOD mark-up; the expression object (CFunParser) builds,
// owns and deletes the tree.  Two-operand operators use both links; the unary
// minus and every function keep their one argument in the right link.
// Trigonometric functions work in radians.  No node reports errors: a
// division by zero or a logarithm of a negative number gives an infinity or a
// NaN, which CFunParser::Evaluate turns into a failed evaluation.
#pragma once
#include <QString>
#include <QStringView>

class CFunParser;

// Display classes decide brackets and multiplication signs in the mark-up;
// most comparisons use the class rounded down to even (2 and 3 alike, 4 and 5
// alike, 16 and 17 alike).
enum FunDisplayClass : int {
  kFunClassPlus = 2,
  kFunClassMinus = 3,
  kFunClassMultiply = 4,  // also the modulo operator
  kFunClassDivide = 5,
  kFunClassOpposite = 6,
  kFunClassPower = 8,
  kFunClassFunction = 10,
  kFunClassNumber = 16,
  kFunClassVariable = 17,  // also pi and e
};

// Binding strengths; the parser adds kFunBracketPriority per bracket level.
enum FunPriority : int {
  kFunPrioritySum = 1,
  kFunPriorityProduct = 2,
  kFunPriorityOpposite = 3,
  kFunPriorityPower = 4,
  kFunPriorityFunction = 5,
  kFunPriorityOperand = 8,
  kFunBracketPriority = 10,
};

class CFunNode {
 public:
  CFunNode() = default;
  CFunNode(const CFunNode&) = delete;
  CFunNode& operator=(const CFunNode&) = delete;
  virtual ~CFunNode() = default;

  virtual double Evaluate() const;
  // The generic infix form: left operand, sign, right operand, bracketed by
  // the operands' display classes.
  virtual QString GetVodText();

  CFunNode* m_pLeft = nullptr;
  CFunNode* m_pRight = nullptr;  // the right operand, or the single argument
  QString m_strText = QStringLiteral("?");
  int m_nPriority = 0;
  int m_nClass = kFunClassFunction;

 protected:
  CFunNode(const QString& text, int priority, int displayClass);
  // A missing operand counts as 0, so a hand-built partial tree cannot crash.
  static double ValueOf(const CFunNode* node) { return node ? node->Evaluate() : 0.0; }
};

// A declared variable: reads its owner's value array at its index.
class variable final : public CFunNode {
 public:
  variable(const CFunParser* owner, int index);
  double Evaluate() const override;
  QString GetVodText() override;
  int m_nIndex;
  const CFunParser* m_pOwner;
};

// A number as typed, or pi or e.
class constant final : public CFunNode {
 public:
  explicit constant(double value);
  double Evaluate() const override { return m_dValue; }
  QString GetVodText() override;
  double m_dValue;
};

class plus final : public CFunNode {
 public:
  plus();
  double Evaluate() const override;
};

class minus final : public CFunNode {
 public:
  minus();
  double Evaluate() const override;
};

// Its sign ("×", "·" or none) is chosen from the operands by each mark-up call.
class multiply final : public CFunNode {
 public:
  multiply();
  double Evaluate() const override;
  QString GetVodText() override;
};

class divide final : public CFunNode {
 public:
  divide();
  double Evaluate() const override;
  QString GetVodText() override;
};

class modnode final : public CFunNode {
 public:
  modnode();
  double Evaluate() const override;
};

// The unary minus.
class opposite final : public CFunNode {
 public:
  opposite();
  double Evaluate() const override;
  QString GetVodText() override;
};

class power final : public CFunNode {
 public:
  power();
  double Evaluate() const override;
  QString GetVodText() override;
};

// Base of the 32 function nodes: the name as text, one argument.
class funcnode : public CFunNode {
 protected:
  explicit funcnode(const char16_t* name);
  double Argument() const { return ValueOf(m_pRight); }
};

#define KV_FUNCTION_NODE(cls)           \
  class cls final : public funcnode {   \
   public:                              \
    cls();                              \
    double Evaluate() const override;   \
  };

KV_FUNCTION_NODE(sinnode)
KV_FUNCTION_NODE(cosnode)
KV_FUNCTION_NODE(tannode)
KV_FUNCTION_NODE(cotnode)
KV_FUNCTION_NODE(absnode)
KV_FUNCTION_NODE(lgnode)
KV_FUNCTION_NODE(lnnode)
KV_FUNCTION_NODE(expnode)
KV_FUNCTION_NODE(arcsinnode)
KV_FUNCTION_NODE(arccosnode)
KV_FUNCTION_NODE(arctannode)
KV_FUNCTION_NODE(intnode)
KV_FUNCTION_NODE(roundnode)
KV_FUNCTION_NODE(sgnnode)
KV_FUNCTION_NODE(hvnode)
KV_FUNCTION_NODE(randnode)
KV_FUNCTION_NODE(accumnode)
KV_FUNCTION_NODE(set1node)
KV_FUNCTION_NODE(set2node)
KV_FUNCTION_NODE(set3node)
KV_FUNCTION_NODE(set4node)
KV_FUNCTION_NODE(set5node)
KV_FUNCTION_NODE(set6node)
KV_FUNCTION_NODE(getnode)
KV_FUNCTION_NODE(sinhnode)
KV_FUNCTION_NODE(coshnode)
KV_FUNCTION_NODE(tanhnode)
KV_FUNCTION_NODE(inolnode)
KV_FUNCTION_NODE(timenode)
KV_FUNCTION_NODE(factnode)

#undef KV_FUNCTION_NODE

// Square and cube roots render as radicals.
class sqrtnode final : public funcnode {
 public:
  sqrtnode();
  double Evaluate() const override;
  QString GetVodText() override;
};

class cbrtnode final : public funcnode {
 public:
  cbrtnode();
  double Evaluate() const override;
  QString GetVodText() override;
};

// The 32 function names ("sin", "set3", ...): whether a name is one, and a
// new node for it (null for any other name).
bool IsFunctionName(QStringView name);
CFunNode* CreateFunctionNode(QStringView name);
