#include <gtest/gtest.h>

#include <limits>

#include "freepointtestsupport.h"

namespace KAVREL_FILE_LOCAL {

using FreeXyzTest = FreePointTest;

TEST_F(FreeXyzTest, NewPointTakesTheFreePointColourAndItsPositionAtOnce) {
  g_prefs.rgbaFreePoint = {10, 20, 30, 40};
  CGVerFreeXyz* p = AddXyz(1, 2, 3);
  EXPECT_EQ(p->m_rgbaColor, (RGBA{10, 20, 30, 255}));  // alpha stays the point's
  EXPECT_TRUE(p->m_parents.empty());
  EXPECT_FALSE(p->m_bLabelHidden);
  EXPECT_EQ(p->m_fSize, 6.0f);
  ExpectAt(*p, 1, 2, 3, 0);
  EXPECT_FLOAT_EQ(p->m_vLabelOffset[0], 0.2f);
  EXPECT_FLOAT_EQ(p->m_vLabelOffset[2], 0.2f);
  p->Recalculate();
  EXPECT_TRUE(p->m_bDefined);
  EXPECT_EQ(p->GetDescription(), QString::fromUtf8("全自由点"));
  EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CGVerFree)));
}

TEST_F(FreeXyzTest, BareFreePointFromAFileDescribesItselfAndIgnoresDrags) {
  auto* p = Enter(static_cast<CGVerFree*>(ClassRegistry::FromName("CGVerFree")->CreateObject()));
  EXPECT_EQ(p->m_rgbaColor, (RGBA{128, 0, 0, 255}));  // the record supplies the colour
  EXPECT_EQ(p->GetDescription(), QString::fromUtf8("自由点"));
  p->m_vPos[0] = 4;
  RayDown(7, 7);
  p->DragTo();
  EXPECT_EQ(p->m_vPos[0], 4);
  EXPECT_EQ(p->m_vPos[1], 0);
}

TEST_F(FreeXyzTest, DragMovesInTheAxisPlaneWithinTheLimitsAndSnapsAfterwards) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* what;
    std::array<float, 3> start;
    std::array<double, 3> nearPoint, farPoint;
    BOOL horizontal, snap;
    bool moves;
    std::array<float, 3> end;
  } cases[] = {
      {"oblique ray, plane z = 0", {9, 9, 0}, {1, 2, 10}, {3, 6, -10}, 1, 0, true, {2, 4, 0}},
      {"z follows nothing when horizontal", {1.3f, 2, 2.4f}, {5.3, -1.6, 100}, {5.3, -1.6, -100}, 1, 0, true,
       {5.3f, -1.6f, 2.4f}},
      {"snapping rounds every axis, z included", {1.3f, 2, 2.4f}, {5.3, -1.6, 100}, {5.3, -1.6, -100}, 1, 1,
       true, {5, -2, 2}},
      {"ties round up: -0.5 to 0, 2.5 to 3", {0, 0, 7.5f}, {-0.5, 2.5, 100}, {-0.5, 2.5, -100}, 1, 1, true,
       {0, 3, 8}},
      {"-2.5 rounds to -2", {0, 0, -2.5f}, {-2.5, 0, 100}, {-2.5, 0, -100}, 1, 1, true, {-2, 0, -2}},
      {"200 is inside", {0, 0, 0}, {200, -200, 100}, {200, -200, -100}, 1, 0, true, {200, -200, 0}},
      {"beyond 200: no move", {0, 0, 0}, {200.25, 0, 100}, {200.25, 0, -100}, 1, 0, false, {}},
      {"the limit is tested before snapping", {0, 0, 0}, {-200.25, 0, 100}, {-200.25, 0, -100}, 1, 1, false,
       {}},
      {"199.75 snaps up to 200", {0, 0, 0}, {199.75, 0, 100}, {199.75, 0, -100}, 1, 1, true, {200, 0, 0}},
      {"the plane itself beyond 200", {0, 0, 250}, {0, 0, 300}, {0, 0, -300}, 1, 0, false, {}},
      {"|D.z| just below 10: no move", {1, 1, 0}, {5, 5, 4.999}, {5, 5, -4.999}, 1, 0, false, {}},
      {"|D.z| of 10 is enough", {1, 1, 0}, {5, 5, 5}, {5, 5, -5}, 1, 0, true, {5, 5, 0}},
      {"Ctrl: y stays, x and z follow", {1, 2, 3}, {4, 100, 5}, {4, -100, 5}, 0, 0, true, {4, 2, 5}},
      {"Ctrl: ray along the plane y = const", {1, 2, 3}, {4, 5, 100}, {4, 5, -100}, 0, 0, false, {}},
      {"a ray of no numbers: no move", {1, 2, 3}, {kNaN, 0, 100}, {kNaN, 0, -100}, 1, 0, false, {}},
  };
  for (const auto& c : cases) {
    CGVerFreeXyz* p = AddXyz(c.start[0], c.start[1], c.start[2]);
    g_bDragHorizontal = c.horizontal;
    g_bSnapToGrid = c.snap;
    Ray(c.nearPoint, c.farPoint);
    const auto before = Snapshot(*p);
    p->DragTo();
    if (c.moves) {
      for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(p->m_vPos[i], c.end[i]) << c.what << ", axis " << i;
      ExpectPlaced(*p);
    } else {
      EXPECT_EQ(Snapshot(*p), before) << c.what;
    }
  }
}

TEST_F(FreeXyzTest, ReleasingCtrlSwitchesBackToTheHorizontalPlaneAtTheNextMove) {
  CGVerFreeXyz* p = AddXyz(1, 2, 3);
  g_bDragHorizontal = 0;
  Ray({0, 12, 25}, {10, -8, -15});
  p->DragTo();  // meets y = 2 halfway along
  ExpectAt(*p, 5, 2, 5);
  g_bDragHorizontal = 1;
  Ray({2, 20, 25}, {2, 0, -15});
  p->DragTo();  // meets z = 5 halfway along; in y = 2 it would be (2, 2, -11)
  ExpectAt(*p, 2, 10, 5);
  g_bDragHorizontal = 0;
  Ray({4, 20, 0}, {4, 0, 0});
  p->DragTo();
  ExpectAt(*p, 4, 10, 0);
}

}  // namespace
