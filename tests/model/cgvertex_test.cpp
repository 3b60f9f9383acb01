#include <gtest/gtest.h>

#include <cmath>

#include "model/vertexarray.h"
#include "modeltestsupport.h"
#include "render/viewray.h"

namespace KAVREL_FILE_LOCAL {

const float* Slot(int k) { return g_pVertexArray + 3 * k; }

class PointTest : public ModelTest {};

TEST_F(PointTest, NewPointsSitInTheirSlotWithTheLabelFourPixelsOff) {
  g_prefs.rgbaFixedPoint = RGBA{128, 0, 0, 7};  // the alpha is not taken
  CGVertex point(3, 2, QStringLiteral("B"), 1, 2, 3);
  EXPECT_EQ(point.m_nId, 3);
  EXPECT_EQ(point.VertexIndex, 2);
  EXPECT_EQ(point.m_strName, "B");
  EXPECT_FLOAT_EQ(point.m_vLabelOffset[0], 0.2f);
  EXPECT_EQ(point.m_vLabelOffset[1], 0.0f);
  EXPECT_FLOAT_EQ(point.m_vLabelOffset[2], 0.2f);
  EXPECT_FLOAT_EQ(point.m_vLabelAnchor[0], 1.2f);
  EXPECT_FLOAT_EQ(point.m_vLabelAnchor[2], 3.2f);
  EXPECT_EQ(point.m_rgbaColor, (RGBA{128, 0, 0, 255}));
  EXPECT_EQ(point.m_fSize, 6.0f);
  EXPECT_EQ(point.m_bLabelHidden, 0);
  EXPECT_EQ(std::vector<float>(Slot(2), Slot(3)), (std::vector<float>{1, 2, 3}));
  EXPECT_EQ(point.GetDescription(), QStringLiteral("固定点"));
  point.m_vPos[0] = 5;
  point.ApplyParameter();
  EXPECT_EQ(Slot(2)[0], 5.0f);
  EXPECT_FLOAT_EQ(point.m_vLabelAnchor[0], 5.2f);
}

TEST_F(PointTest, SlotsOutsideTheArrayAreNeverWritten) {
  const int nSlots = VertexArraySlots();
  ASSERT_EQ(nSlots, g_nVertexCapacity + 10);
  CGVertex beyond(1, nSlots, QStringLiteral("A"), 1, 2, 3);
  CGVertex negative(2, -1, QStringLiteral("B"), 1, 2, 3);
  beyond.ApplyParameter();
  negative.ApplyParameter();
  EXPECT_EQ(Slot(nSlots - 1)[2], 0.0f);
}

// The mouse ray straight down the z axis through (x, y): far at z = -100,
// pointing up by 200.
void RayDown(double x, double y) {
  g_dRayFar[0] = x;
  g_dRayFar[1] = y;
  g_dRayFar[2] = -100;
  g_fViewDir[0] = 0;
  g_fViewDir[1] = 0;
  g_fViewDir[2] = 200;
}

TEST_F(PointTest, LabelFollowsTheRayWithinFortyPixels) {
  CGVertex point(1, 1, QStringLiteral("A"), 1, 1, 2);
  const float limit = 40 * g_fUnitsPerPixel;  // 2 world units
  struct Case { double x, y; float dx, dy; } cases[] = {
      {1.5, 0.5, 0.5f, -0.5f},  // near: exactly under the mouse
      {31, 1, limit, 0},        // far to the right: 40 pixels, same direction
      {1, -99, 0, -limit}, {1 + 300, 1 + 400, limit * 0.6f, limit * 0.8f},
  };
  for (const Case& c : cases) {
    RayDown(c.x, c.y);
    point.DragLabel();
    EXPECT_NEAR(point.m_vLabelOffset[0], c.dx, 1e-6) << c.x << ", " << c.y;
    EXPECT_NEAR(point.m_vLabelOffset[1], c.dy, 1e-6);
    EXPECT_NEAR(point.m_vLabelOffset[2], 0, 1e-6);
    EXPECT_FLOAT_EQ(point.m_vLabelAnchor[0], 1 + point.m_vLabelOffset[0]);
    EXPECT_FLOAT_EQ(point.m_vLabelAnchor[2], 2.0f);
  }
}

TEST_F(PointTest, LabelStaysWhenTheRayRunsAlongThePlane) {
  CGVertex point(1, 1, QStringLiteral("A"), 1, 1, 2);
  RayDown(5, 5);
  g_fViewDir[2] = 9.99f;
  point.DragLabel();
  EXPECT_FLOAT_EQ(point.m_vLabelOffset[0], 0.2f);
  // With Ctrl held the plane is y = const, which this ray does not cross.
  g_fViewDir[2] = 200;
  g_bDragHorizontal = 0;
  point.DragLabel();
  EXPECT_FLOAT_EQ(point.m_vLabelOffset[0], 0.2f);
  // A ray along y crosses it.
  g_dRayFar[0] = 1.5;
  g_dRayFar[1] = -100;
  g_dRayFar[2] = 2.5;
  g_fViewDir[1] = 200;
  g_fViewDir[2] = 0;
  point.DragLabel();
  EXPECT_NEAR(point.m_vLabelOffset[0], 0.5, 1e-6);
  EXPECT_NEAR(point.m_vLabelOffset[1], 0, 1e-6);
  EXPECT_NEAR(point.m_vLabelOffset[2], 0.5, 1e-6);
}

TEST_F(PointTest, ViewRayFromMatrices) {
  // An orthographic box of 20 x 10 units, depth -64 .. 200, over an 800 x 600 viewport.
  const double l = -10, r = 10, b = -5, t = 5, n = -64, f = 200;
  double projection[16] = {2 / (r - l), 0, 0, 0, 0, 2 / (t - b), 0, 0, 0, 0, -2 / (f - n), 0,
                           -(r + l) / (r - l), -(t + b) / (t - b), -(f + n) / (f - n), 1};
  std::copy_n(projection, 16, g_dProjection);
  const double identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  ComputeViewRay(identity, 600, 400);
  EXPECT_NEAR(g_dRayNear[0], 5, 1e-9);
  EXPECT_NEAR(g_dRayNear[1], 5.0 / 3, 1e-9);
  EXPECT_NEAR(g_dRayNear[2], 64, 1e-9);
  EXPECT_NEAR(g_dRayFar[2], -200, 1e-9);
  EXPECT_EQ(g_fViewDir[0], 0.0f);
  EXPECT_FLOAT_EQ(g_fViewDir[2], 264.0f);

  const double singular[16] = {};
  ComputeViewRay(singular, 1, 1);
  EXPECT_FLOAT_EQ(g_fViewDir[2], 264.0f) << "a singular matrix leaves the ray alone";
}

class VertexArrayTest : public ModelTest {};

TEST_F(VertexArrayTest, GrowthSteps) {
  struct Case {
    int n, growth;
  } cases[] = {{0, 100}, {10, 100}, {49, 100}, {50, 100}, {99, 149}, {100, 100}, {101, 151}, {120, 170}};
  for (const Case& c : cases) {
    const int before = g_nVertexCapacity;
    ASSERT_TRUE(ReserveVertexArray(c.n)) << c.n;
    EXPECT_EQ(g_nVertexCapacity - before, c.growth) << c.n;
    EXPECT_EQ(VertexArraySlots(), g_nVertexCapacity + 10);
  }
}

TEST_F(VertexArrayTest, GrowingRefillsFromTheCurrentPage) {
  AddPoint(1, 2, 3);
  CGVertex* second = AddPoint(4, 5, 6);
  ASSERT_TRUE(ReserveVertexArray(10));
  EXPECT_EQ(second->VertexIndex, 2);
  EXPECT_EQ(std::vector<float>(Slot(1), Slot(3)), (std::vector<float>{1, 2, 3, 4, 5, 6}));
}

TEST_F(VertexArrayTest, AnImpossibleRequestKeepsTheOldArray) {
  AddPoint(1, 2, 3);
  const float* before = g_pVertexArray;
  EXPECT_FALSE(ReserveVertexArray(1 << 30));
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(seams.notifier->shown[0].text, QStringLiteral("内存不足,请立即保存数据关闭程序!"));
  EXPECT_EQ(g_pVertexArray, before);
  EXPECT_EQ(g_nVertexCapacity, 200);
  EXPECT_EQ(Slot(1)[2], 3.0f);
}

}  // namespace
