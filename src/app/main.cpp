// Start-up: check for a display, set the view's surface format, map the
// documents' font faces, and show the main window with its view.
#include <QApplication>
#include <QMainWindow>
#include <QSurfaceFormat>
#include <cstdio>

#include "app/classregistration.h"
#include "app/fontsubstitutions.h"
#include "app/preferences.h"
#include "app/programfolder.h"
#include "app/startupchecks.h"
#include "model/globals.h"
#include "view/kavrelview.h"
#include "view/viewformat.h"

int main(int argc, char** argv) {
  if (const QString reason = NoDisplayReason(); !reason.isEmpty()) {
    std::fprintf(stderr, "%s\n", qPrintable(reason));
    return 2;
  }
  // Before the application object, so every context Qt makes shares it.
  QSurfaceFormat::setDefaultFormat(ViewSurfaceFormat());

  RegisterAllClasses();
  QApplication app(argc, argv);
  g_strProgramFolder = ResolveProgramFolder(QCoreApplication::applicationDirPath());
  InstallFontSubstitutions();
  // The preferences come before any window: the view and new documents take
  // their fonts, colours and light from them.
  LoadSaveConfig(false);

  QString problem;
  // Opening it waits for the document code; for now it is only checked.
  const QString documentPath = DocumentArgument(QApplication::arguments(), &problem);
  if (!problem.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(problem));
  Q_UNUSED(documentPath);

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Kavrel"));
  window.setCentralWidget(new CKavrelView);
  window.resize(1024, 768);
  window.showMaximized();
  const int exitCode = app.exec();
  LoadSaveConfig(true);
  return exitCode;
}
