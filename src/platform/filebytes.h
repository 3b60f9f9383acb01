// Whole-file reading and writing for archives.  Reading takes regular files
// only (a pipe would block, a device never end) and stops at a size limit
// before it holds the file.  Saving goes through a temporary file that
// replaces the target only when every byte reached the disk, so a failed
// save never destroys the previous file.
#pragma once
#include <QByteArray>
#include <QString>
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
  DiskFull,          // no space or quota left
  Other,
};

// Documents larger than this are refused before they are read.
inline constexpr qint64 kMaxDocumentBytes = qint64(256) << 20;

// The file's bytes, or nothing (with the reason) when it cannot be read or
// holds more than maxBytes.
std::optional<QByteArray> ReadFileBytes(const QString& path, FileFailure* failure = nullptr,
                                        qint64 maxBytes = kMaxDocumentBytes);
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
