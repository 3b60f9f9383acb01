// Memory running out at any point of opening a document, pasting cells or
// a page, or applying a tool to the selection: the step is refused with a
// message and the document stays as it was, down to the counters that hand
// out automatic names and default places.  Each step's allocations are
// counted once; then the step runs again with one of them failing, at
// points spread over the whole step.
#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <functional>

#include "allocations.h"
#include "documenttestsupport.h"
#include "editing/clipboardexchange.h"
#include "editing/editingtestsupport.h"
#include "editing/tools/toolreplay.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "platform/editscope.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/everyclass.h"

namespace KAVREL_FILE_LOCAL {

// How many allocations of each step fail in turn, spread evenly from the
// first to the last.
constexpr long kPoints = 13;

// What a refused step leaves: the stored document, and per page what is
// not stored with it.
struct Kept {
  QByteArray bytes;
  std::vector<float> counters;
  friend bool operator==(const Kept&, const Kept&) = default;
};

Kept KeptOf(CKavrelDoc& doc) {
  Kept kept{DocumentBytes(doc), {}};
  for (const auto& page : doc.m_pages)
    kept.counters.insert(kept.counters.end(),
                         {float(page->m_chNameLetter), float(page->m_chNameSuffix), float(page->m_nTextSlot),
                          float(page->m_nButtonSlot), page->m_ptLastText[0], page->m_ptLastText[1],
                          page->m_ptLastButton[0], page->m_ptLastButton[1], float(page->m_nNextId),
                          float(page->m_nNextVertex), float(page->m_cells.size()), float(page->m_undo.GetCount())});
  return kept;
}

class OutOfMemoryTest : public DocumentFileTest {
 protected:
  OutOfMemoryTest() {
    CKavrelDoc every;
    BuildEveryClassDocument(every, folder.path());
    path = WriteFile(QStringLiteral("every.kv"), Bytes(every));
  }

  // The every-class document opened, its tools recorded and `setUp` done;
  // `step` then runs on it, once whole and then with one allocation
  // failing at each point.  The message shown for a refusal begins with one
  // of `refusals`.
  void Sweep(const std::function<void(CKavrelDoc&)>& setUp, const std::function<void(CKavrelDoc&)>& step,
             const QStringList& refusals) {
    long total = 0;
    {
      CKavrelDoc doc;
      ASSERT_TRUE(Prepare(doc, setUp));
      const Kept before = KeptOf(doc);
      total = Counted(doc, step, 0);
      ASSERT_TRUE(seams.notifier->shown.empty()) << Shown().toStdString();
      ASSERT_FALSE(KeptOf(doc) == before) << "the step changes the document";
    }
    for (long i = 0; i < kPoints && !HasFailure(); ++i) {
      const long k = 1 + i * (total - 1) / (kPoints - 1);
      CKavrelDoc doc;
      ASSERT_TRUE(Prepare(doc, setUp));
      const Kept before = KeptOf(doc);
      Counted(doc, step, k);
      ASSERT_EQ(seams.notifier->shown.size(), 1u) << "allocation " << k << " of " << total;
      const QString shown = Shown();
      EXPECT_TRUE(std::any_of(refusals.begin(), refusals.end(), [&](const QString& r) { return shown.startsWith(r); }))
          << k << ": " << shown.toStdString();
      const Kept after = KeptOf(doc);
      EXPECT_EQ(after.counters, before.counters) << "allocation " << k << " of " << total;
      EXPECT_TRUE(after.bytes == before.bytes) << "allocation " << k << " of " << total;
    }
  }

  bool Prepare(CKavrelDoc& doc, const std::function<void(CKavrelDoc&)>& setUp) {
    doc.OnNewDocument();
    if (!doc.OnOpenDocument(path, false)) return false;
    doc.m_tools = RecordEveryPageTool(doc);
    setUp(doc);
    seams.notifier->shown.clear();
    return true;
  }

  // The step with its allocations counted, the k-th failing (0: none);
  // their number.
  // The page settles after the count: memory running out there leaves the
  // edit made and the page to be computed whole by the next edit.
  static long Counted(CKavrelDoc& doc, const std::function<void(CKavrelDoc&)>& step, long k) {
    const CEditScope edit;
    StartCountingAllocations();
    FailAllocation(k);
    try {
      step(doc);
    } catch (const std::bad_alloc&) {
      ADD_FAILURE() << "allocation " << k << ": memory running out left the step";
    }
    return StopCountingAllocations();
  }

  QString path;
};

constexpr const char* kNoMemory = "此操作未能完成，文档保持原样：内存不足。";

CGPage& PageNamed(CKavrelDoc& doc, const char* name) {
  for (const auto& page : doc.m_pages)
    if (page->m_strName == QLatin1String(name)) return *page;
  return *doc.m_pages.front();
}

TEST_F(OutOfMemoryTest, AnOpenIsRefusedAndThePreviousDocumentStays) {
  if (!AllocationsWatched()) GTEST_SKIP() << "the sanitizer's operator new";
  Sweep([](CKavrelDoc&) {}, [this](CKavrelDoc& doc) { doc.OnOpenDocument(path, false); },
        {QString::fromUtf8("打开文档失败：")});
  EXPECT_TRUE(Shown().endsWith(QString::fromUtf8("内存不足。")));
}

TEST_F(OutOfMemoryTest, APasteOfCellsOrOfAPageIsRefused) {
  if (!AllocationsWatched()) GTEST_SKIP() << "the sanitizer's operator new";
  // A record read or entered in part counts as damaged; before and after
  // that the command as a whole is refused.
  const QStringList refusals = {QString::fromUtf8("剪贴板上的对象数据已损坏或不是本程序的，没有粘贴任何对象。"),
                                QString::fromUtf8(kNoMemory)};
  for (const bool wholePage : {false, true}) {
    SCOPED_TRACE(wholePage ? "a page" : "cells");
    const auto copy = [wholePage](CKavrelDoc& doc) {
      CGPage& paths = PageNamed(doc, "paths");
      doc.SwitchToPage(&paths);
      paths.ClearSelection();
      if (wholePage) {
        paths.m_bSelected = true;
      } else {
        for (auto [id, cell] : paths.m_cells) paths.SelectCell(id);
      }
      PutRecord(MakeClipboardRecord(paths));
      paths.m_bSelected = false;
    };
    Sweep(copy, [](CKavrelDoc&) { CommandRegistry().Run(ID_EDIT_PASTE); }, refusals);
  }
}

TEST_F(OutOfMemoryTest, AToolAppliedToTheSelectionIsRefused) {
  if (!AllocationsWatched()) GTEST_SKIP() << "the sanitizer's operator new";
  // The tool of the values page (points, values, captions and buttons)
  // applied on that page to inputs of its own kinds.
  const auto select = [](CKavrelDoc& doc) {
    CGPage& values = PageNamed(doc, "values");
    doc.SwitchToPage(&values);
    g_pCurrentTool = doc.m_tools.at(1).get();
    g_nToolMode = 1;
    const ToolInputKinds inputs = CountToolInputs(*g_pCurrentTool);
    int points = inputs.points, variables = inputs.values;
    values.ClearSelection();
    for (auto [id, cell] : values.m_cells) {
      if (points > 0 && cell->IsKindOf(RUNTIME_CLASS(CGVertex)))
        points -= values.SelectCell(id);
      else if (variables > 0 && IsKindOfClassName(cell, "CGTmVariable"))
        variables -= values.SelectCell(id);
    }
  };
  Sweep(select, [](CKavrelDoc&) { CommandRegistry().Run(ID_TOOL_AUTODO); }, {QString::fromUtf8(kNoMemory)});
}

}  // namespace
