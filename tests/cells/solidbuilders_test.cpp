// Solids over a base face and tables: the cells each builder makes, in
// order, that they follow their free points, and calls that make nothing.
#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "cells/dynamic/buttons/showhidebutton.h"
#include "cells/primitives/pointdrag.h"
#include "cells/solids/solidbuilders.h"
#include "cells/solids/tablebuilder.h"
#include "constructed/constructedtestsupport.h"
#include "render/viewglobals.h"

namespace KAVREL_FILE_LOCAL {

class SolidBuilders : public ConstructedTest {
 protected:
  void NewPage() {
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
  }
  CGVertex* Named(const std::string& name) {
    for (WORD id = 1; id < page->m_nNextId; ++id)
      if (CGCell* c = page->m_cells.Lookup(id); c && c->m_strName.toStdString() == name) return static_cast<CGVertex*>(c);
    return nullptr;
  }
  // "P" point, "L" line, "F" face, then each name, of the cells from `first`.
  std::string Listing(WORD first) {
    std::string kinds, names;
    for (WORD id = first; id < page->m_nNextId; ++id) {
      CGCell* c = page->m_cells.Lookup(id);
      kinds += c->IsKindOf(RUNTIME_CLASS(CGVertex)) ? 'P' : c->IsKindOf(RUNTIME_CLASS(CGLine)) ? 'L' : 'F';
      names += " " + c->m_strName.toStdString();
    }
    return kinds + names;
  }
  WORD Base(int corners, float z = 0) {  // (0,0), (4,0), (4,4), (0,4)
    std::vector<WORD> ids;
    for (int i = 0; i < corners; ++i) ids.push_back(Pt({i == 1 || i == 2 ? 4.0f : 0, i >= 2 ? 4.0f : 0, z}));
    return AddFace(ids)->m_nId;
  }
  void Drag(WORD id, double x, double y) {
    ASSERT_TRUE(BeginPointDrag(id));
    RayDown(x, y);
    ASSERT_TRUE(DragPointTo());
    EndPointDrag();
  }
};

using Build = int(WORD, int);

TEST_F(SolidBuilders, EachSolidMakesItsCellsInOrderAndItsOwnColours) {
  const struct { Build* build; int corners, made; const char* listing; } rows[] = {
      {BuildPrism, 3, 12, "PLLFPLLFLLFF B1 A1B1 BB1 ABB1A1 C1 B1C1 CC1 BCC1B1 C1A1 AA1 CAA1C1 A1B1C1"},
      {BuildPyramid, 3, 6, "LFLFLF DB DAB DC DBC DA DCA"},
      {BuildFrustum, 3, 14, "LPPLLFPLLFLLFF DA A1 B1 A1B1 BB1 ABB1A1 C1 B1C1 CC1 BCC1B1 C1A1 AA1 CAA1C1 A1B1C1"},
      {BuildPrism, 4, 16, nullptr}, {BuildPyramid, 4, 8, nullptr}, {BuildFrustum, 4, 18, nullptr},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.made) + " cells");
    NewPage();
    const WORD face = Base(r.corners), top = AddXyz(1, 1, 5)->m_nId, first = page->m_nNextId;
    ASSERT_EQ(r.build(top, face), r.made);
    const std::string listing = Listing(first);
    EXPECT_EQ(listing, r.listing ? r.listing : listing);
    EXPECT_EQ(listing[r.made - 1], 'F') << "the last cell is a face";
    EXPECT_EQ(page->m_cells.Lookup(first)->m_bHidden, r.build == BuildFrustum) << "only the carrier is hidden";
    ASSERT_EQ(r.build(top, face), r.made);  // a second solid: every face of both has its own colour
    std::set<std::uint32_t> colours;
    int faces = 0;
    for (WORD id = first; id < page->m_nNextId; ++id)
      if (auto* f = dynamic_cast<CGFace*>(page->m_cells.Lookup(id)); f && ++faces)
        colours.insert(f->m_rgbaColor.r | f->m_rgbaColor.g << 8 | f->m_rgbaColor.b << 16);
    EXPECT_EQ(static_cast<int>(colours.size()), faces);
  }
}

TEST_F(SolidBuilders, RefusedCallsMakeNothing) {
  const WORD face = Base(3), apex = Pt({0, 0, 5}), line = AddLine(apex, 1)->m_nId, next = page->m_nNextId;
  const std::pair<WORD, int> rows[] = {{apex, apex}, {line, face}, {apex, 0x10000 + face}, {apex, -1}};
  for (auto [point, f] : rows)
    for (auto build : {BuildPrism, BuildPyramid, BuildFrustum}) EXPECT_EQ(build(point, f), 0) << point << ", " << f;
  page->m_nNextVertex = 0xFFFE;  // no slots left: only the pyramid, which makes no point, is built
  EXPECT_EQ(BuildPrism(apex, face) + BuildFrustum(apex, face), 0);
  EXPECT_EQ(page->m_nNextId, next);
  EXPECT_EQ(BuildPyramid(apex, face), 6);
  page->m_nNextVertex = 10;  // ids left for exactly the cells of each: built
  for (auto [build, made] : {std::pair<Build*, int>{BuildPrism, 12}, {BuildFrustum, 14}}) {
    page->m_nNextId = static_cast<WORD>(CGPage::kMaxCellId + 1 - made);
    EXPECT_EQ(build(apex, face), made);
  }
}

TEST_F(SolidBuilders, PrismAndFrustumTopsFollowTheirFreePoints) {
  const WORD face = Base(3, 1), p = AddXyz(1, 2, 6)->m_nId;
  ASSERT_EQ(BuildPrism(p, face), 12);
  EXPECT_EQ(Named("A1")->m_nId, p);
  Drag(p, -3, 5);  // P - A = (-3, 5, 5)
  for (std::string corner : {"B", "C"})
    ExpectVec(Named(corner + "1")->m_vPos, {Named(corner)->m_vPos[0] - 3, Named(corner)->m_vPos[1] + 5, 6}, corner);

  NewPage();
  const WORD base = Base(4), s = Pt({2, 2, 8});
  ASSERT_EQ(BuildFrustum(s, base), 18);
  ExpectVec(Named("A1")->m_vPos, {1, 1, 4}, "halfway from S to A");
  Named("A1")->m_fValue = 0.25f;
  Named("A1")->ApplyParameter();
  std::vector<WORD> ids(page->m_nNextId - 1);
  std::iota(ids.begin(), ids.end(), WORD{1});
  page->RecalculateCells(ids);
  for (std::string corner : {"A", "B", "C", "D"}) {
    const float* a = Named(corner)->m_vPos;
    ExpectVec(Named(corner + "1")->m_vPos, {2 + (a[0] - 2) / 4, 2 + (a[1] - 2) / 4, 6}, corner);
  }
}

TEST_F(SolidBuilders, TablesAreMadeWholeOrNotAtAllAndAlwaysClearTheSelection) {
  g_nViewWidth = g_nViewHeight = 600;
  g_fUnitsPerPixel = 0.05f;  // 4 x 4: cells 5 x 5 from (-10, 10)
  // The vertex array, 10 slots, grows once by what all the points need.
  const struct { int rows, cols, made, capacity; } rows[] = {
      {4, 4, 98, 10 + 100}, {20, 20, 2082, 10 + 841 + 50}, {21, 1, 0, 10}, {1, 21, 0, 10}, {0, 3, 0, 10}};
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.rows) + " x " + std::to_string(r.cols));
    NewPage();
    ASSERT_TRUE(page->SelectCell(Pt({0, 0, 0})) && ReallocateVertexArray(10));
    ASSERT_EQ(BuildTable(r.rows, r.cols, 0, -10, 10, nullptr, nullptr), r.made);
    EXPECT_EQ(g_nVertexCapacity, r.capacity);
    EXPECT_TRUE(page->m_selAll.empty() && !page->m_cells.Lookup(1)->m_bSelected);
    EXPECT_EQ(page->m_nNextId, 2 + r.made);
  }
  page->m_nNextVertex = 0xFFFE;  // no slots left
  EXPECT_EQ(BuildTable(1, 1, 0, 0, 0, nullptr, nullptr), 0);
  page->m_nNextVertex = 2;
  ASSERT_EQ(BuildTable(4, 4, 0, 0, 0, nullptr, nullptr), 98);
  ExpectVec(Named("Table")->m_vPos, {-10, 10, 0}, "origin");
  ExpectVec(Named("V23")->m_vPos, {5, 0, 0}, "row 2, column 3");
  ExpectVec(Named("T23")->m_vPos, {0.5f, 0.5f, 0}, "0.1 top left, 0.8 bottom left, 0.1 bottom right");
  const float v14 = Named("V14")->m_vPos[0], v41 = Named("V41")->m_vPos[0];
  Drag(Named("1")->m_nId, -3, 10);  // the first column's handle, from (-5, 10)
  EXPECT_EQ(std::make_pair(Named("V14")->m_vPos[0] - v14, Named("V41")->m_vPos[0] - v41), std::make_pair(2.f, 2.f));

  auto* button = static_cast<CGButnSHide*>(page->m_cells.Lookup(static_cast<WORD>(page->m_nNextId - 1)));
  EXPECT_EQ(button->m_parents.size(), 25u);
  EXPECT_EQ(button->m_strName, QString::fromUtf8("显示控位点"));
  for (std::string caption : {"隐藏控位点", "显示控位点"}) {
    button->Step();
    EXPECT_EQ(button->m_strName.toStdString(), caption);
    for (WORD target : button->m_parents) EXPECT_EQ(page->m_cells.Lookup(target)->m_bHidden, caption.starts_with("显"));
  }

  NewPage();
  const float widths[] = {99, 2, 3}, heights[] = {99, 1};
  ASSERT_EQ(BuildTable(1, 2, 1, -10, 10, widths, heights), 18);
  EXPECT_EQ(std::make_tuple(Named("1")->m_vPos[0], Named("2")->m_vPos[0], Named("V12")->m_vPos[1]),
            std::make_tuple(-8.f, -5.f, 9.f)) << "placed by the widths and heights given";
}

}  // namespace
