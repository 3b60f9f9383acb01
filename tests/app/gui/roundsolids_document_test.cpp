// A document of round solids and feet opened by the program on a real
// display: the object list, the picture of the view, and saving it again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include "app/classregistration.h"
#include "app/kavrelapp.h"
#include "app/mainwindow.h"
#include "cells/primitives/perpendicularfeet.h"
#include "cells/revolution/solidsbypoints.h"
#include "model/cgpage.h"
#include "support/recorders.h"
#include "support/settle.h"
#include "ui/objectlist/treeimages.h"
#include "ui/objectlist/viewtree.h"
#include "view/kavrelview.h"

namespace KAVREL_FILE_LOCAL {

QByteArray Saved(CKavrelDoc& doc, const QString& path) {
  QFile file(path);
  return doc.OnSaveDocument(path) && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Points A to E, one solid of each class in styles 1, 2, 3, 0 (the frustums
// in the outline style), and two feet.
QByteArray SaveSolids(const QString& path) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *g_pCurPage;
  auto enter = [&page](CGCell* cell) { page.m_cells.SetAt(cell->m_nId, cell); return cell->m_nId; };
  auto point = [&](float x, float y, float z) {
    return enter(new CGVertex(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), x, y, z));
  };
  const WORD o = point(0, 0, 0), a = point(3, 0, 0), t = point(0, 0, 4), b = point(1, 0, 4), p = point(1, 2, 3);
  CGRoundSolid* solids[] = {
      new CGSphere(page.m_nNextId++, -6, 0, 0, 3, 0, 0, 3),         new CGCylinder(page.m_nNextId++, 6, 0, 0, 2, 4, 0, 0, 1),
      new CGCone(page.m_nNextId++, 0, 6, 0, 2, 4, 1, 0, 0),          new CGFrustum(page.m_nNextId++, 0, -6, 0, 2, 4, 0, 1, 1, 1),
      new CGSphereCN(page.m_nNextId++, o, t),                        new CGCylinderCPC(page.m_nNextId++, o, a, t),
      new CGConeCPV(page.m_nNextId++, t, b, o),                      new CGFrustumCP2(page.m_nNextId++, o, a, t, b)};
  for (size_t i = 0; i < std::size(solids); ++i) solids[i]->m_nStyle = static_cast<BYTE>((i + 1) % 4);
  for (CGRoundSolid* solid : solids) enter(solid);
  enter(new CGVerFootpl(page.m_nNextId++, page.m_nNextVertex++, QStringLiteral("F"), p, o, a));
  enter(new CGVerFootpf(page.m_nNextId++, page.m_nNextVertex++, QStringLiteral("G"), p, o, a, t));
  return Saved(doc, path);
}

TEST(RoundSolidDocument, OpensShowsItsSolidsAndSavesTheSameBytes) {
  SeamRecorders seams;
  RegisterAllClasses();
  QTemporaryDir folder;
  CAppEnvironment env{folder.filePath(QStringLiteral("data")), folder.filePath(QStringLiteral("settings.ini")),
                      QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(".."))};
  const QString first = folder.filePath(QStringLiteral("solids.kv"));
  const QByteArray bytes = SaveSolids(first);
  CKavrelApp app(env);
  ASSERT_TRUE(app.InitInstance({QStringLiteral("kavrel"), first}));
  CKavrelView* view = app.MainWindow()->View();
  EXPECT_TRUE(SettleUntil([view] { return view->isValid(); })) << "the view's GL context";

  QTreeWidgetItem* pageItem = app.MainWindow()->Tree()->FindCurrentPageItem();
  ASSERT_EQ(pageItem ? pageItem->childCount() : 0, 15);
  const int images[] = {1, 1, 1, 1, 1, 14, 11, 12, 13, 14, 11, 12, 13, 1, 1};
  for (int i = 0; i < 15; ++i) {
    QTreeWidgetItem* item = pageItem->child(i);
    CGCell* cell = g_pCurPage->m_cells.Lookup(CViewTree::ItemId(item));
    ASSERT_NE(cell, nullptr) << i;
    EXPECT_TRUE(item->text(0).endsWith(QStringLiteral("----") + cell->GetDescription())) << i;
    EXPECT_EQ(item->icon(0).pixmap(16, 16).toImage(), TreeImage(images[i]).pixmap(16, 16).toImage()) << i;
  }
  EXPECT_EQ(pageItem->child(13)->text(0), QStringLiteral(" 14. F----点E在直线AB的投影"));

  const QImage picture = view->grabFramebuffer();
  int curve = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) curve += picture.pixel(x, y) == qRgb(0, 128, 0) ? 1 : 0;
  EXPECT_GT(curve, 50);
  // Viewing changed nothing that is stored; nor does loading again.
  EXPECT_EQ(Saved(app.Document(), folder.filePath(QStringLiteral("again.kv"))), bytes);
  ASSERT_NE(app.OpenDocumentFile(folder.filePath(QStringLiteral("again.kv"))), nullptr);
  EXPECT_EQ(Saved(app.Document(), folder.filePath(QStringLiteral("third.kv"))), bytes);
  app.MainWindow()->close();
}

}  // namespace
