// The paragraph dialog's arithmetic: what it shows for a format, what OK
// makes of its fields, and formats kept through a block and through RTF.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "richtext/paraformat.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

namespace {

TEST(ParaFormat, ShownInCentimetresPointsAndEntries) {
  const struct {
    const char* name;
    ParaFormat pf;
    double first, left, right;
    int before, entry;
    double value;
  } rows[] = {
      {"hanging indent", {1, 720, 720, 1440, 250, 0, 0, 0}, -1.27, 2.54, 2.54, 13, 0, 0},
      {"indents past 55 cm", {1, 0, -100000, 100000, 0, 0, 0, 0}, 55, -55, 55, 0, 0, 0},
      {"one line multiple", {1, 0, 0, 0, 0, 0, 5, 20}, 0, 0, 0, 0, 0, 0},
      {"one and a half lines", {1, 0, 0, 0, 0, 0, 5, 30}, 0, 0, 0, 0, 1, 0},
      {"two lines", {1, 0, 0, 0, 0, 0, 5, 40}, 0, 0, 0, 0, 2, 0},
      {"three lines", {1, 0, 0, 0, 0, 0, 5, 60}, 0, 0, 0, 0, 5, 3},
      {"at least 12 pt", {1, 0, 0, 0, 0, 0, 3, 240}, 0, 0, 0, 0, 3, 12},
  };
  for (const auto& row : rows) {
    const ParaDialogValues v = ShowParaFormat(row.pf);
    EXPECT_NEAR(v.firstCm, row.first, 0.005) << row.name;
    EXPECT_NEAR(v.leftCm, row.left, 0.005) << row.name;
    EXPECT_NEAR(v.rightCm, row.right, 0.005) << row.name;
    EXPECT_EQ(v.beforePt, row.before) << row.name;
    EXPECT_EQ(v.spacingEntry, row.entry) << row.name;
    EXPECT_EQ(v.spacingValue, row.value) << row.name;
  }
  EXPECT_EQ(ProposedSpacing(3), 12);
  EXPECT_EQ(ProposedSpacing(4), 12);
  EXPECT_EQ(ProposedSpacing(5), 3);
}

TEST(ParaFormat, TakenOnOk) {
  const ParaFormat numbered{1, 0, 0, 0, 0, 0, 0, 0, 2, 3, 0x100, 567};
  const struct {
    const char* name;
    ParaDialogValues v;
    ParaFormat base;
    int start, offset, after, rule, spacing, numbering, style, tab;
  } rows[] = {
      {"indents back to twips", {0, -1.27, 2.54, 0, 7, 13, 0, 0, 0}, {}, 720, 720, 260, 0, 0, 0, 0x200, 0},
      {"single", {0, 0, 0, 0, 0, 0, 0, 9}, {}, 0, 0, 0, 0, 0, 0, 0x200, 0},
      {"1.5 lines", {0, 0, 0, 0, 0, 0, 1, 9}, {}, 0, 0, 0, 5, 30, 0, 0x200, 0},
      {"2 lines", {0, 0, 0, 0, 0, 0, 2, 9}, {}, 0, 0, 0, 5, 40, 0, 0x200, 0},
      {"at least", {0, 0, 0, 0, 0, 0, 3, 12}, {}, 0, 0, 0, 3, 240, 0, 0x200, 0},
      {"exactly", {0, 0, 0, 0, 0, 0, 4, 12.5}, {}, 0, 0, 0, 4, 250, 0, 0x200, 0},
      {"multiple", {0, 0, 0, 0, 0, 0, 5, 3}, {}, 0, 0, 0, 5, 60, 0, 0x200, 0},
      {"1, 2, 3 without offset", {0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 1, 1.0}, {}, 0, 850, 0, 0, 0, 2, 0x200, 567},
      {"(1) without offset", {0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 1, 0}, {}, 0, 1134, 0, 0, 0, 2, 0x100, 0},
      {"a tab past 30 cm", {0, 0.5, 0, 0, 0, 0, 0, 0, 3, 0, 1, 31}, {}, 283, -283, 0, 0, 0, 3, 0, 0},
      {"other leaves the numbering", {0, 0, 0, 0, 0, 0, 0, 0, 7, 0, 9, 5}, numbered, 0, 0, 0, 0, 0, 2, 0x100, 567},
      {"none", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 5}, numbered, 0, 0, 0, 0, 0, 0, 0x100, 567},
  };
  for (const auto& row : rows) {
    const ParaFormat pf = TakeParaDialog(row.v, row.base);
    EXPECT_EQ(pf.start, row.start) << row.name;
    EXPECT_EQ(pf.offset, row.offset) << row.name;
    EXPECT_EQ(pf.after, row.after) << row.name;
    EXPECT_EQ(pf.before, row.v.beforePt * 20) << row.name;
    EXPECT_EQ(pf.rule, row.rule) << row.name;
    EXPECT_EQ(pf.spacing, row.spacing) << row.name;
    EXPECT_EQ(pf.numbering, row.numbering) << row.name;
    EXPECT_EQ(pf.numberingStyle, row.style) << row.name;
    EXPECT_EQ(pf.numberingTab, row.tab) << row.name;
  }
}

TEST(ParaFormat, KeptOnTheBlockAndThroughRtf) {
  const ParaFormat formats[] = {
      {3, 360, 850, 120, 60, 80, 5, 30, 2, 1, 0x100, 0},
      {2, 0, 0, 0, 0, 0, 4, 300, 6, 1, 0x000, 0},
      {1, -200, 0, 0, 0, 0, 3, 240, 1, 1, 0x300, 0},
      {1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0x200, 0},
  };
  for (const ParaFormat& pf : formats) {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("text"));
    ApplyParaFormat(cursor, pf);
    QTextDocument back;
    ReadRtf(WriteRtf(doc), back);
    for (const QTextDocument* d : {&doc, &back}) {
      const ParaFormat got = ParaFormatOf(d->begin());
      const char* which = d == &doc ? "on the block" : "through RTF";
      EXPECT_EQ(got.alignment, pf.alignment) << which;
      EXPECT_EQ(got.start, pf.start) << which;
      EXPECT_EQ(got.offset, pf.offset) << which;
      EXPECT_EQ(got.right, pf.right) << which;
      EXPECT_EQ(got.before, pf.before) << which;
      EXPECT_EQ(got.after, pf.after) << which;
      EXPECT_EQ(got.rule, pf.rule) << which;
      EXPECT_EQ(got.spacing, pf.spacing) << which;
      EXPECT_EQ(got.numbering, pf.numbering) << which;
      if (pf.numbering) EXPECT_EQ(got.numberingStyle, pf.numberingStyle) << which;
    }
  }
}

}  // namespace
