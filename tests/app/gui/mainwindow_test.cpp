// The main window on a real display (xvfb): what it shows of the document,
// a dropped file, Save As, and the preferences written when it closes.
#include "app/mainwindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "app/classregistration.h"
#include "app/kavrelapp.h"
#include "app/preferences.h"
#include "model/cgpage.h"
#include "support/recorders.h"
#include "ui/objectlist/viewtree.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    RegisterAllClasses();
    env.dataFolder = folder.filePath(QStringLiteral("data"));
    env.settingsFile = folder.filePath(QStringLiteral("settings.ini"));
    // The build folder holds the program's pictures, which the view loads.
    env.programFolder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(".."));
  }
  QString Saved(const QString& pageName) {
    CKavrelDoc doc;
    doc.OnNewDocument();
    doc.m_pages.front()->m_strName = pageName;
    const QString path = folder.filePath(pageName + QStringLiteral(".kv"));
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
  }

  SeamRecorders seams;
  QTemporaryDir folder;
  CAppEnvironment env;
};

TEST_F(MainWindowTest, ShowsTheDocumentOpensDroppedFilesAndSavesThePreferencesOnClosing) {
  const QString first = Saved(QStringLiteral("first"));
  const QString dropped = Saved(QStringLiteral("dropped"));
  CKavrelApp app(env);
  ASSERT_TRUE(app.InitInstance({QStringLiteral("kavrel"), first}));
  CMainWindow* window = app.MainWindow();
  ASSERT_NE(window, nullptr);
  QApplication::processEvents();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("first[*] - Kavrel"));
  EXPECT_EQ(window->StatusText(2), QStringLiteral("当前页：first"));

  EXPECT_TRUE(window->OpenDroppedFiles({QUrl(QStringLiteral("https://example.org/x.kv")), QUrl::fromLocalFile(dropped)}));
  EXPECT_EQ(app.Document().GetPathName(), dropped);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("dropped[*] - Kavrel"));
  EXPECT_EQ(window->StatusText(2), QStringLiteral("当前页：dropped"));

  // Two files dropped at once: the first opens, the other is named.  The
  // window shows messages in boxes; a recorder stands in while it is dropped.
  std::unique_ptr<INotifier> boxes = SetNotifier(std::make_unique<RecordingNotifier>());
  auto* recorder = static_cast<RecordingNotifier*>(&Notifier());
  EXPECT_TRUE(window->OpenDroppedFiles({QUrl::fromLocalFile(first), QUrl::fromLocalFile(dropped)}));
  EXPECT_EQ(app.Document().GetPathName(), first);
  ASSERT_EQ(recorder->shown.size(), 1u);
  EXPECT_EQ(recorder->shown[0].text, QStringLiteral("一次只能打开一个文档，以下 1 个文件没有打开：\n") + dropped);
  SetNotifier(std::move(boxes));
  EXPECT_FALSE(window->OpenDroppedFiles({QUrl(QStringLiteral("https://example.org/x.kv"))}));
  // Save As under a new name: the object list's root follows.
  auto chooser = std::make_unique<ScriptedFileChooser>();
  chooser->answers = {folder.filePath(QStringLiteral("棱锥"))};
  SetFileChooser(std::move(chooser));
  ASSERT_TRUE(app.OnFileSaveAs());
  EXPECT_EQ(window->Tree()->RootItem()->text(0), QStringLiteral("棱锥"));

  EXPECT_FALSE(QFile::exists(ConfigFilePath(env.dataFolder)));
  window->close();
  EXPECT_TRUE(QFile::exists(ConfigFilePath(env.dataFolder)));
}

}  // namespace
