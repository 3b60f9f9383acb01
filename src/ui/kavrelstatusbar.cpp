#include "ui/kavrelstatusbar.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "ui/commandactions.h"
#include "ui/commandicons.h"
#include "ui/statusbartools.h"
#include "ui/uitexts.h"

CKavrelStatusBar::CKavrelStatusBar(CCommandActions& actions, QWidget* parent) : QStatusBar(parent) {
  setSizeGripEnabled(true);
  m_pInfo = new QLabel(QString::fromUtf8(kTextWelcome), this);
  m_pInfo->setAccessibleName(QString::fromUtf8(kTextInfoLabel));
  m_pInfo->setMinimumWidth(160);
  addWidget(m_pInfo, 1);
  // Permanent, like the tools: a command's tip in the information pane
  // leaves the current page showing.
  m_pPage = new QLabel(QString::fromUtf8(kTextFirstPageStatus), this);
  m_pPage->setAccessibleName(QString::fromUtf8(kTextCurrentPageLabel));
  addPermanentWidget(m_pPage);

  auto* group = new QWidget(this);
  group->setAccessibleName(QString::fromUtf8(kTextToolGroup));
  auto* row = new QHBoxLayout(group);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  for (const CStatusTool& tool : StatusBarTools()) {
    QAction* action = actions.Action(tool.id);
    if (action->icon().isNull()) action->setIcon(CommandIcon(tool.id));
    // The status bar's own text for the tool, above the command's help.
    auto* button = new QToolButton(group);
    button->setAutoRaise(true);
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    BindButton(button, action, QString::fromUtf8(tool.text));
    const QString tip = CommandTip(tool.id);
    const QString text = QString::fromUtf8(tool.text);
    const QString toolTip = tip.isEmpty() || tip == text ? text : text + QLatin1Char('\n') + tip;
    button->setToolTip(toolTip);
    connect(action, &QAction::changed, button, [button, toolTip] { button->setToolTip(toolTip); });
    row->addWidget(button);
    m_tools.push_back(button);
    m_toolActions.push_back(action);
  }
  addPermanentWidget(group);

  m_pLink = new QLabel(this);
  m_pLink->setAccessibleName(QString::fromUtf8(kTextLinkElement));
  m_pLink->setTextFormat(Qt::RichText);
  m_pLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  m_pLink->setOpenExternalLinks(false);
  connect(m_pLink, &QLabel::linkActivated, this, &CKavrelStatusBar::linkActivated);
  addPermanentWidget(m_pLink);
  SetLinkAddress(QString());
}

void CKavrelStatusBar::SetLinkAddress(const QString& address) {
  m_strLinkAddress = address;
  WriteLink();
  m_pLink->setVisible(!address.isEmpty());
}

void CKavrelStatusBar::WriteLink() {
  // Rich text takes the link colour when the text is set: set it again when
  // the look changes.
  m_pLink->setText(QStringLiteral("<a href=\"%1\" style=\"color:%2\">%3</a>")
                       .arg(m_strLinkAddress.toHtmlEscaped(), palette().color(QPalette::Link).name(),
                            QString::fromUtf8(kProgramWebSiteLabel)));
}

void CKavrelStatusBar::changeEvent(QEvent* event) {
  QStatusBar::changeEvent(event);
  if (event->type() == QEvent::PaletteChange && m_pLink) WriteLink();
}

void CKavrelStatusBar::SetElementText(int element, const QString& text) {
  if (element == 0) m_pInfo->setText(text);
  if (element == 2) m_pPage->setText(text);
}

QString CKavrelStatusBar::ElementText(int element) const {
  if (element == 0) return m_pInfo->text();
  if (element == 2) return m_pPage->text();
  return {};
}
