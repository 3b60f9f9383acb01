#include "cells/constructed/commonperpen.h"

#include "cells/constructed/derivedpointtexts.h"
#include "cells/primitives/formattext.h"
#include "math/geometry.h"

IMPLEMENT_SERIAL(CGVerCommonperpen, CGVertex)

CGVerCommonperpen::CGVerCommonperpen(WORD id, int slot, const QString& name, WORD line1, WORD line2)
    : CGConstructedPoint(id, slot, name, {line1, line2}) {
  Recalculate();
}

void CGVerCommonperpen::Recalculate() {
  LineParent l1, l2;
  float p[3];
  if (!DefinedLine(0, l1) || !DefinedLine(1, l2) || !CommonPerpendicular(l1.a, l1.b, l2.a, l2.b, p))
    return Undefine();
  PlaceIfFinite(p);
}

QString CGVerCommonperpen::GetDescription() {
  return FillFormat(kTextCommonperpen, "%s", {ParentName(0), ParentName(1)});
}
