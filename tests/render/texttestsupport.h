// Shared helpers of the text tests: a pixel-unit view in the headless
// context, a list-name source that counts and can run dry, and ink
// measurements of the read-back picture.
#pragma once
#include <GL/gl.h>

#include <QFontDatabase>
#include <QImage>
#include <QRect>
#include <memory>
#include <vector>

#include "render/glfontlists.h"
#include "render/gllistnames.h"
#include "render/glrelease.h"
#include "render/glresources.h"
#include "view/viewtestsupport.h"

// Real lists of the current context, counted; after `budget` generations
// (negative: never) it reports none left.  `fakeFirst` (nonzero) is handed
// out instead of a real name, as a driver past 16-bit names would.
class CountingListNames : public IGlListNames {
 public:
  GLuint Generate(GLsizei range) override {
    ++generateCalls;
    if (budget == 0) return 0;
    if (budget > 0) --budget;
    const GLuint first = fakeFirst ? fakeFirst : glGenLists(range);
    generated.push_back({first, range});
    return first;
  }
  void Delete(GLuint first, GLsizei range) override {
    deleted.push_back({first, range});
    if (first <= 0xFFFF) glDeleteLists(first, range);
  }
  struct Block {
    GLuint first;
    GLsizei range;
    friend bool operator==(const Block&, const Block&) = default;
  };
  int generateCalls = 0;
  int budget = -1;
  GLuint fakeFirst = 0;
  std::vector<Block> generated;
  std::vector<Block> deleted;
};

// The faces the install script provides: without them the glyphs would be
// someone else's, and the coverage checks would say nothing.
inline bool TextFontsInstalled() {
  return QFontDatabase::hasFamily(QStringLiteral("WenQuanYi Micro Hei")) &&
         QFontDatabase::hasFamily(QStringLiteral("DejaVu Serif"));
}

// A view of ViewSize() pixels with one GL unit per pixel, origin at the
// lower left, white background, black current colour, blending on as in
// the view; the list-name source counts.
class TextGlTest : public PageGlTest {
 protected:
  QSize ViewSize() const override { return {320, 160}; }
  void SetUp() override {
    PageGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    if (!TextFontsInstalled()) GTEST_SKIP() << "fonts-wqy-microhei and fonts-dejavu are not installed";
    auto counting = std::make_unique<CountingListNames>();
    names = counting.get();
    SetGlListNames(std::move(counting));
    const QSize size = ViewSize();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, size.width(), 0, size.height(), -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0, 0, 0, 1);
  }

  // The view's two fixed character blocks, made and compiled as the view
  // makes them, outside the counted names.
  static void MakeFontBlocks() {
    g_nTextListBase = glGenLists(kAsciiListCount);
    g_nLabelListBase = glGenLists(kAsciiListCount);
    BuildFontLists();
    BuildTextFontLists();
  }

  CountingListNames* names = nullptr;
};

// Pixels of the picture inside `box` (picture coordinates, y down) that are
// clearly darker than the white background.
inline int InkIn(const QImage& picture, const QRect& box) {
  int ink = 0;
  const QRect area = box.intersected(picture.rect());
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(picture.pixel(x, y)) < 160) ++ink;
  return ink;
}

// A GL box (x, y from the lower left, in pixels) as a picture rectangle.
inline QRect PictureBox(const QImage& picture, int x, int y, int width, int height) {
  return QRect(x, picture.height() - y - height, width, height);
}

// The ink's bounding box in the picture (empty without ink).
inline QRect InkBounds(const QImage& picture, const QRect& within) {
  QRect bounds;
  const QRect area = within.intersected(picture.rect());
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (qGray(picture.pixel(x, y)) < 160) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

// How far right the ink of the upper half of `box` lies compared with its
// lower half (mean column, pixels): clearly positive for italic letters.
inline double Slant(const QImage& picture, const QRect& box) {
  const QRect ink = InkBounds(picture, box);
  double sum[2] = {0, 0};
  int count[2] = {0, 0};
  const int middle = ink.top() + ink.height() / 2;
  for (int y = ink.top(); y <= ink.bottom(); ++y)
    for (int x = ink.left(); x <= ink.right(); ++x)
      if (qGray(picture.pixel(x, y)) < 160) {
        const int half = y < middle ? 0 : 1;
        sum[half] += x;
        ++count[half];
      }
  if (!count[0] || !count[1]) return 0;
  return sum[0] / count[0] - sum[1] / count[1];
}
