// fuzz_makeseeds FOLDER
//
// Writes the seeds of the fuzzing corpus (tests/fuzz/corpus in the source
// tree) with the program's own writers: documents every build must load
// (document/must-load), rich texts, presentation packages, clipboard
// records, tool sets, metafiles, picture files and recorded user tools.  Run it again after a change to
// what these files store, and commit what it writes.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <cstdio>
#include <limits>
#include <numbers>

#include "app/documenttestsupport.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/constructed/follower2d.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgarc.h"
#include "editing/clipboardexchange.h"
#include "editing/toolrecording.h"
#include "fuzzsupport.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/usertool.h"
#include "model/selection.h"
#include "platform/archive.h"
#include "platform/archivecollections.h"
#include "richtext/keptobjects.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "support/commandpage.h"
#include "support/everyclass.h"
#include "support/pptxwriter.h"
#include "support/wmfwriter.h"
#include "support/writer3ds.h"

namespace {

bool g_failed = false;

void Write(const QString& folder, const QString& name, const QByteArray& bytes) {
  QDir().mkpath(folder);
  QFile file(QDir(folder).filePath(name));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "fuzz_makeseeds: cannot write %s\n", qPrintable(file.fileName()));
    g_failed = true;
  }
}

class Documents : public DocumentFileTest {
 public:
  void TestBody() override {}
};

// Where the every-class document's 3DS model is written: a folder of a
// fixed name, so that the seeds name the same model path every time.
QString ModelFolder() {
  const QString folder = QDir::temp().filePath(QStringLiteral("kavrel-seeds"));
  QDir().mkpath(folder);
  return folder;
}

// The every-class document; the same with whole turns of arcs added to its
// first page; the same with its first four free points at the float limit.
void WriteDocuments(const QString& folder) {
  Documents setUp;  // every class registered, the seams recorded
  CKavrelDoc every;
  BuildEveryClassDocument(every, ModelFolder());
  Write(folder, QStringLiteral("every-cell-class.kv"), DocumentBytes(every));

  CKavrelDoc arcs;
  BuildEveryClassDocument(arcs, ModelFolder());
  CGPage& page = *arcs.m_pages.front();
  constexpr float kTurn = 2 * std::numbers::pi_v<float>;
  for (const float start : {kTurn, -kTurn, 2 * kTurn}) {
    auto* arc = new CGArc(page.m_nNextId++, 0, 0, 0, 1, 0, 0, 0, 1, 0, start, start + 1, kArcArc);
    page.m_cells.SetAt(arc->m_nId, arc);
  }
  Write(folder, QStringLiteral("arcs-starting-at-two-pi.kv"), DocumentBytes(arcs));

  CKavrelDoc limits;
  BuildEveryClassDocument(limits, ModelFolder());
  constexpr float kMax = std::numeric_limits<float>::max();
  const float at[4][3] = {{kMax, 0, 0}, {-kMax, kMax, 0}, {0, 0, -kMax}, {kMax, kMax, kMax}};
  for (WORD id = 1; id <= 4; ++id)
    std::copy_n(at[id - 1], 3, static_cast<CGVertex*>(limits.m_pages.front()->m_cells.Lookup(id))->m_vPos);
  Write(folder, QStringLiteral("points-at-the-float-limit.kv"), DocumentBytes(limits));
}

// Each page of the every-class document whole and as its cells, as the
// copy command writes them: every cell that can be copied.
void WriteEveryClassRecords(const QString& folder) {
  Documents setUp;  // every class registered, the seams recorded
  CKavrelDoc every;
  BuildEveryClassDocument(every, ModelFolder());
  for (const auto& page : every.m_pages) {
    every.SwitchToPage(page.get());
    page->ClearSelection();
    SelectAllOfKind(0);
    Write(folder, QStringLiteral("every-class-%1-cells.rec").arg(page->m_strName), MakeClipboardRecord(*page));
    page->ClearSelection();
    page->m_bSelected = true;
    Write(folder, QStringLiteral("every-class-%1-page.rec").arg(page->m_strName), MakeClipboardRecord(*page));
    page->m_bSelected = false;
  }
}

// A tool set, as a file of the Tools folder holds it: the header and the
// tools recorded from every page of the every-class document.
void WriteToolSets(const QString& folder) {
  Documents setUp;  // every class registered, the seams recorded
  CKavrelDoc every;
  BuildEveryClassDocument(every, ModelFolder());
  CArchive ar;
  ar << kDocumentMark1 << kDocumentMark2 << static_cast<DWORD>(kDocumentVersion) << DWORD(0) << DWORD(0);
  WriteToolList(ar, RecordEveryPageTool(every));
  Write(folder, QStringLiteral("every-class-tools.kv"), ar.Bytes());
}

QByteArray Png(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

QImage Picture() {
  QImage image(12, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 12; ++x) image.setPixel(x, y, qRgb(x * 20, y * 30, (x + y) * 10));
  return image;
}

void WriteRichTexts(const QString& folder) {
  QTextDocument doc;
  QTextCursor cursor(&doc);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  bold.setFontFamilies({QStringLiteral("宋体")});
  bold.setForeground(QColor(200, 30, 30));
  cursor.insertText(QString::fromUtf8("勾股定理 a² + b² = c²\t"), bold);
  QTextCharFormat super;
  super.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
  cursor.insertText(QStringLiteral("2"), super);
  cursor.insertBlock();
  cursor.createList(QTextListFormat::ListDecimal);
  cursor.insertText(QStringLiteral("one"));
  cursor.insertBlock();
  cursor.insertText(QStringLiteral("two"));
  Write(folder, QStringLiteral("formatted-and-numbered.rtf"), WriteRtf(doc));

  QTextDocument picture;
  ReadRtf("{\\rtf1 a" + PictureFileRtf(Png(Picture(), "PNG")) + "{\\*\\kvmark kept}b\\par}", picture);
  Write(folder, QStringLiteral("picture-and-kept-group.rtf"), WriteRtf(picture));

  QTextDocument emptyList;
  ReadRtf("{\\rtf1{\\*\\pn\\pndec}\\par}", emptyList);
  Write(folder, QStringLiteral("empty-numbered-paragraph.rtf"), WriteRtf(emptyList));
  Write(folder, QStringLiteral("unknown-group-of-a-group.rtf"), "{\\rtf1 a{\\*{\\foo bar}}b}");
  Write(folder, QStringLiteral("picture-after-inner-group.rtf"), "{\\rtf1 a{{}\\pict 00}b\\par}");
}

void WritePresentations(const QString& folder) {
  std::vector<CFixtureSlide> deck(2);
  deck[0].shapes = SlideTextBox(10, 10, 200, 40, QString::fromUtf8("标题"), QStringLiteral("FF0000")) +
                   SlidePlaceholder(QStringLiteral("body"), QStringLiteral("text")) +
                   SlideDrawnShape(50, 60, 80, 40);
  deck[0].layoutShapes = SlidePlaceholder(QStringLiteral("body"), QString());
  deck[1].shapes = SlidePicture(20, 20, 100, 100, QStringLiteral("rIdPic")) + SlideChart(0, 0, 50, 50) +
                   SlideTable(10, 200, 60, 20, {{QStringLiteral("a"), QStringLiteral("<h")}, {QStringLiteral("b"), QStringLiteral("c")}});
  deck[1].media = {{QStringLiteral("rIdPic"), FixturePng(8, 8)}};
  Write(folder, QStringLiteral("two-slides.pptx"), WritePptx(deck));
}

void WriteClipboardRecords(const QString& folder) {
  CommandPage p;
  const std::vector<WORD> points = p.Points(3);
  const WORD line = p.Line(points[0], points[1]);
  const WORD face = p.Face(points);
  p.Select({line, face});
  Write(folder, QStringLiteral("line-and-face.rec"), MakeClipboardRecord(p.Page()));
  p.Page().m_selAll.clear();
  p.Page().m_bSelected = true;
  Write(folder, QStringLiteral("whole-page.rec"), MakeClipboardRecord(p.Page()));
}

void WritePictures(const QString& folder) {
  const QImage image = Picture();
  for (const char* format : {"PNG", "BMP", "JPEG", "PPM"})
    Write(folder, QStringLiteral("picture.") + QString::fromLatin1(format).toLower(), Png(image, format));
  Write(folder, QStringLiteral("palette.png"), Png(image.convertToFormat(QImage::Format_Indexed8), "PNG"));
  Write(folder, QStringLiteral("grey.bmp"), Png(image.convertToFormat(QImage::Format_Grayscale8), "BMP"));
}

// A tool-set file: the document header and the tool list, as the Tools
// folder holds them.
QByteArray ToolSet(const std::vector<const CRecord*>& tools) {
  CArchive ar;
  ar << kDocumentMark1 << kDocumentMark2 << static_cast<DWORD>(kDocumentVersion) << DWORD(0) << DWORD(0);
  std::vector<const CObject*> records(tools.begin(), tools.end());
  WriteObList(ar, records);
  return ar.Bytes();
}

// Tools recorded from the selection as the user records them: segment AB
// with its midpoint (two point inputs), a point following A at a value
// computed from t (a point and a value input), and the value alone (a value
// input).  Each is a tool set of its own, all three one more, and the
// document they were recorded in keeps them.
void WriteRecordedTools(const QString& tools, const QString& documents) {
  CommandPage p;
  CGPage& page = p.Page();
  const WORD a = p.Point(), b = p.Point(1, 2, 0), ab = p.Line(a, b);
  const WORD m = p.Enter(new CGVerMid(page.m_nNextId++, page.m_nNextVertex++, QStringLiteral("M"), ab));
  const WORD t = p.Enter(new CGTmVarParameter(page.m_nNextId++, QStringLiteral("t"), 2.5f));
  const WORD calc = p.Enter(new CGTmVarCalculator(page.m_nNextId++, {t}, "No1*2", QString()));
  const WORD follower = p.Enter(new CGVerFree2dHenchman(page.m_nNextId++, page.m_nNextVertex++, "F", 1, 1, a));
  const struct {
    const char* file;
    std::vector<WORD> selected;
  } recorded[] = {{"segment-and-midpoint.kv", {ab, m}}, {"point-and-value.kv", {follower, calc}},
                  {"value-only.kv", {calc}}};
  std::vector<const CRecord*> all;
  for (const auto& r : recorded) {
    p.Select(r.selected);
    p.seams.notifier->answers = {IDOK};  // the structure extended by its inputs
    std::unique_ptr<CRecord> tool = CreateToolFromSelection();
    if (!tool) {
      std::fprintf(stderr, "fuzz_makeseeds: %s records no tool\n", r.file);
      g_failed = true;
      continue;
    }
    tool->m_strName = QString::fromLatin1(r.file).chopped(3);
    Write(tools, QString::fromLatin1(r.file), ToolSet({tool.get()}));
    all.push_back(tool.get());
    p.doc.m_tools.push_back(std::move(tool));
  }
  page.ClearSelection();
  Write(tools, QStringLiteral("recorded-tools.kv"), ToolSet(all));
  Write(documents, QStringLiteral("recorded-tools.kv"), DocumentBytes(p.doc));
}

}  // namespace

// 3DS models: a textured cube, a coloured icosahedron, several objects
// sharing materials, and a colour stored as floats.
void WriteModels(const QString& folder) {
  Material3dsSpec red{"red", {200, 30, 30}, {}}, wood{"wood", {255, 255, 255}, "wood.jpg"};
  Mesh3dsSpec cube = Box3ds("cube", 0, 0, 0, 10, 10, 10);
  cube.material = "wood";
  Mesh3dsSpec ico = Icosahedron3ds("ico", 6);
  ico.material = "red";
  ico.uv.clear();
  Write(folder, QStringLiteral("cube.3ds"), Write3ds({wood}, {cube}));
  Write(folder, QStringLiteral("icosahedron.3ds"), Write3ds({red}, {ico}, 4));
  Mesh3dsSpec grid = Grid3ds("grid", 3, 2, 1.5f);
  grid.materialList = false;
  Write(folder, QStringLiteral("several.3ds"), Write3ds({red, wood}, {ico, cube, grid}));
  C3dsWriter floats;
  floats.Open(0x4D4D).Open(0xAFFF).Open(0xA000).Text("F").Close();
  floats.Open(0xA020).Open(0x0010).Float(0.5f).Float(0.25f).Float(1.0f).Close().Close().Close();
  Write(folder, QStringLiteral("float-colour.3ds"), floats.Bytes());
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_makeseeds FOLDER\n");
    return 2;
  }
  FuzzSetUpOnce();
  const QString root = QString::fromLocal8Bit(argv[1]);
  WriteDocuments(root + QStringLiteral("/document/must-load"));
  WriteRichTexts(root + QStringLiteral("/rtf"));
  WritePresentations(root + QStringLiteral("/pptx"));
  WriteClipboardRecords(root + QStringLiteral("/clipboard"));
  WriteEveryClassRecords(root + QStringLiteral("/clipboard"));
  WriteToolSets(root + QStringLiteral("/tools"));
  Write(root + QStringLiteral("/metafile"), QStringLiteral("formula-preview.wmf"), FormulaPreviewWmf());
  Write(root + QStringLiteral("/metafile"), QStringLiteral("placeable-preview.wmf"), PlaceableWmf(FormulaPreviewWmf()));
  WritePictures(root + QStringLiteral("/picture"));
  WriteModels(root + QStringLiteral("/model3ds"));
  WriteRecordedTools(root + QStringLiteral("/tooluse/must-load"), root + QStringLiteral("/document/must-load"));
  return g_failed ? 1 : 0;
}
