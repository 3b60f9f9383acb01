// The widgets of the property dialogs of points, lines, faces, circles and
// solids (their data and enabling rules: editing/dialogs/properties/
// primitivedialogs.h).  Each is a form of fields exchanged on OK; a radio
// click re-evaluates the lists and edits that depend on it.
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "editing/dialogs/inputdialogs.h"
#include "editing/dialogs/properties/primitivedialogs.h"
#include "editing/dialogs/properties/propertydialogtexts.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QStringList Items(const char* const* texts, int count) {
  QStringList items;
  for (int i = 0; i < count; ++i) items << Text(texts[i]);
  return items;
}

QStringList TextureItems() {
  QStringList items{Text(kTextNoTexture)};
  for (int i = 1; i < kTextureListItems; ++i) items << Text(kTextTextureItem).arg(i);
  return items;
}

template <class T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

void AddDescription(CInputForm& form, const QString& description) {
  form.Form().addRow(Text(kTextDescriptionLabel), Named(new QLabel(description, &form.Dialog()), "description"));
}

void AddCommon(CInputForm& form, CPropertyCommon& data) {
  AddDescription(form, data.m_strDescription);
  Named(form.AddText(kTextLabelLabel, data.m_strLabel), "label");
  form.AddCheck(kTextHideLabel, data.m_bHideLabel);
  form.AddCheck(kTextHideObject, data.m_bHideObject);
}

// Runs `update` now and after every click in each group.
void Follow(std::initializer_list<QButtonGroup*> groups, const std::function<void()>& update) {
  for (QButtonGroup* group : groups) QObject::connect(group, &QButtonGroup::idClicked, group, update);
  update();
}

bool RunPointDialog(CDlgPropertyPoint& data, QWidget* parent) {
  CInputForm form(parent, kTextPointPropertyCaption);
  AddCommon(form, data);
  form.Form().addRow(new QLabel(Text(kTextCoordinates), &form.Dialog()));
  const CDlgPropertyPoint::Controls c = data.ControlStates();
  float* axes[3] = {&data.m_x, &data.m_y, &data.m_z};
  const char* axisNames[3] = {"x", "y", "z"};
  for (int i = 0; i < 3; ++i) {
    QLineEdit* edit = Named(form.AddNumber(kTextAxes[i], *axes[i]), axisNames[i]);
    edit->setReadOnly(i < 2 ? !c.xyEditable : !c.zEditable);
  }
  auto* caption = Named(new QLineEdit(data.m_strValueCaption, &form.Dialog()), "valueCaption");
  caption->setReadOnly(true);
  form.Form().addRow(caption);
  QLineEdit* value1 = Named(data.m_bValue1Degrees ? form.AddNumber("", data.m_fValue1, -kMaxTypedDegrees, kMaxTypedDegrees)
                                                  : form.AddNumber("", data.m_fValue1),
                            "value1");
  value1->setEnabled(c.value1Enabled);
  value1->setReadOnly(!c.value1Editable);
  QLineEdit* value2 = Named(form.AddNumber("", data.m_fValue2), "value2");
  value2->setHidden(!c.value2Shown);
  value2->setReadOnly(!c.value2Editable);
  QLineEdit* value3 = Named(form.AddNumber("", data.m_fValue3), "value3");
  value3->setHidden(!c.value3Shown);
  value3->setReadOnly(!c.value3Editable);
  Named(form.AddNumber(kTextPointSize, data.m_fSize, CDlgPropertyPoint::kMinSize, CDlgPropertyPoint::kMaxSize), "size");
  form.AddChoice(kTextDisplayMode, kTextPointShapes, 3, data.m_nShape);
  form.AddChoice("", kTextPointVisibility, 2, data.m_nVisibility);
  form.AddCheck(kTextApplyToPagePoints, data.m_bApplyToPage);
  return form.Run();
}

bool RunLineDialog(CDlgPropertyLine& data, QWidget* parent) {
  CInputForm form(parent, kTextLinePropertyCaption);
  AddCommon(form, data);
  QButtonGroup* modes = form.AddChoice(kTextDisplayMode, kTextLineModes, 5, data.m_nDisplayMode);
  form.AddChoice(kTextLineKind, kTextLineKinds, 4, data.m_nLineKind);
  Named(form.AddNumber(kTextLineWidth, data.m_fWidth, CDlgPropertyLine::kMinWidth, CDlgPropertyLine::kMaxWidth), "width");
  form.AddCheck(kTextApplyToPageLines, data.m_bApplyToPage);
  QComboBox* dashes = Named(form.AddList(kTextDashPattern, Items(kTextDashPatterns, 6), data.m_nDashPattern), "dashes");
  Follow({modes}, [=] { dashes->setEnabled(CDlgPropertyLine::DashListEnabled(modes->checkedId())); });
  return form.Run();
}

bool RunFaceDialog(CDlgPropertyFace& data, QWidget* parent) {
  CInputForm form(parent, kTextFacePropertyCaption);
  AddCommon(form, data);
  QButtonGroup* modes = form.AddChoice(kTextDisplayMode, kTextFaceModes, 5, data.m_nDisplayMode);
  form.AddCheck(kTextApplyToPageFaces, data.m_bApplyToPage);
  QComboBox* textures = Named(form.AddList(kTextFaceTexture, TextureItems(), data.m_nTexture), "textures");
  QComboBox* patterns = Named(form.AddList("", Items(kTextFillPatterns, 16), data.m_nFillPattern), "patterns");
  Follow({modes}, [=] {
    textures->setEnabled(CDlgPropertyFace::TextureListEnabled(modes->checkedId()));
    patterns->setEnabled(CDlgPropertyFace::PatternListEnabled(modes->checkedId()));
  });
  return form.Run();
}

bool RunCircleDialog(CDlgPropertyCircle& data, QWidget* parent) {
  CInputForm form(parent, kTextCirclePropertyCaption);
  AddCommon(form, data);
  QButtonGroup* kinds = form.AddChoice(kTextCircleKind, kTextCircleKinds, 5, data.m_nKind);
  QButtonGroup* range = form.AddChoice(kTextArcDegrees, kTextArcRangeModes, 2, data.m_nRangeMode);
  QLineEdit* start = Named(form.AddNumber(kTextArcFrom, data.m_fStart, -kMaxTypedDegrees, kMaxTypedDegrees), "start");
  QLineEdit* end = Named(form.AddNumber(kTextArcTo, data.m_fEnd, -kMaxTypedDegrees, kMaxTypedDegrees), "end");
  Named(form.AddNumber(kTextCircleWidth, data.m_fWidth, CDlgPropertyCircle::kMinWidth, CDlgPropertyCircle::kMaxWidth),
        "width");
  QButtonGroup* modes = form.AddChoice(kTextDisplayMode, kTextCircleModes, 6, data.m_nDisplayMode);
  QComboBox* textures = Named(form.AddList(kTextCircleTexture, TextureItems(), data.m_nTexture), "textures");
  Follow({range}, [=] {
    start->setEnabled(CDlgPropertyCircle::ArcEditsEnabled(range->checkedId()));
    end->setEnabled(CDlgPropertyCircle::ArcEditsEnabled(range->checkedId()));
  });
  Follow({kinds, modes}, [=] {
    textures->setEnabled(CDlgPropertyCircle::TextureListEnabled(kinds->checkedId(), modes->checkedId()));
  });
  return form.Run();
}

bool RunSolidDialog(CDlgPropertySolid& data, QWidget* parent) {
  CInputForm form(parent, kTextSolidPropertyCaption);
  AddDescription(form, data.m_strDescription);
  form.AddCheck(kTextHideObject, data.m_bHideObject);
  QButtonGroup* modes = form.AddChoice(kTextDisplayMode, kTextSolidModes, 4, data.m_nDisplayMode);
  QComboBox* textures = Named(form.AddList(kTextSolidTexture, TextureItems(), data.m_nTexture), "textures");
  Follow({modes}, [=] { textures->setEnabled(CDlgPropertySolid::TextureListEnabled(modes->checkedId())); });
  return form.Run();
}

const CDialogWidget<CDlgPropertyPoint> pointWidget(RunPointDialog);
const CDialogWidget<CDlgPropertyLine> lineWidget(RunLineDialog);
const CDialogWidget<CDlgPropertyFace> faceWidget(RunFaceDialog);
const CDialogWidget<CDlgPropertyCircle> circleWidget(RunCircleDialog);
const CDialogWidget<CDlgPropertySolid> solidWidget(RunSolidDialog);
}  // namespace
