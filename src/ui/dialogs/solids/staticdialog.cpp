// The positioning-diagram dialog (data: editing/dialogs/solids/staticdialog.h):
// the kind's list enables the edits the kind reads; typing into the kind's
// field leaves only the centre to choose, for a cube of edge 10.
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <array>

#include "editing/dialogs/solids/staticdialog.h"
#include "editing/dialogs/solids/staticdialogtexts.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {

// The edits the kind decides on: length, width, height, edges, radius,
// ratio, then the axis's three.
using KindEdits = std::array<QLineEdit*, 9>;

void Enable(const KindEdits& edits, int kind) {
  const CStaticKindInputs in = CDlgStaticKavrel::Enabled(kind);
  const bool on[9] = {in.length, in.width, in.height, in.edges, in.radius, in.ratio, in.axis, in.axis, in.axis};
  for (size_t i = 0; i < edits.size(); ++i) edits[i]->setEnabled(on[i]);
}

QLineEdit* Named(QLineEdit* edit, const char* name) {
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

bool RunStaticDialog(CDlgStaticKavrel& data, QWidget* parent) {
  CInputForm form(parent, kTextStaticCaption);
  QStringList kinds;
  for (const char* text : kTextStaticKinds) kinds << QString::fromUtf8(text);
  QComboBox* kind = form.AddList(kTextStaticKindLabel, kinds, data.m_nKind);
  kind->setObjectName(QStringLiteral("kind"));
  kind->setEditable(true);
  kind->setInsertPolicy(QComboBox::NoInsert);

  const float lo = kStaticMinSize, hi = kStaticMaxSize;
  KindEdits edits{};
  form.BeginGroup(kTextStaticSizeGroup);
  edits[0] = Named(form.AddNumber(kTextStaticLength, data.m_fLength, lo, hi), "length");
  edits[1] = Named(form.AddNumber(kTextStaticWidth, data.m_fWidth, lo, hi), "width");
  edits[2] = Named(form.AddNumber(kTextStaticHeight, data.m_fHeight, lo, hi), "height");
  edits[3] = Named(form.AddInteger(kTextStaticEdges, data.m_nEdges, kStaticMinEdges, kStaticMaxEdges), "edges");
  edits[4] = Named(form.AddNumber(kTextStaticRadius, data.m_fRadius, lo, hi), "radius");
  edits[5] = Named(form.AddNumber(kTextStaticRatio, data.m_fRatio, lo, hi), "ratio");
  form.BeginGroup(kTextStaticCentreGroup);
  QLineEdit* centreX = Named(form.AddNumber(kTextStaticXyz[0], data.m_fCenterX), "centreX");
  Named(form.AddNumber(kTextStaticXyz[1], data.m_fCenterY), "centreY");
  Named(form.AddNumber(kTextStaticXyz[2], data.m_fCenterZ), "centreZ");
  form.BeginGroup(kTextStaticAxisGroup);
  edits[6] = Named(form.AddNumber(kTextStaticXyz[0], data.m_fAxisX), "axisX");
  edits[7] = Named(form.AddNumber(kTextStaticXyz[1], data.m_fAxisY), "axisY");
  edits[8] = Named(form.AddNumber(kTextStaticXyz[2], data.m_fAxisZ), "axisZ");
  form.EndGroup();

  Enable(edits, kind->currentIndex());
  QObject::connect(kind, &QComboBox::currentIndexChanged, kind, [edits](int index) { Enable(edits, index); });
  QObject::connect(kind->lineEdit(), &QLineEdit::textEdited, kind, [kind, edits, centreX] {
    kind->setEditText(QString::fromUtf8(kTextStaticTypedKind));
    for (QLineEdit* edit : edits) edit->setEnabled(false);
    centreX->setFocus();
  });
  if (!form.Run()) return false;
  // A typed text names no kind: the command then makes the cube of edge 10.
  data.m_nKind = kind->findText(kind->currentText(), Qt::MatchExactly);
  return true;
}

const CDialogWidget<CDlgStaticKavrel> staticWidget(RunStaticDialog);

}  // namespace
