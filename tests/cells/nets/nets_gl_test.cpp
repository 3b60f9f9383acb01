// Nets and cuts drawn headless: the net spread out and folded up, nothing
// for t below 0, picking, and the deep net's one message.
#include <GL/gl.h>

#include <cmath>
#include <numbers>

#include "../celldrawtestsupport.h"
#include "netstestsupport.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/cgsplit.h"
#include "model/drawing/pagedraw.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {

const QRgb kRed = qRgb(255, 0, 0);

class NetDrawing : public CellGlTest {
 protected:
  // The cube [24, 40]^2 x [0, 16], hidden, and its net in plain red lines.
  CGFold* CubeNet() {
    Points corners;
    for (int i = 0; i < 8; ++i) corners.insert(corners.end(), {i & 1 ? 40.0 : 24.0, i & 2 ? 40.0 : 24.0, i & 4 ? 16.0 : 0.0});
    auto* hull = new CGPolyhedron;
    EXPECT_TRUE(BuildConvexHull(corners.data(), 8, *hull));
    hull->m_nId = page->m_nNextId++;
    hull->m_bHidden = 1;
    page->m_cells.SetAt(hull->m_nId, hull);
    auto* net = new CGFold(page->m_nNextId++, hull->m_nId, "net", kHullAutoDashed, CGFold::kLevelByLevel);
    net->m_rgbaColor = RGBA{255, 0, 0, 255};
    page->m_cells.SetAt(net->m_nId, net);
    return net;
  }
  // Red pixels outside the cube's footprint.
  int RedAround() {
    ViewState();
    DrawPageCells();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    const QImage image = gl.ReadPixels();
    int n = 0;
    for (int y = 0; y < gl.Height(); ++y)
      for (int x = 0; x < gl.Width(); ++x)
        if ((x < 22 || x > 42 || y < 22 || y > 42) && At(image, x, y) == kRed) ++n;
    return n;
  }
  SeamRecorders seams;
};

TEST_F(NetDrawing, SpreadOutAtOneFoldedUpAtTheEndNothingBelowZero) {
  CGFold* net = CubeNet();
  EXPECT_GT(RedAround(), 100);
  net->m_fValue = 3;
  EXPECT_EQ(RedAround(), 0);
  net->m_fValue = -0.5f;
  EXPECT_EQ(RedAround(), 0);
  net->m_fValue = 1;
  const Names names = Pick(*net, 3, 32, 32, gl.Width(), gl.Height());
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names[0], (std::vector<GLuint>{11, net->m_nId}));
  page->m_bThreeView = 1;
  EXPECT_TRUE(Pick(*net, 3, 32, 32, gl.Width(), gl.Height()).empty());
}

// Deeper than the model-view stack: the message once per build, and the
// net still drawn whole (the corners are placed without the stack).
TEST_F(NetDrawing, DeepNetWarnsOnceAndStillDraws) {
  const Points p = FibonacciSphere(32, 32);
  auto* hull = new CGPolyhedron;
  ASSERT_TRUE(BuildConvexHull(p.data(), 480, *hull));
  hull->m_nId = page->m_nNextId++;
  page->m_cells.SetAt(hull->m_nId, hull);
  auto* net = new CGFold(page->m_nNextId++, hull->m_nId, "net", kHullAutoDashed, CGFold::kLevelByLevel);
  page->m_cells.SetAt(net->m_nId, net);
  GLint stack = 0;
  glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &stack);
  const std::vector<QString> expected =
      net->DeepestLevel >= stack - 2 ? std::vector<QString>{QStringLiteral("矩阵栈已满，显示可能不正常！")}
                                      : std::vector<QString>{};
  EXPECT_EQ(seams.notifier->Texts(), expected);
  net->m_fValue = float(net->DeepestLevel + 1);
  ViewState();
  DrawPageCells();
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  GLint depth = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
}

TEST_F(NetDrawing, CutPiecesArePickedAsTheCut) {
  Points corners;
  for (int i = 0; i < 8; ++i) corners.insert(corners.end(), {i & 1 ? 40.0 : 24.0, i & 2 ? 40.0 : 24.0, i & 4 ? 8.0 : -8.0});
  auto* hull = new CGPolyhedron;
  ASSERT_TRUE(BuildConvexHull(corners.data(), 8, *hull));
  hull->m_nId = page->m_nNextId++;
  page->m_cells.SetAt(hull->m_nId, hull);
  auto* cut = new CGSplit(page->m_nNextId++, hull->m_nId, 1, 0, 2.0);
  page->m_cells.SetAt(cut->m_nId, cut);
  EXPECT_TRUE(Pick(*cut, 3, 32, 32, gl.Width(), gl.Height()).empty());  // no piece yet
  cut->m_fValue = 0.5f;
  cut->ApplyParameter();
  EXPECT_TRUE(hull->CutCovers);
  const Names names = Pick(*cut, 3, 32, 32, gl.Width(), gl.Height());
  ASSERT_FALSE(names.empty());
  EXPECT_EQ(names[0], (std::vector<GLuint>{11, cut->m_nId}));
}

}  // namespace
