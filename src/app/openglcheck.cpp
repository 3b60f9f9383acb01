// Whether the view will get the OpenGL it draws with, checked before the
// main window shows: without it the first paint would crash.
#include <GL/gl.h>

#include <QGuiApplication>
#include <QMessageBox>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QRegularExpression>
#include <QSurfaceFormat>
#include <cstdio>

#include "app/apptexts.h"
#include "app/startupchecks.h"

namespace {
// Platforms that draw no window on any screen, and so no OpenGL view.
bool IsWindowlessPlatform(const QString& platform) {
  return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

QString Text(const char* text) { return QString::fromUtf8(text); }

QString GlString(QOpenGLContext& context, GLenum name) {
  const GLubyte* text = context.functions()->glGetString(name);
  return text ? QString::fromLatin1(reinterpret_cast<const char*>(text)) : QString();
}
}  // namespace

QString OpenGLStartupProblem(const QSurfaceFormat& format) {
  const QString platform = QGuiApplication::platformName();
  const QString wanted = QStringLiteral("%1.%2").arg(format.majorVersion()).arg(format.minorVersion());
  const QString head = Text(kTextNoOpenGL).arg(wanted);
  QOpenGLContext context;
  context.setFormat(format);
  if (!context.create()) return head + Text(kTextNoGlContext).arg(platform);
  QOffscreenSurface surface;
  surface.setFormat(context.format());
  surface.create();
  if (!surface.isValid() || !context.makeCurrent(&surface)) return head + Text(kTextGlNotCurrent).arg(platform);
  // "major.minor" leads the version string (after "OpenGL ES " on ES drivers).
  const QString version = GlString(context, GL_VERSION);
  const QString renderer = GlString(context, GL_RENDERER);
  context.doneCurrent();
  const QRegularExpressionMatch number = QRegularExpression(QStringLiteral("(\\d+)\\.(\\d+)")).match(version);
  const int major = number.hasMatch() ? number.captured(1).toInt() : 0;
  const int minor = number.hasMatch() ? number.captured(2).toInt() : 0;
  if (major < format.majorVersion() || (major == format.majorVersion() && minor < format.minorVersion()))
    return head + Text(kTextGlTooOld).arg(version.isEmpty() ? QStringLiteral("?") : version, renderer, wanted);
  if (IsWindowlessPlatform(platform)) return head + Text(kTextNoGlWindow).arg(platform);
  return QString();
}

void ReportOpenGLStartupProblem(const QString& problem) {
  std::fprintf(stderr, "%s\n", problem.toUtf8().constData());
  // Nobody would see a box on these, and it would wait for ever.
  if (IsWindowlessPlatform(QGuiApplication::platformName())) return;
  QMessageBox::critical(nullptr, Text(kTextAppTitle), problem);
}
