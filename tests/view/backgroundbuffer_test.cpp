// The background buffer: its size rule, growing only when the window
// outgrows it, and captures that never write without a buffer.
#include <GL/gl.h>

#include "support/headless_gl.h"
#include "view/backgroundbuffer.h"

namespace KAVREL_FILE_LOCAL {

TEST(BackgroundBuffer, SizeFormula) {
  EXPECT_EQ(CBackgroundBuffer::BytesFor(1920, 1080), size_t((1920 * 24 + 271) / 32) * 1090 * 4);
  EXPECT_EQ(CBackgroundBuffer::BytesFor(1, 1), size_t(9 * 11 * 4));
  EXPECT_EQ(CBackgroundBuffer::BytesFor(-1, 5), 0u);
}

TEST(BackgroundBuffer, GrowsOnlyBeyondTheLargestAreaSeen) {
  SeamRecorders seams;
  CBackgroundBuffer buffer;
  ASSERT_TRUE(buffer.AllocateForScreen(800, 600));
  struct Step { int w, h; bool dirtied; int keptW, keptH; };
  const Step steps[] = {
      {810, 610, false, 810, 610},  // up to 10 pixels beyond the screen: no growth
      {400, 300, false, 810, 610},  // shrinking never reallocates
      {811, 200, true, 811, 200},   // wider: a new buffer for the new area
      {500, 201, true, 500, 201},
  };
  for (const Step& s : steps) {
    g_bBackgroundDirty = 0;
    EXPECT_TRUE(buffer.FitArea(s.w, s.h));
    EXPECT_EQ(std::make_tuple(g_bBackgroundDirty != 0, buffer.Width(), buffer.Height()),
              std::make_tuple(s.dirtied, s.keptW, s.keptH)) << s.w << " x " << s.h;
  }
}

class BackgroundCapture : public HeadlessGlTest {
 protected:
  void Fill(float r, float g, float b) {
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
};

TEST_F(BackgroundCapture, CapturedPictureDrawsBack) {
  CBackgroundBuffer buffer;
  ASSERT_TRUE(buffer.Allocate(64, 64));
  Fill(0, 0, 0);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 64, 0, 64, -1, 1);
  glColor3ub(250, 120, 10);
  glRecti(0, 0, 13, 64);  // an odd width, so rows need their padding
  ASSERT_TRUE(buffer.Capture(64, 64));
  EXPECT_EQ(g_bBackgroundDirty, 0);

  Fill(1, 1, 1);
  glRasterPos2f(0.001f, 0.001f);
  ASSERT_TRUE(buffer.Draw(64, 64));
  const QImage image = gl.ReadPixels();
  EXPECT_TRUE(PixelNear(image, 5, 30, qRgb(250, 120, 10)));
  EXPECT_TRUE(PixelNear(image, 40, 30, qRgb(0, 0, 0)));
}

TEST_F(BackgroundCapture, NoBufferMeansNoCapture) {
  // An allocation limit below what 64 x 64 needs stands for a failed
  // reallocation after a resize.
  CBackgroundBuffer buffer(1000);
  EXPECT_FALSE(buffer.Allocate(64, 64));
  g_bBackgroundDirty = 0;
  EXPECT_FALSE(buffer.FitArea(64, 64));
  EXPECT_FALSE(buffer.IsAllocated());
  EXPECT_NE(g_bBackgroundDirty, 0);
  EXPECT_FALSE(buffer.Capture(64, 64));
  EXPECT_NE(g_bBackgroundDirty, 0) << "a failed capture leaves the background invalid";
  EXPECT_FALSE(buffer.Draw(64, 64));

  // A buffer too small for the area is refused the same way.
  EXPECT_TRUE(buffer.Allocate(4, 4));
  EXPECT_FALSE(buffer.Capture(64, 64));
  // The next resize that fits the limit gets a buffer back.
  EXPECT_TRUE(buffer.FitArea(6, 6));
  EXPECT_TRUE(buffer.Capture(6, 6));
}

}  // namespace
