#include "platform/filebytes.h"

#include <QFile>
#include <QSaveFile>

std::optional<QByteArray> ReadFileBytes(const QString& path, QString* error, qint64 maxBytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return std::nullopt;
  }
  if (file.size() > maxBytes) {
    if (error) *error = QStringLiteral("file too large");
    return std::nullopt;
  }
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    if (error) *error = file.errorString();
    return std::nullopt;
  }
  return bytes;
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}
