// The program's main window: the ribbon frame wired to the application.
// The application's commands (new, open, save, samples, about, exit) enter
// the command registry, the frame's hooks reach the application, and while
// the window exists it is the program's message boxes (until it closes for
// good), file dialogs, other dialogs and view focus.
#pragma once
#include <memory>

#include "model/document/docservices.h"
#include "platform/dialogprovider.h"
#include "platform/filechooser.h"
#include "platform/notifier.h"
#include "ui/mainframe.h"

class CKavrelApp;

class CMainWindow : public CMainFrame {
  Q_OBJECT

 public:
  explicit CMainWindow(CKavrelApp& app);
  ~CMainWindow() override;

  // A new or opened document is shown: the object list, the status bar,
  // the title, and the view's light and projection.
  void DocumentShown();
  // The view takes the light and projection of the current page again.
  void RefreshView() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void RegisterAppCommands();

  CKavrelApp& m_app;
  // The seams in force before the window took them over.
  std::unique_ptr<INotifier> m_pPreviousNotifier;
  std::unique_ptr<IFileChooser> m_pPreviousChooser;
  std::unique_ptr<IViewFocus> m_pPreviousFocus;
  std::unique_ptr<IDialogProvider> m_pPreviousDialogs;
  // The message boxes in force when the window closed for good.
  std::unique_ptr<INotifier> m_pClosedNotifier;
};
