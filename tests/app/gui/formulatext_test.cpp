// A formula text written in the running program (xvfb): the ribbon's
// formula-text button opens the formula dialog, where a superscript, keys,
// the symbol grid, a mouse drag and the colour menu make a red-tailed
// formula; OK places it in the scene as one undoable step, and the saved
// document reads it back unchanged.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/gui/startedapp.h"
#include "cells/texts/cgtbvodtext.h"
#include "formula/bintree.h"
#include "formula/control/formulacommands.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "support/runningapp.h"
#include "ui/colors/colormenu.h"
#include "ui/formula/formatbar.h"
#include "ui/formula/formulactrl.h"
#include "ui/formula/symbolgrid.h"
#include "ui/formula/voddlg.h"

namespace KAVREL_FILE_LOCAL {

QToolButton* ButtonOf(QToolBar* bar, unsigned id) {
  for (QAction* action : bar->actions())
    if (!action->isSeparator() && action->data().toUInt() == id)
      return qobject_cast<QToolButton*>(bar->widgetForAction(action));
  return nullptr;
}

// What the user does in the dialog, with real events.
void WriteTheFormula(CVodDlgWindow* dialog) {
  CFormulaCtrl* ctrl = dialog->Control();
  const auto key = [ctrl](int code, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QApplication::sendEvent(ctrl, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(ctrl, &release);
    Settle();
  };
  QToolButton* superscript = ButtonOf(dialog->StructureBar(), 33544);
  ASSERT_TRUE(superscript);
  superscript->click();
  Settle();
  key(Qt::Key_X, QStringLiteral("x"));
  key(Qt::Key_Down);
  key(Qt::Key_2, QStringLiteral("2"));
  key(Qt::Key_End);
  // α from the symbol grid: its first cell.
  ButtonOf(dialog->FormatBar(), ID_FORMULA_SYMBOLS)->click();
  Settle();
  CToolBarPopupWnd* grid = dialog->SymbolGrid();
  ASSERT_TRUE(grid);
  const QPoint cell = grid->GridRect().topLeft() + QPoint(10, 10);
  QMouseEvent pick(QEvent::MouseButtonRelease, cell, grid->mapToGlobal(cell), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(grid, &pick);
  Settle();
  // A drag over α, from after it to before it.
  const auto caret = [ctrl] {
    const std::vector<QLine> lines = ctrl->Editor().CaretLines();
    return lines.empty() ? QPoint() : (lines[0].p1() + lines[0].p2()) / 2;
  };
  const QPoint after = caret();
  key(Qt::Key_Left);
  const QPoint before = caret();
  key(Qt::Key_End);
  ASSERT_LT(before.x(), after.x());
  const auto mouse = [ctrl](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, ctrl->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held, Qt::NoModifier);
    QApplication::sendEvent(ctrl, &event);
  };
  mouse(QEvent::MouseButtonPress, after, Qt::LeftButton);
  mouse(QEvent::MouseMove, before, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, before, Qt::NoButton);
  Settle();
  const QString selected = dialog->Tree().GetText(3);
  EXPECT_TRUE(selected.startsWith(QString::fromUtf8("α")) && !selected.contains(u'x')) << "the selection";
  // Red from the colour menu.
  ButtonOf(dialog->FormatBar(), ID_FORMULA_COLOUR_MENU)->click();
  Settle();
  ASSERT_TRUE(dialog->ColourMenu());
  dialog->ColourMenu()->Swatch(0)->trigger();
  Settle();
  ButtonOf(dialog->FormatBar(), ID_FORMULA_OK)->click();
  Settle();
}

using FormulaText = StartedAppTest;

TEST_F(FormulaText, WrittenInTheDialogPlacedUndoneSavedAndReloaded) {
  Settle();
  bool wrote = false;
  QTimer::singleShot(50, [&] {
    auto* dialog = qobject_cast<CVodDlgWindow*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("VOD彩色数学格式文本编辑"));
    WriteTheFormula(dialog);
    wrote = true;
    if (dialog->isVisible()) dialog->reject();  // never hang on a failure
  });
  ClickRibbon(ID_CREATE_TEXT_VOD);
  Settle();
  ASSERT_TRUE(wrote);
  std::vector<CGTbVodText*> texts = PageCellsOf<CGTbVodText>();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_FALSE(dynamic_cast<CGTbMhc*>(texts[0])) << "no point was selected";
  const QString markup = texts[0]->m_strMarkup;
  CBinTree tree;
  tree.SetVod(markup);
  const QString linear = tree.GetText(2);
  for (const char* part : {"x", "2", "α"})
    EXPECT_TRUE(linear.contains(QString::fromUtf8(part))) << part << " in " << linear.toStdString();
  EXPECT_TRUE(markup.contains(QStringLiteral("color=ff"))) << markup.toStdString();
  EXPECT_EQ(texts[0]->m_nSubKind, 4);
  EXPECT_EQ(g_pCurPage->m_undo.GetCount(), 1);
  UndoRedoSaveAndReopen<CGTbVodText>(app, "插入VOD彩色文本", folder.filePath(QStringLiteral("formula.kv")));
  texts = PageCellsOf<CGTbVodText>();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->m_strMarkup, markup);
}

}  // namespace
