// Paths that documents store may come from Windows: backslashes, drive
// letters, and names whose case differs from the file's on this system.
#pragma once
#include <QString>

// The name after the last "\" or "/" (the whole path when it has neither).
QString StoredFileName(const QString& path);
// The stored path as a path of this system: backslashes become "/", and a
// relative path is taken from `base` (a drive letter's path then names no
// file, as it should).
QString LocalStoredPath(const QString& path, const QString& base);
// The file called `name` in `folder`: that exact name when it is there, else
// the first file whose name differs from it only in case; "" when neither.
QString FindFileInFolder(const QString& folder, const QString& name);
