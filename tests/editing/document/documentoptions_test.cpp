// The document options command: the dialog as the document fills it, the
// text and the picture option taken on OK (the author never), the pages
// renamed by their places with the object list told, and Cancel changing
// no byte.
#include <QFile>
#include <QTemporaryDir>

#include "cells/texts/cgtbvodtext.h"
#include "editing/dialogs/document/documentdialogs.h"
#include "editing/document/documentoptions.h"
#include "platform/commandids.h"
#include "support/commandpage.h"
#include "support/documentfiles.h"

namespace KAVREL_FILE_LOCAL {
// A document of n pages named by hand, the k-th current.
struct Pages : CommandPage {
  Pages(int n, int current) {
    doc.m_pages[0]->m_strName = QStringLiteral("封面");
    for (int k = 2; k <= n; ++k) doc.OnCreatePage()->m_strName = QStringLiteral("page %1").arg(k);
    doc.SwitchToPage(doc.m_pages[static_cast<size_t>(current - 1)].get());
    doc.m_strAuthor = QStringLiteral("作者甲");
    doc.SetModifiedFlag(false);
    seams.bridge->messages.clear();
    seams.bridge->statusTexts.clear();
  }
  QStringList Names() const {
    QStringList names;
    for (const auto& page : doc.m_pages) names << page->m_strName;
    return names;
  }
};

TEST(DocumentOptions, TheDialogShowsThePagesInOrderAndTheDocument) {
  Pages p(3, 2);
  p.doc.m_strDescription = QStringLiteral("说明\r\n第二行");
  p.doc.m_bSaveVodPictures = 1;
  ASSERT_TRUE(p.Run(ID_FILE_OPTIONS));
  ASSERT_EQ(p.dialogs->Offered<CDlgPage>().size(), 1u);
  const CDlgPage offered = p.dialogs->Offered<CDlgPage>()[0];
  EXPECT_EQ(offered.m_pageNames, QStringList({"封面", "page 2", "page 3"}));
  EXPECT_EQ(offered.m_strAuthor, QStringLiteral("作者甲"));
  EXPECT_EQ(offered.m_strText, QStringLiteral("说明\r\n第二行"));
  EXPECT_EQ(offered.m_bSaveVodPictures, 1);
  EXPECT_EQ(offered.m_bRenamePages, 0);
}

TEST(DocumentOptions, OkTakesTheTextAndOptionAndRenamesInOrder) {
  const struct Row {
    BOOL rename;
    QStringList names;
  } rows[] = {
      {1, {"第一页", "第二页", "第三页", "第四页", "第五页", "第六页", "第七页", "第八页", "第九页", "第十页", "第11页",
           "第12页"}},
      {0, {"封面", "page 2", "page 3", "page 4", "page 5", "page 6", "page 7", "page 8", "page 9", "page 10",
           "page 11", "page 12"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.rename);
    Pages p(12, 5);
    CDlgPage answer = DocumentOptionsOf(p.doc);
    answer.m_strText = QStringLiteral("讲义");
    answer.m_strAuthor = QStringLiteral("someone else");
    answer.m_bSaveVodPictures = 1;
    answer.m_bRenamePages = r.rename;
    p.dialogs->Ok(answer);
    ASSERT_TRUE(p.Run(ID_FILE_OPTIONS));
    EXPECT_EQ(p.Names(), r.names);
    EXPECT_EQ(p.doc.m_strDescription, QStringLiteral("讲义"));
    EXPECT_EQ(p.doc.m_strAuthor, QStringLiteral("作者甲"));
    EXPECT_EQ(p.doc.m_bSaveVodPictures, 1);
    EXPECT_TRUE(p.doc.IsModified());
    const std::vector<BridgeMessage> texts = p.Messages(WM_ITEM_TEXTS);
    if (r.rename) {
      ASSERT_EQ(texts.size(), 1u);
      EXPECT_EQ(texts[0].wParam, 3u);
      EXPECT_EQ(texts[0].lParam, p.doc.m_pages[4]->m_nId);
      EXPECT_EQ(p.seams.bridge->statusTexts.back(), std::make_pair(2, QString::fromUtf8("当前页：第五页")));
    } else {
      EXPECT_TRUE(texts.empty()) << "the page names are as they were";
    }
  }
}

TEST(DocumentOptions, CancelChangesNoByte) {
  Pages p(3, 1);
  const QByteArray before = DocumentBytes(p.doc);
  p.dialogs->Cancel<CDlgPage>();
  ASSERT_TRUE(p.Run(ID_FILE_OPTIONS));
  EXPECT_EQ(DocumentBytes(p.doc), before);
  EXPECT_FALSE(p.doc.IsModified());
  EXPECT_TRUE(p.Messages(WM_ITEM_TEXTS).empty());
}

TEST(DocumentOptions, ThePictureOptionStoresFormulaPicturesAndReopensAlike) {
  QTemporaryDir folder;
  qint64 sizes[2] = {0, 0};
  for (BOOL pictures : {0, 1}) {
    SCOPED_TRACE(pictures);
    Pages p(2, 1);
    p.Enter(new CGTbVodText(p.Page().m_nNextId++, QStringLiteral("<#><l><e>x+y</e></l></#>"), 0xFFFFFF, 0));
    CDlgPage answer = DocumentOptionsOf(p.doc);
    answer.m_bSaveVodPictures = pictures;
    answer.m_bRenamePages = 1;
    p.dialogs->Ok(answer);
    ASSERT_TRUE(p.Run(ID_FILE_OPTIONS));
    const QString path = folder.filePath(QStringLiteral("options%1.kv").arg(pictures));
    ASSERT_TRUE(p.doc.OnSaveDocument(path));
    sizes[pictures] = QFile(path).size();
    const QByteArray saved = DocumentBytes(p.doc);
    CKavrelDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path, false));
    EXPECT_EQ(DocumentBytes(reopened), saved);
    EXPECT_EQ(reopened.m_bSaveVodPictures, pictures);
    EXPECT_EQ(reopened.m_pages[1]->m_strName, QString::fromUtf8("第二页"));
  }
  EXPECT_GT(sizes[1], sizes[0]) << "the pictures go into the file";
}

TEST(DocumentOptions, FiveHundredPagesAreNamedByTheirPlaces) {
  Pages p(1, 1);
  for (int k = 2; k <= 500; ++k) p.doc.OnCreatePage();
  std::reverse(p.doc.m_pages.begin(), p.doc.m_pages.end());
  RenamePagesInOrder(p.doc);
  EXPECT_EQ(p.doc.m_pages[0]->m_strName, QString::fromUtf8("第一页"));
  EXPECT_EQ(p.doc.m_pages[10]->m_strName, QString::fromUtf8("第11页"));
  EXPECT_EQ(p.doc.m_pages[499]->m_strName, QString::fromUtf8("第500页"));
}
}  // namespace
