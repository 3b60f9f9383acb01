// The track command: its refusals, the cells it offers and ticks, the track
// it builds from the dialog's answer, and the trace dialog of 属性.
#include "cells/constrained/dependentpoints.h"
#include "cells/constrained/follower.h"
#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/circlepoints.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/constructed/paths/combinedpaths.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "cells/dynamic/paths/pathpoints.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/cgverfreeinline.h"
#include "editing/dialogs/parametric/parametricdialogs.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/tracks/track.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/texts/cgtextmap.h"
#include "commands/tracks/locuscommand.h"
#include "editing/dialogs/tracks/trackdialogs.h"
#include "editing/properties/propertycommand.h"
#include "editing/tracks/trackcommand.h"
#include "model/cgbutton.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "render/viewglobals.h"
#include "support/commandpage.h"
#include "support/pathfigures.h"

namespace KAVREL_FILE_LOCAL {

const QString kRetry = QString::fromUtf8("\r\n请重新选择！");

// A circle (on O, X, Y), P on it, a fixed point A, segment AP, its
// midpoint M and a free point F.
struct Figure {
  explicit Figure(CommandPage& p) {
    O = p.Point(0, 0, 0);
    X = p.Point(2, 0, 0);
    Y = p.Point(0, 2, 0);
    circle = p.Enter(new CGArcCenterP(p.Page().m_nNextId++, O, X, Y));
    P = p.Enter(new CGVerFreeInCircle(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "P", circle, 0.5f));
    A = p.Point(4, 0, 0);
    AP = p.Line(A, P);
    M = p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "M", AP));
    F = p.Point(1, 1, 1);
  }
  WORD O, X, Y, circle, P, A, AP, M, F;
};

WORD Parameter(CommandPage& p, float value) {
  return p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, QStringLiteral("t"), value));
}

TEST(TrackCommand, RefusalsInOrder) {
  const struct Row { const char* what; int selection; const char* text; } rows[] = {
      {"a path point and one value", 0, "应选择2个度量值"},
      {"a free point in space", 1, "选择的不是路径点，无法构建。"},
      {"a value that is no parameter", 2, "选择的不是可变参数，无法构建。"},
      {"a parameter and one more value", 3, "应选择3个度量值"},
      {"a path point followed by a text and a button only", 4, "后代无适合绘制的图元，无法构建。"},
  };
  for (const Row& row : rows) {
    CommandPage p;
    const Figure f(p);
    const WORD t = Parameter(p, 0.5f), u = Parameter(p, 0.7f);
    auto* lonely = new CGVerFreeInCircle(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "Q", f.circle, 1);
    const WORD q = p.Enter(lonely);
    auto* text = new CGTmVariable();
    text->m_nId = p.Page().m_nNextId++;
    text->m_parents = {q};
    p.Enter(text);
    auto* button = new CGButton();
    button->m_nId = p.Page().m_nNextId++;
    button->m_parents = {q};
    p.Enter(button);
    lonely->m_children = {text->m_nId, button->m_nId};
    const std::vector<WORD> selections[] = {{f.P, t}, {f.F}, {text->m_nId}, {t, u}, {q}};
    p.Select(selections[row.selection]);
    p.ExpectNothingMade([&p] { OnCreateTrack(p.doc); });
    ASSERT_EQ(p.seams.notifier->shown.size(), 1u) << row.what;
    const ShownMessage& shown = p.seams.notifier->shown[0];
    EXPECT_EQ(shown.text, QString::fromUtf8(row.text) + kRetry) << row.what;
    EXPECT_EQ(shown.caption, QString::fromUtf8("形迹"));
    EXPECT_EQ(shown.type & MB_ICONMASK, static_cast<unsigned>(MB_ICONERROR));
    EXPECT_TRUE(p.dialogs->Offered<CDlgTrack>().empty());
  }
}

// The paths and points a driver can be made on: a circle with the free
// points P and Q on it, the segments AB and BC, the face ABC, a curve and a
// locus; F, far off, ends the segment whose midpoint the driver moves.
struct DriverPage : PathCommandPage {
  WORD circle = Circle();
  WORD P = OnCircle(0.5f), Q = OnCircle(2);
  WORD A = Point(4, 0, 0), B = Point(6, 1, 0), C = Point(5, 3, 1), F = Point(9, 9, 9);
  WORD AB = Line(A, B), BC = Line(B, C), ABC = Face({A, B, C});
  WORD curve = Curve(), locus = Locus(1, 8);
  WORD OnCircle(float t) {
    return Enter(new CGVerFreeInCircle(Page().m_nNextId++, Page().m_nNextVertex++, Page().GetNewName(1), circle, t));
  }
  // The point a row makes: the next id, slot and automatic name.
  template <class T, class... Args>
  WORD Make(Args... args) {
    return Enter(new T(Page().m_nNextId++, Page().m_nNextVertex++, Page().GetNewName(1), args...));
  }
};

unsigned CurveDialogs(const CommandPage& p) { return p.dialogs->Offered<CDlgCurve>().size(); }
unsigned TrackDialogs(const CommandPage& p) { return p.dialogs->Offered<CDlgTrack>().size(); }
bool IsEnabled(unsigned command) { return CommandRegistry().Query(command).m_bEnabled; }

// The locus of the midpoint of X and F, the track of X, and the merged
// curve tool on both selections, with X the driver or not.
void ExpectDrives(DriverPage& p, WORD x, bool drives) {
  const WORD m = p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "M", p.Line(x, p.F)));
  p.Select({x, m});
  EXPECT_EQ(IsEnabled(ID_CREATE_LOCUS), drives);
  if (drives) {
    const auto made = p.ExpectConstruction(ID_CREATE_LOCUS, 1, QString::fromUtf8("添加轨迹"));
    const std::vector<WORD>& chain = p.Find(made[0])->m_parents;
    EXPECT_EQ(std::make_pair(chain.front(), chain.back()), std::make_pair(x, m)) << "driver and traced point";
  } else {
    p.ExpectNothingMade([&p] { OnCreateLocus(p.doc); });
  }
  p.Select({x});
  EXPECT_EQ(IsEnabled(ID_CREATE_TRACK), drives);
  p.ExpectNothingMade([&p] { OnCreateTrack(p.doc); });  // the dialog is cancelled
  EXPECT_EQ(TrackDialogs(p), drives ? 1u : 0u);
  const auto& shown = p.seams.notifier->shown;
  ASSERT_EQ(shown.size(), drives ? 0u : 1u);
  if (!drives) {
    EXPECT_EQ(shown[0].text, QString::fromUtf8("选择的不是路径点，无法构建。\r\n请重新选择！"));
    EXPECT_EQ(shown[0].caption, QString::fromUtf8("形迹"));
  }
  // The merged curve tool: a locus, else the curve dialog; a track (here
  // cancelled) for a driver alone, then the curve dialog.
  p.Select({x, m});
  const WORD next = p.Page().m_nNextId;
  EXPECT_TRUE(p.Run(ID_CREATE_CURVE_LOCUS));
  EXPECT_EQ(p.Page().m_nNextId, drives ? next + 1 : next);
  EXPECT_EQ(CurveDialogs(p), drives ? 0u : 1u);
  p.Select({x});
  p.ExpectNothingMade([&p] { p.Run(ID_CREATE_CURVE_LOCUS); });
  EXPECT_EQ(TrackDialogs(p), drives ? 2u : 0u);
  EXPECT_EQ(CurveDialogs(p), drives ? 1u : 2u);
  EXPECT_EQ(shown.size(), drives ? 0u : 1u);
}

TEST(LocusAndTrack, OnlyADraggablePathPointOrAParameterDrives) {
  using D = DriverPage;
  const struct Row {
    const char* what;
    std::function<WORD(D&)> make;
    bool drives;
  } rows[] = {
      // At a fixed parameter or at another point's: nothing of their own moves.
      {"CGVerInLineFixedf", [](D& p) { return p.Make<CGVerInLineFixedf>(p.AB, 0.25f); }, false},
      {"CGVerInLineFt", [](D& p) { return p.Make<CGVerInLineFt>(p.AB, p.P); }, false},
      {"CGVerInCircleFixedf", [](D& p) { return p.Make<CGVerInCircleFixedf>(p.circle, 1.0f); }, false},
      {"CGVerInCircleFt", [](D& p) { return p.Make<CGVerInCircleFt>(p.circle, p.P); }, false},
      {"CGVerInCurveFixedf", [](D& p) { return p.Make<CGVerInCurveFixedf>(p.curve, 1.0f); }, false},
      {"CGVerInCurveFt", [](D& p) { return p.Make<CGVerInCurveFt>(p.curve, p.P); }, false},
      {"CGVerInLocusFixedf", [](D& p) { return p.Make<CGVerInLocusFixedf>(p.locus, 1.0f); }, false},
      {"CGVerInLocusFt", [](D& p) { return p.Make<CGVerInLocusFt>(p.locus, p.P); }, false},
      {"CGVerInBorderFt", [](D& p) { return p.Make<CGVerInBorderFt>(std::vector<WORD>{p.A, p.B, p.C}, p.P); }, false},
      {"CGVerInPaths", [](D& p) { return p.Make<CGVerInPaths>(std::vector<WORD>{p.AB, p.BC}, BYTE(0), 0.5f); }, false},
      {"CGVerInBorder", [](D& p) { return p.Make<CGVerInBorder>(std::vector<WORD>{p.AB, p.curve}, BYTE(0), 0.5f); },
       false},
      {"CGVerInCircleRot", [](D& p) { return p.Make<CGVerInCircleRot>(p.P, p.circle, 0.5f); }, false},
      {"CGVerInCircleScale", [](D& p) { return p.Make<CGVerInCircleScale>(p.circle, p.P, p.Q, 0.5f); }, false},
      // Free, but across space or a plane.
      {"CGVerFreeXyz", [](D& p) { return p.Make<CGVerFreeXyz>(1.0f, 2.0f, 3.0f); }, false},
      {"CGVerFreeHenchman", [](D& p) { return p.Make<CGVerFreeHenchman>(5.0f, 1.0f, 2.0f, p.A); }, false},
      {"CGVerFree2dHenchman", [](D& p) { return p.Make<CGVerFree2dHenchman>(5.0f, 1.0f, p.A); }, false},
      {"CGVerFreeUpright", [](D& p) { return p.Make<CGVerFreeUpright>(p.A, p.B); }, false},
      {"CGVerFreeInFace", [](D& p) { return p.Make<CGVerFreeInFace>(p.ABC, 0.25f, 0.25f); }, false},
      {"CGVerFreeInPlane", [](D& p) { return p.Make<CGVerFreeInPlane>(p.A, p.B, p.C, 0.25f, 0.25f); }, false},
      // Dragged along one path.
      {"CGVerFreeInLine", [](D& p) { return p.Make<CGVerFreeInLine>(p.AB, 0.25f); }, true},
      {"CGVerFreeInCircle", [](D& p) { return p.Make<CGVerFreeInCircle>(p.circle, 1.0f); }, true},
      {"CGVerFreeInCurve", [](D& p) { return p.Make<CGVerFreeInCurve>(p.curve, 1.0f); }, true},
      {"CGVerFreeInLocus", [](D& p) { return p.Make<CGVerFreeInLocus>(p.locus, 1.0f); }, true},
      {"CGVerFreeInBorder", [](D& p) { return p.Make<CGVerFreeInBorder>(std::vector<WORD>{p.AB, p.curve}, 0.5f); },
       true},
      {"CGVerFreeUprightEquid", [](D& p) { return p.Make<CGVerFreeUprightEquid>(p.A, p.B); }, true},
      {"CGVerFreePerpen", [](D& p) { return p.Make<CGVerFreePerpen>(p.A, p.B, p.C); }, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    DriverPage p;
    ExpectDrives(p, row.make(p), row.drives);
  }
}

TEST(TrackCommand, OffersTheDriverOnceAndTicksTheVisibleCells) {
  CommandPage p;
  const Figure f(p);
  p.Find(f.M)->m_bHidden = TRUE;
  p.Select({f.P});
  EXPECT_TRUE(CommandRegistry().Query(ID_CREATE_TRACK).m_bEnabled);
  p.dialogs->Cancel<CDlgTrack>();
  p.ExpectNothingMade([&p] { OnCreateTrack(p.doc); });
  const auto offered = p.dialogs->Offered<CDlgTrack>();
  ASSERT_EQ(offered.size(), 1u);
  const CDlgTrack& dialog = offered[0];
  EXPECT_TRUE(dialog.m_bNewTrack);
  EXPECT_EQ(dialog.m_ids, (std::vector<WORD>{f.P, f.O, f.X, f.Y, f.circle, f.A, f.AP, f.M}))
      << "the driver once, then the drawable descendants and their ancestors";
  ASSERT_EQ(dialog.m_flags.size(), dialog.m_ids.size());
  std::vector<QString> names;
  std::vector<bool> ticks;
  for (size_t row = 0; row < dialog.m_items.size(); ++row) {
    names.push_back(dialog.m_items[row].name);
    ticks.push_back(dialog.Ticked(row));
  }
  EXPECT_EQ(names.front(), QStringLiteral("P"));
  EXPECT_EQ(std::count(names.begin(), names.end(), QStringLiteral("P")), 1);
  EXPECT_EQ(ticks, (std::vector<bool>{true, true, true, true, true, true, true, false}));
  EXPECT_EQ(dialog.m_fStart, 0);
  EXPECT_EQ(dialog.m_fEnd, 6.2831855f);
  EXPECT_EQ(dialog.m_fStep, 0.05235988f);
}

TEST(TrackCommand, OkBuildsTheTrackFromTheAnswerAndUndoTakesItBack) {
  CommandPage p;
  const Figure f(p);
  p.Select({f.P});
  CDlgTrack answer;
  answer.m_ids = {f.P, f.A, f.AP};
  answer.m_flags = {0, 0, 1};
  answer.m_fStart = 2;
  answer.m_fEnd = 1;
  answer.m_fStep = 0.1f;
  answer.m_nDisplay = 2;
  answer.m_nColour = 1;
  answer.m_bNewTrack = 1;
  p.dialogs->Ok(answer);
  const auto made = p.ExpectConstruction(ID_CREATE_TRACK, 1, QString::fromUtf8("添加形迹"));
  const auto* track = p.As<CGTrack>(made[0]);
  ASSERT_NE(track, nullptr);
  EXPECT_EQ(track->m_parents, answer.m_ids);
  EXPECT_EQ(track->DrawnParents, (std::vector<WORD>{2}));
  EXPECT_EQ(track->RangeMin, 1);
  EXPECT_EQ(track->RangeMax, 2);
  EXPECT_EQ(track->TrackStep, 0.1f);
  EXPECT_EQ(track->m_nSubKind, 2);
  EXPECT_EQ(track->m_nStyle, 1);
}

TEST(TrackCommand, TwoRangeParametersAreNeitherListedNorCollected) {
  CommandPage p;
  const Figure f(p);
  const WORD low = Parameter(p, 0), high = Parameter(p, 1);
  p.Select({f.P, low, high});
  EXPECT_TRUE(CommandRegistry().Query(ID_CREATE_TRACK).m_bEnabled);
  p.dialogs->Cancel<CDlgTrack>();
  OnCreateTrack(p.doc);
  const auto offered = p.dialogs->Offered<CDlgTrack>();
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_TRUE(offered[0].m_bTwoParameters);
  EXPECT_EQ(std::vector<WORD>(offered[0].m_ids.begin(), offered[0].m_ids.begin() + 3),
            (std::vector<WORD>{f.P, low, high}));
  for (const CDlgTrack::CItem& item : offered[0].m_items) EXPECT_TRUE(item.index == 0 || item.index >= 3);
}

TEST(TrackDialog, TicksGoToTheFlagOfTheRowsId) {
  CommandPage p;
  const Figure f(p);
  CDlgTrack dialog;
  dialog.m_ids = {f.P, f.AP, f.M};
  dialog.m_flags = {1, 0, 1};
  dialog.ListCells();
  ASSERT_EQ(dialog.m_items.size(), 3u);
  dialog.Tick(1, true);
  dialog.Tick(2, false);
  dialog.Tick(7, true);  // no such row
  EXPECT_EQ(dialog.m_flags, (std::vector<WORD>{1, 1, 0}));
}

TEST(TracePropertyDialog, OpensOnNothingWhileTracesAreShown) {
  const struct Row { unsigned char backgroundDirty; bool traceDialog; } rows[] = {{0, true}, {1, false}};
  for (const Row& row : rows) {
    CommandPage p;
    g_bBackgroundDirty = row.backgroundDirty;
    CDlgTrace answer;
    answer.m_nMode = 1;
    p.dialogs->Ok(answer);
    OnEditProperty(p.doc);
    EXPECT_EQ(p.dialogs->Offered<CDlgTrace>().size(), row.traceDialog ? 1u : 0u);
    EXPECT_EQ(p.Page().m_bFullTrace, row.traceDialog ? 1 : 0);
    g_bBackgroundDirty = 1;
  }
}

}  // namespace

namespace KAVREL_FILE_LOCAL {

TEST(TrackProperties, TheDialogShowsTheDrawnParentsAndWritesBackOrdered) {
  CommandPage p;
  const Figure f(p);
  auto* track = new CGTrack(p.Page().m_nNextId++, {f.P, f.A, f.AP, f.M}, {1, 0, 1, 0}, 0, 0, 1, 0.1f, 0, 0);
  p.Enter(track);
  p.Select({track->m_nId});
  CDlgTrack answer;
  answer.m_ids = track->m_parents;
  answer.m_flags = {0, 1, 0, 1};
  answer.m_fStart = 1;
  answer.m_fEnd = 0;
  answer.m_fStep = 0.25f;
  answer.m_nDisplay = 1;
  answer.m_nColour = 1;
  p.dialogs->Ok(answer);
  OnEditProperty(p.doc);
  const auto offered = p.dialogs->Offered<CDlgTrack>();
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_FALSE(offered[0].m_bNewTrack);
  EXPECT_EQ(offered[0].m_flags, (std::vector<WORD>{1, 0, 1, 0}));
  EXPECT_EQ(offered[0].m_fStep, 0.1f);
  EXPECT_EQ(track->RangeMin, 0);
  EXPECT_EQ(track->RangeMax, 1);
  EXPECT_EQ(track->SweepFrom, 0);
  EXPECT_EQ(track->SweepTo, 1);
  EXPECT_EQ(track->TrackStep, 0.25f);
  EXPECT_EQ(track->m_nSubKind, 1);
  EXPECT_EQ(track->m_nStyle, 1);
  EXPECT_EQ(track->DrawnParents, (std::vector<WORD>{1, 3}));
}

}  // namespace

namespace KAVREL_FILE_LOCAL {

TEST(LocusProperties, TheDialogShowsTheLocusAndOkWritesItBack) {
  CommandPage p;
  const Figure f(p);
  auto* locus = new CGLocus(p.Page().m_nNextId++, f.P, f.M, 0, 6.2831f);
  locus->SetBreakDistance(3);
  p.Enter(locus);
  p.Select({locus->m_nId});
  CDlgLocus answer;
  answer.m_strLabel = QStringLiteral("k");
  answer.m_fStep = -0.05f;
  answer.m_fStart = 1;
  answer.m_fEnd = 2;
  answer.m_nDisplay = 3;
  answer.m_fBreakDistance = 0;  // too small: the locus keeps its own
  answer.m_bFollow = 1;
  answer.m_bSegmentColouring = 1;
  answer.m_strColour = QStringLiteral("t");
  p.dialogs->Ok(answer);
  ASSERT_TRUE(p.Run(ID_EDIT_PROPERTY));
  const auto offered = p.dialogs->Offered<CDlgLocus>();
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_EQ(offered[0].m_fEnd, 6.2831f);
  EXPECT_EQ(offered[0].m_fBreakDistance, 3);
  EXPECT_EQ(offered[0].m_strDescription, locus->GetDescription());
  EXPECT_EQ(locus->m_strName, QStringLiteral("k"));
  EXPECT_EQ(locus->Step, 0.05f);
  EXPECT_EQ(locus->ParamStart, 1);
  EXPECT_EQ(locus->ParamEnd, 2);
  EXPECT_EQ(locus->m_nStyle, 3);
  EXPECT_EQ(locus->BreakDistance(), 3);
  EXPECT_TRUE(locus->GrowingTrace());
  EXPECT_TRUE(locus->HueOn());
  EXPECT_EQ(locus->m_strLabelExtra, QStringLiteral("t"));
  EXPECT_GT(locus->SampleCount, 0) << "sampled again over the new range";
}

}  // namespace
