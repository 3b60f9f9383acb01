// The widgets of the new-tool dialog (its data: editing/tooldialog.h).
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <limits>

#include "editing/tooldialog.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/tooldialogtexts.h"

namespace {
const CDialogWidget<CDlgTool> widget([](CDlgTool& data, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf8(kTextNewToolCaption));
  auto* form = new QFormLayout(&dialog);
  auto* name = new QLineEdit(&dialog);
  name->setObjectName(QStringLiteral("toolName"));
  name->setMaxLength(std::numeric_limits<int>::max());  // a name is kept whole, however long
  name->setText(data.m_strName);
  name->selectAll();
  form->addRow(QString::fromUtf8(kTextToolNameLabel), name);
  auto* script = new QCheckBox(QString::fromUtf8(kTextShowScriptView), &dialog);
  script->setObjectName(QStringLiteral("showScript"));
  script->setChecked(data.m_bShowScript != 0);
  form->addRow(script);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  data.m_strName = name->text();
  data.m_bShowScript = script->isChecked() ? 1 : 0;
  return true;
});
}  // namespace
