// Points on a circle and on a face's border in the running program (xvfb):
// three points drawn with the point tool, their circle from the ribbon, the
// circle ticked in the object list and "对象上绘制点" answered in the real
// angle dialog; a face on the points ticked and "路径上的点"; saved and
// opened again.
#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "programwindow.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "editing/dialogs/inputdialogtexts.h"
#include "math/mathglobals.h"
#include "platform/commandids.h"
#include "ui/commandactions.h"
#include "ui/objectlist/viewtree.h"
#include "ui/ribbon/ribbonbar.h"
#include "userchoices.h"

namespace KAVREL_FILE_LOCAL {

class PointOnPathsApp : public ProgramWindow {
 protected:
  // Types `text` into the first field of the next modal dialog and clicks OK.
  void Answer(const QString& text, QString* caption) {
    QTimer::singleShot(10, [=, this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return Answer(text, caption);
      *caption = dialog->windowTitle();
      dialog->findChild<QLineEdit*>(QStringLiteral("field0"))->setText(text);
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
  }
  WORD Newest() { return static_cast<WORD>(Page().m_nNextId - 1); }
};

// What must come back of a point: class, parents, place.
struct Kept {
  std::string cls;
  std::vector<WORD> parents;
  std::array<float, 3> at;
};
Kept KeptOf(const CGCell* cell) {
  const auto* point = dynamic_cast<const CGVertex*>(cell);
  if (!point) return {};
  return {point->GetRuntimeClass()->m_lpszClassName, point->m_parents,
          {point->m_vPos[0], point->m_vPos[1], point->m_vPos[2]}};
}

TEST_F(PointOnPathsApp, ACirclePointAtSixtyDegreesAndABorderPointAreSavedAndReadBack) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  g_bSnapToGrid = 1;
  Render();
  Ribbon(ID_CREATE_POINT);
  for (QPoint at : {At(3, 0), At(0, 3), At(-3, 0)}) {
    QTest::mouseClick(view, Qt::LeftButton, {}, at);
    QApplication::processEvents();
  }
  ASSERT_EQ(Newest(), 3);
  Ribbon(ID_EDIT_SELECT);
  Tick({1, 2, 3});
  Ribbon(ID_CREATE_CIRCLE_3P);
  const WORD circle = Newest();
  ASSERT_NE(dynamic_cast<CGArc*>(Page().m_cells.Lookup(circle)), nullptr);

  Tick({circle});
  QString caption;
  Answer(QStringLiteral("60"), &caption);
  Ribbon(ID_CREATE_POINT_INOBJ_FT);
  EXPECT_EQ(caption, QString::fromUtf8(kTextAngleCaption));
  const WORD onCircle = Newest();
  const auto* fixed = dynamic_cast<CGVerInCircleFixedf*>(Page().m_cells.Lookup(onCircle));
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加圆上定参点"));
  EXPECT_NEAR(fixed->m_fValue, 3.14159265 / 3, 1e-6);
  EXPECT_NEAR(fixed->m_vPos[0], 1.5, 1e-4);
  EXPECT_NEAR(fixed->m_vPos[1], 3 * std::sqrt(3.0) / 2, 1e-4);

  Tick({1, 2, 3});
  Ribbon(ID_CREATE_FACE);
  const WORD face = Newest();
  ASSERT_NE(dynamic_cast<CGFace*>(Page().m_cells.Lookup(face)), nullptr);
  Tick({face});
  Ribbon(ID_CREATE_POINT_PATH);
  const WORD onBorder = Newest();
  const auto* border = dynamic_cast<CGVerFreeInBorder*>(Page().m_cells.Lookup(onBorder));
  ASSERT_NE(border, nullptr);
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加复合路径上的点"));
  EXPECT_EQ(border->m_parents, (std::vector<WORD>{1, 2, 3}));
  // On the first edge, from (3, 0) to (0, 3), between 20 % and 80 % of it.
  EXPECT_GE(border->m_fValue, 0.2f);
  EXPECT_LE(border->m_fValue, 0.8f);
  EXPECT_NEAR(border->m_vPos[0] + border->m_vPos[1], 3, 1e-4);
  EXPECT_NEAR(border->m_vPos[0], 3 * (1 - border->m_fValue), 1e-4);

  const Kept made[2] = {KeptOf(fixed), KeptOf(border)};
  const QString path = folder.filePath(QStringLiteral("onpaths.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  const WORD ids[2] = {onCircle, onBorder};
  for (int i = 0; i < 2; ++i) {
    const Kept back = KeptOf(Page().m_cells.Lookup(ids[i]));
    EXPECT_EQ(back.cls, made[i].cls);
    EXPECT_EQ(back.parents, made[i].parents);
    for (int k = 0; k < 3; ++k) EXPECT_FLOAT_EQ(back.at[k], made[i].at[k]) << i;
  }
}

}  // namespace
