// Start-up: check for a display, set the view's surface format, Qt's own
// texts in Chinese, check that OpenGL can be started in that format, map the
// documents' font faces, then the application takes over.
#include <QApplication>
#include <QSurfaceFormat>
#include <cstdio>

#include "app/apptexts.h"
#include "app/classregistration.h"
#include "app/guardedapplication.h"
#include "app/kavrelapp.h"
#include "app/qttranslations.h"
#include "app/startupchecks.h"
#include "render/fontsubstitutions.h"
#include "view/viewformat.h"

int main(int argc, char** argv) {
  if (const QString reason = NoDisplayReason(); !reason.isEmpty()) {
    std::fprintf(stderr, "%s\n", qPrintable(reason));
    return 2;
  }
  // Before the application object, so every context Qt makes shares it.
  QSurfaceFormat::setDefaultFormat(ViewSurfaceFormat());

  RegisterAllClasses();
  CGuardedApplication qtApp(argc, argv);
  QGuiApplication::setApplicationDisplayName(QString::fromUtf8(kTextAppTitle));
  InstallQtTranslations(qtApp);
  // Before any window: without the view's OpenGL the first paint would crash.
  if (const QString problem = OpenGLStartupProblem(ViewSurfaceFormat()); !problem.isEmpty()) {
    ReportOpenGLStartupProblem(problem);
    return 3;
  }
  InstallFontSubstitutions();

  CKavrelApp app;
  if (!app.InitInstance(QApplication::arguments())) return 1;
  const int exitCode = qtApp.exec();
  return app.ExitInstance() == 0 ? exitCode : 1;
}
