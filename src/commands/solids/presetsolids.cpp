// The preset solids.  Cells are made in a fixed order, so a new page always
// gives them the same ids and automatic names; the corner C of a
// parallelogram base is made after D, but its automatic name is drawn
// before D's so that the base reads A, B, C, D around.
#include "commands/solids/presetsolids.h"

#include <functional>

#include "cells/constrained/dependentpoints.h"
#include "cells/constrained/follower.h"
#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/mirrors.h"
#include "cells/constructed/rotations.h"
#include "cells/constructed/scalings.h"
#include "cells/constructed/translations.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "cells/solids/solidbuilders.h"
#include "commands/solids/solidcommandtexts.h"
#include "commands/solids/solidconstruction.h"
#include "model/document/commandtable.h"
#include "platform/commandids.h"

namespace {

// The pentagon: 2 sin 72 deg, the golden ratio, tan 72 deg.
constexpr float kPentagonDiagonalMid = 1.902113f;
constexpr float kGoldenRatio = 1.618034f;
constexpr float kPentagonOppositeRatio = 3.077684f;
constexpr float kHexagonApexHeight = 15.0f;
// The tetrahedron's dihedral angle, arccos(1/3), and its first corner
// (-8, -8/sqrt 3, -8/sqrt 6) for edge 16 centred on the origin.
constexpr float kTetrahedronDihedral = 1.2309594f;
constexpr CPosition kTetrahedronA = {-8.0f, -4.618802f, -3.265986f};
constexpr BYTE kAxisFromLine = 0;

WORD FreePoint(CSolidConstruction& build, const CPosition& at) {
  return build.Point<CGVerFreeXyz>(Auto(), at.x, at.y, at.z);
}

WORD Follower(CSolidConstruction& build, const CPointName& name, WORD leader, const CPosition& at) {
  return build.Point<CGVerFreeHenchman>(name, at.x, at.y, at.z, leader);
}

// D of a parallelogram base on A and B.
using CornerMaker = std::function<WORD(CSolidConstruction& build, WORD a, WORD b)>;

// A free at `a`, B following it from `b`, C's name drawn, D, then
// C = B + D - A.  Returns A, B, C, D.
std::vector<WORD> ParallelogramCorners(CSolidConstruction& build, const CPosition& a, const CPosition& b,
                                       const CornerMaker& makeD) {
  const WORD pa = FreePoint(build, a);
  const WORD pb = Follower(build, Auto(), pa, b);
  const QString nameC = build.DrawName();
  const WORD pd = makeD(build, pa, pb);
  const WORD pc = build.Point<CGVerTranslate>(Named(nameC), pb, pa, pd);
  return {pa, pb, pc, pd};
}

// The box family: the parallelogram base, its face and edges, the nameless
// top corner over A made by `makeTop` (on A, B, D), and the prism the
// builder raises to it.  Room for 26 cells, 8 of them points.
void BuildBox(CKavrelDoc& doc, const char* label, const CPosition& a, const CPosition& b, const CornerMaker& makeD,
              const std::function<WORD(CSolidConstruction&, WORD, WORD, WORD)>& makeTop) {
  CSolidConstruction build(doc);
  if (!build.MakeRoom(26, 8)) return;
  const std::vector<WORD> base = ParallelogramCorners(build, a, b, makeD);
  const WORD face = build.Face(base);
  build.Loop(base);
  const WORD top = makeTop(build, base[0], base[1], base[3]);
  if (!build.Adopt(BuildPrism(top, face))) return;
  build.Commit(label);
}

WORD UprightEquid(CSolidConstruction& build, WORD a, WORD b) {
  return build.Point<CGVerFreeUprightEquid>(Auto(), a, b);
}

}  // namespace

void OnCreateCuboid(CKavrelDoc& doc) {
  BuildBox(
      doc, kCmdNameCuboid, {-6, -4, -4}, {6, -4, -4},
      [](CSolidConstruction& build, WORD a, WORD b) { return build.Point<CGVerFreeUpright>(Auto(), a, b); },
      [](CSolidConstruction& build, WORD a, WORD b, WORD d) {
        return build.Point<CGVerFreePerpen>(Nameless(), a, b, d);
      });
}

void OnCreateBox(CKavrelDoc& doc) {
  BuildBox(doc, kCmdNameCube, {-5, -5, -5}, {5, -5, -5}, UprightEquid,
           [](CSolidConstruction& build, WORD a, WORD b, WORD d) {
             return build.Point<CGVerPerpenEquid>(Nameless(), a, b, d);
           });
}

void OnCreateSolidParall(CKavrelDoc& doc) {
  BuildBox(
      doc, kCmdNameParallelepiped, {-6, -5, -4}, {6, -5, -4},
      [](CSolidConstruction& build, WORD a, WORD) { return Follower(build, Auto(), a, {-4, 5, -4}); },
      [](CSolidConstruction& build, WORD a, WORD, WORD) { return Follower(build, Nameless(), a, {-3, -4, 4}); });
}

void OnCreateSolidTetrahedron(CKavrelDoc& doc) {
  CSolidConstruction build(doc);
  if (!build.MakeRoom(19, 6)) return;
  const std::vector<WORD> base = ParallelogramCorners(build, {-5, -5, -5}, {5, -5, -5}, UprightEquid);
  build.Loop(base);
  const WORD centre = build.Point<CGVerScale>(Named("O"), base[2], base[0], 0.5f);
  const WORD apex = build.Point<CGVerFreePerpen>(Auto(), centre, base[0], base[1]);
  build.SetDistance(apex, kRegularApexHeight);
  const WORD face = build.Face(base);
  if (!build.Adopt(BuildPyramid(apex, face))) return;
  build.Commit(kCmdNameSquarePyramid);
}

void OnCreateSolidFiveprism(CKavrelDoc& doc) {
  CSolidConstruction build(doc);
  if (!build.MakeRoom(36, 14)) return;
  const WORD a = FreePoint(build, {-5, -4, -5});
  const WORD b = Follower(build, Auto(), a, {5, -6, -5});
  const WORD ab = build.Cell<CGLine>(a, b, BYTE{kLineSegment});
  // M, the midpoint of AB; P, whose drag turns the pentagon about AB; Q,
  // the midpoint of the diagonal CE; T, Q moved by M->B.
  const WORD m = build.Point<CGVerMid>(Named("0"), ab);
  build.Hide(m);
  const WORD p = build.Point<CGVerFreeUprightEquid>(Named("1"), m, b);
  const WORD q = build.Point<CGVerScale>(Named("2"), p, m, kPentagonDiagonalMid);
  build.Hide(q);
  const WORD t = build.Point<CGVerTranslate>(Named("3"), q, m, b);
  build.Hide(t);
  const WORD c = build.Point<CGVerScale>(Auto(), t, q, kGoldenRatio);
  const WORD d = build.Point<CGVerScale>(Auto(), p, m, kPentagonOppositeRatio);
  const WORD e = build.Point<CGVerSymmetryP>(Auto(), c, q);
  build.Segments({{b, c}, {c, d}, {d, e}, {e, a}});
  const WORD top = build.Point<CGVerFreePerpen>(Nameless(), a, b, d);
  const WORD face = build.Face({a, b, c, d, e});
  if (!build.Adopt(BuildPrism(top, face))) return;
  build.Commit(kCmdNamePentagonalPrism);
}

void OnCreateSolidSixtrun(CKavrelDoc& doc) {
  CSolidConstruction build(doc);
  if (!build.MakeRoom(41, 15)) return;
  const WORD a = FreePoint(build, {-5, -5, -5});
  const WORD b = Follower(build, Auto(), a, {5, -5, -5});
  const WORD o = build.Point<CGVerFreeEquilateral>(Named("O"), a, b);
  const WORD c = build.Point<CGVerTranslate>(Auto(), o, a, b);
  const WORD d = build.Point<CGVerSymmetryP>(Auto(), a, o);
  const WORD e = build.Point<CGVerSymmetryP>(Auto(), b, o);
  const WORD f = build.Point<CGVerSymmetryP>(Auto(), c, o);
  const std::vector<WORD> base{a, b, c, d, e, f};
  build.Loop(base);
  const WORD face = build.Face(base);
  const WORD apex = build.Point<CGVerFreePerpen>(Nameless(), o, a, b);
  build.SetDistance(apex, kHexagonApexHeight);
  if (!build.Adopt(BuildFrustum(apex, face))) return;
  build.Commit(kCmdNameHexagonalFrustum);
}

void CreateRegularTetrahedron(CKavrelDoc& doc) {
  CSolidConstruction build(doc);
  if (!build.MakeRoom(14, 4)) return;
  const CPosition at = kTetrahedronA;
  const WORD a = FreePoint(build, at);
  const WORD b = Follower(build, Auto(), a, {-at.x, at.y, at.z});
  const WORD c = build.Point<CGVerFreeEquilateral>(Auto(), a, b);
  const WORD ab = build.Cell<CGLine>(a, b, BYTE{kLineSegment});
  build.Segments({{b, c}, {c, a}});
  const WORD d = build.Point<CGVerRotateX>(Auto(), c, ab, kTetrahedronDihedral, kAxisFromLine);
  build.Segments({{d, a}, {d, b}, {d, c}});
  for (const std::vector<WORD>& corners : {std::vector<WORD>{c, b, a}, {b, c, d}, {c, a, d}, {a, b, d}})
    build.Face(corners);
  build.Commit(kCmdNameRegularTetrahedron);
}

namespace {
const CDocCommandRows rows({
    {ID_CREATE_CUBOID, OnCreateCuboid},
    {ID_CREATE_BOX, OnCreateBox},
    {ID_CREATE_SOLID_PARALL, OnCreateSolidParall},
    {ID_CREATE_SOLID_TETRAHEDRON, OnCreateSolidTetrahedron},
    {ID_CREATE_SOLID_FIVEPRISM, OnCreateSolidFiveprism},
    {ID_CREATE_SOLID_SIXTRUN, OnCreateSolidSixtrun},
});
}  // namespace
