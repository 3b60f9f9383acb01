// What start-up checks before the application object exists.
#include "app/startupchecks.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>


namespace KAVREL_FILE_LOCAL {

TEST(NoDisplayReason, OnlyWhenNothingCanShowAWindow) {
  struct Case { const char* display; const char* wayland; const char* platform; bool refused; };
  const Case cases[] = {
      {"", "", "", true}, {":0", "", "", false}, {"", "wayland-0", "", false},
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

}  // namespace

namespace KAVREL_FILE_LOCAL {

// The program started where the view would get no usable OpenGL: it says
// why in Chinese and stops before any window, instead of crashing at the
// first paint.
TEST(OpenGLStartup, WithoutUsableOpenGLTheProgramSaysWhyAndStops) {
  const QString display = qEnvironmentVariable("DISPLAY");
  const QString head = QStringLiteral("无法启动 OpenGL 2.1：");
  const struct { const char* name; bool withDisplay; const char* versionOverride; QString reason; } cases[] = {
      {"no display", false, nullptr, QStringLiteral("无法创建 OpenGL 上下文（显示平台 offscreen）。")},
      {"no window", true, nullptr, QStringLiteral("显示平台 offscreen 不能显示 OpenGL 窗口。")},
      {"OpenGL 1.1 only", true, "1.1", QStringLiteral("显卡驱动只提供 OpenGL 1.1 ")},
  };
  for (const auto& c : cases) {
    if (c.withDisplay && display.isEmpty()) continue;  // run by tools/test.sh under xvfb-run
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!c.withDisplay) env.remove(QStringLiteral("DISPLAY"));
    if (c.versionOverride) env.insert(QStringLiteral("MESA_GL_VERSION_OVERRIDE"), QString::fromLatin1(c.versionOverride));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../kavrel")), {});
    ASSERT_TRUE(program.waitForFinished(60000)) << c.name;
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << c.name;
    EXPECT_EQ(program.exitCode(), 3) << c.name;
    const QStringList lines = QString::fromUtf8(program.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty()) << c.name;
    EXPECT_TRUE(lines.back().startsWith(head + c.reason)) << c.name << ": " << lines.back().toStdString();
  }
}

}  // namespace
