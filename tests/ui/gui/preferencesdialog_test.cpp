// The preferences dialog's widgets: the members shown, a number out of
// range refused with the dialog left open, a preset, "apply now" with what
// the controls hold, and the members read back on OK.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/colors/colorpalettewnd.h"
#include "ui/colors/colorpicker.h"
#include "ui/dialogs/dialogwidgets.h"
#include "view/tools/preferences.h"

namespace KAVREL_FILE_LOCAL {
QString Utf8(const char* text) { return QString::fromUtf8(text); }

TEST(PreferencesDialogWidgets, ShowsRefusesAppliesNowAndReadsBackOnOk) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgPreferonces data;
  data.m_colors[CDlgPreferonces::kLine] = 0x00332211;
  data.m_strLabelSize = "12";
  data.m_fLineWidth = 1.5f;
  std::vector<CDlgPreferonces> appliedNow;
  data.m_applyNow = [&](CDlgPreferonces& values) { appliedNow.push_back(values); };
  QString caption, lineColour, sizeShown, widthShown;
  bool headLine = false;
  std::vector<QString> refused;
  WhenShown([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    for (QLabel* label : dialog.findChildren<QLabel*>())
      headLine |= label->text() == Utf8("注意： 这些设置是全局的，对新建的对象均有效");
    const QList<CColorPicker*> colours = dialog.findChildren<CColorPicker*>();
    lineColour = colours.size() == 10 ? colours[CDlgPreferonces::kLine]->Color().name() : QString();
    const QList<QComboBox*> sizes = dialog.findChildren<QComboBox*>();
    sizeShown = sizes.size() == 4 ? sizes[1]->currentText() + "|" + sizes[1]->itemText(0) : QString();
    QLineEdit* width = ByText<QLineEdit>(dialog, "1.5");
    if (!width) return dialog.reject();
    widthShown = width->text();
    width->setText("9");
    ByText<QPushButton>(dialog, "确       定")->click();
    refused = seams.notifier->Texts();
    width->setText("3");
    ByText<QCheckBox>(dialog, "禁用鼠标双击命令")->click();
    ByText<QPushButton>(dialog, "立即修改")->click();
    ByText<QPushButton>(dialog, "黑屏展示")->click();
    ByText<QPushButton>(dialog, "确       定")->click();
    if (dialog.isVisible()) dialog.reject();  // an OK that does not close fails, not hangs
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(caption + "|" + lineColour + "|" + sizeShown + "|" + widthShown, Utf8("首选项|#112233|12| 8|1.5"));
  EXPECT_TRUE(headLine);
  EXPECT_EQ(refused, std::vector<QString>{Utf8("请输入一个介于 0.5 和 5 之间的数。")});
  ASSERT_EQ(appliedNow.size(), 1u);
  EXPECT_EQ(std::tie(appliedNow[0].m_fLineWidth, appliedNow[0].m_bNoDoubleClick, appliedNow[0].m_colors[4]),
            std::make_tuple(3.0f, 1, COLORREF(0x00332211)));
  // The preset on top of what was typed.
  EXPECT_EQ(std::tie(data.m_fPointSize, data.m_colors[0], data.m_strLabelSize, data.m_bNoDoubleClick),
            std::make_tuple(4.5f, COLORREF(0), QStringLiteral("18"), 1));
}
}  // namespace
