#include "commands/pointvaluecommand.h"

#include <initializer_list>

#include "cells/constrained/follower.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/circlepoints.h"
#include "cells/constructed/follower2d.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/constructed/paths/combinedpaths.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "cells/dynamic/measures/pointreadings.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeinface.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"

namespace {
// What the one selected point is read against.
enum class Reading { kNone, kParameter, kAlongLine, kRoundCircle };

const CGCell* SelectedCell(const std::vector<WORD>& list) {
  return list.empty() ? nullptr : g_pCurPage->m_cells.Lookup(list.front());
}
bool HeadIs(const std::vector<WORD>& list, const CRuntimeClass* kind) {
  const CGCell* cell = SelectedCell(list);
  return cell && cell->IsKindOf(kind);
}

Reading SelectedReading() {
  const CSelectionCounts n = CountSelection();
  if (n.P != 1) return Reading::kNone;
  const CGPage& page = *g_pCurPage;
  const CGCell* point = SelectedCell(page.m_selPoints);
  if (!point) return Reading::kNone;
  if (n.T == 1) return IsOneDimensionalPathPoint(*point) ? Reading::kParameter : Reading::kNone;
  if (n.T != 2) return Reading::kNone;
  if (n.L == 1 && HeadIs(page.m_selLines, RUNTIME_CLASS(CGLine))) return Reading::kAlongLine;
  if (n.A == 1 && HeadIs(page.m_selPaths, RUNTIME_CLASS(CGArc))) return Reading::kRoundCircle;
  return Reading::kNone;
}

bool ReadingFits() { return SelectedReading() != Reading::kNone; }

const CDocCommandRows rows({
    {ID_MEASURE_PT, OnMeasurePt, EnableWhen<ReadingFits>},
});
}  // namespace

bool IsOneDimensionalPathPoint(const CGCell& point) {
  const auto kindOfAny = [&point](std::initializer_list<const CRuntimeClass*> kinds) {
    for (const CRuntimeClass* kind : kinds)
      if (point.IsKindOf(kind)) return true;
    return false;
  };
  if (point.IsKindOf(RUNTIME_CLASS(CGVerFree))) return IsDraggablePathPoint(point);
  return kindOfAny({RUNTIME_CLASS(CGVerInLineFt), RUNTIME_CLASS(CGVerInLineFixedf), RUNTIME_CLASS(CGVerInCircleFt),
                    RUNTIME_CLASS(CGVerInCircleFixedf), RUNTIME_CLASS(CGVerInCurveFt), RUNTIME_CLASS(CGVerInCurveFixedf),
                    RUNTIME_CLASS(CGVerInLocusFt), RUNTIME_CLASS(CGVerInLocusFixedf), RUNTIME_CLASS(CGVerInBorderFt),
                    RUNTIME_CLASS(CGVerInPaths), RUNTIME_CLASS(CGVerInBorder), RUNTIME_CLASS(CGVerInCircleRot),
                    RUNTIME_CLASS(CGVerInCircleScale)});
}

void OnMeasurePt(CKavrelDoc& doc) {
  const char* label = kCmdNamePointValue;
  switch (SelectedReading()) {
    case Reading::kNone:
      return;
    case Reading::kParameter:
      BuildOne<CGTmVarPara>(doc, label, g_pCurPage->m_selPoints[0]);
      return;
    case Reading::kAlongLine:
      BuildOne<CGTmVarParaPInL>(doc, label, g_pCurPage->m_selPoints[0], g_pCurPage->m_selLines[0]);
      return;
    case Reading::kRoundCircle:
      BuildOne<CGTmVarParaPInY>(doc, label, g_pCurPage->m_selPoints[0], g_pCurPage->m_selPaths[0]);
      return;
  }
}

bool IsDraggablePathPoint(const CGCell& point) {
  return point.IsKindOf(RUNTIME_CLASS(CGVerFree)) && !MovesInSpace(point);
}

bool MovesInSpace(const CGCell& point) {
  return point.IsKindOf(RUNTIME_CLASS(CGVerFreeXyz)) || point.IsKindOf(RUNTIME_CLASS(CGVerFreeHenchman)) ||
         point.IsKindOf(RUNTIME_CLASS(CGVerFree2dHenchman)) || point.IsKindOf(RUNTIME_CLASS(CGVerFreeUpright)) ||
         point.IsKindOf(RUNTIME_CLASS(CGVerFreeInFace)) || point.IsKindOf(RUNTIME_CLASS(CGVerFreeInPlane));
}
