// The hull, net, section and cut commands: the preset vertex sets, the
// dialogs' presets, what each makes (with its button) in one undo step,
// the net's undo giving the hull back its style and face order, and the
// property rows of the three cells.
#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/cgsection.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/cgsplit.h"
#include "editing/dialogs/solids/polyhedrondialogs.h"
#include "platform/archive.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

struct HullPage : CommandPage {
  // The hull of preset set `set` through the command.
  WORD Hull(int set) {
    CDlgPolyhedron answer;
    answer.m_nVertexSet = set;
    answer.m_nDisplay = 2;
    dialogs->Ok(answer);
    Run(ID_POLYHEDRON);
    return WORD(Page().m_nNextId - 1);
  }
  QByteArray Record(WORD id) const {
    CArchive ar;
    Find(id)->Serialize(ar);
    return ar.Bytes();
  }
};

TEST(HullCommands, EveryPresetSetGivesItsSolid) {
  struct Row {
    int set;
    size_t v, e, f;
  } const rows[] = {{1, 8, 12, 6},  {2, 12, 18, 8}, {3, 7, 12, 7},   {4, 12, 18, 8},  {5, 4, 6, 4},
                    {6, 8, 12, 6},  {7, 6, 12, 8},  {8, 20, 30, 12}, {9, 12, 30, 20}, {12, 8, 12, 6}};
  for (const Row& r : rows) {
    HullPage p;
    const WORD id = p.Hull(r.set);
    auto* hull = p.As<CGPolyhedron>(id);
    ASSERT_TRUE(hull) << r.set;
    EXPECT_EQ(hull->m_strName, QStringLiteral("多面体"));
    EXPECT_EQ(hull->m_nStyle, 2);
    EXPECT_EQ(hull->Points.size(), r.v) << r.set;
    EXPECT_EQ(hull->Edges.size(), r.e) << r.set;
    EXPECT_EQ(hull->Faces.size(), r.f) << r.set;
  }
  HullPage box;
  const auto* hull = box.As<CGPolyhedron>(box.Hull(1));
  double lo[3] = {1e9, 1e9, 1e9}, hi[3] = {-1e9, -1e9, -1e9};
  for (const auto& v : hull->Points) {
    const double c[3] = {v.x, v.y, v.z};
    for (int i = 0; i < 3; ++i) lo[i] = std::min(lo[i], c[i]), hi[i] = std::max(hi[i], c[i]);
  }
  EXPECT_EQ(hi[0] - lo[0], 10);
  EXPECT_EQ(hi[1] - lo[1], 8);
  EXPECT_EQ(hi[2] - lo[2], 6);
}

TEST(HullCommands, HullFromSelectedPointsAndItsRefusals) {
  HullPage p;
  const std::vector<WORD> four = p.Points(3);
  p.Select({four[0], four[1]});
  p.dialogs->Cancel<CDlgPolyhedron>();
  p.ExpectNothingMade([&] { p.Run(ID_POLYHEDRON); });
  EXPECT_EQ(p.dialogs->Offered<CDlgPolyhedron>().back().m_nVertexSet, 1);
  EXPECT_EQ(p.dialogs->Offered<CDlgPolyhedron>().back().m_nDisplay, 2);
  EXPECT_EQ(p.dialogs->Offered<CDlgPolyhedron>().back().m_bNew, 1);

  CDlgPolyhedron selected;
  selected.m_nVertexSet = 0;
  p.Select(four);
  p.dialogs->Ok(selected);
  p.ExpectNothingMade([&] { p.Run(ID_POLYHEDRON); });
  EXPECT_EQ(p.seams.notifier->Texts().back(), QStringLiteral("至少选择四个不共面的点"));

  // Four points on one line: the build fails silently, the id is not spent.
  const std::vector<WORD> line = {p.Point(0, 0, 0), p.Point(1, 0, 0), p.Point(2, 0, 0), p.Point(3, 0, 0)};
  p.Select(line);
  p.dialogs->Ok(selected);
  const size_t shown = p.seams.notifier->shown.size();
  p.ExpectNothingMade([&] { p.Run(ID_POLYHEDRON); });
  EXPECT_EQ(p.seams.notifier->shown.size(), shown);

  const WORD d = p.Point(0, 0, 5);
  p.Select({four[0], four[1], four[2], d});
  EXPECT_EQ(p.dialogs->Offered<CDlgPolyhedron>().size(), 3u);
  p.dialogs->Ok(selected);
  const std::vector<WORD> made = p.ExpectConstruction(ID_POLYHEDRON, 1, QStringLiteral("添加凸包"));
  const auto* hull = p.As<CGPolyhedron>(made[0]);
  ASSERT_EQ(hull->Faces.size(), 4u);
  // The hull keeps its own copy of the points.
  p.As<CGVertex>(d)->m_vPos[2] = 50;
  p.Page().RecalculateCells({d});
  for (const auto& v : hull->Points) EXPECT_LE(v.z, 5);
}

TEST(HullCommands, NetWithItsButtonUndoneGivesTheHullBackItsStyleAndFaceOrder) {
  struct Row {
    int mode;
    float end;
  } const rows[] = {{0, 2.0f}, {1, 3.0f}};
  for (const Row& r : rows) {
    HullPage p;
    const WORD hull = p.Hull(6);
    auto* h = p.As<CGPolyhedron>(hull);
    std::swap(h->Faces[0], h->Faces[5]);  // the base no longer first
    p.Select({hull});
    CDlgFold answer;
    answer.m_nUnfolding = r.mode;
    p.dialogs->Ok(answer);
    const std::vector<WORD> made = p.ExpectConstruction(ID_FOLD, 2, QStringLiteral("添加展开图"));
    const auto* net = p.As<CGFold>(made[0]);
    const auto* button = p.As<CGButnAnimation>(made[1]);
    ASSERT_TRUE(net && button);
    EXPECT_EQ(net->m_strName, QStringLiteral("展开图"));
    EXPECT_EQ(net->m_nStyle, 2);
    EXPECT_EQ(net->m_nUnfoldMode, r.mode);
    EXPECT_EQ(button->m_strName, QStringLiteral("折展"));
    EXPECT_EQ(button->m_parents, std::vector<WORD>{net->m_nId});
    EXPECT_EQ(button->m_fStart, 1.0f);
    EXPECT_EQ(button->m_fEnd, r.end);
    EXPECT_EQ(button->m_nDirection, CGButnAnimation::kBothWays);
    EXPECT_FLOAT_EQ(button->PauseSeconds(), 1.0f);
    EXPECT_EQ(h->m_nStyle, kHullSolidLines);
    const CDlgFold offered = p.dialogs->Offered<CDlgFold>().back();
    EXPECT_EQ(offered.m_nDisplay, 2);
    EXPECT_EQ(offered.m_nUnfolding, 1);
  }
}

TEST(HullCommands, SectionAndCutAreOfferedForOneHull) {
  HullPage p;
  const WORD hull = p.Hull(6);
  const std::vector<WORD> pts = p.Points(3);
  const WORD face = p.Face(pts);
  p.Select({hull});
  EXPECT_FALSE(p.Run(ID_SECTION));
  p.Select({hull, face});
  const std::vector<WORD> section = p.ExpectConstruction(ID_SECTION, 1, QStringLiteral("添加截面图"));
  EXPECT_EQ(p.As<CGSection>(section[0])->m_parents, (std::vector<WORD>{hull, face}));

  // Hidden before its cut comes, the hull is shown by it; undone, hidden
  // again (ExpectConstruction compares the records).
  p.Select({hull});
  ASSERT_TRUE(p.Run(ID_VIEW_HIDEOBJECTS));
  p.Select({hull, face});
  // Faces selected: the count and the note follow them, the cut follows the faces.
  CDlgSplit answer;
  answer.m_nPlanes = 1;
  answer.m_dShift = -3;
  answer.m_nDisplay = 2;
  answer.m_strLabel = QStringLiteral("cut");
  p.dialogs->Ok(answer);
  const std::vector<WORD> made = p.ExpectConstruction(ID_TI_SPLIT, 2, QStringLiteral("添加多面体切割图"));
  const CDlgSplit offered = p.dialogs->Offered<CDlgSplit>().back();
  EXPECT_EQ(offered.m_nPlanes, 1);
  EXPECT_EQ(offered.m_strInfo, QStringLiteral("切割面由当前页所选面确定,随面而变化"));
  const auto* cut = p.As<CGSplit>(made[0]);
  EXPECT_EQ(p.Find(hull)->m_bHidden, 0);
  EXPECT_EQ(cut->m_bPlanesFromFaces, 1);
  EXPECT_EQ(cut->m_dDistance, 3);
  EXPECT_EQ(cut->m_nStyle, 2);
  EXPECT_EQ(cut->m_strName, QStringLiteral("cut"));
  const auto* button = p.As<CGButnAnimation>(made[1]);
  EXPECT_EQ(button->m_strName, QStringLiteral("切割"));
  EXPECT_EQ(button->m_fStart, 0.0f);
  EXPECT_EQ(button->m_fEnd, 1.0f);
  EXPECT_EQ(button->m_nDirection, CGButnAnimation::kForward);

  p.Select({hull});
  p.dialogs->Ok(CDlgSplit());
  const std::vector<WORD> fixed = p.ExpectConstruction(ID_TI_SPLIT, 2, QStringLiteral("添加多面体切割图"));
  EXPECT_EQ(p.dialogs->Offered<CDlgSplit>().back().m_strInfo,
            QStringLiteral("当前页未选择面,切割面将由程序自动生成,且是固定的"));
  EXPECT_EQ(p.As<CGSplit>(fixed[0])->m_nPlanes, 3);
  EXPECT_EQ(p.As<CGSplit>(fixed[0])->m_bPlanesFromFaces, 0);
  // A cut that ran hid its hull: undone, the hull shows again.
  p.As<CGSplit>(fixed[0])->m_fValue = 0.5f;
  p.As<CGSplit>(fixed[0])->ApplyParameter();
  ASSERT_TRUE(p.As<CGPolyhedron>(hull)->CutCovers);
  p.Page().m_undo.Undo();
  EXPECT_FALSE(p.As<CGPolyhedron>(hull)->CutCovers);
  EXPECT_EQ(p.Find(hull)->m_bHidden, 0);
  p.Page().m_undo.Redo();
  EXPECT_EQ(p.As<CGButnAnimation>(fixed[1])->m_fEnd, 3.0f);

  p.Select({});
  EXPECT_FALSE(p.Run(ID_FOLD));
  EXPECT_FALSE(p.Run(ID_TI_SPLIT));
}

TEST(HullCommands, PropertyRowsEditTheThreeCells) {
  HullPage p;
  const WORD hull = p.Hull(6);
  p.Select({hull});
  p.dialogs->Ok(CDlgFold());
  p.Run(ID_FOLD);
  const WORD net = WORD(p.Page().m_nNextId - 2);
  p.dialogs->Ok(CDlgSplit());
  p.Run(ID_TI_SPLIT);
  const WORD cut = WORD(p.Page().m_nNextId - 2);

  CDlgPolyhedron hullAnswer;
  hullAnswer.m_nDisplay = 0;
  hullAnswer.m_bHideObject = 1;
  hullAnswer.m_strLabel = QStringLiteral("H");
  p.dialogs->Ok(hullAnswer);
  p.Select({hull});
  p.Run(ID_EDIT_PROPERTY);
  const CDlgPolyhedron hullOffered = p.dialogs->Offered<CDlgPolyhedron>().back();
  EXPECT_EQ(hullOffered.m_bNew, 0);
  EXPECT_EQ(hullOffered.m_strLabel, QStringLiteral("多面体"));
  const auto* h = p.As<CGPolyhedron>(hull);
  EXPECT_EQ(h->m_nStyle, 0);
  // Its stepwise cut shows it again when computed, as a reopen does.
  EXPECT_EQ(h->m_bHidden, 0);
  EXPECT_EQ(h->m_strName, QStringLiteral("H"));
  EXPECT_TRUE(h->m_bNameFixed);

  CDlgFold netAnswer;
  netAnswer.m_nUnfolding = 0;
  netAnswer.m_strLabel = QStringLiteral("展开图");
  p.dialogs->Ok(netAnswer);
  p.Select({net});
  p.Run(ID_EDIT_PROPERTY);
  EXPECT_EQ(p.As<CGFold>(net)->m_nUnfoldMode, 0);
  EXPECT_FALSE(p.As<CGFold>(net)->m_bNameFixed);  // the name did not change

  CDlgSplit cutAnswer;
  cutAnswer.m_nPlanes = 7;
  cutAnswer.m_dShift = 4;
  p.dialogs->Ok(cutAnswer);
  p.Select({cut});
  p.Run(ID_EDIT_PROPERTY);
  const CDlgSplit cutOffered = p.dialogs->Offered<CDlgSplit>().back();
  EXPECT_EQ(cutOffered.m_bNew, 0);
  EXPECT_EQ(cutOffered.m_strInfo, QStringLiteral("切割面由当前页所选面确定,随面而变化"));
  EXPECT_EQ(p.As<CGSplit>(cut)->m_nPlanes, 7);
  EXPECT_EQ(p.As<CGSplit>(cut)->m_dDistance, 4);
  EXPECT_FALSE(p.Messages(0x811).empty());
}

}  // namespace
