#include "ui/commandicons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <iterator>
#include <map>

#include "platform/commandids.h"
#include "ui/commandactions.h"

namespace {
// Families by id range, each with its hue.
QColor FamilyColor(unsigned id) {
  struct Range {
    unsigned first, last;
    QColor color;
  };
  static const Range ranges[] = {
      {325, 335, QColor(90, 90, 110)},        {2000, 2100, QColor(200, 90, 30)},
      {32771, 32772, QColor(60, 110, 180)},   {32776, 32790, QColor(40, 130, 150)},
      {32796, 32880, QColor(50, 120, 60)},    {32881, 32883, QColor(160, 60, 60)},
      {32951, 32984, QColor(40, 130, 150)},   {33056, 33143, QColor(50, 120, 60)},
      {33145, 33230, QColor(40, 130, 150)},   {33231, 33331, QColor(130, 80, 160)},
      {33332, 33700, QColor(60, 110, 180)},   {33701, 34195, QColor(40, 130, 150)},
      {36001, 36099, QColor(170, 110, 20)},   {57600, 57700, QColor(70, 90, 130)},
  };
  for (const Range& r : ranges)
    if (id >= r.first && id <= r.last) return r.color;
  return QColor(90, 100, 120);
}

QChar Glyph(unsigned id) {
  for (QChar c : CommandLabel(id))
    if (c.isLetterOrNumber()) return c;
  return QChar('?');
}

QPixmap Tile(unsigned id, int size, qreal scale) {
  QPixmap pixmap(qRound(size * scale), qRound(size * scale));
  pixmap.setDevicePixelRatio(scale);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QColor base = FamilyColor(id);
  QLinearGradient shade(0, 0, 0, size);
  shade.setColorAt(0, base.lighter(135));
  shade.setColorAt(1, base);
  const QRectF tile(0.5, 0.5, size - 1.0, size - 1.0);
  p.setPen(QPen(base.darker(130), 1));
  p.setBrush(shade);
  p.drawRoundedRect(tile, size / 5.0, size / 5.0);
  QFont font = p.font();
  font.setPixelSize(size <= 16 ? 11 : 20);
  font.setBold(size > 16);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(tile, Qt::AlignCenter, QString(Glyph(id)));
  return pixmap;
}
}  // namespace

QIcon CommandIcon(unsigned id) {
  // Kept to the end of the process: pixmaps must not outlive the application
  // object in static destruction.
  static auto& cache = *new std::map<unsigned, QIcon>;
  if (auto it = cache.find(id); it != cache.end()) return it->second;
  QIcon icon;
  for (int size : {16, 32})
    for (qreal scale : {1.0, 2.0}) icon.addPixmap(Tile(id, size, scale));
  cache.emplace(id, icon);
  return icon;
}

QIcon ImageListIcon(int image) {
  // The line tool's pictures are those of the four line commands.
  constexpr int kFirstLineImage = 2;
  constexpr unsigned kLineCommands[] = {ID_CREATE_LINE_SEGMENT, ID_CREATE_LINE_HALF, ID_CREATE_LINE_STRAIGHT,
                                        ID_CREATE_LINE_VECTOR};
  const int k = image - kFirstLineImage;
  if (k < 0 || k >= static_cast<int>(std::size(kLineCommands))) return QIcon();
  return CommandIcon(kLineCommands[k]);
}
