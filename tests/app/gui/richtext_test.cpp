// A rich text written in the running program (xvfb): with a point selected
// the "RTF文本" command opens the rich-text editor; typed text (committed
// input-method text and keys) formatted with the bar and confirmed on it
// becomes a picture following the point, one undoable "插入文本"; the saved
// document reads back the same text and format.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include "app/gui/startedapp.h"
#include "cells/primitives/cgverfree.h"
#include "cells/texts/cgtextbit.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "richtext/richtextformat.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfstring.h"
#include "support/runningapp.h"
#include "ui/formula/formatbar.h"
#include "ui/richtext/rteditdialog.h"

namespace KAVREL_FILE_LOCAL {

QToolButton* ButtonOf(CDlgRtEditWindow* dialog, unsigned id) {
  return qobject_cast<QToolButton*>(dialog->FormatBar()->widgetForAction(dialog->Action(id)));
}

void Key(QWidget* to, int code, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
  QApplication::sendEvent(to, &press);
  QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
  QApplication::sendEvent(to, &release);
  Settle();
}

void WriteTheText(CDlgRtEditWindow* dialog) {
  QTextEdit* editor = dialog->Editor();
  QInputMethodEvent composed;
  composed.setCommitString(QString::fromUtf8("勾股"));
  QApplication::sendEvent(editor, &composed);
  Key(editor, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  Key(editor, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(editor->textCursor().selectedText(), QString::fromUtf8("勾股a"));
  // The default format is bold already: the first click clears it.
  ButtonOf(dialog, CDlgRtEditWindow::kBold)->click();
  ButtonOf(dialog, CDlgRtEditWindow::kItalic)->click();
  ButtonOf(dialog, CDlgRtEditWindow::kBold)->click();
  Settle();
  EXPECT_TRUE(dialog->Action(CDlgRtEditWindow::kBold)->isChecked());
  ButtonOf(dialog, CDlgRtEditWindow::kOk)->click();
  Settle();
}

// Bold and italic throughout.
void ExpectTheText(const QString& packed) {
  QTextDocument doc;
  ReadRtf(UnpackRtfString(packed), doc);
  EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("勾股a"));
  QTextCursor all(&doc);
  all.select(QTextCursor::Document);
  const RichEffects effects = SelectionEffects(all);
  EXPECT_TRUE(effects.bold && effects.italic && !effects.underline);
}

using RichText = StartedAppTest;

TEST_F(RichText, WrittenInTheEditorPlacedOnAPointUndoneSavedAndReloaded) {
  Settle();
  CGPage* page = Page();
  auto* point = new CGVerFreeXyz(page->m_nNextId++, page->m_nNextVertex++, QStringLiteral("A"), 1, 2, 3);
  page->m_cells.SetAt(point->m_nId, point);
  page->SelectCell(point->m_nId);
  bool wrote = false;
  QTimer::singleShot(50, [&] {
    auto* dialog = qobject_cast<CDlgRtEditWindow*>(QApplication::activeModalWidget());
    if (dialog) {
      EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("RTF单色普通文本编辑"));
      WriteTheText(dialog);
      wrote = true;
    }
    // Never hang on a failure.
    if (QWidget* open = QApplication::activeModalWidget()) open->close();
  });
  CommandRegistry().Run(ID_CREATE_TEXT2);
  Settle();
  ASSERT_TRUE(wrote);
  std::vector<CGTextbit*> texts = PageCellsOf<CGTextbit>();
  ASSERT_EQ(texts.size(), 1u);
  auto* follower = dynamic_cast<CGTbHenchman*>(texts[0]);
  ASSERT_TRUE(follower) << "on the selected point";
  EXPECT_EQ(follower->m_parents, std::vector<WORD>{point->m_nId});
  EXPECT_EQ(texts[0]->m_strName, QString::fromUtf8("勾股a"));
  ExpectTheText(texts[0]->m_strVodName);
  EXPECT_TRUE(texts[0]->HasPicture());
  const QString stored = texts[0]->m_strVodName;
  UndoRedoSaveAndReopen<CGTextbit>(app, "插入文本", folder.filePath(QStringLiteral("richtext.kv")));
  texts = PageCellsOf<CGTextbit>();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->m_strVodName, stored);
  EXPECT_TRUE(dynamic_cast<CGTbHenchman*>(texts[0]));
}

}  // namespace
