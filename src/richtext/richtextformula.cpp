#include "richtext/richtextformula.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "formula/bintree.h"
#include "formula/drawing/dib.h"
#include "richtext/keptobjects.h"
#include "richtext/rtfformat.h"
#include "richtext/rtfreader.h"

namespace {
const QByteArray kMarkupGroup = "{\\*\\kvvod ";
constexpr int kTwipsPerPixel = 15;
}  // namespace

QByteArray FormulaPictureRtf(const QString& markup, const QImage& picture) {
  QByteArray rtf = kMarkupGroup + markup.toUtf8().toHex() + "}";
  rtf += "{\\pict\\dibitmap0\\picw" + QByteArray::number(picture.width()) + "\\pich" +
         QByteArray::number(picture.height()) + "\\picwgoal" + QByteArray::number(picture.width() * kTwipsPerPixel) +
         "\\pichgoal" + QByteArray::number(picture.height() * kTwipsPerPixel) + " " +
         DdbToDib(picture.convertToFormat(QImage::Format_RGB888), BI_RGB).toHex() + "}";
  return rtf;
}

QString FormulaMarkupOf(const QByteArray& keptGroup) {
  if (!keptGroup.startsWith(kMarkupGroup) || !keptGroup.endsWith('}')) return {};
  const QByteArray hex = keptGroup.mid(kMarkupGroup.size(), keptGroup.size() - kMarkupGroup.size() - 1);
  return QString::fromUtf8(QByteArray::fromHex(hex));
}

bool InsertFormula(QTextCursor& cursor, const QString& markup) {
  CBinTree tree;
  tree.SetVod(markup);
  const QImage picture = tree.RenderToBitmap();
  if (picture.isNull()) return false;
  QTextDocument groups;
  ReadRtf("{\\rtf1 " + FormulaPictureRtf(markup, picture) + "}", groups);
  cursor.insertFragment(QTextDocumentFragment(&groups));
  cursor.setCharFormat(WithoutKeptGroup(cursor.charFormat()));
  return true;
}

QString FormulaAt(const QTextDocument& doc, int position, int* start) {
  if (position < 1 || position + 1 >= doc.characterCount()) return {};
  QTextCursor at(const_cast<QTextDocument*>(&doc));
  at.setPosition(position + 1);  // the format of the character before the cursor
  if (at.charFormat().property(rtf::kKeptKind).toString() != QLatin1String("pict")) return {};
  at.setPosition(position);
  const QString markup = FormulaMarkupOf(at.charFormat().property(rtf::kKeptGroup).toByteArray());
  if (!markup.isEmpty()) *start = position - 1;
  return markup;
}
