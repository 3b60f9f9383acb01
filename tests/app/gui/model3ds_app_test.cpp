// 3DS models in the running program (xvfb), used as a new user would: the
// shipped house chosen in the Models folder, turned by its "旋转模型"
// button, then shown as a wire frame through its properties.
#include <gtest/gtest.h>

#include <QImage>
#include <QRadioButton>
#include <cmath>

#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/solids/model3ds/cgmodel3ds.h"
#include "math/mathglobals.h"
#include "math/viewrotation.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "programwindow.h"
#include "support/modaldialogs.h"
#include "support/runningapp.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

class Model3dsApp : public ProgramWindow {
 protected:
  // Pixels that differ between two pictures, inside and outside the circle
  // of `radius` pixels round the view's centre.
  struct Changes {
    int inside = 0, outside = 0;
  };
  Changes Compare(const QImage& a, const QImage& b, double radius) const {
    Changes c;
    EXPECT_EQ(a.size(), b.size());
    if (a.size() != b.size()) return c;
    const double cx = a.width() / 2.0, cy = a.height() / 2.0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) {
        if (a.pixel(x, y) == b.pixel(x, y)) continue;
        (std::hypot(x - cx, y - cy) <= radius ? c.inside : c.outside) += 1;
      }
    return c;
  }
  void PressButton(WORD button) { ASSERT_TRUE(CommandRegistry().Run(ID_CELL_COMMAND_BASE + button)); }
};

TEST_F(Model3dsApp, TheShippedHouseTurnsWithItsButtonAndBecomesAWireFrame) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  const QString house = g_strProgramFolder + QStringLiteral("/Models/house.3ds");
  static_cast<ScriptedFileChooser&>(FileChooser()).answers = {house};
  Ribbon(ID_3DSMODEL);
  const std::vector<CGModel3ds*> models = PageCellsOf<CGModel3ds>();
  ASSERT_EQ(models.size(), 1u);
  CGModel3ds* model = models[0];
  EXPECT_TRUE(model->m_bDefined);
  EXPECT_EQ(model->m_strName, QStringLiteral("house.3ds"));
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加3dsmax模型"));
  EXPECT_TRUE(static_cast<RecordingNotifier&>(Notifier()).shown.empty());
  const std::vector<CGButnAnimation*> buttons = PageCellsOf<CGButnAnimation>();
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(buttons[0]->m_strName, QString::fromUtf8("旋转模型"));

  // The house turns about the view's centre within its half diagonal of
  // 15 units (20 pixels a unit); the button sits outside it.
  const double reach = 20 * 15.0 * 1.15;
  // The object list takes the new cells and the view its final width.
  Settle();
  Render();
  const QImage still = view->grabFramebuffer();
  PressButton(buttons[0]->m_nId);
  QTRY_VERIFY_WITH_TIMEOUT(model->m_fValue > 0.1f, 5000);
  const QImage first = view->grabFramebuffer();
  const float at = model->m_fValue;
  QTRY_VERIFY_WITH_TIMEOUT(model->m_fValue > at + 0.3f, 10000);
  const QImage second = view->grabFramebuffer();
  PressButton(buttons[0]->m_nId);
  const Changes turned = Compare(first, second, reach);
  EXPECT_GT(turned.inside, 1000) << "the house turned";
  EXPECT_EQ(turned.outside, 0) << "nothing else moved";

  Page().ClearSelection();
  window->DocumentShown();
  window->Tree()->ClickCheckBox(CViewTree::FindChildItem(window->Tree()->FindCurrentPageItem(), model->m_nId));
  ASSERT_EQ(Page().m_selOthers, std::vector<WORD>{model->m_nId});
  WhenShown([](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("3ds模型属性"));
    ByText<QRadioButton>(dialog, "线框模式")->click();
    Press(dialog, QDialogButtonBox::Ok);
  });
  Ribbon(ID_EDIT_PROPERTY);
  EXPECT_EQ(model->m_nStyle, CGModel3ds::kWire);
  Page().ClearSelection();
  Render();
  const QImage wire = view->grabFramebuffer();
  model->m_bHidden = 1;
  Render();
  const QImage empty = view->grabFramebuffer();
  EXPECT_GT(Compare(empty, still, reach).inside, 5000) << "the house is drawn";
  const Changes lines = Compare(empty, wire, reach);
  EXPECT_GT(lines.inside, 200) << "its edges are drawn";
  EXPECT_LT(lines.inside, Compare(empty, second, reach).inside / 3) << "only lines remain";
}

}  // namespace
