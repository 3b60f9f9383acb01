// The label dialog's widgets: shown as the cell filled it, opened on the
// name with all of it selected, characters from the list replacing the
// selection (kept while the list has the focus) or going in at the caret,
// read back on OK, untouched on Cancel.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "platform/notifier.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "support/settle.h"
#include "ui/dialogs/dialogwidgets.h"
#include "editing/dialogs/labels/labeldialogs.h"

namespace KAVREL_FILE_LOCAL {

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
  QStringList typed;  // the name after each choice from the list
  WhenShown([&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("标签属性"));
    auto* edit = dialog.findChild<QLineEdit*>();
    shown = edit->text();
    EXPECT_EQ(dialog.focusWidget(), edit);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("A"));
    showChecked = ByText<QCheckBox>(dialog, "显示标签")->isChecked();
    scaleChecked = ByText<QCheckBox>(dialog, "自动缩放（应用于选中的点线面圆）")->isChecked();
    auto* list = dialog.findChild<QComboBox*>();
    characters = list->count();
    // The dialog active, as a user meets it, so that the list really takes
    // the focus from the name (whatever window was active before).
    const auto choose = [&](const char* character) {
      ASSERT_TRUE(ActivateWindow(&dialog, list)) << character;
      EXPECT_FALSE(edit->hasSelectedText()) << "losing the focus clears the selection";
      emit list->textActivated(QString::fromUtf8(character));
      typed << edit->text();
      EXPECT_EQ(dialog.focusWidget(), edit) << character;
    };
    choose("α");  // replaces the whole name
    edit->setCursorPosition(0);
    choose("β");  // at the caret
    edit->setSelection(1, 1);
    choose("γ");  // replaces the selection the name had
    ByText<QCheckBox>(dialog, "自动命名")->setChecked(false);
    ByText<QCheckBox>(dialog, "将颜色用于选中的对象")->setChecked(true);
    dialog.accept();
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(shown, QStringLiteral("A"));
  EXPECT_TRUE(showChecked);
  EXPECT_FALSE(scaleChecked);
  // A to Z, 0 to 3, two primes, 20 small letters, 12 Greek.
  EXPECT_EQ(characters, 26 + 4 + 2 + 20 + 12);
  EXPECT_EQ(typed, QStringList({"α", "βα", "βγ"}));
  EXPECT_EQ(data.m_strLabel, QStringLiteral("βγ"));
  EXPECT_EQ(data.m_crColor, COLORREF(0x00112233));
  EXPECT_EQ(data.m_bAutoName, 0);
  EXPECT_EQ(data.m_bColorChanged, 1);

  WhenShown([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>()->setText("B");
    dialog.reject();
  });
  EXPECT_EQ(DialogProvider().DoModal(data), IDCANCEL);
  EXPECT_EQ(data.m_strLabel, QStringLiteral("βγ"));
}

}  // namespace
