#include "editing/intersectioncommands.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "cells/constructed/circleplane.h"
#include "cells/constructed/intersections.h"
#include "cells/constructed/numeric/curvesolvers.h"
#include "cells/constructed/numeric/numericintersections.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/primitives/cgarc.h"
#include "cells/texts/inkmarks.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "editing/dialogs/inputdialogs.h"
#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/dialogprovider.h"
#include "platform/notifier.h"

namespace {
bool Is(WORD id, const CRuntimeClass* kind) {
  const CGCell* cell = g_pCurPage->m_cells.Lookup(id);
  return cell && cell->IsKindOf(kind);
}
bool IsCircle(WORD id) { return Is(id, RUNTIME_CLASS(CGArc)); }

// The numeric solvers: the number of roots when root k exists (written to
// out), else 0.
using Solver = int (*)(WORD, WORD, int, float[3]);

// One intersection kind: the cells it makes (root 0, 1, ...) and its name.
// A numeric kind asks its solver, with its two parents in order, how many
// roots there are now, and the user how many points to make.
struct CIntersectionKind {
  int count = 0;
  const char* label = nullptr;
  std::function<CGCell*(const CNewPoint& p, BYTE root)> make;
  Solver solver = nullptr;
  WORD first = 0, second = 0;

  bool Found() const { return count > 0 || solver; }
};

template <class Cell>
CIntersectionKind Numeric(const char* label, Solver solver, WORD first, WORD second) {
  return {0, label,
          [first, second](const CNewPoint& p, BYTE root) {
            return new Cell(p.id, p.slot, p.name, root, first, second);
          },
          solver, first, second};
}

// Paths in the order their pairs put them as parents.
enum PathRank { kRankCircle, kRankCurve, kRankLocus, kRankOther };
PathRank RankOf(WORD id) {
  if (IsCircle(id)) return kRankCircle;
  if (Is(id, RUNTIME_CLASS(CGCurve))) return kRankCurve;
  if (Is(id, RUNTIME_CLASS(CGLocus))) return kRankLocus;
  return kRankOther;
}

// A line and a circle, curve or locus.
CIntersectionKind LineAndPath(WORD line, WORD path) {
  switch (RankOf(path)) {
    case kRankCircle:
      return {2, kCmdNameIntersectLS, [line, path](const CNewPoint& p, BYTE root) {
                return new CGVerIntersectionLS(p.id, p.slot, p.name, root, line, path);
              }};
    case kRankCurve:
      return Numeric<CGVerIntersectionLQ>(kCmdNameIntersectLQ, IntersectLineCurve, line, path);
    case kRankLocus:
      return Numeric<CGVerIntersectionLG>(kCmdNameIntersectLG, IntersectLineLocus, line, path);
    default:
      return {};
  }
}

// Two paths: a mixed pair takes the parents in rank order, a like pair in
// selection order.
CIntersectionKind TwoPaths(WORD a, WORD b) {
  PathRank ra = RankOf(a), rb = RankOf(b);
  if (ra == kRankOther || rb == kRankOther) return {};
  if (rb < ra) {
    std::swap(a, b);
    std::swap(ra, rb);
  }
  switch (ra * 3 + rb) {
    case kRankCircle * 3 + kRankCircle:
      return {2, kCmdNameIntersectSS, [a, b](const CNewPoint& p, BYTE root) {
                return new CGVerIntersectionSS(p.id, p.slot, p.name, root, a, b);
              }};
    case kRankCircle * 3 + kRankCurve:
      return Numeric<CGVerIntersectionCQ>(kCmdNameIntersectCQ, IntersectCircleCurve, a, b);
    case kRankCircle * 3 + kRankLocus:
      return Numeric<CGVerIntersectionCG>(kCmdNameIntersectCG, IntersectCircleLocus, a, b);
    case kRankCurve * 3 + kRankCurve:
      return Numeric<CGVerIntersectionQQ>(kCmdNameIntersectQQ, IntersectCurveCurve, a, b);
    case kRankLocus * 3 + kRankLocus:
      return Numeric<CGVerIntersectionGG>(kCmdNameIntersectGG, IntersectLocusLocus, a, b);
    default:  // curve and locus
      return Numeric<CGVerIntersectionQG>(kCmdNameIntersectQG, IntersectCurveLocus, a, b);
  }
}

// The first rule that fits the selection; none: nothing Found().
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
  if (n.L + n.F == 1 && n.A == 1) {
    if (n.L == 1) return LineAndPath(lines[0], paths[0]);
    if (!IsCircle(paths[0])) return {};
    return {2, kCmdNameIntersectCF, [circle = paths[0], face = faces[0]](const CNewPoint& p, BYTE root) {
              return new CGVerIntersectionCF(p.id, p.slot, p.name, root, circle, face);
            }};
  }
  if (n.A == 2) return TwoPaths(paths[0], paths[1]);
  return {};
}

// How many points of a numeric kind to make: the count found now, offered
// for the user to confirm or change; 0 on Cancel.
int ChosenRootCount(const CIntersectionKind& kind) {
  float at[3];
  CDlgIntersectionNum dialog;
  dialog.m_nCount = kind.solver(kind.first, kind.second, 0, at);
  if (DialogProvider().DoModal(dialog) != IDOK || dialog.m_nCount <= 0) return 0;
  return std::min(dialog.m_nCount, CDlgIntersectionNum::kMaxCount);
}

const CDocCommandRows rows({
    {ID_CREATE_POINT_INTER, OnCreatePointInter, OnUpdateCreatePointInter},
});
}  // namespace

void OnCreatePointInter(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  const CIntersectionKind kind = ChooseKind();
  if (!kind.Found()) return;
  // The analytic kinds make room for two points whatever their count.
  int count = kind.count;
  if (kind.solver && !AllOnPage({kind.first, kind.second})) return;
  if (kind.solver && (count = ChosenRootCount(kind)) == 0) return;
  if (kind.solver) KeepCountedRoots(kind.first, kind.second);
  CConstruction build(doc);
  if (!build.MakeRoom(count, std::max(count, 2), CConstruction::kGrowBy100)) return;
  for (int root = 0; root < count; ++root) build.Add(kind.make(build.NextPoint(), static_cast<BYTE>(root)));
  build.Commit(QString::fromUtf8(kind.label), kind.solver != nullptr);
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
