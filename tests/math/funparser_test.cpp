// The expression object: syntax check, priorities, evaluation, variables and
// the hostile-input limits.
#include "math/funparser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <initializer_list>

#include "math/funnodes.h"
#include "math/registers.h"
#include "platform/processstate.h"

namespace KAVREL_FILE_LOCAL {

class FunParserTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }
  void TearDown() override { ResetProcessState(); }

  // Stores the text and checks it; returns the check result.
  static int CheckText(CFunParser& p, const QString& text) {
    p.SetText(text);
    return p.Check();
  }
};

// A parser over x (index 0) and t (index 1), with the text checked and parsed.
struct Compiled {
  explicit Compiled(const QString& text, double x = 3.0, double t = 0.0) {
    p.SetVariables(QStringLiteral("x,t,"));
    p.Values()[0] = x;
    p.Values()[1] = t;
    p.SetText(text);
    p.Check();
    p.Parse();
  }
  double Value() {
    double v = -1.0;
    EXPECT_TRUE(p.Evaluate(v)) << p.Text().toStdString();
    return v;
  }
  CFunParser p;
};

TEST_F(FunParserTest, CheckResultsAndStates) {
  struct Case { const char* text; int result; int state; } cases[] = {
      // no implicit product, no sign after an operator, no empty number or brackets
      {"2x", 0, kFunTextSet}, {"x(1)", 0, kFunTextSet}, {"2*-1", 0, kFunTextSet}, {"3.", 3, kFunTextSet},
      {"1..2", 0, kFunTextSet}, {"()", 0, kFunTextSet}, {"", 1, kFunTextSet}, {"1+", 6, kFunTextSet},
      {"(x)(x)", 0, kFunTextSet},
      {"y+1", 0, kFunTextSet},      // undeclared name before an operator
      {"y", 5, kFunTextSet},        // undeclared name at the end
      {"sin", 5, kFunTextSet},
      {"1\t+2", 0, kFunTextSet},    // only blanks are skipped
      {"2+3#", 0, kFunTextSet},
      // brackets
      {"(1+2", 2, kFunOpenBrackets}, {"1+2)", 0, kFunOpenBrackets}, {"sin(", 1, kFunOpenBrackets},
      {"(x", 5, kFunOpenBrackets}, {"((1)", 7, kFunOpenBrackets},
      // complete texts return the class of their last character
      {"Sin(PI/2)", 7, kFunChecked}, {"12", 2, kFunChecked}, {"1.5", 4, kFunChecked}, {".5", 4, kFunChecked},
      {"x", 7, kFunChecked},       // a complete name counts as ")"
      {"pi", 7, kFunChecked}, {"e", 7, kFunChecked}, {"  -x ^ 2 ", 2, kFunChecked}, {"(+3)", 7, kFunChecked},
      {"+3", 2, kFunChecked},
      {"s in (x)", 7, kFunChecked},  // blanks inside names are ignored
      {"2 3", 2, kFunChecked}, {"set1(2)*get(1)", 7, kFunChecked},
  };
  for (const Case& c : cases) {
    CFunParser p;
    p.SetVariables(QStringLiteral("x,"));
    EXPECT_EQ(CheckText(p, QString::fromUtf8(c.text)), c.result) << c.text;
    EXPECT_EQ(p.State(), c.state) << c.text;
    EXPECT_EQ(p.CheckResult(), c.result) << c.text;
  }
}

TEST_F(FunParserTest, CheckWorksOnlyOnAFreshText) {
  CFunParser p;
  EXPECT_EQ(p.CheckResult(), 1);
  EXPECT_EQ(p.Check(), 0);  // constructed
  EXPECT_EQ(p.State(), kFunConstructed);
  p.SetVariables(QString());
  EXPECT_EQ(p.Check(), 0);
  EXPECT_EQ(p.State(), kFunVariablesDeclared);
  p.SetText(QStringLiteral("1"));
  p.Parse();  // not checked: nothing is built
  EXPECT_EQ(p.Root(), nullptr);
  EXPECT_EQ(p.State(), kFunTextSet);
  EXPECT_EQ(p.Check(), 2);
  EXPECT_EQ(p.Check(), 0);  // already checked: nothing changes
  EXPECT_EQ(p.State(), kFunChecked);
  EXPECT_EQ(p.CheckResult(), 2);
}

TEST_F(FunParserTest, CheckFoldsCapitalsInPlace) {
  CFunParser p;
  p.SetVariables(QString());
  EXPECT_EQ(CheckText(p, QStringLiteral("Sin(PI/2)")), 7);
  EXPECT_EQ(p.Text(), QStringLiteral("sin(pi/2)"));
  p.Parse();
  double v = 0;
  ASSERT_TRUE(p.Evaluate(v));
  EXPECT_DOUBLE_EQ(v, 1.0);
  // The scan stops at the first error, and so does the folding.
  EXPECT_EQ(CheckText(p, QStringLiteral("AB#CD")), 0);
  EXPECT_EQ(p.Text(), QStringLiteral("ab#CD"));
}

TEST_F(FunParserTest, AllFunctionNamesPassTheCheck) {
  const char* names[] = {"sin", "cos", "tan", "cot", "arcsin", "arccos", "arctan", "abs",
                         "sqrt", "cbrt", "int", "round", "sgn", "hv", "exp", "lg",
                         "ln", "time", "inol", "fact", "sinh", "cosh", "tanh", "rand",
                         "accum", "get", "set1", "set2", "set3", "set4", "set5", "set6"};
  for (const char* name : names) {
    CFunParser p;
    p.SetVariables(QString());
    EXPECT_EQ(CheckText(p, QString::fromUtf8(name) + QStringLiteral("(1)")), 7) << name;
    p.Parse();
    ASSERT_NE(p.Root(), nullptr) << name;
    EXPECT_EQ(p.Root()->m_strText, QString::fromUtf8(name));
    EXPECT_EQ(p.Root()->m_nClass, kFunClassFunction);
  }
  CFunParser p;
  p.SetVariables(QString());
  EXPECT_EQ(CheckText(p, QStringLiteral("log(1)")), 0);
  EXPECT_EQ(CheckText(p, QStringLiteral("set7(1)")), 0);
}

TEST_F(FunParserTest, ExpressionsEvaluateToTheirValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* text;
    double value;  // NaN: the evaluation fails
  } cases[] = {
      // priorities and associativity, x = 3
      {"-x^2", -9},         {"2^3^2", 64},       {"8/2/2", 2},        {"7%4", 3},
      {"2 3", 23},          {"(+3)", 3},         {"+3", 3},           {"( -3)", -3},
      {"x-1-1", 1},         {"1+2*3", 7},        {"(1+2)*3", 9},      {"2*x^2", 18},
      {"-x+5", 2},          {"-(x+5)", -8},      {"2^(-1)", 0.5},     {"10-2*3-1", 3},
      {"sin(0)+2*3", 6},    {"abs(0-x)^2", 9},   {"2^abs(x)", 8},     {"sqrt (16)", 4},
      {"1.5*2", 3},         {".5+.25", 0.75},    {"2*pi-pi", M_PI},   {"ln(e)", 1},
      {"-7%4", -3},         {"(x)*(x)", 9},      {"x/x/x", 1.0 / 3},  {"x^x-x*x*x", 0},
      // plus and multiply evaluate their right operand first, the others their left
      {"set1(2)+get(1)", 2},        {"get(1)+set1(2)", 4},        {"set1(2)*get(1)", 0},
      {"get(1)*set1(2)", 4},        {"set1(2)-get(1)", 0},        {"get(1)-set1(2)", -2},
      {"set1(2)/get(1)", 1},        {"set1(3)^get(1)", 27},       {"set1(7)%get(1)", 0},
      // functions
      {"sin(pi/2)", 1},         {"cos(0)", 1},            {"tan(pi/4)", 1},
      {"cot(pi/4)", 1},         {"sqrt(9)", 3},           {"cbrt(0-8)", -2},
      {"abs(0-2)", 2},          {"lg(1000)", 3},          {"ln(e^2)", 2},
      {"exp(0)", 1},            {"arcsin(1)", M_PI / 2},  {"arccos(1)", 0},
      {"arctan(1)", M_PI / 4},  {"sinh(0)", 0},           {"cosh(0)", 1},
      {"tanh(0)", 0},           {"int(-1.5)", -2},        {"int(1.9)", 1},
      {"round(-2.5)", -3},      {"round(2.5)", 3},        {"round(-2.4)", -2},
      {"sgn(-3)", -1},          {"sgn(0)", 0},            {"sgn(2)", 1},
      {"sgn(sqrt(-1))", 0},     {"hv(0)", 0.5},           {"hv(-1)", 0},
      {"hv(2)", 1},             {"hv(sqrt(-1))", 0.5},    {"inol(0)", 0.5},
      {"inol(1)", 0.5},         {"inol(0.5)", 1},         {"inol(2)", 0},
      {"inol(-1)", 0},          {"inol(sqrt(-1))", 0.5},  {"fact(3.9)", 6},
      {"fact(-2)", 1},          {"fact(0)", 1},           {"fact(5)", 120},
      {"fact(0.5)", 1},         {"fact(200)", nan},       {"fact(10^12)", nan},
      {"fact(10^400)", nan},    {"fact(-10^400)", 1},     {"fact(sqrt(-1))", nan},
      {"lg(0)", nan},           {"arcsin(2)", nan},       {"cot(0)", nan},
      {"fact(170)", 7.257415615307994e306},
  };
  for (const Case& c : cases) {
    ResetProcessState();
    Compiled e(QString::fromUtf8(c.text));
    ASSERT_EQ(e.p.State(), kFunParsed) << c.text;
    double v = 0;
    const bool ok = e.p.Evaluate(v);
    EXPECT_EQ(ok, !std::isnan(c.value)) << c.text;
    if (ok) { EXPECT_NEAR(v, c.value, std::fabs(c.value) * 1e-13 + 1e-12) << c.text; }
  }
}

TEST_F(FunParserTest, EvaluateFailsOnNonFiniteValuesAndUnparsedStates) {
  for (const char* text : {"1/0", "sqrt(-1)", "ln(0)", "0/0", "fact(200)", "10^400"}) {
    Compiled e(QString::fromUtf8(text));
    double v = 0;
    EXPECT_FALSE(e.p.Evaluate(v)) << text;
    EXPECT_FALSE(std::isfinite(v)) << text;  // the value is kept
  }
  CFunParser p;
  double v = 7;
  EXPECT_FALSE(p.Evaluate(v));
  EXPECT_EQ(v, 0.0);
  p.SetVariables(QStringLiteral("x"));
  p.SetText(QStringLiteral("x+1"));
  v = 7;
  EXPECT_FALSE(p.Evaluate(v));
  EXPECT_EQ(v, 0.0);
  p.Check();
  v = 7;
  EXPECT_FALSE(p.Evaluate(v));  // checked, not parsed
  EXPECT_EQ(v, 0.0);
  p.Parse();
  EXPECT_TRUE(p.Evaluate(v));
  EXPECT_EQ(v, 1.0);
  // A failed check keeps the old tree but no longer evaluates.
  CheckText(p, QStringLiteral("x+"));
  EXPECT_NE(p.Root(), nullptr);
  v = 7;
  EXPECT_FALSE(p.Evaluate(v));
  EXPECT_EQ(v, 0.0);
}

TEST_F(FunParserTest, LargeNumbersAndLongDigitRuns) {
  EXPECT_EQ(Compiled(QStringLiteral("1e")).p.State(), kFunTextSet);
  Compiled big(QString(400, QChar(u'9')));
  double v = 0;
  EXPECT_FALSE(big.p.Evaluate(v));
  EXPECT_TRUE(std::isinf(v));
  Compiled tiny(QStringLiteral("0.") + QString(400, QChar(u'0')) + QStringLiteral("1+2"));
  EXPECT_EQ(tiny.Value(), 2.0);
  Compiled typed(QStringLiteral("007.50"));
  EXPECT_EQ(typed.Value(), 7.5);
  EXPECT_EQ(typed.p.Root()->m_strText, QStringLiteral("007.50"));
}

TEST_F(FunParserTest, SetVariablesFoldsSkipsAndNumbersFromTheCount) {
  CFunParser p;
  p.SetVariables(QStringLiteral("No1,No2,"));
  EXPECT_EQ(p.VariableCount(), 2);
  WORD index = 99;
  ASSERT_TRUE(p.LookupVariable(QStringLiteral("no1"), index));
  EXPECT_EQ(index, 0);
  ASSERT_TRUE(p.LookupVariable(QStringLiteral("no2"), index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(p.LookupVariable(QStringLiteral("No1"), index));

  // A second call keeps the old names and numbers new ones after them.
  p.SetVariables(QStringLiteral(" t , NO2 ,u"));
  EXPECT_EQ(p.VariableCount(), 4);
  ASSERT_TRUE(p.LookupVariable(QStringLiteral("t"), index));
  EXPECT_EQ(index, 2);
  ASSERT_TRUE(p.LookupVariable(QStringLiteral("u"), index));
  EXPECT_EQ(index, 3);
  ASSERT_TRUE(p.LookupVariable(QStringLiteral("no2"), index));
  EXPECT_EQ(index, 1);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(p.Values()[i], 0.0);
    EXPECT_EQ(p.DisplayClasses()[i], kFunClassVariable);
  }
  EXPECT_EQ(p.State(), kFunVariablesDeclared);

  p.Values()[0] = 10;
  p.Values()[1] = 20;
  p.Values()[2] = 1;
  p.Values()[3] = 2;
  CheckText(p, QStringLiteral("No1+2*no2+100*t+1000*U"));
  p.Parse();
  double v = 0;
  ASSERT_TRUE(p.Evaluate(v));
  EXPECT_EQ(v, 10 + 40 + 100 + 2000);

  CFunParser empty;
  empty.SetVariables(QStringLiteral(",, ,"));
  EXPECT_EQ(empty.VariableCount(), 0);
  EXPECT_EQ(empty.Values(), nullptr);
}

TEST_F(FunParserTest, VariableNodesTakeTheirTextAndClass) {
  CFunParser p;
  p.SetVariables(QStringLiteral("No1,t,abc,"));
  p.DisplayClasses()[0] = kFunClassNumber;
  p.DisplayClasses()[1] = kFunClassNumber;  // t keeps class 17
  p.DisplayClasses()[2] = kFunClassPower;
  for (const auto& [text, nodeText, cls] :
       {std::tuple{"No1", "No1", int(kFunClassNumber)}, {"t", "<e>t</e>", int(kFunClassVariable)},
        {"abc", "abc", int(kFunClassPower)}, {"pi", "\u03C0", int(kFunClassVariable)},
        {"e", "e", int(kFunClassVariable)}}) {
    CheckText(p, QString::fromUtf8(text));
    p.Parse();
    ASSERT_NE(p.Root(), nullptr) << text;
    EXPECT_EQ(p.Root()->m_strText, QString::fromUtf8(nodeText)) << text;
    EXPECT_EQ(p.Root()->m_nClass, cls) << text;
    EXPECT_EQ(p.Root()->m_nPriority, kFunPriorityOperand) << text;
  }
}

TEST_F(FunParserTest, InsertNodeBelowAStartNodeLeavesTheNodesAboveAlone) {
  CFunParser p;
  auto* sum = new plus;
  auto* product = new multiply;
  auto* difference = new minus;
  for (CFunNode* node : std::initializer_list<CFunNode*>{new constant(1), sum, new constant(2),
                                                         product, new constant(3)})
    p.InsertNode(nullptr, node);
  ASSERT_EQ(p.Root(), sum);  // 1 + (2 * 3)
  ASSERT_EQ(sum->m_pRight, product);
  p.InsertNode(sum, difference);  // priority 1 <= 2: takes the product as its left
  EXPECT_EQ(p.Root(), sum);
  EXPECT_EQ(sum->m_pRight, difference);
  EXPECT_EQ(difference->m_pLeft, product);
}

TEST_F(FunParserTest, RegistersAreSharedBetweenParsers) {
  Compiled set(QStringLiteral("set3(5)"));
  EXPECT_EQ(set.Value(), 5.0);
  Compiled get(QStringLiteral("get(3)"));
  EXPECT_EQ(get.Value(), 5.0);
  EXPECT_EQ(ExpressionRegisters[2], 5.0);
  ResetProcessState();
  EXPECT_EQ(get.Value(), 0.0);
}

TEST_F(FunParserTest, NestingDeeperThanTheLimitFailsTheCheck) {
  const int limit = CFunParser::kMaxBracketDepth;
  auto nested = [](int depth) {
    return QString(depth, QChar(u'(')) + QStringLiteral("1") + QString(depth, QChar(u')'));
  };
  Compiled ok(nested(limit));
  EXPECT_EQ(ok.Value(), 1.0);
  CFunParser p;
  p.SetVariables(QString());
  EXPECT_EQ(CheckText(p, nested(limit + 1)), 0);
  EXPECT_EQ(p.State(), kFunTextSet);
  EXPECT_EQ(CheckText(p, QString(100000, QChar(u'('))), 0);
  EXPECT_EQ(p.State(), kFunTextSet);
  EXPECT_EQ(CheckText(p, QStringLiteral("sin(").repeated(limit + 1)), 0);
  EXPECT_EQ(p.State(), kFunTextSet);
}

TEST_F(FunParserTest, TextsLongerThanTheLimitFailTheCheck) {
  const int limit = CFunParser::kMaxTextLength;
  // The longest accepted chain evaluates and renders without trouble.
  QString chain = QStringLiteral("1") + QStringLiteral("+1").repeated((limit - 1) / 2);
  ASSERT_LE(chain.size(), limit);
  Compiled ok(chain);
  EXPECT_EQ(ok.Value(), (limit - 1) / 2 + 1);
  EXPECT_FALSE(ok.p.GetVodText().isEmpty());

  CFunParser p;
  p.SetVariables(QString());
  EXPECT_EQ(CheckText(p, chain + QStringLiteral("+1")), 0);
  EXPECT_EQ(p.State(), kFunTextSet);
  EXPECT_EQ(p.CheckResult(), 0);
}

}  // namespace
