// Tracks: the copies each pass draws, the page they leave behind, the
// passes by depth of drawing, range values, and the record.
#include <cmath>
#include <limits>
#include <map>
#include <optional>

#include "../../celltestsupport.h"
#include "cells/dynamic/tracks/track.h"
#include "cells/texts/cgtextmap.h"
#include "model/globals.h"
#include "render/viewglobals.h"
#include "support/archiveerrors.h"

namespace KAVREL_FILE_LOCAL {

// Counts the calls of each draw slot and notes the driver's value, its own
// flags and the own-colour switch at every call.
class SlotSpy : public CGCell {
 public:
  void DrawFill() override { Note(10); }
  void DrawDepthOnly() override { Note(11); }
  void DrawVisibleEdges() override { Note(12); }
  void DrawHiddenEdges() override { Note(13); }
  void Draw() override { Note(14); }
  void DrawLit() override { Note(15); }
  void DrawTranslucent() override { Note(17); }
  void Recalculate() override { m_fValue = g_pCurCells->Lookup(m_parents[0])->m_fValue * 2; }
  void Note(int slot) {
    ++calls[slot];
    values.push_back(m_fValue);
    if (m_bHidden || !m_bLabelHidden) ++shownFlagsSeen;
    if (g_bOwnColors) ++ownColourCalls;
  }
  std::map<int, int> calls;
  std::vector<float> values;
  int shownFlagsSeen = 0, ownColourCalls = 0;
};

void DrawAllPasses(CGTrack& track) {
  track.DrawVisibleEdges();
  track.DrawHiddenEdges();
  track.Draw();
  track.DrawFill();
  track.DrawDepthOnly();
  track.DrawLit();
  track.DrawTranslucent();
}

class TrackTest : public CellTest {
 protected:
  CGTmVariable* Value(float v) {
    auto* value = Add<CGTmVariable>({});
    value->m_fValue = v;
    return value;
  }
  SlotSpy* Spy(WORD driver) { return Add<SlotSpy>({driver}); }
  CGTrack* Track(std::vector<WORD> parents, std::vector<WORD> flags, float min, float max, float step,
                 BYTE depth = 0, BYTE colouring = 0, int rangeFromValues = 0) {
    auto* track = new CGTrack(page->m_nNextId, parents, flags, rangeFromValues, min, max, step, depth, colouring);
    page->m_cells.SetAt(page->m_nNextId++, track);
    return track;
  }
};

TEST_F(TrackTest, CopiesPerPassByRangeAndStep) {
  const float inf = std::numeric_limits<float>::infinity();
  // last: the driver's value at the last copy, where it is checked.
  const struct Row { const char* what; float min, max, step; int copies; float last = -1; } rows[] = {
      {"0..1 by 0.1: the eleventh value is 1.0000001", 0, 1, 0.1f, 10},
      {"a parameter's default", 0, 1, 0.02f, 51},
      {"a circle point's default", 0, 6.2831855f, 0.05235988f, 120},
      {"a border point with three pieces", 0, 3, 0.02f, 151},
      {"min and max given the wrong way round", 1, 0, 0.1f, 10},
      {"step 0", 0, 1, 0, 0},
      {"negative step", 0, 1, -0.1f, 0},
      {"NaN step", 0, 1, std::numeric_limits<float>::quiet_NaN(), 0},
      {"infinite step", 0, 1, inf, 0},
      {"step 1e-30 from 0: spread over the range", 0, 1, 1e-30f, CGTrack::kCopyBudget, 0.99999f},
      {"step 1e-30 from 1: spread over the range", 1, 2, 1e-30f, CGTrack::kCopyBudget, 1.99999f},
      {"from 2^24 by 1: the value stops growing", 16777216, 16777316, 1, 1, 16777216},
      {"0..1e9 by 1: spread over the range", 0, 1e9f, 1, CGTrack::kCopyBudget, 1e9f - 1e4f},
      {"an endless range ends at the budget", 0, inf, 1e-3f, CGTrack::kCopyBudget},
      // A point on a segment at the dialog's finest step, and a full turn
      // in degrees: the whole range, not its first 10 or 100.
      {"0..20 by 0.0001: spread over the range", 0, 20, 0.0001f, CGTrack::kCopyBudget, 19.9998f},
      {"0..360 by 0.001: spread over the range", 0, 360, 0.001f, CGTrack::kCopyBudget, 359.9964f},
      {"0..50000 by 1: every step", 0, 50000, 1, 50000, 49999},
  };
  for (const Row& row : rows) {
    CGTmVariable* driver = Value(0.25f);
    SlotSpy* spy = Spy(driver->m_nId);
    CGTrack* track = Track({driver->m_nId, spy->m_nId}, {0, 1}, row.min, row.max, row.step);
    const int expected = std::min(row.copies, CGTrack::kCopyBudget);
    EXPECT_EQ(track->CopyCount(), expected) << row.what;
    track->DrawVisibleEdges();
    EXPECT_EQ(spy->calls[12], expected) << row.what;
    if (row.last >= 0) {
      EXPECT_FLOAT_EQ(spy->values.back() / 2, row.last) << row.what;
    }
    EXPECT_EQ(driver->m_fValue, 0.25f) << row.what;
    if (expected > 0) {
      EXPECT_EQ(spy->m_fValue, 0.5f) << row.what << ": the chain is recalculated from the kept value";
    }
  }
}

TEST_F(TrackTest, CopiesStepTheDriverInSinglePrecisionAndPutItBack) {
  CGTmVariable* driver = Value(7);
  SlotSpy* spy = Spy(driver->m_nId);
  CGTrack* track = Track({driver->m_nId, spy->m_nId}, {0, 1}, 0, 1, 0.25f);
  track->Draw();
  EXPECT_EQ(spy->values, (std::vector<float>{0, 0.5f, 1, 1.5f}));
  EXPECT_EQ(driver->m_fValue, 7);
  EXPECT_EQ(spy->m_fValue, 14);
}

TEST_F(TrackTest, PassesByDepthOfDrawing) {
  const struct Row { BYTE depth; std::map<int, int> calls; } rows[] = {
      {0, {{12, 2}, {14, 2}}},
      {1, {{12, 2}, {14, 2}, {13, 2}, {10, 2}, {11, 2}}},
      {2, {{12, 2}, {14, 2}, {13, 2}, {10, 2}, {11, 2}, {15, 2}, {17, 2}}},
      {7, {{12, 2}, {14, 2}, {13, 2}, {10, 2}, {11, 2}, {15, 2}, {17, 2}}},
  };
  for (const Row& row : rows) {
    CGTmVariable* driver = Value(0);
    SlotSpy* spy = Spy(driver->m_nId);
    CGTrack* track = Track({driver->m_nId, spy->m_nId}, {0, 1}, 0, 1, 0.5f, row.depth);
    DrawAllPasses(*track);
    EXPECT_EQ(spy->calls, row.calls) << int(row.depth);
  }
}

TEST_F(TrackTest, HiddenCellsAreDrawnLabelsNeverAndFlagsComeBack) {
  CGTmVariable* driver = Value(0);
  SlotSpy* hidden = Spy(driver->m_nId);
  hidden->m_bHidden = TRUE;
  SlotSpy* labelled = Spy(driver->m_nId);
  labelled->m_bLabelHidden = FALSE;
  SlotSpy* notDrawn = Spy(driver->m_nId);
  CGTrack* track = Track({driver->m_nId, hidden->m_nId, labelled->m_nId, notDrawn->m_nId}, {0, 1, 1, 0}, 0, 1, 0.5f);
  track->Draw();
  EXPECT_EQ(hidden->calls[14], 2);
  EXPECT_EQ(labelled->calls[14], 2);
  EXPECT_EQ(hidden->shownFlagsSeen + labelled->shownFlagsSeen, 0);
  EXPECT_TRUE(notDrawn->calls.empty());
  EXPECT_TRUE(hidden->m_bHidden);
  EXPECT_FALSE(labelled->m_bLabelHidden);

  track->m_bHidden = TRUE;
  track->Draw();
  EXPECT_EQ(hidden->calls[14], 2) << "a hidden track draws nothing";
}

TEST_F(TrackTest, OwnColourSwitchOffWhileSelectedOrStyledAndOnAgain) {
  const struct Row { bool selected; BYTE style; bool ownColours; } rows[] = {
      {false, 0, true}, {false, 1, false}, {false, 2, false}, {true, 0, false},
  };
  for (const Row& row : rows) {
    CGTmVariable* driver = Value(0);
    SlotSpy* spy = Spy(driver->m_nId);
    CGTrack* track = Track({driver->m_nId, spy->m_nId}, {0, 1}, 0, 1, 0.5f, 0, row.style);
    track->m_bSelected = row.selected;
    g_bOwnColors = TRUE;
    track->Draw();
    EXPECT_EQ(spy->ownColourCalls, row.ownColours ? 2 : 0) << int(row.style) << row.selected;
    EXPECT_TRUE(g_bOwnColors);
  }
}

TEST_F(TrackTest, RangeValuesOutsideTheLimitsMakeTheTrackUndefined) {
  CGTmVariable* driver = Value(0);
  CGTmVariable* low = Value(0.2f);
  CGTmVariable* high = Value(0.6f);
  SlotSpy* spy = Spy(driver->m_nId);
  CGTrack* track = Track({driver->m_nId, low->m_nId, high->m_nId, spy->m_nId}, {0, 0, 0, 1}, 1, 0, 0.2f, 0, 0, 1);
  EXPECT_EQ(track->RangeMin, 0);
  EXPECT_EQ(track->RangeMax, 1);
  EXPECT_EQ(track->ChainStart, 3);
  ASSERT_TRUE(track->m_bDefined);
  track->Draw();
  EXPECT_EQ(spy->calls[14], 2) << "0.2 and 0.4";
  const struct Row { float low, high; bool defined; } rows[] = {
      {-0.1f, 0.6f, false}, {0.2f, 1.5f, false}, {0.2f, 1.0f, true}, {0, 0.6f, true},
  };
  for (const Row& row : rows) {
    low->m_fValue = row.low;
    high->m_fValue = row.high;
    track->Recalculate();
    EXPECT_EQ(track->m_bDefined, row.defined) << row.low << ".." << row.high;
  }
  low->m_fValue = -1;
  track->Recalculate();
  spy->calls.clear();
  track->Draw();
  EXPECT_TRUE(spy->calls.empty());
  EXPECT_EQ(track->GetDescription(), QString::fromUtf8("含参数范围的图形轨迹"));
}

TEST_F(TrackTest, ConstructorJoinsEveryParentAndCollectsTheDrawnPositions) {
  CGTmVariable* driver = Value(0);
  SlotSpy* a = Spy(driver->m_nId);
  SlotSpy* b = Spy(driver->m_nId);
  CGTrack* track = Track({driver->m_nId, a->m_nId, b->m_nId}, {1, 0, 1}, 0, 1, 0.5f, 2, 1);
  EXPECT_EQ(track->DrawnParents, (std::vector<WORD>{0, 2}));
  for (CGCell* parent : std::initializer_list<CGCell*>{driver, a, b}) EXPECT_EQ(parent->m_children.back(), track->m_nId);
  EXPECT_EQ(track->m_strName, QString::fromUtf8("形迹"));
  EXPECT_EQ(track->m_nSubKind, 2);
  EXPECT_EQ(track->m_nStyle, 1);
  EXPECT_EQ(track->ChainStart, 1);
  EXPECT_EQ(track->GetDescription(), QString::fromUtf8("图形的轨迹"));
  EXPECT_EQ(CGTrack().TrackStep, 0.5f);
}

QByteArray TrackFields(float min, float max, float step, int rangeFromValues, std::vector<unsigned> positions,
                       std::optional<int> count = {}) {
  RecordBytes bytes;
  bytes.f32(min).f32(max).f32(step).i32(rangeFromValues).i32(count.value_or(static_cast<int>(positions.size())));
  for (unsigned p : positions) bytes.u16(p);
  return bytes.get();
}

TEST_F(TrackTest, RecordFieldsInOrderAndRoundTrip) {
  CGTrack track;
  track.m_nId = 9;
  track.m_parents = {1, 2, 3, 4};
  track.RangeMin = -2;
  track.RangeMax = 3;
  track.TrackStep = 0.25f;
  track.RangeFromValues = 1;
  track.DrawnParents = {3, 3};  // a repeated position loads
  const QByteArray bytes = StoreCell(track);
  EXPECT_TRUE(bytes.endsWith(TrackFields(-2, 3, 0.25f, 1, {3, 3}))) << bytes.toHex().toStdString();

  CArchive in(bytes);
  CGTrack loaded;
  loaded.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0);
  EXPECT_EQ(loaded.DrawnParents, track.DrawnParents);
  EXPECT_EQ(loaded.SweepFrom, -2);
  EXPECT_EQ(loaded.SweepTo, 3);
  EXPECT_EQ(loaded.ChainStart, 3);
  EXPECT_EQ(StoreCell(loaded), bytes);
}

TEST_F(TrackTest, HostileRecordsFailTheLoad) {
  CGTrack shell;
  shell.m_parents = {1, 2};
  const QByteArray common = StoreCell(shell).chopped(TrackFields(0, 1, 0.5f, 0, {}).size());
  const struct Row { const char* what; QByteArray fields; } rows[] = {
      {"a position at the parent count", TrackFields(0, 1, 0.5f, 0, {2})},
      {"a position far beyond", TrackFields(0, 1, 0.5f, 0, {0xFFFF})},
      {"a count beyond the bytes left", TrackFields(0, 1, 0.5f, 0, {1}, 0x7FFFFFFF)},
      {"a negative count", TrackFields(0, 1, 0.5f, 0, {}, -1)},
      {"range values with two parents", TrackFields(0, 1, 0.5f, 1, {1})},
  };
  for (const Row& row : rows) {
    CArchive in(common + row.fields);
    CGTrack loaded;
    EXPECT_EQ(ArchiveCause([&] { loaded.Serialize(in); }), ArchiveError::BadData) << row.what;
  }
}

}  // namespace
