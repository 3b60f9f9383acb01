// Where slide shapes land, the table builder's arguments and the ids of a
// built table's anchors and borders.
#include <gtest/gtest.h>

#include "cells/primitives/cgline.h"
#include "cells/solids/tablebuilder.h"
#include "editing/presentation/slideplacement.h"
#include "editing/presentation/slidetext.h"
#include "richtext/rteditdata.h"
#include "richtext/rtfstring.h"

#include <QTextBlock>
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

CPptxShape Shape(double left, double top, double width, double height) {
  CPptxShape shape;
  shape.left = left, shape.top = top, shape.width = width, shape.height = height;
  return shape;
}

TEST(SlidePlacement, ShapesLandAroundTheSlideCentre) {
  const struct {
    const char* name;
    double slideWidth, slideHeight, left, top, width, height;
    float x, y;
    int widthPx, heightPx;
  } rows[] = {
      {"4:3 text box", 720, 540, 72, 54, 216, 72, -19.2f, 9.6f, 288, 96},
      {"16:9 box", 960, 540, 430, 220, 100, 100, -10.0f / 3, -10.0f / 3, 133, 133},
      {"centre of a 4:3 slide", 720, 540, 360, 270, 0, 0, 0.0f, 0.0f, 0, 0},
  };
  for (const auto& row : rows) {
    CPptxDeck deck;
    deck.widthPt = row.slideWidth, deck.heightPt = row.slideHeight;
    const CBoardRect at = PlaceOnBoard(Shape(row.left, row.top, row.width, row.height), deck);
    EXPECT_NEAR(at.x, row.x, 1e-5) << row.name;
    EXPECT_NEAR(at.y, row.y, 1e-5) << row.name;
    EXPECT_EQ(at.widthPx, row.widthPx) << row.name;
    EXPECT_EQ(at.heightPx, row.heightPx) << row.name;
  }
}

TEST(SlidePlacement, TablesPlanTheBuilderCallOrAreRefused) {
  const struct {
    const char* name;
    int rows, cols;
    bool planned;
  } rows[] = {{"3 x 3", 3, 3, true}, {"19 x 1", 19, 1, true}, {"20 rows", 20, 3, false},
              {"20 columns", 2, 20, false}, {"no rows", 0, 3, false}};
  for (const auto& row : rows) {
    CPptxShape shape = Shape(120, 240, 144.0 * row.cols, 60.0 * row.rows);
    shape.table.columnWidthsPt.assign(row.cols, 144);
    shape.table.rowHeightsPt.assign(row.rows, 60);
    shape.table.rows.assign(row.rows, std::vector<CPptxTableCell>(row.cols));
    CTablePlan plan;
    ASSERT_EQ(PlanTable(shape, CPptxDeck(), &plan), row.planned) << row.name;
    if (!row.planned) continue;
    EXPECT_EQ(plan.rows, row.rows) << row.name;
    EXPECT_EQ(plan.cols, row.cols) << row.name;
    EXPECT_NEAR(plan.x, -16.0f, 1e-5) << row.name;
    EXPECT_NEAR(plan.y, 2.0f, 1e-5) << row.name;
    ASSERT_EQ(plan.widths.size(), size_t(row.cols + 1)) << row.name;
    EXPECT_NEAR(plan.widths[row.cols], 9.6f, 1e-5) << row.name;
    EXPECT_NEAR(plan.heights[row.rows], 4.0f, 1e-5) << row.name;
  }
  CPptxShape ragged = Shape(0, 0, 10, 10);
  ragged.table.columnWidthsPt = {10, 10};
  ragged.table.rowHeightsPt = {10};
  ragged.table.rows = {std::vector<CPptxTableCell>(1)};
  CTablePlan plan;
  EXPECT_FALSE(PlanTable(ragged, CPptxDeck(), &plan));
}

// The ids are those of the cells the builder really made: each anchor is
// the hidden point of its cell's face, the left border joins the corners
// shared with the left neighbour, the top border those shared with the
// cell above.
TEST(SlidePlacement, TableIdsNameTheBuiltAnchorsAndBorders) {
  for (const auto& [rows, cols] : {std::pair{3, 3}, {2, 4}, {1, 1}, {4, 2}}) {
    CommandPage p;
    const float widths[] = {0, 2, 3, 4, 5}, heights[] = {0, 1, 2, 3, 4};
    ASSERT_GT(BuildTable(rows, cols, 1, 0, 0, widths, heights), 0);
    const WORD next = p.Page().m_nNextId;
    for (int r = 1; r <= rows; ++r) {
      for (int c = 1; c <= cols; ++c) {
        const WORD anchor = TableCellAnchor(next, rows, cols, r, c);
        const QString key = QString::number(r) + QString::number(c);
        ASSERT_NE(p.Find(anchor), nullptr) << key.toStdString();
        EXPECT_EQ(p.Find(anchor)->m_strName, QStringLiteral("T") + key);
        auto cornerName = [&](WORD line, int end) { return p.Find(p.Find(line)->m_parents[end])->m_strName; };
        if (c > 1) {  // the right edge of the left neighbour, ending at this cell's bottom-left corner
          const WORD left = TableLeftBorder(anchor);
          ASSERT_NE(p.As<CGLine>(left), nullptr) << key.toStdString();
          EXPECT_EQ(cornerName(left, 1), QStringLiteral("V") + QString::number(r) + QString::number(c - 1));
        }
        if (r > 1) {  // the bottom edge of the cell above, ending at its bottom-right corner
          const WORD top = TableTopBorder(anchor, cols);
          ASSERT_NE(p.As<CGLine>(top), nullptr) << key.toStdString();
          EXPECT_EQ(cornerName(top, 1), QStringLiteral("V") + QString::number(r - 1) + QString::number(c));
        }
      }
    }
  }
}

TEST(SlideText, NearWhiteTurnsBlackAndTheTextIsDrawn) {
  const struct {
    QColor in, out;
  } rows[] = {{QColor(221, 221, 221), QColor(Qt::black)}, {QColor(220, 255, 255), QColor(220, 255, 255)},
              {QColor(), QColor()}};
  for (const auto& row : rows) EXPECT_EQ(BoardTextColour(row.in), row.out) << row.in.name().toStdString();

  CPptxText text;
  CPptxParagraph paragraph;
  paragraph.align = Qt::AlignHCenter;
  CPptxRun run;
  run.text = QStringLiteral("白色文字"), run.sizePt = 24, run.bold = true, run.colour = QColor(255, 255, 255);
  paragraph.runs.push_back(run);
  text.paragraphs = {paragraph, paragraph};
  auto document = SlideTextDocument(text);
  EXPECT_EQ(document->blockCount(), 2);
  const QTextBlock block = document->firstBlock();
  EXPECT_EQ(block.blockFormat().alignment(), Qt::AlignHCenter);
  const QTextCharFormat format = block.begin().fragment().charFormat();
  EXPECT_EQ(format.foreground().color(), QColor(Qt::black)) << "white text is written black";

  CDlgRtEdit rendered;
  ASSERT_TRUE(RenderSlideRichText(*document, 288, 96, rendered));
  EXPECT_EQ(rendered.m_nMaskWidth, 288);
  EXPECT_EQ(rendered.m_nMaskHeight, 101) << "the paste's text area is 5 pixels higher";
  EXPECT_TRUE(std::any_of(rendered.m_mask.begin(), rendered.m_mask.end(), [](BYTE b) { return b != 0; }));
  EXPECT_EQ(rendered.m_strTitle, QStringLiteral("白色文字..."));
  const QByteArray rtf = UnpackRtfString(rendered.m_strText);
  EXPECT_TRUE(rtf.startsWith("{\\rtf1") && rtf.contains("\\b") && rtf.contains("\\qc")) << rtf.left(300).toStdString();
  EXPECT_FALSE(RenderSlideRichText(*document, 0, 10, rendered));
}

}  // namespace
