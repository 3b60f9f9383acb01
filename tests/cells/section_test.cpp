// The section cell on a page: what it is made with, how it follows a
// dragged corner of its face, when it is undefined, and its record.
#include <gtest/gtest.h>

#include <cmath>

#include "cells/primitives/pointdrag.h"
#include "cells/solids/cgsection.h"
#include "freepointtestsupport.h"
#include "hulltestsupport.h"

namespace KAVREL_FILE_LOCAL {

class SectionTest : public FreePointTest {
 protected:
  // The hull of the cube 0..4, entered under the next id.
  CGPolyhedron* AddCube() {
    Points corners = kCube;
    for (double& v : corners) v *= 4;
    auto* hull = new CGPolyhedron;
    EXPECT_TRUE(BuildConvexHull(corners.data(), 8, *hull));
    return Enter(hull);
  }
  CGSection* AddSection(WORD hull, WORD face) {
    auto* section = new CGSection(page->m_nNextId++, hull, face);
    page->m_cells.SetAt(section->m_nId, section);
    return section;
  }
  // The pointer ray along y through (x, z), as the drag in the plane y = const reads it.
  static void RayAlongY(double x, double z) {
    g_dRayNear[0] = g_dRayFar[0] = x;
    g_dRayNear[2] = g_dRayFar[2] = z;
    g_dRayNear[1] = 100;
    g_dRayFar[1] = -100;
    g_fViewDir[0] = g_fViewDir[2] = 0;
    g_fViewDir[1] = 200;
  }
};

// Every corner lies in the plane of the three points and on the cube.
void ExpectInPlane(const CGSection& s, const CGVertex& d, const CGVertex& e, const CGVertex& f, const char* row) {
  const kvmath::WideVec n = kvmath::Cross(kvmath::Diff(d.m_vPos, e.m_vPos), kvmath::Diff(f.m_vPos, e.m_vPos));
  for (const auto& p : s.Polygon) {
    EXPECT_NEAR(kvmath::Dot(n, {p.x - e.m_vPos[0], p.y - e.m_vPos[1], p.z - e.m_vPos[2]}), 0, 1e-5) << row;
    EXPECT_TRUE(std::min({p.x, p.y, p.z}) > -1e-9 && std::max({p.x, p.y, p.z}) < 4 + 1e-9) << row;
  }
}

TEST_F(SectionTest, FollowsEveryMoveOfADraggedCornerAndEmptiesOffTheHull) {
  g_prefs.rgbaLine = RGBA{1, 2, 3, 4};
  CGPolyhedron* hull = AddCube();
  CGVerFreeXyz* d = AddXyz(0, 0, 2);
  CGVerFreeXyz* e = AddXyz(10, 0, 6);
  CGVerFreeXyz* f = AddXyz(0, 10, 6);
  CGFace* face = AddFace({d->m_nId, e->m_nId, f->m_nId});
  CGSection* section = AddSection(hull->m_nId, face->m_nId);
  EXPECT_EQ(section->m_strName, QString::fromUtf8("面与体截面图"));
  EXPECT_EQ(section->GetDescription(), QString::fromUtf8("多面体与平面的截面图"));
  EXPECT_EQ(section->m_rgbaColor, (RGBA{1, 2, 3, 4}));
  EXPECT_EQ(section->m_rgbaLabel, (RGBA{196, 255, 225, 255}));
  EXPECT_TRUE(hull->m_children == std::vector<WORD>{section->m_nId} && face->m_children == hull->m_children);
  ASSERT_TRUE(section->m_bDefined);
  EXPECT_EQ(section->Polygon.size(), 5u);  // z = 2 + 0.4 (x + y) cuts a corner off the top
  ExpectInPlane(*section, *d, *e, *f, "made");

  ASSERT_TRUE(BeginPointDrag(d->m_nId));
  g_bDragHorizontal = 0;
  const struct { const char* row; double x, z; size_t corners; } moves[] = {
      {"up", 0, 3, 3}, {"off the top", 0, 5, 0}, {"back down", 0, 1, 5}, {"to the side", 2, 0.5, 6},
  };
  for (const auto& m : moves) {
    RayAlongY(m.x, m.z);
    ASSERT_TRUE(DragPointTo()) << m.row;
    EXPECT_NEAR(d->m_vPos[2], m.z, 1e-6) << m.row;
    EXPECT_TRUE(section->m_bDefined) << m.row;
    EXPECT_EQ(section->Polygon.size(), m.corners) << m.row;
    ExpectInPlane(*section, *d, *e, *f, m.row);
  }
  EndPointDrag();
}

TEST_F(SectionTest, UndefinedWithAnUndefinedHullOrFaceAndRecordedAsACellOnly) {
  CGPolyhedron* hull = AddCube();
  CGFace* face = FaceOn({{0, 0, 2}, {1, 0, 2}, {0, 1, 2}});
  CGSection* section = AddSection(hull->m_nId, face->m_nId);
  ASSERT_EQ(section->Polygon.size(), 4u);
  CGVertex* corner = static_cast<CGVertex*>(page->m_cells.Lookup(face->m_parents[0]));
  const struct { const char* row; CGCell* undefined; } cases[] = {{"face", face}, {"hull", hull}};
  for (const auto& c : cases) {
    c.undefined->m_bDefined = false;
    section->Recalculate();
    EXPECT_FALSE(section->m_bDefined) << c.row;
    EXPECT_TRUE(section->Polygon.empty()) << c.row;
    c.undefined->m_bDefined = true;
    section->Recalculate();
    EXPECT_EQ(section->Polygon.size(), 4u) << c.row;
  }
  // A hull id that names a point; a face a thousandth wide still cuts.
  CGSection* onPoint = AddSection(corner->m_nId, face->m_nId);
  EXPECT_FALSE(onPoint->m_bDefined);
  CGFace* small = FaceOn({{0, 0, 2}, {0.001f, 0, 2}, {0, 0.001f, 2}});
  EXPECT_EQ(AddSection(hull->m_nId, small->m_nId)->Polygon.size(), 4u);
  // Parents and children belong to the common record; the polygon is not stored.
  section->m_rgbaLabel = RGBA{0, 0, 0, 255};
  section->m_rgbaColor = RGBA{0, 0, 128, 255};
  RecordBytes golden;
  AppendCommonRecord(golden, {section->m_nId, QString::fromUtf8("面与体截面图"), 0, 0, {0, 0, 0}, RGBA{0, 0, 128, 255},
                              0, {hull->m_nId, face->m_nId}, {}});
  EXPECT_EQ(StoreCell(*section).toHex(), golden.get().toHex());
  CGSection read;
  ReadWhole(golden, read);
  EXPECT_TRUE(read.Polygon.empty());
  read.Recalculate();
  EXPECT_EQ(read.Polygon.size(), 4u);
}

}  // namespace
