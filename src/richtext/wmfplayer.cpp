#include "richtext/wmfplayer.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <QtEndian>
#include <map>
#include <vector>

#include "platform/gbk.h"

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableBytes = 22;
constexpr int kHeaderBytes = 18;
constexpr int kMaxObjects = 1024;

enum Record : quint16 {
  kEof = 0x0000,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kSetTextColor = 0x0209,
  kSetTextAlign = 0x012E,
  kSelectObject = 0x012D,
  kDeleteObject = 0x01F0,
  kCreatePen = 0x02FA,
  kCreateFont = 0x02FB,
  kCreateBrush = 0x02FC,
  kMoveTo = 0x0214,
  kLineTo = 0x0213,
  kPolyline = 0x0325,
  kPolygon = 0x0324,
  kRectangle = 0x041B,
  kTextOut = 0x0521,
  kExtTextOut = 0x0A32,
};

// The characters the Symbol face draws for its codes 0x20 to 0x7F (Greek
// letters and operators) and the most used codes above.
const char16_t kSymbolLow[] =
    u" !∀#∃%&∋()∗+,−./0123456789:;<=>?≅ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ[∴]⊥_‾αβχδεφγηιϕκλμνοπθρστυϖωξψζ{|}∼";
const std::map<unsigned char, char16_t> kSymbolHigh = {
    {0xA3, u'≤'}, {0xA5, u'∞'}, {0xAB, u'↔'}, {0xAC, u'←'}, {0xAD, u'↑'}, {0xAE, u'→'}, {0xAF, u'↓'},
    {0xB0, u'°'}, {0xB1, u'±'}, {0xB3, u'≥'}, {0xB4, u'×'}, {0xB5, u'∝'}, {0xB6, u'∂'}, {0xB7, u'•'},
    {0xB8, u'÷'}, {0xB9, u'≠'}, {0xBA, u'≡'}, {0xBB, u'≈'}, {0xC6, u'∅'}, {0xC7, u'∩'}, {0xC8, u'∪'},
    {0xC9, u'⊃'}, {0xCA, u'⊇'}, {0xCB, u'⊄'}, {0xCC, u'⊂'}, {0xCD, u'⊆'}, {0xCE, u'∈'}, {0xCF, u'∉'},
    {0xD0, u'∠'}, {0xD6, u'√'}, {0xD7, u'⋅'}, {0xD8, u'¬'}, {0xD9, u'∧'}, {0xDA, u'∨'}, {0xDB, u'⇔'},
    {0xDE, u'⇒'}, {0xE5, u'∑'}, {0xF2, u'∫'}, {0xE6, u'('}, {0xE8, u'('}, {0xF6, u')'}, {0xF8, u')'},
};

}  // namespace

QString DecodeMetafileText(const QByteArray& bytes, int charSet) {
  if (charSet == 134) return DecodeGbk(bytes.constData(), bytes.size());
  if (charSet != 2) return QString::fromLatin1(bytes);
  QString text;
  for (const char c : bytes) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= 0x20 && code < 0x20 + std::size(kSymbolLow) - 1) text += QChar(kSymbolLow[code - 0x20]);
    else if (auto it = kSymbolHigh.find(code); it != kSymbolHigh.end()) text += QChar(it->second);
    else text += QChar(u' ');
  }
  return text;
}

namespace {

QColor ColorOf(quint32 colorref) { return QColor(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF); }

struct GdiObject {
  enum Kind { Pen, Brush, Font } kind;
  QPen pen;
  QBrush brush;
  QFont font;
  int height = 0;  // logical units; negative: the character height
  int charSet = 0;
};

class Player {
 public:
  Player(QPainter& painter, const QRectF& target) : m_painter(painter), m_target(target) {}

  void Play(const QByteArray& wmf, qsizetype at) {
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setPen(QPen(Qt::black, 0));
    m_painter.setBrush(Qt::NoBrush);
    while (at + 6 <= wmf.size()) {
      const quint64 words = Dword(wmf, at);
      const quint16 function = Word(wmf, at + 4);
      if (words < 3 || words * 2 > static_cast<quint64>(wmf.size() - at) || function == kEof) break;
      m_p = QByteArray::fromRawData(wmf.constData() + at + 6, static_cast<qsizetype>(words * 2 - 6));
      Run(function);
      at += static_cast<qsizetype>(words * 2);
    }
    m_painter.restore();
  }

 private:
  static quint16 Word(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(b.constData() + at));
  }
  static quint32 Dword(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(b.constData() + at));
  }
  // Parameter i of the record (0 when the record is too short).
  qint16 P(int i) const { return 2 * i + 2 <= m_p.size() ? static_cast<qint16>(Word(m_p, 2 * i)) : 0; }
  quint32 P32(int i) const { return static_cast<quint16>(P(i)) | (static_cast<quint32>(static_cast<quint16>(P(i + 1))) << 16); }

  QPointF Map(double x, double y) const {
    const double ex = m_ext.width() ? m_ext.width() : 1, ey = m_ext.height() ? m_ext.height() : 1;
    return {m_target.left() + (x - m_org.x()) * m_target.width() / ex,
            m_target.top() + (y - m_org.y()) * m_target.height() / ey};
  }
  double ScaleY() const { return m_ext.height() ? std::abs(m_target.height() / m_ext.height()) : 1; }

  QPolygonF Points(int first, int count) const {
    QPolygonF points;
    for (int i = 0; i < count; ++i) points << Map(P(first + 2 * i), P(first + 2 * i + 1));
    return points;
  }

  void Add(GdiObject object) {
    int slot = 0;
    while (m_objects.count(slot)) ++slot;
    if (slot < kMaxObjects) m_objects[slot] = std::move(object);
  }

  void Select(int index) {
    const auto it = m_objects.find(index);
    if (it == m_objects.end()) return;
    const GdiObject& o = it->second;
    if (o.kind == GdiObject::Pen) m_painter.setPen(o.pen);
    else if (o.kind == GdiObject::Brush) m_painter.setBrush(o.brush);
    else m_font = o;
  }

  void Text(double x, double y, const QByteArray& bytes) {
    const QString text = DecodeMetafileText(bytes, m_font.charSet);
    QFont font = m_font.font;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(std::abs(m_font.height) * ScaleY()))));
    m_painter.save();
    m_painter.setFont(font);
    m_painter.setPen(m_textColor);
    const QFontMetricsF metrics(font);
    QPointF at = Map(x, y);
    const int horizontal = m_textAlign & 6, vertical = m_textAlign & 24;
    if (horizontal == 2) at.rx() -= metrics.horizontalAdvance(text);
    else if (horizontal == 6) at.rx() -= metrics.horizontalAdvance(text) / 2;
    if (vertical == 0) at.ry() += metrics.ascent();
    else if (vertical == 8) at.ry() -= metrics.descent();
    m_painter.drawText(at, text);
    m_painter.restore();
  }

  void Run(quint16 function) {
    switch (function) {
      case kSetWindowOrg: m_org = QPointF(P(1), P(0)); break;
      case kSetWindowExt: m_ext = QSizeF(P(1), P(0)); break;
      case kSetTextColor: m_textColor = ColorOf(P32(0)); break;
      case kSetTextAlign: m_textAlign = static_cast<quint16>(P(0)); break;
      case kSelectObject: Select(static_cast<quint16>(P(0))); break;
      case kDeleteObject: m_objects.erase(static_cast<quint16>(P(0))); break;
      case kCreatePen: {
        GdiObject pen{GdiObject::Pen, {}, {}, {}};
        const int style = P(0) & 0xF;
        pen.pen = style == 5 ? QPen(Qt::NoPen) : QPen(ColorOf(P32(3)), std::abs(P(1)) * ScaleY());
        Add(pen);
        break;
      }
      case kCreateBrush: {
        GdiObject brush{GdiObject::Brush, {}, {}, {}};
        brush.brush = P(0) == 1 ? QBrush(Qt::NoBrush) : QBrush(ColorOf(P32(1)));
        Add(brush);
        break;
      }
      case kCreateFont: {
        GdiObject font{GdiObject::Font, {}, {}, {}};
        font.height = P(0);
        font.font.setWeight(P(4) >= 600 ? QFont::Bold : QFont::Normal);
        font.font.setItalic(m_p.size() > 10 && m_p[10]);
        font.font.setUnderline(m_p.size() > 11 && m_p[11]);
        font.charSet = m_p.size() > 13 ? static_cast<unsigned char>(m_p[13]) : 0;
        // Symbol-set text is decoded to Unicode, so it takes the default face.
        const QByteArray face = m_p.mid(18, 32);
        if (font.charSet != 2)
          font.font.setFamilies({DecodeMetafileText(face.left(face.indexOf('\0') < 0 ? face.size() : face.indexOf('\0')),
                                            font.charSet == 134 ? 134 : 0)});
        Add(font);
        break;
      }
      case kMoveTo: m_pos = Map(P(1), P(0)); break;
      case kLineTo: {
        const QPointF to = Map(P(1), P(0));
        m_painter.drawLine(m_pos, to);
        m_pos = to;
        break;
      }
      case kPolyline:
      case kPolygon: {
        const int count = std::clamp<int>(P(0), 0, static_cast<int>((m_p.size() - 2) / 4));
        if (function == kPolyline) m_painter.drawPolyline(Points(1, count));
        else m_painter.drawPolygon(Points(1, count));
        break;
      }
      case kRectangle: m_painter.drawRect(QRectF(Map(P(3), P(2)), Map(P(1), P(0)))); break;
      case kTextOut: {
        const int count = std::clamp<int>(P(0), 0, static_cast<int>(m_p.size() - 2));
        const int words = (count + 1) / 2;
        Text(P(2 + words), P(1 + words), m_p.mid(2, count));
        break;
      }
      case kExtTextOut: {
        const int count = std::max<int>(0, P(2));
        const int options = P(3);
        const int from = 8 + ((options & 6) ? 8 : 0);
        Text(P(1), P(0), m_p.mid(from, std::min<qsizetype>(count, std::max<qsizetype>(0, m_p.size() - from))));
        break;
      }
      default: break;
    }
  }

  QPainter& m_painter;
  QRectF m_target;
  QByteArray m_p;
  QPointF m_org{0, 0};
  QSizeF m_ext{1, 1};
  QPointF m_pos;
  QColor m_textColor = Qt::black;
  quint16 m_textAlign = 0;
  GdiObject m_font{GdiObject::Font, {}, {}, {}};
  std::map<int, GdiObject> m_objects;
};

}  // namespace

bool PlayWmf(const QByteArray& wmf, QPainter& painter, const QRectF& target) {
  qsizetype at = 0;
  if (wmf.size() >= 4 && qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(wmf.constData())) == kPlaceableKey)
    at = kPlaceableBytes;
  if (wmf.size() < at + kHeaderBytes) return false;
  const auto word = [&wmf](qsizetype i) {
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(wmf.constData() + i));
  };
  if ((word(at) != 1 && word(at) != 2) || word(at + 2) != 9) return false;
  Player(painter, target).Play(wmf, at + kHeaderBytes);
  return true;
}
