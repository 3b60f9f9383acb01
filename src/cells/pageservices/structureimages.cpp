#include "cells/pageservices/structureimages.h"

#include <algorithm>
#include <map>
#include <vector>

#include "cells/constructed/horizontalcircles.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"

namespace {

// How many of its first parents define a circle of a class that has an
// image: its points (a radius measurement is no point).
size_t DefiningPoints(const CGCell& cell) {
  if (cell.IsKindOf(RUNTIME_CLASS(CGArcCenterP)) || cell.IsKindOf(RUNTIME_CLASS(CGArcCircle3P)) ||
      cell.IsKindOf(RUNTIME_CLASS(CGArcPointN)))
    return 3;
  if (cell.IsKindOf(RUNTIME_CLASS(CGArcPoint2))) return 2;
  if (cell.IsKindOf(RUNTIME_CLASS(CGArcCenterR))) return 1;
  return 0;
}

// A figure to build: its source and the image points of its defining points.
struct CPlannedImage {
  const CGCell* source;
  std::vector<WORD> points;
};

CGCell* NewLine(WORD id, const CGCell& source, const std::vector<WORD>& p) {
  auto* line = new CGLine(id, p[0], p[1], source.m_nSubKind);
  line->m_fSize = source.m_fSize;
  line->m_rgbaColor = source.m_rgbaColor;
  return line;
}

CGCell* NewFace(WORD id, const CGCell& source, const std::vector<WORD>& p) {
  const RGBA c = source.m_rgbaColor;
  auto* face = new CGFace(id, p, static_cast<COLORREF>(c.r | (c.g << 8) | (c.b << 16)));
  face->m_nSubKind = source.m_nSubKind;
  return face;
}

CGCell* NewCircle(WORD id, const CGCell& cell, const std::vector<WORD>& p, bool reversesOrientation) {
  const auto& source = static_cast<const CGArc&>(cell);
  const BYTE kind = source.m_nSubKind;
  CGArc* circle = nullptr;
  if (source.IsKindOf(RUNTIME_CLASS(CGArcCenterP))) {
    circle = new CGArcCenterP(id, p[0], p[1], p[2], kind);
  } else if (source.IsKindOf(RUNTIME_CLASS(CGArcCircle3P))) {
    circle = new CGArcCircle3P(id, p[0], p[1], p[2], kind);
  } else if (source.IsKindOf(RUNTIME_CLASS(CGArcPointN))) {
    // Turned over, the axis point's side flips: the flag turns with it.
    const bool reversed = source.m_nParamB > 0;
    circle = new CGArcPointN(id, p[0], p[1], p[2], kind, reversed != reversesOrientation ? 1 : 0);
  } else if (source.IsKindOf(RUNTIME_CLASS(CGArcPoint2))) {
    circle = new CGArcPoint2(id, p[0], p[1], kind);
  } else {
    circle = new CGArcCenterR(id, p[0], source.m_parents[1], kind);  // the same radius
  }
  // The horizontal circles keep their reverse flag: cleared, a moved
  // reversed arc would run round the other side of its circle.  Only a map
  // that turns a horizontal circle over (a reflection in a vertical plane)
  // should turn the flag, and telling that needs the map itself, which the
  // transformation commands hold, not the orientation this function gets.
  if (!source.IsKindOf(RUNTIME_CLASS(CGArcPointN))) circle->m_nParamB = source.m_nParamB;
  circle->m_fSize = source.m_fSize;
  circle->StartAngle = source.StartAngle;
  circle->EndAngle = source.EndAngle;
  circle->AutoRange = source.AutoRange;
  circle->m_rgbaColor = source.m_rgbaColor;
  circle->Recalculate();
  return circle;
}

}  // namespace

void ExpandSelectionToFaceVertices() {
  CGPage* page = g_pCurPage;
  if (!page) return;
  const auto addPoints = [page](WORD id, size_t count) {
    const CGCell* cell = page->m_cells.Lookup(id);
    if (!cell) return;
    for (size_t i = 0; i < std::min(count, cell->m_parents.size()); ++i) {
      CGCell* point = page->m_cells.Lookup(cell->m_parents[i]);
      if (!point || !point->IsKindOf(RUNTIME_CLASS(CGVertex)) || point->m_bSelected) continue;
      point->m_bSelected = true;
      page->m_selPoints.push_back(point->m_nId);
    }
  };
  for (WORD id : page->m_selLines) addPoints(id, 2);
  for (WORD id : page->m_selFaces) addPoints(id, CGFace::kMaxCorners);
  for (WORD id : page->m_selPaths)
    if (const CGCell* cell = page->m_cells.Lookup(id)) addPoints(id, DefiningPoints(*cell));
}

int BuildTransformedStructure(bool reversesOrientation) {
  CGPage* page = g_pCurPage;
  if (!page) return 0;
  const std::vector<WORD>& points = page->m_selPoints;
  // The images are the newest cells, made after everything selected: ids
  // that wrapped or reach back into the selection are no images.
  const int first = page->m_nNextId - static_cast<int>(points.size());
  WORD newestSelected = 0;
  for (const std::vector<WORD>* list : {&page->m_selPoints, &page->m_selLines, &page->m_selFaces, &page->m_selPaths})
    for (WORD id : *list) newestSelected = std::max(newestSelected, id);
  if (first <= newestSelected) return 0;
  std::map<WORD, WORD> imageOf;
  for (size_t k = 0; k < points.size(); ++k) imageOf[points[k]] = static_cast<WORD>(first + k);

  // Every figure whose defining points all have image points.
  const auto plan = [&](WORD id, const CRuntimeClass* cls, size_t count, std::vector<CPlannedImage>& out) {
    const CGCell* cell = page->m_cells.Lookup(id);
    if (!cell || !cell->IsKindOf(cls) || count == 0 || cell->m_parents.size() < count) return;
    CPlannedImage image{cell, {}};
    for (size_t i = 0; i < count; ++i) {
      const auto found = imageOf.find(cell->m_parents[i]);
      const CGCell* point = found == imageOf.end() ? nullptr : page->m_cells.Lookup(found->second);
      if (!point || !point->IsKindOf(RUNTIME_CLASS(CGVertex))) return;
      image.points.push_back(found->second);
    }
    out.push_back(std::move(image));
  };
  std::vector<CPlannedImage> lines, faces, circles;
  for (WORD id : page->m_selLines) plan(id, RUNTIME_CLASS(CGLine), 2, lines);
  for (WORD id : page->m_selFaces) {
    const CGCell* cell = page->m_cells.Lookup(id);
    plan(id, RUNTIME_CLASS(CGFace), cell ? cell->m_parents.size() : 0, faces);
  }
  for (WORD id : page->m_selPaths) {
    const CGCell* cell = page->m_cells.Lookup(id);
    // A circle by a measured radius keeps that radius: its second parent.
    const bool radius = cell && cell->IsKindOf(RUNTIME_CLASS(CGArcCenterR));
    if (cell && (!radius || cell->m_parents.size() >= 2)) plan(id, RUNTIME_CLASS(CGArc), DefiningPoints(*cell), circles);
  }
  const int count = static_cast<int>(lines.size() + faces.size() + circles.size());
  if (page->m_nNextId + count - 1 > CGPage::kMaxCellId) return 0;

  const auto build = [page](const std::vector<CPlannedImage>& planned, auto make) {
    for (const CPlannedImage& image : planned) {
      const WORD id = page->m_nNextId++;
      CGCell* cell = make(id, *image.source, image.points);
      cell->m_nStyle = image.source->m_nStyle;
      cell->m_bHidden = image.source->m_bHidden;
      cell->m_bLabelHidden = image.source->m_bLabelHidden;
      page->m_cells.SetAt(id, cell);
    }
  };
  build(lines, NewLine);
  build(faces, NewFace);
  build(circles, [reversesOrientation](WORD id, const CGCell& source, const std::vector<WORD>& p) {
    return NewCircle(id, source, p, reversesOrientation);
  });
  return count;
}
