// Iterations: the copies they draw, what they leave behind, the depth from a
// value, the value table, the cells they collect, held ids and records.
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <map>

#include "../../celltestsupport.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/iterations/iteration.h"
#include "cells/dynamic/iterations/iterationtable.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "model/cgbutton.h"
#include "model/drawing/copyframe.h"
#include "model/globals.h"
#include "support/archiveerrors.h"

namespace KAVREL_FILE_LOCAL {

// Counts its recalculations and the copies drawn of it.
class Counter : public CGCell {
 public:
  void Recalculate() override { ++recalcs; }
  void DrawVisibleEdges() override { ++draws; }
  void Draw() override { ++draws; }
  int recalcs = 0, draws = 0;
};

// Notes where point `watched` stands whenever a copy of it is drawn.
class PositionSpy : public CGCell {
 public:
  void DrawVisibleEdges() override {
    const auto* point = static_cast<const CGVertex*>(g_pCurCells->Lookup(m_parents[0]));
    seen.push_back({point->m_vPos[0], point->m_vPos[1], point->m_vPos[2]});
  }
  std::vector<std::array<float, 3>> seen;
};

class IterationTest : public CellTest {
 protected:
  CGIterate* Iterate(std::vector<std::vector<WORD>> arrays, int p, int depth) {
    const int n = static_cast<int>(arrays[0].size());
    auto* iteration = new CGIterate(page->m_nNextId, n, p, depth, arrays);
    EXPECT_TRUE(arrays.empty()) << "the arrays are taken over";
    page->m_cells.SetAt(page->m_nNextId++, iteration);
    return iteration;
  }
  WORD P(float x, float y, float z) { return AddPoint(x, y, z)->m_nId; }
  CGCell* Cell(WORD id) { return page->m_cells.Lookup(id); }
  // A value cell as the measurements are, with a value of its own.
  CGTmVariable* Value(float v, std::initializer_list<WORD> parents = {}) {
    auto* value = Add<CGTmVariable>(parents);
    value->m_fValue = v;
    return value;
  }
};

TEST_F(IterationTest, CopiesPerPassByMappingsDepthAndLevelsShown) {
  const struct Row {
    int mappings, depth;
    BYTE allLevels;
    int recalcs, draws;
  } rows[] = {
      {2, 3, 1, 14 + 1, 14}, {2, 3, 0, 14 + 1, 8}, {1, 5, 1, 5 + 1, 5}, {1, 5, 0, 5 + 1, 1},
      {2, 0, 1, 0, 0},       {3, 2, 1, 12 + 1, 12},
  };
  for (const Row& row : rows) {
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
    const WORD a = P(1, 2, 3);
    auto* counter = Add<Counter>({a});
    std::vector<std::vector<WORD>> arrays{{a}};
    for (int m = 0; m < row.mappings; ++m) arrays.push_back({P(static_cast<float>(m), 0, 0)});
    CGIterate* iteration = Iterate(arrays, 1, row.depth);
    iteration->m_bShowAllLevels = row.allLevels;
    counter->recalcs = counter->draws = 0;
    iteration->DrawVisibleEdges();
    EXPECT_EQ(counter->recalcs, row.recalcs) << row.mappings << " mappings, depth " << row.depth;
    EXPECT_EQ(counter->draws, row.draws) << row.mappings << " mappings, depth " << row.depth;
    const auto* source = static_cast<CGVertex*>(Cell(a));
    EXPECT_EQ(source->m_vPos[0], 1);
    EXPECT_EQ(source->m_vPos[2], 3) << "the source is back";
  }
}

TEST_F(IterationTest, MidpointCopiesAndThePageLeftByteForByte) {
  const WORD a = P(0, 0, 0), b = P(16, 8, 0);
  const WORD ab = AddLine(a, b)->m_nId;
  auto* mid = new CGVerMid(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("M"), ab);
  page->m_cells.SetAt(page->m_nNextId++, mid);
  const WORD am = AddLine(a, mid->m_nId)->m_nId;
  auto* spy = Add<PositionSpy>({mid->m_nId});
  CGIterate* iteration = Iterate({{a, b}, {a, mid->m_nId}}, 2, 3);
  EXPECT_EQ(iteration->m_chain, (std::vector<WORD>{ab, mid->m_nId, am, spy->m_nId}));
  EXPECT_EQ(iteration->m_parents, (std::vector<WORD>{am, spy->m_nId}))
      << "the end cells: their first child is outside the set";

  const auto state = [&] {
    QByteArray bytes;
    for (WORD id : {a, b, ab, mid->m_nId, am}) bytes += StoreCell(*Cell(id));
    for (WORD id : {a, b, mid->m_nId}) {
      const int slot = static_cast<CGVertex*>(Cell(id))->VertexIndex;
      bytes += QByteArray(reinterpret_cast<const char*>(g_pVertexArray + 3 * slot), 3 * sizeof(float));
    }
    return bytes;
  };
  const QByteArray before = state();
  for (int pass = 0; pass < 2; ++pass) {
    spy->seen.clear();
    iteration->DrawVisibleEdges();
    ASSERT_EQ(spy->seen.size(), 3u);
    for (int k = 1; k <= 3; ++k) {
      const float scale = 1.0f / static_cast<float>(1 << (k + 1));
      EXPECT_FLOAT_EQ(spy->seen[k - 1][0], 16 * scale) << "M" << k;
      EXPECT_FLOAT_EQ(spy->seen[k - 1][1], 8 * scale) << "M" << k;
    }
    EXPECT_EQ(state(), before) << "pass " << pass;
  }
}

TEST_F(IterationTest, DepthFromTheLastParentsValue) {
  const WORD a = P(0, 0, 0);
  Add<Counter>({a});
  CGIterate* iteration = Iterate({{a}, {P(1, 0, 0)}}, 1, 7);
  auto* value = Value(0);
  iteration->m_parents.push_back(value->m_nId);
  iteration->m_nParamA = 1;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct Row { float value; int depth; } rows[] = {
      {10001, 10000}, {1e30f, 10000}, {10000.5f, 10000}, {3.9f, 3}, {-2, 0}, {-0.5f, 0}, {nan, 0},
  };
  for (const Row& row : rows) {
    value->m_fValue = row.value;
    iteration->Recalculate();
    EXPECT_EQ(iteration->m_nDepth, row.depth) << row.value;
  }
  // A last parent that is no value, or missing, keeps the stored depth.
  iteration->m_nDepth = 5;
  iteration->m_parents.back() = a;
  iteration->Recalculate();
  iteration->m_parents.back() = 999;
  iteration->Recalculate();
  EXPECT_EQ(iteration->m_nDepth, 5);
}

TEST_F(IterationTest, DepthDrawnStaysWithinTheCopyBudget) {
  CGIterate iteration;
  // A stored drawn list longer than the chain costs its own length a copy.
  const struct Row { int mappings, chain, depth, drawn, drawnCells = 0; } rows[] = {
      {2, 10, 10, 10},    {2, 10, 10000, 13},  {2, 0, 30, 17},    {1, 1, 1000000, 320000},
      {1, 10, 100, 100},  {3, 5, 10000, 9},   {0, 5, 30, 0},     {2, 1, -4, 0},
      {1, 1, 1000000, 32000, 10}, {1, 10, 1000000, 32000, 4},   {2, 0, 30, 13, 16},
      {4, 16000, 10, 2},  // 4 + 16 copies: the budget to the last recalculation
  };
  for (const Row& row : rows) {
    iteration.m_nMappings = row.mappings;
    iteration.m_chain.assign(static_cast<size_t>(row.chain), 1);
    iteration.m_drawn.assign(static_cast<size_t>(row.drawnCells), 1);
    iteration.m_nDepth = row.depth;
    EXPECT_EQ(iteration.DrawnDepth(CGIterate::kCopyBudget), row.drawn)
        << row.mappings << " " << row.chain << " " << row.depth << " " << row.drawnCells;
    EXPECT_EQ(iteration.m_nDepth, row.depth) << "the stored depth stays";
  }
}

TEST_F(IterationTest, TwoMappingsAtAGreatDepthStayWithinTheBudget) {
  const WORD a = P(0, 0, 0);
  auto* counter = Add<Counter>({a});
  CGIterate* iteration = Iterate({{a}, {P(1, 0, 0)}, {P(2, 0, 0)}}, 1, 30);
  counter->recalcs = 0;
  iteration->DrawVisibleEdges();
  EXPECT_LE(counter->recalcs, CGIterate::kCopyBudget + 1);
  EXPECT_EQ(counter->recalcs, (1 << 18) - 2 + 1) << "depth 17: 2 + 4 + ... + 2^17 copies";
}

// One frame: the passes of a drawing of the page, or more.  Each pass of
// the frame draws what the first drew, the levels whose copies fit the
// budget of a pass, until the frame's budget runs out, which the passes of
// a drawing of the page never reach; the next frame has the whole budget
// again.
TEST_F(IterationTest, ThePassesOfAFrameShareOneBudget) {
  const struct Row {
    int mappings, depth, chain, passes;
    std::vector<int> copies;  // per pass
  } rows[] = {
      {1, 10000, 1, 12, std::vector<int>(12, 10000)},
      {1, 10000, 4, 12, std::vector<int>(12, 10000)},
      {1, 10000, 3, 11, std::vector<int>(11, 10000)},
      {2, 17, 1, CGIterate::kPassesPerFrame, std::vector<int>(CGIterate::kPassesPerFrame, 262142)},
      {3, 9, 6, CGIterate::kPassesPerFrame, std::vector<int>(CGIterate::kPassesPerFrame, 29523)},
      {2, 10000, 1, 22, [] {
         std::vector<int> v(13, 262142);  // depth 17, then what is left: 112154, 46620, ...
         v.insert(v.end(), {65534, 32766, 8190, 4094, 1022, 510, 30, 6, 2});
         return v;
       }()},
      {2, 5, 2, 3, {62, 62, 62}},
  };
  for (const Row& row : rows) {
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
    const WORD a = P(0, 0, 0);
    std::vector<Counter*> counters;
    for (int k = 0; k < row.chain; ++k) counters.push_back(Add<Counter>({a}));
    std::vector<std::vector<WORD>> arrays{{a}};
    for (int m = 0; m < row.mappings; ++m) arrays.push_back({P(static_cast<float>(m + 1), 0, 0)});
    CGIterate* iteration = Iterate(arrays, 1, row.depth);
    std::vector<int> copies;
    {
      const CCopyFrame frame;
      for (int pass = 0; pass < row.passes; ++pass) {
        counters.front()->draws = 0;
        iteration->DrawVisibleEdges();
        copies.push_back(counters.front()->draws);
      }
    }
    EXPECT_EQ(copies, row.copies) << row.mappings << " mappings, depth " << row.depth << ", chain " << row.chain;
    counters.front()->draws = 0;
    iteration->DrawVisibleEdges();
    EXPECT_EQ(counters.front()->draws, row.copies.front()) << "a new frame";
  }
}

TEST_F(IterationTest, MaxDepthByMappingsAndChain) {
  CGIterate iteration;
  const struct Row { int mappings, chain, depth; } rows[] = {
      {1, 10, 1000}, {1, 100, 320}, {2, 10, 10}, {3, 10, 6}, {2, 3, 12}, {1, 0, 1000}, {0, 10, 1000}, {2, 0, 1000},
  };
  for (const Row& row : rows) {
    iteration.m_nMappings = row.mappings;
    iteration.m_chain.assign(static_cast<size_t>(row.chain), 1);
    EXPECT_EQ(iteration.MaxDepth(), row.depth) << row.mappings << ", " << row.chain;
  }
}

TEST_F(IterationTest, TableRowsInDrawingOrderAndTheLastRowOverwritten) {
  page->m_bThreeView = 1;  // the copies only: the text layer is not drawn
  const WORD a = P(0, 0, 0);
  auto* measure = Value(0, {a});
  CGIterate* iteration = Iterate({{a}, {P(1, 0, 0)}, {P(2, 0, 0)}}, 1, 3);
  EXPECT_EQ(iteration->m_table, std::vector<WORD>{measure->m_nId});
  EXPECT_EQ(iteration->m_bTableShown, 1);
  EXPECT_EQ(iteration->m_bLabelHidden, 0);
  const auto levels = [&] {
    std::vector<int> out;
    for (int r = 0; r < iteration->RecordedRows(); ++r) out.push_back(static_cast<int>(iteration->TableRow(r)[0]));
    return out;
  };
  iteration->Draw();
  EXPECT_EQ(levels(), (std::vector<int>{0, 1, 2, 3, 3, 2, 3, 3, 1, 2, 3, 3, 2, 3, 3}));
  iteration->m_nDepth = 4;
  iteration->Draw();
  const std::vector<int> rows = levels();
  ASSERT_EQ(rows.size(), 21u);
  EXPECT_EQ((std::vector<int>(rows.begin(), rows.begin() + 6)), (std::vector<int>{0, 1, 2, 3, 4, 4}));
  EXPECT_EQ(rows[19], 4);
  EXPECT_EQ(rows[20], 4) << "the 30th visit, level 4, is the last row";
  iteration->m_nDepth = 3;
  iteration->Draw();
  EXPECT_EQ(levels().size(), 15u) << "the row counter starts again with every frame";
}

TEST_F(IterationTest, TableBufferFollowsTheTableList) {
  page->m_bThreeView = 1;
  const WORD a = P(0, 0, 0);
  Value(1, {a});
  CGIterate* iteration = Iterate({{a}, {P(1, 0, 0)}, {P(2, 0, 0)}}, 1, 4);
  // Value cells added to the table afterwards widen every row.
  for (int k = 0; k < 3; ++k) iteration->m_table.push_back(Value(static_cast<float>(k), {a})->m_nId);
  iteration->Draw();
  EXPECT_EQ(iteration->m_tableBuffer.size(), 22u * 5u);
  EXPECT_EQ(iteration->m_nTableCells, 4);
  EXPECT_EQ(iteration->TableRow(20)[4], 2.0f);
}

TEST_F(IterationTest, TableTextsByOrientationWithAnglesInDegrees) {
  page->m_bThreeView = 1;
  const WORD a = P(0, 0, 0);
  auto* length = Value(2.5f, {a});
  length->m_strName = QStringLiteral("len");
  auto* angle = Value(static_cast<float>(M_PI / 2), {a});
  angle->m_strName = QStringLiteral("t");
  angle->m_nParamA = 2;
  CGIterate* iteration = Iterate({{a}, {P(1, 0, 0)}}, 1, 1);
  iteration->Draw();
  IterationTableTexts table = ComposeIterationTable(*iteration);
  const QString deg = QString::fromUtf8("°");
  const QString right = "90" + deg;
  const std::vector<std::vector<QString>> rows{{"n", "len", "t"}, {" 0", "2.50", right}, {" 1", "2.50", right}};
  EXPECT_EQ(table.rows, rows);
  EXPECT_EQ(table.widths, (std::vector<int>{3, 5, 4}));
  iteration->m_nLabelExtra[0] = 1;
  table = ComposeIterationTable(*iteration);
  const std::vector<std::vector<QString>> transposed{
      {"n", " 0", " 1"}, {"len", "2.50", "2.50"}, {"t", right, right}};
  EXPECT_EQ(table.rows, transposed);
  EXPECT_EQ(table.widths, (std::vector<int>{4, 5, 5}));
}

TEST_F(IterationTest, CollectsTheChainByKindOfCell) {
  const WORD a = P(0, 0, 0);
  auto* bitmap = Add<CGTextbit>({a});
  auto* formula = Add<CGTbMhc>({a});
  auto* measure = Add<CGTmVariable>({a});
  auto* vector = Add<CGTmVector>({a});
  auto* button = Add<CGButton>({a});
  auto* single = Add<CGTmSingleline>({a});
  auto* line = AddLine(a, P(1, 1, 1));
  for (CGCell* cell : std::initializer_list<CGCell*>{bitmap, formula, measure, vector, button, single, line})
    cell->m_bLabelHidden = 0;
  CGIterate* iteration = Iterate({{a}, {P(2, 0, 0)}}, 1, 2);
  const struct Row { CGCell* cell; bool chain, drawn, table; } rows[] = {
      {bitmap, false, false, false}, {formula, true, true, false}, {measure, true, false, true},
      {vector, true, false, false},  {button, false, false, false}, {single, false, false, false},
      {line, true, true, false},
  };
  const auto holds = [](const std::vector<WORD>& ids, WORD id) { return std::count(ids.begin(), ids.end(), id) == 1; };
  for (const Row& row : rows) {
    const char* name = row.cell->GetRuntimeClass()->m_lpszClassName;
    EXPECT_EQ(holds(iteration->m_chain, row.cell->m_nId), row.chain) << name;
    EXPECT_EQ(holds(iteration->m_drawn, row.cell->m_nId), row.drawn) << name;
    EXPECT_EQ(holds(iteration->m_table, row.cell->m_nId), row.table) << name;
    EXPECT_EQ(row.cell->m_bLabelHidden, row.drawn ? 1 : 0) << name << ": drawn cells lose their labels";
    EXPECT_FALSE(row.cell->m_bMarked) << name;
  }
  // The source's first child, the bitmap text, lies outside the set.
  EXPECT_EQ(iteration->m_parents, (std::vector<WORD>{a, formula->m_nId, measure->m_nId, vector->m_nId, line->m_nId}));
  for (WORD parent : iteration->m_parents) EXPECT_EQ(Cell(parent)->m_children.back(), iteration->m_nId);
  EXPECT_EQ(iteration->GetDescription(), QString::fromUtf8("1个对象的迭代图"));
  EXPECT_EQ(iteration->m_strName, QString::fromUtf8("迭代"));

  // Without a value cell there is no table and no label.
  const WORD b = P(0, 0, 0);
  AddLine(b, P(1, 0, 0));
  CGIterate* plain = Iterate({{b}, {P(3, 0, 0)}}, 1, 2);
  EXPECT_EQ(plain->m_bTableShown, 0);
  EXPECT_EQ(plain->m_bLabelHidden, 1);
}

TEST_F(IterationTest, LevelColoursByHue) {
  const struct Row { int level; RGBA colour; } rows[] = {
      {1, {128, 0, 255, 255}}, {2, {0, 255, 255, 255}}, {3, {128, 255, 0, 255}},
  };
  for (const Row& row : rows) {
    const RGBA c = IterationLevelColour(row.level, 3, 255);
    EXPECT_NEAR(c.r, row.colour.r, 1) << row.level;
    EXPECT_NEAR(c.g, row.colour.g, 1) << row.level;
    EXPECT_NEAR(c.b, row.colour.b, 1) << row.level;
  }
}

TEST_F(IterationTest, TheLabelFollowsTheMouseInTheTextLayer) {
  CGIterate iteration;
  EXPECT_EQ(iteration.m_vLabelAnchor[0], -15);
  EXPECT_EQ(iteration.m_vLabelAnchor[1], 8);
  g_fUnitsPerPixel = 0.5f;
  g_nMouseDeltaX = 10;
  g_nMouseDeltaY = 4;  // downwards
  iteration.DragLabel();
  EXPECT_EQ(iteration.m_vLabelAnchor[0], -10);
  EXPECT_EQ(iteration.m_vLabelAnchor[1], 6);
}

TEST_F(IterationTest, RemapAndReplaceEveryHeldId) {
  CGIterate iteration;
  iteration.m_idArrays = {{1, 2}, {1, 3}};
  iteration.m_chain = {3, 4};
  iteration.m_drawn = {3};
  iteration.m_table = {4};
  iteration.m_parents = {4};
  iteration.ReplaceId(3, 9);
  EXPECT_EQ(iteration.m_idArrays, (std::vector<std::vector<WORD>>{{1, 2}, {1, 9}}));
  EXPECT_EQ(iteration.m_chain, (std::vector<WORD>{9, 4}));
  EXPECT_EQ(iteration.m_drawn, (std::vector<WORD>{9}));
  iteration.RemapIds({{1, 11}, {2, 12}, {9, 19}});  // 4 is not in the map
  EXPECT_EQ(iteration.m_idArrays, (std::vector<std::vector<WORD>>{{11, 12}, {11, 19}}));
  EXPECT_EQ(iteration.m_chain, (std::vector<WORD>{19, 0}));
  EXPECT_EQ(iteration.m_drawn, (std::vector<WORD>{19}));
  EXPECT_EQ(iteration.m_table, (std::vector<WORD>{0}));
  EXPECT_EQ(iteration.m_parents, (std::vector<WORD>{4})) << "parents are the page's business";
}

// The iteration's own fields after the common record, written by hand.
QByteArray IterationFields(int n, int p, int b, int depth, int tableCount, std::vector<unsigned> arrays,
                           std::vector<std::vector<unsigned>> lists) {
  RecordBytes bytes;
  bytes.i32(n).i32(p).i32(b).i32(depth).i32(tableCount).u8(1).u8(1).u8(0);
  for (unsigned id : arrays) bytes.u16(id);
  for (const auto& list : lists) {
    bytes.i32(static_cast<int>(list.size()));
    for (unsigned id : list) bytes.u16(id);
  }
  return bytes.get();
}

TEST_F(IterationTest, RecordFieldsInOrderAndRoundTrip) {
  CGIterate iteration;
  iteration.m_nId = 9;
  iteration.m_nSources = 2;
  iteration.m_nPointSources = 1;
  iteration.m_nMappings = 1;
  iteration.m_nDepth = 4;
  iteration.m_idArrays = {{1, 2}, {1, 5}};
  iteration.m_chain = {3, 4, 5};
  iteration.m_drawn = {4};
  iteration.m_table = {5};
  iteration.m_bShowAllLevels = 7;  // any set flag is written as 1
  iteration.m_bTableShown = 1;
  const QByteArray bytes = StoreCell(iteration);
  const QByteArray fields = IterationFields(2, 1, 1, 4, 1, {1, 2, 1, 5}, {{3, 4, 5}, {4}, {5}});
  EXPECT_TRUE(bytes.endsWith(fields)) << bytes.toHex().toStdString();

  CArchive in(bytes);
  CGIterate loaded;
  loaded.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0);
  EXPECT_EQ(loaded.m_idArrays, iteration.m_idArrays);
  EXPECT_EQ(loaded.m_savedSources.size(), 2u);
  EXPECT_EQ(loaded.m_tableBuffer.size(), 22u * 2u);
  EXPECT_EQ(StoreCell(loaded), bytes);
}

TEST_F(IterationTest, HostileRecordsFailTheLoad) {
  CGIterate empty;
  const QByteArray common = StoreCell(empty).chopped(IterationFields(0, 0, 0, 0, 0, {}, {{}, {}, {}}).size());
  const struct Row { const char* what; QByteArray fields; } rows[] = {
      {"n of 2^30", IterationFields(1 << 30, 0, 1, 3, 0, {1, 2}, {{}, {}, {}})},
      {"p above n", IterationFields(1, 2, 1, 3, 0, {1, 2}, {{}, {}, {}})},
      {"negative p", IterationFields(1, -1, 1, 3, 0, {1, 2}, {{}, {}, {}})},
      {"negative n", IterationFields(-1, 0, 1, 3, 0, {}, {{}, {}, {}})},
      {"negative b", IterationFields(1, 1, -1, 3, 0, {}, {{}, {}, {}})},
      {"b of 2^31 - 1", IterationFields(1, 1, 0x7fffffff, 3, 0, {1, 2}, {{}, {}, {}})},
      {"b of 2^31 - 1 and no sources", IterationFields(0, 0, 0x7fffffff, 3, 0, {}, {{}, {}, {}})},
      {"drawn count beyond", IterationFields(1, 1, 1, 3, 0, {1, 2}, {{3, 4}, {}, {}}).chopped(8) +
                                 QByteArray::fromHex("ffffff7f")},
      {"negative table count", IterationFields(1, 1, 1, 3, 0, {1, 2}, {{}, {}}) + QByteArray::fromHex("ffffffff")},
  };
  for (const Row& row : rows) {
    CArchive in(common + row.fields);
    CGIterate loaded;
    EXPECT_EQ(ArchiveCause([&] { loaded.Serialize(in); }), ArchiveError::BadData) << row.what;
  }
  // A stored table count unlike the table list's length opens; the list decides.
  CArchive in(common + IterationFields(1, 1, 1, 3, 0, {1, 2}, {{3}, {}, {3}}));
  CGIterate loaded;
  loaded.Serialize(in);
  EXPECT_EQ(loaded.m_nTableCells, 1);
  EXPECT_EQ(loaded.m_tableBuffer.size(), 22u * 2u);
}

TEST_F(IterationTest, AStoredDepthIsBroughtIntoTheRangeOfADrivingValue) {
  CGIterate empty;
  const QByteArray common = StoreCell(empty).chopped(IterationFields(0, 0, 0, 0, 0, {}, {{}, {}, {}}).size());
  const auto fields = [](int depth) { return IterationFields(1, 1, 1, depth, 0, {1, 2}, {{3}, {3}, {}}); };
  const struct Row { int stored, depth; } rows[] = {
      {0x7fffffff, 10000}, {10001, 10000}, {10000, 10000}, {9999, 9999}, {3, 3},
      {0, 0},              {-1, 0},        {std::numeric_limits<int>::min(), 0},
  };
  for (const Row& row : rows) {
    CArchive in(common + fields(row.stored));
    CGIterate loaded;
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_nDepth, row.depth) << row.stored;
    EXPECT_EQ(StoreCell(loaded), common + fields(row.depth)) << row.stored << ": saved as read";
  }
}

// A, B, the line AB, its midpoint M, the segment AM, the midpoint iteration
// (id 6) and a second one over the same sources (id 7), which draws the
// first among its copies; `spoil` then changes what the first one holds.
// The page is stored and read back.
TEST_F(IterationTest, StoredIdListsNameOnlyCellsBeforeTheIteration) {
  const auto reload = [this](const std::function<void(CGIterate&, CGIterate&)>& spoil) {
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
    const WORD a = P(0, 0, 0), b = P(16, 8, 0);
    const WORD ab = AddLine(a, b)->m_nId;
    auto* mid = new CGVerMid(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("M"), ab);
    page->m_cells.SetAt(page->m_nNextId++, mid);
    AddLine(a, mid->m_nId);
    CGIterate* first = Iterate({{a, b}, {a, mid->m_nId}}, 2, 3);
    CGIterate* second = Iterate({{a, b}, {a, mid->m_nId}}, 2, 2);
    EXPECT_EQ(second->m_drawn.back(), first->m_nId);
    spoil(*first, *second);
    CArchive out;
    page->Serialize(out);
    CArchive in(out.Bytes());
    CGPage loaded;
    loaded.Serialize(in);
  };
  using Spoil = std::function<void(CGIterate&, CGIterate&)>;
  const struct Row { const char* what; Spoil spoil; } refused[] = {
      {"a source that is the iteration", [](CGIterate& i, CGIterate&) { i.m_idArrays[0][1] = i.m_nId; }},
      {"a source after it, on no cell", [](CGIterate& i, CGIterate&) { i.m_idArrays[0][0] = 40; }},
      {"an image after it", [](CGIterate& i, CGIterate& later) { i.m_idArrays[1][0] = later.m_nId; }},
      {"the iteration in its chain", [](CGIterate& i, CGIterate&) { i.m_chain.push_back(i.m_nId); }},
      {"a chain cell after it, on no cell", [](CGIterate& i, CGIterate&) { i.m_chain.front() = 40; }},
      {"drawing itself", [](CGIterate& i, CGIterate&) { i.m_drawn.push_back(i.m_nId); }},
      {"drawing a cell after it, on no cell", [](CGIterate& i, CGIterate&) { i.m_drawn.push_back(40); }},
      {"drawing the iteration that draws it", [](CGIterate& i, CGIterate& later) { i.m_drawn.push_back(later.m_nId); }},
      {"its own value in the table", [](CGIterate& i, CGIterate&) { i.m_table.push_back(i.m_nId); }},
      {"a table cell after it, on no cell", [](CGIterate& i, CGIterate&) { i.m_table.push_back(40); }},
  };
  // Ids before it that name no cell (deleted since, or 0 where a paste or a
  // reorganisation found none) draw as far as drawing can without them.
  const Row opened[] = {
      {"as the program builds it", [](CGIterate&, CGIterate&) {}},
      {"drawing nothing", [](CGIterate& i, CGIterate&) { i.m_drawn.clear(); }},
      {"an image with id 0", [](CGIterate& i, CGIterate&) { i.m_idArrays[1][1] = 0; }},
      {"a deleted chain cell", [](CGIterate& i, CGIterate&) { i.m_chain.front() = 0; }},
      {"a deleted drawn and table cell", [](CGIterate& i, CGIterate&) { i.m_drawn.push_back(0), i.m_table.push_back(0); }},
  };
  for (const Row& row : opened) EXPECT_NO_THROW(reload(row.spoil)) << row.what;
  for (const Row& row : refused) EXPECT_EQ(ArchiveCause([&] { reload(row.spoil); }), ArchiveError::BadData) << row.what;
}

TEST_F(IterationTest, MissingOrWrongSourcesDrawNothingAndMissingChainCellsAreSkipped) {
  const WORD a = P(0, 0, 0);
  auto* counter = Add<Counter>({a});
  auto* value = Value(1);
  CGIterate* iteration = Iterate({{a}, {P(1, 0, 0)}}, 1, 3);
  const struct Row { std::vector<std::vector<WORD>> arrays; int p; int recalcs; } rows[] = {
      {{{a}, {999}}, 1, 0},             // a missing image
      {{{value->m_nId}, {a}}, 1, 0},    // a value where a point belongs
      {{{a}, {value->m_nId}}, 0, 0},    // a point where a value belongs
      {{{a}, {a}}, 1, 3 + 1},
  };
  for (const Row& row : rows) {
    iteration->m_idArrays = row.arrays;
    iteration->m_nPointSources = row.p;
    counter->recalcs = 0;
    iteration->DrawVisibleEdges();
    EXPECT_EQ(counter->recalcs, row.recalcs);
  }
  iteration->m_chain.push_back(999);
  iteration->m_drawn.push_back(999);
  iteration->DrawVisibleEdges();  // no crash on the missing ids
}

}  // namespace
