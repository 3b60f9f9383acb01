#include <gtest/gtest.h>

#include "model/cellmap.h"
#include "modeltestsupport.h"
#include "platform/archivecollections.h"

namespace KAVREL_FILE_LOCAL {

// A parentless point "A" whose every stored number differs from its
// neighbours, so a field written out of order cannot go unnoticed.
std::unique_ptr<CGVertex> DistinctPoint() {
  auto p = std::make_unique<CGVertex>(0x0102, 1, QStringLiteral("A"), 1.5f, -2.0f, 3.0f);
  p->m_bHidden = 1;
  p->m_nStyle = 3;
  p->m_nSubKind = 4;
  p->m_rgbaColor = RGBA{11, 12, 13, 14};
  p->m_rgbaLabel = RGBA{21, 22, 23, 24};
  p->m_fValue = 0.5f;
  p->m_dwParam1 = 0x31323334;
  p->m_dwParam2 = 0x41424344;
  p->m_dwParam3 = 0x51525354;
  p->m_bNameFixed = true;
  p->m_fSize = 7.0f;
  p->m_bTraced = true;
  p->m_nParamA = -1;
  p->m_nParamB = 7;
  p->m_nParamC = 9;
  p->m_nLabelMode = 2;
  p->m_nLabelExtra[0] = 61;
  p->m_nLabelExtra[1] = 62;
  p->m_nLabelExtra[2] = 63;
  p->m_nLabelExtra[3] = 64;
  return p;
}

// The common record and the point record of DistinctPoint, from the tables.
QByteArray DistinctPointRecord(bool older) {
  const float u = 0.05f;
  RecordBytes b;
  b.u16(0x0102).str("A").u8(1).u32(1).u32(0).u8(3).u8(4);
  b.f32(1.5f + 4 * u).f32(-2.0f + 0).f32(3.0f + 4 * u);
  b.u8(11).u8(12).u8(13).u8(14).u8(21).u8(22).u8(23).u8(24);
  b.f32(0.5f).u32(0x31323334).u32(0x41424344).u32(0x51525354).str("");
  b.u8(1).f32(7.0f).u8(1).i32(-1).i32(7).i32(9).str("");
  if (!older) b.i32(2).i32(61).i32(62).i32(63).i32(64).str("");
  b.words({}).words({});
  b.f32(1.5f).f32(-2.0f).f32(3.0f).f32(4 * u).f32(0).f32(4 * u);
  return b.get();
}

QByteArray Store(CGCell& cell, bool older) {
  CArchive ar;
  ar.Context().bOlderLayout = older;
  cell.Serialize(ar);
  return ar.Bytes();
}

class CellRecordTest : public ModelTest {};

TEST_F(CellRecordTest, WritesTheRecordTablesInBothLayoutsAndTheNewerReadsBack) {
  auto point = DistinctPoint();
  EXPECT_EQ(Store(*point, false).toHex(), DistinctPointRecord(false).toHex());
  EXPECT_EQ(Store(*point, true).toHex(), DistinctPointRecord(true).toHex());
  point->m_strText = QStringLiteral("描述");
  point->m_strVodName = QStringLiteral("<e>A</e>");
  point->m_strLabelExtra = QStringLiteral("x");
  CArchive ar(Store(*point, false));
  CGVertex read;
  read.Serialize(ar);
  EXPECT_EQ(ar.Remaining(), 0);
  EXPECT_EQ(Store(read, false), Store(*point, false));
}

TEST_F(CellRecordTest, OlderLayoutReadKeepsTheNewerFieldsAtTheirDefaults) {
  CArchive ar(DistinctPointRecord(true));
  ar.Context().bOlderLayout = true;
  CGVertex read;
  read.Serialize(ar);
  EXPECT_EQ(ar.Remaining(), 0);
  EXPECT_EQ(read.m_nLabelMode, 0);
  EXPECT_EQ(std::vector<int>(read.m_nLabelExtra, read.m_nLabelExtra + 4), std::vector<int>(4, 0));
  EXPECT_TRUE(read.m_strLabelExtra.isEmpty());
  // Everything else came through.
  EXPECT_EQ(read.m_nId, 0x0102);
  EXPECT_EQ(read.m_strName, "A");
  EXPECT_EQ(read.m_nParamC, 9);
  EXPECT_EQ(read.m_rgbaLabel, (RGBA{21, 22, 23, 24}));
  EXPECT_EQ(read.m_vPos[1], -2.0f);
  EXPECT_EQ(read.m_vLabelOffset[2], 4 * 0.05f);
}

TEST_F(CellRecordTest, NonZeroBytesReadAsTrue) {
  QByteArray bytes = DistinctPointRecord(false);
  const int definedAt = 2 + 6;  // after the id and the string "A"
  ASSERT_EQ(bytes[definedAt], 1);
  bytes[definedAt] = 7;
  CArchive ar(bytes);
  CGVertex read;
  read.m_bDefined = false;
  read.Serialize(ar);
  EXPECT_TRUE(read.m_bDefined);
  EXPECT_EQ(Store(read, false)[definedAt], 1);
}

TEST_F(CellRecordTest, ParentsAndChildrenKeepTheirOrder) {
  CGCell cell;
  cell.m_nId = 4;
  cell.m_parents = {5, 3};
  cell.m_children = {9, 8, 12};
  const QByteArray bytes = Store(cell, false);
  EXPECT_TRUE(bytes.endsWith(RecordBytes().words({5, 3}).words({9, 8, 12}).get()));
  CArchive ar(bytes);
  CGCell read;
  read.Serialize(ar);
  EXPECT_EQ(read.m_parents, (std::vector<WORD>{5, 3}));
  EXPECT_EQ(read.m_children, (std::vector<WORD>{9, 8, 12}));
}

TEST_F(CellRecordTest, DamagedRecordsRaiseArchiveErrors) {
  const QByteArray whole = DistinctPointRecord(false);
  for (qsizetype n = 0; n < whole.size(); ++n) {
    CArchive ar(whole.left(n));
    CGVertex read;
    EXPECT_EQ(ArchiveCause([&] { read.Serialize(ar); }), ArchiveError::EndOfFile) << n << " bytes";
  }
  // A parent count that the remaining bytes cannot hold is refused before
  // anything is allocated.
  QByteArray huge = Store(*DistinctPoint(), true);
  huge.chop(4 + 24);  // the two empty id records and the point fields
  huge += RecordBytes().u16(0xFFFF).u32(0x40000000).u16(1).get();
  CArchive ar(huge);
  ar.Context().bOlderLayout = true;
  CGCell read;
  EXPECT_EQ(ArchiveCause([&] { read.Serialize(ar); }), ArchiveError::BadData);
}

class DefinedRuleTest : public ModelTest {};

TEST_F(DefinedRuleTest, UndefinedOrMissingParentsMakeTheCellUndefined) {
  CGCell* defined = Add();
  CGCell* undefined = Add();
  undefined->m_bDefined = false;
  const WORD missing = 999;
  struct Case { const char* what; std::vector<WORD> parents; bool expected; } cases[] = {
      {"no parents", {}, true},
      {"all defined", {defined->m_nId, defined->m_nId}, true},
      {"undefined, then missing", {undefined->m_nId, missing}, false},
      {"defined, then missing", {defined->m_nId, missing}, false},
      {"defined, then undefined", {defined->m_nId, undefined->m_nId}, false},
  };
  for (const Case& c : cases) {
    CGCell cell;
    cell.m_parents = c.parents;
    cell.m_bDefined = !c.expected;
    cell.Recalculate();
    EXPECT_EQ(cell.m_bDefined, c.expected) << c.what;
  }
  CGCell cell;
  cell.m_parents = {defined->m_nId};
  SetCurrentPage(nullptr);  // without a current page every parent is missing
  cell.Recalculate();
  EXPECT_FALSE(cell.m_bDefined);
}

class MarkWalkTest : public ModelTest {
 protected:
  // A -> B, A -> C, B -> D, C -> D, C -> E
  void SetUp() override {
    a = Add();
    b = Add({a->m_nId});
    c = Add({a->m_nId});
    d = Add({b->m_nId, c->m_nId});
    e = Add({c->m_nId});
  }
  CGCell *a, *b, *c, *d, *e;
};

TEST_F(MarkWalkTest, EachCellIsMarkedOnceNeverTheStartAndMarkedCellsStopTheWalk) {
  a->MarkDescendants();
  EXPECT_FALSE(a->m_bMarked);
  EXPECT_EQ(Collect(), (std::vector<WORD>{b->m_nId, c->m_nId, d->m_nId, e->m_nId}));
  EXPECT_FALSE(d->m_bMarked) << "collecting clears the marks";
  d->MarkAncestors();
  EXPECT_EQ(Collect(), (std::vector<WORD>{a->m_nId, b->m_nId, c->m_nId}));
  e->MarkAncestors();
  EXPECT_EQ(Collect(), (std::vector<WORD>{a->m_nId, c->m_nId}));

  a->m_bMarked = true;
  a->MarkDescendants();
  EXPECT_EQ(Collect(), (std::vector<WORD>{a->m_nId}));
  c->m_bMarked = true;  // E is reached only through C
  a->MarkDescendants();
  EXPECT_EQ(Collect(), (std::vector<WORD>{b->m_nId, c->m_nId, d->m_nId}));
}

// Only a damaged page links to missing ids or back; the walk ends all the same.
TEST_F(MarkWalkTest, MissingIdsAreSkippedAndCyclicLinksStillEnd) {
  b->m_children.push_back(500);
  d->m_parents.push_back(600);
  a->MarkDescendants();
  EXPECT_EQ(Collect().size(), 4u);
  d->MarkAncestors();
  EXPECT_EQ(Collect().size(), 3u);
  e->m_children.push_back(a->m_nId);
  a->MarkDescendants();
  EXPECT_EQ(Collect().size(), 5u);
}

TEST_F(ModelTest, AnEmptiedMapFindsNothing) {
  CGCell cell;
  cell.m_nId = 5;
  CCellMap map;
  map.SetAt(5, &cell);
  map.RemoveAll();
  EXPECT_EQ(map.Lookup(5), nullptr);
  EXPECT_EQ(map.GetCount(), 0);
}

TEST_F(ModelTest, LongChainsNeedNoDeepStack) {
  CGCell* first = Add();
  CGCell* last = first;
  for (int i = 0; i < 60000; ++i) last = Add({last->m_nId});
  first->MarkDescendants();
  const std::vector<WORD> ids = Collect();
  ASSERT_EQ(ids.size(), 60000u);
  EXPECT_EQ(ids.back(), last->m_nId);
  last->MarkAncestors();
  EXPECT_EQ(Collect().size(), 60000u);
}

TEST_F(ModelTest, CopyAssignmentTakesOverTheLookButNotTheDefinition) {
  CGVertex source(7, 1, QStringLiteral("P"), 1, 2, 3);
  source.m_parents = {1, 2};
  source.m_children = {8, 9};
  source.m_rgbaColor = RGBA{1, 2, 3, 4};
  source.m_nStyle = 5;
  source.m_fSize = 9.0f;
  source.m_bDefined = false;
  source.m_bHidden = 1;
  source.m_bNameFixed = true;
  source.m_fValue = 0.25f;
  source.m_dwParam2 = 77;
  source.m_strText = QStringLiteral("t");
  source.m_bLabelStale = false;
  source.m_strLabelLists = QStringLiteral("xy");
  source.m_nLabelMode = 3;
  source.m_nParamA = 11;
  source.m_strVodName = QStringLiteral("<e>P</e>");
  source.m_nLabelExtra[2] = 4;
  source.m_strLabelExtra = QStringLiteral("s");
  source.m_auxIds = {3};
  source.m_bSelected = source.m_bHovered = source.m_bTraced = true;
  source.m_bMarked = true;

  CGCell target;
  target.m_parents = {4};
  target.m_children = {5, 6, 7};
  target.m_nParamA = 22;
  target.m_nParamB = 23;
  target.m_strVodName = QStringLiteral("keep");
  target.m_nLabelExtra[0] = 8;
  target.m_strLabelExtra = QStringLiteral("keep too");
  target.m_auxIds = {1, 1};
  target.m_bSelected = target.m_bHovered = target.m_bTraced = true;
  target.m_bMarked = true;

  target = source;
  EXPECT_EQ(target.m_nId, 7);
  EXPECT_EQ(target.m_strName, "P");
  EXPECT_EQ(target.m_rgbaColor, source.m_rgbaColor);
  EXPECT_EQ(target.m_nStyle, 5);
  EXPECT_EQ(target.m_fSize, 9.0f);
  EXPECT_EQ(target.m_vLabelAnchor[0], source.m_vLabelAnchor[0]);
  EXPECT_EQ(target.m_children, (std::vector<WORD>{8, 9}));
  EXPECT_FALSE(target.m_bDefined);
  EXPECT_EQ(target.m_bHidden, 1);
  EXPECT_TRUE(target.m_bNameFixed);
  EXPECT_EQ(target.m_fValue, 0.25f);
  EXPECT_EQ(target.m_dwParam2, 77u);
  EXPECT_EQ(target.m_strText, "t");
  EXPECT_FALSE(target.m_bLabelStale);
  EXPECT_EQ(target.m_strLabelLists, "xy");
  EXPECT_EQ(target.m_nLabelMode, 3);
  // Kept.
  EXPECT_EQ(target.m_parents, (std::vector<WORD>{4}));
  EXPECT_EQ(target.m_nParamA, 22);
  EXPECT_EQ(target.m_nParamB, 23);
  EXPECT_EQ(target.m_strVodName, "keep");
  EXPECT_EQ(target.m_nLabelExtra[0], 8);
  EXPECT_EQ(target.m_nLabelExtra[2], 0);
  EXPECT_EQ(target.m_strLabelExtra, "keep too");
  EXPECT_EQ(target.m_auxIds, (std::vector<WORD>{1, 1}));
  // Cleared.
  EXPECT_FALSE(target.m_bSelected);
  EXPECT_FALSE(target.m_bHovered);
  EXPECT_FALSE(target.m_bMarked);
  EXPECT_FALSE(target.m_bTraced);

  const CGCell& same = target;
  target = same;  // self-assignment changes nothing
  EXPECT_EQ(target.m_children, (std::vector<WORD>{8, 9}));
}

}  // namespace
