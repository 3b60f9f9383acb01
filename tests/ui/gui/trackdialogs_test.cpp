// The widgets of the locus, track and trace dialogs: refused steps, the
// colour function shown with its check, and ticks stored whichever row is
// selected.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "editing/dialogs/tracks/trackdialogs.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {

struct TrackDialogWidgets : ::testing::Test {
  TrackDialogWidgets() { SetDialogProvider(MakeWidgetDialogProvider(&owner)); }
  SeamRecorders seams;
  QWidget owner;
};

TEST_F(TrackDialogWidgets, StepsOutsideTheirRangesAreRefused) {
  struct Row {
    CDialogData* data;
    const char* text;
    const char* message;
  };
  CDlgLocus locus;
  CDlgTrack track;
  const Row rows[] = {
      {&locus, "0.6", "请输入一个介于 0.0001 和 0.5 之间的数。"},
      {&locus, "abc", "请输入一个介于 0.0001 和 0.5 之间的数。"},
      {&track, "0", "请输入一个介于 0.0001 和 1000 之间的数。"},
      {&track, "1e-30", "请输入一个介于 0.0001 和 1000 之间的数。"},
  };
  for (const Row& r : rows) {
    bool open = false;
    WhenShown([&](QDialog& d) {
      d.findChild<QLineEdit*>(QStringLiteral("step"))->setText(QString::fromUtf8(r.text));
      Press(d, QDialogButtonBox::Ok);
      open = d.isVisible();
      Press(d, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(DialogProvider().DoModal(*r.data), IDCANCEL);
    EXPECT_TRUE(open) << r.text;
    ASSERT_FALSE(seams.notifier->Texts().empty());
    EXPECT_EQ(seams.notifier->Texts().back(), QString::fromUtf8(r.message)) << r.text;
  }
}

TEST_F(TrackDialogWidgets, TheColourFunctionShowsOnlyWithSegmentColouring) {
  CDlgLocus locus;
  locus.m_bSegmentColouring = 1;
  locus.m_strColour = QStringLiteral("t*0.1");
  std::vector<bool> shown;
  WhenShown([&](QDialog& d) {
    auto* colour = d.findChild<QLineEdit*>(QStringLiteral("colour"));
    auto* button = d.findChild<QPushButton*>(QStringLiteral("colourButton"));
    shown.push_back(colour->isVisible() && button->isVisible());
    d.findChild<QCheckBox*>(QStringLiteral("colouring"))->setChecked(false);
    shown.push_back(colour->isVisible() || button->isVisible());
    d.findChild<QCheckBox*>(QStringLiteral("colouring"))->setChecked(true);
    shown.push_back(colour->isVisible() && button->isVisible());
    Press(d, QDialogButtonBox::Ok);
  });
  EXPECT_EQ(DialogProvider().DoModal(locus), IDOK);
  EXPECT_EQ(shown, (std::vector<bool>{true, false, true}));
}

TEST_F(TrackDialogWidgets, TickingTheSelectedRowIsKept) {
  CDlgTrack track;
  track.m_ids = {1, 2, 3};
  track.m_flags = {1, 0, 1};
  track.m_items = {{QStringLiteral("P"), 0}, {QStringLiteral("AP"), 1}, {QStringLiteral("M"), 2}};
  WhenShown([&](QDialog& d) {
    auto* list = d.findChild<QListWidget*>(QStringLiteral("cells"));
    list->setCurrentRow(1);
    list->item(1)->setCheckState(Qt::Checked);
    list->item(2)->setCheckState(Qt::Unchecked);
    Press(d, QDialogButtonBox::Ok);
  });
  EXPECT_EQ(DialogProvider().DoModal(track), IDOK);
  EXPECT_EQ(track.m_flags, (std::vector<WORD>{1, 1, 0}));
}

TEST_F(TrackDialogWidgets, TheTraceModeComesBackOnOk) {
  CDlgTrace trace;
  WhenShown([&](QDialog& d) {
    d.findChild<QButtonGroup*>(QStringLiteral("modes"))->button(1)->click();
    Press(d, QDialogButtonBox::Ok);
  });
  EXPECT_EQ(DialogProvider().DoModal(trace), IDOK);
  EXPECT_EQ(trace.m_nMode, 1);
}

}  // namespace
