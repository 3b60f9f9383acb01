// One QAction per command id, shared by the ribbon, the menus, the status
// bar's tool buttons, the full-screen tool bar and the keyboard shortcuts.
// Triggering an action asks the command registry to run the command (which
// checks the update rule once more first); the shown state follows the
// update rules whenever something may have changed and on a short idle tick.
#pragma once
#include <QObject>
#include <QString>
#include <map>

class QAction;
class QTimer;

class CCommandActions : public QObject {
  Q_OBJECT

 public:
  explicit CCommandActions(QObject* parent = nullptr);
  ~CCommandActions() override;

  // The action of the id, made on first use with the command's label, help
  // text and state.
  QAction* Action(unsigned id);
  bool HasAction(unsigned id) const { return m_actions.count(id) != 0; }

  // A text that replaces the label until the update rule sets its own (the
  // undo history retitles Undo and Redo this way).  Empty: the label again.
  void SetMenuText(unsigned id, const QString& text);

  // Every action takes the state its update rule gives now.
  void Refresh();
  // The same, once, when the event loop is next idle.
  void RefreshSoon();

 signals:
  // After every refresh: whatever else shows the program's state follows.
  void refreshed();

 private:
  void RefreshOne(unsigned id, QAction* action);

  std::map<unsigned, QAction*> m_actions;
  std::map<unsigned, QString> m_menuTexts;
  QTimer* m_pIdle = nullptr;
  bool m_bRefreshQueued = false;
};

// The label and help text of a command; an id without texts shows its number.
QString CommandLabel(unsigned id);
QString CommandTip(unsigned id);

class QToolButton;
// A button that runs the action and follows its picture, enabled and
// checked state and help, but shows a text of its own (null: the action's
// text, following it too).
void BindButton(QToolButton* button, QAction* action, const QString& text = QString());
