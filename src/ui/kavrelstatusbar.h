// The status bar: the information pane, the current page's pane, the group
// of tool buttons and the link to the program's resource page.  Elements are
// numbered as the program addresses them: 0 the information pane, 1 the
// separator, 2 the current page.
#pragma once
#include <QStatusBar>
#include <vector>

class CCommandActions;
class QAction;
class QLabel;
class QToolButton;

class CKavrelStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  CKavrelStatusBar(CCommandActions& actions, QWidget* parent);

  void SetElementText(int element, const QString& text);
  QString ElementText(int element) const;
  const std::vector<QToolButton*>& ToolButtons() const { return m_tools; }
  // The shared action a tool button runs.
  QAction* ToolAction(size_t index) const { return index < m_toolActions.size() ? m_toolActions[index] : nullptr; }
  QLabel* Link() const { return m_pLink; }
  // The address the link opens; the link is hidden while there is none.
  void SetLinkAddress(const QString& address);
  const QString& LinkAddress() const { return m_strLinkAddress; }

 signals:
  void linkActivated();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // The link's text, in the link colour of the palette in force.
  void WriteLink();

  QString m_strLinkAddress;
  QLabel* m_pInfo = nullptr;
  QLabel* m_pPage = nullptr;
  QLabel* m_pLink = nullptr;
  std::vector<QToolButton*> m_tools;
  std::vector<QAction*> m_toolActions;
};

// The label of the link.
inline constexpr const char* kProgramWebSiteLabel = "Kavrel";
