#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "math/mathglobals.h"
#include "model/vertexarray.h"
#include "modeltestsupport.h"
#include "platform/archivecollections.h"

namespace KAVREL_FILE_LOCAL {

class PageNameTest : public ModelTest {};

TEST_F(PageNameTest, PointNamesCycleThroughTheSuffixes) {
  // The n-th automatic point name of a fresh page.
  const std::map<int, QString> expected = {
      {1, "A"},   {26, "Z"},  {27, "A1"},  {52, "Z1"},  {53, "A2"},  {235, "A9"},
      {260, "Z9"}, {261, "A'"}, {286, "Z'"}, {287, "A0"}, {312, "Z0"}, {313, "A"},
      {339, "A1"},
  };
  for (int n = 1; n <= 339; ++n) {
    const QString name = page->GetNewName(1);
    if (auto it = expected.find(n); it != expected.end()) {
      EXPECT_EQ(name, it->second) << n;
    }
  }
}

TEST_F(PageNameTest, CircleNamesWrapAfter255) {
  QString names[258];
  for (QString& name : names) name = page->GetNewName(4);
  EXPECT_EQ(names[0], "c1");
  EXPECT_EQ(names[254], "c255");
  EXPECT_EQ(names[255], "c0");
  EXPECT_EQ(names[256], "c1");
  EXPECT_EQ(page->GetNewName(2), "c3") << "every kind but 1 counts circles";
  EXPECT_EQ(page->GetNewName(1), "A") << "circles leave the point names alone";
}

// Every stage boundary, the wrap after "Z0" included, is crossed backwards.
TEST_F(PageNameTest, RollingBackRetracesEveryName) {
  std::vector<QString> names;
  for (int n = 0; n < 700; ++n) names.push_back(page->GetNewName(1));
  for (int n = 699; n >= 0; --n) {
    page->RollBackPointName();
    CGPage probe;
    probe.m_chNameLetter = page->m_chNameLetter;
    probe.m_chNameSuffix = page->m_chNameSuffix;
    ASSERT_EQ(probe.GetNewName(1), names[n]) << n;
  }
}

TEST_F(ModelTest, IdsStopBeforeTheCounterWraps) {
  page->m_nNextId = 0xFFFD;
  EXPECT_TRUE(page->HasRoomForCells(2));
  EXPECT_TRUE(seams.notifier->shown.empty());
  EXPECT_FALSE(page->HasRoomForCells(3));
  page->m_nNextId = 0xFFFF;
  EXPECT_FALSE(page->HasRoomForCells(1));
  EXPECT_TRUE(page->HasRoomForCells(0));
  ASSERT_EQ(seams.notifier->shown.size(), 2u);
  EXPECT_FALSE(seams.notifier->shown[0].text.isEmpty());
}

TEST_F(ModelTest, NewPagesTakeTheCurrentViewState) {
  g_fViewTranslate[0] = 1;
  g_fViewTranslate[1] = 2;
  g_fViewTranslate[2] = -30;
  ViewQuaternion = Quaternion{0.5, 0.1, 0.2, 0.3};
  g_fViewScale = 2;
  g_prefs.background = {0.1f, 0.2f, 0.3f, 0.4f};
  g_nProjection = 2;
  g_bLockDrag = 1;
  CGPage fresh;
  EXPECT_EQ(std::vector<float>(fresh.m_vTranslate, fresh.m_vTranslate + 3), (std::vector<float>{1, 2, -30}));
  EXPECT_EQ(std::vector<float>(fresh.m_qRotate, fresh.m_qRotate + 4),
            (std::vector<float>{0.1f, 0.2f, 0.3f, 0.5f}));
  EXPECT_EQ(fresh.m_fScale, 2.0f);
  EXPECT_EQ(fresh.m_rgbaBackground[3], 0.4f);
  EXPECT_EQ(fresh.m_nProjection, 2);
  EXPECT_FALSE(fresh.m_bLockView);
  EXPECT_TRUE(fresh.m_bLockDrag);
  EXPECT_EQ(fresh.m_nNextId, 1);
  EXPECT_EQ(fresh.m_nNextVertex, 1);
  EXPECT_EQ(fresh.m_ptLastButton[0], -1000.0f);
  EXPECT_EQ(fresh.m_ptLastText[0], 1000.0f);
  EXPECT_EQ(fresh.m_nToolPendingId, -1);
}

TEST_F(ModelTest, DeletingTheCurrentPageForgetsIt) {
  page.reset();
  EXPECT_EQ(g_pCurPage, nullptr);
  EXPECT_EQ(g_pCurCells, nullptr);
}

class ToolInstanceTest : public ModelTest {
 protected:
  // Cells 1 and 2 were finished by the instance that started at id 1.
  void SetUp() override {
    a = AddPoint(0, 0, 0);
    b = AddPoint(1, 0, 0);
    page->m_nToolFirstId = 1;
    page->m_nToolDone = 2;
    page->m_nToolPendingId = 3;
    page->m_pToolRecord = std::make_unique<CGCell>();
    a->m_bHovered = b->m_bHovered = true;
  }
  CGVertex *a, *b;
};

TEST_F(ToolInstanceTest, NothingPendingReturnsTheFinishedCells) {
  EXPECT_EQ(page->EndToolInstance(), 2);
  EXPECT_EQ(page->m_nNextId, 3);
  EXPECT_EQ(page->m_nToolPendingId, 0);
  EXPECT_EQ(page->m_nToolDone, 2);
  EXPECT_FALSE(page->m_pToolRecord);
  EXPECT_FALSE(a->m_bHovered || b->m_bHovered);
  EXPECT_EQ(page->EndToolInstance(), 0) << "no instance any more";
}

TEST_F(ToolInstanceTest, UnfinishedCellsAreRemovedAndTheirNamesGivenBack) {
  CGVertex* named = AddPoint(2, 0, 0);   // "C": gives its name back
  CGVertex* fixed = AddPoint(3, 0, 0);   // "D", fixed by the user: keeps it
  fixed->m_bNameFixed = true;
  CGCell* line = Add({a->m_nId, named->m_nId});
  ASSERT_EQ(line->m_nId, 5);
  EXPECT_EQ(page->EndToolInstance(), -1);
  EXPECT_EQ(page->m_cells.Ids(), (std::vector<WORD>{1, 2}));
  EXPECT_TRUE(a->m_children.empty());
  EXPECT_EQ(page->m_nNextId, 3);
  EXPECT_EQ(page->GetNewName(1), "D");
}

// --- The page record ----------------------------------------------------

QByteArray StorePage(CGPage& p, bool older) {
  CArchive ar;
  ar.Context().bOlderLayout = older;
  p.Serialize(ar);
  return ar.Bytes();
}

std::unique_ptr<CGPage> LoadPage(const QByteArray& record) {
  CArchive ar(record);
  auto p = std::make_unique<CGPage>();
  p->Serialize(ar);
  EXPECT_EQ(ar.Remaining(), 0);
  return p;
}

// A page whose stored fields all differ from their neighbours.
void MakeDistinct(CGPage& p) {
  p.m_nId = 3;
  p.m_strName = QStringLiteral("第二页");
  p.m_nNextId = 0x0104;
  p.m_nNextVertex = 0x0105;
  p.m_chNameLetter = 'D';
  p.m_chNameSuffix = '2';
  p.m_nCircleCounter = 6;
  p.m_bThreeView = 1;
  p.m_bFourthQuadrant = false;
  p.m_nButtonSlot = 7;
  p.m_nTextSlot = 8;
  p.m_bSelected = 1;
  p.m_bFullTrace = 1;
  const float q[4] = {0.1f, 0.2f, 0.3f, 0.9f};
  std::copy_n(q, 4, p.m_qRotate);
  const float t[3] = {1.5f, 2.5f, -40.0f};
  std::copy_n(t, 3, p.m_vTranslate);
  p.m_fScale = 1.25f;
  p.m_nProjection = 2;
  p.m_bLockView = true;
  p.m_bLockDrag = false;
  const float bg[4] = {0.25f, 0.5f, 0.75f, 1.0f};
  std::copy_n(bg, 4, p.m_rgbaBackground);
  p.m_nAutoButton = 9;
  p.m_strMedia = QStringLiteral("m.wav");
  p.m_bLitHidesDashed = 0;
  p.m_nPixelsPerUnit = 40;
  p.m_nAxisOrientation = 2;
  p.m_nReserved1 = 11;
  p.m_nReserved2 = 12;
  p.m_strReserved = QStringLiteral("r");
}

QByteArray DistinctPageRecord(bool older) {
  RecordBytes b;
  b.u16(0).u16(3).str(QStringLiteral("第二页")).u16(0x0104).u16(0x0105).u8('D').u8('2').u8(6);
  b.u32(1).u8(0).u8(7).u8(8).u32(1).u32(1);
  b.f32(0.1f).f32(0.2f).f32(0.3f).f32(1.5f).f32(2.5f).f32(-40.0f).f32(1.25f).i32(2).u8(1).u8(0);
  b.f32(0.25f).f32(0.5f).f32(0.75f).f32(1.0f);
  b.u32(older ? 0 : 1).i32(9).f32(0.9f).str("m.wav");
  if (!older) b.i32(0).i32(40).i32(2).i32(11).i32(12).str("r");
  return b.get();
}

class PageRecordTest : public ModelTest {};

// The newer layout reads back to the same bytes; the older one drops the
// extension, which reads back as its defaults.
TEST_F(PageRecordTest, BothLayoutsWriteTheFieldsInRecordOrder) {
  for (const bool older : {false, true}) {
    CGPage p;
    MakeDistinct(p);
    EXPECT_EQ(StorePage(p, older).toHex(), DistinctPageRecord(older).toHex()) << older;
    EXPECT_EQ(p.m_bExtended, older ? 0 : 1);
  }
  EXPECT_EQ(StorePage(*LoadPage(DistinctPageRecord(false)), false), DistinctPageRecord(false));
  auto read = LoadPage(DistinctPageRecord(true));
  EXPECT_EQ(read->m_bExtended, 1);
  EXPECT_EQ(read->m_bLitHidesDashed, 1);
  EXPECT_EQ(read->m_nPixelsPerUnit, 20);
  EXPECT_EQ(read->m_nAxisOrientation, 1);
  EXPECT_EQ(read->m_nReserved1, 0);
  EXPECT_EQ(read->m_nReserved2, 0);
  EXPECT_TRUE(read->m_strReserved.isEmpty());
  EXPECT_EQ(read->m_qRotate[3], 0.9f);
  EXPECT_EQ(read->m_strMedia, "m.wav");
}

TEST_F(PageRecordTest, CellsTravelWithThePage) {
  CGPage p;
  SetCurrentPage(&p);
  auto* a = new CGVertex(1, 1, QStringLiteral("A"), 1, 2, 3);
  auto* line = new CGCell;
  line->m_nId = 2;
  line->m_parents = {1};
  a->m_children = {2};
  p.m_cells.SetAt(1, a);
  p.m_cells.SetAt(2, line);
  p.m_nNextId = 3;
  p.m_nNextVertex = 2;

  CArchive out;
  out.WriteObject(&p);
  // Map count, then key and object per cell, the class named on first use only.
  EXPECT_TRUE(out.Bytes().startsWith(
      RecordBytes().u16(0xFFFF).u16(1).u16(6).bytes("CGPage").u16(2).u16(1).u16(0xFFFF).u16(1).u16(8).get() +
      "CGVertex"));
  CArchive in(out.Bytes());
  std::unique_ptr<CGPage> read = in.ReadOwned<CGPage>();
  ASSERT_TRUE(read);
  EXPECT_EQ(read->m_cells.Ids(), (std::vector<WORD>{1, 2}));
  EXPECT_EQ(read->m_cells.Lookup(1)->GetRuntimeClass(), RUNTIME_CLASS(CGVertex));
  EXPECT_EQ(read->m_cells.Lookup(1)->m_children, (std::vector<WORD>{2}));
  CArchive again;
  again.WriteObject(read.get());
  EXPECT_EQ(again.Bytes(), out.Bytes());
}

QByteArray StoreCell(WORD id) {
  CGCell cell;
  cell.m_nId = id;
  CArchive ar;
  cell.Serialize(ar);
  return ar.Bytes();
}

// A page record with the given cells (taken over) and otherwise defaults.
QByteArray PageWith(std::vector<std::pair<WORD, CGCell*>> cells, void (*tweak)(CGPage&) = nullptr) {
  CGPage p;
  for (auto [key, cell] : cells) p.m_cells.SetAt(key, cell);
  p.m_nNextId = 100;
  if (tweak) tweak(p);
  return StorePage(p, false);
}

CGCell* Cell(WORD id, std::vector<WORD> parents = {}, std::vector<WORD> children = {}) {
  auto* cell = new CGCell;
  cell->m_nId = id;
  cell->m_parents = std::move(parents);
  cell->m_children = std::move(children);
  return cell;
}

TEST_F(PageRecordTest, StructuralDamageFailsTheLoad) {
  struct Case { const char* what; QByteArray record; } cases[] = {
      {"filed under another id", PageWith({{6, Cell(5)}})},
      {"id 0", PageWith({{0, Cell(0)}})},
      {"id 0xFFFF", PageWith({{0xFFFF, Cell(0xFFFF)}})},
      {"its own parent", PageWith({{2, Cell(2, {2})}})},
      {"parent above", PageWith({{2, Cell(2, {3})}, {3, Cell(3)}})},
      {"child below", PageWith({{2, Cell(2)}, {3, Cell(3, {}, {2})}})},
      {"null cell", RecordBytes().u16(1).u16(1).u16(0).get() + PageWith({}).mid(2)},
      {"key twice", RecordBytes().u16(2).u16(1).u16(0xFFFF).u16(1).u16(6).bytes("CGCell").bytes(
                        StoreCell(1)).u16(1).u16(0x8001).bytes(StoreCell(1)).get() +
                        PageWith({}).mid(2)},
  };
  for (const Case& c : cases) {
    CArchive ar(c.record);
    auto p = std::make_unique<CGPage>();
    EXPECT_EQ(ArchiveCause([&] { p->Serialize(ar); }), ArchiveError::BadData) << c.what;
  }
}

TEST_F(PageRecordTest, DanglingLinksAreRepaired) {
  auto read = LoadPage(PageWith({
      {1, Cell(1, {}, {7, 3, 5, 3})},  // 7 does not exist; 3 is there twice, 2 not at all; 5 names other parents
      {2, Cell(2, {1, 1})},
      {3, Cell(3, {1, 2})},
      {5, Cell(5, {2, 4})},      // parent 4 does not exist
  }));
  EXPECT_EQ(read->m_cells.Lookup(1)->m_children, (std::vector<WORD>{3, 2}));
  EXPECT_EQ(read->m_cells.Lookup(2)->m_children, (std::vector<WORD>{3, 5}));
  EXPECT_TRUE(read->m_cells.Lookup(3)->m_bDefined);
  EXPECT_FALSE(read->m_cells.Lookup(5)->m_bDefined);
  EXPECT_EQ(read->m_cells.Lookup(5)->m_parents, (std::vector<WORD>{2, 4}));
}

TEST_F(PageRecordTest, CountersAndViewValuesAreBroughtIntoRange) {
  auto read = LoadPage(PageWith(
      {{1, new CGVertex(1, 1, "A", 0, 0, 0)}, {2, new CGVertex(2, 2, "B", 0, 0, 0)}, {9, Cell(9)}},
      [](CGPage& p) {
        p.m_nNextId = 3;
        p.m_nNextVertex = 1;
        p.m_chNameLetter = 0;
        p.m_chNameSuffix = 'x';
        p.m_nPixelsPerUnit = 0;
        p.m_fScale = std::numeric_limits<float>::quiet_NaN();
        p.m_nProjection = 9;
        p.m_nAxisOrientation = -1;
        p.m_rgbaBackground[0] = 2;
        p.m_rgbaBackground[1] = -1;
        p.m_rgbaBackground[2] = std::numeric_limits<float>::infinity();
        p.m_vTranslate[1] = std::numeric_limits<float>::infinity();
        p.m_qRotate[3] = std::numeric_limits<float>::quiet_NaN();
      }));
  EXPECT_EQ(read->m_nNextId, 10);
  EXPECT_EQ(read->m_nNextVertex, 3);
  EXPECT_EQ(read->m_chNameLetter, 'A');
  EXPECT_EQ(read->m_chNameSuffix, ' ');
  EXPECT_EQ(read->m_nPixelsPerUnit, 5);
  EXPECT_EQ(read->m_fScale, 1.0f);
  EXPECT_EQ(read->m_nProjection, 1);
  EXPECT_EQ(read->m_nAxisOrientation, 1);
  EXPECT_EQ(std::vector<float>(read->m_rgbaBackground, read->m_rgbaBackground + 3),
            (std::vector<float>{1, 0, 1}));
  EXPECT_EQ(std::vector<float>(read->m_vTranslate, read->m_vTranslate + 3), (std::vector<float>{0, 0, -50}));
  EXPECT_NEAR(read->m_qRotate[3], 0.786566, 1e-6) << "the start orientation";

  auto wide = LoadPage(PageWith({}, [](CGPage& p) {
    p.m_nPixelsPerUnit = 1000;
    p.m_fScale = 0;
    p.m_chNameLetter = '[';
    p.m_chNameSuffix = '\'';
  }));
  EXPECT_EQ(wide->m_nPixelsPerUnit, 200);
  EXPECT_EQ(wide->m_fScale, 0.01f);
  EXPECT_EQ(wide->m_chNameLetter, '[') << "one past Z is a valid state";
  EXPECT_EQ(wide->m_chNameSuffix, '\'');
}

TEST_F(PageRecordTest, AnUnderstatedVertexCounterNeverOverrunsTheArray) {
  // 300 points stored with a next-slot counter of 2, refilled into the
  // 200-slot start array.
  std::vector<std::pair<WORD, CGCell*>> cells;
  for (WORD id = 1; id <= 300; ++id) cells.emplace_back(id, new CGVertex(id, 0, "P", id, 0, 0));
  QByteArray record = PageWith(cells, [](CGPage& p) { p.m_nNextVertex = 2; });
  auto read = LoadPage(record);
  read->m_nNextVertex = 2;  // as if a caller had set it by hand
  SetCurrentPage(read.get());
  EXPECT_TRUE(read->RebuildVertexArray());
  EXPECT_GE(VertexArraySlots(), 301);
  EXPECT_EQ(read->m_nNextVertex, 301);
  auto* last = static_cast<CGVertex*>(read->m_cells.Lookup(300));
  EXPECT_EQ(last->VertexIndex, 300);
  EXPECT_EQ(g_pVertexArray[3 * 300], 300.0f);
}

}  // namespace
