#include <gtest/gtest.h>

#include "model/selection.h"
#include "pagetest.h"

namespace KAVREL_FILE_LOCAL {

constexpr COLORREF kOrange = 0x0080FF;  // red 255, green 128, blue 0

class SelectionColorTest : public PageTest {
 protected:
  template <class T>
  T* Selected(T* cell) {
    cell->m_rgbaColor = RGBA{1, 2, 3, 40};
    cell->m_rgbaLabel = RGBA{4, 5, 6, 50};
    page->SelectCell(cell->m_nId);
    return cell;
  }
};

TEST_F(SelectionColorTest, AnEmptySelectionRecoloursNothing) {
  AddPoint(0, 0, 0);
  EXPECT_FALSE(ApplyColorToSelection(kOrange));
  EXPECT_FALSE(ApplyColorToSelection(kAutomaticColors));
  Selected(AddKind({"CGMdfColor", "CGModifier"}));
  EXPECT_FALSE(ApplyColorToSelection(kOrange)) << "colour modifiers keep their colours";
  Selected(AddKind({"CGScaleline"}));
  EXPECT_TRUE(ApplyColorToSelection(kOrange));
}

TEST_F(SelectionColorTest, AGivenColourKeepsEveryAlpha) {
  CGCell* cells[] = {
      Selected(AddPoint(0, 0, 0)),          Selected(AddKind({"CGLine"})),
      Selected(AddKind({"CGFace"})),        Selected(AddKind({"CGArc"})),
      Selected(AddKind({"CGTextbit"})),     Selected(AddKind({"CGTmVariable", "CGTextmap"})),
      Selected(AddButton()),                Selected(AddKind({"CGSphere"})),
      Selected(AddKind({"CGPolyhedron"})),
  };
  CGCell* modifier = Selected(AddKind({"CGMdfColor", "CGModifier"}));
  EXPECT_TRUE(ApplyColorToSelection(kOrange));
  for (CGCell* cell : cells) {
    EXPECT_EQ(cell->m_rgbaColor, (RGBA{255, 128, 0, 40})) << cell->m_nId;
    EXPECT_EQ(cell->m_rgbaLabel, (RGBA{4, 5, 6, 50})) << cell->m_nId;
  }
  EXPECT_EQ(modifier->m_rgbaColor, (RGBA{1, 2, 3, 40}));
}

TEST_F(SelectionColorTest, AutomaticColoursComeFromTheScheme) {
  g_prefs.rgbaCurve = RGBA{0, 100, 0, 9};
  g_prefs.rgbaMeasure = RGBA{7, 7, 7, 9};
  g_rgbaInk = RGBA{200, 0, 0, 9};
  CGVertex* fixed = Selected(AddPoint(0, 0, 0));
  CGVertex* freePoint = Selected(AddKind<CGVertex>({"CGVerFree"}));
  CGCell* line = Selected(AddKind({"CGLine"}));
  CGCell* face1 = Selected(AddKind({"CGFace"}));
  CGCell* face2 = Selected(AddKind({"CGFace"}));
  CGCell* circle = Selected(AddKind({"CGArc"}));
  CGCell* disc = Selected(AddKind({"CGArc"}));
  disc->m_nSubKind = 2;
  CGCell* ink = Selected(AddKind({"CGInkmarks"}));
  CGCell* locus = Selected(AddKind({"CGLocus"}));
  CGCell* text = Selected(AddKind({"CGTmSingleline", "CGTextmap"}));
  CGCell* value = Selected(AddKind({"CGTmVector"}));
  CGCell* button = Selected(AddButton());
  CGCell* sphere = Selected(AddKind({"CGCone"}));
  CGCell* other = Selected(AddKind({"CGPolyhedron"}));

  EXPECT_TRUE(ApplyColorToSelection(kAutomaticColors));
  EXPECT_EQ(fixed->m_rgbaColor, (RGBA{128, 0, 0, 255}));
  EXPECT_EQ(fixed->m_rgbaLabel, (RGBA{0, 0, 0, 50})) << "label colour, alpha kept";
  EXPECT_EQ(freePoint->m_rgbaColor, (RGBA{255, 0, 0, 255}));
  EXPECT_EQ(line->m_rgbaColor, (RGBA{0, 0, 128, 255}));
  EXPECT_EQ(face1->m_rgbaColor, (RGBA{255, 179, 179, 255})) << "the automatic cycle";
  EXPECT_EQ(face2->m_rgbaColor, (RGBA{179, 255, 179, 255}));
  EXPECT_EQ(circle->m_rgbaColor, (RGBA{0, 100, 0, 255}));
  EXPECT_EQ(disc->m_rgbaColor, (RGBA{1, 2, 3, 255})) << "a filled kind keeps its first colour";
  EXPECT_EQ(disc->m_rgbaLabel, (RGBA{0, 100, 0, 50}));
  EXPECT_EQ(ink->m_rgbaColor, (RGBA{200, 0, 0, 255}));
  EXPECT_EQ(locus->m_rgbaColor, (RGBA{0, 100, 0, 255}));
  EXPECT_EQ(text->m_rgbaColor, (RGBA{0, 0, 152, 255}));
  EXPECT_EQ(value->m_rgbaColor, (RGBA{7, 7, 7, 255}));
  EXPECT_EQ(button->m_rgbaColor, (RGBA{0x33, 0x66, 0xFF, 0xFF}));
  EXPECT_EQ(button->m_rgbaLabel, (RGBA{0, 0, 0, 50}));
  EXPECT_EQ(sphere->m_rgbaColor, (RGBA{0, 100, 0, 255}));
  EXPECT_EQ(other->m_rgbaColor, (RGBA{0, 0, 128, 255}));
}

TEST_F(SelectionColorTest, LabelColourAndLabelMode) {
  CGVertex* point = Selected(AddPoint(0, 0, 0));
  CGCell* circle = Selected(AddKind({"CGArc"}));
  CGCell* value = Selected(AddKind({"CGTmVariable", "CGTextmap"}));
  CGCell* modifier = Selected(AddKind({"CGMdfColor", "CGModifier"}));
  CGCell* other = Selected(AddKind({"CGScaleline"}));
  SetSelectionLabelColor(kOrange);
  for (CGCell* cell : {static_cast<CGCell*>(point), circle, value, other})
    EXPECT_EQ(cell->m_rgbaLabel, (RGBA{255, 128, 0, 50})) << cell->m_nId;
  EXPECT_EQ(modifier->m_rgbaLabel, (RGBA{4, 5, 6, 50}));
  EXPECT_EQ(point->m_rgbaColor, (RGBA{1, 2, 3, 40}));

  value->m_nLabelMode = 7;
  SetSelectionLabelMode(FALSE);
  EXPECT_EQ(point->m_nLabelMode, 1);
  EXPECT_EQ(circle->m_nLabelMode, 1);
  EXPECT_EQ(value->m_nLabelMode, 7) << "values keep theirs";
  SetSelectionLabelMode(TRUE);
  EXPECT_EQ(point->m_nLabelMode, 0);
}

TEST_F(SelectionColorTest, TheSchemeRecoloursAWholePage) {
  g_prefs.background = {0.1f, 0.2f, 0.3f, 0.4f};
  g_prefs.rgbaLabel = RGBA{9, 9, 9, 9};
  g_prefs.fPointSize = 8;
  g_prefs.fLineWidth = 3;
  struct Case { CGCell* cell; RGBA color, label; float size; };
  auto make = [&](CGCell* cell) {
    cell->m_rgbaColor = RGBA{1, 2, 3, 40};
    cell->m_rgbaLabel = RGBA{4, 5, 6, 50};
    cell->m_fSize = 1;
    return cell;
  };
  CGCell* disc = make(AddKind({"CGArc"}));
  disc->m_nSubKind = 3;
  const Case cases[] = {
      {make(AddPoint(0, 0, 0)), {128, 0, 0, 40}, {9, 9, 9, 50}, 8},
      {make(AddKind<CGVertex>({"CGVerFree"})), {255, 0, 0, 40}, {9, 9, 9, 50}, 8},
      {make(AddKind({"CGLine"})), {0, 0, 128, 40}, {9, 9, 9, 50}, 3},
      {make(AddKind({"CGArc"})), {0, 128, 0, 40}, {9, 9, 9, 50}, 3},
      {disc, {1, 2, 3, 40}, {0, 128, 0, 50}, 3},
      {make(AddKind({"CGCurve"})), {0, 128, 0, 40}, {9, 9, 9, 50}, 3},
      {make(AddButton()), {0x33, 0x66, 0xFF, 40}, {0, 0, 0, 50}, 1},
      {make(AddKind({"CGTmVariable", "CGTextmap"})), {0, 0, 0, 40}, {9, 9, 9, 50}, 1},
      {make(AddKind({"CGIterate"})), {0, 0, 0, 40}, {9, 9, 9, 50}, 1},
      {make(AddKind({"CGTextmap"})), {0, 0, 152, 40}, {9, 9, 9, 50}, 1},
      {make(AddKind({"CGTbImage", "CGTextbit"})), {0, 0, 152, 40}, {9, 9, 9, 50}, 1},
      {make(AddKind({"CGFrustum"})), {0, 128, 0, 40}, {9, 9, 9, 50}, 1},
      {make(AddKind({"CGFace"})), {1, 2, 3, 40}, {9, 9, 9, 50}, 1},
  };
  page->ApplyColorScheme();
  EXPECT_EQ(page->m_rgbaBackground[2], 0.3f);
  for (const Case& c : cases) {
    EXPECT_EQ(c.cell->m_rgbaColor, c.color) << c.cell->GetRuntimeClass()->m_lpszClassName;
    EXPECT_EQ(c.cell->m_rgbaLabel, c.label) << c.cell->GetRuntimeClass()->m_lpszClassName;
    EXPECT_EQ(c.cell->m_fSize, c.size) << c.cell->GetRuntimeClass()->m_lpszClassName;
  }
}

}  // namespace
