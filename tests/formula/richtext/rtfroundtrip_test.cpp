// Font names and number texts through a write and a read: each comes back
// as it was, two font names stay two (the text keeps its faces), and
// writing what was read gives the same bytes again.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "rtflisting.h"

namespace KAVREL_FILE_LOCAL {

// The face of each run, in order.
QStringList FacesOf(const QTextDocument& doc) {
  QStringList faces;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QStringList families = it.fragment().charFormat().fontFamilies().toStringList();
      faces << (families.isEmpty() ? QStringLiteral("?") : families.first());
    }
  return faces;
}

TEST(RtfFontNames, NamesComeBackAsTheyWereAndStayApart) {
  const struct {
    QByteArray rtf;
    QStringList faces;
    QByteArray table;  // the font table as written
  } rows[] = {
      // A tab in a name, given as a raw byte or as the word: once dropped on reading.
      {"{\\rtf1{\\fonttbl{\\f0 a\tb;}}\\f0 x}", {Q("a\tb")}, "{\\f0\\fnil\\fcharset134 a\\u9?b;}"},
      {"{\\rtf1{\\fonttbl{\\f0 a\\tab b\\emdash;}}\\f0 x}", {Q("a\tb—")},
       "{\\f0\\fnil\\fcharset134 a\\u9?b\\u8212?;}"},
      // ';' in a name (only as \uN): once dropped on writing, which merged two faces.
      {"{\\rtf1{\\fonttbl{\\f0 a;}{\\f1 a\\u59?;}}\\f0 x\\f1 y}", {Q("a"), Q("a;")},
       "{\\f0\\fnil\\fcharset134 a;}{\\f1\\fnil\\fcharset134 a\\u59?;}"},
      {"{\\rtf1{\\fonttbl{\\f1 \\u59?;}}\\f1 x}", {Q(";")}, "{\\f0\\fnil\\fcharset134 \\u59?;}"},
      // A new line and a line separator were both written as \line.
      {"{\\rtf1{\\fonttbl{\\f0 a\\u10?b;}{\\f1 a\\u8232?b;}}\\f0 x\\f1 y}", {Q("a\nb"), Q("a\u2028b")},
       "{\\f0\\fnil\\fcharset134 a\\u10?b;}{\\f1\\fnil\\fcharset134 a\\u8232?b;}"},
      {"{\\rtf1{\\fonttbl{\\f0 \\\\\\{x\\};}}\\f0 x}", {Q("\\{x}")}, "{\\f0\\fnil\\fcharset134 \\\\\\{x\\};}"},
  };
  for (const auto& row : rows) {
    QTextDocument read;
    ASSERT_TRUE(ReadRtf(row.rtf, read).complete) << row.rtf.constData();
    EXPECT_EQ(FacesOf(read), row.faces) << row.rtf.constData();
    const QByteArray written = WriteRtf(read);
    EXPECT_NE(written.indexOf("{\\fonttbl" + row.table + "}"), -1) << written.constData();
    QTextDocument back;
    ASSERT_TRUE(ReadRtf(written, back).complete) << written.constData();
    EXPECT_EQ(FacesOf(back), row.faces) << written.constData();
    EXPECT_EQ(WriteRtf(back), written) << row.rtf.constData();
  }
}

// A font table inside a kept group belongs to the kept bytes: it names no
// face of the text.  Read as the text's, its bytes decoded once in the
// text's code page and, after a write, again in the writer's (GBK).
TEST(RtfFontNames, ATableInsideAKeptGroupNamesNoFace) {
  const QByteArray kept = "{\\*\\kv{\\fonttbl{\\f1 \\'81\\'a7;}}}";
  QTextDocument read;
  ASSERT_TRUE(ReadRtf("{\\rtf1{\\fonttbl{\\f1 Arial;}}" + kept + "\\f1 x}", read).complete);
  EXPECT_EQ(FacesOf(read), (QStringList{Q("?"), Q("Arial")}));
  EXPECT_EQ(DescribeRtfDocument(read), Q("P:[f=?]<kv>[]x"));
  const QByteArray written = WriteRtf(read);
  EXPECT_NE(written.indexOf(kept), -1) << written.constData();
  QTextDocument back;
  ASSERT_TRUE(ReadRtf(written, back).complete);
  EXPECT_EQ(WriteRtf(back), written);
}

// The words for a tab or a dash in the text before or after a number were
// dropped, while the writer writes a tab there as \tab.
TEST(RtfNumberText, SymbolWordsAreReadAsInTheText) {
  QTextDocument read;
  const QByteArray rtf =
      "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\*\\pn\\pnlvlbody\\pndec{\\pntxtb a\\tab b}{\\pntxta \\emdash\\line}}x\\par}";
  ASSERT_TRUE(ReadRtf(rtf, read).complete);
  EXPECT_EQ(DescribeRtfDocument(read), Q("P list@0 style=-4 \"a\tb#—\u2028\" from 1:[]x"));
  const QByteArray written = WriteRtf(read);
  EXPECT_NE(written.indexOf("{\\pntxtb a\\tab b}{\\pntxta \\u8212?\\line }"), -1) << written.constData();
  QTextDocument back;
  ASSERT_TRUE(ReadRtf(written, back).complete);
  EXPECT_EQ(DescribeRtfDocument(back), DescribeRtfDocument(read));
  EXPECT_EQ(WriteRtf(back), written);
}

}  // namespace
