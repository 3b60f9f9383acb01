// Whole-file reading and writing for archives.  Reading takes regular files
// only (a pipe would block, a device never end) and stops at a size limit,
// or at what memory can hold, before it holds the file.  Saving goes through a temporary file that
// replaces the target only when every byte reached the disk, so a failed
// save never destroys the previous file.
#pragma once
#include <QByteArray>
#include <QString>
#include <limits>
#include <optional>
#include <sys/types.h>

// Why a file could not be read or written.
enum class FileFailure {
  None,
  NotFound,          // the file, or the folder it goes into, does not exist
  PermissionDenied,
  ReadOnly,          // the file system is mounted read-only
  NotAFile,          // a folder, pipe, device or socket
  TooLarge,          // over the reader's limit
  NoMemory,          // more than memory can hold
  DiskFull,          // no space or quota left
  Other,
};

// Files without a header that vouches for their size (the older headerless
// documents, tool sets) larger than this are refused before they are read.
inline constexpr qint64 kMaxDocumentBytes = qint64(256) << 20;
// For readers whose files may be as large as memory allows.
inline constexpr qint64 kNoFileLimit = std::numeric_limits<qint64>::max();

// The file's bytes, or nothing (with the reason) when it cannot be read,
// holds more than maxBytes or more than the machine's memory.
std::optional<QByteArray> ReadFileBytes(const QString& path, FileFailure* failure = nullptr,
                                        qint64 maxBytes = kMaxDocumentBytes);
// At most the first `count` bytes of a regular file of any size, and its
// size; nothing (with the reason) when it cannot be read.
std::optional<QByteArray> ReadFileStart(const QString& path, qint64 count, qint64* size,
                                        FileFailure* failure = nullptr);
// Whether ReadFileBytes would find a regular file of at most maxBytes there,
// without reading it (for files another program reads).
FileFailure CheckReadableFile(const QString& path, qint64 maxBytes = kMaxDocumentBytes);
// Why a file could not be read (saving false) or written, in words; a file
// over the limit is told the limit.
QString FileFailureReason(FileFailure failure, bool saving, qint64 maxBytes = kMaxDocumentBytes);
// "<path>：<reason>", for the messages of readers of user-chosen files.
QString PathAndReason(const QString& path, const QString& reason);

bool WriteFileBytes(const QString& path, const QByteArray& bytes, FileFailure* failure = nullptr);

// The system's write(2), through which saving writes its bytes; tests put a
// failing one in its place.  Returns the one it replaces.
using FileWriteFunction = ssize_t (*)(int fd, const void* data, size_t size);
FileWriteFunction SetFileWriteFunction(FileWriteFunction write);
