#include "ui/richtext/paradialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>

#include "ui/dialogs/dialogwidgets.h"
#include "ui/richtext/richtexttexts.h"

namespace {

template <std::size_t N>
QComboBox* Choices(QWidget* parent, const char16_t* const (&texts)[N], int current, const char* name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QLatin1String(name));
  for (const char16_t* text : texts) box->addItem(QString::fromUtf16(text));
  box->setCurrentIndex(current);
  return box;
}

QDoubleSpinBox* Number(QWidget* parent, double value, double low, double high, int decimals, const char* suffix,
                       const char* name) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(QLatin1String(name));
  box->setRange(low, high);
  box->setDecimals(decimals);
  box->setSuffix(QLatin1String(suffix));
  box->setValue(value);
  return box;
}

}  // namespace

CFormatParaDlgWindow::CFormatParaDlgWindow(const ParaFormat& pf, QWidget* parent) : QDialog(parent), m_pf(pf) {
  setWindowTitle(QString::fromUtf16(kTextParaTitle));
  const ParaDialogValues v = ShowParaFormat(pf);
  m_align = Choices(this, kTextParaAlignments, v.alignment, "alignment");
  m_first = Number(this, v.firstCm, -55, 55, 1, " cm", "firstIndent");
  m_left = Number(this, v.leftCm, -55, 55, 1, " cm", "leftIndent");
  m_right = Number(this, v.rightCm, -55, 55, 1, " cm", "rightIndent");
  m_before = Number(this, v.beforePt, 0, 1584, 0, " pt", "spaceBefore");
  m_after = Number(this, v.afterPt, 0, 1584, 0, " pt", "spaceAfter");
  m_spacing = Choices(this, kTextParaSpacings, v.spacingEntry, "lineSpacing");
  m_value = Number(this, v.spacingValue, 0, 132, 1, "", "spacingValue");
  m_numbering = Choices(this, kTextParaNumberings, v.numberingKind, "numbering");
  m_style = Choices(this, kTextParaStyles, v.styleIndex, "numberingStyle");
  m_start = new QSpinBox(this);
  m_start->setObjectName(QStringLiteral("numberingStart"));
  m_start->setRange(0, 32767);
  m_start->setValue(v.start);
  m_tab = Number(this, v.tabCm, -100, 100, 2, " cm", "numberingTab");
  auto* form = new QFormLayout(this);
  QWidget* fields[] = {m_align, m_first, m_left, m_right, m_before, m_after,
                       m_spacing, m_value, m_numbering, m_style, m_start, m_tab};
  for (std::size_t i = 0; i < std::size(fields); ++i)
    form->addRow(QString::fromUtf16(kTextParaLabels[i]), fields[i]);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_spacing, &QComboBox::activated, this, [this](int entry) {
    if (entry >= 3) m_value->setValue(ProposedSpacing(entry));
    Enable();
  });
  connect(m_numbering, &QComboBox::currentIndexChanged, this, [this] { Enable(); });
  Enable();
}

ParaFormat CFormatParaDlgWindow::Result() const {
  ParaDialogValues v;
  v.alignment = m_align->currentIndex();
  v.firstCm = m_first->value(), v.leftCm = m_left->value(), v.rightCm = m_right->value();
  v.beforePt = static_cast<int>(m_before->value()), v.afterPt = static_cast<int>(m_after->value());
  v.spacingEntry = m_spacing->currentIndex();
  v.spacingValue = m_value->value();
  v.numberingKind = m_numbering->currentIndex();
  v.styleIndex = m_style->currentIndex();
  v.start = m_start->value();
  v.tabCm = m_tab->value();
  return TakeParaDialog(v, m_pf);
}

void CFormatParaDlgWindow::Enable() {
  m_value->setEnabled(m_spacing->currentIndex() >= 3);
  const int kind = m_numbering->currentIndex();
  const bool numbered = kind >= 2 && kind < kOtherNumbering;
  m_start->setEnabled(numbered);
  m_style->setEnabled(numbered);
  m_tab->setEnabled(kind != 0 && kind != kOtherNumbering);
}

namespace {

const CDialogWidget<CFormatParaDlg> paraWidget([](CFormatParaDlg& data, QWidget* parent) {
  CFormatParaDlgWindow dialog(data.m_pf, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  data.m_pf = dialog.Result();
  return true;
});

}  // namespace
