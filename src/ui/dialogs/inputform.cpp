#include "ui/dialogs/inputform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <charconv>
#include <utility>

#include "editing/dialogs/inputdialogs.h"
#include "platform/notifier.h"
#include "ui/dialogs/dialogwidgets.h"


CInputForm::CInputForm(QWidget* parent, const char* caption)
    : m_dialog(parent), m_pOuterLayout(new QVBoxLayout(&m_dialog)), m_pColumns(new QHBoxLayout),
      m_pForm(new QFormLayout) {
  m_dialog.setWindowTitle(QString::fromUtf8(caption));
  m_pColumns->addLayout(m_pForm);
  m_pOuterLayout->addLayout(m_pColumns);
}

QLineEdit* CInputForm::AddEdit(const char* label, const QString& shown, QString objectName) {
  auto* edit = new QLineEdit(shown, &m_dialog);
  edit->setObjectName(std::move(objectName));
  m_pForm->addRow(QString::fromUtf8(label), edit);
  return edit;
}

QLineEdit* CInputForm::AddText(const char* label, QString& member) {
  QLineEdit* edit = AddEdit(label, member, QStringLiteral("field%1").arg(m_fields.size()));
  m_fields.emplace_back(edit, [edit, &member](bool store) {
    if (store) member = edit->text();
    return QString();
  });
  return edit;
}

QLineEdit* CInputForm::AddNumber(const char* label, float& member) {
  QLineEdit* edit = AddEdit(label, ShownNumber(member), QStringLiteral("field%1").arg(m_fields.size()));
  m_fields.emplace_back(edit, [edit, &member](bool store) {
    float read = member;
    const QString refused = ExchangeNumber(edit->text(), read);
    if (store) member = read;
    return refused;
  });
  return edit;
}

QLineEdit* CInputForm::AddNumber(const char* label, float& member, float low, float high) {
  QLineEdit* edit = AddEdit(label, ShownNumber(member), QStringLiteral("field%1").arg(m_fields.size()));
  m_fields.emplace_back(edit, [edit, &member, low, high](bool store) {
    float read = member;
    if (!ExchangeNumber(edit->text(), read).isEmpty() || read < low || read > high)
      return RangeMessage(low, high, false);
    if (store) member = read;
    return QString();
  });
  return edit;
}

QLineEdit* CInputForm::AddNumber(const char* label, double& member, double low, double high) {
  QLineEdit* edit = AddEdit(label, ShownNumber(member), QStringLiteral("field%1").arg(m_fields.size()));
  m_fields.emplace_back(edit, [edit, &member, low, high](bool store) {
    double read = member;
    if (!ExchangeNumber(edit->text(), read).isEmpty() || read < low || read > high)
      return RangeMessage(low, high, false);
    if (store) member = read;
    return QString();
  });
  return edit;
}

QLineEdit* CInputForm::AddNumber(const char* label, double& member) {
  QLineEdit* edit = AddEdit(label, ShownNumber(member), QStringLiteral("field%1").arg(m_fields.size()));
  m_fields.emplace_back(edit, [edit, &member](bool store) {
    double read = member;
    const QString refused = ExchangeNumber(edit->text(), read);
    if (store) member = read;
    return refused;
  });
  return edit;
}

QLineEdit* CInputForm::AddInteger(const char* label, int& member, int lo, int hi) {
  QLineEdit* edit = AddEdit(label, QString::number(member), QStringLiteral("field%1").arg(m_fields.size()));
  m_fields.emplace_back(edit, [edit, &member, lo, hi](bool store) {
    int read = member;
    const QString refused = ExchangeInteger(edit->text(), lo, hi, read);
    if (store) member = read;
    return refused;
  });
  return edit;
}

QCheckBox* CInputForm::AddCheck(const char* text, BOOL& member) {
  auto* box = new QCheckBox(QString::fromUtf8(text), &m_dialog);
  box->setChecked(member != 0);
  m_pForm->addRow(box);
  m_stores.push_back([box, &member] { member = box->isChecked() ? 1 : 0; });
  return box;
}

QButtonGroup* CInputForm::AddChoice(std::initializer_list<const char*> texts, int& member) {
  auto* row = new QHBoxLayout;
  QButtonGroup* group = AddRadios(texts.begin(), static_cast<int>(texts.size()), member, *row);
  m_pForm->addRow(row);
  return group;
}

QButtonGroup* CInputForm::AddChoice(const char* title, const char* const* texts, int count, int& member) {
  auto* box = new QGroupBox(QString::fromUtf8(title), &m_dialog);
  auto* column = new QVBoxLayout(box);
  QButtonGroup* group = AddRadios(texts, count, member, *column);
  m_pForm->addRow(box);
  return group;
}

QButtonGroup* CInputForm::AddRadios(const char* const* texts, int count, int& member, QBoxLayout& layout) {
  auto* group = new QButtonGroup(&m_dialog);
  for (int value = 0; value < count; ++value) {
    auto* radio = new QRadioButton(QString::fromUtf8(texts[value]), &m_dialog);
    radio->setChecked(value == member);
    group->addButton(radio, value);
    layout.addWidget(radio);
  }
  m_stores.push_back([group, &member] { member = std::max(0, group->checkedId()); });
  return group;
}

QComboBox* CInputForm::AddList(const char* label, const QStringList& items, int& member) {
  auto* list = new QComboBox(&m_dialog);
  list->addItems(items);
  list->setCurrentIndex(member >= 0 && member < list->count() ? member : -1);
  m_pForm->addRow(QString::fromUtf8(label), list);
  m_stores.push_back([list, &member] {
    if (list->currentIndex() >= 0) member = list->currentIndex();
  });
  return list;
}

void CInputForm::BeginGroup(const char* title) {
  EndGroup();
  auto* box = new QGroupBox(QString::fromUtf8(title), &m_dialog);
  m_pForm->addRow(box);
  m_pOuter = m_pForm;
  m_pForm = new QFormLayout(box);
}

void CInputForm::EndGroup() {
  if (m_pOuter) m_pForm = std::exchange(m_pOuter, nullptr);
}

void CInputForm::TryAccept() {
  for (auto& [edit, field] : m_fields) {
    const QString refused = field(false);
    if (refused.isEmpty()) continue;
    KvMessageBox(refused, QString(), MB_OK | MB_ICONWARNING);
    edit->setFocus();
    edit->selectAll();
    return;
  }
  m_dialog.accept();
}

void CInputForm::FitToScreen() {
  const auto tall = [this] {
    m_dialog.layout()->invalidate();
    return m_dialog.sizeHint().height() > kDialogRoom.height();
  };
  if (!tall()) return;
  auto* second = new QFormLayout;
  m_pColumns->addLayout(second);
  // The last rows go over, in their order, until the dialog fits or the
  // second column would outgrow the first.
  while (m_pForm->rowCount() > 1 && second->sizeHint().height() < m_pForm->sizeHint().height() && tall()) {
    const QFormLayout::TakeRowResult row = m_pForm->takeRow(m_pForm->rowCount() - 1);
    QWidget* label = row.labelItem ? row.labelItem->widget() : nullptr;
    QWidget* field = row.fieldItem ? row.fieldItem->widget() : nullptr;
    QLayout* fieldLayout = row.fieldItem ? row.fieldItem->layout() : nullptr;
    if (label && field)
      second->insertRow(0, label, field);
    else if (label && fieldLayout)
      second->insertRow(0, label, fieldLayout);
    else if (field)
      second->insertRow(0, field);
    else if (fieldLayout)
      second->insertRow(0, fieldLayout);
    // The widget items only wrapped the widgets; a layout is its own item.
    delete row.labelItem;
    if (!fieldLayout) delete row.fieldItem;
  }
}

bool CInputForm::Run() {
  EndGroup();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &m_dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &m_dialog, [this] { TryAccept(); });
  QObject::connect(buttons, &QDialogButtonBox::rejected, &m_dialog, &QDialog::reject);
  m_pOuterLayout->addWidget(buttons);
  FitToScreen();
  if (m_dialog.exec() != QDialog::Accepted) return false;
  for (auto& [edit, field] : m_fields) field(true);
  for (auto& store : m_stores) store();
  return true;
}
