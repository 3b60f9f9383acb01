#include "editing/dialogs/display/displaydialogs.h"

#include <QStringList>

#include "editing/display/displaytexts.h"

QString OpacityText(int opacity) { return QString::asprintf(kFormatOpacity, opacity); }

QStringList LabelLetters() {
  QStringList letters;
  for (char c = 'A'; c <= 'Z'; ++c) letters << QString(QChar(c));
  return letters;
}

QStringList LabelSuffixes() {
  QStringList suffixes{QStringLiteral(" ")};
  for (char c = '0'; c <= '9'; ++c) suffixes << QString(QChar(c));
  suffixes << QStringLiteral("'");
  return suffixes;
}
