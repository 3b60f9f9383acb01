// The widgets of the hull, net and cut dialogs (their data:
// editing/dialogs/solids/polyhedrondialogs.h).
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include "editing/dialogs/solids/polyhedrondialogs.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {

QStringList Items(const char* const* texts, int count) {
  QStringList items;
  for (int i = 0; i < count; ++i) items << QString::fromUtf8(texts[i]);
  return items;
}

void AddDisplayModes(CInputForm& form, int& member) {
  form.AddChoice({kTextHullDisplayModes[0], kTextHullDisplayModes[1], kTextHullDisplayModes[2]}, member);
}

const CDialogWidget<CDlgPolyhedron> hullWidget([](CDlgPolyhedron& data, QWidget* parent) {
  CInputForm form(parent, data.Caption());
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextHullHead), &form.Dialog()));
  QComboBox* sets =
      form.AddList(kTextVertexSet, Items(kTextVertexSets, CDlgPolyhedron::kVertexSets), data.m_nVertexSet);
  sets->setObjectName(QStringLiteral("vertexSet"));
  sets->setEnabled(data.VertexSetEnabled());
  form.AddText(kTextLabel, data.m_strLabel);
  AddDisplayModes(form, data.m_nDisplay);
  form.AddCheck(kTextHideObject, data.m_bHideObject);
  return form.Run();
});

const CDialogWidget<CDlgFold> foldWidget([](CDlgFold& data, QWidget* parent) {
  CInputForm form(parent, kCaptionFold);
  AddDisplayModes(form, data.m_nDisplay);
  form.AddChoice(kTextUnfoldBox, kTextUnfoldModes, 2, data.m_nUnfolding);
  form.AddText(kTextLabel, data.m_strLabel);
  form.AddCheck(kTextHideObject, data.m_bHideObject);
  return form.Run();
});

const CDialogWidget<CDlgSplit> splitWidget([](CDlgSplit& data, QWidget* parent) {
  CInputForm form(parent, data.Caption());
  QLineEdit* count =
      form.AddInteger(kTextPlaneCount, data.m_nPlanes, CDlgSplit::kMinPlanes, CDlgSplit::kMaxPlanes);
  count->setEnabled(data.CountEditable());
  QString info = data.m_strInfo;
  form.AddText("", info)->setReadOnly(true);
  form.AddText(kTextLabel, data.m_strLabel);
  AddDisplayModes(form, data.m_nDisplay);
  // The edit shows the shift as a float; an untouched one keeps the
  // member's full precision.
  const float shown = static_cast<float>(data.m_dShift);
  float shift = shown;
  form.AddNumber(kTextSplitShift, shift);
  if (!form.Run()) return false;
  if (shift != shown) data.m_dShift = shift;
  return true;
});

}  // namespace
