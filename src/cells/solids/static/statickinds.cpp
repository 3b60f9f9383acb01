#include "cells/solids/static/statickinds.h"

#include <cmath>

#include "cells/solids/static/staticshapes.h"

namespace {

// The cube whose circumradius is the radius has edge radius x 2/sqrt 3.
constexpr float kCubeEdgePerRadius = 1.1547005f;
constexpr float kOtherCubeEdge = 10.0f;

enum Kind {
  kCuboid, kPrism, kPyramid, kFrustum, kPolygon, kTetrahedron, kCube, kOctahedron, kDodecahedron,
  kIcosahedron, kCircle, kCylinder, kCone, kConicalFrustum, kSphere
};

struct CKindRow {
  CStaticKindInputs inputs;
  // Points and cells for n base edges: fixed + perEdge n.
  int points, pointsPerEdge, cells, cellsPerEdge;
};

//                     length width  height edges  radius ratio  axis
constexpr CKindRow kRows[kStaticKindCount] = {
    {{true, true, true, false, false, false, false}, 8, 0, 26, 0},
    {{false, false, true, true, true, false, false}, 0, 2, 2, 6},
    {{false, false, true, true, true, false, false}, 1, 1, 2, 4},
    {{false, false, true, true, true, true, false}, 0, 2, 2, 6},
    {{false, false, false, true, true, false, false}, 0, 1, 1, 2},
    {{false, false, false, false, true, false, false}, 4, 0, 14, 0},
    {{false, false, false, false, true, false, false}, 8, 0, 26, 0},
    {{false, false, false, false, true, false, false}, 6, 0, 26, 0},
    {{false, false, false, false, true, false, false}, 20, 0, 62, 0},
    {{false, false, false, false, true, false, false}, 12, 0, 62, 0},
    {{false, false, false, false, true, false, true}, 1, 0, 2, 0},
    {{false, false, true, false, true, false, true}, 2, 0, 5, 0},
    {{false, false, true, false, true, false, true}, 2, 0, 4, 0},
    {{false, false, true, false, true, true, true}, 2, 0, 5, 0},
    {{false, false, false, false, true, false, true}, 1, 0, 5, 0},
};
constexpr CKindRow kOther = kRows[kCuboid];

const CKindRow& Row(int kind) { return kind >= 0 && kind < kStaticKindCount ? kRows[kind] : kOther; }

bool SizeOk(float value) { return std::isfinite(value) && value >= kStaticMinSize && value <= kStaticMaxSize; }
bool Finite(const float v[3]) { return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]); }

}  // namespace

CStaticKindInputs StaticKindInputs(int kind) {
  if (kind < 0 || kind >= kStaticKindCount) return {false, false, false, false, false, false, false};
  return kRows[kind].inputs;
}

bool StaticValuesAcceptable(const CStaticShapeValues& v) {
  const CStaticKindInputs in = StaticKindInputs(v.kind);
  if (in.edges && (v.edges < kStaticMinEdges || v.edges > kStaticMaxEdges)) return false;
  if ((in.length && !SizeOk(v.length)) || (in.width && !SizeOk(v.width)) || (in.height && !SizeOk(v.height)))
    return false;
  if ((in.radius && !SizeOk(v.radius)) || (in.ratio && !SizeOk(v.ratio))) return false;
  return Finite(v.centre) && (!in.axis || Finite(v.axis));
}

CStaticShapeSize StaticShapeSize(const CStaticShapeValues& v) {
  const CKindRow& row = Row(v.kind);
  const int n = StaticKindInputs(v.kind).edges ? v.edges : 0;
  return {row.cells + row.cellsPerEdge * n, row.points + row.pointsPerEdge * n};
}

int BuildStaticShape(const CStaticShapeValues& v) {
  const float x = v.centre[0], y = v.centre[1], z = v.centre[2];
  const float* a = v.axis;
  switch (v.kind) {
    case kCuboid: return AddStaticCuboid(x, y, z, v.length, v.width, v.height);
    case kPrism: return AddStaticPrism(x, y, z, v.edges, v.radius, v.height, 1.0f);
    case kPyramid: return AddStaticPyramid(x, y, z, v.edges, v.radius, v.height);
    case kFrustum: return AddStaticPrism(x, y, z, v.edges, v.radius, v.height, v.ratio);
    case kPolygon: return AddStaticPolygon(x, y, z, v.edges, v.radius);
    case kTetrahedron: return AddStaticTetrahedron(x, y, z, v.radius);
    case kCube: {
      const float edge = v.radius * kCubeEdgePerRadius;
      return AddStaticCuboid(x, y, z, edge, edge, edge);
    }
    case kOctahedron: return AddStaticOctahedron(x, y, z, v.radius);
    case kDodecahedron: return AddStaticDodecahedron(x, y, z, v.radius);
    case kIcosahedron: return AddStaticIcosahedron(x, y, z, v.radius);
    case kCircle: return AddStaticCircle(x, y, z, v.radius, a[0], a[1], a[2]);
    case kCylinder: return AddStaticCylinder(x, y, z, v.radius, v.height, a[0], a[1], a[2]);
    case kCone: return AddStaticCone(x, y, z, v.radius, v.height, a[0], a[1], a[2]);
    case kConicalFrustum: return AddStaticConicalFrustum(x, y, z, v.radius, v.height, v.ratio, a[0], a[1], a[2]);
    case kSphere: return AddStaticSphere(x, y, z, v.radius, a[0], a[1], a[2]);
    default: return AddStaticCuboid(x, y, z, kOtherCubeEdge, kOtherCubeEdge, kOtherCubeEdge);
  }
}
