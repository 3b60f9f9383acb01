// Whatever the writer produces, the reader takes back: written mark-up read
// and written again is the same text.  Checked on a table of formulas, on
// random trees, and on random trees' mark-up damaged at random.
#include <gtest/gtest.h>

#include <QStringList>
#include <array>
#include <random>

#include "fakedc.h"
#include "formula/vodmarkup.h"
#include "formulatestutil.h"

namespace KAVREL_FILE_LOCAL {

TEST(VodRoundTrip, FormulasReadBackAsWritten) {
  const char* formulas[] = {
      "<#><l></l></#>",
      "<#:name=\u5B8B\u4F53,cset=134,size=35><l><e>A</e><^><#><l><e>x</e></l></#><#><l><e>2</e></l></#></^></l></#>",
      "<#><l><f><#><l><e>a+b</e></l></#><#><l><r><#><l><e>2</e></l></#></r></l></#></f></l></#>",
      "<#><l><d><#><l><e>x</e></l></#><c><#><l><e>i</e></l></#><#><l><e>2</e></l></#></c></d></l></#>",
      "<#><l><d><s><#><l><e>i=1</e></l></#><#><l><e>n</e></l></#></s><#><l><e>a</e></l></#></d></l></#>",
      "<#><l><b><#><l><e>x</e></l></#>\uF07B </b><m:type=3><#><l></l></#><#><l></l></#><#><l></l></#></m></l></#>",
      "<#><l><v:type=2><#><l><e>AB</e></l></#>\u2312</v><a:type=13><#><l></l></#><#><l></l></#></a></l></#>",
      ("<#><l><t><#><l><e>x\u2192</e></l></#><#><l><e> </e></l></#></t><e:i=1,color=ff>f</e></l>"
       "<l><e:u=1,b=0,size=-20>second line</e></l></#>"),  // two lines
      "<#><l><e>a</b</e></l></#>",
      "<#><l><e:size=40><x</e></l></#>",
      "<#><l><b><#><l></l></#><&&></b></l></#>",
      "<!:name=Arial,size=50,color=ff0000><e>header</e>",
  };
  for (const char* formula : formulas) {
    const QString first = Rewritten(Q(formula));
    EXPECT_EQ(Rewritten(first), first) << formula;
    CBinTree a, b;
    a.SetVod(first);
    b.SetVod(Rewritten(first));
    EXPECT_EQ(a.GetText(2), b.GetText(2)) << formula;
  }
}

// Builds random formula trees of every node kind, with texts and font
// values chosen to hit what the mark-up cannot hold as it is.
class RandomTrees {
 public:
  explicit RandomTrees(unsigned seed) : m_rng(seed) {}

  CBoxNode* Box(int depth) {
    auto* box = new CBoxNode;
    RandomFont(*box);
    for (int i = Int(1, 3); i > 0; --i) box->AppendChild(Row(depth));
    return box;
  }

 private:
  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
  bool Chance(int percent) { return Int(1, 100) <= percent; }

  QString Text(int maxLength) {
    static const QStringList pieces = {
        Q("a"), Q("b"), Q("x"), Q("1"), Q("<"), Q(">"), Q("/"), Q("</"), Q("</e>"), Q("&"), Q("%"),
        Q(":"), Q(","), Q("="), Q(" "), Q("\u4E2D"), Q("\uF0E5"), Q("e"), Q("#"), Q("!"), Q("<e>"),
        Q("\uF028"), QString(QChar(0xD835)), QString(QChar(0))};  // a lone surrogate, a zero
    QString text;
    for (int i = Int(0, maxLength); i > 0; --i) text += pieces[Int(0, int(pieces.size()) - 1)];
    return text;
  }

  void RandomFont(CNode& node) {
    if (Chance(60)) return;
    static const std::array<const char*, 5> faces = {
        "Arial", "\u5B8B\u4F53", "A,b>c", "", "A face name of more than thirty-one characters"};
    node.m_dwFontMask = static_cast<DWORD>(Int(0, 63));
    node.m_lf.lfFaceName = Q(faces[static_cast<size_t>(Int(0, int(faces.size()) - 1))]);
    node.m_lf.lfCharSet = static_cast<BYTE>(Int(0, 255));
    node.m_lf.lfHeight = Chance(10) ? Int(INT_MIN, INT_MAX) : Int(-60, 60);
    node.m_lf.lfWeight = Int(0, 1000);
    node.m_lf.lfItalic = static_cast<BYTE>(Int(0, 2));
    node.m_lf.lfUnderline = static_cast<BYTE>(Int(0, 2));
    node.m_bColorSet = Chance(50);
    node.m_crColor = static_cast<COLORREF>(m_rng());
  }

  CRowNode* Row(int depth) {
    auto* row = new CRowNode;
    RandomFont(*row);
    for (int i = Int(0, 4); i > 0; --i) row->AppendChild(depth > 0 && Chance(35) ? Item(depth - 1) : Run());
    return row;
  }

  CTextNode* Run() {
    auto* run = new CTextNode(Text(6));
    RandomFont(*run);
    return run;
  }

  CNode* Item(int depth) {
    static const std::array<int, 15> kinds = {VOD_STANDARD, VOD_DIVISION, VOD_SQRT, VOD_NTHROOT,
                                              VOD_SUP,      VOD_SUB,      VOD_SUPB, VOD_INTEGRAL,
                                              VOD_SUM,      VOD_LIM,      VOD_BRACE, VOD_VECTOR,
                                              VOD_ARROWS,   VOD_MATRIX,   VOD_STANDARD};
    const int kind = kinds[static_cast<size_t>(Int(0, int(kinds.size()) - 1))];
    if (kind == VOD_MATRIX) {
      auto* matrix = new CMatrixNode;
      RandomFont(*matrix);
      matrix->m_nType = Int(-2, 4);
      if (Chance(20)) matrix->m_strText = Text(3);
      for (int i = Int(0, 6); i > 0; --i) matrix->AppendChild(Box(depth));
      return matrix;
    }
    CStandardNode* node = Structure(kind);
    RandomFont(*node);
    if (Chance(25)) node->m_nType = Int(-3, 20);
    if (Chance(25)) node->m_strText = Text(3);
    if (kind == VOD_STANDARD && Chance(50)) {
      // A base followed by its scripts or limits, held without a box.
      node->AddChild(Box(depth), -1);
      CStandardNode* scripts = Structure(Int(VOD_SUPB, VOD_LIM));
      scripts->AddChild(Box(depth), -1);
      scripts->AddChild(Box(depth), -1);
      node->AddChild(scripts, -1);
      return node;
    }
    node->AddChild(Box(depth), -1);
    if (Chance(70)) node->AddChild(Box(depth), -1);
    return node;
  }

  static CStandardNode* Structure(int kind) { return static_cast<CStandardNode*>(CreateVodNode(kind)); }

  std::mt19937 m_rng;
};

TEST(VodRoundTrip, RandomTreesWrittenReadAndWrittenAgainGiveTheSameText) {
  for (unsigned seed = 1; seed <= 400; ++seed) {
    RandomTrees make(seed);
    CBinTree tree;
    tree.m_pRoot = make.Box(3);
    tree.Normalize();
    tree.ApplyDefaultFont();
    const QString written = tree.GetText(0);
    CBinTree reread;
    reread.SetVod(written);
    ASSERT_EQ(reread.GetText(0), written) << "seed " << seed;
  }
}

// Reads hostile mark-up; what it writes must read back, and from there on
// stay the same (the first pass may still change: a structure missing its
// first box writes an empty run there, which then reads as a box).
void ExpectSettles(const QString& markup) {
  CBinTree tree;
  tree.SetVod(markup);
  ASSERT_LE(TreeDepth(tree.m_pRoot), CBinTree::kMaxDepth);
  const QString first = tree.GetText(0);
  CBinTree second;
  second.SetVod(first);
  ASSERT_NE(second.m_pRoot, nullptr) << Str(markup);
  const QString settled = second.GetText(0);
  CBinTree third;
  third.SetVod(settled);
  ASSERT_EQ(third.GetText(0), settled) << Str(markup);
  for (int mode = 1; mode <= 3; ++mode) (void)tree.GetText(mode);  // the other modes walk the tree too
}

TEST(VodRoundTrip, DamagedRandomFormulasNeverBreakTheReaderOrTheWriter) {
  std::mt19937 rng(99);
  for (unsigned seed = 1; seed <= 1500; ++seed) {
    RandomTrees make(seed);
    CBinTree tree;
    tree.m_pRoot = make.Box(2);
    QString markup = tree.GetText(0);
    for (int k = 0; k < 3; ++k) {
      const qsizetype at = qsizetype(rng() % markup.size());
      const qsizetype length = qsizetype(rng() % 12);
      switch (rng() % 3) {
        case 0: markup.remove(at, length); break;                 // lose a piece
        case 1: markup.insert(at, markup.mid(at, length)); break;  // repeat a piece
        default: markup[at] = QChar(u"<>/:,="[rng() % 6]); break;
      }
      if (markup.isEmpty()) markup = kEmptyVod;
    }
    ExpectSettles(markup);
  }
}

// A formula that ends inside a structure's opening mark leaves the structure
// without boxes; the writer gives it an empty first box, so the reader must
// too, or the formula draws at another size once saved and read back.
TEST(VodRoundTrip, StructureCutShortDrawsTheSameAfterWritingAndReading) {
  const char* cut[] = {"<#><l><f:size=50</#>", "<#><l><f:b=1,size=</#>", "<#><l><n:type=1</#>",
                       "<#><l><i:size=60,color=ff</#>", "<#><l><d></d></l></#>", "<#><l><r:i=1></#>"};
  for (const char* formula : cut) {
    CBinTree read, reread;
    CFakeMetricsDC dc, redc;
    LayOutOnFake(read, Q(formula), dc);
    LayOutOnFake(reread, read.GetText(0), redc);
    ASSERT_NE(read.m_pRoot, nullptr) << formula;
    EXPECT_EQ(read.m_pRoot->m_rcLayout, reread.m_pRoot->m_rcLayout) << formula;
    EXPECT_EQ(reread.GetText(0), read.GetText(0)) << formula;
  }
}

}  // namespace
