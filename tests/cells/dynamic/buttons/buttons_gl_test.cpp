// Buttons in the headless context at one pixel a unit: the tab, bevel and
// face colours raised and pressed, the caption's ink inside the face, the
// two pick areas, and a caption measured again only after it changed.
#include <cstdlib>

#include "../../celldrawtestsupport.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "render/glfontlists.h"

namespace KAVREL_FILE_LOCAL {

const QRgb kWhite = qRgb(255, 255, 255), kTab = qRgb(51, 102, 255), kHighlight = qRgb(255, 0, 255);
const QRgb kRaised = qRgb(224, 219, 204), kPressed = qRgb(204, 199, 184);
const QRgb kLight = qRgb(235, 235, 235), kShadow = qRgb(140, 135, 120);

bool Near(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 && std::abs(qBlue(a) - qBlue(b)) <= 2;
}

int g_nMeasured = 0;
QSize CountedExtent(const QString&) { return ++g_nMeasured, QSize(20, 12); }

class ButtonGlTest : public CellGlTest {
 protected:
  QSize ViewSize() const override { return {160, 120}; }
  // The upper-left corner at (40, 80): the face 60 x 25 to (100, 55), the
  // tab from x 28; captioned "Go".
  CGButton* Button(CGButton* button = new CGButton) {
    g_fUnitsPerPixel = 1;
    button->m_nId = page->m_nNextId++;
    if (button->m_strName.isEmpty()) button->m_strName = QStringLiteral("Go");
    button->m_vLabelAnchor[0] = 40, button->m_vLabelAnchor[1] = 80;
    page->m_cells.SetAt(button->m_nId, button);
    return button;
  }
  QImage Drawn(CGButton& button) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    button.Draw();
    return gl.ReadPixels();
  }
  // The box of the dark caption ink (y up).
  QRect Ink(const QImage& picture) const {
    QRect box;
    for (int y = 0; y < gl.Height(); ++y)
      for (int x = 0; x < gl.Width(); ++x)
        if (qGray(At(picture, x, y)) < 80) box |= QRect(x, y, 1, 1);
    return box;
  }
};

TEST_F(ButtonGlTest, BevelTabFaceAndCaptionRaisedPressedHiddenAndInThreeViews) {
  struct Row {
    const char* name;
    bool running, selected;
    BOOL hidden, threeView, labelHidden;
    QRgb face, top, right, left, tab;  // at (44, 58), (70, 79), (99, 70), (40, 70), (34, 67)
    bool ink;
  } rows[] = {
      {"raised", false, false, 0, 0, 0, kRaised, kLight, kShadow, kLight, kTab, true},
      {"pressed, selected", true, true, 0, 0, 0, kPressed, kShadow, kLight, kShadow, kHighlight, true},
      {"caption hidden", false, false, 0, 0, 1, kRaised, kLight, kShadow, kLight, kTab, false},
      {"hidden", false, false, 1, 0, 0, kWhite, kWhite, kWhite, kWhite, kWhite, false},
      {"three views", false, false, 0, 1, 0, kWhite, kWhite, kWhite, kWhite, kWhite, false},
  };
  // The caption as drawn at (57, 64): 2 + 15 pixels into the face, 2 + 7
  // above its bottom.
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glColor3f(0, 0, 0);
  glRasterPos3f(57, 64, -50);
  CallTextLists(DrawGlTextWnd(QStringLiteral("Go")));
  const QRect caption = Ink(gl.ReadPixels());
  ASSERT_FALSE(caption.isEmpty());
  for (const Row& r : rows) {
    CGButton* button = Button();
    button->m_bRunning = r.running, button->m_bSelected = r.selected;
    button->m_bHidden = r.hidden, button->m_bLabelHidden = r.labelHidden;
    page->m_bThreeView = r.threeView;
    const QImage picture = Drawn(*button);
    EXPECT_TRUE(Near(At(picture, 44, 58), r.face) && Near(At(picture, 95, 75), r.face)) << r.name;
    EXPECT_TRUE(Near(At(picture, 70, 79), r.top) && Near(At(picture, 99, 70), r.right)) << r.name;
    EXPECT_TRUE(Near(At(picture, 40, 70), r.left) && At(picture, 34, 67) == r.tab) << r.name;
    EXPECT_TRUE(At(picture, 26, 67) == kWhite && At(picture, 70, 82) == kWhite) << r.name;
    const QRect ink = Ink(picture);
    EXPECT_EQ(!ink.isEmpty(), r.ink) << r.name;
    if (!r.ink) continue;
    EXPECT_EQ(ink, caption.translated(0, r.running ? -1 : 0)) << r.name << ": pressed, one pixel lower";
  }
}

TEST_F(ButtonGlTest, HandleAndFacePickOnlyInTheSelectModes) {
  CGButton* button = Button();
  const auto picked = [&](int mode, int x, int y) { return Pick(*button, mode, x, y, 160, 120); };
  const Names handle = {{5, button->m_nId}}, face = {{10, button->m_nId}};
  EXPECT_TRUE(picked(3, 35, 67) == handle && picked(4, 35, 57) == handle);
  EXPECT_TRUE(picked(3, 70, 67) == face && picked(3, 97, 78) == face);
  EXPECT_TRUE(picked(3, 27, 67).empty()) << "the tab's outer 2 pixels are not the handle";
  EXPECT_TRUE(picked(3, 103, 67).empty() && picked(3, 70, 52).empty() && picked(3, 70, 83).empty());
  for (int mode : {0, 1, 2}) EXPECT_TRUE(picked(mode, 70, 67).empty() && picked(mode, 35, 67).empty()) << mode;
  button->m_bHidden = 1;
  EXPECT_TRUE(picked(3, 70, 67).empty()) << "hidden";
  button->m_bHidden = 0, page->m_bThreeView = 1;
  EXPECT_TRUE(picked(3, 70, 67).empty()) << "three views";
  page->m_bThreeView = 0, button->m_nWidth = 100;
  EXPECT_EQ(picked(3, 137, 67), face) << "a wide caption widens the face";
}

TEST_F(ButtonGlTest, OnlyAChangedCaptionIsMeasuredAgain) {
  const TextExtentFunction previous = SetWindowTextExtent(CountedExtent);
  g_nMeasured = 0;
  auto* toggle = static_cast<CGButnSHide*>(Button(new CGButnSHide));
  Drawn(*toggle);
  Drawn(*toggle);
  EXPECT_EQ(g_nMeasured, 1);
  EXPECT_EQ(toggle->m_strLabelLists, DrawGlTextWnd(QString::fromUtf8("隐藏")));
  toggle->Step();  // "显示" now
  Drawn(*toggle);
  EXPECT_EQ(g_nMeasured, 2);
  EXPECT_EQ(toggle->m_strLabelLists, DrawGlTextWnd(QString::fromUtf8("显示")));
  toggle->m_bNameFixed = true;
  toggle->Step();  // a typed caption of two characters stays
  Drawn(*toggle);
  EXPECT_EQ(g_nMeasured, 2);
  SetWindowTextExtent(previous);
}

}  // namespace
