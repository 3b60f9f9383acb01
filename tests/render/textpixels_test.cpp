// "A1" and "第一页" drawn through every text path leave ink where each
// character stands.  KAVREL_TEXT_PICTURE=<file.png> keeps
// the picture for a look.
#include <GL/gl.h>

#include <cstdlib>
#include <functional>

#include "formula/drawing/formulapictures.h"
#include "model/globals.h"
#include "render/framedtext.h"
#include "render/glfontlists.h"
#include "render/glresources.h"
#include "render/glyphraster.h"
#include "render/outlinetext.h"
#include "render/projection.h"
#include "render/textureglyphs.h"
#include "texttestsupport.h"

namespace KAVREL_FILE_LOCAL {

const QString kLatin = QStringLiteral("A1");
const QString kChinese = QString::fromUtf16(u"第一页");
const QString kSongti = QString::fromUtf16(u"宋体");
const QString kTimes = QStringLiteral("Times New Roman");

constexpr int kStep = 40;  // pixels between the characters' cells

class TextPixelsTest : public TextGlTest {
 protected:
  QSize ViewSize() const override { return {240, 330}; }
  void SetUp() override {
    TextGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    MakeFontBlocks();
    textures = std::make_unique<CTextrueText>();
    g_pTextrueText = textures.get();
    g_fUnitsPerPixel = 1;
    SaveModelView();
    // As the view hands over its own font.
    QFont windowFont(QStringLiteral("DejaVu Sans"));
    windowFont.setPixelSize(24);
    SetWindowTextFont(windowFont);
  }
  void TearDown() override {
    const char* path = std::getenv("KAVREL_TEXT_PICTURE");
    if (path && !picture.isNull())
      picture.save(QString::fromLocal8Bit(path) + QLatin1Char('.') +
                   QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                   QStringLiteral(".png"));
  }

  // The five characters in a row at height y, the first cell at x = 8.
  void Row(int y, const std::function<void(char16_t, int x, int y)>& draw) {
    const QString all = kLatin + kChinese;
    for (int i = 0; i < all.size(); ++i) draw(all.at(i).unicode(), 8 + i * kStep, y);
  }
  void ExpectInkInRow(const char* path, int y) {
    const QString all = kLatin + kChinese;
    for (int i = 0; i < all.size(); ++i) {
      const QRect cell = PictureBox(picture, 8 + i * kStep - 4, y - 12, kStep, 48);
      EXPECT_GE(InkIn(picture, cell), 15) << path << ": no ink for " << QString(all.at(i)).toStdString();
    }
  }

  std::unique_ptr<CTextrueText> textures;
  QImage picture;
};

TEST_F(TextPixelsTest, EveryPathDrawsEachCharacter) {
  // Bitmap lists of the three fonts: the strings' names, called one by one.
  const struct {
    const char* path;
    QString (*names)(const QString&);
    int y;
  } lists[] = {{"label lists", DrawGlText, 300}, {"text lists", DrawGlTextDC, 255}, {"window lists", DrawGlTextWnd, 210}};
  for (const auto& l : lists) {
    const QString names = l.names(kLatin) + l.names(kChinese);
    ASSERT_EQ(names.size(), 5) << l.path;
    Row(l.y, [&](char16_t, int x, int y) {
      glRasterPos2i(x, y);
      glCallList(names.at((x - 8) / kStep).unicode());
    });
  }
  // Outlines: one em is 32 pixels.
  GLuint latinBase = 0, chineseBase = 0;
  const QString latin = BuildOutlineText(kLatin, latinBase, kTimes, kOutlinePolygons);
  const QString chinese = BuildOutlineText(kChinese, chineseBase, kSongti, kOutlinePolygons);
  ASSERT_EQ(latin.size() + chinese.size(), 5);
  const QString outlines = latin + chinese;
  Row(165, [&](char16_t, int x, int y) {
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0);
    glScalef(32, 32, 32);
    glCallList(outlines.at((x - 8) / kStep).unicode());
    glPopMatrix();
  });
  // Glyph textures: the label billboard and the two pen texts.
  Row(120, [](char16_t c, int x, int y) { DrawTextureLabel(QString(QChar(c)), float(x), float(y), 0); });
  Row(65, [](char16_t c, int x, int y) {
    g_textPen = {float(x), float(y), 0, 32};
    DrawTextureTextMixed(QString(QChar(c)));
  });
  Row(15, [](char16_t c, int x, int y) {
    g_textPen = {float(x), float(y), 0, 32};
    DrawTextureText(QString(QChar(c)));
  });
  glFinish();
  picture = gl.ReadPixels();
  ExpectInkInRow("label lists", 300);
  ExpectInkInRow("text lists", 255);
  ExpectInkInRow("window lists", 210);
  ExpectInkInRow("outlines", 165);
  ExpectInkInRow("label textures", 120);
  ExpectInkInRow("mixed pen text", 65);
  ExpectInkInRow("pen text", 15);
}

// Mark-up through the formula renderer the view installs.
TEST_F(TextPixelsTest, FramedMarkupDrawsItsCharacters) {
  SetMarkupMaskRenderer(RenderVodToMaskTextFont);
  const QString markups[] = {QStringLiteral("<l><e>A1</e></l>"),
                             QStringLiteral("<l><e>") + kChinese + QStringLiteral("</e></l>")};
  int y = 200;
  for (const QString& markup : markups) {
    GLuint pair = 0;
    int height = 0;
    const QString names = DrawGlTextFramed(markup, pair, height, 0);
    ASSERT_EQ(names.size(), 1) << markup.toStdString();
    glRasterPos2i(8, y);
    CallTextLists(names);
    y -= 80;
  }
  glFinish();
  picture = gl.ReadPixels();
  const QRect latin = InkBounds(picture, PictureBox(picture, 0, 200, 240, 60));
  const QRect chinese = InkBounds(picture, PictureBox(picture, 0, 120, 240, 60));
  EXPECT_GE(latin.width(), 20);
  EXPECT_GE(chinese.width(), 3 * 18) << "three Chinese characters side by side";
  // Each of the three characters leaves its own ink.
  for (int i = 0; i < 3; ++i) {
    const int third = chinese.width() / 3;
    EXPECT_GE(InkIn(picture, QRect(chinese.left() + i * third, chinese.top(), third, chinese.height())), 15) << i;
  }
}

// Names in scripts no installed face may cover (Malayalam, Devanagari,
// Tamil, Syriac) draw as boxes or blanks, never crash the view.
TEST_F(TextPixelsTest, ScriptsNoFaceCoversDrawWithoutCrashing) {
  const std::pair<QString, QFontDatabase::WritingSystem> names[] = {
      {QString::fromUtf16(u"മലയാളം"), QFontDatabase::Malayalam}, {QString::fromUtf16(u"देवनागरी"), QFontDatabase::Devanagari},
      {QString::fromUtf16(u"தமிழ்"), QFontDatabase::Tamil}, {QString::fromUtf16(u"ܣܘܪܝܝܐ"), QFontDatabase::Syriac}};
  for (const auto& [name, script] : names) {
    const GlyphRaster glyph = RasteriseCharacter(MakeGlyphFont({kTimes, 24}), name.at(0).unicode());
    if (QFontDatabase::families(script).isEmpty()) { EXPECT_FALSE(glyph.covered) << name.toStdString(); }
    glRasterPos2i(8, 20);
    const QString lists = DrawGlText(name) + DrawGlTextDC(name) + DrawGlTextWnd(name);
    glCallLists(static_cast<GLsizei>(lists.size()), GL_UNSIGNED_SHORT, lists.utf16());
    DrawTextureLabel(name, 8, 60, 0);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << name.toStdString();
  }
}

}  // namespace
