// An OpenGL 2.1 compatibility context with no window: Mesa's surfaceless EGL
// platform, drawing into a framebuffer object (RGBA8 colour, depth 24 +
// stencil 8) that tests read back as a QImage.  Fixed-function drawing and
// GL_SELECT picking behave there as in the view.
#pragma once
#include <gtest/gtest.h>

#include <QImage>
#include <QSize>
#include <QString>

#include "recorders.h"

class HeadlessGl {
 public:
  enum class Status {
    Ready,
    NoDriver,  // no EGL display, config or context: the machine cannot run GL tests
    Failed,    // a context exists but the framebuffer could not be set up
  };

  HeadlessGl() = default;
  HeadlessGl(const HeadlessGl&) = delete;
  HeadlessGl& operator=(const HeadlessGl&) = delete;
  ~HeadlessGl();

  // Creates the context and its framebuffer and makes them current.  On
  // failure Error() says why and nothing is left behind.
  Status Create(int width, int height);
  void Destroy();

  bool MakeCurrent();
  // The framebuffer as the user would see it (top row first).
  QImage ReadPixels() const;

  const QString& Error() const { return m_error; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }

 private:
  Status Fail(Status status, const QString& why);

  void* m_display = nullptr;  // EGLDisplay
  void* m_context = nullptr;  // EGLContext
  unsigned m_fbo = 0;
  unsigned m_colour = 0;
  unsigned m_depthStencil = 0;
  int m_width = 0;
  int m_height = 0;
  QString m_error;
};

// Base of render and pick tests: process state reset, seams recorded, a
// current context of ViewSize() with the viewport set to all of it.  Skips
// the test when the machine has no Mesa driver; fails when GL is there but
// the framebuffer is not.
class HeadlessGlTest : public ::testing::Test {
 protected:
  virtual QSize ViewSize() const { return {64, 64}; }
  void SetUp() override;

  SeamRecorders seams;
  HeadlessGl gl;
};

// True when the pixel is within `tolerance` of `expected` in every channel.
::testing::AssertionResult PixelNear(const QImage& image, int x, int y, QRgb expected,
                                     int tolerance = 2);
