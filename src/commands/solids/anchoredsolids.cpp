#include "commands/solids/anchoredsolids.h"

#include "cells/constrained/follower.h"
#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/translations.h"
#include "cells/constructed/trianglecentres.h"
#include "cells/primitives/cgverfree.h"
#include "cells/solids/solidbuilders.h"
#include "commands/commandframe.h"
#include "commands/solids/solidcommandtexts.h"
#include "commands/solids/solidconstruction.h"
#include "model/document/commandtable.h"
#include "platform/commandids.h"

namespace {
constexpr float kCuboidEdges[3] = {12, 9, 8};  // along x, y, z
constexpr float kPyramidEdge = 12;
// The new corner of the pyramid: the base centred on the z axis.
constexpr CPosition kPyramidCorner = {-6, -3.464102f, -5};

// The given point, or a new free point at `at` with the next automatic name.
WORD Corner(CSolidConstruction& build, WORD point, const CPosition& at) {
  return point ? point : build.Point<CGVerFreeXyz>(Auto(), at.x, at.y, at.z);
}

// A point sliding from A along axis `axis` at the cuboid's edge length.
WORD AlongAxis(CSolidConstruction& build, const CPointName& name, WORD a, int axis) {
  const float d[3] = {axis == 0 ? 1.0f : 0.0f, axis == 1 ? 1.0f : 0.0f, axis == 2 ? 1.0f : 0.0f};
  const WORD p = build.Point<CGVerFreeParVector>(name, d[0], d[1], d[2], a);
  build.SetDistance(p, kCuboidEdges[axis]);
  return p;
}
}  // namespace

void CreateCuboidXyz(CKavrelDoc& doc, WORD point) {
  point = PointOnPage(point);
  CSolidConstruction build(doc);
  if (!build.MakeRoom(point ? 25 : 26, 8)) return;
  const WORD a = Corner(build, point, {0, 0, 0});
  const WORD b = AlongAxis(build, Auto(), a, 0);
  const QString nameC = build.DrawName();
  const WORD d = AlongAxis(build, Auto(), a, 1);
  const WORD c = build.Point<CGVerTranslate>(Named(nameC), b, a, d);
  const WORD face = build.Face({a, b, c, d});
  build.Loop({a, b, c, d});
  const WORD top = AlongAxis(build, Auto(), a, 2);
  if (!build.Adopt(BuildPrism(top, face))) return;
  build.Commit(kCmdNameAxisCuboid);
}

void CreateRegularTriPyramid(CKavrelDoc& doc, WORD point) {
  point = PointOnPage(point);
  const CPosition at = point ? PositionOf(point) : kPyramidCorner;
  CSolidConstruction build(doc);
  if (!build.MakeRoom(point ? 14 : 15, 5)) return;
  const WORD a = Corner(build, point, at);
  const WORD b = build.Point<CGVerFreeHenchman>(Auto(), at.x + kPyramidEdge, at.y, at.z, a);
  const WORD c = build.Point<CGVerFreeEquilateral>(Auto(), a, b);
  build.Loop({a, b, c});
  const WORD face = build.Face({a, b, c});
  const WORD o = build.Point<CGVerBarycenter>(Named("O"), a, b, c);
  const WORD apex = build.Point<CGVerFreePerpen>(Auto(), o, a, b);
  build.SetDistance(apex, kRegularApexHeight);
  if (!build.Adopt(BuildPyramid(apex, face))) return;
  build.Commit(kCmdNameTriangularPyramid);
}

void OnCreateCuboidxyz(CKavrelDoc& doc) {
  const std::vector<WORD> points = SelectedPoints();
  CreateCuboidXyz(doc, points.empty() ? 0 : points[0]);
}

namespace {
const CDocCommandRows rows({{ID_CREATE_CUBOIDXYZ, OnCreateCuboidxyz}});
}  // namespace
