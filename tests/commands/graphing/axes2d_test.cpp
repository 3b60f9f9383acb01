// The plane axes: what the command builds with and without a selected
// origin, the unit it takes from the zoom, and what undo gives back.
#include "cells/constrained/linepoints.h"
#include "cells/dynamic/graphing/scaleline.h"
#include "cells/primitives/cgline.h"
#include "commands/graphing/axes2dcommand.h"
#include "platform/commandids.h"
#include "render/viewglobals.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

struct AxesScene : CommandPage {
  explicit AxesScene(const char* selection) {
    Point(1, 1, 0), Point(4, 1, 0);
    SelectNamed(QString::fromUtf8(selection));
  }
};

constexpr char kEnds[] =
    "CGVerFreeParVector(o) CGVerFreeParVector(o) CGVerFreeParVector(o) CGVerFreeParVector(o) CGLine(x',x) "
    "CGLine(y',y) CGScaleline(o,x',x,y',y)";

TEST(Axes2d, EachSelectionGivesItsCells) {
  struct Row {
    const char* what;
    const char* selection;
    std::string made;
  } const rows[] = {
      {"a new origin", "", std::string("CGVertex() ") + kEnds},
      {"two points: a new origin", "A B", std::string("CGVertex() ") + kEnds},
      {"the selected point as origin, its settings back on undo", "A", kEnds},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    AxesScene p(row.selection);
    p.ExpectMade(ID_CREATE_BASE_2D, row.made, "添加2维坐标轴");
  }
}

TEST(Axes2d, EndsLabelsAndColours) {
  AxesScene p("A");
  g_fUnitsPerPixel = 0.1f;  // k = 2
  const WORD a = p.Named("A"), first = p.Page().m_nNextId;
  ASSERT_TRUE(p.Run(ID_CREATE_BASE_2D));
  const CGVertex* o = p.As<CGVertex>(a);
  EXPECT_EQ(o->m_strName, QStringLiteral("o"));
  EXPECT_TRUE(o->m_bNameFixed && o->m_bLabelStale);
  EXPECT_EQ(o->m_nLabelMode, 1);
  EXPECT_EQ((std::vector<float>{o->m_vLabelOffset[0], o->m_vLabelOffset[1]}), (std::vector<float>{-1.5f, -1.5f}));
  struct End {
    const char* name;
    float value, offsetX, offsetY;
    int hidden;
  } const ends[] = {{"x'", -24, -0.9f, -1.6f, 1}, {"x", 24, -0.9f, -1.4f, 0}, {"y'", -24, -1.4f, 0, 1}, {"y", 24, 0, 0, 0}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(ends[i].name);
    const auto* e = p.As<CGVerFreeParVector>(first + i);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->m_strName, QString::fromLatin1(ends[i].name));
    EXPECT_TRUE(e->m_bNameFixed);
    EXPECT_EQ(e->m_nStyle, 2);
    EXPECT_EQ(e->m_fSize, 4.0f);
    EXPECT_EQ(e->m_nLabelMode, 1);
    EXPECT_EQ(e->m_fValue, ends[i].value);
    EXPECT_EQ(e->m_bLabelHidden, ends[i].hidden);
    if (i == 3) continue;  // "y" keeps a point's own label offset
    EXPECT_FLOAT_EQ(e->m_vLabelOffset[0], ends[i].offsetX);
    EXPECT_FLOAT_EQ(e->m_vLabelOffset[1], ends[i].offsetY);
  }
  const BYTE axisRgb[2][3] = {{64, 64, 255}, {96, 96, 192}};
  for (int i = 0; i < 2; ++i) {
    const auto* axis = p.As<CGLine>(first + 4 + i);
    EXPECT_EQ(axis->m_nSubKind, kLineVector);
    EXPECT_EQ(axis->m_nStyle, 1);
    EXPECT_TRUE(axis->m_rgbaColor.r == axisRgb[i][0] && axis->m_rgbaColor.g == axisRgb[i][1] &&
                axis->m_rgbaColor.b == axisRgb[i][2]);
  }
  const auto* scale = p.As<CGScaleline>(first + 6);
  EXPECT_TRUE(scale->m_bDefined);
  EXPECT_EQ(scale->XMax, 24);
  for (const RGBA& c : {scale->m_rgbaColor, scale->m_rgbaLabel}) EXPECT_TRUE(c.r == 96 && c.g == 96 && c.b == 96);
}

TEST(Axes2d, TheUnitNeverCollapsesWhenZoomedIn) {
  struct Row {
    float unitsPerPixel, k;
  } const rows[] = {{0.05f, 1}, {0.1f, 2}, {0.125f, 2}, {1 / 21.0f, 20 / 21.0f}, {0.005f, 0.1f}};
  for (const Row& row : rows) EXPECT_FLOAT_EQ(Axes2dUnit(row.unitsPerPixel), row.k) << row.unitsPerPixel;
  AxesScene p("");
  g_fUnitsPerPixel = 0.005f;  // 200 pixels per unit
  const WORD first = p.Page().m_nNextId;
  ASSERT_TRUE(p.Run(ID_CREATE_BASE_2D));
  EXPECT_FLOAT_EQ(p.Find(first + 2)->m_fValue, 1.2f) << "12 units of 20 pixels";
  EXPECT_GT(p.As<CGScaleline>(first + 7)->XMax, 0);
}

}  // namespace
