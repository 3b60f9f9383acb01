// Solids over a selected face and solids of revolution on selected points:
// what each selection gives, the right-angle tests and their messages,
// stale selections, and the selected point's name through undo and redo.
#include <QString>

#include "cells/primitives/cgface.h"
#include "cells/revolution/solidsbypoints.h"
#include "commands/solids/facesolids.h"
#include "commands/solids/revolutionsolids.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "solidtestsupport.h"

namespace KAVREL_FILE_LOCAL {

// Triangle P Q R (face "PQR" after its corners) at z = 0 and a point T
// above it; `selection` names the cells selected, "face" the triangle,
// "edge" a segment PQ.
struct FaceScene : CommandPage {
  explicit FaceScene(const char* selection) {
    const WORD p = Point(0, 0, 0), q = Point(4, 0, 0), r = Point(0, 4, 0);
    Find(p)->m_strName = QStringLiteral("P");
    Find(q)->m_strName = QStringLiteral("Q");
    Find(r)->m_strName = QStringLiteral("R");
    t = Point(1, 1, 5);
    Find(t)->m_strName = QStringLiteral("T");
    Point(9, 9, 9);  // "E", for two points
    face = Face({p, q, r});
    edge = Line(p, q);
    std::vector<WORD> ids;
    for (const QString& name : QString::fromUtf8(selection).split(' ', Qt::SkipEmptyParts))
      ids.push_back(name == "face" ? face : name == "edge" ? edge : Named(name));
    Select(ids);
  }
  WORD t = 0, face = 0, edge = 0;
};

TEST(FaceSolids, APointAndAFaceGiveTheSolidOverIt) {
  struct Row {
    const char* selection;
    unsigned command;
    int cells;
    const char* label;
  } const rows[] = {
      {"T face", ID_CREATE_SOLID_PRISM, 12, "添加棱柱"},
      {"T face", ID_CREATE_SOLID_PYRAMID, 6, "添加棱锥"},
      {"T face", ID_CREATE_SOLID_TRUN, 14, "添加棱台"},
      {"face edge T", ID_CREATE_SOLID_PRISM, 12, "添加棱柱"},
      {"T face edge", ID_CREATE_SOLID_TRUN, 14, "添加棱台"},
      {"T E face", ID_CREATE_SOLID_PRISM, 20, "添加棱柱"},
      {"T E face", ID_CREATE_SOLID_PYRAMID, 15, "添加棱锥"},
      {"face", ID_CREATE_SOLID_TRUN, 21, "添加棱台"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.selection) + " " + row.label);
    FaceScene p(row.selection);
    const std::vector<WORD> ids = ExpectSolid(p, row.command, row.cells, row.label);
    if (row.cells < 15) {
      // Built on the selected face and point: the last face's corners are
      // all new (prism, frustum) or hold T (pyramid).
      const auto* last = p.As<CGFace>(ids.back());
      ASSERT_NE(last, nullptr);
      if (row.command == ID_CREATE_SOLID_PYRAMID)
        EXPECT_EQ(last->m_parents[0], p.t);
      else
        EXPECT_EQ(PointNames(p, last->m_parents), "P1 Q1 R1");
    }
  }
}

TEST(FaceSolids, ThePrismNamesItsTopAfterTheBaseAndUndoGivesThePointItsNameBack) {
  FaceScene p("T face");
  ExpectSolid(p, ID_CREATE_SOLID_PRISM, 12, "添加棱柱");  // undo restores T's record, name included
  EXPECT_EQ(p.Find(p.t)->m_strName, QStringLiteral("P1")) << "renamed again on redo";
  EXPECT_NE(p.Named("Q1"), 0);
  EXPECT_NE(p.Named("R1"), 0);
  ASSERT_TRUE(p.Page().m_undo.Undo());
  EXPECT_EQ(p.Find(p.t)->m_strName, QStringLiteral("T"));
  EXPECT_TRUE(p.Find(p.t)->m_bLabelStale) << "its label is laid out again";
  EXPECT_FALSE(p.Messages(WM_ITEM_TEXTS).empty()) << "the object list renames its item";
}

TEST(FaceSolids, AStaleSelectionMakesNothing) {
  for (unsigned command : {ID_CREATE_SOLID_PRISM, ID_CREATE_SOLID_PYRAMID, ID_CREATE_SOLID_TRUN}) {
    SCOPED_TRACE(command);
    FaceScene p("T face");
    // The face has left the map (undone elsewhere) but is still listed.
    delete p.Page().m_cells.RemoveKey(p.face);
    p.ExpectNothingMade([&] { CommandRegistry().Query(command).m_bEnabled ? (void)p.Run(command) : (void)0; });
    FaceScene q("T face");
    q.Page().m_selPoints[0] = q.face;  // a point entry naming a face
    q.ExpectNothingMade([&] { q.Run(command); });
  }
}

TEST(FaceSolids, AFullVertexArrayIsGrownOnceBeforeTheBuilder) {
  FaceScene p("T face");
  const int capacity = g_nVertexCapacity;
  g_nVertexCapacity = -150;  // growing by 100 gives no valid size
  p.ExpectNothingMade([&] { p.Run(ID_CREATE_SOLID_PRISM); });
  EXPECT_EQ(p.seams.notifier->shown.size(), 1u) << "one message, no second try";
  EXPECT_EQ(p.Find(p.t)->m_strName, QStringLiteral("T"));
  g_nVertexCapacity = capacity;
}

// Points S1, S2, S3, S4 at the places given, selected in that order.
struct RoundScene : CommandPage {
  explicit RoundScene(const std::vector<std::vector<float>>& places) {
    std::vector<WORD> ids;
    for (const auto& at : places) ids.push_back(Point(at[0], at[1], at[2]));
    Select(ids);
  }
};

TEST(RevolutionSolids, TheSelectedPointsAreTopBottomAndRims) {
  struct Row {
    const char* what;
    unsigned command;
    std::vector<std::vector<float>> points;
    int cells;
    const char* label;
    const char* made;  // the solid's parents (S1 = A ...), new points named after
  } const rows[] = {
      {"cylinder on two", ID_CREATE_CYLINDER, {{0, 0, 5}, {0, 0, 0}}, 5, "添加圆柱", "B C A"},
      {"cylinder on three", ID_CREATE_CYLINDER, {{0, 0, 5}, {0, 0, 0}, {3, 0, 0}}, 4, "添加圆柱", "B C A"},
      {"cone on two", ID_CREATE_CONE, {{0, 0, 5}, {0, 0, 0}}, 3, "添加圆锥", "B C A"},
      {"cone on three", ID_CREATE_CONE, {{0, 0, 5}, {0, 0, 0}, {0, 2, 0}}, 2, "添加圆锥", "B C A"},
      {"frustum on two", ID_CREATE_PLATFORM, {{0, 0, 5}, {0, 0, 0}}, 5, "添加圆台", "B C A D"},
      {"frustum on four", ID_CREATE_PLATFORM, {{0, 0, 5}, {0, 0, 0}, {3, 0, 0}, {0, 1, 5}}, 3, "添加圆台",
       "B C A D"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    RoundScene p(row.points);
    const std::vector<WORD> ids = ExpectSolid(p, row.command, row.cells, row.label);
    const WORD solid = row.points.size() == 2 ? ids[1 + (row.command == ID_CREATE_PLATFORM)] : ids[0];
    QStringList parents;
    for (WORD parent : p.Find(solid)->m_parents) parents << p.Find(parent)->m_strName;
    EXPECT_EQ(parents.join(' ').toStdString(), row.made);
  }
}

TEST(RevolutionSolids, TheRightAngleIsTestedOnTheUnscaledDotProduct) {
  const QString cylinderText = QString::fromUtf8("所选三点P1,P2,P3不满足P1P2垂直于P2P3.");
  const QString firstThree = QString::fromUtf8("所选前三点P1,P2,P3不满足P1P2垂直于P2P3.");
  const QString topRim = QString::fromUtf8("所选三点P1,P2,P4不满足P1P2垂直于P1P4.");
  struct Row {
    const char* what;
    unsigned command;
    std::vector<std::vector<float>> points;
    QString message;  // empty: built
  } const rows[] = {
      {"dot 0.009 passes", ID_CREATE_CYLINDER, {{0, 0, 1}, {0, 0, 0}, {1, 0, -0.009f}}, {}},
      {"dot 0.011 fails", ID_CREATE_CYLINDER, {{0, 0, 1}, {0, 0, 0}, {1, 0, -0.011f}}, cylinderText},
      {"right angle at the first point", ID_CREATE_CYLINDER, {{0, 0, 0}, {0, 0, 4}, {3, 0, 0}}, cylinderText},
      {"cone, same test", ID_CREATE_CONE, {{0, 0, 1}, {0, 0, 0}, {1, 0, 0.011f}}, cylinderText},
      {"frustum, first three", ID_CREATE_PLATFORM, {{0, 0, 1}, {0, 0, 0}, {1, 0, 0.011f}, {1, 0, 1}}, firstThree},
      {"frustum, top rim", ID_CREATE_PLATFORM, {{0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {1, 0, 1.011f}}, topRim},
      {"frustum, top rim 0.009", ID_CREATE_PLATFORM, {{0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {1, 0, 1.009f}}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    RoundScene p(row.points);
    if (row.message.isEmpty()) {
      const WORD next = p.Page().m_nNextId;
      EXPECT_TRUE(p.Run(row.command));
      EXPECT_GT(p.Page().m_nNextId, next);
      EXPECT_TRUE(p.seams.notifier->shown.empty());
      continue;
    }
    p.ExpectNothingMade([&] { EXPECT_TRUE(p.Run(row.command)); });
    ASSERT_EQ(p.seams.notifier->shown.size(), 1u);
    EXPECT_EQ(p.seams.notifier->shown[0].text, row.message);
    EXPECT_EQ(p.seams.notifier->shown[0].type, unsigned(MB_OK));
  }
}

TEST(RevolutionSolids, SelectionsTheRulesRefuseMakeNothingEvenWhenCalledDirectly) {
  struct Row {
    const char* what;
    unsigned command;
    void (*handler)(CKavrelDoc&);
    int points;
  } const rows[] = {
      {"cylinder, one point", ID_CREATE_CYLINDER, OnCreateCylinder, 1},
      {"cone, one point", ID_CREATE_CONE, OnCreateCone, 1},
      {"frustum, one point", ID_CREATE_PLATFORM, OnCreatePlatform, 1},
      {"frustum, three points", ID_CREATE_PLATFORM, OnCreatePlatform, 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    RoundScene p(std::vector<std::vector<float>>(row.points, std::vector<float>{0, 0, 0}));
    p.ExpectNothingMade([&] {
      EXPECT_FALSE(p.Run(row.command)) << "disabled";
      row.handler(p.doc);
    });
    EXPECT_TRUE(p.seams.notifier->shown.empty());
  }
  // Four points for the cone: disabled, and called directly it uses three.
  RoundScene four({{0, 0, 5}, {0, 0, 0}, {0, 2, 0}, {7, 7, 7}});
  EXPECT_FALSE(four.Run(ID_CREATE_CONE));
  ExpectSolid(four, {OnCreateCone}, 2, "添加圆锥");
  EXPECT_EQ(four.As<CGConeCPV>(5)->m_parents, (std::vector<WORD>{2, 3, 1}));
  // A selected point that has left the page.
  RoundScene stale({{0, 0, 5}, {0, 0, 0}});
  delete stale.Page().m_cells.RemoveKey(2);
  stale.ExpectNothingMade([&] { OnCreateCylinder(stale.doc); });
}

}  // namespace
