#include <QStringList>

#include "platform/filechooser.h"

QString QtFileFilter(const char* filter) {
  const QStringList parts = QString::fromUtf8(filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
    // Names may show their patterns as listed, separated by ';', which the
    // file dialog would read as one pattern.
    const QString listed = QLatin1Char('(') + parts[i + 1] + QLatin1Char(')');
    if (parts[i].endsWith(shown))
      filters << parts[i];
    else if (parts[i].endsWith(listed))
      filters << parts[i].left(parts[i].size() - listed.size()) + shown;
    else
      filters << parts[i] + QLatin1Char(' ') + shown;
  }
  return filters.join(QStringLiteral(";;"));
}
