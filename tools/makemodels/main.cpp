// makemodels FOLDER
//
// Writes the 3DS models the program ships into FOLDER (assets/Models in the
// source tree) with our own 3DS writer.  Run it again after a change to the
// models, and commit the files it writes.
#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "shippedmodels.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: makemodels FOLDER\n");
    return 2;
  }
  QString failed = args[1];
  if (!QDir().mkpath(args[1]) || !WriteShippedModels(args[1], &failed)) {
    std::fprintf(stderr, "makemodels: cannot write %s\n", qPrintable(failed));
    return 1;
  }
  return 0;
}
