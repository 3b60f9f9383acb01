// The start-up view on a real display (xvfb): a compatibility context, not a
// core one, and a picture in the background colour of the preferences.
#include "app/blankview.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QWindow>
#include <array>
#include <utility>

#include "model/globals.h"
#include "support/recorders.h"

namespace {

bool WaitUntilExposed(QOpenGLWidget& widget) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (widget.windowHandle() && widget.windowHandle()->isExposed() && widget.isValid()) return true;
  }
  return false;
}

TEST(BlankView, ClearsToThePreferencesBackground) {
  struct Case {
    const char* name;
    std::array<float, 4> background;
    QRgb expected;
  };
  const Case cases[] = {
      {"start value", CDisplayPrefs().background, qRgb(255, 255, 255)},
      {"dark blue-green", {0.0f, 0.2f, 0.4f, 1.0f}, qRgb(0, 51, 102)},
  };
  for (const Case& c : cases) {
    SeamRecorders seams;
    g_prefs.background = c.background;
    BlankView view;
    view.resize(80, 60);
    view.show();
    ASSERT_TRUE(WaitUntilExposed(view)) << "the view never got a GL context on the display";

    const QImage picture = view.grabFramebuffer();
    ASSERT_FALSE(picture.isNull()) << c.name;
    for (const QPoint p : {QPoint(0, 0), QPoint(picture.width() / 2, picture.height() / 2),
                           QPoint(picture.width() - 1, picture.height() - 1)}) {
      EXPECT_EQ(QColor(picture.pixel(p)).name().toStdString(), QColor(c.expected).name().toStdString())
          << c.name << " at " << p.x() << ',' << p.y();
    }
  }
}

TEST(BlankView, GetsAFixedFunctionContext) {
  BlankView view;
  view.resize(40, 30);
  view.show();
  ASSERT_TRUE(WaitUntilExposed(view));
  const QSurfaceFormat format = view.context()->format();
  EXPECT_NE(format.profile(), QSurfaceFormat::CoreProfile);
  EXPECT_GE(std::pair(format.majorVersion(), format.minorVersion()), std::pair(2, 1));
  EXPECT_GE(format.depthBufferSize(), 24);
  EXPECT_GE(format.stencilBufferSize(), 8);
}

}  // namespace
