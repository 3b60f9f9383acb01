// The main frame on a real display with a new document: one page, cells
// added through the page as constructions add them, settings in a
// temporary file.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidgetItem>
#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/primitives/cgline.h"
#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "model/modelclasses.h"
#include "support/recorders.h"
#include "ui/mainframe.h"
#include "ui/objectlist/viewtree.h"
#include "view/viewtestsupport.h"

// Lets queued work and repaints run.
inline void ProcessEvents() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

class FrameTest : public ::testing::Test {
 protected:
  explicit FrameTest(std::vector<CToolSet> toolSets = {}) {
    RegisterModelClasses();
    RegisterCellClasses();
    g_strProgramFolder = PictureFolder();  // the view loads its textures when first shown
    settings = std::make_unique<QSettings>(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    settings->beginGroup(QStringLiteral("Settings"));
    doc.OnNewDocument();
    CFrameHooks hooks;
    hooks.documentTitle = [] { return QStringLiteral("测试文档"); };
    frame = std::make_unique<CMainFrame>(hooks, settings.get(), std::move(toolSets));
    frame->SetDocument(&doc);
    frame->DocumentShown();
  }
  ~FrameTest() override { frame.reset(); }

  CGPage* Page() const { return g_pCurPage; }
  CViewTree* Tree() const { return frame->Tree(); }
  QTreeWidgetItem* PageItem() const { return Tree()->FindCurrentPageItem(); }

  // A point entered as a construction enters it, without telling the frame.
  CGVertex* AddPoint(const QString& name, float x = 0, float y = 0, float z = 0) {
    CGPage* page = Page();
    auto* point = new CGVertex(page->m_nNextId++, page->m_nNextVertex++, name, x, y, z);
    page->m_cells.SetAt(point->m_nId, point);
    return point;
  }
  CGLine* AddLine(WORD a, WORD b) {
    CGPage* page = Page();
    auto* line = new CGLine(page->m_nNextId++, a, b, 0);
    page->m_cells.SetAt(line->m_nId, line);
    return line;
  }
  // More pages after the first, named P2, P3 ...
  void AddPages(int count) {
    for (int i = 0; i < count; ++i) {
      auto page = std::make_unique<CGPage>();
      page->m_nId = ++doc.m_nLastPageId;
      page->m_strName = QStringLiteral("P%1").arg(page->m_nId);
      doc.m_pages.push_back(std::move(page));
    }
    frame->DocumentShown();
  }
  // Item texts of the current page's cells, in tree order.
  std::vector<QString> CellTexts() const {
    std::vector<QString> texts;
    QTreeWidgetItem* page = PageItem();
    for (int i = 0; page && i < page->childCount(); ++i) texts.push_back(page->child(i)->text(0));
    return texts;
  }
  std::vector<WORD> CellIds() const {
    std::vector<WORD> ids;
    QTreeWidgetItem* page = PageItem();
    for (int i = 0; page && i < page->childCount(); ++i) ids.push_back(CViewTree::ItemId(page->child(i)));
    return ids;
  }
  static bool Checked(const QTreeWidgetItem* item) { return item && item->checkState(0) == Qt::Checked; }

  SeamRecorders seams;
  QTemporaryDir dir;
  std::unique_ptr<QSettings> settings;
  CKavrelDoc doc;
  std::unique_ptr<CMainFrame> frame;
};
