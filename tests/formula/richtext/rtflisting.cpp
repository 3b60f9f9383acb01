#include "rtflisting.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>

#include "richtext/rtfformat.h"

namespace {

QString BlockAttributes(const QTextBlockFormat& f) {
  QString s;
  const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
  if (a & Qt::AlignHCenter) s += " qc";
  else if (a & Qt::AlignRight) s += " qr";
  else if (a & Qt::AlignJustify) s += " qj";
  const std::pair<int, const char*> twips[] = {
      {rtf::kLeftIndent, "li"},  {rtf::kRightIndent, "ri"}, {rtf::kFirstIndent, "fi"}, {rtf::kSpaceBefore, "sb"},
      {rtf::kSpaceAfter, "sa"},  {rtf::kLineSpacing, "sl"}, {rtf::kLineMultiple, "slmult"}};
  for (const auto& [key, name] : twips)
    if (f.intProperty(key) != 0) s += QStringLiteral(" %1=%2").arg(QLatin1String(name)).arg(f.intProperty(key));
  return s;
}

QString RunAttributes(const QTextCharFormat& f) {
  QStringList a;
  if (f.fontWeight() >= QFont::DemiBold) a << "b";
  if (f.fontItalic()) a << "i";
  if (f.fontUnderline()) a << "u";
  if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) a << "sup";
  if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) a << "sub";
  const QStringList faces = f.fontFamilies().toStringList();
  if (faces.isEmpty()) a << "f=?";
  else if (faces.first() != QLatin1String(kTestFace)) a << "f=" + faces.first();
  if (f.fontPointSize() != 12.0) a << QStringLiteral("fs=%1").arg(f.fontPointSize() * 2);
  if (f.hasProperty(QTextFormat::ForegroundBrush)) a << "c=" + f.foreground().color().name();
  return a.join(',');
}

}  // namespace

QString DescribeRtfDocument(const QTextDocument& doc) {
  QStringList lines;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    QString line = "P" + BlockAttributes(block.blockFormat());
    if (const QTextList* list = block.textList()) {
      const QTextListFormat f = list->format();
      line += QStringLiteral(" list@%1 style=%2 \"%3#%4\" from %5")
                  .arg(list->item(0).blockNumber())
                  .arg(static_cast<int>(f.style()))
                  .arg(f.numberPrefix(), f.numberSuffix())
                  .arg(f.intProperty(rtf::kNumberStart));
    }
    line += ":";
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      const QString kept = "<" + f.property(rtf::kKeptKind).toString() + ">";
      line += "[" + RunAttributes(f) + "]" + it.fragment().text().replace(QChar::ObjectReplacementCharacter, kept);
    }
    lines << line;
  }
  return lines.join('\n');
}

QByteArray TestRtf(const QByteArray& body) {
  return R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset0 Arial;}{\f1\fnil\fcharset134 \'cb\'ce\'cc\'e5;}})"
         R"({\colortbl ;\red255\green0\blue0;})" "\r\n" + body + "}\r\n";
}
