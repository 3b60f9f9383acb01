#include "editing/pathpointcommands.h"

#include <functional>
#include <optional>
#include <vector>

#include "cells/constructed/circlepoints.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/constructed/paths/combinedpaths.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "cells/dynamic/paths/curve.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgline.h"
#include "cells/texts/cgtextmap.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "editing/dialogs/inputdialogs.h"
#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/crtrandom.h"
#include "platform/dialogprovider.h"
#include "platform/notifier.h"

namespace {
// A composite path has at least two pieces and at most this many.
constexpr int kMaxPieces = 32;
// Degrees to radians, as the angle dialog's answers have always been read.
constexpr float kDegree = 0.017453292f;
// The angle dialog opens at a right angle, in degrees.
constexpr float kOfferedAngle = 90.0f;

bool IsKind(WORD id, const CRuntimeClass* kind) {
  const CGCell* cell = g_pCurPage->m_cells.Lookup(id);
  return cell && cell->IsKindOf(kind);
}

// Whether every listed id names a cell of the page (a handler called
// directly may see a stale list).
bool AllListedOnPage(const std::vector<WORD>& ids) {
  for (WORD id : ids)
    if (!g_pCurPage->m_cells.Lookup(id)) return false;
  return true;
}

// The kinds of path a point can follow, in the rows of kCmdNamePathPoints.
enum PathKind { kCircle, kCurve, kLocus, kLine, kBorder, kComposite, kNoPath };

PathKind KindOf(WORD id) {
  if (IsKind(id, RUNTIME_CLASS(CGArc))) return kCircle;
  if (IsKind(id, RUNTIME_CLASS(CGCurve))) return kCurve;
  if (IsKind(id, RUNTIME_CLASS(CGLocus))) return kLocus;
  if (IsKind(id, RUNTIME_CLASS(CGLine))) return kLine;
  return kNoPath;
}

// The lines, circles, curves and loci of the selection in selection
// order, and whether a curve or locus is among them.
struct CPathList {
  std::vector<WORD> pieces;
  bool curved = false;
};

CPathList SelectedPathList() {
  CPathList list;
  for (WORD id : g_pCurPage->m_selAll) {
    const PathKind kind = KindOf(id);
    if (kind == kNoPath) continue;
    list.pieces.push_back(id);
    list.curved = list.curved || kind == kCurve || kind == kLocus;
  }
  return list;
}

// Whether every selected path is a circle, curve or locus (no ink).
bool PathsAreCarriers() {
  for (WORD id : g_pCurPage->m_selPaths)
    if (KindOf(id) == kLine || KindOf(id) == kNoPath) return false;
  return true;
}

// The first selected scalar value (vectors carry no single number).
WORD FirstSelectedVariable() {
  for (WORD id : g_pCurPage->m_selValues)
    if (IsKind(id, RUNTIME_CLASS(CGTmVariable))) return id;
  return 0;
}

// The cells a carrier's point is made of, following a source or fixed.
struct CCarrierCells {
  CGCell* (*follow)(const CNewPoint&, WORD path, WORD source);
  CGCell* (*fixed)(const CNewPoint&, WORD path, float t);
};

template <class Following, class Fixed>
constexpr CCarrierCells Carrier() {
  return {[](const CNewPoint& p, WORD path, WORD source) -> CGCell* {
            return new Following(p.id, p.slot, p.name, path, source);
          },
          [](const CNewPoint& p, WORD path, float t) -> CGCell* { return new Fixed(p.id, p.slot, p.name, path, t); }};
}

// By PathKind, circle to line.
const CCarrierCells kCarriers[] = {
    Carrier<CGVerInCircleFt, CGVerInCircleFixedf>(),
    Carrier<CGVerInCurveFt, CGVerInCurveFixedf>(),
    Carrier<CGVerInLocusFt, CGVerInLocusFixedf>(),
    Carrier<CGVerInLineFt, CGVerInLineFixedf>(),
};

// The fixed parameter typed by the user; none on Cancel.
std::optional<float> AskValue() {
  CDlgValue dialog;
  if (DialogProvider().DoModal(dialog) != IDOK) return std::nullopt;
  return dialog.m_fValue;
}

// An angle, in degrees or radians as the user chose, in radians.
std::optional<float> AskAngle() {
  CDlgAngle dialog;
  dialog.m_fAngle = kOfferedAngle;
  dialog.m_nUnit = 0;
  if (DialogProvider().DoModal(dialog) != IDOK) return std::nullopt;
  return dialog.m_nUnit == 0 ? dialog.m_fAngle * kDegree : dialog.m_fAngle;
}

void Build(CKavrelDoc& doc, PathKind kind, bool following, const std::function<CGCell*(const CNewPoint&)>& make) {
  BuildOnePoint(doc, kCmdNamePathPoints[kind][following ? 0 : 1], make);
}

// One carrier: its point following the source, or at a typed parameter.
void OnOnePath(CKavrelDoc& doc, WORD path, WORD source) {
  const PathKind kind = KindOf(path);
  if (kind == kNoPath || !AllOnPage({path})) return;
  const CCarrierCells& cells = kCarriers[kind];
  if (source) return Build(doc, kind, true, [&](const CNewPoint& p) { return cells.follow(p, path, source); });
  const std::optional<float> t = kind == kCircle ? AskAngle() : AskValue();
  if (t) Build(doc, kind, false, [&](const CNewPoint& p) { return cells.fixed(p, path, *t); });
}

// Two to 32 pieces: a combined path of segments and arcs, else a compound
// one; following the source (the last parent, mode 1) or at a typed value.
void OnComposite(CKavrelDoc& doc, WORD source) {
  CPathList list = SelectedPathList();
  const int pieces = static_cast<int>(list.pieces.size());
  if (pieces < 2 || pieces > kMaxPieces) {
    KvMessageBox(QString::fromUtf8(kTextTwoTo32Pieces));
    return;
  }
  float t = 0;
  if (!source) {
    const std::optional<float> typed = AskValue();
    if (!typed) return;
    t = *typed;
  } else {
    list.pieces.push_back(source);
  }
  const BYTE mode = source ? 1 : 0;
  Build(doc, kComposite, source != 0, [&](const CNewPoint& p) -> CGCell* {
    if (list.curved) return new CGVerInBorder(p.id, p.slot, p.name, list.pieces, mode, t);
    return new CGVerInPaths(p.id, p.slot, p.name, list.pieces, mode, t);
  });
}

// A draggable point on the closed path through `pieces` (corners, or
// lines, circles, curves and loci), on its first piece between 20 % and
// 80 % of it.
void FreeOnBorder(CKavrelDoc& doc, const std::vector<WORD>& pieces) {
  if (pieces.empty() || !AllListedOnPage(pieces)) return;
  const float r = static_cast<float>(KvRand()) / KV_RAND_MAX;
  const float t = 0.2f + 0.6f * r;
  BuildOnePoint(doc, kCmdNameFreeOnPath,
                [&](const CNewPoint& p) { return new CGVerFreeInBorder(p.id, p.slot, p.name, pieces, t); });
}

// Selected points and paths alone (lines, circles, curves, loci).
void FreeOnSelectedPaths(CKavrelDoc& doc, const CSelectionCounts& n) {
  int pieces = n.L;
  for (WORD id : g_pCurPage->m_selPaths)
    if (KindOf(id) != kNoPath) ++pieces;
  if (pieces != n.T || n.T > kMaxPieces) {
    KvMessageBox(QString::fromUtf8(kTextOnlyTwoTo32Pieces));
    return;
  }
  const CPathList list = SelectedPathList();
  if (list.curved) {
    if (list.pieces.size() >= 2) FreeOnBorder(doc, list.pieces);
    return;
  }
  // The combined path takes the selected cells itself.
  if (pieces > 0)
    BuildOnePoint(doc, kCmdNameFreeOnPath, [](const CNewPoint& p) { return new CGVerFreeInPaths(p.id, p.slot, p.name); });
}

const CDocCommandRows rows({
    {ID_CREATE_POINT_INOBJ_FT, OnCreatePointInobjFt, OnUpdateCreatePointInobjFt},
    {ID_CREATE_POINT_PATH, OnCreatePointPath, OnUpdateCreatePointPath},
});
}  // namespace

void OnCreatePointInobjFt(CKavrelDoc& doc) {
  const CGPage* page = g_pCurPage;
  if (!page) return;
  const CSelectionCounts n = CountSelection();
  const int values = CountSelectedVariables();
  // The source; with more than three points the last one, the others
  // making the border.  The selection itself is never changed.
  std::vector<WORD> points = page->m_selPoints;
  WORD source = 0;
  if (values == 1) {
    source = FirstSelectedVariable();
  } else if (n.P == 1) {
    source = points[0];
  } else if (n.P > 3) {
    source = points.back();
    points.pop_back();
  } else if (values != 0 || n.P != 0) {
    KvMessageBox(QString::fromUtf8(kTextOneSource));
    return;
  }
  if (source && !AllOnPage({source})) return;
  if (n.L + n.A == 1) return OnOnePath(doc, n.A == 1 ? page->m_selPaths[0] : page->m_selLines[0], source);
  if ((n.P >= 4 && values == 0) || (n.P >= 3 && values == 1)) {
    if (!AllListedOnPage(points)) return;
    return Build(doc, kBorder, true, [&](const CNewPoint& p) {
      return new CGVerInBorderFt(p.id, p.slot, p.name, points, source);
    });
  }
  OnComposite(doc, source);
}

void OnUpdateCreatePointInobjFt(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  const int values = CountSelectedVariables();
  const int paths = n.L + n.A;
  bool enabled = false;
  if (n.T > 0 && n.T == n.A + n.L + n.P + values && PathsAreCarriers()) {
    if (values == 0)
      enabled = n.P == 0 || (n.P == 1 && paths >= 1) || (n.P >= 4 && paths == 0);
    else if (values == 1)
      enabled = (n.P >= 3 && paths == 0) || (n.P == 0 && paths >= 1);
  }
  ui.Enable(enabled);
}

void OnCreatePointPath(CKavrelDoc& doc) {
  const CGPage* page = g_pCurPage;
  if (!page) return;
  const CSelectionCounts n = CountSelection();
  if (n.F == 1) {
    const CGCell* face = page->m_cells.Lookup(page->m_selFaces[0]);
    if (face) FreeOnBorder(doc, face->m_parents);
  } else if (n.P < 3) {
    FreeOnSelectedPaths(doc, n);
  } else {
    FreeOnBorder(doc, page->m_selPoints);
  }
}

void OnUpdateCreatePointPath(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  ui.Enable(n.P > 2 || n.F == 1 || n.A + n.L > 1);
}
