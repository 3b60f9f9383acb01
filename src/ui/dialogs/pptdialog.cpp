// The widgets of the presentation import dialog (its data:
// editing/presentation/pptdialog.h).
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editing/presentation/pptdialog.h"
#include "ui/dialogs/dialogwidgets.h"

namespace {
QSpinBox* SlideBox(int value, const char* name, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QLatin1String(name));
  box->setRange(1, CDlgPPT::kMaxSlide);
  box->setValue(value);
  return box;
}

const CDialogWidget<CDlgPPT> widget([](CDlgPPT& data, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf8(kTextPptCaption));
  auto* column = new QVBoxLayout(&dialog);
  auto* sourceRow = new QHBoxLayout;
  sourceRow->addWidget(new QLabel(QString::fromUtf8(kTextPptSourceLabel), &dialog));
  auto* source = new QLineEdit(data.m_strSource, &dialog);
  source->setObjectName(QStringLiteral("source"));
  source->setReadOnly(true);
  sourceRow->addWidget(source);
  column->addLayout(sourceRow);
  auto* rangeRow = new QHBoxLayout;
  QSpinBox* from = SlideBox(data.m_nFrom, "from", &dialog);
  QSpinBox* to = SlideBox(data.m_nTo, "to", &dialog);
  rangeRow->addWidget(new QLabel(QString::fromUtf8(kTextPptRangeFrom), &dialog));
  rangeRow->addWidget(from);
  rangeRow->addWidget(new QLabel(QString::fromUtf8(kTextPptRangeTo), &dialog));
  rangeRow->addWidget(to);
  rangeRow->addWidget(new QLabel(QString::fromUtf8(kTextPptRangeEnd), &dialog));
  column->addLayout(rangeRow);
  auto* convert = new QCheckBox(QString::fromUtf8(kTextPptConvert), &dialog);
  convert->setObjectName(QStringLiteral("convert"));
  convert->setChecked(data.m_bConvert != 0);
  column->addWidget(convert);
  auto* help = new QPlainTextEdit(data.m_strHelp, &dialog);
  help->setReadOnly(true);
  column->addWidget(help);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  column->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  data.m_nFrom = from->value();
  data.m_nTo = to->value();
  data.m_bConvert = convert->isChecked() ? 1 : 0;
  return true;
});
}  // namespace
