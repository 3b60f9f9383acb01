#include "support/everyclass.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <map>
#include <memory>

#include "cells/dynamic/parameters/userparameter.h"
#include "editing/toolrecording.h"
#include "everyclasscells.h"
#include "model/document/kavreldoc.h"
#include "model/document/usertool.h"
#include "support/writer3ds.h"

namespace {
// Whether the cell stands only on inputs a tool can take (free points and
// parameters), as recording asks of every cell it records.
bool Recordable(const CGPage& page, WORD id, std::map<WORD, bool>& known) {
  if (const auto it = known.find(id); it != known.end()) return it->second;
  const CGCell* cell = page.m_cells.Lookup(id);
  bool can = cell != nullptr;
  if (can && cell->m_parents.empty())
    can = cell->IsKindOf(RUNTIME_CLASS(CGVerFreeXyz)) || cell->IsKindOf(RUNTIME_CLASS(CGTmVarParameter));
  for (size_t i = 0; can && i < cell->m_parents.size(); ++i) can = Recordable(page, cell->m_parents[i], known);
  return known[id] = can;
}

// The tool recorded from the selected cells, named after the page.
std::unique_ptr<CRecord> RecordSelection(CGPage& page) {
  std::unique_ptr<CRecord> tool = CreateToolFromSelection();
  page.ClearSelection();
  if (tool) {
    tool->m_strName = page.m_strName;
    tool->m_strComment = QStringLiteral("cells of ") + page.m_strName;
  }
  return tool;
}

void WriteModel(const QString& path) {
  Mesh3dsSpec box = Box3ds("box", 0, 0, 0, 4, 3, 2);
  box.material = "red";
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(Write3ds({Material3ds("red", 200, 30, 30)}, {box}));
}
}  // namespace

void BuildEveryClassDocument(CKavrelDoc& doc, const QString& folder) {
  const QString model = QDir(folder).filePath(QStringLiteral("every.3ds"));
  WriteModel(model);
  doc.OnNewDocument();
  CGPage& first = *g_pCurPage;
  const std::vector<WORD> recorded = BuildPointsPage(doc);
  for (WORD id : recorded) first.SelectCell(id);
  if (std::unique_ptr<CRecord> tool = RecordSelection(first)) doc.m_tools.push_back(std::move(tool));
  doc.OnCreatePage();
  BuildValuesPage(doc);
  doc.OnCreatePage();
  BuildPathsPage(doc);
  doc.OnCreatePage();
  BuildSolidsPage(doc, model);
  doc.SwitchToPage(&first);
}

CToolList RecordEveryPageTool(CKavrelDoc& doc) {
  CToolList tools;
  CGPage* shown = g_pCurPage;
  for (const auto& page : doc.m_pages) {
    doc.SwitchToPage(page.get());
    // Every cell that stands on inputs alone; an input only where a
    // recorded cell rests on it, as recording keeps them.
    std::map<WORD, bool> known;
    const auto kept = [&](const CGCell& cell) {
      if (!Recordable(*page, cell.m_nId, known)) return false;
      return !cell.m_parents.empty() || std::any_of(cell.m_children.begin(), cell.m_children.end(), [&](WORD child) {
               return Recordable(*page, child, known);
             });
    };
    page->ClearSelection();
    for (auto [id, cell] : page->m_cells)
      if (kept(*cell)) page->SelectCell(id);
    if (std::unique_ptr<CRecord> tool = RecordSelection(*page)) tools.push_back(std::move(tool));
  }
  doc.SwitchToPage(shown);
  return tools;
}

const std::map<std::string, std::string>& ClassesNoDocumentHolds() {
  static const std::map<std::string, std::string> classes{
      {"CBinTree", "a formula's node tree: formulas are stored as their mark-up, never as the tree"},
  };
  return classes;
}
