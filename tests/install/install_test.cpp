// `cmake --install` into a temporary prefix: exactly the program, its data
// folder and the desktop files; the desktop's own tools accept the menu
// entry and the file types and hand documents to Kavrel; the installed
// program finds its data folder and draws a sample with its picture.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "screenpixels.h"

namespace {

const QString kSourceDir = QStringLiteral(KAVREL_SOURCE_DIR);
const QString kCubeSample = QStringLiteral("正方体与面对角线.kv");

struct ToolRun {
  int exitCode = -1;
  QString output;  // standard output and error
};

ToolRun RunTool(const QString& program, const QStringList& args,
            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(), int timeoutMs = 60000) {
  QProcess process;
  process.setProcessEnvironment(env);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, args);
  ToolRun run;
  if (!process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished();
    run.output = QStringLiteral("did not finish: ") + process.errorString();
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.output = QString::fromUtf8(process.readAll());
  return run;
}

QString Describe(const QString& program, const ToolRun& run) {
  return program + QStringLiteral(" exited with ") + QString::number(run.exitCode) + QStringLiteral(":\n") +
         run.output;
}

// The tools of the list that are not on the PATH.
QStringList Missing(const QStringList& tools) {
  QStringList missing;
  for (const QString& tool : tools)
    if (QStandardPaths::findExecutable(tool).isEmpty()) missing << tool;
  return missing;
}

class InstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp.isValid());
    prefix = temp.filePath(QStringLiteral("prefix"));
    const ToolRun run = RunTool(QStringLiteral(KAVREL_CMAKE_COMMAND),
                            {QStringLiteral("--install"), QStringLiteral(KAVREL_BUILD_DIR), QStringLiteral("--prefix"), prefix});
    ASSERT_EQ(run.exitCode, 0) << Describe(QStringLiteral("cmake --install"), run).toStdString();
  }
  QString Installed(const QString& relative) const { return QDir(prefix).filePath(relative); }

  QTemporaryDir temp;
  QString prefix;
};

TEST_F(InstallTest, PutsExactlyTheProgramItsDataAndTheDesktopFiles) {
  QSet<QString> expected{
      QStringLiteral("bin/kavrel"),
      QStringLiteral("share/applications/kavrel.desktop"),
      QStringLiteral("share/mime/packages/kavrel.xml"),
      QStringLiteral("share/icons/hicolor/scalable/apps/kavrel.svg"),
      QStringLiteral("share/icons/hicolor/48x48/apps/kavrel.png"),
      QStringLiteral("share/icons/hicolor/256x256/apps/kavrel.png"),
      QStringLiteral("share/icons/hicolor/scalable/mimetypes/application-x-kavrel-document.svg"),
      QStringLiteral("share/icons/hicolor/48x48/mimetypes/application-x-kavrel-document.png"),
      QStringLiteral("share/icons/hicolor/256x256/mimetypes/application-x-kavrel-document.png"),
  };
  for (int i = 1; i <= 15; ++i) expected << QStringLiteral("share/kavrel/Images/Img%1.jpg").arg(i);
  const QStringList samples = QDir(kSourceDir + QStringLiteral("/assets/Samples")).entryList(QDir::Files);
  EXPECT_TRUE(samples.contains(kCubeSample));
  for (const QString& sample : samples) expected << QStringLiteral("share/kavrel/Samples/") + sample;
  const QStringList models = QDir(kSourceDir + QStringLiteral("/assets/Models")).entryList(QDir::Files);
  EXPECT_TRUE(models.contains(QStringLiteral("house.3ds")));
  for (const QString& model : models) expected << QStringLiteral("share/kavrel/Models/") + model;

  QSet<QString> found;
  for (QDirIterator it(prefix, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
    found << QDir(prefix).relativeFilePath(it.next());
  EXPECT_EQ(found - expected, QSet<QString>()) << "installed, not expected";
  EXPECT_EQ(expected - found, QSet<QString>()) << "expected, not installed";
  EXPECT_TRUE(QFileInfo(Installed(QStringLiteral("bin/kavrel"))).isExecutable());
  EXPECT_TRUE(QFileInfo(Installed(QStringLiteral("share/kavrel/Tools"))).isDir()) << "the tool-set folder";
  EXPECT_TRUE(QImage(Installed(QStringLiteral("share/icons/hicolor/48x48/apps/kavrel.png"))).size() == QSize(48, 48));
  EXPECT_TRUE(QImage(Installed(QStringLiteral("share/icons/hicolor/256x256/mimetypes/application-x-kavrel-document.png")))
                  .size() == QSize(256, 256));
}

// The desktop entry's keys, as a file manager and a menu read them.
QMap<QString, QString> EntryKeys(const QString& path) {
  QMap<QString, QString> keys;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
  for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    const qsizetype at = line.indexOf(QLatin1Char('='));
    if (at > 0) keys.insert(line.left(at), line.mid(at + 1));
  }
  return keys;
}

TEST_F(InstallTest, DesktopToolsAcceptTheEntryAndHandDocumentsToKavrel) {
  const QStringList missing = Missing({QStringLiteral("desktop-file-validate"), QStringLiteral("xmllint"),
                                       QStringLiteral("update-mime-database"), QStringLiteral("xdg-mime"),
                                       QStringLiteral("mimetype")});
  if (!missing.isEmpty())
    GTEST_SKIP() << "missing " << missing.join(QStringLiteral(", ")).toStdString()
                 << ": install desktop-file-utils libxml2-utils shared-mime-info xdg-utils libfile-mimeinfo-perl "
                    "(tools/install-deps.sh does)";

  const QString entry = Installed(QStringLiteral("share/applications/kavrel.desktop"));
  ToolRun run = RunTool(QStringLiteral("desktop-file-validate"), {entry});
  EXPECT_EQ(run.exitCode, 0) << Describe(QStringLiteral("desktop-file-validate"), run).toStdString();
  EXPECT_FALSE(run.output.contains(QStringLiteral("error:"))) << run.output.toStdString();
  const QMap<QString, QString> keys = EntryKeys(entry);
  const std::pair<const char*, const char*> entryRows[] = {
      {"Type", "Application"},
      {"Name", "Kavrel"},
      {"GenericName", "立体几何作图"},
      {"Exec", "kavrel %F"},
      {"Icon", "kavrel"},
      {"MimeType", "application/x-kavrel-document;application/x-kavrel-older-document;"},
      {"Categories", "Education;Science;Math;"},
  };
  for (const auto& [key, value] : entryRows)
    EXPECT_EQ(keys.value(QString::fromUtf8(key)), QString::fromUtf8(value)) << key;

  const QString mimeFile = Installed(QStringLiteral("share/mime/packages/kavrel.xml"));
  run = RunTool(QStringLiteral("xmllint"), {QStringLiteral("--noout"), mimeFile});
  EXPECT_EQ(run.exitCode, 0) << Describe(QStringLiteral("xmllint"), run).toStdString();
  run = RunTool(QStringLiteral("update-mime-database"), {Installed(QStringLiteral("share/mime"))});
  ASSERT_EQ(run.exitCode, 0) << Describe(QStringLiteral("update-mime-database"), run).toStdString();

  // The prefix stands in for the user's own data folder; the lookups run as
  // outside any particular desktop, so xdg-mime uses the shared database.
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_DATA_HOME"), Installed(QStringLiteral("share")));
  env.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/local/share:/usr/share"));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), temp.filePath(QStringLiteral("config")));
  for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "KDE_SESSION_VERSION",
                           "GNOME_DESKTOP_SESSION_ID", "XDG_SESSION_DESKTOP"})
    env.remove(QString::fromLatin1(name));
  QDir().mkpath(temp.filePath(QStringLiteral("config")));

  QFile sample(Installed(QStringLiteral("share/kavrel/Samples/") + kCubeSample));
  ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
  const QByteArray document = sample.readAll();
  const struct { const char* file; QByteArray bytes; const char* type; } files[] = {
      {"sample.kv", document, "application/x-kavrel-document"},
      {"lesson", document, "application/x-kavrel-document"},  // no name to go by: the header
      {"older.kv", QByteArray("\x05\x00\x01\x00", 4), "application/x-kavrel-document"},
      {"older.sgs", QByteArray("\x05\x00\x01\x00", 4), "application/x-kavrel-older-document"},
      {"formula.vod", QByteArray("\xff\xfe<\0r\0o\0w\0>\0", 12), "application/x-kavrel-formula"},
  };
  for (const auto& f : files) {
    const QString path = temp.filePath(QString::fromUtf8(f.file));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(f.bytes);
    out.close();
    run = RunTool(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), path}, env);
    EXPECT_EQ(run.output.trimmed(), QString::fromUtf8(f.type)) << f.file << ": " << run.output.toStdString();
  }

  for (const char* type : {"application/x-kavrel-document", "application/x-kavrel-older-document"}) {
    run = RunTool(QStringLiteral("xdg-mime"),
                  {QStringLiteral("default"), QStringLiteral("kavrel.desktop"), QString::fromUtf8(type)}, env);
    EXPECT_EQ(run.exitCode, 0) << type << ": " << run.output.toStdString();
    run = RunTool(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), QString::fromUtf8(type)},
                  env);
    EXPECT_EQ(run.output.trimmed(), QStringLiteral("kavrel.desktop")) << type;
  }
}

TEST_F(InstallTest, InstalledProgramDrawsASampleWithItsPicture) {
  if (const QStringList missing = Missing({QStringLiteral("xvfb-run")}); !missing.isEmpty())
    GTEST_SKIP() << "missing xvfb-run: install xvfb (tools/install-deps.sh does)";
  // The program runs on a virtual screen of its own, away from other tests'
  // windows, and keeps its settings and preferences in the temporary folder.
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  env.insert(QStringLiteral("HOME"), temp.filePath(QStringLiteral("home")));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), temp.filePath(QStringLiteral("home/config")));
  env.insert(QStringLiteral("XDG_DATA_HOME"), temp.filePath(QStringLiteral("home/data")));
  QDir().mkpath(temp.filePath(QStringLiteral("home")));
  const QString shot = temp.filePath(QStringLiteral("screen.png"));
  const ToolRun run = RunTool(QStringLiteral("xvfb-run"),
                          {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x800x24"),
                           QCoreApplication::applicationFilePath(), QStringLiteral("--shoot"), shot,
                           Installed(QStringLiteral("bin/kavrel")),
                           Installed(QStringLiteral("share/kavrel/Samples/") + kCubeSample)},
                          env, 120000);
  ASSERT_EQ(run.exitCode, 0) << Describe(QStringLiteral("xvfb-run"), run).toStdString();
  const QImage screen(shot);
  ASSERT_FALSE(screen.isNull());
  EXPECT_GE(CountPixels(screen, IsAxisRed), 30) << "the view has drawn the page";
  // The cube's right face wears the checkerboard: the program found
  // share/kavrel/Images from bin/.
  EXPECT_GE(CountPixels(screen, IsCheckerNavy), 500) << "the textured face shows its picture";
}

}  // namespace
