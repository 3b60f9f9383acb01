// The import command on a document: slide ranges, what each shape makes
// with its undo step, tables with merged cells, skipped shapes, .ppt files
// through the converter seam, and files that cannot be imported.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include "cells/primitives/cgline.h"
#include "cells/texts/cgtextbit.h"
#include "editing/presentation/pptdialog.h"
#include "platform/commandids.h"
#include "platform/processrunner.h"
#include "support/commandpage.h"
#include "support/pptxwriter.h"

namespace KAVREL_FILE_LOCAL {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QFile file(dir.filePath(name));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return file.fileName();
}

// Slide k holds k text boxes, so a page tells which slide it came from.
QByteArray CountingDeck(int slides) {
  std::vector<CFixtureSlide> deck(slides);
  for (int k = 0; k < slides; ++k)
    for (int i = 0; i <= k; ++i) deck[k].shapes += SlideTextBox(10 + 40 * i, 10, 30, 30, QStringLiteral("字"));
  return WritePptx(deck);
}

// A package of 530 MB: the deck's parts, then a video part of zero bytes
// stored as it is, written as a hole in the file (no disk taken).
QString WriteDeckWithLargeVideo(const QTemporaryDir& dir, const QByteArray& deck) {
  constexpr quint32 kVideoBytes = 530u << 20, kZerosCrc = 0x71f018cb;  // CRC-32 of that many zero bytes
  const QByteArray name = "ppt/media/media1.mp4";
  const auto u16 = [](QByteArray& b, quint32 v) { b.append(char(v & 0xFF)).append(char(v >> 8 & 0xFF)); };
  const auto u32 = [&u16](QByteArray& b, quint32 v) { u16(b, v & 0xFFFF), u16(b, v >> 16); };
  const auto at = [&deck](qsizetype i) { return qFromLittleEndian<quint32>(deck.constData() + i); };
  const qsizetype end = deck.size() - 22;  // the end record; the writer adds no comment
  const quint32 entries = at(end + 8) & 0xFFFF, directoryBytes = at(end + 12), directory = at(end + 16);
  // Stored, sizes and CRC, name: the fields both headers share from "version needed" on.
  QByteArray common;
  u16(common, 10), u16(common, 0), u16(common, 0), u16(common, 0), u16(common, 0x21);
  u32(common, kZerosCrc), u32(common, kVideoBytes), u32(common, kVideoBytes), u16(common, quint32(name.size()));
  u16(common, 0);
  QByteArray local, central, tail;
  u32(local, 0x04034b50);
  local += common + name;
  u32(central, 0x02014b50), u16(central, 20);
  central += common;
  u16(central, 0), u16(central, 0), u16(central, 0), u32(central, 0), u32(central, directory);
  central += name;
  u32(tail, 0x06054b50), u32(tail, 0), u16(tail, entries + 1), u16(tail, entries + 1);
  u32(tail, directoryBytes + quint32(central.size())), u32(tail, directory + quint32(local.size()) + kVideoBytes);
  u16(tail, 0);
  QFile file(dir.filePath(QStringLiteral("video.pptx")));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(deck.left(directory) + local);
  file.seek(file.pos() + kVideoBytes);
  file.write(deck.mid(directory, directoryBytes) + central + tail);
  return file.fileName();
}

std::vector<QString> UndoNames(CGPage& page) {
  std::vector<QString> names;
  while (page.m_undo.CanUndo()) {
    names.insert(names.begin(), page.m_undo.CurrentCommand()->GetName());
    page.m_undo.Undo();
  }
  return names;
}

struct Import {
  CommandPage p;
  QTemporaryDir dir;
  size_t pagesBefore = p.doc.m_pages.size();

  void Run(const QString& path, int from, int to, bool convert = true) {
    p.seams.fileChooser->answers.push_back(path);
    CDlgPPT answer;
    answer.m_nFrom = from, answer.m_nTo = to, answer.m_bConvert = convert;
    p.dialogs->Ok(answer);
    p.Run(ID_CREATE_TEXT3);
  }
  std::vector<CGPage*> NewPages() const {
    std::vector<CGPage*> pages;
    for (size_t i = pagesBefore; i < p.doc.m_pages.size(); ++i) pages.push_back(p.doc.m_pages[i].get());
    return pages;
  }
};

TEST(PresentationImport, TheRangeIsOrderedAndCutAtTheLastSlide) {
  const struct {
    int slides, from, to;
    std::vector<int> imported;
    bool largeVideo = false;  // a stored video part of 530 MB besides the slides
  } rows[] = {{6, 5, 3, {3, 4, 5}},
              {4, 2, 99, {2, 3, 4}},
              {3, 1, 1, {1}},
              {2, 0, 2, {1, 2}},
              {3, 1, 3, {1, 2, 3}, true}};
  for (const auto& row : rows) {
    Import im;
    const QString path = row.largeVideo ? WriteDeckWithLargeVideo(im.dir, CountingDeck(row.slides))
                                        : Write(im.dir, QStringLiteral("deck.pptx"), CountingDeck(row.slides));
    im.Run(path, row.from, row.to);
    const std::string name = std::to_string(row.from) + " to " + std::to_string(row.to);
    const std::vector<CDlgPPT> offered = im.p.dialogs->Offered<CDlgPPT>();
    ASSERT_EQ(offered.size(), 1u) << name;
    EXPECT_EQ(offered[0].m_strSource, path);
    EXPECT_EQ(offered[0].m_nFrom, 1);
    EXPECT_EQ(offered[0].m_nTo, row.slides);
    EXPECT_EQ(offered[0].m_bConvert, 1);
    const std::vector<CGPage*> pages = im.NewPages();
    ASSERT_EQ(pages.size(), row.imported.size()) << name;
    for (size_t i = 0; i < pages.size(); ++i) EXPECT_EQ(pages[i]->m_cells.GetCount(), row.imported[i]) << name;
    EXPECT_EQ(g_pCurPage, pages.back()) << name;
    EXPECT_TRUE(im.p.doc.IsModified()) << name;
  }
}

TEST(PresentationImport, ShapesBecomeCellsInOrderEachOneUndoStep) {
  Import im;
  CFixtureSlide slide;
  slide.shapes = SlideTextBox(72, 54, 216, 72, QStringLiteral("白字"), QStringLiteral("FFFFFF")) +
                 SlideTextBox(72, 300, 216, 72, QStringLiteral("蓝字"), QStringLiteral("1F3864")) +
                 SlideDrawnShape(0, 0, 50, 50) + SlidePicture(360, 270, 60, 30, QStringLiteral("rId5")) +
                 SlideChart(0, 0, 100, 100) + SlidePicture(0, 0, 60, 30, QStringLiteral("rIdMissing")) +
                 SlideTable(120, 240, 144, 60, {{"a", "<h", "c"}, {"d", "e", "f"}, {"^v", "h", "i"}});
  slide.media = {{QStringLiteral("rId5"), FixturePng(80, 40)}};
  CFixtureSlide onlySkipped;
  onlySkipped.shapes = SlideDrawnShape(0, 0, 5, 5);
  const QString path = Write(im.dir, QStringLiteral("deck.pptx"), WritePptx({slide, onlySkipped}));
  im.Run(path, 1, 2);
  ASSERT_EQ(im.NewPages().size(), 2u);
  CGPage& page = *im.NewPages()[0];
  EXPECT_EQ(im.NewPages()[1]->m_cells.GetCount(), 0) << "a slide of only skipped shapes gives an empty page";
  EXPECT_EQ(im.p.seams.notifier->Texts(),
            std::vector<QString>{Utf8("演示文稿“%1”中有 %2 个图形（绘制图形、图表、图示、组合或 EMF 图片）无法导入，已跳过。")
                                     .arg(path)
                                     .arg(4)});

  auto* white = dynamic_cast<CGTextbit*>(page.m_cells.Lookup(1));
  auto* blue = dynamic_cast<CGTextbit*>(page.m_cells.Lookup(2));
  auto* picture = dynamic_cast<CGTextbit*>(page.m_cells.Lookup(3));
  ASSERT_TRUE(white && blue && picture);
  EXPECT_NEAR(white->m_vLabelAnchor[0], -19.2f, 1e-4);
  EXPECT_NEAR(white->m_vLabelAnchor[1], 9.6f, 1e-4);
  EXPECT_EQ(white->m_nWidth, 288u);
  EXPECT_EQ(white->m_nHeight, 101u) << "the paste's text area, 5 pixels higher than the frame";
  EXPECT_EQ(white->m_nSubKind, 1);
  EXPECT_EQ(white->m_strName, QStringLiteral("白字"));
  EXPECT_FALSE(white->m_strVodName.isEmpty()) << "the rich text is kept";
  EXPECT_EQ(white->m_rgbaColor, CGTextbit().m_rgbaColor) << "white text keeps the default colour";
  EXPECT_TRUE(std::any_of(white->Pixels().begin(), white->Pixels().end(), [](BYTE b) { return b != 0; }))
      << "white text is drawn black";
  EXPECT_EQ(blue->m_rgbaColor, (RGBA{31, 56, 100, 255}));
  EXPECT_EQ(picture->m_nSubKind, 0);
  EXPECT_EQ(picture->m_nWidth, 80u);
  EXPECT_EQ(picture->m_nHeight, 40u);
  EXPECT_NEAR(picture->m_vLabelAnchor[0], 0.0f, 1e-5);
  EXPECT_NEAR(picture->m_vLabelAnchor[1], -2.0f, 1e-5);

  // The 3 x 3 table: its cells follow the picture; the merged cells hide
  // the border between them and carry no text.
  const WORD tableFirst = 4, tableCells = 5 * 9 + 2 * 6 + 2;
  std::vector<WORD> hidden;
  for (WORD id = tableFirst; id < tableFirst + tableCells; ++id)
    if (auto* line = dynamic_cast<CGLine*>(page.m_cells.Lookup(id)); line && line->m_bHidden) hidden.push_back(id);
  const WORD next = tableFirst + tableCells;  // the cell anchors are next - 2 - 5 (3 (3 - r) + (3 - c))
  auto anchor = [&](int r, int c) { return WORD(next - 2 - 5 * (3 * (3 - r) + (3 - c))); };
  EXPECT_EQ(hidden, (std::vector<WORD>{WORD(anchor(1, 2) - 7), WORD(anchor(3, 1) - 15 - 3)}));
  std::vector<WORD> followed;
  for (WORD id = next; id < page.m_nNextId; ++id) {
    auto* text = dynamic_cast<CGTbHenchman*>(page.m_cells.Lookup(id));
    ASSERT_NE(text, nullptr) << id;
    followed.push_back(text->m_parents.at(0));
  }
  EXPECT_EQ(followed, (std::vector<WORD>{anchor(3, 2), anchor(3, 3), anchor(2, 1), anchor(2, 2), anchor(2, 3),
                                         anchor(1, 1), anchor(1, 3)}))
      << "from the last row up";

  const int cells = page.m_cells.GetCount();
  im.p.doc.SwitchToPage(&page);
  std::vector<QString> expected{Utf8("插入文本"), Utf8("插入文本"), Utf8("粘贴图文"), Utf8("添加表格")};
  expected.insert(expected.end(), 7, Utf8("插入附点文本"));
  EXPECT_EQ(UndoNames(page), expected);
  EXPECT_EQ(page.m_cells.GetCount(), 0);
  while (page.m_undo.CanRedo()) page.m_undo.Redo();
  EXPECT_EQ(page.m_cells.GetCount(), cells);
}

TEST(PresentationImport, MergeMarksWithoutANeighbourHideNothing) {
  Import im;
  CFixtureSlide slide;
  slide.shapes = SlideTable(0, 0, 50, 20, {{"<h", "^v"}, {"c", "d"}});
  im.Run(Write(im.dir, QStringLiteral("d.pptx"), WritePptx({slide})), 1, 1);
  CGPage& page = *im.NewPages().at(0);
  for (WORD id = 1; id < page.m_nNextId; ++id)
    if (auto* line = dynamic_cast<CGLine*>(page.m_cells.Lookup(id))) { EXPECT_FALSE(line->m_bHidden) << id; }
  EXPECT_TRUE(im.p.seams.notifier->Texts().empty());
}

TEST(PresentationImport, WithTheOptionOffTextFramesBecomePictures) {
  Import im;
  CFixtureSlide slide;
  slide.shapes = SlideTextBox(72, 54, 216, 72, QStringLiteral("白字"), QStringLiteral("FFFFFF")) +
                 QStringLiteral("<p:grpSp><p:grpSpPr/></p:grpSp>");
  im.Run(Write(im.dir, QStringLiteral("d.pptx"), WritePptx({slide})), 1, 1, false);
  CGPage& page = *im.NewPages().at(0);
  auto* text = dynamic_cast<CGTextbit*>(page.m_cells.Lookup(1));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->m_nSubKind, 0);
  EXPECT_EQ(text->m_nWidth, 288u);
  EXPECT_EQ(text->m_nHeight, 96u);
  EXPECT_NEAR(text->m_vLabelAnchor[1], 9.6f, 1e-4);
  EXPECT_TRUE(text->m_strVodName.isEmpty());
  EXPECT_EQ(page.m_undo.CurrentCommand()->GetName(), Utf8("粘贴图文"));
  EXPECT_EQ(im.p.seams.notifier->Texts().size(), 1u) << "the group is skipped with the option off";
}

TEST(PresentationImport, FilesThatCannotBeImportedSayWhyAndKeepEarlierPages) {
  QTemporaryDir dir;
  CFixtureSlide good;
  good.shapes = SlideTextBox(0, 0, 50, 20, QStringLiteral("好"));
  QByteArray damaged = WritePptx({good, good});
  // The second slide's part made unreadable XML (same length keeps the zip sound).
  ZipEntries entries{{"ppt/presentation.xml", "<p:presentation xmlns:p=\"urn:p\" xmlns:r=\"urn:r\"><p:sldIdLst>"
                                              "<p:sldId r:id=\"a\"/><p:sldId r:id=\"b\"/></p:sldIdLst></p:presentation>"},
                     {"ppt/_rels/presentation.xml.rels",
                      "<Relationships><Relationship Id=\"a\" Target=\"slides/s1.xml\"/>"
                      "<Relationship Id=\"b\" Target=\"slides/s2.xml\"/></Relationships>"},
                     {"ppt/slides/s1.xml", "<sld><spTree></spTree></sld>"},
                     {"ppt/slides/s2.xml", "<sld><spTree><sp>"}};
  const struct {
    const char* name;
    QByteArray bytes;
    int pages;
  } rows[] = {{"not a zip", "plain text", 0},
              {"no presentation", WriteZip({{"word/document.xml", "<w/>"}}), 0},
              {"no slides", WritePptx({}), 0},
              {"second slide damaged", WriteZip(entries), 1}};
  for (const auto& row : rows) {
    Import im;
    const QString path = Write(im.dir, QStringLiteral("bad.pptx"), row.bytes);
    im.Run(path, 1, 2);
    EXPECT_EQ(im.NewPages().size(), size_t(row.pages)) << row.name;
    const std::vector<QString> texts = im.p.seams.notifier->Texts();
    ASSERT_EQ(texts.size(), 1u) << row.name;
    EXPECT_TRUE(texts[0].contains(path)) << row.name << ": " << texts[0].toStdString();
  }
}

class FakeOffice : public IProcessRunner {
 public:
  QString FindProgram(const QString& name) override { return installed && name == "soffice" ? "/fake/soffice" : ""; }
  CProcessResult Run(const QString& program, const QStringList& arguments, int timeoutMs) override {
    calls.push_back(arguments);
    this->program = program;
    timeout = timeoutMs;
    CProcessResult result;
    result.started = true;
    result.timedOut = timedOut;
    result.exitCode = exitCode;
    if (!output.isEmpty() && exitCode == 0 && !timedOut) {
      const QString folder = arguments.at(arguments.indexOf("--outdir") + 1);
      QFile file(QDir(folder).filePath(QFileInfo(arguments.last()).completeBaseName() + ".pptx"));
      if (file.open(QIODevice::WriteOnly)) file.write(output);
    }
    return result;
  }
  bool installed = true, timedOut = false;
  int exitCode = 0;
  QByteArray output;
  std::vector<QStringList> calls;
  QString program;
  int timeout = 0;
};

TEST(PresentationImport, OlderFilesGoThroughLibreOffice) {
  const struct {
    const char* name;
    bool installed, timedOut;
    int exitCode;
    bool writes;
    const char* message;  // null: imported
  } rows[] = {
      {"converted", true, false, 0, true, nullptr},
      {"not installed", false, false, 0, false, "导入 .ppt 文件需要安装 LibreOffice（soffice），请安装后重试，或先另存为 .pptx 文件。"},
      {"timed out", true, true, 0, false, "LibreOffice 转换超时（120 秒）"},
      {"failed", true, false, 1, false, "LibreOffice 转换失败：1"},
      {"wrote nothing", true, false, 0, false, "LibreOffice 转换失败：0"},
  };
  for (const auto& row : rows) {
    Import im;
    auto office = std::make_unique<FakeOffice>();
    FakeOffice* fake = office.get();
    fake->installed = row.installed, fake->timedOut = row.timedOut, fake->exitCode = row.exitCode;
    if (row.writes) fake->output = CountingDeck(2);
    auto previous = SetProcessRunner(std::move(office));
    const QString path = Write(im.dir, QStringLiteral("Lesson.PPT"), "binary");
    im.Run(path, 1, 2);
    auto restored = SetProcessRunner(std::move(previous));
    EXPECT_EQ(im.NewPages().size(), row.message ? 0u : 2u) << row.name;
    EXPECT_EQ(im.p.seams.notifier->Texts(),
              row.message ? std::vector<QString>{Utf8("无法导入演示文稿“%1”：%2").arg(path, Utf8(row.message))}
                          : std::vector<QString>{})
        << row.name;
    if (!row.installed) continue;
    ASSERT_EQ(fake->calls.size(), 1u) << row.name;
    const QStringList& args = fake->calls[0];
    EXPECT_TRUE(args.at(0).startsWith("-env:UserInstallation=file://")) << row.name;
    EXPECT_EQ(args.mid(1, 3), (QStringList{"--headless", "--convert-to", "pptx"})) << row.name;
    EXPECT_EQ(args.last(), path) << row.name;
    EXPECT_EQ(fake->timeout, 120000) << row.name;
  }
}

}  // namespace
