// The widgets of the page dialog (its data:
// editing/dialogs/properties/pagepropertydialog.h).  The unit length has an
// edit and a slider that follow each other: the slider writes the edit as
// it moves, leaving the edit moves the slider, "默认" sets both.
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "editing/dialogs/properties/pagepropertydialog.h"
#include "editing/properties/propertytexts.h"
#include "ui/colors/colorpalettewnd.h"
#include "ui/colors/colorpicker.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
using Data = CDlgPageProperty;

QColor QColorOf(COLORREF word) { return QColor(word & 0xFF, (word >> 8) & 0xFF, (word >> 16) & 0xFF); }
COLORREF WordOf(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

QSlider* UnitSlider(QWidget* parent, int position) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(QStringLiteral("unitSlider"));
  slider->setRange(Data::kMinUnitLength, Data::kMaxUnitLength);
  slider->setPageStep(Data::kSliderPageStep);
  slider->setSingleStep(1);
  slider->setValue(position);
  return slider;
}

// The slider and the edit keep each other's value; the edit's text moves
// the slider only once it reads as a length in range.
void CoupleUnitControls(QLineEdit* edit, QSlider* slider, QPushButton* reset) {
  QObject::connect(slider, &QSlider::valueChanged, edit, [edit](int value) { edit->setText(QString::number(value)); });
  QObject::connect(edit, &QLineEdit::editingFinished, slider, [edit, slider] {
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    if (ok && value >= Data::kMinUnitLength && value <= Data::kMaxUnitLength) slider->setValue(value);
  });
  QObject::connect(reset, &QPushButton::clicked, slider, [edit, slider] {
    slider->setValue(Data::kDefaultUnitLength);
    edit->setText(QString::number(Data::kDefaultUnitLength));
  });
}

const CDialogWidget<Data> widget([](Data& data, QWidget* parent) {
  CInputForm form(parent, kCaptionPageProperty);
  auto* colour = new CColorPicker(&form.Dialog());
  colour->setObjectName(QStringLiteral("background"));
  colour->SetColor(QColorOf(data.m_crBackground));
  form.Form().addRow(QString::fromUtf8(kTextBackground), colour);
  QLineEdit* unit =
      form.AddInteger(kTextUnitLengthBox, data.m_nUnitLength, Data::kMinUnitLength, Data::kMaxUnitLength);
  // The length is read in pixels: the unit follows the edit on its row.
  const QFormLayout::TakeRowResult taken = form.Form().takeRow(unit);
  delete taken.labelItem->widget();
  delete taken.labelItem;
  delete taken.fieldItem;
  auto* unitRow = new QHBoxLayout;
  unitRow->addWidget(unit);
  unitRow->addWidget(new QLabel(QString::fromUtf8(kTextPixels), &form.Dialog()));
  form.Form().addRow(QString::fromUtf8(kTextUnitLengthBox), unitRow);
  QSlider* slider = UnitSlider(&form.Dialog(), data.m_nUnitLength);
  auto* reset = new QPushButton(QString::fromUtf8(kTextDefault), &form.Dialog());
  auto* sliderRow = new QHBoxLayout;
  sliderRow->addWidget(slider, 1);
  sliderRow->addWidget(reset);
  form.Form().addRow(sliderRow);
  CoupleUnitControls(unit, slider, reset);
  form.AddText(kTextPageName, data.m_strPageName);
  form.AddCheck(kTextDashedHidden, data.m_bDashedHidden);
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextDirectionBox), &form.Dialog()));
  form.AddChoice({kTextYReversed, kTextYSame, kTextXReversed}, data.m_nDirection);
  if (!form.Run()) return false;
  data.m_nSliderPos = slider->value();
  data.m_crBackground = WordOf(colour->Color());
  return true;
});
}  // namespace
