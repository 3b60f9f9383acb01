// A document holding the midpoint iteration, opened by the program on a real
// display: the nested segments in their level colours, the depth stepped
// with the plus command on the iteration chosen in the object list, and the
// document saved again byte for byte.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>
#include <cstdlib>
#include <functional>

#include "app/classregistration.h"
#include "app/gui/appenvironment.h"
#include "app/kavrelapp.h"
#include "app/mainwindow.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/iterations/iteration.h"
#include "cells/primitives/cgline.h"
#include "model/cgpage.h"
#include "platform/commandids.h"
#include "support/documentfiles.h"
#include "support/recorders.h"
#include "support/settle.h"
#include "ui/commandactions.h"
#include "ui/objectlist/viewtree.h"
#include "view/kavrelview.h"

namespace KAVREL_FILE_LOCAL {

QByteArray Saved(CKavrelDoc& doc, const QString& path) {
  QFile file(path);
  return doc.OnSaveDocument(path) && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A(-8, 0, 0), B(8, 0, 0), the hidden line AB and midpoint M, the segment
// AM, and the iteration A -> A, B -> M at depth 3 with its levels in hues;
// `change` may alter the page before it is saved.  A document the save
// refuses (it would not open) is written as it stores itself instead, when
// `unchecked`, for the loader to meet; the bytes are those of the file.
QByteArray SaveMidpoints(const QString& path, const std::function<void(CGPage&, CGIterate&)>& change = {},
                         bool unchecked = false) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  auto enter = [&page](CGCell* cell) {
    page.m_cells.SetAt(cell->m_nId, cell);
    return cell->m_nId;
  };
  const WORD a = enter(new CGVertex(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), -8, 0, 0));
  const WORD b = enter(new CGVertex(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), 8, 0, 0));
  auto* ab = new CGLine(page.m_nNextId++, a, b, kLineSegment);
  ab->m_bHidden = 1;
  enter(ab);
  auto* m = new CGVerMid(page.m_nNextId++, page.m_nNextVertex++, QStringLiteral("M"), ab->m_nId);
  m->m_bHidden = 1;
  const WORD mid = enter(m);
  enter(new CGLine(page.m_nNextId++, a, mid, kLineSegment));
  std::vector<std::vector<WORD>> arrays{{a, b}, {a, mid}};
  auto* iteration = new CGIterate(page.m_nNextId++, 2, 2, 3, arrays);
  iteration->m_nStyle = 1;
  enter(iteration);
  if (change) change(page, *iteration);
  const QByteArray saved = Saved(doc, path);
  if (!saved.isEmpty() || !unchecked) return saved;
  const QByteArray stored = DocumentBytes(doc);
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(stored) == stored.size() ? stored : QByteArray();
}

int PixelsNear(const QImage& picture, QRgb colour) {
  int count = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb p = picture.pixel(x, y);
      count += std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                           std::abs(qBlue(p) - qBlue(colour)) < 30 ? 1 : 0;
    }
  return count;
}

TEST(IterationDocument, ShowsTheNestedSegmentsStepsItsDepthAndSavesTheSameBytes) {
  SeamRecorders seams;
  RegisterAllClasses();
  QTemporaryDir folder;
  const QString first = folder.filePath(QStringLiteral("midpoints.kv"));
  const QByteArray bytes = SaveMidpoints(first);
  ASSERT_FALSE(bytes.isEmpty());
  CKavrelApp app(TestAppEnvironment(folder));
  ASSERT_TRUE(app.InitInstance({QStringLiteral("kavrel"), first}));
  CKavrelView* view = app.MainWindow()->View();
  ASSERT_TRUE(SettleUntil([view] { return view->isValid(); })) << "the view's GL context";
  auto* iteration = dynamic_cast<CGIterate*>(g_pCurPage->m_cells.Lookup(6));
  ASSERT_NE(iteration, nullptr);

  // Levels 1 to 3 of depth 3 in their hues: violet, cyan, yellow-green.
  const QImage picture = view->grabFramebuffer();
  for (QRgb level : {qRgb(128, 0, 255), qRgb(0, 255, 255), qRgb(128, 255, 0)})
    EXPECT_GT(PixelsNear(picture, level), 3) << std::hex << level;

  // The iteration chosen in the object list, then the plus command four times.
  CViewTree* tree = app.MainWindow()->Tree();
  QTreeWidgetItem* pageItem = tree->FindCurrentPageItem();
  ASSERT_TRUE(pageItem && pageItem->childCount() == 6);
  QTreeWidgetItem* item = pageItem->child(5);
  ASSERT_EQ(CViewTree::ItemId(item), 6);
  tree->scrollToItem(item);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
  ASSERT_TRUE(SettleUntil([] { return g_pCurPage->m_selTexts == std::vector<WORD>{6}; }));
  QAction* plus = app.MainWindow()->Actions().Action(ID_PARAM_INCREASE);
  for (int i = 0; i < 4; ++i) {
    app.MainWindow()->Actions().Refresh();
    plus->trigger();
  }
  EXPECT_EQ(iteration->m_nDepth, 7);
  EXPECT_EQ(iteration->DrawnDepth(CGIterate::kCopyBudget), 7);
  EXPECT_TRUE(seams.notifier->shown.empty()) << "depth 7 is within the suggested depths";
  // Selected, the copies show in the highlight colour.
  const QImage selected = view->grabFramebuffer();
  EXPECT_GT(PixelsNear(selected, qRgb(255, 0, 255)), 3);

  // Stepping changed the stored depth only; saving and reading back keep it.
  const QString second = folder.filePath(QStringLiteral("again.kv"));
  const QByteArray deeper = Saved(app.Document(), second);
  ASSERT_EQ(deeper.size(), bytes.size());
  ASSERT_NE(app.OpenDocumentFile(second), nullptr);
  EXPECT_EQ(Saved(app.Document(), folder.filePath(QStringLiteral("third.kv"))), deeper);
  app.MainWindow()->close();
}

// An iteration whose stored lists name itself, a missing cell or a later
// one (here a second iteration that draws it) would draw itself without
// end or copy what is not there: the document is refused as damaged.  A
// second iteration drawing the first, as the program builds it, opens.
TEST(IterationDocument, IdListsNamingItselfAMissingOrALaterCellAreRefused) {
  SeamRecorders seams;
  RegisterAllClasses();
  QTemporaryDir folder;
  // The iteration over A and B again (id 7): the first one is among its copies.
  const auto second = [](CGPage& page, CGIterate& first) {
    std::vector<std::vector<WORD>> arrays = first.m_idArrays;
    auto* later = new CGIterate(page.m_nNextId++, 2, 2, 2, arrays);
    page.m_cells.SetAt(later->m_nId, later);
    return later;
  };
  using Change = std::function<void(CGPage&, CGIterate&)>;
  const struct Row {
    const char* what;
    Change change;
    bool opens;
  } rows[] = {
      {"as saved", [](CGPage&, CGIterate&) {}, true},
      {"drawn by a later iteration", [&](CGPage& p, CGIterate& i) { second(p, i); }, true},
      {"drawing itself", [](CGPage&, CGIterate& i) { i.m_drawn.push_back(i.m_nId); }, false},
      {"a missing image", [](CGPage&, CGIterate& i) { i.m_idArrays[1][1] = 60; }, false},
      {"drawing the iteration that draws it",
       [&](CGPage& p, CGIterate& i) { i.m_drawn.push_back(second(p, i)->m_nId); }, false},
  };
  for (const Row& row : rows) {
    const QString path = folder.filePath(QString::fromLatin1(row.what) + QStringLiteral(".kv"));
    seams.notifier->shown.clear();
    ASSERT_FALSE(SaveMidpoints(path, row.change, true).isEmpty()) << row.what;
    // The program's own save refuses what the loader refuses.
    EXPECT_EQ(seams.notifier->shown.size(), row.opens ? 0u : 1u) << row.what;
    seams.notifier->shown.clear();
    CKavrelDoc doc;
    EXPECT_EQ(doc.OnOpenDocument(path, true), row.opens) << row.what;
    if (row.opens) {
      EXPECT_TRUE(seams.notifier->shown.empty()) << row.what;
      continue;
    }
    ASSERT_EQ(seams.notifier->shown.size(), 1u) << row.what;
    const QRegularExpression damaged(QStringLiteral("^打开文档失败：%1\n文档已损坏（第 \\d+ 字节处）。$")
                                         .arg(QRegularExpression::escape(path)));
    EXPECT_TRUE(damaged.match(seams.notifier->shown[0].text).hasMatch())
        << row.what << ": " << seams.notifier->shown[0].text.toStdString();
  }
}

}  // namespace
