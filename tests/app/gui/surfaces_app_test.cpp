// A parametric surface in the running program (xvfb), made as a new user
// makes it: a parameter r selected, the ribbon's "曲面", the cylinder
// example with ρ(u,v)= set to No1 through the calculator; the cylinder
// widens with r, and survives undo, redo, save and reopen byte for byte.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/surfaces/surface.h"
#include "editing/properties/propertyedits.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "support/modaldialogs.h"
#include "support/runningapp.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {

class SurfacesApp : public ProgramWindow {
 protected:
  // The width in pixels of what is drawn on the view's middle row.
  int DrawnWidth() {
    const QImage picture = view->grabFramebuffer();
    const int y = picture.height() / 2;
    int first = -1, last = -1;
    for (int x = 0; x < picture.width(); ++x) {
      const QColor c = picture.pixelColor(x, y);
      if (c.red() > 240 && c.green() > 240 && c.blue() > 240) continue;
      if (first < 0) first = x;
      last = x;
    }
    return first < 0 ? 0 : last - first;
  }
};

// Once the calculator is up: types the text and presses Enter (OK).
void AnswerCalculator(const QString& text, QStringList& offered) {
  QTimer::singleShot(10, [text, &offered] {
    QWidget* dialog = QApplication::activeModalWidget();
    auto* edit = dialog ? dialog->findChild<QLineEdit*>("expression") : nullptr;
    if (!edit) return AnswerCalculator(text, offered);
    offered << dialog->windowTitle();
    edit->setText(text);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
  });
}

TEST_F(SurfacesApp, ACylinderOverAParameterFollowsItAndSurvivesUndoAndSaving) {
  ASSERT_TRUE(view->isValid());
  CGPage& page = Page();
  auto* r = new CGTmVarParameter(page.m_nNextId++, QStringLiteral("r"), 5);
  r->SetRange(1, 10);
  page.m_cells.SetAt(r->m_nId, r);
  window->DocumentShown();
  page.SelectCell(r->m_nId);
  SetDialogProvider(MakeWidgetDialogProvider(window));

  QStringList seen;
  WhenShown([&](QDialog& d) {
    d.findChild<QListWidget*>("examples")->setCurrentRow(0);  // 圆柱面
    auto* button = d.findChild<QPushButton*>("xButton");
    seen << button->text();
    AnswerCalculator(QStringLiteral("No1"), seen);
    button->click();
    seen << d.findChild<QLineEdit*>("x")->text();
    d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  Ribbon(ID_CREATE_SURFACE);
  EXPECT_EQ(seen, (QStringList{QString::fromUtf8("ρ(u,v)="), QString::fromUtf8("编辑参数方程"), "No1"}));
  const std::vector<CGSurface*> made = PageCellsOf<CGSurface>();
  ASSERT_EQ(made.size(), 1u);
  CGSurface& cylinder = *made[0];
  EXPECT_TRUE(cylinder.m_bDefined && cylinder.TextureIndex == 1 && cylinder.Form() == 2 &&
              cylinder.m_parents == std::vector<WORD>{r->m_nId});
  Render();
  const int before = DrawnWidth();
  EXPECT_GT(before, 50);

  r->m_fValue = 8;  // as the slider's drag sets it
  r->Recalculate();
  page.RecalculateCells(CollectDescendants(page, *r));
  Render();
  const int after = DrawnWidth();
  // Seen at an angle, the width grows about as the radius does.
  EXPECT_NEAR(static_cast<double>(after) / before, 8.0 / 5, 0.25) << before << " " << after;

  const QString path = folder.filePath(QStringLiteral("cylinder.kv"));
  const QString again = folder.filePath(QStringLiteral("again.kv"));
  UndoRedoSaveAndReopen<CGSurface>(app, "添加曲面", path);
  ASSERT_TRUE(app.Document().OnSaveDocument(again));
  QFile a(path), b(again);
  ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
  EXPECT_TRUE(a.readAll() == b.readAll()) << "save, open, save: identical";
  const std::vector<CGSurface*> loaded = PageCellsOf<CGSurface>();
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_TRUE(loaded[0]->m_bDefined && loaded[0]->RowCount == 18);
}

}  // namespace
