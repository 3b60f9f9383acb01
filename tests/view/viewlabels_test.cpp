// Text through the view's own set-up: the renderer makes the glyph
// textures, compiles both fonts' blocks and installs the formula renderer;
// a frame shows point labels in both label modes; releasing the context
// gives everything back.  KAVREL_TEXT_PICTURE=<file> keeps the frame.
#include <GL/gl.h>

#include <cstdlib>

#include "math/mathglobals.h"
#include "render/framedtext.h"
#include "render/glfontlists.h"
#include "render/glresources.h"
#include "render/texttestsupport.h"
#include "render/textureglyphs.h"
#include "view/viewrenderer.h"

namespace KAVREL_FILE_LOCAL {

class ViewLabelsTest : public TextGlTest {
 protected:
  QSize ViewSize() const override { return {300, 200}; }
  void SetUp() override {
    TextGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    g_strProgramFolder = PictureFolder();
    ViewQuaternion = kQuatIdentity;
    g_nAxesMode = 0;
    ASSERT_TRUE(renderer.InitOpenGL());
    renderer.OnSize(300, 200);
  }
  void TearDown() override { renderer.Release(); }
  // A point with its label just above and right of it; the point itself is
  // white on the white background, so only the label leaves ink.
  CGVertex* Labelled(float x, float y, const QString& name, int labelMode) {
    CGVertex* p = AddPoint(x, y, 0);
    p->m_strName = name;
    p->m_bLabelHidden = 0;
    p->m_nLabelMode = labelMode;
    p->m_rgbaColor = {255, 255, 255, 255};
    const float anchor[3] = {x + 0.2f, y + 0.2f, 0};
    std::copy_n(anchor, 3, p->m_vLabelAnchor);
    return p;
  }
  // The pixel (top row 0) of a world point at z = 0: 0.05 units per pixel.
  static QPoint PixelOf(float x, float y) {
    return {static_cast<int>(std::lround(150 + x / 0.05f)), static_cast<int>(std::lround(100 - y / 0.05f))};
  }

  CViewRenderer renderer;
};

TEST_F(ViewLabelsTest, TheViewMakesTheTextResources) {
  ASSERT_NE(g_pTextrueText, nullptr);
  EXPECT_EQ(g_pTextrueText->UsedTextures(), 299);
  EXPECT_NE(g_nTextCharWidth, 8) << "measured by the view";
  // Captions are list names; the Chinese ones got lists of their own.
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(renderer.Caption(i).isEmpty()) << i;
  GLuint pair = 0;
  int height = 0;
  EXPECT_EQ(DrawGlTextFramed(QStringLiteral("<l><e>x</e></l>"), pair, height, 0).size(), 1)
      << "the formula renderer is installed";
  EXPECT_GT(height, 0);

  const QString zhong = DrawGlText(QString::fromUtf16(u"中"));
  const GLuint labelBlock = g_nLabelListBase;
  ASSERT_TRUE(glIsList(zhong.at(0).unicode()));
  renderer.Release();
  EXPECT_EQ(g_pTextrueText, nullptr);
  EXPECT_FALSE(glIsList(zhong.at(0).unicode()));
  EXPECT_FALSE(glIsList(labelBlock));
  renderer.InitOpenGL();
}

TEST_F(ViewLabelsTest, AFrameShowsLabelsInBothModes) {
  Labelled(-5, 2, QStringLiteral("A1"), 0);                 // glyph textures
  Labelled(1, -2, QString::fromUtf16(u"第一页"), 1);         // character lists
  renderer.RenderScene();
  glFinish();
  const QImage picture = gl.ReadPixels();
  if (const char* path = std::getenv("KAVREL_TEXT_PICTURE")) picture.save(QString::fromLocal8Bit(path) + ".view.png");

  // Ink right of and above each anchor, none elsewhere.
  const QPoint a1 = PixelOf(-5 + 0.2f, 2 + 0.2f);
  const QRect a1Box(a1.x() - 4, a1.y() - 34, 70, 40);
  const QPoint page = PixelOf(1 + 0.2f, -2 + 0.2f);
  const QRect pageBox(page.x() - 4, page.y() - 30, 100, 40);
  const QRect a1Ink = InkBounds(picture, a1Box);
  const QRect pageInk = InkBounds(picture, pageBox);
  EXPECT_GE(a1Ink.width(), 20);
  EXPECT_GE(a1Ink.height(), 15);
  EXPECT_GE(pageInk.width(), 3 * 18) << "three characters";
  EXPECT_EQ(InkIn(picture, picture.rect()), InkIn(picture, a1Box) + InkIn(picture, pageBox));
}

}  // namespace
