// The widgets of the 3DS model dialog (its data:
// editing/dialogs/models/model3dsdialog.h), in the order the dialog
// exchanges its members.
#include <QLineEdit>

#include "editing/dialogs/models/model3dsdialog.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {

const CDialogWidget<CDlg3ds> widget([](CDlg3ds& data, QWidget* parent) {
  CInputForm form(parent, kCaptionModel3ds);
  QString path = data.m_strFilePath;
  QLineEdit* file = form.AddText(kTextModelFile, path);
  file->setReadOnly(true);
  file->setObjectName(QStringLiteral("file"));
  form.BeginGroup(kTextModelCentre);
  form.AddNumber(kTextModelX, data.m_fX);
  form.AddNumber(kTextModelY, data.m_fY);
  form.AddNumber(kTextModelZ, data.m_fZ);
  form.EndGroup();
  const char* const modes[] = {kTextModelWire, kTextModelLit};
  form.AddChoice(kTextModelDisplay, modes, 2, data.m_nDisplayMode);
  form.AddNumber(kTextModelScale, data.m_fScale);
  form.AddCheck(kTextModelHide, data.m_bHidden);
  return form.Run();
});

}  // namespace
