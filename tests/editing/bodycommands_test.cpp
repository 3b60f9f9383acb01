// The ready-made body commands: the 3D text made at once, the component
// dialog's clip checks and material, the selected body edited instead of a
// new one, the dialog's rules and presets, and the component's property row.
#include "cells/solids/bodies/cgsubassembly.h"
#include "editing/dialogs/bodies/subadialog.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/uibridge.h"
#include "render/currentmaterial.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(BodyCommands, ThreeDTextIsGreenKavrelInKaitiThenThePlaneView) {
  CommandPage p;
  int planeViews = 0;
  CommandRegistry().Register(ID_VIEW_PORT_TT, [&](unsigned) { ++planeViews; }, {}, &planeViews);
  const std::vector<WORD> made = p.ExpectMade(ID_CREATE_3DTEXT, "CGSubassembly()", "添加3D文字");
  CommandRegistry().Withdraw(&planeViews);
  ASSERT_EQ(made.size(), 1u);
  auto* text = p.As<CGSubassembly>(made[0]);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->m_strName, QStringLiteral("Kavrel"));
  EXPECT_EQ(text->m_strVodName, QString::fromUtf8("楷体"));
  EXPECT_EQ(text->m_rgbaColor, (RGBA{0, 128, 0, text->m_rgbaColor.a}));
  EXPECT_EQ(text->m_nSubKind, 0);
  EXPECT_EQ(text->m_vCenter[0], -20);
  EXPECT_EQ(text->m_vAxis[1], 1);
  EXPECT_EQ(text->m_vAxis[2], 3);
  EXPECT_EQ(text->m_vScale[2], 10);
  EXPECT_EQ(text->m_nClipMode, 0);
  EXPECT_EQ(planeViews, 1);
}

TEST(BodyCommands, TheDialogsChecksGiveTheClipModeAndItsMaterialTheBodys) {
  const struct Row {
    BOOL clip, plane1, plane2;
    int mode;
  } rows[] = {{0, 1, 1, 0}, {1, 0, 0, 0}, {1, 1, 0, 1}, {1, 0, 1, 2}, {1, 1, 1, 3}};
  for (const Row& r : rows) {
    CommandPage p;
    CCreateSubaDlg answer;
    answer.m_nKind = 10;
    answer.m_bClip = r.clip, answer.m_bPlane1 = r.plane1, answer.m_bPlane2 = r.plane2;
    p.dialogs->Ok(answer);
    const std::vector<WORD> made = p.ExpectMade(ID_CREATE_SUBA, "CGSubassembly()", "添加组件球");
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(p.As<CGSubassembly>(made[0])->m_nClipMode, r.mode) << r.clip << r.plane1 << r.plane2;
  }
  CommandPage p;
  g_curMaterial.shininess = 99;
  g_curMaterial.specular = {0.5f, 0.25f, 0.125f, 1};
  CCreateSubaDlg answer;
  answer.m_strFont = QStringLiteral("Serif");
  answer.m_strLabel = QStringLiteral("typed");  // the label does not name a new body
  answer.m_nMaterialMode = 1;
  p.dialogs->Ok(answer);
  const std::vector<WORD> made = p.ExpectMade(ID_CREATE_SUBA, "CGSubassembly()", "添加组件3D文字");
  ASSERT_EQ(made.size(), 1u);
  const auto* text = p.As<CGSubassembly>(made[0]);
  EXPECT_EQ(text->m_strName, QString::fromUtf8("3D文字"));
  EXPECT_EQ(text->m_strVodName, QStringLiteral("Serif"));
  EXPECT_EQ(text->m_nMaterialMode, 1);
  EXPECT_EQ(text->m_fShininess, 99);
  EXPECT_EQ(text->m_fSpecular[1], 0.25f);
  const CCreateSubaDlg offered = p.dialogs->Offered<CCreateSubaDlg>().back();
  EXPECT_EQ(offered.m_fCenter[0], -10);
  EXPECT_EQ(offered.m_fAxis[1], -1);
  EXPECT_EQ(offered.m_strLabel, QString::fromUtf8("3d文字"));
  p.dialogs->Cancel<CCreateSubaDlg>();
  p.ExpectNothingMade([&] { p.Run(ID_CREATE_SUBA); });
}

TEST(BodyCommands, ASelectedBodyIsEditedNotAddedTo) {
  CommandPage p;
  auto* body = new CGSubassembly(p.Page().m_nNextId++, 7, 0, 0, 0, 0, 1, 2, 3, 0, 0, 1, 0, 4, 4, 4, 0, 0, 0, 1, 0,
                                 0, -1, 0, 0);
  p.Enter(body);
  const WORD point = p.Point(), other = p.Point(1, 1, 0);
  const WORD next = p.Page().m_nNextId;
  p.Select({body->m_nId});
  CCreateSubaDlg answer;
  answer.m_nKind = 8;
  answer.m_nDisplay = 1;
  answer.m_strLabel = QStringLiteral("cone");
  answer.m_bClip = 1, answer.m_bPlane2 = 1;
  answer.m_fCenter[0] = 7;
  p.dialogs->Ok(answer);
  p.Run(ID_CREATE_SUBA);
  EXPECT_EQ(p.Page().m_nNextId, next);
  ASSERT_EQ(p.dialogs->Offered<CCreateSubaDlg>().size(), 1u);
  const CCreateSubaDlg offered = p.dialogs->Offered<CCreateSubaDlg>().back();
  EXPECT_EQ(offered.m_nKind, 7);
  EXPECT_EQ(offered.m_bNew, 0);
  EXPECT_EQ(offered.m_fScale[1], 4);
  EXPECT_EQ(body->m_nSubKind, 8);
  EXPECT_EQ(body->m_nStyle, 1);
  EXPECT_EQ(body->m_strName, QStringLiteral("cone"));
  EXPECT_TRUE(body->m_bLabelStale);
  EXPECT_EQ(body->m_nClipMode, 2);
  EXPECT_EQ(body->m_vCenter[0], 7);

  // Beside a point, whose own dialog the property command opens, and
  // beside two, whose distance it reports: the body's dialog all the same.
  const std::vector<WORD> withPoints[] = {{point, body->m_nId}, {point, other, body->m_nId}};
  float centre = 7;
  for (const std::vector<WORD>& selected : withPoints) {
    p.Select(selected);
    answer.m_fCenter[0] = ++centre;
    p.dialogs->Ok(answer);
    p.Run(ID_CREATE_SUBA);
    EXPECT_EQ(body->m_vCenter[0], centre) << selected.size();
    EXPECT_EQ(p.dialogs->Offered<CCreateSubaDlg>().back().m_fCenter[0], centre - 1) << "the body's own values";
    EXPECT_TRUE(p.seams.notifier->shown.empty()) << selected.size();
    EXPECT_EQ(p.Page().m_nNextId, next);
  }
  EXPECT_EQ(p.dialogs->Offered<CCreateSubaDlg>().size(), 3u);
}

TEST(BodyDialog, KindChangesResetThePlacementAndTheRulesFollow) {
  const struct Row {
    int kind;
    float centre0, axis1, axis2, scale;
    bool font, clip, texture;
  } rows[] = {
      {0, -12, -1, 1, 10, true, false, false}, {2, 0, 0, 1, 10, false, true, true},
      {3, 0, 0, 1, 10, false, true, false},    {4, 0, 0, 1, 6, false, true, false},
      {6, 0, 0, 1, 10, false, true, true},     {14, 0, 0, 1, 10, false, true, true},
  };
  for (const Row& r : rows) {
    CCreateSubaDlg dialog;
    dialog.m_bClip = dialog.m_bPlane1 = dialog.m_bPlane2 = 1;
    dialog.m_nTexture = 5;
    dialog.ChooseKind(r.kind);
    EXPECT_EQ(dialog.m_fCenter[0], r.centre0) << r.kind;
    EXPECT_EQ(dialog.m_fAxis[1], r.axis1) << r.kind;
    EXPECT_EQ(dialog.m_fAxis[2], r.axis2) << r.kind;
    EXPECT_EQ(dialog.m_fScale[2], r.scale) << r.kind;
    EXPECT_EQ(dialog.FontEnabled(), r.font) << r.kind;
    EXPECT_EQ(dialog.ClipEnabled(), r.clip) << r.kind;
    EXPECT_EQ(dialog.TextureEnabled(), r.texture) << r.kind;
    EXPECT_EQ(dialog.m_nTexture, r.texture ? 5 : 0) << r.kind;
    EXPECT_EQ(dialog.m_bClip != 0, r.kind != 0) << r.kind;
    EXPECT_EQ(dialog.Plane1Enabled(), r.kind != 0) << r.kind;
    EXPECT_EQ(dialog.m_strLabel, CGSubassembly::KindName(r.kind));
  }
  CCreateSubaDlg dialog;
  EXPECT_FALSE(dialog.PresetsEnabled());
  dialog.m_nMaterialMode = 1;
  EXPECT_TRUE(dialog.PresetsEnabled());
  dialog.ChooseKind(2);
  dialog.m_nDisplay = 1;
  EXPECT_FALSE(dialog.TextureEnabled());
}

TEST(BodyDialog, APresetBecomesTheCurrentMaterialAndReachesTheSelectedBody) {
  CommandPage p;
  auto* body = new CGSubassembly(p.Page().m_nNextId++, 14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1, 1, 0, 0, 0, 1, 0,
                                 0, -1, 0, 0);
  p.Enter(body);
  p.Select({body->m_nId});
  CCreateSubaDlg dialog;
  dialog.ChoosePreset(5);  // 红宝石
  EXPECT_EQ(g_curMaterial.ambient, (std::array<float, 4>{0.1745f, 0.01175f, 0.01175f, 1}));
  EXPECT_EQ(g_curMaterial.specular[0], 0.727811f);
  EXPECT_FLOAT_EQ(g_curMaterial.shininess, 76.8f);
  const std::vector<BridgeMessage> posted = p.Messages(WM_APPLY_MATERIAL);
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].target, UiTarget::View);
  ASSERT_TRUE(GiveCurrentMaterialToSelectedBody(p.Page()));
  EXPECT_EQ(body->m_fAmbient[0], 0.1745f);
  EXPECT_EQ(QString::fromUtf8(kMaterialPresets[5].name), QString::fromUtf8("红宝石"));
  dialog.ChoosePreset(25);  // beyond the list: nothing
  EXPECT_EQ(p.Messages(WM_APPLY_MATERIAL).size(), 1u);
}

}  // namespace
