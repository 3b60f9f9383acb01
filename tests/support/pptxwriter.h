// Presentation packages written by the tests themselves: a small zip
// writer over libzip and the few DrawingML parts the import reads.
#pragma once
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

using ZipEntries = std::vector<std::pair<QString, QByteArray>>;
// The entries deflated, in order.
QByteArray WriteZip(const ZipEntries& entries);

// Shapes of a slide, positions and sizes in points; rgb "RRGGBB" or
// "scheme:name" for a theme colour.
QString SlideTextBox(double left, double top, double width, double height, const QString& text,
                     const QString& rgb = QString(), const QString& runProperties = QString());
QString SlidePlaceholder(const QString& type, const QString& text);  // no position of its own
QString SlideDrawnShape(double left, double top, double width, double height);
QString SlidePicture(double left, double top, double width, double height, const QString& relId);
QString SlideChart(double left, double top, double width, double height);
// cells[r][c]: the text, or "<h" / "^v" for a cell merged with its left or upper neighbour.
QString SlideTable(double left, double top, double columnWidth, double rowHeight,
                   const std::vector<std::vector<QString>>& cells);

struct CFixtureSlide {
  QString shapes;                      // the shapes' XML
  std::vector<std::pair<QString, QByteArray>> media;  // rId -> picture bytes
  QString layoutShapes;                // the slide layout's shapes
};
// A whole package: slide size in points and the slides in show order.
QByteArray WritePptx(const std::vector<CFixtureSlide>& slides, double widthPt = 720, double heightPt = 540);
// A PNG of w x h pixels, black on white (a black square in the middle).
QByteArray FixturePng(int w, int h);
