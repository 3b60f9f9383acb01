// The user parameter without a context: dragging the slider (real and
// integer values, the ends, the range made usable, the slider flag), an
// angle, the record and damaged records.
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "cells/dynamic/parameters/userparameter.h"
#include "../measuretestsupport.h"
#include "render/viewglobals.h"

namespace KAVREL_FILE_LOCAL {

class UserParameterTest : public MeasureTest {
 protected:
  // "t" as the parameter command leaves it: range, kind, slider shown; the
  // slider position starts at the value.
  CGTmVarParameter* Parameter(float value, float minimum = 0, float maximum = 10, int kind = 0) {
    auto* t = new CGTmVarParameter(page->m_nNextId, QStringLiteral("t"), value);
    page->m_cells.SetAt(page->m_nNextId++, t);
    t->SetRange(minimum, maximum);
    t->m_nParamA = kind;
    t->SetAccumulator(value);
    t->m_nSubKind = t->m_nStyle = 1;
    t->Recalculate();
    return t;
  }
  static void Drag(CGTmVarParameter& t, const std::vector<int>& moves) {
    for (int dx : moves) {
      g_nMouseDeltaX = dx;
      t.DragSlider();
    }
  }
};

TEST_F(UserParameterTest, SliderFollowsTheMouseWithinTheRange) {
  const struct {
    const char* name;
    int kind;
    std::vector<int> moves;
    float value, position;  // a real value's position changes only at an end
    const char* caption;
  } rows[] = {
      {"25 pixels right", 0, {25}, 4.5f, 2, " =4.50"},
      {"past the right end and back", 0, {1000, -10}, 9, 10, " =9"},
      {"past the left end and back", 0, {-1000, 10}, 1, 0, " =1"},
      {"onto the left end", 0, {-20}, 0, 2, " =0"},
      {"integer, one step of 3", 1, {3}, 2, 2.3f, " =2"},
      {"integer, two steps", 1, {3, 3}, 3, 2.6f, " =3"},
      {"integer, back one step", 1, {3, 3, -3}, 2, 2.3f, " =2"},
      {"integer, past the end and back", 1, {1000, -3}, 10, 9.7f, " =10"},
      {"integer, past the start and back", 1, {-1000, 6}, 1, 0.6f, " =1"},
  };
  for (const auto& r : rows) {
    CGTmVarParameter* t = Parameter(2, 0, 10, r.kind);
    Drag(*t, r.moves);
    EXPECT_NEAR(t->m_fValue, r.value, 1e-5) << r.name;
    EXPECT_NEAR(t->Accumulator(), r.position, 1e-5) << r.name;
    EXPECT_EQ(t->CurrentValueText(), QString::fromUtf8(r.caption)) << r.name;
  }
  EXPECT_EQ(Parameter(30 * 0.017453292f, 0, 1, 2)->CurrentValueText(), QString::fromUtf8(" =30.00°")) << "an angle";
}

TEST_F(UserParameterTest, AnEmptyRangeBecomesZeroToTenAndNoSliderDragsNothing) {
  const struct {
    const char* name;
    float minimum, maximum;
    BYTE slider;
    float value, wantMinimum, wantMaximum;  // after 25 pixels right from 2
  } rows[] = {
      {"both 0", 0, 0, 1, 4.5f, 0, 10},         {"inverted", 5, 1, 1, 4.5f, 0, 10},
      {"within 1e-6", 3, 3.0000002f, 1, 4.5f, 0, 10}, {"a hundredth of -50 to 50", -50, 50, 1, 27, -50, 50},
      {"no slider", 0, 0, 0, 2, 0, 0},          {"another sub-kind", 0, 0, 2, 2, 0, 0},
  };
  for (const auto& r : rows) {
    CGTmVarParameter* t = Parameter(2, r.minimum, r.maximum);
    t->m_nSubKind = r.slider;
    Drag(*t, {25});
    EXPECT_TRUE(t->m_fValue == r.value && t->Accumulator() == 2) << r.name;
    EXPECT_TRUE(t->Minimum() == r.wantMinimum && t->Maximum() == r.wantMaximum) << r.name;
  }
}

// Written from the common cell record: the range in the second and third
// value words, the kind, rows and slider position in the option words.
TEST_F(UserParameterTest, RecordBytesAndDamagedRecords) {
  CGTmVarParameter* t = Parameter(2, 0, 10, 1);
  EXPECT_EQ(t->GetDescription(), QString::fromUtf8("自定义参数：t"));
  RecordBytes bytes;
  bytes.u16(t->m_nId).str("t").u8(1).u32(0).u32(0).u8(1).u8(1).f32(13).f32(11).f32(0);
  bytes.u32(0xFF000000).u32(0xFF000000).f32(2).u32(0).u32(0x41200000).u32(17).str("");
  bytes.u8(0).f32(0.01f).u8(0).i32(1).i32(1).i32(0x40000000).str("t");
  bytes.i32(0).i32(0).i32(0).i32(0).i32(0).str("").words({}).words({}).str(" =2");
  EXPECT_EQ(StoreCell(*t).toHex(), bytes.get().toHex());

  constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    const char* name;
    void (*spoil)(CGTmVarParameter&);
    bool fails;
  } rows[] = {
      {"sound", [](CGTmVarParameter&) {}, false},
      {"a value that is no number", [](CGTmVarParameter& p) { p.m_fValue = kNan; }, true},
      {"an infinite minimum", [](CGTmVarParameter& p) { p.SetRange(-INFINITY, 10); }, true},
      {"an infinite maximum", [](CGTmVarParameter& p) { p.SetRange(0, INFINITY); }, true},
      {"an integer's slider position", [](CGTmVarParameter& p) { p.SetAccumulator(kNan); }, true},
      {"a parent", [](CGTmVarParameter& p) { p.m_parents.push_back(1); }, true},
      {"a real's unused position", [](CGTmVarParameter& p) { p.m_nParamA = 0, p.SetAccumulator(kNan); }, false},
  };
  for (const auto& r : rows) {
    CGTmVarParameter* spoilt = Parameter(2, 0, 10, 1);
    r.spoil(*spoilt);
    const QByteArray record = StoreCell(*spoilt);
    std::unique_ptr<CObject> fresh(ClassRegistry::FromName("CGTmVarParameter")->CreateObject());
    if (r.fails) {
      EXPECT_EQ(ArchiveCause([&] { CArchive ar(record); fresh->Serialize(ar); }), ArchiveError::BadData) << r.name;
      continue;
    }
    CArchive ar(record);
    EXPECT_NO_THROW(fresh->Serialize(ar)) << r.name;
    EXPECT_EQ(StoreCell(*static_cast<CGCell*>(fresh.get())), record) << r.name;
  }
}

}  // namespace
