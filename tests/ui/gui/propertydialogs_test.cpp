// The widgets of the page, picture and component dialogs: what they open
// with, the unit length's edit and slider following each other, refused
// numbers keeping the dialog open with the one message, and what OK returns.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <cfloat>

#include "editing/dialogs/bodies/subadialog.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/properties/imagepropertydialog.h"
#include "editing/dialogs/properties/pagepropertydialog.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {
QLineEdit* Field(QDialog& dialog, int k) { return dialog.findChild<QLineEdit*>(QStringLiteral("field%1").arg(k)); }
void Ok(QDialog& dialog) { dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }
// Types each text into the field and presses OK: each must be refused.
void ExpectRefused(QDialog& dialog, int field, std::initializer_list<const char*> texts) {
  for (const char* text : texts) {
    Field(dialog, field)->setText(QString::fromUtf8(text));
    Ok(dialog);
    EXPECT_TRUE(dialog.isVisible()) << text;
  }
}

TEST(PropertyDialogWidgets, ThePageDialogKeepsItsUnitLengthBetween5And200) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgPageProperty data;
  data.m_strPageName = QStringLiteral("P");
  QStringList seen;  // caption, unit edit and slider as opened, after a drag, after 默认, after typing 40
  WhenShown([&seen](QDialog& dialog) {
    QLineEdit* unit = Field(dialog, 0);
    auto* slider = dialog.findChild<QSlider*>(QStringLiteral("unitSlider"));
    const auto both = [&] { seen << unit->text() + "/" + QString::number(slider->value()); };
    seen << dialog.windowTitle();
    both();
    ExpectRefused(dialog, 0, {"4", "201", "abc", "", "2.5"});
    slider->setValue(57);
    both();
    ByText<QPushButton>(dialog, "默认")->click();
    both();
    unit->setText(QStringLiteral("40"));
    emit unit->editingFinished();
    both();
    Ok(dialog);
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(seen, QStringList({QString::fromUtf8("页属性"), "20/20", "57/57", "20/20", "40/40"}));
  EXPECT_EQ(std::make_tuple(data.m_nUnitLength, data.m_nSliderPos, data.m_strPageName), std::make_tuple(40, 40, QString("P")));
  const QString range = RangeMessage(5, 200, true);
  EXPECT_EQ(seams.notifier->Texts(), std::vector<QString>(5, range));
}

TEST(PropertyDialogWidgets, ThePictureDialogShowsTheSizeAndTakesTwoFiniteScales) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgImagePropy data;
  data.m_fWidthScale = 2;
  data.m_strSize = QStringLiteral("图片 8*8");
  QStringList seen;
  WhenShown([&seen](QDialog& dialog) {
    seen << dialog.windowTitle() << dialog.findChild<QLabel*>(QStringLiteral("size"))->text()
         << Field(dialog, 0)->text() << Field(dialog, 1)->text();
    ExpectRefused(dialog, 1, {"inf", "nan", "1e39", "abc", ""});
    ByText<QPushButton>(dialog, "恢复原始比例（1, 1）")->click();
    seen << Field(dialog, 0)->text() << Field(dialog, 1)->text();
    Field(dialog, 1)->setText(QStringLiteral("-0.5"));
    Ok(dialog);
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(seen, QStringList({QString::fromUtf8("图片属性"), QString::fromUtf8("图片 8*8"), "2", "1", "1", "1"}));
  EXPECT_TRUE(data.m_fWidthScale == 1 && data.m_fHeightScale == -0.5f);
  float untouched = 0;
  EXPECT_EQ(seams.notifier->Texts(), std::vector<QString>(5, ExchangeNumber(QStringLiteral("x"), untouched)));
}

// The component keeps its centre, axis, scale and turn as floats, its
// planes as doubles: each field takes what its own type holds.
TEST(PropertyDialogWidgets, TheComponentDialogTakesWhatItsFieldsTypesHold) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CCreateSubaDlg data;
  data.m_bClip = data.m_bPlane1 = 1;
  const QStringList floatFields{"place00", "place12", "place21", "turn"};
  WhenShown([&](QDialog& dialog) {
    const auto edit = [&dialog](const QString& name) { return dialog.findChild<QLineEdit*>(name); };
    for (const QString& name : floatFields) {
      const QString before = edit(name)->text();
      for (const char* text : {"1e39", "-3.5e38"}) {
        edit(name)->setText(QString::fromUtf8(text));
        Ok(dialog);
        EXPECT_TRUE(dialog.isVisible()) << name.toStdString() << " " << text;
      }
      edit(name)->setText(before);
    }
    edit("place20")->setText("3e38");
    edit("plane1_3")->setText("1e39");
    Ok(dialog);
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(data.m_fScale[0], 3e38f);
  EXPECT_EQ(data.m_dPlane1[3], 1e39);
  EXPECT_EQ(seams.notifier->Texts(), std::vector<QString>(8, RangeMessage(-FLT_MAX, FLT_MAX, false)));
}

}  // namespace
