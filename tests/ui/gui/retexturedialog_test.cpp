// The texture dialog's widgets: the built-in picture of the chosen texture,
// or a picture file, read back on OK.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "model/globals.h"
#include "platform/notifier.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"
#include "view/tools/retexture.h"

namespace KAVREL_FILE_LOCAL {

TEST(RetextureDialogWidgets, TheBuiltInPictureOfTheChosenTextureOrAChosenFile) {
  for (bool builtIn : {true, false}) {
    SeamRecorders seams;
    seams.fileChooser->answers = {QStringLiteral("/pictures/wood.png")};
    g_strProgramFolder = QStringLiteral("/opt/kavrel");
    QWidget owner;
    SetDialogProvider(MakeWidgetDialogProvider(&owner));
    CDlgReTextext data;
    data.m_bBuiltIn = builtIn ? 0 : 1;
    QString caption;
    QTimer::singleShot(10, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      caption = dialog->windowTitle();
      dialog->findChild<QComboBox*>()->setCurrentIndex(1);
      ByText<QPushButton>(*dialog, builtIn ? "恢复内置图" : "置换新图像")->click();
      dialog->accept();
    });
    ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
    EXPECT_EQ(caption, QStringLiteral("更换纹理图"));
    EXPECT_EQ(data.m_nTexture, 1);
    EXPECT_EQ(data.m_bBuiltIn, builtIn ? 1 : 0);
    EXPECT_EQ(data.m_strImage, builtIn ? QStringLiteral("/opt/kavrel/Images/Img2.jpg") : "/pictures/wood.png");
  }
}

}  // namespace
