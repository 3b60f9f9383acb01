// The ground of a construction command's test: a new document (first page
// current, its commands registered), the cell classes, recorded seams and
// scripted dialogs.  A plain object: a table-driven test makes one per row.
#pragma once
#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "model/cellmap.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "support/recorders.h"
#include "support/scripteddialogs.h"

class CommandPage {
 public:
  CommandPage();

  CGPage& Page() const { return *g_pCurPage; }
  CGCell* Find(WORD id) const { return g_pCurCells->Lookup(id); }
  template <class T>
  T* As(WORD id) const {
    return dynamic_cast<T*>(Find(id));
  }
  // A point's place, to compare whole.
  std::vector<float> At(WORD id) const {
    const float* at = As<CGVertex>(id)->m_vPos;
    return {at[0], at[1], at[2]};
  }
  // A real cell made with Page().m_nNextId++, entered as constructors are
  // (no undo step, no message).  The page as built counts as settled: the
  // next command computes only what it changes.
  template <class T>
  WORD Enter(T* cell) {
    Page().m_cells.SetAt(cell->m_nId, cell);
    return cell->m_nId;
  }
  // Fully free points with the automatic names; the k-th of Points at (k, k², 0).
  WORD Point(float x = 0, float y = 0, float z = 0);
  std::vector<WORD> Points(int n);
  WORD Line(WORD a, WORD b);
  WORD Face(const std::vector<WORD>& corners);

  // The cell of that name (0: none).
  WORD Named(const QString& name) const;
  // "Class(parent names)" of each cell, joined by spaces: what a
  // construction made, in order.
  std::string Summary(const std::vector<WORD>& ids) const;

  // Clears the selection, then selects in this order.
  void Select(const std::vector<WORD>& ids);
  // Select() of the cells named, space-separated.
  void SelectNamed(const QString& names) {
    std::vector<WORD> ids;
    for (const QString& name : names.split(' ', Qt::SkipEmptyParts)) ids.push_back(Named(name));
    Select(ids);
  }
  // Through the registry, which asks the update rule first.
  bool Run(unsigned command);
  std::vector<BridgeMessage> Messages(UINT message) const;

  // Runs the command and checks what every construction of n cells keeps:
  // the exact undo name; +n items for the object list, -n on undo, +n on
  // redo; undo takes exactly the n highest ids, gives the next id back and
  // leaves every older record (child lists too) as it was; redo brings the
  // same ids, classes, names and parents; the selection stays.  Leaves the
  // construction done and selected as before; returns the new ids.
  std::vector<WORD> ExpectConstruction(unsigned command, int n, const QString& label);
  // `made` as Summary gives it: ExpectConstruction of that many cells, which
  // must be those; empty: the command is refused and ExpectNothingMade.
  // Returns the new ids.
  std::vector<WORD> ExpectMade(unsigned command, const std::string& made, const char* label);
  // No id, record, undo step or item changed, and not modified.
  void ExpectNothingMade(const std::function<void()>& action);

  SeamRecorders seams;
  ScriptedDialogs* dialogs;
  CKavrelDoc doc;
};
