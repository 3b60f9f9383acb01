// Kept pictures and objects as a rich text shows them: decoded pictures at
// their stored size, objects by their result or as a named frame, damaged
// groups within bounds; and drawn into the rendered mask.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTextDocument>

#include "formula/drawing/dib.h"
#include "richtext/keptobjects.h"
#include "richtext/richtextrender.h"
#include "richtext/rtfreader.h"

namespace KAVREL_FILE_LOCAL {

QByteArray Encoded(const char* format, QImage::Format pixels = QImage::Format_RGB32) {
  QImage image(4, 3, pixels);
  image.fill(Qt::black);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

QByteArray Hex(const QByteArray& bytes) { return bytes.toHex(); }

// A 48-megapixel JPEG, as a phone's high-resolution mode takes it.
const QByteArray& PhonePhoto() {
  static const QByteArray bytes = [] {
    QImage image(8064, 6048, QImage::Format_RGB32);
    image.fill(qRgb(30, 60, 90));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return jpeg;
  }();
  return bytes;
}

TEST(KeptObjects, PicturesAndObjectsShowAtTheirSize) {
  const QByteArray png = Hex(Encoded("PNG"));
  QImage dibImage(4, 3, QImage::Format_RGB888);
  dibImage.fill(Qt::black);
  const QByteArray dib = Hex(DdbToDib(dibImage, BI_RGB));
  const QByteArray result = "{\\result{\\pict\\pngblip\\picwgoal300\\pichgoal150 " + png + "}}";
  const struct {
    const char* name;
    const char* kind;
    QByteArray group;
    bool image;
    QSizeF size;
    const char* label;
  } rows[] = {
      {"PNG at its goal size", "pict", "{\\pict\\pngblip\\picw4\\pich3\\picwgoal150\\pichgoal90 " + png + "}", true,
       {10, 6}, ""},
      {"scaled in percent", "pict", "{\\pict\\pngblip\\picscalex50\\picscaley200\\picwgoal150\\pichgoal90 " + png + "}",
       true, {5, 12}, ""},
      {"JPEG at its own size", "pict", "{\\pict\\jpegblip " + Hex(Encoded("JPEG")) + "}", true, {4, 3}, ""},
      {"phone photo: scaled to the largest side laid out", "pict", "{\\pict\\jpegblip " + Hex(PhonePhoto()) + "}",
       true, {4096, 3072}, ""},
      {"DIB", "pict", "{\\pict\\dibitmap0\\picwgoal60\\pichgoal45 " + dib + "}", true, {4, 3}, ""},
      {"binary data", "pict", "{\\pict\\pngblip\\bin" + QByteArray::number(Encoded("PNG").size()) + " " +
                                  Encoded("PNG") + "}", true, {4, 3}, ""},
      {"damaged metafile: a frame", "pict", "{\\pict\\wmetafile8\\picwgoal150\\pichgoal90 0100090000}", false, {10, 6}, ""},
      {"bad hex: a frame", "pict", "{\\pict\\pngblip\\picwgoal150\\pichgoal90 zz89504e", false, {10, 6}, ""},
      {"absurd size: capped", "pict", "{\\pict\\wmetafile8\\picwgoal999999999\\pichgoal-5 00}", false, {4096, 0}, ""},
      {"object: its result", "object",
       "{\\object\\objemb{\\*\\objclass Equation.3}\\objw600\\objh300{\\*\\objdata 0102}" + result + "}", true,
       {20, 10}, "Equation.3"},
      {"object without a result: a named frame", "object",
       "{\\object\\objemb{\\*\\objclass Word.Document.8}\\objw600\\objh300{\\*\\objdata 0102}}", false, {40, 20},
       "Word.Document.8"},
      {"shape picture", "shppict", "{\\*\\shppict{\\pict\\pngblip " + png + "}}", true, {4, 3}, ""},
      {"unknown group: no room", "kvunknown", "{\\*\\kvunknown abc}", false, {0, 0}, ""},
  };
  for (const auto& row : rows) {
    const KeptPicture picture = ReadKeptPicture(row.group, QString::fromLatin1(row.kind));
    EXPECT_EQ(std::make_tuple(!picture.image.isNull(), picture.size, picture.label),
              std::make_tuple(row.image, row.size, QString::fromLatin1(row.label)))
        << row.name;
  }
}

TEST(KeptObjects, PictureFilesBecomeGroups) {
  const struct {
    const char* name;
    QByteArray file;
    const char* blip;  // null: refused
    bool sameBytes;
    QSize shown = {4, 3};
  } rows[] = {
      {"PNG as it is", Encoded("PNG"), "\\pngblip", true},
      {"JPEG as it is", Encoded("JPEG"), "\\jpegblip", true},
      {"BMP as PNG", Encoded("BMP"), "\\pngblip", false},
      {"phone photo scaled, still JPEG", PhonePhoto(), "\\jpegblip", false, {4096, 3072}},
      {"no picture", "not a picture", nullptr, false},
  };
  for (const auto& row : rows) {
    const QByteArray group = PictureFileRtf(row.file);
    ASSERT_EQ(group.isEmpty(), row.blip == nullptr) << row.name;
    if (!row.blip) continue;
    EXPECT_TRUE(group.startsWith(QByteArray("{\\pict") + row.blip)) << row.name;
    EXPECT_EQ(group.contains(Hex(row.file)), row.sameBytes) << row.name;
    const KeptPicture shown = ReadKeptPicture(group, QStringLiteral("pict"));
    EXPECT_EQ(std::make_pair(shown.image.size(), shown.size), std::make_pair(row.shown, QSizeF(row.shown))) << row.name;
  }
}

TEST(KeptObjects, PicturesAreDrawnIntoTheMask) {
  const QByteArray rtf = "{\\rtf1 {\\pict\\pngblip\\picwgoal300\\pichgoal300 " + Hex(Encoded("PNG")) + "}}";
  QTextDocument doc;
  ReadRtf(rtf, doc);
  const std::vector<BYTE> mask = RenderRichTextMask(doc, 64, 64);
  int ink = 0;
  for (BYTE b : mask) ink += __builtin_popcount(b);
  EXPECT_GE(ink, 20 * 20) << "the 20 x 20 black picture";
  EXPECT_LT(ink, 64 * 64 / 2);
}

}  // namespace
