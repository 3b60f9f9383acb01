// The axis scale and the colour modifier under GL: the ticks and grid drawn
// in their colours, the pick bands of the scale and the corner area of the
// modifier, and what hides them.
#include "cells/celldrawtestsupport.h"
#include "cells/dynamic/graphing/colormodifier.h"
#include "cells/dynamic/graphing/scaleline.h"
#include "render/viewglobals.h"

namespace KAVREL_FILE_LOCAL {

class GraphingGlTest : public CellGlTest {
 protected:
  QSize ViewSize() const override { return {240, 200}; }
  void SetUp() override {
    CellGlTest::SetUp();
    g_fUnitsPerPixel = 1;  // p = 1, u = 20 pixels
    g_fViewScale = 1;
    g_nViewWidth = gl.Width();
    g_nViewHeight = gl.Height();
  }
  // Origin (100.5, 100.5), x from -80 to 120, y from -60 to 80, ticks every 20,
  // no labels; tick colour red, label colour blue.
  CGScaleline* Scale() {
    auto* s = new CGScaleline;
    s->m_nId = page->m_nNextId++;
    page->m_cells.SetAt(s->m_nId, s);
    s->Origin[0] = s->Origin[1] = 100.5f;  // lines through pixel centres
    s->XMin = -80, s->XMax = 120, s->YMin = -60, s->YMax = 80;
    s->AutoSpacing = 0;
    s->TickSpacing = s->LabelSpacing = 20;
    s->m_bLabelHidden = 1;
    s->m_rgbaColor = RGBA{255, 0, 0, 255};
    s->m_rgbaLabel = RGBA{0, 0, 255, 255};
    return s;
  }
  QRgb Drawn(CGCell& cell, int x, int y) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    cell.DrawVisibleEdges();
    return gl.ReadPixels().pixel(x, gl.Height() - 1 - y);
  }
  // GL_SELECT around (x, y) under a projection centred on the origin, as
  // the view's is; the modelview is the identity.
  Names PickCentred(CGCell& cell, int mode, int x, int y) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPickMatrix(x + 0.5, y + 0.5, 3, 3, viewport);
    glOrtho(-gl.Width() / 2.0, gl.Width() / 2.0, -gl.Height() / 2.0, gl.Height() / 2.0, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    return SelectNames([&] { cell.DrawForPick(mode); });
  }
};

TEST_F(GraphingGlTest, TicksAndGridInTheirColours) {
  CGScaleline* s = Scale();
  g_bOwnColors = 1;
  EXPECT_EQ(Drawn(*s, 120, 105), qRgb(255, 0, 0)) << "x tick at 20, 6 pixels high";
  EXPECT_EQ(Drawn(*s, 105, 140), qRgb(255, 0, 0)) << "y tick at 40";
  EXPECT_EQ(Drawn(*s, 110, 150), qRgb(255, 255, 255)) << "no grid";
  s->m_nStyle = 1;
  EXPECT_EQ(Drawn(*s, 105, 140), qRgb(255, 255, 255)) << "x axis only";
  s->SetGridMode(2);  // circles r = 1 ... 120 in blue, diameters in red
  EXPECT_EQ(Drawn(*s, 100 + 60, 100), qRgb(255, 0, 0)) << "the diameter along x";
  s->SetGridMode(1);
  EXPECT_EQ(Drawn(*s, 150, 137), qRgb(255, 0, 0)) << "the grid line x = 50";
  s->m_bDefined = false;
  EXPECT_EQ(Drawn(*s, 150, 137), qRgb(255, 255, 255)) << "undefined: nothing";
}

TEST_F(GraphingGlTest, ScalePicksOnItsBands) {
  CGScaleline* s = Scale();
  const Names hit = {{11, s->m_nId}};
  EXPECT_EQ(Pick(*s, 3, 150, 95, gl.Width(), gl.Height()), hit) << "x band";
  EXPECT_EQ(Pick(*s, 3, 90, 150, gl.Width(), gl.Height()), hit) << "y band";
  EXPECT_TRUE(Pick(*s, 3, 150, 120, gl.Width(), gl.Height()).empty()) << "above the x band";
  EXPECT_TRUE(Pick(*s, 2, 150, 95, gl.Width(), gl.Height()).empty()) << "mode 2";
  s->m_bDefined = false;
  EXPECT_EQ(Pick(*s, 3, 150, 95, gl.Width(), gl.Height()), hit) << "undefined still picks";
  s->m_nStyle = 1;
  EXPECT_TRUE(Pick(*s, 3, 90, 150, gl.Width(), gl.Height()).empty()) << "no y band";
  s->m_bHidden = 1;
  EXPECT_TRUE(Pick(*s, 3, 150, 95, gl.Width(), gl.Height()).empty()) << "hidden";
}

TEST_F(GraphingGlTest, ModifierPicksInTheLowerLeftCorner) {
  auto* m = new CGMdfColor;
  m->m_nId = page->m_nNextId++;
  page->m_cells.SetAt(m->m_nId, m);
  const Names hit = {{11, m->m_nId}};
  glLoadIdentity();
  glTranslatef(30, 30, 0);  // the modelview is reset for the corner
  EXPECT_EQ(PickCentred(*m, 3, 5, 5), hit);
  EXPECT_EQ(PickCentred(*m, 3, 195, 35), hit) << "200 x 40 pixels";
  EXPECT_TRUE(PickCentred(*m, 3, 205, 5).empty());
  EXPECT_TRUE(PickCentred(*m, 3, 5, 45).empty());
  EXPECT_TRUE(PickCentred(*m, 2, 5, 5).empty()) << "mode 2";
  page->m_bThreeView = 1;
  EXPECT_TRUE(PickCentred(*m, 3, 5, 5).empty()) << "three views";
  page->m_bThreeView = 0;
  m->m_bHidden = 1;
  EXPECT_TRUE(PickCentred(*m, 3, 5, 5).empty()) << "hidden";
}

}  // namespace
