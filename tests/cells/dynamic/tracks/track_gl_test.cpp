// Tracks on a headless GL context: a fan of real segments drawn at every
// depth of drawing leaves the driver, the chain and the vertex array as
// they were.
#include "../../celldrawtestsupport.h"
#include "../../celltestsupport.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/tracks/track.h"
#include "cells/primitives/cgverfreeinline.h"
#include "model/globals.h"
#include "model/vertexarray.h"

namespace KAVREL_FILE_LOCAL {

using TrackDrawing = CellGlTest;

TEST_F(TrackDrawing, EveryDepthLeavesThePageAsItWas) {
  UseVertexArray();
  // A(8, 8) fixed; P runs along the line from (8, 56) to (56, 56); the
  // segment AP and its midpoint M are drawn at every step.
  const WORD a = Point(8, 8, 0)->m_nId;
  const WORD l0 = Point(8, 56, 0)->m_nId, l1 = Point(56, 56, 0)->m_nId;
  auto* rail = new CGLine(page->m_nNextId++, l0, l1, kLineSegment);
  rail->m_bHidden = 1;
  page->m_cells.SetAt(rail->m_nId, rail);
  auto* p = new CGVerFreeInLine(page->m_nNextId++, page->m_nNextVertex++, QStringLiteral("P"), rail->m_nId, 0.5f);
  page->m_cells.SetAt(p->m_nId, p);
  auto* ap = new CGLine(page->m_nNextId++, a, p->m_nId, kLineSegment);
  page->m_cells.SetAt(ap->m_nId, ap);
  auto* m = new CGVerMid(page->m_nNextId++, page->m_nNextVertex++, QStringLiteral("M"), ap->m_nId);
  page->m_cells.SetAt(m->m_nId, m);
  auto* track = new CGTrack(page->m_nNextId++, {p->m_nId, ap->m_nId, m->m_nId}, {0, 1, 1}, 0, 0, 1, 0.25f, 0, 1);
  page->m_cells.SetAt(track->m_nId, track);

  const auto records = [&] {
    QByteArray bytes;
    for (CGCell* cell : std::initializer_list<CGCell*>{p, ap, m}) bytes += StoreCell(*cell);
    return bytes + QByteArray(reinterpret_cast<const char*>(g_pVertexArray),
                              static_cast<int>(3 * sizeof(float) * g_nVertexCapacity));
  };
  const QByteArray before = records();
  for (BYTE depth : {0, 1, 2}) {
    track->m_nSubKind = depth;
    track->DrawFill();
    track->DrawDepthOnly();
    track->DrawVisibleEdges();
    track->DrawHiddenEdges();
    track->Draw();
    track->DrawLit();
    track->DrawTranslucent();
    EXPECT_EQ(records(), before) << int(depth);
  }
}

TEST_F(TrackDrawing, APickHitsTheTrackByItsNameWhereItsPassesDraw) {
  UseVertexArray();
  enum Drawn { kEdge, kFace };
  const struct Row {
    const char* what;
    int mode;
    BYTE depth;
    Drawn drawn;
    BYTE faceStyle;
    bool hit;
  } rows[] = {
      {"an edge", 3, 0, kEdge, 0, true},
      {"an edge, pick mode 4", 4, 0, kEdge, 0, true},
      {"an edge, pick mode 2", 2, 0, kEdge, 0, false},
      {"a filled face without fill", 3, 0, kFace, kFaceFilled, false},
      {"a filled face with fill", 3, 1, kFace, kFaceFilled, true},
      {"a filled face when lit", 3, 2, kFace, kFaceFilled, false},
      {"a lit face when lit", 3, 2, kFace, kFaceLit, true},
      {"a translucent face when lit", 3, 2, kFace, kFaceTranslucent, true},
      {"a lit face with fill", 3, 1, kFace, kFaceLit, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    // P runs along y = 56 from x = 8 to 56; AB is the segment along y = 8
    // and ABP the triangle over both, which holds (30, 20) all the way.
    const WORD a = Point(8, 8, 0)->m_nId, b = Point(56, 8, 0)->m_nId;
    const WORD l0 = Point(8, 56, 0)->m_nId, l1 = Point(56, 56, 0)->m_nId;
    auto* rail = new CGLine(page->m_nNextId++, l0, l1, kLineSegment);
    rail->m_bHidden = 1;
    page->m_cells.SetAt(rail->m_nId, rail);
    auto* p = new CGVerFreeInLine(page->m_nNextId++, page->m_nNextVertex++, QStringLiteral("P"), rail->m_nId, 0.5f);
    p->m_bHidden = 1;
    page->m_cells.SetAt(p->m_nId, p);
    CGCell* drawn = nullptr;
    if (row.drawn == kEdge) {
      drawn = new CGLine(page->m_nNextId++, a, b, kLineSegment);
    } else {
      drawn = new CGFace(page->m_nNextId++, {a, b, p->m_nId}, 0);
      drawn->m_nStyle = row.faceStyle;
    }
    drawn->m_bLabelHidden = 1;
    page->m_cells.SetAt(drawn->m_nId, drawn);
    auto* track = new CGTrack(page->m_nNextId++, {p->m_nId, drawn->m_nId}, {0, 1}, 0, 0, 1, 0.25f, row.depth, 0);
    page->m_cells.SetAt(track->m_nId, track);
    const int x = 30, y = row.drawn == kEdge ? 8 : 20;
    const Names want = row.hit ? Names{{9, track->m_nId}} : Names{};
    EXPECT_EQ(Pick(*track, row.mode, x, y, gl.Width(), gl.Height()), want);
    track->m_bHidden = 1;
    EXPECT_EQ(Pick(*track, row.mode, x, y, gl.Width(), gl.Height()), Names{}) << "hidden";
  }
}

}  // namespace
