// The headless context draws like the view: fixed-function primitives land on
// the right pixels, the picture reads back top row first, and the depth and
// stencil buffers the render passes rely on are really there.
#include <GL/gl.h>

#include "support/headless_gl.h"

namespace {

constexpr QRgb kClear = qRgba(51, 102, 153, 255);  // 0.2, 0.4, 0.6

class HeadlessRender : public HeadlessGlTest {
 protected:
  // One GL unit per pixel, origin at the bottom left.
  void PixelProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, gl.Width(), 0, gl.Height(), -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }
  void Quad(float x0, float y0, float x1, float y1, float z) {
    glBegin(GL_QUADS);
    glVertex3f(x0, y0, z);
    glVertex3f(x1, y0, z);
    glVertex3f(x1, y1, z);
    glVertex3f(x0, y1, z);
    glEnd();
  }
};

TEST_F(HeadlessRender, ClearColourAndTriangleLandWhereDrawn) {
  glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  PixelProjection();
  // The lower-left half of the view, below the diagonal.
  glColor3ub(255, 0, 0);
  glBegin(GL_TRIANGLES);
  glVertex2f(0, 0);
  glVertex2f(64, 0);
  glVertex2f(0, 64);
  glEnd();
  ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));

  const QImage image = gl.ReadPixels();
  ASSERT_EQ(image.size(), QSize(64, 64));
  struct Probe {
    int x, y;  // image coordinates, top row 0
    QRgb expected;
  };
  const Probe probes[] = {
      {4, 59, qRgb(255, 0, 0)},  // bottom left: inside
      {30, 40, qRgb(255, 0, 0)},
      {59, 4, kClear},           // top right: outside
      {40, 30, kClear},
      {4, 4, kClear},            // top left: a flipped read-back would put red here
      {59, 59, kClear},
  };
  for (const Probe& p : probes) EXPECT_TRUE(PixelNear(image, p.x, p.y, p.expected));
}

TEST_F(HeadlessRender, FramebufferHasDepth24AndStencil8) {
  GLint depthBits = 0, stencilBits = 0, redBits = 0, alphaBits = 0;
  glGetIntegerv(GL_DEPTH_BITS, &depthBits);
  glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
  glGetIntegerv(GL_RED_BITS, &redBits);
  glGetIntegerv(GL_ALPHA_BITS, &alphaBits);
  EXPECT_EQ(depthBits, 24);
  EXPECT_EQ(stencilBits, 8);
  EXPECT_EQ(redBits, 8);
  EXPECT_EQ(alphaBits, 8);
}

TEST_F(HeadlessRender, DepthTestKeepsTheNearerSurface) {
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  PixelProjection();
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  // glOrtho maps eye z = +0.5 (in front) nearer than z = -0.5.
  glColor3ub(0, 255, 0);
  Quad(0, 0, 64, 64, 0.5f);  // near, drawn first
  glColor3ub(255, 0, 0);
  Quad(0, 0, 32, 64, -0.5f);  // far, must stay hidden
  glDisable(GL_DEPTH_TEST);

  const QImage image = gl.ReadPixels();
  EXPECT_TRUE(PixelNear(image, 10, 32, qRgb(0, 255, 0)));
  EXPECT_TRUE(PixelNear(image, 50, 32, qRgb(0, 255, 0)));
}

TEST_F(HeadlessRender, StencilMasksLaterDrawing) {
  glClearColor(0, 0, 0, 1);
  glClearStencil(0);
  glClear(GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
  PixelProjection();
  glEnable(GL_STENCIL_TEST);
  // Mark the left half without drawing colour, then fill only where marked.
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
  glStencilFunc(GL_ALWAYS, 1, 0xFF);
  glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
  Quad(0, 0, 32, 64, 0);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glStencilFunc(GL_EQUAL, 1, 0xFF);
  glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
  glColor3ub(0, 0, 255);
  Quad(0, 0, 64, 64, 0);
  glDisable(GL_STENCIL_TEST);

  const QImage image = gl.ReadPixels();
  EXPECT_TRUE(PixelNear(image, 10, 32, qRgb(0, 0, 255)));
  EXPECT_TRUE(PixelNear(image, 50, 32, qRgb(0, 0, 0)));
}

TEST(HeadlessGlCreate, RefusesUnusableSizesAndRecovers) {
  HeadlessGl gl;
  EXPECT_EQ(gl.Create(0, 64), HeadlessGl::Status::Failed);
  EXPECT_FALSE(gl.Error().isEmpty());
  EXPECT_EQ(gl.Create(64, -1), HeadlessGl::Status::Failed);
  EXPECT_TRUE(gl.ReadPixels().isNull());

  const HeadlessGl::Status huge = gl.Create(1 << 20, 16);
  if (huge == HeadlessGl::Status::NoDriver) GTEST_SKIP() << gl.Error().toStdString();
  EXPECT_EQ(huge, HeadlessGl::Status::Failed);
  EXPECT_TRUE(gl.Error().contains(QStringLiteral("limit"))) << gl.Error().toStdString();

  // A failure leaves nothing behind: the next context works.
  ASSERT_EQ(gl.Create(8, 4), HeadlessGl::Status::Ready) << gl.Error().toStdString();
  glClearColor(1, 1, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  const QImage image = gl.ReadPixels();
  ASSERT_EQ(image.size(), QSize(8, 4));
  EXPECT_TRUE(PixelNear(image, 7, 3, qRgb(255, 255, 0)));
}

}  // namespace
