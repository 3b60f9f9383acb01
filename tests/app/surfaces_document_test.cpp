// A parametric surface in a document: saved, reopened (which samples it
// again) and saved to the same bytes, its pictures stored with it, and
// kvdump listing its column and row counts.
#include <gtest/gtest.h>

#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/surfaces/surface.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"

namespace KAVREL_FILE_LOCAL {

using SurfacesDocumentTest = DocumentFileTest;

TEST_F(SurfacesDocumentTest, ASurfaceReopensTheSameAndIsListed) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  auto* r = Enter(page, new CGTmVarParameter(page.m_nNextId++, QStringLiteral("r"), 5));
  auto* s = Enter(page, new CGSurface(page.m_nNextId++, {r->m_nId}, "No1", "u", "v", "0", "2*pi", "-8", "8", 0, 2, 1,
                                      0, 2, 0.2, 1.0, 1, 0, 0, 0, 1, 0));
  ASSERT_TRUE(s->m_bDefined);
  const WORD parent = r->m_nId;
  // Reopened, the surface is sampled again: defined, 33 columns, 18 rows.
  const QString listing = ReopenedListing(doc, QStringLiteral("surface.kv"));
  EXPECT_TRUE(listing.contains(QStringLiteral("\tCGSurface\t\t1\t%1\t33\t18\n").arg(parent))) << listing.toStdString();
}

}  // namespace
