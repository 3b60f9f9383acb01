// The widgets of the picture dialog (its data:
// editing/dialogs/properties/imagepropertydialog.h): the size text, the two
// zoom factors, and a button that puts both back to 1.
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editing/dialogs/properties/imagepropertydialog.h"
#include "editing/properties/propertytexts.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/dialogs/inputform.h"

namespace {
const CDialogWidget<CDlgImagePropy> widget([](CDlgImagePropy& data, QWidget* parent) {
  CInputForm form(parent, kCaptionImageProperty);
  auto* size = new QLabel(data.m_strSize, &form.Dialog());
  size->setObjectName(QStringLiteral("size"));
  form.Form().addRow(QString::fromUtf8(kTextSizeLabel), size);
  form.Form().addRow(new QLabel(QString::fromUtf8(kTextScaleHint), &form.Dialog()));
  QLineEdit* width = form.AddNumber(kTextWidthScale, data.m_fWidthScale);
  QLineEdit* height = form.AddNumber(kTextHeightScale, data.m_fHeightScale);
  auto* original = new QPushButton(QString::fromUtf8(kTextOriginalScale), &form.Dialog());
  QObject::connect(original, &QPushButton::clicked, &form.Dialog(), [width, height] {
    width->setText(QStringLiteral("1"));
    height->setText(QStringLiteral("1"));
  });
  form.Form().addRow(original);
  return form.Run();
});
}  // namespace
