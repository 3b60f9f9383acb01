#include "richtext/keptobjects.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFormat>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <unordered_map>

#include "formula/drawing/dib.h"
#include "platform/filebytes.h"
#include "render/picturefile.h"
#include "richtext/rtfformat.h"
#include "richtext/rtfreader.h"
#include "richtext/wmfplayer.h"

namespace {

constexpr double kTwipsPerPixel = rtf::kTwipsPerPixel;
constexpr double kLargestSide = 4096;  // pixels a kept object may take in the text

// The words and data of one group, its nested groups' data left out.  Not
// a QHash (nor the handler's cache below): its insert ends the program when
// memory runs out, and opening or showing a rich text must refuse instead.
struct GroupScan {
  std::unordered_map<QByteArray, long> words;  // last value of each control word
  QByteArray data;                             // hex pairs (and \bin bytes) at the top level

  bool Has(const char* word) const { return words.contains(word); }
  long Value(const char* word, long otherwise) const {
    const auto it = words.find(word);
    return it == words.end() ? otherwise : it->second;
  }
};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

GroupScan ScanGroup(const QByteArray& g) {
  GroupScan scan;
  int depth = 0, high = -1;
  for (qsizetype i = 0; i < g.size(); ++i) {
    const char c = g[i];
    if (c == '{') { ++depth; continue; }
    if (c == '}') { if (--depth <= 0) break; continue; }
    if (c == '\\') {
      qsizetype j = i + 1;
      while (j < g.size() && std::isalpha(static_cast<unsigned char>(g[j]))) ++j;
      const QByteArray word = g.mid(i + 1, j - i - 1);
      qsizetype k = j;
      if (k < g.size() && g[k] == '-') ++k;
      while (k < g.size() && k - j < 10 && std::isdigit(static_cast<unsigned char>(g[k]))) ++k;
      const long value = k > j ? g.mid(j, k - j).toLong() : 1;
      if (k < g.size() && g[k] == ' ') ++k;
      if (word.isEmpty()) k = j + 1;  // a control symbol
      if (word == "bin" && depth == 1 && value > 0) {
        const qsizetype n = std::min<qsizetype>(value, g.size() - k);
        scan.data.append(g.mid(k, n));
        k += n;
      }
      if (!word.isEmpty()) scan.words.insert_or_assign(word, value);
      i = k - 1;
      continue;
    }
    if (depth != 1) continue;
    const int v = HexValue(c);
    if (v < 0) continue;
    if (high < 0) {
      high = v;
    } else {
      scan.data.append(static_cast<char>(high << 4 | v));
      high = -1;
    }
  }
  return scan;
}

// The group that starts with "{\<word>" (or "{\*\<word>") inside g, braces included.
QByteArray InnerGroup(const QByteArray& g, const char* word) {
  for (const QByteArray& open : {QByteArray("{\\") + word, QByteArray("{\\*\\") + word}) {
    const qsizetype from = g.indexOf(open, 1);
    if (from < 0) continue;
    int depth = 0;
    for (qsizetype i = from; i < g.size(); ++i) {
      if (g[i] == '\\') { ++i; continue; }
      if (g[i] == '{') ++depth;
      if (g[i] == '}' && --depth == 0) return g.mid(from, i - from + 1);
    }
    return g.mid(from);
  }
  return {};
}

// Decoded no larger than the text ever lays a picture out: a larger one
// (a phone's photo) scaled down to fit.
QImage DecodeToLargestSide(const QByteArray& bytes, const char* format) {
  return DecodePictureIn(bytes, format, static_cast<int>(kLargestSide)).image;
}

double Side(double pixels) { return std::clamp(pixels, 0.0, kLargestSide); }

KeptPicture ReadPict(const QByteArray& group) {
  const GroupScan scan = ScanGroup(group);
  KeptPicture picture;
  if (scan.Has("pngblip")) picture.image = DecodeToLargestSide(scan.data, "PNG");
  else if (scan.Has("jpegblip")) picture.image = DecodeToLargestSide(scan.data, "JPEG");
  else if (scan.Has("dibitmap")) picture.image = DecodeToLargestSide(BmpFileBytes(scan.data), "BMP");
  // The goal size is in twips, scaled in percent; without one, the image's own.
  const double sx = scan.Value("picscalex", 100) / 100.0, sy = scan.Value("picscaley", 100) / 100.0;
  double w = scan.Value("picwgoal", 0) / kTwipsPerPixel, h = scan.Value("pichgoal", 0) / kTwipsPerPixel;
  const bool metafile = scan.Has("wmetafile");
  if (w <= 0 && h <= 0 && metafile)  // \picw and \pich in hundredths of a millimetre
    w = scan.Value("picw", 0) * 96 / 2540.0, h = scan.Value("pich", 0) * 96 / 2540.0;
  if ((w <= 0 || h <= 0) && !picture.image.isNull()) w = picture.image.width(), h = picture.image.height();
  picture.size = QSizeF(Side(w * sx), Side(h * sy));
  const QSize pixels = picture.size.toSize();
  if (metafile && !pixels.isEmpty()) {
    QImage drawn(pixels, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    const bool played = PlayWmf(scan.data, painter, QRectF(QPointF(0, 0), picture.size));
    painter.end();
    if (played) picture.image = drawn;
  }
  return picture;
}

KeptPicture ReadObject(const QByteArray& group) {
  const QByteArray classGroup = InnerGroup(group, "objclass");
  // "{\*\objclass Equation.3}": the text after the word.
  const qsizetype space = classGroup.indexOf(' ');
  const QString name = space < 0 ? QString() : QString::fromLatin1(classGroup.mid(space + 1)).remove(u'}').trimmed();
  const QByteArray result = InnerGroup(group, "result");
  KeptPicture picture = result.isEmpty() ? KeptPicture{} : ReadPict(InnerGroup(result, "pict"));
  const GroupScan scan = ScanGroup(group);
  const double w = scan.Value("objw", 0) / kTwipsPerPixel, h = scan.Value("objh", 0) / kTwipsPerPixel;
  if (picture.size.isEmpty()) picture.size = QSizeF(Side(w), Side(h));
  picture.label = name;
  return picture;
}

// The layout finds the interface through qt_metacast, answered here by hand
// since this library is built without the meta-object compiler.
class CKeptObjectHandler : public QObject, public QTextObjectInterface {
 public:
  explicit CKeptObjectHandler(QObject* parent) : QObject(parent) {}

  void* qt_metacast(const char* name) override {
    if (name && std::strcmp(name, qobject_interface_iid<QTextObjectInterface*>()) == 0)
      return static_cast<QTextObjectInterface*>(this);
    return QObject::qt_metacast(name);
  }

  QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override { return Picture(format).size; }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override {
    const KeptPicture& picture = Picture(format);
    if (!picture.image.isNull()) {
      painter->drawImage(rect, picture.image);
      return;
    }
    painter->save();
    painter->setPen(QPen(Qt::gray, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter->drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, picture.label);
    painter->restore();
  }

 private:
  const KeptPicture& Picture(const QTextFormat& format) {
    const QByteArray group = format.property(rtf::kKeptGroup).toByteArray();
    auto it = m_cache.find(group);
    if (it == m_cache.end()) {
      if (m_cache.size() >= 64) m_cache.clear();
      it = m_cache.emplace(group, ReadKeptPicture(group, format.property(rtf::kKeptKind).toString())).first;
    }
    return it->second;
  }

  std::unordered_map<QByteArray, KeptPicture> m_cache;
};

}  // namespace

KeptPicture ReadKeptPicture(const QByteArray& group, const QString& kind) {
  if (kind == QLatin1String("pict")) return ReadPict(group);
  if (kind == QLatin1String("object")) return ReadObject(group);
  if (kind == QLatin1String("shppict")) return ReadPict(InnerGroup(group, "pict"));
  return {};
}

QByteArray PictureFileRtf(const QByteArray& file) {
  QBuffer buffer;
  buffer.setData(file);
  buffer.open(QIODevice::ReadOnly);
  const QByteArray format = QImageReader::imageFormat(&buffer);
  QImage image = DecodeToLargestSide(file, format.constData());
  if (image.isNull()) return {};
  QByteArray data = file;
  QByteArray blip = format == "jpeg" ? "\\jpegblip" : "\\pngblip";
  // A scaled picture goes in as it is shown, a JPEG one still as JPEG.
  const bool scaled = QImageReader(&buffer, format).size() != image.size();
  if ((format != "png" && format != "jpeg") || scaled) {
    data.clear();
    QBuffer encoded(&data);
    encoded.open(QIODevice::WriteOnly);
    image.save(&encoded, format == "jpeg" ? "JPEG" : "PNG");
  }
  const auto twips = [](int pixels) { return QByteArray::number(pixels * static_cast<int>(kTwipsPerPixel)); };
  return "{\\pict" + blip + "\\picw" + QByteArray::number(image.width()) + "\\pich" +
         QByteArray::number(image.height()) + "\\picwgoal" + twips(image.width()) + "\\pichgoal" +
         twips(image.height()) + " " + data.toHex() + "}";
}

bool InsertPictureFile(QTextCursor& cursor, const QString& path, QString* why) {
  FileFailure failure = FileFailure::None;
  const std::optional<QByteArray> file = ReadFileBytes(path, &failure, kMaxPictureFileBytes);
  QString reason = file ? PictureShortfall(*file) : FileFailureReason(failure, false, kMaxPictureFileBytes);
  const QByteArray group = reason.isEmpty() ? PictureFileRtf(*file) : QByteArray();
  if (group.isEmpty()) {
    if (why) *why = reason.isEmpty() ? path : PathAndReason(path, reason);
    return false;
  }
  QTextDocument picture;
  ReadRtf("{\\rtf1 " + group + "}", picture);
  cursor.insertFragment(QTextDocumentFragment(&picture));
  cursor.setCharFormat(WithoutKeptGroup(cursor.charFormat()));
  return true;
}

QTextCharFormat WithoutKeptGroup(QTextCharFormat format) {
  format.clearProperty(rtf::kKeptGroup);
  format.clearProperty(rtf::kKeptKind);
  format.clearProperty(QTextFormat::ObjectType);
  return format;
}

void ShowKeptObjects(QTextDocument& doc) {
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  if (layout->handlerForObject(rtf::kKeptObjectType)) return;
  layout->registerHandler(rtf::kKeptObjectType, new CKeptObjectHandler(layout));
}
