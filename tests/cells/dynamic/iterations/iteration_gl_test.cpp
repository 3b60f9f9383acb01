// Iterations on a headless GL context: the level colours where the copies
// lie, the own-colour switch put back, and what picks the iteration.
#include "../../celldrawtestsupport.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/constructed/scalings.h"
#include "cells/dynamic/iterations/iteration.h"
#include "model/drawing/pagedraw.h"
#include "model/globals.h"
#include "render/glfontlists.h"
#include "view/pickculling.h"

namespace KAVREL_FILE_LOCAL {

// A chain cell that counts the copies made of it.
class Counted : public CGCell {
 public:
  void Recalculate() override { ++recalcs; }
  long long recalcs = 0;
};

class IterationDrawing : public CellGlTest {
 protected:
  // A(8, 32.5), B(56, 32.5), the line AB, its midpoint M and the segment
  // AM; the iteration A -> A, B -> M at depth 2.  M is the line's own
  // midpoint, or B scaled from A by one half, as the ribbon makes it from
  // two selected points.
  CGIterate* Midpoints(bool scaled = false) {
    const WORD a = Point(8, 32.5f, 0)->m_nId, b = Point(56, 32.5f, 0)->m_nId;
    auto* ab = new CGLine(page->m_nNextId++, a, b, kLineSegment);
    page->m_cells.SetAt(ab->m_nId, ab);
    const WORD id = page->m_nNextId++;
    const int slot = page->m_nNextVertex++;
    CGVertex* m = scaled ? static_cast<CGVertex*>(new CGVerScale(id, slot, QStringLiteral("M"), b, a, 0.5f))
                         : new CGVerMid(id, slot, QStringLiteral("M"), ab->m_nId);
    m->m_bHidden = 1;
    page->m_cells.SetAt(m->m_nId, m);
    auto* am = new CGLine(page->m_nNextId++, a, m->m_nId, kLineSegment);
    page->m_cells.SetAt(am->m_nId, am);
    std::vector<std::vector<WORD>> arrays{{a, b}, {a, m->m_nId}};
    auto* iteration = new CGIterate(page->m_nNextId++, 2, 2, 2, arrays);
    page->m_cells.SetAt(iteration->m_nId, iteration);
    return iteration;
  }
  QRgb At(const QImage& image, int x, int y) const { return image.pixel(x, gl.Height() - 1 - y); }
  void ExpectHueLevels(CGIterate& iteration);
  // An empty page, current, on a cleared frame.
  void FreshPage() {
    auto fresh = std::make_unique<CGPage>();
    SetCurrentPage(fresh.get());
    page = std::move(fresh);
    ViewState();
  }
};

TEST_F(IterationDrawing, HueStyleColoursEachLevelAndGivesTheColoursBack) {
  for (bool scaled : {false, true}) {
    SCOPED_TRACE(scaled ? "scaled point" : "midpoint of the line");
    FreshPage();
    ExpectHueLevels(*Midpoints(scaled));
  }
}

void IterationDrawing::ExpectHueLevels(CGIterate& iteration) {
  UseVertexArray();
  iteration.m_nStyle = 1;
  iteration.DrawVisibleEdges();
  EXPECT_TRUE(g_bOwnColors) << "the cells choose their colours again";
  const QImage image = gl.ReadPixels();
  // Level 1 (hue 2/3, blue) copies AB to A..M, level 2 (hue 1/3, green) to
  // A..A + AB/4, drawn over it.
  const QRgb level1 = At(image, 8 + 18, 32), level2 = At(image, 8 + 9, 32);
  EXPECT_TRUE(qBlue(level1) > 200 && qRed(level1) < 60 && qGreen(level1) < 60) << std::hex << level1;
  EXPECT_TRUE(IsGreen(level2)) << std::hex << level2;
  EXPECT_TRUE(IsWhite(At(image, 8 + 36, 32))) << "nothing beyond M: the original lines are not the copies";
}

TEST_F(IterationDrawing, PicksByCopiesTableAndLabel) {
  UseVertexArray();
  CGIterate* iteration = Midpoints();
  const GLuint id = iteration->m_nId;
  iteration->m_vLabelAnchor[0] = 4;
  iteration->m_vLabelAnchor[1] = 12;
  iteration->m_bLabelHidden = 0;
  EXPECT_EQ(Pick(*iteration, 3, 20, 32, gl.Width(), gl.Height()), (Names{{7, id}})) << "a copy";
  EXPECT_EQ(Pick(*iteration, 2, 20, 32, gl.Width(), gl.Height()), Names{}) << "not in mode 2";
  EXPECT_EQ(Pick(*iteration, 3, 44, 32, gl.Width(), gl.Height()), Names{}) << "beyond the copies";
  EXPECT_EQ(Pick(*iteration, 3, 6, 12, gl.Width(), gl.Height()), (Names{{3, id}})) << "the label";
  // The table, from below the label to its right edge, while it is shown.
  iteration->m_table.push_back(iteration->m_chain.front());
  iteration->m_bTableShown = 1;
  iteration->m_fTableRight = 30;
  const int lineHeight = g_nTextLineHeight;
  g_fUnitsPerPixel = 1;
  g_nTextLineHeight = 4;
  EXPECT_EQ(Pick(*iteration, 3, 25, 9, gl.Width(), gl.Height()), (Names{{7, id}})) << "the table";
  iteration->m_bSolidLinesOnly = 1;
  EXPECT_EQ(Pick(*iteration, 3, 25, 9, gl.Width(), gl.Height()), (Names{{7, id}})) << "the table with solid lines";
  iteration->m_bTableShown = 0;
  EXPECT_EQ(Pick(*iteration, 3, 25, 9, gl.Width(), gl.Height()), Names{});
  g_nTextLineHeight = lineHeight;
  iteration->m_bHidden = 1;
  EXPECT_EQ(Pick(*iteration, 3, 6, 12, gl.Width(), gl.Height()), Names{}) << "hidden";
}

// A deep iteration over a counted cell, and another over the same source
// that draws the deep one with each of its hundred copies: however many
// passes and copies ask for the deep one's copies, one drawing, picking or
// trace capture of the page makes no more of them than the frame's budget,
// and the next one as many.
TEST_F(IterationDrawing, ADrawingOfThePageIsOneFrameForTheCopies) {
  UseVertexArray();
  const WORD a = Point(0, 0, 0)->m_nId;
  auto* counted = new Counted;
  counted->m_nId = page->m_nNextId++;
  counted->m_parents = {a};
  page->m_cells.Lookup(a)->m_children.push_back(counted->m_nId);
  page->m_cells.SetAt(counted->m_nId, counted);
  const auto iterate = [this, a](int depth) {
    std::vector<std::vector<WORD>> arrays{{a}, {Point(static_cast<float>(depth), 0, 0)->m_nId}};
    auto* iteration = new CGIterate(page->m_nNextId++, 1, 1, depth, arrays);
    page->m_cells.SetAt(iteration->m_nId, iteration);
    return iteration;
  };
  const CGIterate* deep = iterate(CGIterate::kDepthLimit);
  const CGIterate* shallow = iterate(100);
  ASSERT_EQ(shallow->m_drawn, (std::vector<WORD>{counted->m_nId, deep->m_nId}));
  const struct Row { const char* what; void (*walk)(); } rows[] = {
      {"drawn", [] { DrawPageCells(); }},
      {"picked", [] { DrawPageForPick(3); }},
      {"picked in a region", [] { DrawPageForPickInRegion(3, PickRegion(0, 0, 1000, 1000)); }},
      {"traced whole", [] {
         g_pCurPage->m_bFullTrace = 1;
         DrawTraceLayer();
       }},
  };
  for (const Row& row : rows) {
    for (int frame = 0; frame < 2; ++frame) {
      counted->recalcs = 0;
      row.walk();
      // The deep one's copies, the other's, and the cells put back.
      EXPECT_GE(counted->recalcs, CGIterate::kFrameCopyBudget) << row.what << ", frame " << frame;
      EXPECT_LE(counted->recalcs, CGIterate::kFrameCopyBudget + 2000) << row.what << ", frame " << frame;
    }
  }
}

}  // namespace
