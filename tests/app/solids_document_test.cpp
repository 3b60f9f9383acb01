// A document with a convex hull and its section by a face: saved, opened
// and saved again byte for byte, and listed by kvdump.
#include <gtest/gtest.h>


#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfree.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/cgsection.h"
#include "cells/solids/convexhull.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "model/vertexarray.h"

namespace KAVREL_FILE_LOCAL {

class SolidsDocumentTest : public DocumentFileTest {
 protected:
  // Corners A to H of the cube 0..2, their hull, free points D', E', F' at
  // height 1 and their face, and the section of the hull by the face.
  void Build(CKavrelDoc& doc) {
    doc.OnNewDocument();
    CGPage& page = *doc.m_pages.front();
    ReserveVertexArray(20);
    std::vector<double> corners;
    for (int i = 0; i < 8; ++i) {
      const float x = float(2 * (i & 1)), y = float(i & 2), z = float((i & 4) / 2);
      Enter(page, new CGVertex(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, z));
      corners.insert(corners.end(), {x, y, z});
    }
    auto* hull = new CGPolyhedron;
    ASSERT_TRUE(BuildConvexHull(corners.data(), 8, *hull));
    hull->m_nId = page.m_nNextId++;
    hullId = Enter(page, hull)->m_nId;
    std::vector<WORD> def;
    for (auto [x, y] : {std::pair{-1.0f, -1.0f}, {4.0f, -1.0f}, {-1.0f, 4.0f}})
      def.push_back(Enter(page, new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, 1))->m_nId);
    const WORD face = Enter(page, new CGFace(page.m_nNextId++, def, 0x00336699))->m_nId;
    sectionId = Enter(page, new CGSection(page.m_nNextId++, hullId, face))->m_nId;
    page.RebuildVertexArray();
  }
  WORD hullId = 0, sectionId = 0;
};

TEST_F(SolidsDocumentTest, SavedOpenedAndSavedAgainByteForByte) {
  CKavrelDoc doc;
  Build(doc);
  const QByteArray written = Bytes(doc);
  const QString path = WriteFile(QStringLiteral("hull.kv"), written);
  CKavrelDoc opened;
  ASSERT_TRUE(opened.OnOpenDocument(path, true)) << Shown().toStdString();
  const auto* section = dynamic_cast<const CGSection*>(opened.m_pages[0]->m_cells.Lookup(sectionId));
  ASSERT_TRUE(section && section->m_bDefined);
  EXPECT_EQ(section->Polygon.size(), 4u);  // recomputed after loading
  EXPECT_EQ(Bytes(opened).toHex(), written.toHex());

  const QString out = KvdumpListing(path);
  EXPECT_TRUE(out.contains(QStringLiteral("\tCGPolyhedron\t\t1\t\t8\t12\t6\n"))) << out.toStdString();
  EXPECT_TRUE(out.contains(QStringLiteral("\tCGSection\t面与体截面图\t1\t9,13\t4\n"))) << out.toStdString();
}

}  // namespace
