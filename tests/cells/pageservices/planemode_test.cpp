// The view onto a selected face: the target turns its first edge onto x
// and its normal onto z by at most half a turn and centres its centroid;
// faces that give no plane leave the transition alone.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "../celltestsupport.h"
#include "cells/pageservices/planemode.h"
#include "math/mathglobals.h"

namespace KAVREL_FILE_LOCAL {

using Vec = std::array<float, 3>;

class PlaneMode : public CellTest {
 public:
  void Select(const Vec& a, const Vec& b, const Vec& c) { page->SelectCell(FaceOn({a, b, c})->m_nId); }
  CGCell* FaceCell() { return page->m_cells.Lookup(page->m_selFaces.back()); }
  // The target as the view applies it, to a float triple.
  static double Turned(const float v[3], int row) {
    const float* q = g_viewTransition.targetRotate;
    double m[16];
    QuatToRotationMatrix(Quaternion{q[0], q[1], q[2], q[3]}, m);
    return m[row] * v[0] + m[row + 4] * v[1] + m[row + 8] * v[2];
  }
};

TEST_F(PlaneMode, TurnsEveryFaceHeadOnFromTheCurrentView) {
  g_fViewTranslate[0] = 1, g_fViewTranslate[1] = 2, g_fViewTranslate[2] = -40;
  ViewQuaternion = Quaternion{0.5, 0.5, -0.5, 0.5};
  Select({0, 0, 0}, {4, 0, 0}, {0, 3, 0});
  ASSERT_TRUE(EnterPlaneMode());
  const CViewTransition& t = g_viewTransition;
  EXPECT_EQ(std::vector<float>(t.targetRotate, t.targetRotate + 4), (std::vector<float>{1, 0, 0, 0}));
  EXPECT_EQ(std::vector<float>(t.targetTranslate, t.targetTranslate + 3), (std::vector<float>{-4.0f / 3, -1, -50}));
  EXPECT_EQ(std::vector<float>(t.startTranslate, t.startTranslate + 3), (std::vector<float>{1, 2, -40}));
  EXPECT_EQ(std::vector<float>(t.startRotate, t.startRotate + 4), (std::vector<float>{0.5f, 0.5f, -0.5f, 0.5f}));

  std::vector<std::array<Vec, 3>> faces = {
      {{{0, 0, 0}, {-2, 0, 0}, {0, -3, 0}}},  // edge along -x, normal z
      {{{0, 0, 0}, {1, 1, 0}, {-1, 1, 0}}},   // normal z
      {{{0, 0, 5}, {1, 1, 5}, {1, -1, 5}}},   // normal -z
      {{{0, 0, 0}, {-1, 0, 0}, {0, 1, 0}}},   // edge along -x, normal -z
      {{{2, 0, 0}, {2, 0, 1}, {2, -1, 0}}},   // edge along z, normal x: a half turn
  };
  std::mt19937 random(47);
  std::uniform_real_distribution<float> coordinate(-10, 10);
  for (int i = 0; i < 200; ++i) {
    auto& face = faces.emplace_back();
    for (Vec& corner : face) corner = {coordinate(random), coordinate(random), coordinate(random)};
  }
  for (size_t k = 0; k < faces.size(); ++k) {
    const auto& [a, b, c] = faces[k];
    page->ClearSelection();
    Select(a, b, c);
    ASSERT_TRUE(EnterPlaneMode()) << "face " << k;
    const float e[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, f[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const float n[3] = {e[1] * f[2] - e[2] * f[1], e[2] * f[0] - e[0] * f[2], e[0] * f[1] - e[1] * f[0]};
    const double le = std::hypot(e[0], e[1], e[2]), ln = std::hypot(n[0], n[1], n[2]);
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(Turned(e, i) / le, i == 0, 1e-4) << "face " << k << ": e onto x";
      EXPECT_NEAR(Turned(n, i) / ln, i == 2, 1e-4) << "face " << k << ": n onto z";
    }
    EXPECT_GE(t.targetRotate[0], 0.0f) << "face " << k << ": at most half a turn";
    float centroid[3];
    FaceCentroid(page->m_selFaces[0], &centroid[0], &centroid[1], &centroid[2]);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(Turned(centroid, i) + t.targetTranslate[i], i == 2 ? -50 : 0, 1e-3);
  }
}

TEST_F(PlaneMode, FacesThatGiveNoPlaneLeaveTheTransitionAlone) {
  const std::pair<const char*, std::function<void(PlaneMode&)>> rows[] = {
      {"nothing selected", [](PlaneMode&) {}},
      {"two faces", [](PlaneMode& t) { t.Select({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), t.Select({0, 0, 1}, {1, 0, 1}, {0, 1, 1}); }},
      {"an undefined face", [](PlaneMode& t) { t.Select({0, 0, 0}, {1, 0, 0}, {0, 1, 0}), t.FaceCell()->m_bDefined = false; }},
      {"collinear first corners", [](PlaneMode& t) { t.Select({0, 0, 0}, {1, 1, 1}, {2, 2, 2}); }},
      {"a first edge of no length", [](PlaneMode& t) { t.Select({1, 2, 3}, {1, 2, 3}, {0, 1, 0}); }},
  };
  for (const auto& [name, select] : rows) {
    page->ClearSelection();
    select(*this);
    float* values = reinterpret_cast<float*>(&g_viewTransition);
    std::fill_n(values, sizeof(CViewTransition) / sizeof(float), 7.0f);
    EXPECT_FALSE(EnterPlaneMode()) << name;
    EXPECT_EQ(std::count(values, values + sizeof(CViewTransition) / sizeof(float), 7.0f), 14) << name;
  }
}

}  // namespace
