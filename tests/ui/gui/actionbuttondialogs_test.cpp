// The widgets of the action buttons' dialogs: the speed choice's radio and
// custom edit for each step, the step each choice hands back, a custom step
// that is not positive refused with the dialog open, the forward-only
// direction, the pause and loop controls that follow their radios, the
// link's two kinds and the command sequence's buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "cells/dynamic/buttons/buttontexts.h"
#include "editing/dialogs/buttons/actionbuttondialogs.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {
QPushButton* Button(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  return dialog.findChild<QDialogButtonBox*>()->button(which);
}

QRadioButton* Radio(QDialog& dialog, const char* text) { return ByText<QRadioButton>(dialog, text); }

struct ActionButtonWidgets : ::testing::Test {
  ActionButtonWidgets() { SetDialogProvider(MakeWidgetDialogProvider(&owner)); }
  SeamRecorders seams;
  QWidget owner;
};

// "checked radio index, custom edit enabled" as the dialog opens.
template <class T>
std::string Opening(T data) {
  std::string state;
  WhenShown([&state](QDialog& dialog) {
    const char* texts[] = {"快速", "中速", "慢速", "自定义："};
    for (int i = 0; i < 4; ++i)
      if (Radio(dialog, texts[i])->isChecked()) state = std::to_string(i);
    auto* custom = dialog.findChild<QLineEdit*>(QStringLiteral("custom"));
    state += custom->isEnabled() ? " on " : " off ";
    state += custom->text().toStdString();
    Button(dialog, QDialogButtonBox::Cancel)->click();
  });
  EXPECT_EQ(DialogProvider().DoModal(data), IDCANCEL);
  return state;
}

template <class T>
T WithStep(float step) {
  T data;
  data.m_fStep = step;
  return data;
}

TEST_F(ActionButtonWidgets, SpeedChoiceOpensOnTheStep) {
  EXPECT_EQ(Opening(WithStep<CDlgBtnAnimation>(0.5f)), "0 off 0.1");
  EXPECT_EQ(Opening(WithStep<CDlgBtnAnimation>(0.1f)), "1 off 0.1");
  EXPECT_EQ(Opening(WithStep<CDlgBtnAnimation>(0.01f)), "2 off 0.1");
  EXPECT_EQ(Opening(WithStep<CDlgBtnAnimation>(0.3f)), "3 on 0.3");
  EXPECT_EQ(Opening(WithStep<CDlgBtnAnimation2>(0.2f)), "0 off 0.02");
  EXPECT_EQ(Opening(WithStep<CDlgBtnAnimation2>(0.02f)), "1 off 0.02");
  EXPECT_EQ(Opening(WithStep<CDlgBtnAnimation2>(0.002f)), "2 off 0.02");
  EXPECT_EQ(Opening(WithStep<CDlgBtnAnimation2>(0.05f)), "3 on 0.05");
  EXPECT_EQ(Opening(WithStep<CDlgBtnMove>(0.2f)), "0 off 0.1");
  EXPECT_EQ(Opening(WithStep<CDlgBtnMove>(0.1f)), "1 off 0.1");
  EXPECT_EQ(Opening(WithStep<CDlgBtnMove>(0.05f)), "2 off 0.1");
  EXPECT_EQ(Opening(WithStep<CDlgBtnMove>(0.3f)), "3 on 0.3");
}

// Clicks the radio, types into the custom edit when given, presses OK.
template <class T>
float StepAfter(const char* radio, const char* typed) {
  T data;
  WhenShown([radio, typed](QDialog& dialog) {
    Radio(dialog, radio)->click();
    if (typed) dialog.findChild<QLineEdit*>(QStringLiteral("custom"))->setText(QString::fromUtf8(typed));
    Button(dialog, QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(DialogProvider().DoModal(data), IDOK);
  return data.m_fStep;
}

TEST_F(ActionButtonWidgets, EachChoiceSetsTheStep) {
  EXPECT_EQ(StepAfter<CDlgBtnAnimation>("快速", nullptr), 0.5f);
  EXPECT_EQ(StepAfter<CDlgBtnAnimation>("慢速", nullptr), 0.01f);
  EXPECT_EQ(StepAfter<CDlgBtnAnimation>("自定义：", "0.25"), 0.25f);
  EXPECT_EQ(StepAfter<CDlgBtnAnimation2>("快速", nullptr), 0.2f);
  EXPECT_EQ(StepAfter<CDlgBtnAnimation2>("自定义：", "0.3"), 0.3f);
  EXPECT_EQ(StepAfter<CDlgBtnMove>("慢速", nullptr), 0.05f);
  EXPECT_EQ(StepAfter<CDlgBtnMove>("自定义：", "0.7"), 0.7f);
}

// OK with the custom text typed: refused (the dialog stays open and tells
// why) or taken.
template <class T>
bool Refused(const char* typed, SeamRecorders& seams) {
  T data;
  bool open = false;
  const size_t shown = seams.notifier->shown.size();
  WhenShown([&](QDialog& dialog) {
    Radio(dialog, "自定义：")->click();
    dialog.findChild<QLineEdit*>(QStringLiteral("custom"))->setText(QString::fromUtf8(typed));
    Button(dialog, QDialogButtonBox::Ok)->click();
    open = dialog.isVisible();
    if (open) Button(dialog, QDialogButtonBox::Cancel)->click();
  });
  DialogProvider().DoModal(data);
  EXPECT_EQ(seams.notifier->shown.size(), shown + (open ? 1 : 0));
  return open;
}

TEST_F(ActionButtonWidgets, StepsThatNeverEndAreRefused) {
  EXPECT_TRUE(Refused<CDlgBtnAnimation>("0", seams));
  EXPECT_TRUE(Refused<CDlgBtnAnimation>("-1", seams));
  EXPECT_TRUE(Refused<CDlgBtnAnimation>("abc", seams));
  EXPECT_FALSE(Refused<CDlgBtnAnimation>("2", seams));
  EXPECT_TRUE(Refused<CDlgBtnAnimation2>("0.6", seams));
  EXPECT_TRUE(Refused<CDlgBtnAnimation2>("0.0005", seams));
  EXPECT_FALSE(Refused<CDlgBtnAnimation2>("0.5", seams));
  EXPECT_FALSE(Refused<CDlgBtnMove>("0", seams));
}

TEST_F(ActionButtonWidgets, AnimationDirectionAndPause) {
  CDlgBtnAnimation forwardOnly;
  forwardOnly.m_nDirection = -1;
  std::vector<bool> pause;
  WhenShown([&pause](QDialog& dialog) {
    EXPECT_TRUE(Radio(dialog, "正向")->isChecked());
    EXPECT_FALSE(Radio(dialog, "反向")->isEnabled());
    EXPECT_FALSE(Radio(dialog, "双向")->isEnabled());
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("pause"));
    pause.push_back(edit->isVisibleTo(&dialog));
    Radio(dialog, "循环")->click();
    pause.push_back(edit->isVisibleTo(&dialog));
    Radio(dialog, "一次")->click();
    pause.push_back(edit->isVisibleTo(&dialog));
    Radio(dialog, "双向")->setEnabled(true);
    Radio(dialog, "双向")->click();
    pause.push_back(edit->isVisibleTo(&dialog));
    Button(dialog, QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(DialogProvider().DoModal(forwardOnly), IDOK);
  EXPECT_EQ(pause, (std::vector<bool>{false, true, false, true}));
  EXPECT_EQ(forwardOnly.m_nDirection, 2);
}

TEST_F(ActionButtonWidgets, SeriesLoopControlsFollowTheLoopKind) {
  CDlgBtnPresentat data;
  std::vector<std::string> states;
  WhenShown([&states](QDialog& dialog) {
    const auto state = [&dialog] {
      std::string s;
      for (const char* name : {"pause", "count"})
        s += dialog.findChild<QLineEdit*>(QString::fromUtf8(name))->isVisibleTo(&dialog) ? '1' : '0';
      s += dialog.findChild<QComboBox*>(QStringLiteral("variable"))->isVisibleTo(&dialog) ? '1' : '0';
      return s;
    };
    states.push_back(state());
    for (const char* radio : {"依序执行", "固定次数循环", "for循环", "While循环", "Until循环", "不循环"}) {
      Radio(dialog, radio)->click();
      states.push_back(state());
    }
    Button(dialog, QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(states, (std::vector<std::string>{"000", "100", "110", "101", "101", "101", "100"}));
  EXPECT_EQ(data.m_nOrder, 1);
  EXPECT_EQ(data.m_nLoopKind, 0);
}

TEST_F(ActionButtonWidgets, LinkKindsEnableTheirControls) {
  CDlgBtnLink data;
  data.m_pageNames = {QStringLiteral("one"), QStringLiteral("two")};
  data.m_nPage = 1;
  seams.fileChooser->answers.push_back(QStringLiteral("/tmp/a file.kv"));
  WhenShown([](QDialog& dialog) {
    auto* pages = dialog.findChild<QComboBox*>(QStringLiteral("pages"));
    auto* link = dialog.findChild<QLineEdit*>(QStringLiteral("link"));
    auto* browse = dialog.findChild<QPushButton*>(QStringLiteral("browse"));
    EXPECT_EQ(pages->currentIndex(), 1);
    EXPECT_TRUE(pages->isEnabled());
    EXPECT_FALSE(link->isEnabled());
    EXPECT_FALSE(browse->isEnabled());
    Radio(dialog, "超级链接：")->click();
    EXPECT_FALSE(pages->isEnabled());
    EXPECT_TRUE(link->isEnabled());
    browse->click();
    Button(dialog, QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(data.m_nKind, 1);
  EXPECT_EQ(data.m_strLink, QStringLiteral("/tmp/a file.kv"));
}

TEST_F(ActionButtonWidgets, CommandSequence) {
  CDlgCmdBtn data;
  WhenShown([](QDialog& dialog) {
    auto* offered = dialog.findChild<QListWidget*>(QStringLiteral("offered"));
    auto* sequence = dialog.findChild<QListWidget*>(QStringLiteral("sequence"));
    auto* up = dialog.findChild<QPushButton*>(QStringLiteral("up"));
    auto* down = dialog.findChild<QPushButton*>(QStringLiteral("down"));
    auto* remove = dialog.findChild<QPushButton*>(QStringLiteral("remove"));
    QPushButton* ok = Button(dialog, QDialogButtonBox::Ok);
    ASSERT_EQ(offered->count(), 24);
    int row = 0;
    for (const ButtonCommand& command : kButtonCommands) {
      EXPECT_EQ(offered->item(row)->text(), QString::fromUtf8(command.text));
      EXPECT_EQ(offered->item(row++)->data(Qt::UserRole).toInt(), static_cast<int>(command.id));
    }
    EXPECT_EQ(offered->item(23)->text(), QString::fromUtf8("关于Kavrel"));
    EXPECT_FALSE(ok->isEnabled());
    emit offered->itemDoubleClicked(offered->item(0));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_FALSE(up->isEnabled());
    EXPECT_FALSE(down->isEnabled());
    EXPECT_TRUE(remove->isEnabled());
    remove->click();
    EXPECT_FALSE(ok->isEnabled());
    emit offered->itemDoubleClicked(offered->item(0));
    emit offered->itemDoubleClicked(offered->item(19));
    EXPECT_TRUE(up->isEnabled());
    EXPECT_FALSE(down->isEnabled());
    down->click();  // the last entry stays last
    EXPECT_EQ(sequence->item(1)->text(), QString::fromUtf8("下一页"));
    up->click();
    EXPECT_EQ(sequence->item(0)->text(), QString::fromUtf8("下一页"));
    dialog.findChild<QLineEdit*>(QStringLiteral("delay"))->setText(QStringLiteral("7"));
    ok->click();
  });
  EXPECT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(data.m_commands, (std::vector<std::int32_t>{32862, 32776}));
  EXPECT_EQ(data.m_nDelay, 7);
  // Opened on a sequence, its last entry is selected: it can move up or go at once.
  WhenShown([](QDialog& dialog) {
    auto* sequence = dialog.findChild<QListWidget*>(QStringLiteral("sequence"));
    auto* up = dialog.findChild<QPushButton*>(QStringLiteral("up"));
    EXPECT_EQ(sequence->currentRow(), 1);
    EXPECT_TRUE(up->isEnabled());
    EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("down"))->isEnabled());
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("remove"))->isEnabled());
    up->click();
    Button(dialog, QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(data.m_commands, (std::vector<std::int32_t>{32776, 32862}));
}
}  // namespace
