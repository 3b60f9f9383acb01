// Circles and arcs drawn in a headless GL context, through the page's
// passes or one operation at a time: their tessellation read back through
// GL feedback, their pixels, and their pick names.
#include <GL/gl.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "celldrawtestsupport.h"
#include "cells/primitives/cgarc.h"
#include "model/drawing/pagedraw.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr RGBA kGreen{0, 160, 0, 255};

bool IsGreen(QRgb c) { return qGreen(c) > 90 && qRed(c) < 70 && qBlue(c) < 70; }
bool IsWhite(QRgb c) { return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240; }

class ArcDrawing : public CellGlTest {
 protected:
  // A circle of radius r about (cx, cy) in plane z; its front faces the
  // viewer unless `away`, which turns v round (angles then run clockwise).
  CGArc* Arc(float cx, float cy, float z, float r, float start, float end, BYTE kind, BYTE style,
             bool away = false) {
    auto* arc = new CGArc(page->m_nNextId++, cx, cy, z, r, 0, 0, 0, away ? -r : r, 0, start, end, kind);
    arc->m_nStyle = style;
    arc->m_rgbaColor = kGreen;
    page->m_cells.SetAt(arc->m_nId, arc);
    return arc;
  }

  void DrawPage() {
    UseVertexArray();
    DrawPageCells();
    ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  }

  // Whether any pixel within one of (x, y) passes the test.
  bool Near(const QImage& image, float x, float y, bool (*test)(QRgb)) const {
    const int cx = static_cast<int>(std::lround(x)), cy = static_cast<int>(std::lround(y));
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (test(At(image, cx + dx, cy + dy))) return true;
    return false;
  }
};

// What a drawing operation hands to GL, counted in GL feedback mode:
// line segments and triangles (a polygon of n corners counts n - 2).
struct Primitives {
  int segments = 0;
  int triangles = 0;
};

Primitives Feedback(const std::function<void()>& draw) {
  std::vector<GLfloat> buffer(1 << 17);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint n = glRenderMode(GL_RENDER);
  Primitives counted;
  for (GLint i = 0; i < n;) {
    const auto token = static_cast<GLint>(buffer[static_cast<size_t>(i++)]);
    if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
      ++counted.segments;
      i += 6;
    } else if (token == GL_POLYGON_TOKEN) {
      const auto corners = static_cast<GLint>(buffer[static_cast<size_t>(i++)]);
      counted.triangles += corners - 2;
      i += 3 * corners;
    } else {
      ADD_FAILURE() << "unexpected feedback token " << token;
      break;
    }
  }
  return counted;
}

TEST_F(ArcDrawing, OutlinesHaveSixtyTwoSegmentsWhateverTheRadiusAndArcsOnePerTenthRadian) {
  for (float r : {1.0f, 10.0f, 25.0f, 2500.0f}) {
    CGArc* arc = Arc(0, 0, 0, r, 0.7f, 0.8f, kArcCircle, kArcFlat);
    glLoadIdentity();
    glTranslatef(32, 32, 0);
    if (r > 100) glScalef(0.01f, 0.01f, 1);  // keep it inside the view
    EXPECT_EQ(Feedback([&] { arc->DrawShape(kShapeFullOutline); }).segments, 62) << r;
    arc->m_nSubKind = kArcDisc;
    EXPECT_EQ(Feedback([&] { arc->DrawShape(kShapeDisc); }).triangles, 62) << r;
  }
  glLoadIdentity();
  const struct {
    float span;
    int segments;
  } arcs[] = {{0.3f, 4}, {1.0f, 10}, {2.5f, 25}, {kPi, 31}};
  for (const auto& c : arcs) {
    CGArc* arc = Arc(32, 32, 0, 20, 0.5f, 0.5f + c.span, kArcArc, kArcFlat);
    EXPECT_EQ(Feedback([&] { arc->DrawShape(kShapeArcOutline); }).segments, c.segments) << c.span;
    EXPECT_EQ(Feedback([&] { arc->DrawShape(kShapeSector); }).triangles, c.segments) << c.span;
    // n + 1 arc points closed by the chord.
    EXPECT_EQ(Feedback([&] { arc->DrawShape(kShapeSegment); }).triangles, c.segments - 1) << c.span;
  }
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(ArcDrawing, OutlineCircleAppearsOnItsRimOnly) {
  Arc(32, 32, 0, 20, 0, 0, kArcCircle, kArcFlat);
  DrawPage();
  const QImage image = gl.ReadPixels();
  for (int k = 0; k < 8; ++k) {
    const float a = static_cast<float>(k) * kPi / 4;
    EXPECT_TRUE(Near(image, 32 + 20 * std::cos(a), 32 + 20 * std::sin(a), IsGreen)) << k;
    EXPECT_TRUE(IsWhite(At(image, 32 + static_cast<int>(12 * std::cos(a)), 32 + static_cast<int>(12 * std::sin(a)))))
        << k;
  }
  EXPECT_TRUE(IsWhite(At(image, 32, 32)));
  EXPECT_TRUE(IsWhite(At(image, 32 + 25, 32)));
}

TEST_F(ArcDrawing, FilledDiscIsFilledInItsFirstColourAndOutlinedInItsSecond) {
  CGArc* disc = Arc(32, 32, 0, 20, 0, 0, kArcDisc, kArcFlat);
  disc->m_rgbaLabel = RGBA{0, 0, 0, 255};
  DrawPage();
  const QImage image = gl.ReadPixels();
  for (int d : {0, 10, 17}) {
    EXPECT_TRUE(IsGreen(At(image, 32 + d, 32))) << d;
    EXPECT_TRUE(IsGreen(At(image, 32, 32 - d))) << d;
  }
  auto dark = [](QRgb c) { return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60; };
  EXPECT_TRUE(Near(image, 52, 32, dark));
  EXPECT_TRUE(Near(image, 32, 12, dark));
  EXPECT_TRUE(IsWhite(At(image, 32 + 24, 32)));
  EXPECT_TRUE(IsWhite(At(image, 4, 4)));
}

TEST_F(ArcDrawing, ArcBehindALitFaceIsDashedThereOrLeftOutByStyle) {
  const struct {
    BYTE style;
    bool dashed;  // else nothing shows behind the face
  } cases[] = {{kArcFlat, true}, {kArcVisibleOnly, false}};
  for (const auto& c : cases) {
    ViewState();
    CGFace* face = Rect(20, 0, 44, 64, 10, kFaceLit, RGBA{200, 0, 0, 255});
    CGArc* arc = Arc(32, 30, -10, 24, 0, kPi, kArcArc, c.style);  // the upper half
    DrawPage();
    const QImage image = gl.ReadPixels();
    auto arcInColumn = [&](int x) {
      const float y = 30 + std::sqrt(576.0f - float((x - 32) * (x - 32)));
      for (int dy = -2; dy <= 2; ++dy)
        if (IsGreen(At(image, x, static_cast<int>(y) + dy))) return true;
      return false;
    };
    for (int x : {10, 14, 18, 46, 50, 54}) EXPECT_TRUE(arcInColumn(x)) << int(c.style) << " " << x;
    int shown = 0, gaps = 0;
    for (int x = 22; x <= 42; ++x) (arcInColumn(x) ? shown : gaps) += 1;
    if (c.dashed) {
      EXPECT_GT(shown, 5) << shown << " " << gaps;
      EXPECT_GT(gaps, 2) << shown << " " << gaps;
    } else {
      EXPECT_EQ(shown, 0);
    }
    EXPECT_GT(qRed(At(image, 32, 20)), 120);  // the lit face
    face->m_bHidden = 1;
    arc->m_bHidden = 1;
  }
}

TEST_F(ArcDrawing, LitSectorShowsItsFirstColourInFrontAndItsSecondBehind) {
  const struct {
    bool away;
    int x, y;  // a pixel inside the sector
    bool front;
  } cases[] = {{false, 42, 42, true}, {true, 42, 22, false}};
  for (const auto& c : cases) {
    ViewState();
    CGArc* sector = Arc(32, 32, 0, 28, 0, kPi / 2, kArcSector, kArcLit, c.away);
    sector->m_rgbaColor = RGBA{220, 0, 0, 255};
    sector->m_rgbaLabel = RGBA{0, 0, 220, 255};
    DrawPage();
    const QImage image = gl.ReadPixels();
    const QRgb inside = At(image, c.x, c.y);
    if (c.front)
      EXPECT_GT(qRed(inside), qBlue(inside) + 60) << std::hex << inside;
    else
      EXPECT_GT(qBlue(inside), qRed(inside) + 60) << std::hex << inside;
    // Only the quarter of the sector is drawn.
    EXPECT_TRUE(IsWhite(At(image, 64 - c.x, c.y)));
    EXPECT_TRUE(IsWhite(At(image, 64 - c.x, 64 - c.y)));
    sector->m_bHidden = 1;
  }
}

TEST_F(ArcDrawing, SelectedLitSurfaceIsFilledInTheHighlightColour) {
  CGArc* disc = Arc(32, 32, 0, 20, 0, 0, kArcDisc, kArcLit);
  disc->m_bSelected = true;
  DrawPage();
  EXPECT_TRUE(PixelNear(gl.ReadPixels(), 32, gl.Height() - 1 - 32, qRgb(255, 0, 255), 4));
}

TEST_F(ArcDrawing, TubeFollowsTheCircleAsALitRing) {
  const struct {
    BYTE style;
    bool selected;
  } cases[] = {{kArcLit, false}, {kArcTranslucent, true}};
  for (const auto& c : cases) {
    ViewState();
    CGArc* circle = Arc(32, 32, 0, 20, 0, 0, kArcCircle, c.style);
    circle->m_fSize = 50;  // tube radius 3
    circle->m_bSelected = c.selected;
    DrawPage();
    const QImage image = gl.ReadPixels();
    for (int k = 0; k < 4; ++k) {
      const float a = static_cast<float>(k) * kPi / 2;
      const QRgb rim = At(image, 32 + static_cast<int>(std::lround(20 * std::cos(a))),
                          32 + static_cast<int>(std::lround(20 * std::sin(a))));
      if (c.selected)  // the highlight, lit
        EXPECT_TRUE(qRed(rim) > qGreen(rim) + 60 && qBlue(rim) > qGreen(rim) + 60) << std::hex << rim;
      else
        EXPECT_TRUE(qGreen(rim) > qRed(rim) + 60 && qGreen(rim) > qBlue(rim) + 60) << std::hex << rim;
      for (float r : {14.0f, 26.0f})
        EXPECT_TRUE(IsWhite(At(image, 32 + static_cast<int>(std::lround(r * std::cos(a))),
                               32 + static_cast<int>(std::lround(r * std::sin(a))))))
            << k << " " << r;
    }
    circle->m_bHidden = 1;
  }
}

TEST_F(ArcDrawing, PicturedDiscMapsThePictureOntoTheSquareAroundTheCircle) {
  const GLuint texture = MakePicture();
  g_nPictureTextures[4] = texture;  // picture number 5
  CGArc* disc = Arc(32, 32, 0, 28, 0, 0, kArcDisc, kArcLit);
  disc->m_dwParam3 = 5;
  DrawPage();
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  const QImage image = gl.ReadPixels();
  const int h = gl.Height();
  EXPECT_TRUE(PixelNear(image, 22, h - 1 - 22, qRgb(255, 0, 0)));
  EXPECT_TRUE(PixelNear(image, 42, h - 1 - 22, qRgb(0, 255, 0)));
  EXPECT_TRUE(PixelNear(image, 22, h - 1 - 42, qRgb(0, 0, 255)));
  EXPECT_TRUE(PixelNear(image, 42, h - 1 - 42, qRgb(255, 255, 0)));
  EXPECT_TRUE(PixelNear(image, 2, h - 1 - 2, qRgb(255, 255, 255)));
  glDeleteTextures(1, &texture);
  g_nPictureTextures[4] = 0;
}

// Green pixels of the whole view.
int CountGreen(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += IsGreen(image.pixel(x, y));
  return n;
}

TEST_F(ArcDrawing, OutlineOnTopIsDashedByStyleAndStippleIsLeftOff) {
  int solid = 0, dashed = 0;
  for (BYTE style : {kArcOnTop, kArcDashedOnTop}) {
    ViewState();
    CGArc* circle = Arc(32, 32, -50, 24, 0, 0, kArcCircle, style);
    glDepthFunc(GL_ALWAYS);
    circle->Draw();
    glDepthFunc(GL_LEQUAL);
    EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE));
    (style == kArcOnTop ? solid : dashed) = CountGreen(gl.ReadPixels());
    circle->m_bHidden = 1;
  }
  EXPECT_GT(solid, 100);
  EXPECT_LT(dashed, solid * 8 / 10);  // 10 of every 16 pixels
  EXPECT_GT(dashed, solid * 5 / 10);
}

TEST_F(ArcDrawing, CircleUnderTheMouseIsDrawnInTheComplementaryColour) {
  CGArc* circle = Arc(32, 32, 0, 20, 0, 0, kArcCircle, kArcFlat);
  circle->m_rgbaColor = RGBA{255, 255, 0, 255};
  circle->m_bHovered = true;
  circle->Draw();
  EXPECT_TRUE(Near(gl.ReadPixels(), 52, 32, [](QRgb c) { return qBlue(c) > 200 && qRed(c) < 60; }));
}

TEST_F(ArcDrawing, TraceLayerDrawsTheOutlineAndTheFill) {
  CGArc* disc = Arc(32, 32, 0, 20, 0, 0, kArcDisc, kArcLit);
  disc->m_rgbaLabel = RGBA{0, 0, 0, 255};
  disc->DrawFlat();
  const QImage image = gl.ReadPixels();
  EXPECT_TRUE(IsGreen(At(image, 32, 32)));
  EXPECT_TRUE(IsGreen(At(image, 40, 32)));
}

TEST_F(ArcDrawing, DamagedKindOrStyleDrawsNothingHarmful) {
  CGArc* odd = Arc(32, 32, 0, 20, 0, 1, 9, kArcFlat);
  CGArc* oddStyle = Arc(32, 32, 0, 20, 0, 1, kArcSector, 77);
  oddStyle->m_dwParam3 = 99;
  odd->m_bLabelHidden = 0;
  oddStyle->m_bHidden = 1;
  DrawPage();
  EXPECT_EQ(CountGreen(gl.ReadPixels()), 0);
  EXPECT_EQ(Pick(*odd, 3, 52, 32, gl.Width(), gl.Height()), Names{});
  odd->m_bHidden = 1;
  oddStyle->m_bHidden = 0;
  DrawPage();
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(ArcDrawing, PicksCirclesUnderKindFourAndTheirLabelsUnderThree) {
  g_vLabelPickU[0] = 3;
  g_vLabelPickV[1] = 3;
  const int w = gl.Width(), h = gl.Height();
  CGArc* circle = Arc(32, 32, 0, 20, 0, 0, kArcCircle, kArcFlat);
  const WORD id = circle->m_nId;
  EXPECT_EQ(Pick(*circle, 2, 52, 32, w, h), (Names{{4, id}}));
  EXPECT_EQ(Pick(*circle, 2, 32, 32, w, h), Names{});  // inside an outline
  EXPECT_EQ(Pick(*circle, 1, 52, 32, w, h), Names{});  // shapes pick from mode 2
  circle->m_nStyle = kArcOnTop;  // picked by its tube
  EXPECT_EQ(Pick(*circle, 2, 32, 12, w, h), (Names{{4, id}}));
  circle->m_nSubKind = kArcDisc;
  EXPECT_EQ(Pick(*circle, 2, 32, 32, w, h), (Names{{4, id}}));
  circle->m_nSubKind = kArcArc;
  circle->StartAngle = 0;
  circle->EndAngle = kPi / 2;
  circle->m_nStyle = kArcFlat;
  EXPECT_EQ(Pick(*circle, 2, 32, 52, w, h), (Names{{4, id}}));
  EXPECT_EQ(Pick(*circle, 2, 12, 32, w, h), Names{});  // beyond the arc

  circle->m_bLabelHidden = 0;
  circle->m_vLabelAnchor[0] = 6;
  circle->m_vLabelAnchor[1] = 6;
  EXPECT_EQ(Pick(*circle, 3, 6, 6, w, h), (Names{{3, id}}));
  EXPECT_EQ(Pick(*circle, 2, 6, 6, w, h), Names{});
  circle->m_bDefined = false;
  EXPECT_EQ(Pick(*circle, 3, 6, 6, w, h), Names{});
  circle->m_bDefined = true;
  circle->m_bHidden = 1;
  EXPECT_EQ(Pick(*circle, 3, 32, 52, w, h), Names{});
}

}  // namespace
