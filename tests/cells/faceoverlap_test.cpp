// The overlap points of two faces: where the first point and the corner
// points sit for overlapping, touching and disjoint faces, how they follow
// the faces, their records and descriptions.
#include <gtest/gtest.h>

#include "cells/solids/faceoverlap.h"
#include "constructed/constructedtestsupport.h"
#include "support/archiveerrors.h"

namespace KAVREL_FILE_LOCAL {

class FaceOverlap : public ConstructedTest {
 protected:
  // The first corner at height z, the others in z = 0.
  WORD Square(float x, float y, float d, float z = 0) {
    return FaceOn({{x, y, z}, {x + d, y, 0}, {x + d, y + d, 0}, {x, y + d, 0}})->m_nId;
  }
  CGVerFIF* Corner(WORD first, int n) { return NewPoint<CGVerFIF>(first, n); }
};

TEST_F(FaceOverlap, PointsSitOnTheOverlapsCornersByAngle) {
  const struct { const char* row; std::array<float, 4> a; float b[3]; std::vector<Vec3> corners; } rows[] = {
      {"overlapping squares", {0, 0, 2, 0}, {1, 1, 2}, {{1, 1, 0}, {2, 1, 0}, {2, 2, 0}, {1, 2, 0}}},
      {"the first face's first corner raised: its z", {0, 0, 2, 3}, {1, 1, 2}, {{1, 1, 3}, {2, 1, 3}, {2, 2, 3}, {1, 2, 3}}},
      {"one inside the other", {0, 0, 4, 0}, {1, 1, 1}, {{1, 1, 0}, {2, 1, 0}, {2, 2, 0}, {1, 2, 0}}},
      {"sharing one corner", {0, 0, 2, 0}, {2, 2, 2}, {{2, 2, 0}}},
      {"sharing an edge", {0, 0, 2, 0}, {2, 0, 2}, {{2, 0, 0}, {2, 2, 0}}},
      {"disjoint", {0, 0, 1, 0}, {3, 3, 1}, {}},
      {"disjoint, level beside", {0, 0, 2, 0}, {3, 0.5f, 1}, {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.row);
    const WORD a = Square(r.a[0], r.a[1], r.a[2], r.a[3]);
    auto* first = NewPoint<CGVerOverlayFaceFirst>(a, Square(r.b[0], r.b[1], r.b[2]));
    const int n = static_cast<int>(r.corners.size());
    EXPECT_EQ(first->m_bDefined, n > 0);
    EXPECT_EQ(static_cast<int>(first->Polygon.size()), n);
    for (int k = -1; k <= n; ++k) {  // hidden: before the first at the origin, past the last on the last
      const CGVerFIF* p = Corner(first->m_nId, k);
      EXPECT_EQ(p->m_bDefined, n > 0) << k;
      if (n == 0) continue;
      ExpectVec(p->m_vPos, k < 0 ? Vec3{} : r.corners[std::min(k, n - 1)], "corner " + std::to_string(k));
      ExpectPlaced(*p);
      EXPECT_EQ(p->m_bHidden, k < 0 || k == n) << k;
    }
  }
}

TEST_F(FaceOverlap, CornerPointsFollowTheGrowingPolygon) {
  const WORD b = Square(2, 2, 2);
  auto* first = NewPoint<CGVerOverlayFaceFirst>(Square(0, 0, 2), b);
  first->m_bHidden = 1;
  CGVerFIF* third = Corner(first->m_nId, 2);
  for (WORD id : page->m_cells.Lookup(b)->m_parents) {  // B moves by (-1, -1): now they overlap
    auto* corner = static_cast<CGVertex*>(page->m_cells.Lookup(id));
    const float p[3] = {corner->m_vPos[0] - 1, corner->m_vPos[1] - 1, 0};
    corner->PlaceAt(p);
  }
  first->Recalculate();
  first->m_bHidden = 0;
  third->Recalculate();
  ExpectVec(third->m_vPos, {2, 2, 0}, "third corner");
  EXPECT_FALSE(third->m_bHidden) << "shown as the first point is";
}

TEST_F(FaceOverlap, RecordsAndDescriptions) {
  const WORD a = Square(0, 0, 2), b = Square(1, 1, 2);
  auto* first = NewPoint<CGVerOverlayFaceFirst>(a, b);
  auto* corner = Corner(first->m_nId, 0);
  EXPECT_EQ(first->GetDescription(), QString::fromUtf8("面ABCD和面EFGH重叠面的首顶点"));
  EXPECT_EQ(corner->GetDescription(), QString::fromUtf8("重叠面的顶点"));
  RecordBytes firstRecord, cornerRecord, negative, noNumber;
  AppendPointRecord(firstRecord, {11, "I", 0, {1, 1, 0}, {0.2f, 0, 0.2f}, {a, b}, {12}, {128, 0, 0, 255}});
  const PointRecord cornerFields{12, "J", 0, {1, 1, 0}, {0.2f, 0, 0.2f}, {11}, {}, {128, 0, 0, 255}};
  AppendPointRecord(cornerRecord, cornerFields).i32(0);
  EXPECT_EQ(StoreCell(*first).toHex(), firstRecord.get().toHex());
  EXPECT_EQ(StoreCell(*corner).toHex(), cornerRecord.get().toHex());
  CGVerFIF read;
  ReadWhole(AppendPointRecord(negative, cornerFields).i32(-3), read);
  EXPECT_EQ(read.N, -3) << "a negative corner number reads";
  EXPECT_EQ(ReadCause<CGVerFIF>(AppendPointRecord(noNumber, cornerFields)), ArchiveError::EndOfFile);
  EXPECT_EQ(ReadCause<CGVerOverlayFaceFirst>(cornerRecord), ArchiveError::BadData) << "one parent";
}

}  // namespace
