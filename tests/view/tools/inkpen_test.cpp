// The ink pen: where its points go, which are replaced, the cap on a
// stroke's points, and strokes of one point dropped.
#include "cells/texts/inkmarks.h"
#include "toolfixture.h"

namespace KAVREL_FILE_LOCAL {

struct InkPage : ToolPage {
  InkPage() {
    g_nToolMode = 9;
    g_nViewWidth = 200;
    g_nViewHeight = 100;
    g_fUnitsPerPixel = 0.5f;
  }
  int Points() const { return static_cast<int>(g_viewTool.inkPoints.size() / 3); }
};

TEST(InkPen, PointsFollowThePointerAndCloseOnesAreReplaced) {
  InkPage t;
  t.Down(110, 20);
  ASSERT_EQ(t.Points(), 1);
  // ((x - w/2) u, (h/2 - y) u, -50)
  EXPECT_EQ(g_viewTool.inkPoints, (std::vector<float>{5, 15, -50}));
  EXPECT_EQ(g_viewTool.step, 1);
  struct Row {
    int x, y;
    int points;  // held after the move
    int step;
    float lastX;
  };
  const Row rows[] = {
      {110, 20, 2, 2, 5},    // no motion: kept for now, to be replaced
      {111, 20, 2, 1, 5.5f},  // replaced; 0.5 units on: kept
      {111, 20, 3, 2, 5.5f},  // nothing on: to be replaced
      {112, 20, 3, 1, 6},     // replaced by 0.5 units on
  };
  for (const Row& row : rows) {
    t.Move(row.x, row.y, true);
    EXPECT_EQ(t.Points(), row.points) << row.x;
    EXPECT_EQ(g_viewTool.step, row.step) << row.x;
    EXPECT_EQ(g_viewTool.inkPoints[g_viewTool.inkPoints.size() - 3], row.lastX) << row.x;
  }
  t.Up();
  EXPECT_EQ(g_viewTool.finishedStrokes.size(), 1u);
  EXPECT_TRUE(g_viewTool.inkPoints.empty());
  EXPECT_EQ(g_viewTool.step, 0);
  EXPECT_EQ(g_nToolMode, 9) << "the pen stays";
}

TEST(InkPen, AStrokeOfOnePointIsDroppedWithoutARedraw) {
  InkPage t;
  t.Down(10, 10);
  const int redraws = t.surface.redraws;
  t.Up(10, 10);
  EXPECT_TRUE(g_viewTool.finishedStrokes.empty());
  EXPECT_TRUE(g_viewTool.inkPoints.empty());
  EXPECT_EQ(t.surface.redraws, redraws);
}

TEST(InkPen, AStrokeHoldsAtMostTenThousandPoints) {
  InkPage t;
  g_fUnitsPerPixel = 1;
  t.Down(0, 0);
  for (int i = 1; i <= 10005; ++i) t.Move(i % 2 ? 10 : 0, 0, true);
  EXPECT_EQ(t.Points(), 10000);
  EXPECT_EQ(g_viewTool.inkPoints[g_viewTool.inkPoints.size() - 3], 10 - 100.0f) << "the newest point is last";
}

}  // namespace
