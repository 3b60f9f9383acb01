#include "ui/editors/editorpages.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/notifier.h"
#include "platform/numberformat.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/editors/editortexts.h"

namespace {
constexpr int kPageStep = 100;
constexpr int kShininessMax = 128;
constexpr const char* kScrollFormat = "%.2f";

constexpr CSliderPage::Scale kColourScale{1000, 100, 1000.0f, 0.0f, "%.2f"};
constexpr CSliderPage::Scale kPositionScale{2000, 200, 1.0f, 1000.0f, "%.1f"};

// A number typed by the user, when it is one and lies within lowest..highest.
bool ParseTyped(const QString& text, double lowest, double highest, double* value) {
  bool ok = false;
  const double typed = QLocale::c().toDouble(text.trimmed(), &ok);
  if (!ok || !std::isfinite(typed) || typed < lowest || typed > highest) return false;
  *value = typed;
  return true;
}
}  // namespace

CSliderPage::CSliderPage(const Scale& scale, const char* const labels[3], QWidget* parent)
    : CPropertyPage(parent), m_scale(scale) {
  auto* grid = new QGridLayout(this);
  for (int i = 0; i < 3; ++i) {
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setRange(0, scale.maximum);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(scale.tick);
    slider->setPageStep(kPageStep);
    auto* edit = new QLineEdit(this);
    edit->setMaximumWidth(90);
    grid->addWidget(new QLabel(QString::fromUtf8(labels[i]), this), i, 0);
    grid->addWidget(slider, i, 1);
    grid->addWidget(edit, i, 2);
    connect(slider, &QSlider::valueChanged, this, [this, i](int position) { OnScroll(i, position); });
    connect(edit, &QLineEdit::textEdited, this, [this, i] {
      m_typed[i] = true;
      emit modified();
    });
    connect(edit, &QLineEdit::editingFinished, this, [this, i] { TakeTyped(i); });
    m_sliders[i] = slider;
    m_edits[i] = edit;
  }
  grid->setRowStretch(3, 1);
}

int CSliderPage::Position(float value) const {
  return static_cast<int>(value * m_scale.scale + m_scale.offset);
}

void CSliderPage::ShowValue(int i, const char* format) {
  m_edits[i]->setText(FormatNumber(format, m_fValue[i]));
  m_typed[i] = false;
}

void CSliderPage::SetValues(const std::array<float, 4>& values) {
  m_fValue = values;
  for (int i = 0; i < 3; ++i) {
    const bool blocked = m_sliders[i]->blockSignals(true);
    m_sliders[i]->setValue(Position(values[i]));
    m_sliders[i]->blockSignals(blocked);
    ShowValue(i, m_scale.startFormat);
  }
}

void CSliderPage::OnScroll(int i, int position) {
  m_fValue[i] = (static_cast<float>(position) - m_scale.offset) / m_scale.scale;
  ShowValue(i, kScrollFormat);
  emit modified();
}

void CSliderPage::TakeTyped(int i) {
  if (!m_typed[i]) return;
  m_typed[i] = false;
  const double lowest = -m_scale.offset / m_scale.scale;
  const double highest = (m_scale.maximum - m_scale.offset) / m_scale.scale;
  double typed = 0;
  if (!ParseTyped(m_edits[i]->text(), lowest, highest, &typed)) {
    ShowValue(i, kScrollFormat);
    return;
  }
  m_fValue[i] = static_cast<float>(typed);
  const bool blocked = m_sliders[i]->blockSignals(true);
  m_sliders[i]->setValue(Position(m_fValue[i]));
  m_sliders[i]->blockSignals(blocked);
}

bool CSliderPage::TakeTypedValues() {
  for (int i = 0; i < 3; ++i) TakeTyped(i);
  return true;
}

CEditor::CEditor(QWidget* parent) : CSliderPage(kColourScale, kColorLabels, parent) {}

CEditPos::CEditPos(QWidget* parent) : CSliderPage(kPositionScale, kPositionLabels, parent) {}

CShineEdit::CShineEdit(QWidget* parent)
    : CPropertyPage(parent), m_pEdit(new QLineEdit(this)), m_pUp(new QToolButton(this)), m_pDown(new QToolButton(this)) {
  m_pUp->setArrowType(Qt::UpArrow);
  m_pDown->setArrowType(Qt::DownArrow);
  m_pEdit->setMaximumWidth(90);
  connect(m_pUp, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(m_pDown, &QToolButton::clicked, this, [this] { Step(-1); });
  connect(m_pEdit, &QLineEdit::textEdited, this, &CPropertyPage::modified);
  connect(m_pEdit, &QLineEdit::editingFinished, this, &CShineEdit::TakeTypedValues);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QString::fromUtf8(kTextShininessLabel), this));
  row->addWidget(m_pEdit);
  row->addWidget(m_pUp);
  row->addWidget(m_pDown);
  row->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(new QLabel(QString::fromUtf8(kTextShininessNote), this));
  layout->addStretch();
}

void CShineEdit::SetShininess(int shininess) {
  m_nShininess = shininess;
  m_pEdit->setText(QString::number(shininess));
}

void CShineEdit::Step(int delta) {
  TakeTypedValues();  // a refused text gives way to the last value stepped
  SetShininess(std::clamp(m_nShininess + delta, 0, kShininessMax));
  emit modified();
}

bool CShineEdit::TakeTypedValues() {
  bool ok = false;
  const int typed = m_pEdit->text().trimmed().toInt(&ok);
  if (!ok || typed < 0 || typed > kShininessMax) return false;
  SetShininess(typed);
  return true;
}

void CShineEdit::ShowRefusal() {
  KvMessageBox(RangeMessage(0, kShininessMax, true), QString(), MB_OK | MB_ICONWARNING);
  m_pEdit->setFocus();
  m_pEdit->selectAll();
}
