// The main window until the ribbon frame exists: the 3D view, a File menu
// wired to the application, the page and parameter keys, a status bar of
// three elements, and dropped files.  While it exists it is the program's
// message boxes, file dialogs, status bar and view focus.
#pragma once
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

#include "model/docservices.h"
#include "platform/filechooser.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"

class CKavrelApp;
class CKavrelView;
class QAction;
class QLabel;
class QUrl;

class CMainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainWindow(CKavrelApp& app);
  ~CMainWindow() override;

  CKavrelView* View() const { return m_pView; }
  QString StatusText(int element) const;

  // A new or opened document is shown: its page's undo history, the status
  // bar, the title, and the view's light and projection.
  void DocumentShown();
  // The view takes the light and projection of the current page again.
  void RefreshView();
  void RefreshRecentFiles();
  void UpdateTitle();
  // Files dropped on the window: the first local file is opened (there is
  // one document window).  False when none was.
  bool OpenDroppedFiles(const QList<QUrl>& urls);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenus();
  QAction* AddCommand(QMenu* menu, const QString& text, const QKeySequence& key, std::function<void()> run);
  void AddKeyCommand(const QList<QKeySequence>& keys, std::function<void()> run);

  CKavrelApp& m_app;
  CKavrelView* m_pView = nullptr;
  std::array<QLabel*, 3> m_status{};
  std::array<QAction*, 6> m_recentActions{};
  QAction* m_pRecentSeparator = nullptr;
  // The seams in force before the window took them over.
  std::unique_ptr<IUiBridge> m_pPreviousBridge;
  std::unique_ptr<INotifier> m_pPreviousNotifier;
  std::unique_ptr<IFileChooser> m_pPreviousChooser;
  std::unique_ptr<IViewFocus> m_pPreviousFocus;
};
