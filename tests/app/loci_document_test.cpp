// A locus, a curve and points on them in a document: saved, reopened
// (which samples them again) and saved to the same bytes, with kvdump
// listing their sample counts.
#include <gtest/gtest.h>

#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/paths/pathpoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinline.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "model/vertexarray.h"

namespace KAVREL_FILE_LOCAL {

using LociDocumentTest = DocumentFileTest;

TEST_F(LociDocumentTest, LocusAndCurveReopenTheSame) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  ReserveVertexArray(8);
  const auto point = [&page]<class T>(T* cell) { return Enter(page, cell)->m_nId; };
  const WORD circle = Enter(page, new CGArc(page.m_nNextId++, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, kArcFullTurn, kArcCircle))->m_nId;
  const WORD p = point(new CGVerFreeInCircle(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), circle, 0.7f));
  const WORD a = point(new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), 4, 0, 0));
  const WORD ap = Enter(page, new CGLine(page.m_nNextId++, a, p, kLineSegment))->m_nId;
  const WORD q = point(new CGVerFreeInLine(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), ap, 0.5f));
  auto* locus = Enter(page, new CGLocus(page.m_nNextId++, p, q, 0, 6.2831f));
  locus->SetHueOn(true);
  locus->SampleCount = 0;
  locus->Recalculate();
  point(new CGVerFreeInLocus(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), locus->m_nId, 2));
  auto* curve = Enter(page, new CGCurve(page.m_nNextId++, {}, "2", "t", "0", "0", "6.283185307", 0.1f, 1, 0, {}));
  point(new CGVerFreeInCurve(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), curve->m_nId, 1));
  page.RebuildVertexArray();

  const QByteArray saved = Bytes(doc);
  const QString first = WriteFile(QStringLiteral("loci.kv"), saved);
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(first, true)) << Shown().toStdString();
  EXPECT_EQ(Bytes(reopened).toHex(), saved.toHex());
  const auto* loaded = dynamic_cast<CGLocus*>(g_pCurPage->m_cells.Lookup(locus->m_nId));
  ASSERT_NE(loaded, nullptr);
  EXPECT_TRUE(loaded->m_bDefined && loaded->SampleCount == 630 && loaded->SampleColors.size() == 4 * 630 + 3);
  EXPECT_EQ(g_pCurPage->m_cells.Lookup(p)->m_fValue, 0.7f) << "the driver is put back";
  const QString listing = KvdumpListing(first);
  EXPECT_TRUE(listing.contains(QString::fromUtf8("\tCGLocus\t轨迹\t1\t%1,%2,%3\t630\n").arg(p).arg(ap).arg(q)) &&
              listing.contains(QStringLiteral("\tCGCurve\tt\t1\t\t64\n")) &&
              listing.contains(QStringLiteral("\tCGVerFreeInLocus\t")) &&
              listing.contains(QStringLiteral("\tCGVerFreeInCurve\t")))
      << listing.toStdString();
}

}  // namespace
