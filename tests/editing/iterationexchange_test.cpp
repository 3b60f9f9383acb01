// Iterations hold ids besides their parents: a pasted copy and a recorded
// tool must name their own cells, never the originals.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>

#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/iterations/iteration.h"
#include "editing/clipboardexchange.h"
#include "editing/dialogs/iterations/iteratedialog.h"
#include "editing/toolrecording.h"
#include "model/document/usertool.h"
#include "platform/archive.h"
#include "platform/commandids.h"
#include "support/archiveerrors.h"
#include "support/commandpage.h"
#include "support/documentfiles.h"

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

// An iteration naming itself or a later cell would reach the page through a
// paste or a tool's replay and draw itself without end: such records are
// refused as damaged.
TEST(IterationExchange, RecordsWhoseIterationNamesItselfOrNoEarlierCellAreRefused) {
  const struct Row {
    const char* what;
    void (*spoil)(CGIterate&);
  } rows[] = {
      {"drawing itself", [](CGIterate& i) { i.m_drawn.push_back(i.m_nId); }},
      {"an image after it", [](CGIterate& i) { i.m_idArrays[1][1] = static_cast<WORD>(i.m_nId + 9); }},
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

// Built by the commands: A, B, the segment AB, its midpoint M, the segment
// AM and the iteration of A -> A, B -> M; then M is split off and AB
// deleted, so that the iteration's chain names a cell no longer on the
// page.  Its copy pastes, every step and its undo leaves a document that
// reads, and it saves and opens again through the program's own path, byte
// for byte, and pastes there.  An iteration that draws itself is still
// refused.
TEST(IterationExchange, AnIterationNamingADeletedCellReopensAndPastes) {
  CommandPage p;
  const auto reads = [&p](const char* step) {
    CArchive in(DocumentBytes(p.doc));
    CKavrelDoc scratch;
    EXPECT_NO_THROW(scratch.ReadRecords(in, false)) << step;
  };
  const auto made = [&p](std::vector<WORD> selected, unsigned command) {
    p.Select(selected);
    EXPECT_TRUE(p.Run(command)) << command;
    return static_cast<WORD>(p.Page().m_nNextId - 1);
  };
  const WORD a = p.Point(), b = p.Point(16, 8, 0);
  const WORD ab = made({a, b}, ID_CREATE_LINE_SEGMENT);
  const WORD m = made({ab}, ID_CREATE_POINT_MIDDLE);
  made({a, m}, ID_CREATE_LINE_SEGMENT);
  p.Select({a, b});
  CDlgIterate answer;
  answer.Initialise();
  for (WORD image : {a, m})
    for (size_t i = 0; i < answer.m_images.size(); ++i)
      if (answer.m_images[i].id == image) answer.ChooseImage(static_cast<int>(i));
  p.dialogs->Ok(answer);
  const WORD iteration = made({a, b}, ID_TRANS_ITERATE);
  ASSERT_NE(p.As<CGIterate>(iteration), nullptr);
  made({m}, ID_EDIT_SPLIT);
  made({ab}, ID_EDIT_DELETE);
  ASSERT_EQ(p.Find(ab), nullptr);
  ASSERT_EQ(p.As<CGIterate>(iteration)->m_chain.front(), ab);
  reads("AB deleted");
  const auto pastes = [&](const char* where) {
    made({iteration}, ID_EDIT_COPY);
    const WORD pasted = made({}, ID_EDIT_PASTE);
    ASSERT_NE(p.As<CGIterate>(pasted), nullptr) << where;
    EXPECT_EQ(p.As<CGIterate>(pasted)->m_chain.front(), 0) << where << ": the deleted cell names none";
    reads(where);
  };
  pastes("pasted");
  for (bool undo : {true, true, true, false, false, false}) {
    ASSERT_TRUE(undo ? p.Page().m_undo.Undo() : p.Page().m_undo.Redo());
    reads(undo ? "undone" : "redone");
  }
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("halving.kv"));
  ASSERT_TRUE(p.doc.OnSaveDocument(path));
  const QByteArray saved = DocumentBytes(p.doc);
  EXPECT_TRUE(p.doc.OnOpenDocument(path, false));
  EXPECT_EQ(DocumentBytes(p.doc), saved);
  pastes("pasted after reopening");
  EXPECT_TRUE(p.seams.notifier->shown.empty());

  EXPECT_FALSE(p.doc.OnOpenDocument(
      QStringLiteral(KAVREL_SOURCE_DIR "/tests/fuzz/corpus/document/iteration-draws-itself.kv"), false));
  ASSERT_EQ(p.seams.notifier->shown.size(), 1u);
  EXPECT_TRUE(p.seams.notifier->shown[0].text.contains(QString::fromUtf8("文档已损坏")));
}

}  // namespace
