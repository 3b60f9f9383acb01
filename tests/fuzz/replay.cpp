// Feeds every file of the folders (or files) named on the command line to the
// harness's entry point, as libFuzzer would: the committed corpus is replayed
// in every build, so a fixed crash that comes back fails the tests.  Inputs
// in a folder named "must-load" are valid files the harness must read whole.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdint>
#include <cstdio>

#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  QStringList files;
  for (int i = 1; i < argc; ++i) {
    const QString named = QString::fromLocal8Bit(argv[i]);
    if (QFileInfo(named).isFile()) {
      files << named;
      continue;
    }
    if (!QFileInfo(named).isDir()) {
      std::fprintf(stderr, "%s: no such file or folder\n", argv[i]);
      return 2;
    }
    QDirIterator it(named, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
  }
  files.sort();
  int unread = 0, whole = 0;
  for (const QString& path : files) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 2;
    const QByteArray bytes = file.readAll();
    std::fprintf(stderr, "%s\n", qPrintable(path));
    FuzzTakeLoaded();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    const bool loaded = FuzzTakeLoaded();
    whole += loaded;
    if (!loaded && path.contains(QLatin1String("/must-load/"))) {
      std::fprintf(stderr, "  must load, but was refused\n");
      ++unread;
    }
  }
  std::fprintf(stderr, "%lld inputs replayed, %d read whole, %d refused that must load\n",
               static_cast<long long>(files.size()), whole, unread);
  return files.isEmpty() || unread > 0 ? 1 : 0;
}
