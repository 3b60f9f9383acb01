// The regular tetrahedron, octahedron, dodecahedron and icosahedron from
// fixed tables of vertex directions, edges and faces; the order of each
// table decides the ids and automatic names of the cells.
#include <cmath>
#include <vector>

#include "cells/solids/static/staticbuilder.h"
#include "cells/solids/static/staticshapes.h"

namespace {

using Direction = float[3];
using Edge = int[2];

struct CPolyhedronTable {
  const Direction* vertices;
  int vertexCount;
  const Edge* edges;
  int edgeCount;
  const int* faces;  // faceCount x faceSize vertex numbers
  int faceSize;
  int faceCount;
  // Points hidden, segments and faces drawn solid (style 1).
  bool solidLook;
};

constexpr float s = 0.57735026f;  // 1 / sqrt 3
constexpr Direction kTetraVertices[] = {{-s, -s, -s}, {s, s, -s}, {-s, s, s}, {s, -s, s}};
constexpr Edge kTetraEdges[] = {{0, 1}, {1, 2}, {2, 0}, {0, 3}, {1, 3}, {2, 3}};
constexpr int kTetraFaces[] = {2, 1, 0, 0, 1, 3, 3, 2, 0, 1, 2, 3};

constexpr Direction kOctaVertices[] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
constexpr Edge kOctaEdges[] = {{1, 3}, {3, 0}, {0, 2}, {2, 1}, {1, 4}, {3, 4},
                               {0, 4}, {2, 4}, {1, 5}, {3, 5}, {0, 5}, {2, 5}};
constexpr int kOctaFaces[] = {2, 4, 0, 4, 2, 1, 4, 3, 0, 3, 4, 1, 5, 2, 0, 2, 5, 1, 3, 5, 0, 5, 3, 1};

// The golden ratio and its reciprocal; the table's circumradius is sqrt 3.
constexpr float g = 1.618034f;
constexpr float h = 0.618034f;
constexpr Direction kDodecaVertices[] = {
    {-g, 0, h},  {g, 0, h},  {-1, -1, -1}, {-1, -1, 1}, {-1, 1, -1}, {-1, 1, 1}, {1, -1, -1},
    {1, -1, 1},  {1, 1, -1}, {1, 1, 1},    {h, g, 0},   {h, -g, 0},  {-h, g, 0}, {-h, -g, 0},
    {-g, 0, -h}, {g, 0, -h}, {0, h, g},    {0, h, -g},  {0, -h, g},  {0, -h, -g}};
constexpr Edge kDodecaEdges[] = {{0, 3},   {3, 18},  {18, 16}, {16, 5},  {5, 0},   {18, 7},  {7, 1},   {1, 9},
                                 {9, 16},  {7, 11},  {11, 13}, {13, 3},  {9, 10},  {10, 12}, {12, 5},  {6, 11},
                                 {13, 2},  {2, 19},  {19, 6},  {8, 10},  {12, 4},  {4, 17},  {17, 8},  {6, 15},
                                 {15, 1},  {15, 8},  {14, 4},  {14, 2},  {0, 14},  {19, 17}};
constexpr int kDodecaFaces[] = {0, 3,  18, 16, 5,  1, 9,  16, 18, 7,  3, 13, 11, 7,  18, 2, 19, 6,  11, 13,
                                0, 14, 2,  13, 3,  1, 7,  11, 6,  15, 5, 16, 9,  10, 12, 4, 12, 10, 8,  17,
                                0, 5,  12, 4,  14, 1, 15, 8,  10, 9,  2, 14, 4,  17, 19, 6, 19, 17, 8,  15};

// 1 / sqrt(1 + g^2) and g / sqrt(1 + g^2): circumradius 1.
constexpr float a = 0.5257311f;
constexpr float b = 0.8506508f;
constexpr Direction kIcosaVertices[] = {{-a, 0, b}, {a, 0, b},  {-a, 0, -b}, {a, 0, -b}, {0, b, a},  {0, b, -a},
                                        {0, -b, a}, {0, -b, -a}, {b, a, 0},  {-b, a, 0}, {b, -a, 0}, {-b, -a, 0}};
constexpr Edge kIcosaEdges[] = {{0, 1}, {0, 4},  {0, 6}, {1, 4},  {1, 6}, {0, 9},  {0, 11}, {1, 8}, {1, 10}, {4, 9},
                                {6, 11}, {4, 8}, {6, 10}, {9, 11}, {8, 10}, {2, 3}, {2, 5},  {2, 7}, {3, 5},  {3, 7},
                                {2, 9}, {2, 11}, {3, 8}, {3, 10}, {5, 9}, {7, 11}, {5, 8},  {7, 10}, {4, 5}, {6, 7}};
constexpr int kIcosaFaces[] = {1, 4, 0,  4,  9, 0, 4, 5, 9, 8, 5, 4, 1, 8,  4, 1, 10, 8, 10, 3,
                               8, 8, 3,  5,  3, 2, 5, 3, 7, 2, 3, 10, 7, 10, 6, 7, 6,  11, 7, 6,
                               0, 11, 6, 1, 0, 10, 1, 6, 11, 0, 9, 2, 11, 9, 5, 2, 9, 11, 2, 7};

template <size_t V, size_t E, size_t F>
constexpr CPolyhedronTable Table(const Direction (&v)[V], const Edge (&e)[E], const int (&f)[F], int faceSize,
                                 bool solidLook) {
  return {v, static_cast<int>(V), e, static_cast<int>(E), f, faceSize, static_cast<int>(F) / faceSize, solidLook};
}

int Build(const CPolyhedronTable& table, float cx, float cy, float cz, float scale) {
  const int cells = table.vertexCount + table.edgeCount + table.faceCount;
  if (!CStaticBuilder::HasRoom(cells, table.vertexCount)) return 0;
  CStaticBuilder build;
  for (int i = 0; i < table.vertexCount; ++i) {
    const Direction& t = table.vertices[i];
    const WORD id = build.Point(cx + scale * t[0], cy + scale * t[1], cz + scale * t[2]);
    if (table.solidLook) g_pCurPage->m_cells.Lookup(id)->m_bHidden = 1;
  }
  for (int i = 0; i < table.edgeCount; ++i) {
    CGLine* line = build.Segment(build.Id(table.edges[i][0]), build.Id(table.edges[i][1]));
    if (table.solidLook) line->m_nStyle = 1;
  }
  std::vector<WORD> corners(static_cast<size_t>(table.faceSize));
  for (int i = 0; i < table.faceCount; ++i) {
    for (int k = 0; k < table.faceSize; ++k) corners[k] = build.Id(table.faces[i * table.faceSize + k]);
    CGFace* face = build.Face(corners);
    if (table.solidLook) face->m_nStyle = 1;
  }
  return build.Made();
}

}  // namespace

int AddStaticTetrahedron(float cx, float cy, float cz, float radius) {
  return Build(Table(kTetraVertices, kTetraEdges, kTetraFaces, 3, false), cx, cy, cz, radius);
}

int AddStaticOctahedron(float cx, float cy, float cz, float radius) {
  return Build(Table(kOctaVertices, kOctaEdges, kOctaFaces, 3, false), cx, cy, cz, radius);
}

int AddStaticDodecahedron(float cx, float cy, float cz, float radius) {
  const float scale = radius / std::sqrt(3.0f);
  return Build(Table(kDodecaVertices, kDodecaEdges, kDodecaFaces, 5, true), cx, cy, cz, scale);
}

int AddStaticIcosahedron(float cx, float cy, float cz, float radius) {
  return Build(Table(kIcosaVertices, kIcosaEdges, kIcosaFaces, 3, true), cx, cy, cz, radius);
}
