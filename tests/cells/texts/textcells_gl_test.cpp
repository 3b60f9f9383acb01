// Captions, text bitmaps, images, formula texts and ink in the headless
// context (160 x 120 pixels of p world units): list names, colours, picks,
// pixels or texture by zoom.
#include <algorithm>
#include <functional>
#include <string>
#include <tuple>

#include "../celldrawtestsupport.h"
#include "app/gui/keptpictures.h"
#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "cells/texts/inkmarks.h"
#include "formula/drawing/formulapictures.h"
#include "model/pagetest.h"
#include "render/framedtext.h"
#include "render/glfontlists.h"
#include "render/glrelease.h"
#include "render/projection.h"
#include "view/viewtestsupport.h"

namespace KAVREL_FILE_LOCAL {

class TextCellGlTest : public CellGlTest {
 protected:
  QSize ViewSize() const override { return {160, 120}; }
  template <class T>
  T* Put(T* cell, float x, float y) {
    cell->m_nId = page->m_nNextId++;
    cell->m_vLabelAnchor[0] = x, cell->m_vLabelAnchor[1] = y;
    page->m_cells.SetAt(cell->m_nId, cell);
    return cell;
  }
  int Count(QRect box, QRgb colour) {
    return CountIf(box, [colour](QRgb c) { return c == colour; });
  }
  int CountIf(QRect box, const std::function<bool(QRgb)>& match) {
    const QImage picture = gl.ReadPixels();
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
      for (int x = box.left(); x <= box.right(); ++x) n += match(At(picture, x, y));
    return n;
  }
  void Scale(float p) {  // p world units a pixel
    g_fUnitsPerPixel = p;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 160 * p, 0, 120 * p, -100, 100);
    glMatrixMode(GL_MODELVIEW);
  }
};

TEST_F(TextCellGlTest, CaptionListNamesRowsAndFrames) {
  g_fUnitsPerPixel = 1;
  auto* value = Put(new CGTmVariable, 10, 20);
  value->m_strName = QStringLiteral("AB");
  value->m_fValue = 2.5f;
  value->UpdateValueText();
  // 9 names of 8 pixels by a line of 22, the text font unmeasured: the pick
  // lays the due text out first.
  EXPECT_EQ(Pick(*value, 3, 81, 40, 160, 120), Names({{6, value->m_nId}}));
  EXPECT_EQ(value->m_strLabelLists, DrawGlText(QStringLiteral("AB = ")) + DrawGlTextDC(QStringLiteral("2.50")));
  EXPECT_TRUE(Pick(*value, 3, 84, 30, 160, 120).empty() && Pick(*value, 3, 50, 44, 160, 120).empty());

  PixelProjection();
  SetMarkupMaskRenderer(RenderVodToMaskTextFont);
  const QString fraction = QStringLiteral("<#><l><f><#><l><e>1</e></l></#><#><l><e>2</e></l></#></f></l></#>");
  int width = 0, height = 0, baseline = 0;
  ASSERT_FALSE(RenderVodToMaskTextFont(&width, &height, fraction, &baseline).empty());
  // The rows a frame spans: its height over a line and 5 pixels, plus one
  // (the single line's row as high as the mark-up less 5: two rows).
  const std::tuple<CGTextmap*, float, int> frames[] = {
      {new CGTmVariable, 3.6f, 22},
      {new CGTmSingleline, 0, height - 5},
      {new StandIn<CGTextmap>(StandInChain({"CGTmVector"}, RUNTIME_CLASS(CGTextmap))), 10.8f, 22}};
  for (auto [caption, valueBox, line] : frames) {
    Put(caption, 0, 0)->m_nStyle = 1;
    caption->m_strVodName = fraction;
    caption->m_strValueText = QStringLiteral("=1");
    g_nTextLineHeight = line;
    caption->Draw();
    g_nTextLineHeight = 22;
    const QString lists = caption->m_strLabelLists;
    ASSERT_EQ(lists.mid(1), DrawGlTextDC(QStringLiteral("=1"))) << valueBox;
    EXPECT_EQ(caption->m_nParamB, line == 22 ? height / 27 + 1 : 2) << valueBox;
    float right = 0;
    for (const FeedbackVertex& v : CaptureFeedback([&] { glCallList(lists[0].unicode() + 1); }).vertices)
      right = std::max(right, v.x);
    EXPECT_NEAR(right, static_cast<float>(width) + valueBox, 0.01f) << "the frame's value box";
  }
  auto* framed = static_cast<CGTmVariable*>(std::get<0>(frames[0]));
  EXPECT_EQ(Pick(*framed, 3, 1, 22 * framed->m_nParamB - 2, 160, 120), Names({{6, framed->m_nId}})) << "every row";
  const QChar list = framed->m_strLabelLists[0];
  framed->UpdateValueText();
  framed->CurrentValueText();
  EXPECT_EQ(framed->m_strLabelLists, list + DrawGlTextDC(QStringLiteral(" =0"))) << "the mark-up is reused";
  framed->m_strVodName = QStringLiteral("AB");  // plain text: no list of its own to reuse
  framed->m_bLabelStale = true;
  for (int read = 0; read < 2; ++read) {
    framed->UpdateValueText();
    framed->CurrentValueText();
  }
  EXPECT_EQ(framed->m_strLabelLists, DrawGlTextDC(QStringLiteral("AB =0")));
}

TEST_F(TextCellGlTest, CaptionsDrawAndPickByClassModeAndState) {
  g_fUnitsPerPixel = 1;
  struct Row { const char* name; CGTextmap* caption; bool defined, hidden, threeView, selected; int mode, drawn,
               picked; };
  const Row rows[] = {{"text map", new CGTextmap, true, false, false, false, 3, true, false},
                      {"single line", new CGTmSingleline, true, false, false, true, 3, true, true},
                      {"single line, mode 2", new CGTmSingleline, true, false, false, false, 2, true, false},
                      {"single line, undefined", new CGTmSingleline, false, false, false, false, 3, true, false},
                      {"value, undefined", new CGTmVariable, false, false, false, true, 0, true, true},
                      {"value, mode 2", new CGTmVariable, true, false, false, false, 2, true, false},
                      {"value, hidden", new CGTmVariable, true, true, false, false, 3, false, false},
                      {"value, three views", new CGTmVariable, true, false, true, false, 3, false, false}};
  for (const Row& r : rows) {
    CGTextmap* caption = Put(r.caption, 30, 40);
    caption->m_nStyle = 1;
    caption->m_strVodName = QStringLiteral("AB");
    caption->m_bDefined = r.defined;
    caption->m_bHidden = r.hidden;
    caption->m_bSelected = r.selected;
    page->m_bThreeView = r.threeView;
    PixelProjection();
    const Captured drawn = CaptureFeedback([&] { caption->Draw(); });
    EXPECT_EQ(drawn.bitmaps > 0, r.drawn) << r.name;
    if (drawn.bitmaps > 0) { EXPECT_TRUE(drawn.vertices[0].rgba[0] == r.selected && drawn.vertices[0].x == 30) << r.name; }
    EXPECT_EQ(Pick(*caption, r.mode, 32, 42, 160, 120).empty(), !r.picked) << r.name;
  }
}

TEST_F(TextCellGlTest, MasksAndImagesLeaveTheirColours) {
  const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), magenta = qRgb(255, 0, 255);
  Scale(1);
  for (BOOL noShadow : {0, 1}) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    auto* mask = Put(new CGTextbit(0, 16, 8, std::vector<BYTE>(64, 0xFF)), 20, 24);
    mask->m_rgbaColor = RGBA{255, 0, 0, 255};
    mask->m_rgbaLabel = RGBA{0, 0, 255, 255};
    mask->m_bLabelHidden = mask->m_bSelected = noShadow;
    mask->Draw();
    EXPECT_EQ(Count(QRect(20, 24, 16, 8), red), 128);
    EXPECT_EQ(Count(QRect(0, 0, 160, 120), blue), noShadow ? 0 : 128 - 13 * 6) << "3 right and 2 up";
    EXPECT_EQ(Count(QRect(19, 23, 19, 11), magenta) > 40 && Count(QRect(38, 0, 122, 120), magenta) == 0, noShadow);
  }
  // 8 x 4 pixels, the left half red, mirrored at 10 pixels a unit.
  Scale(0.1f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  std::vector<BYTE> rgb(24 * 4);
  for (int i = 0; i < 32; ++i) rgb[i / 8 * 24 + i % 8 * 3 + (i % 8 < 4 ? 0 : 1)] = 255;
  auto* image = Put(new CGTbImage(0, 8, 4, std::move(rgb)), 8, 2);
  image->SetZoom(-1, 1);
  image->m_bSelected = true;
  image->DrawFill();
  EXPECT_EQ(Count(QRect(76, 20, 4, 4), red) + Count(QRect(72, 20, 4, 4), qRgb(0, 255, 0)), 32);
  EXPECT_GT(Count(QRect(66, 16, 8, 12), qRgb(51, 102, 255)), 4) << "the handle left of the picture";
  EXPECT_EQ(Count(QRect(0, 28, 160, 92), qRgb(51, 102, 255)), 0) << "the handle around the frame's corner";
  EXPECT_GT(Count(QRect(66, 16, 16, 12), magenta), 8) << "the frame";
  GLfloat zoom;
  GLboolean depthWrites;
  glGetFloatv(GL_ZOOM_X, &zoom);
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
  EXPECT_TRUE(zoom == 1 && depthWrites) << "the image leaves the GL state as it found it";
  EXPECT_EQ(Count(QRect(81, 0, 79, 120), qRgb(255, 255, 255)), 79 * 120) << "nothing right of the anchor";

  Scale(1);  // a follower's mask at its point, in the selection colour when selected
  auto* follower = new CGTbHenchman(page->m_nNextId++, 8, 2, std::vector<BYTE>(8, 0xFF), Point(50, 60, 0)->m_nId);
  page->m_cells.SetAt(follower->m_nId, follower);
  follower->m_bSelected = true;
  follower->Draw();
  EXPECT_EQ(Count(QRect(50, 60, 8, 2), magenta), 16);
}

TEST_F(TextCellGlTest, ImagesPickQuadAndHandleFollowersTheirPoint) {
  g_fUnitsPerPixel = 0.1f;
  auto* image = Put(new CGTbImage(0, 20, 10, std::vector<BYTE>(600)), 2, 2);
  EXPECT_EQ(Pick(*image, 3, 35, 25, 16, 12), Names({{7, image->m_nId}}));
  EXPECT_TRUE(Pick(*image, 3, 39, 29, 16, 12).empty()) << "the quad is pulled 0.3 in";
  EXPECT_TRUE(Pick(*image, 2, 30, 25, 16, 12).empty());
  image->m_bSelected = true;
  EXPECT_EQ(Pick(*image, 3, 41, 31, 16, 12), Names({{12, image->m_nId}}));
  auto* mask = Put(new CGTextbit(0, 20, 10, {}), 6, 2);
  EXPECT_EQ(Pick(*mask, 3, 79, 29, 16, 12), Names({{7, mask->m_nId}}));
  EXPECT_TRUE(Pick(*mask, 3, 83, 33, 16, 12).empty() && Pick(*mask, 3, 65, 15, 16, 12).empty());

  g_fUnitsPerPixel = 1;
  CGVertex* point = Point(10, 5, 2);
  auto* follower = new CGTbHenchman(page->m_nNextId++, 10, 6, {}, point->m_nId);
  page->m_cells.SetAt(follower->m_nId, follower);
  glTranslatef(60, 40, -50);
  glRotatef(30, 1, 1, 0);
  double modelview[16], projection[16], a[3], b[3], m[4];
  const double identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
  // In each projection the point's image in the text layer, at depth -50, is on its pixel.
  for (int mode : {kProjCentral, kProjOblique, kProjOrthographic}) {
    ASSERT_TRUE(ProjectionMatrix(mode, 160, 120, 0.25, projection));
    ASSERT_TRUE(WorldToTextMatrix(projection, modelview, g_dWorldToText));
    const double* w = g_dWorldToText;
    for (int r = 0; r < 4; ++r) m[r] = (w[r] * 10 + w[4 + r] * 5 + w[8 + r] * 2 + w[12 + r]);
    EXPECT_NEAR(m[2] / m[3], -50, 1e-9) << mode;
    gluProject(10, 5, 2, modelview, projection, g_nViewport, &a[0], &a[1], &a[2]);
    gluProject(m[0] / m[3], m[1] / m[3], -50, identity, projection, g_nViewport, &b[0], &b[1], &b[2]);
    EXPECT_TRUE(std::abs(a[0] - b[0]) < 0.01 && std::abs(a[1] - b[1]) < 0.01) << mode;
  }
  ASSERT_TRUE(WorldToTextMatrix(g_dProjection, modelview, g_dWorldToText));
  gluProject(10, 5, 2, modelview, g_dProjection, g_nViewport, &a[0], &a[1], &a[2]);
  const int x = static_cast<int>(a[0] + 0.5), y = static_cast<int>(a[1] + 0.5);
  EXPECT_EQ(Pick(*follower, 3, x + 1, y + 1, 160, 120), Names({{7, follower->m_nId}}));
  for (auto [dx, dy] : {std::pair{-3, 1}, {1, -3}, {12, 1}, {1, 8}})
    EXPECT_TRUE(Pick(*follower, 3, x + dx, y + dy, 160, 120).empty()) << dx << ", " << dy;
  double after[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, after);
  EXPECT_TRUE(std::equal(after, after + 16, modelview)) << "picking leaves the view's matrix as it was";
}

TEST_F(TextCellGlTest, FormulaTextsDrawPixelsOrTheirTextureBySeeThroughBackdrop) {
  Scale(1);
  g_fViewTranslate[2] = -50;
  for (int i = 0; i < 16; ++i) g_dWorldToText[i] = i % 5 == 0;  // the layer is the world
  g_prefs.rgbaText = RGBA{255, 0, 0, 255};
  const QString markup = QStringLiteral("<#><l><e>A+B</e></l></#>");
  const auto free = [&](DWORD scales) { return Put(new CGTbVodText(0, markup, 0xFFFFFF, scales), 20, 20); };
  const auto attached = [&] { return Put(new CGTbMhc(0, markup, 0xFFFFFF, Point(20, 24, -50)->m_nId), 0, 0); };
  struct Row { const char* name; std::function<CGTbVodText*()> make; float zoom; bool textured; };
  const Row rows[] = {{"scaling, zoom 1", [&] { return free(1); }, 1.0f, false},
                      {"scaling, zoom 1.05", [&] { return free(1); }, 1.05f, true},
                      {"not scaling, zoom 1.05", [&] { return free(0); }, 1.05f, false},
                      {"attached, zoom 1.005", attached, 1.005f, false},
                      {"attached, zoom 0.98", attached, 0.98f, true}};
  const std::size_t queued = PendingGlReleases();
  for (const Row& r : rows) {
    CGTbVodText* text = r.make();
    text->Recalculate();
    g_fViewScale = r.zoom;
    const Captured drawn = CaptureFeedback([&] { text->Draw(); });
    EXPECT_TRUE(drawn.bitmaps == !r.textured && (drawn.polygons > 0) == r.textured) << r.name;
    float left = 1e9f, right = -1e9f;
    for (const FeedbackVertex& v : drawn.vertices) left = std::min(left, v.x), right = std::max(right, v.x);
    if (r.textured) { EXPECT_NEAR(right - left, static_cast<float>(text->m_nWidth) * r.zoom, 0.01f) << r.name; }
    glClearColor(0, 1, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    text->m_bSelected = true;
    const Captured framed = CaptureFeedback([&] { text->Draw(); });
    EXPECT_GT(framed.lines, 0) << r.name;
    for (const FeedbackVertex& v : framed.vertices)
      EXPECT_NEAR(v.z, drawn.vertices[0].z, 1e-5) << r.name << ": the frame at the text's depth";
    text->Draw();
    const QRect box(20, static_cast<int>(text->m_vLabelAnchor[1]), static_cast<int>(text->m_nWidth),
                    static_cast<int>(text->m_nHeight));
    const auto reddish = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100; };
    EXPECT_TRUE(CountIf(box, reddish) > 200 && Count(box, qRgb(0, 255, 0)) > box.width() * box.height() / 3 &&
                Count(box, qRgb(255, 255, 255)) == 0 &&
                Count(QRect(19, box.top(), 3, box.height()), qRgb(255, 0, 255)) > box.height() / 2)
        << r.name << ": the glyphs, the page between them, the box's left side";
    EXPECT_GT(Count(QRect(box.left() + 2, box.top() - 1, box.width() - 4, 3), qRgb(255, 0, 255)), box.width() / 2)
        << r.name << ": the box's lower side";
    if (r.textured) {  // a new colour: rendered at once, uploaded at the next draw
      text->m_rgbaColor = RGBA{0, 0, 255, 0};
      text->RebuildTexture();
      EXPECT_TRUE(text->m_texture.IsStale()) << r.name;
      text->Draw();
      const auto bluish = [](QRgb c) { return qBlue(c) > 150 && qRed(c) < 100 && qGreen(c) < 100; };
      EXPECT_TRUE(!text->m_texture.IsStale() && CountIf(box, bluish) > 200) << r.name;
    }
    g_fViewScale = 1;
    EXPECT_EQ(Pick(*text, 3, box.right() - 1, box.top() + 2, 160, 120), Names({{7, text->m_nId}})) << r.name;
    EXPECT_TRUE(Pick(*text, 3, box.right() + 3, box.top() + 2, 160, 120).empty() &&
                Pick(*text, 3, box.left() + 2, box.top() - 3, 160, 120).empty())
        << r.name;
    Scale(1);  // picking leaves its own projection behind
    text->m_bHidden = 1;
    EXPECT_EQ(CaptureFeedback([&] { text->Draw(); }).bitmaps, 0) << r.name;
  }
  page.reset();
  EXPECT_EQ(PendingGlReleases(), queued + 2) << "the textures made";
  CGlTexture texture;
  const BYTE white[4] = {255, 255, 255, 255};
  ASSERT_TRUE(texture.Bind(1, 1, white) && texture.Name() != 0);
  BeginGlGeneration();  // the context was replaced: its names are gone
  EXPECT_TRUE(texture.Name() == 0 && texture.IsStale());
}

// An item anchored 20 pixels beside the view (left of it, below it, or
// both) shows the part that reaches in, pixel for pixel as it stands
// anchored 20 pixels inside, and nothing beside the view; so too in a
// viewport smaller than the surface, as a quadrant of the three views.
TEST_F(TextCellGlTest, ItemsAnchoredOutsideTheViewShowTheirInsidePart) {
  g_fUnitsPerPixel = 1;
  g_fViewTranslate[2] = -50;
  SetMarkupMaskRenderer(RenderVodToMaskTextFont);
  const QString fraction = QStringLiteral("<#><l><f><#><l><e>12345</e></l></#><#><l><e>2</e></l></#></f></l></#>");
  const auto caption = [&](CGTextmap* c) {
    c->m_nStyle = 1;
    c->m_strVodName = fraction;
    return c;
  };
  struct Row { const char* name; std::function<CGCell*()> make; };
  const Row rows[] = {
      {"caption", [&] { return caption(new CGTmSingleline); }},
      {"calculation caption", [&] { return caption(new CGTmVariable); }},
      {"rich text", [] { return new CGTextbit(0, 64, 48, std::vector<BYTE>(384, 0xFF)); }},
      {"formula text", [&] { return new CGTbVodText(0, fraction, 0xFFFFFF, 0); }},
      {"zoomed image", [] {
         auto* image = new CGTbImage(0, 24, 16, std::vector<BYTE>(72 * 16, 90));
         image->SetZoom(2, 2);
         return image;
       }}};
  const QRect surface(0, 0, 160, 120), quadrant(80, 60, 80, 60);
  const struct Place { const char* name; float x, y; QRect view; } places[] = {
      {"left and below", -20, -20, surface},
      {"left", -20, 20, surface},
      {"below", 20, -20, surface},
      {"left and below a quadrant", -20, -20, quadrant},
  };
  KeptPictures kept;
  for (const Place& at : places) {
    const QRect& v = at.view;
    glViewport(v.x(), v.y(), v.width(), v.height());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, v.width(), 0, v.height(), -100, 100);
    glMatrixMode(GL_MODELVIEW);
    const int dx = static_cast<int>(20 - at.x), dy = static_cast<int>(20 - at.y);
    for (const Row& r : rows) {
      const std::string what = std::string(r.name) + ", " + at.name;
      CGCell* cell = Put(r.make(), 0, 0);
      cell->Recalculate();
      QImage pictures[2];
      for (int i = 0; i < 2; ++i) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        cell->m_vLabelAnchor[0] = i ? 20.0f : at.x;
        cell->m_vLabelAnchor[1] = i ? 20.0f : at.y;
        cell->DrawFill();
        cell->Draw();
        pictures[i] = kept.Keep((what + (i ? ".inside" : ".outside")).c_str(), gl.ReadPixels());
      }
      int ink = 0, moved = 0, beside = 0;
      for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x) {
          const bool outside = !IsWhite(At(pictures[0], x, y));
          if (!v.contains(x, y)) beside += outside;
          else if (v.contains(x + dx, y + dy)) {
            ink += outside;
            moved += At(pictures[0], x, y) != At(pictures[1], x + dx, y + dy);
          }
        }
      EXPECT_GT(ink, 40) << what;
      EXPECT_EQ(moved, 0) << what;
      EXPECT_EQ(beside, 0) << what;
    }
  }
  glViewport(0, 0, 160, 120);
}

TEST_F(TextCellGlTest, InkDrawsInItsColourAndWidthAndPicksOnItsStrokes) {
  g_rgbaInk = RGBA{0, 0, 255, 255};
  const float low[] = {10, 30, 0, 60, 30, 0}, high[] = {10, 60, 0, 60, 60, 0};
  auto* ink = Put(new CGInkmarks(0, std::make_unique<CStroke>(2, low)), 4, 6);
  ink->AddStroke(std::make_unique<CStroke>(2, high));
  struct Row { const char* name; BOOL hidden; bool threeView, defined, selected; int blue; };
  const Row rows[] = {{"shown", 0, false, true, false, 6},
                      {"undefined, selected", 0, false, false, true, 6},
                      {"hidden", 1, false, true, false, 0},
                      {"three views", 0, true, true, false, 0}};
  for (const Row& r : rows) {
    Scale(1);
    glClear(GL_COLOR_BUFFER_BIT);
    ink->m_bHidden = r.hidden, page->m_bThreeView = r.threeView;
    ink->m_bDefined = r.defined, ink->m_bSelected = r.selected;
    ink->Draw();
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(Count(QRect(62, 0, 1, 120), qRgb(0, 0, 255)), r.blue) << r.name << ": two strokes 3 wide, at the anchor";
    EXPECT_EQ(Count(QRect(0, 0, 160, 120), qRgb(255, 0, 255)) > 0, r.selected) << r.name;
    EXPECT_EQ(width, g_prefs.fLineWidth) << r.name;
    EXPECT_EQ(Pick(*ink, 3, 34, 36, 160, 120), r.blue ? Names({{4, ink->m_nId}}) : Names{}) << r.name;
    EXPECT_TRUE(Pick(*ink, 3, 34, 45, 160, 120).empty() && Pick(*ink, 2, 34, 36, 160, 120).empty()) << r.name;
  }
  Scale(1);
  glClear(GL_COLOR_BUFFER_BIT);
  g_rgbaInk = RGBA{0, 255, 0, 255};
  CStroke(2, low).Draw();
  EXPECT_GT(Count(QRect(34, 0, 1, 120), qRgb(0, 255, 0)), 0) << "a stroke alone, in its own colour";
}

}  // namespace
