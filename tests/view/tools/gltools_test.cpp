// The mouse tools on the real GL surface in the headless context: where a
// click puts a point in the top view, a box over more items than a small
// selection buffer holds, and the copy box's picture drawn without the box.
#include <GL/gl.h>

#include <QDir>

#include "../viewtestsupport.h"
#include "math/mathglobals.h"
#include "model/document/kavreldoc.h"
#include "model/vertexarray.h"
#include "platform/clipboard.h"
#include "render/glresources.h"
#include "view/tools/gltoolsurface.h"
#include "view/tools/mousetools.h"
#include "view/toolstate.h"
#include "view/viewrenderer.h"

namespace KAVREL_FILE_LOCAL {

class GlTools : public PageGlTest {
 protected:
  QSize ViewSize() const override { return {200, 150}; }
  void SetUp() override {
    PageGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    g_strProgramFolder = PictureFolder();
    ViewQuaternion = kQuatIdentity;  // the top view
    g_nAxesMode = 0;
    renderer.OnSize(200, 150);
    tools.SetDocument(&doc);
  }
  void Click(int x, int y) {
    tools.OnLButtonDown({x, y, true});
    tools.OnLButtonUp({x, y});
  }

  CViewRenderer renderer;
  CKavrelDoc doc;  // not opened: the tools only mark it modified
  CGlSurfaceHooks Hooks() {
    CGlSurfaceHooks hooks;
    hooks.picture = [this] {
      renderer.RenderScene();
      return gl.ReadPixels();
    };
    return hooks;
  }
  CGlToolSurface surface{Hooks()};
  CMouseTools tools{surface};
};

TEST_F(GlTools, AClickInTheTopViewMakesAPointOnTheGrid) {
  g_bSnapToGrid = 1;
  g_nToolMode = 2;
  for (const auto& [k, m] : {std::pair{0, 0}, {1, 2}, {-3, -1}, {4, -3}, {2, 3}}) {
    Click(100 + 20 * k, 75 - 20 * m);
    const auto* point = dynamic_cast<CGVertex*>(page->m_cells.Lookup(static_cast<WORD>(page->m_nNextId - 1)));
    ASSERT_NE(point, nullptr) << k << ", " << m;
    EXPECT_EQ(std::vector<float>(point->m_vPos, point->m_vPos + 3), (std::vector<float>{float(k), float(m), 0}));
  }
}

TEST_F(GlTools, ABoxOverAThousandPointsSelectsThemAll) {
  // They fill the box, up to a few pixels from its edges.
  ASSERT_TRUE(ReserveVertexArray(1000));
  for (int i = 0; i < 1000; ++i) AddPoint(-4 + 0.2f * (i % 40), -3.2f + 0.26f * (i / 40), 0)->m_bLabelHidden = 1;
  g_nToolMode = 7;
  tools.OnLButtonDown({5, 5, true});
  tools.OnMouseMove({195, 145, true});
  tools.OnLButtonUp({195, 145});
  EXPECT_EQ(page->m_selAll.size(), 1000u);
  EXPECT_EQ(page->m_selPoints.size(), 1000u);
  EXPECT_EQ(g_nToolMode, 1);
}

TEST_F(GlTools, TheCopyBoxPictureHasTheBoxSizeAndNoBox) {
  g_nToolMode = 8;
  g_viewTool.step = 1;
  tools.OnLButtonDown({30, 20, true});
  tools.OnMouseMove({130, 70, true});
  tools.OnLButtonUp({130, 70});
  const QImage picture = Clipboard().Image();
  ASSERT_EQ(picture.size(), QSize(100, 50));
  // The box outline would lie on the picture's edges.
  for (const QPoint p : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 49), QPoint(50, 49), QPoint(99, 25)})
    EXPECT_EQ(QColor(picture.pixel(p)).name(), QStringLiteral("#ffffff")) << p.x() << ", " << p.y();
}

}  // namespace
