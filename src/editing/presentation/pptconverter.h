// Older binary presentations (.ppt) converted to the zip form by
// LibreOffice, when it is installed, with a profile of its own so that a
// LibreOffice already running does not take the call.
#pragma once
#include <QString>

inline constexpr int kConversionTimeoutMs = 120000;
// Larger binary presentations are refused before the converter is asked:
// it reads the whole file.
inline constexpr qint64 kMaxConvertedBytes = qint64(512) << 20;

// True for a name ending in ".ppt" (any case).
bool IsBinaryPresentation(const QString& path);
// Converts `path` into `folder`; the converted file's path, or empty with
// *failure set to the message to show.
QString ConvertToPptx(const QString& path, const QString& folder, QString* failure);
