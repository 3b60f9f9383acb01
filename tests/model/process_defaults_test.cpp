#include <gtest/gtest.h>

#include "math/mathglobals.h"
#include "model/globals.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {

TEST(ProcessDefaults, StartValues) {
  SeamRecorders seams;
  EXPECT_EQ(g_nVertexCapacity, 200);
  EXPECT_EQ(g_nViewWidth, 800);
  EXPECT_EQ(g_nViewHeight, 600);
  EXPECT_FLOAT_EQ(g_fUnitsPerPixel, 0.05f);
  EXPECT_EQ(g_nProjection, 1);
  EXPECT_EQ(g_nToolMode, 1);
  EXPECT_EQ(g_fViewTranslate[2], -50.0f);
  EXPECT_EQ(g_fViewScale, 1.0f);
  EXPECT_EQ(g_bOwnColors, 1);
  EXPECT_EQ(g_prefs.rgbaFreePoint, (RGBA{255, 0, 0, 255}));
  EXPECT_EQ(g_prefs.rgbaText, (RGBA{0, 0, 152, 255}));
  EXPECT_EQ(g_prefs.rgbaSelection, (RGBA{255, 0, 255, 255}));
  EXPECT_EQ(g_prefs.rgbaFixedPoint, (RGBA{128, 0, 0, 255}));
  EXPECT_EQ(g_prefs.rgbaLine, (RGBA{0, 0, 128, 255}));
  EXPECT_EQ(g_prefs.rgbaCurve, (RGBA{0, 128, 0, 255}));
  EXPECT_EQ(g_prefs.rgbaTable, (RGBA{64, 64, 64, 255}));
  EXPECT_EQ(g_prefs.strLabelFont, QStringLiteral("Times New Roman"));
  EXPECT_EQ(g_prefs.strTextFont, QStringLiteral("Times New Roman"));
  EXPECT_EQ(g_prefs.nLabelFontHeight, 24);
  EXPECT_EQ(g_prefs.fPointSize, 6.0f);
  EXPECT_EQ(g_prefs.fLineWidth, 2.0f);
  EXPECT_EQ(g_prefs.lightPosition, (std::array<float, 4>{200, 100, 300, 1}));
  EXPECT_FLOAT_EQ(g_fTrackballScaleX, 1.0f / 399.5f);
  EXPECT_FLOAT_EQ(g_fTrackballScaleY, 1.0f / 299.5f);
  EXPECT_STREQ(kClipFormatCells, "CF_KAVREL");
}

TEST(ProcessDefaults, CuttingPlaneTables) {
  const double first[10][4] = {{-1, -1, -1, 2}, {1, 1, -1, 2}, {-1, 1, 1, 2}, {1, -1, 1, 2},
                               {2, 1, 0, 0},    {1, 0, 2, 0},  {0, 2, 1, 0},  {4, -1, 0, 1},
                               {-1, 0, 4, 1},   {0, 4, -1, 1}};
  for (int i = 0; i < 10; ++i) {
    const auto& p = g_defaultCutPlanes[i];
    EXPECT_EQ((std::array<double, 4>{p.a, p.b, p.c, p.d}),
              (std::array<double, 4>{first[i][0], first[i][1], first[i][2], first[i][3]}))
        << "row " << i + 1;
  }
  for (int i = 0; i < 3; ++i) {
    const auto& p = g_coordinateCutPlanes[i];
    EXPECT_EQ(p.d, 0.0);
    EXPECT_EQ((i == 0 ? p.a : i == 1 ? p.b : p.c), 1.0);
    EXPECT_EQ(p.a + p.b + p.c, 1.0);
  }
}

TEST(ProcessDefaults, ResetUndoesChanges) {
  g_nToolMode = 7;
  g_prefs.rgbaText = RGBA{1, 2, 3, 4};
  g_fViewTranslate[2] = 3.0f;
  g_strDocumentPath = QStringLiteral("/a/b.kv");
  SeamRecorders seams;  // resets
  EXPECT_TRUE(g_strDocumentPath.isEmpty());
  EXPECT_EQ(g_nToolMode, 1);
  EXPECT_EQ(g_prefs.rgbaText, (RGBA{0, 0, 152, 255}));
  EXPECT_EQ(g_fViewTranslate[2], -50.0f);
}

}  // namespace
