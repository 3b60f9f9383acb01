// The new parameter: the parameter the dialog's answer makes as one undo
// step, what the dialog is offered, and the name counter across cancels
// and documents.
#include "cells/dynamic/parameters/userparameter.h"
#include "editing/dialogs/inputdialogs.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(ParameterCommand, TheAnswerIsTheParameterAnAngleInRadiansAnIntegerRounded) {
  const struct Row {
    const char* what;
    float value, start, end;
    BOOL integer, angle, hideName, slider;
    float made, minimum, maximum;  // the parameter's
    int kind;
    const char* valueText;
  } rows[] = {
      {"angle", 30, 0, 90, 0, 1, 0, 1, 30 * 0.017453292f, 0, 90 * 0.017453292f, 2, "30.00°"},
      {"integer", 2.6f, -10, 10, 1, 0, 0, 1, 3, -10, 10, 1, "3"},
      {"negative integer", -2.5f, -10, 10, 1, 0, 0, 1, -3, -10, 10, 1, "-3"},
      {"name hidden, no slider, start above end", 4, 5, -5, 0, 0, 1, 0, 4, 5, -5, 0, "4"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    CommandPage p;
    CDlgParameter answer;
    answer.m_strName = QStringLiteral("speed");
    answer.m_fValue = r.value, answer.m_fStart = r.start, answer.m_fEnd = r.end, answer.m_bInteger = r.integer;
    answer.m_bAngle = r.angle, answer.m_bHideName = r.hideName, answer.m_bShowSlider = r.slider;
    p.dialogs->Ok(answer);
    const auto* made = p.As<CGTmVarParameter>(
        p.ExpectConstruction(ID_MEASURE_PARAMETER, 1, QString::fromUtf8("添加新参数"))[0]);
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->m_strName == QStringLiteral("speed") && made->m_parents.empty());
    EXPECT_TRUE(made->m_fValue == r.made && made->Minimum() == r.minimum && made->Maximum() == r.maximum);
    EXPECT_EQ(made->m_nParamA, r.kind);
    if (r.integer) { EXPECT_EQ(made->Accumulator(), r.value) << "the unrounded value"; }
    EXPECT_TRUE(made->m_bLabelHidden == r.hideName && made->m_nSubKind == (r.slider ? 1 : 0));
    EXPECT_EQ(made->m_strValueText, QString::fromUtf8(r.valueText));
  }
}

TEST(ParameterCommand, TheOfferedNameCountsTheParametersMadeWhateverTheDocument) {
  CommandPage p;
  p.dialogs->Cancel<CDlgParameter>();
  p.ExpectNothingMade([&] { EXPECT_TRUE(p.Run(ID_MEASURE_PARAMETER)); });
  p.dialogs->Ok(CDlgParameter());
  EXPECT_TRUE(p.Run(ID_MEASURE_PARAMETER));
  p.doc.OnNewDocument();
  p.dialogs->Cancel<CDlgParameter>();
  EXPECT_TRUE(p.Run(ID_MEASURE_PARAMETER));

  const std::vector<CDlgParameter> offered = p.dialogs->Offered<CDlgParameter>();
  ASSERT_EQ(offered.size(), 3u);
  const CDlgParameter& first = offered[0];
  EXPECT_TRUE(first.m_fValue == 1.0f && first.m_bShowSlider && first.m_fStart == -10.0f && first.m_fEnd == 10.0f);
  EXPECT_TRUE(!first.m_bInteger && !first.m_bAngle && !first.m_bHideName);
  EXPECT_EQ(first.m_strName + offered[1].m_strName + offered[2].m_strName, QStringLiteral("t1t1t2"));
}

}  // namespace
