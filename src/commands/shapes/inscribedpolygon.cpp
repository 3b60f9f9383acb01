#include "commands/shapes/inscribedpolygon.h"

#include <QString>

#include "cells/constructed/circlepoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "commands/commandframe.h"
#include "commands/shapes/shapebuilder.h"
#include "commands/shapes/shapetexts.h"

namespace {
constexpr float kDefaultRadius = 10;
// Where the first vertex sits on the circle, in radians.
constexpr float kFirstVertexAt = 1.0f;

WORD AddDefaultCircle(CShapeBuilder& b) {
  const float r = kDefaultRadius;
  return b.Cell<CGArc>(0.0f, 0.0f, 0.0f, r, 0.0f, 0.0f, 0.0f, r, 0.0f, 0.0f, kArcFullTurn,
                       static_cast<BYTE>(kArcCircle))
      ->m_nId;
}
}  // namespace

bool BuildInscribedPolygon(CKavrelDoc& doc, WORD circle, int n) {
  if (n < kMinPolygonVertices || n > kMaxPolygonVertices) return false;
  CConstruction build(doc);
  if (!build.MakeRoom(2 * n + (circle ? 0 : 1), n)) return false;
  CShapeBuilder b(build);
  if (!circle) circle = AddDefaultCircle(b);
  const WORD first = b.Point<CGVerFreeInCircle>(QString(), circle, kFirstVertexAt);
  const float step = kArcFullTurn / static_cast<float>(n);
  WORD last = first;
  for (int i = 1; i < n; ++i) {
    const WORD next = b.Point<CGVerInCircleRot>(QString(), first, circle, static_cast<float>(i) * step);
    b.Edge(last, next);
    last = next;
  }
  b.Edge(last, first);
  build.Commit(QString::fromUtf8(kCmdNameInscribedPolygon).replace(QStringLiteral("%d"), QString::number(n)));
  return true;
}
