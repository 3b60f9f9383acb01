// What the RTF reader makes of each feature the editor stores, one small text
// per feature; Chinese arrives both as GBK \'hh pairs and as \uN.
#include <gtest/gtest.h>

#include <QTextDocument>

#include "richtext/rtfreader.h"
#include "rtflisting.h"

namespace KAVREL_FILE_LOCAL {

struct ReaderRow {
  const char* name;
  QByteArray body;
  const char* listing;
  bool dropped = false;
};

const ReaderRow kReaderRows[] = {
    {"plain text", R"(abc\par)", "P:[]abc"},
    {"bold on and off", R"(a\b b\b0 c\par)", "P:[]a[b]b[]c"},
    {"italic, underline, ulnone", R"(\i a\i0\ul b\ulnone c\par)", "P:[i]a[u]b[]c"},
    {"ul0 ends underline", R"(\ul a\ul0 b\par)", "P:[u]a[]b"},
    {"super, sub, nosupersub", R"(x\super 2\nosupersub y\sub 3\par)", "P:[]x[sup]2[]y[sub]3"},
    {"GBK pairs in the Chinese face", R"(\f1 \'b9\'b4\'b9\'c9\par)", "P:[f=宋体]勾股"},
    {"unicode with one fallback byte", R"(\u21246?\u32929?a\par)", "P:[]勾股a"},
    {"unicode with a two-byte fallback", R"(\uc2\u21246\'b9\'b4\u32929\'b9\'c9\par)", "P:[]勾股"},
    {"unicode without fallback", R"(\uc0\u21246 x\par)", "P:[]勾x"},
    {"negative unicode value", R"(\u-32607?\par)", "P:[]股"},
    {"font size in half points", R"(\fs48 a\fs20 b\par)", "P:[fs=48]a[fs=20]b"},
    {"colour from the table", R"(\cf1 r\cf0 k\par)", "P:[c=#ff0000]r[]k"},
    {"colour index past the table", R"(\cf1 r\cf2 k\par)", "P:[c=#ff0000]r[]k"},
    {"group keeps its formatting inside", R"({\b a}b\par)", "P:[b]a[]b"},
    {"plain resets to the default font", R"(\f1\b\fs40 x\plain y\par)", "P:[b,f=宋体,fs=40]x[]y"},
    {"paragraphs", "a\\par\r\nb\\par", "P:[]a\nP:[]b"},
    {"empty last paragraph", R"(a\par\par)", "P:[]a\nP:"},
    {"no closing par", R"(a)", "P:[]a"},
    {"alignments", R"(\qc a\par\pard\qr b\par\pard\qj c\par\pard\ql d\par)", "P qc:[]a\nP qr:[]b\nP qj:[]c\nP:[]d"},
    {"indents and spacing in twips", R"(\li720\ri360\fi-360\sb120\sa240\sl360\slmult1 a\par)",
     "P li=720 ri=360 fi=-360 sb=120 sa=240 sl=360 slmult=1:[]a"},
    {"exact line spacing", R"(\sl-300\slmult0 a\par)", "P sl=-300:[]a"},
    {"pard resets the paragraph", R"(\qc\li100 a\par\pard b\par)", "P qc li=100:[]a\nP:[]b"},
    {"tab and line break", R"(a\tab b\line c\par)", "P:[]a\tb\xE2\x80\xA8" "c"},
    {"escaped braces and backslash", R"(\{x\}\\\par)", "P:[]{x}\\"},
    {"named punctuation", R"(\lquote\rquote\ldblquote\rdblquote\bullet\endash\emdash\par)",
     "P:[]\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\xA2\xE2\x80\x93\xE2\x80\x94"},
    {"unknown formatting word dropped", R"(\expndtw20\lang2052 a\par)", "P:[]a"},
    {"numbering text not shown twice", R"({\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pndec}a\par)",
     "P list@0 style=-4 \"#\" from 1:[]a"},
    {"unknown starred group kept", R"(a{\*\kvunknown hidden}b\par)", "P:[]a[]<kvunknown>[]b"},
    {"picture kept", R"(a{\pict\pngblip 89504e47}b\par)", "P:[]a[]<pict>[]b"},
    {"object kept", R"(\b a{\object\objemb{\*\objclass Equation.3}{\result x}}b\par)", "P:[b]a[b]<object>[b]b"},
    {"object at a paragraph start", R"(a\par{\pict 00}\par)", "P:[]a\nP:[]<pict>"},
    {"field not kept", R"(a{\field{\*\fldinst HYPERLINK}{\fldrslt x}}b\par)", "P:[]ab", true},
    {"numbered paragraphs share one list",
     R"(\pard{\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pnf0\pnindent0\pnstart3\pndec{\pntxtb (}{\pntxta )}})"
     R"(\fi-360\li720 a\par{\pntext\f0 2.\tab}b\par\pard c\par)",
     "P li=720 fi=-360 list@0 style=-4 \"(#)\" from 3:[]a\n"
     "P li=720 fi=-360 list@0 style=-4 \"(#)\" from 3:[]b\nP:[]c"},
    {"bullet in GBK", R"({\*\pn\pnlvlblt\pnf1{\pntxtb\'a1\'f1}}x\par)", "P list@0 style=-1 \"●#\" from 1:[]x"},
    {"upper roman", R"(a\par{\*\pn\pnlvlbody\pnucrm{\pntxta .}}x\par)", "P:[]a\nP list@1 style=-8 \"#.\" from 1:[]x"},
    {"text line breaks ignored", "a\r\nb\\par", "P:[]ab"},
};

TEST(RtfReader, ReadsEachStoredFeature) {
  for (const ReaderRow& row : kReaderRows) {
    QTextDocument doc;
    const RtfReadResult result = ReadRtf(TestRtf(row.body), doc);
    EXPECT_TRUE(result.complete) << row.name;
    EXPECT_EQ(result.droppedContent, row.dropped) << row.name;
    EXPECT_EQ(DescribeRtfDocument(doc), Q(row.listing)) << row.name;
  }
}

TEST(RtfReader, ReadsWhatTheWindowsRichEditWrites) {
  const QByteArray stored =
      "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl{\\f0\\fnil\\fprq2\\fcharset134 "
      "\\'cb\\'ce\\'cc\\'e5;}{\\f1\\fswiss\\fcharset0 Arial{\\falt Helv}{\\*\\panose 020b}{\\*\\fname Helv;};}}\r\n{\\*\\generator Riched20 5.50.99.2070;}"
      "\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs24 \\'b9\\'b4\\'b9\\'c9\\b\\f1 a\\b0\\f0\\par\r\n}\r\n";
  QTextDocument doc;
  const RtfReadResult result = ReadRtf(stored, doc);
  EXPECT_TRUE(result.complete);
  EXPECT_FALSE(result.droppedContent) << "the generator note is not content";
  EXPECT_EQ(DescribeRtfDocument(doc), Q("P:[f=宋体]勾股[b]a"));
}

}  // namespace
