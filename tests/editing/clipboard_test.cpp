// The clipboard record of cells and pages: its bytes, what a copy takes
// along, how a paste renumbers, relinks and places the cells, and that a
// damaged or foreign record leaves the page exactly as it was.
#include <QStringList>
#include <algorithm>
#include <random>

#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeinline.h"
#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextmap.h"
#include "editingtestsupport.h"
#include "model/autocolor.h"
#include "model/cgbutton.h"
#include "platform/archivecollections.h"
#include "platform/commandids.h"
#include "render/viewglobals.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

QByteArray Own(CGCell& cell) {
  CArchive ar;
  cell.Serialize(ar);
  return ar.Bytes();
}
QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

// The stored ids of a kind 2 record, in key order; the kind of any record.
std::vector<WORD> CopiedIds(const QByteArray& record, DWORD* kind) {
  CArchive ar(record);
  *kind = ar.ReadDword();
  std::vector<WORD> ids;
  if (*kind != kClipboardCells) return ids;
  auto cells = ReadWordObMap<CGCell>(ar);
  std::sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t k = 0; k < cells.size(); ++k) {
    EXPECT_EQ(cells[k].first, k);
    ids.push_back(cells[k].second->m_nId);
  }
  return ids;
}

// A, B, C; segment AB; P on AB; segment PC.
struct Figure {
  explicit Figure(CommandPage& p) {
    a = p.Point(1, 2, 3), b = p.Point(5, 2, 3), c = p.Point(0, 4, 0);
    ab = p.Line(a, b);
    CGPage& page = p.Page();
    pt = p.Enter(new CGVerFreeInLine(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), ab, 0.25f));
    pc = p.Line(pt, c);
  }
  WORD a, b, c, ab, pt, pc;
};

TEST(ClipboardRecord, CellsAreAKindTwoMapRankedByIdWithTheirClassesOnce) {
  CommandPage p;
  Figure f(p);
  p.Select({f.ab});
  ASSERT_TRUE(p.Run(ID_EDIT_COPY));
  const QByteArray expected = Hex("02000000" "0300" "0000" "ffff" "0100" "0c00") + "CGVerFreeXyz" +
                              Own(*p.Find(f.a)) + Hex("0100" "0180") + Own(*p.Find(f.b)) +
                              Hex("0200" "ffff" "0100" "0600") + "CGLine" + Own(*p.Find(f.ab));
  EXPECT_EQ(ClipboardRecord().toHex(), expected.toHex());
}

TEST(ClipboardRecord, ACopyTakesTheAncestorsButNotTheDependants) {
  // The figure's ids: A 1, B 2, C 3, AB 4, P 5, PC 6.
  struct Row {
    const char* name;
    std::vector<WORD> selected, copied;  // copied in key order
  } const rows[] = {
      {"a point on a segment", {5}, {1, 2, 4, 5}},
      {"the last segment", {6}, {1, 2, 3, 4, 5, 6}},
      {"selected against id order", {3, 1}, {1, 3}},
      {"nothing selected", {}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandPage p;
    ASSERT_EQ(Figure(p).pc, 6);
    p.Select(row.selected);
    CopySelectionToClipboard();
    DWORD kind = 0;
    EXPECT_EQ(CopiedIds(ClipboardRecord(), &kind), row.copied);
    EXPECT_EQ(kind, kClipboardCells);
    for (auto [id, cell] : p.Page().m_cells) EXPECT_FALSE(cell->m_bMarked) << "mark left on " << id;
  }
}

TEST(ClipboardPaste, CellsTakeTheNextIdsInIdOrderAndAreRelinked) {
  CommandPage p;
  p.Page().m_nNextId = 5;
  const WORD a = p.Point(1, 1, 0), b = p.Point(2, 1, 0), ab = p.Line(a, b);
  ASSERT_EQ(a, 5);
  p.Select({ab});
  ASSERT_TRUE(p.Run(ID_EDIT_COPY));
  CGPage* other = p.doc.OnCreatePage();
  other->m_nNextId = 10;
  ASSERT_TRUE(p.Run(ID_EDIT_PASTE));
  EXPECT_EQ(other->m_cells.Ids(), (std::vector<WORD>{10, 11, 12}));
  EXPECT_EQ(other->m_nNextId, 13);
  EXPECT_EQ(p.Find(12)->m_parents, (std::vector<WORD>{10, 11}));
  EXPECT_EQ(p.Find(10)->m_children, (std::vector<WORD>{12}));
  EXPECT_EQ(p.Find(11)->m_children, (std::vector<WORD>{12}));
  EXPECT_EQ(p.Find(12)->m_strName, QStringLiteral("AB"));
  EXPECT_TRUE(p.Find(12)->m_bDefined);
  EXPECT_EQ(other->m_nNextVertex, 3);
  EXPECT_EQ(other->m_undo.CurrentCommand()->GetName(), QStringLiteral("粘贴对象"));
  EXPECT_TRUE(p.doc.IsModified());
  // The source keeps its own cells, ids and links.
  EXPECT_EQ(p.doc.m_pages[0]->m_cells.Ids(), (std::vector<WORD>{5, 6, 7}));
  const auto pasted = CellRecords(*other);
  ASSERT_TRUE(other->m_undo.Undo());
  EXPECT_TRUE(other->m_cells.empty());
  ASSERT_TRUE(other->m_undo.Redo());
  EXPECT_EQ(CellRecords(*other), pasted);
}

// A cell that reads one cell twice is listed once among its children, as
// a loaded page lists it, so the page saves the same after reopening.
TEST(ClipboardPaste, ACellReadingOneCellTwiceIsListedOnceAmongItsChildren) {
  CommandPage p;
  const WORD a = p.Point(1, 1, 0), aa = p.Line(a, a);
  ASSERT_EQ(p.Find(a)->m_children, (std::vector<WORD>{aa}));
  p.Select({aa});
  ASSERT_TRUE(p.Run(ID_EDIT_COPY));
  ASSERT_TRUE(p.Run(ID_EDIT_PASTE));
  const WORD pastedA = WORD(aa + 1), pastedAa = WORD(aa + 2);
  ASSERT_EQ(p.Find(pastedAa)->m_parents, (std::vector<WORD>{pastedA, pastedA}));
  EXPECT_EQ(p.Find(pastedA)->m_children, (std::vector<WORD>{pastedAa}));
}

TEST(ClipboardPaste, FreePointsStepFortyPixelsAwayInTheCopiedPageOnly) {
  CommandPage p;
  const WORD a = p.Point(1, 2, 3);
  p.Select({a});
  ASSERT_TRUE(p.Run(ID_EDIT_COPY));
  EXPECT_EQ(p.Page().m_nPasteCount, 1) << "the copy's own clipboard change";
  const float u = g_fUnitsPerPixel;
  const auto pasted = [&]() { return p.As<CGVertex>(p.Page().m_nNextId - 1)->m_vPos; };
  ASSERT_TRUE(p.Run(ID_EDIT_PASTE));
  EXPECT_FLOAT_EQ(pasted()[0], 1 + 40 * u);
  EXPECT_FLOAT_EQ(pasted()[1], 2 - 40 * u);
  EXPECT_FLOAT_EQ(pasted()[2], 3);
  ASSERT_TRUE(p.Run(ID_EDIT_PASTE));
  EXPECT_FLOAT_EQ(pasted()[0], 1 + 80 * u);
  EXPECT_FLOAT_EQ(pasted()[1], 2 - 80 * u);
  // Copied again, then the clipboard changed: another page pastes in place.
  ASSERT_TRUE(p.Run(ID_EDIT_COPY));
  p.doc.OnCreatePage();
  EXPECT_EQ(p.Page().m_nPasteCount, 0);
  ASSERT_TRUE(p.Run(ID_EDIT_PASTE));
  EXPECT_FLOAT_EQ(pasted()[0], 1);
  EXPECT_FLOAT_EQ(pasted()[1], 2);
  EXPECT_EQ(p.Page().m_nPasteCount, 1);
  Clipboard().SetImage(QImage(1, 1, QImage::Format_RGB32));  // another program's picture
  EXPECT_EQ(p.Page().m_nPasteCount, 0);
}

TEST(ClipboardPaste, ButtonsAndValuesTakeTheNextDefaultPlacesAndFormulasTheBackdrop) {
  CommandPage p;
  auto* button = new CGButton;
  auto* value = new CGTmVariable;
  auto* formula = new CGTbVodText;
  for (CGCell* cell : std::initializer_list<CGCell*>{button, value, formula}) {
    cell->m_nId = p.Page().m_nNextId++;
    cell->m_vLabelAnchor[0] = cell->m_vLabelAnchor[1] = 5;
    p.Enter(cell);
  }
  formula->m_dwOption = 0x00FFFFFF;
  value->m_nStyle = 1;  // the name-equals-value form, one row high
  value->m_nParamB = 1;
  p.Select({button->m_nId, value->m_nId, formula->m_nId});
  ASSERT_TRUE(p.Run(ID_EDIT_COPY));
  g_prefs.background = {0, 0, 1, 1};
  ASSERT_TRUE(p.Run(ID_EDIT_PASTE));
  // A fresh page's first button slot is grid (-18, 12) and its first text
  // slot (13, 11), 20 pixels a unit.
  const float s = 20 * g_fUnitsPerPixel;
  const CGCell* pastedButton = p.Find(4);
  const CGCell* pastedValue = p.Find(5);
  EXPECT_FLOAT_EQ(pastedButton->m_vLabelAnchor[0], -18 * s);
  EXPECT_FLOAT_EQ(pastedButton->m_vLabelAnchor[1], 12 * s);
  EXPECT_FLOAT_EQ(pastedValue->m_vLabelAnchor[0], 13 * s);
  EXPECT_FLOAT_EQ(pastedValue->m_vLabelAnchor[1], 11 * s);
  EXPECT_EQ(p.As<CGTbVodText>(6)->m_dwOption, 0x00FF0000u);
  EXPECT_EQ(formula->m_dwOption, 0x00FFFFFFu) << "the copied text keeps its own";
}

// One message, no undo step, not a byte of the page changed.
void ExpectRefused(CommandPage& p, const QByteArray& record, const char* name) {
  SCOPED_TRACE(name);
  PutRecord(record);
  const QByteArray before = PageBytes(p.Page());
  const int steps = p.Page().m_undo.GetCount();
  const size_t shown = p.seams.notifier->shown.size();
  const size_t pages = p.doc.m_pages.size();
  ASSERT_TRUE(p.Run(ID_EDIT_PASTE));
  EXPECT_EQ(PageBytes(p.Page()).toHex(), before.toHex());
  EXPECT_EQ(p.Page().m_undo.GetCount(), steps);
  EXPECT_EQ(p.doc.m_pages.size(), pages);
  ASSERT_EQ(p.seams.notifier->shown.size(), shown + 1);
  EXPECT_FALSE(p.seams.notifier->shown.back().text.isEmpty());
}

// A record written from cells whose stored fields a test has changed.
QByteArray RecordOf(const std::vector<std::pair<WORD, CGCell*>>& cells) {
  CArchive ar;
  ar << static_cast<DWORD>(kClipboardCells);
  WriteWordObMap(ar, cells);
  return ar.Bytes();
}

TEST(ClipboardPaste, DamagedOrForeignRecordsPasteNothing) {
  CommandPage p;
  Figure f(p);
  p.Select({f.pt});
  CopySelectionToClipboard();
  const QByteArray good = ClipboardRecord();
  CGCell *a = p.Find(f.a), *b = p.Find(f.b), *ab = p.Find(f.ab);

  QByteArray unknown = good;
  unknown.replace("CGVerFreeXyz", "CGVerFreeXyq");
  ExpectRefused(p, unknown, "unknown class");
  ExpectRefused(p, good.left(good.size() - 3), "truncated");
  ExpectRefused(p, Hex("03000000") + good.mid(4), "kind 3");
  ExpectRefused(p, Hex("0200"), "kind cut short");
  QByteArray inflated = good;
  inflated.replace(4, 2, Hex("ffff" "ffffff00"));
  ExpectRefused(p, inflated, "inflated count");
  ExpectRefused(p, RecordOf({{0, a}, {0, b}}), "duplicate key");
  ExpectRefused(p, RecordOf({{0, a}, {2, b}}), "key beyond the count");
  ExpectRefused(p, RecordOf({{1, a}, {0, b}}), "keys against id order");
  ExpectRefused(p, RecordOf({{0, a}, {1, ab}}), "dangling parent");
  ExpectRefused(p, RecordOf({{0, a}, {1, nullptr}}), "no cell under a key");
  const std::vector<WORD> parents = ab->m_parents;
  ab->m_parents = {f.a, f.pt};  // changed by hand, outside an edit: kept as it stands
  ExpectRefused(p, RecordOf({{0, a}, {1, ab}, {2, p.Find(f.pt)}}), "parent above its child");
  ab->m_parents = parents;
  CGPage page;
  CArchive foreign;
  foreign << static_cast<DWORD>(kClipboardCells);
  WriteWordObMap(foreign, std::vector<std::pair<WORD, const CObject*>>{{0, &page}});
  ExpectRefused(p, foreign.Bytes(), "a page where a cell belongs");
  ExpectRefused(p, Hex("01000000") + PageBytes(p.Page()).left(40), "a page cut short");

  p.Page().m_nNextId = CGPage::kMaxCellId - 1;  // room for two of the four
  ExpectRefused(p, good, "no ids left");
  EXPECT_EQ(p.seams.notifier->shown.back().text, QStringLiteral("本页对象数已达上限，不能粘贴这些对象！"));
}

TEST(ClipboardPaste, MutatedRecordsNeverHarmThePage) {
  CommandPage p;
  Figure f(p);
  p.Face({f.a, f.b, f.c});
  p.Select({f.pc, static_cast<WORD>(p.Page().m_nNextId - 1)});
  CopySelectionToClipboard();
  const QByteArray good = ClipboardRecord();
  const QByteArray before = PageBytes(p.Page());
  const auto records = CellRecords(p.Page());
  std::mt19937 random(20240607);
  int accepted = 0;
  for (int round = 0; round < 3000; ++round) {
    QByteArray record = good;
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits; ++e) {
      const int at = static_cast<int>(random() % record.size());
      switch (random() % 4) {
        case 0: record[at] = static_cast<char>(random()); break;
        case 1: record[at] = static_cast<char>(record[at] ^ (1 << (random() % 8))); break;
        case 2: record.truncate(std::max(at, 4)); break;
        default: record.insert(at, static_cast<char>(random())); break;
      }
    }
    PutRecord(record);
    const int done = p.Page().m_undo.CurrentIndex();
    p.Run(ID_EDIT_PASTE);
    if (p.Page().m_undo.CurrentIndex() != done) {
      ++accepted;
      ASSERT_TRUE(p.Page().m_undo.Undo()) << round;
      ASSERT_EQ(CellRecords(p.Page()), records) << "round " << round;
    } else if (p.doc.m_pages.size() > 1) {
      SetCurrentPage(p.doc.m_pages[0].get());
      p.doc.m_pages.resize(1);
    } else {
      ASSERT_EQ(PageBytes(p.Page()), before) << "round " << round;
    }
  }
  EXPECT_GT(accepted, 0) << "some mutations leave a valid record";
}

}  // namespace
