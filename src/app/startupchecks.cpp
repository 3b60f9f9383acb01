#include "app/startupchecks.h"

#include <QFileInfo>
#include <QtGlobal>

QString NoDisplayReason(const QString& display, const QString& waylandDisplay, const QString& platform) {
  if (!display.isEmpty() || !waylandDisplay.isEmpty() || !platform.isEmpty()) return QString();
  return QStringLiteral(
      "Kavrel needs a display, but neither DISPLAY nor WAYLAND_DISPLAY is set.\n"
      "Start it in a desktop session, through tools/run.sh (which falls back to xvfb-run), "
      "or under xvfb-run -a.");
}

QString NoDisplayReason() {
  return NoDisplayReason(qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"),
                         qEnvironmentVariable("QT_QPA_PLATFORM"));
}

QString DocumentArgument(const QStringList& arguments, QString* problem) {
  problem->clear();
  if (arguments.size() < 2 || arguments[1].isEmpty()) return QString();
  const QString path = arguments[1];
  const QFileInfo info(path);
  if (!info.exists()) {
    *problem = QStringLiteral("The document %1 does not exist.").arg(path);
    return QString();
  }
  if (!info.isFile() || !info.isReadable()) {
    *problem = QStringLiteral("%1 is not a readable file.").arg(path);
    return QString();
  }
  return info.absoluteFilePath();
}
