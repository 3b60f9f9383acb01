// What the import reads from a presentation package: the slide size, the
// slides in order and, for each, its shapes with their place in points and
// their texts, tables and pictures.  Shapes that only a full presentation
// program can draw are kept as Unsupported so they can be counted.
#pragma once
#include <QByteArray>
#include <QColor>
#include <QString>
#include <vector>

class CPptxPackage;
class QXmlStreamReader;

struct CPptxRun {
  QString text;
  QString face;
  double sizePt = 18;
  bool bold = false, italic = false, underline = false;
  QColor colour;  // invalid: the default text colour
  QString schemeColour;  // a theme colour's name, resolved once the theme is read
};

struct CPptxParagraph {
  std::vector<CPptxRun> runs;
  Qt::Alignment align = Qt::AlignLeft;
  double marginLeftPt = 0, indentPt = 0, spaceBeforePt = 0, spaceAfterPt = 0;
  QString bullet;          // a bullet character, empty for none
  bool autoNumber = false;  // numbered paragraph
};

struct CPptxText {
  std::vector<CPptxParagraph> paragraphs;
  bool HasText() const;
  // The colour of the first run that names one; invalid when none does.
  QColor FirstColour() const;
};

struct CPptxTableCell {
  CPptxText text;
  bool hMerge = false, vMerge = false;  // covered by the cell to the left / above
};

struct CPptxTable {
  std::vector<double> columnWidthsPt;
  std::vector<double> rowHeightsPt;
  std::vector<std::vector<CPptxTableCell>> rows;
};

enum class PptxShapeKind { Text, Table, Picture, Group, Unsupported };

struct CPptxShape {
  PptxShapeKind kind = PptxShapeKind::Unsupported;
  double left = 0, top = 0, width = 0, height = 0;  // points
  bool placed = false;                              // had its own position
  QString placeholderType, placeholderIndex;        // of a placeholder shape
  CPptxText text;
  CPptxTable table;
  QString pictureTarget;  // the picture's part name in the package
};

struct CPptxSlide {
  std::vector<CPptxShape> shapes;
};

struct CPptxDeck {
  double widthPt = 720, heightPt = 540;
  std::vector<QString> slideParts;  // part names in show order
};

// Limits on what one part may hold, checked as it is read.
inline constexpr int kMaxPptxSlides = 10000;
inline constexpr int kMaxPptxShapes = 100000;
inline constexpr int kMaxPptxParagraphs = 100000;

// The slide list and size; false with *failure set when the package holds
// no readable presentation.
bool ReadPptxDeck(CPptxPackage& package, CPptxDeck* deck, QString* failure);
// One slide's shapes; placeholders without their own position take their
// layout's (or master's).  False with *failure on a damaged part.
bool ReadPptxSlide(CPptxPackage& package, const QString& part, CPptxSlide* slide, QString* failure);

// The attribute of the element the reader stands on, by its local name
// (prefixes vary between writers); empty when it has none.
QString PptxAttribute(const QXmlStreamReader& r, QLatin1StringView name);

// Parts of the reader, for its tests.
// The relationships of `part` (id -> resolved part name, or -> type when
// `types`), from its .rels part; missing rels give none.
std::vector<std::pair<QString, QString>> ReadPptxRelationships(CPptxPackage& package, const QString& part,
                                                                bool types = false);
QString ResolvePptxTarget(const QString& part, const QString& target);
// The theme's named colours ("dk1", "accent1" ...) for the slide part.
std::vector<std::pair<QString, QColor>> ReadPptxThemeColours(CPptxPackage& package, const QString& slidePart);
// Shapes of one slide, layout or master part.
bool ParsePptxShapes(const QByteArray& xml, const std::vector<std::pair<QString, QString>>& relationships,
                     CPptxSlide* slide, QString* failure);
