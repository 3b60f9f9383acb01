#include "commands/intersectioncommands.h"

#include <functional>

#include "cells/constructed/circleplane.h"
#include "cells/constructed/intersections.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/primitives/cgarc.h"
#include "cells/texts/inkmarks.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
bool Is(WORD id, const CRuntimeClass* kind) {
  const CGCell* cell = g_pCurPage->m_cells.Lookup(id);
  return cell && cell->IsKindOf(kind);
}
bool IsCircle(WORD id) { return Is(id, RUNTIME_CLASS(CGArc)); }

// One intersection kind: the cells it makes (root 0, 1, ...) and its name.
struct CIntersectionKind {
  int count = 0;
  const char* label = nullptr;
  std::function<CGCell*(const CNewPoint& p, BYTE root)> make;
};

// The first rule that fits the selection; none: count 0.
CIntersectionKind ChooseKind() {
  const CGPage& page = *g_pCurPage;
  const CSelectionCounts n = CountSelection();
  const std::vector<WORD>& lines = page.m_selLines;
  const std::vector<WORD>& faces = page.m_selFaces;
  const std::vector<WORD>& paths = page.m_selPaths;
  if (n.L == 2) {
    return {1, kCmdNameIntersectLL, [a = lines[0], b = lines[1]](const CNewPoint& p, BYTE) {
              return new CGVerIntersection(p.id, p.slot, p.name, a, b);
            }};
  }
  if (n.L == 1 && n.F == 1) {
    return {1, kCmdNameIntersectLF, [line = lines[0], face = faces[0]](const CNewPoint& p, BYTE) {
              return new CGVerIntersectionLF(p.id, p.slot, p.name, line, face);
            }};
  }
  if (n.L + n.F == 1 && n.A == 1 && IsCircle(paths[0])) {
    const WORD circle = paths[0];
    if (n.F == 1) {
      return {2, kCmdNameIntersectCF, [circle, face = faces[0]](const CNewPoint& p, BYTE root) {
                return new CGVerIntersectionCF(p.id, p.slot, p.name, root, circle, face);
              }};
    }
    return {2, kCmdNameIntersectLS, [line = lines[0], circle](const CNewPoint& p, BYTE root) {
              return new CGVerIntersectionLS(p.id, p.slot, p.name, root, line, circle);
            }};
  }
  if (n.A == 2 && IsCircle(paths[0]) && IsCircle(paths[1])) {
    return {2, kCmdNameIntersectSS, [a = paths[0], b = paths[1]](const CNewPoint& p, BYTE root) {
              return new CGVerIntersectionSS(p.id, p.slot, p.name, root, a, b);
            }};
  }
  return {};
}

const CDocCommandRows rows({
    {ID_CREATE_POINT_INTER, OnCreatePointInter, OnUpdateCreatePointInter},
});
}  // namespace

void OnCreatePointInter(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  const CIntersectionKind kind = ChooseKind();
  if (kind.count == 0) return;
  CConstruction build(doc);
  // Room for two points whatever the kind, the array growing by 100.
  if (!build.MakeRoom(kind.count, 2, CConstruction::kGrowBy100)) return;
  for (int root = 0; root < kind.count; ++root) build.Add(kind.make(build.NextPoint(), static_cast<BYTE>(root)));
  build.Commit(QString::fromUtf8(kind.label));
}

void OnUpdateCreatePointInter(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  bool enabled = n.L == 2 || (n.L == 1 && n.F == 1);
  if (!enabled && g_pCurPage) {
    const std::vector<WORD>& paths = g_pCurPage->m_selPaths;
    const auto isPath = [](WORD id) {
      return IsCircle(id) || Is(id, RUNTIME_CLASS(CGCurve)) || Is(id, RUNTIME_CLASS(CGLocus));
    };
    if (n.L == 1 && n.A == 1)
      enabled = isPath(paths[0]);
    else if (n.F == 1 && n.A == 1)
      enabled = IsCircle(paths[0]);
    else if (n.A == 2)
      enabled = !Is(paths[0], RUNTIME_CLASS(CGInkmarks)) && !Is(paths[1], RUNTIME_CLASS(CGInkmarks));
  }
  ui.Enable(enabled);
}
