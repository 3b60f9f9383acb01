// The widgets of the custom colour, opacity, weight and point-label
// dialogs.
#include <QCheckBox>
#include <algorithm>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

#include "editing/dialogs/display/displaydialogs.h"
#include "editing/dialogs/display/displaydialogtexts.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
QDialogButtonBox* AddButtons(QDialog& dialog, QVBoxLayout& layout) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout.addWidget(buttons);
  return buttons;
}

const CDialogWidget<CDlgCustomColor> colorWidget([](CDlgCustomColor& data, QWidget* parent) {
  const COLORREF word = data.m_crColor;
  const QColor chosen = QColorDialog::getColor(QColor(word & 0xFF, (word >> 8) & 0xFF, (word >> 16) & 0xFF), parent);
  if (!chosen.isValid()) return false;
  data.m_crColor = static_cast<COLORREF>(chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16));
  return true;
});

const CDialogWidget<CDlgAlpha> alphaWidget([](CDlgAlpha& data, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf8(kCaptionAlpha));
  auto* layout = new QVBoxLayout(&dialog);
  auto* slider = new QSlider(Qt::Horizontal, &dialog);
  slider->setObjectName(QStringLiteral("opacity"));
  slider->setRange(0, 100);
  slider->setValue(data.m_nOpacity);
  auto* text = new QLineEdit(data.m_strText, &dialog);
  text->setObjectName(QStringLiteral("opacityText"));
  text->setReadOnly(true);
  QObject::connect(slider, &QSlider::valueChanged, text, [text](int value) { text->setText(OpacityText(value)); });
  layout->addWidget(slider);
  layout->addWidget(text);
  AddButtons(dialog, *layout);
  if (dialog.exec() != QDialog::Accepted) return false;
  data.m_nOpacity = slider->value();
  data.m_strText = text->text();
  return true;
});

const CDialogWidget<CDlgWeight> weightWidget([](CDlgWeight& data, QWidget* parent) {
  CInputForm form(parent, kCaptionWeight);
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextWeightPrompt), &form.Dialog()));
  form.AddNumber("", data.m_fWeight, CDlgWeight::kLow, CDlgWeight::kHigh);
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextWeightRanges), &form.Dialog()));
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextWeightSteps), &form.Dialog()));
  return form.Run();
});

const CDialogWidget<CDlgLabel> labelWidget([](CDlgLabel& data, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf8(kCaptionLabelPoints));
  auto* layout = new QVBoxLayout(&dialog);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QString::fromUtf8(kTextStartLabel), &dialog));
  auto* letter = new QComboBox(&dialog);
  letter->setObjectName(QStringLiteral("letter"));
  letter->addItems(LabelLetters());
  letter->setCurrentIndex(std::max(0, static_cast<int>(letter->findText(data.m_strLetter))));
  auto* suffix = new QComboBox(&dialog);
  suffix->setObjectName(QStringLiteral("suffix"));
  suffix->addItems(LabelSuffixes());
  suffix->setCurrentIndex(std::max(0, static_cast<int>(suffix->findText(data.m_strSuffix))));
  row->addWidget(letter);
  row->addWidget(suffix);
  layout->addLayout(row);
  auto* show = new QCheckBox(QString::fromUtf8(kTextShowAllLabels), &dialog);
  show->setChecked(data.m_bShowLabels != 0);
  layout->addWidget(show);
  layout->addWidget(new QLabel(QString::fromUtf8(kTextLabelExample), &dialog));
  AddButtons(dialog, *layout);
  if (dialog.exec() != QDialog::Accepted) return false;
  data.m_strLetter = letter->currentText();
  data.m_strSuffix = suffix->currentText();
  data.m_bShowLabels = show->isChecked() ? 1 : 0;
  return true;
});
}  // namespace
