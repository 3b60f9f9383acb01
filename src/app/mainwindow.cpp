#include "app/mainwindow.h"

#include <GL/gl.h>

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>

#include "app/apptexts.h"
#include "app/guiseams.h"
#include "app/kavrelapp.h"
#include "model/cgpage.h"
#include "model/doctexts.h"
#include "model/globals.h"
#include "view/kavrelview.h"

namespace {
// The frame side of the private messages waits for the object list; the
// status bar and the redraw are the window's.
class WindowBridge final : public IUiBridge {
 public:
  explicit WindowBridge(CMainWindow& window) : m_window(window) {}
  LRESULT Send(UiTarget, UINT, WPARAM, LPARAM) override { return 0; }
  void Post(UiTarget, UINT, WPARAM, LPARAM) override {}
  void SetStatusText(int element, const QString& text) override {
    if (auto* label = m_window.findChild<QLabel*>(QStringLiteral("status%1").arg(element))) label->setText(text);
  }
  void UpdateAllViews() override {
    if (CKavrelView* view = m_window.View()) view->update();
  }

 private:
  CMainWindow& m_window;
};
}  // namespace

CMainWindow::CMainWindow(CKavrelApp& app) : m_app(app) {
  m_pView = new CKavrelView;
  setCentralWidget(m_pView);
  for (int i = 0; i < 3; ++i) {
    m_status[i] = new QLabel(this);
    m_status[i]->setObjectName(QStringLiteral("status%1").arg(i));
    statusBar()->addWidget(m_status[i], i == 0 ? 1 : 0);
  }
  BuildMenus();
  setAcceptDrops(true);
  resize(1024, 768);
  m_pPreviousBridge = SetUiBridge(std::make_unique<WindowBridge>(*this));
  m_pPreviousNotifier = SetNotifier(MakeMessageBoxNotifier(this));
  m_pPreviousChooser = SetFileChooser(MakeFileDialogChooser(this));
  m_pPreviousFocus = SetViewFocus(MakeWidgetFocus(m_pView));
  UpdateTitle();
}

CMainWindow::~CMainWindow() {
  SetUiBridge(std::move(m_pPreviousBridge));
  SetNotifier(std::move(m_pPreviousNotifier));
  SetFileChooser(std::move(m_pPreviousChooser));
  SetViewFocus(std::move(m_pPreviousFocus));
}

QAction* CMainWindow::AddCommand(QMenu* menu, const QString& text, const QKeySequence& key,
                                 std::function<void()> run) {
  QAction* action = menu->addAction(text);
  if (!key.isEmpty()) action->setShortcut(key);
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  return action;
}

void CMainWindow::AddKeyCommand(const QList<QKeySequence>& keys, std::function<void()> run) {
  auto* action = new QAction(this);
  action->setShortcuts(keys);
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  addAction(action);
}

void CMainWindow::BuildMenus() {
  CKavrelApp& app = m_app;
  QMenu* file = menuBar()->addMenu(QString::fromUtf8(kTextMenuFile));
  AddCommand(file, QString::fromUtf8(kTextMenuNew), QKeySequence::New, [&app] { app.OnFileNew(); });
  AddCommand(file, QString::fromUtf8(kTextMenuOpen), QKeySequence::Open, [&app] { app.OnFileOpen(); });
  AddCommand(file, QString::fromUtf8(kTextMenuSave), QKeySequence::Save, [&app] { app.OnFileSave(); });
  AddCommand(file, QString::fromUtf8(kTextMenuSaveAs), QKeySequence(), [&app] { app.OnFileSaveAs(); });
  AddCommand(file, QString::fromUtf8(kTextMenuSamples), QKeySequence(), [&app] { app.OnHelpSample(); });
  m_pRecentSeparator = file->addSeparator();
  for (int i = 0; i < static_cast<int>(m_recentActions.size()); ++i)
    m_recentActions[i] = AddCommand(file, QString(), QKeySequence(), [&app, i] { app.OnOpenRecentFile(i); });
  file->addSeparator();
  AddCommand(file, QString::fromUtf8(kTextMenuExit), QKeySequence(), [this] { close(); });
  QMenu* help = menuBar()->addMenu(QString::fromUtf8(kTextMenuHelp));
  AddCommand(help, QString::fromUtf8(kTextMenuAbout), QKeySequence(), [&app] { app.OnAppAbout(); });
  RefreshRecentFiles();

  // The page keys run only while their update rule enables them.
  CKavrelDoc& doc = app.Document();
  AddKeyCommand({QKeySequence(Qt::Key_PageDown)}, [&doc] {
    if (doc.OnUpdateViewPagedown()) doc.GotoNextPage();
  });
  AddKeyCommand({QKeySequence(Qt::Key_PageUp)}, [&doc] {
    if (doc.OnUpdateViewPageup()) doc.GotoPrevPage();
  });
  AddKeyCommand({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal), QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)},
                [&doc] { doc.OnParamIncrease(); });
  AddKeyCommand({QKeySequence(Qt::Key_Minus), QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)},
                [&doc] { doc.OnParamDecrease(); });
}

void CMainWindow::RefreshRecentFiles() {
  const QStringList& files = m_app.RecentFiles().Files();
  for (int i = 0; i < static_cast<int>(m_recentActions.size()); ++i) {
    QAction* action = m_recentActions[i];
    const bool used = i < files.size();
    action->setVisible(used);
    if (used) action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]));
  }
  m_pRecentSeparator->setVisible(!files.isEmpty());
}

void CMainWindow::UpdateTitle() {
  setWindowTitle(m_app.DocumentTitle() + QStringLiteral(" - ") + QString::fromUtf8(kTextAppTitle));
}

QString CMainWindow::StatusText(int element) const {
  return element >= 0 && element < 3 ? m_status[element]->text() : QString();
}

void CMainWindow::DocumentShown() {
  CKavrelDoc& doc = m_app.Document();
  if (CGPage* page = doc.CurrentPage()) {
    page->m_nTimerJob = 5;
    m_status[0]->setText(QString::fromUtf8(kTextDocumentAuthor) + doc.m_strAuthor);
    m_status[2]->setText(QString::fromUtf8(kTextCurrentPage) + page->m_strName);
  }
  UpdateTitle();
  RefreshView();
}

void CMainWindow::RefreshView() {
  if (!m_pView->context() || !m_pView->Renderer().IsInitialised()) {
    m_pView->update();  // its first frame sets everything up from the current values
    return;
  }
  m_pView->makeCurrent();
  const CDisplayPrefs& prefs = g_prefs;
  glLightfv(GL_LIGHT0, GL_AMBIENT, prefs.lightAmbient.data());
  glLightfv(GL_LIGHT0, GL_DIFFUSE, prefs.lightDiffuse.data());
  glLightfv(GL_LIGHT0, GL_SPECULAR, prefs.lightSpecular.data());
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();  // the light stays with the viewer
  glLightfv(GL_LIGHT0, GL_POSITION, prefs.lightPosition.data());
  glPopMatrix();
  m_pView->Renderer().OnSize(m_pView->width(), m_pView->height(), m_pView->devicePixelRatioF());
  m_pView->doneCurrent();
  m_pView->update();
}

void CMainWindow::closeEvent(QCloseEvent* event) {
  if (!m_app.SaveModified()) {
    event->ignore();
    return;
  }
  m_app.SaveCustomState();
  event->accept();
}

void CMainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainWindow::dropEvent(QDropEvent* event) {
  if (OpenDroppedFiles(event->mimeData()->urls())) event->acceptProposedAction();
}

bool CMainWindow::OpenDroppedFiles(const QList<QUrl>& urls) {
  for (const QUrl& url : urls) {
    if (!url.isLocalFile()) continue;
    m_app.OpenDocumentFile(url.toLocalFile());
    return true;
  }
  return false;
}
