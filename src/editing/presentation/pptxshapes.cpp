// DrawingML shapes of a slide, layout or master part.
#include <QXmlStreamReader>

#include "editing/presentation/pptxdeck.h"

namespace {
constexpr double kEmuPerPoint = 12700;
// Stored rows and columns of a table: one beyond what may be imported is
// enough to refuse it.
constexpr int kMaxStoredTableLines = 21;

QString Attr(const QXmlStreamReader& r, QLatin1StringView name) { return PptxAttribute(r, name); }

double AttrNumber(const QXmlStreamReader& r, QLatin1StringView name, double fallback = 0) {
  bool ok = false;
  const double v = Attr(r, name).toDouble(&ok);
  return ok && std::isfinite(v) ? v : fallback;
}

bool Is(const QXmlStreamReader& r, const char* name) { return r.name() == QLatin1StringView(name); }

void ReadXfrm(QXmlStreamReader& r, CPptxShape* shape) {
  while (r.readNextStartElement()) {
    if (Is(r, "off")) {
      shape->left = AttrNumber(r, QLatin1StringView("x")) / kEmuPerPoint;
      shape->top = AttrNumber(r, QLatin1StringView("y")) / kEmuPerPoint;
      shape->placed = true;
    } else if (Is(r, "ext")) {
      shape->width = AttrNumber(r, QLatin1StringView("cx")) / kEmuPerPoint;
      shape->height = AttrNumber(r, QLatin1StringView("cy")) / kEmuPerPoint;
    }
    r.skipCurrentElement();
  }
}

// spPr, grpSpPr or a frame's own xfrm holder.
void ReadShapeProperties(QXmlStreamReader& r, CPptxShape* shape) {
  while (r.readNextStartElement()) {
    if (Is(r, "xfrm")) ReadXfrm(r, shape);
    else r.skipCurrentElement();
  }
}

// Elements the reader descends into may be nested by a crafted part
// without end; below this depth they are passed over.
constexpr int kMaxNesting = 8;

// nvSpPr, nvPicPr, nvGraphicFramePr: only the placeholder matters.
void ReadNonVisual(QXmlStreamReader& r, CPptxShape* shape, int depth = 0) {
  while (r.readNextStartElement()) {
    if (Is(r, "ph")) {
      shape->placeholderType = Attr(r, QLatin1StringView("type"));
      if (shape->placeholderType.isEmpty()) shape->placeholderType = QStringLiteral("body");
      shape->placeholderIndex = Attr(r, QLatin1StringView("idx"));
      r.skipCurrentElement();
    } else if (Is(r, "nvPr") && depth < kMaxNesting) {
      ReadNonVisual(r, shape, depth + 1);
    } else {
      r.skipCurrentElement();
    }
  }
}

void ReadFill(QXmlStreamReader& r, CPptxRun* run) {
  while (r.readNextStartElement()) {
    if (Is(r, "srgbClr")) run->colour = QColor(QLatin1Char('#') + Attr(r, QLatin1StringView("val")));
    else if (Is(r, "schemeClr")) run->schemeColour = Attr(r, QLatin1StringView("val"));
    r.skipCurrentElement();
  }
}

void ReadRunProperties(QXmlStreamReader& r, CPptxRun* run) {
  const double size = AttrNumber(r, QLatin1StringView("sz"), 0) / 100;
  if (size > 0 && size <= 4000) run->sizePt = size;
  run->bold = Attr(r, QLatin1StringView("b")) == QLatin1String("1");
  run->italic = Attr(r, QLatin1StringView("i")) == QLatin1String("1");
  const QString u = Attr(r, QLatin1StringView("u"));
  run->underline = !u.isEmpty() && u != QLatin1String("none");
  while (r.readNextStartElement()) {
    if (Is(r, "solidFill")) {
      ReadFill(r, run);
    } else if (Is(r, "latin") || Is(r, "ea")) {
      const QString face = Attr(r, QLatin1StringView("typeface"));
      // An East Asian face wins: the texts here are mostly Chinese.
      if (!face.isEmpty() && !face.startsWith(QLatin1Char('+')) && (run->face.isEmpty() || Is(r, "ea")))
        run->face = face;
      r.skipCurrentElement();
    } else {
      r.skipCurrentElement();
    }
  }
}

void ReadRun(QXmlStreamReader& r, CPptxParagraph* paragraph) {
  CPptxRun run;
  while (r.readNextStartElement()) {
    if (Is(r, "rPr")) ReadRunProperties(r, &run);
    else if (Is(r, "t")) run.text += r.readElementText();
    else r.skipCurrentElement();
  }
  paragraph->runs.push_back(std::move(run));
}

double ReadSpacing(QXmlStreamReader& r) {
  double points = 0;
  while (r.readNextStartElement()) {
    if (Is(r, "spcPts")) points = AttrNumber(r, QLatin1StringView("val")) / 100;
    r.skipCurrentElement();
  }
  return points;
}

void ReadParagraphProperties(QXmlStreamReader& r, CPptxParagraph* p) {
  const QString align = Attr(r, QLatin1StringView("algn"));
  if (align == QLatin1String("ctr")) p->align = Qt::AlignHCenter;
  else if (align == QLatin1String("r")) p->align = Qt::AlignRight;
  else if (align == QLatin1String("just") || align == QLatin1String("dist")) p->align = Qt::AlignJustify;
  p->marginLeftPt = AttrNumber(r, QLatin1StringView("marL")) / kEmuPerPoint;
  p->indentPt = AttrNumber(r, QLatin1StringView("indent")) / kEmuPerPoint;
  while (r.readNextStartElement()) {
    if (Is(r, "spcBef")) {
      p->spaceBeforePt = ReadSpacing(r);
    } else if (Is(r, "spcAft")) {
      p->spaceAfterPt = ReadSpacing(r);
    } else if (Is(r, "buChar")) {
      p->bullet = Attr(r, QLatin1StringView("char")).left(1);
      r.skipCurrentElement();
    } else if (Is(r, "buAutoNum")) {
      p->autoNumber = true;
      r.skipCurrentElement();
    } else {
      r.skipCurrentElement();
    }
  }
}

void ReadTextBody(QXmlStreamReader& r, CPptxText* text) {
  while (r.readNextStartElement()) {
    if (!Is(r, "p") || text->paragraphs.size() >= static_cast<size_t>(kMaxPptxParagraphs)) {
      r.skipCurrentElement();
      continue;
    }
    CPptxParagraph paragraph;
    while (r.readNextStartElement()) {
      if (Is(r, "pPr")) {
        ReadParagraphProperties(r, &paragraph);
      } else if (Is(r, "r") || Is(r, "fld")) {
        ReadRun(r, &paragraph);
      } else if (Is(r, "br")) {
        CPptxRun lineBreak;
        lineBreak.text = QString(QChar::LineSeparator);
        paragraph.runs.push_back(lineBreak);
        r.skipCurrentElement();
      } else {
        r.skipCurrentElement();
      }
    }
    text->paragraphs.push_back(std::move(paragraph));
  }
}

void ReadTable(QXmlStreamReader& r, CPptxTable* table) {
  while (r.readNextStartElement()) {
    if (Is(r, "tblGrid")) {
      while (r.readNextStartElement()) {
        if (Is(r, "gridCol") && table->columnWidthsPt.size() < kMaxStoredTableLines)
          table->columnWidthsPt.push_back(AttrNumber(r, QLatin1StringView("w")) / kEmuPerPoint);
        r.skipCurrentElement();
      }
    } else if (Is(r, "tr") && table->rows.size() < kMaxStoredTableLines) {
      table->rowHeightsPt.push_back(AttrNumber(r, QLatin1StringView("h")) / kEmuPerPoint);
      std::vector<CPptxTableCell> row;
      while (r.readNextStartElement()) {
        if (!Is(r, "tc") || row.size() >= kMaxStoredTableLines) {
          r.skipCurrentElement();
          continue;
        }
        CPptxTableCell cell;
        cell.hMerge = Attr(r, QLatin1StringView("hMerge")) == QLatin1String("1");
        cell.vMerge = Attr(r, QLatin1StringView("vMerge")) == QLatin1String("1");
        while (r.readNextStartElement()) {
          if (Is(r, "txBody")) ReadTextBody(r, &cell.text);
          else r.skipCurrentElement();
        }
        row.push_back(std::move(cell));
      }
      table->rows.push_back(std::move(row));
    } else {
      r.skipCurrentElement();
    }
  }
}

void ReadPicture(QXmlStreamReader& r, CPptxShape* shape, const std::vector<std::pair<QString, QString>>& rels);

// graphicFrame: a table, an embedded object shown by its preview picture,
// or a chart or diagram we cannot draw.
void ReadGraphicFrame(QXmlStreamReader& r, CPptxShape* shape, const std::vector<std::pair<QString, QString>>& rels,
                      int depth = 0) {
  while (r.readNextStartElement()) {
    if (Is(r, "xfrm")) {
      ReadXfrm(r, shape);
    } else if (Is(r, "nvGraphicFramePr")) {
      ReadNonVisual(r, shape);
    } else if ((Is(r, "graphic") || Is(r, "graphicData") || Is(r, "oleObj")) && depth < kMaxNesting) {
      ReadGraphicFrame(r, shape, rels, depth + 1);
    } else if (Is(r, "tbl")) {
      shape->kind = PptxShapeKind::Table;
      ReadTable(r, &shape->table);
    } else if (Is(r, "pic")) {
      CPptxShape preview = *shape;
      ReadPicture(r, &preview, rels);
      shape->kind = preview.kind;
      shape->pictureTarget = preview.pictureTarget;
    } else {
      r.skipCurrentElement();
    }
  }
}

void ReadPicture(QXmlStreamReader& r, CPptxShape* shape, const std::vector<std::pair<QString, QString>>& rels) {
  while (r.readNextStartElement()) {
    if (Is(r, "nvPicPr")) {
      ReadNonVisual(r, shape);
    } else if (Is(r, "spPr")) {
      ReadShapeProperties(r, shape);
    } else if (Is(r, "blipFill")) {
      while (r.readNextStartElement()) {
        if (Is(r, "blip")) {
          const QString id = Attr(r, QLatin1StringView("embed"));
          for (const auto& [rid, target] : rels)
            if (rid == id) shape->pictureTarget = target;
        }
        r.skipCurrentElement();
      }
    } else {
      r.skipCurrentElement();
    }
  }
  if (!shape->pictureTarget.isEmpty()) shape->kind = PptxShapeKind::Picture;
}

void ReadTextShape(QXmlStreamReader& r, CPptxShape* shape) {
  while (r.readNextStartElement()) {
    if (Is(r, "nvSpPr")) ReadNonVisual(r, shape);
    else if (Is(r, "spPr")) ReadShapeProperties(r, shape);
    else if (Is(r, "txBody")) ReadTextBody(r, &shape->text);
    else r.skipCurrentElement();
  }
  if (shape->text.HasText()) shape->kind = PptxShapeKind::Text;
  // An empty placeholder shows nothing in the show either.
  else if (!shape->placeholderType.isEmpty()) shape->kind = PptxShapeKind::Group;
}

// Alternate content may nest; a crafted part nesting it without end stops here.
constexpr int kMaxAlternateDepth = 4;

void ReadTree(QXmlStreamReader& r, CPptxSlide* slide, const std::vector<std::pair<QString, QString>>& rels,
              int depth = 0) {
  while (r.readNextStartElement()) {
    if (slide->shapes.size() >= static_cast<size_t>(kMaxPptxShapes)) {
      r.skipCurrentElement();
      continue;
    }
    CPptxShape shape;
    if (Is(r, "sp")) {
      ReadTextShape(r, &shape);
    } else if (Is(r, "pic")) {
      ReadPicture(r, &shape, rels);
    } else if (Is(r, "graphicFrame")) {
      ReadGraphicFrame(r, &shape, rels);
    } else if (Is(r, "grpSp")) {
      shape.kind = PptxShapeKind::Group;
      while (r.readNextStartElement()) {
        if (Is(r, "grpSpPr")) ReadShapeProperties(r, &shape);
        else r.skipCurrentElement();
      }
    } else if ((Is(r, "AlternateContent") || Is(r, "Fallback")) && depth < kMaxAlternateDepth) {
      // The fallback holds the form every reader knows.
      ReadTree(r, slide, rels, depth + 1);
      continue;
    } else if (Is(r, "nvGrpSpPr") || Is(r, "grpSpPr") || Is(r, "extLst") || Is(r, "Choice")) {
      r.skipCurrentElement();
      continue;
    } else {
      r.skipCurrentElement();  // connectors, content parts, alternate content
    }
    slide->shapes.push_back(std::move(shape));
  }
}
}  // namespace

QString PptxAttribute(const QXmlStreamReader& r, QLatin1StringView name) {
  for (const QXmlStreamAttribute& a : r.attributes())
    if (a.name() == name) return a.value().toString();
  return {};
}

bool CPptxText::HasText() const {
  for (const CPptxParagraph& p : paragraphs)
    for (const CPptxRun& run : p.runs)
      if (!run.text.trimmed().isEmpty()) return true;
  return false;
}

QColor CPptxText::FirstColour() const {
  for (const CPptxParagraph& p : paragraphs)
    for (const CPptxRun& run : p.runs)
      if (run.colour.isValid()) return run.colour;
  return {};
}

bool ParsePptxShapes(const QByteArray& xml, const std::vector<std::pair<QString, QString>>& relationships,
                     CPptxSlide* slide, QString* failure) {
  QXmlStreamReader r(xml);
  while (!r.atEnd()) {
    r.readNext();
    if (r.isStartElement() && Is(r, "spTree")) ReadTree(r, slide, relationships);
  }
  if (r.hasError()) {
    *failure = QStringLiteral("幻灯片内容已损坏（%1）").arg(r.errorString());
    return false;
  }
  return true;
}
