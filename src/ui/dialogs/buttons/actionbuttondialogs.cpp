// The widgets of the action buttons' dialogs.  Controls that depend on a
// choice (the custom step, the pause, the loop fields, the link's page list
// or path) follow it on opening and on every click.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <climits>
#include <cstdint>
#include <map>
#include <memory>

#include "cells/dynamic/buttons/buttontexts.h"
#include "editing/dialogs/buttons/actionbuttondialogs.h"
#include "editing/dialogs/buttons/actionbuttondialogtexts.h"
#include "editing/dialogs/inputdialogs.h"
#include "platform/filechooser.h"
#include "platform/notifier.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
// Custom steps of a range animation: positive, as a step of 0 or less
// never reaches the end.
constexpr float kLeastCustomStep = 1e-6f;
constexpr float kMostCustomStep = 1e6f;

// A field and the label of its row shown or hidden together.
void ShowField(QWidget* field, bool on) {
  field->setVisible(on);
  if (auto* form = qobject_cast<QFormLayout*>(field->parentWidget()->layout()))
    if (QWidget* label = form->labelForField(field)) label->setVisible(on);
}

QLineEdit* AddReadOnly(CInputForm& form, const char* label, QString& member) {
  QLineEdit* edit = form.AddText(label, member);
  edit->setReadOnly(true);
  return edit;
}

// The speed radio group and its custom edit.  The opening index comes from
// the step; the step itself is settled by SettleStep after OK.
struct CSpeedControls {
  QButtonGroup* group;
  QLineEdit* custom;
};

CSpeedControls AddSpeedChoice(CInputForm& form, const CSpeedChoice& speeds, int& index, float& custom, float step,
                              QLineEdit* (*addCustom)(CInputForm&, float&)) {
  index = speeds.IndexOf(step);
  if (index == CSpeedChoice::kCustom) custom = step;
  QButtonGroup* group = form.AddChoice({kTextQuick, kTextMedium, kTextSlow, kTextCustom}, index);
  QLineEdit* edit = addCustom(form, custom);
  edit->setObjectName(QStringLiteral("custom"));
  edit->setEnabled(index == CSpeedChoice::kCustom);
  auto lastStep = std::make_shared<float>(step);
  QObject::connect(group, &QButtonGroup::idClicked, edit, [edit, speeds, lastStep](int id) {
    edit->setEnabled(id == CSpeedChoice::kCustom);
    if (id == CSpeedChoice::kCustom)
      edit->setText(ShownNumber(*lastStep));
    else
      *lastStep = speeds.StepOf(id, 0);
  });
  return {group, edit};
}

template <class T>
void SettleStep(T& data, const CSpeedChoice& speeds) {
  data.m_fStep = speeds.StepOf(data.m_nSpeed, data.m_fCustom);
}

QLineEdit* AddAnimationCustom(CInputForm& form, float& custom) {
  return form.AddNumber("", custom, kLeastCustomStep, kMostCustomStep);
}
QLineEdit* AddWalkCustom(CInputForm& form, float& custom) {
  return form.AddNumber(kTextWalkStep, custom, CDlgBtnAnimation2::kLeastStep, CDlgBtnAnimation2::kMostStep);
}
QLineEdit* AddMoveCustom(CInputForm& form, float& custom) { return form.AddNumber("", custom); }

bool RunAnimation(CDlgBtnAnimation& data, QWidget* parent) {
  CInputForm form(parent, kCaptionAnimation);
  form.AddText(kTextButtonLabel, data.m_strLabel);
  AddReadOnly(form, kTextAnimatedObject, data.m_strObject);
  form.AddNumber(kTextRange, data.m_fFrom);
  form.AddNumber(kTextRangeArrow, data.m_fTo);
  const bool forwardOnly = data.m_nDirection == -1;
  if (forwardOnly) data.m_nDirection = 0;
  QButtonGroup* direction = form.AddChoice({kTextForward, kTextBackward, kTextBothWays}, data.m_nDirection);
  if (forwardOnly) direction->button(1)->setEnabled(false), direction->button(2)->setEnabled(false);
  QButtonGroup* play = form.AddChoice({kTextOnce, kTextLoop}, data.m_nPlayCount);
  AddSpeedChoice(form, kAnimationSpeeds, data.m_nSpeed, data.m_fCustom, data.m_fStep, AddAnimationCustom);
  QLineEdit* pause = form.AddNumber(kTextPauseBefore, data.m_fPause);
  pause->setObjectName(QStringLiteral("pause"));
  const auto follow = [direction, play, pause] {
    ShowField(pause, direction->checkedId() == 2 || play->checkedId() == 1);
  };
  QObject::connect(direction, &QButtonGroup::idClicked, pause, follow);
  QObject::connect(play, &QButtonGroup::idClicked, pause, follow);
  follow();
  if (!form.Run()) return false;
  SettleStep(data, kAnimationSpeeds);
  return true;
}

bool RunWalk(CDlgBtnAnimation2& data, QWidget* parent) {
  CInputForm form(parent, kCaptionWalk);
  form.AddText(kTextButtonLabel, data.m_strLabel);
  AddReadOnly(form, kTextAnimatedObject, data.m_strObject);
  form.AddNumber(kTextDuration, data.m_fDuration);
  AddSpeedChoice(form, kWalkSpeeds, data.m_nSpeed, data.m_fCustom, data.m_fStep, AddWalkCustom);
  if (!form.Run()) return false;
  SettleStep(data, kWalkSpeeds);
  return true;
}

bool RunMove(CDlgBtnMove& data, QWidget* parent) {
  CInputForm form(parent, kCaptionMove);
  form.AddText(kTextButtonLabel, data.m_strLabel);
  AddReadOnly(form, kTextMovingPoint, data.m_strMoving);
  AddReadOnly(form, kTextTargetPoint, data.m_strTarget);
  form.BeginGroup(kTextMoveSpeed);
  AddSpeedChoice(form, kMoveSpeeds, data.m_nSpeed, data.m_fCustom, data.m_fStep, AddMoveCustom);
  if (!form.Run()) return false;
  SettleStep(data, kMoveSpeeds);
  return true;
}

bool RunShowHide(CDlgBtnShide& data, QWidget* parent) {
  CInputForm form(parent, kCaptionShowHide);
  const char* const actions[] = {kTextShowAlways, kTextHideAlways, kTextToggle, kTextOneByOne};
  form.AddChoice("", actions, 4, data.m_nAction);
  form.AddText(kTextButtonLabel, data.m_strLabel);
  AddReadOnly(form, "", data.m_strObjects);
  return form.Run();
}

bool RunSeries(CDlgBtnPresentat& data, QWidget* parent) {
  CInputForm form(parent, kCaptionSeries);
  const char* const orders[] = {kTextTogether, kTextInOrder};
  QButtonGroup* order = form.AddChoice(kTextSeries, orders, 2, data.m_nOrder);
  form.AddText(kTextButtonLabel, data.m_strLabel);
  QLineEdit* pause = form.AddNumber(kTextPauseBetween, data.m_fPause);
  pause->setObjectName(QStringLiteral("pause"));
  form.BeginGroup(kTextLoopGroup);
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextLoopHint)));
  const char* const kinds[] = {kTextNoLoop, kTextFixedLoop, kTextForLoop, kTextWhileLoop, kTextUntilLoop};
  QButtonGroup* kind = form.AddChoice("", kinds, 5, data.m_nLoopKind);
  QLineEdit* count = form.AddInteger("", data.m_nLoopCount, INT_MIN, INT_MAX);
  count->setObjectName(QStringLiteral("count"));
  QLineEdit* start = form.AddNumber(kTextLoopStart, data.m_dLoopStart);
  QLineEdit* end = form.AddNumber(kTextLoopEnd, data.m_dLoopEnd);
  QLineEdit* step = form.AddNumber(kTextLoopStep, data.m_dLoopStep);
  QStringList registers;
  for (int i = 1; i <= 6; ++i) registers << QStringLiteral("No.%1").arg(i);
  QComboBox* variable = form.AddList(kTextLoopVariable, registers, data.m_nVariable);
  variable->setObjectName(QStringLiteral("variable"));
  auto* whileHint = new QLabel(QString::fromUtf8(kTextWhileHint));
  auto* untilHint = new QLabel(QString::fromUtf8(kTextUntilHint));
  form.Form().addRow(whileHint);
  form.Form().addRow(untilHint);
  const auto follow = [=] {
    ShowField(pause, order->checkedId() == 1);
    const int k = kind->checkedId();
    ShowField(count, k == 1);
    for (QLineEdit* edit : {start, end, step}) ShowField(edit, k == 2);
    ShowField(variable, k >= 2);
    whileHint->setVisible(k == 3);
    untilHint->setVisible(k == 4);
  };
  QObject::connect(order, &QButtonGroup::idClicked, pause, follow);
  QObject::connect(kind, &QButtonGroup::idClicked, pause, follow);
  follow();
  return form.Run();
}

bool RunLink(CDlgBtnLink& data, QWidget* parent) {
  CInputForm form(parent, kCaptionLink);
  form.AddText(kTextButtonLabel, data.m_strLabel);
  QButtonGroup* kind = form.AddChoice({kTextToPage, kTextHyperlink}, data.m_nKind);
  QComboBox* pages = form.AddList(kTextToPage, data.m_pageNames, data.m_nPage);
  pages->setObjectName(QStringLiteral("pages"));
  QLineEdit* link = form.AddText(kTextHyperlink, data.m_strLink);
  link->setObjectName(QStringLiteral("link"));
  auto* browse = new QPushButton(QString::fromUtf8(kTextBrowse));
  browse->setObjectName(QStringLiteral("browse"));
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextLinkHint)), browse);
  QObject::connect(browse, &QPushButton::clicked, link, [link] {
    const QString path = FileChooser().ChooseOpen(QString(), QString(), QString());
    if (!path.isEmpty()) link->setText(path);
  });
  const auto follow = [=] {
    const bool toPage = kind->checkedId() == 0;
    pages->setEnabled(toPage);
    link->setEnabled(!toPage);
    browse->setEnabled(!toPage);
  };
  QObject::connect(kind, &QButtonGroup::idClicked, pages, follow);
  follow();
  return form.Run();
}


// The command names by id, built once per run.
const std::map<std::int32_t, QString>& CommandNames() {
  static const std::map<std::int32_t, QString> names = [] {
    std::map<std::int32_t, QString> table;
    for (const ButtonCommand& command : kButtonCommands)
      table.emplace(static_cast<std::int32_t>(command.id), QString::fromUtf8(command.text));
    return table;
  }();
  return names;
}

void AppendCommand(QListWidget& list, std::int32_t id) {
  const auto found = CommandNames().find(id);
  auto* item = new QListWidgetItem(found != CommandNames().end() ? found->second : QString::number(id), &list);
  item->setData(Qt::UserRole, id);
}

// The available commands on the left, the sequence on the right: a double
// click appends; the sequence's entry moves up or down or goes.  OK needs
// at least one command.
bool RunCommands(CDlgCmdBtn& data, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf8(kCaptionCommand));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QString::fromUtf8(kTextCommandsHead), &dialog));
  auto* lists = new QHBoxLayout;
  auto* offered = new QListWidget(&dialog);
  offered->setObjectName(QStringLiteral("offered"));
  for (const ButtonCommand& command : kButtonCommands) AppendCommand(*offered, static_cast<std::int32_t>(command.id));
  auto* sequence = new QListWidget(&dialog);
  sequence->setObjectName(QStringLiteral("sequence"));
  for (std::int32_t id : data.m_commands) AppendCommand(*sequence, id);
  sequence->setCurrentRow(sequence->count() - 1);  // opens on the last entry, ready to move or go
  auto* moves = new QVBoxLayout;
  auto* up = new QPushButton(QString::fromUtf8(kTextMoveUp), &dialog);
  auto* down = new QPushButton(QString::fromUtf8(kTextMoveDown), &dialog);
  auto* remove = new QPushButton(QString::fromUtf8(kTextDelete), &dialog);
  up->setObjectName(QStringLiteral("up"));
  down->setObjectName(QStringLiteral("down"));
  remove->setObjectName(QStringLiteral("remove"));
  for (QPushButton* button : {up, down, remove}) moves->addWidget(button);
  moves->addStretch();
  lists->addWidget(offered);
  lists->addWidget(sequence);
  lists->addLayout(moves);
  layout->addLayout(lists);
  auto* form = new QFormLayout;
  auto* label = new QLineEdit(data.m_strLabel, &dialog);
  form->addRow(QString::fromUtf8(kTextButtonLabel), label);
  auto* delay = new QLineEdit(QString::number(data.m_nDelay), &dialog);
  delay->setObjectName(QStringLiteral("delay"));
  form->addRow(QString::fromUtf8(kTextCommandDelay), delay);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  layout->addWidget(buttons);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  const auto follow = [=] {
    const int row = sequence->currentRow();
    const int last = sequence->count() - 1;
    up->setEnabled(row > 0);
    down->setEnabled(row >= 0 && row < last);
    remove->setEnabled(row >= 0);
    ok->setEnabled(sequence->count() > 0);
  };
  const auto shift = [=](int by) {
    const int row = sequence->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= sequence->count()) return;
    sequence->insertItem(to, sequence->takeItem(row));
    sequence->setCurrentRow(to);
  };
  QObject::connect(offered, &QListWidget::itemDoubleClicked, sequence, [=](QListWidgetItem* item) {
    AppendCommand(*sequence, item->data(Qt::UserRole).toInt());
    sequence->setCurrentRow(sequence->count() - 1);
    follow();
  });
  QObject::connect(sequence, &QListWidget::currentRowChanged, up, follow);
  QObject::connect(up, &QPushButton::clicked, up, [=] { shift(-1), follow(); });
  QObject::connect(down, &QPushButton::clicked, down, [=] { shift(1), follow(); });
  QObject::connect(remove, &QPushButton::clicked, remove, [=] {
    delete sequence->takeItem(sequence->currentRow());
    follow();
  });
  int readDelay = data.m_nDelay;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    const QString refused = ExchangeInteger(delay->text(), INT_MIN, INT_MAX, readDelay);
    if (refused.isEmpty()) return dialog.accept();
    KvMessageBox(refused, QString(), MB_OK | MB_ICONWARNING);
    delay->setFocus();
  });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  follow();
  if (dialog.exec() != QDialog::Accepted || sequence->count() == 0) return false;
  data.m_strLabel = label->text();
  data.m_nDelay = readDelay;
  data.m_commands.clear();
  for (int i = 0; i < sequence->count(); ++i) data.m_commands.push_back(sequence->item(i)->data(Qt::UserRole).toInt());
  return true;
}

const CDialogWidget<CDlgBtnAnimation> animation(RunAnimation);
const CDialogWidget<CDlgBtnAnimation2> walk(RunWalk);
const CDialogWidget<CDlgBtnMove> move(RunMove);
const CDialogWidget<CDlgBtnShide> showHide(RunShowHide);
const CDialogWidget<CDlgBtnPresentat> series(RunSeries);
const CDialogWidget<CDlgBtnLink> linkDialog(RunLink);
const CDialogWidget<CDlgCmdBtn> commands(RunCommands);
}  // namespace
