#include <gtest/gtest.h>

#include <set>

#include "model/autocolor.h"
#include "model/globals.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {

struct Rgb {
  int r, g, b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
Rgb Split(COLORREF c) { return {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c >> 16)}; }

TEST(HslToRgb, ConvertsTheStandardWay) {
  struct Case { double h, s, l; double r, g, b; } cases[] = {
      {0, 1, 0.5, 1, 0, 0},           {1.0 / 3, 1, 0.5, 0, 1, 0},    {2.0 / 3, 1, 0.5, 0, 0, 1},
      {1.0 / 6, 1, 0.5, 1, 1, 0},     {0.5, 1, 0.25, 0, 0.5, 0.5},   {0, 1, 0.85, 1, 0.7, 0.7},
      {0, 0.5, 0.5, 0.75, 0.25, 0.25}, {0.3, 0, 0.4, 0.4, 0.4, 0.4}, {0.95, 0, 0.9, 0.9, 0.9, 0.9},
      {0, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    double rgb[3] = {-1, -1, -1};
    HslToRgb(rgb, c.h, c.s, c.l);
    EXPECT_NEAR(rgb[0], c.r, 1e-12) << c.h << " " << c.s << " " << c.l;
    EXPECT_NEAR(rgb[1], c.g, 1e-12) << c.h << " " << c.s << " " << c.l;
    EXPECT_NEAR(rgb[2], c.b, 1e-12) << c.h << " " << c.s << " " << c.l;
  }
}

class AutoColorTest : public ::testing::Test {
 protected:
  SeamRecorders seams;  // a fresh cycle
};

TEST_F(AutoColorTest, CycleOnALightBackground) {
  std::vector<Rgb> colors;
  for (int i = 0; i < 73; ++i) colors.push_back(Split(NextAutoColor()));
  // The twelve hues 0, 120, 240, 60, 180, 300, 90, 210, 330, 30, 150, 270 at 1.0 and 0.85.
  const std::vector<Rgb> first = {{255, 179, 179}, {179, 255, 179}, {179, 179, 255}, {255, 255, 179},
                                  {179, 255, 255}, {255, 179, 255}, {217, 255, 179}, {179, 217, 255},
                                  {255, 179, 217}, {255, 217, 179}, {179, 255, 217}, {217, 179, 255}};
  EXPECT_EQ(std::vector<Rgb>(colors.begin(), colors.begin() + 12), first);
  EXPECT_EQ(colors[12], (Rgb{255, 102, 102})) << "hue 0 again at lightness 0.7";
  EXPECT_EQ(colors[36], (Rgb{236, 198, 198})) << "hue 0 at saturation 0.5";
  EXPECT_EQ(colors[72], colors[0]) << "72 colours, then around again";
  std::set<COLORREF> distinct;
  for (const Rgb& c : colors) distinct.insert(c.r | c.g << 8 | c.b << 16);
  EXPECT_EQ(distinct.size(), 72u);
}

TEST_F(AutoColorTest, DarkBackgroundMirrorsTheLightness) {
  g_prefs.background = {0.6f, 0.6f, 0.7f, 1.0f};  // sum 1.9: dark
  EXPECT_EQ(Split(NextAutoColor()), (Rgb{77, 0, 0})) << "HSL(0, 1.0, 0.15)";
  g_prefs.background = {0.7f, 0.7f, 0.7f, 1.0f};  // sum 2.1: light again
  EXPECT_EQ(Split(NextAutoColor()), (Rgb{179, 255, 179})) << "the cycle went on";
}

}  // namespace
