// Freezing the selected dependent points, circles and round solids: each is
// replaced by a fixed cell of its id, look and place that has no parents, so
// dragging what it was built from leaves it where it is.  Undo gives the
// construction back.
#include <QString>
#include <algorithm>
#include <memory>

#include "cells/primitives/cgarc.h"
#include "cells/revolution/roundsolids.h"
#include "editing/restructure/restructure.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "render/viewglobals.h"
#include "model/undo/cmdedits.h"
#include "model/undo/cmdtexts.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/uibridge.h"

namespace {
template <class T>
void CopyN(const T* from, T* to, int n) {
  std::copy(from, from + n, to);
}

std::unique_ptr<CGCell> FixedPoint(const CGVertex& point) {
  auto fixed = std::make_unique<CGVertex>();
  *fixed = point;
  fixed->m_nId = point.m_nId;
  fixed->m_rgbaColor = g_prefs.rgbaFixedPoint;
  CopyN(point.m_vPos, fixed->m_vPos, 3);
  fixed->VertexIndex = point.VertexIndex;
  CopyN(point.m_vLabelOffset, fixed->m_vLabelOffset, 3);
  return fixed;
}

// Built field by field rather than with the positioning constructor, which
// would draw a fresh circle name and so shift the names of later circles.
std::unique_ptr<CGCell> FixedArc(const CGArc& arc) {
  auto fixed = std::make_unique<CGArc>();
  *fixed = arc;
  fixed->m_nId = arc.m_nId;
  fixed->m_nSubKind = arc.m_nSubKind;
  CopyN(arc.Center, fixed->Center, 3);
  CopyN(arc.AxisU, fixed->AxisU, 3);
  CopyN(arc.AxisV, fixed->AxisV, 3);
  fixed->StartAngle = arc.StartAngle;
  fixed->EndAngle = arc.EndAngle;
  fixed->Radius = arc.Radius;
  fixed->LabelAngle = arc.LabelAngle;
  CopyN(arc.LabelOffset, fixed->LabelOffset, 3);
  fixed->NormalizeAngles();
  return fixed;
}

template <class T>
std::unique_ptr<CGCell> FixedAxial(const T& solid) {
  std::unique_ptr<T> fixed(new T(solid.m_nId, solid.BaseCenter[0], solid.BaseCenter[1], solid.BaseCenter[2],
                                 solid.Radius, solid.Height, solid.Axis[0], solid.Axis[1], solid.Axis[2]));
  *fixed = solid;
  return fixed;
}

std::unique_ptr<CGCell> FixedSolid(const CGCell& cell) {
  if (cell.IsKindOf(RUNTIME_CLASS(CGSphere))) {
    const auto& s = static_cast<const CGSphere&>(cell);
    auto fixed = std::make_unique<CGSphere>(s.m_nId, s.Center[0], s.Center[1], s.Center[2], s.Radius,
                                            s.PoleVector[0], s.PoleVector[1], s.PoleVector[2]);
    *fixed = s;
    return fixed;
  }
  if (cell.IsKindOf(RUNTIME_CLASS(CGFrustum))) {
    const auto& s = static_cast<const CGFrustum&>(cell);
    auto fixed = std::make_unique<CGFrustum>(s.m_nId, s.BaseCenter[0], s.BaseCenter[1], s.BaseCenter[2], s.Radius,
                                             s.Height, s.Axis[0], s.Axis[1], s.Axis[2], s.TopRatio);
    *fixed = s;
    return fixed;
  }
  if (cell.IsKindOf(RUNTIME_CLASS(CGCylinder))) return FixedAxial(static_cast<const CGCylinder&>(cell));
  if (cell.IsKindOf(RUNTIME_CLASS(CGCone))) return FixedAxial(static_cast<const CGCone&>(cell));
  return nullptr;  // tracks and surfaces are left as they are
}

void OnEditSplit(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || !FitsSplit(*page)) return;
  auto command = std::make_unique<CCmdSplit>(QString::fromUtf8(kCmdNameSplit));
  int made = 0;
  auto add = [&](std::unique_ptr<CGCell> fixed) {
    if (!fixed) return;
    command->Add(std::move(fixed));
    ++made;
  };
  const CCellMap& cells = page->m_cells;
  for (WORD id : page->m_selPoints)
    if (const CGCell* c = cells.Lookup(id); c && c->IsKindOf(RUNTIME_CLASS(CGVertex)))
      add(FixedPoint(static_cast<const CGVertex&>(*c)));
  for (WORD id : page->m_selPaths)
    if (const CGCell* c = cells.Lookup(id); c && c->IsKindOf(RUNTIME_CLASS(CGArc)))
      add(FixedArc(static_cast<const CGArc&>(*c)));
  for (WORD id : page->m_selSolids)
    if (const CGCell* c = cells.Lookup(id)) add(FixedSolid(*c));
  if (made == 0) return;
  CCmdSplit* split = command.get();
  page->m_undo.Submit(std::move(command));
  split->Redo();
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}

void OnUpdateSplit(CKavrelDoc&, CCmdUI& ui) { ui.Enable(g_pCurPage && FitsSplit(*g_pCurPage)); }

const CDocCommandRows rows({
    {ID_EDIT_SPLIT, OnEditSplit, OnUpdateSplit},
});
}  // namespace

bool FitsSplit(const CGPage& page) {
  return !page.m_selPoints.empty() || !page.m_selPaths.empty() || !page.m_selSolids.empty();
}
