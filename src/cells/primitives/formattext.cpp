#include "cells/primitives/formattext.h"

#include <QStringList>

QString FillFormat(const char* format, const char* marker, std::initializer_list<QString> values) {
  const QStringList parts = QString::fromUtf8(format).split(QString::fromUtf8(marker));
  QString text = parts.value(0);
  auto value = values.begin();
  for (qsizetype i = 1; i < parts.size(); ++i) {
    if (value != values.end()) text += *value++;
    text += parts[i];
  }
  return text;
}
