// What start-up checks before the application object exists.
#include "app/startupchecks.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(NoDisplayReason, OnlyWhenNothingCanShowAWindow) {
  struct Case {
    const char* display;
    const char* wayland;
    const char* platform;
    bool refused;
  };
  const Case cases[] = {
      {"", "", "", true},
      {":0", "", "", false},
      {"", "wayland-0", "", false},
      {"", "", "offscreen", false},  // a chosen platform may need no display
      {":99", "wayland-0", "xcb", false},
  };
  for (const Case& c : cases) {
    const QString reason = NoDisplayReason(QString::fromLatin1(c.display), QString::fromLatin1(c.wayland),
                                           QString::fromLatin1(c.platform));
    EXPECT_EQ(!reason.isEmpty(), c.refused) << c.display << '|' << c.wayland << '|' << c.platform;
    if (c.refused) {
      EXPECT_TRUE(reason.contains(QStringLiteral("DISPLAY")));
      EXPECT_TRUE(reason.contains(QStringLiteral("xvfb-run")));
    }
  }
}

TEST(DocumentArgument, KeepsOnlyAReadableFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString document = dir.filePath(QStringLiteral("几何 1.kv"));
  QFile file(document);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  struct Case {
    QStringList arguments;
    QString path;
    bool complains;
  };
  const Case cases[] = {
      {{QStringLiteral("kavrel")}, QString(), false},
      {{QStringLiteral("kavrel"), QString()}, QString(), false},
      {{QStringLiteral("kavrel"), document}, QFileInfo(document).absoluteFilePath(), false},
      {{QStringLiteral("kavrel"), dir.filePath(QStringLiteral("missing.kv"))}, QString(), true},
      {{QStringLiteral("kavrel"), dir.path()}, QString(), true},  // a folder is no document
  };
  for (const Case& c : cases) {
    QString problem = QStringLiteral("stale");
    EXPECT_EQ(DocumentArgument(c.arguments, &problem), c.path) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(!problem.isEmpty(), c.complains) << problem.toStdString();
  }
}

}  // namespace
