// The widgets of the small construction input dialogs (their data:
// editing/dialogs/inputdialogs.h).
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/inputdialogtexts.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
const CDialogWidget<CDlgVector> vectorWidget([](CDlgVector& data, QWidget* parent) {
  CInputForm form(parent, kTextVectorCaption);
  form.AddNumber(kTextAxisLabels[0], data.m_x);
  form.AddNumber(kTextAxisLabels[1], data.m_y);
  form.AddNumber(kTextAxisLabels[2], data.m_z);
  return form.Run();
});

const CDialogWidget<CDlgAngle> angleWidget([](CDlgAngle& data, QWidget* parent) {
  CInputForm form(parent, kTextAngleCaption);
  form.AddNumber(kTextAngleLabel, data.m_fAngle);
  form.AddChoice({kTextDegrees, kTextRadians}, data.m_nUnit);
  return form.Run();
});

const CDialogWidget<CDlgValue> valueWidget([](CDlgValue& data, QWidget* parent) {
  CInputForm form(parent, kTextValueCaption);
  form.AddNumber("", data.m_fValue);
  return form.Run();
});

const CDialogWidget<CDlgIntersectionNum> countWidget([](CDlgIntersectionNum& data, QWidget* parent) {
  CInputForm form(parent, kTextIntersectionNumCaption);
  auto* prompt = new QLabel(data.Prompt(), &form.Dialog());
  prompt->setObjectName(QStringLiteral("prompt"));
  form.Form().addRow(prompt);
  form.AddInteger(kTextIntersectionNumLabel, data.m_nCount, 0, CDlgIntersectionNum::kMaxCount);
  return form.Run();
});

const CDialogWidget<DlgDivPoint> divisionWidget([](DlgDivPoint& data, QWidget* parent) {
  CInputForm form(parent, kTextDivPointCaption);
  form.AddInteger(kTextDivNLabel, data.m_nN, DlgDivPoint::kMinN, DlgDivPoint::kMaxN);
  form.AddCheck(kTextOnlyFirst, data.m_bOnlyFirst);
  return form.Run();
});

const CDialogWidget<CDlgNumber> numberWidget([](CDlgNumber& data, QWidget* parent) {
  CInputForm form(parent, kTextNumberCaption);
  form.AddInteger("", data.m_nCount, CDlgNumber::kMinCount, CDlgNumber::kMaxCount);
  return form.Run();
});

const CDialogWidget<CDlgParameter> parameterWidget([](CDlgParameter& data, QWidget* parent) {
  CInputForm form(parent, kTextParameterCaption);
  const char* const* label = kTextParameterLabels;
  form.AddText(label[0], data.m_strName);
  form.AddNumber(label[1], data.m_fValue);
  form.AddCheck(label[2], data.m_bHideName);
  form.AddCheck(label[3], data.m_bShowSlider);
  form.AddNumber(label[4], data.m_fStart);
  form.AddNumber(label[5], data.m_fEnd);
  QCheckBox* integer = form.AddCheck(label[6], data.m_bInteger);
  QCheckBox* angle = form.AddCheck(label[7], data.m_bAngle);
  // The two boxes exclude each other: the data's rule decides, the boxes show it.
  const auto follow = [integer, angle](bool integerClicked) {
    CDlgParameter rule;
    rule.m_bInteger = integer->isChecked();
    rule.m_bAngle = angle->isChecked();
    integerClicked ? rule.SetInteger(rule.m_bInteger) : rule.SetAngle(rule.m_bAngle);
    integer->setChecked(rule.m_bInteger != 0);
    angle->setChecked(rule.m_bAngle != 0);
  };
  QObject::connect(integer, &QCheckBox::clicked, integer, [follow] { follow(true); });
  QObject::connect(angle, &QCheckBox::clicked, angle, [follow] { follow(false); });
  return form.Run();
});
}  // namespace
