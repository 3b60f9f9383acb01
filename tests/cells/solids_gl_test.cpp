// Hulls and sections drawn headless through the page's passes and picked,
// in a pixel projection seen from +z.
#include <GL/gl.h>

#include "celldrawtestsupport.h"
#include "cells/solids/cgsection.h"
#include "hulltestsupport.h"
#include "model/drawing/pagedraw.h"

namespace KAVREL_FILE_LOCAL {

const QRgb kHullColour = qRgb(128, 128, 196), kFill = qRgb(196, 255, 225), kMagenta = qRgb(255, 0, 255);

class SolidDrawing : public CellGlTest {
 protected:
  // The box [16.5, 47.5]^2 x [-16, 16] (edges on pixel rows), and its
  // section by the plane z = 0 of a hidden face.
  void BoxAndSection(BYTE style) {
    Points corners;
    for (int i = 0; i < 8; ++i) corners.insert(corners.end(), {i & 1 ? 47.5 : 16.5, i & 2 ? 47.5 : 16.5, i & 4 ? 16.0 : -16.0});
    hull = new CGPolyhedron;
    EXPECT_TRUE(BuildConvexHull(corners.data(), 8, *hull));
    hull->m_nId = page->m_nNextId++;
    hull->m_nStyle = style;
    page->m_cells.SetAt(hull->m_nId, hull);
    CGFace* face = Rect(0, 0, 2, 2, 0, kFaceHiding, RGBA{0, 0, 0, 255});
    face->m_bHidden = 1;
    section = new CGSection(page->m_nNextId++, hull->m_nId, face->m_nId);
    page->m_cells.SetAt(section->m_nId, section);
  }
  QImage DrawPage() {
    ViewState();
    UseVertexArray();
    DrawPageCells();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    return gl.ReadPixels();
  }
  int Count(const QImage& image, QRgb colour, int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) n += At(image, x, y) == colour;
    return n;
  }
  CGPolyhedron* hull = nullptr;
  CGSection* section = nullptr;
};

TEST_F(SolidDrawing, HullEdgesAndFacesByStyleAndTheSectionInside) {
  const struct { const char* row; BYTE style; bool selected, hidden; int front, behind; QRgb inside; } cases[] = {
      // Hull-coloured pixels along a visible edge and along one behind a face
      // in front (-1: dashed), and the colour inside.
      {"auto dashed", kHullAutoDashed, false, false, 21, -1, kFill},
      {"solid lines", kHullSolidLines, false, false, 21, 0, kFill},
      {"lit", kHullLit, false, false, 0, 0, 0},
      {"lit, selected", kHullLit, true, false, 0, 0, 0},
      {"hidden", kHullAutoDashed, false, true, 0, 0, kFill},
  };
  for (const auto& c : cases) {
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
    PixelProjection();
    Rect(0, 0, 24, 64, 30, kFaceHiding, RGBA{0, 0, 0, 255});  // hides the left edge
    BoxAndSection(c.style);
    hull->m_bSelected = c.selected;
    hull->m_bHidden = c.hidden;
    section->m_bHidden = 1;
    QImage image = DrawPage();
    EXPECT_EQ(Count(image, kHullColour, 26, 16, 46, 16), c.front) << c.row;
    const int behind = Count(image, kHullColour, 16, 20, 16, 44);
    EXPECT_TRUE(c.behind < 0 ? behind > 5 && behind < 25 : behind == c.behind) << c.row << " " << behind;
    EXPECT_EQ(Count(image, kMagenta, 26, 16, 46, 16), c.selected ? 21 : 0) << c.row;
    EXPECT_EQ(At(image, 32, 32) == qRgb(255, 255, 255), c.style != kHullLit) << c.row;
    section->m_bHidden = 0;
    image = DrawPage();
    EXPECT_TRUE(c.inside ? At(image, 32, 32) == c.inside : At(image, 32, 32) != kFill) << c.row;
    EXPECT_EQ(Count(image, kHullColour, 26, 16, 46, 16), c.front) << c.row;
  }
  // Alone, the section's outline; nothing of it once its face is undefined.
  hull->m_bHidden = 1;
  const QRgb outline = qRgb(g_prefs.rgbaLine.r, g_prefs.rgbaLine.g, g_prefs.rgbaLine.b);
  EXPECT_EQ(Count(DrawPage(), outline, 26, 16, 46, 16), 21);
  page->m_cells.Lookup(section->m_parents[1])->m_bDefined = false;
  section->Recalculate();
  EXPECT_EQ(Count(DrawPage(), kFill, 0, 0, 63, 63), 0);
}

TEST_F(SolidDrawing, PiecesAtTheirOffsetAndHullVertices) {
  BoxAndSection(kHullAutoDashed);
  // At value 2 a piece stands 10 + (2 - 1) x 5 along x: mode 0 its edges,
  // mode 1 its faces, other modes nothing.
  CGPolyhedron piece = *hull;
  piece.Offset.Base[0] = 10;
  piece.Offset.Direction[0] = 5;
  piece.m_fValue = 2;
  const QRgb green = qRgb(0, 200, 0);
  for (int mode : {0, 1, 2}) {
    ViewState();
    glDisable(GL_DEPTH_TEST);
    glColor3ub(0, 200, 0);
    piece.DrawPiece(mode);
    const QImage image = gl.ReadPixels();
    EXPECT_EQ(Count(image, green, 31, 16, 61, 16), mode < 2 ? 31 : 0) << mode;
    EXPECT_EQ(At(image, 40, 32) == green, mode == 1) << mode;
    EXPECT_EQ(Count(image, green, 0, 0, 30, 63), 0) << mode;
  }
  CGPolyhedron dots;  // style 0 shows the vertices
  dots.Points = {{10.5, 10.5, 0}, {50.5, 50.5, 0}};
  dots.m_nStyle = kHullAutoDashed;
  ViewState();
  dots.Draw();
  const QImage image = gl.ReadPixels();
  EXPECT_TRUE(At(image, 10, 10) == kHullColour && At(image, 50, 50) == kHullColour);
}

TEST_F(SolidDrawing, HullsArePickedOutsideThreeViewsSectionsAlways) {
  BoxAndSection(kHullSolidLines);
  const Names onHull{{11, hull->m_nId}}, onSection{{11, section->m_nId}};
  EXPECT_EQ(Pick(*hull, 3, 32, 32, 64, 64), onHull);
  EXPECT_TRUE(Pick(*hull, 2, 32, 32, 64, 64).empty());
  EXPECT_EQ(Pick(*section, 3, 32, 16, 64, 64), onSection);
  EXPECT_TRUE(Pick(*section, 3, 32, 32, 64, 64).empty());  // only its outline is picked
  EXPECT_TRUE(Pick(*section, 2, 32, 16, 64, 64).empty());
  page->m_bThreeView = 1;
  EXPECT_TRUE(Pick(*hull, 3, 32, 32, 64, 64).empty());
  EXPECT_EQ(Pick(*section, 3, 32, 16, 64, 64), onSection);
  hull->m_bHidden = section->m_bHidden = 1;
  page->m_bThreeView = 0;
  EXPECT_TRUE(Pick(*hull, 3, 32, 32, 64, 64).empty() && Pick(*section, 3, 32, 16, 64, 64).empty());
}

}  // namespace
