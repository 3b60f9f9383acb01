// Horizontal and centre-radius circles, spheres and the axis frame: what
// each builds from the selection and what it builds at the origin.
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgline.h"
#include "commands/spherecommands.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

// A(1,1,1) B(4,1,1) C(1,5,1) and a parameter "v"; `selection` names some.
struct Scene : CommandPage {
  explicit Scene(const char* selection) {
    Point(1, 1, 1), Point(4, 1, 1), Point(1, 5, 1);
    Enter(new CGTmVarParameter(Page().m_nNextId++, QStringLiteral("v"), 2));
    SelectNamed(QString::fromUtf8(selection));
  }
};

TEST(SphereCommands, EachSelectionGivesItsCellsInOrder) {
  struct Row {
    const char* name;
    unsigned command;
    const char* selection;
    const char* made;  // empty: disabled, nothing made
    const char* label;
  } const rows[] = {
      {"horizontal circle at the origin", ID_CREATE_CIRCLE_PNZ2, "",
       "CGVerFreeXyz() CGVerFreeParVector(D) CGArcPoint2(D,E)", "添加水平放置的圆"},
      {"horizontal circle about A", ID_CREATE_CIRCLE_PNZ2, "A", "CGVerFreeParVector(A) CGArcPoint2(A,D)",
       "添加水平放置的圆"},
      {"horizontal circle about A through B", ID_CREATE_CIRCLE_PNZ2, "A B", "CGArcPoint2(A,B)", "添加水平放置的圆"},
      {"three points: the normal-point circle", ID_CREATE_CIRCLE_PNZ2, "A B C", "CGArcPointN(A,B,C)",
       "添加已知圆心和法向点的圆"},
      {"centre-radius at the origin", kCmdCreateCircleCR, "", "CGVerFreeXyz() CGTmVarParameter() CGArcCenterR(D,r)",
       "添加心径圆"},
      {"centre-radius on A and v", kCmdCreateCircleCR, "A v", "CGArcCenterR(A,v)", "添加心径圆"},
      {"full sphere at the origin", kCmdCreateSphere, "",
       "CGVerFreeXyz() CGVerFreeParVector(O) CGSphereCN(O,D) CGVerFreeUprightEquid(O,D) CGArcPointN(O,E,D) "
       "CGVerFreeInCircle(c1) CGArcCenterP(O,D,F) CGVerFreeInCircle(c2) CGVerFootpl(G,O,D) CGArcPointN(O',G,D) "
       "CGLine(O,O') CGLine(O,G) CGLine(O',G) CGFace(O,O',G)",
       "添加球体"},
      {"full sphere on one point", kCmdCreateSphere, "A", "", ""},
      {"sphere at the origin", ID_CREATE_GEO, "",
       "CGVerFreeXyz() CGVerFreeParVector(O) CGSphereCN(O,D) CGVerFreeUprightEquid(O,D) CGArcPointN(O,E,D)", "添加球"},
      {"sphere on A and B", ID_CREATE_GEO, "A B", "CGSphereCN(A,B) CGVerFreeUprightEquid(A,B) CGArcPointN(A,D,B)",
       "添加球"},
      {"sphere on A, B and a value", ID_CREATE_GEO, "A B v", "", ""},
      {"frame at the origin", ID_CREATE_BASE, "",
       "CGVertex() CGVerFreeParVector(O) CGVerFreeParVector(O) CGVerFreeParVector(O) CGLine(O,x) CGLine(O,y) "
       "CGLine(O,z)",
       "添加标架"},
      {"frame on A", ID_CREATE_BASE, "A",
       "CGVerFreeParVector(A) CGVerFreeParVector(A) CGVerFreeParVector(A) CGLine(A,x) CGLine(A,y) CGLine(A,z)",
       "添加标架"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Scene p(row.selection);
    p.ExpectMade(row.command, row.made, row.label);
  }
}

TEST(SphereCommands, NewCellsTakeTheirNamesStylesAndValues) {
  Scene p("");
  const WORD first = p.Page().m_nNextId;
  ASSERT_TRUE(p.Run(kCmdCreateCircleCR));
  const auto* r = p.As<CGTmVarParameter>(first + 1);
  ASSERT_NE(r, nullptr);
  EXPECT_TRUE(r->m_strName == "r" && r->m_fValue == 8 && r->Minimum() == 0 && r->Maximum() == 10 && r->HasSlider());
  EXPECT_EQ(p.As<CGArc>(first + 2)->m_nStyle, kArcOnTop);

  ASSERT_TRUE(p.Run(ID_CREATE_CIRCLE_PNZ2));
  EXPECT_EQ(p.As<CGArc>(first + 5)->m_nStyle, kArcOnTop);

  const WORD frame = p.Page().m_nNextId;
  ASSERT_TRUE(p.Run(ID_CREATE_BASE));
  const BYTE rgb[3][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(p.Find(frame + 1 + k)->m_nStyle, 2) << k;
    const std::vector<float> end = p.At(frame + 1 + k);  // along its own axis from the origin
    EXPECT_TRUE(end[k] > 0 && end[(k + 1) % 3] == 0 && end[(k + 2) % 3] == 0) << k;
    const CGCell* axis = p.Find(frame + 4 + k);
    EXPECT_EQ(axis->m_nSubKind, kLineVector) << k;
    EXPECT_TRUE(axis->m_rgbaColor.r == rgb[k][0] && axis->m_rgbaColor.g == rgb[k][1] && axis->m_rgbaColor.b == rgb[k][2]) << k;
  }

  // The full sphere on an exactly full vertex array, and on three points.
  ASSERT_TRUE(ReallocateVertexArray(p.Page().m_nNextVertex));
  const int capacity = g_nVertexCapacity;
  const WORD sphere = p.Page().m_nNextId;
  p.Select({});
  ASSERT_TRUE(p.Run(kCmdCreateSphere));
  EXPECT_EQ(g_nVertexCapacity, capacity + 100);
  EXPECT_EQ(p.Find(sphere)->m_strName, QStringLiteral("O"));
  EXPECT_EQ(p.At(sphere), (std::vector<float>{0, 0, 0}));
  EXPECT_EQ(p.As<CGArc>(sphere + 6)->AutoRange, 0) << "the meridian";
  EXPECT_EQ(p.Find(sphere + 8)->m_strName, QStringLiteral("O'"));
  p.SelectNamed("A B C");
  const WORD next = p.Page().m_nNextId;
  OnCreateSphere(p.doc);  // past the rule, which wants two
  EXPECT_EQ(p.Page().m_nNextId, next + 12);
  EXPECT_EQ(p.Find(next)->m_parents, (std::vector<WORD>{p.Named("A"), p.Named("B")}));
}

}  // namespace
