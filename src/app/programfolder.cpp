#include "app/programfolder.h"

#include <QDir>
#include <QFileInfo>

QString ResolveProgramFolder(const QString& executableFolder) {
  const QDir exe(executableFolder);
  if (QFileInfo(exe.filePath(QStringLiteral("Images"))).isDir()) return exe.absolutePath();
  const QString installed = QDir::cleanPath(exe.filePath(QStringLiteral("../share/kavrel")));
  if (QFileInfo(QDir(installed).filePath(QStringLiteral("Images"))).isDir()) return installed;
  return exe.absolutePath();
}
