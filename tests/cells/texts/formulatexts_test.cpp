// Formula texts and ink without a GL context: new texts, records with and
// without pictures, recolouring with the background as backdrop, strokes
// grouped into ink cells, and hostile records.
#include <cmath>
#include <cstring>
#include <QTemporaryDir>
#include <functional>

#include "../celltestsupport.h"
#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/inkmarks.h"
#include "formula/drawing/formulapictures.h"
#include "model/document/kavreldoc.h"
#include "model/document/usertool.h"
#include "model/selection.h"
#include "platform/crtrandom.h"

namespace KAVREL_FILE_LOCAL {

const QString kMarkup = QStringLiteral("<#><l><e>A+B</e></l></#>");

std::vector<BYTE> Rendered(const RGBA& c, COLORREF option, int* width = nullptr, int* height = nullptr) {
  int w = 0, h = 0;
  return RenderVodToMask(c.r | c.g << 8 | c.b << 16, option, kMarkup, c.a, width ? width : &w, height ? height : &h);
}

// The picture part of a record: size, then the pixels as rendered.
QByteArray PictureRecord(const RGBA& c, COLORREF option) {
  int w = 0, h = 0;
  const std::vector<BYTE> pixels = Rendered(c, option, &w, &h);
  return RecordBytes().u32(w).u32(h).bytes(QByteArray(reinterpret_cast<const char*>(pixels.data()), pixels.size())).get();
}

// Stores the cell, or loads it from `bytes`; formula pictures go with it
// when `pictures` is set.
QByteArray Serialized(CGCell& cell, bool pictures, const QByteArray& bytes = {}) {
  CArchive in(bytes), out;
  CArchive& ar = bytes.isEmpty() ? out : in;
  ar.Context().bStoreFormulaPictures = pictures;
  cell.Serialize(ar);
  return out.Bytes();
}

QByteArray Common(CGCell& cell) {
  CArchive ar;
  cell.CGCell::Serialize(ar);
  return ar.Bytes();
}

using FormulaInkTest = CellTest;

TEST_F(FormulaInkTest, NewFormulaTextsRenderPlaceAndFollowTheirPoint) {
  const CGTbMhc plain;
  EXPECT_TRUE(plain.m_strName == QStringLiteral("附点彩文") && plain.m_dwScalesWithView == 1 &&
              plain.m_fStoredScale == 1 && plain.m_rgbaColor.a == 0);
  EXPECT_TRUE(CGTbVodText().m_strName == QStringLiteral("VOD彩色数学文本") && !CGTbVodText().m_dwScalesWithView);
  KvSrand(1);
  g_prefs.rgbaText = RGBA{10, 20, 30, 255};
  CGTbVodText text(5, kMarkup, 0xFFFFFF, 0);
  EXPECT_EQ(text.Pixels(), Rendered({10, 20, 30, 0}, 0xFFFFFF));
  EXPECT_FLOAT_EQ(text.m_vLabelAnchor[0], -0.025f * static_cast<float>(text.m_nWidth));
  EXPECT_NEAR(text.m_vLabelAnchor[1], 41 / 32767.0 * 8 - 4, 1e-6);
  text.m_nWidth = 40, text.m_nHeight = 20;
  EXPECT_EQ(text.GetDescription(), QStringLiteral("彩色数学文本：宽*高=40*20"));
  EXPECT_TRUE(CGTbVodText(6, QStringLiteral("<x"), 0, 1).m_nWidth == 0) << "renders to nothing: 0 x 0";

  CGVertex* a = AddPoint(1, 2, 3);
  auto* attached = Enter(new CGTbMhc(page->m_nNextId, kMarkup, 0, a->m_nId));
  EXPECT_TRUE(a->m_bLabelHidden && a->m_children == std::vector<WORD>{attached->m_nId});
  EXPECT_TRUE(attached->m_vLabelAnchor[0] == 1 && attached->m_vLabelAnchor[2] == 3) << "placed on its point at once";
  EXPECT_EQ(attached->GetDescription(), QStringLiteral("附点A的VOD彩色数学文本"));
  attached->DragBy(10, -4);
  a->m_vPos[0] = 2;
  attached->Recalculate();
  const float* at = attached->m_vLabelAnchor;
  EXPECT_TRUE(at[0] == 2.5f && std::abs(at[1] - 2.2f) < 1e-6f && at[2] == 3) << "the dragged offset kept";
}

TEST_F(FormulaInkTest, FormulaRecordsWithAndWithoutTheirPictures) {
  AddPoint(1, 2, 3);
  const auto fields = [](DWORD flag) {
    return RecordBytes().str(kMarkup).u32(0xFFFFFF).f32(2.5f).u32(flag).u32(77).str("kept").get();
  };
  const QByteArray offset = RecordBytes().f32(0.5f).f32(0).f32(-2).get();
  const QByteArray pixels = RecordBytes().u32(2).u32(1).bytes(QByteArray(8, 7)).get();
  const auto free = [] { return new CGTbVodText; };
  const auto attached = [] { auto* t = new CGTbMhc; t->m_parents = {1}; return t; };
  // `pictures` of the load, `storedPictures` of the store.
  struct Row { const char* name; std::function<CGTbVodText*()> make; bool pictures, storedPictures; QByteArray own, stored; };
  const Row rows[] = {
      {"rendered again", free, false, false, fields(5), fields(5)},
      {"pictures kept, flag 5 becomes 1", free, true, true, fields(5) + pixels, fields(1) + pixels},
      {"attached", attached, false, false, fields(1) + offset, fields(1) + offset},
      {"attached, pictures", attached, true, true, fields(0) + pixels + offset, fields(0) + pixels + offset},
      // Pictures stored once the option is set (or for a pasted text): the
      // picture is rendered for the store, not first drawn.
      {"measured, stored with its picture", free, false, true, fields(5),
       fields(5) + PictureRecord(CGTbVodText().m_rgbaColor, 0xFFFFFF)}};
  for (const Row& r : rows) {
    std::unique_ptr<CGTbVodText> cell(r.make());
    const QByteArray common = Common(*cell);
    Serialized(*cell, r.pictures, common + r.own);
    EXPECT_TRUE(cell->m_strMarkup == kMarkup && cell->m_fStoredScale == 2.5f && cell->m_dwStoredWord == 77) << r.name;
    // Rendered again only when first drawn; measured at once.
    EXPECT_EQ(cell->Pixels().empty(), !r.pictures) << r.name;
    const std::pair<DWORD, DWORD> loadedSize(cell->m_nWidth, cell->m_nHeight);
    EXPECT_EQ(Serialized(*cell, r.storedPictures), common + r.stored) << r.name << ", before it is drawn";
    cell->EnsurePicture();
    EXPECT_EQ(loadedSize, std::make_pair(cell->m_nWidth, cell->m_nHeight)) << r.name;
    EXPECT_EQ(cell->Pixels(), r.pictures ? std::vector<BYTE>(8, 7) : Rendered(cell->m_rgbaColor, 0xFFFFFF)) << r.name;
    EXPECT_EQ(Serialized(*cell, r.storedPictures), common + r.stored) << r.name;
  }
}

TEST_F(FormulaInkTest, RecolouringTakesTheBackgroundAsBackdropAndRendersAgain) {
  g_prefs.background = {0.2f, 0.4f, 0.6f, 1.0f};
  std::copy(g_prefs.background.begin(), g_prefs.background.end(), page->m_rgbaBackground);
  CRecord tool;
  tool.m_cells.push_back(std::make_unique<CGTbVodText>(0, kMarkup, 0xFFFFFF, 0));
  const std::function<CGTbVodText*()> recolour[] = {
      [] { ApplyColorToSelection(0x0000FF); return nullptr; },
      [] { ApplyColorToSelection(kAutomaticColors); return nullptr; },
      [&] { page->ApplyColorScheme(); return nullptr; },
      [&] { tool.ApplyDefaultColors(); return static_cast<CGTbVodText*>(tool.m_cells[0].get()); }};
  const RGBA colours[] = {{255, 0, 0, 0}, {0, 0, 152, 255}, {0, 0, 152, 0}, {0, 0, 152, 255}};
  for (int i = 0; i < 4; ++i) {
    page->ClearSelection();
    auto* selected = Enter(new CGTbVodText(page->m_nNextId, kMarkup, 0xFFFFFF, 0));
    page->SelectCell(selected->m_nId);
    const CGTbVodText* text = recolour[i]();
    if (!text) text = selected;
    EXPECT_TRUE(text->m_dwOption == 0x996633 && text->m_rgbaColor == colours[i]) << i;
    EXPECT_EQ(text->Pixels(), Rendered(colours[i], 0x996633)) << i;
  }
}

TEST_F(FormulaInkTest, StrokesGroupByColourIntoInkThatStoresItsBoxAndStrokes) {
  const RGBA red{255, 0, 0, 255}, blue{0, 0, 255, 255};
  g_fViewTranslate[0] = 2, g_fViewTranslate[1] = -3;
  g_prefs.fLineWidth = 4;
  std::vector<std::unique_ptr<CStroke>> strokes;
  // Red, red, blue, red, then yellow: only all three of red, green and blue
  // alike keep a stroke in the cell (the alpha byte does not count).
  const RGBA yellow{255, 255, 0, 255};
  for (auto [x, colour] :
       {std::pair{1.0f, red}, {2.0f, RGBA{255, 0, 0, 9}}, {5.0f, blue}, {-1.0f, red}, {0.0f, yellow}}) {
    const float xyz[] = {x, x, 7};
    g_rgbaInk = colour;
    strokes.push_back(std::make_unique<CStroke>(1, xyz));
  }
  const auto cells = GroupStrokesIntoInk(std::move(strokes), 20);
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_TRUE(cells[0]->m_strokes.size() == 2 && cells[1]->m_rgbaColor == blue && cells[3]->m_nId == 23);
  EXPECT_TRUE(cells[0]->m_vLabelAnchor[0] == -2 && cells[0]->m_vLabelAnchor[1] == 3 && cells[2]->m_fSize == 4);
  EXPECT_EQ(cells[0]->m_strokes[1]->m_points, (std::vector<float>{2, 2, -50}));

  g_rgbaInk = red;
  const float first[] = {1, 2, 0}, second[] = {-5, 6, 0, 3, 4, 0};
  CGInkmarks ink(3, std::make_unique<CStroke>(1, first));
  EXPECT_TRUE(ink.m_strName == QStringLiteral("Ink Marks") && ink.m_fSize == 3 && ink.m_rgbaColor == red);
  EXPECT_EQ(ink.GetDescription(), QStringLiteral("画笔留下的墨迹"));
  ink.AddStroke(std::make_unique<CStroke>(2, second));
  RecordBytes b;
  b.f32(-5).f32(3).f32(2).f32(6).u16(2).u16(0xFFFF).u16(1).u16(7).bytes("CStroke").i32(1).f32(1).f32(2);
  b.u16(0x8001).i32(2).f32(-5).f32(6).f32(3).f32(4);
  const QByteArray bytes = Common(ink) + b.get();
  ASSERT_EQ(Serialized(ink, false), bytes);
  CGInkmarks loaded;
  Serialized(loaded, false, bytes);
  EXPECT_TRUE(loaded.m_fMinX == -5 && loaded.m_fMaxY == 6 && loaded.m_rgbaColor == red);
  EXPECT_EQ(loaded.m_strokes[1]->m_points, (std::vector<float>{-5, 6, -50, 3, 4, -50}));
  EXPECT_EQ(Serialized(loaded, false), bytes);
}

TEST_F(FormulaInkTest, HostileSizesStrokesAndOffsetsFailTheLoad) {
  AddPoint(1, 2, 3);
  const auto picture = [](DWORD w, DWORD h, int n) {
    return RecordBytes().str(kMarkup).u32(0).f32(1).u32(1).u32(0).str("").u32(w).u32(h).bytes(QByteArray(n, 7)).get();
  };
  const auto strokes = [](const char* cls, const QByteArray& tail) {
    RecordBytes r;
    r.f32(0).f32(0).f32(0).f32(0).u16(1).u16(0xFFFF).u16(1).u16(static_cast<unsigned>(strlen(cls))).bytes(cls);
    return r.get() + tail;
  };
  const auto points = [](std::int32_t count, float y) { return RecordBytes().i32(count).f32(1).f32(y).f32(1).get(); };
  const auto free = [] { return new CGTbVodText; };
  const auto attached = [] { auto* t = new CGTbMhc; t->m_parents = {1}; return t; };
  const auto ink = [] { return new CGInkmarks; };
  const auto lost = [](std::function<CGCell*()> make, int axis) {  // the anchor's coordinate not finite
    return [=] { CGCell* cell = make(); cell->m_vLabelAnchor[axis] = NAN; return cell; };
  };
  using enum ArchiveError;
  const struct { const char* name; std::function<CGCell*()> make; QByteArray own; ArchiveError cause; } rows[] = {
      {"4 GB and more", free, picture(0xFFFFFFFF, 0xFFFFFFFF, 16), BadData},
      {"side over 16384", free, picture(16385, 1, 65540), BadData},
      {"one byte short", free, picture(2, 1, 7), BadData},
      {"offset not finite", attached, picture(1, 1, 4) + RecordBytes().f32(NAN).f32(0).f32(0).get(), BadData},
      {"anchor z not finite", lost(attached, 2), picture(1, 1, 4) + RecordBytes().f32(0).f32(0).f32(0).get(), BadData},
      {"ink anchor y not finite", lost(ink, 1), strokes("CStroke", points(1, 1)), BadData},
      {"negative stroke count", ink, strokes("CStroke", points(-1, 1)), BadData},
      {"more points than bytes", ink, strokes("CStroke", points(3, 1)), BadData},
      {"count near 2^31", ink, strokes("CStroke", points(0x7FFFFFFF, 1)), BadData},
      {"coordinate not finite", ink, strokes("CStroke", points(1, NAN)), BadData},
      {"not a stroke", ink, strokes("CGCell", {}), BadClass},
      {"empty entry", ink, RecordBytes().f32(0).f32(0).f32(0).f32(0).u16(1).u16(0).get(), BadData}};
  for (const auto& r : rows) {
    std::unique_ptr<CGCell> cell(r.make());
    const QByteArray bytes = Common(*cell) + r.own;
    EXPECT_EQ(ArchiveCause([&] { Serialized(*cell, true, bytes); }), r.cause) << r.name;
  }
}

// Ten texts of two lines at the largest size, each drawn at about 14,000 x
// 2,000 pixels (over a gigabyte in all): the document saves and opens again,
// and each text takes its memory only when it is drawn.
TEST_F(FormulaInkTest, ManyLargeFormulaTextsOpenAgain) {
  const QString line = QStringLiteral("<l><e>ABCDEFGHIJKLMNOPQRSTUV</e></l>");
  const QString large = QStringLiteral("<#:size=1000>") + line + line + QStringLiteral("</#>");
  int width = 0, height = 0;
  MeasureVodMask(large, &width, &height);
  ASSERT_GT(qint64(width) * height * 4 * 10, qint64(1) << 30) << width << " x " << height;
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("large.kv"));
  {
    CKavrelDoc doc;
    doc.OnNewDocument();
    CGPage& first = *doc.m_pages.front();
    for (int i = 0; i < 10; ++i) {
      auto* text = new CGTbVodText;  // as made, less the pixels the file does not keep
      text->m_nId = first.m_nNextId++;
      text->m_strMarkup = large;
      first.m_cells.SetAt(text->m_nId, text);
    }
    ASSERT_TRUE(doc.OnSaveDocument(path));
  }
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(path, false));
  std::vector<CGTbVodText*> texts;
  for (const auto& [id, cell] : reopened.m_pages.front()->m_cells)
    if (auto* text = dynamic_cast<CGTbVodText*>(cell)) texts.push_back(text);
  ASSERT_EQ(texts.size(), 10u);
  for (CGTbVodText* text : texts)
    EXPECT_TRUE(text->m_nWidth == DWORD(width) && text->m_nHeight == DWORD(height) && text->Pixels().empty());
  texts[0]->EnsurePicture();
  EXPECT_EQ(texts[0]->Pixels().size(), size_t(width) * height * 4);
}

}  // namespace
