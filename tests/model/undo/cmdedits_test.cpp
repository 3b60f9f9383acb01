#include <gtest/gtest.h>

#include "model/pagetest.h"
#include "model/selection.h"
#include "model/undo/cmdedits.h"
#include "model/undo/cmdtexts.h"
#include "model/vertexarray.h"

namespace KAVREL_FILE_LOCAL {

class EditCommandTest : public PageTest {};

TEST_F(EditCommandTest, ModifyingAPointSwapsItsValuesBackAndForth) {
  CGVertex* a = AddPoint(1, 2, 3);
  CGVertex* b = AddPoint(3, 2, 3);
  CTestDependentPoint* m = AddDependent({a->m_nId, b->m_nId});
  page->RebuildVertexArray();
  a->m_fValue = 0.25f;
  const QByteArray before = PageBytes();

  page->m_undo.Submit(std::make_unique<CCmdModifiPoint>(a->m_nId, QString::fromUtf8(kCmdNameModifyPoint)));
  a->m_vPos[0] = 5;  // the edit, after the snapshot
  a->m_fValue = 0.75f;
  a->ApplyParameter();
  m->Recalculate();
  const QByteArray after = PageBytes();

  g_bTraceDirty = false;
  ASSERT_TRUE(page->m_undo.Undo());
  EXPECT_EQ(a->m_vPos[0], 1.0f);
  EXPECT_EQ(a->m_fValue, 0.25f);
  EXPECT_EQ(g_pVertexArray[3 * a->VertexIndex], 1.0f);
  EXPECT_EQ(m->m_vPos[0], 3.0f) << "the dependant follows";
  EXPECT_TRUE(page->m_dirtyIds.empty()) << "the edit's end computes the dependant, not the undo step";
  EXPECT_TRUE(g_bTraceDirty);
  EXPECT_EQ(PageBytes(), before);
  ASSERT_TRUE(page->m_undo.Redo());
  EXPECT_EQ(m->m_vPos[0], 5.0f);
  EXPECT_EQ(PageBytes(), after);
}

TEST_F(EditCommandTest, ASplitCopyIsIndependentUntilUndone) {
  CGVertex* a = AddPoint(0, 0, 0);
  CGVertex* b = AddPoint(4, 0, 0);
  CTestDependentPoint* m = AddDependent({a->m_nId, b->m_nId});
  CGCell* line = AddKind({"CGLine"}, {a->m_nId, m->m_nId});
  CTestDependentPoint* n = AddDependent({m->m_nId});
  a->m_children.push_back(50);  // m's id is not the last of a's children
  page->RebuildVertexArray();
  const QByteArray before = PageBytes();

  // The detached copy of m: a plain point in its place, with its look and dependants.
  auto copy = std::make_unique<CGVertex>();
  static_cast<CGCell&>(*copy) = *m;
  std::copy_n(m->m_vPos, 3, copy->m_vPos);
  copy->m_parents = {a->m_nId};  // a detached copy has none: dropped
  CGVertex* replacement = copy.get();
  auto split = std::make_unique<CCmdSplit>(QString::fromUtf8(kCmdNameSplit));
  split->Add(std::move(copy));
  CCmd& command = *split;
  page->m_undo.Submit(std::move(split));
  ASSERT_TRUE(command.Redo());

  EXPECT_EQ(page->m_cells.Lookup(m->m_nId), replacement);
  EXPECT_TRUE(replacement->m_parents.empty());
  EXPECT_EQ(a->m_children, (std::vector<WORD>{line->m_nId, 50})) << "no longer a parent of the copy";
  EXPECT_TRUE(b->m_children.empty());
  EXPECT_EQ(replacement->m_children, (std::vector<WORD>{line->m_nId, n->m_nId})) << "the dependants stay";
  a->m_vPos[0] = 10;  // moving a former parent leaves the copy alone
  page->RecalculateCells({replacement->m_nId});
  EXPECT_EQ(replacement->m_vPos[0], 3.0f);
  a->m_vPos[0] = 0;

  ASSERT_TRUE(page->m_undo.Undo());
  EXPECT_EQ(page->m_cells.Lookup(m->m_nId), m);
  EXPECT_EQ(PageBytes(), before) << "parents, child lists and every field as before";
  ASSERT_TRUE(page->m_undo.Redo());
  EXPECT_EQ(page->m_cells.Lookup(m->m_nId), replacement);
  ASSERT_TRUE(page->m_undo.Undo());
  EXPECT_EQ(PageBytes(), before);

  int replaced = 0;
  for (const BridgeMessage& msg : seams.bridge->messages) {
    if (msg.message != WM_REBUILD_PAGE_TREE) continue;
    ++replaced;
    EXPECT_TRUE(msg.posted);
    EXPECT_EQ(msg.lParam, page->m_nId);
  }
  EXPECT_EQ(replaced, 4);
}

TEST_F(EditCommandTest, SplittingAParentAndItsChildTogether) {
  CGVertex* a = AddPoint(0, 0, 0);
  CTestDependentPoint* p = AddDependent({a->m_nId});
  CTestDependentPoint* q = AddDependent({p->m_nId});
  page->RebuildVertexArray();
  const QByteArray before = PageBytes();
  CCmdSplit split{QString()};
  for (CGVertex* original : {static_cast<CGVertex*>(p), static_cast<CGVertex*>(q)}) {
    auto copy = std::make_unique<CGVertex>();
    static_cast<CGCell&>(*copy) = *original;
    split.Add(std::move(copy));
  }
  ASSERT_TRUE(split.Redo());
  EXPECT_TRUE(a->m_children.empty());
  EXPECT_TRUE(page->m_cells.Lookup(p->m_nId)->m_children.empty()) << "the copy of p does not list q";
  ASSERT_TRUE(split.Undo());
  EXPECT_EQ(PageBytes(), before);
  EXPECT_EQ(p->m_children, std::vector<WORD>{q->m_nId});
}

TEST_F(EditCommandTest, CopyingAStyleAndUndoingIt) {
  struct Case { std::vector<const char*> chain; int kind; } cases[] = {{{"CGLine"}, CCmdMatchprop::kLines},
               {{"CGFace"}, CCmdMatchprop::kFaces},
               {{"CGArc"}, CCmdMatchprop::kPaths}};
  for (const Case& c : cases) {
    page->ClearSelection();
    CGCell* target1 = AddKind(c.chain);
    CGCell* target2 = AddKind(c.chain);
    CGCell* source = AddKind(c.chain);
    const CellStyles targetLook{.m_rgbaColor = {1, 2, 3, 4}, .m_rgbaLabel = {5, 6, 7, 8}, .m_nStyle = 1,
                               .m_nSubKind = 2, .m_bLabelHidden = 1, .m_fSize = 1.5f, .m_nLabelMode = 0,
                               .m_dwParam3 = 9};
    const CellStyles sourceLook{.m_rgbaColor = {10, 20, 30, 40}, .m_rgbaLabel = {50, 60, 70, 80}, .m_nStyle = 3,
                               .m_nSubKind = 1, .m_bLabelHidden = 0, .m_fSize = 7, .m_nLabelMode = 1,
                               .m_dwParam3 = 0};
    targetLook.WriteAll(*target1);
    sourceLook.WriteAll(*source);
    target2->m_dwParam3 = 4;
    page->SelectCell(target1->m_nId);
    page->SelectCell(target2->m_nId);
    page->SelectCell(source->m_nId);
    const QByteArray before = PageBytes();

    std::unique_ptr<CCmdMatchprop> command = CCmdMatchprop::FromSelection(*page);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->m_nKind, c.kind);
    EXPECT_EQ(command->m_saved.size(), 2u);
    ASSERT_TRUE(command->Redo());
    const bool faces = c.kind == CCmdMatchprop::kFaces;
    EXPECT_EQ(target1->m_rgbaColor, faces ? (RGBA{1, 2, 3, 40}) : (RGBA{10, 20, 30, 40})) << c.kind;
    EXPECT_EQ(target1->m_rgbaLabel, (RGBA{50, 60, 70, 80}));
    EXPECT_EQ(target1->m_nStyle, 3);
    EXPECT_EQ(target1->m_nSubKind, 1);
    EXPECT_EQ(target1->m_bLabelHidden, 0);
    EXPECT_EQ(target1->m_fSize, 7.0f);
    EXPECT_EQ(target1->m_nLabelMode, 1);
    EXPECT_EQ(target1->m_dwParam3, c.kind == CCmdMatchprop::kLines ? 9u : 0u) << "texture number";
    ASSERT_TRUE(command->Undo());
    EXPECT_EQ(PageBytes(), before) << "every saved field back, kind " << c.kind;
  }
}

TEST_F(EditCommandTest, StyleCopyNeedsTwoOfAKind) {
  CGVertex* a = AddPoint(0, 0, 0);
  CGCell* line = AddKind({"CGLine"});
  page->SelectCell(a->m_nId);
  page->SelectCell(line->m_nId);
  EXPECT_EQ(CCmdMatchprop::FromSelection(*page), nullptr);
  CGVertex* b = AddPoint(1, 0, 0);
  page->SelectCell(b->m_nId);
  auto command = CCmdMatchprop::FromSelection(*page);
  ASSERT_TRUE(command);
  EXPECT_EQ(command->GetName(), QString::fromUtf8(kCmdNamePointStyles));
  EXPECT_EQ(command->m_source.m_nId, b->m_nId) << "the last selected";
  ASSERT_EQ(command->m_saved.size(), 1u);
  EXPECT_EQ(command->m_saved[0].m_nId, a->m_nId);
}

}  // namespace
