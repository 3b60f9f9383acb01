// Division points: what each call makes (ids, slots, names, parents, fixed
// ratios and places), that they follow their points, and the calls that
// must make nothing at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "cells/constructed/scalings.h"
#include "cells/solids/divisionpoints.h"
#include "constructed/constructedtestsupport.h"
#include "model/globals.h"
#include "model/modeltexts.h"
#include "model/vertexarray.h"

namespace KAVREL_FILE_LOCAL {

const Vec3 kA = {1, 2, 3}, kB = {7, -4, 9};

Vec3 Between(const Vec3& a, const Vec3& b, double t) {
  Vec3 p;
  for (int i = 0; i < 3; ++i) p[i] = static_cast<float>(a[i] + t * (b[i] - a[i]));
  return p;
}

class DivisionPointsTest : public ConstructedTest {
 protected:
  DivisionPointsTest() { FreshPage(); }
  // A new current page holding just A and B, for each row of a table.
  void FreshPage() {
    auto fresh = std::make_unique<CGPage>();
    SetCurrentPage(fresh.get());
    page = std::move(fresh);
    ASSERT_TRUE(ReallocateVertexArray(100));
    a = Pt(kA);  // "A"
    b = Pt(kB);  // "B"
    seams.notifier->shown.clear();
  }
  CGVertex& Point(WORD id) { return *static_cast<CGVertex*>(page->m_cells.Lookup(id)); }

  WORD a = 0, b = 0;
};

TEST_F(DivisionPointsTest, EachPointLiesAtItsFixedFractionFromTheFirst) {
  struct Row {
    const char* name;
    int n;
    bool onlyFirst;
    bool swapped;                // B given first
    std::vector<double> along;   // each point's place from A (0) to B (1), in id order
    std::vector<const char*> names;
  } const rows[] = {
      {"midpoint", 2, false, false, {0.5}, {"C"}},
      {"trisection, lower id nearer A", 3, false, false, {1.0 / 3, 2.0 / 3}, {"C", "D"}},
      {"five parts", 5, false, false, {0.2, 0.4, 0.6, 0.8}, {"C", "D", "E", "F"}},
      {"only the first of five", 5, true, false, {0.2}, {"C"}},
      {"swapped points mirror them", 3, false, true, {2.0 / 3, 1.0 / 3}, {"C", "D"}},
      {"only the first of one part is the second point", 1, true, false, {1.0}, {"C"}},
      {"one part makes nothing", 1, false, false, {}, {}},
      {"no parts", 0, false, false, {}, {}},
      {"negative parts", -3, true, false, {}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FreshPage();
    const WORD first = row.swapped ? b : a, second = row.swapped ? a : b;
    const WORD nextId = page->m_nNextId;
    const WORD nextSlot = page->m_nNextVertex;
    const int made = BuildDivisionPoints(first, second, row.n, row.onlyFirst);
    const int count = static_cast<int>(row.along.size());
    ASSERT_EQ(made, count);
    EXPECT_EQ(page->m_nNextId, nextId + count);
    EXPECT_EQ(page->m_nNextVertex, nextSlot + count);
    EXPECT_EQ(page->GetNewName(1), QString(QChar('C' + count))) << "names taken";
    for (int k = 0; k < count; ++k) {
      const std::string what = "point " + std::to_string(k + 1);
      const auto* p = dynamic_cast<CGVerScale*>(page->m_cells.Lookup(static_cast<WORD>(nextId + k)));
      ASSERT_NE(p, nullptr) << what;
      EXPECT_EQ(p->m_strName, QString::fromUtf8(row.names[k])) << what;
      EXPECT_EQ(p->VertexIndex, nextSlot + k) << what;
      EXPECT_EQ(p->m_parents, (std::vector<WORD>{second, first})) << what;
      EXPECT_EQ(p->Ratio, static_cast<float>((k + 1) * (1.0 / row.n))) << what;
      EXPECT_TRUE(p->m_bDefined) << what;
      ExpectVec(p->m_vPos, Between(kA, kB, row.along[k]), what);
      ExpectPlaced(*p);
      for (WORD parent : {first, second})
        EXPECT_EQ(std::count(Point(parent).m_children.begin(), Point(parent).m_children.end(), p->m_nId), 1) << what;
    }
    EXPECT_EQ(Point(a).m_children.size(), static_cast<size_t>(count));
    EXPECT_TRUE(seams.notifier->shown.empty());
  }
}

TEST_F(DivisionPointsTest, PointsFollowTheirEndsWithTheirRatiosKept) {
  const WORD first = page->m_nNextId;
  ASSERT_EQ(BuildDivisionPoints(a, b, 4, false), 3);
  const Vec3 movedA = {-5, 0, 1}, movedB = {3, 8, -7};
  Point(a).PlaceAt(movedA.data());
  Point(b).PlaceAt(movedB.data());
  for (int k = 0; k < 3; ++k) {
    auto& p = static_cast<CGVerScale&>(Point(static_cast<WORD>(first + k)));
    p.Recalculate();
    EXPECT_EQ(p.Ratio, (k + 1) * 0.25f);
    ExpectVec(p.m_vPos, Between(movedA, movedB, (k + 1) * 0.25), "point " + std::to_string(k + 1));
    ExpectPlaced(p);
  }
}

// Every refusal leaves the page exactly as it was: ids, slots, names.
TEST_F(DivisionPointsTest, RefusedCallsMakeNothing) {
  struct Row {
    const char* name;
    int n;
    int capacity = 0;      // the vertex array's, when the row sets it
    WORD nextId = 0;       // the page's next id, when the row sets it
    int firstKind = 0;     // 0 point A, 1 no cell, 2 a line AB
    const char* message = nullptr;
  } const rows[] = {
      {"first id names no cell", 3, 0, 0, 1},
      {"first id names a line", 3, 0, 0, 2},
      {"more points than ids left", 10, 0, CGPage::kMaxCellId - 7, 0, kTextTooManyCells},
      {"a count near the int limit", INT_MAX, 0, 0, 0, kTextTooManyCells},
      {"more points than the largest array", 65000, 5000, 0, 0, kTextOutOfMemory},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FreshPage();
    WORD first = a;
    if (row.firstKind == 1) first = 999;
    if (row.firstKind == 2) first = AddLine(a, b, kLineFull)->m_nId;
    if (row.capacity) { ASSERT_TRUE(ReallocateVertexArray(row.capacity)); }
    if (row.nextId) page->m_nNextId = row.nextId;
    const WORD nextId = page->m_nNextId, nextSlot = page->m_nNextVertex;
    const int capacity = g_nVertexCapacity;
    EXPECT_EQ(BuildDivisionPoints(first, b, row.n, false), 0);
    EXPECT_EQ(page->m_nNextId, nextId);
    EXPECT_EQ(page->m_nNextVertex, nextSlot);
    EXPECT_EQ(g_nVertexCapacity, capacity);
    EXPECT_EQ(page->GetNewName(1), QStringLiteral("C"));
    EXPECT_EQ(Point(b).m_children.size(), row.firstKind == 2 ? 1u : 0u);
    if (!row.message) {
      EXPECT_TRUE(seams.notifier->shown.empty());
      continue;
    }
    ASSERT_EQ(seams.notifier->shown.size(), 1u);
    EXPECT_EQ(seams.notifier->shown[0].text, QString::fromUtf8(row.message));
  }
}

// 255 points into an array with room for 8: it grows once, by at least the
// points to come, and every point has a slot inside it.
TEST_F(DivisionPointsTest, ALongDivisionGrowsTheArrayOnceAndStaysInside) {
  ASSERT_TRUE(ReallocateVertexArray(10));
  const WORD first = page->m_nNextId;
  ASSERT_EQ(BuildDivisionPoints(a, b, 256, false), 255);
  EXPECT_EQ(g_nVertexCapacity, 10 + 255 + 50);
  for (int k = 0; k < 255; ++k) {
    const auto& p = static_cast<CGVerScale&>(Point(static_cast<WORD>(first + k)));
    ASSERT_LT(p.VertexIndex, VertexArraySlots()) << "point " << k + 1;
    ExpectVec(p.m_vPos, Between(kA, kB, (k + 1) / 256.0), "point " + std::to_string(k + 1), 1e-4);
    ExpectPlaced(p);
  }
}

}  // namespace
