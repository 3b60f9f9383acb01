// Every ready-made plane shape, preset and on selected points, and the
// inscribed polygons on one page: saved, reopened and saved to the same
// bytes, kvdump listing the same places.
#include <gtest/gtest.h>

#include "cells/primitives/cgverfree.h"
#include "documenttestsupport.h"
#include "editing/dialogs/inputdialogs.h"
#include "model/cgpage.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/scripteddialogs.h"

namespace KAVREL_FILE_LOCAL {

using PlaneShapesDocumentTest = DocumentFileTest;

TEST_F(PlaneShapesDocumentTest, EveryVariantReopensTheSame) {
  ScriptedDialogs* dialogs = InstallScriptedDialogs();
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  const auto point = [&page](float x, float y, float z) {
    return Enter(page, new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, z))->m_nId;
  };
  const WORD p1 = point(1, 2, 0), p2 = point(7, 3, 0), p3 = point(8, 9, 1);
  const unsigned commands[] = {ID_CREATE_PLANE_EQUILATERAL, ID_CREATE_PLANE_SQUARE, ID_CREATE_PLANE_RECT,
                               ID_CREATE_PLANE_FIVE,        ID_CREATE_PLANE_SIX,    ID_CREATE_PLANE_ISOCELES,
                               ID_CREATE_PLANE_PARALL,      ID_CREATE_RIGHTTRIANGLE, ID_CREATE_PLANE_POLY};
  for (unsigned command : commands) {
    page.ClearSelection();
    ASSERT_TRUE(CommandRegistry().Run(command)) << command << " preset";
    const std::vector<WORD> on = command == ID_CREATE_PLANE_PARALL ? std::vector<WORD>{p1, p2, p3}
                                                                   : std::vector<WORD>{p1, p2};
    if (command == ID_CREATE_PLANE_POLY) continue;
    for (WORD id : on) page.SelectCell(id);
    ASSERT_TRUE(CommandRegistry().Run(command)) << command << " on points";
  }
  // The last cells are the edges of the triangle in its circle.
  WORD circle = 0;
  for (auto [id, cell] : page.m_cells)
    if (cell->m_strName == QStringLiteral("c2")) circle = id;
  ASSERT_NE(circle, 0);
  page.ClearSelection();
  page.SelectCell(circle);
  CDlgNumber answer;
  answer.m_nCount = 7;
  dialogs->Ok(answer);
  ASSERT_TRUE(CommandRegistry().Run(ID_CREATE_PLANE_POLY));
  // 3 points, the presets 77 cells, the shapes on points 53, the polygons 7 and 14.
  ASSERT_EQ(page.m_cells.size(), 154u);

  const QString listing = ReopenedListing(doc, QStringLiteral("shapes.kv"));
  // Every stored number is finite: the document loads again.
  EXPECT_TRUE(listing.contains(QString::fromUtf8("\tCGVerTranslate\tC\t1\t"))) << listing.toStdString();
  EXPECT_TRUE(listing.contains(QString::fromUtf8("\tCGVerFree2dHenchman\tB\t1\t"))) << listing.toStdString();
}

// On coincident points the constructed vertices are undefined, and the
// page still stores only numbers a load accepts.
TEST_F(PlaneShapesDocumentTest, ShapesOnCoincidentPointsReopen) {
  InstallScriptedDialogs();
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  std::vector<WORD> same;
  for (int i = 0; i < 3; ++i)
    same.push_back(Enter(page, new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), 2, 2, 2))->m_nId);
  for (unsigned command : {ID_CREATE_PLANE_EQUILATERAL, ID_CREATE_PLANE_SQUARE, ID_CREATE_PLANE_RECT,
                           ID_CREATE_PLANE_FIVE, ID_CREATE_PLANE_SIX, ID_CREATE_PLANE_ISOCELES,
                           ID_CREATE_PLANE_PARALL, ID_CREATE_RIGHTTRIANGLE}) {
    page.ClearSelection();
    for (size_t i = 0; i < (command == ID_CREATE_PLANE_PARALL ? 3u : 2u); ++i) page.SelectCell(same[i]);
    ASSERT_TRUE(CommandRegistry().Run(command)) << command;
  }
  ReopenedListing(doc, QStringLiteral("coincident.kv"));
}

}  // namespace
