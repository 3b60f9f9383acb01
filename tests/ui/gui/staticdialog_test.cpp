// The positioning-diagram dialog: its defaults, the edits each kind
// enables, typing into the kind's field, refused values and Cancel.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editing/dialogs/solids/staticdialog.h"
#include "editing/dialogs/solids/staticdialogtexts.h"
#include "platform/notifier.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {

const char* const kEdits[] = {"length", "width", "height", "edges", "radius", "ratio", "axisX", "axisY", "axisZ"};

QLineEdit* Edit(QDialog& dialog, const char* name) { return dialog.findChild<QLineEdit*>(QString::fromLatin1(name)); }
QPushButton* Button(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  return dialog.findChild<QDialogButtonBox*>()->button(which);
}
// "1" or "0" per kind edit, in the order of kEdits.
std::string Enabled(QDialog& dialog) {
  std::string on;
  for (const char* name : kEdits) on += Edit(dialog, name)->isEnabled() ? '1' : '0';
  return on;
}

struct StaticDialog : ::testing::Test {
  SeamRecorders seams;
  QWidget owner;
  void SetUp() override { SetDialogProvider(MakeWidgetDialogProvider(&owner)); }
};

TEST_F(StaticDialog, OpensWithTheDefaultsAndEnablesWhatEachKindReads) {
  QStringList items, groups;
  QString caption;
  std::vector<std::string> enabled;
  WhenShown([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    auto* kind = dialog.findChild<QComboBox*>(QStringLiteral("kind"));
    for (int i = 0; i < kind->count(); ++i) items << kind->itemText(i);
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>()) groups << box->title();
    enabled.push_back(Enabled(dialog));
    for (int i : {1, 2, 3, 4, 5, 9, 10, 11, 12, 13, 14, 0}) {
      kind->setCurrentIndex(i);
      enabled.push_back(Enabled(dialog));
    }
    Button(dialog, QDialogButtonBox::Ok)->click();
  });
  CDlgStaticKavrel data;
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(caption, QString::fromUtf8(kTextStaticCaption));
  ASSERT_EQ(items.size(), 15);
  EXPECT_EQ(items.front(), QString::fromUtf8("长方体"));
  EXPECT_EQ(items.back(), QString::fromUtf8("球"));
  EXPECT_EQ(groups, QStringList({QString::fromUtf8("尺度"), QString::fromUtf8("中心"), QString::fromUtf8("轴向")}));
  EXPECT_EQ(enabled, std::vector<std::string>({"111000000", "001110000", "001110000", "001111000", "000110000",
                                               "000010000", "000010000", "000010111", "001010111", "001010111",
                                               "001011111", "000010111", "111000000"}));
  // Confirmed at once: the defaults come back unchanged.
  const CStaticShapeValues v = data.Values();
  EXPECT_EQ(v.kind, 0);
  EXPECT_EQ(v.edges, 6);
  EXPECT_EQ(std::vector<float>({v.length, v.width, v.height, v.radius, v.ratio, v.centre[0], v.centre[1],
                                v.centre[2], v.axis[0], v.axis[1], v.axis[2]}),
            std::vector<float>({12, 8, 10, 8, 0.5f, 0, 0, 0, 0, 0, 1}));
}

TEST_F(StaticDialog, TypingIntoTheKindLeavesOnlyTheCentre) {
  std::string enabled;
  QString text;
  WhenShown([&](QDialog& dialog) {
    dialog.activateWindow();
    auto* kind = dialog.findChild<QComboBox*>(QStringLiteral("kind"));
    kind->setCurrentIndex(13);
    kind->lineEdit()->setFocus();
    QTest::keyClick(kind->lineEdit(), Qt::Key_X);
    text = kind->currentText();
    enabled = Enabled(dialog);
    Edit(dialog, "centreX")->setText("3");
    Button(dialog, QDialogButtonBox::Ok)->click();
  });
  CDlgStaticKavrel data;
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(text, QString::fromUtf8("正方体(棱长10)"));
  EXPECT_EQ(enabled, "000000000");
  EXPECT_EQ(data.m_nKind, CDlgStaticKavrel::kTypedKind);
  EXPECT_EQ(data.m_fCenterX, 3);
}

TEST_F(StaticDialog, RefusedValuesKeepItOpenAndCancelKeepsTheMembers) {
  WhenShown([](QDialog& dialog) {
    const std::pair<const char*, const char*> refused[] = {
        {"edges", "2"}, {"edges", "101"}, {"radius", "0"}, {"radius", "abc"}};
    for (const auto& [name, text] : refused) {
      QLineEdit* edit = Edit(dialog, name);
      const QString before = edit->text();
      edit->setText(QString::fromLatin1(text));
      Button(dialog, QDialogButtonBox::Ok)->click();
      EXPECT_TRUE(dialog.isVisible()) << name << " " << text;
      edit->setText(before);
    }
    Edit(dialog, "length")->setText("20");
    Button(dialog, QDialogButtonBox::Cancel)->click();
  });
  CDlgStaticKavrel data;
  data.m_fLength = 7;
  EXPECT_EQ(DialogProvider().DoModal(data), IDCANCEL);
  EXPECT_EQ(data.m_fLength, 7);
  const QString edges = QString::fromUtf8("请输入一个介于 3 和 100 之间的整数。");
  ASSERT_EQ(seams.notifier->Texts().size(), 4u);
  EXPECT_EQ(seams.notifier->Texts()[0], edges);
  EXPECT_EQ(seams.notifier->Texts()[1], edges);
  EXPECT_EQ(seams.notifier->Texts()[2], seams.notifier->Texts()[3]);
}

}  // namespace
