#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/kavrelapp.h"
#include "app/preferences.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/archive.h"

namespace KAVREL_FILE_LOCAL {

// Records what the dialogs were opened with and answers as scripted.
class DialogRecorder : public IFileChooser {
 public:
  struct Call { QString title, filter, place; };
  QString ChooseOpen(const QString& title, const QString& filter, const QString& folder) override {
    calls.push_back({title, filter, folder});
    return Next();
  }
  QString ChooseSave(const QString& title, const QString& filter, const QString& suggested) override {
    calls.push_back({title, filter, suggested});
    return Next();
  }
  QString Next() {
    if (answers.empty()) return QString();
    QString answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<Call> calls;
  std::deque<QString> answers;
};

class AppTest : public DocumentFileTest {
 protected:
  AppTest() {
    env.dataFolder = folder.filePath(QStringLiteral("data"));
    env.settingsFile = folder.filePath(QStringLiteral("settings.ini"));
    env.programFolder = folder.filePath(QStringLiteral("program"));
    QDir().mkpath(env.programFolder);
    auto recorder = std::make_unique<DialogRecorder>();
    dialogs = recorder.get();
    SetFileChooser(std::move(recorder));
  }
  // A document file; without the header its records are read in the layout
  // the file's name implies.
  QString Document(const QString& name, bool header = true, bool cells = true) {
    CKavrelDoc doc;
    if (cells) {
      BuildTwoPages(doc);
    } else {
      doc.OnNewDocument();
    }
    QByteArray bytes = Bytes(doc);
    if (!header) bytes.remove(0, 16);
    return WriteFile(name, bytes);
  }
  static QString PageName(CKavrelApp& app) { return app.Document().m_pages.front()->m_strName; }

  CAppEnvironment env;
  DialogRecorder* dialogs = nullptr;
};

TEST_F(AppTest, PreferencesAreWrittenOnceAtExitAndHoldAtTheNextStart) {
  const QString config = ConfigFilePath(env.dataFolder);
  {
    CKavrelApp app(env);
    ASSERT_TRUE(app.InitInstance({QStringLiteral("kavrel")}, false));
    EXPECT_FALSE(QFile::exists(config)) << "nothing is written at start";
    g_prefs.fPointSize = 9;
    app.SaveCustomState();  // the main window closes
    ASSERT_TRUE(QFile::exists(config));
    QFile::remove(config);
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_FALSE(QFile::exists(config)) << "written once";
  }
  g_prefs = CDisplayPrefs();
  CKavrelApp next(env);
  ASSERT_TRUE(next.InitInstance({QStringLiteral("kavrel")}, false));
  EXPECT_FALSE(QFile::exists(config));
  g_prefs.fPointSize = 6;
  next.ExitInstance();
  g_prefs = CDisplayPrefs();
  CKavrelApp third(env);
  third.InitInstance({QStringLiteral("kavrel")}, false);
  EXPECT_EQ(g_prefs.fPointSize, 6.0f);
  g_prefs.fPointSize = 11;
  ASSERT_TRUE(LoadSaveConfigIn(env.dataFolder, true));
  g_prefs.fPointSize = 6;
  third.OnFileNew();
  EXPECT_EQ(g_prefs.fPointSize, 11.0f) << "every new document reads the preferences again";
}

// A file that exists but cannot be read: one without read permission, or,
// where permissions stop nobody (root), a file whose reading fails.
QString UnreadableFile(const QString& locked) {
  QFile::setPermissions(locked, QFileDevice::Permissions());
  QFile probe(locked);
  if (!probe.open(QIODevice::ReadOnly)) return locked;
  return QStringLiteral("/proc/self/mem");
}

TEST_F(AppTest, CommandLineDocumentThatCannotBeOpenedLeavesANewDocument) {
  const struct {
    const char* name;
    QString path;
    bool namesPath;  // the open-failure message; a damaged file has its own
  } cases[] = {
      {"missing", folder.filePath(QStringLiteral("missing.kv")), true},
      {"folder", folder.path(), true},
      {"unreadable", UnreadableFile(Document(QStringLiteral("locked.kv"))), true},
      {"bad header", WriteFile(QStringLiteral("bad.kv"), QByteArray::fromHex("01ff00000000")), false},
  };
  for (const auto& c : cases) {
    seams.notifier->shown.clear();
    CKavrelApp app(env);
    EXPECT_TRUE(app.InitInstance({QStringLiteral("kavrel"), c.path}, false)) << c.name;
    ASSERT_EQ(seams.notifier->shown.size(), 1u) << c.name;
    const QString shown = seams.notifier->shown[0].text;
    if (c.namesPath) {
      EXPECT_TRUE(shown.startsWith(QStringLiteral("打开文档失败："))) << c.name << ": " << shown.toStdString();
      EXPECT_TRUE(shown.contains(c.path)) << c.name << ": " << shown.toStdString();
    }
    ASSERT_EQ(app.Document().m_pages.size(), 1u) << c.name;
    EXPECT_EQ(app.Document().m_pages.front()->m_nId, 1) << c.name;
    EXPECT_EQ(app.Document().m_pages.front()->m_cells.GetCount(), 0) << c.name;
    EXPECT_TRUE(app.Document().GetPathName().isEmpty()) << c.name;
    EXPECT_TRUE(app.RecentFiles().Files().isEmpty()) << c.name;
    EXPECT_EQ(g_pCurPage, app.Document().m_pages.front().get()) << c.name;
  }
}

TEST_F(AppTest, SeveralDocumentsOpenTheFirstAndNameTheOthers) {
  const QString first = Document(QStringLiteral("first.kv"));
  const QString second = Document(QStringLiteral("second.kv"));
  const QString missing = folder.filePath(QStringLiteral("missing.kv"));
  QStringList many{first};
  for (int i = 1; i <= 11; ++i) many << folder.filePath(QStringLiteral("more%1.kv").arg(i));
  const QString manyListed = QStringList(many.mid(1, 10)).join(QLatin1Char('\n'));
  const QStringList eleven = many.mid(0, 11);  // ten others: all listed
  const struct {
    const char* name;
    QStringList paths;
    QString opened;  // "" a new document
    QStringList shown;
  } cases[] = {
      {"two", {first, second}, first, {QStringLiteral("一次只能打开一个文档，以下 1 个文件没有打开：\n") + second}},
      {"first missing", {missing, second}, QString(),
       {QStringLiteral("打开文档失败：") + missing, QStringLiteral("一次只能打开一个文档，以下 1 个文件没有打开：\n") + second}},
      {"eleven", eleven, first, {QStringLiteral("一次只能打开一个文档，以下 10 个文件没有打开：\n") + manyListed}},
      {"twelve", many, first,
       {QStringLiteral("一次只能打开一个文档，以下 11 个文件没有打开：\n") + manyListed + QStringLiteral("\n……")}},
  };
  for (const auto& c : cases) {
    seams.notifier->shown.clear();
    CKavrelApp app(env);
    EXPECT_TRUE(app.InitInstance(QStringList{QStringLiteral("kavrel")} + c.paths, false)) << c.name;
    EXPECT_EQ(app.Document().GetPathName(), c.opened) << c.name;
    ASSERT_EQ(seams.notifier->shown.size(), static_cast<size_t>(c.shown.size())) << c.name;
    for (qsizetype i = 0; i < c.shown.size(); ++i)
      EXPECT_TRUE(seams.notifier->shown[i].text.startsWith(c.shown[i]))
          << c.name << ": " << seams.notifier->shown[i].text.toStdString();
    EXPECT_EQ(seams.notifier->shown.back().text, c.shown.back()) << c.name;
    EXPECT_EQ(seams.notifier->shown.back().type, unsigned(MB_OK | MB_ICONWARNING)) << c.name;
  }
}

TEST_F(AppTest, OlderFilesTakeTheDocumentName) {
  const struct {
    const char* file;
    bool header;
    bool cells;         // records that only the newer layout reads right
    bool kvExists;
    const char* path;   // afterwards; "" untitled
    bool modified;
  } cases[] = {
      {"a.sgs", false, true, false, "a.kv", true}, {"b.sgs", true, true, false, "b.kv", false},
      {"c.sgs", true, true, true, "", false},  // never overwrite c.kv unasked
      {"D.SGS", false, true, false, "D.kv", true}, {"e.kv", false, false, false, "e.kv", true},
      {"fsgs", true, true, false, "fsgs", false},
  };
  for (const auto& c : cases) {
    const QString name = QString::fromLatin1(c.file);
    const QString path = Document(name, c.header, c.cells);
    const QString kv = folder.filePath(name.left(name.size() - 3) + QStringLiteral("kv"));
    if (c.kvExists) WriteFile(QFileInfo(kv).fileName(), QByteArray("keep"));
    CKavrelApp app(env);
    app.InitInstance({QStringLiteral("kavrel")}, false);
    ASSERT_NE(app.OpenDocumentFile(path), nullptr) << c.file;
    const QString expected = *c.path ? folder.filePath(QString::fromLatin1(c.path)) : QString();
    EXPECT_EQ(app.Document().GetPathName(), expected) << c.file;
    EXPECT_EQ(app.Document().IsModified(), c.modified) << c.file;
    EXPECT_EQ(app.Document().m_pages.front()->m_cells.GetCount(), c.cells ? 9 : 0) << c.file;
    if (c.kvExists) {
      EXPECT_EQ(g_strDocumentPath, kv) << "relative names still resolve beside the file";
      EXPECT_TRUE(app.OnFileSave() == false) << "an untitled document asks for a name";
      QFile keep(kv);
      ASSERT_TRUE(keep.open(QIODevice::ReadOnly));
      EXPECT_EQ(keep.readAll(), QByteArray("keep"));
    }
  }
}

TEST_F(AppTest, CommandLineDocumentOpensAndAFailedOpenKeepsIt) {
  const QString good = Document(QStringLiteral("lesson.kv"));
  QByteArray newer = QByteArray::fromHex("01ff9b85a50100000000000000000000");
  const QString bad = WriteFile(QStringLiteral("newer.kv"), newer);
  CKavrelApp app(env);
  ASSERT_TRUE(app.InitInstance({QStringLiteral("kavrel"), good}, false));
  EXPECT_EQ(PageName(app), QStringLiteral("one"));
  EXPECT_FALSE(app.Document().IsModified());
  EXPECT_EQ(app.DocumentTitle(), QStringLiteral("lesson"));
  const CGPage* page = app.Document().m_pages.front().get();
  EXPECT_EQ(app.OpenDocumentFile(bad), nullptr);
  EXPECT_EQ(app.Document().GetPathName(), good);
  EXPECT_EQ(app.Document().m_pages.front().get(), page);
  EXPECT_EQ(app.RecentFiles().Files(), QStringList{good});
}

TEST_F(AppTest, RecentFilesKeepTheSixNewest) {
  QStringList paths;
  for (int i = 1; i <= 7; ++i) paths << Document(QStringLiteral("f%1.kv").arg(i), true, false);
  {
    CKavrelApp app(env);
    app.InitInstance({QStringLiteral("kavrel")}, false);
    for (const QString& path : paths) app.OpenDocumentFile(path);
    app.OpenDocumentFile(paths[3]);
    const QStringList expected{paths[3], paths[6], paths[5], paths[4], paths[2], paths[1]};
    EXPECT_EQ(app.RecentFiles().Files(), expected);
  }
  CKavrelApp app(env);
  app.InitInstance({QStringLiteral("kavrel")}, false);
  ASSERT_EQ(app.RecentFiles().Files().size(), 6);
  EXPECT_EQ(app.RecentFiles().Files().front(), paths[3]);
  QFile::remove(paths[6]);
  app.OnOpenRecentFile(1);
  EXPECT_FALSE(app.RecentFiles().Files().contains(paths[6]));
  EXPECT_EQ(app.RecentFiles().Files().size(), 5);
  app.OnOpenRecentFile(2);
  EXPECT_EQ(app.Document().GetPathName(), paths[4]);
  EXPECT_EQ(app.RecentFiles().Files().front(), paths[4]);
  QFile::remove(paths[1]);
  app.OnOpenRecentFile(4);  // the oldest is gone too
  ASSERT_EQ(app.RecentFiles().Files().size(), 4);
  app.ExitInstance();
  CKavrelApp again(env);
  again.InitInstance({QStringLiteral("kavrel")}, false);
  EXPECT_EQ(again.RecentFiles().Files(), app.RecentFiles().Files()) << "the shorter list leaves no old entry behind";
}

TEST_F(AppTest, OpenDialogsOfferTheirFoldersAndCancelChangesNothing) {
  CKavrelApp app(env);
  app.InitInstance({QStringLiteral("kavrel")}, false);
  const CGPage* page = app.Document().m_pages.front().get();
  app.OnFileOpen();
  app.OnHelpSample();
  ASSERT_EQ(dialogs->calls.size(), 2u);
  EXPECT_EQ(dialogs->calls[0].filter, QStringLiteral("3D图形文档 (*.kv *.sgs)"));
  EXPECT_TRUE(dialogs->calls[0].place.isEmpty());
  EXPECT_EQ(dialogs->calls[1].filter, QStringLiteral("Kavrel文档(*.kv)")) << "the patterns once";
  EXPECT_EQ(dialogs->calls[1].place, QDir(env.programFolder).filePath(QStringLiteral("Samples")));
  EXPECT_EQ(app.Document().m_pages.front().get(), page);
  EXPECT_TRUE(seams.notifier->shown.empty());

  dialogs->answers = {Document(QStringLiteral("chosen.kv"))};
  app.OnFileOpen();
  EXPECT_EQ(PageName(app), QStringLiteral("one"));
}

TEST_F(AppTest, UntitledDocumentsAreSavedUnderAChosenName) {
  CKavrelApp app(env);
  app.InitInstance({QStringLiteral("kavrel")}, false);
  app.Document().SetModifiedFlag();
  EXPECT_FALSE(app.OnFileSave());
  ASSERT_EQ(dialogs->calls.size(), 1u);
  EXPECT_TRUE(app.Document().IsModified());

  dialogs->answers = {folder.filePath(QStringLiteral("named"))};
  EXPECT_TRUE(app.OnFileSave());
  const QString saved = folder.filePath(QStringLiteral("named.kv"));
  EXPECT_TRUE(QFile::exists(saved));
  EXPECT_EQ(app.Document().GetPathName(), saved);
  EXPECT_FALSE(app.Document().IsModified());
  EXPECT_EQ(app.RecentFiles().Files().front(), saved);
  EXPECT_TRUE(app.OnFileSave());
  EXPECT_EQ(dialogs->calls.size(), 2u) << "a named document saves without asking";
}

TEST_F(AppTest, AboutNamesTheProgramAndItsVersion) {
  CKavrelApp app(env);
  app.OnAppAbout();
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(seams.notifier->shown[0].text, QStringLiteral("Kavrel\n版本 4.20"));
  EXPECT_EQ(seams.notifier->shown[0].caption, QStringLiteral("关于Kavrel"));
}

TEST_F(AppTest, ModifiedDocumentIsOfferedForSavingFirst) {
  CKavrelApp app(env);
  app.InitInstance({QStringLiteral("kavrel")}, false);
  app.Document().m_pages.front()->m_strName = QStringLiteral("edited");
  app.Document().SetModifiedFlag();
  seams.notifier->answers = {IDCANCEL, IDNO};
  app.OnFileNew();
  EXPECT_EQ(PageName(app), QStringLiteral("edited"));
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(seams.notifier->shown[0].text, QStringLiteral("是否保存对 [未命名] 的更改?"));
  app.OnFileNew();
  EXPECT_NE(PageName(app), QStringLiteral("edited"));
  EXPECT_FALSE(app.Document().IsModified());
}

TEST_F(AppTest, BrokenToolFilesDoNotStopStartUp) {
  std::vector<std::unique_ptr<CRecord>> tools;
  tools.push_back(std::make_unique<CRecord>());
  tools.back()->m_strName = QStringLiteral("kept");
  CArchive ar;
  ar << WORD(0xFF01) << WORD(0x859B) << DWORD(420) << DWORD(0) << DWORD(0);
  WriteToolList(ar, tools);
  const QString toolFolder = QDir(env.programFolder).filePath(QStringLiteral("Tools"));
  QDir().mkpath(toolFolder);
  auto write = [&toolFolder](const char* name, const QByteArray& bytes) {
    QFile file(QDir(toolFolder).filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  };
  write("good.kv", ar.Bytes());
  write("truncated.kv", ar.Bytes().left(ar.Bytes().size() - 4));
  QByteArray wrong = ar.Bytes();
  wrong[0] = 0x02;
  write("wrong.kv", wrong);

  CKavrelApp app(env);
  ASSERT_TRUE(app.InitInstance({QStringLiteral("kavrel")}, false));
  ASSERT_EQ(app.ToolSets().size(), 1u);
  EXPECT_EQ(app.ToolSets()[0].title, QStringLiteral("good"));
  ASSERT_EQ(g_globalTools.size(), 1u);
  EXPECT_EQ(g_globalTools[0]->m_strName, QStringLiteral("kept"));
  EXPECT_TRUE(seams.notifier->shown.empty());
}

}  // namespace
