#include "editing/dispatch/selectionbuilds.h"

#include <vector>

#include "cells/constrained/follower.h"
#include "cells/constrained/linepoints.h"
#include "cells/constructed/coordinatespoint.h"
#include "cells/constructed/mirrors.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/solids/faceoverlap.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/dispatch/dispatchtexts.h"
#include "editing/dispatch/selectionshape.h"
#include "math/toolplacement.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/crtrandom.h"
#include "platform/dialogprovider.h"
#include "platform/notifier.h"

namespace {
const CGVertex* PointOf(WORD id) { return dynamic_cast<const CGVertex*>(g_pCurPage->m_cells.Lookup(id)); }

// One point of class T on the next id and slot, named `name` (empty: the
// automatic name), recorded as the single-cell step `label`.
template <class T, class... Args>
bool BuildPoint(CKavrelDoc& doc, const char* label, const QString& name, Args... args) {
  CConstruction build(doc);
  if (!build.MakeRoom(1, 1, CConstruction::kGrowBy100)) return false;
  const CNewPoint p = build.NextPoint(name);
  build.Add(new T(p.id, p.slot, p.name, args...));
  build.Commit(QString::fromUtf8(label));
  return true;
}

// The selected face `k` when it is one of the page's with three corners.
const CGFace* SelectedFace(size_t k) {
  const std::vector<WORD>& faces = g_pCurPage->m_selFaces;
  const auto* face = k < faces.size() ? dynamic_cast<const CGFace*>(g_pCurPage->m_cells.Lookup(faces[k])) : nullptr;
  return face && face->m_parents.size() >= 3 ? face : nullptr;
}

bool LiesLevel(const CGFace& face) {
  const CGVertex* a = PointOf(face.m_parents[0]);
  const CGVertex* b = PointOf(face.m_parents[1]);
  const CGVertex* c = PointOf(face.m_parents[2]);
  return a && b && c && IsLevel(a->m_vPos, b->m_vPos, c->m_vPos);
}
}  // namespace

bool BuildFollowerPoint(CKavrelDoc& doc, const CSelectionShape&) {
  const CGVertex* leader = PointOf(g_pCurPage->m_selPoints.front());
  if (!leader) return false;
  int r[4];
  for (int& k : r) k = KvRand();
  float d[3];
  ScatterOffset(r, d);
  const float* at = leader->m_vPos;
  return BuildPoint<CGVerFreeHenchman>(doc, kCmdNameFollowerPoint, {}, at[0] + d[0], at[1] + d[1], at[2] + d[2],
                                       leader->m_nId);
}

bool BuildMirrorPoint(CKavrelDoc& doc, const CSelectionShape& s) {
  const CGPage& page = *g_pCurPage;
  const CGVertex* point = PointOf(page.m_selPoints.front());
  if (!point) return false;
  const QString name = point->m_strName + QLatin1Char('\'');
  const WORD p = point->m_nId;
  if (s.P == 2) return BuildPoint<CGVerSymmetryP>(doc, kCmdNameMirrorPoint, name, p, page.m_selPoints[1]);
  if (s.L == 1) return BuildPoint<CGVerSymmetryL>(doc, kCmdNameMirrorPoint, name, p, page.m_selLines[0]);
  return BuildPoint<CGVerSymmetryF>(doc, kCmdNameMirrorPoint, name, p, page.m_selFaces[0]);
}

bool BuildValuePoint(CKavrelDoc& doc, const CSelectionShape& s) {
  const std::vector<WORD>& values = g_pCurPage->m_selValues;
  const int v = s.V;
  return BuildPoint<CGVerCoordinates>(doc, kCmdNameValuePoint, {}, values, 1, v >= 2 ? 2 : 0, v == 3 ? 3 : 0, 0.0f,
                                      0.0f, 0.0f);
}

bool BuildLevelSegment(CKavrelDoc& doc, const CSelectionShape&) {
  const WORD from = g_pCurPage->m_selPoints.front();
  CConstruction build(doc);
  if (!PointOf(from) || !build.MakeRoom(2, 1, CConstruction::kGrowBy100)) return true;
  const CNewPoint p = build.NextPoint();
  build.Add(new CGVerFreeParVector(p.id, p.slot, p.name, 1.0f, 0.0f, 0.0f, from));
  build.Add(new CGLine(build.NextId(), from, p.id, kLineSegment));
  build.Commit(QString::fromUtf8(kCmdNameLevelSegment));
  return true;
}

bool TwoLevelFaces(const CSelectionShape& s) {
  if (s.F != 2) return false;
  const CGFace* a = SelectedFace(0);
  const CGFace* b = SelectedFace(1);
  return a && b && LiesLevel(*a) && LiesLevel(*b);
}

bool BuildOverlapFace(CKavrelDoc& doc, const CSelectionShape&) {
  const CGFace* faceA = SelectedFace(0);
  const CGFace* faceB = SelectedFace(1);
  if (!faceA || !faceB) return false;
  const int sum = static_cast<int>(faceA->m_parents.size() + faceB->m_parents.size());
  CDlgNumber dialog;
  dialog.m_nCount = sum;
  if (DialogProvider().DoModal(dialog) != IDOK) {
    if (const DocCommandHandler fill = FindDocCommand(ID_VIEW_FILL)) fill(doc);
    return true;
  }
  const int n = dialog.m_nCount;
  if (n < 3 || n > sum) {
    KvMessageBox(QString::fromUtf8(kTextOverlapCount));
    return false;
  }
  if (n > CDlgNumber::kMaxCount) return false;  // beyond what the dialog lets through
  CConstruction build(doc);
  if (!build.MakeRoom(n + 1, n)) return false;
  const WORD a = faceA->m_nId, b = faceB->m_nId;
  std::vector<WORD> corners;
  corners.reserve(static_cast<size_t>(n));
  const CNewPoint first = build.NextPoint(QStringLiteral("1"));
  corners.push_back(build.Add(new CGVerOverlayFaceFirst(first.id, first.slot, first.name, a, b))->m_nId);
  for (int i = 1; i < n; ++i) {
    const CNewPoint p = build.NextPoint(QString::number(i + 1));
    corners.push_back(build.Add(new CGVerFIF(p.id, p.slot, p.name, first.id, i))->m_nId);
  }
  build.Add(new CGFace(build.NextId(), corners, NextAutoColor()))->m_nStyle = 1;
  build.Commit(QString::fromUtf8(kCmdNameOverlapFace));
  return true;
}
