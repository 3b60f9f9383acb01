// Vectors and the vector measurements: texts, values, the undefined state,
// records and damaged records.
#include <cfloat>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

#include "cells/dynamic/vectors/vectormeasures.h"
#include "cells/dynamic/measures/vectortexts.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "../measuretestsupport.h"
#include "platform/commandids.h"
#include "support/archiveerrors.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

class VectorTest : public MeasureTest {
 protected:
  // A(1, 2, 3), B(4, 6, 3), C, D, E, F; the vectors AB, CD, EF.
  WORD a = P(1, 2, 3), b = P(4, 6, 3), c = P(0, 0, 1), d = P(1, 1, 1), e = P(0, 5, 0), f = P(2, 2, 2);
  WORD ab = New<CGTmVectorPP>(a, b)->m_nId, cd = New<CGTmVectorPP>(c, d)->m_nId, ef = New<CGTmVectorPP>(e, f)->m_nId;
  WORD At(float x, float y, float z) { return New<CGTmVectorPoint>(P(x, y, z))->m_nId; }
  CGCell* Cell(WORD id) { return page->m_cells.Lookup(id); }
};

TEST_F(VectorTest, NamesMarkupDescriptionsAndLinks) {
  const WORD k = New<CGTmVarDistancePP>(a, b)->m_nId;
  // Five sums of AB with itself: the fifth is named in 219 characters.
  WORD fifth = ab;
  for (int step = 0; step < 5; ++step) fifth = New<CGTmVectorAdd>(fifth, fifth)->m_nId;
  const QString shortFifth = QStringLiteral("#%1").arg(fifth), fifthVod = "<e>" + shortFifth + "</e>";
  // Six sums of AB on a document's page after a point that renumbering
  // takes away, and the same saved before names followed ids: the sixth, 9,
  // reads 8.
  std::optional<CommandPage> doc;
  const auto renumbered = [&doc] {
    doc.emplace();
    CGPage& at = doc->Page();
    const WORD gone = doc->Point(), a = doc->Point(), b = doc->Point();
    WORD sum = doc->Enter(new CGTmVectorPP(at.m_nNextId++, a, b));
    for (int step = 0; step < 6; ++step) sum = doc->Enter(new CGTmVectorAdd(at.m_nNextId++, sum, sum));
    delete at.m_cells.RemoveKey(gone);
    EXPECT_TRUE(doc->Run(ID_FILE_REORGANIZE));
    return doc->As<CGTextmap>(sum - 1);
  };
  const auto reopened = [&doc] {
    EXPECT_TRUE(doc->doc.OnOpenDocument(
        QStringLiteral(KAVREL_SOURCE_DIR "/tests/fuzz/corpus/document/must-load/short-name-vector-renumber-saved.kv"),
        false));
    return doc->As<CGTextmap>(9);
  };
  const struct Row { std::function<CGTextmap*()> make; QString name, vod, description; } rows[] = {
      {[&] { return New<CGTmVectorPoint>(a); }, "A", "<e>A</e>", "点A的坐标"},
      {[&] { return New<CGTmVectorPP>(a, b); }, "AB", "<v><e>AB</e></v>", "向量AB的坐标"},
      {[&] { return New<CGTmVectorNface>(a, b, c); }, "n(ABC)", "<v><_><e>n</e><e>ABC</e></_></v>", "平面ABC的法向量"},
      {[&] { return New<CGTmVectorAdd>(ab, cd); }, "[AB]+[CD]", "<l><v><e>AB</e></v><e>+</e><v><e>CD</e></v>=</l>", "向量AB，CD的和"},
      {[&] { return New<CGTmVectorMinus>(ab, cd); }, "[AB]-[CD]", "<l><v><e>AB</e></v><e>-</e><v><e>CD</e></v>=</l>", "向量AB,CD的差"},
      {[&] { return New<CGTmVectorCross>(ab, cd); }, "[AB]×[CD]", "<l><v><e>AB</e></v><e>×</e><v><e>CD</e></v>=</l>", "向量AB,CD的向量积"},
      {[&] { return New<CGTmVectorScaled>(k, ab); }, "[|AB|][AB]", "<l><e>|AB|</e><v><e>AB</e></v>=</l>", "数|AB|乘向量AB"},
      {[&] { return New<CGTmVarVectorLength>(ab); }, "|AB|", "<b:type=3><v><e>AB</e></v></b>", "向量AB的模"},
      {[&] { return New<CGTmVarVectorDot>(ab, cd); }, "[AB]·[ CD]", "<l><v><e>AB</e></v><e>·</e><v><e>CD</e></v></l>", "向量AB与CD的数量积"},
      {[&] { return New<CGTmVarVecProduct>(ab, cd, ef); }, "([ AB],[ CD],[ EF])",
       "<b><l><v><e>AB</e></v><e>,</e><v><e>CD</e></v><e>,</e><v><e>EF</e></v></l></b>", "向量AB、CD和EF的混合积"},
      {[&] { return New<CGTmVarVectorComponentX>(ab); }, "x (AB)", "<_><e>x</e><v><e>AB</e></v></_>", "向量AB的x分量"},
      {[&] { return New<CGTmVarVectorComponentY>(ab); }, "y (AB)", "<_><e>y</e><v><e>AB</e></v></_>", "向量AB的y分量"},
      {[&] { return New<CGTmVarVectorComponentZ>(ab); }, "z (AB)", "<_><e>z</e><v><e>AB</e></v></_>", "向量AB的z分量"},
      // Then further cases.
      {[&] { return New<CGTmVectorAdd>(fifth, fifth); }, "[" + shortFifth + "]+[" + shortFifth + "]",
       "<l>" + fifthVod + "<e>+</e>" + fifthVod + "=</l>", "向量" + shortFifth + "，" + shortFifth + "的和"},
      {renumbered, "[#8]+[#8]", "<l><e>#8</e><e>+</e><e>#8</e>=</l>", "向量#8，#8的和"},
      {reopened, "[#8]+[#8]", "<l><e>#8</e><e>+</e><e>#8</e>=</l>", "向量#8，#8的和"},
  };
  ASSERT_GT(std::size(rows), std::size(kVectorTexts));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const float lastY = page->m_ptLastText[1];
    CGTextmap* v = rows[i].make();
    ASSERT_TRUE(v) << i;
    const char* cls = i < std::size(kVectorTexts) ? kVectorTexts[i].className : v->GetRuntimeClass()->m_lpszClassName;
    EXPECT_STREQ(v->GetRuntimeClass()->m_lpszClassName, cls);
    EXPECT_EQ(v->m_strName + v->m_strVodName + v->GetDescription(), rows[i].name + rows[i].vod + rows[i].description)
        << cls;
    if (g_pCurPage == page.get()) {
      EXPECT_EQ(v->m_vLabelAnchor[1], lastY - 1.5f < -11 ? 11 : lastY - 1.5f) << cls << ": the next text row";
    }
    for (WORD parent : v->m_parents) EXPECT_EQ(g_pCurCells->Lookup(parent)->m_children.back(), v->m_nId) << cls;
  }
  SetCurrentPage(page.get());
  // A fixed name survives renaming a parent; the value text still follows.
  auto* fixed = New<CGTmVectorPP>(a, b);
  fixed->m_bNameFixed = true;
  Cell(a)->m_strName = QStringLiteral("P");
  static_cast<CGVertex*>(Cell(b))->m_vPos[2] = 5;
  fixed->UpdateLabel();
  fixed->Recalculate();
  EXPECT_EQ(fixed->m_strName + fixed->m_strValueText, QStringLiteral("AB(3, 4, 2)"));
  CGTmVector plain;
  plain.m_strName = QStringLiteral("w");
  EXPECT_EQ(plain.GetDescription(), QString::fromUtf8("向量：w"));
}

TEST_F(VectorTest, ValueTextsByFormAndState) {
  const struct Row { BYTE style; int flat; bool defined; const char* text; } rows[] = {
      {0, 0, true, "(1, 0.50, 2)"}, {0, -3, true, "(1, 0.50)"}, {1, 0, true, "=(1, 0.50, 2)"}, {2, 0, true, "(1, 0.50, 2)"},
      {0, 0, false, "( ?, ?, ?)"},  {0, 1, false, "( ?, ?)"},   {1, 0, false, "=( ?, ?, ?)"}, {1, 1, false, "=( ?, ?)"}};
  for (const Row& r : rows) {
    CGTmVector v;
    v.m_vVector[1] = 0.5f, v.m_vVector[2] = 2, v.m_nStyle = r.style, v.m_nParamA = r.flat, v.m_bDefined = r.defined;
    v.UpdateLabel();  // the formula form only rebuilds the text
    EXPECT_EQ(v.m_strValueText, QString::fromUtf8(r.text)) << r.text;
  }
  // A negative zero, and a negative number that rounds to zero, show no sign.
  CGTmVector zeros;
  zeros.m_vVector[0] = -0.0f, zeros.m_vVector[1] = -1e-7f, zeros.m_vVector[2] = -0.001f, zeros.m_bDefined = true;
  zeros.UpdateLabel();
  EXPECT_EQ(zeros.m_strValueText, QStringLiteral("(0, 0, 0.00)"));
}

TEST_F(VectorTest, ValuesOfEveryKind) {
  const WORD u = At(1, 2, 3), v = At(4, 5, 6), w = At(7, 8, 10), same = New<CGTmVectorPP>(a, P(1, 2, 3))->m_nId;
  auto* tall = New<CGTmVectorPoint>(P(3, 4, 12));
  tall->m_nParamA = 1;  // as the property command switches it
  tall->UpdateValueText();
  const WORD right = New<CGTmVarAngleP3>(P(1, 0, 0), P(0, 0, 0), P(0, 1, 0))->m_nId;
  const struct Row { const char* name; CGTextmap* cell; const char* text; float value; } rows[] = {
      {"position of B", New<CGTmVectorPoint>(b), "(4, 6, 3)", 4},
      {"sum", New<CGTmVectorAdd>(u, v), "(5, 7, 9)", 5},
      {"difference", New<CGTmVectorMinus>(u, v), "(-3, -3, -3)", -3},
      {"cross", New<CGTmVectorCross>(u, v), "(-3, 6, -3)", -3},
      {"dot", New<CGTmVarVectorDot>(u, v), "32", 32},
      {"triple", New<CGTmVarVecProduct>(u, v, w), "-3", -3},
      {"normal", New<CGTmVectorNface>(P(0, 0, 0), P(2, 0, 0), P(0, 3, 0)), "(0, 0, 1)", 0},
      {"normal, tilted", New<CGTmVectorNface>(P(0, 0, 0), P(3, 4, 0), P(0, 0, 12)), "(0.80, -0.60, 0)", 0.8f},
      {"two components", tall, "(3, 4)", 3},
      {"length keeps z", New<CGTmVarVectorLength>(tall->m_nId), "13", 13},
      {"scaled by radians", New<CGTmVectorScaled>(right, At(2, 0, 0)), "(3.14, 0, 0)", 3.1415927f},
      {"x", New<CGTmVarVectorComponentX>(v), "4", 4},
      {"z", New<CGTmVarVectorComponentZ>(v), "6", 6},
      {"coincident points", static_cast<CGTextmap*>(Cell(same)), "(0, 0, 0)", 0},
      {"length 0", New<CGTmVarVectorLength>(same), "0", 0},
      {"collinear: no plane", New<CGTmVectorNface>(P(0, 0, 0), P(1, 1, 1), P(2, 2, 2)), "(0, 0, 0)", 0},
  };
  for (const Row& r : rows) {
    EXPECT_TRUE(r.cell->m_bDefined) << r.name;
    EXPECT_EQ(r.cell->CurrentValueText(), QString::fromUtf8(r.text)) << r.name;
    EXPECT_FLOAT_EQ(r.cell->m_fValue, r.value) << r.name;
  }
}

TEST_F(VectorTest, UndefinedWrongKindsAndUnrepresentableResultsKeepTheirNumbers) {
  auto* vab = static_cast<CGTmVector*>(Cell(ab));
  auto* length = New<CGTmVarVectorLength>(ab);
  auto* sum = New<CGTmVectorAdd>(ab, ab);
  auto* big = New<CGTmVectorNface>(P(0, 0, 0), P(2e19f, 0, 0), P(0, 2e19f, 0));
  EXPECT_TRUE(!big->m_bDefined && big->m_strValueText == QStringLiteral("( ?, ?, ?)")) << "its length overflows";
  auto* pb = static_cast<CGVertex*>(Cell(b));
  const auto recompute = [&] { page->RecalculateCells({ab, length->m_nId, sum->m_nId}); };
  pb->m_bHidden = 1;
  recompute();
  EXPECT_TRUE(vab->m_bDefined && sum->m_strValueText == QStringLiteral("(6, 8, 0)")) << "hidden";
  pb->m_bDefined = false;
  recompute();
  EXPECT_EQ(vab->CurrentValueText() + sum->CurrentValueText() + length->CurrentValueText(), QStringLiteral("( ?, ?, ?)( ?, ?, ?)? "));
  EXPECT_TRUE(sum->m_vVector[1] == 8 && vab->m_fValue == 3 && length->m_fValue == 5) << "kept";
  pb->m_bDefined = true;
  pb->m_vPos[0] = 3e38f, static_cast<CGVertex*>(Cell(a))->m_vPos[0] = -3e38f;
  recompute();
  EXPECT_TRUE(!vab->m_bDefined && vab->m_vVector[0] == 3) << "beyond single precision";
  // A point where a vector or value is read, a vector where a point is, no cell.
  for (CGTextmap* cell : {static_cast<CGTextmap*>(vab), static_cast<CGTextmap*>(length), static_cast<CGTextmap*>(sum),
                          static_cast<CGTextmap*>(New<CGTmVectorScaled>(length->m_nId, cd))}) {
    for (WORD other : {ab == cell->m_nId ? ab : a, WORD{999}}) {
      cell->m_parents[0] = other;
      cell->Recalculate();
      EXPECT_FALSE(cell->m_bDefined) << cell->m_strName.toStdString() << " on " << other;
    }
  }
}

// The record of AB = (3, 4, 0): the common cell record, then x, y, z.
TEST_F(VectorTest, RecordBytesAndDamagedRecords) {
  auto* vab = static_cast<CGTmVector*>(Cell(ab));
  RecordBytes bytes;
  bytes.u16(ab).str("AB").u8(1).u32(0).u32(0).u8(0).u8(0).f32(13).f32(11).f32(0);
  bytes.u32(0xFF000000).u32(0xFF000000).f32(3).u32(0).u32(0).u32(17).str("");
  bytes.u8(0).f32(0.01f).u8(0).i32(0).i32(1).i32(0).str("<v><e>AB</e></v>");
  bytes.i32(0).i32(0).i32(0).i32(0).i32(0).str("").words({a, b}).words({}).bytes(QByteArray::fromHex("000040400000804000000000"));
  EXPECT_EQ(StoreCell(*vab).toHex(), bytes.get().toHex());
  // Its parents gone, a loaded vector keeps its components and writes them back.
  CGTmVectorPP lost;
  CArchive in(bytes.get());
  lost.Serialize(in);
  lost.m_parents = {998, 999};
  lost.Recalculate();
  EXPECT_TRUE(!lost.m_bDefined && StoreCell(lost).right(12) == bytes.get().right(12));

  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (const MeasureTexts& row : kVectorTexts) {
    const bool vector = std::string_view(row.className).starts_with("CGTmVector");
    const auto read = [&](std::size_t parents, float z, float anchor) {
      RecordBytes r;
      r.u16(7).str("v").u8(1).u32(0).u32(0).u8(0).u8(0).f32(anchor).f32(11).f32(0).u32(0).u32(0).f32(3).u32(0).u32(0);
      r.u32(17).str("").u8(0).f32(0.01f).u8(0).i32(0).i32(1).i32(0).str("").i32(0).i32(0).i32(0).i32(0).i32(0).str("");
      r.u16(static_cast<unsigned>(parents));
      for (std::size_t i = 0; i < parents; ++i) r.u16(a);
      r.words({});
      if (vector) r.f32(1).f32(2).f32(z); else r.str("1");
      std::unique_ptr<CObject> cell(ClassRegistry::FromName(row.className)->CreateObject());
      CArchive ar(r.get());
      cell->Serialize(ar);
      return ar.Remaining();
    };
    EXPECT_EQ(read(row.parents, 2, 13), 0) << row.className;
    for (std::size_t parents : {row.parents - 1, row.parents + 1})
      EXPECT_EQ(ArchiveCause([&] { read(parents, 2, 13); }), ArchiveError::BadData) << row.className << parents;
    EXPECT_EQ(ArchiveCause([&] { read(row.parents, 2, nan); }), ArchiveError::BadData) << row.className;
    if (vector) {
      EXPECT_EQ(ArchiveCause([&] { read(row.parents, nan, 13); }), ArchiveError::BadData) << row.className;
    }
  }
}

}  // namespace
