// The widgets of the opacity, weight and point-label dialogs: what they
// open with, what they read back, and the weight's refusals that keep the
// dialog open with one message each.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <QMenu>
#include <QToolButton>

#include "editing/dialogs/display/displaydialogs.h"
#include "frametestsupport.h"
#include "platform/notifier.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {

QPushButton* Button(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  return dialog.findChild<QDialogButtonBox*>()->button(which);
}

TEST(DisplayDialogWidgets, TheWeightRefusesWhatIsOutOfRange) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgWeight data;
  data.m_fWeight = 7.0f;
  QString caption, shown;
  int stayed = 0;
  const char* refused[] = {"0", "20.1", "abc", "", "inf", "1e39"};
  WhenShown([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    QLineEdit* field = dialog.findChild<QLineEdit*>("field0");
    shown = field->text();
    for (const char* text : refused) {
      field->setText(QString::fromUtf8(text));
      Button(dialog, QDialogButtonBox::Ok)->click();
      stayed += dialog.isVisible() ? 1 : 0;
    }
    field->setText("8");
    Button(dialog, QDialogButtonBox::Ok)->click();
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(caption, QString::fromUtf8("线宽、点大小、值精度"));
  EXPECT_EQ(shown, "7");
  EXPECT_EQ(stayed, 6);
  EXPECT_EQ(seams.notifier->Texts().size(), 6u);
  const QString message = RangeMessage(CDlgWeight::kLow, CDlgWeight::kHigh, false);
  for (const QString& text : seams.notifier->Texts()) EXPECT_EQ(text, message);
  EXPECT_EQ(data.m_fWeight, 8.0f);
}

TEST(DisplayDialogWidgets, TheOpacitySliderRewritesItsText) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgAlpha data;
  data.m_nOpacity = 50;
  data.m_strText = OpacityText(50);
  QString caption, before, after;
  WhenShown([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    auto* text = dialog.findChild<QLineEdit*>("opacityText");
    before = text->text();
    dialog.findChild<QSlider*>("opacity")->setValue(37);
    after = text->text();
    dialog.accept();
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(caption, QString::fromUtf8("alpha-透明度设置"));
  EXPECT_EQ(before, QString::fromUtf8("不透明度：50%"));
  EXPECT_EQ(after, QString::fromUtf8("不透明度：37%"));
  EXPECT_EQ(data.m_nOpacity, 37);
}

TEST(DisplayDialogWidgets, ThePointLabelOpensOnAAndABlankSuffix) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgLabel data;
  QString caption, letter, suffix;
  bool ticked = false;
  int letters = 0, suffixes = 0;
  WhenShown([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    auto* letterList = dialog.findChild<QComboBox*>("letter");
    auto* suffixList = dialog.findChild<QComboBox*>("suffix");
    letter = letterList->currentText();
    suffix = suffixList->currentText();
    letters = letterList->count();
    suffixes = suffixList->count();
    ticked = ByText<QCheckBox>(dialog, "显示所有被选中点的标签")->isChecked();
    suffixList->setCurrentIndex(suffixList->findText("1"));
    dialog.accept();
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(caption, QString::fromUtf8("点的标签"));
  EXPECT_EQ(letter, "A");
  EXPECT_EQ(suffix, " ");
  EXPECT_TRUE(ticked);
  EXPECT_EQ(letters, 26);
  EXPECT_EQ(suffixes, 12);
  EXPECT_EQ(data.m_strSuffix, "1");
  EXPECT_EQ(data.m_strLetter, "A");
}

using PaletteButton = FrameTest;

TEST_F(PaletteButton, TheRibbonsSwatchesColourTheSelection) {
  CGVertex* point = AddPoint("A");
  point->m_rgbaColor = RGBA{1, 2, 3, 255};
  Page()->SelectCell(point->m_nId);
  doc.SetModifiedFlag(false);
  auto* button = frame->findChild<QToolButton*>(QStringLiteral("palette"));
  ASSERT_NE(button, nullptr);
  ASSERT_EQ(button->menu()->actions().size(), 16);
  button->menu()->actions()[0]->trigger();  // red
  EXPECT_EQ(point->m_rgbaColor, (RGBA{255, 0, 0, 255}));
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(Page()->m_selAll.empty());
}

}  // namespace
