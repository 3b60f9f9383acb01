#include "commands/solids/facesolids.h"

#include <memory>
#include <utility>

#include "cells/constrained/linepoints.h"
#include "cells/constructed/mirrors.h"
#include "cells/constructed/rotations.h"
#include "cells/constructed/scalings.h"
#include "cells/constructed/trianglecentres.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgverfree.h"
#include "cells/solids/solidbuilders.h"
#include "commands/solids/solidcommandtexts.h"
#include "commands/solids/solidconstruction.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "model/undo/cmdcells.h"
#include "platform/commandids.h"
#include "platform/uibridge.h"

namespace {

// Turns of a third about the z axis, which make the default bases
// equilateral.
constexpr float kThirdTurn = 2.0943952f;
constexpr BYTE kMirrorXoy = 4, kMirrorOrigin = 7;
constexpr float kDefaultApexHeight = 15.0f;

// The prism builder renames the selected point after the base's first
// corner; the same step gives the old name back on undo and renames it
// again on redo, with the object list told either way.
class CCmdAddPrism : public CCmdAddCells {
 public:
  CCmdAddPrism(int n, const QString& label, WORD point, QString otherName)
      : CCmdAddCells(n, label), m_nPoint(point), m_strOtherName(std::move(otherName)) {
    TellRenamed();
  }
  BOOL Undo() override { return CCmdAddCells::Undo() && SwapName(); }
  BOOL Redo() override { return CCmdAddCells::Redo() && SwapName(); }

 private:
  BOOL SwapName() {
    if (CGCell* point = g_pCurPage->m_cells.Lookup(m_nPoint)) {
      std::swap(point->m_strName, m_strOtherName);
      point->m_bLabelStale = true;  // its label is laid out again for the name
      TellRenamed();
    }
    return TRUE;
  }
  static void TellRenamed() { UiBridge().Post(UiTarget::Frame, WM_ITEM_TEXTS, 0, g_pCurPage->m_nId); }

  WORD m_nPoint;
  QString m_strOtherName;  // the name the point does not hold now
};

// The selected point and face when exactly one of each is selected, other
// cells aside.
struct CPointAndFace {
  WORD point = 0;
  WORD face = 0;
  int corners = 0;
};
bool PointAndFaceSelected() { return CountSelection().P == 1 && CountSelection().F == 1; }
// They still name a point and a face of the page (a stale selection or a
// direct call may not).
bool ReadPointAndFace(CPointAndFace& found) {
  const CGPage& page = *g_pCurPage;
  found.point = PointOnPage(page.m_selPoints[0]);
  found.face = page.m_selFaces[0];
  const auto* face = dynamic_cast<const CGFace*>(page.m_cells.Lookup(found.face));
  found.corners = face ? static_cast<int>(face->m_parents.size()) : 0;
  return found.point && found.corners >= 3;
}

// P turned about the z axis (through the origin) by `angle`.
WORD TurnedAboutZ(CSolidConstruction& build, const char* name, WORD p, float angle) {
  return build.Point<CGVerRotate>(Named(name), p, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, angle);
}

// The default base A B C: A free, B and C its turns of a third about the z
// axis; edges and face.  Returns A, B, C, face.
struct CDefaultBase {
  WORD a, b, c, face;
};
CDefaultBase DefaultBase(CSolidConstruction& build) {
  const WORD a = build.Point<CGVerFreeXyz>(Named("A"), -8.0f, -5.0f, -6.0f);
  const WORD b = TurnedAboutZ(build, "B", a, kThirdTurn);
  const WORD c = TurnedAboutZ(build, "C", a, -kThirdTurn);
  build.Loop({a, b, c});
  return {a, b, c, build.Face({a, b, c})};
}

void DefaultPrism(CKavrelDoc& doc) {
  CSolidConstruction build(doc);
  if (!build.MakeRoom(20, 6)) return;
  const CDefaultBase base = DefaultBase(build);
  const WORD top = build.Point<CGVerSymmetry>(Named("A1"), base.a, kMirrorXoy);
  if (!build.Adopt(BuildPrism(top, base.face))) return;
  build.Commit(kCmdNameFacePrism);
}

void DefaultPyramid(CKavrelDoc& doc) {
  CSolidConstruction build(doc);
  if (!build.MakeRoom(15, 5)) return;
  const CDefaultBase base = DefaultBase(build);
  const WORD o = build.Point<CGVerBarycenter>(Named("O"), base.a, base.b, base.c);
  build.Hide(o, true);
  const WORD apex = build.Point<CGVerFreePerpen>(Named("V"), o, base.a, base.b);
  build.SetDistance(apex, kDefaultApexHeight);
  if (!build.Adopt(BuildPyramid(apex, base.face))) return;
  build.Commit(kCmdNameFacePyramid);
}

// The top triangle is the base halved and mirrored in the origin: A1 the
// mirror of the midpoint D of BC, B1 and C1 its turns.
void DefaultFrustum(CKavrelDoc& doc) {
  CSolidConstruction build(doc);
  if (!build.MakeRoom(21, 8)) return;
  const CDefaultBase base = DefaultBase(build);
  const WORD d = build.Point<CGVerScale>(Named("D"), base.b, base.c, 0.5f);
  build.Hide(d, true);
  const WORD a1 = build.Point<CGVerSymmetry>(Named("A1"), d, kMirrorOrigin);
  const WORD b1 = TurnedAboutZ(build, "B1", a1, kThirdTurn);
  const WORD c1 = TurnedAboutZ(build, "C1", a1, -kThirdTurn);
  build.Loop({a1, b1, c1});
  build.Face({a1, b1, c1});
  build.Segments({{base.a, a1}, {base.b, b1}, {base.c, c1}});
  build.Face({base.a, base.b, b1, a1});
  build.Face({base.b, base.c, c1, b1});
  build.Face({base.c, base.a, a1, c1});
  build.Commit(kCmdNameFaceFrustum);
}

using SolidBuilder = int (*)(WORD point, int baseFace);

// What each command builds over a face, and without one.
struct CFaceSolid {
  SolidBuilder builder;
  const char* label;
  int cellsPerCorner, extraCells;
  bool makesPoints;   // a new top corner over each base corner
  bool renamesPoint;  // the selected point takes the first corner's name
  void (*byDefault)(CKavrelDoc& doc);
};
constexpr CFaceSolid kPrism{BuildPrism, kCmdNameFacePrism, 4, 0, true, true, DefaultPrism};
constexpr CFaceSolid kPyramid{BuildPyramid, kCmdNameFacePyramid, 2, 0, false, false, DefaultPyramid};
constexpr CFaceSolid kFrustum{BuildFrustum, kCmdNameFaceFrustum, 4, 2, true, false, DefaultFrustum};

// The builder over the selected face, its cells one undo step.  Room is
// made first, so the builder never has to grow the array itself; when it
// still makes nothing, nothing is recorded.
void BuildOverFace(CKavrelDoc& doc, const CFaceSolid& solid) {
  CPointAndFace sel;
  if (!ReadPointAndFace(sel)) return;
  CSolidConstruction build(doc);
  const int points = solid.makesPoints ? sel.corners : 0;
  if (!build.MakeRoom(solid.cellsPerCorner * sel.corners + solid.extraCells, points)) return;
  const QString oldName = g_pCurPage->m_cells.Lookup(sel.point)->m_strName;
  if (!build.Adopt(solid.builder(sel.point, sel.face))) return;
  if (solid.renamesPoint)
    build.Frame().Commit(std::make_unique<CCmdAddPrism>(build.Count(), QString::fromUtf8(solid.label), sel.point, oldName));
  else
    build.Commit(solid.label);
}

void BuildFaceSolid(CKavrelDoc& doc, const CFaceSolid& solid) {
  if (!g_pCurPage) return;
  if (PointAndFaceSelected())
    BuildOverFace(doc, solid);
  else
    solid.byDefault(doc);
}

}  // namespace

void OnCreateSolidPrism(CKavrelDoc& doc) { BuildFaceSolid(doc, kPrism); }
void OnCreateSolidPyramid(CKavrelDoc& doc) { BuildFaceSolid(doc, kPyramid); }
void OnCreateSolidTrun(CKavrelDoc& doc) { BuildFaceSolid(doc, kFrustum); }

namespace {
const CDocCommandRows rows({
    {ID_CREATE_SOLID_PRISM, OnCreateSolidPrism},
    {ID_CREATE_SOLID_PYRAMID, OnCreateSolidPyramid},
    {ID_CREATE_SOLID_TRUN, OnCreateSolidTrun},
});
}  // namespace
