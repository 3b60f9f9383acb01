// Whole-file reading and writing for archives.  Saving goes through a
// temporary file that replaces the target only when everything was written,
// so a failed save never destroys the previous file.
#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The file's bytes, or nothing (with a reason) when it cannot be read or is
// larger than maxBytes.
std::optional<QByteArray> ReadFileBytes(const QString& path, QString* error = nullptr,
                                        qint64 maxBytes = qint64(1) << 31);
bool WriteFileBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
