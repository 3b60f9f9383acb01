#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "model/selection.h"
#include "pagetest.h"

namespace KAVREL_FILE_LOCAL {

class SelectionTest : public PageTest {
 protected:
  static bool Has(const std::vector<WORD>& ids, WORD id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
  }
  std::vector<WORD>& List(SelectionList which) {
    std::vector<WORD>* lists[] = {&page->m_selPoints, &page->m_selLines,  &page->m_selFaces,
                                  &page->m_selSolids, &page->m_selPaths,  &page->m_selTexts,
                                  &page->m_selValues, &page->m_selButtons, &page->m_selOthers,
                                  &page->m_selAll};
    return *lists[which];
  }
  // Each cell is selected exactly when it is listed once in m_selAll and
  // once in its own kind list, and in no other list.
  void ExpectListsMatchFlags() {
    size_t listed = 0;
    for (auto [id, cell] : page->m_cells) {
      const SelectionList own = SelectionKindOf(*cell);
      const auto n = std::count(page->m_selAll.begin(), page->m_selAll.end(), id);
      ASSERT_EQ(n, cell->m_bSelected ? 1 : 0) << "cell " << id;
      for (int k = kSelPoints; k < kSelAll; ++k) {
        const auto in = std::count(List(SelectionList(k)).begin(), List(SelectionList(k)).end(), id);
        ASSERT_EQ(in, cell->m_bSelected && k == own ? 1 : 0) << "cell " << id << " list " << k;
      }
      listed += n;
    }
    ASSERT_EQ(listed, page->m_selAll.size());
  }
};

TEST_F(SelectionTest, EachClassGoesToItsKindList) {
  struct Case {
    std::vector<const char*> chain;  // empty: a model class below
    SelectionList list;
  } cases[] = {
      {{"CGLine"}, kSelLines}, {{"CGFace"}, kSelFaces}, {{"CGArc"}, kSelPaths}, {{"CGLocus"}, kSelPaths},
      {{"CGInkmarks"}, kSelPaths}, {{"CGCurve"}, kSelPaths},
      {{"CGTmVarDistancePP", "CGTmVariable", "CGTextmap"}, kSelValues},
      {{"CGTmVectorPP", "CGTmVector"}, kSelValues}, {{"CGTextmap"}, kSelOthers},
      {{"CGTmSingleline", "CGTextmap"}, kSelTexts}, {{"CGTextbit"}, kSelTexts},
      {{"CGTbVodText", "CGTextbit"}, kSelTexts}, {{"CGIterate"}, kSelTexts}, {{"CGSphere"}, kSelSolids},
      {{"CGSurface"}, kSelSolids}, {{"CGTrack"}, kSelSolids}, {{"CGMdfColor", "CGModifier"}, kSelOthers},
  };
  std::vector<std::pair<WORD, SelectionList>> added;
  for (const Case& c : cases) added.emplace_back(AddKind(c.chain)->m_nId, c.list);
  added.emplace_back(AddPoint(0, 0, 0)->m_nId, kSelPoints);
  added.emplace_back(AddKind<CGVertex>({"CGVerFree"})->m_nId, kSelPoints);
  added.emplace_back(AddButton()->m_nId, kSelButtons);
  added.emplace_back(AddSeries(true, {})->m_nId, kSelButtons);
  added.emplace_back(Add()->m_nId, kSelOthers);

  for (auto [id, list] : added) {
    ASSERT_TRUE(page->SelectCell(id));
    EXPECT_EQ(List(list).back(), id) << "cell " << id;
    EXPECT_TRUE(page->m_cells.Lookup(id)->m_bSelected);
  }
  ExpectListsMatchFlags();
  std::vector<WORD> order;
  for (auto [id, list] : added) order.push_back(id);
  EXPECT_EQ(page->m_selAll, order) << "selection order";
  EXPECT_FALSE(page->SelectCell(999));
}

TEST_F(SelectionTest, FlagsAndListsStayInStep) {
  std::vector<WORD> ids;
  for (int i = 0; i < 6; ++i) ids.push_back(AddPoint(i, 0, 0)->m_nId);
  for (int i = 0; i < 6; ++i) ids.push_back(AddKind({"CGLine"}, {ids[i], ids[(i + 1) % 6]})->m_nId);
  ids.push_back(AddKind({"CGFace"}, {ids[0], ids[1], ids[2]})->m_nId);
  ids.push_back(AddKind({"CGArc"}, {ids[3], ids[4]})->m_nId);
  ids.push_back(AddKind({"CGTmVariable", "CGTextmap"}, {ids[6]})->m_nId);
  ids.push_back(AddButton({ids[0]})->m_nId);
  page->m_cells.Lookup(ids[2])->m_bHidden = 1;
  page->m_cells.Lookup(ids[7])->m_bDefined = false;

  std::mt19937 random(12345);
  for (int step = 0; step < 2000; ++step) {
    const WORD id = ids[random() % ids.size()];
    switch (random() % 12) {
      case 0: SelectAllOfKind(static_cast<int>(random() % 6)); break;
      case 1: SelectParents(); break;
      case 2: SelectChildren(); break;
      case 3: page->ClearSelection(); break;
      case 4: page->RebuildSelectionLists(); break;
      case 5: case 6: case 7: DeselectCell(id); break;
      default:
        if (!page->m_cells.Lookup(id)->m_bSelected) page->SelectCell(id);
    }
    ASSERT_NO_FATAL_FAILURE(ExpectListsMatchFlags()) << "step " << step;
  }
}

TEST_F(SelectionTest, ClearingNotifiesTheFrameOnce) {
  page->m_nId = 7;
  CGVertex* a = AddPoint(0, 0, 0);
  CGCell* line = AddKind({"CGLine"});
  page->SelectCell(a->m_nId);
  page->SelectCell(line->m_nId);
  page->m_stepList = {a->m_nId};
  page->m_bSelected = 1;
  page->ClearSelection();
  EXPECT_FALSE(a->m_bSelected || line->m_bSelected);
  EXPECT_TRUE(page->m_selAll.empty() && page->m_selPoints.empty() && page->m_selLines.empty());
  EXPECT_TRUE(page->m_stepList.empty());
  EXPECT_EQ(page->m_bSelected, 0);
  ASSERT_EQ(seams.bridge->messages.size(), 1u);
  const BridgeMessage& m = seams.bridge->messages[0];
  EXPECT_EQ(m.message, WM_SELECTION_CHANGED);
  EXPECT_EQ(m.wParam, 2u);
  EXPECT_EQ(m.lParam, 40007);
  EXPECT_FALSE(m.posted);
  EXPECT_EQ(m.target, UiTarget::Frame);
}

TEST_F(SelectionTest, SelectAllOfAKind) {
  CGVertex* shown = AddPoint(0, 0, 0);
  CGVertex* hidden = AddPoint(1, 0, 0);
  CGVertex* undefined = AddPoint(2, 0, 0);
  CGVertex* already = AddPoint(3, 0, 0);
  CGCell* line = AddKind({"CGLine"}, {shown->m_nId, already->m_nId});
  CGCell* circle = AddKind({"CGArc"});
  CGCell* locus = AddKind({"CGLocus"});
  hidden->m_bHidden = 1;
  undefined->m_bDefined = false;
  page->SelectCell(line->m_nId);
  page->SelectCell(already->m_nId);

  SelectAllOfKind(1);
  EXPECT_EQ(page->m_selAll, (std::vector<WORD>{line->m_nId, already->m_nId, shown->m_nId}));
  EXPECT_EQ(page->m_selPoints, (std::vector<WORD>{already->m_nId, shown->m_nId}));
  SelectAllOfKind(4);
  EXPECT_EQ(page->m_selPaths, (std::vector<WORD>{circle->m_nId})) << "circles only";
  SelectAllOfKind(7);
  EXPECT_EQ(page->m_selAll.size(), 4u) << "an unknown kind selects nothing";
  SelectAllOfKind(0);
  EXPECT_EQ(page->m_selAll.size(), page->m_cells.size()) << "hidden and undefined too";
  EXPECT_EQ(page->m_selPaths, (std::vector<WORD>{circle->m_nId, locus->m_nId}));
  EXPECT_TRUE(seams.bridge->messages.empty());
}

TEST_F(SelectionTest, ParentsAndChildrenReplaceTheSelection) {
  auto [a, b, c, ab, bc] = AddPath();
  b->m_bHidden = 1;

  page->SelectCell(ab->m_nId);
  SelectParents();
  EXPECT_EQ(page->m_selAll, (std::vector<WORD>{a->m_nId, b->m_nId})) << "map order, hidden included";
  SelectChildren();
  EXPECT_EQ(page->m_selAll, (std::vector<WORD>{ab->m_nId, bc->m_nId}));
  page->ClearSelection();
  page->SelectCell(a->m_nId);
  page->SelectCell(ab->m_nId);
  SelectParents();
  EXPECT_EQ(page->m_selAll, (std::vector<WORD>{a->m_nId, b->m_nId})) << "a stays as a parent of ab";
  page->ClearSelection();
  page->SelectCell(c->m_nId);
  page->SelectCell(a->m_nId);
  SelectParents();
  EXPECT_TRUE(page->m_selAll.empty());
  EXPECT_FALSE(a->m_bSelected || c->m_bSelected);
}

TEST_F(SelectionTest, DeselectingWhatIsNotListed) {
  CGVertex* a = AddPoint(0, 0, 0);
  EXPECT_FALSE(DeselectCell(99));
  EXPECT_FALSE(DeselectCell(a->m_nId)) << "not selected: not in its kind list";
  page->SelectCell(a->m_nId);
  page->m_selPoints.clear();  // out of step by hand
  EXPECT_FALSE(DeselectCell(a->m_nId));
  EXPECT_FALSE(a->m_bSelected);
  EXPECT_TRUE(page->m_selAll.empty());
  page->SelectCell(a->m_nId);
  EXPECT_TRUE(DeselectCell(a->m_nId));
}

TEST_F(SelectionTest, RebuildingFollowsTheMapOrder) {
  CGVertex* a = AddPoint(0, 0, 0);
  CGVertex* b = AddPoint(1, 0, 0);
  page->SelectCell(b->m_nId);
  page->SelectCell(a->m_nId);
  page->RebuildSelectionLists();
  EXPECT_EQ(page->m_selAll, (std::vector<WORD>{a->m_nId, b->m_nId}));
  EXPECT_EQ(page->m_selPoints, (std::vector<WORD>{a->m_nId, b->m_nId}));
}

}  // namespace
