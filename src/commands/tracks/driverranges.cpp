#include "commands/tracks/driverranges.h"

#include <vector>

#include "cells/constrained/turningpoints.h"
#include "cells/dynamic/graphing/colormodifier.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/paths/pathpoints.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "commands/pointvaluecommand.h"
#include "model/cellmap.h"
#include "model/cgbutton.h"
#include "model/globals.h"

namespace {
bool RunsRound(const CGCell& driver) {
  return driver.IsKindOf(RUNTIME_CLASS(CGVerFreeUprightEquid)) ||
         driver.IsKindOf(RUNTIME_CLASS(CGVerFreeEquilateral)) || driver.IsKindOf(RUNTIME_CLASS(CGVerFreeInCircle));
}

// The range of the locus a locus point runs on, when it has one.
bool LocusOfPoint(const CGCell& driver, CDriverRange& range) {
  if (!driver.IsKindOf(RUNTIME_CLASS(CGVerFreeInLocus))) return false;
  if (const CGLocus* locus = driver.ParentAs<CGLocus>(0)) {
    range.start = locus->ParamStart;
    range.end = locus->ParamEnd;
  }
  return true;
}

const CGCurve* CurveOfPoint(const CGCell& driver) {
  return driver.IsKindOf(RUNTIME_CLASS(CGVerFreeInCurve)) ? driver.ParentAs<CGCurve>(0) : nullptr;
}
}  // namespace

bool IsDriver(const CGCell& cell) {
  return cell.IsKindOf(RUNTIME_CLASS(CGTmVarParameter)) || IsDraggablePathPoint(cell);
}

CDriverRange LocusRange(const CGCell& driver) {
  CDriverRange range;
  if (const auto* parameter = dynamic_cast<const CGTmVarParameter*>(&driver)) {
    range.start = parameter->Minimum();
    range.end = parameter->Maximum();
  } else if (RunsRound(driver)) {
    range.end = 6.2831f;
  } else if (LocusOfPoint(driver, range)) {
  } else if (const CGCurve* curve = CurveOfPoint(driver)) {
    const bool reversed = curve->ParamStart > curve->ParamEnd;
    range.start = reversed ? 0.0f : static_cast<float>(curve->ParamStart);
    range.end = reversed ? 10.0f : static_cast<float>(curve->ParamEnd);
  }
  return range;
}

CDriverRange TrackRange(const CGCell& driver) {
  CDriverRange range;
  if (driver.IsKindOf(RUNTIME_CLASS(CGTmVarParameter))) return range;
  if (RunsRound(driver)) {
    range.end = 6.2831855f;
    range.step = 0.05235988f;
  } else if (LocusOfPoint(driver, range)) {
  } else if (const CGCurve* curve = CurveOfPoint(driver)) {
    if (curve->ParamEnd >= curve->ParamStart) {
      range.start = static_cast<float>(curve->ParamStart);
      range.end = static_cast<float>(curve->ParamEnd);
    }
  } else if (const auto* border = dynamic_cast<const CGVerFreeInBorder*>(&driver)) {
    range.end = static_cast<float>(border->Pieces);
  }
  return range;
}

bool IsTrackDrawable(const CGCell& cell) {
  return !cell.IsKindOf(RUNTIME_CLASS(CGTextmap)) && !cell.IsKindOf(RUNTIME_CLASS(CGTextbit)) &&
         !cell.IsKindOf(RUNTIME_CLASS(CGButton)) && !cell.IsKindOf(RUNTIME_CLASS(CGModifier));
}

bool DependsOn(const CGCell& cell, WORD ancestor) {
  if (!g_pCurCells) return false;
  std::vector<bool> seen(0x10000, false);
  std::vector<WORD> pending{ancestor};
  seen[ancestor] = true;
  while (!pending.empty()) {
    const CGCell* current = g_pCurCells->Lookup(pending.back());
    pending.pop_back();
    if (!current) continue;
    for (WORD child : current->m_children) {
      if (seen[child]) continue;
      if (child == cell.m_nId) return true;
      seen[child] = true;
      pending.push_back(child);
    }
  }
  return false;
}
