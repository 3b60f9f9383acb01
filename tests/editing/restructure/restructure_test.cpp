// The restructuring edits: reverse, split, reorganize, align, format
// painter and bring into view; their enabling rules, exact results,
// messages and undo round trips.
#include <QString>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <vector>

#include "cells/constructed/circlepoints.h"
#include "cells/constructed/horizontalcircles.h"
#include "cells/constructed/intersections.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/constructed/coordinatespoint.h"
#include "cells/dynamic/buttons/linkbutton.h"
#include "cells/dynamic/iterations/iteration.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/surfaces/surface.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/revolution/roundsolids.h"
#include "cells/revolution/solidsbypoints.h"
#include "editing/dialogs/parametric/parametricdialogs.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "editing/restructure/restructuretexts.h"
#include "model/cgbutton.h"
#include "model/vertexarray.h"
#include "model/undo/cmdtexts.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "render/viewglobals.h"
#include "support/commandpage.h"
#include "support/documentfiles.h"

namespace KAVREL_FILE_LOCAL {
struct RestructurePage : CommandPage {
  bool Enabled(unsigned command) { return CommandRegistry().Query(command).m_bEnabled; }
  std::vector<WORD> Parents(WORD id) const { return Find(id)->m_parents; }
  const CCmd* Step() const { return Page().m_undo.CurrentCommand(); }
  std::vector<QString> Shown() const { return seams.notifier->Texts(); }
  WORD Midpoint(WORD line) {
    Select({line});
    Run(ID_CREATE_POINT_MIDDLE);
    return static_cast<WORD>(Page().m_nNextId - 1);
  }
  // Saved, reopened and saved again: the same bytes; returns the reopened
  // document.
  std::unique_ptr<CKavrelDoc> ExpectSavedAlike() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("restructure.kv"));
    EXPECT_TRUE(doc.OnSaveDocument(path));
    const QByteArray saved = DocumentBytes(doc);
    auto reopened = std::make_unique<CKavrelDoc>();
    EXPECT_TRUE(reopened->OnOpenDocument(path, false));
    EXPECT_EQ(DocumentBytes(*reopened), saved);
    return reopened;
  }
  WORD Circle3(WORD a, WORD b, WORD c) { return Enter(new CGArcCircle3P(Page().m_nNextId++, a, b, c, kArcCircle)); }
};

std::vector<WORD> Ids(const CGPage& page) {
  std::vector<WORD> ids;
  for (auto [id, cell] : page.m_cells) ids.push_back(id);
  return ids;
}

bool HasChild(const CGCell* cell, WORD child) {
  for (WORD id : cell->m_children)
    if (id == child) return true;
  return false;
}

// --- Reverse ------------------------------------------------------------

TEST(Reverse, FaceTwiceRestoresItAndLeavesNoUndoStep) {
  RestructurePage p;
  const std::vector<WORD> v = p.Points(4);
  const WORD face = p.Face(v);
  const CCmd* step = p.Step();
  p.Select({face});
  ASSERT_TRUE(p.Run(ID_EDIT_REVERSE));
  EXPECT_EQ(p.Parents(face), (std::vector<WORD>{v[3], v[2], v[1], v[0]}));
  EXPECT_TRUE(p.Page().m_selAll.empty());
  EXPECT_FALSE(p.Messages(WM_ITEM_TEXTS).empty());
  p.Select({face});
  ASSERT_TRUE(p.Run(ID_EDIT_REVERSE));
  EXPECT_EQ(p.Parents(face), v);
  EXPECT_EQ(p.Step(), step);
  EXPECT_TRUE(p.doc.IsModified());
}

TEST(Reverse, SegmentSwapsEndsAndItsMidpointStaysInPlace) {
  RestructurePage p;
  const WORD a = p.Point(0, 0, 0), b = p.Point(4, 2, 0), ab = p.Line(a, b);
  const WORD m = p.Midpoint(ab);
  const std::vector<float> before = p.At(m);
  p.Select({ab});
  ASSERT_TRUE(p.Run(ID_EDIT_REVERSE));
  EXPECT_EQ(p.Parents(ab), (std::vector<WORD>{b, a}));
  EXPECT_EQ(p.At(m), before);
}

TEST(Reverse, APointAtAQuarterOfASegmentIsRecomputedFromItsNewStart) {
  RestructurePage p;
  const WORD a = p.Point(0, 0, 0), b = p.Point(4, 0, 0), ab = p.Line(a, b);
  CGPage& page = p.Page();
  const WORD q = p.Enter(new CGVerFreeInLine(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), ab, 0.25f));
  p.Find(ab)->m_children.push_back(q);
  ASSERT_EQ(p.At(q), (std::vector<float>{1, 0, 0}));
  p.Select({ab});
  ASSERT_TRUE(p.Run(ID_EDIT_REVERSE));
  EXPECT_EQ(p.At(q), (std::vector<float>{3, 0, 0}));
  p.Select({ab});
  ASSERT_TRUE(p.Run(ID_EDIT_REVERSE));
  EXPECT_EQ(p.At(q), (std::vector<float>{1, 0, 0}));
}

TEST(Reverse, ArcsByKind) {
  RestructurePage p;
  const WORD o = p.Point(0, 0, 0), q1 = p.Point(2, 0, 0), q2 = p.Point(0, 2, 0), q3 = p.Point(0, 0, 2);
  const WORD centerP = p.Enter(new CGArcCenterP(p.Page().m_nNextId++, o, q1, q2));
  const WORD circle3 = p.Circle3(q1, q2, q3);
  // Arcs that keep a reverse flag: the flag goes 0, 1, 0.
  const WORD pointN = p.Enter(new CGArcPointN(p.Page().m_nNextId++, o, q1, q3, kArcCircle, 0));
  const WORD point2 = p.Enter(new CGArcPoint2(p.Page().m_nNextId++, o, q1, kArcCircle));
  p.Select({centerP, circle3, pointN, point2});
  ASSERT_TRUE(p.Run(ID_EDIT_REVERSE));
  EXPECT_EQ(p.Parents(centerP), (std::vector<WORD>{o, q2, q1}));
  EXPECT_EQ(p.Parents(circle3), (std::vector<WORD>{q3, q2, q1}));
  EXPECT_EQ(p.Find(pointN)->m_nParamB, 1);
  EXPECT_EQ(p.Find(point2)->m_nParamB, 1);
  p.Select({pointN, point2});
  ASSERT_TRUE(p.Run(ID_EDIT_REVERSE));
  EXPECT_EQ(p.Find(pointN)->m_nParamB, 0);
  EXPECT_EQ(p.Find(point2)->m_nParamB, 0);
}

TEST(Reverse, PlainArcTurnsItsFrameAndAngles) {
  const struct {
    float start, end, turnedStart, turnedEnd;
  } rows[] = {
      {0.5f, 2.0f, 5.8540f, 7.3540f},
      // An end at pi/2 rounded up turns into a start a hair below a full
      // turn, which float rounds to the full turn: brought into one turn
      // as opening brings it.
      {0.5f, 1.5707964f, 0, 1.0708f},
  };
  for (const auto& r : rows) {
    RestructurePage p;
    const WORD arc = p.Enter(new CGArc(p.Page().m_nNextId++, 0, 0, 0, 1, 0, 0, 0, 2, 0, r.start, r.end, kArcArc));
    p.Select({arc});
    ASSERT_TRUE(p.Run(ID_EDIT_REVERSE));
    const auto* a = p.As<CGArc>(arc);
    EXPECT_EQ(a->AxisU[1], 2.0f);
    EXPECT_EQ(a->AxisV[0], 1.0f);
    EXPECT_NEAR(a->StartAngle, r.turnedStart, 1e-3) << r.end;
    EXPECT_NEAR(a->EndAngle, r.turnedEnd, 1e-3) << r.end;
    p.ExpectSavedAlike();
  }
}

TEST(Reverse, ArcOnACircleIsRefusedAndLeftAlone) {
  RestructurePage p;
  const WORD a = p.Point(2, 0, 0), b = p.Point(0, 2, 0), c = p.Point(-2, 0, 0);
  const WORD circle = p.Circle3(a, b, c);
  const WORD onCircle = p.Enter(new CGArcInCircle(p.Page().m_nNextId++, a, b, circle));
  const std::vector<WORD> parents = p.Parents(onCircle);
  const float start = p.As<CGArc>(onCircle)->StartAngle, end = p.As<CGArc>(onCircle)->EndAngle;
  p.Select({onCircle});
  ASSERT_TRUE(p.Run(ID_EDIT_REVERSE));
  EXPECT_EQ(p.Shown(), (std::vector<QString>{QString::fromUtf8(kTextArcOnCircleReverse)}));
  EXPECT_EQ(p.Parents(onCircle), parents);
  EXPECT_EQ(p.As<CGArc>(onCircle)->StartAngle, start);
  EXPECT_EQ(p.As<CGArc>(onCircle)->EndAngle, end);
}

TEST(Reverse, SurfaceRunsItsFirstParameterTheOtherWay) {
  RestructurePage p;
  p.dialogs->Ok(CDlgSurface{});
  const WORD id = p.ExpectMade(ID_CREATE_SURFACE, "CGSurface()", "添加曲面").at(0);
  const CGSurface& s = *p.As<CGSurface>(id);
  const QString from = s.UStartExpression, to = s.UEndExpression;
  ASSERT_NE(from, to);
  p.Select({id});
  ASSERT_TRUE(p.Run(ID_EDIT_REVERSE));
  EXPECT_EQ(s.UStartExpression, to);
  EXPECT_EQ(s.UEndExpression, from);
  EXPECT_TRUE(s.m_bDefined);
  p.Select({id});
  ASSERT_TRUE(p.Run(ID_EDIT_REVERSE));
  EXPECT_EQ(s.UStartExpression, from);
}

// --- Split --------------------------------------------------------------

TEST(Split, MidpointBecomesAFixedPointUntilUndone) {
  RestructurePage p;
  const WORD a = p.Point(0, 0, 0), b = p.Point(4, 2, 0), ab = p.Line(a, b);
  const WORD m = p.Midpoint(ab);
  const QString name = p.Find(m)->m_strName;
  const std::vector<float> place = p.At(m);
  p.Select({m});
  ASSERT_TRUE(p.Run(ID_EDIT_SPLIT));
  auto fixed = [&] { return p.Find(m)->GetRuntimeClass() == RUNTIME_CLASS(CGVertex); };
  ASSERT_TRUE(fixed());
  EXPECT_EQ(p.Find(m)->m_strName, name);
  EXPECT_EQ(p.At(m), place);
  EXPECT_TRUE(p.Parents(m).empty());
  EXPECT_FALSE(HasChild(p.Find(ab), m));
  EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8(kCmdNameSplit));
  EXPECT_TRUE(p.doc.IsModified());

  ASSERT_TRUE(p.Page().m_undo.Undo());
  ASSERT_TRUE(p.As<CGVerMid>(m));
  EXPECT_TRUE(HasChild(p.Find(ab), m));
  ASSERT_TRUE(p.Page().m_undo.Redo());
  EXPECT_TRUE(fixed());
  EXPECT_FALSE(HasChild(p.Find(ab), m));
}

// Lines and faces are drawn from the vertex array: after undo and redo the
// slot of the point put back holds its place, and a restored midpoint
// follows an end moved meanwhile.
TEST(Split, UndoAndRedoPutThePointBackWhereItIsDrawn) {
  RestructurePage p;
  const WORD a = p.Point(0, 0, 0), b = p.Point(4, 2, 0), ab = p.Line(a, b);
  const WORD m = p.Midpoint(ab);
  const WORD n = p.Midpoint(p.Line(m, b));  // built on the point put back
  auto slot = [&] {
    const float* at = g_pVertexArray + 3 * static_cast<size_t>(p.As<CGVertex>(m)->VertexIndex);
    return std::vector<float>{at[0], at[1], at[2]};
  };
  auto moveA = [&](float y) {  // as a drag does
    auto* end = p.As<CGVertex>(a);
    end->m_vPos[1] = y;
    WriteVertexSlot(end->VertexIndex, end->m_vPos);
    end->MarkDescendants();
    std::vector<WORD> ids;
    p.Page().CollectDirtyIds(ids);
    p.Page().RecalculateCells(ids);
  };
  p.Select({m});
  ASSERT_TRUE(p.Run(ID_EDIT_SPLIT));
  moveA(4);
  ASSERT_EQ(p.At(m), (std::vector<float>{2, 1, 0})) << "frozen";
  ASSERT_TRUE(p.Page().m_undo.Undo());
  EXPECT_EQ(p.At(m), (std::vector<float>{2, 3, 0})) << "the midpoint of A as it is now";
  EXPECT_EQ(slot(), p.At(m));
  EXPECT_EQ(p.At(n), (std::vector<float>{3, 2.5f, 0}));
  moveA(-2);
  ASSERT_EQ(p.At(m), (std::vector<float>{2, 0, 0}));
  ASSERT_TRUE(p.Page().m_undo.Redo());
  EXPECT_EQ(p.At(m), (std::vector<float>{2, 1, 0})) << "the copy where it was frozen";
  EXPECT_EQ(slot(), p.At(m));
  EXPECT_EQ(p.At(n), (std::vector<float>{3, 1.5f, 0}));
}

TEST(Split, CircleThroughThreePointsBecomesAPlainCircle) {
  RestructurePage p;
  const WORD circle = p.Circle3(p.Point(2, 0, 0), p.Point(0, 2, 0), p.Point(-2, 0, 0));
  const auto* old = p.As<CGArc>(circle);
  const float centre[3] = {old->Center[0], old->Center[1], old->Center[2]};
  const float radius = old->Radius, start = old->StartAngle, end = old->EndAngle;
  p.Select({circle});
  ASSERT_TRUE(p.Run(ID_EDIT_SPLIT));
  const CGCell* now = p.Find(circle);
  ASSERT_EQ(now->GetRuntimeClass(), RUNTIME_CLASS(CGArc));
  const auto* arc = static_cast<const CGArc*>(now);
  EXPECT_EQ(std::vector<float>(arc->Center, arc->Center + 3), std::vector<float>(centre, centre + 3));
  EXPECT_EQ(arc->Radius, radius);
  EXPECT_EQ(arc->StartAngle, start);
  EXPECT_EQ(arc->EndAngle, end);
}

TEST(Split, RoundSolidsByPointsBecomeFixedSolidsOfTheirClass) {
  RestructurePage p;
  const WORD o = p.Point(0, 0, 0), a = p.Point(3, 0, 0), t = p.Point(0, 0, 4), b = p.Point(1, 0, 4);
  const std::vector<WORD> solids = {p.Enter(new CGSphereCN(p.Page().m_nNextId++, o, t)),
                                    p.Enter(new CGCylinderCPC(p.Page().m_nNextId++, o, a, t)),
                                    p.Enter(new CGConeCPV(p.Page().m_nNextId++, t, b, o)),
                                    p.Enter(new CGFrustumCP2(p.Page().m_nNextId++, o, a, t, b))};
  const CRuntimeClass* fixed[] = {RUNTIME_CLASS(CGSphere), RUNTIME_CLASS(CGCylinder), RUNTIME_CLASS(CGCone),
                                  RUNTIME_CLASS(CGFrustum)};
  std::vector<const CRuntimeClass*> before;
  for (WORD id : solids) {
    p.Find(id)->Recalculate();
    p.Find(id)->m_nStyle = 2;
    before.push_back(p.Find(id)->GetRuntimeClass());
  }
  const float radius = p.As<CGCylinder>(solids[1])->Radius, height = p.As<CGCylinder>(solids[1])->Height;
  p.Select(solids);
  ASSERT_TRUE(p.Run(ID_EDIT_SPLIT));
  for (size_t i = 0; i < solids.size(); ++i) {
    EXPECT_EQ(p.Find(solids[i])->GetRuntimeClass(), fixed[i]) << i;
    EXPECT_TRUE(p.Parents(solids[i]).empty()) << i;
    EXPECT_EQ(p.Find(solids[i])->m_nStyle, 2) << i;
  }
  EXPECT_EQ(p.As<CGCylinder>(solids[1])->Radius, radius);
  EXPECT_EQ(p.As<CGCylinder>(solids[1])->Height, height);
  ASSERT_TRUE(p.Page().m_undo.Undo());
  for (size_t i = 0; i < solids.size(); ++i) EXPECT_EQ(p.Find(solids[i])->GetRuntimeClass(), before[i]) << i;
  ASSERT_TRUE(p.Page().m_undo.Redo());
  p.ExpectSavedAlike();
}

// --- Reorganize ---------------------------------------------------------

TEST(Reorganize, RenumbersCellsPagesLinksAndEveryIdListOfThePage) {
  RestructurePage p;
  std::vector<WORD> v = p.Points(9);  // ids 1 ... 9; keep 1, 4 and 9
  for (WORD gone : {2, 3, 5, 6, 7, 8}) delete p.Page().m_cells.RemoveKey(gone);
  const WORD line = p.Line(1, 4);  // 10
  p.Find(1)->m_children = {line};
  p.Find(4)->m_children = {line};
  CGPage& first = p.Page();
  CGPage* second = p.doc.OnCreatePage();
  ASSERT_TRUE(second);
  second->m_nId = 3;
  p.doc.m_nLastPageId = 3;
  p.doc.SwitchToPage(&first);
  const WORD link = p.Enter(new CGButnLink(first.m_nNextId++, QStringLiteral("go"), CGButnLink::kPageLink, 3, {}));
  first.m_nAutoButton = link;
  p.Select({9, 4});
  first.m_marks.MarkCenter = 9;
  first.m_marks.MarkVector = {1, 1, 9, 0};
  first.m_marks.MarkAngle = {1, 1, 5, 9, 0};  // 5 is gone: cleared
  first.m_traceList = {4, 6};
  p.Select({line});
  p.Run(ID_CREATE_POINT_MIDDLE);  // 12, and an undo step
  p.Select({9, 4});
  ASSERT_TRUE(first.m_undo.CanUndo());
  p.Find(9)->m_bHovered = true;  // under the pointer of a construction tool
  const int fills = p.seams.bridge->objectListFills;

  ASSERT_TRUE(p.Run(ID_FILE_REORGANIZE));
  std::vector<WORD> ids;
  for (auto [id, cell] : first.m_cells) ids.push_back(id);
  EXPECT_EQ(ids, (std::vector<WORD>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(p.Parents(4), (std::vector<WORD>{1, 2}));
  EXPECT_EQ(p.Find(1)->m_children, (std::vector<WORD>{4}));
  EXPECT_EQ(p.Find(6)->m_parents, (std::vector<WORD>{4}));
  EXPECT_EQ(first.m_nNextId, 7);
  EXPECT_EQ(first.m_nId, 1);
  EXPECT_EQ(second->m_nId, 2);
  EXPECT_EQ(p.doc.m_nLastPageId, 2);
  EXPECT_EQ(p.As<CGButnLink>(5)->m_nPageId, 2);
  EXPECT_EQ(first.m_nAutoButton, 5);
  EXPECT_EQ(first.m_selPoints, (std::vector<WORD>{3, 2}));
  EXPECT_EQ(first.m_marks.MarkCenter, 3);
  EXPECT_EQ(first.m_marks.MarkVector.end, 3);
  EXPECT_EQ(first.m_marks.MarkAngle.kind, 0);
  EXPECT_EQ(first.m_traceList, (std::vector<WORD>{2}));
  EXPECT_FALSE(p.Find(3)->m_bHovered) << "the view's hovered id is of the old numbering";
  EXPECT_FALSE(first.m_undo.CanUndo());
  EXPECT_FALSE(second->m_undo.CanUndo());
  EXPECT_EQ(p.Shown(), (std::vector<QString>{QString::fromUtf8(kTextReorganized)}));
  EXPECT_EQ(p.seams.bridge->objectListFills, fills + 1) << "pages and cells listed under their new ids";
  EXPECT_TRUE(p.doc.IsModified());
  const auto reopened = p.ExpectSavedAlike();
  ASSERT_EQ(reopened->m_pages.size(), 2u);
  EXPECT_EQ(Ids(*reopened->m_pages[0]), ids);
}

// Cells numbered 1, 2, 3 already: none moves, yet the ids held of cells
// that are gone go, since the next cells take the ids from 4 again.
TEST(Reorganize, IdsOfGoneCellsGoWhereNoCellMoves) {
  RestructurePage p;
  p.Points(3);
  CGPage& page = p.Page();
  page.m_nNextId = 9;  // cells 4 to 8 were deleted
  page.m_marks.MarkCenter = 5;
  page.m_nAutoButton = 7;
  page.m_traceList = {2, 6};
  ASSERT_TRUE(p.Run(ID_FILE_REORGANIZE));
  EXPECT_EQ(page.m_nNextId, 4);
  EXPECT_EQ(page.m_marks.MarkCenter, 0);
  EXPECT_EQ(page.m_nAutoButton, 0);
  EXPECT_EQ(page.m_traceList, std::vector<WORD>{2});
}

TEST(Reorganize, AnIterationHoldsTheNewIds) {
  RestructurePage p;
  const std::vector<WORD> v = p.Points(6);
  for (WORD gone : {v[0], v[2]}) delete p.Page().m_cells.RemoveKey(gone);
  std::vector<std::vector<WORD>> arrays = {{v[1], v[3]}, {v[4], v[5]}};
  p.Enter(new CGIterate(p.Page().m_nNextId++, 2, 2, 3, arrays));
  ASSERT_TRUE(p.Run(ID_FILE_REORGANIZE));
  const auto* iterate = p.As<CGIterate>(5);
  ASSERT_TRUE(iterate);
  EXPECT_EQ(iterate->m_idArrays, (std::vector<std::vector<WORD>>{{1, 2}, {3, 4}}));
  const auto reopened = p.ExpectSavedAlike();
  const auto* kept = dynamic_cast<const CGIterate*>(reopened->m_pages.front()->m_cells.Lookup(5));
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->m_idArrays, iterate->m_idArrays);
}

// Pages 1, 3 and 4 and a link copied before the renumbering: the paste
// links the page it named by that page's new id (none when it is gone), and
// saves so.
TEST(Reorganize, ALinkCopiedBeforeNamesItsPageByTheNewId) {
  const struct Row {
    const char* name;
    bool wholePage;
    WORD target;
    WORD deletedFirst;    // a page deleted before the copy; 0 none
    WORD deletedBetween;  // a page deleted, then renumbered again; 0 once only
    WORD pageId;
  } rows[] = {{"the link", false, 3, 0, 0, 2},
              {"its page", true, 3, 0, 0, 2},
              {"its page deleted first", false, 3, 3, 0, 0},
              {"renumbered twice, a page deleted between", false, 4, 0, 2, 2}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    RestructurePage p;
    CGPage& first = p.Page();
    for (WORD id : {3, 4}) p.doc.OnCreatePage()->m_nId = id;
    p.doc.m_nLastPageId = 4;
    const auto deletePage = [&p, &first](WORD id) {
      p.doc.GotoPageById(id, false);
      p.doc.DeleteCurrentPage();
      p.doc.SwitchToPage(&first);
    };
    if (row.deletedFirst) deletePage(row.deletedFirst);
    p.doc.SwitchToPage(&first);
    const WORD link =
        p.Enter(new CGButnLink(first.m_nNextId++, QStringLiteral("go"), CGButnLink::kPageLink, row.target, {}));
    p.Select({link});
    first.m_bSelected = row.wholePage;
    ASSERT_TRUE(p.Run(ID_EDIT_COPY));
    first.m_bSelected = 0;
    ASSERT_TRUE(p.Run(ID_FILE_REORGANIZE));
    if (row.deletedBetween) {
      deletePage(row.deletedBetween);
      ASSERT_TRUE(p.Run(ID_FILE_REORGANIZE));
    }
    ASSERT_TRUE(p.Run(ID_EDIT_PASTE));
    const auto* pasted = p.As<CGButnLink>(static_cast<WORD>(p.Page().m_nNextId - 1));
    ASSERT_TRUE(pasted);
    EXPECT_EQ(row.wholePage, &p.Page() != &first);
    EXPECT_EQ(pasted->m_nPageId, row.pageId);
    const auto reopened = p.ExpectSavedAlike();
    const CGPage* kept = reopened->FindPageById(p.Page().m_nId);
    ASSERT_TRUE(kept);
    EXPECT_EQ(static_cast<const CGButnLink*>(kept->m_cells.Lookup(pasted->m_nId))->m_nPageId, row.pageId);
  }
}

// The hue reads No1, a value of the locus's chain, which the renumbering
// moves from id 5 to 3 (5 is then the locus itself).
TEST(Reorganize, ALocusColouredByAValueOfItsChainColoursAlike) {
  RestructurePage p;
  CGPage& page = p.Page();
  for (WORD gone : p.Points(2)) delete page.m_cells.RemoveKey(gone);
  p.Point();
  auto* t = new CGTmVarParameter(page.m_nNextId++, QStringLiteral("t"), 1);
  t->SetRange(0, 6);
  p.Enter(t);
  const WORD x = p.Enter(new CGTmVarCalculator(page.m_nNextId++, {t->m_nId}, "No1*2", {}));
  const WORD point = p.Enter(new CGVerCoordinates(page.m_nNextId++, page.m_nNextVertex++, QStringLiteral("X"), {x}, 1,
                                                  0, 0, 0, 0, 0));
  auto* locus = new CGLocus(page.m_nNextId++, t->m_nId, point, 0, 6);
  p.Enter(locus);
  locus->m_strLabelExtra = QStringLiteral("No1/20");
  locus->SetHueOn(true);
  locus->SampleCount = 0;
  locus->Compiled = false;
  locus->Recalculate();
  ASSERT_EQ(locus->ValueParents, std::vector<WORD>{x});
  const std::vector<BYTE> colours = locus->SampleColors;
  ASSERT_NE(colours[0], colours[4 * (locus->SampleCount - 1)]) << "red at t = 0, blue at t = 6";
  ASSERT_TRUE(p.Run(ID_FILE_REORGANIZE));
  ASSERT_EQ(locus->m_nId, 5);
  locus->Recalculate();
  EXPECT_EQ(locus->SampleColors, colours);
  EXPECT_EQ(locus->ValueParents, std::vector<WORD>{3});
}

// --- Align --------------------------------------------------------------

TEST(Align, ButtonsFormAnEvenColumnAndTheNextButtonGoesBelow) {
  RestructurePage p;
  std::vector<WORD> buttons;
  const float ys[] = {0, 5, 40}, xs[] = {3, -7, 11};
  for (int i = 0; i < 3; ++i) {
    buttons.push_back(p.Enter(new CGButnLink(p.Page().m_nNextId++, QStringLiteral("b"), 0, 1, {})));
    p.Find(buttons.back())->m_vLabelAnchor[0] = xs[i];
    p.Find(buttons.back())->m_vLabelAnchor[1] = ys[i];
  }
  p.Select(buttons);
  ASSERT_TRUE(p.Run(ID_EDIT_FLUSH));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(p.Find(buttons[i])->m_vLabelAnchor[0], 11.0f) << i;
    EXPECT_EQ(p.Find(buttons[i])->m_vLabelAnchor[1], 20.0f * static_cast<float>(i)) << i;
  }
  const WORD next = p.Enter(new CGButnLink(p.Page().m_nNextId++, QStringLiteral("n"), 0, 1, {}));
  EXPECT_EQ(p.Find(next)->m_vLabelAnchor[0], 11.0f);
  EXPECT_LT(p.Find(next)->m_vLabelAnchor[1], 40.0f);
  EXPECT_TRUE(p.doc.IsModified());
}

TEST(Align, OneTextIsCentredAndSeveralTakeTheFirstOnesX) {
  RestructurePage p;
  auto text = [&](float x) {
    const WORD id = p.Enter(new CGTextbit(p.Page().m_nNextId++, 40, 10, std::vector<BYTE>(8 * 10)));
    p.Find(id)->m_vLabelAnchor[0] = x;
    return id;
  };
  const WORD t1 = text(3), t2 = text(9), t3 = text(-4);
  p.Select({t1});
  ASSERT_TRUE(p.Run(ID_EDIT_FLUSH));
  EXPECT_FLOAT_EQ(p.Find(t1)->m_vLabelAnchor[0], -40 * 0.05f * 0.5f);
  p.Select({t2, t1, t3});
  ASSERT_TRUE(p.Run(ID_EDIT_FLUSH));
  for (WORD id : {t1, t2, t3}) EXPECT_EQ(p.Find(id)->m_vLabelAnchor[0], 9.0f) << id;
}

// With 20 pixels a unit the cursors are in world units: the button slot is
// trunc((x + 20.5) / 5) * 16 - trunc((12.75 - y) / -1.5) + 1, the text slot
// trunc((19 - x) / 12) * 16 - trunc((11.75 - y) / -1.5) + 1.
TEST(Align, ThePlacementCursorsContinueBelowTheColumn) {
  RestructurePage p;
  ASSERT_EQ(g_fUnitsPerPixel, 0.05f);
  const WORD a = p.Point(1, 2, 0);
  std::vector<WORD> buttons, values;
  for (int i = 0; i < 3; ++i) {
    buttons.push_back(p.Enter(new CGButnLink(p.Page().m_nNextId++, QStringLiteral("b"), 0, 1, {})));
    p.Find(buttons.back())->m_vLabelAnchor[0] = i == 2 ? -8.0f : 4.0f;
    p.Find(buttons.back())->m_vLabelAnchor[1] = 3.0f * static_cast<float>(i);
    p.Select({a});
    ASSERT_TRUE(p.Run(ID_MEASURE_COORD_X));
    values.push_back(static_cast<WORD>(p.Page().m_nNextId - 1));
    p.Find(values.back())->m_vLabelAnchor[0] = i == 2 ? 7.0f : -2.0f;
    p.Find(values.back())->m_vLabelAnchor[1] = i == 2 ? -6.0f : 1.0f;
  }
  std::vector<WORD> all = buttons;
  all.insert(all.end(), values.begin(), values.end());
  p.Select(all);
  ASSERT_TRUE(p.Run(ID_EDIT_FLUSH));
  const CGPage& page = p.Page();
  EXPECT_EQ(std::vector<float>(page.m_ptLastButton, page.m_ptLastButton + 2), (std::vector<float>{-8, 6}));
  EXPECT_EQ(page.m_nButtonSlot, 2 * 16 + 4 + 1);
  EXPECT_EQ(std::vector<float>(page.m_ptLastText, page.m_ptLastText + 2), (std::vector<float>{7, -6}));
  EXPECT_EQ(page.m_nTextSlot, 1 * 16 + 11 + 1);
  EXPECT_EQ(p.Find(values[1])->m_vLabelAnchor[0], 7.0f);
  EXPECT_EQ(p.Find(values[1])->m_vLabelAnchor[1], -2.5f);
}

// --- Format painter -----------------------------------------------------

TEST(FormatPainter, TheLastPointLendsItsStyleAndUndoGivesTheOldOnesBack) {
  RestructurePage p;
  const std::vector<WORD> v = p.Points(3);
  CGCell* model = p.Find(v[2]);
  model->m_fSize = 9;
  model->m_nStyle = 4;
  model->m_rgbaColor = RGBA{1, 2, 3, 4};
  model->m_bLabelHidden = 0;
  const float oldSize = p.Find(v[0])->m_fSize;
  p.Select(v);
  ASSERT_TRUE(p.Run(ID_EDIT_STYLES));
  for (WORD id : {v[0], v[1]}) {
    EXPECT_EQ(p.Find(id)->m_fSize, 9.0f);
    EXPECT_EQ(p.Find(id)->m_nStyle, 4);
    EXPECT_EQ(p.Find(id)->m_rgbaColor.b, 3);
    EXPECT_EQ(p.Find(id)->m_bLabelHidden, 0);
  }
  EXPECT_TRUE(p.Page().m_selAll.empty());
  EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8(kCmdNamePointStyles));
  ASSERT_TRUE(p.Page().m_undo.Undo());
  for (WORD id : {v[0], v[1]}) EXPECT_EQ(p.Find(id)->m_fSize, oldSize);
  EXPECT_EQ(model->m_fSize, 9.0f);
  p.ExpectSavedAlike();
}

TEST(FormatPainter, EachKindIsOneNamedUndoStep) {
  RestructurePage p;
  const std::vector<WORD> v = p.Points(4);
  struct Row {
    std::vector<WORD> cells;
    const char* name;
  } const rows[] = {
      {{v[0], v[1]}, kCmdNamePointStyles},
      {{p.Line(v[0], v[1]), p.Line(v[2], v[3])}, kCmdNameLineStyles},
      {{p.Face({v[0], v[1], v[2]}), p.Face({v[1], v[2], v[3]})}, kCmdNameFaceStyles},
      {{p.Circle3(v[0], v[1], v[2]), p.Circle3(v[1], v[2], v[3])}, kCmdNameCircleStyles},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    p.Find(row.cells.back())->m_rgbaLabel = RGBA{9, 8, 7, 6};  // faces keep their own colour
    const BYTE before = p.Find(row.cells.front())->m_rgbaLabel.g;
    ASSERT_NE(before, 8);
    p.Select(row.cells);
    ASSERT_TRUE(p.Run(ID_EDIT_STYLES));
    EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8(row.name));
    EXPECT_EQ(p.Find(row.cells.front())->m_rgbaLabel.g, 8);
    ASSERT_TRUE(p.Page().m_undo.Undo());
    EXPECT_EQ(p.Find(row.cells.front())->m_rgbaLabel.g, before);
  }
}

// --- Saved and reopened -------------------------------------------------

TEST(SavedAndReopened, AReversedFaceLineAndArc) {
  RestructurePage p;
  const std::vector<WORD> v = p.Points(4);
  const WORD face = p.Face(v), ab = p.Line(v[0], v[1]);
  const WORD arc = p.Enter(new CGArc(p.Page().m_nNextId++, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0.5f, 2.0f, kArcArc));
  p.Select({face, ab, arc});
  ASSERT_TRUE(p.Run(ID_EDIT_REVERSE));
  const float start = p.As<CGArc>(arc)->StartAngle, end = p.As<CGArc>(arc)->EndAngle;
  const auto reopened = p.ExpectSavedAlike();
  const CCellMap& cells = reopened->m_pages.front()->m_cells;
  EXPECT_EQ(cells.Lookup(face)->m_parents, (std::vector<WORD>{v[3], v[2], v[1], v[0]}));
  EXPECT_EQ(cells.Lookup(ab)->m_parents, (std::vector<WORD>{v[1], v[0]}));
  const auto* kept = dynamic_cast<const CGArc*>(cells.Lookup(arc));
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->StartAngle, start);
  EXPECT_EQ(kept->EndAngle, end);
  EXPECT_GT(kept->EndAngle, 7.0f) << "the end stays a turn above the start";
  EXPECT_EQ(kept->AxisU[1], 2.0f);
}

TEST(SavedAndReopened, AFrozenMidpointStaysFrozen) {
  RestructurePage p;
  const WORD a = p.Point(0, 0, 0), b = p.Point(4, 2, 0), ab = p.Line(a, b);
  const WORD m = p.Midpoint(ab);
  p.Select({m});
  ASSERT_TRUE(p.Run(ID_EDIT_SPLIT));
  const auto reopened = p.ExpectSavedAlike();
  const CCellMap& cells = reopened->m_pages.front()->m_cells;
  const CGCell* kept = cells.Lookup(m);
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->GetRuntimeClass(), RUNTIME_CLASS(CGVertex));
  EXPECT_TRUE(kept->m_parents.empty());
  const float* at = static_cast<const CGVertex*>(kept)->m_vPos;
  EXPECT_EQ(std::vector<float>(at, at + 3), (std::vector<float>{2, 1, 0}));
  EXPECT_FALSE(HasChild(cells.Lookup(ab), m));
}

TEST(SavedAndReopened, AnAlignedColumnOfButtons) {
  RestructurePage p;
  std::vector<WORD> buttons;
  for (float y : {0.0f, 5.0f, 40.0f}) {
    buttons.push_back(p.Enter(new CGButnLink(p.Page().m_nNextId++, QStringLiteral("b"), 0, 1, {})));
    p.Find(buttons.back())->m_vLabelAnchor[0] = y / 4;
    p.Find(buttons.back())->m_vLabelAnchor[1] = y;
  }
  p.Select(buttons);
  ASSERT_TRUE(p.Run(ID_EDIT_FLUSH));
  const auto reopened = p.ExpectSavedAlike();
  for (int i = 0; i < 3; ++i) {
    const CGCell* kept = reopened->m_pages.front()->m_cells.Lookup(buttons[i]);
    ASSERT_TRUE(kept) << i;
    EXPECT_EQ(kept->m_vLabelAnchor[0], 10.0f) << i;
    EXPECT_EQ(kept->m_vLabelAnchor[1], 20.0f * static_cast<float>(i)) << i;
  }
}

TEST(SavedAndReopened, AlignedTextsThatFollowAPointStayAligned) {
  RestructurePage p;
  const WORD a = p.Point(3, 1, 0);
  auto follower = [&] {
    return p.Enter(new CGTbHenchman(p.Page().m_nNextId++, 40, 10, std::vector<BYTE>(8 * 10), a));
  };
  const WORD plain = p.Enter(new CGTextbit(p.Page().m_nNextId++, 40, 10, std::vector<BYTE>(8 * 10)));
  const WORD alone = follower(), second = follower();
  auto* caption = new CGTmSingleline;
  caption->m_nId = p.Page().m_nNextId++;
  caption->m_vLabelAnchor[1] = 6;
  const WORD single = p.Enter(caption);
  p.Find(plain)->m_vLabelAnchor[0] = -4;
  p.As<CGTbHenchman>(second)->DragBy(20, 0);  // an offset of its own
  p.Select({alone});
  ASSERT_TRUE(p.Run(ID_EDIT_FLUSH));
  EXPECT_FLOAT_EQ(p.Find(alone)->m_vLabelAnchor[0], -40 * 0.05f * 0.5f);
  p.Select({plain, second, single});
  ASSERT_TRUE(p.Run(ID_EDIT_FLUSH));
  EXPECT_EQ(p.Find(second)->m_vLabelAnchor[0], -4.0f);
  EXPECT_EQ(p.Find(second)->m_vLabelAnchor[1], 1.0f) << "its height stays the point's";
  EXPECT_EQ(p.Find(single)->m_vLabelAnchor[0], -4.0f) << "a text of another kind";
  EXPECT_EQ(p.Find(single)->m_vLabelAnchor[1], 6.0f);
  const auto reopened = p.ExpectSavedAlike();
  EXPECT_EQ(reopened->m_pages.front()->m_cells.Lookup(second)->m_vLabelAnchor[0], -4.0f);
}

TEST(SavedAndReopened, AnIntersectionPaintedWithTheOtherRootStandsThere) {
  RestructurePage p;
  const WORD c1 = p.Circle3(p.Point(-1, 0, 0), p.Point(1, 0, 0), p.Point(0, 1, 0));
  const WORD c2 = p.Circle3(p.Point(0, 0, 0), p.Point(2, 0, 0), p.Point(1, 1, 0));
  std::vector<WORD> roots;
  for (BYTE root : {0, 1})
    roots.push_back(p.Enter(new CGVerIntersectionSS(p.Page().m_nNextId++, p.Page().m_nNextVertex++,
                                                     QStringLiteral("X"), root, c1, c2)));
  const WORD mid = p.Midpoint(p.Line(roots[0], p.Point(0.5f, 0, 0)));
  const std::vector<float> before = p.At(roots[0]), midBefore = p.At(mid);
  ASSERT_NE(before, p.At(roots[1]));
  p.Select(roots);
  ASSERT_TRUE(p.Run(ID_EDIT_STYLES));
  EXPECT_EQ(p.At(roots[0]), p.At(roots[1])) << "the root it took";
  EXPECT_NE(p.At(mid), midBefore) << "and what depends on it follows";
  ASSERT_TRUE(p.Page().m_undo.Undo());
  EXPECT_EQ(p.At(roots[0]), before);
  EXPECT_EQ(p.At(mid), midBefore);
  ASSERT_TRUE(p.Page().m_undo.Redo());
  EXPECT_EQ(p.At(roots[0]), p.At(roots[1]));
  p.ExpectSavedAlike();
}

// --- Enabling -----------------------------------------------------------

TEST(Restructure, EnablingRulesAtAndOffTheirThresholds) {
  RestructurePage p;
  const std::vector<WORD> v = p.Points(4);
  const WORD ab = p.Line(v[0], v[1]), cd = p.Line(v[2], v[3]);
  const WORD face = p.Face({v[0], v[1], v[2]});
  const WORD c1 = p.Circle3(v[0], v[1], v[2]), c2 = p.Circle3(v[1], v[2], v[3]);
  const WORD onCircle = p.Enter(new CGArcInCircle(p.Page().m_nNextId++, v[0], v[1], c1));
  const WORD b1 = p.Enter(new CGButnLink(p.Page().m_nNextId++, QStringLiteral("b"), 0, 1, {}));
  const WORD b2 = p.Enter(new CGButnLink(p.Page().m_nNextId++, QStringLiteral("b"), 0, 1, {}));
  const WORD text = p.Enter(new CGTextbit(p.Page().m_nNextId++, 4, 4, std::vector<BYTE>(4 * 4)));
  const WORD sphere = p.Enter(new CGSphere(p.Page().m_nNextId++, 0, 0, 0, 2, 0, 0, 1));
  p.dialogs->Ok(CDlgSurface{});
  const WORD surface = p.ExpectMade(ID_CREATE_SURFACE, "CGSurface()", "添加曲面").at(0);
  p.dialogs->Ok(CDlgCurve{});
  const WORD curve = p.ExpectMade(ID_CREATE_CURVE, "CGCurve()", "添加曲线").at(0);
  std::vector<WORD> values;
  for (WORD point : {v[0], v[1]}) {
    p.Select({point});
    ASSERT_TRUE(p.Run(ID_MEASURE_COORD_X));
    values.push_back(static_cast<WORD>(p.Page().m_nNextId - 1));
  }
  struct Row {
    std::vector<WORD> selected;
    bool reverse, split, flush, styles;
  } const rows[] = {
      {{}, false, false, false, false},
      {{v[0]}, false, true, false, false},
      {{v[0], v[1]}, false, true, false, true},
      {{v[0], v[1], ab}, true, true, false, false},
      {{ab}, true, false, false, false},
      {{ab, cd}, true, false, false, true},
      {{face}, true, false, false, false},
      {{c1}, true, true, false, false},
      {{c1, c2}, true, true, false, true},
      {{c1, onCircle}, true, true, false, true},
      {{b1}, false, false, false, false},
      {{b1, b2}, false, false, true, false},
      {{text}, false, false, true, false},
      {{v[0], v[1], text}, false, true, true, false},
      {{values[0]}, false, false, false, false},
      {{values[0], values[1]}, false, false, true, false},
      {{sphere}, false, true, false, false},
      {{v[0], v[1], sphere}, false, true, false, false},
      {{surface}, true, true, false, false},
      {{curve}, true, true, false, false},
      {{c1, curve}, true, true, false, false},
  };
  for (const Row& row : rows) {
    p.Select(row.selected);
    const std::string at = "row of " + std::to_string(row.selected.size());
    EXPECT_EQ(p.Enabled(ID_EDIT_REVERSE), row.reverse) << at;
    EXPECT_EQ(p.Enabled(ID_EDIT_SPLIT), row.split) << at;
    EXPECT_EQ(p.Enabled(ID_EDIT_FLUSH), row.flush) << at;
    EXPECT_EQ(p.Enabled(ID_EDIT_STYLES), row.styles) << at;
  }
  p.Select({});
  EXPECT_TRUE(p.Enabled(ID_FILE_REORGANIZE));
  EXPECT_TRUE(p.Enabled(kCmdBringIntoView));
}

TEST(Restructure, ForcedRunsOnAnUnfitSelectionChangeNothing) {
  RestructurePage p;
  const std::vector<WORD> v = p.Points(2);
  const WORD ab = p.Line(v[0], v[1]);
  p.Select({v[0], ab});
  p.ExpectNothingMade([&] {
    for (unsigned command : {ID_EDIT_STYLES, ID_EDIT_FLUSH}) p.Run(command);
  });
  p.Select({});
  p.ExpectNothingMade([&] {
    for (unsigned command : {ID_EDIT_REVERSE, ID_EDIT_SPLIT}) p.Run(command);
  });
}

// --- Bring into view ----------------------------------------------------

TEST(BringIntoView, AFarCaptionComesBackOnceThenNothingIsOut) {
  RestructurePage p;
  const WORD text = p.Enter(new CGTextbit(p.Page().m_nNextId++, 4, 4, std::vector<BYTE>(4 * 4)));
  p.Find(text)->m_vLabelAnchor[0] = 5000 * 0.05f;
  ASSERT_TRUE(p.Run(kCmdBringIntoView));
  ASSERT_EQ(p.Shown().size(), 1u);
  EXPECT_EQ(p.Shown()[0], QString::fromUtf8(kTextBroughtIntoView).replace(QStringLiteral("%d"), QStringLiteral("1")));
  EXPECT_LT(p.Find(text)->m_vLabelAnchor[0], 5000 * 0.05f);
  ASSERT_TRUE(p.Run(kCmdBringIntoView));
  ASSERT_EQ(p.Shown().size(), 2u);
  EXPECT_EQ(p.Shown()[1], QString::fromUtf8(kTextNothingOutOfView));
}
}  // namespace
