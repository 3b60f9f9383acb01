// The widgets of the three view-button dialogs: captions and defaults, the
// pause shown only for a two-way or looping run (on opening and after each
// click), the start orientation read-only, and a non-number refused with
// the dialog kept open.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "editing/dialogs/buttons/viewbuttondialogs.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {
void Ok(QDialog& dialog) { dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }
QLineEdit* Field(QDialog& dialog, int k) { return dialog.findChild<QLineEdit*>(QStringLiteral("field%1").arg(k)); }

struct Shape {
  const char* caption;
  const char* label;
  int pauseField;  // the last field; the duration is the one before
  QStringList shown;  // fields 1 .. pauseField - 2 as opened
};

// Opens data's dialog, records what it shows, clicks through the four
// direction and play-count combinations, then types "x" (refused) and 7.5
// into the duration and confirms.
template <class Data>
void CheckDialog(Data& data, const Shape& shape) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  std::vector<bool> pauseShown;
  bool stayedOpen = false;
  WhenShown([&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(shape.caption));
    EXPECT_EQ(Field(dialog, 0)->text(), QString::fromUtf8(shape.label));
    QStringList shown;
    for (int k = 1; k < shape.pauseField - 1; ++k) shown << Field(dialog, k)->text();
    EXPECT_EQ(shown, shape.shown);
    EXPECT_EQ(Field(dialog, shape.pauseField - 1)->text(), QStringLiteral("5"));
    QLineEdit* pause = Field(dialog, shape.pauseField);
    pauseShown.push_back(pause->isVisibleTo(&dialog));
    for (const char* direction : {kTextOneWay, kTextTwoWay})
      for (const char* count : {kTextOnce, kTextLoop}) {
        ByText<QRadioButton>(dialog, direction)->click();
        ByText<QRadioButton>(dialog, count)->click();
        pauseShown.push_back(pause->isVisibleTo(&dialog));
      }
    Field(dialog, shape.pauseField - 1)->setText(QStringLiteral("x"));
    Ok(dialog);
    stayedOpen = dialog.isVisible();
    Field(dialog, shape.pauseField - 1)->setText(QStringLiteral("7.5"));
    Ok(dialog);
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(seams.notifier->Texts().size(), 1u) << "the non-number is refused once";
  EXPECT_EQ(pauseShown, (std::vector<bool>{false, false, true, true, true}));
  EXPECT_EQ(std::make_tuple(data.m_nDirection, data.m_nPlayCount, data.m_fDuration), std::make_tuple(1, 1, 7.5f));
}

TEST(ViewButtonDialogs, RotateShowsItsDefaultsAndTheStartReadOnly) {
  CDlgViewRotate data;
  data.m_pairs[0] = {0.5f, 90};
  CheckDialog(data, {"视旋转按钮", "视旋转", 10, {"0.5", "0", "0", "0", "90", "0", "0", "0"}});
  EXPECT_EQ(data.m_pairs[0].start, 0.5f);
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  bool readOnly[4]{};
  WhenShown([&](QDialog& dialog) {
    for (int k = 0; k < 4; ++k) readOnly[k] = Field(dialog, k + 1)->isReadOnly();
    EXPECT_FALSE(Field(dialog, 5)->isReadOnly());
    dialog.reject();
  });
  EXPECT_EQ(DialogProvider().DoModal(data), IDCANCEL);
  EXPECT_TRUE(readOnly[0] && readOnly[1] && readOnly[2] && readOnly[3]);
}

TEST(ViewButtonDialogs, TranslateAndScaleShowTheirDefaults) {
  CDlgViewTrans trans;
  trans.m_centres[0] = {1, 4};
  CheckDialog(trans, {"视平移按钮", "视平移", 8, {"1", "0", "0", "4", "0", "0"}});
  CDlgViewScale scale;
  CheckDialog(scale, {"视缩放按钮", "视缩放", 4, {"0.5", "1"}});
}
}  // namespace
