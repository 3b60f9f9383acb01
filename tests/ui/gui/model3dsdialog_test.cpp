// The 3DS model dialog's widgets: its fields in the order the dialog
// exchanges them, the file shown only, and what OK stores.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

#include "editing/dialogs/models/model3dsdialog.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {

struct Model3dsDialogWidgets : ::testing::Test {
  Model3dsDialogWidgets() { SetDialogProvider(MakeWidgetDialogProvider(&owner)); }
  SeamRecorders seams;
  QWidget owner;
};

TEST_F(Model3dsDialogWidgets, ShowsTheFileAndStoresCentreModeScaleAndHidden) {
  CDlg3ds data;
  data.m_strFilePath = QStringLiteral("/models/house.3ds");
  data.m_fX = 0.1f;
  data.m_fScale = 2.2360679f;
  data.m_nDisplayMode = 0;
  QStringList labels;
  bool readOnly = false;
  WhenShown([&](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("3ds模型属性"));
    for (QLabel* label : d.findChildren<QLabel*>()) labels << label->text();
    auto* file = Child(d, "file");
    readOnly = file->isReadOnly();
    EXPECT_EQ(file->text(), QStringLiteral("/models/house.3ds"));
    Child(d, "field2")->setText(QStringLiteral("-4.5"));
    ByText<QRadioButton>(d, "光照贴图")->click();
    ByText<QCheckBox>(d, "隐藏对象")->click();
    Press(d, QDialogButtonBox::Ok);
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_TRUE(readOnly);
  EXPECT_EQ(labels.filter(QRegularExpression(QStringLiteral("^(文件名：|X:|Y:|Z:|缩放比:)$"))),
            (QStringList{QString::fromUtf8("文件名："), QStringLiteral("X:"), QStringLiteral("Y:"),
                         QStringLiteral("Z:"), QString::fromUtf8("缩放比:")}));
  EXPECT_EQ(data.m_fX, 0.1f) << "an untouched number is stored unchanged";
  EXPECT_EQ(data.m_fY, -4.5f);
  EXPECT_EQ(data.m_fScale, 2.2360679f);
  EXPECT_EQ(data.m_nDisplayMode, 1);
  EXPECT_EQ(data.m_bHidden, 1);
  EXPECT_EQ(data.m_strFilePath, QStringLiteral("/models/house.3ds"));
}

}  // namespace
