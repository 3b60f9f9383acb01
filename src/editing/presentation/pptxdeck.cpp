// The package's parts: presentation, relationships, slides and the layouts
// and masters their placeholders take positions from.
#include "editing/presentation/pptxdeck.h"

#include <QDir>
#include <QXmlStreamReader>

#include "editing/presentation/pptxpackage.h"

namespace {
constexpr double kEmuPerPoint = 12700;
const QString kPresentationPart = QStringLiteral("ppt/presentation.xml");

QString Attr(const QXmlStreamReader& r, QLatin1StringView name) { return PptxAttribute(r, name); }

// The relationship id of an element: the attribute "id" in a namespace (a
// slide id also has a plain numeric "id").
QString RelationshipId(const QXmlStreamReader& r) {
  for (const QXmlStreamAttribute& a : r.attributes())
    if (a.name() == QLatin1StringView("id") && !a.prefix().isEmpty()) return a.value().toString();
  return {};
}

QString RelsPart(const QString& part) {
  const int slash = part.lastIndexOf(QLatin1Char('/'));
  return part.left(slash + 1) + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
}

QString RelatedOfType(CPptxPackage& package, const QString& part, const char* typeEnd) {
  const auto types = ReadPptxRelationships(package, part, true);
  const auto targets = ReadPptxRelationships(package, part);
  for (size_t i = 0; i < types.size() && i < targets.size(); ++i)
    if (types[i].second.endsWith(QLatin1String(typeEnd))) return targets[i].second;
  return {};
}

// The placeholders of a layout or master part.
std::vector<CPptxShape> Placeholders(CPptxPackage& package, const QString& part) {
  QByteArray xml;
  CPptxSlide shapes;
  QString ignored;
  if (part.isEmpty() || !package.Read(part, &xml) || !ParsePptxShapes(xml, {}, &shapes, &ignored)) return {};
  std::vector<CPptxShape> found;
  for (CPptxShape& shape : shapes.shapes)
    if (!shape.placeholderType.isEmpty() && shape.placed) found.push_back(std::move(shape));
  return found;
}

// Text, background and accent colours named by the theme.
void ResolveSchemeColours(CPptxPackage& package, const QString& part, CPptxSlide* slide) {
  std::vector<std::pair<QString, QColor>> theme;
  bool read = false;
  static const std::pair<const char*, const char*> kAliases[] = {
      {"tx1", "dk1"}, {"bg1", "lt1"}, {"tx2", "dk2"}, {"bg2", "lt2"}};
  auto resolve = [&](CPptxRun& run) {
    if (run.colour.isValid() || run.schemeColour.isEmpty()) return;
    if (!read) theme = ReadPptxThemeColours(package, part), read = true;
    QString name = run.schemeColour;
    for (const auto& [alias, real] : kAliases)
      if (name == QLatin1String(alias)) name = QLatin1String(real);
    for (const auto& [key, colour] : theme)
      if (key == name) run.colour = colour;
  };
  for (CPptxShape& shape : slide->shapes) {
    for (CPptxParagraph& p : shape.text.paragraphs) std::for_each(p.runs.begin(), p.runs.end(), resolve);
    for (auto& row : shape.table.rows)
      for (CPptxTableCell& cell : row)
        for (CPptxParagraph& p : cell.text.paragraphs) std::for_each(p.runs.begin(), p.runs.end(), resolve);
  }
}

const CPptxShape* Matching(const std::vector<CPptxShape>& candidates, const CPptxShape& shape) {
  if (!shape.placeholderIndex.isEmpty())
    for (const CPptxShape& c : candidates)
      if (c.placeholderIndex == shape.placeholderIndex) return &c;
  for (const CPptxShape& c : candidates)
    if (c.placeholderType == shape.placeholderType) return &c;
  return nullptr;
}
}  // namespace

QString ResolvePptxTarget(const QString& part, const QString& target) {
  if (target.startsWith(QLatin1Char('/'))) return QDir::cleanPath(target.mid(1));
  const QString folder = part.left(part.lastIndexOf(QLatin1Char('/')) + 1);
  const QString resolved = QDir::cleanPath(folder + target);
  // A target that climbs out of the package names nothing in it.
  return resolved.startsWith(QLatin1String("..")) ? QString() : resolved;
}

std::vector<std::pair<QString, QString>> ReadPptxRelationships(CPptxPackage& package, const QString& part,
                                                                bool types) {
  std::vector<std::pair<QString, QString>> found;
  QByteArray xml;
  if (!package.Has(RelsPart(part)) || !package.Read(RelsPart(part), &xml)) return found;
  QXmlStreamReader r(xml);
  while (!r.atEnd() && found.size() < static_cast<size_t>(kMaxPptxShapes)) {
    r.readNext();
    if (!r.isStartElement() || r.name() != QLatin1StringView("Relationship")) continue;
    if (Attr(r, QLatin1StringView("TargetMode")) == QLatin1String("External")) continue;
    const QString id = Attr(r, QLatin1StringView("Id"));
    found.emplace_back(id, types ? Attr(r, QLatin1StringView("Type"))
                                 : ResolvePptxTarget(part, Attr(r, QLatin1StringView("Target"))));
  }
  return found;
}

bool ReadPptxDeck(CPptxPackage& package, CPptxDeck* deck, QString* failure) {
  QByteArray xml;
  if (!package.Read(kPresentationPart, &xml)) {
    *failure = QStringLiteral("不是演示文稿文件");
    return false;
  }
  const auto rels = ReadPptxRelationships(package, kPresentationPart);
  QXmlStreamReader r(xml);
  while (!r.atEnd()) {
    r.readNext();
    if (!r.isStartElement()) continue;
    if (r.name() == QLatin1StringView("sldSz")) {
      const double w = Attr(r, QLatin1StringView("cx")).toDouble() / kEmuPerPoint;
      const double h = Attr(r, QLatin1StringView("cy")).toDouble() / kEmuPerPoint;
      if (w > 0 && h > 0 && std::isfinite(w) && std::isfinite(h)) {
        deck->widthPt = w;
        deck->heightPt = h;
      }
    } else if (r.name() == QLatin1StringView("sldId") &&
               deck->slideParts.size() < static_cast<size_t>(kMaxPptxSlides)) {
      const QString id = RelationshipId(r);
      for (const auto& [rid, target] : rels)
        if (rid == id && !target.isEmpty()) deck->slideParts.push_back(target);
    }
  }
  if (r.hasError()) {
    *failure = QStringLiteral("演示文稿内容已损坏（%1）").arg(r.errorString());
    return false;
  }
  return true;
}

std::vector<std::pair<QString, QColor>> ReadPptxThemeColours(CPptxPackage& package, const QString& slidePart) {
  const QString layout = RelatedOfType(package, slidePart, "/slideLayout");
  const QString theme = RelatedOfType(package, RelatedOfType(package, layout, "/slideMaster"), "/theme");
  std::vector<std::pair<QString, QColor>> colours;
  QByteArray xml;
  if (theme.isEmpty() || !package.Read(theme, &xml)) return colours;
  QXmlStreamReader r(xml);
  QString name;
  while (!r.atEnd() && colours.size() < 64) {
    r.readNext();
    if (r.isEndElement() && r.name() == QLatin1StringView("clrScheme")) break;
    if (!r.isStartElement()) continue;
    if (r.name() == QLatin1StringView("srgbClr") && !name.isEmpty())
      colours.emplace_back(name, QColor(QLatin1Char('#') + Attr(r, QLatin1StringView("val"))));
    else if (r.name() == QLatin1StringView("sysClr") && !name.isEmpty())
      colours.emplace_back(name, QColor(QLatin1Char('#') + Attr(r, QLatin1StringView("lastClr"))));
    else
      name = r.name().toString();  // dk1, lt1, accent1 ... hold the colour
  }
  return colours;
}

bool ReadPptxSlide(CPptxPackage& package, const QString& part, CPptxSlide* slide, QString* failure) {
  QByteArray xml;
  if (!package.Read(part, &xml)) {
    *failure = package.Failure();
    return false;
  }
  if (!ParsePptxShapes(xml, ReadPptxRelationships(package, part), slide, failure)) return false;
  ResolveSchemeColours(package, part, slide);
  bool needsLayout = false;
  for (const CPptxShape& shape : slide->shapes) needsLayout |= !shape.placed && !shape.placeholderType.isEmpty();
  if (!needsLayout) return true;
  const QString layout = RelatedOfType(package, part, "/slideLayout");
  const std::vector<CPptxShape> fromLayout = Placeholders(package, layout);
  const std::vector<CPptxShape> fromMaster = Placeholders(package, RelatedOfType(package, layout, "/slideMaster"));
  for (CPptxShape& shape : slide->shapes) {
    if (shape.placed || shape.placeholderType.isEmpty()) continue;
    const CPptxShape* source = Matching(fromLayout, shape);
    if (!source) source = Matching(fromMaster, shape);
    if (!source) continue;
    shape.left = source->left, shape.top = source->top;
    shape.width = source->width, shape.height = source->height;
    shape.placed = true;
  }
  return true;
}
