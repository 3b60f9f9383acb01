// A document with a hull, its net and button, a section and a stepwise cut
// with its button: saved, opened and saved again byte for byte, the net
// rebuilt on loading, and listed by kvdump; a hull stored hidden by its
// running cut opens shown.
#include <gtest/gtest.h>

#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfree.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/cgsection.h"
#include "cells/solids/convexhull.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/cgsplit.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace KAVREL_FILE_LOCAL {

class NetsDocumentTest : public DocumentFileTest {
 protected:
  void Build(CKavrelDoc& doc) {
    doc.OnNewDocument();
    CGPage& page = *doc.m_pages.front();
    ReserveVertexArray(20);
    const double cube[] = {0, 0, 0, 2, 0, 0, 2, 2, 0, 0, 2, 0, 0, 0, 2, 2, 0, 2, 2, 2, 2, 0, 2, 2};
    auto* hull = new CGPolyhedron;
    ASSERT_TRUE(BuildConvexHull(cube, 8, *hull));
    hull->m_nId = page.m_nNextId++;
    hullId = Enter(page, hull)->m_nId;
    netId = Enter(page, new CGFold(page.m_nNextId++, hullId, QStringLiteral("展开图"), 2, 1))->m_nId;
    Enter(page, new CGButnAnimation(page.m_nNextId++, QStringLiteral("折展"), netId, 1, 3, 2, 0, 0.03f, 1));
    std::vector<WORD> def;
    for (auto [x, y] : {std::pair{-1.0f, -1.0f}, {4.0f, -1.0f}, {-1.0f, 4.0f}})
      def.push_back(Enter(page, new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, 1))->m_nId);
    const WORD face = Enter(page, new CGFace(page.m_nNextId++, def, 0x00336699))->m_nId;
    Enter(page, new CGSection(page.m_nNextId++, hullId, face));
    cutId = Enter(page, new CGSplit(page.m_nNextId++, hullId, 3, 0, 2.0))->m_nId;
    Enter(page, new CGButnAnimation(page.m_nNextId++, QStringLiteral("切割"), cutId, 0, 3, 0, 0, 0.03f, 0));
    page.RebuildVertexArray();
  }
  WORD hullId = 0, netId = 0, cutId = 0;
};

TEST_F(NetsDocumentTest, SavedOpenedAndSavedAgainByteForByte) {
  CKavrelDoc doc;
  Build(doc);
  const QByteArray written = Bytes(doc);
  const QString path = WriteFile(QStringLiteral("nets.kv"), written);
  CKavrelDoc opened;
  ASSERT_TRUE(opened.OnOpenDocument(path, true)) << Shown().toStdString();
  const auto* net = dynamic_cast<const CGFold*>(opened.m_pages[0]->m_cells.Lookup(netId));
  ASSERT_TRUE(net);
  EXPECT_EQ(net->NetFaces.size(), 6u);  // rebuilt after loading
  EXPECT_EQ(net->m_nUnfoldMode, 1);
  EXPECT_EQ(Bytes(opened).toHex(), written.toHex());

  const QString out = KvdumpListing(path);
  EXPECT_TRUE(out.contains(QStringLiteral("\tCGFold\t展开图\t1\t1\t6\t2\n"))) << out.toStdString();
  EXPECT_TRUE(out.contains(QStringLiteral("\tCGSplit\t\t1\t1\t3\t0\n"))) << out.toStdString();
  EXPECT_TRUE(out.contains(QStringLiteral("\tCGButnAnimation\t切割\t1\t%1\t0\t0\t3\t0.03\n").arg(cutId)))
      << out.toStdString();
}

// A document saved while a cut ran, by a program that hid the hull for it,
// stores the hull hidden: opening computes the cut back to its start, which
// shows the hull.  Hidden by hand while the cut runs, the hull is shown
// again by the cut computed anew, and the page is what its save reopens to.
TEST_F(NetsDocumentTest, AHullItsCutHidOpensShownAndHidingItReopensAlike) {
  CKavrelDoc doc;
  Build(doc);
  const QByteArray shown = Bytes(doc);
  doc.m_pages[0]->m_cells.Lookup(hullId)->m_bHidden = 1;
  CKavrelDoc opened;
  ASSERT_TRUE(opened.OnOpenDocument(WriteFile(QStringLiteral("hidden.kv"), Bytes(doc)), true)) << Shown().toStdString();
  CGPage& page = *opened.m_pages[0];
  auto* hull = dynamic_cast<CGPolyhedron*>(page.m_cells.Lookup(hullId));
  auto* cut = dynamic_cast<CGSplit*>(page.m_cells.Lookup(cutId));
  ASSERT_TRUE(hull && cut);
  const auto expectReset = [&](const char* when) {
    EXPECT_EQ(hull->m_bHidden, 0) << when;
    EXPECT_FALSE(hull->CutCovers) << when;
    EXPECT_TRUE(cut->m_bDefined) << when;
    EXPECT_EQ(cut->m_nCutsDone, 0) << when;
    EXPECT_TRUE(cut->m_pieces.empty()) << when;
  };
  expectReset("opened");
  EXPECT_TRUE(Bytes(opened) == shown) << "saved after opening, the hull stays hidden";

  // Saved in the middle of a cut: the hull as the cut's start leaves it.
  for (float v : {0.5f, 1.5f}) {
    cut->m_fValue = v;
    cut->ApplyParameter();
  }
  ASSERT_EQ(cut->m_nCutsDone, 1);
  ASSERT_TRUE(hull->CutCovers);
  EXPECT_TRUE(Bytes(opened) == shown) << "saved in the middle of a cut, the hull is stored hidden";

  page.ClearSelection();
  page.SelectCell(hullId);
  ASSERT_TRUE(CommandRegistry().Run(ID_VIEW_HIDEOBJECTS));
  expectReset("hidden by hand");
  const QByteArray saved = Bytes(opened);
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(WriteFile(QStringLiteral("hid.kv"), saved), true)) << Shown().toStdString();
  EXPECT_TRUE(Bytes(reopened) == saved) << "the reopened page differs";
  EXPECT_EQ(reopened.m_pages[0]->m_cells.Lookup(hullId)->m_bHidden, 0);
}

}  // namespace
