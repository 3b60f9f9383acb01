// Formulas drawn with the installed fonts: pictures, masks, textures, the
// .bmp and .emf files, and the signs of the symbol face.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <map>
#include <tuple>

#include "formula/drawing/formulapictures.h"
#include "formula/drawing/painterdc.h"
#include "formula/drawing/qtfont.h"
#include "formula/drawing/symbolfont.h"
#include "formula/formulaglobals.h"
#include "formula/formulatestutil.h"
#include "model/globals.h"
#include "platform/filebytes.h"
#include "platform/processstate.h"

namespace KAVREL_FILE_LOCAL {

const QString kFraction = QStringLiteral("<#><l><f><#><l><e>1</e></l></#><#><l><e>2</e></l></#></f></l></#>");

bool IsInk(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) < 384; }

// Bounding box of the dark pixels.
QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (IsInk(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

bool RowHasInk(const QImage& image, int y) {
  for (int x = 0; x < image.width(); ++x)
    if (IsInk(image.pixel(x, y))) return true;
  return false;
}

quint32 U32(const QByteArray& bytes, qsizetype offset) {
  return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

class FormulaPictures : public ::testing::Test {
 protected:
  void SetUp() override { ResetProcessState(); }
  void TearDown() override { ResetProcessState(); }
};

TEST_F(FormulaPictures, NormalizedMarkupIsTheWholeTreeWrittenBack) {
  struct Case { const char* in; const char* out; } cases[] = {
      {"", "<#><l></l></#>"}, {"<l><e>x</e></l>", "<#><l><e>x</e></l></#>"},
      {"<#><#><l><e>a</e></l></#><l><l><e>b</e></l></l></#>", "<#><l><e>a</e></l><l><e>b</e></l></#>"},
      {"<#><l><f><e>1</e><e>2</e></f></l></#>",
       "<#><l><f><#><l><e>1</e></l></#><#><l><e>2</e></l></#></f></l></#>"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NormalizeVodText(Q(c.in)), Q(c.out)) << c.in;
    EXPECT_EQ(NormalizeVodMarkup(Q(c.in)), Q(c.out)) << c.in;
  }
}

TEST_F(FormulaPictures, TextureKeysTheBackgroundToTheGivenAlpha) {
  int w = -1, h = -1;
  EXPECT_TRUE(RenderVodToMask(0xFF, 0xFF00, QString(), 0, &w, &h).empty());
  EXPECT_EQ(w, -1);

  const auto rgba = RenderVodToMask(0x0000FF, 0x00FF00, Q("<#><l><e>W</e></l></#>"), 9, &w, &h);
  ASSERT_FALSE(rgba.empty());
  ASSERT_EQ(rgba.size(), size_t(w) * size_t(h) * 4);
  EXPECT_EQ((std::vector<BYTE>(rgba.begin(), rgba.begin() + 4)), (std::vector<BYTE>{0, 255, 0, 9}));
  bool solidText = false;
  for (size_t i = 0; i < rgba.size(); i += 4) {
    if (rgba[i] == 255 && rgba[i + 1] == 0 && rgba[i + 2] == 0) solidText = rgba[i + 3] == 255;
    if (solidText) break;
  }
  EXPECT_TRUE(solidText);
}

TEST_F(FormulaPictures, TextFontMaskKeepsItsFullSizeAndBaselineAndItsOwnColour) {
  for (const char* markup : {"", "<x", "plain text"}) {
    int w = -7, h = -8, baseline = -9;
    EXPECT_TRUE(RenderVodToMaskTextFont(&w, &h, Q(markup), &baseline).empty()) << markup;
    EXPECT_EQ(std::make_tuple(w, h, baseline), std::make_tuple(-7, -8, -9)) << "untouched for " << markup;
  }
  int w = 0, h = 0, baseline = 0;
  const auto mask = RenderVodToMaskTextFont(&w, &h, kFraction, &baseline);
  ASSERT_FALSE(mask.empty());
  CBinTree tree;
  tree.m_lfDefault.lfFaceName = g_prefs.strTextFont;
  tree.m_lfDefault.lfHeight = g_prefs.nTextFontHeight;
  tree.SetVod(kFraction);
  const QImage picture = tree.RenderToBitmap();
  EXPECT_EQ(QSize(w, h), picture.size());
  EXPECT_EQ(baseline, tree.GetBaseline());
  EXPECT_EQ(mask.size(), (size_t(w) + 31) / 32 * 4 * size_t(h));

  // One caption's header does not colour the next.
  auto inked = [](const std::vector<BYTE>& bits) {
    return std::any_of(bits.begin(), bits.end(), [](BYTE b) { return b != 0; });
  };
  const auto white = RenderVodToMaskTextFont(&w, &h, Q("<!:color=ffffff><#><l><e>A</e></l></#>"), &baseline);
  ASSERT_FALSE(white.empty());
  EXPECT_FALSE(inked(white));
  EXPECT_TRUE(inked(RenderVodToMaskTextFont(&w, &h, Q("<#><l><e>A</e></l></#>"), &baseline)));

  g_prefs.nTextFontHeight = 48;
  int bigW = 0, bigH = 0;
  RenderVodToMaskTextFont(&bigW, &bigH, kFraction, &baseline);
  EXPECT_GT(bigH, h);
}

TEST_F(FormulaPictures, SymbolFaceCharactersDrawTheirSigns) {
  struct Case { char16_t code; char16_t sign; } cases[] = {{0xF0E5, 0x2211}, {0xF0D6, 0x221A}, {0xF0F2, 0x222B}};
  LOGFONT lf = g_lfGlyphFont;
  lf.lfHeight = -80;
  for (const Case& c : cases) {
    EXPECT_EQ(SymbolToUnicode(QChar(c.code), false), QChar(c.sign));
    const QFontMetricsF metrics(QtFontFor(lf));
    EXPECT_TRUE(metrics.inFont(QChar(c.sign))) << std::hex << int(c.code);

    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      CPainterDC dc(&image);
      dc.SelectFont(lf);
      dc.TextOut(40, 40, QString(QChar(c.code)));
    }
    // The sign covers the ink box the symbol font gives it: em 80, baseline
    // 40 + round(1.005 * 80).
    const SymbolSignBox* box = FindSymbolSignBox(c.code - 0xF000);
    ASSERT_NE(box, nullptr);
    const QRect ink = InkBounds(image);
    ASSERT_FALSE(ink.isEmpty()) << std::hex << int(c.code);
    const double k = 80 / 1000.0;
    EXPECT_NEAR(ink.left(), 40 + box->left * k, 2.0) << std::hex << int(c.code);
    EXPECT_NEAR(ink.right() + 1, 40 + box->right * k, 2.0) << std::hex << int(c.code);
    EXPECT_NEAR(ink.top(), 120 + box->top * k, 2.0) << std::hex << int(c.code);
    EXPECT_NEAR(ink.bottom() + 1, 120 + box->bottom * k, 2.0) << std::hex << int(c.code);
    // Two signs side by side advance by the symbol font's own widths.
    CQtFont font;
    font.Select(lf);
    EXPECT_EQ(font.Extent(QString(2, QChar(c.code))).width(), int(std::ceil(2 * box->advance * k - 1e-6)))
        << std::hex << int(c.code);
  }
}

TEST_F(FormulaPictures, FractionHasInkAboveAndBelowItsBar) {
  CBinTree tree;
  tree.SetVod(kFraction);
  const QImage picture = tree.RenderToBitmap();
  ASSERT_FALSE(picture.isNull());
  auto* fraction = ChildAs<CDivisionNode>(ChildAs<CRowNode>(tree.m_pRoot, 0), 0);
  ASSERT_NE(fraction, nullptr);
  const int bar = fraction->m_rcPlacedInner.top + 2;
  int across = 0;
  for (int x = 0; x < picture.width(); ++x) across += IsInk(picture.pixel(x, bar));
  EXPECT_GE(across, fraction->m_rcPlacedInner.Width() - 2);
  bool above = false, below = false;
  for (int y = 0; y < bar - 2; ++y) above = above || RowHasInk(picture, y);
  for (int y = bar + 3; y < picture.height(); ++y) below = below || RowHasInk(picture, y);
  EXPECT_TRUE(above);
  EXPECT_TRUE(below);
  EXPECT_EQ(tree.GetBaseline(), bar);
}

TEST_F(FormulaPictures, ChineseTextLeavesInk) {
  CBinTree tree;
  tree.m_lfDefault.lfFaceName = kSongtiFace;
  tree.m_lfDefault.lfCharSet = GB2312_CHARSET;
  tree.SetVod(QStringLiteral("<#><l><e>\u7B2C\u4E00\u9875</e></l></#>"));
  const QImage picture = tree.RenderToBitmap();
  ASSERT_FALSE(picture.isNull());
  // Three characters side by side, each with ink of its own.
  const int third = picture.width() / 3;
  for (int i = 0; i < 3; ++i)
    EXPECT_FALSE(InkBounds(picture.copy(i * third, 0, third, picture.height())).isEmpty()) << i;
}

TEST_F(FormulaPictures, BmpFileHeaderDescribesItsPixels) {
  CBinTree tree;
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("f.bmp"));
  EXPECT_FALSE(tree.SaveBmpFile(path));
  tree.SetVod(kFraction);
  ASSERT_TRUE(tree.SaveBmpFile(path));
  const auto bytes = ReadFileBytes(path);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->left(2), QByteArray("BM"));
  EXPECT_EQ(qsizetype(U32(*bytes, 2)), bytes->size());
  EXPECT_EQ(U32(*bytes, 10), 14u + 40u);  // 32 bits a pixel: no colour table
  EXPECT_EQ(U32(*bytes, 14), 40u);
  const QImage back(path);
  EXPECT_EQ(back.size(), tree.RenderToBitmap().size());
  EXPECT_FALSE(InkBounds(back).isEmpty());
}

// The records of an enhanced metafile: (type, offset), checked to fill the
// file exactly.
std::vector<std::pair<quint32, qsizetype>> EmfRecords(const QByteArray& emf) {
  std::vector<std::pair<quint32, qsizetype>> records;
  qsizetype at = 0;
  while (at + 8 <= emf.size()) {
    const quint32 size = U32(emf, at + 4);
    EXPECT_EQ(size % 4, 0u);
    EXPECT_GE(size, 8u);
    if (size < 8) break;
    records.emplace_back(U32(emf, at), at);
    at += size;
  }
  EXPECT_EQ(at, emf.size());
  return records;
}

QString EmfText(const QByteArray& emf, qsizetype at) {
  const quint32 count = U32(emf, at + 44), offset = U32(emf, at + 48);
  return QString::fromUtf16(reinterpret_cast<const char16_t*>(emf.constData() + at + offset), count);
}

TEST_F(FormulaPictures, MetafileIsAWellFormedEnhancedMetafile) {
  CBinTree tree;
  EXPECT_TRUE(tree.RenderToEmf(false).isEmpty());
  tree.SetVod(Q("<#><l><e>x=</e><f><#><l><e>1</e></l></#><#><l><e>2</e></l></#></f><v>") +
              Q("<#><l><e>AB</e></l></#></v><s><#><l><e>i</e></l></#><#><l><e>n</e></l></#></s></l></#>"));
  CPainterDC dc;
  dc.SelectFont(tree.m_lfDefault);
  ASSERT_TRUE(tree.Layout(dc));
  const QByteArray emf = tree.RenderToEmf(false);
  ASSERT_GE(emf.size(), 108);
  EXPECT_EQ(U32(emf, 0), 1u);
  EXPECT_EQ(U32(emf, 40), 0x464D4520u);  // " EMF"
  EXPECT_EQ(U32(emf, 44), 0x10000u);
  EXPECT_EQ(qsizetype(U32(emf, 48)), emf.size());
  const auto records = EmfRecords(emf);
  EXPECT_EQ(U32(emf, 52), records.size());
  ASSERT_FALSE(records.empty());
  EXPECT_EQ(records.back().first, 14u);
  EXPECT_EQ(U32(emf, records.back().second + 4), 20u);
  // Description "xxz" at the offset the header gives.
  EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(emf.constData() + U32(emf, 64)), 3), Q("xxz"));
  // The frame covers the formula (0.01 mm at 96 pixels an inch).
  const RECT area = tree.m_pRoot->m_rcPlaced;
  EXPECT_NEAR(int(U32(emf, 32)), area.right * 2540 / 96, 60);

  QStringList texts, faces;
  int polylines = 0, polygons = 0;
  std::vector<quint32> textColours;
  std::map<quint32, quint32> made, brushes;  // handle: the record that made it; a brush's colour
  quint32 brush = 0, pen = 0;                // selected; 0x80000008 is the stock null pen
  for (const auto& [type, at] : records) {
    if (type == 84) {
      texts << EmfText(emf, at);
      // Each character's advance, closing the record; together the text's width.
      const quint32 count = U32(emf, at + 44), dx = U32(emf, at + 72);
      EXPECT_EQ(U32(emf, at + 4), dx + 4 * count) << Str(texts.back());
      int advance = 0;
      for (quint32 k = 0; k < count; ++k) advance += int(U32(emf, at + dx + 4 * k));
      EXPECT_NEAR(advance, int(U32(emf, at + 16) - U32(emf, at + 8)) + 1, 1) << Str(texts.back());
    }
    if (type == 82) {
      faces << QString::fromUtf16(reinterpret_cast<const char16_t*>(emf.constData() + at + 40));
      if (faces.back() == Q("Symbol")) {
        EXPECT_EQ(emf[at + 35], 2) << "the symbol character set";
        EXPECT_EQ(emf[at + 36], 7) << "true-type faces only";
      }
    }
    if (type == 39) {
      EXPECT_EQ(U32(emf, at + 12), 0u) << "a solid brush";
      brushes[U32(emf, at + 8)] = U32(emf, at + 16);
    }
    if (type == 38 || type == 39 || type == 82) made[U32(emf, at + 8)] = type;
    if (type == 38) { EXPECT_EQ(U32(emf, at + 20), 0u) << "a pen's width is its x alone"; }
    if (type == 37) {
      const quint32 handle = U32(emf, at + 8);
      if (made[handle] == 39) brush = handle;
      if (made[handle] == 38 || handle == 0x80000008) pen = handle;
    }
    polylines += type == 4;
    if (type == 24) textColours.push_back(U32(emf, at + 8));
    if (type == 3) {
      ++polygons;
      ASSERT_TRUE(brushes.count(brush)) << "the head is filled with a brush of its own";
      EXPECT_EQ(brushes[brush], 0u) << "in the text colour";
      EXPECT_EQ(pen, 0x80000008u) << "and not outlined";
    }
  }
  EXPECT_EQ(texts, (QStringList{Q("x="), Q("1"), Q("2"), Q("AB"), QStringLiteral("\uF0E5"), Q("i"), Q("n")}));
  EXPECT_TRUE(faces.contains(Q("Times New Roman")));
  EXPECT_TRUE(faces.contains(Q("Symbol")));
  EXPECT_EQ(polylines, 2);  // the fraction bar and the vector's shaft
  EXPECT_EQ(polygons, 1);   // the vector's head
  EXPECT_EQ(textColours, std::vector<quint32>{0u}) << "set once, before the first text";

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("f.emf"));
  ASSERT_TRUE(tree.SaveEmf(path));
  EXPECT_EQ(*ReadFileBytes(path), emf);
}

TEST_F(FormulaPictures, MetafileOfTheSelectionHoldsOnlyTheSelectedCharacters) {
  CBinTree tree;
  tree.SetVod(Q("<#><l><e>abcd</e></l></#>"));
  CPainterDC dc;
  dc.SelectFont(tree.m_lfDefault);
  tree.Layout(dc);
  CNode* row = ChildAs<CRowNode>(tree.m_pRoot, 0);
  CNode* run = ChildAs<CTextNode>(row, 0);
  tree.m_pRoot->m_pActive = row;
  row->m_pActive = run;
  SelectCharacters(run, 1, 3);
  const QByteArray emf = tree.RenderToEmf(true);
  QStringList texts;
  for (const auto& [type, at] : EmfRecords(emf))
    if (type == 84) texts << EmfText(emf, at);
  EXPECT_EQ(texts, QStringList{Q("bc")});

  // The picture form: the selected characters alone, cut to their cell.
  const QImage part = tree.RenderToPicture(true);
  CPainterDC measure;
  measure.SelectFont(tree.m_lfDefault);
  EXPECT_EQ(part.size(), measure.TextExtent(Q("bc")));
  EXPECT_FALSE(InkBounds(part).isEmpty());
  EXPECT_EQ(part.pixel(0, 0), qRgb(255, 255, 255)) << "on the background colour";
  const RECT whole = tree.m_pRoot->m_rcPlaced;
  EXPECT_EQ(tree.RenderToPicture(false).size(), QSize(whole.Width(), whole.Height()));
  run->m_bSelected = 0;
  EXPECT_TRUE(tree.RenderToPicture(true).isNull());
}

TEST_F(FormulaPictures, OversizedFormulasMakeNoPicture) {
  CBinTree tree;
  EXPECT_EQ(tree.GetBaseline(), 0);
  int w = 0, h = 0;
  EXPECT_TRUE(tree.RenderToMask(&w, &h, 0).empty());

  // Wider than any picture made.
  tree.SetVod(Q("<#><l><e>") + QString(3000, u'W') + Q("</e></l></#>"));
  EXPECT_TRUE(tree.RenderToBitmap().isNull());
  // Too much to lay out at all: refused before anything is measured.
  tree.SetVod(Q("<#><l><e>") + QString(200000, u'W') + Q("</e></l></#>"));
  CPainterDC dc;
  EXPECT_FALSE(tree.Layout(dc));
  EXPECT_TRUE(tree.RenderToBitmap().isNull());
  // An absurd height is drawn at the largest height layout allows.
  tree.SetVod(Q("<#><l><e:size=2147483647>x</e></l></#>"));
  const QImage big = tree.RenderToBitmap();
  ASSERT_FALSE(big.isNull());
  EXPECT_LE(big.height(), kMaxFontHeight + 2);
}

}  // namespace
