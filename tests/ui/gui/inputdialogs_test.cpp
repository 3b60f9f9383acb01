// The widgets of the construction input dialogs: each opens with its caption
// and the members the command preset; OK returns what was typed, a refused
// number keeps the dialog open with its message, Cancel returns nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

#include "editing/dialogs/coordinatesdialog.h"
#include "editing/dialogs/inputdialogs.h"
#include "platform/notifier.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {
QLineEdit* Field(QDialog& dialog, int k) { return dialog.findChild<QLineEdit*>(QStringLiteral("field%1").arg(k)); }
void Click(QDialog& dialog, const char* text) {
  for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
    if (b->text() == QString::fromUtf8(text)) b->click();
}
QPushButton* Button(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  return dialog.findChild<QDialogButtonBox*>()->button(which);
}

TEST(InputDialogWidgets, EachShowsItsCaptionAndPresetsAndReturnsWhatWasTyped) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgVector vector;
  vector.m_x = vector.m_y = vector.m_z = 1;
  CDlgAngle angle;
  CDlgValue value;
  CDlgIntersectionNum count;
  count.m_nCount = 5;
  DlgDivPoint division;
  CDlgParameter parameter;
  CDlgNumber number;
  number.m_nCount = 7;
  struct Row {
    const char* caption;
    CDialogData* data;
    QStringList shown;                // the fields as opened
    std::vector<const char*> typed;   // null: left as shown
    std::vector<const char*> clicks;  // then these buttons
    std::function<bool()> took;
  } const rows[] = {
      {"向量", &vector, {"1", "1", "1"}, {"2", nullptr, "-3.5"}, {},
       [&] { return vector.m_x == 2 && vector.m_y == 1 && vector.m_z == -3.5f; }},
      {"输入角度", &angle, {"0"}, {"90"}, {"弧度"}, [&] { return angle.m_fAngle == 90 && angle.m_nUnit == 1; }},
      {"输入值", &value, {"0.5"}, {"0.25"}, {}, [&] { return value.m_fValue == 0.25f; }},
      {"添加交点数", &count, {"5"}, {"2"}, {}, [&] { return count.m_nCount == 2; }},
      {"N等分点", &division, {"2"}, {"7"}, {"仅添加首个等分点"},
       [&] { return division.m_nN == 7 && division.m_bOnlyFirst == 1; }},
      {"输入顶点数", &number, {"7"}, {"12"}, {}, [&] { return number.m_nCount == 12; }},
      // Each of the integer and angle boxes clears the other when ticked.
      {"参数", &parameter, {"", "1", "-10", "10"}, {"t", "2", nullptr, "20"}, {"显示为角度", "整数值", "显示为角度"}, [&] {
         const CDlgParameter& p = parameter;
         return p.m_strName == "t" && p.m_fValue == 2 && p.m_fEnd == 20 && p.m_bInteger == 0 && p.m_bAngle == 1;
       }},
  };
  for (const Row& row : rows) {
    QStringList shown;
    QString caption;
    WhenShown([&](QDialog& dialog) {
      caption = dialog.windowTitle();
      for (int k = 0; Field(dialog, k); ++k) shown << Field(dialog, k)->text();
      for (size_t k = 0; k < row.typed.size(); ++k)
        if (row.typed[k]) Field(dialog, int(k))->setText(row.typed[k]);
      for (const char* text : row.clicks) Click(dialog, text);
      Button(dialog, QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(DialogProvider().DoModal(*row.data), IDOK) << row.caption;
    EXPECT_EQ(caption, QString::fromUtf8(row.caption));
    EXPECT_EQ(shown, row.shown) << row.caption;
    EXPECT_TRUE(row.took()) << row.caption;
  }

  // A refused N stays open with the one message; Cancel then leaves the members.
  division = DlgDivPoint();
  WhenShown([](QDialog& dialog) {
    Field(dialog, 0)->setText("257");
    Button(dialog, QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(dialog.isVisible());
    Field(dialog, 0)->setText("9");
    Button(dialog, QDialogButtonBox::Cancel)->click();
  });
  EXPECT_EQ(DialogProvider().DoModal(division), IDCANCEL);
  EXPECT_EQ(division.m_nN, 2);
  EXPECT_EQ(seams.notifier->Texts(), std::vector<QString>{QString::fromUtf8("请输入一个介于 2 和 256 之间的整数。")});

  // The vertex count: 2 and 101 are refused by the dialog itself.
  WhenShown([](QDialog& dialog) {
    for (const char* refused : {"2", "101"}) {
      Field(dialog, 0)->setText(refused);
      Button(dialog, QDialogButtonBox::Ok)->click();
      EXPECT_TRUE(dialog.isVisible()) << refused;
    }
    Button(dialog, QDialogButtonBox::Cancel)->click();
  });
  EXPECT_EQ(DialogProvider().DoModal(number), IDCANCEL);
  EXPECT_EQ(number.m_nCount, 12);
  const QString range = QString::fromUtf8("请输入一个介于 3 和 100 之间的整数。");
  EXPECT_EQ(seams.notifier->Texts(), std::vector<QString>({QString::fromUtf8("请输入一个介于 2 和 256 之间的整数。"), range, range}));
}

TEST(InputDialogWidgets, CoordinatesDialogOffersTheNamesAndTheManyPointsEdit) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgCoordinates data;
  data.m_names = QStringList({"a", "b"});
  QStringList seen;  // caption, z's items, edit enabled before and after, presets, OK after the cube and a clear
  WhenShown([&seen](QDialog& dialog) {
    const auto yes = [](bool b) { return QString(b ? "on" : "off"); };
    seen << dialog.windowTitle();
    auto* z = dialog.findChild<QComboBox*>(QStringLiteral("axis2"));
    for (int i = 0; i < z->count(); ++i) seen << z->itemText(i);
    z->setCurrentIndex(1);
    emit z->activated(1);
    auto* points = dialog.findChild<QPlainTextEdit*>(QStringLiteral("points"));
    seen << yes(points->isEnabled());
    Click(dialog, "创建多个点      常用点集：");
    seen << yes(points->isEnabled());
    auto* presets = dialog.findChild<QComboBox*>(QStringLiteral("presets"));
    seen << QString::number(presets->count());
    emit presets->activated(1);
    seen << yes(Button(dialog, QDialogButtonBox::Ok)->isEnabled());
    Click(dialog, "清除数据");
    seen << yes(Button(dialog, QDialogButtonBox::Ok)->isEnabled());
    points->setPlainText("1,2,3\n4;5;6");
    Button(dialog, QDialogButtonBox::Ok)->click();
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(seen, QStringList({QString::fromUtf8("绘制坐标点"), "a", "b", "off", "on", "10", "on", "off"}));
  EXPECT_EQ(data.m_nMode, CDlgCoordinates::kManyPoints);
  EXPECT_EQ(std::make_tuple(data.m_bFromList[2], data.m_nListIndex[2], data.m_strAxis[2]), std::make_tuple(1, 1, QString("b")));
  EXPECT_EQ(data.m_strPoints, "1,2,3\r\n4;5;6");
}
}  // namespace
