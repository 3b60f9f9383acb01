// Framed mark-up captions with a stand-in formula renderer: which texts
// are mark-up, the two lists and their contents, and the failures.
#include <GL/gl.h>

#include <cmath>
#include <set>
#include <utility>

#include "model/globals.h"
#include "render/framedtext.h"
#include "render/glfontlists.h"
#include "render/glresources.h"
#include "render/texttexts.h"
#include "texttestsupport.h"

namespace KAVREL_FILE_LOCAL {

// A formula of width x height pixels with its baseline, inked all over.
struct FakeMarkup {
  int width = 40, height = 20, baseline = 15;
  size_t bytes = 0;  // 0: as many as the mask needs
  bool none = false;  // no formula in the mark-up
  int calls = 0;
  QString last;
  std::vector<BYTE> operator()(int* w, int* h, const QString& markup, int* b) {
    ++calls;
    last = markup;
    *w = width;
    *h = height;
    *b = baseline;
    if (none) return {};
    const int needed = width > 0 && height > 0 ? (width + 31) / 32 * 4 * height : 0;
    return std::vector<BYTE>(bytes ? bytes : static_cast<size_t>(needed), 0xFF);
  }
};

class FramedTextTest : public TextGlTest {
 protected:
  void SetUp() override {
    TextGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    g_nTextListBase = glGenLists(kAsciiListCount);
    g_fUnitsPerPixel = 0.5f;
    g_prefs.nTextFontHeight = 20;
    g_nTextLineHeight = 24;
    SetMarkupMaskRenderer([this](int* w, int* h, const QString& m, int* b) { return fake(w, h, m, b); });
  }
  FakeMarkup fake;
};

TEST_F(FramedTextTest, OnlyTextInAngleBracketsIsMarkup) {
  const QString plain[] = {QStringLiteral("<abc"), QStringLiteral("abc>"), QStringLiteral("abc"),
                           QStringLiteral(">abc<"), QStringLiteral("<"), QString()};
  for (const QString& text : plain) {
    GLuint pair = 0;
    int height = -1;
    EXPECT_EQ(DrawGlTextFramed(text, pair, height, 1), DrawGlTextDC(text)) << text.toStdString();
    EXPECT_EQ(std::make_pair(pair, height), std::make_pair(0u, -1)) << text.toStdString();
  }
  EXPECT_EQ(fake.calls, 0);
  EXPECT_EQ(names->generateCalls, 0) << "ASCII comes from the text font's block or is empty";

  GLuint pair = 0;
  int height = 0;
  const QString markup = QStringLiteral("<l><e>x</e></l>");
  const QString result = DrawGlTextFramed(markup, pair, height, 1);
  EXPECT_EQ(fake.calls, 1);
  EXPECT_EQ(fake.last, markup);
  ASSERT_NE(pair, 0u);
  ASSERT_EQ(result.size(), 1);
  EXPECT_EQ(result.at(0).unicode(), pair);
  EXPECT_EQ(height, 20);
  const std::vector<CountingListNames::Block> made{{pair, 2}};
  EXPECT_EQ(names->generated, made);

  // A second rendering reuses the caller's pair.
  EXPECT_EQ(DrawGlTextFramed(markup, pair, height, 1), result);
  EXPECT_EQ(names->generateCalls, 1);
}

TEST_F(FramedTextTest, TheBitmapMovesOnAndTheFrameHasTwoRectangles) {
  GLuint pair = 0;
  int height = 0;
  const int n = 2;
  DrawGlTextFramed(QStringLiteral("<f>"), pair, height, n);
  // The bitmap: drawn once, the raster position moved by (W, y).
  const float y = (20 - 15) - 0.3f * 20;
  glRasterPos2f(10, 100);
  const Captured bitmap = CaptureFeedback([&] { glCallList(pair); });
  EXPECT_EQ(bitmap.bitmaps, 1);
  glRasterPos2f(10, 100);
  glCallList(pair);
  GLfloat position[4];
  glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
  EXPECT_FLOAT_EQ(position[0], 10 + 40);
  EXPECT_FLOAT_EQ(position[1], 100 + y);

  // The frame, in world units (u = 0.5 per pixel): the corners of its two
  // rectangles, moved into view (the second one reaches below y = 0).
  glTranslatef(50, 50, 0);
  const Captured frame = CaptureFeedback([&] { glCallList(pair + 1); });
  glLoadIdentity();
  std::set<std::pair<int, int>> corners;  // in tenths of a unit
  for (const FeedbackVertex& v : frame.vertices)
    corners.insert({static_cast<int>(std::lround((v.x - 50) * 10)), static_cast<int>(std::lround((v.y - 50) * 10))});
  const float u = 0.5f, right = 40 * u, y1 = (y - 0.2f * 20) * u, tailRight = right + 3.6f * n;
  auto tenths = [](float v) { return static_cast<int>(std::lround(v * 10)); };
  const std::set<std::pair<int, int>> expected{
      {0, 0}, {tenths(right), 0}, {tenths(right), tenths(20 * u)}, {0, tenths(20 * u)},
      {tenths(right), tenths(y1)}, {tenths(tailRight), tenths(y1)},
      {tenths(tailRight), tenths(y1 + 24 * u)}, {tenths(right), tenths(y1 + 24 * u)}};
  EXPECT_EQ(corners, expected);
}

TEST_F(FramedTextTest, NoListsShowsTheFramedMessage) {
  names->budget = 0;
  GLuint pair = 0;
  int height = -1;
  EXPECT_TRUE(DrawGlTextFramed(QStringLiteral("<x>"), pair, height, 0).isEmpty());
  EXPECT_EQ(std::make_tuple(pair, height, fake.calls), std::make_tuple(0u, -1, 0));
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(seams.notifier->shown[0].text, QString::fromUtf16(kTextFramedNoLists));
}

TEST_F(FramedTextTest, MasksThatDoNotHoldTheirSizeShowNothing) {
  const struct {
    const char* why;
    int width, height;
    size_t bytes;
    bool none;
  } cases[] = {{"no formula", 40, 20, 0, true},     {"one stray byte", 40, 20, 1, false},
               {"a row short", 40, 20, 4 * 19, false}, {"no width", 0, 20, 0, false},
               {"negative height", 40, -3, 0, false}};
  for (const auto& c : cases) {
    fake.none = c.none;
    fake.width = c.width;
    fake.height = c.height;
    fake.bytes = c.bytes;
    GLuint pair = 0;
    int height = -1;
    EXPECT_TRUE(DrawGlTextFramed(QStringLiteral("<x>"), pair, height, 0).isEmpty()) << c.why;
    EXPECT_EQ(height, -1) << c.why;
  }
  EXPECT_TRUE(seams.notifier->shown.empty());
  SetMarkupMaskRenderer(nullptr);
  GLuint pair = 0;
  int height = -1;
  EXPECT_TRUE(DrawGlTextFramed(QStringLiteral("<x>"), pair, height, 0).isEmpty()) << "no renderer";
}

}  // namespace
