#include "app/startupchecks.h"

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
