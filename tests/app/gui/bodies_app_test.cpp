// Ready-made bodies in the running program (xvfb), used as a new user
// would: a teapot from the component dialog, dragged with the mouse, given
// a material from the sheet, saved and opened again where it was dragged.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QPushButton>

#include "cells/solids/bodies/cgsubassembly.h"
#include "math/mathglobals.h"
#include "math/viewrotation.h"
#include "platform/commandids.h"
#include "platform/uibridge.h"
#include "programwindow.h"
#include "render/currentmaterial.h"
#include "support/modaldialogs.h"
#include "support/runningapp.h"

namespace KAVREL_FILE_LOCAL {

class BodiesApp : public ProgramWindow {};

TEST_F(BodiesApp, ATeapotIsMadeDraggedLitAndKeptWhereItWasDragged) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  Render();
  WhenShown([](QDialog& dialog) {
    auto* kind = dialog.findChild<QComboBox*>(QStringLiteral("kind"));
    kind->setCurrentIndex(14);
    emit kind->activated(14);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  Ribbon(ID_CREATE_SUBA);
  const std::vector<CGSubassembly*> made = PageCellsOf<CGSubassembly>();
  ASSERT_EQ(made.size(), 1u);
  CGSubassembly* pot = made[0];
  EXPECT_EQ(pot->m_strName, QString::fromUtf8("茶壶"));
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加组件茶壶"));
  EXPECT_EQ(pot->m_vCenter[0], 0);

  Ribbon(ID_EDIT_SELECT);
  Render();
  Drag(At(0, 0), At(3, 2));
  EXPECT_NEAR(pot->m_vCenter[0], 3, 0.05);
  EXPECT_NEAR(pot->m_vCenter[1], 2, 0.05);
  EXPECT_EQ(pot->m_vCenter[2], 0);
  ASSERT_EQ(Page().m_selOthers, std::vector<WORD>{pot->m_nId});

  Render();
  const QImage before = view->grabFramebuffer();
  g_curMaterial.ambient = {0.1745f, 0.01175f, 0.01175f, 1};
  g_curMaterial.diffuse = {0.61424f, 0.04136f, 0.04136f, 1};
  UiBridge().Post(UiTarget::View, WM_APPLY_MATERIAL, 0, 0);
  QTRY_COMPARE_WITH_TIMEOUT(pot->m_nMaterialMode, 1, 5000);
  Render();
  EXPECT_NE(view->grabFramebuffer(), before) << "the material changes the picture";

  const QString path = folder.filePath(QStringLiteral("teapot.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  ASSERT_TRUE(app.Document().OnOpenDocument(path, false));
  const std::vector<CGSubassembly*> opened = PageCellsOf<CGSubassembly>();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_NEAR(opened[0]->m_vCenter[0], 3, 0.05);
  EXPECT_NEAR(opened[0]->m_vCenter[1], 2, 0.05);
  EXPECT_EQ(opened[0]->m_nMaterialMode, 1);
  EXPECT_EQ(opened[0]->m_fAmbient[0], 0.1745f);
}

}  // namespace
