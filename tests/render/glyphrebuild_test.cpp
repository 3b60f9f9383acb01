// A character cached on first use looks the same after the font lists are
// compiled again: same size, same weight.
#include "texttestsupport.h"

namespace KAVREL_FILE_LOCAL {

TEST_F(TextGlTest, CachedCharactersKeepSizeAndWeightAcrossARebuild) {
  MakeFontBlocks();
  g_prefs.nLabelFontHeight = g_prefs.nTextFontHeight = 48;
  const std::pair<QString (*)(const QString&), void (*)()> fonts[] = {{DrawGlText, BuildFontLists},
                                                                       {DrawGlTextDC, BuildTextFontLists}};
  for (const auto& [lists, rebuild] : fonts) {
    const QString names = lists(QString::fromUtf16(u"中国"));
    auto ink = [&] {
      glClear(GL_COLOR_BUFFER_BIT);
      glRasterPos2i(20, 40);
      CallTextLists(names);
      const QImage picture = gl.ReadPixels();
      return std::pair{InkBounds(picture, picture.rect()).size(), InkIn(picture, picture.rect())};
    };
    const auto first = ink();
    rebuild();
    EXPECT_EQ(ink(), first) << (lists == DrawGlText ? "label" : "text");
  }
}

}  // namespace
