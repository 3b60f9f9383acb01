// The widgets of the view-button dialogs (their data:
// editing/dialogs/buttons/viewbuttondialogs.h).  The three share the run
// rows: label first, then their own values, then direction, play count,
// duration and the pause, which is shown only while the run is two-way or
// looping.
#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "editing/dialogs/buttons/viewbuttondialogs.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
// The pause edit with its unit after it, on a row that comes and goes with
// the choice of direction and play count.
void AddPauseRow(CInputForm& form, float& pause, QButtonGroup* direction, QButtonGroup* count) {
  QLineEdit* edit = form.AddNumber(kTextPauseBefore, pause);
  QFormLayout& rows = form.Form();
  int row = 0;
  QFormLayout::ItemRole role{};
  rows.getWidgetPosition(edit, &row, &role);
  rows.removeWidget(edit);
  auto* field = new QWidget(&form.Dialog());
  auto* line = new QHBoxLayout(field);
  line->setContentsMargins(0, 0, 0, 0);
  line->addWidget(edit);
  line->addWidget(new QLabel(QString::fromUtf8(kTextPauseAfter), field));
  rows.setWidget(row, QFormLayout::FieldRole, field);
  auto update = [&rows, row, direction, count] {
    CViewButtonRun shown;
    shown.m_nDirection = direction->checkedId();
    shown.m_nPlayCount = count->checkedId();
    rows.setRowVisible(row, shown.PauseShown());
  };
  QObject::connect(direction, &QButtonGroup::idClicked, &form.Dialog(), update);
  QObject::connect(count, &QButtonGroup::idClicked, &form.Dialog(), update);
  update();
}

void AddRunRows(CInputForm& form, CViewButtonRun& run) {
  QButtonGroup* direction = form.AddChoice({kTextOneWay, kTextTwoWay}, run.m_nDirection);
  QButtonGroup* count = form.AddChoice({kTextOnce, kTextLoop}, run.m_nPlayCount);
  form.AddNumber(kTextDuration, run.m_fDuration);
  AddPauseRow(form, run.m_fPause, direction, count);
}

const CDialogWidget<CDlgViewRotate> rotate([](CDlgViewRotate& data, QWidget* parent) {
  CInputForm form(parent, kCaptionViewRotate);
  form.AddText(kTextButtonLabel, data.m_strLabel);
  for (int i = 0; i < 4; ++i) form.AddNumber(i == 0 ? kTextStartState : "", data.m_pairs[i].start)->setReadOnly(true);
  form.AddNumber(kTextAngle, data.m_pairs[0].other);
  for (int i = 1; i < 4; ++i) form.AddNumber(i == 1 ? kTextAxis : "", data.m_pairs[i].other);
  AddRunRows(form, data);
  return form.Run();
});

const CDialogWidget<CDlgViewTrans> translate([](CDlgViewTrans& data, QWidget* parent) {
  CInputForm form(parent, kCaptionViewTrans);
  form.AddText(kTextButtonLabel, data.m_strLabel);
  for (int i = 0; i < 3; ++i) form.AddNumber(i == 0 ? kTextStartCentre : "", data.m_centres[i].start);
  for (int i = 0; i < 3; ++i) form.AddNumber(i == 0 ? kTextTargetCentre : "", data.m_centres[i].other);
  AddRunRows(form, data);
  return form.Run();
});

const CDialogWidget<CDlgViewScale> scale([](CDlgViewScale& data, QWidget* parent) {
  CInputForm form(parent, kCaptionViewScale);
  form.AddText(kTextButtonLabel, data.m_strLabel);
  form.AddNumber(kTextStartScale, data.m_fStart);
  form.AddNumber(kTextTargetScale, data.m_fTarget);
  AddRunRows(form, data);
  return form.Run();
});
}  // namespace
