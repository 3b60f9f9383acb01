// Full screen and the panels: full screen hides the ribbon, the status bar
// and the object list and shows the floating tool bar; leaving it brings
// back what was shown.
#include <QScreen>
#include <QToolBar>

#include "ui/commandactions.h"
#include "ui/kavrelstatusbar.h"
#include "ui/mainframe.h"
#include "ui/objectlist/objectview.h"
#include "ui/ribbon/ribbonbar.h"
#include "view/kavrelview.h"
#include "view/media/mediacontroller.h"

namespace {
constexpr QPoint kFullScreenBarOffset(600, 2);
}

void CMainFrame::HideAllPanels() {
  m_bStatusBarShown = m_pStatusBar->isVisible();
  m_pStatusBar->hide();
  m_savedPaneArea = dockWidgetArea(m_pObjectView);
  m_nSavedPaneState = m_pObjectView->isVisible() ? 1 : 0;
  if (m_nSavedPaneState != 0) m_pObjectView->hide();
  m_pActions->RefreshSoon();
}

void CMainFrame::ShowAllPanels() {
  if (!m_pStatusBar->isVisible()) {
    m_pStatusBar->show();
    m_bStatusBarShown = true;
  }
  if (!m_pObjectView->isVisible()) {
    if (m_pObjectView->isFloating() || dockWidgetArea(m_pObjectView) == Qt::NoDockWidgetArea)
      addDockWidget(m_savedPaneArea, m_pObjectView);
    m_pObjectView->show();
  }
  m_nSavedPaneState = 1;
  m_pActions->RefreshSoon();
}

void CMainFrame::OnFullScreenTaskbar() {
  if (m_bFullScreen || IsMediaFullScreen()) return;
  // With a player open only the player fills the screen.
  if (m_pView->Media().Player()) {
    m_pView->Media().EnterMediaFullScreen();
    m_pActions->RefreshSoon();
    return;
  }
  m_savedGeometry = geometry();
  m_savedWindowState = windowState() & ~Qt::WindowFullScreen;
  m_bFullScreen = true;
  HideAllPanels();
  m_pRibbon->hide();
  showFullScreen();
  const QRect screen = this->screen() ? this->screen()->geometry() : geometry();
  m_pFullScreenBar->adjustSize();
  m_pFullScreenBar->move(screen.topLeft() + kFullScreenBarOffset);
  m_pFullScreenBar->show();
  m_pFullScreenBar->raise();
  m_pActions->RefreshSoon();
}

void CMainFrame::RestoreFromFullScreen() {
  if (IsMediaFullScreen()) {
    m_pView->Media().LeaveMediaFullScreen();
    m_pActions->RefreshSoon();
    return;
  }
  if (!m_bFullScreen) return;
  if (m_nSavedPaneState != 0) ShowAllPanels();
  else if (m_bStatusBarShown) m_pStatusBar->show();
  m_bFullScreen = false;
  m_pFullScreenBar->hide();
  m_pRibbon->show();
  // The exact rectangle of before: a saved geometry of Qt's own adds the
  // window frame again where no window manager draws one, 20 pixels lower
  // each time.
  setWindowState(m_savedWindowState);
  if (!(m_savedWindowState & Qt::WindowMaximized)) setGeometry(m_savedGeometry);
  m_pActions->RefreshSoon();
}
