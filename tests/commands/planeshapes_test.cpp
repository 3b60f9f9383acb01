// The ready-made plane shapes: the cells of each preset and of each shape
// on selected points, their places, names and labels, what dragging the
// first two preset vertices does, and when the commands refuse.
#include <cmath>
#include <numbers>

#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/pointdrag.h"
#include "commands/commandframe.h"
#include "model/autocolor.h"
#include "model/document/commandtable.h"
#include "model/vertexarray.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "render/viewglobals.h"
#include "support/commandpage.h"
#include "support/pointdrags.h"

namespace KAVREL_FILE_LOCAL {

constexpr unsigned kShapeCommands[] = {
    ID_CREATE_PLANE_EQUILATERAL, ID_CREATE_PLANE_SQUARE,   ID_CREATE_PLANE_RECT,
    ID_CREATE_PLANE_FIVE,        ID_CREATE_PLANE_SIX,      ID_CREATE_PLANE_POLY,
    ID_CREATE_PLANE_ISOCELES,    ID_CREATE_PLANE_PARALL,   ID_CREATE_RIGHTTRIANGLE,
};

struct Place {
  const char* name;
  float x, y, z;
};

// The new cell named `name` among `ids` (the last of that name).
WORD NamedAmong(const CommandPage& p, const std::vector<WORD>& ids, const char* name) {
  WORD found = 0;
  for (WORD id : ids)
    if (p.Find(id)->m_strName == QString::fromLatin1(name)) found = id;
  return found;
}

const float* Pos(const CommandPage& p, WORD id) { return p.As<CGVertex>(id)->m_vPos; }

double Distance(const float* a, const float* b) {
  return std::hypot(double(a[0]) - b[0], double(a[1]) - b[1], double(a[2]) - b[2]);
}

// The angle at b, in degrees.
double AngleAt(const float* a, const float* b, const float* c) {
  double u[3], v[3];
  for (int i = 0; i < 3; ++i) u[i] = double(a[i]) - b[i], v[i] = double(c[i]) - b[i];
  const double dot = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
  return std::acos(dot / std::hypot(u[0], u[1], u[2]) / std::hypot(v[0], v[1], v[2])) * 180 / std::numbers::pi;
}

// Every side |V(i)V(i+1)| of the closed polygon equals the first within a
// relative 1e-4.
void ExpectEqualSides(const std::vector<const float*>& corners) {
  const double side = Distance(corners[0], corners[1]);
  for (size_t i = 0; i < corners.size(); ++i)
    EXPECT_NEAR(Distance(corners[i], corners[(i + 1) % corners.size()]), side, side * 1e-4) << "side " << i;
}

struct Preset {
  const char* name;
  unsigned command;
  const char* made;
  const char* label;
  std::vector<Place> at;  // at the default scale
  const char* hidden;     // the names of the hidden cells
  // Label offsets in shape units beyond the first two vertices' (the
  // default where a component is NaN).
  std::vector<Place> labels;
  const char* first;  // the free vertex, and the one following it
  const char* second;
  const char* corners;  // the face's corners in order
};

const float kKeep = NAN;

const std::vector<Preset>& Presets() {
  static const std::vector<Preset> rows = {
      {"equilateral triangle", ID_CREATE_PLANE_EQUILATERAL,
       "CGVerFreeXyz() CGVerFree2dHenchman(A) CGVerRotateX(B,A) CGFace(A,B,C) CGLine(A,B) CGLine(B,C) CGLine(C,A)",
       "添加等边三角形", {{"A", -5, -5, 0}, {"B", 5, -5, 0}, {"C", 0, 3.660254f, 0}}, "", {}, "A", "B", "A B C"},
      {"square", ID_CREATE_PLANE_SQUARE,
       "CGVerFreeXyz() CGVerFree2dHenchman(A) CGVerRotateX(B,A) CGVerTranslate(D,A,B) CGFace(A,B,C,D) CGLine(A,B) "
       "CGLine(B,C) CGLine(C,D) CGLine(D,A)",
       "添加正方形", {{"A", -5, -5, 0}, {"B", 5, -5, 0}, {"C", 5, 5, 0}, {"D", -5, 5, 0}}, "",
       {{"D", -1.1f, -0.5f, 0}, {"C", kKeep, -0.5f, 0}}, "A", "B", "A B C D"},
      {"rectangle", ID_CREATE_PLANE_RECT,
       "CGVerFreeXyz() CGVerFree2dHenchman(A) CGVerTranslateStc(A) CGVerFreePerpen(A,A',B) CGVerTranslate(D,A,B) "
       "CGFace(A,B,C,D) CGLine(A,B) CGLine(B,C) CGLine(C,D) CGLine(D,A)",
       "添加矩形", {{"A", -6, -4, 0}, {"B", 6, -4, 0}, {"C", 6, 4, 0}, {"D", -6, 4, 0}, {"A'", -6, -4, 1}}, "A'",
       {{"D", -1.1f, -0.5f, 0}, {"C", kKeep, -0.5f, 0}}, "A", "B", "A B C D"},
      {"regular pentagon", ID_CREATE_PLANE_FIVE,
       "CGVerFreeXyz() CGVerFree2dHenchman(A) CGVerRotateX(A,B) CGVerRotateX(B,C) CGVerRotateX(B,A) "
       "CGFace(A,B,C,D,E) CGLine(A,B) CGLine(B,C) CGLine(C,D) CGLine(D,E) CGLine(E,A)",
       "添加正五边形",
       {{"A", -4, -6, 0}, {"B", 4, -6, 0}, {"C", 6.472136f, 1.608452f, 0}, {"D", 0, 6.310734f, 0},
        {"E", -6.472136f, 1.608452f, 0}},
       "", {{"C", kKeep, -0.8f, 0}, {"E", -1.1f, -0.8f, 0}}, "A", "B", "A B C D E"},
      {"regular hexagon", ID_CREATE_PLANE_SIX,
       "CGVerFreeXyz() CGVerFree2dHenchman(A) CGVerRotateX(A,B) CGVerRotateX(B,A) CGVerTranslate(C,A,F) "
       "CGVerTranslate(F,B,C) CGFace(A,B,C,D,E,F) CGLine(A,B) CGLine(B,C) CGLine(C,D) CGLine(D,E) CGLine(E,F) "
       "CGLine(F,A)",
       "添加正六边形",
       {{"A", -3, -5, 0}, {"B", 3, -5, 0}, {"C", 6, 0.196152f, 0}, {"D", 3, 5.392305f, 0}, {"E", -3, 5.392305f, 0},
        {"F", -6, 0.196152f, 0}},
       "", {{"C", 0.2f, -0.8f, 0}, {"F", -1.1f, -0.8f, 0}, {"E", -0.3f, kKeep, 0}}, "A", "B", "A B C D E F"},
      {"isosceles triangle", ID_CREATE_PLANE_ISOCELES,
       "CGVerFreeXyz() CGVerFree2dHenchman(B) CGVerScale(C,B) CGVerTranslateStc(D) CGVerFreePerpen(D,D',C) "
       "CGLine(B,C) CGLine(B,A) CGLine(C,A) CGFace(A,B,C)",
       "添加等腰三角形", {{"B", -5, -6, 0}, {"C", 5, -6, 0}, {"D", 0, -6, 0}, {"D'", 0, -6, 1}, {"A", 0, 6, 0}},
       "D D'", {{"D", kKeep, -1.2f, 0}}, "B", "C", "A B C"},
      {"parallelogram", ID_CREATE_PLANE_PARALL,
       "CGVerFreeXyz() CGVerFree2dHenchman(A) CGVerFree2dHenchman(A) CGVerTranslate(D,A,B) CGFace(A,B,C,D) "
       "CGLine(A,B) CGLine(B,C) CGLine(C,D) CGLine(D,A)",
       "添加平行四边形", {{"A", -5, -3, 0}, {"B", 5, -3, 0}, {"D", -2, 3, 0}, {"C", 8, 3, 0}}, "",
       {{"D", -1.1f, -0.5f, 0}, {"C", kKeep, -0.5f, 0}}, "A", "B", "A B C D"},
      {"right triangle", ID_CREATE_RIGHTTRIANGLE,
       "CGVerFreeXyz() CGVerFree2dHenchman(A) CGVerScale(B,A) CGArcPoint2(D,B) CGVerFreeInCircle(c1) CGFace(A,B,C) "
       "CGLine(B,C) CGLine(C,A) CGLine(A,B)",
       "添加直角三角形", {{"A", -8, -5, 0}, {"B", 8, -5, 0}, {"D", 0, -5, 0}, {"C", 2.898863f, 2.456312f, 0}},
       "D c1", {{"D", kKeep, -1.2f, 0}}, "A", "B", "A B C"},
  };
  return rows;
}

std::vector<WORD> Corners(const CommandPage& p, const std::vector<WORD>& ids, const char* names) {
  std::vector<WORD> corners;
  for (const QString& name : QString::fromLatin1(names).split(' ')) corners.push_back(NamedAmong(p, ids, qPrintable(name)));
  return corners;
}

TEST(PlaneShapes, EachPresetHasItsCellsPlacesNamesAndLabels) {
  COLORREF firstAutoColor = 0;
  {
    CommandPage fresh;
    firstAutoColor = NextAutoColor();
  }
  for (const Preset& row : Presets()) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    const WORD plain = p.Point();
    const float* defaultLabel = p.As<CGVertex>(plain)->m_vLabelOffset;
    const std::vector<WORD> made = p.ExpectMade(row.command, row.made, row.label);
    ASSERT_FALSE(made.empty());
    for (const Place& at : row.at) {
      const WORD id = NamedAmong(p, made, at.name);
      ASSERT_NE(id, 0) << at.name;
      const float* pos = Pos(p, id);
      EXPECT_NEAR(pos[0], at.x, 1e-4) << at.name;
      EXPECT_NEAR(pos[1], at.y, 1e-4) << at.name;
      EXPECT_NEAR(pos[2], at.z, 1e-4) << at.name;
    }
    for (WORD id : made) {
      const bool hidden = QString::fromLatin1(row.hidden).split(' ').contains(p.Find(id)->m_strName);
      EXPECT_EQ(p.Find(id)->m_bHidden != 0, hidden) << qPrintable(p.Find(id)->m_strName);
    }
    std::vector<Place> labels = {{row.first, -1.1f, -0.8f, 0}, {row.second, kKeep, -0.8f, 0}};
    labels.insert(labels.end(), row.labels.begin(), row.labels.end());
    for (const Place& label : labels) {
      const auto* point = p.As<CGVertex>(NamedAmong(p, made, label.name));
      const float x = std::isnan(label.x) ? defaultLabel[0] : label.x, y = std::isnan(label.y) ? defaultLabel[1] : label.y;
      EXPECT_FLOAT_EQ(point->m_vLabelOffset[0], x) << label.name;
      EXPECT_FLOAT_EQ(point->m_vLabelOffset[1], y) << label.name;
      EXPECT_FLOAT_EQ(point->m_vLabelOffset[2], defaultLabel[2]) << label.name;
      // The label anchor went with the offset.
      EXPECT_NEAR(point->m_vLabelAnchor[1], point->m_vPos[1] + y, 1e-5) << label.name;
    }
    const CGFace* face = nullptr;
    for (WORD id : made)
      if (p.As<CGFace>(id)) face = p.As<CGFace>(id);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->m_parents, Corners(p, made, row.corners));
    const RGBA colour = face->m_rgbaColor;
    EXPECT_EQ(colour.r | colour.g << 8 | colour.b << 16, firstAutoColor & 0xFFFFFF) << "the cycle's first colour";
  }
}

TEST(PlaneShapes, PresetsKeepTheirNamesAndLeaveTheAutomaticNamesAlone) {
  CommandPage p;
  const BYTE letter = p.Page().m_chNameLetter, suffix = p.Page().m_chNameSuffix;
  const BYTE circles = p.Page().m_nCircleCounter;
  for (int round = 0; round < 2; ++round) {
    for (const Preset& row : Presets()) {
      const WORD first = p.Page().m_nNextId;
      ASSERT_TRUE(p.Run(row.command)) << row.name;
      std::vector<WORD> made;
      for (WORD id = first; id < p.Page().m_nNextId; ++id) made.push_back(id);
      for (const Place& at : row.at) EXPECT_NE(NamedAmong(p, made, at.name), 0) << row.name << " " << at.name;
    }
  }
  EXPECT_EQ(p.Page().m_chNameLetter, letter);
  EXPECT_EQ(p.Page().m_chNameSuffix, suffix);
  EXPECT_EQ(p.Page().m_nCircleCounter, circles + 2) << "the right triangle's circle takes a circle name";
}

TEST(PlaneShapes, PresetsKeepTheirSizeOnScreen) {
  CommandPage p;
  g_fUnitsPerPixel /= 2;
  const std::vector<WORD> made = p.ExpectConstruction(ID_CREATE_PLANE_SQUARE, 9, QString::fromUtf8("添加正方形"));
  const float* a = Pos(p, NamedAmong(p, made, "A"));
  EXPECT_FLOAT_EQ(a[0], -2.5f);
  EXPECT_NEAR(Distance(a, Pos(p, NamedAmong(p, made, "C"))), 5 * std::numbers::sqrt2, 1e-5);
  EXPECT_FLOAT_EQ(p.As<CGVertex>(made[0])->m_vLabelOffset[0], -0.55f);
}

// Dragging the first vertex moves the whole shape; dragging the second turns
// and scales it in the horizontal plane through the first, and the shape
// keeps its kind.
TEST(PlaneShapes, DraggingTheFirstTwoVerticesKeepsTheShape) {
  for (const Preset& row : Presets()) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    const WORD first = p.Page().m_nNextId;
    ASSERT_TRUE(p.Run(row.command));
    std::vector<WORD> made;
    for (WORD id = first; id < p.Page().m_nNextId; ++id) made.push_back(id);
    const std::vector<WORD> corners = Corners(p, made, row.corners);
    const WORD a = NamedAmong(p, made, row.first), b = NamedAmong(p, made, row.second);
    std::vector<std::vector<float>> before;
    for (WORD id : corners) before.push_back(p.At(id));
    const float* at = Pos(p, a);
    ASSERT_TRUE(DragPointStraightDown(a, at[0] + 1.5, at[1] - 2));
    for (size_t i = 0; i < corners.size(); ++i) {
      const std::vector<float> now = p.At(corners[i]);
      EXPECT_NEAR(now[0] - before[i][0], 1.5, 1e-4) << i;
      EXPECT_NEAR(now[1] - before[i][1], -2, 1e-4) << i;
      EXPECT_NEAR(now[2], before[i][2], 1e-5) << i;
    }

    std::vector<const float*> ring;
    for (WORD id : corners) ring.push_back(Pos(p, id));
    const double width = corners.size() == 4 ? Distance(ring[0], ring[3]) : 0;
    ASSERT_TRUE(DragPointStraightDown(b, Pos(p, a)[0] + 7, Pos(p, a)[1] + 9));
    EXPECT_NEAR(Distance(Pos(p, a), Pos(p, b)), std::hypot(7.0, 9.0), 1e-4);
    for (const float* corner : ring) EXPECT_NEAR(corner[2], 0, 1e-5);
    const std::string name = row.name;
    if (name.starts_with("regular") || name == "equilateral triangle" || name == "square") {
      ExpectEqualSides(ring);
    }
    if (name == "square" || name == "rectangle") {
      EXPECT_NEAR(AngleAt(ring[3], ring[0], ring[1]), 90, 1e-3);
    }
    if (name == "rectangle") {
      EXPECT_NEAR(Distance(ring[0], ring[3]), width, 1e-4);
    }
    if (name == "right triangle") {
      EXPECT_NEAR(AngleAt(ring[0], ring[2], ring[1]), 90, 1e-4);
    }
    if (name == "isosceles triangle") {
      EXPECT_NEAR(Distance(ring[0], ring[1]), Distance(ring[0], ring[2]), 1e-4);
    }
  }
}

TEST(PlaneShapes, OnSelectedPointsTheMissingVerticesTakeAutomaticNames) {
  struct Row {
    const char* name;
    unsigned command;
    int points;
    const char* made;
    const char* label;
  } const rows[] = {
      {"equilateral", ID_CREATE_PLANE_EQUILATERAL, 2,
       "CGVerFreeEquilateral(A,B) CGLine(A,B) CGLine(B,C) CGLine(C,A)", "添加等边三角形"},
      {"square", ID_CREATE_PLANE_SQUARE, 2,
       "CGVerFreeUprightEquid(A,B) CGVerTranslate(D,A,B) CGLine(A,B) CGLine(B,C) CGLine(C,D) CGLine(D,A)",
       "添加正方形"},
      {"rectangle", ID_CREATE_PLANE_RECT, 2,
       "CGVerFreeUpright(A,B) CGVerTranslate(D,A,B) CGLine(A,B) CGLine(B,C) CGLine(C,D) CGLine(D,A)", "添加矩形"},
      {"pentagon", ID_CREATE_PLANE_FIVE, 2,
       "CGLine(A,B) CGVerMid(AB) CGVerFreeUprightEquid(0,B) CGVerScale(1,0) CGVerTranslate(2,0,B) "
       "CGVerScale(3,2) CGVerScale(1,0) CGVerSymmetryP(C,2) CGLine(B,C) CGLine(C,D) CGLine(D,E) CGLine(E,A)",
       "添加正五边形"},
      {"hexagon", ID_CREATE_PLANE_SIX, 2,
       "CGVerFreeEquilateral(A,B) CGVerTranslate(O,A,B) CGVerSymmetryP(A,O) CGVerSymmetryP(B,O) "
       "CGVerSymmetryP(C,O) CGLine(A,B) CGLine(B,C) CGLine(C,D) CGLine(D,E) CGLine(E,F) CGLine(F,A)",
       "添加正六边形"},
      {"isosceles", ID_CREATE_PLANE_ISOCELES, 2, "CGLine(A,B) CGVerMid(AB) CGVerFreeUpright(D,B) CGLine(B,C) CGLine(C,A)",
       "添加等腰三角形"},
      {"parallelogram", ID_CREATE_PLANE_PARALL, 3,
       "CGVerTranslate(A,B,C) CGLine(A,B) CGLine(B,C) CGLine(C,D) CGLine(D,A)", "添加平行四边形"},
      {"right triangle", ID_CREATE_RIGHTTRIANGLE, 2, "CGVerFreeUpright(A,B) CGLine(B,C) CGLine(C,A) CGLine(A,B)",
       "添加直角三角形"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    p.Point(1, 2, 0), p.Point(7, 3, 0);
    if (row.points == 3) p.Point(8, 9, 1);
    p.SelectNamed(row.points == 2 ? "A B" : "A B C");
    p.ExpectMade(row.command, row.made, row.label);
  }
}

TEST(PlaneShapes, OnSelectedPointsTheShapesHaveTheirKind) {
  CommandPage p;
  const WORD a = p.Point(1, 2, 0), b = p.Point(7, 3, 0);
  p.SelectNamed("A B");
  ASSERT_TRUE(p.Run(ID_CREATE_PLANE_SQUARE));
  const float *pa = Pos(p, a), *pb = Pos(p, b), *c = Pos(p, p.Named("C")), *d = Pos(p, p.Named("D"));
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(c[i], pb[i] + d[i] - pa[i], 1e-5);
  EXPECT_NEAR(Distance(pa, d), Distance(pa, pb), 1e-4);
  EXPECT_NEAR(AngleAt(d, pa, pb), 90, 1e-3);

  CommandPage q;
  const WORD q1 = q.Point(1, 2, 0), q2 = q.Point(7, 3, 2);
  q.SelectNamed("A B");
  const WORD first = q.Page().m_nNextId;
  ASSERT_TRUE(q.Run(ID_CREATE_PLANE_FIVE));
  EXPECT_EQ(q.Page().m_nNextId - first, 12);
  const char* const names[] = {"0", "1", "2", "3"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(q.Find(first + 1 + i)->m_strName, names[i]);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(q.Find(first + 1 + i)->m_bHidden != 0, i != 1) << names[i];
  const std::vector<const float*> pentagon = {Pos(q, q1), Pos(q, q2), Pos(q, first + 5), Pos(q, first + 6),
                                              Pos(q, first + 7)};
  ExpectEqualSides(pentagon);
  for (int i = 0; i < 5; ++i)
    EXPECT_NEAR(Distance(pentagon[i], pentagon[(i + 2) % 5]), Distance(pentagon[0], pentagon[1]) * 1.6180340, 1e-4);

  CommandPage r;
  const std::vector<WORD> three = {r.Point(1, 2, 0), r.Point(7, 3, 0), r.Point(8, 9, 1)};
  r.Select(three);
  ASSERT_TRUE(r.Run(ID_CREATE_PLANE_PARALL));
  EXPECT_EQ(r.At(r.Named("D")), std::vector<float>({2, 8, 1}));
}

TEST(PlaneShapes, CoincidentPointsStoreNoNaN) {
  for (unsigned command : kShapeCommands) {
    SCOPED_TRACE(command);
    CommandPage p;
    p.Select({p.Point(3, 3, 0), p.Point(3, 3, 0), p.Point(3, 3, 0)});
    if (command != ID_CREATE_PLANE_PARALL) p.SelectNamed("A B");
    const WORD first = p.Page().m_nNextId;
    ASSERT_TRUE(p.Run(command));
    for (WORD id = first; id < p.Page().m_nNextId; ++id)
      if (const auto* v = p.As<CGVertex>(id)) {
        for (float c : v->m_vPos) EXPECT_TRUE(std::isfinite(c)) << id;
        EXPECT_TRUE(std::isfinite(v->m_fValue)) << id;
      }
  }
}

TEST(PlaneShapes, RefusedSelectionsMakeNothing) {
  for (unsigned command : kShapeCommands) {
    SCOPED_TRACE(command);
    DocCommandHandler handler = nullptr;
    for (const CDocCommandRow& row : DocumentCommandRows())
      if (row.id == command) handler = row.handler;
    ASSERT_NE(handler, nullptr);
    for (int points : {1, 3, 4}) {
      CommandPage p;
      p.Select(p.Points(points));
      const bool enabled = points == 3 && command == ID_CREATE_PLANE_PARALL;
      if (enabled) continue;
      p.ExpectNothingMade([&] { EXPECT_FALSE(p.Run(command)); });
      p.ExpectNothingMade([&] { handler(p.doc); });
    }
  }
}

// Each shape makes sure of its own number of vertex slots, more than some
// of its variants make: one slot short of it grows the array by 100.
TEST(PlaneShapes, TooFewVertexSlotsGrowTheArrayByAHundred) {
  const std::pair<unsigned, int> rooms[] = {
      {ID_CREATE_PLANE_EQUILATERAL, 3}, {ID_CREATE_PLANE_SQUARE, 4},   {ID_CREATE_PLANE_RECT, 5},
      {ID_CREATE_PLANE_FIVE, 9},        {ID_CREATE_PLANE_SIX, 7},      {ID_CREATE_PLANE_ISOCELES, 5},
      {ID_CREATE_PLANE_PARALL, 4},      {ID_CREATE_RIGHTTRIANGLE, 4},
  };
  for (const auto& [command, room] : rooms) {
    for (int free : {room, room - 1}) {
      SCOPED_TRACE(testing::Message() << command << " with " << free << " free slots");
      CommandPage p;
      ASSERT_TRUE(ReallocateVertexArray(p.Page().m_nNextVertex + free));
      const int capacity = g_nVertexCapacity;
      ASSERT_TRUE(p.Run(command));
      EXPECT_EQ(g_nVertexCapacity, free < room ? capacity + 100 : capacity);
    }
  }
}

}  // namespace
