// Shortcut menus, ink and printing in the running program (xvfb): a
// right click on a point opens the point menu with the point selected
// alone; two strokes of the pen in two colours are saved as two ink cells;
// a double click on empty space turns to the next page; the three pages
// print into a PDF file; the saved document, reopened, holds the ink, and
// printing changed no page.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QFile>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QTimer>

#include "cells/texts/inkmarks.h"
#include "math/mathglobals.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "render/viewglobals.h"
#include "support/documentfiles.h"
#include "ui/commandactions.h"

namespace KAVREL_FILE_LOCAL {

class InkPrintApp : public ProgramWindow {
 protected:
  void Run(unsigned id) {
    window->Actions().Refresh();
    window->Actions().Action(id)->trigger();
    QApplication::processEvents();
  }
  void Stroke(RGBA colour, QPoint from, QPoint to) {
    g_rgbaInk = colour;
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);
  }
  static int Ink(CGPage& page) {
    int ink = 0;
    for (auto [id, cell] : page.m_cells) ink += cell->IsKindOf(RUNTIME_CLASS(CGInkmarks)) ? 1 : 0;
    return ink;
  }
};

TEST_F(InkPrintApp, MenuInkDoubleClickPrintSaveAndReopen) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  g_bSnapToGrid = 1;
  CKavrelDoc& doc = app.Document();
  CGPage* first = &Page();
  for (int i = 0; i < 2; ++i) Run(ID_CREATE_PAGE);
  doc.SwitchToPage(first);
  Render();

  Run(ID_CREATE_POINT);
  QTest::mouseClick(view, Qt::LeftButton, {}, At(-4, 3));
  const WORD point = static_cast<WORD>(Page().m_nNextId - 1);
  Run(ID_EDIT_SELECT);
  Render();

  // The point menu opens (and is closed here) with the point alone selected.
  // Polled for up to 10 s: on a busy machine the menu may take a while to
  // come up.  The count is shared, so a late poll never outlives it.
  auto menuItems = std::make_shared<int>(-1);
  auto closeMenu = std::make_shared<std::function<void(int)>>();
  *closeMenu = [menuItems, weak = std::weak_ptr(closeMenu)](int triesLeft) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu) {
      *menuItems = static_cast<int>(menu->actions().size());
      menu->close();
    } else if (auto again = weak.lock(); again && triesLeft > 0) {
      QTimer::singleShot(20, [again, triesLeft] { (*again)(triesLeft - 1); });
    }
  };
  QTimer::singleShot(20, [closeMenu] { (*closeMenu)(500); });
  QTest::mouseClick(view, Qt::RightButton, {}, At(-4, 3));
  EXPECT_EQ(*menuItems, 14);
  EXPECT_EQ(Page().m_selAll, std::vector<WORD>{point});

  Run(ID_CREATE_INKMARKS);
  EXPECT_EQ(g_nToolMode, 9);
  Stroke(RGBA{255, 0, 0, 0}, At(2, 2), At(8, 2));
  Stroke(RGBA{0, 0, 255, 0}, At(2, -2), At(8, -4));
  Run(ID_INK_SAVE);
  ASSERT_EQ(Ink(Page()), 2);
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QStringLiteral("添加墨迹"));

  Run(ID_EDIT_SELECT);
  Render();
  QTest::mouseDClick(view, Qt::LeftButton, {}, At(-10, -8));
  QApplication::processEvents();
  EXPECT_EQ(&Page(), doc.m_pages[1].get()) << "the next page";
  doc.SwitchToPage(first);
  Render();

  const QByteArray before = DocumentBytes(doc);
  const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
  window->SetPrintDialogs(
      [&](QPrinter& printer, int) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
      },
      {});
  Run(ID_FILE_PRINT);
  QFile pdf(printed);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_EQ(pdf.readAll().count("/Type /Page\n"), 3);
  EXPECT_EQ(&Page(), first);
  EXPECT_EQ(DocumentBytes(doc).toHex(), before.toHex()) << "printing changes no page";

  const QString path = folder.filePath(QStringLiteral("inked.kv"));
  static_cast<ScriptedFileChooser&>(FileChooser()).answers = {path};
  Run(ID_FILE_SAVE_AS);
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(path, true));
  EXPECT_EQ(DocumentBytes(reopened).toHex(), before.toHex());
  EXPECT_EQ(Ink(*reopened.m_pages[0]), 2);
}

}  // namespace
