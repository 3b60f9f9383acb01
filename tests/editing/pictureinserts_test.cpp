// Picture texts from the clipboard and picture cells from files: what is
// made, the messages for what cannot be, and hostile files.
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <map>

#include "cells/texts/cgtextbit.h"
#include "editing/pictureinserts.h"
#include "model/document/docservices.h"
#include "platform/clipboard.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "richtext/keptobjects.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(PictureText, TheClipboardPictureBecomesAPictureTextOrSaysWhyNot) {
  // Ink of the picture; a point selected; the picture's width; the class
  // made (null: nothing, the message shown) and its width, cropped to whole
  // bytes of ink.  A picture wider than a document stores (16384) is scaled
  // down to that first.
  const std::tuple<QRgb, bool, int, const char*, DWORD> rows[] = {
      {qRgb(255, 255, 255), false, 40, nullptr, 0}, {qRgb(0, 0, 0), false, 40, "CGTextbit", 32},
      {qRgb(20, 20, 90), true, 40, "CGTbHenchman", 32}, {qRgb(0, 0, 0), false, 20000, "CGTextbit", 16384}};
  for (const auto& [ink, onPoint, width, madeClass, madeWidth] : rows) {
    CommandPage p;
    const WORD point = p.Point(1, 2, 3);
    if (onPoint) p.Select({point});
    QImage picture(width, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 5; x < 30; ++x) picture.setPixel(x, 10, ink);
    if (width > 40)  // bands of ink at both ends, which scaling down keeps
      for (int y = 8; y < 12; ++y)
        for (int x = 0; x < 30; ++x) {
          picture.setPixel(x, y, ink);
          picture.setPixel(width - 1 - x, y, ink);
        }
    EXPECT_FALSE(CommandRegistry().Query(ID_CREATE_TEXT).m_bEnabled) << "no picture yet";
    Clipboard().SetImage(picture);
    ASSERT_TRUE(p.Run(ID_CREATE_TEXT));
    CGCell* made = p.Find(point + 1);
    if (!madeClass) {
      EXPECT_EQ(made, nullptr);
      EXPECT_EQ(p.seams.notifier->Texts(), std::vector<QString>{QString::fromUtf8(
                                               "无法获取图象数据，不能构造图文！可能是因为文字是白色的，建议改为深色。")});
      continue;
    }
    ASSERT_NE(made, nullptr) << madeClass;
    EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, madeClass);
    EXPECT_EQ(made->m_parents, onPoint ? std::vector<WORD>{point} : std::vector<WORD>{}) << madeClass;
    EXPECT_EQ(static_cast<CGTextbit*>(made)->m_nWidth, madeWidth) << width;
    EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("粘贴图形文本"));
  }
}

QString WriteFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
  QFile file(dir.filePath(QString::fromLatin1(name)));
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  return file.fileName();
}

QByteArray Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

TEST(PictureFile, TrueColourRowsOrTheReadersErrorWithoutReadingHugeDeclaredSizes) {
  QTemporaryDir dir;
  // Top row red, green, blue; bottom row white, black, grey.
  QImage rgb(3, 2, QImage::Format_RGB32);
  const QRgb pixels[] = {qRgb(255, 0, 0), qRgb(0, 255, 0),     qRgb(0, 0, 255),
                         qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128)};
  for (int i = 0; i < 6; ++i) rgb.setPixel(i % 3, i / 3, pixels[i]);
  const QImage palette = rgb.convertToFormat(QImage::Format_Indexed8);
  // A bitmap declaring 60000 x 60000 pixels of 24 bits, and nothing after.
  const QByteArray huge = QByteArray::fromHex(
      "424d4600000000000000360000002800000060ea000060ea0000010018000000000000000000000000000000000000000000"
      "0000000000000000000000000000000000000000");
  const std::pair<QString, const char*> rows[] = {
      {WriteFile(dir, "rgb.png", Encoded(rgb, "PNG")), nullptr},
      {WriteFile(dir, "palette.png", Encoded(palette, "PNG")), nullptr},
      {WriteFile(dir, "palette.bmp", Encoded(palette, "BMP")), nullptr},
      {dir.filePath(QStringLiteral("none.png")), "打开图象文件失败:\n1 - "},
      {WriteFile(dir, "cut.png", Encoded(rgb, "PNG").left(40)), "打开图象文件失败:\n"},
      {WriteFile(dir, "huge.bmp", huge), "打开图象文件失败:\n"},
  };
  for (const auto& [path, failure] : rows) {
    const CPictureFile read = ReadPictureFile(path);
    EXPECT_TRUE(read.failure.startsWith(QString::fromUtf8(failure ? failure : "\x01")) == (failure != nullptr) &&
                read.rows.empty() == (failure != nullptr))
        << path.toStdString() << ": " << read.failure.toStdString();
    if (failure) continue;
    EXPECT_EQ(std::make_pair(read.width, read.height), std::make_pair(3, 2));
    // Bottom row first, R, G, B, each row padded from 9 to 12 bytes.
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(read.rows.data()), 24).toHex(),
              "ffffff000000808080000000ff000000ff000000ff000000")
        << path.toStdString();
  }
}

// Pictures whose bytes end before their pixels do: refused with the reason,
// never completed with invented pixels, by the picture cell and the rich text.
TEST(PictureFile, PixelsShorterThanTheHeaderDeclaresAreRefused) {
  QTemporaryDir dir;
  QImage noise(64, 64, QImage::Format_RGB32);
  for (int i = 0; i < 64 * 64; ++i) noise.setPixel(i % 64, i / 64, qRgb(i * 7 % 256, i * 13 % 256, i % 256));
  const QByteArray bmp = Encoded(noise, "BMP");
  QByteArray zeroWidth = bmp;
  zeroWidth.replace(18, 4, QByteArray(4, '\0'));
  // 2000 x 2000 pixels of 24 bits declared, 10 bytes of them present.
  const QByteArray declared = QByteArray::fromHex(
      "424d361bb700000000003600000028000000d0070000d0070000010018000000000000000000000000000000000000000000"
      "00000000") + QByteArray(10, '\x7f');
  const std::pair<QString, const char*> rows[] = {
      {WriteFile(dir, "declared.bmp", declared), "图象文件不完整：像素数据比文件头声明的少。"},
      {WriteFile(dir, "cut.bmp", bmp.chopped(100)), "图象文件不完整：像素数据比文件头声明的少。"},
      {WriteFile(dir, "zero.bmp", zeroWidth), "图象的宽度或高度为 0。"},
      {WriteFile(dir, "half.png", Encoded(noise, "PNG").left(Encoded(noise, "PNG").size() / 2)), ""},
  };
  for (const auto& [path, reason] : rows) {
    const CPictureFile read = ReadPictureFile(path);
    EXPECT_TRUE(read.rows.empty()) << path.toStdString();
    EXPECT_TRUE(read.failure.startsWith(QString::fromUtf8("打开图象文件失败:\n")) &&
                read.failure.endsWith(QString::fromUtf8(reason)))
        << path.toStdString() << ": " << read.failure.toStdString();
    QTextDocument doc;
    QTextCursor cursor(&doc);
    EXPECT_FALSE(InsertPictureFile(cursor, path)) << path.toStdString();
    EXPECT_TRUE(doc.isEmpty()) << path.toStdString();
  }
  EXPECT_TRUE(ReadPictureFile(WriteFile(dir, "whole.bmp", bmp)).failure.isEmpty());
}

TEST(PictureFile, TheChosenFileBecomesAPictureCellInOneStep) {
  QTemporaryDir dir;
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(qRgb(9, 8, 7));
  const QString good = WriteFile(dir, "good.jpg", Encoded(picture, "PNG"));  // the content decides
  const QString bad = WriteFile(dir, "bad.png", "no picture here");
  // Panoramas wider than a picture cell may be: scaled down to fit, proportions kept; the
  // taller one decoded at half its size, as decoding it whole would pass the decoder's limit.
  QImage panorama(20000, 400, QImage::Format_RGB888);
  panorama.fill(qRgb(40, 90, 160));
  const QString wide = WriteFile(dir, "wide.jpg", Encoded(panorama, "JPEG"));
  panorama = QImage(20000, 4500, QImage::Format_RGB888);
  panorama.fill(qRgb(40, 90, 160));
  const QString wider = WriteFile(dir, "wider.jpg", Encoded(panorama, "JPEG"));
  panorama = QImage();
  const std::map<QString, QSize> sizes{{good, {4, 4}}, {wide, {16384, 327}}, {wider, {10000, 2250}}};
  for (const QString& path : {QString(), bad, good, wide, wider}) {
    CommandPage p;
    DocumentServices().createImageCell = CreateImageCell;
    p.seams.fileChooser->answers = {path};
    ASSERT_TRUE(p.Run(ID_CREATE_IMAGE));
    EXPECT_EQ(p.seams.fileChooser->filters.at(0),
              QString::fromUtf8("所有图片文件 (*.bmp *.dib *.rle *.jpg *.jpeg *.jpe *.jfif *.gif *.tif *.tiff *.png);;"
                                "BMP (*.bmp *.dib *.rle);;JPEG (*.jpg *.jpeg *.jpe *.jfif);;GIF (*.gif);;"
                                "TIFF (*.tif *.tiff);;PNG (*.png)"));
    auto* image = p.As<CGTbImage>(1);
    EXPECT_EQ(image != nullptr, sizes.count(path) == 1) << path.toStdString();
    EXPECT_EQ(p.seams.notifier->shown.size(), path == bad ? 1u : 0u) << path.toStdString();
    if (!image) continue;
    EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("插入图片"));
    EXPECT_EQ(QSize(int(image->m_nWidth), int(image->m_nHeight)), sizes.at(path)) << path.toStdString();
  }
}

// Eight 12-megapixel photos on a page are stored as 279 MB of rows: the
// document saves and opens again, every picture whole.
TEST(PictureFile, PhotosPastTheOldDocumentBoundSaveAndOpenAgain) {
  QTemporaryDir dir;
  QImage photo(4032, 3024, QImage::Format_RGB32);
  photo.fill(qRgb(200, 120, 40));
  const QString path = WriteFile(dir, "photo.jpg", Encoded(photo, "JPEG"));
  const QString document = dir.filePath(QStringLiteral("photos.kv"));
  {
    CommandPage p;
    DocumentServices().createImageCell = CreateImageCell;
    p.seams.fileChooser->answers = {path};
    ASSERT_TRUE(p.Run(ID_CREATE_IMAGE));
    const CPictureFile read = ReadPictureFile(path);  // the same photo seven times more, decoded once
    for (int i = 1; i < 8; ++i) p.doc.AddImageCell(read.width, read.height, std::vector<BYTE>(read.rows));
    ASSERT_TRUE(p.doc.OnSaveDocument(document));
  }
  EXPECT_GT(QFileInfo(document).size(), qint64(256) << 20);
  CommandPage p;
  ASSERT_TRUE(p.doc.OnOpenDocument(document, false));
  EXPECT_TRUE(p.seams.notifier->shown.empty());
  for (WORD id = 1; id <= 8; ++id) {
    auto* image = p.As<CGTbImage>(id);
    ASSERT_TRUE(image) << id;
    EXPECT_TRUE(image->m_nWidth == 4032 && image->m_nHeight == 3024 && image->HasPicture()) << id;
  }
}

}  // namespace
