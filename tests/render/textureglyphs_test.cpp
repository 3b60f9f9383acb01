// Glyph textures: the fixed sets, the label layout of "A1" (italic letter,
// smaller lowered digit), constant label size under zoom, the pen texts
// and the pool of 511 glyphs.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "model/globals.h"
#include "render/projection.h"
#include "render/texttexts.h"
#include "render/textureglyphs.h"
#include "texttestsupport.h"

namespace KAVREL_FILE_LOCAL {

struct QuadBox {
  float left, bottom, right, top;
  friend bool operator==(const QuadBox&, const QuadBox&) = default;
  float Height() const { return top - bottom; }
  float Width() const { return right - left; }
};

// The window-space boxes of the quads a drawing call sent down, each of
// which feedback reports as two triangles.  The quads must lie inside the
// view: clipping would cut them into other shapes.
std::vector<QuadBox> Quads(const Captured& c) {
  std::vector<QuadBox> boxes;
  EXPECT_EQ(c.vertices.size(), static_cast<size_t>(c.polygons) * 3) << "triangles only";
  for (size_t i = 0; i + 5 < c.vertices.size(); i += 6) {
    QuadBox b{1e9f, 1e9f, -1e9f, -1e9f};
    for (size_t k = i; k < i + 6; ++k) {
      b.left = std::min(b.left, c.vertices[k].x);
      b.right = std::max(b.right, c.vertices[k].x);
      b.bottom = std::min(b.bottom, c.vertices[k].y);
      b.top = std::max(b.top, c.vertices[k].y);
    }
    boxes.push_back(b);
  }
  return boxes;
}

class TextureGlyphsTest : public TextGlTest {
 protected:
  void SetUp() override {
    TextGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    glyphs = std::make_unique<CTextrueText>();
    g_pTextrueText = glyphs.get();
    g_fUnitsPerPixel = 1;
    SaveModelView();
  }
  // The model-view of the frame: identity scaled by the view's zoom.
  void Zoom(float zoom) {
    g_fViewScale = zoom;
    glLoadIdentity();
    glScalef(zoom, zoom, zoom);
    SaveModelView();
  }
  // The texture's alpha, bottom row first.
  std::vector<GLubyte> Alpha(const CharInfo& glyph) {
    std::vector<GLubyte> alpha(64 * 64);
    glBindTexture(GL_TEXTURE_2D, glyph.texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
    return alpha;
  }
  // Mean inked column of the top and bottom thirds of the texture's ink.
  double TextureSlant(const CharInfo& glyph) {
    const std::vector<GLubyte> a = Alpha(glyph);
    int low = 64, high = -1;
    for (int row = 0; row < 64; ++row)
      for (int x = 0; x < 64; ++x)
        if (a[row * 64 + x] > 127) low = std::min(low, row), high = std::max(high, row);
    const int third = (high - low) / 3;
    auto mean = [&](int from, int to) {
      double sum = 0;
      int n = 0;
      for (int row = from; row <= to; ++row)
        for (int x = 0; x < 64; ++x)
          if (a[row * 64 + x] > 127) sum += x, ++n;
      return n ? sum / n : 0.0;
    };
    return mean(high - third, high) - mean(low, low + third);
  }

  std::unique_ptr<CTextrueText> glyphs;
};

TEST_F(TextureGlyphsTest, TheFixedSetsAreRenderedAtStart) {
  EXPECT_EQ(glyphs->UsedTextures(), 52 + 17 + 136 + 94);
  for (const char16_t* c = kLabelDigitsAndSigns; *c; ++c) EXPECT_NE(glyphs->LabelGlyph(*c), nullptr);
  for (const char16_t* c = kCommonChinese; *c; ++c) EXPECT_NE(glyphs->GeneralGlyph(*c), nullptr);
  EXPECT_EQ(glyphs->LabelGlyph(u'中'), nullptr);
  // Every glyph has its own texture holding ink, and a cell of 64 pixels.
  const CharInfo* zhong = glyphs->GeneralGlyph(u'中');
  const CharInfo* a = glyphs->LabelGlyph(u'A');
  ASSERT_TRUE(zhong && a);
  EXPECT_NE(zhong->texture, a->texture);
  for (const CharInfo* g : {zhong, a}) {
    EXPECT_NEAR(g->height, 64, 1);
    EXPECT_GT(g->inkWidth, 20u);
    EXPECT_EQ(g->lead + static_cast<int>(g->inkWidth) + g->trail, static_cast<int>(g->advance));
    const std::vector<GLubyte> alpha = Alpha(*g);
    EXPECT_GT(std::count_if(alpha.begin(), alpha.end(), [](GLubyte v) { return v > 127; }), 100);
  }
}

// The slant is measured on H, whose upright form has none.
TEST_F(TextureGlyphsTest, LabelLettersAreItalicAndTheGeneralOnesUpright) {
  EXPECT_GT(TextureSlant(*glyphs->LabelGlyph(u'H')), 5.0);
  EXPECT_LT(std::abs(TextureSlant(*glyphs->GeneralGlyph(u'H'))), 1.0);
  EXPECT_GT(TextureSlant(*glyphs->LabelGlyph(u'A')), TextureSlant(*glyphs->GeneralGlyph(u'A')) + 1.0);
  EXPECT_NE(Alpha(*glyphs->LabelGlyph(u'A')), Alpha(*glyphs->GeneralGlyph(u'A')));
}

TEST_F(TextureGlyphsTest, LabelA1HasAFullSizeLetterAndASmallerLoweredDigit) {
  g_prefs.nLabelFontHeight = 60;  // s = (60 + 4) / 64 = 1: glyph pixels are window pixels
  const Captured c = CaptureFeedback([] { DrawTextureLabel(QStringLiteral("A1"), 50, 40, 0); });
  const std::vector<QuadBox> quads = Quads(c);
  ASSERT_EQ(quads.size(), 2u);
  const CharInfo& a = *glyphs->LabelGlyph(u'A');
  const CharInfo& one = *glyphs->LabelGlyph(u'1');
  EXPECT_NEAR(quads[0].left, 50 + a.lead, 1e-3);
  EXPECT_NEAR(quads[0].bottom, 40, 1e-3);
  EXPECT_NEAR(quads[0].Height(), a.height, 1e-3);
  EXPECT_NEAR(quads[0].Width(), a.inkWidth, 1e-3);
  const float h1 = 0.75f * one.height;
  EXPECT_NEAR(quads[1].Height(), h1, 1e-3);
  EXPECT_NEAR(quads[1].Width(), 0.75f * one.inkWidth, 1e-3);
  EXPECT_NEAR(quads[1].bottom, 40 - 0.05f * h1, 1e-3);
  EXPECT_NEAR(quads[1].left, 50 + a.advance + 0.75f * one.lead, 1e-3);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TextureGlyphsTest, LabelSizeOnScreenIgnoresZoomUnlessAutoScaling) {
  const struct {
    int autoScale;
    float zoom;
    float screenRatio;  // on-screen height at this zoom over the height at zoom 1
  } cases[] = {{0, 2, 1}, {0, 0.5f, 1}, {1, 2, 2}, {1, 0.5f, 0.5f}};
  for (const auto& c : cases) {
    g_prefs.bLabelAutoScale = c.autoScale;
    Zoom(1);
    const float plain = Quads(CaptureFeedback([] { DrawTextureLabel(QStringLiteral("A"), 10, 10, 0); }))[0].Height();
    Zoom(c.zoom);
    const float zoomed = Quads(CaptureFeedback([] { DrawTextureLabel(QStringLiteral("A"), 10, 10, 0); }))[0].Height();
    EXPECT_NEAR(zoomed / plain, c.screenRatio, 1e-4) << c.autoScale << " " << c.zoom;
  }
}

TEST_F(TextureGlyphsTest, LabelsFaceTheViewer) {
  // Turned 90 degrees about y, world z runs along the screen's x: the
  // label still runs along the screen's x.
  glRotatef(90, 0, 1, 0);
  SaveModelView();
  const std::vector<QuadBox> quads = Quads(CaptureFeedback([] { DrawTextureLabel(QStringLiteral("AB"), 0, 50, 20); }));
  ASSERT_EQ(quads.size(), 2u);
  EXPECT_GT(quads[0].Width(), 10);
  EXPECT_GT(quads[1].left, quads[0].left);
}

TEST_F(TextureGlyphsTest, PenTextsApplyTheDigitRuleOnlyWhenMixed) {
  const CharInfo& labelOne = *glyphs->LabelGlyph(u'1');
  const CharInfo& one = *glyphs->GeneralGlyph(u'1');
  const CharInfo& labelA = *glyphs->LabelGlyph(u'A');
  const CharInfo& a = *glyphs->GeneralGlyph(u'A');
  ASSERT_NE(labelA.inkWidth, a.inkWidth) << "the italic and upright A must be told apart";
  // Pen height 64 at 1 unit per pixel: k = 1.
  g_textPen = {20, 30, 0, 64};
  const std::vector<QuadBox> mixed = Quads(CaptureFeedback([] { DrawTextureTextMixed(QStringLiteral("A1")); }));
  ASSERT_EQ(mixed.size(), 2u);
  EXPECT_NEAR(mixed[0].Width(), labelA.inkWidth, 1e-3);
  EXPECT_NEAR(mixed[1].Height(), 0.75f * labelOne.height, 1e-3);
  EXPECT_NEAR(mixed[1].bottom, 30 - 0.05f * labelOne.height, 1e-3);
  EXPECT_NEAR(g_textPen.x, 20 + labelA.advance + 0.75f * labelOne.advance, 1e-3);

  g_textPen = {20, 30, 5, 64};
  const Captured plainCapture = CaptureFeedback([] { DrawTextureText(QStringLiteral("A1")); });
  const std::vector<QuadBox> plain = Quads(plainCapture);
  ASSERT_EQ(plain.size(), 2u);
  EXPECT_NEAR(plain[0].Width(), a.inkWidth, 1e-3);
  EXPECT_NEAR(plain[1].Height(), one.height, 1e-3);
  EXPECT_NEAR(plain[1].bottom, 30, 1e-3);
  EXPECT_NEAR(g_textPen.x, 20 + a.advance + one.advance, 1e-3);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(TextureGlyphsTest, EmptyTextOrNoInstanceDrawsNothing) {
  g_textPen = {1, 2, 3, 32};
  const Captured c = CaptureFeedback([] {
    DrawTextureLabel(QString(), 0, 0, 0);
    DrawTextureTextMixed(QString());
    DrawTextureText(QString());
  });
  EXPECT_EQ(c.polygons, 0);
  EXPECT_EQ(g_textPen.x, 1);
  EXPECT_EQ(glyphs->UsedTextures(), 299);
  g_pTextrueText = nullptr;
  EXPECT_EQ(CaptureFeedback([] { DrawTextureLabel(QStringLiteral("A1"), 20, 40, 0); }).polygons, 0) << "no instance";
}

TEST_F(TextureGlyphsTest, ACharacterOutsideTheSetsIsRenderedOnceOnFirstUse) {
  const char16_t ye = u'页';
  ASSERT_EQ(glyphs->GeneralGlyph(ye), nullptr);
  const int used = glyphs->UsedTextures();
  EXPECT_EQ(Quads(CaptureFeedback([] { DrawTextureLabel(QStringLiteral("P") + QChar(u'页'), 20, 40, 0); })).size(), 2u);
  ASSERT_NE(glyphs->GeneralGlyph(ye), nullptr);
  EXPECT_EQ(glyphs->UsedTextures(), used + 1);
  const GLuint texture = glyphs->GeneralGlyph(ye)->texture;
  g_textPen = {0, 0, 0, 32};
  DrawTextureText(QString(QChar(ye)));
  EXPECT_EQ(glyphs->UsedTextures(), used + 1);
  EXPECT_EQ(glyphs->GeneralGlyph(ye)->texture, texture);
}

TEST_F(TextureGlyphsTest, Glyph511IsRenderedThenTextStopsAtTheFirstCharacterWithoutOne) {
  // Characters of the common range that no fixed set holds, one at a time.
  char16_t next = 0x4E00;
  auto fresh = [&] {
    while (glyphs->GeneralGlyph(next)) ++next;
    return next++;
  };
  while (glyphs->UsedTextures() < CTextrueText::kMaxGlyphs - 1) DrawTextureText(QString(QChar(fresh())));
  const char16_t last = fresh();
  g_textPen = {20, 40, 0, 32};
  EXPECT_EQ(Quads(CaptureFeedback([&] { DrawTextureText(QString(QChar(last))); })).size(), 1u);
  EXPECT_EQ(glyphs->UsedTextures(), 511);
  ASSERT_NE(glyphs->GeneralGlyph(last), nullptr);

  const QString text = QString::fromUtf16(u"中") + QChar(fresh()) + QString::fromUtf16(u"文");
  const struct {
    const char* name;
    std::function<void()> draw;
  } paths[] = {{"label", [&] { DrawTextureLabel(text, 20, 40, 0); }},
               {"mixed", [&] { DrawTextureTextMixed(text); }},
               {"plain", [&] { DrawTextureText(text); }}};
  for (const auto& p : paths) {
    g_textPen = {20, 40, 0, 32};
    EXPECT_EQ(Quads(CaptureFeedback(p.draw)).size(), 1u) << p.name << ": only the character before";
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << p.name;
  }
  EXPECT_EQ(glyphs->UsedTextures(), 511);
}

TEST_F(TextureGlyphsTest, BatchedLabelsAreDrawnAtTheFlushInTheirColours) {
  auto sorted = [](std::vector<QuadBox> q) {
    std::sort(q.begin(), q.end(), [](const QuadBox& a, const QuadBox& b) {
      return std::tie(a.left, a.bottom) < std::tie(b.left, b.bottom);
    });
    return q;
  };
  const RGBA red{255, 0, 0, 255};
  const Captured alone = CaptureFeedback([&] {
    DrawTextureLabel(QStringLiteral("AB"), 20, 40, 0, red);
    glColor4f(0, 0, 1, 1);
    DrawTextureLabel(QStringLiteral("BA"), 20, 100, 0);
  });
  const Captured gathered = CaptureFeedback([&] {
    BeginTextureLabelBatch();
    DrawTextureLabel(QStringLiteral("AB"), 20, 40, 0, red);
    glColor4f(0, 0, 1, 1);
    DrawTextureLabel(QStringLiteral("BA"), 20, 100, 0);
    g_textPen = {20, 60, 0, 32};
    DrawTextureText(QStringLiteral("x"));  // pen texts are never gathered
  });
  EXPECT_EQ(gathered.polygons, 2) << "only the pen text so far";
  const Captured flushed = CaptureFeedback([] { FlushTextureLabelBatch(); });
  EXPECT_EQ(sorted(Quads(flushed)), sorted(Quads(alone))) << "the same quads";
  for (const FeedbackVertex& v : flushed.vertices) {
    const bool upper = v.y > 90;
    EXPECT_EQ(v.rgba[0], upper ? 0.0f : 1.0f);
    EXPECT_EQ(v.rgba[2], upper ? 1.0f : 0.0f);
  }
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  BeginTextureLabelBatch();
  EXPECT_EQ(CaptureFeedback([] { FlushTextureLabelBatch(); }).polygons, 0) << "emptied";
}

}  // namespace
