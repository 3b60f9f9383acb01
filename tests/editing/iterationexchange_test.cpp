// Iterations hold ids besides their parents: a pasted copy and a recorded
// tool must name their own cells, never the originals.
#include <gtest/gtest.h>

#include <algorithm>

#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/iterations/iteration.h"
#include "editing/clipboardexchange.h"
#include "editing/toolrecording.h"
#include "model/document/usertool.h"
#include "platform/archive.h"
#include "support/archiveerrors.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

// A, B, the line AB, its midpoint M, the segment AM and the iteration of
// A -> A, B -> M at depth 3.
WORD MidpointIteration(CommandPage& p) {
  const WORD a = p.Point(), b = p.Point(16, 8, 0);
  const WORD ab = p.Line(a, b);
  const WORD m = p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, QStringLiteral("M"), ab));
  p.Line(a, m);
  std::vector<std::vector<WORD>> arrays{{a, b}, {a, m}};
  return p.Enter(new CGIterate(p.Page().m_nNextId++, 2, 2, 3, arrays));
}

std::vector<WORD> HeldIds(const CGIterate& iteration) {
  std::vector<WORD> ids;
  for (const auto& array : iteration.m_idArrays) ids.insert(ids.end(), array.begin(), array.end());
  for (const auto* list : {&iteration.m_chain, &iteration.m_drawn, &iteration.m_table})
    ids.insert(ids.end(), list->begin(), list->end());
  return ids;
}

TEST(IterationExchange, APastedIterationNamesOnlyPastedCells) {
  CommandPage p;
  const WORD original = MidpointIteration(p);
  p.Select({original});
  const QByteArray record = MakeClipboardRecord(p.Page());
  const WORD firstPasted = p.Page().m_nNextId;
  CArchive in(record);
  in.ReadDword();
  PasteFailure failure = PasteFailure::None;
  ASSERT_EQ(PasteFromClipboard(in, &failure), 6);
  const auto* pasted = p.As<CGIterate>(static_cast<WORD>(firstPasted + 5));
  ASSERT_NE(pasted, nullptr);
  const std::vector<WORD> held = HeldIds(*pasted);
  EXPECT_EQ(held.size(), 2u + 2u + 3u + 3u);
  for (WORD id : held) EXPECT_TRUE(id >= firstPasted && id < firstPasted + 5) << id;
  EXPECT_EQ(pasted->m_idArrays[1][1], firstPasted + 3) << "B's image is the pasted M";
}

TEST(IterationExchange, ARecordedToolHoldsRenumberedIds) {
  CommandPage p;
  const WORD original = MidpointIteration(p);
  p.Select({original});
  const std::unique_ptr<CRecord> tool = CreateToolFromSelection();
  ASSERT_TRUE(tool);
  const CGIterate* recorded = nullptr;
  for (const auto& cell : tool->m_cells)
    if (auto* iteration = dynamic_cast<const CGIterate*>(cell.get())) recorded = iteration;
  ASSERT_NE(recorded, nullptr);
  // The copies are numbered 0 .. 5 in list order: A, B, AB, M, AM.
  EXPECT_EQ(recorded->m_idArrays, (std::vector<std::vector<WORD>>{{0, 1}, {0, 3}}));
  EXPECT_EQ(recorded->m_chain, (std::vector<WORD>{2, 3, 4}));
  EXPECT_EQ(recorded->m_drawn, (std::vector<WORD>{2, 3, 4}));
}

// An iteration naming itself, a cell the record does not hold or a later
// one would reach the page through a paste or a tool's replay and draw
// itself without end or copy nothing: such records are refused as damaged.
TEST(IterationExchange, RecordsWhoseIterationNamesItselfOrNoEarlierCellAreRefused) {
  const struct Row {
    const char* what;
    void (*spoil)(CGIterate&);
  } rows[] = {
      {"drawing itself", [](CGIterate& i) { i.m_drawn.push_back(i.m_nId); }},
      {"an image it does not hold", [](CGIterate& i) { i.m_idArrays[1][1] = static_cast<WORD>(i.m_nId + 9); }},
      {"its own value in the table", [](CGIterate& i) { i.m_table.push_back(i.m_nId); }},
  };
  for (const Row& row : rows) {
    CommandPage p;
    const WORD original = MidpointIteration(p);
    p.Select({original});
    std::unique_ptr<CRecord> tool = CreateToolFromSelection();
    ASSERT_TRUE(tool);
    for (const auto& cell : tool->m_cells)
      if (auto* iteration = dynamic_cast<CGIterate*>(cell.get())) row.spoil(*iteration);
    CArchive stored;
    stored.WriteObject(tool.get());
    EXPECT_EQ(ArchiveCause([&] { CArchive(stored.Bytes()).ReadOwned<CRecord>(); }), ArchiveError::BadData)
        << "tool, " << row.what;

    row.spoil(*p.As<CGIterate>(original));
    CArchive in(MakeClipboardRecord(p.Page()));
    in.ReadDword();
    PasteFailure failure = PasteFailure::None;
    EXPECT_EQ(PasteFromClipboard(in, &failure), -1) << "paste, " << row.what;
    EXPECT_EQ(failure, PasteFailure::Damaged) << "paste, " << row.what;
  }
}

}  // namespace
