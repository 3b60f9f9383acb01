// The widgets of the transformation dialogs (their data and enabling rules:
// editing/dialogs/transform/transformdialogs.h).  Descriptions of the
// marked elements are read-only; number fields are refused as every input
// form refuses them, and the dialog then stays open.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QStringList>
#include <vector>

#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/inputdialogtexts.h"
#include "editing/dialogs/transform/transformdialogs.h"
#include "editing/dialogs/transform/transformdialogtexts.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
QLineEdit* AddDescription(CInputForm& form, const QString& text, const char* name) {
  auto* edit = new QLineEdit(text, &form.Dialog());
  edit->setReadOnly(true);
  edit->setObjectName(QString::fromLatin1(name));
  form.Form().addRow(edit);
  return edit;
}

void EnableAll(const std::vector<QLineEdit*>& fields, bool on) {
  for (QLineEdit* field : fields) field->setEnabled(on);
}

// Calls `click` with the radio's value on every click of the group.
template <class F>
void OnClick(QButtonGroup* group, F click) {
  QObject::connect(group, &QButtonGroup::idClicked, group, click);
}

const CDialogWidget<CDlgTransTranslate> translateWidget([](CDlgTransTranslate& data, QWidget* parent) {
  CInputForm form(parent, kTextTranslateCaption);
  QButtonGroup* choice = form.AddChoice({kTextTranslateChoices[0], kTextTranslateChoices[1]}, data.m_nChoice);
  AddDescription(form, data.m_strMarked, "marked");
  const std::vector<QLineEdit*> fields = {form.AddNumber(kTextAxisLabels[0], data.m_fX),
                                          form.AddNumber(kTextAxisLabels[1], data.m_fY),
                                          form.AddNumber(kTextAxisLabels[2], data.m_fZ)};
  auto controls = data.Opening();
  choice->button(CDlgTransTranslate::kMarked)->setEnabled(controls.markedRadio);
  EnableAll(fields, controls.fields);
  OnClick(choice, [fields, controls](int id) mutable {
    CDlgTransTranslate::Click(id, controls);
    EnableAll(fields, controls.fields);
  });
  return form.Run();
});

const CDialogWidget<CDlgTransRotate> rotateWidget([](CDlgTransRotate& data, QWidget* parent) {
  using Dlg = CDlgTransRotate;
  CInputForm form(parent, kTextRotateCaption);
  QButtonGroup* axis = form.AddChoice(kTextRotateAxisBox, kTextRotateAxisChoices, 3, data.m_nAxisChoice);
  AddDescription(form, data.m_strAxis, "axis");
  AddDescription(form, data.m_strCentre, "centre");
  std::vector<QLineEdit*> axisFields;
  float* const direction[3] = {&data.m_fVx, &data.m_fVy, &data.m_fVz};
  float* const point[3] = {&data.m_fPx, &data.m_fPy, &data.m_fPz};
  for (int i = 0; i < 3; ++i) axisFields.push_back(form.AddNumber(kTextRotateDirectionLabels[i], *direction[i]));
  for (int i = 0; i < 3; ++i) axisFields.push_back(form.AddNumber(kTextRotatePointLabels[i], *point[i]));
  QButtonGroup* angle = form.AddChoice(kTextRotateAngleBox, kTextRotateAngleChoices, 2, data.m_nAngleChoice);
  AddDescription(form, data.m_strAngle, "angle");
  QLineEdit* degrees = form.AddNumber(kTextDegreesUnit, data.m_fDegrees, -kMaxTypedDegrees, kMaxTypedDegrees);

  CRotateControls controls = data.Opening();
  for (int id = 0; id < 3; ++id) axis->button(id)->setEnabled(controls.axisRadio[id]);
  EnableAll(axisFields, controls.axisFields);
  angle->button(Dlg::kMarkedAngle)->setEnabled(controls.markedAngleRadio);
  degrees->setEnabled(controls.angleField);
  OnClick(axis, [axisFields, controls](int id) mutable {
    Dlg::ClickAxis(id, controls);
    EnableAll(axisFields, controls.axisFields);
  });
  OnClick(angle, [degrees, controls](int id) mutable {
    Dlg::ClickAngle(id, controls);
    degrees->setEnabled(controls.angleField);
  });
  return form.Run();
});

const CDialogWidget<CDlgTransScale> scaleWidget([](CDlgTransScale& data, QWidget* parent) {
  CInputForm form(parent, kTextScaleCaption);
  QButtonGroup* choice = form.AddChoice(kTextScaleBox, kTextScaleChoices, 2, data.m_nChoice);
  AddDescription(form, data.m_strRatio, "ratio");
  QLineEdit* factor = form.AddNumber("", data.m_fFactor);
  AddDescription(form, data.m_strCentre, "centre");
  CScaleControls controls = data.Opening();
  choice->button(CDlgTransScale::kMarked)->setEnabled(controls.markedRadio);
  factor->setEnabled(controls.factorField);
  OnClick(choice, [factor, controls](int id) mutable {
    CDlgTransScale::Click(id, controls);
    factor->setEnabled(controls.factorField);
  });
  return form.Run();
});

const CDialogWidget<CDlgTransDeflect> deflectWidget([](CDlgTransDeflect& data, QWidget* parent) {
  using Dlg = CDlgTransDeflect;
  CInputForm form(parent, kTextDeflectCaption);
  QButtonGroup* choice = form.AddChoice(
      {kTextDeflectChoices[0], kTextDeflectChoices[1], kTextDeflectChoices[2], kTextDeflectChoices[3]}, data.m_nChoice);
  AddDescription(form, data.m_strPoint, "point");
  AddDescription(form, data.m_strAxis, "axis");
  AddDescription(form, data.m_strFace, "face");
  QStringList items;
  for (const char* item : kTextReflectElements) items << QString::fromUtf8(item);
  int position = Dlg::ListPosition(data.m_nMask);
  QComboBox* list = form.AddList("", items, position);
  // The data is the dialog's own copy: a chosen entry is stored at once.
  QObject::connect(list, &QComboBox::activated, list, [&data](int index) { data.ChooseElement(index); });
  CDeflectControls controls = data.Opening();
  for (int id = Dlg::kPoint; id <= Dlg::kFace; ++id) choice->button(id)->setEnabled(controls.radio[id]);
  list->setEnabled(controls.list);
  OnClick(choice, [list, controls](int id) mutable {
    Dlg::Click(id, controls);
    list->setEnabled(controls.list);
  });
  return form.Run();
});
}  // namespace
