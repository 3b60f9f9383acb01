// The texture picture dialog: which of the three textures, and its picture,
// chosen from a file or the built-in one.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/edittexts.h"
#include "platform/filechooser.h"
#include "ui/dialogs/dialogwidgets.h"
#include "view/tools/retexture.h"

namespace {
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

const CDialogWidget<CDlgReTextext> retextureWidget([](CDlgReTextext& data, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(Text("更换纹理图"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  auto* texture = new QComboBox(&dialog);
  texture->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
  texture->setCurrentIndex(data.m_nTexture);
  form->addRow(Text("纹理号："), texture);
  auto* image = new QLineEdit(data.m_strImage, &dialog);
  image->setReadOnly(true);
  form->addRow(Text("图像："), image);
  layout->addLayout(form);
  BOOL builtIn = data.m_bBuiltIn;
  auto* choose = new QPushButton(Text("置换新图像"), &dialog);
  QObject::connect(choose, &QPushButton::clicked, &dialog, [&] {
    const QString path = FileChooser().ChooseOpen(QString(), QtFileFilter(kFilterPictureFiles), QString());
    if (path.isEmpty()) return;
    image->setText(path);
    builtIn = 0;
  });
  auto* restore = new QPushButton(Text("恢复内置图"), &dialog);
  QObject::connect(restore, &QPushButton::clicked, &dialog, [&] {
    image->setText(BuiltInTexturePath(texture->currentIndex()));
    builtIn = 1;
  });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->addButton(choose, QDialogButtonBox::ActionRole);
  buttons->addButton(restore, QDialogButtonBox::ActionRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  data.m_nTexture = texture->currentIndex();
  data.m_bBuiltIn = builtIn;
  data.m_strImage = image->text();
  return true;
});
}  // namespace
