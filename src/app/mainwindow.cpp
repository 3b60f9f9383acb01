#include "app/mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>

#include "app/apptexts.h"
#include "app/guiseams.h"
#include "app/kavrelapp.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "render/viewlight.h"
#include "ui/commandactions.h"
#include "ui/dialogs/dialogwidgets.h"
#include "view/kavrelview.h"

namespace {
CFrameHooks AppHooks(CKavrelApp& app) {
  CFrameHooks hooks;
  hooks.canClose = [&app] { return app.SaveModified(); };
  hooks.closing = [&app] { app.SaveCustomState(); };
  hooks.openFiles = [&app](const QStringList& paths) { app.OpenDocumentFiles(paths); };
  hooks.recentFiles = [&app] { return app.RecentFiles().Files(); };
  hooks.openRecent = [&app](int index) { app.OnOpenRecentFile(index); };
  hooks.documentTitle = [&app] { return app.DocumentTitle(); };
  // Folder tool i answers to the command id 20000 + i, as the document's tools to theirs.
  hooks.runUserTool = [](int index) { CommandRegistry().Run(ID_TOOL_USE_FIRST + static_cast<unsigned>(index)); };
  return hooks;
}
}  // namespace

CMainWindow::CMainWindow(CKavrelApp& app)
    : CMainFrame(AppHooks(app), app.Settings(), app.ToolSets()), m_app(app) {
  RegisterAppCommands();
  SetDocument(&app.Document());
  m_pPreviousNotifier = SetNotifier(MakeMessageBoxNotifier(this));
  m_pPreviousChooser = SetFileChooser(MakeFileDialogChooser(this));
  m_pPreviousFocus = SetViewFocus(MakeWidgetFocus(View()));
  m_pPreviousDialogs = SetDialogProvider(MakeWidgetDialogProvider(this));
}

CMainWindow::~CMainWindow() {
  CommandRegistry().Withdraw(this);
  SetNotifier(std::move(m_pPreviousNotifier));
  SetFileChooser(std::move(m_pPreviousChooser));
  SetViewFocus(std::move(m_pPreviousFocus));
  SetDialogProvider(std::move(m_pPreviousDialogs));
}

void CMainWindow::closeEvent(QCloseEvent* event) {
  CMainFrame::closeEvent(event);
  if (!event->isAccepted() || m_pClosedNotifier) return;
  // The program ends now, but a computation may still run: the click that
  // chose 退出程序 settles its edit after the window has closed, with what a
  // running button's ticks wrote meanwhile.  A box it raised would stand
  // alone and take the application's quit into its own event loop, so the
  // program would never end: its text goes to standard error instead.
  m_pClosedNotifier = SetNotifier(nullptr);
}

void CMainWindow::RegisterAppCommands() {
  CCommandRegistry& registry = CommandRegistry();
  CKavrelApp& app = m_app;
  registry.Register(ID_FILE_NEW, [&app](unsigned) { app.OnFileNew(); }, {}, this);
  registry.Register(ID_FILE_OPEN, [&app](unsigned) { app.OnFileOpen(); }, {}, this);
  registry.Register(ID_FILE_SAVE, [&app](unsigned) { app.OnFileSave(); }, {}, this);
  registry.Register(ID_FILE_SAVE_AS, [&app](unsigned) { app.OnFileSaveAs(); }, {}, this);
  registry.Register(ID_HELP_SAMPLE, [&app](unsigned) { app.OnHelpSample(); }, {}, this);
  registry.Register(ID_APP_ABOUT, [&app](unsigned) { app.OnAppAbout(); }, {}, this);
  registry.Register(ID_APP_EXIT, [this](unsigned) { close(); }, {}, this);
  const std::pair<unsigned, QKeySequence> keys[] = {
      {ID_FILE_NEW, QKeySequence::New}, {ID_FILE_OPEN, QKeySequence::Open}, {ID_FILE_SAVE, QKeySequence::Save}};
  for (const auto& [id, key] : keys) {
    QAction* action = Actions().Action(id);
    action->setShortcut(key);
    addAction(action);
  }
}

void CMainWindow::DocumentShown() {
  CKavrelDoc& doc = m_app.Document();
  CMainFrame::DocumentShown();
  if (doc.CurrentPage()) SetStatusText(0, QString::fromUtf8(kTextDocumentAuthor) + doc.m_strAuthor);
}

void CMainWindow::RefreshView() {
  CKavrelView* view = View();
  if (!view->context() || !view->Renderer().IsInitialised()) {
    view->update();  // its first frame sets everything up from the current values
    return;
  }
  view->makeCurrent();
  ApplyLight0(g_prefs);
  view->Renderer().OnSize(view->width(), view->height(), view->devicePixelRatioF());
  view->doneCurrent();
  view->update();
}
