#include "cells/solids/nets/cgsplit.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "cells/primitives/celldrawing.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/solids/nets/nettexts.h"
#include "cells/solids/planecut.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "platform/notifier.h"
#include "render/glfontlists.h"
#include "render/rasterposition.h"
#include "render/screenlayer.h"

IMPLEMENT_SERIAL(CGSplit, CGCell)

namespace {

// Made once, never freed: every cut without faces points into them.
const PolyhedronFace* const kShortPlanes = new PolyhedronFace[3]{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};
const PolyhedronFace* const kLongPlanes = new PolyhedronFace[CGSplit::kMostPlanes]{
    {-1, -1, -1, 2}, {1, 1, -1, 2}, {-1, 1, 1, 2}, {1, -1, 1, 2}, {2, 1, 0, 0},
    {1, 0, 2, 0},    {0, 2, 1, 0},  {4, -1, 0, 1}, {-1, 0, 4, 1}, {0, 4, -1, 1}};
constexpr int kShortTableRows = 3;

// The piece count and the selection order of the page's faces decide a
// cut's planes; its value steps are these.
constexpr double kResetBelow = 0.0001;
constexpr double kPastEnd = 0.1;
constexpr double kOneCutAhead = 0.1;
constexpr double kCutStart = 0.001;
constexpr double kHeldBack = 0.99;
constexpr double kCutDue = 0.00001;
constexpr float kStartValue = 0.001f;
constexpr float kOverlayAt[3] = {-2, 11, -50};

}  // namespace

CGSplit::CGSplit() { m_pPlanes = kShortPlanes; }

CGSplit::CGSplit(WORD id, WORD hullId, int planeCount, int planesFromFaces, double distance) : CGSplit() {
  m_nId = id;
  m_nPlanes = std::min(planeCount, kMostPlanes);
  m_bPlanesFromFaces = planesFromFaces;
  m_dDistance = distance;
  AppendParent(*this, hullId);
  if (const CGCell* hull = g_pCurPage ? g_pCurPage->m_cells.Lookup(hullId) : nullptr) m_rgbaColor = hull->m_rgbaColor;
  if (m_bPlanesFromFaces) {
    const std::vector<WORD> faces = g_pCurPage ? g_pCurPage->m_selFaces : std::vector<WORD>{};
    if (faces.empty()) {
      m_bPlanesFromFaces = 0;
    } else {
      m_nPlanes = std::min(m_nPlanes, static_cast<int>(faces.size()));
      for (int i = 0; i < m_nPlanes; ++i) AppendParent(*this, faces[static_cast<size_t>(i)]);
      m_facePlanes.assign(static_cast<size_t>(m_nPlanes), PolyhedronFace());
    }
  }
  CGSplit::Recalculate();
}

const PolyhedronFace* CGSplit::BuiltInPlanes(int planeCount) {
  return planeCount <= kShortTableRows ? kShortPlanes : kLongPlanes;
}

QString CGSplit::GetDescription() { return QString::fromUtf8(kTextSplitDescription); }

QString CGSplit::OverlayText() const {
  return QString::asprintf(kTextSplitOverlay, m_nCutsDone, m_nPiecesShown);
}

void CGSplit::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    // The value says how far the running cut has gone, which every
    // computation, a reopen's among them, starts again from 0: stored so.
    const float running = std::exchange(m_fValue, 0.0f);
    try {
      CGCell::Serialize(ar);
    } catch (...) {
      m_fValue = running;
      throw;
    }
    m_fValue = running;
  } else {
    CGCell::Serialize(ar);
  }
  if (ar.IsStoring()) {
    ar << static_cast<std::int32_t>(m_nPlanes) << static_cast<std::int32_t>(m_bPlanesFromFaces) << m_dDistance;
    return;
  }
  const std::int32_t planes = ar.ReadInt();
  m_bPlanesFromFaces = ar.ReadInt();
  m_dDistance = ar.ReadDouble();
  if (!std::isfinite(m_dDistance))
    throw CArchiveException(ArchiveError::BadData, "cut " + std::to_string(m_nId) + ": a distance that is no number");
  // A stored count beyond the tables or the faces would read planes that
  // are not there.
  m_nPlanes = std::clamp<int>(planes, 1, kMostPlanes);
  // Without a face parent the one plane left is missing: the cell stays
  // undefined.
  if (m_bPlanesFromFaces) m_nPlanes = std::max(1, std::min(m_nPlanes, static_cast<int>(m_parents.size()) - 1));
  m_pPlanes = BuiltInPlanes(m_nPlanes);
}

CGPolyhedron* CGSplit::Hull() const { return DefinedParentAs<CGPolyhedron>(0); }

void CGSplit::Reset() {
  m_nCutsDone = 0;
  m_nPiecesShown = 1;
  m_fValue = 0;
  m_pieces.clear();
}

bool CGSplit::ReadFacePlanes() {
  m_facePlanes.resize(static_cast<size_t>(m_nPlanes));
  for (int i = 0; i < m_nPlanes; ++i) {
    const CGFace* face = DefinedParentAs<CGFace>(static_cast<size_t>(i) + 1);
    const float* p0 = face ? face->CornerPos(0) : nullptr;
    const float* p1 = face ? face->CornerPos(1) : nullptr;
    const float* p2 = face ? face->CornerPos(2) : nullptr;
    if (!p0 || !p1 || !p2) return false;
    kvmath::WideVec n = kvmath::Cross(kvmath::Diff(p1, p0), kvmath::Diff(p2, p0));
    const double length = std::sqrt(kvmath::Norm2(n));
    if (length > 0) n = {n.x / length, n.y / length, n.z / length};
    m_facePlanes[static_cast<size_t>(i)] = PolyhedronFace(n.x, n.y, n.z, -kvmath::Dot(n, kvmath::Widen(p0)));
  }
  m_pPlanes = m_facePlanes.data();
  return true;
}

void CGSplit::Recalculate() {
  Reset();
  CGPolyhedron* hull = Hull();
  m_bDefined = hull != nullptr;
  if (!m_bDefined) return;
  // Back at the start the hull is the solid on show, whatever hid it: a
  // document saved while a cut had it hidden opens with the whole hull.
  hull->m_bHidden = 0;
  hull->CutCovers = false;
  if (!m_bPlanesFromFaces) {
    m_pPlanes = BuiltInPlanes(m_nPlanes);
    return;
  }
  m_bDefined = ReadFacePlanes();
}

void CGSplit::ApplyParameter() {
  if (!m_bDefined) return;
  CGPolyhedron* hull = Hull();
  if (!hull) return;
  double v = m_fValue;
  if (v < kResetBelow || m_pieces.empty()) {
    m_fValue = 0;
    v = 0;
    m_nCutsDone = 0;
    m_pieces.clear();
  }
  if (v > m_nPlanes + kPastEnd) return;
  if (v > m_nCutsDone + kOneCutAhead) m_fValue = static_cast<float>(m_nCutsDone + kCutStart);
  else if (v < m_nCutsDone - kHeldBack) m_fValue = static_cast<float>(m_nCutsDone - kHeldBack);
  v = m_fValue;
  if (v >= m_nCutsDone + kCutDue) {
    if (++m_nCutsDone > m_nPlanes) {
      m_nCutsDone = m_nPlanes;
      return;
    }
    for (auto& piece : m_pieces) piece->m_fValue = 0;
    StartOrCut(*hull);
  } else if (!m_pieces.empty()) {
    const float fraction = static_cast<float>(v - std::trunc(v - kCutDue));
    for (auto& piece : m_pieces) piece->m_fValue = fraction;
  } else {
    StartOrCut(*hull);
  }
  m_nPiecesShown = static_cast<int>(m_pieces.size());
}

void CGSplit::StartOrCut(const CGPolyhedron& hull) {
  if (m_nCutsDone == 0 || m_pieces.empty()) {
    m_pieces.clear();
    if (hull.Faces.size() < 4) return;
    // The hull is a page cell: the cut stands in for it while it runs.
    Hull()->CutCovers = true;
    m_pieces.push_back(std::make_unique<CGPolyhedron>(hull));
    m_fValue = kStartValue;
    return;
  }
  CutPieces();
}

void CGSplit::CutPieces() {
  const PolyhedronFace& plane = m_pPlanes[m_nCutsDone - 1];
  const size_t before = m_pieces.size();
  for (size_t i = 0; i < before; ++i) {
    auto positive = std::make_unique<CGPolyhedron>();
    auto negative = std::make_unique<CGPolyhedron>();
    const int result = CutPolyhedronByPlane(plane, *m_pieces[i], *positive, *negative, m_dDistance);
    if (result < 1) {
      KvMessageBox(QString::fromUtf8(kTextCutFailed));
      continue;
    }
    if (result == 1 || result == 3) m_pieces.push_back(std::move(positive));
    if (result == 2 || result == 3) m_pieces.push_back(std::move(negative));
  }
  m_pieces.erase(m_pieces.begin(), m_pieces.begin() + static_cast<std::ptrdiff_t>(before));
}

void CGSplit::DrawPieces(int mode) const {
  for (const auto& piece : m_pieces) piece->DrawPiece(mode);
}

void CGSplit::SetEdgeColour() const { SetOwnColour(*this); }

void CGSplit::DrawDepthOnly() {
  if (!m_bHidden && m_nStyle != kHullLit) DrawPieces(1);
}

void CGSplit::DrawLit() {
  if (m_bHidden || m_nStyle != kHullLit) return;
  if (g_bOwnColors) SetGlColour(m_rgbaColor);
  DrawPieces(1);
}

void CGSplit::DrawVisibleEdges() {
  if (m_bHidden || (m_nStyle == kHullLit && !m_bSelected)) return;
  SetEdgeColour();
  DrawPieces(0);
}

void CGSplit::DrawHiddenEdges() {
  if (m_bHidden || m_nStyle != kHullAutoDashed) return;
  SetEdgeColour();
  DrawPieces(0);
}

void CGSplit::Draw() {
  if (m_bHidden || (g_pCurPage && g_pCurPage->m_bThreeView)) return;
  SetEdgeColour();
  const TextLayerMatrix layer;
  CallTextListsAt(DrawGlText(OverlayText()), kOverlayAt);
}

void CGSplit::DrawForPick(int mode) {
  if (m_bHidden || mode < 3 || (g_pCurPage && g_pCurPage->m_bThreeView)) return;
  glLoadName(11);
  glPushName(m_nId);
  DrawPieces(1);
  glPopName();
}
