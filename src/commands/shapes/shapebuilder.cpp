#include "commands/shapes/shapebuilder.h"

#include "cells/constructed/follower2d.h"
#include "cells/constructed/rotations.h"
#include "cells/constructed/translations.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "render/viewglobals.h"

namespace {
// Pixels per shape unit.
constexpr float kUnitPixels = 20;
// Rotations about the vertical through a centre point.
constexpr BYTE kAboutVertical = 1;
}  // namespace

CShapeBuilder::CShapeBuilder(CConstruction& build) : m_build(build), m_fUnit(kUnitPixels * g_fUnitsPerPixel) {}

WORD CShapeBuilder::Free(const char* name, float x, float y) {
  return Point<CGVerFreeXyz>(QString::fromLatin1(name), x * m_fUnit, y * m_fUnit, 0.0f);
}

WORD CShapeBuilder::Follower(const char* name, WORD leader, float x, float y) {
  return Point<CGVerFree2dHenchman>(QString::fromLatin1(name), x * m_fUnit, y * m_fUnit, leader);
}

WORD CShapeBuilder::Rotated(const char* name, WORD p, WORD centre, float angle) {
  return Point<CGVerRotateX>(QString::fromLatin1(name), p, centre, angle, kAboutVertical);
}

WORD CShapeBuilder::Translated(const QString& name, WORD p, WORD from, WORD to) {
  return Point<CGVerTranslate>(name, p, from, to);
}

WORD CShapeBuilder::Edge(WORD a, WORD b) {
  return m_build.Add(new CGLine(m_build.NextId(), a, b, kLineSegment))->m_nId;
}

void CShapeBuilder::Chain(std::initializer_list<WORD> corners, bool closed) {
  const WORD* c = corners.begin();
  const size_t n = corners.size();
  for (size_t i = 1; i < n; ++i) Edge(c[i - 1], c[i]);
  if (closed && n > 2) Edge(c[n - 1], c[0]);
}

void CShapeBuilder::Face(const std::vector<WORD>& corners) {
  m_build.Add(new CGFace(m_build.NextId(), corners, NextAutoColor()));
}

CGVertex* CShapeBuilder::Vertex(WORD id) const { return dynamic_cast<CGVertex*>(g_pCurPage->m_cells.Lookup(id)); }

void CShapeBuilder::Hide(WORD id) { Vertex(id)->m_bHidden = 1; }

void CShapeBuilder::Label(WORD id, std::optional<float> x, std::optional<float> y) {
  CGVertex* point = Vertex(id);
  if (x) point->m_vLabelOffset[0] = *x * m_fUnit;
  if (y) point->m_vLabelOffset[1] = *y * m_fUnit;
  point->CGVertex::ApplyParameter();
}

QString CShapeBuilder::TakeName() { return g_pCurPage->GetNewName(1); }
