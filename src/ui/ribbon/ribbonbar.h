// A compact ribbon: an application button with the file commands, a tab bar
// of categories, and under it the current category's panels of large and
// small buttons, each panel titled below.  Buttons show shared QActions, so
// a command looks the same wherever it appears.  Panels that do not fit
// the window fold from the right into menu buttons.  The ribbon can be
// minimised to its tab bar (double-click a tab, or the mini-interface
// command).
#pragma once
#include <QFrame>
#include <QString>
#include <vector>

#include "ui/ribbon/ribbonpanel.h"

class QAction;
class QHBoxLayout;
class QMenu;
class QStackedWidget;
class QTabBar;
class QToolButton;

class CRibbonBar : public QFrame {
  Q_OBJECT

 public:
  explicit CRibbonBar(QWidget* parent = nullptr);

  QToolButton* ApplicationButton() const { return m_pAppButton; }
  QMenu* ApplicationMenu() const { return m_pAppMenu; }
  // Widgets right of the tabs (style menu, help).
  void AddCornerWidget(QWidget* widget);

  int AddCategory(const QString& name);
  int CategoryCount() const { return static_cast<int>(m_panels.size()); }
  QString CategoryName(int category) const;
  CRibbonPanel* AddPanel(int category, const QString& title);
  int PanelCount(int category) const;
  CRibbonPanel* Panel(int category, int index) const;
  // The first button of any panel that shows this command; null when none.
  QToolButton* FindButton(unsigned id) const;

  int CurrentCategory() const;
  void SetCurrentCategory(int category);
  bool IsMinimized() const { return m_bMinimized; }
  void SetMinimized(bool minimized);

 signals:
  void minimizedChanged(bool minimized);

 private:
  QToolButton* m_pAppButton = nullptr;
  QMenu* m_pAppMenu = nullptr;
  QTabBar* m_pTabs = nullptr;
  QHBoxLayout* m_pCorner = nullptr;
  QStackedWidget* m_pBody = nullptr;
  std::vector<std::vector<CRibbonPanel*>> m_panels;
  std::vector<class CRibbonCategoryPage*> m_pages;
  bool m_bMinimized = false;
};
