// The label dialog's widgets: shown as the cell filled it, read back on OK,
// untouched on Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

#include "platform/notifier.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"
#include "view/tools/labelproperties.h"

namespace {

// Once the dialog is up: looks at it, changes it and closes it.
void WhenShown(std::function<void(QDialog&)> act) {
  QTimer::singleShot(10, [act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return WhenShown(act);
    act(*dialog);
  });
}

QCheckBox* Check(QDialog& dialog, const char* text) {
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
    if (box->text() == QString::fromUtf8(text)) return box;
  return nullptr;
}

TEST(LabelDialogWidgets, ShowsTheMembersAndReadsThemBackOnOk) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgPropertyLabel data;
  data.m_strLabel = "A";
  data.m_crColor = 0x00112233;
  data.m_bShowLabel = 1;
  data.m_bAutoName = 1;
  data.m_bAutoScale = 0;
  QString shown;
  bool showChecked = false, scaleChecked = true;
  int characters = 0;
  WhenShown([&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("标签属性"));
    auto* edit = dialog.findChild<QLineEdit*>();
    shown = edit->text();
    showChecked = Check(dialog, "显示标签")->isChecked();
    scaleChecked = Check(dialog, "自动缩放（应用于选中的点线面圆）")->isChecked();
    auto* list = dialog.findChild<QComboBox*>();
    characters = list->count();
    emit list->textActivated(QStringLiteral("α"));
    Check(dialog, "自动命名")->setChecked(false);
    Check(dialog, "将颜色用于选中的对象")->setChecked(true);
    dialog.accept();
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(shown, QStringLiteral("A"));
  EXPECT_TRUE(showChecked);
  EXPECT_FALSE(scaleChecked);
  // A to Z, 0 to 3, two primes, 20 small letters, 12 Greek.
  EXPECT_EQ(characters, 26 + 4 + 2 + 20 + 12);
  EXPECT_EQ(data.m_strLabel, QStringLiteral("Aα"));
  EXPECT_EQ(data.m_crColor, COLORREF(0x00112233));
  EXPECT_EQ(data.m_bAutoName, 0);
  EXPECT_EQ(data.m_bColorChanged, 1);

  WhenShown([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>()->setText("B");
    dialog.reject();
  });
  EXPECT_EQ(DialogProvider().DoModal(data), IDCANCEL);
  EXPECT_EQ(data.m_strLabel, QStringLiteral("Aα"));
}

}  // namespace
