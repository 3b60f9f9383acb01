// Random constructions edited by random commands: every undo and redo must
// bring back the page record of that point of the history, byte for byte.
#include <gtest/gtest.h>

#include <random>

#include "model/pagetest.h"
#include "model/undo/cmdcells.h"
#include "model/undo/cmdedits.h"

namespace KAVREL_FILE_LOCAL {

class RandomUndoTest : public PageTest {
 protected:
  int Pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }
  float Coordinate() { return static_cast<float>(Pick(2001) - 1000) / 64.0f; }
  WORD AnyCell() {
    const auto& ids = page->m_cells.Ids();
    return ids[Pick(static_cast<int>(ids.size()))];
  }

  // One new cell as a construction command makes it (computed once): a plain
  // point, a point computed from one to three cells, a plain dependent cell,
  // or a button.
  void NewCell() {
    const WORD id = page->m_nNextId;
    const int kind = page->m_cells.empty() ? 0 : Pick(6);
    if (kind <= 1) {
      auto* point = new CGVertex(id, page->m_nNextVertex++, QString("P%1").arg(id), Coordinate(),
                                 Coordinate(), Coordinate());
      point->m_fValue = Coordinate();
      Enter(point);
    } else if (kind <= 3) {
      CTestDependentPoint* point = AddDependent({AnyCell()}, Coordinate());
      for (int extra = Pick(3); extra > 0; --extra) {
        const WORD parent = AnyCell();
        if (parent == id) continue;
        point->m_parents.push_back(parent);
        page->m_cells.Lookup(parent)->m_children.push_back(id);
      }
      point->Recalculate();
    } else if (kind == 4) {
      Add({AnyCell(), AnyCell()})->Recalculate();
    } else {
      CGButton* button = AddButton({AnyCell()});
      button->Recalculate();
      if (Pick(2)) page->SetButtonRunning(true, button->m_nId);
    }
  }

  void AddCells() {
    const int n = 1 + Pick(4);
    for (int i = 0; i < n; ++i) NewCell();
    if (n == 1) {
      page->m_undo.Submit(std::make_unique<CCmdAddCell>(QStringLiteral("one")));
    } else {
      page->m_undo.Submit(std::make_unique<CCmdAddCells>(n, QStringLiteral("several")));
    }
  }

  // A cell and everything that depends on it.
  void DeleteCells() {
    CGCell* cell = page->m_cells.Lookup(AnyCell());
    cell->MarkDescendants();
    std::vector<WORD> ids;
    page->CollectDirtyIds(ids);
    ids.push_back(cell->m_nId);
    auto command = std::make_unique<CCmdDelCells>(std::move(ids), QStringLiteral("delete"));
    CCmd& del = *command;
    page->m_undo.Submit(std::move(command));
    del.Redo();
  }

  // A plain point moved, and what depends on it recomputed.
  bool ModifyPoint() {
    std::vector<CGVertex*> plain;
    for (auto [id, cell] : page->m_cells)
      if (cell->GetRuntimeClass() == RUNTIME_CLASS(CGVertex)) plain.push_back(static_cast<CGVertex*>(cell));
    if (plain.empty()) return false;
    CGVertex* point = plain[Pick(static_cast<int>(plain.size()))];
    page->m_undo.Submit(std::make_unique<CCmdModifiPoint>(point->m_nId, QStringLiteral("move")));
    point->m_vPos[Pick(3)] = Coordinate();
    point->m_fValue = Coordinate();
    point->ApplyParameter();
    point->MarkDescendants();
    page->CollectDirtyIds(page->m_dirtyIds);
    page->RecalculateCells(page->m_dirtyIds);
    return true;
  }

  std::mt19937 m_random;
};

TEST_F(RandomUndoTest, EveryStepOfTheHistoryComesBackExactly) {
  for (unsigned seed = 1; seed <= 25; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
    m_random.seed(seed);
    for (int i = 0; i < 25; ++i) NewCell();
    page->RebuildVertexArray();
    page->m_undo.Clear();

    std::vector<QByteArray> states{PageBytes()};  // states[k]: after k commands
    size_t at = 0;
    for (int step = 0; step < 150; ++step) {
      const int what = page->m_cells.empty() ? 0 : Pick(10);
      if (what <= 3) {
        AddCells();
      } else if (what <= 5) {
        DeleteCells();
      } else if (what <= 7) {
        if (!ModifyPoint()) continue;
      } else if (what == 8) {
        for (int k = Pick(4); k > 0 && page->m_undo.Undo(); --k) {
          ASSERT_EQ(PageBytes(), states[--at]) << "undo at step " << step;
        }
        continue;
      } else {
        if (page->m_undo.Redo()) {
          ASSERT_EQ(PageBytes(), states[++at]) << "redo at step " << step;
        }
        continue;
      }
      states.resize(++at);
      states.push_back(PageBytes());
      ASSERT_EQ(page->m_undo.GetCount(), static_cast<int>(at));
    }
    while (page->m_undo.Undo()) ASSERT_EQ(PageBytes(), states[--at]);
    ASSERT_EQ(at, 0u);
    EXPECT_EQ(PageBytes(), states.front()) << "all undone: the start";
    while (page->m_undo.Redo()) ASSERT_EQ(PageBytes(), states[++at]);
    EXPECT_EQ(PageBytes(), states.back()) << "all redone: the end";
  }
}

}  // namespace
