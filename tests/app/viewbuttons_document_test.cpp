// A page's automatic button and its view buttons stored, reopened and
// listed by kvdump: the automatic button's id after its page, each view
// button's start, end and duration.
#include <gtest/gtest.h>

#include "cells/dynamic/buttons/viewbuttons.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"

namespace KAVREL_FILE_LOCAL {
class ViewButtonsDocument : public DocumentFileTest {};

TEST_F(ViewButtonsDocument, KvdumpListsTheAutomaticButtonAndTheViewButtons) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  Enter(page, new CGButnRotate(page.m_nNextId++, QStringLiteral("r"), 0.5f, 0.5f, 0.5f, 0.5f, 0, 0, 1, -90, 0, 0,
                               4, 0));
  Enter(page, new CGButnTranslate(page.m_nNextId++, QStringLiteral("t"), 1, 2, 3, 4, 5, 6, 1, 0, 6, 1));
  const WORD zoom = Enter(page, new CGButnScale(page.m_nNextId++, QStringLiteral("s"), 0.5f, 2, 0, 1, 3, 0))->m_nId;
  page.m_nAutoButton = zoom;
  const QString listing = ReopenedListing(doc, QStringLiteral("viewbuttons.kv"));
  for (const char* expected :
       {"\tr\t1\t\t0\t0.5000\t0.5000\t0.5000\t0.5000\t-90.0000\t0.0000\t0.0000\t1.0000\t4.0000\n",
        "\tt\t1\t\t0\t1.0000\t2.0000\t3.0000\t4.0000\t5.0000\t6.0000\t6.0000\n", "\ts\t1\t\t0\t0.5000\t2.0000\t3.0000\n"})
    EXPECT_TRUE(listing.contains(QString::fromUtf8(expected))) << expected << listing.toStdString();
  EXPECT_TRUE(listing.contains(QStringLiteral("\nauto\t3\n"))) << listing.toStdString();
}
}  // namespace
