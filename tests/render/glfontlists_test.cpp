// Character lists of the three bitmap fonts: which calls make lists, what
// happens when no names are left, the label block's italic letters and
// small digits, and the text-font metrics.
#include <GL/gl.h>

#include "model/globals.h"
#include "render/glfontlists.h"
#include "render/glresources.h"
#include "render/texttexts.h"
#include "texttestsupport.h"

namespace KAVREL_FILE_LOCAL {

using ListsFn = QString (*)(const QString&);

const struct Font {
  const char* name;
  ListsFn lists;
  bool hasAsciiBlock;
} kFonts[] = {{"label", DrawGlText, true}, {"text", DrawGlTextDC, true}, {"window", DrawGlTextWnd, false}};

class GlFontListsTest : public TextGlTest {
 protected:
  void SetUp() override {
    TextGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    MakeFontBlocks();
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "every glyph, blanks too, compiles";
  }
  int Bitmaps(const QString& names) {
    return CaptureFeedback([&] {
      glRasterPos2i(10, 10);
      CallTextLists(names);
    }).bitmaps;
  }
};

TEST_F(GlFontListsTest, AsciiUsesTheFixedBlocksWithoutNewLists) {
  const QString text = QStringLiteral(" Az09~");
  const struct {
    ListsFn lists;
    GLuint base;
  } cases[] = {{DrawGlText, g_nLabelListBase}, {DrawGlTextDC, g_nTextListBase}};
  for (const auto& c : cases) {
    const QString lists = c.lists(text);
    ASSERT_EQ(lists.size(), text.size());
    for (int i = 0; i < text.size(); ++i) EXPECT_EQ(lists.at(i).unicode(), c.base + text.at(i).unicode() - 32);
  }
  EXPECT_EQ(names->generateCalls, 0);
  // In a fresh context the blocks follow the 31 shapes: the text font's
  // list of a character is named by its own code.
  EXPECT_EQ(DrawGlTextDC(QStringLiteral("A")).at(0).unicode(), g_nTextListBase + 'A' - 32);
}

TEST_F(GlFontListsTest, ANewCharacterMakesOneListReusedAfterwards) {
  const QString zhong = QString::fromUtf16(u"中");
  for (const Font& f : kFonts) {
    const int before = names->generateCalls;
    const QString first = f.lists(zhong);
    ASSERT_EQ(first.size(), 1) << f.name;
    EXPECT_EQ(names->generateCalls, before + 1) << f.name;
    EXPECT_TRUE(glIsList(first.at(0).unicode())) << f.name;
    EXPECT_EQ(Bitmaps(first), 1) << f.name;
    EXPECT_EQ(f.lists(zhong + zhong), first + first) << f.name;
    EXPECT_TRUE(f.lists(QString()).isEmpty()) << f.name;
    EXPECT_EQ(names->generateCalls, before + 1) << f.name << ": reused, and nothing for no text";
  }
  // Each font keeps its own list of the character.
  EXPECT_NE(DrawGlText(zhong), DrawGlTextDC(zhong));
  EXPECT_NE(DrawGlTextDC(zhong), DrawGlTextWnd(zhong));
  // The window font has no fixed block: ASCII gets lists of its own.
  const int before = names->generateCalls;
  EXPECT_EQ(DrawGlTextWnd(QStringLiteral("ab")).size(), 2);
  EXPECT_EQ(names->generateCalls, before + 2);
}

TEST_F(GlFontListsTest, RunningOutOfNamesCutsTheTextAtThatCharacter) {
  const QString text = QString::fromUtf16(u"A第一页B");
  for (const Font& f : kFonts) {
    seams.notifier->shown.clear();
    names->budget = f.hasAsciiBlock ? 1 : 2;  // the window font spends one on "A"
    const QString lists = f.lists(text);
    EXPECT_EQ(lists.size(), 2) << f.name << ": A and 第, then nothing";
    ASSERT_EQ(seams.notifier->shown.size(), 1u) << f.name;
    EXPECT_EQ(seams.notifier->shown[0].text, QString::fromUtf16(kTextTooManyCharacters));
    // A later call tries again and goes on where the first stopped.
    names->budget = -1;
    const QString again = f.lists(text);
    EXPECT_EQ(again.size(), text.size()) << f.name;
    EXPECT_EQ(again.left(2), lists) << f.name;
  }
}

TEST_F(GlFontListsTest, NamesBeyondSixteenBitsCountAsNoneLeft) {
  names->fakeFirst = 0x10000;
  EXPECT_TRUE(DrawGlText(QString::fromUtf16(u"页")).isEmpty());
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(seams.notifier->shown[0].text, QString::fromUtf16(kTextTooManyCharacters));
  const std::vector<CountingListNames::Block> given_back{{0x10000, 1}};
  EXPECT_EQ(names->deleted, given_back);
}

TEST_F(GlFontListsTest, ReleaseDeletesTheCachedListsAndANewContextForgetsThem) {
  const QString text = QString::fromUtf16(u"第一页");
  DrawGlText(text);
  DrawGlTextDC(text);
  DrawGlTextWnd(text);
  ASSERT_EQ(names->generated.size(), 9u);
  ReleaseFontLists();
  EXPECT_EQ(names->deleted.size(), 9u);
  for (const auto& block : names->generated) EXPECT_FALSE(glIsList(block.first));
  DrawGlText(text);
  EXPECT_EQ(names->generated.size(), 12u) << "made again after the release";

  // After a context change the old names are not trusted (nor deleted).
  const size_t deleted = names->deleted.size();
  BeginGlGeneration();
  DrawGlText(text);
  EXPECT_EQ(names->generated.size(), 15u);
  EXPECT_EQ(names->deleted.size(), deleted);
}

TEST_F(GlFontListsTest, ACharacterMetWhileAListIsCompiledIsCompiledLater) {
  const GLuint outer = glGenLists(1);
  glNewList(outer, GL_COMPILE);
  const QString ye = DrawGlText(QString::fromUtf16(u"页"));
  CallTextLists(ye);
  glEndList();
  ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  ASSERT_EQ(ye.size(), 1);
  // The next call outside the compilation compiles it.
  DrawGlText(QStringLiteral("x"));
  EXPECT_EQ(Bitmaps(ye), 1);
  EXPECT_EQ(CaptureFeedback([&] {
              glRasterPos2i(10, 10);
              glCallList(outer);
            }).bitmaps,
            1);
}

// Labels show italic letters and digits at three quarters of the height;
// the text font's letters and digits are upright and full size.  The slant
// is measured on H, whose upright form has none.
TEST_F(GlFontListsTest, LabelBlockHasItalicLettersAndSmallDigits) {
  g_prefs.nLabelFontHeight = g_prefs.nTextFontHeight = 48;
  BuildFontLists();
  BuildTextFontLists();
  const QString text = QStringLiteral("AH1");
  const QString lists[2] = {DrawGlText(text), DrawGlTextDC(text)};
  const int xs[3] = {10, 80, 160};
  for (int row = 0; row < 2; ++row)
    for (int i = 0; i < 3; ++i) {
      glRasterPos2i(xs[i], 20 + row * 70);
      glCallList(lists[row].at(i).unicode());
    }
  const QImage picture = gl.ReadPixels();
  auto box = [&](int i, int row) { return PictureBox(picture, xs[i] - 8, 20 + row * 70 - 15, 66, 70); };
  EXPECT_GT(Slant(picture, box(1, 0)), 3.0) << "label H is italic";
  EXPECT_LT(std::abs(Slant(picture, box(1, 1))), 1.0) << "text H is upright";
  EXPECT_GT(Slant(picture, box(0, 0)), Slant(picture, box(0, 1)) + 0.5) << "so is A";
  const double labelDigit = InkBounds(picture, box(2, 0)).height();
  const double textDigit = InkBounds(picture, box(2, 1)).height();
  EXPECT_NEAR(labelDigit / textDigit, 0.75, 0.06);
}

TEST_F(GlFontListsTest, TextMetricsFollowTheTextFont) {
  // Before the fonts are built (ResetProcessState) and after.
  g_prefs.nTextFontHeight = 40;
  BuildTextFontLists();
  EXPECT_NEAR(g_nTextLineHeight, 43, 1) << "the cell height plus 3";
  const int width40 = g_nTextCharWidth;
  g_prefs.nTextFontHeight = 20;
  BuildTextFontLists();
  EXPECT_NEAR(g_nTextLineHeight, 23, 1);
  EXPECT_GT(g_nTextCharWidth, 4);
  EXPECT_NEAR(width40, 2 * g_nTextCharWidth, 2);
}

}  // namespace
