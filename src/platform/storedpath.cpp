#include "platform/storedpath.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

QString StoredFileName(const QString& path) {
  const qsizetype at = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
  return path.mid(at + 1);
}

QString LocalStoredPath(const QString& path, const QString& base) {
  QString local = path;
  local.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (QFileInfo(local).isRelative() && !base.isEmpty()) local = QDir(base).filePath(local);
  return local;
}

QString FindFileInFolder(const QString& folder, const QString& name) {
  if (folder.isEmpty() || name.isEmpty()) return QString();
  const QDir dir(LocalStoredPath(folder, QString()));
  if (QFileInfo(dir.filePath(name)).isFile()) return dir.filePath(name);
  const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
  for (const QFileInfo& file : files)
    if (file.fileName().compare(name, Qt::CaseInsensitive) == 0) return file.filePath();
  return QString();
}
