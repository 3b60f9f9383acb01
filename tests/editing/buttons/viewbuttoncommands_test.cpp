// The view-button commands: the two marked states, the pan, rotation and
// zoom buttons made from them (dialog presets, the button's values, the
// undo step), the rotation between equal or unmarked states, and Cancel.
#include <cmath>

#include "cells/dynamic/buttons/viewbuttons.h"
#include "editing/buttons/viewbuttoncommands.h"
#include "math/mathglobals.h"
#include "platform/commandids.h"
#include "platform/processstate.h"
#include "render/viewglobals.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {
void SetView(float x, float y, float z, const Quaternion& q, float zoom) {
  g_fViewTranslate[0] = x, g_fViewTranslate[1] = y, g_fViewTranslate[2] = z;
  ViewQuaternion = q;
  g_fViewScale = zoom;
}

// Marks the start at one view and the end at another.
void Mark(CommandPage& p, const Quaternion& start, const Quaternion& end) {
  SetView(0, 0, -50, start, 1);
  ASSERT_TRUE(p.Run(ID_EDIT_BTN_START));
  SetView(0, 0, -50, end, 1);
  ASSERT_TRUE(p.Run(ID_EDIT_BTN_END));
}

Quaternion About(double degrees, double ax, double ay, double az) {
  Quaternion q{};
  return QuatFromAxisAngle(q, degrees * M_PI / 180, ax, ay, az);
}

TEST(ViewButtonCommands, MarkingCopiesTheViewWithoutUndoOrModifying) {
  CommandPage p;
  const CViewSnapshot zero;
  EXPECT_EQ(std::vector<float>(ViewStartSnapshot().rotation, ViewStartSnapshot().rotation + 4),
            std::vector<float>(4, 0.0f));
  EXPECT_EQ(ViewEndSnapshot().zoom, zero.zoom);
  SetView(1, 2, -50, About(90, 1, 0, 0), 2);
  ASSERT_TRUE(p.Run(ID_EDIT_BTN_START));
  SetView(3, 4, -40, kQuatIdentity, 0.5f);
  ASSERT_TRUE(p.Run(ID_EDIT_BTN_END));
  const CViewSnapshot& s = ViewStartSnapshot();
  const CViewSnapshot& e = ViewEndSnapshot();
  EXPECT_EQ(std::vector<float>(s.translate, s.translate + 3), (std::vector<float>{1, 2, -50}));
  EXPECT_EQ(s.zoom, 2.0f);
  EXPECT_FLOAT_EQ(s.rotation[0], static_cast<float>(std::sqrt(0.5)));
  EXPECT_FLOAT_EQ(s.rotation[1], static_cast<float>(std::sqrt(0.5)));
  EXPECT_EQ(std::vector<float>(e.translate, e.translate + 3), (std::vector<float>{3, 4, -40}));
  EXPECT_EQ(std::vector<float>(e.rotation, e.rotation + 4), (std::vector<float>{1, 0, 0, 0}));
  EXPECT_EQ(e.zoom, 0.5f);
  EXPECT_EQ(p.Page().m_undo.GetCount(), 0);
  EXPECT_FALSE(p.doc.IsModified());
  ResetProcessState();
  EXPECT_EQ(ViewStartSnapshot().zoom, 0.0f);
  EXPECT_EQ(ViewEndSnapshot().translate[0], 0.0f);
}

TEST(ViewButtonCommands, PanButtonFromTheMarkedCentres) {
  for (const bool marked : {true, false}) {
    SCOPED_TRACE(marked);
    CommandPage p;
    if (marked) {
      SetView(0, 0, -50, kQuatIdentity, 1);
      ASSERT_TRUE(p.Run(ID_EDIT_BTN_START));
      SetView(4, 0, -50, kQuatIdentity, 1);
      ASSERT_TRUE(p.Run(ID_EDIT_BTN_END));
    }
    CDlgViewTrans answer;
    answer.m_centres[0] = {0, 4};
    answer.m_centres[2] = {-50, -50};
    answer.m_nDirection = 1;
    answer.m_fPause = 2;
    p.dialogs->Ok(answer);
    const std::vector<WORD> made = p.ExpectConstruction(ID_EDIT_BTN_TRANSLATE, 1, QStringLiteral("添加视平移按钮"));
    const CDlgViewTrans offered = p.dialogs->Offered<CDlgViewTrans>().at(0);
    std::vector<float> centres;
    for (const CValuePair& c : offered.m_centres) centres.insert(centres.end(), {c.start, c.other});
    EXPECT_EQ(centres, marked ? (std::vector<float>{0, 4, 0, 0, -50, -50}) : std::vector<float>(6, 0.0f));
    EXPECT_EQ(offered.m_strLabel, QStringLiteral("视平移"));
    const auto* button = p.As<CGButnTranslate>(made.at(0));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(std::vector<float>(button->m_fTarget, button->m_fTarget + 3), (std::vector<float>{4, 0, -50}));
    EXPECT_EQ(std::make_tuple(button->m_strName, button->m_fDuration, button->m_bReturn, button->m_bRepeat,
                              button->PauseSeconds()),
              std::make_tuple(QStringLiteral("视平移"), 5.0f, 1, false, 2.0f));
    EXPECT_TRUE(p.doc.IsModified());
  }
}

TEST(ViewButtonCommands, RotationAngleAndAxisBetweenTheMarks) {
  const struct Row {
    const char* what;
    bool marked;
    Quaternion start, end;
    double degrees, axis[3];
  } rows[] = {
      {"90 about x", true, kQuatIdentity, About(90, 1, 0, 0), 90, {1, 0, 0}},
      {"270 about z", true, kQuatIdentity, About(270, 0, 0, 1), -90, {0, 0, 1}},
      {"equal", true, About(30, 0, 1, 0), About(30, 0, 1, 0), 360, {0, 0, 1}},
      {"unmarked", false, kQuatIdentity, kQuatIdentity, 360, {0, 0, 1}},
      {"from a start", true, About(40, 0, 1, 0), About(100, 0, 1, 0), 60, {0, 1, 0}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    CommandPage p;
    if (r.marked) Mark(p, r.start, r.end);
    p.dialogs->Cancel<CDlgViewRotate>();
    p.ExpectNothingMade([&] { ASSERT_TRUE(p.Run(ID_EDIT_BTN_ROTATE)); });
    const CDlgViewRotate offered = p.dialogs->Offered<CDlgViewRotate>().at(0);
    EXPECT_NEAR(offered.m_pairs[0].other, r.degrees, 1e-3);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(offered.m_pairs[i + 1].other, r.axis[i], 1e-5) << i;
    for (const CValuePair& pair : offered.m_pairs) EXPECT_FALSE(std::isnan(pair.other));
    EXPECT_EQ(offered.m_pairs[0].start, r.marked ? static_cast<float>(r.start.w) : 0.0f);
    EXPECT_EQ(offered.m_strLabel, QStringLiteral("视旋转"));
  }
}

TEST(ViewButtonCommands, RotateAndZoomButtonsTakeTheDialogsValues) {
  CommandPage p;
  Mark(p, kQuatIdentity, About(90, 1, 0, 0));
  CDlgViewRotate rotate;
  rotate.m_pairs[0] = {0.5f, 45};
  rotate.m_pairs[1] = {0.5f, 0};
  rotate.m_pairs[2] = {0.5f, 1};
  rotate.m_pairs[3] = {0.5f, 0};
  rotate.m_nPlayCount = 1;
  rotate.m_fDuration = 3;
  p.dialogs->Ok(rotate);
  const WORD r = p.ExpectConstruction(ID_EDIT_BTN_ROTATE, 1, QStringLiteral("添加视旋转按钮")).at(0);
  const auto* turn = p.As<CGButnRotate>(r);
  ASSERT_NE(turn, nullptr);
  EXPECT_EQ(std::make_tuple(turn->StartW(), turn->AngleDegrees(), turn->m_fDuration, turn->m_bRepeat),
            std::make_tuple(0.5f, 45.0f, 3.0f, true));
  EXPECT_EQ(std::vector<float>(turn->m_fStart, turn->m_fStart + 3), std::vector<float>(3, 0.5f));
  EXPECT_EQ(std::vector<float>(turn->m_fAxis, turn->m_fAxis + 3), (std::vector<float>{0, 1, 0}));

  SetView(0, 0, -50, kQuatIdentity, 1);
  ASSERT_TRUE(p.Run(ID_EDIT_BTN_START));
  SetView(0, 0, -50, kQuatIdentity, 3);
  ASSERT_TRUE(p.Run(ID_EDIT_BTN_END));
  p.dialogs->Cancel<CDlgViewScale>();
  p.ExpectNothingMade([&] { ASSERT_TRUE(p.Run(ID_EDIT_BTN_ZOOM)); });
  const CDlgViewScale offered = p.dialogs->Offered<CDlgViewScale>().at(0);
  EXPECT_EQ(std::make_tuple(offered.m_fStart, offered.m_fTarget, offered.m_fDuration), std::make_tuple(1.0f, 3.0f, 5.0f));
  p.dialogs->Ok(offered);
  const WORD z = p.ExpectConstruction(ID_EDIT_BTN_ZOOM, 1, QStringLiteral("添加视缩放按钮")).at(0);
  const auto* zoom = p.As<CGButnScale>(z);
  ASSERT_NE(zoom, nullptr);
  EXPECT_EQ(std::make_tuple(zoom->m_fStart, zoom->m_fTarget, zoom->m_strName), std::make_tuple(1.0f, 3.0f, QStringLiteral("视缩放")));
}
}  // namespace
