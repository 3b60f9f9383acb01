// Lines, faces, circles and arcs drawn in a headless GL context, through the
// page's passes or one operation at a time: their pixels, their tessellation
// read back through GL feedback, and their pick names.
#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "celldrawtestsupport.h"
#include "support/feedback.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/stipplepatterns.h"
#include "model/drawing/pagedraw.h"
#include "render/glresources.h"

namespace KAVREL_FILE_LOCAL {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr RGBA kNavy{0, 0, 128, 255}, kGreen{0, 160, 0, 255};
constexpr QRgb kWhite = qRgb(255, 255, 255);

bool IsNavy(QRgb c) { return qBlue(c) > 90 && qBlue(c) > qGreen(c) + 40 && qRed(c) < 60; }
bool IsDark(QRgb c) { return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60; }
bool IsBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60; }
bool RedOverBlue(QRgb c) { return qRed(c) > qBlue(c) + 60; }
bool BlueOverRed(QRgb c) { return qBlue(c) > qRed(c) + 60; }
bool GreenOverRed(QRgb c) { return qGreen(c) > qRed(c) + 60; }
template <int r, int g, int b, int tolerance = 2>
bool Is(QRgb c) {
  return std::abs(qRed(c) - r) <= tolerance && std::abs(qGreen(c) - g) <= tolerance &&
         std::abs(qBlue(c) - b) <= tolerance;
}

// Green pixels of the whole view.
int CountGreen(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += IsGreen(image.pixel(x, y));
  return n;
}

class CellDrawing : public CellGlTest {
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

// A pixel in window coordinates and what it must look like; `near`: any
// pixel within one of it.
struct Probe {
  float x, y;
  bool (*looks)(QRgb);
  bool near = false;
};

// Eight probes round a circle about (32, 32).
std::vector<Probe> Ring(float r, bool (*looks)(QRgb), bool near) {
  std::vector<Probe> probes;
  for (int k = 0; k < 8; ++k) {
    const float a = static_cast<float>(k) * kPi / 4;
    probes.push_back({32 + std::trunc(r * std::cos(a)), 32 + std::trunc(r * std::sin(a)), looks, near});
  }
  return probes;
}

TEST_F(CellDrawing, ScenesShowTheirColoursWhereTheyShould) {
  const GLuint texture = MakePicture();
  for (int number : {1, 5, 15}) g_nPictureTextures[number - 1] = texture;
  struct Scene {
    const char* what;
    std::function<void()> draw;
    std::vector<Probe> probes;
  };
  auto pictured = [this](BYTE style, DWORD number) {
    return [this, style, number] {
      CGFace* face = Rect(8, 8, 56, 56, 0, style, RGBA{128, 128, 128, 255});
      face->m_dwParam3 = number;
      face->RebuildTexCoords();
      face->TexCoordsDirty = 1;  // corners moved since
      DrawPage();
      EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
      EXPECT_EQ(face->TexCoordsDirty, 0);
    };
  };
  const std::vector<Probe> pictureCorners = {
      {16, 16, Is<255, 0, 0>}, {48, 16, Is<0, 255, 0>}, {16, 48, Is<0, 0, 255>}, {48, 48, Is<255, 255, 0>}};
  std::vector<Probe> rim = Ring(20, IsGreen, true), inside = Ring(12, IsWhite, false);
  rim.insert(rim.end(), inside.begin(), inside.end());
  rim.insert(rim.end(), {{32, 32, IsWhite}, {57, 32, IsWhite}});
  std::vector<Probe> hoveredLine;
  for (int x = 4; x < 60; ++x) hoveredLine.push_back({float(x), 20, Is<0, 0, 255>});
  const Scene scenes[] = {
      {"outline circle on its rim only", [&] { Arc(32, 32, 0, 20, 0, 0, kArcCircle, kArcFlat); DrawPage(); }, rim},
      {"disc filled in its first colour, outlined in its second", [&] {
         Arc(32, 32, 0, 20, 0, 0, kArcDisc, kArcFlat)->m_rgbaLabel = RGBA{0, 0, 0, 255};
         DrawPage();
       }, {{32, 32, IsGreen}, {42, 32, IsGreen}, {49, 32, IsGreen}, {32, 22, IsGreen}, {32, 15, IsGreen},
           {52, 32, IsDark, true}, {32, 12, IsDark, true}, {56, 32, IsWhite}, {4, 4, IsWhite}}},
      {"selected lit disc in the highlight colour", [&] {
         Arc(32, 32, 0, 20, 0, 0, kArcDisc, kArcLit)->m_bSelected = true;
         DrawPage();
       }, {{32, 32, Is<255, 0, 255, 4>}}},
      {"trace layer: outline and fill", [&] {
         CGArc* disc = Arc(32, 32, 0, 20, 0, 0, kArcDisc, kArcLit);
         disc->m_rgbaLabel = RGBA{0, 0, 0, 255};
         disc->DrawFlat();
       }, {{32, 32, IsGreen}, {40, 32, IsGreen}}},
      {"trace layer: a line in its own colour", [&] {
         CGLine* line = Line(2.5f, 20.5f, 0, 61.5f, 20.5f, 0, kLineSegment, kLineAutoDashed);
         UseVertexArray();
         glColor3f(1, 0, 0);
         line->DrawFlat();
       }, {{10, 20, IsNavy}, {50, 20, IsNavy}}},
      {"circle under the mouse in the complementary colour", [&] {
         CGArc* circle = Arc(32, 32, 0, 20, 0, 0, kArcCircle, kArcFlat);
         circle->m_rgbaColor = RGBA{255, 255, 0, 255};
         circle->m_bHovered = true;
         circle->Draw();
       }, {{52, 32, IsBlue, true}}},
      {"dashed line under the mouse solid in the complementary colour", [&] {
         CGLine* line = Line(2.5f, 20.5f, 0, 61.5f, 20.5f, 0, kLineSegment, kLineDashedOnTop);
         line->m_rgbaColor = RGBA{255, 255, 0, 255};
         line->m_bHovered = true;
         UseVertexArray();
         line->Draw();
       }, hoveredLine},
      {"lit face seen from behind in its second colour", [&] {
         CGFace* face = Rect(8, 8, 56, 56, 0, kFaceLit, RGBA{255, 0, 0, 255}, /*reversed=*/true);
         face->m_rgbaLabel = RGBA{0, 0, 255, 255};
         DrawPage();
       }, {{32, 32, BlueOverRed}}},
      {"lit sector in front in its first colour, a quarter only", [&] {
         CGArc* sector = Arc(32, 32, 0, 28, 0, kPi / 2, kArcSector, kArcLit);
         sector->m_rgbaColor = RGBA{220, 0, 0, 255};
         sector->m_rgbaLabel = RGBA{0, 0, 220, 255};
         DrawPage();
       }, {{42, 42, RedOverBlue}, {22, 42, IsWhite}, {22, 22, IsWhite}}},
      {"lit sector from behind in its second colour", [&] {
         CGArc* sector = Arc(32, 32, 0, 28, 0, kPi / 2, kArcSector, kArcLit, /*away=*/true);
         sector->m_rgbaColor = RGBA{220, 0, 0, 255};
         sector->m_rgbaLabel = RGBA{0, 0, 220, 255};
         DrawPage();
       }, {{42, 22, BlueOverRed}, {22, 22, IsWhite}, {22, 42, IsWhite}}},
      {"lit face with picture 1", pictured(kFaceLit, 1), pictureCorners},
      {"translucent face with picture 15", pictured(kFaceTranslucent, 15), pictureCorners},
      {"disc with its picture on the square around it", [&] {
         Arc(32, 32, 0, 28, 0, 0, kArcDisc, kArcLit)->m_dwParam3 = 5;
         DrawPage();
         EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
       }, {{22, 22, Is<255, 0, 0>}, {42, 22, Is<0, 255, 0>}, {22, 42, Is<0, 0, 255>}, {42, 42, Is<255, 255, 0>},
           {2, 2, IsWhite}}},
      {"a picture the view has not made leaves the plain face", [&] {
         Rect(8, 8, 56, 56, 0, kFaceLit, RGBA{0, 200, 0, 255})->m_dwParam3 = 7;
         DrawPage();
       }, {{32, 32, GreenOverRed}}},
  };
  for (const Scene& scene : scenes) {
    SCOPED_TRACE(scene.what);
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
    ViewState();
    scene.draw();
    const QImage image = gl.ReadPixels();
    for (const Probe& p : scene.probes)
      EXPECT_TRUE(p.near ? Near(image, p.x, p.y, p.looks) : p.looks(At(image, int(p.x), int(p.y))))
          << "at " << p.x << ", " << p.y << ": " << std::hex << At(image, int(p.x), int(p.y));
  }
  glDeleteTextures(1, &texture);
  for (int number : {1, 5, 15}) g_nPictureTextures[number - 1] = 0;
}

TEST_F(CellDrawing, PicksUnderTheKindCodesOfTheirCells) {
  UseVertexArray();
  g_vLabelPickU[0] = 3;
  g_vLabelPickV[1] = 3;
  CGLine* segment = Line(4, 10.5f, 0, 40, 10.5f, 0, kLineSegment, kLineAutoDashed);
  CGLine* ray = Line(4, 20.5f, 0, 10, 20.5f, 0, kLineRay, kLineAutoDashed);
  CGLine* dot = Line(4, 30.5f, 0, 4.00001f, 30.5f, 0, kLineFull, kLineAutoDashed);
  CGFace* face = Rect(44, 44, 60, 60, 0, kFaceHiding, kNavy);
  CGArc* circle = Arc(32, 32, 0, 20, 0, 0, kArcCircle, kArcFlat);
  const WORD s = segment->m_nId, r = ray->m_nId, f = face->m_nId, c = circle->m_nId;
  auto label = [](CGCell* cell, float x, float y) {
    cell->m_bLabelHidden = 0;
    cell->m_vLabelAnchor[0] = x;
    cell->m_vLabelAnchor[1] = y;
  };
  struct Row {
    const char* what;
    std::function<void()> change;  // before the pick, kept for the rows after
    CGCell* cell;
    int mode, x, y;
    Names names;
  };
  const Row rows[] = {
      {"segment", {}, segment, 2, 20, 10, {{2, s}}},
      {"lines not in mode 1", {}, segment, 1, 20, 10, {}},
      {"beyond B", {}, segment, 2, 50, 10, {}}, {"a ray goes on", {}, ray, 2, 50, 20, {{2, r}}},
      {"a line of no direction", {}, dot, 3, 4, 30, {}},
      {"face", {}, face, 3, 52, 52, {{8, f}}},
      {"faces not in mode 2", {}, face, 2, 52, 52, {}},
      {"a line's label not in mode 2", [&] { label(segment, 30, 40); }, segment, 2, 30, 40, {}},
      {"a line's label in mode 3", {}, segment, 3, 30, 40, {{3, s}}},
      {"a face's label in every mode", [&] { label(face, 20, 50); }, face, 0, 20, 50, {{3, f}}},
      {"a hidden face", [&] { face->m_bHidden = 1; }, face, 3, 20, 50, {}},
      {"circle", {}, circle, 2, 52, 32, {{4, c}}},
      {"inside an outline", {}, circle, 2, 32, 32, {}},
      {"shapes not in mode 1", {}, circle, 1, 52, 32, {}},
      {"on top: by its tube", [&] { circle->m_nStyle = kArcOnTop; }, circle, 2, 32, 12, {{4, c}}},
      {"a disc inside", [&] { circle->m_nSubKind = kArcDisc; }, circle, 2, 32, 32, {{4, c}}},
      {"an arc", [&] {
         circle->m_nSubKind = kArcArc;
         circle->EndAngle = kPi / 2;
         circle->m_nStyle = kArcFlat;
       }, circle, 2, 32, 52, {{4, c}}},
      {"beyond the arc", {}, circle, 2, 12, 32, {}},
      {"a circle's label in mode 3", [&] { label(circle, 6, 6); }, circle, 3, 6, 6, {{3, c}}},
      {"a circle's label not in mode 2", {}, circle, 2, 6, 6, {}},
      {"an undefined circle", [&] { circle->m_bDefined = false; }, circle, 3, 6, 6, {}},
      {"a hidden circle", [&] {
         circle->m_bDefined = true;
         circle->m_bHidden = 1;
       }, circle, 3, 32, 52, {}},
  };
  for (const Row& row : rows) {
    if (row.change) row.change();
    EXPECT_EQ(Pick(*row.cell, row.mode, row.x, row.y, gl.Width(), gl.Height()), row.names) << row.what;
  }
}

TEST_F(CellDrawing, OutlinesHaveSixtyTwoSegmentsWhateverTheRadiusAndArcsOnePerTenthRadian) {
  for (float r : {1.0f, 10.0f, 25.0f, 2500.0f}) {
    CGArc* arc = Arc(0, 0, 0, r, 0.7f, 0.8f, kArcCircle, kArcFlat);
    glLoadIdentity();
    glTranslatef(32, 32, 0);
    if (r > 100) glScalef(0.01f, 0.01f, 1);  // keep it inside the view
    EXPECT_EQ(CaptureFeedback([&] { arc->DrawShape(kShapeFullOutline); }).lines, 62) << r;
    arc->m_nSubKind = kArcDisc;
    EXPECT_EQ(CaptureFeedback([&] { arc->DrawShape(kShapeDisc); }).triangles, 62) << r;
  }
  glLoadIdentity();
  const struct { float span; int segments; } arcs[] = {{0.3f, 4}, {1.0f, 10}, {2.5f, 25}, {kPi, 31}};
  for (const auto& c : arcs) {
    CGArc* arc = Arc(32, 32, 0, 20, 0.5f, 0.5f + c.span, kArcArc, kArcFlat);
    const Captured outline = CaptureFeedback([&] { arc->DrawShape(kShapeArcOutline); });
    EXPECT_EQ(outline.lines, c.segments) << c.span;
    for (const FeedbackVertex& v : outline.vertices) ASSERT_EQ(v.z, outline.vertices[0].z) << "in its own plane";
    EXPECT_EQ(CaptureFeedback([&] { arc->DrawShape(kShapeSector); }).triangles, c.segments) << c.span;
    // n + 1 arc points closed by the chord.
    EXPECT_EQ(CaptureFeedback([&] { arc->DrawShape(kShapeSegment); }).triangles, c.segments - 1) << c.span;
  }
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

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

TEST_F(CellDrawing, ArcBehindALitFaceIsDashedThereOrLeftOutByStyle) {
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

TEST_F(CellDrawing, TubeFollowsTheCircleAsALitRing) {
  const struct { BYTE style; bool selected; } cases[] = {{kArcLit, false}, {kArcTranslucent, true}};
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

// Each shape lit straight along its normal: full diffuse, whatever its size.
TEST_F(CellDrawing, LitNormalsStandOnTheShape) {
  // A face tilted about y, its normal along (1, 0, 1).
  std::vector<WORD> ids;
  for (const auto& c : {std::array{20, 20, 0}, {24, 20, -4}, {24, 24, -4}, {20, 24, 0}})
    ids.push_back(Point(float(c[0]), float(c[1]), float(c[2]))->m_nId);
  auto* face = new CGFace(page->m_nNextId++, ids, 0xFFFFFF);
  face->m_nStyle = kFaceLit;
  page->m_cells.SetAt(face->m_nId, face);
  // A disc of radius 0.5 with its normal along (3, -1, 1): u along (1, 3, 0), v along (-3, 1, 10).
  auto* disc = new CGArc(page->m_nNextId++, 32, 32, 0, 0.15811388f, 0.47434165f, 0, -0.14301939f, 0.04767313f,
                         0.47673129f, 0, 0, kArcDisc);
  page->m_cells.SetAt(disc->m_nId, disc);
  const GLfloat black[] = {0, 0, 0, 1};
  glLightfv(GL_LIGHT0, GL_AMBIENT, black);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
  glEnable(GL_LIGHTING);
  glEnable(GL_COLOR_MATERIAL);
  UseVertexArray();
  const struct {
    const char* what;
    std::array<GLfloat, 4> light;
    std::function<void()> draw;
  } shapes[] = {
      {"face", {0.70710678f, 0, 0.70710678f, 0}, [&] { face->DrawLit(); }},
      {"small disc", {0.90453403f, -0.30151134f, 0.30151134f, 0}, [&] { glColor3f(1, 1, 1), disc->DrawShape(kShapeDisc); }},
  };
  for (const auto& shape : shapes) {
    glLightfv(GL_LIGHT0, GL_POSITION, shape.light.data());
    const Captured lit = CaptureFeedback(shape.draw);
    ASSERT_FALSE(lit.vertices.empty()) << shape.what;
    for (const FeedbackVertex& v : lit.vertices) EXPECT_NEAR(v.rgba[0], 0.8f, 0.01f) << shape.what;  // the light's diffuse
  }
  glDisable(GL_LIGHTING);
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
  const struct { int number; GLushort pattern; } cases[] = {{0, 0x03FF}, {1, 0x3F3F}, {2, 0x33FF}, {3, 0x1111},
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

TEST_F(CellDrawing, OutlineOnTopIsDashedByStyleAndStippleIsLeftOff) {
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

TEST_F(CellDrawing, RaysAndLinesReachTheEdgeOfTheViewUnlessTheirPointsCoincide) {
  const struct {
    BYTE kind;
    float bx;  // A at x = 20, B at (bx, 40)
    bool left, right;
  } cases[] = {
      {kLineSegment, 30, false, false}, {kLineRay, 30, false, true}, {kLineFull, 30, true, true},
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
  // A slanting line through A (20, 30) and B (30, 40): both halves from A.
  ViewState();
  CGLine* slanting = Line(20.5f, 30.5f, 0, 30.5f, 40.5f, 0, kLineFull, kLineSolidOnTop);
  UseVertexArray();
  slanting->Draw();
  const QImage image = gl.ReadPixels();
  for (float x : {5.5f, 25.5f, 50.5f}) EXPECT_TRUE(Near(image, x, x + 10, IsNavy)) << x;
}

TEST_F(CellDrawing, VectorGetsAHeadFacingTheViewerWhenLongEnough) {
  g_fUnitsPerPixel = 1;  // heads of 20 world units
  const struct {
    BYTE kind;
    float bx;
    bool head;
  } cases[] = {{kLineVector, 56, true}, {kLineVector, 12, false},  // |d|^2 2304 and 16 against 20
               {kLineSegment, 56, false}};
  for (const auto& c : cases) {
    ViewState();
    CGLine* vector = Line(8, 32, 0, c.bx, 32, 0, c.kind, kLineSolidOnTop);
    UseVertexArray();
    vector->Draw();
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1.0f);  // the default width again
    const QImage image = gl.ReadPixels();
    // Beside the shaft, two thirds of the way from the head's back to its tip.
    const int x = static_cast<int>(c.bx) - 11;
    EXPECT_EQ(IsNavy(At(image, x, 30)), c.head) << int(c.kind) << " " << c.bx;
    EXPECT_EQ(IsNavy(At(image, x, 34)), c.head) << int(c.kind) << " " << c.bx;
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
      {kLineSegment, 56, false, true, false}, {kLineRay, 56, false, true, true},
      {kLineFull, 56, true, true, true},
      {kLineFull, 16, true, true, false},  // short: 60 units about the middle, -18 to 42
      {kLineSegment, 8, false, false, false}, {kLineFull, 8, false, false, false},
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
  // Straight into the screen it is seen end on.
  ViewState();
  CGLine* down = Line(32.5f, 8, 0, 32.5f, 8, -20, kLineSegment, kLineRod);
  UseVertexArray();
  down->DrawLit();
  EXPECT_FALSE(IsNavy(At(gl.ReadPixels(), 32, 12)));
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

TEST_F(CellDrawing, DamagedKindOrStyleDrawsNothingHarmful) {
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

}  // namespace
