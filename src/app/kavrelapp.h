// The application: start-up, opening documents by path (older ".sgs" files
// included), the commands of the File menu, the recent-file list and the
// preferences written back at exit.  One exists for the run of the program.
#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "app/recentfiles.h"
#include "model/document/kavreldoc.h"
#include "model/document/toolfolder.h"
#include "platform/types.h"

class QSettings;
class CMainWindow;

// Where the application keeps its things; empty members take the user's
// own places (tests point them into a temporary folder).
struct CAppEnvironment {
  QString dataFolder;     // holds Nurv/config420.dat
  QString settingsFile;   // an INI file in place of the user's settings
  QString programFolder;  // holds Images, Samples, Tools
};

class CKavrelApp {
 public:
  explicit CKavrelApp(CAppEnvironment environment = {});
  CKavrelApp(const CKavrelApp&) = delete;
  CKavrelApp& operator=(const CKavrelApp&) = delete;
  ~CKavrelApp();

  // Start-up: program folder, preferences, settings and recent files, the
  // tools of the Tools folder, the main window (when asked for), then the
  // documents named after arguments[0] (OpenDocumentFiles) or a new one.
  // A document that cannot be opened leaves a new document after the
  // loader's message; the program runs on either way.
  BOOL InitInstance(const QStringList& arguments, bool withWindow = true);
  // Writes the preferences unless the closing window already did.
  int ExitInstance();
  // The class library calls this when the main window closes: writes the
  // preferences file, once.
  void SaveCustomState();

  // Opens a document by path.  A ".sgs" file takes the same name ending in
  // ".kv", unless that file exists: then the document is untitled.  Null
  // when the file could not be opened (the previous document stays).
  CKavrelDoc* OpenDocumentFile(const QString& path);
  // Several documents at once (the command line, a drop): there is one
  // document window, so the first is opened and the user is told which
  // others were not.  Null when the first could not be opened.
  CKavrelDoc* OpenDocumentFiles(const QStringList& paths);

  // Commands.
  void OnFileNew();
  void OnFileOpen();
  void OnHelpSample();
  void OnAppAbout();
  bool OnFileSave();
  bool OnFileSaveAs();
  void OnOpenRecentFile(int index);
  // Offers to save a modified document; false when the user cancels.
  bool SaveModified();

  CKavrelDoc& Document() { return m_doc; }
  const CRecentFileList& RecentFiles() const { return m_recentFiles; }
  const std::vector<CToolSet>& ToolSets() const { return m_toolSets; }
  // The settings, at their "Settings" group (null before start-up).
  QSettings* Settings() const { return m_settings.get(); }
  // The document's file name, or the untitled name.
  QString DocumentTitle() const;
  CMainWindow* MainWindow() const { return m_pMainWnd.get(); }

  // The folder of the running executable.
  static QString GetExecutableFolder();

 private:
  CKavrelDoc* OpenWithoutAsking(const QString& path);
  void AddToRecentFiles(const QString& path);
  bool DoSave(const QString& path);
  // The document was replaced or made anew: the window and the view follow.
  void DocumentShown();

  CAppEnvironment m_env;
  CKavrelDoc m_doc;
  CRecentFileList m_recentFiles;
  std::vector<CToolSet> m_toolSets;
  std::unique_ptr<QSettings> m_settings;
  std::unique_ptr<CMainWindow> m_pMainWnd;
  bool m_bStateSaved = false;
};
