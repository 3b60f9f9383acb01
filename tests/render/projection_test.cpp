// The three projections: their boxes at the default size and zoom, the
// pixel arithmetic at the view's default depth, and the mouse ray.
#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <cmath>
#include <functional>

#include "model/globals.h"
#include "render/projection.h"
#include "support/headless_gl.h"

namespace KAVREL_FILE_LOCAL {

using Matrix = std::array<double, 16>;

Matrix GlMatrix(const std::function<void()>& load) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  load();
  Matrix m;
  glGetDoublev(GL_PROJECTION_MATRIX, m.data());
  return m;
}

void ExpectMatrixNear(const Matrix& a, const Matrix& b, const char* what) {
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(a[i], b[i], 1e-6 * (1 + std::fabs(b[i]))) << what << " [" << i << "]";
}

// Normalised device x, y, z of a point.
std::array<double, 3> Ndc(const double m[16], double x, double y, double z) {
  const double cx = m[0] * x + m[4] * y + m[8] * z + m[12];
  const double cy = m[1] * x + m[5] * y + m[9] * z + m[13];
  const double cz = m[2] * x + m[6] * y + m[10] * z + m[14];
  const double cw = m[3] * x + m[7] * y + m[11] * z + m[15];
  return {cx / cw, cy / cw, cz / cw};
}

class Projection : public HeadlessGlTest {};

TEST_F(Projection, BoxesAt800By600AndTwentyPixelsPerUnit) {
  ASSERT_EQ(g_nViewWidth, 800);
  ASSERT_EQ(g_nViewHeight, 600);
  ASSERT_EQ(g_fUnitsPerPixel, 0.05f);
  ExpectMatrixNear(GlMatrix([] { SetProjection(kProjOrthographic); }),
                   GlMatrix([] { glOrtho(-20, 20, -15, 15, -64, 200); }), "orthographic");
  ExpectMatrixNear(GlMatrix([] { SetProjection(kProjCentral); }),
                   GlMatrix([] { glFrustum(-8, 8, -6, 6, 20, 200); }), "central");
  const Matrix identity = GlMatrix([] {});
  ExpectMatrixNear(GlMatrix([] { SetProjection(3); }), identity, "mode 3 leaves the matrix");
  ExpectMatrixNear(GlMatrix([] { SetProjection(-1); }), identity, "mode -1 leaves the matrix");
}

TEST(ProjectionMatrix, ObliqueIsACabinetProjectionCentredAtDepthMinus50) {
  double m[16];
  ASSERT_TRUE(ProjectionMatrix(kProjOblique, 800, 600, 0.05, m));
  const auto centre = Ndc(m, 0, 0, -50);
  EXPECT_NEAR(centre[0], 0, 1e-12);
  EXPECT_NEAR(centre[1], 0, 1e-12);
  EXPECT_NEAR(Ndc(m, 0, 0, 20)[2], -1, 1e-12);
  EXPECT_NEAR(Ndc(m, 0, 0, -200)[2], 1, 1e-12);
  // One unit nearer moves the image half a unit down-left at 45 degrees:
  // 0.5 cos 45 = 0.35355 units, i.e. 0.35355 / 20 in x (box 40 wide).
  const auto nearer = Ndc(m, 0, 0, -49);
  EXPECT_NEAR(nearer[0] - centre[0], -0.3535533905932738 * 2 / 40, 1e-12);
  EXPECT_NEAR(nearer[1] - centre[1], -0.3535533905932738 * 2 / 30, 1e-12);
  double untouched[16] = {7};
  EXPECT_FALSE(ProjectionMatrix(3, 800, 600, 0.05, untouched));
  EXPECT_EQ(untouched[0], 7);
}

TEST(ProjectionMatrix, PixelArithmeticHoldsAtDepthMinus50InEveryMode) {
  struct Size { int w, h; double u; };
  for (const Size size : {Size{800, 600, 0.05}, Size{1280, 720, 0.1}, Size{333, 201, 0.02}}) {
    for (int mode : {kProjCentral, kProjOrthographic, kProjOblique}) {
      double m[16];
      ASSERT_TRUE(ProjectionMatrix(mode, size.w, size.h, size.u, m));
      for (const auto& [px, py] : {std::pair{0, 0}, {size.w / 2, size.h / 2}, {size.w - 1, 17}, {25, size.h - 1}}) {
        const double x = (px - size.w / 2.0) * size.u, y = (size.h / 2.0 - py) * size.u;
        const auto ndc = Ndc(m, x, y, -50);
        // Window x counted from the left, y from the top.
        EXPECT_NEAR((ndc[0] + 1) / 2 * size.w, px, 1e-9) << "mode " << mode << " pixel " << px;
        EXPECT_NEAR((1 - ndc[1]) / 2 * size.h, py, 1e-9) << "mode " << mode << " pixel " << py;
      }
    }
  }
}

TEST_F(Projection, MouseRayPassesThroughThePointUnderThePointer) {
  for (int mode : {kProjCentral, kProjOrthographic, kProjOblique}) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    SetProjection(mode);
    glViewport(0, 0, 800, 600);
    SaveProjectionAndViewport();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -50);
    SaveModelView();
    glLoadIdentity();  // the ray uses the saved matrix, not the current one

    // Pointer at (500, 100), y counted from the top: world (5, 10, 0) lies
    // at eye depth -50 under it.
    ComputeMouseRay(500, 100);
    const double t = (0 - g_dRayFar[2]) / (g_dRayNear[2] - g_dRayFar[2]);
    EXPECT_NEAR(g_dRayFar[0] + t * (g_dRayNear[0] - g_dRayFar[0]), 5, 1e-6) << "mode " << mode;
    EXPECT_NEAR(g_dRayFar[1] + t * (g_dRayNear[1] - g_dRayFar[1]), 10, 1e-6) << "mode " << mode;
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(g_fViewDir[i], static_cast<float>(g_dRayNear[i] - g_dRayFar[i])) << "mode " << mode;
  }
}

}  // namespace
