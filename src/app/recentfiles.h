// The recent-file list of the File menu: the six documents opened or saved
// last, newest first, kept in the settings.
#pragma once
#include <QString>
#include <QStringList>

class QSettings;

class CRecentFileList {
 public:
  static constexpr int kSize = 6;

  // Puts the path first; an entry for the same file moves up instead of
  // appearing twice, and the oldest falls off beyond six.
  void Add(const QString& path);
  void Remove(int index);
  const QStringList& Files() const { return m_files; }

  // The list under "Recent File List" of the current settings group:
  // File1 ... File6.
  void ReadList(QSettings& settings);
  void WriteList(QSettings& settings) const;

 private:
  QStringList m_files;
};
