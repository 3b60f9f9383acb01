// Reading presentation packages: the zip limits, the slide list and size,
// the shapes of a slide with their texts, tables and placeholders, and
// hostile parts.
#include <gtest/gtest.h>

#include "editing/presentation/pptxdeck.h"
#include "editing/presentation/pptxpackage.h"
#include "support/pptxwriter.h"

namespace KAVREL_FILE_LOCAL {

TEST(PptxPackage, EntriesAreCheckedBeforeTheyAreInflated) {
  const QByteArray zeros(4 * 1024 * 1024, '\0');
  const QByteArray text = QByteArray("<a/>").repeated(100);
  struct Row {
    const char* name;
    QByteArray zip;
    bool opens, reads;
  };
  QByteArray truncated = WriteZip({{"x.xml", text}});
  truncated.chop(30);
  const Row rows[] = {
      {"ordinary", WriteZip({{"x.xml", text}}), true, true},
      {"inflating beyond 100 : 1", WriteZip({{"x.xml", zeros}}), true, false},
      {"not a zip", QByteArray("PK but no archive at all"), false, false},
      {"cut short", truncated, false, false},
  };
  for (const Row& row : rows) {
    CPptxPackage package;
    EXPECT_EQ(package.Open(row.zip), row.opens) << row.name;
    QByteArray bytes;
    EXPECT_EQ(package.Read(QStringLiteral("x.xml"), &bytes), row.reads) << row.name;
    EXPECT_EQ(bytes, row.reads ? text : QByteArray()) << row.name;
    EXPECT_EQ(package.Failure().isEmpty(), row.reads) << row.name;
  }
}

TEST(PptxDeck, SlidesInShowOrderWithTheSizeAndTheirShapes) {
  CFixtureSlide first;
  first.shapes = SlideTextBox(72, 54, 216, 72, QStringLiteral("甲"), QStringLiteral("1F3864"), QStringLiteral("sz=\"2400\" b=\"1\" u=\"sng\"")) +
                 SlidePlaceholder(QStringLiteral("title"), QStringLiteral("标题")) + SlideDrawnShape(0, 0, 10, 10) +
                 SlideChart(1, 2, 3, 4) + SlidePicture(10, 20, 30, 40, QStringLiteral("rId7")) +
                 SlideTable(120, 240, 144, 60, {{"a", "<h"}, {"^v", "d"}}) + SlidePlaceholder(QStringLiteral("body"), QString());
  first.media = {{QStringLiteral("rId7"), FixturePng(8, 8)}};
  first.layoutShapes = QStringLiteral("<p:sp><p:nvSpPr><p:cNvPr id=\"1\" name=\"t\"/><p:cNvSpPr/><p:nvPr><p:ph type=\"title\"/>"
                                      "</p:nvPr></p:nvSpPr><p:spPr><a:xfrm><a:off x=\"127000\" y=\"254000\"/>"
                                      "<a:ext cx=\"381000\" cy=\"508000\"/></a:xfrm></p:spPr></p:sp>");
  CFixtureSlide second;
  second.shapes = SlideTextBox(0, 0, 10, 10, QStringLiteral("乙"), QStringLiteral("scheme:accent1")) +
                  SlideTextBox(0, 0, 10, 10, QStringLiteral("丙"), QStringLiteral("scheme:tx1")) +
                  QStringLiteral("<mc:AlternateContent xmlns:mc=\"urn:mc\"><mc:Choice Requires=\"x\"><p:sp/></mc:Choice>"
                                 "<mc:Fallback><p:graphicFrame><p:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"12700\" "
                                 "cy=\"12700\"/></p:xfrm><a:graphic><a:graphicData><p:oleObj><p:embed/><p:pic><p:blipFill>"
                                 "<a:blip r:embed=\"rId3\"/></p:blipFill><p:spPr/></p:pic></p:oleObj></a:graphicData>"
                                 "</a:graphic></p:graphicFrame></mc:Fallback></mc:AlternateContent>");
  second.media = {{QStringLiteral("rId3"), FixturePng(4, 4)}};
  CPptxPackage package;
  ASSERT_TRUE(package.Open(WritePptx({first, second}, 960, 540)));
  CPptxDeck deck;
  QString failure;
  ASSERT_TRUE(ReadPptxDeck(package, &deck, &failure)) << failure.toStdString();
  EXPECT_DOUBLE_EQ(deck.widthPt, 960);
  EXPECT_DOUBLE_EQ(deck.heightPt, 540);
  ASSERT_EQ(deck.slideParts, (std::vector<QString>{"ppt/slides/slide1.xml", "ppt/slides/slide2.xml"}));

  CPptxSlide slide;
  ASSERT_TRUE(ReadPptxSlide(package, deck.slideParts[0], &slide, &failure)) << failure.toStdString();
  const std::vector<PptxShapeKind> kinds{PptxShapeKind::Text,    PptxShapeKind::Text,        PptxShapeKind::Unsupported,
                                         PptxShapeKind::Unsupported, PptxShapeKind::Picture, PptxShapeKind::Table,
                                         PptxShapeKind::Group};
  ASSERT_EQ(slide.shapes.size(), kinds.size());
  for (size_t i = 0; i < kinds.size(); ++i) EXPECT_EQ(slide.shapes[i].kind, kinds[i]) << "shape " << i;
  const CPptxShape& box = slide.shapes[0];
  EXPECT_DOUBLE_EQ(box.left, 72);
  EXPECT_DOUBLE_EQ(box.top, 54);
  const CPptxRun& run = box.text.paragraphs.at(0).runs.at(0);
  EXPECT_EQ(run.text, QStringLiteral("甲"));
  EXPECT_DOUBLE_EQ(run.sizePt, 24);
  EXPECT_TRUE(run.bold && run.underline && !run.italic);
  EXPECT_EQ(run.colour, QColor(31, 56, 100));
  const CPptxShape& title = slide.shapes[1];  // placed where its layout puts it
  EXPECT_TRUE(title.placed);
  EXPECT_DOUBLE_EQ(title.left, 10);
  EXPECT_DOUBLE_EQ(title.top, 20);
  EXPECT_EQ(slide.shapes[4].pictureTarget, QStringLiteral("ppt/media/s1rId7.png"));
  const CPptxTable& table = slide.shapes[5].table;
  EXPECT_EQ(table.columnWidthsPt, (std::vector<double>{144, 144}));
  EXPECT_EQ(table.rowHeightsPt, (std::vector<double>{60, 60}));
  EXPECT_TRUE(table.rows[0][1].hMerge && !table.rows[0][1].vMerge);
  EXPECT_TRUE(table.rows[1][0].vMerge && !table.rows[1][0].hMerge);
  EXPECT_EQ(table.rows[1][1].text.paragraphs.at(0).runs.at(0).text, QStringLiteral("d"));

  // Theme colours by name and alias; an embedded object by its preview picture.
  CPptxSlide themed;
  ASSERT_TRUE(ReadPptxSlide(package, deck.slideParts[1], &themed, &failure)) << failure.toStdString();
  ASSERT_EQ(themed.shapes.size(), 3u);
  EXPECT_EQ(themed.shapes[0].text.FirstColour(), QColor(0x44, 0x72, 0xC4));
  EXPECT_EQ(themed.shapes[1].text.FirstColour(), QColor(Qt::black));
  EXPECT_EQ(themed.shapes[2].kind, PptxShapeKind::Picture);
  EXPECT_EQ(themed.shapes[2].pictureTarget, QStringLiteral("ppt/media/s2rId3.png"));
}

TEST(PptxDeck, TargetsResolveInsideThePackageOnly) {
  const struct {
    const char *part, *target, *expected;
  } rows[] = {{"ppt/slides/slide1.xml", "../media/a.png", "ppt/media/a.png"},
              {"ppt/presentation.xml", "slides/slide2.xml", "ppt/slides/slide2.xml"},
              {"ppt/slides/slide1.xml", "/ppt/media/b.png", "ppt/media/b.png"},
              {"ppt/slides/slide1.xml", "../../../etc/passwd", ""}};
  for (const auto& row : rows)
    EXPECT_EQ(ResolvePptxTarget(row.part, row.target), QString::fromLatin1(row.expected)) << row.target;
}

TEST(PptxDeck, DamagedAndHostilePartsFailOrReadAsText) {
  struct Row {
    const char* name;
    QByteArray xml;
    bool reads;
  };
  const QByteArray deep = "<sld><spTree><graphicFrame>" + QByteArray("<graphicData>").repeated(200000) +
                          QByteArray("</graphicData>").repeated(200000) + "</graphicFrame><sp><nvSpPr>" +
                          QByteArray("<nvPr>").repeated(200000) + QByteArray("</nvPr>").repeated(200000) +
                          "</nvSpPr></sp></spTree></sld>";
  const Row rows[] = {
      {"nested without end", deep, true},
      {"unclosed", "<p:sld xmlns:p=\"urn:p\"><p:cSld><p:spTree><p:sp>", false},
      {"not xml", "\x01\x02 garbage", false},
      {"external entity", "<!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><sld><spTree><sp><txBody><p><r><t>&e;</t>"
                          "</r></p></txBody></sp></spTree></sld>", true},
  };
  for (const Row& row : rows) {
    CPptxSlide slide;
    QString failure;
    EXPECT_EQ(ParsePptxShapes(row.xml, {}, &slide, &failure), row.reads) << row.name;
    EXPECT_EQ(failure.isEmpty(), row.reads) << row.name;
    for (const CPptxShape& shape : slide.shapes)
      for (const CPptxParagraph& p : shape.text.paragraphs)
        for (const CPptxRun& run : p.runs) EXPECT_FALSE(run.text.contains(QStringLiteral("root:"))) << row.name;
  }
  CPptxPackage package;
  ASSERT_TRUE(package.Open(WriteZip({{"ppt/other.xml", "<x/>"}})));
  CPptxDeck deck;
  QString failure;
  EXPECT_FALSE(ReadPptxDeck(package, &deck, &failure));
  EXPECT_FALSE(failure.isEmpty());
  // A slide size with a side of 0 keeps the 4:3 default centre.
  ASSERT_TRUE(package.Open(WritePptx({}, 960, 0)));
  ASSERT_TRUE(ReadPptxDeck(package, &deck, &failure));
  EXPECT_EQ(std::pair(deck.widthPt, deck.heightPt), std::pair(720.0, 540.0));
}

}  // namespace
