// Damaged and hostile RTF: the reader never crashes or hangs, keeps every
// character it can read, and says when it could not read the text whole.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTextDocument>

#include <cstdint>

#include "richtext/rtfreader.h"
#include "rtflisting.h"

namespace KAVREL_FILE_LOCAL {

struct HostileRow {
  const char* name;
  QByteArray rtf;
  const char* text;
  bool complete;
};

QByteArray Repeat(const char* part, int times) { return QByteArray(part).repeated(times); }

TEST(RtfHostile, KeepsWhatItCanReadAndReportsTheRest) {
  const HostileRow rows[] = {
      {"unclosed group", R"({\rtf1 abc)", "abc", false},
      {"extra closing brace", R"({\rtf1 a}}b)", "ab", false},
      {"cut inside a hex byte", R"({\rtf1 a\'b)", "a", false},
      {"cut after a backslash", R"({\rtf1 a\)", "a", false},
      {"cut inside a GBK pair", R"({\rtf1\ansicpg936 a\'b9})", "a\xEF\xBF\xBD", true},
      {"bad hex digits", R"({\rtf1 a\'zzb})", "azzb", false},
      {"nesting past 256 groups", "{\\rtf1 " + Repeat("{", 300) + "x" + Repeat("}", 300) + "y}", "xy", false},
      {"nesting of exactly 256 groups", Repeat("{", 256) + "x" + Repeat("}", 256), "x", true},
      {"bin past the end", R"({\rtf1 a\bin999 bc})", "a", false},
      {"negative bin", R"({\rtf1 a\bin-5 bc})", "a", false},
      {"bin inside a picture", "{\\rtf1 a{\\pict\\bin3 }}}}b}", "a\xEF\xBF\xBC" "b", true},
      {"overlong control word", "{\\rtf1 \\" + Repeat("q", 5000) + " a}", "a", true},
      {"huge parameter", "{\\rtf1 \\fs" + Repeat("9", 5000) + " a}", "a", true},
      {"unicode without a number", R"({\rtf1 \u a})", "a", true},
      {"absurd skip count", R"({\rtf1 \uc999\u21246 abcdefghijk})", "\xE5\x8B\xBE" "ijk", true},
      {"colour index past the table", R"({\rtf1 \cf999999 a})", "a", true},
      {"font number past the table", R"({\rtf1 \f77 a})", "a", true},
      {"empty input", "", "", true},
      {"no header at all", "plain words", "plain words", true},
  };
  for (const HostileRow& row : rows) {
    QTextDocument doc;
    const RtfReadResult result = ReadRtf(row.rtf, doc);
    EXPECT_EQ(doc.toPlainText(), Q(row.text)) << row.name;
    EXPECT_EQ(result.complete, row.complete) << row.name;
  }
}

TEST(RtfHostile, AbsurdSizesAreBoundedToWhatTheEditorAllows) {
  QTextDocument doc;
  ReadRtf(TestRtf(R"(\fs999999999\li99999999\fi-99999999\sl-99999999 a\fs0 b\par)"), doc);
  EXPECT_EQ(DescribeRtfDocument(doc), Q("P li=31680 fi=-31680 sl=-31680:[fs=3276]a[fs=2]b"));
}

TEST(RtfHostile, HugeTablesAreCappedWithoutLosingText) {
  QTextDocument doc;
  const QByteArray rtf = "{\\rtf1{\\colortbl " + Repeat("\\red1;", 200000) + "}{\\fonttbl" +
                         Repeat("{\\f5 F;}", 1000) + Repeat("\\f9 G;", 20000) + "}abc}";
  QElapsedTimer timer;
  timer.start();
  EXPECT_TRUE(ReadRtf(rtf, doc).complete);
  EXPECT_EQ(doc.toPlainText(), QStringLiteral("abc"));
  EXPECT_LT(timer.elapsed(), 2000);
}

TEST(RtfHostile, RandomTokenSoupNeverCrashesOrHangs) {
  static const char* const kTokens[] = {"{", "}", "\\", "\\'", "b9", "zz", "\\u", "-32607", "?", "\\uc", "9",
                                        "\\bin", "3", " ", "\\*", "\\pict", "\\object", "\\fonttbl", "\\colortbl",
                                        "\\par", "\\f", "\\fs", "\\b", ";", "text", "\r\n", "\\red", "\\sl", "-"};
  constexpr size_t kCount = sizeof(kTokens) / sizeof(kTokens[0]);
  uint32_t state = 12345;
  for (int round = 0; round < 400; ++round) {
    QByteArray rtf;
    for (int i = 0; i < 200; ++i) {
      state = state * 214013u + 2531011u;
      rtf.append(kTokens[(state >> 16) % kCount]);
    }
    QTextDocument doc;
    ReadRtf(rtf, doc);
    EXPECT_LE(doc.characterCount(), rtf.size() + 1) << "round " << round;
  }
}

}  // namespace
