#include "commands/tracks/locuscommand.h"

#include "cells/dynamic/paths/locus.h"
#include "commands/commandframe.h"
#include "commands/pointvaluecommand.h"
#include "commands/tracks/driverranges.h"
#include "commands/tracks/trackcommandtexts.h"
#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
struct CLocusChoice {
  WORD driver = 0;
  WORD traced = 0;
};

// One value then one point, or two points in selection order; the first
// drives the second when the second depends on it, else the second, a
// path point, drives the first, a point depending on it.
CLocusChoice ChooseLocus() {
  const CGPage* page = g_pCurPage;
  if (!page || !g_pCurCells) return {};
  const CSelectionCounts n = CountSelection();
  WORD first = 0, second = 0;
  if (n.P == 1 && n.V == 1) {
    first = page->m_selValues.front();
    second = page->m_selPoints.front();
  } else if (n.P == 2) {
    first = page->m_selPoints[0];
    second = page->m_selPoints[1];
  } else {
    return {};
  }
  const CGCell* a = g_pCurCells->Lookup(first);
  const CGCell* b = g_pCurCells->Lookup(second);
  if (!a || !b) return {};
  if (IsDriver(*a) && DependsOn(*b, first)) return {first, second};
  if (a->IsKindOf(RUNTIME_CLASS(CGVertex)) && IsDraggablePathPoint(*b) && DependsOn(*a, second))
    return {second, first};
  return {};
}

const CDocCommandRows rows({
    {ID_CREATE_LOCUS, OnCreateLocus, OnUpdateCreateLocus},
});
}  // namespace

void OnCreateLocus(CKavrelDoc& doc) {
  const CLocusChoice choice = ChooseLocus();
  if (choice.driver == 0) return;
  const CDriverRange range = LocusRange(*g_pCurCells->Lookup(choice.driver));
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  build.Add(new CGLocus(build.NextId(), choice.driver, choice.traced, range.start, range.end));
  build.Commit(QString::fromUtf8(kCmdNameLocus));
}

void OnUpdateCreateLocus(CKavrelDoc&, CCmdUI& ui) { ui.Enable(ChooseLocus().driver != 0); }
