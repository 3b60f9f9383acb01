// The action-button commands: what each selection enables, what the dialog
// is offered, the button made from the answer, and Cancel making nothing.
#include "cells/constrained/dependentpoints.h"
#include "cells/constrained/linepoints.h"
#include "cells/constructed/follower2d.h"
#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/dynamic/buttons/commandbutton.h"
#include "cells/dynamic/buttons/linkbutton.h"
#include "cells/dynamic/buttons/movebutton.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/convexhull.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/cgsplit.h"
#include "editing/buttons/actionbuttoncommands.h"
#include "editing/dialogs/buttons/actionbuttondialogs.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {
struct Buttons : CommandPage {
  Buttons() {
    a = Point(0, 0, 0);
    b = Point(3, 0, 0);
    c = Point(0, 4, 0);
    ab = Line(a, b);
    face = Face({a, b, c});
    circle = Enter(new CGArc(Page().m_nNextId++, 0, 0, 0, 5, 0, 0, 0, 5, 0, 0, kArcFullTurn, kArcCircle));
  }
  template <class T, class... Args>
  WORD NewPoint(const char* name, Args... args) {
    return Enter(new T(Page().m_nNextId++, Page().m_nNextVertex++, QString::fromUtf8(name), args...));
  }
  bool Enabled(unsigned id) { return CommandRegistry().Query(id).m_bEnabled; }
  WORD a, b, c, ab, face, circle;
};

TEST(ActionButtons, ShowHideTakesTheSelectionInOrder) {
  Buttons p;
  p.Select({});
  EXPECT_FALSE(p.Enabled(ID_EDIT_BTN_HIDESHOW));
  p.Select({p.a, p.ab, p.face});
  const auto ids = p.ExpectMade(ID_EDIT_BTN_HIDESHOW, "CGButnSHide(A,AB,ABC)", "添加显隐按钮");
  ASSERT_EQ(ids.size(), 1u);
  const auto* button = p.As<CGButnSHide>(ids[0]);
  EXPECT_EQ(button->m_nSubKind, CGButnSHide::kToggle);
  EXPECT_EQ(button->m_strName, QString::fromUtf8("隐藏"));
}

TEST(ActionButtons, ShowHideOnThePageAloneHasNoTargets) {
  Buttons p;
  p.Select({});
  p.Page().m_bSelected = 1;
  p.ExpectMade(ID_EDIT_BTN_HIDESHOW, "CGButnSHide()", "添加显隐按钮");
}

struct RangeCase {
  const char* what;
  float from, to, step;
  int speed;
};

TEST(ActionButtons, AnimationOffersTheRangeOfTheDrivenCell) {
  const RangeCase cases[] = {
      {"circle", 0, 6.2831855f, 0.08726646f, CSpeedChoice::kCustom},
      {"parameter", 0, 1.0f, 0.1f, 1},
      {"line", 0, 1.0f, 0.1f, 1},
      {"perpendicular", 0, 10.0f, 0.1f, 1},
  };
  for (const RangeCase& row : cases) {
    SCOPED_TRACE(row.what);
    Buttons p;
    const std::string what = row.what;
    WORD driven = 0;
    if (what == "circle") driven = p.NewPoint<CGVerFreeInCircle>("P", p.circle, 1.0f);
    if (what == "parameter") driven = p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, "t1", 0.5f));
    if (what == "line") driven = p.NewPoint<CGVerFreeInLine>("P", p.ab, 0.5f);
    if (what == "perpendicular") driven = p.NewPoint<CGVerFreePerpen>("P", p.a, p.b, p.c);
    p.Select({driven});
    CDlgBtnAnimation answer;
    answer.m_strLabel = QStringLiteral("go");
    answer.m_fFrom = row.from;
    answer.m_fTo = row.to;
    answer.m_fStep = 0.25f;
    answer.m_nDirection = 2;
    answer.m_nPlayCount = 1;
    answer.m_fPause = 1.5f;
    p.dialogs->Ok(answer);
    const auto ids = p.ExpectConstruction(ID_EDIT_BTN_ANIMATION, 1, QString::fromUtf8("添加动画按钮"));
    const auto offered = p.dialogs->Offered<CDlgBtnAnimation>();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].m_strLabel, QString::fromUtf8("动画"));
    EXPECT_EQ(offered[0].m_fFrom, row.from);
    EXPECT_EQ(offered[0].m_fTo, row.to);
    EXPECT_EQ(offered[0].m_fStep, row.step);
    EXPECT_EQ(offered[0].m_nSpeed, row.speed);
    EXPECT_EQ(offered[0].m_strObject, p.Find(driven)->GetDescription());
    const auto* button = p.As<CGButnAnimation>(ids[0]);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->m_parents, std::vector<WORD>{driven});
    EXPECT_EQ(button->m_strName, QStringLiteral("go"));
    EXPECT_EQ(button->m_fSpeed, 0.25f);
    EXPECT_EQ(button->m_nDirection, 2);
    EXPECT_EQ(button->m_bRepeat, 1);
    EXPECT_EQ(button->PauseSeconds(), 1.5f);
    EXPECT_EQ(button->m_nSubKind, CGButnAnimation::kStepping);
  }
}

TEST(ActionButtons, PointInAFaceOrPlaneWalks) {
  for (int plane = 0; plane < 2; ++plane) {
    Buttons p;
    const WORD point = plane ? p.NewPoint<CGVerFreeInPlane>("P", p.a, p.b, p.c, 0.2f, 0.2f)
                             : p.NewPoint<CGVerFreeInFace>("P", p.face, 0.2f, 0.2f);
    p.Select({point});
    CDlgBtnAnimation2 answer;
    answer.m_strLabel = QStringLiteral("walk");
    answer.m_fDuration = 60;
    answer.m_fStep = 0.05f;
    p.dialogs->Ok(answer);
    const auto ids = p.ExpectConstruction(ID_EDIT_BTN_ANIMATION, 1, QString::fromUtf8("添加动画按钮"));
    const auto offered = p.dialogs->Offered<CDlgBtnAnimation2>();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].m_fDuration, 120.0f);
    EXPECT_EQ(offered[0].m_fStep, 0.02f);
    const auto* button = p.As<CGButnAnimation>(ids[0]);
    EXPECT_EQ(button->m_nSubKind, plane ? CGButnAnimation::kWalkInPlane : CGButnAnimation::kWalkInFace);
    EXPECT_EQ(button->m_fEnd, 60.0f);
    EXPECT_EQ(button->m_fSpeed, 0.05f);
  }
}

TEST(ActionButtons, AnimationIsDisabledForOtherSelections) {
  Buttons p;
  p.Select({p.a});
  EXPECT_FALSE(p.Enabled(ID_EDIT_BTN_ANIMATION));
  p.Select({p.a, p.b});
  EXPECT_FALSE(p.Enabled(ID_EDIT_BTN_ANIMATION));
  p.Select({});
  EXPECT_FALSE(p.Enabled(ID_EDIT_BTN_ANIMATION));
  const WORD onCircle = p.NewPoint<CGVerFreeInCircle>("P", p.circle, 1.0f);
  p.Select({onCircle});
  EXPECT_TRUE(p.Enabled(ID_EDIT_BTN_ANIMATION));
}

TEST(ActionButtons, AnimationCancelledMakesNothing) {
  Buttons p;
  p.Select({p.NewPoint<CGVerFreeInCircle>("P", p.circle, 1.0f)});
  p.dialogs->Cancel<CDlgBtnAnimation>();
  p.ExpectNothingMade([&] { p.Run(ID_EDIT_BTN_ANIMATION); });
}

struct MoveCase {
  const char* what;
  int mode;
};

TEST(ActionButtons, MoveTakesTheCarrierOfTheFirstPoint) {
  const MoveCase cases[] = {{"line", 1}, {"free", 0}, {"circle", 2}, {"plane", 6}, {"henchman", 8}};
  for (const MoveCase& row : cases) {
    SCOPED_TRACE(row.what);
    Buttons p;
    const std::string what = row.what;
    WORD moving = p.a;
    if (what == "line") moving = p.NewPoint<CGVerFreeInLine>("P", p.ab, 0.5f);
    if (what == "circle") moving = p.NewPoint<CGVerFreeInCircle>("P", p.circle, 1.0f);
    if (what == "plane") moving = p.NewPoint<CGVerFreeInPlane>("P", p.a, p.b, p.c, 0.2f, 0.2f);
    if (what == "henchman") moving = p.NewPoint<CGVerFree2dHenchman>("P", 1.0f, 1.0f, p.a);
    const WORD target = moving == p.a ? p.c : p.b;
    p.Select({moving, target});
    CDlgBtnMove answer;
    answer.m_strLabel = QStringLiteral("m");
    answer.m_fStep = 0.2f;
    p.dialogs->Ok(answer);
    const auto ids = p.ExpectConstruction(ID_EDIT_BTN_MOVE, 1, QString::fromUtf8("添加移动按钮"));
    const auto offered = p.dialogs->Offered<CDlgBtnMove>();
    ASSERT_EQ(offered.size(), 1u);
    const QString m = p.Find(moving)->m_strName, g = p.Find(target)->m_strName;
    EXPECT_EQ(offered[0].m_strLabel, m + QString::fromUtf8("→") + g);
    EXPECT_EQ(offered[0].m_strMoving, m + QString::fromUtf8("： ") + p.Find(moving)->GetDescription());
    EXPECT_EQ(offered[0].m_strTarget, g + QString::fromUtf8("： ") + p.Find(target)->GetDescription());
    const auto* button = p.As<CGButnMove>(ids[0]);
    EXPECT_EQ(button->m_nSubKind, row.mode);
    EXPECT_EQ(button->m_parents, (std::vector<WORD>{moving, target}));
    EXPECT_EQ(button->m_fSpeed, 0.2f);
  }
}

TEST(ActionButtons, MoveRefusesAPointWithoutCarrierAfterTheDialog) {
  for (int perpendicular = 0; perpendicular < 2; ++perpendicular) {
    Buttons p;
    const WORD moving = perpendicular ? p.NewPoint<CGVerFreePerpen>("P", p.a, p.b, p.c) : p.NewPoint<CGVerMid>("M", p.ab);
    p.Select({moving, p.c});
    EXPECT_EQ(p.Enabled(ID_EDIT_BTN_MOVE), perpendicular == 1);
    p.dialogs->Ok(CDlgBtnMove());
    p.ExpectNothingMade([&] { OnEditBtnMove(p.doc); });
    EXPECT_EQ(p.dialogs->Offered<CDlgBtnMove>().size(), 1u);
    EXPECT_EQ(p.seams.notifier->Texts(), std::vector<QString>{QString::fromUtf8("选择点不能移动到目标位置！")});
  }
}

TEST(ActionButtons, SeriesRunsExactlyTheSelectedButtons) {
  Buttons p;
  std::vector<WORD> buttons;
  for (int i = 0; i < 4; ++i) {
    p.Select({p.a});
    ASSERT_TRUE(p.Run(ID_EDIT_BTN_HIDESHOW));
    buttons.push_back(static_cast<WORD>(p.Page().m_nNextId - 1));
  }
  p.Select({buttons[0]});
  EXPECT_FALSE(p.Enabled(ID_EDIT_BTN_PRESENTAT));
  p.Select({buttons[2], buttons[0], buttons[3]});
  CDlgBtnPresentat answer;
  answer.m_strLabel = QStringLiteral("s");
  answer.m_nOrder = 1;
  answer.m_fPause = 2;
  answer.m_nLoopKind = 2;
  answer.m_nVariable = 2;
  answer.m_dLoopStart = 0;
  answer.m_dLoopEnd = 3;
  answer.m_dLoopStep = 1;
  p.dialogs->Ok(answer);
  const auto ids = p.ExpectConstruction(ID_EDIT_BTN_PRESENTAT, 1, QString::fromUtf8("添加系列按钮"));
  EXPECT_EQ(p.dialogs->Offered<CDlgBtnPresentat>()[0].m_strLabel, QString::fromUtf8("系列动作"));
  const auto* series = p.As<CGButnPresentat>(ids[0]);
  EXPECT_EQ(series->m_parents, (std::vector<WORD>{buttons[2], buttons[0], buttons[3]}));
  EXPECT_TRUE(series->IsSerial());
  EXPECT_EQ(series->PauseSeconds(), 2.0f);
  EXPECT_EQ(series->m_nParamA, CGButnPresentat::kForLoop);
  EXPECT_EQ(series->m_nRegister, 3);
  EXPECT_EQ(series->m_dLoopStart, 0.0);
  EXPECT_EQ(series->m_dLoopEnd, 3.0);
  EXPECT_EQ(series->m_dLoopStep, 1.0);
}

TEST(ActionButtons, LinkToAPageTakesItsName) {
  Buttons p;
  p.Page().m_strName = QString::fromUtf8("第一页");
  p.doc.OnCreatePage();
  p.Page().m_strName = QString::fromUtf8("第2页");
  const WORD second = p.Page().m_nId;
  CDlgBtnLink answer;
  answer.m_nKind = 0;
  answer.m_nPage = 1;
  p.dialogs->Ok(answer);
  const auto ids = p.ExpectConstruction(ID_EDIT_BTN_LINK, 1, QString::fromUtf8("添加链接按钮"));
  const auto offered = p.dialogs->Offered<CDlgBtnLink>();
  EXPECT_EQ(offered[0].m_strLabel, QString::fromUtf8("链接"));
  EXPECT_EQ(offered[0].m_pageNames, (QStringList{QString::fromUtf8("第一页"), QString::fromUtf8("第2页")}));
  const auto* link = p.As<CGButnLink>(ids[0]);
  EXPECT_EQ(link->m_strName, QString::fromUtf8("第2页"));
  EXPECT_EQ(link->m_nPageId, second);
  EXPECT_TRUE(link->IsPageLink());
}

TEST(ActionButtons, CommandButtonKeepsTheSequence) {
  Buttons p;
  CDlgCmdBtn answer;
  answer.m_commands = {32776, 32862};
  p.dialogs->Ok(answer);
  const auto ids = p.ExpectConstruction(ID_EDIT_BTN_MEDIA, 1, QString::fromUtf8("添加命令序列命令按钮"));
  EXPECT_TRUE(p.dialogs->Offered<CDlgCmdBtn>()[0].m_commands.empty());
  const auto* button = p.As<CGButnCommand>(ids[0]);
  EXPECT_EQ(button->m_commands, (std::vector<std::int32_t>{32776, 32862}));
  EXPECT_EQ(button->m_nDelay, 12);
  EXPECT_EQ(button->m_strName, QString::fromUtf8("命令序列"));
  p.dialogs->Cancel<CDlgCmdBtn>();
  p.ExpectNothingMade([&] { p.Run(ID_EDIT_BTN_MEDIA); });
  p.dialogs->Ok(CDlgCmdBtn());
  p.ExpectNothingMade([&] { p.Run(ID_EDIT_BTN_MEDIA); });
}
}  // namespace

namespace KAVREL_FILE_LOCAL {
// Each button reopened by the property command: the dialog is preset from
// the button, a new label and step come back, and the object list is told.
struct Reopened : Buttons {
  WORD Made(unsigned command) {
    EXPECT_TRUE(Run(command));
    return static_cast<WORD>(Page().m_nNextId - 1);
  }
  void Reopen(WORD button) {
    Select({button});
    const size_t notices = Messages(WM_ITEM_TEXTS).size();
    ASSERT_TRUE(Run(ID_EDIT_PROPERTY));
    EXPECT_EQ(Messages(WM_ITEM_TEXTS).size(), notices + 1);
  }
};

TEST(ActionButtonProperties, EachButtonReopensItsDialog) {
  Reopened p;
  const WORD onCircle = p.NewPoint<CGVerFreeInCircle>("P", p.circle, 1.0f);
  p.Select({onCircle});
  p.dialogs->Ok(CDlgBtnAnimation());
  const WORD animation = p.Made(ID_EDIT_BTN_ANIMATION);
  CDlgBtnAnimation range;
  range.m_strLabel = QStringLiteral("turn");
  range.m_fTo = 3;
  range.m_fStep = 0.3f;
  range.m_nPlayCount = 1;
  p.dialogs->Ok(range);
  p.Reopen(animation);
  const auto offered = p.dialogs->Offered<CDlgBtnAnimation>().back();
  EXPECT_EQ(offered.m_fTo, 1.0f);
  EXPECT_EQ(offered.m_fStep, 0.1f);
  EXPECT_EQ(offered.m_nSpeed, 1);
  EXPECT_EQ(offered.m_strObject, p.Find(onCircle)->GetDescription());
  const auto* a = p.As<CGButnAnimation>(animation);
  EXPECT_EQ(a->m_strName, QStringLiteral("turn"));
  EXPECT_EQ(a->m_fEnd, 3.0f);
  EXPECT_EQ(a->m_fSpeed, 0.3f);
  EXPECT_EQ(a->m_bRepeat, 1);
  EXPECT_TRUE(a->m_bLabelStale);

  p.Select({p.a, p.b});
  p.dialogs->Ok(CDlgBtnMove());
  const WORD move = p.Made(ID_EDIT_BTN_MOVE);
  CDlgBtnMove speed;
  speed.m_strLabel = QStringLiteral("go");
  speed.m_fStep = 0.05f;
  p.dialogs->Ok(speed);
  p.Reopen(move);
  EXPECT_EQ(p.dialogs->Offered<CDlgBtnMove>().back().m_strTarget, p.Find(p.b)->GetDescription());
  EXPECT_EQ(p.As<CGButnMove>(move)->m_fSpeed, 0.05f);
  EXPECT_EQ(p.As<CGButnMove>(move)->m_strName, QStringLiteral("go"));
  EXPECT_TRUE(p.As<CGButnMove>(move)->m_bNameFixed);

  p.Select({p.a, p.b, p.c});
  const WORD showHide = p.Made(ID_EDIT_BTN_HIDESHOW);
  CDlgBtnShide action;
  action.m_strLabel = QStringLiteral("show");
  action.m_nAction = 3;
  p.dialogs->Ok(action);
  p.Reopen(showHide);
  EXPECT_EQ(p.dialogs->Offered<CDlgBtnShide>().back().m_strObjects, QString::fromUtf8("此按钮显示或隐藏 3个对象"));
  EXPECT_EQ(p.Find(showHide)->m_nSubKind, 3);

  p.Select({animation, move});
  CDlgBtnPresentat first;
  first.m_strLabel = QStringLiteral("first");
  p.dialogs->Ok(first);
  const WORD series = p.Made(ID_EDIT_BTN_PRESENTAT);
  CDlgBtnPresentat loop;
  loop.m_strLabel = QStringLiteral("all");
  loop.m_nOrder = 1;
  loop.m_nLoopKind = 1;
  loop.m_nLoopCount = 5;
  p.dialogs->Ok(loop);
  p.Reopen(series);
  EXPECT_EQ(p.dialogs->Offered<CDlgBtnPresentat>().back().m_strLabel, QStringLiteral("first"));
  EXPECT_EQ(p.Find(series)->m_strName, QStringLiteral("all"));
  EXPECT_TRUE(p.As<CGButnPresentat>(series)->IsSerial());
  EXPECT_EQ(p.As<CGButnPresentat>(series)->m_nPassCount, 5);

  p.dialogs->Ok(CDlgBtnLink());
  const WORD link = p.Made(ID_EDIT_BTN_LINK);
  CDlgBtnLink web;
  web.m_strLabel = QStringLiteral("web");
  web.m_nKind = 1;
  web.m_strLink = QStringLiteral("http://example.org/a b");
  p.dialogs->Ok(web);
  p.Reopen(link);
  EXPECT_EQ(p.dialogs->Offered<CDlgBtnLink>().back().m_pageNames.size(), 1);
  EXPECT_FALSE(p.As<CGButnLink>(link)->IsPageLink());
  EXPECT_EQ(p.As<CGButnLink>(link)->m_strPath, QStringLiteral("http://example.org/a b"));

  CDlgCmdBtn sequence;
  sequence.m_commands = {32776};
  p.dialogs->Ok(sequence);
  const WORD commands = p.Made(ID_EDIT_BTN_MEDIA);
  sequence.m_commands = {32862, 32861};
  sequence.m_nDelay = 3;
  p.dialogs->Ok(sequence);
  p.Reopen(commands);
  EXPECT_EQ(p.dialogs->Offered<CDlgCmdBtn>().back().m_commands, std::vector<std::int32_t>{32776});
  EXPECT_EQ(p.As<CGButnCommand>(commands)->m_commands, (std::vector<std::int32_t>{32862, 32861}));
  EXPECT_EQ(p.As<CGButnCommand>(commands)->m_nDelay, 3);
}

TEST(ActionButtonProperties, CancelChangesNothing) {
  Reopened p;
  p.Select({p.a});
  const WORD button = p.Made(ID_EDIT_BTN_HIDESHOW);
  p.dialogs->Cancel<CDlgBtnShide>();
  p.Select({button});
  const size_t notices = p.Messages(WM_ITEM_TEXTS).size();
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  EXPECT_EQ(p.Messages(WM_ITEM_TEXTS).size(), notices);
  EXPECT_EQ(p.Find(button)->m_strName, QString::fromUtf8("隐藏"));
  EXPECT_EQ(p.Find(button)->m_nSubKind, CGButnSHide::kToggle);
}
}  // namespace

namespace KAVREL_FILE_LOCAL {
// A cube's hull with a net folding level by level and a cut by 3 planes.
struct Solids : Reopened {
  Solids() {
    const double cube[] = {0, 0, 0, 2, 0, 0, 2, 2, 0, 0, 2, 0, 0, 0, 2, 2, 0, 2, 2, 2, 2, 0, 2, 2};
    auto* hull = new CGPolyhedron;
    EXPECT_TRUE(BuildConvexHull(cube, 8, *hull));
    hull->m_nId = Page().m_nNextId++;
    hullId = Enter(hull);
    net = Enter(new CGFold(Page().m_nNextId++, hullId, QStringLiteral("net"), 2, CGFold::kLevelByLevel));
    cut = Enter(new CGSplit(Page().m_nNextId++, hullId, 3, 0, 2.0));
  }
  WORD hullId, net, cut;
};

TEST(ActionButtons, NetsAndCutsRunOverTheirSteps) {
  Solids p;
  p.Select({p.net});
  p.dialogs->Ok(CDlgBtnAnimation());
  ASSERT_TRUE(p.Run(ID_EDIT_BTN_ANIMATION));
  EXPECT_EQ(p.dialogs->Offered<CDlgBtnAnimation>().back().m_fFrom, 1.0f);
  EXPECT_EQ(p.dialogs->Offered<CDlgBtnAnimation>().back().m_fTo,
            static_cast<float>(p.As<CGFold>(p.net)->DeepestLevel + 1));
  p.Select({p.cut});
  CDlgBtnAnimation answer;
  answer.m_fTo = 3;
  p.dialogs->Ok(answer);
  const auto ids = p.ExpectConstruction(ID_EDIT_BTN_ANIMATION, 1, QString::fromUtf8("添加动画按钮"));
  EXPECT_EQ(p.dialogs->Offered<CDlgBtnAnimation>().back().m_fTo, 3.0f);
  p.Select({p.hullId});
  EXPECT_FALSE(p.Enabled(ID_EDIT_BTN_ANIMATION));

  // Reopened: forward only, and the end never past the last plane.
  answer.m_fTo = 10;
  answer.m_nDirection = 0;
  p.dialogs->Ok(answer);
  p.Reopen(ids[0]);
  EXPECT_EQ(p.dialogs->Offered<CDlgBtnAnimation>().back().m_nDirection, -1);
  EXPECT_EQ(p.As<CGButnAnimation>(ids[0])->m_fEnd, 3.0f);
}
}  // namespace
