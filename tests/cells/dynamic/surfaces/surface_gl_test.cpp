// The parametric surface in the headless context at one pixel a unit: the
// square (40..120) x (20..100) drawn textured, in its own colour, as wires
// or not at all, by the slot its style names, and picked under name 9.
#include "../../../app/gui/keptpictures.h"
#include "../../celldrawtestsupport.h"
#include "cells/dynamic/surfaces/surface.h"

namespace KAVREL_FILE_LOCAL {

class SurfaceGlTest : public CellGlTest {
 protected:
  QSize ViewSize() const override { return {160, 120}; }
  void SetUp() override {
    CellGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    g_bOwnColors = TRUE;
    g_nPictureTextures[0] = MakePicture();
  }
  void TearDown() override {
    glDeleteTextures(1, &g_nPictureTextures[0]);
    g_nPictureTextures[0] = 0;
    CellGlTest::TearDown();
  }
  CGSurface* Square(BYTE style, int texture, const char* uEnd = "1", const char* x = "40+80*u") {
    auto* s = new CGSurface(page->m_nNextId, {}, x, "20+80*v", "0", "0", uEnd, "0", "1", style, texture, 0,
                            0, 0, 0.25, 0.25, 1, 0, 0, 0, 1, 0);
    page->m_cells.SetAt(page->m_nNextId++, s);
    return s;
  }
  static int CountOf(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
  }
  QImage Drawn(const std::function<void()>& draw) {
    ViewState();
    glDisable(GL_LIGHTING);
    draw();
    return gl.ReadPixels();
  }
};

TEST_F(SurfaceGlTest, LitShowsThePictureOrItsOwnColour) {
  CGSurface* s = Square(kSurfaceLit, 1);
  QImage image = Drawn([&] { s->DrawLit(); });
  EXPECT_EQ(At(image, 50, 30), qRgb(255, 0, 0));
  EXPECT_EQ(At(image, 110, 30), qRgb(0, 255, 0));
  EXPECT_EQ(At(image, 50, 90), qRgb(0, 0, 255));
  EXPECT_EQ(At(image, 110, 90), qRgb(255, 255, 0));
  EXPECT_TRUE(IsWhite(At(image, 30, 30)) && IsWhite(At(image, 130, 90)));

  // A picture number outside 1..15, a picture not made, or a selected
  // surface: its own colour (the highlight when selected).
  for (int texture : {99, 7, 1}) {
    CGSurface* other = Square(kSurfaceLit, texture);
    other->m_bSelected = texture == 1;
    const QRgb want = texture == 1 ? qRgb(255, 0, 255) : qRgb(0, 128, 0);
    image = Drawn([&] { other->DrawLit(); });
    EXPECT_EQ(At(image, 80, 60), want) << texture;
    EXPECT_EQ(At(image, 50, 30), want) << texture;
  }
}

TEST_F(SurfaceGlTest, TwoSidedBacksShowTheSecondColourOrPictureThree) {
  // Mirrored in x, the square turns its back to the viewer.
  struct Row {
    int texture;
    bool mirrored;
    QRgb seen;
    bool pictureThree = false;  // made, cyan at the spot looked at
  } rows[] = {
      {0, false, qRgb(0, 128, 0)},     {0, true, qRgb(153, 153, 153)},
      {1, false, qRgb(255, 0, 0)},     {1, true, qRgb(0, 128, 0)},  // no picture 3: untextured
      {1, false, qRgb(255, 0, 0), true}, {1, true, qRgb(0, 255, 255), true},
      {3, false, qRgb(0, 255, 255), true}, {3, true, qRgb(0, 128, 0), true},  // picture 3 in front: plain back
  };
  KeptPictures pictures;
  const GLubyte three[] = {0, 255, 255, 255, 0, 255, 0, 0, 0, 128, 128, 128};
  for (const Row& r : rows) {
    g_nPictureTextures[2] = r.pictureThree ? MakePicture(three) : 0;
    CGSurface* s = Square(kSurfaceLit, r.texture, "1", r.mirrored ? "120-80*u" : "40+80*u");
    s->TwoSided = 1;
    const std::string what = "texture" + std::to_string(r.texture) + (r.mirrored ? "-back" : "-front") +
                             (r.pictureThree ? "-picture3" : "");
    const QImage image = pictures.Keep(what.c_str(), Drawn([&] { s->DrawLit(); }));
    EXPECT_EQ(At(image, r.mirrored ? 110 : 50, 30), r.seen) << what;
    glDeleteTextures(1, &g_nPictureTextures[2]);
    g_nPictureTextures[2] = 0;
  }
}

TEST_F(SurfaceGlTest, EachStyleDrawsInItsOwnSlotOnly) {
  CGSurface* lit = Square(kSurfaceLit, 0);
  CGSurface* translucent = Square(kSurfaceTranslucent, 0);
  CGSurface* wire = Square(kSurfaceWire, 1);
  const QRgb green = qRgb(0, 128, 0);
  struct Row {
    CGSurface* surface;
    int slot;  // 0 lit, 1 translucent, 2 edges
    bool draws;
  } rows[] = {{lit, 0, true},         {lit, 1, false},         {lit, 2, false},
              {translucent, 0, false}, {translucent, 1, true}, {translucent, 2, false},
              {wire, 0, false},        {wire, 1, false},        {wire, 2, true}};
  for (const Row& r : rows) {
    const QImage image = Drawn([&] {
      if (r.slot == 0) r.surface->DrawLit();
      if (r.slot == 1) r.surface->DrawTranslucent();
      if (r.slot == 2) r.surface->DrawVisibleEdges();
    });
    EXPECT_EQ(CountOf(image, 0xFFFFFFFF) < 160 * 120, r.draws) << int(r.surface->m_nStyle) << " " << r.slot;
    if (r.surface == wire && r.draws) {
      // Only lines: the grid's cell interiors stay white, the lines are green.
      EXPECT_TRUE(IsWhite(At(image, 50, 30)));
      // Six columns and rows, 16 units apart: a line at x = 56 and at y = 52.
      EXPECT_TRUE(At(image, 55, 45) == green || At(image, 56, 45) == green);
      EXPECT_TRUE(At(image, 65, 51) == green || At(image, 65, 52) == green);
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          const QRgb c = image.pixel(x, y);
          ASSERT_TRUE(c == green || IsWhite(c)) << x << "," << y;
        }
    }
  }
  translucent->m_bSelected = 1;  // a selected translucent surface is drawn lit
  EXPECT_EQ(At(Drawn([&] { translucent->DrawLit(); }), 80, 60), qRgb(255, 0, 255));
}

TEST_F(SurfaceGlTest, UndefinedOrHiddenDrawsNothingAndPicksAreNamed) {
  CGSurface* broken = Square(kSurfaceLit, 0, "1/0");
  EXPECT_FALSE(broken->m_bDefined);
  EXPECT_EQ(CountOf(Drawn([&] { broken->DrawLit(); }), 0xFFFFFFFF), 160 * 120);
  CGSurface* s = Square(kSurfaceLit, 0);
  EXPECT_EQ(Pick(*s, 3, 80, 60, 160, 120), (Names{{9, s->m_nId}}));
  EXPECT_TRUE(Pick(*s, 2, 80, 60, 160, 120).empty());
  EXPECT_TRUE(Pick(*s, 3, 20, 60, 160, 120).empty());
  s->m_bHidden = 1;
  EXPECT_TRUE(Pick(*s, 3, 80, 60, 160, 120).empty());
  EXPECT_EQ(CountOf(Drawn([&] { s->DrawLit(); }), 0xFFFFFFFF), 160 * 120);
}

}  // namespace
