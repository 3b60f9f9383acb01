// The user calculation: its values and when they are undefined, its names
// and mark-up with the parents written in, its record, and formulas and
// parents from damaged files.
#include <functional>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "math/registers.h"
#include "../measuretestsupport.h"
#include "model/pagetest.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

class UserCalculationTest : public MeasureTest {
 protected:
  // A(0,0,0) and B(3,4,0) and their distance 5.
  UserCalculationTest() : a(P(0, 0, 0)), b(P(3, 4, 0)), distance(New<CGTmVarDistancePP>(a, b)->m_nId) {}

  CGTmVarCalculator* Calc(const std::vector<WORD>& parents, const QString& formula) {
    auto* calc = new CGTmVarCalculator(page->m_nNextId, parents, formula, QString());
    page->m_cells.SetAt(page->m_nNextId++, calc);
    return calc;
  }
  CGTmVarParameter* Param(const QString& name, float value) {
    auto* t = new CGTmVarParameter(page->m_nNextId, name, value);
    page->m_cells.SetAt(page->m_nNextId++, t);
    return t;
  }
  CGCell* Cell(WORD id) { return page->m_cells.Lookup(id); }

  WORD a, b, distance;
};

TEST_F(UserCalculationTest, ValuesAndWhenTheyAreUndefined) {
  auto* x = new StandIn<CGTextmap>(StandInChain({"CGTmVector"}, RUNTIME_CLASS(CGTextmap)));
  x->m_nId = page->m_nNextId;
  x->m_fValue = 3;  // a vector's value is its x
  const WORD vector = Put(x);
  auto* plain = new CGTmSingleline;
  plain->m_nId = page->m_nNextId;
  const WORD text = Put(plain);
  const QString tooLong = "1" + QString("+1").repeated(5000);
  const struct {
    const char* name;
    std::vector<WORD> parents;
    QString formula;
    int kind;
    bool defined;
    float value;  // 0 when undefined: the value from construction kept
    const char* caption;
  } rows[] = {
      {"a distance doubled", {distance}, "No1*2", 0, true, 10, " =10"},
      {"constants only", {}, "pi*2", 0, true, 6.2831855f, " =6.28"},
      {"division by zero", {distance}, "1/(No1-5)", 0, false, 0, " = ? "},
      {"a formula that fails the check", {distance}, "No1*", 0, false, 0, " = ? "},
      {"an angle", {}, "pi/2", 2, true, 1.5707964f, " =90°"},
      {"beyond single precision", {}, "2^128", 0, false, 0, " = ? "},
      {"within single precision", {}, "2^127", 0, true, 0x1p127f, " =170141183460469231731687303715884105728"},
      {"a point is no value", {a}, "No1*2", 0, false, 0, " = ? "},
      {"a vector gives its x", {vector}, "No1*2", 0, true, 6, " =6"},
      {"a plain caption is no value", {text}, "No1*2", 0, false, 0, " = ? "},
      {"an unknown variable", {distance}, "No2", 0, false, 0, " = ? "},
      {"over 10,000 characters", {}, tooLong, 0, false, 0, " = ? "},
  };
  for (const auto& r : rows) {
    CGTmVarCalculator* calc = Calc(r.parents, r.formula);
    calc->m_nParamA = r.kind;
    calc->Recalculate();
    EXPECT_TRUE(calc->m_bDefined == r.defined && calc->m_fValue == r.value) << r.name;
    EXPECT_EQ(calc->CurrentValueText(), QString::fromUtf8(r.caption)) << r.name;
  }
  EXPECT_EQ(Calc({}, tooLong)->m_parser.State(), kFunTextSet) << "too long to check";

  // No page current: no parent can be read, a formula of constants still is.
  CGTmVarCalculator* doubled = Calc({distance}, "No1*2");
  CGTmVarCalculator* constants = Calc({}, "pi*2");
  CCellMap* const cells = std::exchange(g_pCurCells, nullptr);
  for (CGTmVarCalculator* calc : {doubled, constants}) calc->Recalculate();
  g_pCurCells = cells;
  EXPECT_TRUE(!doubled->m_bDefined && constants->m_bDefined) << "without a current page";
}

TEST_F(UserCalculationTest, UndefinedResultsAndParentsKeepTheLastValue) {
  CGTmVarParameter* t = Param("t", 2);
  CGTmVarCalculator* calc = Calc({t->m_nId}, "1/No1");
  for (float v : {0.0f, 1e-39f}) {  // infinite, and beyond single precision
    t->m_fValue = v;
    calc->Recalculate();
    EXPECT_TRUE(!calc->m_bDefined && calc->m_fValue == 0.5f) << v;
  }
  // An edited formula compiles at the next recalculation; one without a
  // tree gives 0.
  t->m_fValue = 4;
  for (auto [formula, defined, value] : {std::tuple{"No1*", false, 0.0f}, {"No1*3", true, 12.0f}}) {
    calc->m_strFormula = QString::fromUtf8(formula);
    calc->m_bCompiled = false;
    calc->Recalculate();
    EXPECT_TRUE(calc->m_bDefined == defined && calc->m_fValue == value) << formula;
  }

  // An undefined parent: undefined without evaluating (accum counts the
  // evaluations), the value kept; defined again, it follows.
  CGTmVarCalculator* counting = Calc({distance}, "accum(1)+No1");
  const double counted = ExpressionRegister(1);
  auto* pb = static_cast<CGVertex*>(Cell(b));
  pb->m_bDefined = false;
  for (WORD id : {distance, counting->m_nId}) Cell(id)->Recalculate();
  EXPECT_TRUE(!counting->m_bDefined && counting->CurrentValueText() == QStringLiteral(" = ? "));
  EXPECT_TRUE(ExpressionRegister(1) == counted && counting->m_fValue == static_cast<float>(counted + 5));
  pb->m_bDefined = true;
  pb->m_vPos[0] = 6, pb->m_vPos[1] = 8;
  for (WORD id : {distance, counting->m_nId}) Cell(id)->Recalculate();
  EXPECT_TRUE(counting->m_bDefined && counting->m_fValue == static_cast<float>(counted + 1 + 10));
}

TEST_F(UserCalculationTest, NamesAndMarkupWriteTheParentsIn) {
  std::vector<WORD> letters;
  for (char c = 'a'; c <= 'l'; ++c) letters.push_back(Param(QString(QChar(c)), c - 'a' + 1)->m_nId);
  const WORD unnamed = Param(QString(), 1)->m_nId;
  const WORD sum = Calc({letters[0]}, "No1+1")->m_nId, product = Calc({letters[0]}, "No1*2")->m_nId;
  const QString sumVod = "<#><l><e>a</e><e>+</e><e>1</e></l></#>";
  const QString productVod = "<#><l><e>a</e><e>×</e><e>2</e></l></#>";
  // Each reads its parent twice: the sixth name is 379 characters long.
  WORD doubled = letters[0], fifth = 0;
  for (int step = 0; step < 6; ++step) fifth = std::exchange(doubled, Calc({doubled}, "No1+No1")->m_nId);
  const QString shortSixth = QStringLiteral("#%1").arg(doubled);
  // Seven doublings of "d" on a document's page, where a paste, renumbering
  // and a file saved before names followed ids give the chain other ids.
  std::optional<CommandPage> doc;
  const auto sevenDoublings = [&doc] {
    CGPage& at = doc->Page();
    WORD last = doc->Enter(new CGTmVarParameter(at.m_nNextId++, "d", 1));
    for (int step = 0; step < 7; ++step) last = doc->Enter(new CGTmVarCalculator(at.m_nNextId++, {last}, "No1+No1", {}));
    return last;
  };
  const auto pasted = [&] {  // the chain 1 ... 8 pasted as 9 ... 16
    doc.emplace();
    doc->Select({sevenDoublings()});
    EXPECT_TRUE(doc->Run(ID_EDIT_COPY) && doc->Run(ID_EDIT_PASTE));
    return doc->As<CGTmVarCalculator>(16);
  };
  const auto renumbered = [&] {  // 18 ... 25 after a point that goes: 17 ... 24
    const WORD gone = doc->Point(), seventh = sevenDoublings();
    delete doc->Page().m_cells.RemoveKey(gone);
    EXPECT_TRUE(doc->Run(ID_FILE_REORGANIZE));
    return doc->As<CGTmVarCalculator>(seventh - 1);
  };
  const auto reopened = [&] {  // a pasted chain whose seventh was saved as "[#7]+[#7]"
    EXPECT_TRUE(doc->doc.OnOpenDocument(
        QStringLiteral(KAVREL_SOURCE_DIR "/tests/fuzz/corpus/document/must-load/short-name-paste-saved.kv"), false));
    return doc->As<CGTmVarCalculator>(16);
  };
  const QString shortOf15 = "<#><l><e>#15</e><e>+</e><e>#15</e></l></#>";
  const struct {
    const char* name;
    std::vector<WORD> parents;
    QString formula, wantName, wantVod;  // no mark-up: not checked
    DWORD rootClass;
    std::function<CGTmVarCalculator*()> made = {};  // instead of one over the parents
  } rows[] = {
      {"a sum", {letters[0]}, "No1+1", "[a]+1", sumVod, 2},
      {"No1 and No12 of twelve", letters, "No1+No12", "[a]+[l]", "<#><l><e>a</e><e>+</e><e>l</e></l></#>", 2},
      {"three of twelve", letters, "No12-No10*No2", "[l]-[j]*[b]", "<#><l><e>l</e><e>−</e><e>j</e><e>b</e></l></#>", 3},
      {"a number beyond the parents", letters, "No13", "No13", "<#><l></l></#>", 17},
      {"an unnamed parent", {unnamed}, "No1", "[ ]", "<#><l><e> </e></l></#>", 17},
      {"a measured value", {distance}, "No1/2", "[|AB|]/2", {}, 5},
      {"a sum in a product", {sum}, "2*No1", "2*[[a]+1]", "<#><l><e>2</e><b><#><l>" + sumVod + "</l></#></b></l></#>", 4},
      {"a product in a sum", {product}, "No1+1", "[[a]*2]+1", "<#><l>" + productVod + "<e>+</e><e>1</e></l></#>", 2},
      {"the value of a product", {product}, "No1", "[[a]*2]", "<#><l>" + productVod + "</l></#>", 4},
      {"too long to write in whole", {doubled}, "No1+No1", "[" + shortSixth + "]+[" + shortSixth + "]",
       "<#><l><e>" + shortSixth + "</e><e>+</e><e>" + shortSixth + "</e></l></#>", 2},
      {"only the longest short", {doubled, fifth}, "No1+No1+No2",
       "[" + shortSixth + "]+[" + shortSixth + "]+[" + Cell(fifth)->m_strName + "]", {}, 2},
      // Written short by the ids the parents have now.
      {"a pasted chain", {}, "No1+No1", "[#15]+[#15]", shortOf15, 2, pasted},
      {"a renumbered chain", {}, "No1+No1", "[#23]+[#23]", {}, 2, renumbered},
      {"a file saved with the pasted ids", {}, "No1+No1", "[#15]+[#15]", shortOf15, 2, reopened},
  };
  for (const auto& r : rows) {
    CGTmVarCalculator* calc = r.made ? r.made() : Calc(r.parents, r.formula);
    ASSERT_TRUE(calc) << r.name;
    EXPECT_TRUE(calc->m_strName == r.wantName && calc->m_dwParam3 == r.rootClass) << r.name;
    EXPECT_TRUE(r.wantVod.isEmpty() || calc->m_strVodName == r.wantVod) << r.name;
    EXPECT_EQ(calc->GetDescription(), QString::fromUtf8("计算：") + r.formula) << r.name;
  }
  // A parent renamed: the next label update follows and lays the caption
  // out again, unless the name is fixed.
  SetCurrentPage(page.get());
  auto* calc = static_cast<CGTmVarCalculator*>(Cell(sum));
  for (const char* name : {"s", "u"}) {
    Cell(letters[0])->m_strName = QString::fromUtf8(name);
    calc->m_bLabelStale = false;
    calc->UpdateLabel();
    EXPECT_TRUE(calc->m_strName == QStringLiteral("[s]+1") && calc->m_bLabelStale == (*name == 's')) << name;
    calc->m_bNameFixed = true;
  }
}

// Written from the common cell record, the value text and the formula.
TEST_F(UserCalculationTest, RecordBytesAndRecompilingAfterLoading) {
  CGTmVarParameter* t = Param("t", 2);
  CGTmVarCalculator* square = Calc({t->m_nId}, "No1*No1");
  RecordBytes bytes;
  bytes.u16(5).str("[t]*[t]").u8(1).u32(0).u32(0).u8(1).u8(0).f32(13).f32(8).f32(0);
  bytes.u32(0xFF000000).u32(0xFF000000).f32(4).u32(0).u32(0).u32(4).str("");
  bytes.u8(0).f32(0.01f).u8(0).i32(0).i32(1).i32(0).str("<#><l><e>t</e><e>t</e></l></#>");
  bytes.i32(0).i32(0).i32(0).i32(0).i32(0).str("").words({4}).words({}).str(" =4").str("No1*No1");
  EXPECT_EQ(StoreCell(*square).toHex(), bytes.get().toHex());

  t->m_fValue = 3;
  CGTmVarCalculator loaded;
  CArchive in(bytes.get());
  loaded.Serialize(in);
  EXPECT_TRUE(in.Remaining() == 0 && !loaded.m_bCompiled && StoreCell(loaded) == bytes.get());
  loaded.Recalculate();
  EXPECT_TRUE(loaded.m_bCompiled && loaded.m_bDefined && loaded.CurrentValueText() == QStringLiteral(" =9"));
}

// Forty parents: the record carries them, and any number loads; only the
// sound formula is defined.
TEST_F(UserCalculationTest, DamagedFormulasAndParentCountsLoadAndStayUndefined) {
  CGTmVarCalculator* calc = Calc(std::vector<WORD>(40, distance), "No1");
  const QString formulas[] = {"No40", "", "(((", ")(", "No1No1", "No0", "sin", "No1%0", "fact(1e", "1..2",
                              "No1^No1^No1^No1^No1^No1", QString(20000, u'('), QString(12000, u'x'),
                              QString(50, QChar(0xFFFF))};
  for (const QString& formula : formulas) {
    calc->m_strFormula = formula;
    const QByteArray record = StoreCell(*calc);
    CGTmVarCalculator loaded;
    CArchive in(record);
    loaded.Serialize(in);
    loaded.UpdateLabel();
    loaded.Recalculate();
    EXPECT_EQ(loaded.m_bDefined, formula == QStringLiteral("No40")) << formula.left(20).toStdString();
  }
}

}  // namespace
