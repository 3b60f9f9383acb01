#include "documenttestsupport.h"

#include "app/classregistration.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/vertexarray.h"

namespace {
CGVertex* Point(CGPage& page, float x, float y, float z) {
  auto* point = new CGVertex(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, z);
  page.m_cells.SetAt(point->m_nId, point);
  return point;
}
}  // namespace

DocumentFileTest::DocumentFileTest() { RegisterAllClasses(); }

void DocumentFileTest::BuildTwoPages(CKavrelDoc& doc) {
  doc.OnNewDocument();
  CGPage& one = *doc.m_pages.front();
  one.m_strName = QStringLiteral("one");
  ReserveVertexArray(10);
  const WORD a = Point(one, 0, 0, 0)->m_nId;
  const WORD b = Point(one, 4, 0, 0)->m_nId;
  const WORD c = Point(one, 0, 4, 0)->m_nId;
  Point(one, 0, 0, 4);
  Enter(one, new CGLine(one.m_nNextId++, a, b, kLineSegment));
  Enter(one, new CGLine(one.m_nNextId++, a, c, kLineFull));
  Enter(one, new CGFace(one.m_nNextId++, a, b, c, 0x00336699))->m_dwParam3 = 2;
  Enter(one, new CGArc(one.m_nNextId++, 1, 1, 1, 2, 0, 0, 0, 2, 0, 0, kArcFullTurn, kArcCircle));
  Enter(one, new CGArcCircle3P(one.m_nNextId++, a, b, c, kArcDisc));

  auto second = std::make_unique<CGPage>();
  CGPage& two = *second;
  two.m_nId = 3;
  two.m_strName = QStringLiteral("two");
  doc.m_pages.push_back(std::move(second));
  doc.m_nLastPageId = 3;
  SetCurrentPage(&two);
  const WORD e = Point(two, 1, 1, 1)->m_nId;
  const WORD f = Point(two, 2, 1, 1)->m_nId;
  const WORD g = Point(two, 1, 3, 1)->m_nId;
  Enter(two, new CGLine(two.m_nNextId++, e, f, kLineVector));
  Enter(two, new CGFace(two.m_nNextId++, std::vector<WORD>{e, f, g}, 0x00FF8040));
  SetCurrentPage(&one);
  one.RebuildVertexArray();
}

QString DocumentFileTest::ReopenedListing(CKavrelDoc& doc, const QString& name) {
  const QByteArray saved = Bytes(doc);
  const QString first = WriteFile(name, saved);
  CKavrelDoc reopened;
  EXPECT_TRUE(reopened.OnOpenDocument(first, true)) << Shown().toStdString();
  const QByteArray again = Bytes(reopened);
  EXPECT_EQ(again.toHex(), saved.toHex());
  const QString listing = KvdumpListing(first);
  EXPECT_EQ(KvdumpListing(WriteFile(QStringLiteral("again-") + name, again)), listing);
  return listing;
}

QString DocumentFileTest::Shown() const {
  QStringList texts;
  for (const ShownMessage& m : seams.notifier->shown) texts << m.text;
  return texts.join(QLatin1Char('|'));
}
