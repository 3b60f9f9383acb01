// The new calculation: what the calculator is offered from the selected
// values, the calculation its answer makes as one undo step, and when the
// command is enabled.
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/texts/cgtextmap.h"
#include "formula/calculator/calculatordata.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

const QString kLabel = QString::fromUtf8("添加一个表达式");

CDlgCalculator Answer(const QString& expression, int angle) {
  CDlgCalculator answer;
  answer.m_strExpression = expression;
  answer.m_strResultVod = QStringLiteral("<#><l>No1</l></#>");
  answer.m_bShowAsAngle = angle;
  return answer;
}

WORD Parameter(CommandPage& p, const QString& name, float value) {
  return p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, name, value));
}

TEST(CalculationCommand, TheSelectedValuesAreOfferedAndBecomeTheParentsInSelectionOrder) {
  CommandPage p;
  p.dialogs->Ok(Answer("1+2*3", 0));
  const auto* alone = p.As<CGTmVarCalculator>(p.ExpectConstruction(ID_MEASURE_FUN, 1, kLabel)[0]);
  ASSERT_NE(alone, nullptr);
  EXPECT_TRUE(alone->m_parents.empty() && alone->m_fValue == 7.0f && alone->m_nParamA == 0);
  EXPECT_EQ(alone->m_strFormula, QStringLiteral("1+2*3"));

  const WORD a = Parameter(p, "a", 2), unnamed = Parameter(p, "", 3);
  const WORD product = p.Enter(new CGTmVarCalculator(p.Page().m_nNextId++, {a}, "No1*2", ""));
  p.Select({product, unnamed, a});
  p.dialogs->Ok(Answer("No1+No2*No3", 1));
  const auto* calc = p.As<CGTmVarCalculator>(p.ExpectConstruction(ID_MEASURE_FUN, 1, kLabel)[0]);
  ASSERT_NE(calc, nullptr);
  EXPECT_EQ(calc->m_parents, (std::vector<WORD>{product, unnamed, a}));
  EXPECT_TRUE(calc->m_fValue == 10.0f && calc->m_nParamA == 2) << "shown as an angle";

  const std::vector<CDlgCalculator> offered = p.dialogs->Offered<CDlgCalculator>();
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(offered[0].m_strCaption, QString::fromUtf8("新建计算"));
  EXPECT_TRUE(offered[0].m_strExpression == "0" && offered[0].m_nMode == 0 && offered[0].ValueCount() == 0);
  const CDlgCalculator& d = offered[1];
  EXPECT_TRUE(d.IsValid());
  EXPECT_EQ(d.m_valueNames, (std::vector<QString>{"[a]*2", "     ", "a"}));
  EXPECT_EQ(d.m_valueVods, (std::vector<QString>{p.Find(product)->m_strVodName, "<e>     </e>", "<e>a</e>"}));
  EXPECT_EQ(d.m_values, (std::vector<double>{4, 3, 2}));
  EXPECT_EQ(d.m_displayClasses, (std::vector<int>{4, 17, 17})) << "a product's own class, else a variable's";

  p.dialogs->Cancel<CDlgCalculator>();
  p.ExpectNothingMade([&] { EXPECT_TRUE(p.Run(ID_MEASURE_FUN)); });
}

TEST(CalculationCommand, EnabledWhenEverySelectedValueIsAScalarValue) {
  for (int scalars : {0, 2}) {
    for (bool other : {false, true}) {
      CommandPage p;
      std::vector<WORD> selected;
      for (int k = 0; k < scalars; ++k) selected.push_back(Parameter(p, QStringLiteral("p%1").arg(k), k));
      p.Select(selected);
      // A vector is selected as a value but is no scalar value; a plain
      // caption stands in for it.
      if (other) {
        auto* caption = new CGTextmap;
        caption->m_nId = p.Page().m_nNextId++;
        p.Page().m_selValues.push_back(p.Enter(caption));
      }
      const std::string row = std::to_string(scalars) + (other ? " and another" : "");
      EXPECT_EQ(CommandRegistry().Query(ID_MEASURE_FUN).m_bEnabled, !other) << row;
      if (other) p.ExpectNothingMade([&] { EXPECT_FALSE(p.Run(ID_MEASURE_FUN)) << row; });
    }
  }
}

}  // namespace
