#include "ui/commandactions.h"

#include <QAction>
#include <QTimer>
#include <QToolButton>

#include "platform/commandregistry.h"
#include "ui/commandcatalog.h"

namespace {
// How often the shown states are brought up to date while nothing else asks.
constexpr int kIdleRefreshMs = 250;
}  // namespace

QString CommandLabel(unsigned id) {
  const CCommandText* text = FindCommandText(id);
  return text ? QString::fromUtf8(text->label) : QString::number(id);
}

QString CommandTip(unsigned id) {
  const CCommandText* text = FindCommandText(id);
  return text ? QString::fromUtf8(text->tip) : QString();
}

CCommandActions::CCommandActions(QObject* parent) : QObject(parent) {
  m_pIdle = new QTimer(this);
  m_pIdle->setInterval(kIdleRefreshMs);
  connect(m_pIdle, &QTimer::timeout, this, &CCommandActions::Refresh);
  m_pIdle->start();
  CommandRegistry().SetRunListener([this](unsigned) { RefreshSoon(); });
}

CCommandActions::~CCommandActions() { CommandRegistry().SetRunListener(nullptr); }

QAction* CCommandActions::Action(unsigned id) {
  if (auto it = m_actions.find(id); it != m_actions.end()) return it->second;
  auto* action = new QAction(CommandLabel(id), this);
  const QString tip = CommandTip(id);
  action->setToolTip(tip.isEmpty() ? action->text() : tip);
  action->setStatusTip(tip);
  action->setData(id);
  connect(action, &QAction::triggered, this, [this, id] {
    CommandRegistry().Run(id);
    // A checkable action flips itself when clicked; the rule decides.
    RefreshSoon();
  });
  m_actions.emplace(id, action);
  RefreshOne(id, action);
  return action;
}

void CCommandActions::SetMenuText(unsigned id, const QString& text) {
  if (text.isEmpty())
    m_menuTexts.erase(id);
  else
    m_menuTexts[id] = text;
  if (auto it = m_actions.find(id); it != m_actions.end()) RefreshOne(id, it->second);
}

void CCommandActions::RefreshOne(unsigned id, QAction* action) {
  const CCmdUI ui = CommandRegistry().Query(id);
  action->setEnabled(ui.m_bEnabled);
  if (ui.m_bCheckable) {
    action->setCheckable(true);
    action->setChecked(ui.m_nCheck == 1);
  } else if (action->isCheckable()) {
    action->setChecked(false);
  }
  QString text;
  if (ui.m_bTextSet)
    text = ui.m_strText;
  else if (auto it = m_menuTexts.find(id); it != m_menuTexts.end())
    text = it->second;
  else
    text = CommandLabel(id);
  if (action->text() != text) action->setText(text);
}

void CCommandActions::Refresh() {
  m_bRefreshQueued = false;
  for (auto& [id, action] : m_actions) RefreshOne(id, action);
  emit refreshed();
}

void CCommandActions::RefreshSoon() {
  if (m_bRefreshQueued) return;
  m_bRefreshQueued = true;
  QTimer::singleShot(0, this, &CCommandActions::Refresh);
}

void BindButton(QToolButton* button, QAction* action, const QString& text) {
  const auto follow = [button, action, text] {
    button->setIcon(action->icon());
    button->setText(text.isNull() ? action->text() : text);
    button->setToolTip(action->toolTip());
    button->setStatusTip(action->statusTip());
    button->setEnabled(action->isEnabled());
    button->setCheckable(action->isCheckable());
    button->setChecked(action->isChecked());
  };
  follow();
  QObject::connect(action, &QAction::changed, button, follow);
  QObject::connect(button, &QToolButton::clicked, action, [action] { action->trigger(); });
  button->setProperty("commandId", action->data());
}
