// Memory running out at any point of opening a document, pasting cells or
// a page, applying a tool to the selection or saving: the step is refused
// with a message and the document stays as it was, down to the counters
// that hand out automatic names and default places; a save leaves the file
// as it was or writes all of it.  Each step's allocations are counted once;
// then the step runs again with one of them failing, at points spread over
// the whole step.  With KAVREL_EVERY_ALLOCATION set in the environment,
// every allocation fails in turn (a long run, by hand).
#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "allocations.h"
#include "cells/texts/cgtbvodtext.h"
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
#include "platform/filebytes.h"
#include "support/documentsteps.h"
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
    Kept before, whole;
    const auto keep = [&](CKavrelDoc& doc) {
      setUp(doc);
      before = KeptOf(doc);
    };
    Runs(keep, step, [&](CKavrelDoc& doc, long k, long total) {
      const Kept after = KeptOf(doc);
      if (k == 0) {
        ASSERT_TRUE(seams.notifier->shown.empty()) << Shown().toStdString();
        ASSERT_FALSE(after == before) << "the step changes the document";
        whole = after;
        return;
      }
      // Noting what the edit touches may run out of memory: the edit is
      // then made whole (the colours the cells made take from the cycle
      // aside) and the page computed whole, as a reopen computes it.
      if (seams.notifier->shown.empty()) {
        EXPECT_EQ(after.counters, whole.counters) << "allocation " << k << " of " << total << ": neither refused nor made whole";
        EXPECT_EQ(DocumentFault(doc, folder.path()), "") << "allocation " << k << " of " << total;
        return;
      }
      ASSERT_EQ(seams.notifier->shown.size(), 1u) << "allocation " << k << " of " << total;
      const QString shown = Shown();
      EXPECT_TRUE(std::any_of(refusals.begin(), refusals.end(), [&](const QString& r) { return shown.startsWith(r); }))
          << k << ": " << shown.toStdString();
      EXPECT_EQ(after.counters, before.counters) << "allocation " << k << " of " << total;
      EXPECT_TRUE(after.bytes == before.bytes) << "allocation " << k << " of " << total;
    });
  }

  // Prepares a document for each run and runs `step` on it, counted: first
  // whole, then with the k-th allocation failing for each point; `judge`
  // looks at each (k 0: the whole run, of `total` allocations).
  void Runs(const std::function<void(CKavrelDoc&)>& setUp, const std::function<void(CKavrelDoc&)>& step,
            const std::function<void(CKavrelDoc&, long k, long total)>& judge) {
    long total = 0, runs = 0;
    for (long i = -1; i < runs && !HasFailure(); ++i) {
      const long k = i < 0 ? 0 : 1 + i * (total - 1) / std::max(runs - 1, 1L);
      CKavrelDoc doc;
      ASSERT_TRUE(Prepare(doc, setUp));
      const long counted = Counted(doc, step, k);
      if (k == 0) {
        total = counted;
        runs = std::getenv("KAVREL_EVERY_ALLOCATION") ? total : std::min(kPoints, total);
      }
      judge(doc, k, total);
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
  EXPECT_TRUE(Shown().endsWith(QString::fromUtf8("内存不足。"))) << Shown().toStdString();
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

TEST_F(OutOfMemoryTest, ASaveIsRefusedOrWrittenWhole) {
  if (!AllocationsWatched()) GTEST_SKIP() << "the sanitizer's operator new";
  // With the formula pictures the save renders those the open left for
  // their first draw; without them, its read-back measures the texts.  Each
  // run gives the texts a face not measured before, so the font cache
  // takes it in during the save.  Saved again after, the document is whole.
  const QString target = folder.filePath(QStringLiteral("saved.kv")), fresh = folder.filePath(QStringLiteral("fresh.kv"));
  const QByteArray old("the old document");
  int face = 0;
  for (const BOOL pictures : {0, 1}) {
    SCOPED_TRACE(pictures ? "with the formula pictures" : "without them");
    const auto texts = [&](CKavrelDoc& doc) {
      doc.m_bSaveVodPictures = pictures;
      for (const auto& page : doc.m_pages)
        for (auto [id, cell] : page->m_cells)
          if (auto* text = dynamic_cast<CGTbVodText*>(cell))
            text->m_strMarkup = QStringLiteral("<#:name=Kavrel %1><l><e>A+B</e></l></#>").arg(face);
    };
    const auto setUp = [&](CKavrelDoc& doc) {
      texts(doc);
      ASSERT_TRUE(WriteFileBytes(target, old));
    };
    Runs(setUp, [&](CKavrelDoc& doc) { doc.OnSaveDocument(target); }, [&](CKavrelDoc& doc, long k, long total) {
      const std::string at = "allocation " + std::to_string(k) + " of " + std::to_string(total);
      const std::optional<QByteArray> written = ReadFileBytes(target);
      const bool refused = !seams.notifier->shown.empty();
      EXPECT_TRUE(k || !refused) << Shown().toStdString();
      if (refused) {
        EXPECT_EQ(Shown(), QString::fromUtf8("保存文档失败：") + target + QString::fromUtf8("\n内存不足。")) << at;
      }
      ASSERT_TRUE(doc.OnSaveDocument(target)) << at;
      const std::optional<QByteArray> again = ReadFileBytes(target);
      CKavrelDoc reference;  // the same document saved with memory to spare
      ASSERT_TRUE(Prepare(reference, texts));
      ASSERT_TRUE(reference.OnSaveDocument(fresh));
      const std::optional<QByteArray> whole = ReadFileBytes(fresh);
      EXPECT_TRUE(written == (refused ? old : whole)) << at << (refused ? ": the file changed" : ": written in part");
      EXPECT_TRUE(again == whole) << at << ": saved again";
      ++face;
    });
  }
}

}  // namespace
