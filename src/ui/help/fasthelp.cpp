#include "ui/help/fasthelp.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/uibridge.h"
#include "ui/help/fasthelptexts.h"

namespace {
constexpr QPoint kMoveAfterCreation(100, 100);
constexpr int kTabCount = 16;
}  // namespace

QString HelpPageText(int tab) {
  if (tab < 0 || tab >= kTabCount) return QString();
  return QString::fromUtf8(kFastHelpTexts[tab]).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

CDlgHelpPage::CDlgHelpPage(const QString& text, bool alwaysScroll, QWidget* parent)
    : QWidget(parent), m_pText(new QPlainTextEdit(text, this)) {
  m_pText->setReadOnly(true);
  // The two longest texts keep their scroll bar, so their width never jumps.
  if (alwaysScroll) m_pText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_pText);
}

CDlgFastHelp::CDlgFastHelp(QWidget* parent) : QDialog(parent), m_pTabs(new QTabWidget(this)) {
  setWindowTitle(QString::fromUtf8(kTextFastHelpCaption));
  setModal(false);
  for (int i = 0; i < kTabCount; ++i)
    m_pTabs->addTab(new CDlgHelpPage(HelpPageText(i), i < 2, m_pTabs), QString::fromUtf8(kFastHelpTabs[i]));
  m_pTabs->setCurrentIndex(0);
  connect(m_pTabs, &QTabWidget::currentChanged, this, [this](int index) { m_nShown = index; });

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(QString::fromUtf8(kTextFastHelpClose), QDialogButtonBox::AcceptRole);
  close->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(QString::fromUtf8(kTextFastHelpNote), this), 1);
  bottom->addWidget(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pTabs, 1);
  layout->addLayout(bottom);
  resize(520, 420);
}

void CDlgFastHelp::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_bPlaced) return;
  m_bPlaced = true;
  m_createdAt = pos();
  move(m_createdAt + kMoveAfterCreation);
}

void CDlgFastHelp::done(int result) {
  QDialog::done(result);
  if (m_bClosed) return;
  m_bClosed = true;
  UiBridge().Post(UiTarget::Frame, WM_QUICK_HELP_CLOSED, reinterpret_cast<WPARAM>(this), 0);
}
