// Plane axes and a value-driven colour in the running program (xvfb), used
// as a new user would: 二维坐标轴 with nothing selected turns the view to
// the plane and draws ticks and labels; dragging "x" lengthens the scale;
// 属性 on the scale gives a square grid; a measured x coordinate colours a
// face through 参数颜色 and the colour follows the dragged point; the saved
// document reads back and saves the same bytes.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "cells/dynamic/graphing/colormodifier.h"
#include "cells/dynamic/graphing/scaleline.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfree.h"
#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "support/runningapp.h"

namespace KAVREL_FILE_LOCAL {

class GraphingApp : public ProgramWindow {
 protected:
  // Pixels of exactly this grey in a picture of the view.
  int GreyPixels() {
    const QImage picture = view->grabFramebuffer();
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) n += picture.pixel(x, y) == qRgb(96, 96, 96) ? 1 : 0;
    return n;
  }
  template <class T>
  T* Only() {
    T* found = nullptr;
    for (auto [id, cell] : Page().m_cells)
      if (auto* t = dynamic_cast<T*>(cell)) found = t;
    return found;
  }
  // Answers the next modal dialog: the radio button of that text, then OK.
  void AnswerNextDialog(const char* radio, bool& answered) {
    QTimer::singleShot(50, [radio, &answered] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog) return;
      if (radio)
        for (auto* button : dialog->findChildren<QRadioButton*>())
          if (button->text() == QString::fromUtf8(radio)) button->click();
      answered = true;
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
  }
  void Recompute(CGCell& moved) {
    moved.MarkDescendants();
    std::vector<WORD> dirty;
    Page().CollectDirtyIds(dirty);
    Page().RecalculateCells(dirty);
  }
};

TEST_F(GraphingApp, AxesGridAndAValueDrivenColourSavedAndReadBack) {
  ASSERT_TRUE(view->isValid());
  QuatMultiply(QuatRotationX(-20), QuatRotationZ(-10), ViewQuaternion);
  const int before = GreyPixels();
  Ribbon(ID_CREATE_BASE_2D);
  ASSERT_EQ(Page().m_cells.size(), 8u);
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加2维坐标轴"));
  EXPECT_TRUE(SettleUntil([] { return ViewQuaternion == kQuatIdentity; })) << "turned to the plane";
  CGScaleline* scale = Only<CGScaleline>();
  ASSERT_TRUE(scale && scale->m_bDefined);
  const int ticked = GreyPixels();
  EXPECT_GT(ticked, before + 50) << "ticks and labels in grey";

  // "x" dragged further out: the scale follows.
  CGCell* x = Page().m_cells.Lookup(scale->m_parents[2]);
  x->m_fValue = 18;
  x->Recalculate();
  Recompute(*x);
  EXPECT_EQ(scale->XMax, 18.0f);

  // 属性 on the ticks: the square grid.
  Page().ClearSelection();
  Page().SelectCell(scale->m_nId);
  bool answered = false;
  AnswerNextDialog("方形网格", answered);
  window->Actions().Refresh();
  window->Actions().Action(ID_EDIT_PROPERTY)->trigger();
  Settle();
  ASSERT_TRUE(answered);
  EXPECT_EQ(scale->GridMode(), 1);
  Page().ClearSelection();
  EXPECT_GT(GreyPixels(), ticked) << "the grid lines";

  // A face coloured by the x coordinate of a free point.
  CGPage& page = Page();
  const auto point = [&page](const char* name, float px, float py) {
    auto* p = new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, QString::fromUtf8(name), px, py, 0);
    page.m_cells.SetAt(p->m_nId, p);
    return p;
  };
  CGVerFreeXyz* driver = point("P", 0.25f, 3);
  const WORD a = point("A", -6, -6)->m_nId, b = point("B", -2, -6)->m_nId, c = point("C", -6, -2)->m_nId;
  auto* face = new CGFace(page.m_nNextId++, a, b, c, 0x00808080);
  page.m_cells.SetAt(face->m_nId, face);
  window->DocumentShown();
  page.ClearSelection();
  page.SelectCell(driver->m_nId);
  Ribbon(ID_MEASURE_COORD_X);
  ASSERT_EQ(page.m_selValues.size(), 0u);
  WORD reading = page.m_nNextId - 1;
  page.ClearSelection();
  page.SelectCell(reading);
  page.SelectCell(face->m_nId);
  answered = false;
  AnswerNextDialog(nullptr, answered);
  Ribbon(ID_COLOR29);
  Settle();
  ASSERT_TRUE(answered);
  ASSERT_TRUE(Only<CGMdfColor>());
  EXPECT_EQ(page.m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加参数颜色"));
  EXPECT_TRUE(face->m_rgbaColor.r == 128 && face->m_rgbaColor.g == 255 && face->m_rgbaColor.b == 0) << "hue 0.25";
  driver->m_vPos[0] = 0.5f;
  driver->ApplyParameter();
  Recompute(*driver);
  EXPECT_TRUE(face->m_rgbaColor.r == 0 && face->m_rgbaColor.g == 255) << "hue 0.5 after the move";

  const QString path = folder.filePath(QStringLiteral("graphing.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  QFile first(path);
  ASSERT_TRUE(first.open(QIODevice::ReadOnly));
  const QByteArray saved = first.readAll();
  first.close();
  ASSERT_TRUE(app.Document().OnOpenDocument(path, false));
  EXPECT_EQ(PageCellsOf<CGScaleline>().size(), 1u);
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  QFile second(path);
  ASSERT_TRUE(second.open(QIODevice::ReadOnly));
  EXPECT_EQ(second.readAll(), saved) << "save, open, save: the same bytes";
}

}  // namespace
