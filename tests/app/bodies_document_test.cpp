// A document of ready-made bodies saved and opened: every field back but the
// drag lock, the 3D text's lists cleared, and saved again byte for byte.
#include <gtest/gtest.h>

#include "cells/solids/bodies/cgsubassembly.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"

namespace KAVREL_FILE_LOCAL {

class BodiesDocumentTest : public DocumentFileTest {};

TEST_F(BodiesDocumentTest, BodiesComeBackWhereTheyWereButUnlocked) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *doc.m_pages.front();
  auto* pot = new CGSubassembly(page.m_nNextId++, 14, 0, 1, 0, 1, 3.25f, -7.5f, 2, 1, 2, 3, 45, 5, 6, 7, 3, 0.5, 0,
                                1, -2, 0, -1, 0, 0.25);
  pot->m_fShininess = 76.8f;
  Enter(page, pot);
  auto* text = new CGSubassembly(page.m_nNextId++, 0, 1, 0, 0, 0, -20, 0, 0, 0, 1, 3, 0, 10, 10, 10, 0, 0, 0, 1, 0,
                                 0, -1, 0, 0);
  text->m_strName = QStringLiteral("Kavrel");
  text->m_strVodName = QString::fromUtf8("楷体");
  text->m_dwParam3 = 5;  // lists of this session
  Enter(page, text);
  const QByteArray written = Bytes(doc);
  const QString path = WriteFile(QStringLiteral("bodies.kv"), written);
  CKavrelDoc opened;
  ASSERT_TRUE(opened.OnOpenDocument(path, true)) << Shown().toStdString();
  const auto* back = dynamic_cast<const CGSubassembly*>(opened.m_pages[0]->m_cells.Lookup(pot->m_nId));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->m_vCenter[0], 3.25f);
  EXPECT_EQ(back->m_vCenter[1], -7.5f);
  EXPECT_EQ(back->m_fTurn, 45);
  EXPECT_EQ(back->m_vScale[2], 7);
  EXPECT_EQ(back->m_nClipMode, 3);
  EXPECT_EQ(back->m_dPlane1[3], -2);
  EXPECT_EQ(back->m_dPlane2[3], 0.25);
  EXPECT_EQ(back->m_nMaterialMode, 1);
  EXPECT_EQ(back->m_fShininess, 76.8f);
  EXPECT_EQ(back->m_nDragLock, 0);
  const auto* textBack = dynamic_cast<const CGSubassembly*>(opened.m_pages[0]->m_cells.Lookup(text->m_nId));
  ASSERT_TRUE(textBack);
  EXPECT_EQ(textBack->m_strVodName, QString::fromUtf8("楷体"));
  EXPECT_EQ(textBack->m_dwParam3, 0u);
  EXPECT_TRUE(textBack->m_bLabelStale);
  text->m_dwParam3 = 0;
  EXPECT_EQ(Bytes(opened).toHex(), Bytes(doc).toHex());
}

}  // namespace
