// One page holding every ready-made solid and the solids over a face:
// saved, reopened and saved to the same bytes; kvdump lists every point of
// the reopened page where it stood.
#include <gtest/gtest.h>

#include "commands/solids/anchoredsolids.h"
#include "commands/solids/facesolids.h"
#include "commands/solids/presetsolids.h"
#include "commands/solids/revolutionsolids.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "platform/numberformat.h"

namespace KAVREL_FILE_LOCAL {

using PresetSolidsDocumentTest = DocumentFileTest;

TEST_F(PresetSolidsDocumentTest, EverySolidReopensWhereItStood) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  for (auto make : {OnCreateCuboid, OnCreateBox, OnCreateSolidParall, OnCreateSolidTetrahedron, OnCreateSolidFiveprism,
                    OnCreateSolidSixtrun, CreateRegularTetrahedron, OnCreateSolidPrism, OnCreateSolidPyramid,
                    OnCreateSolidTrun, OnCreateCylinder, OnCreateCone, OnCreatePlatform})
    make(doc);
  CreateCuboidXyz(doc, 0);
  CreateCuboidXyz(doc, 1);
  CreateRegularTriPyramid(doc, 0);
  CreateRegularTriPyramid(doc, 2);
  // A point and the tetrahedron's first face: the solids over a face.
  const WORD tetrahedronFace = 26 * 3 + 19 + 36 + 41 + 11;
  ASSERT_EQ(page.m_cells.Lookup(tetrahedronFace)->GetRuntimeClass()->m_lpszClassName, std::string("CGFace"));
  for (auto make : {OnCreateSolidPrism, OnCreateSolidPyramid}) {
    page.ClearSelection();
    page.SelectCell(3);
    page.SelectCell(tetrahedronFace);
    make(doc);
  }
  page.ClearSelection();
  ASSERT_EQ(page.m_undo.GetCount(), 19);

  QStringList expected;
  for (auto [id, cell] : page.m_cells) {
    if (!cell->IsKindOf(RUNTIME_CLASS(CGVertex))) continue;
    QStringList parents;
    for (WORD parent : cell->m_parents) parents << QString::number(parent);
    QStringList fields{QStringLiteral("cell"), QString::number(id), QString::fromLatin1(cell->GetRuntimeClass()->m_lpszClassName),
                       cell->m_strName, QStringLiteral("1"), parents.join(',')};
    for (float v : static_cast<const CGVertex*>(cell)->m_vPos) fields << FormatNumber("%.4f", v);
    expected << fields.join('\t');
  }
  ASSERT_EQ(expected.size(), 117);
  const QString listing = ReopenedListing(doc, QStringLiteral("presets.kv"));
  for (const QString& line : expected) EXPECT_TRUE(listing.contains(line + '\n')) << line.toStdString();
}

}  // namespace
