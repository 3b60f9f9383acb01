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

}  // namespace
