// The parameter's slider in the headless context at one pixel a unit: the
// track and handle drawn where and in the colours they belong, the picks
// of caption and handle, and the range made usable by the first draw or
// pick.
#include <tuple>
#include <utility>

#include "../../celldrawtestsupport.h"
#include "cells/dynamic/parameters/userparameter.h"

namespace KAVREL_FILE_LOCAL {

const QRgb kTrack = qRgb(51, 51, 204);
const QRgb kHandle = qRgb(204, 51, 51);

class ParameterSliderGlTest : public CellGlTest {
 protected:
  QSize ViewSize() const override { return {160, 120}; }
  // "t" with its caption's anchor at (30, 60), the range 0 to 10.
  CGTmVarParameter* Slider(float value) {
    g_fUnitsPerPixel = 1;
    auto* t = new CGTmVarParameter(page->m_nNextId, QStringLiteral("t"), value);
    page->m_cells.SetAt(page->m_nNextId++, t);
    t->m_vLabelAnchor[0] = 30, t->m_vLabelAnchor[1] = 60;
    t->SetRange(0, 10);
    t->m_nSubKind = 1;
    return t;
  }
  int Count(const QImage& picture, QRect box, QRgb colour) const {
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
      for (int x = box.left(); x <= box.right(); ++x) n += At(picture, x, y) == colour;
    return n;
  }
  QImage Drawn(CGTmVarParameter& t) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    t.Draw();
    return gl.ReadPixels();
  }
};

TEST_F(ParameterSliderGlTest, TrackAndHandleAreDrawnUnderTheCaption) {
  // The track from (20, 54) to (120, 51); the handle 4 wide from 100 t
  // pixels along it, 4 above and below the track.  An empty range is drawn
  // over 0 to 10 and keeps that range.
  for (auto [value, maximum, handleLeft] :
       {std::tuple{2.5f, 10.0f, 45}, {0.0f, 10.0f, 20}, {14.0f, 10.0f, 120}, {2.5f, 0.0f, 45}}) {
    CGTmVarParameter* t = Slider(value);
    t->SetRange(0, maximum);
    const QImage picture = Drawn(*t);
    EXPECT_EQ(Count(picture, QRect(0, 0, 160, 120), kHandle), 4 * 11) << value;
    EXPECT_EQ(Count(picture, QRect(handleLeft, 47, 4, 11), kHandle), 4 * 11) << value;
    EXPECT_GT(Count(picture, QRect(20, 49, 101, 7), kTrack), 2 * 90) << value;
    EXPECT_EQ(Count(picture, QRect(0, 0, 18, 120), kTrack) + Count(picture, QRect(0, 57, 160, 63), kTrack), 0)
        << value;
    EXPECT_TRUE(t->Minimum() == 0 && t->Maximum() == 10 && t->m_fValue == value) << value;
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, g_prefs.fLineWidth) << "the line width is put back";
  }
}

TEST_F(ParameterSliderGlTest, CaptionAndHandlePickByModeAndState) {
  CGTmVarParameter* t = Slider(2.5f);
  t->SetRange(0, 0);  // the first pick makes it 0 to 10
  const auto picked = [&](int mode, int x, int y) { return Pick(*t, mode, x, y, 160, 120); };
  const Names caption = {{6, t->m_nId}}, handle = {{13, t->m_nId}};
  // The handle's box: 6 wide from 43 (2 left of the drawn handle), from 58
  // down to 50; the caption's 80 wide from the anchor, from 65 to 75.
  EXPECT_TRUE(picked(3, 44, 54) == handle && t->Maximum() == 10);
  EXPECT_TRUE(picked(3, 48, 51) == handle && picked(0, 100, 72) == caption);
  for (auto [x, y] : {std::pair{40, 54}, {52, 54}, {46, 47}, {100, 78}, {113, 70}, {60, 62}})
    EXPECT_TRUE(picked(3, x, y).empty()) << x << ", " << y;
  t->m_nStyle = 1;  // a caption of two rows reaches 24 pixels higher
  t->m_nParamB = 2;
  EXPECT_TRUE(picked(3, 100, 97) == caption && picked(3, 100, 102).empty());

  EXPECT_TRUE(picked(2, 44, 54).empty() && picked(2, 100, 72).empty()) << "mode 2";
  page->m_bThreeView = true;
  EXPECT_TRUE(picked(3, 44, 54).empty() && picked(3, 100, 72).empty()) << "three views";
  page->m_bThreeView = false;
  t->m_nSubKind = 0;
  EXPECT_TRUE(picked(3, 44, 54).empty() && picked(3, 100, 72) == caption) << "no slider";
  const QImage picture = Drawn(*t);
  EXPECT_EQ(Count(picture, QRect(0, 0, 160, 120), kHandle) + Count(picture, QRect(0, 0, 160, 120), kTrack), 0);
}

}  // namespace
