// The value attached to a point: placement, following and dragging, the
// text by the value's kind, the undefined state and the record.
#include <limits>

#include "cells/dynamic/vectors/attachedvalue.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "../measuretestsupport.h"
#include "render/viewglobals.h"
#include "support/archiveerrors.h"

namespace KAVREL_FILE_LOCAL {

class AttachedValueTest : public MeasureTest {
 protected:
  // 0.05 units a pixel; A(1, 2, 3), B(4, 6, 3), |AB| attached to A.
  float w = g_fUnitsPerPixel = 0.05f;
  WORD a = P(1, 2, 3), b = P(4, 6, 3);
  CGTmVarDistancePP* distance = New<CGTmVarDistancePP>(a, b);
  CGTmVarAfterP* v = New<CGTmVarAfterP>(distance->m_nId, a);
  CGVertex& A() { return *static_cast<CGVertex*>(page->m_cells.Lookup(a)); }
  static std::vector<float> Three(const float* p) { return {p[0], p[1], p[2]}; }
};

TEST_F(AttachedValueTest, PlacedBesideThePointFollowingItAndDragged) {
  EXPECT_EQ(v->m_parents, std::vector<WORD>({distance->m_nId, a}));
  EXPECT_TRUE(v->m_nStyle == 1 && v->m_strName == QString::fromUtf8("合并到点的值") && v->m_strValueText == "5");
  EXPECT_EQ(v->GetDescription(), QString::fromUtf8("合并到点A的值|AB|"));
  EXPECT_EQ(Three(v->m_vOffset), (std::vector<float>{-24 * w, -6 * w, 0}));
  EXPECT_EQ(Three(v->m_vLabelAnchor), (std::vector<float>{1 - 24 * w, 2 - 6 * w, 3}));
  v->DragBy(10, 4);
  const float dragged[2] = {-24 * w + 10 * w, -6 * w - 4 * w};  // (-0.7, -0.5)
  EXPECT_EQ(Three(v->m_vOffset), (std::vector<float>{dragged[0], dragged[1], 0}));
  EXPECT_EQ(Three(v->m_vLabelAnchor), (std::vector<float>{1 + dragged[0], 2 + dragged[1], 3}));
  A().m_vPos[0] = 2;
  v->Recalculate();
  EXPECT_EQ(Three(v->m_vLabelAnchor), (std::vector<float>{2 + dragged[0], 2 + dragged[1], 3}));

  // The point undefined: nothing changes.  The value undefined: the anchor
  // still follows the point.  A point beyond single precision: kept.
  const struct Row { const char* name; bool point, value; int axis; float at; bool moves; } rows[] = {
      {"point undefined", false, true, 0, 7, false}, {"value undefined", true, false, 0, 8, true},
      {"anchor x beyond floats", true, true, 0, 3.4e38f, false}, {"anchor z beyond floats", true, true, 2, 3.4e38f, false}};
  for (const Row& r : rows) {
    for (int i : {0, 2}) A().m_vPos[i] = v->m_vOffset[i] = 0;
    A().m_bDefined = r.point, distance->m_bDefined = r.value, A().m_vPos[r.axis] = v->m_vOffset[r.axis] = r.at;
    const std::vector<float> before = Three(v->m_vLabelAnchor);
    v->Recalculate();
    EXPECT_FALSE(v->m_bDefined) << r.name;
    EXPECT_EQ(Three(v->m_vLabelAnchor) != before, r.moves) << r.name;
    EXPECT_EQ(v->m_strValueText, QStringLiteral("5")) << r.name;
  }
  for (std::vector<WORD> parents : {std::vector<WORD>{a, a}, {distance->m_nId, distance->m_nId}, {999, a}}) {
    A().m_bDefined = distance->m_bDefined = true, A().m_vPos[0] = v->m_vOffset[0] = A().m_vPos[2] = v->m_vOffset[2] = 0;
    v->m_parents = parents;
    v->Recalculate();
    EXPECT_FALSE(v->m_bDefined) << parents[0] << " " << parents[1];
  }
}

TEST_F(AttachedValueTest, TheTextIsTheNumberAloneByTheValuesKind) {
  auto* angle = New<CGTmVarAngleP3>(P(1, 0, 0), P(0, 0, 0), P(0, 1, 0));
  auto* calculation = new CGTmVarCalculator(page->m_nNextId, {}, QStringLiteral("1"), QString());
  Put(calculation);
  auto* parameter = new CGTmVarParameter(page->m_nNextId, QStringLiteral("t"), 0);
  Put(parameter);
  auto* vector = New<CGTmVectorPP>(P(1, 0, 0), P(3, 4, 0));
  const struct Row { const char* name; CGCell* value; float number; int kind; BYTE style; const char* text; } rows[] = {
      {"angle", angle, 1.5707964f, 0, 1, "90°"},
      {"angle, always degrees", angle, 1.0471976f, 0, 0, "60.00°"},
      {"calculation", calculation, 1.5707964f, 0, 1, "1.57"},
      {"calculation of kind 2", calculation, 1.5707964f, 2, 1, "90°"},
      {"parameter of kind 2", parameter, 1.5707964f, 2, 0, "90°"},
      {"parameter of kind 1", parameter, -2.5f, 1, 0, "-2.50"},
      {"distance", distance, 5, 0, 1, "5"},
      {"distance of kind 2: no degrees", distance, 5, 2, 1, "5"},
      {"vector, formula form", vector, 2, 0, 1, "=(2, 4, 0)"},
      {"vector, plain form", vector, 2, 0, 0, "(2, 4, 0)"},
  };
  for (const Row& r : rows) {
    r.value->m_fValue = r.number, r.value->m_nParamA = r.kind, r.value->m_nStyle = r.style;
    if (auto* v = dynamic_cast<CGTmVector*>(r.value)) v->UpdateLabel();
    CGTmVarAfterP* attached = New<CGTmVarAfterP>(r.value->m_nId, a);
    EXPECT_EQ(attached->m_strValueText, QString::fromUtf8(r.text)) << r.name;
    EXPECT_EQ(attached->m_fValue, r.number) << r.name;
  }
}

// The caption record (common record, the text), then the offset.
TEST_F(AttachedValueTest, RecordBytesAndDamagedRecords) {
  RecordBytes bytes;
  bytes.u16(v->m_nId).str("合并到点的值").u8(1).u32(0).u32(0).u8(1).u8(0);
  bytes.f32(1 - 24 * w).f32(2 - 6 * w).f32(3).u32(0xFF000000).u32(0xFF000000).f32(5).u32(0).u32(0).u32(17);
  bytes.str("").u8(0).f32(0.01f).u8(0).i32(0).i32(1).i32(0).str("").i32(0).i32(0).i32(0).i32(0).i32(0).str("");
  bytes.words({distance->m_nId, a}).words({}).str("5").f32(-24 * w).f32(-6 * w).f32(0);
  EXPECT_EQ(StoreCell(*v).toHex(), bytes.get().toHex());
  CGTmVarAfterP loaded;
  CArchive in(bytes.get());
  loaded.Serialize(in);
  EXPECT_EQ(StoreCell(loaded).toHex(), bytes.get().toHex());

  const auto cause = [&](std::vector<WORD> parents, int axis) {
    v->m_parents = parents;
    for (int i = 0; i < 3; ++i) v->m_vOffset[i] = i == axis ? std::numeric_limits<float>::quiet_NaN() : 0;
    const QByteArray bad = StoreCell(*v);
    CGTmVarAfterP fresh;
    return ArchiveCause([&] { CArchive ar(bad); fresh.Serialize(ar); });
  };
  EXPECT_EQ(cause({a}, -1), ArchiveError::BadData) << "one parent";
  EXPECT_EQ(cause({a, a, a}, -1), ArchiveError::BadData) << "three parents";
  for (int axis : {2, 1, 0}) EXPECT_EQ(cause({a, a}, axis), ArchiveError::BadData) << "offset " << axis;
}

}  // namespace
