// The view on a real display (xvfb): a compatibility context, the
// background colour without a page, a page drawn with its textures and
// lists made from the program folder, and picking through the widget.
#include "view/kavrelview.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QOpenGLContext>
#include <QWindow>
#include <algorithm>
#include <array>
#include <memory>
#include <utility>

#include "../viewtestsupport.h"
#include "math/mathglobals.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "render/glresources.h"
#include "support/recorders.h"
#include "support/settle.h"

namespace KAVREL_FILE_LOCAL {

bool WaitUntilExposed(QOpenGLWidget& widget) {
  return SettleUntil(
      [&widget] { return widget.windowHandle() && widget.windowHandle()->isExposed() && widget.isValid(); });
}

QString Name(QRgb c) { return QColor(c).name(); }

TEST(KavrelView, ClearsToThePreferencesBackgroundWithoutAPage) {
  struct Case { const char* name; std::array<float, 4> background; QRgb expected; };
  const Case cases[] = {
      {"start value", CDisplayPrefs().background, qRgb(255, 255, 255)},
      {"dark blue-green", {0.0f, 0.2f, 0.4f, 1.0f}, qRgb(0, 51, 102)},
  };
  for (const Case& c : cases) {
    SeamRecorders seams;
    g_strProgramFolder = PictureFolder();
    g_prefs.background = c.background;
    CKavrelView view;
    EXPECT_EQ(g_pKavrelView, &view);
    view.resize(80, 60);
    view.show();
    ASSERT_TRUE(WaitUntilExposed(view)) << "the view never got a GL context on the display";

    const QImage picture = view.grabFramebuffer();
    ASSERT_FALSE(picture.isNull()) << c.name;
    for (const QPoint p : {QPoint(0, 0), QPoint(picture.width() / 2, picture.height() / 2),
                           QPoint(picture.width() - 1, picture.height() - 1)})
      EXPECT_EQ(Name(picture.pixel(p)).toStdString(), Name(c.expected).toStdString()) << c.name;
  }
  EXPECT_EQ(g_pKavrelView, nullptr);
}

// A current page holding point A at (2, 1, 0), seen straight down the z
// axis without axes, for a view of 120 x 100 pixels.
struct PointPage {
  PointPage() {
    g_strProgramFolder = PictureFolder();
    ViewQuaternion = kQuatIdentity;
    g_nAxesMode = 0;
    SetCurrentPage(&page);
    point = new CGVertex(page.m_nNextId++, page.m_nNextVertex++, QStringLiteral("A"), 2, 1, 0);
    page.m_cells.SetAt(point->m_nId, point);
  }
  ~PointPage() { SetCurrentPage(nullptr); }
  SeamRecorders seams;
  CGPage page;
  CGVertex* point;
};

TEST(KavrelView, GetsAFixedFunctionContextThenDrawsAndPicksTheCurrentPage) {
  PointPage scene;
  scene.point->m_bLabelHidden = 1;
  scene.point->m_rgbaColor = RGBA{0, 0, 255, 255};
  scene.point->m_fSize = 10;

  CKavrelView view;
  view.resize(120, 100);
  view.show();
  ASSERT_TRUE(WaitUntilExposed(view));
  const QSurfaceFormat format = view.context()->format();
  EXPECT_NE(format.profile(), QSurfaceFormat::CoreProfile);
  EXPECT_GE(std::pair(format.majorVersion(), format.minorVersion()), std::pair(2, 1));
  EXPECT_GE(format.depthBufferSize(), 24);
  EXPECT_GE(format.stencilBufferSize(), 8);
  EXPECT_TRUE(view.Renderer().IsInitialised());
  EXPECT_NE(g_nShapeListBase, 0u);
  EXPECT_NE(g_nPictureTextures[14], 0u);
  EXPECT_TRUE(scene.seams.notifier->shown.empty());
  EXPECT_EQ(std::make_pair(g_nViewWidth, g_nViewHeight), std::make_pair(120, 100));

  const double ratio = view.devicePixelRatioF();
  // World (2, 1) at 20 pixels per unit from the centre, in device pixels.
  const int x = static_cast<int>((60 + 40) * ratio), y = static_cast<int>((50 - 20) * ratio);
  QImage picture = view.grabFramebuffer();
  EXPECT_EQ(Name(picture.pixel(x, y)).toStdString(), "#0000ff");
  EXPECT_EQ(Name(picture.pixel(5, 5)).toStdString(), "#ffffff") << "the page's own white background";
  const float background[4] = {0.0f, 0.4f, 0.2f, 1.0f};
  std::copy_n(background, 4, scene.page.m_rgbaBackground);
  int kind = 0;
  WORD id = 0;
  ASSERT_TRUE(view.PickObjects(x, y, &kind, &id, false));
  EXPECT_EQ(kind, 1);
  EXPECT_EQ(id, scene.point->m_nId);
  EXPECT_FALSE(view.PickObjects(static_cast<int>(20 * ratio), y, &kind, &id, false));

  view.RenderScene();
  EXPECT_EQ(Name(view.grabFramebuffer().pixel(5, 5)).toStdString(), "#006633") << "the page's background";

  // Three views: the point at half scale about the lower-right quadrant's centre.
  scene.page.m_bThreeView = 1;
  view.RenderScene();
  view.grabFramebuffer();  // the frame has been drawn
  kind = 0;
  ASSERT_TRUE(view.PickObjects(static_cast<int>((90 + 20) * ratio), static_cast<int>((75 - 10) * ratio), &kind, &id,
                               false));
  EXPECT_EQ(kind, 1);
}

TEST(KavrelView, DisplayModeChangeMakesTheBufferAnewOrDrawsOnWithoutIt) {
  SeamRecorders seams;
  g_strProgramFolder = PictureFolder();
  g_prefs.background = {0.0f, 0.2f, 0.4f, 1.0f};
  CKavrelView view;
  view.resize(80, 60);
  view.show();
  ASSERT_TRUE(WaitUntilExposed(view));
  g_bBackgroundDirty = 0;
  view.OnDisplayChange(1024, 768);
  EXPECT_EQ(view.Renderer().Background().Bytes(), size_t((24 * 1024 + 271) / 32) * 4 * 778);
  EXPECT_EQ(view.Renderer().Background().Width(), 1034) << "areas up to 10 pixels beyond the screen fit";
  EXPECT_EQ(g_bBackgroundDirty, 1) << "the background is captured again";
  EXPECT_TRUE(seams.notifier->shown.empty());

  view.OnDisplayChange(100000, 100000);  // more than the buffer may ever take
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(seams.notifier->shown[0].text, QStringLiteral("内存不够!"));
  EXPECT_FALSE(view.Renderer().Background().IsAllocated());
  view.RenderScene();
  EXPECT_EQ(Name(view.grabFramebuffer().pixel(5, 5)).toStdString(), "#003366") << "the view goes on drawing";
}

TEST(KavrelView, LightZeroOfItsContextTakesThePreferencesLight) {
  SeamRecorders seams;
  g_strProgramFolder = PictureFolder();
  CKavrelView view;
  g_prefs.lightDiffuse = {0.1f, 0.2f, 0.3f, 1.0f};
  view.ApplyLight();  // no context yet: the first frame takes it
  view.resize(40, 30);
  view.show();
  ASSERT_TRUE(WaitUntilExposed(view));
  g_prefs.lightDiffuse = {0.5f, 0.6f, 0.7f, 1.0f};
  view.ApplyLight();
  view.makeCurrent();
  std::array<float, 4> diffuse{};
  glGetLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse.data());
  view.doneCurrent();
  EXPECT_EQ(diffuse, g_prefs.lightDiffuse);
}

}  // namespace
