#include "ui/ribbon/ribbonpanel.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/commandactions.h"

namespace {
constexpr int kSmallRowHeight = 24;
constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;
constexpr int kSideMargins = 6;
}  // namespace

QString RibbonLargeLabel(const QString& label) {
  if (label.size() < 4 || label.contains(QLatin1Char('\n'))) return label;
  const qsizetype half = (label.size() + 1) / 2;
  return label.left(half) + QLatin1Char('\n') + label.mid(half);
}

CRibbonPanel::CRibbonPanel(const QString& title, QWidget* parent) : QFrame(parent), m_strTitle(title) {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(kSideMargins / 2, 3, kSideMargins / 2, 0);
  outer->setSpacing(0);
  m_pBody = new QWidget(this);
  m_pGrid = new QGridLayout(m_pBody);
  m_pGrid->setContentsMargins(0, 0, 0, 0);
  m_pGrid->setHorizontalSpacing(1);
  m_pGrid->setVerticalSpacing(0);
  for (int row = 0; row < kRows; ++row) m_pGrid->setRowMinimumHeight(row, kSmallRowHeight);
  outer->addWidget(m_pBody, 0, Qt::AlignLeft | Qt::AlignTop);
  m_pFoldButton = MakeFoldButton();
  outer->addWidget(m_pFoldButton, 0, Qt::AlignHCenter | Qt::AlignTop);
  m_pFoldButton->hide();
  outer->addStretch(1);
  auto* label = new QLabel(title, this);
  label->setObjectName(QStringLiteral("ribbonPanelTitle"));
  label->setAlignment(Qt::AlignCenter);
  outer->addWidget(label);
}

QToolButton* CRibbonPanel::MakeFoldButton() {
  auto* button = new QToolButton(this);
  button->setText(RibbonLargeLabel(m_strTitle));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setIconSize(QSize(kLargeIcon, kLargeIcon));
  button->setAutoRaise(true);
  button->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(button);
  menu->setToolTipsVisible(true);
  button->setMenu(menu);
  return button;
}

void CRibbonPanel::NextColumn() {
  if (m_nRow > 0) {
    ++m_nColumn;
    m_nRow = 0;
  }
}

QToolButton* CRibbonPanel::AddLarge(QAction* action) {
  auto* button = new QToolButton(m_pBody);
  BindButton(button, action, RibbonLargeLabel(action->text()));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setIconSize(QSize(kLargeIcon, kLargeIcon));
  button->setAutoRaise(true);
  button->setMinimumWidth(44);
  button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
  NextColumn();
  m_pGrid->addWidget(button, 0, m_nColumn, kRows, 1);
  ++m_nColumn;
  m_buttons.push_back(button);
  m_actions.append(action);
  m_pFoldButton->menu()->addAction(action);
  if (m_pFoldButton->icon().isNull()) m_pFoldButton->setIcon(action->icon());
  return button;
}

QToolButton* CRibbonPanel::AddSmall(QAction* action) {
  auto* button = new QToolButton(m_pBody);
  BindButton(button, action);
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setIconSize(QSize(kSmallIcon, kSmallIcon));
  button->setAutoRaise(true);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  m_pGrid->addWidget(button, m_nRow, m_nColumn);
  if (++m_nRow == kRows) NextColumn();
  m_buttons.push_back(button);
  m_actions.append(action);
  m_pFoldButton->menu()->addAction(action);
  if (m_pFoldButton->icon().isNull()) m_pFoldButton->setIcon(action->icon());
  return button;
}

void CRibbonPanel::AddRow(QWidget* widget) {
  widget->setParent(m_pBody);
  m_pGrid->addWidget(widget, m_nRow, m_nColumn);
  if (++m_nRow == kRows) NextColumn();
  m_bCanFold = false;
}

void CRibbonPanel::AddColumn(QWidget* widget) {
  widget->setParent(m_pBody);
  NextColumn();
  m_pGrid->addWidget(widget, 0, m_nColumn, kRows, 1);
  ++m_nColumn;
  m_bCanFold = false;
}

void CRibbonPanel::SetFolded(bool folded) {
  folded = folded && CanFold();
  if (folded == m_bFolded) return;
  m_bFolded = folded;
  m_pBody->setVisible(!folded);
  m_pFoldButton->setVisible(folded);
}

int CRibbonPanel::SpreadWidth() const {
  const int title = fontMetrics().horizontalAdvance(m_strTitle) + 8;
  return std::max(m_pBody->sizeHint().width(), title) + kSideMargins + 1;
}

int CRibbonPanel::FoldedWidth() const { return m_pFoldButton->sizeHint().width() + kSideMargins + 1; }
