// Helpers for tests that drive the running program (xvfb) from its command
// to a saved document read back.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <vector>

#include "app/kavrelapp.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "support/settle.h"

template <class T>
std::vector<T*> PageCellsOf() {
  std::vector<T*> found;
  for (auto [id, cell] : g_pCurPage->m_cells)
    if (auto* t = dynamic_cast<T*>(cell)) found.push_back(t);
  return found;
}

// The current step, named `step`, undone (no T left) and redone (one T), then
// the document saved to `path` and read back.
template <class T>
void UndoRedoSaveAndReopen(CKavrelApp& app, const char* step, const QString& path) {
  ASSERT_TRUE(g_pCurPage->m_undo.CurrentCommand());
  EXPECT_EQ(g_pCurPage->m_undo.CurrentCommand()->GetName(), QString::fromUtf8(step));
  ASSERT_TRUE(g_pCurPage->m_undo.Undo());
  EXPECT_TRUE(PageCellsOf<T>().empty()) << "undone";
  ASSERT_TRUE(g_pCurPage->m_undo.Redo());
  ASSERT_EQ(PageCellsOf<T>().size(), 1u) << "redone";
  ASSERT_TRUE(app.Document().OnSaveDocument(path));
  ASSERT_TRUE(app.Document().OnOpenDocument(path, false));
}
