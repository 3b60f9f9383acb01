// The expression nodes: mark-up, function values, registers, clock and
// random numbers.
#include "math/funnodes.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <cmath>
#include <memory>

#include "math/funparser.h"
#include "math/registers.h"
#include "platform/clock.h"
#include "platform/crtrandom.h"
#include "platform/processstate.h"

namespace KAVREL_FILE_LOCAL {

class FunNodesTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }
  void TearDown() override { ResetProcessState(); }

  // Parses a text over t, u and v; false when it does not reach state 5.
  bool Compile(const char* text) {
    p.SetVariables(QStringLiteral("t,u,v,"));
    p.SetText(QString::fromUtf8(text));
    p.Check();
    p.Parse();
    return p.State() == kFunParsed;
  }
  // The mark-up of the root, without the parser's outer box.
  QString Markup() { return p.Root()->GetVodText(); }

  CFunParser p;
};

TEST_F(FunNodesTest, Markup) {
  struct Case { const char* text; const char* markup; } cases[] = {
      // products choose their sign from the operands
      {"2*t", "<e>2</e><e>t</e>"}, {"t*2", "<e>t</e><e>\u00D7</e><e>2</e>"},
      {"sin(t)*t", "<e>sin</e><b><#><l><e>t</e></l></#></b><e>\u00B7</e><e>t</e>"},
      {"sin(t)*(u+1)",
       "<e>sin</e><b><#><l><e>t</e></l></#></b><e>\u00B7</e><b><#><l><e>u</e><e>+</e><e>1</e>"
       "</l></#></b>"},
      {"sin(t)*2", "<e>sin</e><b><#><l><e>t</e></l></#></b><e>\u00D7</e><e>2</e>"},
      {"2*pi", "<e>2</e><e>\u03C0</e>"},
      {"t*(u/v)", "<e>t</e><e>\u00D7</e><f><#><l><e>u</e></l></#><#><l><e>v</e></l></#></f>"},
      {"t*u^2", "<e>t</e><e>\u00D7</e><^><#><l><e>u</e></l></#><#><l><e>2</e></l></#></^>"},
      {"2*(t+1)", "<e>2</e><b><#><l><e>t</e><e>+</e><e>1</e></l></#></b>"},
      {"(t+1)*u", "<b><#><l><e>t</e><e>+</e><e>1</e></l></#></b><e>u</e>"},
      {"t*(-u)", "<e>t</e><b><#><l><e>-</e><e>u</e></l></#></b>"},
      {"t*(u*v)", "<e>t</e><b><#><l><e>u</e><e>v</e></l></#></b>"},
      {"t*u*v", "<e>t</e><e>u</e><e>v</e>"},
      // sums and differences
      {"u-(v-t)", "<e>u</e><e>\u2212</e><b><#><l><e>v</e><e>\u2212</e><e>t</e></l></#></b>"},
      {"(u-v)-t", "<e>u</e><e>\u2212</e><e>v</e><e>\u2212</e><e>t</e>"},
      {"t+u*v", "<e>t</e><e>+</e><e>u</e><e>v</e>"},
      {"t-(-u)", "<e>t</e><e>\u2212</e><b><#><l><e>-</e><e>u</e></l></#></b>"},
      {"7%t", "<e>7</e><e>%</e><e>t</e>"},
      {"t%(u*v)", "<e>t</e><e>%</e><b><#><l><e>u</e><e>v</e></l></#></b>"},
      {"(t+u)%v", "<b><#><l><e>t</e><e>+</e><e>u</e></l></#></b><e>%</e><e>v</e>"},
      // unary minus
      {"-(u+v)", "<e>-</e><b><#><l><e>u</e><e>+</e><e>v</e></l></#></b>"},
      {"-(u/v)", "<e>-</e><f><#><l><e>u</e></l></#><#><l><e>v</e></l></#></f>"},
      {"-(-t)", "<e>-</e><b><#><l><e>-</e><e>t</e></l></#></b>"},
      {"-(t*u)", "<e>-</e><b><#><l><e>t</e><e>u</e></l></#></b>"},
      {"-t^2", "<e>-</e><^><#><l><e>t</e></l></#><#><l><e>2</e></l></#></^>"},
      {"-sin(t)", "<e>-</e><e>sin</e><b><#><l><e>t</e></l></#></b>"},
      // powers
      {"(t+1)^2", "<^><b><#><l><e>t</e><e>+</e><e>1</e></l></#></b><#><l><e>2</e></l></#></^>"},
      {"(-t)^2", "<^><b><#><l><e>-</e><e>t</e></l></#></b><#><l><e>2</e></l></#></^>"},
      {"2^3^2",
       "<^><b><#><l><^><#><l><e>2</e></l></#><#><l><e>3</e></l></#></^></l></#></b>"
       "<#><l><e>2</e></l></#></^>"},
      {"t^(u+1)", "<^><#><l><e>t</e></l></#><#><l><e>u</e><e>+</e><e>1</e></l></#></^>"},
      {"e^t", "<^><#><l><e>e</e></l></#><#><l><e>t</e></l></#></^>"},
      // functions bracket their argument unless it is a fraction
      {"sin(t/2)", "<e>sin</e><f><#><l><e>t</e></l></#><#><l><e>2</e></l></#></f>"},
      {"abs(t)", "<e>abs</e><b><#><l><e>t</e></l></#></b>"},
      {"set2(3)", "<e>set2</e><b><#><l><e>3</e></l></#></b>"},
      {"sqrt(t+1)", "<r><#><l><e>t</e><e>+</e><e>1</e></l></#></r>"},
      {"cbrt(t)", "<r><#><l><e>t</e></l></#><#><l><e>3</e></l></#></r>"},
      {"t/u/v",
       "<f><#><l><f><#><l><e>t</e></l></#><#><l><e>u</e></l></#></f></l></#><#><l><e>v</e></l>"
       "</#></f>"},
      {"1.50", "<e>1.50</e>"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Compile(c.text)) << c.text;
    EXPECT_EQ(Markup(), QString::fromUtf8(c.markup)) << c.text;
  }
}

TEST_F(FunNodesTest, ParserMarkupBoxesTheTree) {
  ASSERT_TRUE(Compile("t^2"));
  EXPECT_EQ(p.GetVodText(), QStringLiteral("<#><l><^><#><l><e>t</e></l></#><#><l><e>2</e></l>"
                                           "</#></^></l></#>"));
  CFunParser empty;
  EXPECT_EQ(empty.GetVodText(), QStringLiteral("<#><l></l></#>"));
}

TEST_F(FunNodesTest, MultiplyStoresTheSignItChose) {
  ASSERT_TRUE(Compile("t*2"));
  EXPECT_EQ(p.Root()->m_strText, QStringLiteral(u"\u00B7"));  // until rendered
  Markup();
  EXPECT_EQ(p.Root()->m_strText, QStringLiteral(u"\u00D7"));
  ASSERT_TRUE(Compile("2*t"));
  Markup();
  EXPECT_EQ(p.Root()->m_strText, QString());
}

TEST_F(FunNodesTest, ValueVariablesRenderAsTheirNames) {
  p.SetVariables(QStringLiteral("No1,No2,"));
  p.SetText(QStringLiteral("no1*2+No2"));
  p.Check();
  p.Parse();
  EXPECT_EQ(p.GetVodText(), QStringLiteral("<#><l>No1<e>\u00D7</e><e>2</e><e>+</e>No2</l></#>"));
}

TEST_F(FunNodesTest, NodesWithMissingOperandsNeitherCrashNorInventText) {
  EXPECT_EQ(divide().GetVodText(), QStringLiteral("<f><#><l></l></#><#><l></l></#></f>"));
  EXPECT_EQ(power().GetVodText(), QStringLiteral("<^><#><l></l></#><#><l></l></#></^>"));
  EXPECT_EQ(opposite().GetVodText(), QStringLiteral("<e>-</e>"));
  EXPECT_EQ(CFunNode().GetVodText(), QStringLiteral("<e>?</e>"));
  EXPECT_EQ(plus().Evaluate(), 0.0);
  EXPECT_EQ(std::unique_ptr<CFunNode>(CreateFunctionNode(u"cos"))->Evaluate(), 1.0);
  EXPECT_EQ(CreateFunctionNode(u"log"), nullptr);
}

TEST_F(FunNodesTest, Registers) {
  struct Step { const char* text; double value; } steps[] = {
      {"accum(7)", 1},       {"accum(7)", 2},       {"get(6)", 2},       {"get(0)", 2},
      {"accum(2.9)", 1},     {"get(2)", 1},         {"accum(-1)", 3},    {"accum(10^400)", 4},
      {"accum(-10^400)", 5}, {"accum(sqrt(-1))", 6}, {"get(sqrt(-1))", 6}, {"get(10^12)", 6},
      {"set1(1.5)", 1.5},    {"set2(2)", 2},        {"set3(3)", 3},      {"set4(4)", 4},
      {"set5(5)", 5},        {"set6(-2)", -2},      {"get(1)+get(7)", -0.5},
      {"get(2)+get(3)+get(4)+get(5)", 14},
  };
  for (const Step& s : steps) {
    ASSERT_TRUE(Compile(s.text)) << s.text;
    double v = 0;
    EXPECT_TRUE(p.Evaluate(v)) << s.text;
    EXPECT_EQ(v, s.value) << s.text;
  }
  EXPECT_EQ(ExpressionRegisters[0], 1.5);
  EXPECT_EQ(ExpressionRegisters[4], 5.0);
  EXPECT_EQ(ExpressionRegister(6), -2.0);
  EXPECT_EQ(&ExpressionRegister(0), &ExpressionRegisters[5]);
  ResetProcessState();
  for (double r : ExpressionRegisters) EXPECT_EQ(r, 0.0);
}

class FixedLocalClock : public IClock {
 public:
  std::int64_t UnixTime() const override { return 0; }
  std::uint32_t TickCount() const override { return 0; }
  QDateTime LocalNow() const override { return QDateTime(date, QTime(14, 7, 9, 123)); }
  QDate date{2024, 3, 5};  // a Tuesday
};

TEST_F(FunNodesTest, TimeFields) {
  SetClock(std::make_unique<FixedLocalClock>());
  const double hhmmss = 14 + 7 / 100.0 + 9 / 10000.0 + 123 / 10000000.0;
  struct Case { const char* text; double value; } cases[] = {
      {"time(1)", 14},       {"time(1.9)", 14},     {"time(2)", 7},
      {"time(3)", 9},        {"time(4)", 123},      {"time(5)", 2024 + 3 / 100.0 + 5 / 10000.0},
      {"time(6)", 2024},     {"time(7)", 3},        {"time(8)", 5},
      {"time(9)", 2},        {"time(11)", 14 + 7 / 60.0 + 9 / 3600.0},
      {"time(12)", 7 + 9 / 60.0}, {"time(13)", 9.123}, {"time(10)", hhmmss},
      {"time(0)", hhmmss},   {"time(14)", hhmmss},  {"time(-1)", hhmmss},
      {"time(10^400)", hhmmss}, {"time(sqrt(-1))", hhmmss},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Compile(c.text)) << c.text;
    double v = 0;
    ASSERT_TRUE(p.Evaluate(v)) << c.text;
    EXPECT_NEAR(v, c.value, 1e-12) << c.text;
  }
  auto sunday = std::make_unique<FixedLocalClock>();
  sunday->date = QDate(2024, 3, 10);
  SetClock(std::move(sunday));
  ASSERT_TRUE(Compile("time(9)"));
  double weekday = -1;
  ASSERT_TRUE(p.Evaluate(weekday));
  EXPECT_EQ(weekday, 0) << "Sunday";
}

TEST_F(FunNodesTest, RandScalesTheNextGeneratorValue) {
  KvSrand(12345);
  const int first = KvRand();
  const int second = KvRand();
  KvSrand(12345);
  ASSERT_TRUE(Compile("rand(3)+rand(1)"));  // the right operand draws first
  double v = 0;
  ASSERT_TRUE(p.Evaluate(v));
  EXPECT_DOUBLE_EQ(v, 3 * (second / 32767.0) + first / 32767.0);
}

}  // namespace
