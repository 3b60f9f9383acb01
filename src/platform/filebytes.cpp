#include "platform/filebytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <new>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/filetexts.h"

namespace {
// Reads and writes go in pieces of this size, so a file that grows while it
// is read is still stopped at the limit.
constexpr qint64 kChunkBytes = qint64(1) << 20;

FileWriteFunction g_write = &::write;

FileFailure FailureOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR: return FileFailure::NotFound;
    case EACCES:
    case EPERM: return FileFailure::PermissionDenied;
    case EROFS: return FileFailure::ReadOnly;
    case EISDIR:
    case ENXIO: return FileFailure::NotAFile;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FileFailure::DiskFull;
    default: return FileFailure::Other;
  }
}

template <class T>
T Fail(FileFailure* failure, FileFailure why, T result) {
  if (failure) *failure = why;
  return result;
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return m_fd; }

 private:
  int m_fd;
};

// Every byte through g_write; the errno of the first failure, else 0.
int WriteAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qint64 left = bytes.size();
  while (left > 0) {
    const ssize_t n = g_write(fd, data, static_cast<size_t>(std::min(left, kChunkBytes)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : ENOSPC;
    data += n;
    left -= n;
  }
  return ::fsync(fd) == 0 ? 0 : errno;
}

// A file larger than this cannot be held at all, whatever swap offers.
qint64 PhysicalMemoryBytes() {
  const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGESIZE);
  if (pages <= 0 || pageSize <= 0) return kNoFileLimit;
  return qint64(pages) * pageSize;
}

// Opens the path for reading when it is a regular file of at most maxBytes;
// else no descriptor and the reason.  Not blocking: opening a pipe would
// otherwise wait for a writer.
int OpenRegularFile(const QString& path, qint64 maxBytes, FileFailure* failure, qint64* size) {
  *failure = FileFailure::None;
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Fail(failure, FailureOf(errno), -1);
  struct stat info {};
  if (::fstat(fd, &info) != 0) *failure = FailureOf(errno);
  else if (!S_ISREG(info.st_mode)) *failure = FileFailure::NotAFile;
  else if (info.st_size > maxBytes) *failure = FileFailure::TooLarge;
  if (*failure == FileFailure::None) {
    *size = info.st_size;
    return fd;
  }
  ::close(fd);
  return -1;
}
}  // namespace

FileFailure CheckReadableFile(const QString& path, qint64 maxBytes) {
  FileFailure failure = FileFailure::None;
  qint64 size = 0;
  const FileDescriptor fd(OpenRegularFile(path, maxBytes, &failure, &size));
  return failure;
}

std::optional<QByteArray> ReadFileBytes(const QString& path, FileFailure* failure, qint64 maxBytes) {
  using Result = std::optional<QByteArray>;
  FileFailure opened = FileFailure::None;
  qint64 size = 0;
  const FileDescriptor fd(OpenRegularFile(path, maxBytes, &opened, &size));
  if (failure) *failure = opened;
  if (fd.get() < 0) return Result();
  if (size > PhysicalMemoryBytes()) return Fail(failure, FileFailure::NoMemory, Result());
  try {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(size));
    // One byte over the limit tells a file that grew past it.
    QByteArray chunk(static_cast<qsizetype>(maxBytes < kChunkBytes ? maxBytes + 1 : kChunkBytes), Qt::Uninitialized);
    for (;;) {
      const ssize_t n = ::read(fd.get(), chunk.data(), static_cast<size_t>(chunk.size()));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return Fail(failure, FailureOf(errno), Result());
      if (n == 0) return bytes;
      if (n > maxBytes - bytes.size()) return Fail(failure, FileFailure::TooLarge, Result());
      bytes.append(chunk.constData(), n);
    }
  } catch (const std::bad_alloc&) {
    return Fail(failure, FileFailure::NoMemory, Result());
  }
}

std::optional<QByteArray> ReadFileStart(const QString& path, qint64 count, qint64* size, FileFailure* failure) {
  using Result = std::optional<QByteArray>;
  FileFailure opened = FileFailure::None;
  const FileDescriptor fd(OpenRegularFile(path, kNoFileLimit, &opened, size));
  if (failure) *failure = opened;
  if (fd.get() < 0) return Result();
  QByteArray bytes(static_cast<qsizetype>(std::clamp<qint64>(count, 0, *size)), Qt::Uninitialized);
  qsizetype got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd.get(), bytes.data() + got, static_cast<size_t>(bytes.size() - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Fail(failure, FailureOf(errno), Result());
    if (n == 0) break;
    got += n;
  }
  bytes.truncate(got);
  return bytes;
}

QString FileFailureReason(FileFailure failure, bool saving, qint64 maxBytes) {
  switch (failure) {
    case FileFailure::NotFound: return QString::fromUtf8(saving ? kReasonNoFolder : kReasonNoFile);
    case FileFailure::PermissionDenied: return QString::fromUtf8(kReasonPermission);
    case FileFailure::ReadOnly: return QString::fromUtf8(kReasonReadOnly);
    case FileFailure::NotAFile: return QString::fromUtf8(kReasonNotAFile);
    case FileFailure::TooLarge: return QString::fromUtf8(kReasonTooLarge).arg(std::max<qint64>(maxBytes >> 20, 1));
    case FileFailure::DiskFull: return QString::fromUtf8(kReasonDiskFull);
    case FileFailure::NoMemory: return QString::fromUtf8(kReasonNoMemory);
    case FileFailure::None:
    case FileFailure::Other: break;
  }
  return QString::fromUtf8(saving ? kReasonWriteError : kReasonReadError);
}

QString PathAndReason(const QString& path, const QString& reason) {
  return path + QStringLiteral("：") + reason;
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes, FileFailure* failure) {
  if (failure) *failure = FileFailure::None;
  const QFileInfo target(path);
  if (target.isDir()) return Fail(failure, FileFailure::NotAFile, false);
  if (!target.dir().exists()) return Fail(failure, FileFailure::NotFound, false);
  // Unbuffered, and written by hand: a buffered small file would only be
  // written inside commit(), whose failure on a full disk goes unreported.
  QSaveFile file(path);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    const int error = errno;
    return Fail(failure, error ? FailureOf(error) : FileFailure::PermissionDenied, false);
  }
  if (const int error = WriteAll(file.handle(), bytes)) {
    file.cancelWriting();
    return Fail(failure, FailureOf(error), false);
  }
  if (!file.commit()) return Fail(failure, FileFailure::Other, false);
  return true;
}

FileWriteFunction SetFileWriteFunction(FileWriteFunction write) {
  const FileWriteFunction previous = g_write;
  g_write = write ? write : &::write;
  return previous;
}
