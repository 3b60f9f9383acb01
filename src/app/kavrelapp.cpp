#include "app/kavrelapp.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "app/apptexts.h"
#include "app/mainwindow.h"
#include "app/preferences.h"
#include "app/programfolder.h"
#include "cells/pageservices/cellupgrade.h"
#include "cells/texts/cgtextbit.h"
#include "editing/dialogs/tools/toolscriptview.h"
#include "editing/dispatch/builddispatch.h"
#include "model/document/docservices.h"
#include "model/globals.h"
#include "platform/filechooser.h"
#include "platform/notifier.h"
#include "view/kavrelview.h"
#include "view/media/mediacontroller.h"
#include "view/selectionstepping.h"

namespace {
bool IsOlderFormatName(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("sgs"), Qt::CaseInsensitive) == 0;
}

QString UserDataFolder() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }

// The message naming the documents that were not opened.
QString NotOpenedText(const QStringList& paths) {
  QStringList lines{QString::fromUtf8(kTextFilesNotOpened).arg(paths.size())};
  lines += paths.mid(0, kMaxFilesListed);
  if (paths.size() > kMaxFilesListed) lines << QString::fromUtf8(kTextMoreFiles);
  return lines.join(QLatin1Char('\n'));
}
}  // namespace

CKavrelApp::CKavrelApp(CAppEnvironment environment) : m_env(std::move(environment)) {
  if (m_env.dataFolder.isEmpty()) m_env.dataFolder = UserDataFolder();
}

CKavrelApp::~CKavrelApp() {
  m_pMainWnd.reset();  // the window's seams go before the document
  m_doc.DeleteContents();
}

QString CKavrelApp::GetExecutableFolder() { return QCoreApplication::applicationDirPath(); }

BOOL CKavrelApp::InitInstance(const QStringList& arguments, bool withWindow) {
  g_strProgramFolder = m_env.programFolder.isEmpty() ? ResolveProgramFolder(GetExecutableFolder())
                                                     : m_env.programFolder;
  LoadSaveConfigIn(m_env.dataFolder, false);
  const QString dataFolder = m_env.dataFolder;
  DocumentServices().reloadPreferences = [dataFolder] { LoadSaveConfigIn(dataFolder, false); };
  DocumentServices().createImageCell = CreateImageCell;
  DocumentServices().selectNextObject = [](bool forward) {
    return forward ? SelectNextObject() : SelectPreviousObject();
  };
  DocumentServices().upgradeCell = UpgradeCellFields;
  // Idempotent: the view asks again when it shows the document.
  DocumentServices().upgradePages = [this] { m_doc.UpgradePages(); };
  DocumentServices().refreshToolMenu = [this] {
    m_doc.RefreshToolMenu();
    ShowToolScript(false);  // a script of the earlier document's tool goes with it
  };
  DocumentServices().buildFromSelection = [this](int kind) { return BuildFromSelection(m_doc, kind) != 0; };
  DocumentServices().closeMedia = [] {
    if (g_pKavrelView) g_pKavrelView->Media().OnViewMediaClose();
  };

  m_settings = m_env.settingsFile.isEmpty()
                   ? std::make_unique<QSettings>(QStringLiteral("Malvorn"), QStringLiteral("Kavrel"))
                   : std::make_unique<QSettings>(m_env.settingsFile, QSettings::IniFormat);
  m_settings->beginGroup(QStringLiteral("Settings"));
  m_recentFiles.ReadList(*m_settings);

  m_toolSets = LoadToolFolder(QDir(g_strProgramFolder).filePath(QStringLiteral("Tools")));

  if (withWindow) {
    // Lets the desktop match the window with the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("kavrel"));
    m_pMainWnd = std::make_unique<CMainWindow>(*this);
  }

  QStringList documents;
  for (const QString& argument : arguments.mid(1))
    if (!argument.isEmpty()) documents << QFileInfo(argument).absoluteFilePath();
  if (documents.isEmpty() || !OpenDocumentFiles(documents)) {
    m_doc.OnNewDocument();
    DocumentShown();
  }
  if (m_pMainWnd) {
    m_pMainWnd->showMaximized();
    m_pMainWnd->RefreshView();
  }
  return TRUE;
}

int CKavrelApp::ExitInstance() {
  SaveCustomState();
  return 0;
}

void CKavrelApp::SaveCustomState() {
  if (m_bStateSaved) return;
  m_bStateSaved = true;
  LoadSaveConfigIn(m_env.dataFolder, true);
}

CKavrelDoc* CKavrelApp::OpenDocumentFile(const QString& path) {
  if (!SaveModified()) return nullptr;
  return OpenWithoutAsking(path);
}

CKavrelDoc* CKavrelApp::OpenDocumentFiles(const QStringList& paths) {
  if (paths.isEmpty()) return nullptr;
  CKavrelDoc* opened = OpenDocumentFile(paths.front());
  if (paths.size() > 1)
    KvMessageBox(NotOpenedText(paths.mid(1)), QString::fromUtf8(kTextAppTitle), MB_OK | MB_ICONWARNING);
  return opened;
}

CKavrelDoc* CKavrelApp::OpenWithoutAsking(const QString& path) {
  QString documentPath = path;
  const bool olderFormatName = IsOlderFormatName(path);
  if (olderFormatName) documentPath = path.left(path.size() - 3) + QStringLiteral("kv");
  bool headerless = false;
  // A ".kv" file without the header mark was written in the older record
  // layout; an ".sgs" file without it in the newer one.
  if (!m_doc.OnOpenDocument(path, !olderFormatName, &headerless)) return nullptr;
  AddToRecentFiles(path);
  g_strDocumentPath = documentPath;
  // Saving must never overwrite another document silently.
  const bool untitled = olderFormatName && QFileInfo::exists(documentPath);
  m_doc.SetPathName(untitled ? QString() : documentPath);
  if (headerless) m_doc.SetModifiedFlag();
  DocumentShown();
  return &m_doc;
}

void CKavrelApp::AddToRecentFiles(const QString& path) {
  m_recentFiles.Add(path);
  if (m_settings) m_recentFiles.WriteList(*m_settings);
  if (m_pMainWnd) m_pMainWnd->RefreshRecentFiles();
}

void CKavrelApp::DocumentShown() {
  // An older document is shown as it was made, and its object list is
  // filled from the upgraded cells.
  m_doc.UpgradePages();
  if (m_pMainWnd) m_pMainWnd->DocumentShown();
}

void CKavrelApp::OnFileNew() {
  if (!SaveModified()) return;
  m_doc.OnNewDocument();
  DocumentShown();
}

void CKavrelApp::OnFileOpen() {
  const QString path = FileChooser().ChooseOpen(QString::fromUtf8(kTextMenuOpen), QtFileFilter(kFilterOpenDocuments), QString());
  if (!path.isEmpty()) OpenDocumentFile(path);
}

void CKavrelApp::OnHelpSample() {
  const QString folder = QDir(g_strProgramFolder).filePath(QStringLiteral("Samples"));
  const QString path = FileChooser().ChooseOpen(QString::fromUtf8(kTextMenuOpen), QtFileFilter(kFilterDocumentsOnly), folder);
  if (!path.isEmpty()) OpenDocumentFile(path);
}

void CKavrelApp::OnAppAbout() {
  KvMessageBox(QString::fromUtf8(kTextAbout), QString::fromUtf8(kTextAboutCaption), MB_OK | MB_ICONINFORMATION);
}

void CKavrelApp::OnOpenRecentFile(int index) {
  const QStringList& files = m_recentFiles.Files();
  if (index < 0 || index >= files.size()) return;
  const QString path = files[index];
  if (!SaveModified()) return;
  if (!OpenWithoutAsking(path)) {
    // An entry that cannot be opened goes, as the class library does it.
    const int at = static_cast<int>(m_recentFiles.Files().indexOf(path));
    m_recentFiles.Remove(at);
    if (m_settings) m_recentFiles.WriteList(*m_settings);
    if (m_pMainWnd) m_pMainWnd->RefreshRecentFiles();
  }
}

bool CKavrelApp::OnFileSave() { return DoSave(m_doc.GetPathName()); }

bool CKavrelApp::OnFileSaveAs() { return DoSave(QString()); }

bool CKavrelApp::DoSave(const QString& path) {
  QString target = path;
  if (target.isEmpty()) {
    // An untitled document read from an ".sgs" file suggests the name it
    // would have had; the dialog asks before replacing that file.
    QString suggested = g_strDocumentPath;
    if (suggested.isEmpty()) suggested = QDir::home().filePath(DocumentTitle() + QStringLiteral(".kv"));
    target = FileChooser().ChooseSave(QString::fromUtf8(kTextMenuSaveAs), QtFileFilter(kFilterDocumentsOnly), suggested);
    if (target.isEmpty()) return false;
    if (QFileInfo(target).suffix().isEmpty()) target += QStringLiteral(".kv");
  }
  if (!m_doc.OnSaveDocument(target)) return false;
  AddToRecentFiles(target);
  if (m_pMainWnd) m_pMainWnd->UpdateTitle();
  return true;
}

bool CKavrelApp::SaveModified() {
  if (!m_doc.IsModified()) return true;
  const int answer = KvMessageBox(QString::fromUtf8(kTextAskToSave).arg(DocumentTitle()),
                                  QString::fromUtf8(kTextAppTitle), MB_YESNOCANCEL | MB_ICONWARNING);
  if (answer == IDCANCEL) return false;
  if (answer == IDYES) return OnFileSave();
  return true;
}

QString CKavrelApp::DocumentTitle() const {
  const QString& path = m_doc.GetPathName();
  if (path.isEmpty()) return QString::fromUtf8(kTextUntitled);
  return QFileInfo(path).completeBaseName();
}
