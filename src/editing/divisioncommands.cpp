#include "editing/divisioncommands.h"

#include <utility>
#include <vector>

#include "cells/constrained/dependentpoints.h"
#include "cells/solids/divisionpoints.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "editing/dialogs/inputdialogs.h"
#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"

namespace {
// The two selected points, else the end points of each selected line, in
// selection order.
std::vector<std::pair<WORD, WORD>> DividedPairs() {
  const CGPage& page = *g_pCurPage;
  if (page.m_selPoints.size() == 2) return {{page.m_selPoints[0], page.m_selPoints[1]}};
  std::vector<std::pair<WORD, WORD>> pairs;
  for (WORD id : page.m_selLines) {
    const CGCell* line = page.m_cells.Lookup(id);
    if (line && line->m_parents.size() >= 2) pairs.emplace_back(line->m_parents[0], line->m_parents[1]);
  }
  return pairs;
}

// The points at k/n (or only 1/n) of each pair; one undo step named by
// `labels` (several, one).  A line whose ends are no points adds nothing.
void Divide(CKavrelDoc& doc, int n, bool onlyFirst, const char* const labels[2]) {
  if (!g_pCurPage) return;
  const std::vector<std::pair<WORD, WORD>> pairs = DividedPairs();
  const int perPair = onlyFirst ? 1 : n - 1;
  const int points = perPair * static_cast<int>(pairs.size());
  if (points == 0) return;
  CConstruction build(doc);
  if (!build.MakeRoom(points, points)) return;
  for (const auto& [first, second] : pairs) build.Adopt(BuildDivisionPoints(first, second, n, onlyFirst));
  build.Commit(QString::fromUtf8(labels[build.Count() == 1 ? 1 : 0]));
}

const CDocCommandRows rows({
    {ID_CREATE_POINT_MIDDLE, OnCreatePointMiddle, OnUpdateCreatePointDivision},
    {ID_CREATE_POINT_DIV3, OnCreatePointDiv3, OnUpdateCreatePointDivision},
    {ID_CREATE_POINT_DIVN, OnCreatePointDivn, OnUpdateCreatePointDivision},
});
}  // namespace

void OnCreatePointMiddle(CKavrelDoc& doc) {
  if (!g_pCurPage) return;
  if (g_pCurPage->m_selPoints.size() == 2) return Divide(doc, 2, false, kCmdNameMidpoints);
  // A segment's midpoint follows the segment itself.
  const std::vector<WORD> lines = g_pCurPage->m_selLines;
  const int count = static_cast<int>(lines.size());
  if (count == 0) return;
  CConstruction build(doc);
  if (!build.MakeRoom(count, count)) return;
  for (WORD line : lines) {
    const CNewPoint p = build.NextPoint();
    build.Add(new CGVerMid(p.id, p.slot, p.name, line));
  }
  build.Commit(QString::fromUtf8(kCmdNameMidpoints[count == 1 ? 1 : 0]));
}

void OnCreatePointDiv3(CKavrelDoc& doc) {
  const char* const labels[2] = {kCmdNameTrisection, kCmdNameTrisection};
  Divide(doc, 3, false, labels);
}

void OnCreatePointDivn(CKavrelDoc& doc) {
  DlgDivPoint dialog;
  dialog.m_nN = 2;
  dialog.m_bOnlyFirst = 0;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  if (dialog.m_nN < DlgDivPoint::kMinN || dialog.m_nN > DlgDivPoint::kMaxN) return;
  Divide(doc, dialog.m_nN, dialog.m_bOnlyFirst != 0, kCmdNameDivisions);
}

void OnUpdateCreatePointDivision(CKavrelDoc&, CCmdUI& ui) {
  const CSelectionCounts n = CountSelection();
  ui.Enable(n.L >= 1 || n.P == 2);
}
