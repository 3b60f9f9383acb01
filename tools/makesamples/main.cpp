// makesamples FOLDER
//
// Writes the program's sample documents into FOLDER (assets/Samples in the
// source tree).  Run it again after a change to what documents store, and
// commit the files it writes.
#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "app/classregistration.h"
#include "sampledocuments.h"

int main(int argc, char** argv) {
  // Cells may render text as they are made: a screen-less platform serves.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: makesamples FOLDER\n");
    return 2;
  }
  if (!QDir().mkpath(args[1])) {
    std::fprintf(stderr, "makesamples: cannot make %s\n", qPrintable(args[1]));
    return 1;
  }
  RegisterAllClasses();
  QString failed;
  if (!WriteSampleDocuments(args[1], &failed)) {
    std::fprintf(stderr, "makesamples: cannot write %s\n", qPrintable(failed));
    return 1;
  }
  return 0;
}
