#include "cells/dynamic/graphing/colormodifier.h"

#include <cmath>
#include <limits>
#include <string>

#include "cells/celltestsupport.h"
#include "cells/texts/cgtextmap.h"
#include "model/cgpage.h"

namespace KAVREL_FILE_LOCAL {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};
void PrintTo(const Rgb& c, std::ostream* os) { *os << "(" << c.r << ", " << c.g << ", " << c.b << ")"; }

Rgb Colour(BYTE mode, std::initializer_list<float> values, float min = 0, float max = 1.0f) {
  float v[3] = {0, 0, 0};
  int k = 0;
  for (float x : values) v[k++] = x;
  BYTE rgb[3] = {1, 2, 3};
  EXPECT_TRUE(ModifierColour(mode, v, min, max, rgb));
  return {rgb[0], rgb[1], rgb[2]};
}

TEST(ColorModifier, MapsValuesToBytesByTheFormula) {
  struct Row {
    const char* what;
    BYTE mode;
    std::initializer_list<float> values;
    float max;
    Rgb rgb;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Row rows[] = {
      {"hue 0.25", kModifierHue, {0.25f}, 1.0f, {128, 255, 0}},
      {"hue one cycle on", kModifierHue, {1.25f}, 1.0f, {128, 255, 0}},
      {"hue below the range: one off in red", kModifierHue, {-0.75f}, 1.0f, {127, 255, 0}},
      {"grey at max, just under 1", kModifierGrey, {1.0f}, 1.0f, {255, 255, 255}},
      {"grey half", kModifierGrey, {0.5f}, 1.0f, {127, 127, 127}},
      {"rgb negative fraction", kModifierRgb, {-0.25f, 0, 0}, 1.0f, {191, 0, 0}},
      {"rgb whole t, range exactly 1", kModifierRgb, {-1, 1, -2}, 0.999999f, {255, 0, 255}},
      {"hsl halves", kModifierHsl, {0.5f, 0.5f, 0.5f}, 1.0f, {64, 191, 191}},
      {"zero range counts as 1e-6", kModifierGrey, {0.0f}, -0.000001f, {0, 0, 0}},
      {"not finite counts as 0", kModifierRgb, {nan, std::numeric_limits<float>::infinity(), 0}, 1.0f, {0, 0, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(Colour(row.mode, row.values, 0, row.max), row.rgb);
  }
  // The zero range with a value off 0: t is huge, not infinite or NaN.
  const Rgb grey = Colour(kModifierGrey, {0.5f}, 0, -0.000001f);
  EXPECT_EQ(grey.r, grey.g);
  BYTE rgb[3] = {7, 7, 7};
  const float v[3] = {0, 0, 0};
  for (BYTE mode : {BYTE(0), BYTE(5)}) EXPECT_FALSE(ModifierColour(mode, v, 0, 1, rgb));
  EXPECT_EQ(rgb[0], 7);
}

class ModifierTest : public CellTest {
 protected:
  CGTmVariable* Value(float v) {
    auto* value = Add<CGTmVariable>();
    value->m_fValue = v;
    return value;
  }
  CGCell* Target(RGBA colour) {
    CGCell* cell = Add();
    cell->m_rgbaColor = colour;
    cell->m_rgbaLabel = RGBA{1, 2, 3, 4};
    return cell;
  }
  CGMdfColor* Modifier(BYTE mode, std::initializer_list<WORD> parents, float min = 0, float max = 1.0f) {
    auto* m = Enter(new CGMdfColor, parents);
    m->m_nSubKind = mode;
    m->m_fMin = min;
    m->m_fMax = max;
    return m;
  }
};

TEST_F(ModifierTest, WritesTheFirstColourOfEveryTargetOnly) {
  const WORD v = Value(0.5f)->m_nId;
  CGCell* a = Target(RGBA{9, 9, 9, 77});
  CGCell* b = Target(RGBA{8, 8, 8, 66});
  b->m_bDefined = false;
  CGMdfColor* m = Modifier(kModifierGrey, {v, a->m_nId, b->m_nId});
  m->m_bDefined = false;
  m->Recalculate();
  for (const CGCell* t : {a, b}) {
    EXPECT_EQ((Rgb{t->m_rgbaColor.r, t->m_rgbaColor.g, t->m_rgbaColor.b}), (Rgb{127, 127, 127}));
    EXPECT_EQ(t->m_rgbaLabel.r, 1);
    EXPECT_EQ(t->m_rgbaLabel.a, 4);
  }
  EXPECT_EQ(a->m_rgbaColor.a, 77);
  EXPECT_EQ(b->m_rgbaColor.a, 66);
  EXPECT_FALSE(m->m_bDefined) << "the defined flag is not the modifier's to set";

  // An undefined value still gives its stored value.
  page->m_cells.Lookup(v)->m_bDefined = false;
  page->m_cells.Lookup(v)->m_fValue = 1.0f;
  m->Recalculate();
  EXPECT_EQ(a->m_rgbaColor.r, 255);
}

TEST_F(ModifierTest, ValuesWithoutTargetsWriteNothing) {
  CGTmVariable* v = Value(0.25f);
  v->m_rgbaColor = RGBA{5, 6, 7, 8};
  Modifier(kModifierHue, {v->m_nId})->Recalculate();
  EXPECT_EQ((Rgb{v->m_rgbaColor.r, v->m_rgbaColor.g, v->m_rgbaColor.b}), (Rgb{5, 6, 7}));
}

TEST_F(ModifierTest, ConstructorTakesValuesThenTargetsFromTheSelection) {
  const WORD x = Value(0.25f)->m_nId, y = Value(0)->m_nId, z = Value(0)->m_nId;
  CGCell* face = Target(RGBA{0, 0, 0, 255});
  page->ClearSelection();
  for (WORD id : {x, face->m_nId, y, z}) page->SelectCell(id);
  const WORD id = page->m_nNextId++;
  auto* m = new CGMdfColor(id, kModifierHue, 0, 1.0f, 5);
  page->m_cells.SetAt(id, m);
  EXPECT_EQ(m->m_strName, QStringLiteral("Parametric Color"));
  EXPECT_EQ(m->m_nOption, 5);
  // One value: the others stay selected and become targets, in selection order.
  EXPECT_EQ(m->m_parents, (std::vector<WORD>{x, face->m_nId, y, z}));
  for (WORD p : m->m_parents) EXPECT_EQ(page->m_cells.Lookup(p)->m_children.back(), id);
  EXPECT_FALSE(page->m_cells.Lookup(x)->m_bSelected);
  EXPECT_EQ(page->m_selValues, (std::vector<WORD>{y, z})) << "the value leaves the value list too";
  EXPECT_EQ(page->m_selAll, (std::vector<WORD>{face->m_nId, y, z}));
  EXPECT_EQ(face->m_rgbaColor.r, 128) << "recalculated once";
  EXPECT_EQ(m->GetDescription(), QStringLiteral("颜色修改器Parametric Color"));
}

TEST_F(ModifierTest, RecordIsTheCommonRecordThenItsFiveWords) {
  CGMdfColor* m = Modifier(kModifierHsl, {});
  m->m_nModifierWord = -3;
  m->m_fModifierValue = 1.5f;
  m->m_fMin = -2.0f;
  m->m_fMax = 4.0f;
  m->m_nOption = 0x01020304;
  CArchive common;
  m->CGCell::Serialize(common);
  RecordBytes tail;
  tail.i32(-3).f32(1.5f).f32(-2.0f).f32(4.0f).i32(0x01020304);
  const QByteArray record = common.Bytes() + tail.get();
  EXPECT_EQ(StoreCell(*m).toHex(), record.toHex());
  CGMdfColor read;
  CArchive in(record);
  read.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0);
  EXPECT_EQ(StoreCell(read).toHex(), record.toHex());
}

TEST_F(ModifierTest, LoadRefusesWhatRecalculationCouldNotRead) {
  const WORD v1 = Value(0)->m_nId, v2 = Value(0)->m_nId, v3 = Value(0)->m_nId;
  const WORD plain = Add()->m_nId;
  struct Row {
    const char* what;
    BYTE mode;
    std::vector<WORD> parents;
    bool fits;
  };
  const Row rows[] = {
      {"hue on a value and a target", kModifierHue, {v1, plain}, true},
      {"rgb on three values alone", kModifierRgb, {v1, v2, v3}, true},
      {"mode 0", 0, {v1, plain}, false},
      {"mode 5", 5, {v1, v2, v3, plain}, false},
      {"hsl with two values", kModifierHsl, {v1, v2}, false},
      {"a value that is no measured value", kModifierGrey, {plain, v1}, false},
      {"a value not on the page", kModifierRgb, {v1, v2, 999}, false},
      {"no parents", kModifierHue, {}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    CGMdfColor m;
    m.m_nSubKind = row.mode;
    m.m_parents = row.parents;
    EXPECT_EQ(m.FitsLoadedPage(page->m_cells), row.fits);
  }
}

}  // namespace
