#include <gtest/gtest.h>

#include "model/vertexarray.h"
#include "platform/editscope.h"
#include "platform/notifier.h"
#include "pagetest.h"

namespace KAVREL_FILE_LOCAL {

std::vector<WORD> g_recalculated;

// A point one unit right of its first parent, as constructed points follow
// theirs.
class Follower : public CGVertex {
 public:
  void Recalculate() override {
    g_recalculated.push_back(m_nId);
    CGCell::Recalculate();
    if (!m_bDefined) return;
    const auto* parent = static_cast<const CGVertex*>(g_pCurCells->Lookup(m_parents.front()));
    std::copy_n(parent->m_vPos, 3, m_vPos);
    m_vPos[0] += 1;
    ApplyParameter();
  }
  void UpdateLabel() override { m_strName = QStringLiteral("relabelled"); }
  void BindVertexIndices() override { ++binds; }
  int binds = 0;
};

class RecomputeTest : public PageTest {
 protected:
  RecomputeTest() { g_recalculated.clear(); }

  // A cell of a class above this layer, which the walks know by name only;
  // its parents do not list it.
  CGCell* AddNamed(const std::vector<const char*>& chain, std::initializer_list<WORD> parents = {}) {
    CGCell* cell = AddKind(chain);
    cell->m_parents = parents;
    return cell;
  }

  Follower* Follow(WORD parent) {
    Follower* f = Add<Follower>({parent});
    f->VertexIndex = page->m_nNextVertex++;
    f->Recalculate();
    return f;
  }
};

TEST_F(RecomputeTest, DraggingRecomputesDependantsInAscendingOrder) {
  CGVertex* a = AddPoint(0, 0, 0);
  Follower* b = Follow(a->m_nId);
  Follower* c = Follow(b->m_nId);
  Follower* d = Follow(a->m_nId);
  g_recalculated.clear();

  a->m_vPos[1] = 5;
  a->ApplyParameter();
  a->MarkDescendants();
  page->CollectDirtyIds(page->m_dirtyIds);
  EXPECT_EQ(page->m_dirtyIds, (std::vector<WORD>{b->m_nId, c->m_nId, d->m_nId}));
  page->RecalculateCells(page->m_dirtyIds);
  EXPECT_EQ(g_recalculated, page->m_dirtyIds);
  EXPECT_EQ(c->m_vPos[0], 2.0f);
  EXPECT_EQ(c->m_vPos[1], 5.0f);
  EXPECT_EQ(g_pVertexArray[3 * c->VertexIndex + 1], 5.0f);

  a->m_bDefined = false;
  page->RecalculateCells(page->m_dirtyIds);
  EXPECT_FALSE(b->m_bDefined || c->m_bDefined || d->m_bDefined);
  EXPECT_TRUE(Collect().empty()) << "the marks were cleared";

  page->UpdateLabels({d->m_nId, 999});
  EXPECT_EQ(d->m_strName, "relabelled");
  EXPECT_NE(b->m_strName, "relabelled");

  g_recalculated.clear();
  page->RecalculateCells({d->m_nId, 999, b->m_nId});
  EXPECT_EQ(g_recalculated, (std::vector<WORD>{d->m_nId, b->m_nId})) << "the given order, missing ids skipped";
}

// An edit's end computes the cells whose records it changed and what
// follows from them, once: a cell that only gained a child is not computed
// again, and a cell the edit never reached is not looked at.
TEST_F(RecomputeTest, AnEditSettlesWhatItChangedAndWhatFollowsOnce) {
  CGVertex* a = AddPoint(0, 0, 0);
  Follower* b = Follow(a->m_nId);
  CGVertex* c = AddPoint(7, 0, 0);
  g_recalculated.clear();
  {
    const CEditScope edit;
    static_cast<CGVertex*>(page->m_cells.Lookup(a->m_nId))->m_vPos[1] = 5;
    c->m_vPos[1] = 5;  // through a pointer the edit did not look up: no part of it
  }
  EXPECT_EQ(g_recalculated, std::vector<WORD>{b->m_nId});
  EXPECT_EQ(b->m_vPos[1], 5);
  g_recalculated.clear();
  { const CEditScope nothing; }
  EXPECT_TRUE(g_recalculated.empty()) << "settled already";
  {
    const CEditScope click;  // looks, changes nothing
    EXPECT_EQ(static_cast<CGVertex*>(page->m_cells.Lookup(a->m_nId))->m_vPos[1], 5);
  }
  page->m_cells.Lookup(b->m_nId)->m_fValue = 1;  // outside any edit: taken as it stands
  { const CEditScope nothing; }
  EXPECT_TRUE(g_recalculated.empty()) << "a cell only looked at, or changed outside an edit, is not computed";

  Follower* d = nullptr;
  {
    const CEditScope edit;
    d = Follow(c->m_nId);
    g_recalculated.clear();
  }
  EXPECT_EQ(g_recalculated, std::vector<WORD>{d->m_nId});
  EXPECT_EQ(d->m_vPos[1], 5) << "computed from c as it stands";

  // What changes a cell outside an edit names it; the next edit computes it.
  g_recalculated.clear();
  page->m_cells.NoteChanged(b->m_nId);
  { const CEditScope click; }
  EXPECT_EQ(g_recalculated, std::vector<WORD>{b->m_nId});
}

// An edit reaches other pages: it writes into a page that is not current
// (the preferences applied to every page), or leaves its page for
// another.  Every page computes what changed on it, with its own points in
// the vertex array, and the page shown stays shown with its own.
TEST_F(RecomputeTest, AnEditSettlesEveryPageItReaches) {
  CGVertex* a = AddPoint(0, 0, 0);
  Follower* b = Follow(a->m_nId);
  auto first = std::move(page);
  page = std::make_unique<CGPage>();
  const auto show = [](CGPage& shown) {
    SetCurrentPage(&shown);
    shown.RebuildVertexArray();
  };
  show(*page);
  AddPoint(9, 9, 9);  // the other page's points take other slots
  CGVertex* c = AddPoint(0, 0, 0);
  Follower* d = Follow(c->m_nId);
  std::swap(first, page);
  show(*page);
  CGPage& other = *first;
  const auto pointOf = [](CGPage& on, WORD id) { return static_cast<CGVertex*>(on.m_cells.Lookup(id)); };
  g_recalculated.clear();
  {
    const CEditScope edit;
    pointOf(other, c->m_nId)->m_vPos[1] = 5;
  }
  EXPECT_EQ(g_recalculated, std::vector<WORD>{d->m_nId});
  EXPECT_EQ(d->m_vPos[1], 5);
  EXPECT_EQ(g_pCurPage, page.get());
  EXPECT_EQ(g_pVertexArray[3 * b->VertexIndex], 1) << "the shown page's points are back in the array";
  {
    const CEditScope edit;
    pointOf(*page, a->m_nId)->m_vPos[2] = 7;
    show(other);
    pointOf(other, c->m_nId)->m_vPos[2] = 8;
  }
  EXPECT_EQ(b->m_vPos[2], 7) << "the page the edit left";
  EXPECT_EQ(d->m_vPos[2], 8);
  EXPECT_EQ(g_pCurPage, &other);
  show(*page);
  // A cell given another id where nothing notes it (a pass that only
  // reads) is noted again under its new id.
  {
    const CEditScope edit;
    CCellMap& cells = page->m_cells;
    cells.Lookup(a->m_nId);
    {
      const CReadingPass rekeying;
      cells.RemoveKey(a->m_nId);
      a->m_nId = 40;
      cells.SetAt(a->m_nId, a);
    }
    pointOf(*page, 40)->m_vPos[0] = 3;
    b->m_parents = {40};
  }
  EXPECT_EQ(b->m_vPos[0], 4);
}

// Two cells write one target: whichever of them an edit reaches, the target
// and all its writers are computed again in id order, and the last writer
// wins as when the document opens.
class Writer : public CGCell {
 public:
  void Recalculate() override {
    CGCell::Recalculate();
    if (CGCell* target = g_pCurCells->Lookup(m_parents.back())) target->m_fValue = m_fValue;
  }
  bool WritesParents() const override { return true; }
};

TEST_F(RecomputeTest, EveryWriterOfATargetWritesItAgainInIdOrder) {
  CGVertex* target = AddPoint(0, 0, 0);
  CGVertex* driver = AddPoint(0, 0, 0);
  auto* first = Enter(new Writer, {driver->m_nId, target->m_nId});
  auto* last = Enter(new Writer, {target->m_nId});
  first->m_fValue = 1;
  last->m_fValue = 2;
  {
    const CEditScope edit;
    page->m_cells.Lookup(driver->m_nId)->m_vLabelAnchor[0] = 3;  // reaches the first writer only
  }
  EXPECT_EQ(target->m_fValue, 2);
  driver->MarkDescendants();
  std::vector<WORD> ids;
  page->CollectDirtyIds(ids);
  EXPECT_EQ(ids, (std::vector<WORD>{target->m_nId, driver->m_nId, first->m_nId, last->m_nId}));
}

// A cell that tells the user something whenever it is computed, as a net
// too deep to draw does.
class Talker : public CGCell {
 public:
  void Recalculate() override { KvMessageBox(QStringLiteral("said")); }
};

// The click that closes a message the settle shows is an inner edit: it
// settles nothing, and no settle begins inside another.
TEST_F(RecomputeTest, AMessageTheSettleShowsComesOnce) {
  const WORD talker = Enter(new Talker, {})->m_nId;
  seams.notifier->whileShown = [&] {
    if (seams.notifier->shown.size() > 3) return;  // a fault repeating stops here
    const CEditScope click;
    page->m_cells.NoteChanged(talker);
  };
  {
    const CEditScope edit;
    page->m_cells.Lookup(talker)->m_fValue = 1;
  }
  EXPECT_EQ(seams.notifier->Texts().size(), 1u);
}

TEST_F(RecomputeTest, MarksAreFoundWhereverTheyWereSet) {
  CGCell* a = Add();
  CGCell* b = Add({a->m_nId});

  // On a page that is not current.
  CGPage other;
  auto* x = new CGCell;
  x->m_nId = 4;
  other.m_cells.SetAt(4, x);
  x->m_bMarked = true;
  std::vector<WORD> ids;
  other.CollectDirtyIds(ids);
  EXPECT_EQ(ids, (std::vector<WORD>{4}));

  // Before the cell entered the map.
  auto* late = new CGCell;
  late->m_nId = 9;
  late->m_bMarked = true;
  page->m_cells.SetAt(9, late);
  // Set and cleared by hand many times over.
  for (int i = 0; i < 1000; ++i) {
    b->m_bMarked = true;
    b->m_bMarked = false;
  }
  a->m_bMarked = true;
  EXPECT_EQ(Collect(), (std::vector<WORD>{a->m_nId, 9}));
  EXPECT_FALSE(late->m_bMarked);
}

TEST_F(RecomputeTest, SelectionMarks) {
  // A -> B -> D, A -> C -> D
  CGCell* a = Add();
  CGCell* b = Add({a->m_nId});
  CGCell* c = Add({a->m_nId});
  CGCell* d = Add({b->m_nId, c->m_nId});
  // Selected as the selection commands select, in the page's lists.
  const auto select = [this](std::initializer_list<WORD> ids) {
    page->ClearSelection();
    for (WORD id : ids) page->SelectCell(id);
  };
  select({b->m_nId});
  page->MarkSelectionWithDescendants();
  EXPECT_EQ(Collect(), (std::vector<WORD>{b->m_nId, d->m_nId}));
  page->MarkSelectionWithAncestors();
  EXPECT_EQ(Collect(), (std::vector<WORD>{a->m_nId, b->m_nId}));
  select({d->m_nId});
  page->MarkSelectionWithAncestors();
  EXPECT_EQ(Collect(), (std::vector<WORD>{a->m_nId, b->m_nId, c->m_nId, d->m_nId}));
  c->m_bMarked = true;  // an already marked selected cell is passed over
  select({c->m_nId});
  page->MarkSelectionWithDescendants();
  EXPECT_EQ(Collect(), (std::vector<WORD>{c->m_nId}));
  // A list that still names a cell deselected by its byte alone marks nothing.
  c->m_bSelected = false;
  page->MarkSelectionWithDescendants();
  EXPECT_TRUE(Collect().empty());
}

TEST_F(RecomputeTest, RefillNumbersPointsInIdOrderAndBindsEveryCell) {
  EXPECT_TRUE(page->RebuildVertexArray());
  EXPECT_EQ(page->m_nNextVertex, 1) << "no points";

  Add();
  CGVertex* a = AddPoint(1, 1, 1);
  Follower* f = Follow(a->m_nId);
  CGVertex* b = AddPoint(2, 2, 2);
  a->VertexIndex = 40;
  page->m_nNextVertex = 41;
  EXPECT_TRUE(page->RebuildVertexArray());
  EXPECT_EQ(a->VertexIndex, 1);
  EXPECT_EQ(f->VertexIndex, 2);
  EXPECT_EQ(b->VertexIndex, 3);
  EXPECT_EQ(page->m_nNextVertex, 4);
  EXPECT_EQ(f->binds, 1);
  EXPECT_EQ(g_pVertexArray[3 * 3], 2.0f);
}

TEST_F(RecomputeTest, RefillGrowsWhenFewerThanFiveSlotsStayFree) {
  page->m_nNextVertex = 195;
  page->RebuildVertexArray();
  EXPECT_EQ(g_nVertexCapacity, 200);
  page->m_nNextVertex = 196;
  page->RebuildVertexArray();
  EXPECT_EQ(g_nVertexCapacity, 246);
  EXPECT_EQ(VertexArraySlots(), 256);
}

TEST_F(RecomputeTest, DrivenPointsAndTraces) {
  CGVertex* driven = AddPoint(0, 0, 0);
  Follower* follower = Follow(driven->m_nId);
  CGVertex* still = AddPoint(0, 0, 0);
  Follower* other = Follow(still->m_nId);
  CGCell* animation = AddNamed({"CGButnAnimation", "CGButton"}, {driven->m_nId});
  CGCell* plain = AddNamed({"CGButton"}, {still->m_nId});
  page->m_runningButtons = {animation->m_nId, plain->m_nId, 999};

  page->MarkDrivenPointsDirty();
  EXPECT_EQ(Collect(), (std::vector<WORD>{follower->m_nId}));

  // Animation: traced recomputed cells, then the traced driven points.
  driven->m_bTraced = follower->m_bTraced = other->m_bTraced = true;
  page->m_buttonIds = {follower->m_nId, other->m_nId, still->m_nId};
  BuildTraceList(1);
  EXPECT_EQ(page->m_traceList, (std::vector<WORD>{follower->m_nId, other->m_nId, driven->m_nId}));
  EXPECT_TRUE(g_bTraceDirty);

  // Dragging: traced dirty cells, then the dragged cell once.
  page->m_dirtyIds = {follower->m_nId, still->m_nId};
  g_nDragId = follower->m_nId;
  BuildTraceList(2);
  EXPECT_EQ(page->m_traceList, (std::vector<WORD>{follower->m_nId}));
  g_nDragId = driven->m_nId;
  BuildTraceList(0);
  EXPECT_EQ(page->m_traceList, (std::vector<WORD>{follower->m_nId, driven->m_nId}));

  page->m_dirtyIds.clear();
  g_nDragId = still->m_nId;
  BuildTraceList(2);
  EXPECT_TRUE(page->m_traceList.empty());
  EXPECT_FALSE(g_bTraceDirty);

  page->m_bThreeView = 1;
  g_bTraceDirty = true;
  BuildTraceList(1);
  EXPECT_TRUE(page->m_traceList.empty());
  EXPECT_FALSE(g_bTraceDirty);
}

TEST_F(RecomputeTest, MarkupTextmapsRenderAgain) {
  CGCell* markup = AddNamed({"CGTextmap"});
  CGCell* plainText = AddNamed({"CGTextmap"});
  CGCell* other = Add();
  markup->m_nStyle = 1;
  other->m_nStyle = 1;
  markup->m_bLabelStale = plainText->m_bLabelStale = other->m_bLabelStale = false;
  page->MarkTextmapsChanged();
  EXPECT_TRUE(markup->m_bLabelStale);
  EXPECT_FALSE(plainText->m_bLabelStale);
  EXPECT_FALSE(other->m_bLabelStale);
}

TEST_F(RecomputeTest, ScreenPlacedCellsComeBackIntoTheWindow) {
  // 400 x 300 pixels at 20 pixels per unit: limits 20 and 15, margin 2.
  struct Case { const char* cls; float x, y; float expectX, expectY; } cases[] = {
      {"CGTextmap", -25, 0, -18, 0}, {"CGTextbit", 25, 16, 18, 13}, {"CGButton", 3, -16, 3, -13},
      {"CGButton", 20, -15, 20, -15}, {"CGTextmap", 0, 0, 0, 0},
  };
  std::vector<CGCell*> cells;
  for (const Case& c : cases) {
    CGCell* cell = AddNamed({c.cls});
    cell->m_vLabelAnchor[0] = c.x;
    cell->m_vLabelAnchor[1] = c.y;
    cells.push_back(cell);
  }
  CGCell* notPlanar = Add();
  notPlanar->m_vLabelAnchor[0] = 100;
  EXPECT_EQ(page->BringPlanarCellsIntoView(400, 300), 3);
  for (size_t i = 0; i < cells.size(); ++i) {
    EXPECT_FLOAT_EQ(cells[i]->m_vLabelAnchor[0], cases[i].expectX) << i;
    EXPECT_FLOAT_EQ(cells[i]->m_vLabelAnchor[1], cases[i].expectY) << i;
  }
  EXPECT_EQ(notPlanar->m_vLabelAnchor[0], 100.0f);

  page->m_nPixelsPerUnit = 0;  // set by hand: treated as 1, never divided by
  EXPECT_EQ(page->BringPlanarCellsIntoView(400, 300), 0);
}

}  // namespace
