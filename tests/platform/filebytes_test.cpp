// Reading takes regular files only, up to a limit; saving replaces the old
// file only when every byte was written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>

#include "platform/filebytes.h"
#include "support/failingwrites.h"

namespace KAVREL_FILE_LOCAL {

QString Put(const QTemporaryDir& folder, const char* name, const QByteArray& bytes) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return path;
}

TEST(FileBytes, ReadsRegularFilesUpToTheLimitOnly) {
  QTemporaryDir folder;
  const QString eleven = Put(folder, "eleven", "01234567890");
  const QString fifo = folder.filePath(QStringLiteral("fifo"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString zeros = folder.filePath(QStringLiteral("zeros.kv"));
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zeros));
  const struct { const char* name; QString path; qint64 limit; FileFailure failure; } cases[] = {
      {"at the limit", eleven, 11, FileFailure::None},
      {"one byte over", eleven, 10, FileFailure::TooLarge},
      {"missing", folder.filePath(QStringLiteral("missing")), 100, FileFailure::NotFound},
      {"folder", folder.path(), 100, FileFailure::NotAFile},
      {"pipe without a writer", fifo, 100, FileFailure::NotAFile},
      {"link to an endless device", zeros, kMaxDocumentBytes, FileFailure::NotAFile},
  };
  for (const auto& c : cases) {
    FileFailure failure = FileFailure::Other;
    const auto bytes = ReadFileBytes(c.path, &failure, c.limit);
    EXPECT_EQ(failure, c.failure) << c.name;
    EXPECT_EQ(bytes.has_value(), c.failure == FileFailure::None) << c.name;
  }
  EXPECT_EQ(ReadFileBytes(eleven), QByteArray("01234567890"));
}

// The only write, or the last, fails: the old file stays as it was and no
// temporary file is left beside it.
TEST(FileBytes, SaveThatRunsOutOfSpaceKeepsTheOldFile) {
  QTemporaryDir folder;
  const QString path = Put(folder, "doc.kv", "old");
  for (const qsizetype size : {qsizetype(100), qsizetype(3) << 20}) {  // one write, or chunks
    const ScopedFullDisk full;
    FileFailure failure = FileFailure::None;
    EXPECT_FALSE(WriteFileBytes(path, QByteArray(size, 'n'), &failure)) << size;
    EXPECT_EQ(failure, FileFailure::DiskFull) << size;
  }
  // A write that takes nothing must not be asked again for ever.
  const FileWriteFunction previous = SetFileWriteFunction([](int, const void*, size_t) -> ssize_t { return 0; });
  FileFailure failure = FileFailure::None;
  EXPECT_FALSE(WriteFileBytes(path, "never", &failure));
  EXPECT_EQ(failure, FileFailure::DiskFull);
  SetFileWriteFunction(previous);
  EXPECT_EQ(ReadFileBytes(path), QByteArray("old"));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("doc.kv")});
  EXPECT_TRUE(WriteFileBytes(path, "new"));
  EXPECT_EQ(ReadFileBytes(path), QByteArray("new"));
}

// The same on a file system that is really full (needs root to mount one).
TEST(FileBytes, SaveOnAFullDiskKeepsTheOldFile) {
  QTemporaryDir folder;
  const QByteArray mountPoint = QFile::encodeName(folder.path());
  if (::geteuid() != 0 || ::mount("kvtmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "no tmpfs of our own (needs root)";
  const std::unique_ptr<const char, int (*)(const char*)> unmount(mountPoint.constData(), &::umount);
  const QString path = Put(folder, "doc.kv", "old");
  QFile filler(folder.filePath(QStringLiteral("filler")));
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
  while (filler.write(QByteArray(4096, 'f')) > 0) {
  }
  filler.close();
  FileFailure failure = FileFailure::None;
  EXPECT_FALSE(WriteFileBytes(path, QByteArray(1000, 'n'), &failure));
  EXPECT_EQ(failure, FileFailure::DiskFull);
  EXPECT_EQ(ReadFileBytes(path), QByteArray("old"));
}

}  // namespace
