// The dialog seam: a command's dialog answered by the tests' scripted
// provider and by the program's widgets, OK and Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QTimer>

#include "editing/dialogs/bodies/subadialog.h"
#include "editing/dialogs/buttons/actionbuttondialogs.h"
#include "editing/dialogs/display/displaydialogs.h"
#include "editing/dialogs/iterations/iteratepropertydialog.h"
#include "editing/dialogs/parametric/parametricdialogs.h"
#include "editing/dialogs/properties/primitivedialogs.h"
#include "editing/dialogs/solids/staticdialog.h"
#include "editing/dialogs/tools/toolpropertydialog.h"
#include "editing/dialogs/tracks/trackdialogs.h"
#include "editing/dialogs/transform/transformdialogs.h"
#include "platform/notifier.h"
#include "support/recorders.h"
#include "support/scripteddialogs.h"
#include "ui/dialogs/dialogwidgets.h"
#include "view/tools/preferences.h"

namespace KAVREL_FILE_LOCAL {

class CDlgTestValue : public CDialogDataOf<CDlgTestValue> {
 public:
  double m_fValue = 0;
};

// As a command asks: members preset, read back on OK only.
std::pair<int, double> Ask(double preset) {
  CDlgTestValue dialog;
  dialog.m_fValue = preset;
  const int answer = DialogProvider().DoModal(dialog);
  return {answer, dialog.m_fValue};
}

// Once the dialog is up: types the value and closes it.
void AnswerWidget(double value, bool accept) {
  QTimer::singleShot(10, [value, accept] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return AnswerWidget(value, accept);
    dialog->findChild<QDoubleSpinBox*>()->setValue(value);
    accept ? dialog->accept() : dialog->reject();
  });
}

TEST(DialogProvider, ACommandsDialogAnswersScriptedAndThroughItsWidgets) {
  using Answer = std::pair<int, double>;
  SeamRecorders seams;
  ScriptedDialogs* scripted = InstallScriptedDialogs();
  CDlgTestValue typed;
  typed.m_fValue = 3;
  scripted->Ok(typed);
  scripted->Cancel<CDlgTestValue>();
  EXPECT_EQ(Ask(0.5), Answer(IDOK, 3));
  EXPECT_EQ(Ask(0.25), Answer(IDCANCEL, 0.25));
  EXPECT_EQ(Ask(0.125), Answer(IDCANCEL, 0.125)) << "unscripted";
  std::vector<double> presets;
  for (const CDlgTestValue& d : scripted->Offered<CDlgTestValue>()) presets.push_back(d.m_fValue);
  EXPECT_EQ(presets, (std::vector<double>{0.5, 0.25, 0.125}));

  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  EXPECT_EQ(Ask(1), Answer(IDCANCEL, 1)) << "no widgets for the class yet";
  const CDialogWidget<CDlgTestValue> widget([](CDlgTestValue& data, QWidget* parent) {
    QDialog dialog(parent);
    auto* spin = new QDoubleSpinBox(&dialog);
    spin->setValue(data.m_fValue);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    data.m_fValue = spin->value();  // also on Cancel: the provider must not copy it back
    return accepted;
  });
  AnswerWidget(7, true);
  EXPECT_EQ(Ask(1), Answer(IDOK, 7));
  AnswerWidget(9, false);
  EXPECT_EQ(Ask(2), Answer(IDCANCEL, 2));
}

// The size of the dialog the program's widgets show for `data`.
template <class Data>
QSize ShownSize(Data data) {
  QSize seen;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&seen] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      seen = dialog->size();
      dialog->reject();
    }
  });
  poll.start();
  DialogProvider().DoModal(data);
  return seen;
}

// A curve dialog with its colour row shown.
CDlgCurve ColouredCurve() {
  CDlgCurve data;
  data.m_bSegmentColouring = 1;
  return data;
}

// A classroom screen of 1366 x 768 shows the largest dialogs whole, OK
// included: a tall form continues in a second column.
TEST(DialogProvider, TheLargestDialogsFitAClassroomScreen) {
  SeamRecorders seams;
  SetDialogProvider(MakeWidgetDialogProvider(nullptr));
  const std::pair<const char*, QSize> rows[] = {
      {"surface", ShownSize(CDlgSurface())},          {"curve", ShownSize(CDlgCurve())},
      {"curve coloured in pieces", ShownSize(ColouredCurve())},
      {"iteration", ShownSize(CDlgPropertyIterate())}, {"track", ShownSize(CDlgTrack())},
      {"point", ShownSize(CDlgPropertyPoint())},       {"line", ShownSize(CDlgPropertyLine())},
      {"circle", ShownSize(CDlgPropertyCircle())},     {"rotation", ShownSize(CDlgTransRotate())},
      {"static", ShownSize(CDlgStaticKavrel())},       {"tool", ShownSize(CDlgPropertyTool())},
      {"preferences", ShownSize(CDlgPreferonces())},   {"component", ShownSize(CCreateSubaDlg())},
      {"command button", ShownSize(CDlgCmdBtn())},     {"custom colour", ShownSize(CDlgCustomColor())},
  };
  for (const auto& [name, size] : rows) {
    EXPECT_FALSE(size.isEmpty()) << name << " was shown";
    EXPECT_LE(size.width(), kDialogRoom.width()) << name;
    EXPECT_LE(size.height(), kDialogRoom.height()) << name;
  }
}

}  // namespace
