// Leaving out the points and segments that cannot be under the pointer
// must not change the pick: on a page of scattered points (some labelled),
// segments, vectors, rays and a face, in the three projections, turned and
// zoomed, with the pointer on points and anywhere, the pass over the region
// reports exactly the hits, in the same order, that the full pass reports.
#include "view/pickculling.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <random>

#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "math/mathglobals.h"
#include "model/drawing/pagedraw.h"
#include "model/vertexarray.h"
#include "render/glresources.h"
#include "render/projection.h"
#include "view/clickpick.h"
#include "view/pagetransform.h"
#include "view/viewrenderer.h"
#include "viewtestsupport.h"

namespace KAVREL_FILE_LOCAL {

class PickCulling : public PageGlTest {
 protected:
  QSize ViewSize() const override { return {200, 150}; }
  void SetUp() override {
    PageGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    renderer.OnSize(200, 150);
    ASSERT_TRUE(ReserveVertexArray(400));
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(-6, 6);
    std::vector<WORD> points;
    for (int i = 0; i < 300; ++i) {
      CGVertex* p = AddPoint(coordinate(random), coordinate(random), coordinate(random));
      p->m_bLabelHidden = i % 3 == 0 ? 0 : 1;
      points.push_back(p->m_nId);
    }
    const BYTE kinds[] = {kLineSegment, kLineVector, kLineRay, kLineFull};
    for (int i = 0; i + 1 < 120; i += 2) {
      auto* line = new CGLine(page->m_nNextId++, points[i], points[i + 1], kinds[(i / 2) % 4]);
      line->m_bLabelHidden = i % 4 == 0 ? 0 : 1;
      page->m_cells.SetAt(line->m_nId, line);
    }
    auto* face = new CGFace(page->m_nNextId++, points[200], points[201], points[202], 0x336699);
    page->m_cells.SetAt(face->m_nId, face);
  }

  // Window coordinates of a world point with the pass's model-view and the
  // mode's projection (no pick matrix).
  static bool WindowOf(const float* p, double& wx, double& wy) {
    double modelview[16], projection[16], wz;
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    ProjectionMatrix(g_nProjection, 200, 150, g_fUnitsPerPixel, projection);
    return gluProject(p[0], p[1], p[2], modelview, projection, g_nViewport, &wx, &wy, &wz) == GL_TRUE;
  }

  // Both passes under the pick matrix at pointer (x, y) of the 200 x 150 view.
  void Compare(int x, int y, int mode, const std::string& what) {
    glVertexPointer(3, GL_FLOAT, 0, g_pVertexArray);  // the array grew since the fixture set it
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPickMatrix(x, 150 - y, 10, 10, g_nViewport);
    SetProjection(g_nProjection);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    MultPageTransform();
    SetLabelPickVectors();
    const PickRegion region(x, 150 - y, 5, 5);
    const std::vector<PickHit> all = RunSelectionPass([mode] { DrawPageForPick(mode); });
    const std::vector<PickHit> some = RunSelectionPass([&] { DrawPageForPickInRegion(mode, region); });

    EXPECT_TRUE(all == some) << what << ": " << all.size() << " hits against " << some.size();
    hitsSeen += all.size();
  }

  void CompareEverywhere() {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> px(0, 199), py(0, 149);
    const Quaternion turns[] = {kQuatIdentity, QuatRotationX(-75), QuatRotationY(130)};
    for (int projection : {kProjCentral, kProjOrthographic, kProjOblique}) {
      g_nProjection = projection;
      renderer.OnSize(200, 150);
      for (const Quaternion& q : turns) {
        ViewQuaternion = q;
        for (float scale : {0.5f, 1.0f, 3.0f}) {
          g_fViewScale = scale;
          for (int mode : {0, 2, 3})
            for (int i = 0; i < 12; ++i) {
              // Half the pointers on a point, half anywhere.
              int x = px(random), y = py(random);
              const auto* target =
                  static_cast<const CGVertex*>(page->m_cells.Lookup(static_cast<WORD>(1 + i * 20)));
              double wx, wy;
              if (i % 2 == 0 && WindowOf(g_pVertexArray + 3 * target->VertexIndex, wx, wy)) {
                x = static_cast<int>(std::lround(wx));
                y = 150 - static_cast<int>(std::lround(wy));
              }
              Compare(x, y, mode,
                      "projection " + std::to_string(projection) + " scale " + std::to_string(scale) +
                          " mode " + std::to_string(mode) + " at " + std::to_string(x) + ", " +
                          std::to_string(y));
            }
        }
      }
    }
    EXPECT_GT(hitsSeen, 500u) << "the pointer met enough items to say something";
  }

  CViewRenderer renderer;
  std::size_t hitsSeen = 0;
};

TEST_F(PickCulling, KeepsEveryHitInOrder) {
  g_strProgramFolder = PictureFolder();
  ASSERT_TRUE(renderer.InitOpenGL());  // smooth points of 6 and lines of 2
  renderer.OnSize(200, 150);
  CompareEverywhere();
  renderer.Release();
}

TEST_F(PickCulling, RegionTests) {
  g_nProjection = kProjOrthographic;
  renderer.OnSize(200, 150);
  ViewQuaternion = kQuatIdentity;
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  MultPageTransform();
  const PickRegion region(120, 85, 5, 5);  // around world (1, 0.5)
  const float inside[3] = {1, 0.5f, 0}, beside[3] = {1.5f, 0.5f, 0};
  const float left[3] = {-3, 0.5f, 0}, right[3] = {4, 0.5f, 0};
  const float farLeft[3] = {-3, 2, 0}, farUp[3] = {-1, 3, 0};
  EXPECT_TRUE(region.MayHitPoint(inside));
  EXPECT_FALSE(region.MayHitPoint(beside)) << "10 pixels off";
  EXPECT_TRUE(region.MayHitSegment(left, right)) << "a segment across the region";
  EXPECT_FALSE(region.MayHitSegment(farLeft, farUp)) << "one whose box misses it";
  const float nan[3] = {std::nanf(""), 0, 0};
  EXPECT_TRUE(region.MayHitPoint(nan)) << "when in doubt, draw it";
}

}  // namespace
