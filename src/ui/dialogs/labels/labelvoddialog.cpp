// The widgets of a caption's label dialog (its data:
// editing/dialogs/labels/labeldialogs.h).  The two choices decide what can
// be edited: nothing for the automatic label, the name's edit for a custom
// label in text form, the formula dialog's button for one in formula form.
#include <QButtonGroup>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "editing/dialogs/labels/labeldialogs.h"
#include "editing/dialogs/labels/labeldialogtexts.h"
#include "formula/control/formuladialogs.h"
#include "platform/notifier.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
using Data = CDlgLabelVod;

// The formula dialog reads the mark-up in the tree's own font, on white.
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kLabelFontMode = 2;

void ShowEditable(QButtonGroup* format, QButtonGroup* kind, QLineEdit* edit, QPushButton* formula) {
  const bool custom = kind->checkedId() == Data::CUSTOM;
  const bool asFormula = format->checkedId() == Data::FORMULA;
  edit->setVisible(custom && !asFormula);
  formula->setVisible(custom && asFormula);
}

// The formula dialog on the mark-up; a formula written there replaces it.
void EditMarkup(QString& markup) {
  CVodDlg vod;
  vod.m_strVod = markup;
  vod.m_crBack = kWhite;
  vod.m_nFontMode = kLabelFontMode;
  if (DialogProvider().DoModal(vod) == IDOK && !vod.m_bEmpty && !vod.m_strVod.isEmpty()) markup = vod.m_strVod;
}

const CDialogWidget<Data> widget([](Data& data, QWidget* parent) {
  CInputForm form(parent, kCaptionLabelDialog);
  QButtonGroup* format = form.AddChoice({kTextTextForm, kTextFormulaForm}, data.m_nFormat);
  QButtonGroup* kind = form.AddChoice({kTextAutomaticLabel, kTextCustomLabel}, data.m_nKind);
  QLineEdit* edit = form.AddText("", data.m_strLabel);
  edit->setObjectName(QStringLiteral("label"));
  auto* formula = new QPushButton(QString::fromUtf8(kTextEditFormula), &form.Dialog());
  form.Form().addRow(formula);
  // The runner works on a copy of the command's data, so the mark-up is
  // written straight into it: Cancel drops the copy.
  QObject::connect(formula, &QPushButton::clicked, &form.Dialog(), [&data] { EditMarkup(data.m_strVod); });
  for (QButtonGroup* group : {format, kind})
    QObject::connect(group, &QButtonGroup::idClicked, &form.Dialog(),
                     [format, kind, edit, formula] { ShowEditable(format, kind, edit, formula); });
  ShowEditable(format, kind, edit, formula);
  return form.Run();
});
}  // namespace
