// The view's GL work in the headless context: making its resources from the
// program folder, following the client size, and drawing a page whose
// points land on the pixels the projections promise.
#include <GL/gl.h>

#include <QDir>
#include <QFile>
#include <cstdlib>

#include "math/mathglobals.h"
#include "render/glrelease.h"
#include "render/glresources.h"
#include "render/projection.h"
#include "render/textures.h"
#include "view/viewrenderer.h"
#include "viewtestsupport.h"

namespace KAVREL_FILE_LOCAL {

class Renderer : public PageGlTest {
 protected:
  QSize ViewSize() const override { return {200, 150}; }
  void SetUp() override {
    PageGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    g_strProgramFolder = PictureFolder();
    ViewQuaternion = kQuatIdentity;  // looking down the z axis
    g_nAxesMode = 0;
  }
  // The pixel (top row 0) of a world point at z = 0 in the default view.
  static QPoint PixelOf(float x, float y) {
    return {static_cast<int>(std::lround(100 + x / 0.05f)), static_cast<int>(std::lround(75 - y / 0.05f))};
  }
  CGVertex* Point(float x, float y, RGBA colour, BYTE style = 0) {
    CGVertex* p = AddPoint(x, y, 0);
    p->m_rgbaColor = colour;
    p->m_fSize = 8;
    p->m_nStyle = style;
    p->m_bLabelHidden = 1;
    return p;
  }
  void Dump(const QImage& image, const QString& name) {
    if (const char* dir = std::getenv("KAVREL_RENDER_DUMP")) image.save(QDir(QString::fromLocal8Bit(dir)).filePath(name));
  }
  CViewRenderer renderer;
};

TEST_F(Renderer, InitialisesStateTexturesAndLists) {
  ASSERT_TRUE(renderer.InitOpenGL());
  EXPECT_TRUE(seams.notifier->shown.empty());
  EXPECT_TRUE(renderer.IsInitialised());
  for (GLuint name : g_nPictureTextures) EXPECT_TRUE(glIsTexture(name));
  for (const CTextureSlot& slot : {g_textureSlots[0], g_textureSlots[1], g_textureSlots[2]})  // not kept
    EXPECT_EQ(std::make_tuple(slot.noCopy, slot.pixels.empty(), slot.width), std::make_tuple(1, true, 8));
  EXPECT_NE(g_pQuadric, nullptr);
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING)) << "lighting waits for the lit passes";
  EXPECT_TRUE(glIsEnabled(GL_VERTEX_ARRAY));
  GLubyte hatch[128];
  glGetPolygonStipple(hatch);
  EXPECT_EQ(hatch[0], 0x40);
  EXPECT_EQ(hatch[4 * 7], 0x80);
  EXPECT_EQ(hatch[4 * 8 + 3], 0x40) << "the 8 rows repeat";
}

TEST_F(Renderer, MissingPicturesStopTheLoadingButNotTheView) {
  QTemporaryDir dir;
  QDir(dir.path()).mkpath(QStringLiteral("Images"));
  for (int i = 1; i <= 15; ++i)
    if (i != 5)
      QFile::copy(QDir(PictureFolder()).filePath(QStringLiteral("Images/Img%1.jpg").arg(i)),
                  QDir(dir.path()).filePath(QStringLiteral("Images/Img%1.jpg").arg(i)));
  g_strProgramFolder = dir.path();
  EXPECT_FALSE(renderer.InitOpenGL());
  auto width = [](GLuint texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint w = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    return w;
  };
  EXPECT_EQ(width(g_nPictureTextures[3]), 8) << "picture 4 loaded";
  for (int i = 4; i < 15; ++i) EXPECT_EQ(width(g_nPictureTextures[i]), 0) << "picture " << i + 1;
  EXPECT_NE(g_nShapeListBase, 0u) << "the shapes are still there to draw with";
  EXPECT_TRUE(seams.notifier->shown.empty()) << "the later pictures load silently";

  // A missing replaceable picture speaks, and the ones after it are not tried.
  QFile::remove(QDir(dir.path()).filePath(QStringLiteral("Images/Img2.jpg")));
  for (CTextureSlot& slot : g_textureSlots) slot = CTextureSlot();
  EXPECT_FALSE(renderer.InitOpenGL());
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  const QString missing = QDir(dir.path()).filePath(QStringLiteral("Images/Img2.jpg"));
  EXPECT_TRUE(seams.notifier->shown[0].text.endsWith(QStringLiteral("1 - ") + missing + QString::fromUtf8("：文件不存在。")))
      << seams.notifier->shown[0].text.toStdString();
  EXPECT_EQ(g_textureSlots[2].width, 8);
  EXPECT_EQ(g_textureSlots[0].width, 0);
}

TEST_F(Renderer, OnSizeFollowsTheClientArea) {
  renderer.InitOpenGL();
  renderer.OnSize(200, 150);
  EXPECT_EQ(std::make_tuple(g_nViewWidth, g_nViewHeight, g_nViewport[2], g_nViewport[3]),
            std::make_tuple(200, 150, 200, 150));
  EXPECT_FLOAT_EQ(g_fTrackballScaleX, 1 / (199 * 0.5f));
  EXPECT_FLOAT_EQ(g_fTrackballScaleY, 1 / (149 * 0.5f));
  EXPECT_NEAR(g_dProjection[0], 2 / (200 * 0.05), 1e-7);  // orthographic, 10 units wide
  EXPECT_NE(g_bBackgroundDirty, 0);

  for (const QSize tiny : {QSize(2, 100), QSize(100, 2), QSize(0, 0), QSize(-5, 50)}) {
    renderer.OnSize(tiny.width(), tiny.height());
    EXPECT_EQ(std::make_pair(g_nViewWidth, g_nViewport[3]), std::make_pair(200, 150)) << tiny.width() << " x " << tiny.height();
  }
  // Device pixels for the viewport, client pixels for the world.
  renderer.OnSize(100, 75, 2.0);
  EXPECT_EQ(std::make_tuple(g_nViewWidth, g_nViewport[2], g_nViewport[3]), std::make_tuple(100, 200, 150));
}

TEST_F(Renderer, PointsLandOnTheirPixelsInEveryProjection) {
  struct Dot { float x, y; RGBA colour; };
  const Dot dots[] = {
      {-3, 2, {255, 0, 0, 255}}, {2.5f, -1.5f, {0, 0, 255, 255}}, {0.5f, 0.5f, {0, 160, 0, 255}},
  };
  for (const Dot& d : dots) Point(d.x, d.y, d.colour);
  renderer.InitOpenGL();
  for (int mode : {kProjCentral, kProjOrthographic, kProjOblique}) {
    g_nProjection = mode;
    renderer.OnSize(200, 150);
    renderer.RenderScene();
    const QImage image = gl.ReadPixels();
    Dump(image, QStringLiteral("points_mode%1.png").arg(mode));
    for (const Dot& d : dots) {
      const QPoint p = PixelOf(d.x, d.y);
      EXPECT_TRUE(PixelNear(image, p.x(), p.y(), qRgb(d.colour.r, d.colour.g, d.colour.b), 8))
          << "mode " << mode << " point " << d.x << ", " << d.y;
      EXPECT_TRUE(PixelNear(image, p.x() + 6, p.y(), qRgb(255, 255, 255), 8)) << "mode " << mode << ": point size 8";
    }
    EXPECT_TRUE(PixelNear(image, 100, 75, qRgb(255, 255, 255))) << "background";
  }
}

TEST_F(Renderer, FrameSavesTheViewMatrixAndRestoresTheState) {
  renderer.InitOpenGL();
  renderer.OnSize(200, 150);
  g_fViewTranslate[0] = 1;
  g_fViewTranslate[1] = 2;
  g_fViewScale = 3;
  ViewQuaternion = Quaternion{2, 0, 0, 0};  // drifted length: still no scaling by it
  const GLuint doomed = glGenLists(1);
  ReleaseGlLists(doomed, 1, GlGeneration());
  page->m_bLitHidesDashed = 1;
  renderer.RenderScene();
  EXPECT_FALSE(glIsList(doomed)) << "the release queue is drained before drawing";
  EXPECT_EQ(std::make_tuple(g_dModelView[0], g_dModelView[12], g_dModelView[13], g_dModelView[14]),
            std::make_tuple(3.0, 1.0, 2.0, -50.0));
  GLint depthFunc = 0, stackDepth = 0;
  glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &stackDepth);
  EXPECT_EQ(std::make_tuple(depthFunc, glIsEnabled(GL_LIGHTING), stackDepth), std::make_tuple(GL_LEQUAL, GL_FALSE, 1));
}

TEST_F(Renderer, ResourcesAreMadeAtTheFirstFrameWhenNeeded) {
  Point(1, 1, {255, 0, 0, 255}, 5);  // a ball needs the sphere list
  renderer.OnSize(200, 150);
  EXPECT_FALSE(renderer.IsInitialised());
  renderer.RenderScene();
  EXPECT_TRUE(renderer.IsInitialised());
  const QImage image = gl.ReadPixels();
  const QPoint p = PixelOf(1, 1);
  EXPECT_GT(qRed(image.pixel(p)), 100);
  EXPECT_LT(qGreen(image.pixel(p)), 100) << "a lit red ball";
}

}  // namespace
