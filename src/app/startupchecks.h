// Checks made before the main window exists, with messages for standard
// error: there is no window yet to show them in.
#pragma once
#include <QString>

class QSurfaceFormat;

// Why Qt would find no display (empty when it will find one).  Qt aborts
// without a display; this says what to do instead.  Empty variables count as
// unset; a chosen platform (QT_QPA_PLATFORM) is trusted.
QString NoDisplayReason(const QString& display, const QString& waylandDisplay, const QString& platform);
QString NoDisplayReason();  // from the environment

// Why the view could not draw (empty when it can), in Chinese: no context of
// the view's format can be made or made current, the context reports a
// version below the format's, or the platform (offscreen, minimal) hosts no
// OpenGL window.  Needs the application object.
QString OpenGLStartupProblem(const QSurfaceFormat& format);
// The same problem as a message box where the platform can show one, and on
// standard error.
void ReportOpenGLStartupProblem(const QString& problem);
