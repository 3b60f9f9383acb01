#include "cells/solids/cgsection.h"

#include <GL/gl.h>

#include <cmath>

#include "cells/primitives/celldrawing.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/planecut.h"
#include "cells/solids/solidtexts.h"
#include "model/cellmap.h"
#include "model/globals.h"

IMPLEMENT_SERIAL(CGSection, CGCell)

CGSection::CGSection() {
  m_strName = QString::fromUtf8(kTextSectionName);
  m_rgbaColor = g_prefs.rgbaLine;
  m_rgbaLabel = RGBA{196, 255, 225, 255};
}

CGSection::CGSection(WORD id, WORD hullId, WORD faceId) : CGSection() {
  m_nId = id;
  AppendParent(*this, hullId);
  AppendParent(*this, faceId);
  Recalculate();
}

void CGSection::Serialize(CArchive& ar) { CGCell::Serialize(ar); }

namespace {

template <class T>
const T* DefinedParent(const CGCell& cell, size_t i) {
  if (i >= cell.m_parents.size() || !g_pCurCells) return nullptr;
  const CGCell* parent = g_pCurCells->Lookup(cell.m_parents[i]);
  return parent && parent->m_bDefined && parent->IsKindOf(T::ThisClass()) ? static_cast<const T*>(parent) : nullptr;
}

}  // namespace

void CGSection::Recalculate() {
  // Emptied first: a plane that leaves the hull must not leave the last
  // polygon on show.
  Polygon.clear();
  const CGPolyhedron* hull = DefinedParent<CGPolyhedron>(*this, 0);
  const CGFace* face = DefinedParent<CGFace>(*this, 1);
  const float* p0 = face ? face->CornerPos(0) : nullptr;
  const float* p1 = face ? face->CornerPos(1) : nullptr;
  const float* p2 = face ? face->CornerPos(2) : nullptr;
  m_bDefined = hull && p0 && p1 && p2;
  if (!m_bDefined) return;
  kvmath::WideVec n = kvmath::Cross(kvmath::Diff(p0, p1), kvmath::Diff(p2, p1));
  const double length = std::sqrt(kvmath::Norm2(n));
  if (length > 0) n = {n.x / length, n.y / length, n.z / length};
  const double d = -kvmath::Dot(n, kvmath::Widen(p1));
  SectionOfPolyhedron(PolyhedronFace(n.x, n.y, n.z, d), *hull, Polygon);
}

QString CGSection::GetDescription() { return QString::fromUtf8(kTextSectionDescription); }

void CGSection::DrawOutline() const {
  glBegin(GL_LINE_LOOP);
  for (const auto& p : Polygon) glVertex3d(p.x, p.y, p.z);
  glEnd();
}

void CGSection::DrawFill() {
  if (!IsShown()) return;
  if (g_bOwnColors) SetGlColour(m_rgbaLabel);
  glBegin(GL_POLYGON);
  for (const auto& p : Polygon) glVertex3d(p.x, p.y, p.z);
  glEnd();
}

void CGSection::DrawVisibleEdges() {
  if (!IsShown()) return;
  SetOwnColour(*this);
  DrawOutline();
}

void CGSection::DrawHiddenEdges() { DrawVisibleEdges(); }

void CGSection::DrawForPick(int mode) {
  if (m_bHidden || mode < 3) return;
  glLoadName(11);
  glPushName(m_nId);
  if (!Polygon.empty()) DrawOutline();
  glPopName();
}
