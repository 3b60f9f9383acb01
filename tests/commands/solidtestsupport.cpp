#include "solidtestsupport.h"

#include <map>
#include <tuple>

#include "platform/archive.h"

namespace {
QByteArray Record(CGCell& cell) {
  CArchive ar;
  cell.Serialize(ar);
  return ar.Bytes();
}
}  // namespace

std::vector<WORD> ExpectSolid(CommandPage& p, const SolidEntry& entry, int n, const char* label) {
  CGPage& page = p.Page();
  const WORD nextId = page.m_nNextId;
  const WORD nextSlot = page.m_nNextVertex;
  const int steps = page.m_undo.CurrentIndex();
  std::map<WORD, QByteArray> before;
  for (auto [id, cell] : page.m_cells) before[id] = Record(*cell);

  const std::vector<WORD> selection = page.m_selAll;
  entry.Run(p);
  EXPECT_EQ(page.m_selAll, selection) << "the selection stays";
  EXPECT_EQ(page.m_nNextId, nextId + n);
  EXPECT_EQ(page.m_cells.size(), before.size() + n) << "every id taken is a cell";
  EXPECT_EQ(page.m_undo.CurrentIndex(), steps + 1);
  EXPECT_EQ(page.m_undo.CurrentCommand() ? page.m_undo.CurrentCommand()->GetName() : QString(),
            QString::fromUtf8(label));
  EXPECT_TRUE(p.doc.IsModified());
  std::vector<WORD> ids;
  std::map<WORD, std::tuple<std::string, QString>> made;
  for (WORD id = nextId; id < page.m_nNextId; ++id) {
    ids.push_back(id);
    if (CGCell* cell = p.Find(id)) made[id] = {cell->GetRuntimeClass()->m_lpszClassName, cell->m_strName};
  }
  const WORD slotsAfter = page.m_nNextVertex;

  EXPECT_TRUE(page.m_undo.Undo());
  EXPECT_EQ(page.m_nNextId, nextId);
  EXPECT_EQ(page.m_nNextVertex, nextSlot);
  EXPECT_EQ(page.m_cells.size(), before.size());
  for (const auto& [id, bytes] : before) {
    CGCell* cell = p.Find(id);
    EXPECT_TRUE(cell && Record(*cell) == bytes) << "record of cell " << id;
  }

  EXPECT_TRUE(page.m_undo.Redo());
  EXPECT_EQ(page.m_nNextId, nextId + n);
  EXPECT_EQ(page.m_nNextVertex, slotsAfter);
  for (const auto& [id, identity] : made) {
    CGCell* cell = p.Find(id);
    const auto now = cell ? std::make_tuple(std::string(cell->GetRuntimeClass()->m_lpszClassName), cell->m_strName)
                          : std::make_tuple(std::string("missing"), QString());
    EXPECT_EQ(now, identity) << id;
  }
  p.Select(selection);  // undo cleared it
  return ids;
}

std::string PointNames(const CommandPage& p, const std::vector<WORD>& ids) {
  std::string names;
  for (WORD id : ids)
    if (auto* point = p.As<CGVertex>(id))
      names += (names.empty() ? "" : " ") + (point->m_strName.isEmpty() ? std::string("-") : point->m_strName.toStdString());
  return names;
}

::testing::AssertionResult Near(const std::vector<float>& at, const std::vector<float>& expected, float tolerance) {
  for (size_t i = 0; i < 3; ++i)
    if (!(std::fabs(at[i] - expected[i]) <= tolerance))
      return ::testing::AssertionFailure() << "at (" << at[0] << ", " << at[1] << ", " << at[2] << ")";
  return ::testing::AssertionSuccess();
}
