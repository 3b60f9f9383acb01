// The paragraph dialog's arithmetic: what it shows for a format, what OK
// makes of its fields, and formats kept through a block and through RTF.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "richtext/paraformat.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

namespace KAVREL_FILE_LOCAL {

// The stored fields a paragraph keeps, compared as one value.
auto Kept(const ParaFormat& f) {
  return std::make_tuple(f.alignment, f.start, f.offset, f.right, f.before, f.after, f.rule, f.spacing, f.numbering);
}

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
    const auto hundredths = [](double cm) { return std::lround(cm * 100); };
    EXPECT_EQ(std::make_tuple(hundredths(v.firstCm), hundredths(v.leftCm), hundredths(v.rightCm), v.beforePt,
                              v.spacingEntry, v.spacingValue),
              std::make_tuple(hundredths(row.first), hundredths(row.left), hundredths(row.right), row.before, row.entry,
                              row.value))
        << row.name;
  }
  const ParaDialogValues n = ShowParaFormat({3, 0, 0, 0, 0, 0, 0, 0, 2, 4, 0x100, 567});
  EXPECT_EQ(std::make_tuple(n.alignment, n.numberingKind, n.styleIndex, n.start, n.tabCm), std::make_tuple(2, 2, 1, 4, 1.0));
  EXPECT_EQ(std::make_tuple(ProposedSpacing(3), ProposedSpacing(4), ProposedSpacing(5)), std::make_tuple(12, 12, 3));
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
    EXPECT_EQ(std::make_tuple(pf.start, pf.offset, pf.after, pf.before, pf.rule, pf.spacing, pf.numbering,
                              pf.numberingStyle, pf.numberingTab),
              std::make_tuple(row.start, row.offset, row.after, row.v.beforePt * 20, row.rule, row.spacing,
                              row.numbering, row.style, row.tab))
        << row.name;
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
      EXPECT_EQ(Kept(got), Kept(pf)) << which;
      if (pf.numbering) { EXPECT_EQ(got.numberingStyle, pf.numberingStyle) << which; }
    }
  }
}

}  // namespace
