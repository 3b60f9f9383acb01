// The 3DS model command and the model's property row: the file chosen in
// the Models folder becomes a model with its spin button in one step, the
// button only turns it, and the dialog edits the placement and the look.
#include <QFile>
#include <cmath>
#include <functional>

#include "../cells/model3ds/model3dsfiles.h"
#include "cells/dynamic/buttons/animationbutton.h"
#include "editing/dialogs/models/model3dsdialog.h"
#include "model/runningbuttons.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

class Model3dsCommand : public ::testing::Test {
 protected:
  QString House() const {
    Mesh3dsSpec walls = Box3ds("walls", 0, 0, 0, 8, 6, 4);
    walls.material = "brick";
    return files.Write(QStringLiteral("house.3ds"),
                       Write3ds({ModelMaterial("brick", 180, 60, 40)}, {walls}));
  }
  std::vector<WORD> Made() {
    p.seams.fileChooser->answers = {House()};
    return p.ExpectMade(ID_3DSMODEL, "CGModel3ds() CGButnAnimation(house.3ds)", "添加3dsmax模型");
  }

  CommandPage p;
  ModelFiles files;
};

TEST_F(Model3dsCommand, CancelledChooserMakesNothing) {
  p.seams.fileChooser->answers = {QString()};
  p.ExpectNothingMade([&] { p.Run(ID_3DSMODEL); });
  ASSERT_EQ(p.seams.fileChooser->filters.size(), 1u);
  EXPECT_TRUE(p.seams.fileChooser->filters[0].contains(QStringLiteral("*.3ds")));
}

TEST_F(Model3dsCommand, ChosenFileGivesALitModelAndItsSpinButton) {
  const std::vector<WORD> made = Made();
  ASSERT_EQ(made.size(), 2u);
  auto* model = p.As<CGModel3ds>(made[0]);
  auto* button = p.As<CGButnAnimation>(made[1]);
  ASSERT_TRUE(model && button);
  EXPECT_TRUE(model->m_bDefined);
  EXPECT_EQ(model->m_nStyle, 1);
  EXPECT_EQ(model->FilePath, files.folder.filePath(QStringLiteral("house.3ds")));
  // Box 8 x 6 x 4: radius sqrt(116) / 2.
  EXPECT_EQ(model->Scale, static_cast<float>(15.0 / (0.5 * std::sqrt(116.0))));
  EXPECT_EQ(button->m_strName, QString::fromUtf8("旋转模型"));
  EXPECT_EQ(button->m_fStart, 0.0f);
  EXPECT_EQ(button->m_fEnd, 6.283f);
  EXPECT_EQ(button->m_fSpeed, 0.02f);
  EXPECT_EQ(button->m_nDirection, CGButnAnimation::kForward);
  EXPECT_EQ(button->m_nSubKind, 0);
  EXPECT_TRUE(p.seams.notifier->shown.empty());
}

TEST_F(Model3dsCommand, RunningTheButtonTurnsTheModelWithoutReadingItAgain) {
  const std::vector<WORD> made = Made();
  auto* model = p.As<CGModel3ds>(made[0]);
  // Were the model read again, the missing file would be asked for.
  ASSERT_TRUE(QFile::remove(model->FilePath));
  const float scale = model->Scale;
  ASSERT_TRUE(p.Page().SetButtonRunning(true, made[1]));
  RefreshMovingSet(p.Page());
  for (int tick = 0; tick < 3; ++tick) StepRunningButtons();
  EXPECT_NEAR(model->m_fValue, 0.06f, 1e-6);
  EXPECT_TRUE(p.seams.notifier->shown.empty());
  EXPECT_TRUE(model->m_bDefined);
  EXPECT_EQ(model->Scale, scale);
  EXPECT_EQ(model->Mesh().vertices.size(), 36u);
}

// Hiding and showing compute the model again: that reads no file, so a
// file gone or spoilt since changes nothing and nobody is asked.
TEST_F(Model3dsCommand, HidingAndShowingReadNoFile) {
  const struct Row {
    const char* what;
    std::function<bool(const QString&)> spoil;
  } rows[] = {
      {"the file gone", [](const QString& path) { return QFile::remove(path); }},
      {"the file no model now",
       [](const QString& path) {
         QFile file(path);
         return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write("not a model") > 0;
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const std::vector<WORD> made = Made();
    auto* model = p.As<CGModel3ds>(made[0]);
    ASSERT_TRUE(row.spoil(model->FilePath));
    const size_t asked = p.seams.fileChooser->filters.size();
    p.Select({made[0]});
    ASSERT_TRUE(p.Run(ID_VIEW_HIDEOBJECTS));
    EXPECT_EQ(model->m_bHidden, 1);
    ASSERT_TRUE(p.Run(ID_EDIT_SHOWOBJECT));
    EXPECT_EQ(model->m_bHidden, 0);
    EXPECT_TRUE(p.seams.notifier->shown.empty());
    EXPECT_EQ(p.seams.fileChooser->filters.size(), asked);
    EXPECT_TRUE(model->m_bDefined);
    EXPECT_EQ(model->Model.objectCount, 1);
    EXPECT_EQ(model->Mesh().vertices.size(), 36u) << "drawn as it was read";
    p.Page().m_undo.Undo();
  }
}

// A pasted model is read from its record: it reads its file then, and asks
// for it when it has gone.
TEST_F(Model3dsCommand, APastedModelReadsItsFile) {
  const std::vector<WORD> made = Made();
  p.Select({made[0]});
  ASSERT_TRUE(p.Run(ID_EDIT_COPY));
  ASSERT_TRUE(p.Run(ID_EDIT_PASTE));
  auto* pasted = p.As<CGModel3ds>(WORD(made[1] + 1));
  ASSERT_TRUE(pasted);
  EXPECT_TRUE(pasted->m_bDefined);
  EXPECT_EQ(pasted->Mesh().vertices.size(), 36u);
  EXPECT_TRUE(p.seams.notifier->shown.empty());

  ASSERT_TRUE(QFile::remove(pasted->FilePath));
  p.seams.fileChooser->answers = {QString()};
  ASSERT_TRUE(p.Run(ID_EDIT_PASTE));
  auto* again = p.As<CGModel3ds>(WORD(pasted->m_nId + 1));
  ASSERT_TRUE(again);
  EXPECT_EQ(p.seams.notifier->shown.size(), 1u);
  EXPECT_FALSE(again->m_bDefined) << "the search was cancelled";
  EXPECT_TRUE(pasted->m_bDefined) << "the copy on the page keeps its model";
}

TEST_F(Model3dsCommand, PropertiesShowTheFileAndWriteBackPlacementAndLook) {
  const std::vector<WORD> made = Made();
  auto* model = p.As<CGModel3ds>(made[0]);
  CDlg3ds answer;
  answer.m_strFilePath = QStringLiteral("/elsewhere/other.3ds");
  answer.m_fX = 1.5f, answer.m_fY = -2, answer.m_fZ = 3;
  answer.m_fScale = 0.25f;
  answer.m_nDisplayMode = 0;
  answer.m_bHidden = 1;
  p.dialogs->Ok(answer);
  p.Select({made[0]});
  p.Run(ID_EDIT_PROPERTY);
  const std::vector<CDlg3ds> offered = p.dialogs->Offered<CDlg3ds>();
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_EQ(offered[0].m_strFilePath, model->FilePath);
  EXPECT_EQ(offered[0].m_nDisplayMode, 1);
  EXPECT_EQ(offered[0].m_fX, 0.0f);
  EXPECT_EQ(offered[0].m_fScale, static_cast<float>(15.0 / (0.5 * std::sqrt(116.0))));
  EXPECT_EQ(model->m_nStyle, 0);
  EXPECT_EQ(model->m_bHidden, 1);
  EXPECT_EQ(model->Scale, 0.25f);
  EXPECT_EQ(model->Position[0], 1.5f);
  EXPECT_EQ(model->Position[1], -2.0f);
  EXPECT_EQ(model->Position[2], 3.0f);
  EXPECT_EQ(model->FilePath, files.folder.filePath(QStringLiteral("house.3ds"))) << "the path is shown only";

  p.dialogs->Cancel<CDlg3ds>();
  p.Run(ID_EDIT_PROPERTY);
  EXPECT_EQ(model->Scale, 0.25f);
  EXPECT_EQ(model->m_bHidden, 1);
}

}  // namespace
