// Lines and faces drawn in a headless GL context, through the page's passes
// or one operation at a time, read back pixel by pixel.
#include <GL/gl.h>

#include <cmath>
#include <string>

#include "celldrawtestsupport.h"
#include "cells/primitives/stipplepatterns.h"
#include "model/drawing/pagedraw.h"
#include "render/glresources.h"

namespace {

constexpr RGBA kNavy{0, 0, 128, 255};
constexpr QRgb kWhite = qRgb(255, 255, 255);

bool IsNavy(QRgb c) { return qBlue(c) > 90 && qBlue(c) > qGreen(c) + 40 && qRed(c) < 60; }

using CellDrawing = CellGlTest;

TEST_F(CellDrawing, HiddenEdgeBehindALitFaceShowsTheDashPattern) {
  CGFace* face = Rect(8, 8, 56, 56, 10, kFaceLit, RGBA{0, 200, 0, 255});
  CGLine* edge = Line(0.5f, 32.5f, -10, 63.5f, 32.5f, -10, kLineSegment, kLineAutoDashed);
  ASSERT_TRUE(face->m_bDefined && edge->m_bDefined);
  UseVertexArray();
  DrawPageCells();
  ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  const QImage image = gl.ReadPixels();

  // Solid where nothing hides it.
  for (int x : {0, 3, 6, 58, 62}) EXPECT_TRUE(IsNavy(At(image, x, 32))) << x;
  // Behind the face: 10 pixels of line, 6 of face, in some phase.
  std::string seen;
  for (int x = 10; x <= 54; ++x) seen += IsNavy(At(image, x, 32)) ? '#' : '.';
  bool matched = false;
  for (int phase = 0; phase < 16 && !matched; ++phase) {
    std::string expected;
    for (int x = 10; x <= 54; ++x) expected += (x + phase) % 16 < 10 ? '#' : '.';
    matched = seen == expected;
  }
  EXPECT_TRUE(matched) << seen;
  // The face itself is lit green away from the line.
  const QRgb lit = At(image, 32, 45);
  EXPECT_GT(qGreen(lit), 120);
  EXPECT_LT(qBlue(lit), qGreen(lit));
}

TEST_F(CellDrawing, TranslucentFaceBlendsWithWhatLiesBehind) {
  Rect(0, 0, 32, 64, -10, kFaceFilled, RGBA{0, 0, 255, 255});
  Rect(16, 16, 48, 48, 10, kFaceTranslucent, RGBA{255, 0, 0, 128});
  UseVertexArray();
  DrawPageCells();
  const QImage image = gl.ReadPixels();
  const QRgb overBlue = At(image, 24, 32);
  EXPECT_GT(qRed(overBlue), 60) << std::hex << overBlue;
  EXPECT_GT(qBlue(overBlue), 40) << std::hex << overBlue;
  const QRgb overWhite = At(image, 40, 32);
  EXPECT_GT(qRed(overWhite), qGreen(overWhite) + 40) << std::hex << overWhite;
  EXPECT_GT(qGreen(overWhite), 40) << std::hex << overWhite;
  EXPECT_TRUE(PixelNear(image, 8, gl.Height() - 1 - 32, qRgb(0, 0, 255)));
  EXPECT_TRUE(PixelNear(image, 56, gl.Height() - 1 - 32, kWhite));
}

TEST_F(CellDrawing, LitFaceSeenFromBehindShowsItsSecondColour) {
  CGFace* face = Rect(8, 8, 56, 56, 0, kFaceLit, RGBA{255, 0, 0, 255}, /*reversed=*/true);
  face->m_rgbaLabel = RGBA{0, 0, 255, 255};
  UseVertexArray();
  DrawPageCells();
  const QRgb back = At(gl.ReadPixels(), 32, 32);
  EXPECT_GT(qBlue(back), qRed(back) + 60) << std::hex << back;
}

TEST_F(CellDrawing, PicturedFaceShowsItsPictureInBothStyles) {
  const GLuint texture = MakePicture();
  g_nPictureTextures[4] = texture;  // picture number 5
  for (BYTE style : {kFaceLit, kFaceTranslucent}) {
    ViewState();
    CGFace* face = Rect(8, 8, 56, 56, 0, style, RGBA{128, 128, 128, 255});
    face->m_dwParam3 = 5;
    UseVertexArray();
    DrawPageCells();
    ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(face->TexCoordsDirty, 0);
    const QImage image = gl.ReadPixels();
    const int h = gl.Height();
    EXPECT_TRUE(PixelNear(image, 16, h - 1 - 16, qRgb(255, 0, 0))) << int(style);
    EXPECT_TRUE(PixelNear(image, 48, h - 1 - 16, qRgb(0, 255, 0))) << int(style);
    EXPECT_TRUE(PixelNear(image, 16, h - 1 - 48, qRgb(0, 0, 255))) << int(style);
    EXPECT_TRUE(PixelNear(image, 48, h - 1 - 48, qRgb(255, 255, 0))) << int(style);
    face->m_bHidden = 1;
  }
  glDeleteTextures(1, &texture);
}

TEST_F(CellDrawing, PictureTheViewHasNotMadeLeavesThePlainFace) {
  CGFace* face = Rect(8, 8, 56, 56, 0, kFaceLit, RGBA{0, 200, 0, 255});
  face->m_dwParam3 = 7;  // no texture in this context
  UseVertexArray();
  DrawPageCells();
  const QRgb plain = At(gl.ReadPixels(), 32, 32);
  EXPECT_GT(qGreen(plain), qRed(plain) + 60) << std::hex << plain;
}

TEST_F(CellDrawing, StippledFaceUsesItsPatternAndLeavesStippleOff) {
  for (int number : {3, 10, 99}) {
    ViewState();
    CGFace* face = Rect(0, 0, 64, 64, 0, kFaceStippled, kNavy);
    face->m_nLabelExtra[2] = number;
    UseVertexArray();
    face->DrawFill();
    EXPECT_FALSE(glIsEnabled(GL_POLYGON_STIPPLE));
    const QImage image = gl.ReadPixels();
    const PolygonStipple& bytes = PolygonStipplePattern(number);  // 99 means pattern 0
    int mismatches = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const bool set = bytes[static_cast<size_t>(y * 4 + x / 8)] & (0x80 >> (x % 8));
        if (IsNavy(At(image, x, y)) != set) ++mismatches;
      }
    EXPECT_EQ(mismatches, 0) << number;
    face->m_bHidden = 1;
  }
}

TEST_F(CellDrawing, DashedLineDrawsItsPatternAndRestoresTheStandardOne) {
  const struct {
    int number;
    GLushort pattern;
  } cases[] = {{0, 0x03FF}, {1, 0x3F3F}, {2, 0x33FF}, {3, 0x1111},
               {4, 0x27FF}, {5, 0x55FF}, {9, 0x03FF}, {-2, 0x03FF}};
  for (const auto& c : cases) {
    ViewState();
    CGLine* line = Line(2.5f, 20.5f, 0, 61.5f, 20.5f, 0, kLineSegment, kLineDashedOnTop);
    line->m_nLabelExtra[2] = c.number;
    UseVertexArray();
    glDepthFunc(GL_ALWAYS);
    line->Draw();
    glDepthFunc(GL_LEQUAL);
    EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE)) << c.number;
    GLint pattern = 0;
    glGetIntegerv(GL_LINE_STIPPLE_PATTERN, &pattern);
    EXPECT_EQ(pattern, 0x03FF) << c.number;

    const QImage image = gl.ReadPixels();
    int first = 0;
    while (first < 64 && !IsNavy(At(image, first, 20))) ++first;
    ASSERT_LT(first, 16) << c.number;
    std::string seen, expected;
    for (int i = 0; i < 48; ++i) {
      seen += IsNavy(At(image, first + i, 20)) ? '#' : '.';
      expected += (c.pattern >> (i % 16)) & 1 ? '#' : '.';
    }
    EXPECT_EQ(seen, expected) << c.number;
    line->m_bHidden = 1;
  }
}

TEST_F(CellDrawing, LineUnderTheMouseIsDrawnSolidInTheComplementaryColour) {
  CGLine* line = Line(2.5f, 20.5f, 0, 61.5f, 20.5f, 0, kLineSegment, kLineDashedOnTop);
  line->m_rgbaColor = RGBA{255, 255, 0, 255};
  line->m_bHovered = true;
  UseVertexArray();
  line->Draw();
  const QImage image = gl.ReadPixels();
  for (int x = 4; x < 60; ++x) EXPECT_TRUE(PixelNear(image, x, gl.Height() - 1 - 20, qRgb(0, 0, 255))) << x;
}

TEST_F(CellDrawing, RaysAndLinesReachTheEdgeOfTheViewUnlessTheirPointsCoincide) {
  const struct {
    BYTE kind;
    float bx;  // A at x = 20, B at (bx, 40)
    bool left, right;
  } cases[] = {
      {kLineSegment, 30, false, false},
      {kLineRay, 30, false, true},
      {kLineFull, 30, true, true},
      {kLineFull, 20.00001f, false, false},  // |B - A|^2 below 1e-8
      {kLineRay, 20.00001f, false, false},
  };
  for (const auto& c : cases) {
    ViewState();
    CGLine* line = Line(20, 40.5f, 0, c.bx, 40.5f, 0, c.kind, kLineSolidOnTop);
    UseVertexArray();
    line->Draw();
    const QImage image = gl.ReadPixels();
    EXPECT_EQ(IsNavy(At(image, 2, 40)), c.left) << int(c.kind) << " " << c.bx;
    EXPECT_EQ(IsNavy(At(image, 60, 40)), c.right) << int(c.kind) << " " << c.bx;
    line->m_bHidden = 1;
  }
}

TEST_F(CellDrawing, VectorGetsAHeadFacingTheViewerWhenLongEnough) {
  g_fUnitsPerPixel = 1;  // heads of 20 world units
  const struct {
    float bx;
    bool head;
  } cases[] = {{56, true}, {12, false}};  // |d|^2 2304 and 16 against 20
  for (const auto& c : cases) {
    ViewState();
    CGLine* vector = Line(8, 32, 0, c.bx, 32, 0, kLineVector, kLineSolidOnTop);
    UseVertexArray();
    vector->Draw();
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1.0f);  // the default width again
    const QImage image = gl.ReadPixels();
    // Beside the shaft, two thirds of the way from the head's back to its tip.
    const int x = static_cast<int>(c.bx) - 11;
    EXPECT_EQ(IsNavy(At(image, x, 30)), c.head) << c.bx;
    EXPECT_EQ(IsNavy(At(image, x, 34)), c.head) << c.bx;
    vector->m_bHidden = 1;
  }
}

TEST_F(CellDrawing, RodFollowsTheLineByKindAndAZeroLengthRodDrawsNothing) {
  // Stand-in for the view's unit cylinder: its axis from z = 0 to z = 1.
  const GLuint base = glGenLists(kShapeListCount);
  glNewList(base + kListCylinder, GL_COMPILE);
  glBegin(GL_LINES);
  glVertex3f(0, 0, 0);
  glVertex3f(0, 0, 1);
  glEnd();
  glEndList();
  g_nShapeListBase = base;
  const struct {
    BYTE kind;
    float by;  // A at (32, 8), B at (32, by)
    bool below, inside, above;
  } cases[] = {
      {kLineSegment, 56, false, true, false},
      {kLineRay, 56, false, true, true},
      {kLineFull, 56, true, true, true},
      {kLineFull, 16, true, true, false},  // short: 60 units about the middle, -18 to 42
      {kLineSegment, 8, false, false, false},
      {kLineFull, 8, false, false, false},
  };
  for (const auto& c : cases) {
    ViewState();
    CGLine* rod = Line(32.5f, 8, 0, 32.5f, c.by, 0, c.kind, kLineRod);
    UseVertexArray();
    rod->DrawLit();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    const QImage image = gl.ReadPixels();
    EXPECT_EQ(IsNavy(At(image, 32, 4)), c.below) << int(c.kind) << " " << c.by;
    EXPECT_EQ(IsNavy(At(image, 32, 10)), c.inside) << int(c.kind) << " " << c.by;
    EXPECT_EQ(IsNavy(At(image, 32, 60)), c.above) << int(c.kind) << " " << c.by;
    rod->m_bHidden = 1;
  }
  g_nShapeListBase = 0;
  glDeleteLists(base, kShapeListCount);
}

TEST_F(CellDrawing, LabelInListModeIsBuiltOnceFromTheName) {
  g_nLabelListBase = 1000;  // names only: calling lists that do not exist draws nothing
  CGLine* line = Line(2, 2, 0, 30, 2, 0, kLineSegment, kLineAutoDashed);
  CGFace* face = Rect(8, 8, 56, 56, 0, kFaceHiding, kNavy);
  for (CGCell* cell : {static_cast<CGCell*>(line), static_cast<CGCell*>(face)}) {
    cell->m_bLabelHidden = 0;
    cell->m_nLabelMode = 1;
    ASSERT_TRUE(cell->m_bLabelStale);
    cell->Draw();
    EXPECT_FALSE(cell->m_bLabelStale);
    QString expected;
    for (QChar ch : cell->m_strName) expected += QChar(static_cast<char16_t>(1000 + ch.unicode() - 32));
    EXPECT_EQ(cell->m_strLabelLists, expected);
    cell->m_strName = "Q";  // not rebuilt until the label is stale again
    cell->Draw();
    EXPECT_EQ(cell->m_strLabelLists, expected);
  }
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}


TEST_F(CellDrawing, PicksLinesFacesAndLabelsUnderTheirKindCodes) {
  UseVertexArray();
  g_vLabelPickU[0] = 3;
  g_vLabelPickV[1] = 3;
  CGLine* segment = Line(4, 10.5f, 0, 40, 10.5f, 0, kLineSegment, kLineAutoDashed);
  CGLine* ray = Line(4, 20.5f, 0, 10, 20.5f, 0, kLineRay, kLineAutoDashed);
  CGLine* point = Line(4, 30.5f, 0, 4.00001f, 30.5f, 0, kLineFull, kLineAutoDashed);
  CGFace* face = Rect(44, 44, 60, 60, 0, kFaceHiding, kNavy);
  const WORD s = segment->m_nId, r = ray->m_nId, f = face->m_nId;
  const int w = gl.Width(), h = gl.Height();

  EXPECT_EQ(Pick(*segment, 2, 20, 10, w, h), (Names{{2, s}}));
  EXPECT_EQ(Pick(*segment, 1, 20, 10, w, h), Names{});    // lines are not picked in mode 1
  EXPECT_EQ(Pick(*segment, 2, 50, 10, w, h), Names{});    // beyond B
  EXPECT_EQ(Pick(*ray, 2, 50, 20, w, h), (Names{{2, r}}));  // a ray goes on
  EXPECT_EQ(Pick(*point, 3, 4, 30, w, h), Names{});       // no direction: not pickable
  EXPECT_EQ(Pick(*face, 3, 52, 52, w, h), (Names{{8, f}}));
  EXPECT_EQ(Pick(*face, 2, 52, 52, w, h), Names{});

  // Labels: the line's in mode 3 only, the face's in every mode.
  segment->m_bLabelHidden = 0;
  segment->m_vLabelAnchor[0] = 30;
  segment->m_vLabelAnchor[1] = 40;
  EXPECT_EQ(Pick(*segment, 2, 30, 40, w, h), Names{});
  EXPECT_EQ(Pick(*segment, 3, 30, 40, w, h), (Names{{3, s}}));
  face->m_bLabelHidden = 0;
  face->m_vLabelAnchor[0] = 20;
  face->m_vLabelAnchor[1] = 50;
  EXPECT_EQ(Pick(*face, 0, 20, 50, w, h), (Names{{3, f}}));
  // Hidden cells pick nothing.
  face->m_bHidden = 1;
  EXPECT_EQ(Pick(*face, 3, 20, 50, w, h), Names{});
}

}  // namespace
