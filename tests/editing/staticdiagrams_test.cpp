// Positioning diagrams: every kind of the dialog as one undo step with its
// cells in order, the regular polyhedra's geometry, the round shapes'
// frames, the copies of hulls and sections, and the answers that make
// nothing.
#include <QString>
#include <cmath>
#include <limits>

#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/revolution/roundsolids.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/cgsection.h"
#include "cells/solids/static/staticshapes.h"
#include "commands/solids/staticdiagrams.h"
#include "editing/dialogs/solids/staticdialog.h"
#include "model/autocolor.h"
#include "model/globals.h"
#include "model/modeltexts.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

const QString kShapeLabel = QString::fromUtf8(kCmdNameStaticShape);
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

CDlgStaticKavrel Kind(int kind) {
  CDlgStaticKavrel d;
  d.m_nKind = kind;
  return d;
}
CDlgStaticKavrel With(CDlgStaticKavrel d, float CDlgStaticKavrel::*member, float value) {
  d.*member = value;
  return d;
}
CDlgStaticKavrel Edges(int kind, int n) {
  CDlgStaticKavrel d = Kind(kind);
  d.m_nEdges = n;
  return d;
}

void ExpectAt(const CommandPage& p, const char* name, std::vector<float> at) {
  const WORD id = p.Named(QString::fromUtf8(name));
  ASSERT_NE(id, 0) << name;
  const std::vector<float> got = p.At(id);
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(got[k], at[k], 1e-4) << name << " coordinate " << k;
}

// (b - a) x (c - a) of three points of the page.
std::vector<double> Normal(const CommandPage& p, WORD a, WORD b, WORD c) {
  const std::vector<float> pa = p.At(a), pb = p.At(b), pc = p.At(c);
  const double u[3] = {pb[0] - pa[0], pb[1] - pa[1], pb[2] - pa[2]};
  const double v[3] = {pc[0] - pa[0], pc[1] - pa[1], pc[2] - pa[2]};
  return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

// Every face of a shape about `centre` is flat and turned outward by the
// right-hand rule (a flat shape's up).
void ExpectFacesOutward(const CommandPage& p, WORD first, const std::vector<float>& centre) {
  for (WORD id = first; id < p.Page().m_nNextId; ++id) {
    const auto* face = p.As<CGFace>(id);
    if (!face) continue;
    const std::vector<WORD>& corners = face->m_parents;
    const std::vector<double> n = Normal(p, corners[0], corners[1], corners[2]);
    const double length = std::hypot(n[0], n[1], n[2]);
    const std::vector<float> a = p.At(corners[0]);
    for (WORD corner : corners) {
      const std::vector<float> c = p.At(corner);
      EXPECT_NEAR((n[0] * (c[0] - a[0]) + n[1] * (c[1] - a[1]) + n[2] * (c[2] - a[2])) / length, 0, 1e-3)
          << face->m_strName.toStdString();
    }
    const double out = n[0] * (a[0] - centre[0]) + n[1] * (a[1] - centre[1]) + n[2] * (a[2] - centre[2]);
    EXPECT_TRUE(out > 1e-6 * length || (std::fabs(out) <= 1e-6 * length && n[2] > 0)) << face->m_strName.toStdString();
  }
}

TEST(StaticDiagrams, EveryKindIsOneUndoStepWithItsPointsInPlace) {
  const float r3 = 4.618802f;  // 8 / sqrt 3
  struct Row {
    const char* what;
    CDlgStaticKavrel answer;
    int cells;
    const char* first;
    std::vector<float> firstAt;
    const char* last;
    std::vector<float> lastAt;
  } const rows[] = {
      {"cuboid, defaults", Kind(0), 26, "A", {-6, -4, -5}, "D1", {-6, 4, 5}},
      {"prism n = 6", Kind(1), 38, "A", {-4, -6.928203f, -5}, "F1", {-8, 0, 5}},
      {"prism n = 3", Edges(1, 3), 20, "A", {-6.928203f, -4, -5}, "C1", {0, 8, 5}},
      {"prism n = 100", Edges(1, 100), 602, "A", {-0.251301f, -7.996052f, -5}, "", {}},
      {"pyramid n = 4", Edges(2, 4), 18, "A", {-5.656854f, -5.656854f, -5}, "E", {0, 0, 5}},
      {"pyramid n = 100", Edges(2, 100), 402, "A", {-0.251301f, -7.996052f, -5}, "", {}},
      {"frustum ratio 0.5", Kind(3), 38, "A", {-4, -6.928203f, -5}, "F1", {-4, 0, 5}},
      {"frustum ratio 3, wider on top", With(Kind(3), &CDlgStaticKavrel::m_fRatio, 3), 38, "A1",
       {-12, -20.78461f, 5}, "F1", {-24, 0, 5}},
      {"polygon n = 3", Edges(4, 3), 7, "A", {-6.928203f, -4, 0}, "C", {0, 8, 0}},
      {"tetrahedron", Kind(5), 14, "A", {-r3, -r3, -r3}, "D", {r3, -r3, r3}},
      {"cube of radius 8", Kind(6), 26, "A", {-r3, -r3, -r3}, "C1", {r3, r3, r3}},
      {"octahedron", Kind(7), 26, "A", {8, 0, 0}, "F", {0, 0, -8}},
      {"dodecahedron", Kind(8), 62, "A", {-7.473379f, 0, 2.854610f}, "T", {0, -2.854610f, -7.473379f}},
      {"icosahedron", Kind(9), 62, "A", {-4.205849f, 0, 6.805206f}, "L", {-6.805206f, -4.205849f, 0}},
      {"circle", Kind(10), 2, "A", {0, 0, 0}, "", {}},
      {"cylinder", Kind(11), 5, "A", {0, 0, -5}, "B", {0, 0, 5}},
      {"cone", Kind(12), 4, "A", {0, 0, -5}, "B", {0, 0, 5}},
      {"conical frustum", Kind(13), 5, "A", {0, 0, -5}, "B", {0, 0, 5}},
      {"sphere", Kind(14), 5, "A", {0, 0, 0}, "", {}},
      {"a typed kind: the cube of edge 10", Kind(CDlgStaticKavrel::kTypedKind), 26, "A", {-5, -5, -5}, "C1",
       {5, 5, 5}},
      {"a kind beyond the list", Kind(15), 26, "B1", {5, -5, 5}, "D", {-5, 5, -5}},
      {"centred elsewhere", With(With(Kind(0), &CDlgStaticKavrel::m_fCenterX, 100), &CDlgStaticKavrel::m_fCenterZ,
                                 -1),
       26, "A", {94, -4, -6}, "C1", {106, 4, 4}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    CommandPage p;
    p.dialogs->Ok(row.answer);
    p.ExpectConstruction(ID_CREATE_STATICKAVREL, row.cells, kShapeLabel);
    ExpectAt(p, row.first, row.firstAt);
    if (*row.last) ExpectAt(p, row.last, row.lastAt);
    ExpectFacesOutward(p, 1, {row.answer.m_fCenterX, row.answer.m_fCenterY, row.answer.m_fCenterZ});
  }
}

TEST(StaticDiagrams, ARingOfFewerThanThreePointsMakesNothing) {
  CommandPage p;
  EXPECT_EQ(AddStaticPrism(0, 0, 0, 2, 8, 10, 1), 0);
  EXPECT_EQ(AddStaticPyramid(0, 0, 0, 0, 8, 10), 0);
  EXPECT_EQ(AddStaticPolygon(0, 0, 0, -5, 8), 0);
  EXPECT_EQ(p.Page().m_nNextId, 1);
}

TEST(StaticDiagrams, CuboidAndOctahedronCellsInOrder) {
  CommandPage p;
  p.dialogs->Ok(Kind(0));
  p.ExpectMade(ID_CREATE_STATICKAVREL,
               "CGVertex() CGVertex() CGVertex() CGVertex() CGVertex() CGVertex() CGVertex() CGVertex() "
               "CGLine(A,B) CGLine(D,C) CGLine(A1,B1) CGLine(D1,C1) CGLine(A,D) CGLine(B,C) CGLine(A1,D1) "
               "CGLine(B1,C1) CGLine(A,A1) CGLine(B,B1) CGLine(D,D1) CGLine(C,C1) "
               "CGFace(A,D,C,B) CGFace(C,D,D1,C1) CGFace(A1,B1,C1,D1) CGFace(A,B,B1,A1) CGFace(B,C,C1,B1) "
               "CGFace(D,A,A1,D1)",
               kCmdNameStaticShape);
  // A second shape continues the automatic names.
  p.dialogs->Ok(Kind(7));
  p.ExpectMade(ID_CREATE_STATICKAVREL,
               "CGVertex() CGVertex() CGVertex() CGVertex() CGVertex() CGVertex() "
               "CGLine(F,H) CGLine(H,E) CGLine(E,G) CGLine(G,F) CGLine(F,I) CGLine(H,I) CGLine(E,I) CGLine(G,I) "
               "CGLine(F,J) CGLine(H,J) CGLine(E,J) CGLine(G,J) "
               "CGFace(G,I,E) CGFace(I,G,F) CGFace(I,H,E) CGFace(H,I,F) CGFace(J,G,E) CGFace(G,J,F) "
               "CGFace(H,J,E) CGFace(J,H,F)",
               kCmdNameStaticShape);
  ExpectAt(p, "E", {8, 0, 0});
  ExpectAt(p, "I", {0, 0, 8});
}

TEST(StaticDiagrams, RegularPolyhedraLieOnTheirSphereWithEqualEdgesAndOutwardFaces) {
  struct Row {
    int (*build)(float, float, float, float);
    int points, cells;
    double edge;
    bool solidLook;
  } const rows[] = {
      {AddStaticTetrahedron, 4, 14, 13.06395, false},
      {AddStaticOctahedron, 6, 26, 11.31371, false},
      {AddStaticDodecahedron, 20, 62, 5.70915, true},
      {AddStaticIcosahedron, 12, 62, 8.41170, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.cells + row.points);
    CommandPage p;
    ASSERT_EQ(row.build(0, 0, 0, 8), row.cells);
    ASSERT_EQ(p.Page().m_nNextId, 1 + row.cells);
    for (WORD id = 1; id < 1 + row.cells; ++id) {
      CGCell* cell = p.Find(id);
      if (id <= row.points) {
        const std::vector<float> at = p.At(id);
        EXPECT_NEAR(std::hypot(at[0], at[1], at[2]), 8.0, 1e-4);
        EXPECT_EQ(cell->m_bHidden, row.solidLook ? 1 : 0);
        continue;
      }
      EXPECT_EQ(cell->m_nStyle, row.solidLook ? 1 : 0);
      const std::vector<WORD>& ends = cell->m_parents;
      if (auto* line = dynamic_cast<CGLine*>(cell)) {
        const std::vector<float> a = p.At(ends[0]), b = p.At(ends[1]);
        EXPECT_NEAR(std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]), row.edge, 1e-4) << line->m_strName.toStdString();
      } else {
        ASSERT_TRUE(dynamic_cast<CGFace*>(cell));
        const std::vector<double> n = Normal(p, ends[0], ends[1], ends[2]);
        const std::vector<float> a = p.At(ends[0]);
        EXPECT_GT(n[0] * a[0] + n[1] * a[1] + n[2] * a[2], 0) << cell->m_strName.toStdString();
      }
    }
  }
}

TEST(StaticDiagrams, TheDodecahedronTakesTwelveColoursAndTwentyNames) {
  COLORREF thirteenth = 0;
  {
    CommandPage p;
    for (int i = 0; i < 12; ++i) NextAutoColor();
    thirteenth = NextAutoColor();
  }
  CommandPage p;
  ASSERT_EQ(AddStaticDodecahedron(0, 0, 0, 8), 62);
  EXPECT_EQ(p.Page().GetNewName(1), QStringLiteral("U"));
  ASSERT_EQ(AddStaticTetrahedron(0, 0, 0, 8), 14);
  const RGBA c = p.Find(63 + 10)->m_rgbaColor;
  EXPECT_EQ(COLORREF(c.r | c.g << 8 | c.b << 16), thirteenth);
}

struct Frame {
  std::vector<float> centre, u, v;
};
Frame FrameOf(const CommandPage& p, WORD id) {
  const auto* arc = p.As<CGArc>(id);
  const auto list = [](const float* v) { return std::vector<float>{v[0], v[1], v[2]}; };
  return {list(arc->Center), list(arc->AxisU), list(arc->AxisV)};
}

void ExpectNear(const std::vector<float>& got, const std::vector<float>& want, const char* what) {
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(got[k], want[k], 1e-4) << what << " coordinate " << k;
}

TEST(StaticDiagrams, RoundShapesFollowTheirAxis) {
  using V = std::vector<float>;
  struct Circle {
    WORD id;
    V centre, u, v;
  };
  struct Row {
    const char* what;
    std::function<int()> build;
    int cells;
    std::vector<Circle> circles;
    V solidAxis;  // the axial solid's (last cell), or the sphere's pole (cell 2); empty: not checked
  } const rows[] = {
      {"cylinder", [] { return AddStaticCylinder(0, 0, 0, 8, 10, 0, 0, 1); }, 5,
       {{3, {0, 0, -5}, {8, 0, 0}, {0, 8, 0}}, {4, {0, 0, 5}, {8, 0, 0}, {0, 8, 0}}}, {0, 0, 1}},
      {"cone", [] { return AddStaticCone(0, 0, 0, 8, 10, 0, 0, 1); }, 4, {{3, {0, 0, -5}, {8, 0, 0}, {0, 8, 0}}},
       {0, 0, 1}},
      {"frustum, ratio 0.5", [] { return AddStaticConicalFrustum(0, 0, 0, 8, 10, 0.5f, 0, 0, 1); }, 5,
       {{4, {0, 0, 5}, {4, 0, 0}, {0, 4, 0}}}, {0, 0, 1}},
      {"cylinder pointing down", [] { return AddStaticCylinder(0, 0, 0, 8, 10, 0, 0, -1); }, 5,
       {{3, {0, 0, 5}, {8, 0, 0}, {0, 8, 0}}}, {0, 0, -1}},
      {"circle about x", [] { return AddStaticCircle(1, 2, 3, 8, 1, 0, 0); }, 2, {{2, {1, 2, 3}, {0, 8, 0}, {0, 0, 8}}},
       {}},
      {"circle, zero axis", [] { return AddStaticCircle(0, 0, 0, 8, 0, 0, 0); }, 2,
       {{2, {0, 0, 0}, {8, 0, 0}, {0, 8, 0}}}, {}},
      {"cylinder, zero axis", [] { return AddStaticCylinder(0, 0, 0, 8, 10, 0, 0, 0); }, 5,
       {{3, {0, 0, -5}, {8, 0, 0}, {0, 8, 0}}}, {0, 0, 1}},
      {"cylinder, nearly upright", [] { return AddStaticCylinder(0, 0, 0, 8, 10, 0.0005f, 0.0005f, 1); }, 5,
       {{3, {-0.0025f, -0.0025f, -5}, {8, 0, 0}, {0, 8, 0}}}, {0.0005f, 0.0005f, 1}},
      {"circle, tilted", [] { return AddStaticCircle(0, 0, 0, 8, 0.002f, 0, 1); }, 2,
       {{2, {0, 0, 0}, {0, 8, 0}, {-7.999984f, 0, 0.016f}}}, {}},
      {"sphere about y", [] { return AddStaticSphere(0, 0, 0, 8, 0, 2, 0); }, 5,
       {{3, {0, 0, 0}, {-8, 0, 0}, {0, 0, 8}}, {4, {0, 0, 0}, {0, 0, 8}, {0, 8, 0}}, {5, {0, 0, 0}, {0, 8, 0}, {-8, 0, 0}}},
       {0, 8, 0}},
      {"sphere pointing down", [] { return AddStaticSphere(0, 0, 0, 8, 0, 0, -1); }, 5,
       {{3, {0, 0, 0}, {8, 0, 0}, {0, 8, 0}}}, {0, 0, 8}},
      // Axes whose squares (or whose frame's squares) overflow a float point
      // the same way as short ones.
      {"circle, tilted and 1e10 long", [] { return AddStaticCircle(0, 0, 0, 8, 1e10f, 0, 1e10f); }, 2,
       {{2, {0, 0, 0}, {0, 8, 0}, {-5.656854f, 0, 5.656854f}}}, {}},
      {"circle about x, 1e20 long", [] { return AddStaticCircle(1, 2, 3, 8, 1e20f, 0, 0); }, 2,
       {{2, {1, 2, 3}, {0, 8, 0}, {0, 0, 8}}}, {}},
      {"cylinder, 3e19 long", [] { return AddStaticCylinder(0, 0, 0, 8, 10, 0, 0, 3e19f); }, 5,
       {{3, {0, 0, -5}, {8, 0, 0}, {0, 8, 0}}}, {0, 0, 1}},
      {"sphere about y, 1e30 long", [] { return AddStaticSphere(0, 0, 0, 8, 0, 1e30f, 0); }, 5,
       {{3, {0, 0, 0}, {-8, 0, 0}, {0, 0, 8}}}, {0, 8, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    CommandPage p;
    ASSERT_EQ(row.build(), row.cells);
    for (const Circle& c : row.circles) {
      const Frame f = FrameOf(p, c.id);
      ExpectNear(f.centre, c.centre, "centre");
      ExpectNear(f.u, c.u, "u");
      ExpectNear(f.v, c.v, "v");
    }
    if (row.solidAxis.empty()) continue;
    if (const auto* sphere = p.As<CGSphere>(2)) {
      ExpectNear({sphere->PoleVector[0], sphere->PoleVector[1], sphere->PoleVector[2]}, row.solidAxis, "pole");
    } else {
      const auto* solid = p.As<CGAxialSolid>(static_cast<WORD>(row.cells));
      ASSERT_TRUE(solid);
      ExpectNear({solid->Axis[0], solid->Axis[1], solid->Axis[2]}, row.solidAxis, "axis");
    }
  }
}

// A unit-cube hull as a hull stores it: 8 points, 12 edges, 6 squares.
WORD CubeHull(CommandPage& p) {
  auto* hull = new CGPolyhedron;
  hull->m_nId = p.Page().m_nNextId++;
  for (int k = 0; k < 8; ++k) hull->Points.push_back({double(k & 1), double((k >> 1) & 1), double(k >> 2)});
  hull->Edges = {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {0, 2}, {1, 3}, {4, 6}, {5, 7}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
  for (const std::vector<std::int32_t>& corners : std::vector<std::vector<std::int32_t>>{
           {0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}}) {
    hull->Faces.emplace_back();
    hull->Faces.back().Vertices = corners;
  }
  return p.Enter(hull);
}

// A section whose stored polygon is a regular pentagon.
WORD PentagonSection(CommandPage& p) {
  auto* section = new CGSection;
  section->m_nId = p.Page().m_nNextId++;
  for (int k = 0; k < 5; ++k)
    section->Polygon.push_back({std::cos(k * 1.2566371), std::sin(k * 1.2566371), 2.0});
  return p.Enter(section);
}

TEST(StaticDiagrams, ASelectedHullOrSectionIsCopied) {
  CommandPage p;
  const WORD hull = CubeHull(p);
  p.Select({hull});
  const std::vector<WORD> ids = p.ExpectConstruction(ID_CREATE_STATICKAVREL, 26, QString::fromUtf8(kCmdNameStaticHull));
  for (int k = 0; k < 8; ++k) ExpectNear(p.At(ids[k]), {float(k & 1), float((k >> 1) & 1), float(k >> 2)}, "corner");
  EXPECT_EQ(p.Summary({ids[8], ids[19], ids[20], ids[25]}), "CGLine(A,B) CGLine(D,H) CGFace(A,C,D,B) CGFace(B,D,H,F)");
  EXPECT_EQ(p.Page().m_selOthers, std::vector<WORD>{hull});
  EXPECT_TRUE(p.dialogs->Offered<CDlgStaticKavrel>().empty());

  // With a point selected too, O is still 1.
  const WORD point = p.Point(5, 5, 5);
  const WORD section = PentagonSection(p);
  p.Select({point, section});
  const std::vector<WORD> copy = p.ExpectConstruction(ID_CREATE_STATICKAVREL, 11, QString::fromUtf8(kCmdNameStaticPolygon));
  EXPECT_EQ(p.Summary({copy[5], copy[9], copy[10]}), "CGLine(J,K) CGLine(N,J) CGFace(J,K,L,M,N)");
  EXPECT_EQ(p.Find(copy[10])->m_nStyle, 1);
  ExpectNear(p.At(copy[2]), {-0.809017f, 0.587785f, 2}, "third corner");
}

TEST(StaticDiagrams, WhatMakesNothing) {
  struct Row {
    const char* what;
    std::function<void(CommandPage&)> setUp;  // selects, or scripts the dialog
    bool refusedMessage;
  } const rows[] = {
      {"a cell that is neither hull nor section",
       [](CommandPage& p) {
         auto* cell = new CGCell;
         cell->m_nId = p.Page().m_nNextId++;
         p.Select({p.Enter(cell)});
       },
       true},
      {"a hull of 257 vertices",
       [](CommandPage& p) {
         const WORD id = CubeHull(p);
         auto* hull = p.As<CGPolyhedron>(id);
         hull->Points.resize(257, {0.5, 0.5, 0.5});
         p.Select({id});
       },
       false},
      {"a hull of 3 vertices",
       [](CommandPage& p) {
         const WORD id = CubeHull(p);
         auto* hull = p.As<CGPolyhedron>(id);
         hull->Points.resize(3);
         hull->Edges = {{0, 1}};
         hull->Faces.resize(1);
         hull->Faces[0].Vertices = {0, 1, 2};
         p.Select({id});
       },
       false},
      {"a section of 2 corners",
       [](CommandPage& p) {
         const WORD id = PentagonSection(p);
         p.As<CGSection>(id)->Polygon.resize(2);
         p.Select({id});
       },
       false},
      {"a section of 256 corners, more than a face keeps",
       [](CommandPage& p) {
         const WORD id = PentagonSection(p);
         p.As<CGSection>(id)->Polygon.resize(256, {3, 3, 3});
         p.Select({id});
       },
       false},
      {"cancelled", [](CommandPage& p) { p.dialogs->Cancel<CDlgStaticKavrel>(); }, false},
      {"2 base edges", [](CommandPage& p) { p.dialogs->Ok(Edges(1, 2)); }, false},
      {"101 base edges", [](CommandPage& p) { p.dialogs->Ok(Edges(4, 101)); }, false},
      {"radius 0", [](CommandPage& p) { p.dialogs->Ok(With(Kind(8), &CDlgStaticKavrel::m_fRadius, 0)); }, false},
      {"radius above 100",
       [](CommandPage& p) { p.dialogs->Ok(With(Kind(14), &CDlgStaticKavrel::m_fRadius, 100.5f)); }, false},
      {"length not a number",
       [](CommandPage& p) { p.dialogs->Ok(With(Kind(0), &CDlgStaticKavrel::m_fLength, kNaN)); }, false},
      {"ratio infinite",
       [](CommandPage& p) {
         p.dialogs->Ok(With(Kind(13), &CDlgStaticKavrel::m_fRatio, std::numeric_limits<float>::infinity()));
       },
       false},
      {"centre not a number",
       [](CommandPage& p) { p.dialogs->Ok(With(Kind(5), &CDlgStaticKavrel::m_fCenterY, kNaN)); }, false},
      {"axis not a number",
       [](CommandPage& p) { p.dialogs->Ok(With(Kind(11), &CDlgStaticKavrel::m_fAxisX, kNaN)); }, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    CommandPage p;
    row.setUp(p);
    p.ExpectNothingMade([&] { p.Run(ID_CREATE_STATICKAVREL); });
    const std::vector<QString> shown = p.seams.notifier->Texts();
    EXPECT_EQ(shown, row.refusedMessage ? std::vector<QString>{QString::fromUtf8(kTextSelectHullOrSection)}
                                        : std::vector<QString>{});
  }
}

TEST(StaticDiagrams, TwoHullsOpenTheDialogAndAValueUnreadByTheKindIsIgnored) {
  CommandPage p;
  const WORD a = CubeHull(p), b = CubeHull(p);
  p.Select({a, b});
  p.dialogs->Ok(Edges(5, 2));  // the tetrahedron reads no edge count
  p.ExpectConstruction(ID_CREATE_STATICKAVREL, 14, kShapeLabel);
  ASSERT_EQ(p.dialogs->Offered<CDlgStaticKavrel>().size(), 1u);
  const CDlgStaticKavrel offered = p.dialogs->Offered<CDlgStaticKavrel>()[0];
  const CStaticShapeValues v = offered.Values();
  EXPECT_EQ(std::vector<float>({v.length, v.width, v.height, v.radius, v.ratio, v.axis[2]}),
            std::vector<float>({12, 8, 10, 8, 0.5f, 1}));
  EXPECT_EQ(v.kind, 0);
  EXPECT_EQ(v.edges, 6);
}

TEST(StaticDiagrams, AVertexArrayThatCannotGrowMakesNothing) {
  for (const bool hull : {false, true}) {
    SCOPED_TRACE(hull ? "hull" : "dialog");
    CommandPage p;
    if (hull) p.Select({CubeHull(p)});
    p.dialogs->Ok(Kind(0));
    const int capacity = g_nVertexCapacity;
    g_nVertexCapacity = -150;  // no growth gives a valid size
    p.ExpectNothingMade([&] { p.Run(ID_CREATE_STATICKAVREL); });
    EXPECT_EQ(p.seams.notifier->Texts(), std::vector<QString>{QString::fromUtf8(kTextOutOfMemory)});
    EXPECT_EQ(AddStaticPrism(0, 0, 0, 6, 8, 10, 1), 0);
    g_nVertexCapacity = capacity;
  }
}

}  // namespace
