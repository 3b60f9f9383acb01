#include "support/pptxwriter.h"

#include <zip.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace {
constexpr long long kEmu = 12700;
const char* kNs =
    "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
    "xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\"";

QString Emu(double points) { return QString::number(static_cast<long long>(points * kEmu)); }

QString Xfrm(const char* tag, double left, double top, double width, double height) {
  return QStringLiteral("<%1><a:off x=\"%2\" y=\"%3\"/><a:ext cx=\"%4\" cy=\"%5\"/></%1>")
      .arg(QLatin1String(tag), Emu(left), Emu(top), Emu(width), Emu(height));
}

QString Body(const QString& text, const QString& rgb, const QString& runProperties) {
  const bool scheme = rgb.startsWith(QLatin1String("scheme:"));
  const QString fill = rgb.isEmpty() ? QString()
                       : scheme      ? QStringLiteral("<a:solidFill><a:schemeClr val=\"%1\"/></a:solidFill>").arg(rgb.mid(7))
                                     : QStringLiteral("<a:solidFill><a:srgbClr val=\"%1\"/></a:solidFill>").arg(rgb);
  QString paragraphs;
  for (const QString& line : text.split(QLatin1Char('\n')))
    paragraphs += QStringLiteral("<a:p><a:r><a:rPr lang=\"zh-CN\" %1>%2</a:rPr><a:t>%3</a:t></a:r></a:p>")
                      .arg(runProperties, fill, line.toHtmlEscaped());
  return QStringLiteral("<p:txBody><a:bodyPr/>%1</p:txBody>").arg(paragraphs);
}

QString Rels(const QString& items) {
  return QStringLiteral(
             "<?xml version=\"1.0\"?><Relationships "
             "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">%1</Relationships>")
      .arg(items);
}

QString Rel(const QString& id, const QString& type, const QString& target) {
  return QStringLiteral("<Relationship Id=\"%1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                        "relationships/%2\" Target=\"%3\"/>")
      .arg(id, type, target);
}

QString Part(const char* root, const QString& shapes) {
  return QStringLiteral("<?xml version=\"1.0\"?><p:%1 %2><p:cSld><p:spTree><p:nvGrpSpPr/><p:grpSpPr/>%3"
                        "</p:spTree></p:cSld></p:%1>")
      .arg(QLatin1String(root), QLatin1String(kNs), shapes);
}
}  // namespace

QByteArray WriteZip(const ZipEntries& entries) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  zip_source_keep(buffer);
  for (const auto& [name, bytes] : entries) {
    zip_source_t* data = zip_source_buffer(archive, bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0);
    zip_file_add(archive, name.toUtf8().constData(), data, ZIP_FL_OVERWRITE);
  }
  zip_close(archive);
  QByteArray out;
  zip_stat_t st;
  if (zip_source_stat(buffer, &st) == 0 && zip_source_open(buffer) == 0) {
    out.resize(static_cast<qsizetype>(st.size));
    zip_source_read(buffer, out.data(), st.size);
    zip_source_close(buffer);
  }
  zip_source_free(buffer);
  zip_error_fini(&error);
  return out;
}

QString SlideTextBox(double left, double top, double width, double height, const QString& text, const QString& rgb,
                     const QString& runProperties) {
  return QStringLiteral("<p:sp><p:nvSpPr><p:cNvPr id=\"2\" name=\"t\"/><p:cNvSpPr txBox=\"1\"/><p:nvPr/></p:nvSpPr>"
                        "<p:spPr>%1<a:prstGeom prst=\"rect\"/></p:spPr>%2</p:sp>")
      .arg(Xfrm("a:xfrm", left, top, width, height), Body(text, rgb, runProperties));
}

QString SlidePlaceholder(const QString& type, const QString& text) {
  return QStringLiteral("<p:sp><p:nvSpPr><p:cNvPr id=\"3\" name=\"ph\"/><p:cNvSpPr/><p:nvPr><p:ph type=\"%1\"/>"
                        "</p:nvPr></p:nvSpPr><p:spPr/>%2</p:sp>")
      .arg(type, Body(text, QString(), QString()));
}

QString SlideDrawnShape(double left, double top, double width, double height) {
  return QStringLiteral("<p:sp><p:nvSpPr><p:cNvPr id=\"4\" name=\"s\"/><p:cNvSpPr/><p:nvPr/></p:nvSpPr>"
                        "<p:spPr>%1<a:prstGeom prst=\"ellipse\"/></p:spPr></p:sp>")
      .arg(Xfrm("a:xfrm", left, top, width, height));
}

QString SlidePicture(double left, double top, double width, double height, const QString& relId) {
  return QStringLiteral("<p:pic><p:nvPicPr><p:cNvPr id=\"5\" name=\"p\"/><p:cNvPicPr/><p:nvPr/></p:nvPicPr>"
                        "<p:blipFill><a:blip r:embed=\"%1\"/><a:stretch/></p:blipFill><p:spPr>%2</p:spPr></p:pic>")
      .arg(relId, Xfrm("a:xfrm", left, top, width, height));
}

QString SlideChart(double left, double top, double width, double height) {
  return QStringLiteral("<p:graphicFrame><p:nvGraphicFramePr/>%1<a:graphic><a:graphicData uri=\"chart\">"
                        "<c:chart xmlns:c=\"urn:c\" r:id=\"rId9\"/></a:graphicData></a:graphic></p:graphicFrame>")
      .arg(Xfrm("p:xfrm", left, top, width, height));
}

QString SlideTable(double left, double top, double columnWidth, double rowHeight,
                   const std::vector<std::vector<QString>>& cells) {
  const size_t cols = cells.empty() ? 0 : cells[0].size();
  QString grid, rows;
  for (size_t c = 0; c < cols; ++c) grid += QStringLiteral("<a:gridCol w=\"%1\"/>").arg(Emu(columnWidth));
  for (const auto& row : cells) {
    rows += QStringLiteral("<a:tr h=\"%1\">").arg(Emu(rowHeight));
    for (const QString& cell : row) {
      const QString merge = cell == QLatin1String("<h")   ? QStringLiteral(" hMerge=\"1\"")
                            : cell == QLatin1String("^v") ? QStringLiteral(" vMerge=\"1\"")
                                                          : QString();
      const QString text = merge.isEmpty() ? cell : QString();
      rows += QStringLiteral("<a:tc%1><a:txBody><a:bodyPr/><a:p><a:r><a:rPr/><a:t>%2</a:t></a:r></a:p></a:txBody>"
                             "<a:tcPr/></a:tc>")
                  .arg(merge, text.toHtmlEscaped());
    }
    rows += QStringLiteral("</a:tr>");
  }
  return QStringLiteral("<p:graphicFrame><p:nvGraphicFramePr/>%1<a:graphic><a:graphicData uri=\"table\"><a:tbl>"
                        "<a:tblGrid>%2</a:tblGrid>%3</a:tbl></a:graphicData></a:graphic></p:graphicFrame>")
      .arg(Xfrm("p:xfrm", left, top, columnWidth * static_cast<double>(cols), rowHeight * static_cast<double>(cells.size())),
           grid, rows);
}

QByteArray WritePptx(const std::vector<CFixtureSlide>& slides, double widthPt, double heightPt) {
  ZipEntries entries;
  auto add = [&entries](const QString& name, const QString& text) { entries.emplace_back(name, text.toUtf8()); };
  add(QStringLiteral("[Content_Types].xml"), QStringLiteral("<?xml version=\"1.0\"?><Types/>"));
  add(QStringLiteral("_rels/.rels"), Rels(Rel(QStringLiteral("rId1"), QStringLiteral("officeDocument"),
                                              QStringLiteral("ppt/presentation.xml"))));
  QString ids, rels;
  for (size_t i = 0; i < slides.size(); ++i) {
    const QString n = QString::number(i + 1);
    ids += QStringLiteral("<p:sldId id=\"%1\" r:id=\"rIdS%2\"/>").arg(QString::number(256 + i), n);
    rels += Rel(QStringLiteral("rIdS") + n, QStringLiteral("slide"), QStringLiteral("slides/slide%1.xml").arg(n));
    QString slideRels = Rel(QStringLiteral("rIdL"), QStringLiteral("slideLayout"),
                            QStringLiteral("../slideLayouts/slideLayout%1.xml").arg(n));
    for (const auto& [rid, bytes] : slides[i].media) {
      const QString media = QStringLiteral("media/s%1%2.png").arg(n, rid);
      slideRels += Rel(rid, QStringLiteral("image"), QStringLiteral("../") + media);
      entries.emplace_back(QStringLiteral("ppt/") + media, bytes);
    }
    add(QStringLiteral("ppt/slides/slide%1.xml").arg(n), Part("sld", slides[i].shapes));
    add(QStringLiteral("ppt/slides/_rels/slide%1.xml.rels").arg(n), Rels(slideRels));
    add(QStringLiteral("ppt/slideLayouts/slideLayout%1.xml").arg(n), Part("sldLayout", slides[i].layoutShapes));
    add(QStringLiteral("ppt/slideLayouts/_rels/slideLayout%1.xml.rels").arg(n),
        Rels(Rel(QStringLiteral("rIdM"), QStringLiteral("slideMaster"), QStringLiteral("../slideMasters/slideMaster1.xml"))));
  }
  add(QStringLiteral("ppt/slideMasters/slideMaster1.xml"), Part("sldMaster", QString()));
  add(QStringLiteral("ppt/slideMasters/_rels/slideMaster1.xml.rels"),
      Rels(Rel(QStringLiteral("rIdT"), QStringLiteral("theme"), QStringLiteral("../theme/theme1.xml"))));
  add(QStringLiteral("ppt/theme/theme1.xml"),
      QStringLiteral("<?xml version=\"1.0\"?><a:theme %1><a:themeElements><a:clrScheme name=\"K\">"
                     "<a:dk1><a:sysClr val=\"windowText\" lastClr=\"000000\"/></a:dk1>"
                     "<a:lt1><a:sysClr val=\"window\" lastClr=\"FFFFFF\"/></a:lt1>"
                     "<a:accent1><a:srgbClr val=\"4472C4\"/></a:accent1></a:clrScheme></a:themeElements></a:theme>")
          .arg(QLatin1String(kNs)));
  add(QStringLiteral("ppt/presentation.xml"),
      QStringLiteral("<?xml version=\"1.0\"?><p:presentation %1><p:sldIdLst>%2</p:sldIdLst>"
                     "<p:sldSz cx=\"%3\" cy=\"%4\"/></p:presentation>")
          .arg(QLatin1String(kNs), ids, Emu(widthPt), Emu(heightPt)));
  add(QStringLiteral("ppt/_rels/presentation.xml.rels"), Rels(rels));
  return WriteZip(entries);
}

QByteArray FixturePng(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.fillRect(w / 4, h / 4, w / 2, h / 2, Qt::black);
  painter.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}
