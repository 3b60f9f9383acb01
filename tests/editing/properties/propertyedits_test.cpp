// The helpers the property rows share: a typed name's flags, and message
// formats filled with names that may hold "%" themselves.
#include <gtest/gtest.h>

#include "editing/properties/propertyedits.h"
#include "model/cgcell.h"

namespace KAVREL_FILE_LOCAL {

TEST(PropertyEdits, FormatsTakeNamesWholeAndNumbersThroughTheFormatter) {
  const auto filled = [](const char* text) { return QString::fromUtf8(text); };
  EXPECT_EQ(FillConversions("点 %s 到直线 %s 距离为 %g \n", {"D%s", "A%gB", 2.5}), filled("点 D%s 到直线 A%gB 距离为 2.5 \n"));
  EXPECT_EQ(FillConversions("%s (%.2f, %.2f)%s", {"v", 0.125, -0.125, "?"}), filled("v (0.13, -0.13)?"));
  EXPECT_EQ(FillConversions("100%% %g°", {1e-7}), filled("100% 1e-07°"));
  EXPECT_EQ(FillConversions("%s and %s", {"one"}), filled("one and "));
  EXPECT_EQ(FillConversions("ends in %", {}), filled("ends in %"));
}

TEST(PropertyEdits, OnlyAChangedNameIsFixed) {
  CGCell cell;
  cell.m_strName = QStringLiteral("AB");
  cell.m_bLabelStale = false;
  TakeTypedName(cell, QStringLiteral("AB"));
  EXPECT_FALSE(cell.m_bNameFixed || cell.m_bLabelStale);
  TakeTypedName(cell, QStringLiteral("l"));
  EXPECT_TRUE(cell.m_strName == "l" && cell.m_bNameFixed && cell.m_bLabelStale);
}

}  // namespace
