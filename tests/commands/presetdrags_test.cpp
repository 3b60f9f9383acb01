// Dragging a preset solid's free points as the view drags them: the solid
// keeps its kind (a cube stays a cube, the pentagon and the hexagons stay
// regular, the axis cuboid stays axis-parallel).
#include <QString>
#include <array>
#include <cmath>

#include "commands/solids/anchoredsolids.h"
#include "platform/commandids.h"
#include "solidtestsupport.h"
#include "support/pointdrags.h"

namespace KAVREL_FILE_LOCAL {

using Ray = std::array<double, 3>;

// One drag of `id` with the mouse ray from `near` to `far`; `horizontal`
// as without Ctrl (the free point's plane is z = const, else y = const).
bool DragAlong(WORD id, const Ray& near, const Ray& far, bool horizontal = true) {
  g_bDragHorizontal = horizontal ? 1 : 0;
  g_bSnapToGrid = 0;
  if (!BeginPointDrag(id)) return false;
  for (int i = 0; i < 3; ++i) {
    g_dRayNear[i] = near[i];
    g_dRayFar[i] = far[i];
    g_fViewDir[i] = static_cast<float>(near[i] - far[i]);
  }
  const bool moved = DragPointTo();
  EndPointDrag();
  return moved;
}

std::vector<float> Minus(const std::vector<float>& u, const std::vector<float>& v) {
  return {u[0] - v[0], u[1] - v[1], u[2] - v[2]};
}
float Dot(const std::vector<float>& u, const std::vector<float>& v) { return u[0] * v[0] + u[1] * v[1] + u[2] * v[2]; }

WORD Id(const CommandPage& p, const char* name) { return p.Named(QString::fromUtf8(name)); }

// The sides of the polygon through the named corners, each within 1e-4
// relative of the first.
void ExpectEqualSides(const CommandPage& p, const std::vector<const char*>& corners) {
  const float first = Distance(p, corners[0], corners[1]);
  EXPECT_GT(first, 0.1f);
  for (size_t i = 0; i < corners.size(); ++i)
    EXPECT_NEAR(Distance(p, corners[i], corners[(i + 1) % corners.size()]), first, 1e-4 * first)
        << corners[i] << corners[(i + 1) % corners.size()];
}

const std::vector<const char*> kCubeCorners{"A", "B", "C", "D", "A1", "B1", "C1", "D1"};

TEST(PresetDrags, MovingTheCubesFirstCornerCarriesEveryCorner) {
  CommandPage p;
  ASSERT_TRUE(p.Run(ID_CREATE_BOX));
  std::vector<std::vector<float>> before;
  for (const char* name : kCubeCorners) before.push_back(p.At(Id(p, name)));
  const WORD a = Id(p, "A");
  ASSERT_TRUE(DragPointStraightDown(a, -4, -3));
  ASSERT_TRUE(DragAlong(a, {-4, 100, -2}, {-4, -100, -2}, false));  // Ctrl: up by 3
  for (size_t k = 0; k < kCubeCorners.size(); ++k)
    EXPECT_TRUE(Near(p.At(Id(p, kCubeCorners[k])), {before[k][0] + 1, before[k][1] + 2, before[k][2] + 3}))
        << kCubeCorners[k];
}

TEST(PresetDrags, TheCubeStaysACubeWhenBIsDraggedAway) {
  CommandPage p;
  ASSERT_TRUE(p.Run(ID_CREATE_BOX));
  ASSERT_TRUE(DragPointStraightDown(Id(p, "B"), 7, -1));
  const float edge = Distance(p, "A", "B");
  EXPECT_NEAR(edge, std::hypot(12.0f, 4.0f), 1e-4);
  const char* edges[12][2] = {{"A", "B"},   {"B", "C"},   {"C", "D"},   {"D", "A"},   {"A1", "B1"}, {"B1", "C1"},
                              {"C1", "D1"}, {"D1", "A1"}, {"A", "A1"}, {"B", "B1"}, {"C", "C1"}, {"D", "D1"}};
  for (const auto& e : edges) EXPECT_NEAR(Distance(p, e[0], e[1]), edge, 1e-4 * edge) << e[0] << e[1];
  const std::vector<float> a = p.At(Id(p, "A"));
  const std::vector<float> ab = Minus(p.At(Id(p, "B")), a), ad = Minus(p.At(Id(p, "D")), a),
                           ae = Minus(p.At(Id(p, "A1")), a);
  EXPECT_NEAR(Dot(ab, ad), 0, 1e-3);
  EXPECT_NEAR(Dot(ab, ae), 0, 1e-3);
  EXPECT_NEAR(Dot(ad, ae), 0, 1e-3);
}

TEST(PresetDrags, ThePentagonStaysRegularWhenPointOneTurnsIt) {
  CommandPage p;
  ASSERT_TRUE(p.Run(ID_CREATE_SOLID_FIVEPRISM));
  const std::vector<float> before = p.At(Id(p, "D"));
  ASSERT_TRUE(DragAlong(Id(p, "1"), {100, 0, 3}, {-100, 0, 3}));
  EXPECT_FALSE(Near(p.At(Id(p, "D")), before, 0.5f)) << "the pentagon turned";
  ExpectEqualSides(p, {"A", "B", "C", "D", "E"});
  ExpectEqualSides(p, {"A1", "B1", "C1", "D1", "E1"});
  EXPECT_NEAR(Distance(p, "A", "C"), Distance(p, "A", "B") * 1.618034f, 1e-3) << "a diagonal";
}

TEST(PresetDrags, TheHexagonalFrustumsTopStaysRegularAndLevelWhenTheApexMoves) {
  CommandPage p;
  ASSERT_TRUE(p.Run(ID_CREATE_SOLID_SIXTRUN));
  const WORD apex = static_cast<WORD>(15);  // the nameless V after the base and its face
  ASSERT_TRUE(p.Find(apex)->m_strName.isEmpty());
  ASSERT_TRUE(DragAlong(apex, {100, 0, 16}, {-100, 0, 16}));
  EXPECT_NEAR(p.At(apex)[2], 16, 1e-3);
  const std::vector<const char*> top{"A1", "B1", "C1", "D1", "E1", "F1"};
  ExpectEqualSides(p, top);
  EXPECT_NEAR(Distance(p, "A1", "B1"), 5, 1e-3) << "halfway from V to the base: half the base";
  for (const char* corner : top) EXPECT_NEAR(p.At(Id(p, corner))[2], 5.5f, 1e-4) << corner;
}

TEST(PresetDrags, TheAxisCuboidsCornersSlideOnlyAlongTheirAxes) {
  CommandPage p;
  CreateCuboidXyz(p.doc, 0);
  ASSERT_TRUE(DragPointStraightDown(Id(p, "B"), 20, 5));
  ASSERT_TRUE(DragPointStraightDown(Id(p, "D"), 3, 15));
  ASSERT_TRUE(DragAlong(Id(p, "A1"), {100, 0, 20}, {-100, 0, 20}));
  EXPECT_TRUE(Near(p.At(Id(p, "B")), {20, 0, 0}));
  EXPECT_TRUE(Near(p.At(Id(p, "D")), {0, 15, 0}));
  EXPECT_TRUE(Near(p.At(Id(p, "A1")), {0, 0, 20}));
  EXPECT_TRUE(Near(p.At(Id(p, "C1")), {20, 15, 20}));
  ASSERT_TRUE(DragPointStraightDown(Id(p, "A"), 1, 1));
  EXPECT_TRUE(Near(p.At(Id(p, "C1")), {21, 16, 20})) << "A carries the whole cuboid";
}

}  // namespace
