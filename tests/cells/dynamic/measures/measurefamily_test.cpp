// The family rules every measured value keeps: the constructor's steps, the
// names, mark-up and descriptions of the texts table, the caption record,
// creation by class name, the value text, the defined state, and what a
// damaged file or a parent of the wrong kind does.
#include <algorithm>
#include <memory>
#include <set>
#include <string>

#include "cells/texts/textcelltexts.h"
#include "../measuretestsupport.h"
#include "model/cellmap.h"

namespace KAVREL_FILE_LOCAL {

class MeasureFamilyTest : public MeasureTest {
 protected:
  // A, B, C, D the corners of a 4 x 3 rectangle, E above A; the lines AB,
  // BC, CD and AE; the faces ABCD and ABE; the circle c1; the four solids.
  MeasureFamilyTest() {
    a = P(0, 0, 0), b = P(4, 0, 0), c = P(4, 3, 0), d = P(0, 3, 0), e = P(0, 0, 5);
    ab = L(a, b), bc = L(b, c), cd = L(c, d), ae = L(a, e);
    abcd = AddFace({a, b, c, d})->m_nId, abe = AddFace({a, b, e})->m_nId;
    c1 = Arc(2, kArcCircle);
    cylinder = Solid<CGCylinder>(1, 2, 0, 0, 1), cone = Solid<CGCone>(3, 4, 0, 0, 1);
    frustum = Solid<CGFrustum>(2, 3, 0, 0, 1, 0.5f), sphere = Solid<CGSphere>(3, 0, 0, 1);
  }
  WORD a, b, c, d, e, ab, bc, cd, ae, abcd, abe, c1, cylinder, cone, frustum, sphere;

  struct Row {
    const char* cls;
    std::function<CGTmMeasure*()> make;
    const char *name, *vod, *description;
  };
  // Every member, its parents named as above; the texts are the program's.
  std::vector<Row> Rows() {
    return {
        {"CGTmVarCoordX", Make<CGTmVarCoordX>(a), "x (A)", "<_><e>x</e><e>A</e></_>", "度量值：A点的X坐标"},
        {"CGTmVarCoordY", Make<CGTmVarCoordY>(a), "y (A)", "<_><e>y</e><e>A</e></_>", "度量值：A点的Y坐标"},
        {"CGTmVarCoordZ", Make<CGTmVarCoordZ>(a), "z (A)", "<_><e>z</e><e>A</e></_>", "度量值：A点的Z坐标"},
        {"CGTmVarPara", Make<CGTmVarPara>(a), "t (A)", "<_><e>t</e><e>A</e></_>", "度量值：A点的动画参数"},
        {"CGTmVarParaPInL", Make<CGTmVarParaPInL>(a, bc), "A在线BC上", "<e>A在线BC上</e>", "点A在线BC上的相对位置"},
        {"CGTmVarParaPInY", Make<CGTmVarParaPInY>(a, c1), "A在圆弧c1上", "<e>A在圆弧c1上</e>", "点A在圆弧c1上的相对位置"},
        {"CGTmVarDistancePP", Make<CGTmVarDistancePP>(a, b), "|AB|", "<e>|AB|</e>", "度量值：两点A、B间距离"},
        {"CGTmVarDistancePL", Make<CGTmVarDistancePL>(a, bc), "d ( A, BC)", "<_><e>d</e><e>A,BC</e></_>", "度量值：点A到直线BC的距离"},
        {"CGTmVarDistancePF", Make<CGTmVarDistancePF>(e, abcd), "d ( E, ABCD)", "<_><e>d</e><e>E,ABCD</e></_>", "度量值：点E到平面ABCD的距离"},
        {"CGTmVarDistanceLL", Make<CGTmVarDistanceLL>(ab, cd), "d ( AB, CD)", "<_><e>d</e><e>AB,CD</e></_>", "度量值：直线AB与直线CD间距离"},
        {"CGTmVarAngleLL", Make<CGTmVarAngleLL>(ab, cd), "∠AB, CD", "<_><e>∠</e><e>AB,CD</e></_>", "度量值：直线AB与直线CD所成角"},
        {"CGTmVarAngleLF", Make<CGTmVarAngleLF>(ae, abcd), "∠AE, ABCD", "<_><e>∠</e><e>AE,ABCD</e></_>", "度量值：直线AE与平面ABCD所成角"},
        {"CGTmVarAngleFF", Make<CGTmVarAngleFF>(abcd, abe), "∠ABCD, ABE", "<_><e>∠</e><e>ABCD,ABE</e></_>", "度量值：二平面ABCD、ABE所成角"},
        {"CGTmVarAngleP3", Make<CGTmVarAngleP3>(a, b, c), "∠ABC", "<e>∠ABC</e>", "度量值：∠ABC"},
        {"CGTmVarArea", Make<CGTmVarArea>(abcd), "S ( ABCD)", "<_><e>S</e><e>ABCD</e></_>", "度量值：多边形ABCD面积"},
        {"CGTmVarVolume", Make<CGTmVarVolume>(a, b, c, d), "V ( ABCD)", "<_><e>V</e><e>A-BCD</e></_>", "度量值：四面体ABCD体积"},
        {"CGTmVarRadius", Make<CGTmVarRadius>(c1), "r ( c1)", "<_><e>r</e><e>c1</e></_>", "度量值：圆（弧）c1的半径"},
        {"CGTmVarAreaCircle", Make<CGTmVarAreaCircle>(c1), "S ( c1)", "<_><e>S</e><e>c1</e></_>", "度量值：圆（扇形）c1的面积"},
        {"CGTmVarLenArc", Make<CGTmVarLenArc>(c1), "P ( c1)", "<_><e>P</e><e>c1</e></_>", "度量值：圆（弧）c1的周长"},
        {"CGTmVarAreaCylinder", Make<CGTmVarAreaCylinder>(cylinder), "S ( 圆柱)", "<_><e>S</e><e>圆柱</e></_>", "度量值：圆柱全面积"},
        {"CGTmVarAreaCone", Make<CGTmVarAreaCone>(cone), "S ( 圆锥)", "<_><e>S</e><e>圆锥</e></_>", "度量值：圆锥全面积"},
        {"CGTmVarAreaFrustum", Make<CGTmVarAreaFrustum>(frustum), "S ( 圆台)", "<_><e>S</e><e>圆台</e></_>", "度量值：圆台全面积"},
        {"CGTmVarAreaSphere", Make<CGTmVarAreaSphere>(sphere), "S ( 球)", "<_><e>S</e><e>球</e></_>", "度量值：球表面积"},
        {"CGTmVarVolumeCylinder", Make<CGTmVarVolumeCylinder>(cylinder), "V ( 圆柱)", "<_><e>V</e><e>圆柱</e></_>", "度量值：圆柱体积"},
        {"CGTmVarVolumeCone", Make<CGTmVarVolumeCone>(cone), "V ( 圆锥)", "<_><e>V</e><e>圆锥</e></_>", "度量值：圆锥体积"},
        {"CGTmVarVolumeFrustum", Make<CGTmVarVolumeFrustum>(frustum), "V ( 圆台)", "<_><e>V</e><e>圆台</e></_>", "度量值：圆台体积"},
        {"CGTmVarVolumeSphere", Make<CGTmVarVolumeSphere>(sphere), "V ( 球)", "<_><e>V</e><e>球</e></_>", "度量值：球体积"},
    };
  }
};

TEST_F(MeasureFamilyTest, EveryMemberNamesPlacesLinksStoresAndUndefinesItself) {
  const std::vector<Row> rows = Rows();
  // A calculation reads as many parents as it is given: tested apart.
  ASSERT_EQ(rows.size(), std::count_if(std::begin(kMeasureTexts), std::end(kMeasureTexts),
                                       [](const MeasureTexts& t) { return t.parents != kParentsAsGiven; }));
  float last[2] = {13, 12.5f};
  for (const Row& r : rows) {
    CGTmMeasure* m = r.make();
    EXPECT_STREQ(m->GetRuntimeClass()->m_lpszClassName, r.cls);
    EXPECT_EQ(m->m_strName, QString::fromUtf8(r.name)) << r.cls;
    EXPECT_EQ(m->m_strVodName, QString::fromUtf8(r.vod)) << r.cls;
    EXPECT_EQ(m->GetDescription(), QString::fromUtf8(r.description)) << r.cls;
    EXPECT_EQ(m->Texts().className, std::string(r.cls));
    EXPECT_EQ(m->m_parents.size(), m->Texts().parents) << r.cls;
    EXPECT_TRUE(m->m_bDefined) << r.cls;
    for (WORD parent : m->m_parents)
      EXPECT_EQ(page->m_cells.Lookup(parent)->m_children.back(), m->m_nId) << r.cls << ": a child of " << parent;
    // The caption defaults, one text row below the one before (a column
    // holds 16), the first in the grid's first slot.
    EXPECT_TRUE(m->m_dwParam3 == 17 && m->m_fSize == 0.01f && !m->m_bLabelHidden && m->m_nParamB == 1) << r.cls;
    float x = last[0], y = last[1] - 1.5f;
    if (y < -11) x -= 12, y = 11;
    EXPECT_TRUE(m->m_vLabelAnchor[0] == x && m->m_vLabelAnchor[1] == y && m->m_vLabelAnchor[2] == 0) << r.cls;
    last[0] = x, last[1] = y;

    // Created by class name, the caption record reads back whole.
    const QByteArray bytes = StoreCell(*m);
    const CRuntimeClass* cls = ClassRegistry::FromName(r.cls);
    ASSERT_NE(cls, nullptr) << r.cls;
    std::unique_ptr<CGTmMeasure> loaded(dynamic_cast<CGTmMeasure*>(cls->CreateObject()));
    ASSERT_NE(loaded, nullptr) << r.cls;
    CArchive in(bytes);
    loaded->Serialize(in);
    EXPECT_EQ(in.Remaining(), 0) << r.cls;
    EXPECT_EQ(StoreCell(*loaded), bytes) << r.cls;
    const float value = m->m_fValue;
    loaded->Recalculate();
    EXPECT_EQ(loaded->m_fValue, value) << r.cls;
    // One parent more or fewer than the class reads fails the load.
    for (bool more : {true, false}) {
      const WORD kept = m->m_parents.back();
      if (more) m->m_parents.push_back(a); else m->m_parents.pop_back();
      const QByteArray bad = StoreCell(*m);
      if (more) m->m_parents.pop_back(); else m->m_parents.push_back(kept);
      std::unique_ptr<CObject> fresh(cls->CreateObject());
      EXPECT_EQ(ArchiveCause([&] { CArchive ar(bad); fresh->Serialize(ar); }), ArchiveError::BadData)
          << r.cls << (more ? " with a parent more" : " with a parent fewer");
    }

    // A parent missing or of another kind: undefined, the value kept.
    for (size_t i = 0; i < m->m_parents.size(); ++i) {
      const WORD kept = m->m_parents[i];
      const bool point = page->m_cells.Lookup(kept)->IsKindOf(RUNTIME_CLASS(CGVertex));
      for (WORD other : {point ? bc : a, WORD{999}}) {
        m->m_parents[i] = other;
        m->Recalculate();
        EXPECT_FALSE(m->m_bDefined) << r.cls << ", parent " << i << " replaced by " << other;
        EXPECT_EQ(m->m_fValue, value) << r.cls;
        EXPECT_EQ(m->CurrentValueText(), QStringLiteral("? ")) << r.cls;
      }
      m->m_parents[i] = kept;
      m->Recalculate();
      EXPECT_TRUE(m->m_bDefined) << r.cls;
    }
  }
}

TEST_F(MeasureFamilyTest, CaptionsFollowTheDefinedStateAndNamesFollowTheParents) {
  auto* ab = New<CGTmVarDistancePP>(a, b);
  EXPECT_EQ(Caption(*ab), QStringLiteral(" =4"));
  // Undefined in the same recomputation, the last number kept.
  auto* pb = static_cast<CGVertex*>(page->m_cells.Lookup(b));
  pb->m_bDefined = false;
  ab->Recalculate();
  EXPECT_EQ(ab->CurrentValueText(), QString::fromUtf8(kTextValueUndefinedNamed));
  EXPECT_EQ(ab->m_fValue, 4);
  pb->m_bDefined = true;
  pb->m_vPos[0] = 6, pb->m_vPos[1] = 8;
  ab->Recalculate();
  EXPECT_EQ(ab->CurrentValueText(), QStringLiteral(" =10"));
  pb->m_bDefined = false;
  ab->m_strName.clear();  // no name to follow: the bare mark
  ab->Recalculate();
  EXPECT_EQ(ab->CurrentValueText(), QStringLiteral("? "));
  pb->m_bDefined = true;

  // An unfixed name follows a renamed parent; a name the user typed stays.
  auto* ac = New<CGTmVarDistancePP>(a, c);
  ac->m_bNameFixed = true;
  ac->m_strName = QStringLiteral("len");
  page->m_cells.Lookup(a)->m_strName = QStringLiteral("P");
  for (CGTmMeasure* m : {static_cast<CGTmMeasure*>(ab), static_cast<CGTmMeasure*>(ac)}) m->UpdateLabel();
  EXPECT_EQ(ab->m_strName, QStringLiteral("|PB|"));
  EXPECT_EQ(ab->m_strVodName, QStringLiteral("<e>|PB|</e>"));
  EXPECT_EQ(ac->m_strName, QStringLiteral("len"));
  EXPECT_EQ(ac->m_strVodName, QStringLiteral("<e>|AC|</e>"));
}

// The record of a distance, written from the common cell record and the
// caption's value text.
TEST_F(MeasureFamilyTest, DistanceRecordBytes) {
  CGTmMeasure* m = New<CGTmVarDistancePP>(a, b);
  RecordBytes bytes;
  bytes.u16(m->m_nId).str("|AB|").u8(1).u32(0).u32(0).u8(0).u8(0).f32(13).f32(11).f32(0);
  bytes.u32(0xFF000000).u32(0xFF000000).f32(4).u32(0).u32(0).u32(17).str("");
  bytes.u8(0).f32(0.01f).u8(0).i32(0).i32(1).i32(0).str("<e>|AB|</e>");
  bytes.i32(0).i32(0).i32(0).i32(0).i32(0).str("").words({a, b}).words({}).str("4");
  EXPECT_EQ(StoreCell(*m).toHex(), bytes.get().toHex());
}

}  // namespace
