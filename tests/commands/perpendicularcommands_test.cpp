// Perpendiculars, parallels, common perpendiculars, projections and the
// parallel and perpendicular faces: the cells each selection gives, in
// order, with their parents.
#include <cmath>

#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "commands/commandglobals.h"
#include "commands/perpendicularcommands.h"
#include "platform/commandids.h"
#include "solidtestsupport.h"  // Distance
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

// A(0,0,0) B(4,0,0) C(0,4,0) D(0,0,4) E(1,1,1) F(2,3,5), the lines AB, AC,
// AD and the face ABC.
struct Scene : CommandPage {
  Scene() {
    for (const auto& at : std::vector<std::vector<float>>{{0, 0, 0}, {4, 0, 0}, {0, 4, 0}, {0, 0, 4}, {1, 1, 1}, {2, 3, 5}})
      Point(at[0], at[1], at[2]);
    for (const char* end : {"B", "C", "D"}) Line(Named("A"), Named(end));
    Face({Named("A"), Named("B"), Named("C")});
  }
};

TEST(PerpendicularCommands, EachSelectionGivesItsCellsInOrder) {
  struct Row {
    unsigned command;
    const char* selection;  // names, space-separated
    int lineType;           // before; the new lines' kind must be `kind`
    const char* made;       // empty: refused
    const char* label;
    int kind;
  } const rows[] = {
      {ID_CREATE_LINE_PERPENDICULAR, "E AB AC AD", 1,
       "CGVerFootplEx(E,A,B) CGLine(E,G) CGVerFootplEx(E,A,C) CGLine(E,H) CGVerFootplEx(E,A,D) CGLine(E,I)",
       "添加垂线", 1},
      {ID_CREATE_LINE_PERPENDICULAR, "E ABC", 0, "CGVerFootpfEx(E,A,B,C) CGLine(E,G)", "添加垂线", 0},
      {ID_CREATE_LINE_PERPENDICULAR, "E F AB ABC", 2,
       "CGVerFootplEx(E,A,B) CGLine(E,G) CGVerFootplEx(F,A,B) CGLine(F,H)", "添加垂线", 2},
      {ID_CREATE_LINE_PERPENDICULAR, "E F ABC", 3,
       "CGVerFootpfEx(E,A,B,C) CGLine(E,G) CGVerFootpfEx(F,A,B,C) CGLine(F,H)", "添加垂线", 3},
      {ID_CREATE_LINE_PERPENDICULAR, "E A B", 0, "CGVerFootplEx(E,A,B) CGLine(E,G)", "添加垂线", 0},
      {ID_CREATE_LINE_PERPENDICULAR, "E F AB AC", 0, "", "", 0},
      {ID_CREATE_LINE_PARALLEL, "E AB AC", 1,
       "CGVerFreeParVecPP(E,A,B) CGLine(E,G) CGVerFreeParVecPP(E,A,C) CGLine(E,H)", "添加平行线", 2},
      {ID_CREATE_LINE_PARALLEL, "E F AB", 0,
       "CGVerFreeParVecPP(E,A,B) CGLine(E,G) CGVerFreeParVecPP(F,A,B) CGLine(F,H)", "添加平行线", 2},
      {ID_CREATE_LINE_PARALLEL, "AB", 0, "", "", 0},
      {ID_CREATE_LINE_COMMON, "AD AB", 2, "CGVerCommonperpen(AD,AB) CGVerCommonperpen(AB,AD) CGLine(G,H)",
       "添加公垂线段", 0},
      {ID_CREATE_LINE_COMMON, "AD", 0, "", "", 0},
      {ID_CREATE_POINT_TOUYING, "E F AB ABC", 0,
       "CGVerFootpl(E,A,B) CGVerFootpf(E,A,B,C) CGVerFootpl(F,A,B) CGVerFootpf(F,A,B,C)", "添加投影点", 0},
      {ID_CREATE_POINT_TOUYING, "E F", 0, "", "", 0},
      {ID_CREATE_FACE_PARFACE, "E AB", 0, "", "", 0},
      {ID_CREATE_FACE_PERLINE, "E", 0, "", "", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.selection) + " " + std::to_string(row.command));
    Scene p;
    g_nLineType = row.lineType;
    p.SelectNamed(QString::fromUtf8(row.selection));
    for (WORD id : p.ExpectMade(row.command, row.made, row.label))
      if (const auto* line = p.As<CGLine>(id)) { EXPECT_EQ(line->m_nSubKind, row.kind) << id; }
  }
}

TEST(PerpendicularCommands, TheParallelFaceOfAPentagonIsItsTranslate) {
  CommandPage p;
  std::vector<WORD> pentagon;
  for (int k = 0; k < 5; ++k) pentagon.push_back(p.Point(3 * std::cos(k * 1.2566371f), 3 * std::sin(k * 1.2566371f), 0));
  const WORD face = p.Face(pentagon), through = p.Point(1, 2, 5);
  p.Select({face, through});
  const std::vector<WORD> ids = p.ExpectMade(
      ID_CREATE_FACE_PARFACE,
      "CGVerTranslate(B,A,F) CGLine(F,G) CGVerTranslate(C,A,F) CGLine(G,H) CGVerTranslate(D,A,F) CGLine(H,I) "
      "CGVerTranslate(E,A,F) CGLine(I,J) CGLine(J,F) CGFace(F,G,H,I,J)",
      "添加面的平行面");
  const std::vector<WORD>& corners = p.Find(ids.back())->m_parents;
  for (int k = 0; k < 5; ++k) {
    EXPECT_NEAR(Distance(p, corners[k], corners[(k + 1) % 5]), Distance(p, pentagon[0], pentagon[1]), 1e-5) << k;
    EXPECT_FLOAT_EQ(p.As<CGVertex>(corners[k])->m_vPos[2], 5) << k;
  }
}

TEST(PerpendicularCommands, ThePerpendicularFaceIsASquareAcrossTheLine) {
  struct Row {
    const char* name;
    float pointZ;  // of P(3, 0, z); NaN: no point
    const char* made;
  } const rows[] = {
      {"through P about its foot", 2,
       "CGVerFootpl(P,A,B) CGVerSymmetryP(P,O) CGVerPerpenEquid(O,P,B) CGVerSymmetryP(E,O) CGLine(P,E) CGLine(E,D) "
       "CGLine(D,F) CGLine(F,P) CGFace(P,E,D,F)"},
      {"the foot on B: turned about A", 6,
       "CGVerFootpl(P,A,B) CGVerSymmetryP(P,O) CGVerPerpenEquid(O,P,A) CGVerSymmetryP(E,O) CGLine(P,E) CGLine(E,D) "
       "CGLine(D,F) CGLine(F,P) CGFace(P,E,D,F)"},
      {"about the line's first point", NAN,
       "CGVerFreeUpright(A,B) CGVerSymmetryP(C,A) CGVerPerpenEquid(A,C,B) CGVerSymmetryP(E,A) CGLine(C,E) "
       "CGLine(E,D) CGLine(D,F) CGLine(F,C) CGFace(C,E,D,F)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    const WORD a = p.Point(0, 0, 0), b = p.Point(0, 0, 6);
    std::vector<WORD> selection{p.Line(a, b)};
    const bool withPoint = !std::isnan(row.pointZ);
    if (withPoint) {
      selection.push_back(p.Point(3, 0, row.pointZ));
      p.Find(selection.back())->m_strName = QStringLiteral("P");
    }
    p.Select(selection);
    const std::vector<WORD> ids = p.ExpectMade(ID_CREATE_FACE_PERLINE, row.made, "添加线的垂面");
    EXPECT_EQ(p.Find(ids[0])->m_bHidden, withPoint);
    for (WORD corner : p.Find(ids.back())->m_parents)
      EXPECT_NEAR(Distance(p, corner, withPoint ? ids[0] : a), withPoint ? 3 : 8, 1e-4) << corner;
  }
  CommandPage p;  // with no line selected, as a caller past the rule might
  p.Select({p.Point(1, 1, 1)});
  p.ExpectNothingMade([&p] { OnCreateFacePerline(p.doc); });
}

}  // namespace
