#include "editing/transform/transformmarks.h"

#include <initializer_list>

#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/texts/cgtextmap.h"
#include "commands/commandframe.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
// The cell `id` names when it is of class `cls`.
CGCell* Of(const CGPage& page, WORD id, const CRuntimeClass* cls) {
  CGCell* cell = id ? page.m_cells.Lookup(id) : nullptr;
  return cell && cell->IsKindOf(cls) ? cell : nullptr;
}

bool All(const CGPage& page, std::initializer_list<WORD> ids, const CRuntimeClass* cls) {
  for (WORD id : ids)
    if (!Of(page, id, cls)) return false;
  return true;
}

// The one selected value, when it is a scalar (a vector).
bool OneScalar() { return CountSelection().V == 1 && CountSelectedVariables() == 1; }
bool OneVector() { return CountSelection().V == 1 && CountSelectedVariables() == 0; }

bool FitsCenter() { return CountSelection().P == 1; }
bool FitsAxis() { return CountSelection().L == 1; }
bool FitsMirror() { return CountSelection().F == 1; }
bool FitsVector() { return CountSelection().P == 2 || OneVector(); }
bool FitsAngle() { return CountSelection().P == 3 || OneScalar(); }
bool FitsRatio() {
  const CSelectionCounts n = CountSelection();
  return n.P == 3 || n.L == 2 || OneScalar();
}

const CDocCommandRows rows({
    {ID_TRANS_MARKCENTER, OnTransMarkCenter, EnableWhen<FitsCenter>},
    {ID_TRANS_MARKAXIS, OnTransMarkAxis, EnableWhen<FitsAxis>},
    {ID_TRANS_MARKMIRROR, OnTransMarkMirror, EnableWhen<FitsMirror>},
    {ID_TRANS_MARKVECTOR, OnTransMarkVector, EnableWhen<FitsVector>},
    {ID_TRANS_MARKANGLE, OnTransMarkAngle, EnableWhen<FitsAngle>},
    {ID_TRANS_MARKRATIO, OnTransMarkRatio, EnableWhen<FitsRatio>},
});
}  // namespace

void OnTransMarkCenter(CKavrelDoc&) {
  if (CGPage* page = g_pCurPage; page && !page->m_selPoints.empty()) page->m_marks.MarkCenter = page->m_selPoints[0];
}

void OnTransMarkAxis(CKavrelDoc&) {
  if (CGPage* page = g_pCurPage; page && !page->m_selLines.empty()) page->m_marks.MarkAxis = page->m_selLines[0];
}

void OnTransMarkMirror(CKavrelDoc&) {
  if (CGPage* page = g_pCurPage; page && !page->m_selFaces.empty()) page->m_marks.MarkMirror = page->m_selFaces[0];
}

void OnTransMarkVector(CKavrelDoc&) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  const std::vector<WORD>& p = page->m_selPoints;
  if (p.size() == 2)
    page->m_marks.MarkVector = {1, p[0], p[1], 0};
  else if (OneVector())
    page->m_marks.MarkVector = {2, 0, 0, page->m_selValues[0]};
}

void OnTransMarkAngle(CKavrelDoc&) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  const std::vector<WORD>& p = page->m_selPoints;
  CAngleMark mark;
  if (p.size() == 3)
    mark = {1, p[0], p[1], p[2], 0};
  else if (OneScalar())
    mark = {2, 0, 0, 0, page->m_selValues[0]};
  page->m_marks.MarkAngle = mark;
}

void OnTransMarkRatio(CKavrelDoc&) {
  CGPage* page = g_pCurPage;
  if (!page) return;
  const std::vector<WORD>& p = page->m_selPoints;
  const std::vector<WORD>& lines = page->m_selLines;
  CRatioMark& mark = page->m_marks.MarkRatio;
  if (lines.size() == 2)
    mark = {2, 0, lines[0], lines[1], 0, 0, 0};
  else if (OneScalar())
    mark = {1, page->m_selValues[0], 0, 0, 0, 0, 0};
  else if (p.size() == 3)
    mark = {3, 0, 0, 0, p[0], p[1], p[2]};
}

CGCell* MarkedCentre(const CGPage& page) { return Of(page, page.m_marks.MarkCenter, RUNTIME_CLASS(CGVertex)); }
CGCell* MarkedAxis(const CGPage& page) { return Of(page, page.m_marks.MarkAxis, RUNTIME_CLASS(CGLine)); }
CGCell* MarkedMirror(const CGPage& page) { return Of(page, page.m_marks.MarkMirror, RUNTIME_CLASS(CGFace)); }

CVectorMark LiveVectorMark(CGPage& page) {
  CVectorMark& mark = page.m_marks.MarkVector;
  const bool live = mark.kind == 1   ? All(page, {mark.start, mark.end}, RUNTIME_CLASS(CGVertex))
                    : mark.kind == 2 ? All(page, {mark.value}, RUNTIME_CLASS(CGTmVector))
                                     : false;
  if (!live) mark.kind = 0;
  return mark;
}

CAngleMark LiveAngleMark(CGPage& page) {
  CAngleMark& mark = page.m_marks.MarkAngle;
  const bool live = mark.kind == 1   ? All(page, {mark.a, mark.b, mark.c}, RUNTIME_CLASS(CGVertex))
                    : mark.kind == 2 ? All(page, {mark.value}, RUNTIME_CLASS(CGTmVariable))
                                     : false;
  if (!live) mark.kind = 0;
  return mark;
}

CRatioMark LiveRatioMark(CGPage& page) {
  CRatioMark& mark = page.m_marks.MarkRatio;
  bool live = false;
  if (mark.kind == 1) live = All(page, {mark.value}, RUNTIME_CLASS(CGTmVariable));
  if (mark.kind == 2) live = All(page, {mark.segment1, mark.segment2}, RUNTIME_CLASS(CGLine));
  if (mark.kind == 3) live = All(page, {mark.a, mark.b, mark.c}, RUNTIME_CLASS(CGVertex));
  if (!live) mark.kind = 0;
  return mark;
}
