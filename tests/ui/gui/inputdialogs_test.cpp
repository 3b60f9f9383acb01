// The widgets of the construction input dialogs: each opens with its caption
// and the members the command preset; OK returns what was typed, a refused
// number keeps the dialog open with its message, Cancel returns nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "editing/dialogs/coordinatesdialog.h"
#include "editing/dialogs/inputdialogs.h"
#include "platform/notifier.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"

namespace {
void WhenShown(std::function<void(QDialog&)> act) {
  QTimer::singleShot(10, [act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return WhenShown(act);
    act(*dialog);
  });
}

QLineEdit* Field(QDialog& dialog, int k) { return dialog.findChild<QLineEdit*>(QStringLiteral("field%1").arg(k)); }
QAbstractButton* Button(QDialog& dialog, const QString& text) {
  for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
    if (b->text() == text) return b;
  return nullptr;
}
void ClickOk(QDialog& dialog) { dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }

// Sets the fields' texts in order (null: left as shown), then OK.
std::function<void(QDialog&)> Type(std::vector<const char*> texts, std::function<void(QDialog&)> more = {}) {
  return [texts, more](QDialog& dialog) {
    for (size_t k = 0; k < texts.size(); ++k)
      if (texts[k]) Field(dialog, int(k))->setText(QString::fromUtf8(texts[k]));
    if (more) more(dialog);
    ClickOk(dialog);
  };
}

TEST(InputDialogWidgets, EachShowsItsCaptionAndPresetsAndReturnsWhatWasTyped) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  struct Row {
    const char* caption;
    std::vector<QString> shown;  // the fields' texts as opened
    std::function<void(QDialog&)> answer;
    std::function<int()> ask;  // runs the dialog, then checks the members
  };
  CDlgVector vector;
  vector.m_x = vector.m_y = vector.m_z = 1;
  CDlgAngle angle;
  CDlgValue value;
  DlgDivPoint division;
  CDlgParameter parameter;
  CDlgIntersectionNum count;
  count.m_nCount = 5;
  QString prompt;
  const auto run = [](CDialogData& data) { return DialogProvider().DoModal(data); };
  const Row rows[] = {
      {"向量", {"1", "1", "1"}, Type({"2", nullptr, "-3.5"}),
       [&] {
         const int answer = run(vector);
         EXPECT_EQ(std::make_tuple(vector.m_x, vector.m_y, vector.m_z), std::make_tuple(2.0f, 1.0f, -3.5f));
         return answer;
       }},
      {"输入角度", {"0"}, Type({"90"}, [](QDialog& d) { Button(d, QString::fromUtf8("弧度"))->click(); }),
       [&] {
         const int answer = run(angle);
         EXPECT_EQ(std::make_pair(angle.m_fAngle, angle.m_nUnit), std::make_pair(90.0f, 1));
         return answer;
       }},
      {"输入值", {"0.5"}, Type({"0.25"}),
       [&] {
         const int answer = run(value);
         EXPECT_EQ(value.m_fValue, 0.25f);
         return answer;
       }},
      {"添加交点数", {"5"},
       Type({"2"}, [&](QDialog& d) { prompt = d.findChild<QLabel*>(QStringLiteral("prompt"))->text(); }),
       [&] {
         const int answer = run(count);
         EXPECT_EQ(count.m_nCount, 2);
         EXPECT_TRUE(prompt.startsWith(QString::fromUtf8("当前状态有5 个交点"))) << prompt.toStdString();
         return answer;
       }},
      {"N等分点", {"2"}, Type({"7"}, [](QDialog& d) { Button(d, QString::fromUtf8("仅添加首个等分点"))->click(); }),
       [&] {
         const int answer = run(division);
         EXPECT_EQ(std::make_pair(division.m_nN, division.m_bOnlyFirst), std::make_pair(7, 1));
         return answer;
       }},
      {"参数", {"", "1", "-10", "10"},
       Type({"t", "2", nullptr, "20"},
            [](QDialog& d) {
              Button(d, QString::fromUtf8("显示为角度"))->click();
              Button(d, QString::fromUtf8("整数值"))->click();  // clears the angle box
            }),
       [&] {
         const int answer = run(parameter);
         EXPECT_EQ(parameter.m_strName, "t");
         EXPECT_EQ(std::make_tuple(parameter.m_fValue, parameter.m_fEnd, parameter.m_bInteger, parameter.m_bAngle),
                   std::make_tuple(2.0f, 20.0f, 1, 0));
         return answer;
       }},
  };
  for (const Row& row : rows) {
    std::vector<QString> shown;
    QString caption;
    WhenShown([&](QDialog& dialog) {
      caption = dialog.windowTitle();
      for (int k = 0; Field(dialog, k); ++k) shown.push_back(Field(dialog, k)->text());
      row.answer(dialog);
    });
    EXPECT_EQ(row.ask(), IDOK) << row.caption;
    EXPECT_EQ(caption, QString::fromUtf8(row.caption));
    EXPECT_EQ(shown, row.shown) << row.caption;
  }

  // A refused N stays open with the one message; Cancel then leaves the members.
  division = DlgDivPoint();
  WhenShown([](QDialog& dialog) {
    Field(dialog, 0)->setText("257");
    ClickOk(dialog);
    EXPECT_TRUE(dialog.isVisible());
    Field(dialog, 0)->setText("9");
    dialog.reject();
  });
  EXPECT_EQ(run(division), IDCANCEL);
  EXPECT_EQ(division.m_nN, 2);
  EXPECT_EQ(seams.notifier->Texts(), std::vector<QString>{QString::fromUtf8("请输入一个介于 2 和 256 之间的整数。")});
}

TEST(InputDialogWidgets, CoordinatesDialogOffersTheNamesAndTheManyPointsEdit) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgCoordinates data;
  data.m_names = QStringList({"a", "b"});
  QString caption;
  QStringList axisItems;
  int presets = 0;
  bool editBefore = true, editAfter = false, okAfterCube = false, okAfterClear = true;
  WhenShown([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    auto* z = dialog.findChild<QComboBox*>(QStringLiteral("axis2"));
    for (int i = 0; i < z->count(); ++i) axisItems << z->itemText(i);
    z->setCurrentIndex(1);
    emit z->activated(1);
    auto* points = dialog.findChild<QPlainTextEdit*>(QStringLiteral("points"));
    editBefore = points->isEnabled();
    Button(dialog, QString::fromUtf8("创建多个点      常用点集："))->click();
    editAfter = points->isEnabled();
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("presets"));
    presets = list->count();
    list->setCurrentIndex(1);
    emit list->activated(1);
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    okAfterCube = ok->isEnabled();
    Button(dialog, QString::fromUtf8("清除数据"))->click();
    okAfterClear = ok->isEnabled();
    points->setPlainText("1,2,3\n4;5;6");
    ClickOk(dialog);
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(caption, QString::fromUtf8("绘制坐标点"));
  EXPECT_EQ(axisItems, QStringList({"a", "b"}));
  EXPECT_EQ(presets, 10);
  EXPECT_FALSE(editBefore);
  EXPECT_TRUE(editAfter);
  EXPECT_TRUE(okAfterCube);
  EXPECT_FALSE(okAfterClear);
  EXPECT_EQ(data.m_nMode, CDlgCoordinates::kManyPoints);
  EXPECT_EQ(data.m_bFromList[2], 1);
  EXPECT_EQ(data.m_nListIndex[2], 1);
  EXPECT_EQ(data.m_strAxis[2], "b");
  EXPECT_EQ(data.m_strPoints, "1,2,3\r\n4;5;6");
}
}  // namespace
