// The calculator's change handler without its window: the message, preview
// and result of the whole expression with the values in their slots after
// the free variables, and the keys that may follow the caret.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "formula/calculator/calculator.h"
#include "formula/calculator/calculatordata.h"
#include "math/funnodes.h"

namespace KAVREL_FILE_LOCAL {

// Values v1 = 1, v2 = 2, ... whose mark-up names are w1, w2, ...
CDlgCalculator Values(int count, int mode = 0, int displayClass = kFunClassVariable) {
  CDlgCalculator data;
  data.m_nMode = mode;
  for (int k = 1; k <= count; ++k)
    data.AddValue(QStringLiteral("v%1").arg(k), QStringLiteral("<e>w%1</e>").arg(k), k, displayClass);
  return data;
}

TEST(Calculator, MessagesPreviewsAndOkFollowTheWholeExpression) {
  const QString more = QString::fromUtf8("请继续输入……"), wrong = QString::fromUtf8("表达式错误，请修改！");
  CDlgCalculator odd;  // a name like a variable, an unnamed NaN, an infinity
  odd.AddValue("No2", "<e>No2</e>", 3, kFunClassVariable);
  odd.AddValue("", "<e>b</e>", std::numeric_limits<double>::quiet_NaN(), kFunClassVariable);
  odd.AddValue("c", "<e>c</e>", std::numeric_limits<double>::infinity(), kFunClassVariable);
  const QString deep = QString(100, u'(') + "1" + QString(100, u')');
  const struct Row {
    CDlgCalculator data;
    QString text, message;
    bool ok;
    QString preview;  // empty: not checked
  } rows[] = {
      {Values(0), "0", "0=0.0000", true, "<#><l><e>0</e><e>=0</e></l></#>"},
      {Values(0), "", more, false, {}},
      {Values(0), "*", wrong, false, {}},
      {Values(0), "(1+2", more, false, {}},
      {Values(0), "1+2)", wrong, false, {}},
      {Values(0), "1/0", "1/0=?", true, "<#><l><f><#><l><e>1</e></l></#><#><l><e>0</e></l></#></f></l></#>"},
      {Values(0), "2^0.5", "2^0.5=1.4142", true, {}},
      {Values(0), "0.00125*0.1", "0.00125*0.1=0.0001", true, {}},  // the tie rounds away from zero
      {Values(12), "No10+No1", "[v10]+[v1]=11.0000", true, "<#><l><e>w10</e><e>+</e><e>w1</e><e>=11</e></l></#>"},
      {Values(2), "No3", more, false, {}},
      {odd, "No1+1", "[No2]+1=4.0000", true, {}},
      {odd, "No2", "[]=?", true, "<#><l><e>b</e></l></#>"},
      {odd, "No3-1", "[c]-1=?", true, {}},
      {Values(0, 1), "t", "t=0.0000", true, {}},
      {Values(1, 1), "No1*5", "[v1]*5=5.0000", true, {}},
      {Values(2, 2, 2), "3*No2", "3*[v2]=6.0000", true, "<#><l><e>3</e><b><#><l><e>w2</e></l></#></b><e>=6</e></l></#>"},
      {Values(1, 2), "u+v+No1", "u+v+[v1]=1.0000", true, {}},
      {Values(0), QString(10001, u'1'), wrong, false, {}},
      {Values(0), "(" + deep + ")", wrong, false, {}},
      {Values(0), deep, deep + "=1.0000", true, {}},
      {Values(10000), "No10000-No9999", "[v10000]-[v9999]=1.0000", true, {}},
  };
  for (const Row& row : rows) {
    CCalculator calculator(row.data);
    const CCalculatorState state = calculator.Change(row.text, static_cast<int>(row.text.size()));
    EXPECT_EQ(state.m_strMessage, row.message) << row.text.left(20).toStdString();
    EXPECT_EQ(state.m_bParsed, row.ok) << row.text.left(20).toStdString();
    if (row.preview.isEmpty()) continue;
    CBinTree given;
    given.SetVod(row.preview);
    EXPECT_EQ(state.m_strPreviewVod, row.preview) << row.text.toStdString();
    EXPECT_EQ(calculator.Preview().GetText(0), given.GetText(0)) << row.text.toStdString() << ": shown";
  }
  // The result keeps the value variables; wrong text keeps the preview
  // and hands back nothing.
  CCalculator calculator(Values(12));
  calculator.Change("No10+No1", 8);
  EXPECT_EQ(calculator.ResultVod(), QStringLiteral("<#><l>No10<e>+</e>No1</l></#>"));
  const QString shown = calculator.Preview().GetText(0);
  calculator.Change("No10+", 5);
  EXPECT_EQ(calculator.Preview().GetText(0), shown);
  EXPECT_EQ(calculator.ResultVod(), kEmptyVod);
  EXPECT_EQ(calculator.Preview().m_lfDefault.lfHeight, 18);
}

TEST(Calculator, TheKeypadFitsTheTextBeforeTheCaret) {
  const struct Row {
    const char* text;
    int caret, wantClass;
    // Digits, ".", "┼─", "×÷mod^", ")", "(πetuv" and the lists, "←".
    const char* keys;
  } rows[] = {
      {"", 0, 1, "1110010"},   {"(", 1, 1, "1110011"},     {"(3", 2, 2, "1111101"},   {"(3)", 3, 7, "0011001"},
      {"(3)+4", 1, 1, "1110011"}, {"1.", 2, 3, "1000001"}, {"(1.5", 4, 4, "1011101"}, {"1+", 2, 6, "1100011"},
      {"si", 2, 5, "1011011"}, {"*", 1, 0, "0000001"},     {"1", 9, 2, "1111001"},
  };
  CCalculator calculator(Values(0));
  for (const Row& row : rows) {
    const CCalculatorState state = calculator.Change(row.text, row.caret);
    QString keys;
    for (int g = 0; g <= static_cast<int>(CalcKeyGroup::Back); ++g)
      keys += state.Enabled(static_cast<CalcKeyGroup>(g)) ? u'1' : u'0';
    EXPECT_EQ(state.m_nClass, row.wantClass) << row.text << " at " << row.caret;
    EXPECT_EQ(keys, QString::fromLatin1(row.keys)) << row.text << " at " << row.caret;
  }
}

TEST(Calculator, DataWithArraysOfOtherLengthsOrAnUnknownModeIsInvalid) {
  const std::function<void(CDlgCalculator&)> spoils[] = {
      [](CDlgCalculator& d) { d.m_valueNames.push_back("x"); }, [](CDlgCalculator& d) { d.m_valueVods.pop_back(); },
      [](CDlgCalculator& d) { d.m_values.push_back(1); },       [](CDlgCalculator& d) { d.m_displayClasses.pop_back(); },
      [](CDlgCalculator& d) { d.m_nMode = 3; },                 [](CDlgCalculator& d) { d.m_nMode = -1; },
  };
  EXPECT_TRUE(Values(2, 2).IsValid());
  for (std::size_t i = 0; i < std::size(spoils); ++i) {
    CDlgCalculator data = Values(2);
    spoils[i](data);
    EXPECT_FALSE(data.IsValid()) << "spoil " << i;
  }
}

}  // namespace
