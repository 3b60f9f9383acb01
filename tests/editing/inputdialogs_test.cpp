// The construction input dialogs as data: the many-points validator, the
// number tokens, the presets, the controls of the coordinates dialog, the
// refused numbers, the intersection prompt and the parameter's exclusive boxes.
#include <gtest/gtest.h>

#include <QString>

#include "editing/dialogs/coordinatesdialog.h"
#include "editing/dialogs/inputdialogs.h"
#include "platform/clipboard.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {
const QString kValid = QString::fromUtf8("数据输入正确！可继续输入或按\"确定\"按钮。");
const QString kInvalid = QString::fromUtf8("数据不全或格式有误，请继续输入或修改！");

TEST(CoordinatesDialog, ValidatesManyPointsTextsInOnePass) {
  struct Row {
    const char* text;
    bool accepted;
  };
  const Row rows[] = {
      {"1,2,3", true},
      {"1,2,3\r\n", true},
      {"-1,+2,3", true},
      {"1\t2\t3\r\n4;5;6", true},
      {"1-2,.5,3.\r\n", true},  // a sign inside a run: one number
      {"1, 2, 3", false},
      {"1,2,3\n", false},
      {"1..2,3,4", false},
      {"1,,2,3", false},
      {"1,2", false},
      {"", false},
      {"1+-2,3,4", false},  // two signs in one run
      {",1,2,3", false},
      {"1,2,3,4", false},
      {"1,2,3\r\r\n", false},
      {"1,2,3\r\n4,5,", false},
      // 40 digits: no float holds it, so the point would be infinite.
      {"1000000000000000000000000000000000000000,2,3", false},
      {"0.0000000000000000000000000000000000000000001,2,3", true},
  };
  SeamRecorders seams;
  for (const Row& row : rows) {
    CDlgCoordinates data;
    CCoordinatesForm form(data);
    form.ChooseManyPoints();
    form.PointsChanged(QString::fromUtf8(row.text));
    EXPECT_EQ(form.Controls().ok, row.accepted) << row.text;
    EXPECT_EQ(form.Controls().status, row.accepted ? kValid : kInvalid) << row.text;
  }
}

TEST(CoordinatesDialog, SplitsTokensAndPresetsAndDrivesItsControls) {
  SeamRecorders seams;
  CDlgCoordinates data;
  data.m_strPoints = QStringLiteral("1,2,3;4,5,6;7");
  data.SplitNumbers();
  EXPECT_EQ(data.m_numbers.size(), 7);
  data.m_strPoints = QStringLiteral("x1-2 y-.5e");
  data.SplitNumbers();
  EXPECT_EQ(data.m_numbers, QStringList({"1-2", "-.5"}));
  EXPECT_EQ(std::make_pair(CDlgCoordinates::TokenValue("1-2"), CDlgCoordinates::TokenValue("-.5")),
            std::make_pair(1.0f, -0.5f));

  const QStringList names = CCoordinatesForm::PresetNames();
  EXPECT_EQ(names.join('|'), QString::fromUtf8("正四面体顶点|正方体顶点|正三边形顶点|正方形顶点|方块顶点|"
                                               "矩形(2*1)顶点|矩形(3*1)顶点|菱形顶点1|菱形顶点2|正六边形顶点"));
  EXPECT_EQ(CCoordinatesForm::PresetText(1),
            "-6\t-6\t-6\r\n6\t-6\t-6\r\n6\t6\t-6\r\n-6\t6\t-6\r\n-6\t-6\t6\r\n6\t-6\t6\r\n6\t6\t6\r\n-6\t6\t6\r\n");
  for (int i = 0; i < names.size(); ++i)
    EXPECT_TRUE(CDlgCoordinates::ValidatePoints(CCoordinatesForm::PresetText(i))) << i;

  // The enabled controls and the status after each step.
  data.m_nMode = CDlgCoordinates::kManyPoints;
  CCoordinatesForm form(data);
  const auto shown = [&form] {
    const CCoordinatesControls& c = form.Controls();
    QString on;
    for (bool b : {c.axisLists, c.pointsEdit, c.presets, c.clear, c.tab, c.paste, c.ok}) on += b ? '1' : '0';
    return on + ' ' + c.status;
  };
  EXPECT_EQ(shown(), "1000001 ") << "opens with a single point";
  form.ChooseAxisEntry(1, 2);
  EXPECT_EQ(std::make_pair(data.m_bFromList[1], data.m_nListIndex[1]), std::make_pair(BYTE(1), 2));
  form.EditAxisText(1, "4");
  EXPECT_EQ(data.m_bFromList[1], 0);
  Clipboard().SetText("1,2,3");
  form.ChooseManyPoints();
  EXPECT_EQ(shown(), "0111110 ") << "the status emptied";
  QString pasted;
  ASSERT_TRUE(form.Paste(pasted));
  form.PointsChanged(pasted);
  EXPECT_EQ(shown(), "0111111 " + kValid);
  form.Clear();
  EXPECT_EQ(shown(), QString::fromUtf8("0111110 请输入点的坐标！"));
  EXPECT_EQ(data.m_strPoints, QString());
  Clipboard().SetText(QString());
  EXPECT_FALSE(form.Paste(pasted));
  EXPECT_EQ(seams.notifier->Texts(), std::vector<QString>{QString::fromUtf8("剪贴板上没有符合要求的数据！")});
  EXPECT_FALSE(form.Controls().paste);
  form.ChooseManyPoints();
  EXPECT_EQ(shown(), "0111100 ") << "no text on the clipboard";
  form.ChooseSinglePoint();
  EXPECT_EQ(std::make_pair(shown(), data.m_nMode), std::make_pair(QString("1000001 "), 0));
}

TEST(InputDialogs, RefuseNonNumbersAndOutOfRangeValuesKeepingTheMember) {
  const QString notANumber = QString::fromUtf8("请输入一个数字。");
  const auto range = [](int lo, int hi) {
    return QString::fromUtf8("请输入一个介于 %1 和 %2 之间的整数。").arg(lo).arg(hi);
  };
  struct Row {
    const char* text;
    int lo, hi;  // hi < lo: a float edit
    QString refused;
    float stored;
  };
  const Row rows[] = {
      {" 2.5 ", 0, -1, {}, 2.5f},       {"+1e3", 0, -1, {}, 1000},        {"abc", 0, -1, notANumber, 7},
      {"", 0, -1, notANumber, 7},       {"1e39", 0, -1, notANumber, 7},   {"2", 2, 256, {}, 2},
      {"256", 2, 256, {}, 256},         {"1", 2, 256, range(2, 256), 7},  {"257", 2, 256, range(2, 256), 7},
      {"0", 0, 32, {}, 0},              {"-1", 0, 32, range(0, 32), 7},   {"33", 0, 32, range(0, 32), 7},
  };
  for (const Row& row : rows) {
    float number = 7;
    int integer = 7;
    const QString refused = row.hi < row.lo ? ExchangeNumber(row.text, number)
                                            : ExchangeInteger(row.text, row.lo, row.hi, integer);
    EXPECT_EQ(refused, row.refused) << row.text;
    EXPECT_EQ(row.hi < row.lo ? number : float(integer), row.stored) << row.text;
  }
}

TEST(InputDialogs, ConstructionValuesPromptAndExclusiveParameterBoxes) {
  CDlgIntersectionNum count;
  count.m_nCount = 31;
  EXPECT_EQ(count.Prompt(), QString::fromUtf8("当前状态有31 个交点，请输入你要添加的个数：\n\r"
                                              "（多余的交点在条件适合时才会显示；按“取消”不添加）"));
  count.m_nCount = 32;
  EXPECT_EQ(count.Prompt(), QString::fromUtf8("当前状态至少有32 个交点，请输入你要添加的个数：\n\r"
                                              "（不超过32个；按“取消”不添加）"));
  CDlgParameter p;  // the name, value and range as opened are the widgets' rows
  EXPECT_EQ(std::make_tuple(p.m_bHideName, p.m_bShowSlider, p.m_bInteger, p.m_bAngle), std::make_tuple(0, 1, 0, 0));
  p.SetAngle(1);
  p.SetInteger(1);
  EXPECT_EQ(std::make_pair(p.m_bInteger, p.m_bAngle), std::make_pair(1, 0));
  p.SetAngle(1);
  EXPECT_EQ(std::make_pair(p.m_bInteger, p.m_bAngle), std::make_pair(0, 1));
}
}  // namespace
