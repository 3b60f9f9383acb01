// Built solids, a table and face-overlap points in a document: saved,
// reopened and saved to the same bytes, kvdump listing the same places.
#include <gtest/gtest.h>

#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfree.h"
#include "cells/solids/faceoverlap.h"
#include "cells/solids/solidbuilders.h"
#include "cells/solids/tablebuilder.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"

namespace KAVREL_FILE_LOCAL {

using BuiltSolidsDocumentTest = DocumentFileTest;

TEST_F(BuiltSolidsDocumentTest, PrismFrustumTableAndOverlapReopenTheSame) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  auto point = [&page](float x, float y, float z) {
    auto* p = new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, z);
    page.m_cells.SetAt(p->m_nId, p);
    return p->m_nId;
  };
  auto square = [&](float x, float y) {
    const std::vector<WORD> corners{point(x, y, 0), point(x + 2, y, 0), point(x + 2, y + 2, 0), point(x, y + 2, 0)};
    auto* f = new CGFace(page.m_nNextId++, corners, 0x00808080);
    page.m_cells.SetAt(f->m_nId, f);
    return f->m_nId;
  };
  const WORD a = square(0, 0), b = square(1, 1);
  ASSERT_EQ(BuildPrism(point(1, 1, 3), a), 16);
  ASSERT_EQ(BuildFrustum(point(2, 2, 4), b), 18);
  ASSERT_EQ(BuildTable(2, 3, 0, -10, 10, nullptr, nullptr), 5 * 6 + 10 + 2);
  auto* first = new CGVerOverlayFaceFirst(page.m_nNextId++, page.m_nNextVertex++, QStringLiteral("1"), a, b);
  page.m_cells.SetAt(first->m_nId, first);
  auto* corner = new CGVerFIF(page.m_nNextId++, page.m_nNextVertex++, QStringLiteral("3"), first->m_nId, 2);
  page.m_cells.SetAt(corner->m_nId, corner);
  page.RebuildVertexArray();

  const QString listing = ReopenedListing(doc, QStringLiteral("solids.kv"));
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(folder.filePath(QStringLiteral("solids.kv")), true));
  const auto* loaded = dynamic_cast<CGVerOverlayFaceFirst*>(g_pCurPage->m_cells.Lookup(first->m_nId));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Polygon.size(), 4u) << "found again on loading";
  const char* lines[] = {
      "\tCGVerTranslate\tB1\t1\t2,1,11\t3.0000\t1.0000\t3.0000\n",  // B + (P - A)
      "\tCGVerFreeInLine\tE1\t1\t29\t1.5000\t1.5000\t2.0000\n",     // halfway from S to E
      "\tCGButnSHide\t显示控位点\t1\t47,48,50,52,54,56,62,67,72,77,82,87\t2\n",  // origin, 3 + 2 handles, 6 cells
      "\tCGVerOverlayFaceFirst\t1\t1\t5,10\t1.0000\t1.0000\t0.0000\n",
      "\tCGVerFIF\t3\t1\t89\t2.0000\t2.0000\t0.0000\n",
  };
  for (const char* line : lines) EXPECT_TRUE(listing.contains(QString::fromUtf8(line))) << line << listing.toStdString();
}

}  // namespace
