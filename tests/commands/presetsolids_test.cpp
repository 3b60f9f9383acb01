// Every ready-made solid on a fresh page: its cells as one undo step, the
// names of its points in creation order, where its key points start, the
// automatic name that comes next; the face colours running on; a vertex
// array that cannot grow.
#include <QString>
#include <cmath>

#include "cells/primitives/cgface.h"
#include "commands/solids/anchoredsolids.h"
#include "commands/solids/presetsolids.h"
#include "model/globals.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "solidtestsupport.h"

namespace KAVREL_FILE_LOCAL {

struct Place {
  const char* name;
  std::vector<float> at;
};
struct Edge {
  const char* a;
  const char* b;
  float length;
};

struct Row {
  const char* what;
  SolidEntry entry;
  bool atPoint;  // a point "P" at (1, 2, 3) is made first (and selected)
  int cells;
  const char* label;
  const char* names;
  const char* next;
  std::vector<Place> places;
  std::vector<Edge> edges;
};

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {"cuboid", {ID_CREATE_CUBOID}, false, 26, "添加长方体", "A B D C A1 B1 C1 D1", "E",
       {{"A", {-6, -4, -4}}, {"B", {6, -4, -4}}, {"C", {6, 4, -4}}, {"D", {-6, 4, -4}}, {"A1", {-6, -4, 4}},
        {"C1", {6, 4, 4}}},
       {}},
      {"cube", {ID_CREATE_BOX}, false, 26, "添加正方体", "A B D C A1 B1 C1 D1", "E",
       {{"A", {-5, -5, -5}}, {"C", {5, 5, -5}}, {"D", {-5, 5, -5}}, {"A1", {-5, -5, 5}}, {"C1", {5, 5, 5}}},
       {}},
      {"parallelepiped", {ID_CREATE_SOLID_PARALL}, false, 26, "添加平行六面体", "A B D C A1 B1 C1 D1", "E",
       {{"A", {-6, -5, -4}}, {"D", {-4, 5, -4}}, {"C", {8, 5, -4}}, {"A1", {-3, -4, 4}}, {"C1", {11, 6, 4}}},
       {}},
      {"square pyramid", {ID_CREATE_SOLID_TETRAHEDRON}, false, 19, "添加正四棱锥", "A B D C O E", "F",
       {{"O", {0, 0, -5}}, {"E", {0, 0, 4.797959f}}},
       {{"A", "B", 10}, {"B", "C", 10}}},
      {"pentagonal prism", {ID_CREATE_SOLID_FIVEPRISM}, false, 36, "添加正五棱柱",
       "A B 0 1 2 3 C D E A1 B1 C1 D1 E1", "F",
       {{"A", {-5, -4, -5}}, {"B", {5, -6, -5}}, {"0", {0, -5, -5}}},
       {{"B", "C", 10.198039f}, {"C", "D", 10.198039f}, {"D", "E", 10.198039f}, {"E", "A", 10.198039f},
        {"A", "A1", 8}}},
      {"hexagonal frustum", {ID_CREATE_SOLID_SIXTRUN}, false, 41, "添加正六棱台",
       "A B O C D E F - A1 B1 C1 D1 E1 F1", "G",
       {{"A", {-5, -5, -5}}, {"B", {5, -5, -5}}},
       {{"O", "A", 10}, {"O", "D", 10}, {"C", "D", 10}, {"A1", "B1", 5}, {"D1", "E1", 5}}},
      {"regular tetrahedron", {CreateRegularTetrahedron}, false, 14, "添加正四面体", "A B C D", "E",
       {{"A", {-8, -4.618802f, -3.265986f}}, {"D", {0, 0, 9.797959f}}},
       {{"A", "B", 16}, {"A", "C", 16}, {"A", "D", 16}, {"B", "C", 16}, {"B", "D", 16}, {"C", "D", 16}}},
      {"axis cuboid at the origin", {ID_CREATE_CUBOIDXYZ}, false, 26, "添加轴向长方体", "A B D C A1 B1 C1 D1", "F",
       {{"A", {0, 0, 0}}, {"B", {12, 0, 0}}, {"C", {12, 9, 0}}, {"A1", {0, 0, 8}}, {"C1", {12, 9, 8}}},
       {}},
      {"axis cuboid at the selected point", {ID_CREATE_CUBOIDXYZ}, true, 25, "添加轴向长方体",
       "B D C P1 B1 C1 D1", "F",
       {{"P", {1, 2, 3}}, {"C", {13, 11, 3}}, {"P1", {1, 2, 11}}},
       {}},
      {"triangular pyramid", {[](CKavrelDoc& doc) { CreateRegularTriPyramid(doc, 0); }}, false, 15,
       "添加正三棱锥", "A B C O D", "E",
       {{"A", {-6, -3.464102f, -5}}, {"B", {6, -3.464102f, -5}}, {"O", {0, 0, -5}}},
       {{"A", "B", 12}, {"A", "C", 12}, {"B", "C", 12}, {"D", "A", 12}, {"D", "B", 12}, {"D", "C", 12}}},
      {"triangular pyramid at a point", {[](CKavrelDoc& doc) { CreateRegularTriPyramid(doc, 1); }}, true, 14,
       "添加正三棱锥", "B C O D", "E",
       {{"P", {1, 2, 3}}, {"B", {13, 2, 3}}},
       {{"P", "B", 12}, {"P", "C", 12}, {"D", "P", 12}, {"D", "B", 12}, {"D", "C", 12}}},
      {"default prism", {ID_CREATE_SOLID_PRISM}, false, 20, "添加棱柱", "A B C A1 B1 C1", "A",
       {{"A", {-8, -5, -6}}, {"A1", {-8, -5, 6}}},
       {{"A", "B", 16.340134f}, {"B", "C", 16.340134f}, {"C", "A", 16.340134f}, {"B", "B1", 12}}},
      {"default pyramid", {ID_CREATE_SOLID_PYRAMID}, false, 15, "添加棱锥", "A B C O V", "A",
       {{"O", {0, 0, -6}}, {"V", {0, 0, 9}}},
       {}},
      {"default frustum", {ID_CREATE_SOLID_TRUN}, false, 21, "添加棱台", "A B C D A1 B1 C1", "A",
       {{"D", {4, 2.5f, -6}}, {"A1", {-4, -2.5f, 6}}},
       {{"A1", "B1", 8.170067f}, {"B1", "C1", 8.170067f}}},
      {"cylinder", {ID_CREATE_CYLINDER}, false, 7, "添加圆柱", "A B C D", "E",
       {{"A", {0, 0, -4}}, {"B", {0, 0, 4}}},
       {{"A", "C", 8}, {"B", "D", 8}, {"C", "D", 8}}},
      {"cone", {ID_CREATE_CONE}, false, 5, "添加圆锥", "A B C", "D",
       {{"A", {0, 0, -4}}, {"B", {0, 0, 4}}},
       {{"A", "C", 8}}},
      {"round frustum", {ID_CREATE_PLATFORM}, false, 7, "添加圆台", "A B C D", "E",
       {{"A", {0, 0, -4}}, {"B", {0, 0, 4}}},
       {{"A", "C", 8}, {"B", "D", 4}}},
  };
  return rows;
}

// Point "P" at (1, 2, 3), selected; it drew "A", so the name cycle is at "B".
WORD MakeP(CommandPage& p) {
  const WORD id = p.Point(1, 2, 3);
  p.Find(id)->m_strName = QStringLiteral("P");
  p.Select({id});
  return id;
}

TEST(PresetSolids, EachMakesItsCellsNamesAndPlacesAsOneStep) {
  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.what);
    CommandPage p;
    if (row.atPoint) MakeP(p);
    const std::vector<WORD> ids = ExpectSolid(p, row.entry, row.cells, row.label);
    EXPECT_EQ(PointNames(p, ids), row.names);
    for (const Place& place : row.places) {
      const WORD id = p.Named(QString::fromUtf8(place.name));
      ASSERT_NE(id, 0) << place.name;
      EXPECT_TRUE(Near(p.At(id), place.at)) << place.name;
    }
    for (const Edge& edge : row.edges)
      EXPECT_NEAR(Distance(p, edge.a, edge.b), edge.length, 1e-4 * edge.length) << edge.a << edge.b;
    EXPECT_EQ(p.Page().GetNewName(1), QString::fromUtf8(row.next));
  }
}

TEST(PresetSolids, TheTetrahedronIsCentredAndThePentagonHasItsAuxiliaryPointsHidden) {
  CommandPage p;
  CreateRegularTetrahedron(p.doc);
  std::vector<float> centroid(3, 0.0f);
  for (const char* name : {"A", "B", "C", "D"})
    for (int i = 0; i < 3; ++i) centroid[i] += p.At(p.Named(QString::fromUtf8(name)))[i] / 4;
  EXPECT_TRUE(Near(centroid, {0, 0, 0}));
  // Faces (C, B, A), (B, C, D), (C, A, D), (A, B, D), the last cells.
  const WORD a = p.Named("A"), b = p.Named("B"), c = p.Named("C"), d = p.Named("D");
  const std::vector<std::vector<WORD>> faces{{c, b, a}, {b, c, d}, {c, a, d}, {a, b, d}};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(p.As<CGFace>(static_cast<WORD>(11 + k))->m_parents, faces[k]) << k;

  CommandPage five;
  ASSERT_TRUE(five.Run(ID_CREATE_SOLID_FIVEPRISM));
  for (const char* name : {"0", "1", "2", "3"})
    EXPECT_EQ(five.Find(five.Named(QString::fromUtf8(name)))->m_bHidden, name[0] == '1' ? 0 : 1) << name;
}

// The faces of the page in id order, with their colours.
std::vector<std::pair<WORD, RGBA>> Faces(const CommandPage& p) {
  std::vector<std::pair<WORD, RGBA>> faces;
  for (auto [id, cell] : p.Page().m_cells)
    if (auto* face = dynamic_cast<CGFace*>(cell)) faces.emplace_back(id, face->m_rgbaColor);
  return faces;
}

TEST(PresetSolids, UndoLeavesTheNameAndColourCyclesRunningOn) {
  CommandPage p;
  ASSERT_TRUE(p.Run(ID_CREATE_CUBOID));
  const auto undone = Faces(p);
  ASSERT_TRUE(p.Page().m_undo.Undo());
  ASSERT_TRUE(p.Run(ID_CREATE_CUBOID));
  ASSERT_TRUE(p.Run(ID_CREATE_CUBOID));
  const auto faces = Faces(p);
  ASSERT_EQ(faces.size(), 12u);
  EXPECT_EQ(faces[5].first, 26) << "the first top face is its last cell";
  EXPECT_EQ(faces[11].first, 52);
  for (size_t k = 0; k < 6; ++k) {
    EXPECT_FALSE(faces[k].second == undone[k].second) << k;
    EXPECT_FALSE(faces[k].second == faces[k + 6].second) << k;
  }
  EXPECT_EQ(PointNames(p, {1, 2, 3, 4, 10, 27, 28, 29, 30, 36}), "E F H G E1 I J L K I1");
}

TEST(PresetSolids, TheDefaultSolidsHideTheLabelsOfTheirHelpers) {
  CommandPage p;
  ASSERT_TRUE(p.Run(ID_CREATE_SOLID_PYRAMID));
  EXPECT_TRUE(p.Find(p.Named("O"))->m_bLabelHidden && !p.Find(p.Named("V"))->m_bLabelHidden);
  CommandPage q;
  ASSERT_TRUE(q.Run(ID_CREATE_SOLID_TRUN));
  EXPECT_TRUE(q.Find(q.Named("D"))->m_bLabelHidden && !q.Find(q.Named("A1"))->m_bLabelHidden);
  CommandPage r;
  CreateRegularTriPyramid(r.doc, 0);
  EXPECT_FALSE(r.Find(r.Named("O"))->m_bLabelHidden);
}

TEST(PresetSolids, AVertexArrayThatCannotGrowEndsEveryEntryBeforeItsFirstCell) {
  for (const Row& row : Rows()) {
    SCOPED_TRACE(row.what);
    CommandPage p;
    if (row.atPoint) MakeP(p);
    const int capacity = g_nVertexCapacity;
    g_nVertexCapacity = -150;  // full, and growing by 100 gives no valid size
    p.ExpectNothingMade([&] { row.entry.Run(p); });
    ASSERT_EQ(p.seams.notifier->shown.size(), 1u);
    EXPECT_EQ(p.seams.notifier->shown[0].text, QString::fromUtf8("内存不足,请立即保存数据关闭程序!"));
    g_nVertexCapacity = capacity;
  }
}

TEST(PresetSolids, AnExactlyFullArrayGrowsByAHundredBeforeTheFirstPoint) {
  CommandPage p;
  p.Points(3);
  ASSERT_TRUE(ReallocateVertexArray(p.Page().m_nNextVertex + 7));  // one short of the cuboid's 8
  const int capacity = g_nVertexCapacity;
  ASSERT_TRUE(p.Run(ID_CREATE_CUBOID));
  EXPECT_EQ(g_nVertexCapacity, capacity + 100);
  ASSERT_TRUE(p.Run(ID_CREATE_BOX));
  EXPECT_EQ(g_nVertexCapacity, capacity + 100) << "room left for another";
}

TEST(PresetSolids, APointIdThatNamesNoPointMakesANewCorner) {
  CommandPage p;
  const WORD a = p.Point(1, 2, 3), b = p.Point(4, 5, 6);
  const WORD line = p.Line(a, b);
  for (WORD id : {WORD(line), WORD(999)}) {
    SCOPED_TRACE(id);
    const WORD first = p.Page().m_nNextId;
    CreateCuboidXyz(p.doc, id);
    EXPECT_EQ(p.Page().m_nNextId, first + 26);
    EXPECT_TRUE(Near(p.At(first), {0, 0, 0}));
    const WORD pyramid = p.Page().m_nNextId;
    CreateRegularTriPyramid(p.doc, id);
    EXPECT_EQ(p.Page().m_nNextId, pyramid + 15);
    EXPECT_TRUE(Near(p.At(pyramid), {-6, -3.464102f, -5}));
  }
}

}  // namespace
