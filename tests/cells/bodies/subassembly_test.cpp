// The ready-made body without GL: its construction, its record and hostile
// loads, the drag along the drag line and the sheet's material.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "../celltestsupport.h"
#include "cells/solids/bodies/cgsubassembly.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "render/currentmaterial.h"
#include "render/viewglobals.h"

namespace KAVREL_FILE_LOCAL {

class SubassemblyTest : public CellTest {
 protected:
  CGSubassembly* Body(BYTE kind, float ax = 0, float ay = 0, float az = 1) {
    auto* body = new CGSubassembly(page->m_nNextId++, kind, 0, 0, 0, 0, 1, 2, 3, ax, ay, az, 30, 4, 5, 6, 3, 0, 0,
                                   1, 0, 0, -1, 0, 0);
    page->m_cells.SetAt(body->m_nId, body);
    return body;
  }
};

TEST_F(SubassemblyTest, ConstructionNamesTheKindAndKeepsAUsableAxis) {
  const char* const names[] = {"3D文字", "正四面体", "正六面体", "正八面体", "正十二面体",
                               "正二十面体", "C60",     "圆柱",     "圆锥",     "圆台",
                               "球",        "圆环",     "正方形",   "圆",       "茶壶"};
  for (int kind = 0; kind < 15; ++kind) {
    CGSubassembly* body = Body(static_cast<BYTE>(kind));
    EXPECT_EQ(body->m_strName, QString::fromUtf8(names[kind]));
    EXPECT_EQ(body->GetDescription(), QString::fromUtf8("组件") + QString::fromUtf8(names[kind]));
  }
  EXPECT_TRUE(CGSubassembly::KindName(15).isEmpty());
  const struct { float in[3], out[3]; } axes[] = {
      {{0, 0, 0}, {0, -1, 0}},
      {{0.00005f, 0, -0.00009f}, {0.00005f, -1, -0.00009f}},
      {{0, 0, -2}, {0, 0, -2}},
      {{0.0002f, 0, 0}, {0.0002f, 0, 0}},
  };
  for (const auto& a : axes) {
    CGSubassembly* body = Body(1, a.in[0], a.in[1], a.in[2]);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(body->m_vAxis[k], a.out[k]) << a.in[0] << " " << a.in[2];
  }
  CGSubassembly* body = Body(14);
  EXPECT_EQ(body->m_rgbaColor, (RGBA{204, 102, 0, body->m_rgbaColor.a}));
  EXPECT_EQ(body->m_rgbaLabel, (RGBA{153, 153, 153, body->m_rgbaLabel.a}));
  EXPECT_EQ(body->m_strVodName, QString::fromUtf8("宋体"));
  EXPECT_FLOAT_EQ(body->m_fDiffuse[0], 0.8f);
  EXPECT_FLOAT_EQ(body->m_fShininess, 64);
  const CGSubassembly loading;
  EXPECT_EQ(loading.m_dPlane1[2], 1);
  EXPECT_EQ(loading.m_dPlane2[1], -1);
  EXPECT_EQ(loading.m_fShininess, 0);
}

TEST_F(SubassemblyTest, RecordFollowsTheFieldOrderAndTheLockIsNotStored) {
  CGSubassembly* body = Body(10);
  body->m_nTexture = 2;
  body->m_nMaterialMode = 1;
  body->m_nDragLock = 1;
  body->m_dwParam3 = 77;  // a list base of this session
  CArchive base;
  body->CGCell::Serialize(base);
  RecordBytes own;
  own.f32(1).f32(2).f32(3).f32(30).f32(0).f32(0).f32(1).f32(4).f32(5).f32(6).f32(64).i32(1);
  const float ambient[4] = {0.2f, 0.2f, 0.2f, 1}, diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
  for (int i = 0; i < 4; ++i) own.f32(ambient[i]).f32(diffuse[i]).f32(ambient[i]);
  own.i32(3).f64(0).f64(0).f64(1).f64(0).f64(0).f64(-1).f64(0).f64(0);
  own.i32(2).i32(0).i32(0).f32(0).f32(0).f32(0).f32(0).str({});
  ASSERT_EQ(own.get().size(), 196);
  ArchiveContext context;
  EXPECT_EQ(StoreCell(*body, &context), base.Bytes() + own.get());
  EXPECT_EQ(context.nPictureUseCount[1], 1);
  EXPECT_EQ(context.nPictureUseCount[0] + context.nPictureUseCount[2], 0);

  CGSubassembly loaded;
  CArchive in(base.Bytes() + own.get());
  loaded.Serialize(in);
  EXPECT_EQ(loaded.m_nDragLock, 0);
  EXPECT_EQ(loaded.m_dwParam3, 0u);
  EXPECT_TRUE(loaded.m_bLabelStale);
  loaded.m_nDragLock = 1;
  loaded.m_dwParam3 = 77;
  EXPECT_EQ(StoreCell(loaded), StoreCell(*body));
}

TEST_F(SubassemblyTest, HostileRecordsFailTheLoad) {
  CGSubassembly* body = Body(3);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct Row {
    const char* what;
    BYTE kind;
    std::int32_t texture;
    float centre;
    double plane;
    bool loads;
  } rows[] = {
      {"sound", 14, 15, 1, 0, true},     {"kind 15", 15, 0, 1, 0, false},
      {"kind 255", 255, 0, 1, 0, false}, {"texture 16", 3, 16, 1, 0, false},
      {"texture -1", 3, -1, 1, 0, false}, {"NaN centre", 3, 0, float(nan), 0, false},
      {"infinite centre", 3, 0, INFINITY, 0, false}, {"NaN plane", 3, 0, 1, nan, false},
  };
  for (const Row& r : rows) {
    body->m_nSubKind = r.kind;
    body->m_nTexture = r.texture;
    body->m_vCenter[0] = r.centre;
    body->m_dPlane2[3] = r.plane;
    CArchive in(StoreCell(*body));
    CGSubassembly loaded;
    if (r.loads)
      EXPECT_NO_THROW(loaded.Serialize(in)) << r.what;
    else
      EXPECT_THROW(loaded.Serialize(in), CArchiveException) << r.what;
  }
}

TEST_F(SubassemblyTest, DragFollowsTheDragLineUnlessLockedOrTooFlat) {
  CGSubassembly* body = Body(10);
  const struct Row {
    const char* what;
    BOOL horizontal;
    int lock;
    float dir[3];
    bool moves;
  } rows[] = {
      {"keeps the height", 1, 0, {3, 4, -20}, true},
      {"keeps y", 0, 0, {3, 30, -5}, true},
      {"locked", 1, 1, {3, 4, -20}, false},
      {"too flat for the height", 1, 0, {30, 40, -9.9f}, false},
      {"too flat for y", 0, 0, {30, 9.99f, -40}, false},
  };
  for (const Row& r : rows) {
    body->m_vCenter[0] = 1, body->m_vCenter[1] = 2, body->m_vCenter[2] = 3;
    body->m_nDragLock = r.lock;
    g_bDragHorizontal = r.horizontal;
    g_dRayFar[0] = 0.1, g_dRayFar[1] = 0.2, g_dRayFar[2] = -100.3;
    for (int k = 0; k < 3; ++k) g_fViewDir[k] = r.dir[k];
    body->MoveAlongDragLine();
    if (!r.moves) {
      EXPECT_EQ(body->m_vCenter[0], 1) << r.what;
      EXPECT_EQ(body->m_vCenter[2], 3) << r.what;
      continue;
    }
    const int kept = r.horizontal ? 2 : 1;
    const double t = ((kept == 2 ? 3.0 : 2.0) - g_dRayFar[kept]) / r.dir[kept];
    for (int k = 0; k < 3; ++k) EXPECT_EQ(body->m_vCenter[k], float(g_dRayFar[k] + t * r.dir[k])) << r.what << k;
  }
}

TEST_F(SubassemblyTest, TheSheetsMaterialGoesToTheOneSelectedBody) {
  CGSubassembly* body = Body(14);
  g_curMaterial.ambient = {0.1745f, 0.01175f, 0.01175f, 1};
  g_curMaterial.shininess = 76.8f;
  EXPECT_FALSE(GiveCurrentMaterialToSelectedBody(*page));
  CGVertex* point = AddPoint(0, 0, 0);
  page->m_selOthers = {point->m_nId};
  EXPECT_FALSE(GiveCurrentMaterialToSelectedBody(*page));
  page->m_selOthers = {body->m_nId, point->m_nId};
  EXPECT_FALSE(GiveCurrentMaterialToSelectedBody(*page));
  page->m_selOthers = {body->m_nId};
  ASSERT_TRUE(GiveCurrentMaterialToSelectedBody(*page));
  EXPECT_EQ(body->m_nMaterialMode, 1);
  EXPECT_FLOAT_EQ(body->m_fAmbient[1], 0.01175f);
  EXPECT_FLOAT_EQ(body->m_fShininess, 76.8f);
}

}  // namespace
