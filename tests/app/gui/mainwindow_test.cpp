// The main window on a real display (xvfb): what it shows of the document,
// a dropped file, Save As, and the preferences written when it closes.
#include "app/mainwindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "app/classregistration.h"
#include "app/gui/appenvironment.h"
#include "app/gui/keptpictures.h"
#include "app/kavrelapp.h"
#include "app/preferences.h"
#include "model/cgpage.h"
#include "platform/clipboard.h"
#include "platform/commandids.h"
#include "platform/processstate.h"
#include "ui/commandactions.h"
#include "ui/objectlist/viewtree.h"
#include "view/kavrelview.h"
#include "support/recorders.h"
#include "support/settle.h"

namespace KAVREL_FILE_LOCAL {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    RegisterAllClasses();
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
  CAppEnvironment env{TestAppEnvironment(folder)};
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
  ASSERT_NE(window->Tree()->FindCurrentPageItem(), nullptr) << "the object list shows the document";
  EXPECT_EQ(window->Tree()->FindCurrentPageItem()->text(0), QStringLiteral("【 1】first"));

  EXPECT_TRUE(window->OpenDroppedFiles({QUrl(QStringLiteral("https://example.org/x.kv")), QUrl::fromLocalFile(dropped)}));
  EXPECT_EQ(app.Document().GetPathName(), dropped);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("dropped[*] - Kavrel"));
  EXPECT_EQ(window->StatusText(2), QStringLiteral("当前页：dropped"));

  // Applying the preferences to the view leaves its matrices as they were.
  window->RefreshView();
  window->View()->makeCurrent();
  GLint depth = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
  window->View()->doneCurrent();

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

// A document saved with an empty page shows an empty view, however it was
// opened: named on the command line (as a double click in the file manager
// starts the program), through 文件→打开, or made by 文件→新建.  Each way
// starts from the process's state as the program starts.
TEST_F(MainWindowTest, ADocumentLooksTheSameHoweverItWasOpened) {
  const QString path = Saved(QStringLiteral("empty"));
  const struct Way {
    const char* name;
    const char* view;  // the names its pictures are kept under
    const char* diff;
    QStringList arguments;
    unsigned command;  // then run from the menu; 0: none
  } ways[] = {
      {"named at start", "start", "start-diff", {QStringLiteral("kavrel"), path}, 0},
      {"文件→打开", "open", "open-diff", {QStringLiteral("kavrel")}, ID_FILE_OPEN},
      {"文件→新建", "new", "new-diff", {QStringLiteral("kavrel")}, ID_FILE_NEW},
  };
  KeptPictures pictures;
  for (const Way& way : ways) {
    SeamRecorders started;  // the state the process starts with
    CKavrelApp app(env);
    ASSERT_TRUE(app.InitInstance(way.arguments)) << way.name;
    CMainWindow* window = app.MainWindow();
    CKavrelView* view = window->View();
    // The window's file dialog gives way to a scripted one.
    auto chooser = std::make_unique<ScriptedFileChooser>();
    chooser->answers = {path};
    std::unique_ptr<IFileChooser> dialogs = SetFileChooser(std::move(chooser));
    window->resize(900, 700);
    window->show();
    ASSERT_TRUE(SettleUntil([view] { return view->isValid(); })) << way.name;
    window->Actions().Refresh();
    if (way.command) window->Actions().Action(way.command)->trigger();
    EXPECT_EQ(app.Document().GetPathName(), way.command == ID_FILE_NEW ? QString() : path) << way.name;
    // Every pixel of the view is the page's white; the diff picture shows
    // the others in red.
    const QImage picture = pictures.Keep(way.view, view->grabFramebuffer().convertToFormat(QImage::Format_RGB32));
    QImage diff(picture.size(), QImage::Format_RGB32);
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        const bool blank = picture.pixel(x, y) == qRgb(255, 255, 255);
        drawn += blank ? 0 : 1;
        diff.setPixel(x, y, blank ? qRgb(255, 255, 255) : qRgb(255, 0, 0));
      }
    pictures.Keep(way.diff, diff);
    EXPECT_EQ(drawn, 0) << way.name << ": no axes, nothing drawn";
    SetFileChooser(std::move(dialogs));
    window->close();
  }
}

// On a display the clipboard is the system's: a private format travels
// under its Windows name.
TEST(SystemClipboard, KeepsAPrivateFormatUnderItsName) {
  ResetProcessState();
  const QByteArray record("\x02\x00\x00\x00", 4);
  Clipboard().SetData(QStringLiteral("CF_KAVREL"), record);
  EXPECT_EQ(Clipboard().Data(QStringLiteral("CF_KAVREL")), record);
  EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data(
                QStringLiteral("application/x-qt-windows-mime;value=\"CF_KAVREL\"")),
            record);
}

}  // namespace
