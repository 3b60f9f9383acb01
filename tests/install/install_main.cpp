// The install test's main.  Besides running the tests it has one job of
// its own, which the test starts under a virtual X server:
//
//   test_install --shoot OUT.png PROGRAM [ARGS...]
//
// starts PROGRAM on that display, waits until its 3D view has drawn (the
// red x axis is on the screen; at most 45 s) and saves the screen to OUT.png.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStringList>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "screenpixels.h"

namespace {

QImage GrabScreen() {
  QGuiApplication::processEvents();
  return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

int Shoot(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() < 4) return 2;
  QProcess program;
  program.setProcessChannelMode(QProcess::ForwardedChannels);
  program.start(args[3], args.mid(4));
  if (!program.waitForStarted()) {
    std::fprintf(stderr, "cannot start %s\n", qPrintable(args[3]));
    return 3;
  }
  QImage shot;
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 45000 && program.state() == QProcess::Running) {
    QThread::msleep(300);
    shot = GrabScreen();
    if (CountPixels(shot, IsAxisRed) >= 30) {
      // The first frame may still be followed by another: the picture is
      // taken once two grabs in a row agree.
      for (QImage previous; shot != previous && waited.elapsed() < 45000;) {
        previous = shot;
        QThread::msleep(300);
        shot = GrabScreen();
      }
      break;
    }
  }
  program.kill();
  program.waitForFinished();
  return shot.save(args[2]) ? 0 : 4;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--shoot") == 0) return Shoot(argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  QGuiApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
