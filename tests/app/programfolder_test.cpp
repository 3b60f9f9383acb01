// Where the program finds its own data: beside the executable, or in the
// installed data folder.
#include "app/programfolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace KAVREL_FILE_LOCAL {

TEST(ProgramFolder, ExecutableFolderThenInstalledDataFolder) {
  QTemporaryDir root;
  QDir dir(root.path());
  dir.mkpath(QStringLiteral("build/Images"));
  dir.mkpath(QStringLiteral("usr/bin"));
  dir.mkpath(QStringLiteral("usr/share/kavrel/Images"));
  dir.mkpath(QStringLiteral("bare/bin"));
  struct Case { const char* exe; const char* expected; };
  const Case cases[] = {
      {"build", "build"}, {"usr/bin", "usr/share/kavrel"},
      {"bare/bin", "bare/bin"},  // nothing found: the executable's folder
  };
  for (const Case& c : cases)
    EXPECT_EQ(ResolveProgramFolder(dir.filePath(QString::fromLatin1(c.exe))),
              QDir::cleanPath(dir.filePath(QString::fromLatin1(c.expected))))
        << c.exe;
}

}  // namespace
