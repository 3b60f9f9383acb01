// The colour palette and the translation sliders: exact names, colours and
// slider arithmetic.
#include <gtest/gtest.h>

#include <QString>
#include <cmath>

#include "ui/colorpalette.h"
#include "ui/translationsliders.h"

namespace KAVREL_FILE_LOCAL {

TEST(ColorPalette, FortyNamedColoursInPaletteOrder) {
  struct Case { int rgb[3]; const char* name; };
  const Case cases[] = {
      {{0, 0, 0}, "黑色"}, {{153, 51, 0}, "褐色"}, {{51, 51, 0}, "橄榄绿"}, {{0, 51, 0}, "深绿"}, {{0, 51, 102}, "深灰蓝"},
      {{0, 0, 128}, "深蓝"}, {{51, 51, 153}, "靛蓝"}, {{51, 51, 51}, "灰色-80%"}, {{128, 0, 0}, "深红"},
      {{255, 102, 0}, "桔黄"}, {{128, 128, 0}, "深黄"}, {{0, 128, 0}, "绿色"}, {{0, 128, 128}, "蓝绿色"},
      {{0, 0, 255}, "蓝色"}, {{102, 102, 153}, "蓝-灰"}, {{128, 128, 128}, "灰色-50%"}, {{255, 0, 0}, "红色"},
      {{255, 153, 0}, "浅桔黄"}, {{153, 204, 0}, "酸橙色"}, {{51, 153, 102}, "海绿"}, {{51, 204, 204}, "宝石蓝"},
      {{51, 102, 255}, "浅蓝"}, {{128, 0, 128}, "紫色"}, {{153, 153, 153}, "灰色-40%"}, {{255, 0, 255}, "粉红"},
      {{255, 204, 0}, "金色"}, {{255, 255, 0}, "黄色"}, {{0, 255, 0}, "鲜绿"}, {{0, 255, 255}, "青绿"},
      {{0, 204, 255}, "天蓝"}, {{153, 51, 102}, "梅红"}, {{192, 192, 192}, "灰色-25%"}, {{255, 153, 204}, "玫瑰红"},
      {{255, 204, 153}, "棕黄"}, {{255, 255, 153}, "浅黄"}, {{204, 255, 204}, "浅绿 "}, {{204, 255, 255}, "浅青绿"},
      {{153, 204, 255}, "淡蓝"}, {{204, 153, 255}, "淡紫"}, {{255, 255, 255}, "白色"},
  };
  const auto colors = PaletteColors();
  ASSERT_EQ(colors.size(), 40u);
  for (size_t i = 0; i < colors.size(); ++i) {
    EXPECT_EQ(colors[i].red, cases[i].rgb[0]) << i;
    EXPECT_EQ(colors[i].green, cases[i].rgb[1]) << i;
    EXPECT_EQ(colors[i].blue, cases[i].rgb[2]) << i;
    EXPECT_EQ(QString::fromUtf8(colors[i].name), QString::fromUtf8(cases[i].name)) << i;
  }
  // The 36th keeps its trailing space.
  EXPECT_EQ(QString::fromUtf8(colors[35].name), QStringLiteral("浅绿 "));
}

TEST(ColorPalette, ColourWordsHoldRedInTheLowByte) {
  const auto colors = PaletteColors();
  EXPECT_EQ(PaletteColorRef(colors[1]), 153u + 51u * 256u);            // 褐色 153, 51, 0
  EXPECT_EQ(PaletteColorRef(colors[4]), 51u * 256u + 102u * 65536u);   // 深灰蓝 0, 51, 102
  EXPECT_EQ(PaletteColorRef(colors[39]), 0xFFFFFFu);
}

TEST(TranslationSliders, PositionsAreTenthsAndZCountsFromMinusFifty) {
  struct Case { int axis, position; float translation; };
  const Case cases[] = {
      {2, 0, -50.0f}, {2, 600, 10.0f}, {2, -600, -110.0f}, {0, 400, 40.0f},
      {0, -400, -40.0f}, {1, 300, 30.0f}, {1, -5, -0.5f}, {0, 0, 0.0f},
  };
  for (const Case& c : cases)
    EXPECT_FLOAT_EQ(SliderToTranslation(c.axis, c.position), c.translation) << c.axis << " " << c.position;
}

TEST(TranslationSliders, UpdatingTheSlidersTruncatesTowardZero) {
  struct Case { int axis; float translation; int position; };
  const Case cases[] = {
      {2, -50.0f, 0}, {2, 10.0f, 600}, {2, -50.05f, 0},  // -0.5 truncates to 0, not -1
      {2, -50.16f, -1}, {0, 0.19f, 1}, {0, -0.19f, -1}, {1, 29.99f, 299}, {1, -29.99f, -299},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TranslationToSlider(c.axis, c.translation), c.position) << c.axis << " " << c.translation;
}

}  // namespace
