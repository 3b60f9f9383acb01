// Every kind of positioning diagram and the copies of a hull and of its
// section on one page: saved, reopened and saved to the same bytes.
#include <gtest/gtest.h>

#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfree.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/cgsection.h"
#include "cells/solids/convexhull.h"
#include "documenttestsupport.h"
#include "editing/dialogs/solids/staticdialog.h"
#include "model/cgpage.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/scripteddialogs.h"

namespace KAVREL_FILE_LOCAL {

using StaticDiagramsDocumentTest = DocumentFileTest;

TEST_F(StaticDiagramsDocumentTest, EveryKindAndBothCopiesReopenTheSame) {
  ScriptedDialogs* dialogs = InstallScriptedDialogs();
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  for (int kind = 0; kind < 15; ++kind) {
    CDlgStaticKavrel answer;
    answer.m_nKind = kind;
    answer.m_fCenterX = float(kind * 20);
    answer.m_fAxisX = 0.5f;
    dialogs->Ok(answer);
    ASSERT_TRUE(CommandRegistry().Run(ID_CREATE_STATICKAVREL)) << kind;
  }
  const size_t shapes = page.m_cells.size();
  // 26 + 38 + 26 + 38 + 13 + 14 + 26 + 26 + 62 + 62 + 2 + 5 + 4 + 5 + 5
  ASSERT_EQ(shapes, 352u);

  // A cube hull, cut halfway up by the plane of a face.
  auto* hull = new CGPolyhedron;
  hull->m_nId = page.m_nNextId++;
  Enter(page, hull);
  double corners[24];
  for (int k = 0; k < 8; ++k) {
    corners[3 * k] = k & 1;
    corners[3 * k + 1] = (k >> 1) & 1;
    corners[3 * k + 2] = k >> 2;
  }
  ASSERT_TRUE(BuildConvexHull(corners, 8, *hull));
  const size_t hullCells = hull->Points.size() + hull->Edges.size() + hull->Faces.size();
  std::vector<WORD> plane;
  for (const auto& [x, y] : {std::pair{-1.0f, -1.0f}, {3.0f, -1.0f}, {0.0f, 3.0f}})
    plane.push_back(
        Enter(page, new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, 0.5f))->m_nId);
  const WORD face = Enter(page, new CGFace(page.m_nNextId++, plane[0], plane[1], plane[2], 0))->m_nId;
  for (WORD id : plane) page.m_cells.Lookup(id)->Recalculate();
  page.m_cells.Lookup(face)->Recalculate();
  auto* section = Enter(page, new CGSection(page.m_nNextId++, hull->m_nId, face));
  ASSERT_EQ(section->Polygon.size(), 4u);
  for (WORD copied : {hull->m_nId, section->m_nId}) {
    page.ClearSelection();
    page.SelectCell(copied);
    ASSERT_TRUE(CommandRegistry().Run(ID_CREATE_STATICKAVREL));
  }
  ASSERT_EQ(page.m_cells.size(), shapes + 6 + hullCells + 9);

  const QString listing = ReopenedListing(doc, QStringLiteral("static.kv"));
  EXPECT_TRUE(listing.contains(QStringLiteral("\tCGFrustum\t"))) << listing.toStdString();
}

}  // namespace
