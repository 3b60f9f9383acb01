// Round solids drawn headless through the page's passes, into the trace
// layer and for picking, in a pixel projection seen from +z.
#include <GL/gl.h>

#include <functional>

#include "celldrawtestsupport.h"
#include "cells/revolution/roundsolids.h"
#include "model/drawing/pagedraw.h"
#include "view/shapelists.h"

namespace KAVREL_FILE_LOCAL {

bool IsMagenta(QRgb c) { return qRed(c) > 200 && qBlue(c) > 200 && qGreen(c) < 60; }
bool IsSegment(QRgb c) { return qBlue(c) > 90 && qRed(c) < 60 && qGreen(c) < 60; }
bool IsTexel(QRgb c) {  // one of the picture's colours, unlit
  auto pure = [](int v) { return v < 20 || v > 235; };
  return pure(qRed(c)) && pure(qGreen(c)) && pure(qBlue(c)) && !IsWhite(c);
}

class RoundSolidDrawing : public CellGlTest {
 protected:
  void SetUp() override {
    CellGlTest::SetUp();
    if (!IsSkipped() && !HasFatalFailure()) g_nShapeListBase = BuildShapeLists();
  }
  template <class T>
  T* Add(T* solid, BYTE style) {
    solid->m_nStyle = style;
    solid->m_rgbaColor = RGBA{0, 160, 0, 255};
    page->m_cells.SetAt(solid->m_nId, solid);
    return solid;
  }
  CGSphere* Sphere(BYTE style) { return Add(new CGSphere(page->m_nNextId++, 32, 32, 0, 20, 0, 20, 0), style); }
  // A fresh page: a segment along y = 20 behind the sphere's centre, a lit
  // face in front of the sphere's left part.
  void BehindAndInFront() {
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
    ViewState();
    PixelProjection();
    Line(0, 20.5f, -30, 64, 20.5f, -30, kLineSegment, kLineAutoDashed);
    Rect(0, 0, 22, 64, 40, kFaceLit, RGBA{200, 0, 0, 255});
  }
  QImage DrawPage() {
    UseVertexArray();
    DrawPageCells();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    return gl.ReadPixels();
  }
  int Count(const QImage& image, bool (*test)(QRgb), int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) n += test(At(image, x, y)) ? 1 : 0;
    return n;
  }
};

TEST_F(RoundSolidDrawing, EdgeStylesAndSelectionHideWhatLiesBehindAndDashTheirOwnHiddenLines) {
  const struct { const char* row; BYTE style; bool selected; bool (*own)(QRgb); bool dashedBehindFace; } cases[] = {
      {"outline", kSolidOutline, false, IsGreen, true},   {"grid", kSolidWireGrid, false, IsGreen, false},
      {"selected outline", kSolidOutline, true, IsMagenta, true}, {"selected lit", kSolidLit, true, IsMagenta, true},
      {"selected translucent", kSolidTranslucent, true, IsMagenta, true},
  };
  for (const auto& c : cases) {
    BehindAndInFront();
    Sphere(c.style)->m_bSelected = c.selected;
    const QImage image = DrawPage();
    const int shown = Count(image, IsSegment, 28, 20, 44, 20);  // dashed within the outline
    EXPECT_TRUE(shown > 5 && Count(image, IsWhite, 28, 20, 44, 20) > 2) << c.row << " " << shown;
    EXPECT_EQ(Count(image, IsSegment, 54, 20, 63, 20), 10) << c.row;
    EXPECT_TRUE(c.own(At(image, 52, 32)) || c.own(At(image, 51, 32))) << c.row;
    EXPECT_EQ(Count(image, IsGreen, 0, 0, 63, 63) == 0, c.selected) << c.row;
    // Row 20 left out: the segment's own dashes write their depth there.
    EXPECT_EQ(Count(image, c.own, 10, 22, 21, 63) > 0, c.dashedBehindFace) << c.row;
    EXPECT_TRUE(c.style == kSolidOutline || Count(image, c.own, 24, 24, 44, 44) > 40) << c.row;
  }
}

TEST_F(RoundSolidDrawing, LitAndTranslucentSurfacesShowColoursOrTheirPicture) {
  g_nPictureTextures[0] = MakePicture();
  auto orange = [](QRgb c) { return qRed(c) > qBlue(c) + 60; };
  auto blue = [](QRgb c) { return qBlue(c) > qRed(c) + 60; };
  const struct { const char* row; BYTE style; DWORD picture; std::function<bool(QRgb)> near, top; } cases[] = {
      {"lit", kSolidLit, 0, orange, blue},          {"lit, picture 16", kSolidLit, 16, orange, blue},
      {"lit, picture 1", kSolidLit, 1, IsTexel, IsTexel}, {"translucent, picture 1", kSolidTranslucent, 1, IsTexel, IsTexel},
      {"outline, picture 1", kSolidOutline, 1, IsWhite, IsWhite},
  };
  for (const auto& c : cases) {
    ViewState();
    // Seen from above 30 degrees off its axis: the open top shows the inner wall.
    auto* cylinder = Add(new CGCylinder(page->m_nNextId++, 32, 26, -20, 10, 24, 0, 0.5f, 0.8660254f), c.style);
    cylinder->m_rgbaColor = RGBA{200, 120, 0, 255};
    cylinder->m_rgbaLabel = RGBA{0, 0, 220, 255};
    cylinder->m_dwParam3 = c.picture;
    const QImage image = DrawPage();
    EXPECT_TRUE(c.near(At(image, 32, 21))) << c.row << " " << std::hex << At(image, 32, 21);
    EXPECT_TRUE(c.top(At(image, 32, 38))) << c.row << " " << std::hex << At(image, 32, 38);
    EXPECT_TRUE(c.style != kSolidOutline || Count(image, +orange, 20, 28, 24, 34) > 3) << "a generator";
    cylinder->m_bHidden = 1;
  }
}

TEST_F(RoundSolidDrawing, FlatDrawingAndFrustumsOutlinesLeaveTheStoredRatio) {
  // Seen across its axis: a ratio-1 frustum's generators at x = 22 and 42.
  auto* frustum = Add(new CGFrustum(page->m_nNextId++, 32.5f, 10, 0, 10, 40, 0, 1, 0, 1), kSolidLit);
  Sphere(kSolidLit)->m_bSelected = frustum->m_bSelected = true;
  g_bOwnColors = FALSE;
  glDisable(GL_DEPTH_TEST);
  page->m_traceList = {1, 2};
  DrawTraceLayer();
  const QImage image = gl.ReadPixels();
  for (int y : {15, 30, 45}) EXPECT_TRUE(IsGreen(At(image, 22, y)) && IsGreen(At(image, 42, y))) << y;
  EXPECT_TRUE(IsGreen(At(image, 52, 32)) || IsGreen(At(image, 51, 32)));
  EXPECT_TRUE(IsWhite(At(image, 32, 40)));
  EXPECT_EQ(Count(image, IsMagenta, 0, 0, 63, 63), 0);
  EXPECT_EQ(frustum->TopRatio, 1.0f);
  // A frustum tilted toward the viewer hides what lies behind its narrow top only.
  for (auto [id, cell] : page->m_cells) cell->m_bHidden = 1;
  g_bOwnColors = TRUE;
  ViewState();
  Line(0, 40.5f, -40, 64, 40.5f, -40, kLineSegment, kLineAutoDashed);
  Add(new CGFrustum(page->m_nNextId++, 32, 16, -20, 10, 40, 0, 0.6f, 0.8f, 0.2f), kSolidOutline);
  page->m_traceList.clear();
  const QImage tilted = DrawPage();
  EXPECT_EQ(Count(tilted, IsSegment, 0, 40, 27, 40) + Count(tilted, IsSegment, 37, 40, 63, 40), 55);
}

TEST_F(RoundSolidDrawing, PickingAndDegenerateSpheres) {
  CGSphere* sphere = Sphere(kSolidOutline);
  const Names hit{{9, sphere->m_nId}};
  EXPECT_EQ(Pick(*sphere, 3, 52, 32, 64, 64), hit);
  EXPECT_TRUE(Pick(*sphere, 3, 32, 32, 64, 64).empty());
  sphere->m_nStyle = kSolidLit;
  EXPECT_EQ(Pick(*sphere, 3, 32, 32, 64, 64), hit);
  EXPECT_TRUE(Pick(*sphere, 2, 32, 32, 64, 64).empty());
  auto* cone = Add(new CGCone(page->m_nNextId++, 32, 32, 0, 20, 20, 0, 0, 1), kSolidOutline);
  for (int x : {12, 32, 52}) EXPECT_TRUE(Pick(*cone, 3, x, 32, 64, 64).empty()) << x;  // apex over the disc
  sphere->Radius = 0;  // its pole on its centre
  EXPECT_TRUE(Pick(*sphere, 3, 32, 32, 64, 64).empty());
  cone->m_bHidden = 1;
  PixelProjection();
  EXPECT_EQ(Count(DrawPage(), IsGreen, 0, 0, 63, 63), 0);
  sphere->Radius = 8;  // its pole far beyond the radius
  sphere->PoleVector[2] = 40;
  sphere->m_nStyle = kSolidWireGrid;
  EXPECT_GT(Count(DrawPage(), IsGreen, 0, 0, 63, 63), 20);
}

}  // namespace
