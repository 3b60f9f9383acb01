// A track in a document: saved, reopened and saved to the same bytes, with
// kvdump listing its copies per pass; a record naming a drawn position
// beyond its parents fails the open.
#include <gtest/gtest.h>

#include "cells/dynamic/tracks/track.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "model/vertexarray.h"

namespace KAVREL_FILE_LOCAL {

using TracksDocumentTest = DocumentFileTest;

TEST_F(TracksDocumentTest, ATrackReopensTheSame) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  ReserveVertexArray(8);
  const auto point = [&page]<class T>(T* cell) { return Enter(page, cell)->m_nId; };
  const WORD circle = Enter(page, new CGArc(page.m_nNextId++, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, kArcFullTurn, kArcCircle))->m_nId;
  const WORD p = point(new CGVerFreeInCircle(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), circle, 0.7f));
  const WORD a = point(new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), 4, 0, 0));
  const WORD ap = Enter(page, new CGLine(page.m_nNextId++, a, p, kLineSegment))->m_nId;
  auto* track = Enter(page, new CGTrack(page.m_nNextId++, {p, a, ap}, {1, 0, 1}, 0, 0, 6.2831855f, 0.05235988f, 2, 1));
  page.RebuildVertexArray();

  const QByteArray saved = Bytes(doc);
  const QString first = WriteFile(QStringLiteral("track.kv"), saved);
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(first, true)) << Shown().toStdString();
  EXPECT_EQ(Bytes(reopened).toHex(), saved.toHex());
  const auto* loaded = dynamic_cast<CGTrack*>(g_pCurPage->m_cells.Lookup(track->m_nId));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->DrawnParents, (std::vector<WORD>{0, 2}));
  const QString listing = KvdumpListing(first);
  EXPECT_TRUE(listing.contains(QString::fromUtf8("\tCGTrack\t形迹\t1\t%1,%2,%3\t120\n").arg(p).arg(a).arg(ap)))
      << listing.toStdString();
}

}  // namespace
