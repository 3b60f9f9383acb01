#include "editing/properties/propertycommand.h"

#include <optional>
#include <vector>

#include "commands/commandframe.h"
#include "editing/dialogs/tracks/trackdialogs.h"
#include "editing/properties/pageproperties.h"
#include "editing/properties/propertyrows.h"
#include "editing/properties/relationreports.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "platform/uibridge.h"
#include "render/viewglobals.h"

namespace {
const CDocCommandRows rows({
    {ID_EDIT_PROPERTY, OnEditProperty},
});

// The rules, tried in this order: the first whose counts hold decides and
// every other count is ignored.  A rule either reports (report set) or opens
// the dialog of the head of one selection list.
struct CPropertyRule {
  bool (*holds)(const CSelectionCounts& n);
  std::optional<RelationReport> report;
  PropertyList list;
};

const CPropertyRule kRules[] = {
    {[](const CSelectionCounts& n) { return n.P == 1 && n.L == 1; }, RelationReport::PointLine, {}},
    {[](const CSelectionCounts& n) { return n.P == 1 && n.F == 1; }, RelationReport::PointPlane, {}},
    {[](const CSelectionCounts& n) { return n.P == 1; }, std::nullopt, PropertyList::Points},
    {[](const CSelectionCounts& n) { return n.P == 2; }, RelationReport::PointPoint, {}},
    {[](const CSelectionCounts& n) { return n.L == 1 && n.F == 1; }, RelationReport::LinePlane, {}},
    {[](const CSelectionCounts& n) { return n.L == 1; }, std::nullopt, PropertyList::Lines},
    {[](const CSelectionCounts& n) { return n.L == 2; }, RelationReport::LineLine, {}},
    {[](const CSelectionCounts& n) { return n.F == 1; }, std::nullopt, PropertyList::Faces},
    {[](const CSelectionCounts& n) { return n.F == 2; }, RelationReport::PlanePlane, {}},
    {[](const CSelectionCounts& n) { return n.A == 1; }, std::nullopt, PropertyList::Paths},
    {[](const CSelectionCounts& n) { return n.B == 1; }, std::nullopt, PropertyList::Buttons},
    {[](const CSelectionCounts& n) { return n.V == 1 && n.X == 0; }, std::nullopt, PropertyList::Values},
    {[](const CSelectionCounts& n) { return n.R == 1; }, std::nullopt, PropertyList::Solids},
    {[](const CSelectionCounts& n) { return n.X == 1; }, std::nullopt, PropertyList::Texts},
    {[](const CSelectionCounts& n) { return n.O == 1; }, std::nullopt, PropertyList::Others},
};

const std::vector<WORD>& Listed(const CGPage& page, PropertyList list) {
  switch (list) {
    case PropertyList::Points: return page.m_selPoints;
    case PropertyList::Lines: return page.m_selLines;
    case PropertyList::Faces: return page.m_selFaces;
    case PropertyList::Paths: return page.m_selPaths;
    case PropertyList::Buttons: return page.m_selButtons;
    case PropertyList::Values: return page.m_selValues;
    case PropertyList::Solids: return page.m_selSolids;
    case PropertyList::Texts: return page.m_selTexts;
    case PropertyList::Others: break;
  }
  return page.m_selOthers;
}

// The head of the list gets the dialog its class has; a class without one
// gets none.
void OpenHeadDialog(CKavrelDoc& doc, CGPage& page, PropertyList list) {
  const std::vector<WORD>& ids = Listed(page, list);
  if (ids.empty()) return;
  if (CGCell* head = page.m_cells.Lookup(ids.front())) RunPropertyRow(list, doc, *head);
}

// The selection matches no rule.  While traced marks are shown the traces'
// dialog sets the page's trace mode; else the page dialog.
void OpenFallbackDialog(CKavrelDoc& doc, CGPage& page) {
  if (g_bBackgroundDirty != 0) return EditPageProperties(doc, page);
  CDlgTrace dialog;
  dialog.m_nMode = page.m_bFullTrace;
  if (DialogProvider().DoModal(dialog) == IDOK) page.m_bFullTrace = dialog.m_nMode;
}

// False only when a report met an undefined cell: then nothing follows.
bool Dispatch(CKavrelDoc& doc, CGPage& page) {
  const CSelectionCounts n = CountSelection();
  for (const CPropertyRule& rule : kRules) {
    if (!rule.holds(n)) continue;
    if (rule.report) return ShowRelationReport(*rule.report, page);
    OpenHeadDialog(doc, page, rule.list);
    return true;
  }
  OpenFallbackDialog(doc, page);
  return true;
}

// Whatever the dialog's answer, the document counts as changed.
void EndCommand(CKavrelDoc& doc) {
  doc.SetModifiedFlag();
  UiBridge().UpdateAllViews();
}
}  // namespace

void OnEditProperty(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || !Dispatch(doc, *page)) return;
  EndCommand(doc);
}

void EditCellProperties(CKavrelDoc& doc, PropertyList list, CGCell& cell) {
  RunPropertyRow(list, doc, cell);
  EndCommand(doc);
}
