// Perpendicular and parallel lines through selected points, common
// perpendiculars, projections and the faces parallel to a face or across a
// line.  A line's defining points are its first two parents, a face's its
// parents in order.
#include "commands/perpendicularcommands.h"

#include "cells/constrained/dependentpoints.h"
#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/commonperpen.h"
#include "cells/constructed/extendedfeet.h"
#include "cells/constructed/mirrors.h"
#include "cells/constructed/translations.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/perpendicularfeet.h"
#include "commands/commandframe.h"
#include "commands/commandglobals.h"
#include "commands/commandtexts.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
// Below this squared distance the foot and B are taken as one point, and
// the square is turned about A instead.
constexpr float kCoincidentSquared = 0.1f;

const std::vector<WORD>& Parents(WORD id) { return g_pCurPage->m_cells.Lookup(id)->m_parents; }

// The feet of `points` on the line (two defining points) or the face (three),
// each followed by a line from its point when `lineKind` is given.
struct CFeet {
  std::vector<WORD> points;
  std::vector<WORD> onto;  // the line's or face's defining points
};

void BuildPerpendiculars(CKavrelDoc& doc, const std::vector<CFeet>& groups, BYTE lineKind, bool parallel,
                         const char* label) {
  size_t count = 0;
  for (const CFeet& g : groups) count += g.points.size();
  CConstruction build(doc);
  if (!build.MakeRoom(static_cast<int>(2 * count), static_cast<int>(count))) return;
  for (const CFeet& g : groups) {
    const std::vector<WORD>& d = g.onto;
    for (WORD x : g.points) {
      const CNewPoint n = build.NextPoint();
      if (parallel)
        build.Add(new CGVerFreeParVecPP(n.id, n.slot, n.name, x, d[0], d[1]));
      else if (d.size() == 2)
        build.Add(new CGVerFootplEx(n.id, n.slot, n.name, x, d[0], d[1]));
      else
        build.Add(new CGVerFootpfEx(n.id, n.slot, n.name, x, d[0], d[1], d[2]));
      build.Add(new CGLine(build.NextId(), x, n.id, lineKind));
    }
  }
  build.Commit(QString::fromUtf8(label));
}

std::vector<WORD> LineEnds(WORD line) {
  const std::vector<WORD>& p = Parents(line);
  return {p[0], p[1]};
}

std::vector<WORD> FaceCorners(WORD face) {
  const std::vector<WORD>& p = Parents(face);
  return {p[0], p[1], p[2]};
}

// One group per line or face for a single point, else one group of all the
// points for the one line or face.
std::vector<CFeet> FeetGroups(const std::vector<WORD>& points, const std::vector<WORD>& targets,
                              std::vector<WORD> (*ends)(WORD)) {
  std::vector<CFeet> groups;
  if (points.size() == 1)
    for (WORD t : targets) groups.push_back({points, ends(t)});
  else
    groups.push_back({points, ends(targets[0])});
  return groups;
}

void OnCreateLinePerpendicular(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  const CGPage& page = *g_pCurPage;
  const CSelectionCounts n = CountSelection();
  const BYTE kind = static_cast<BYTE>(g_nLineType);
  std::vector<CFeet> groups;
  if (n.P == 1 && n.L > 0)
    groups = FeetGroups(page.m_selPoints, page.m_selLines, LineEnds);
  else if (n.P == 1 && n.F > 0)
    groups = FeetGroups(page.m_selPoints, page.m_selFaces, FaceCorners);
  else if (n.P > 1 && n.L == 1)
    groups = FeetGroups(page.m_selPoints, page.m_selLines, LineEnds);
  else if (n.P > 1 && n.F == 1)
    groups = FeetGroups(page.m_selPoints, page.m_selFaces, FaceCorners);
  else if (n.P == 3 && n.L == 0 && n.F == 0)
    groups.push_back({{page.m_selPoints[0]}, {page.m_selPoints[1], page.m_selPoints[2]}});
  else
    return;
  BuildPerpendiculars(doc, groups, kind, false, kCmdNamePerpendiculars);
}

void OnUpdateCreateLinePerpendicular(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  ui.Enable((n.P == 1 && (n.L > 0 || n.F > 0)) || (n.P > 1 && (n.L == 1 || n.F == 1)) ||
            (n.P == 3 && n.L == 0 && n.F == 0));
}

bool ParallelCase(const CSelectionCounts& n) { return (n.P == 1 && n.L > 0) || (n.P > 1 && n.L == 1); }

void OnCreateLineParallel(CKavrelDoc& doc) {
  if (!ParallelCase(CountSelection())) return;
  const CGPage& page = *g_pCurPage;
  // Always full lines: a parallel has no natural end.
  BuildPerpendiculars(doc, FeetGroups(page.m_selPoints, page.m_selLines, LineEnds), kLineFull, true,
                      kCmdNameParallels);
}

void OnUpdateCreateLineParallel(CKavrelDoc&, CCmdUI& ui) { ui.Enable(ParallelCase(CountSelection())); }

void OnCreateLineCommon(CKavrelDoc& doc) {
  if (CountSelection().L != 2) return;
  const WORD l1 = g_pCurPage->m_selLines[0], l2 = g_pCurPage->m_selLines[1];
  CConstruction build(doc);
  if (!build.MakeRoom(3, 2, CConstruction::kGrowBy100)) return;
  const CNewPoint a = build.NextPoint();
  build.Add(new CGVerCommonperpen(a.id, a.slot, a.name, l1, l2));
  const CNewPoint b = build.NextPoint();
  build.Add(new CGVerCommonperpen(b.id, b.slot, b.name, l2, l1));
  build.Add(new CGLine(build.NextId(), a.id, b.id, kLineSegment));
  build.Commit(QString::fromUtf8(kCmdNameCommonPerpendicular));
}

void OnUpdateCreateLineCommon(CKavrelDoc&, CCmdUI& ui) { ui.Enable(CountSelection().L == 2); }

bool CanProject(const CSelectionCounts& n) { return n.P > 0 && (n.L > 0 || n.F > 0); }

void OnCreatePointTouying(CKavrelDoc& doc) {
  const CSelectionCounts n = CountSelection();
  if (!CanProject(n)) return;
  const CGPage& page = *g_pCurPage;
  const int count = (n.L + n.F) * n.P;
  CConstruction build(doc);
  if (!build.MakeRoom(count, count)) return;
  for (WORD x : page.m_selPoints) {
    for (WORD line : page.m_selLines) {
      const std::vector<WORD> d = LineEnds(line);
      const CNewPoint f = build.NextPoint();
      build.Add(new CGVerFootpl(f.id, f.slot, f.name, x, d[0], d[1]));
    }
    for (WORD face : page.m_selFaces) {
      const std::vector<WORD> d = FaceCorners(face);
      const CNewPoint f = build.NextPoint();
      build.Add(new CGVerFootpf(f.id, f.slot, f.name, x, d[0], d[1], d[2]));
    }
  }
  build.Commit(QString::fromUtf8(kCmdNameProjections));
}

void OnUpdateCreatePointTouying(CKavrelDoc&, CCmdUI& ui) { ui.Enable(CanProject(CountSelection())); }

// The closed chain of segments through `corners`, then the face on them.
void AddClosedFace(CConstruction& build, const std::vector<WORD>& corners) {
  for (size_t i = 0; i < corners.size(); ++i)
    build.Add(new CGLine(build.NextId(), corners[i], corners[(i + 1) % corners.size()], kLineSegment));
  build.Add(new CGFace(build.NextId(), corners, NextAutoColor()));
}

void OnCreateFaceParface(CKavrelDoc& doc) {
  const CSelectionCounts n = CountSelection();
  if (n.P != 1 || n.F != 1) return;
  const WORD through = g_pCurPage->m_selPoints[0];
  const std::vector<WORD> v = Parents(g_pCurPage->m_selFaces[0]);
  const int corners = static_cast<int>(v.size());
  CConstruction build(doc);
  if (!build.MakeRoom(2 * corners, corners)) return;
  std::vector<WORD> w{through};
  for (size_t i = 1; i < v.size(); ++i) {
    const CNewPoint p = build.NextPoint();
    build.Add(new CGVerTranslate(p.id, p.slot, p.name, v[i], v[0], through));
    build.Add(new CGLine(build.NextId(), w.back(), p.id, kLineSegment));
    w.push_back(p.id);
  }
  build.Add(new CGLine(build.NextId(), w.back(), w.front(), kLineSegment));
  build.Add(new CGFace(build.NextId(), w, NextAutoColor()));
  build.Commit(QString::fromUtf8(kCmdNameParallelFace));
}

void OnUpdateCreateFaceParface(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  ui.Enable(n.P == 1 && n.F == 1);
}

float SquaredDistance(const CGVertex& p, const CGVertex& q) {
  float sum = 0;
  for (int k = 0; k < 3; ++k) sum += (p.m_vPos[k] - q.m_vPos[k]) * (p.m_vPos[k] - q.m_vPos[k]);
  return sum;
}

void OnUpdateCreateFacePerline(CKavrelDoc&, CCmdUI& ui) { ui.Enable(CountSelection().L == 1); }

const CDocCommandRows rows({
    {ID_CREATE_LINE_PERPENDICULAR, OnCreateLinePerpendicular, OnUpdateCreateLinePerpendicular},
    {ID_CREATE_LINE_PARALLEL, OnCreateLineParallel, OnUpdateCreateLineParallel},
    {ID_CREATE_LINE_COMMON, OnCreateLineCommon, OnUpdateCreateLineCommon},
    {ID_CREATE_POINT_TOUYING, OnCreatePointTouying, OnUpdateCreatePointTouying},
    {ID_CREATE_FACE_PARFACE, OnCreateFaceParface, OnUpdateCreateFaceParface},
    {ID_CREATE_FACE_PERLINE, OnCreateFacePerline, OnUpdateCreateFacePerline},
});
}  // namespace

void OnCreateFacePerline(CKavrelDoc& doc) {
  if (!g_pCurPage || g_pCurPage->m_selLines.empty()) return;  // the rule counts lines; a direct call may not
  CGPage& page = *g_pCurPage;
  const std::vector<WORD> ab = LineEnds(page.m_selLines[0]);
  const WORD a = ab[0], b = ab[1];
  CConstruction build(doc);
  if (!build.MakeRoom(9, 4, CConstruction::kGrowBy100)) return;
  const auto mirror = [&build](WORD point, WORD centre) {
    const CNewPoint m = build.NextPoint();
    return build.Add(new CGVerSymmetryP(m.id, m.slot, m.name, point, centre))->m_nId;
  };
  std::vector<WORD> square;
  if (!page.m_selPoints.empty()) {
    // The square through P about its foot O, in the plane across the line.
    const WORD p = page.m_selPoints[0];
    const CNewPoint o = build.NextPoint(QStringLiteral("O"));
    auto* foot = build.Add(new CGVerFootpl(o.id, o.slot, o.name, p, a, b));
    foot->m_bHidden = TRUE;
    const WORD pMirrored = mirror(p, o.id);
    const auto* bPoint = dynamic_cast<const CGVertex*>(page.m_cells.Lookup(b));
    const WORD away = bPoint && SquaredDistance(*foot, *bPoint) > kCoincidentSquared ? b : a;
    const CNewPoint q = build.NextPoint();
    build.Add(new CGVerPerpenEquid(q.id, q.slot, q.name, o.id, p, away));
    square = {p, q.id, pMirrored, mirror(q.id, o.id)};
  } else {
    // Without a point: a square about A whose corner Q can be dragged.
    const CNewPoint q = build.NextPoint();
    build.Add(new CGVerFreeUpright(q.id, q.slot, q.name, a, b));
    const WORD qMirrored = mirror(q.id, a);
    const CNewPoint r = build.NextPoint();
    build.Add(new CGVerPerpenEquid(r.id, r.slot, r.name, a, q.id, b));
    square = {q.id, r.id, qMirrored, mirror(r.id, a)};
  }
  AddClosedFace(build, square);
  build.Commit(QString::fromUtf8(kCmdNamePerpendicularFace));
}
