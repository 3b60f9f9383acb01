#include "app/recentfiles.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString kSection = QStringLiteral("Recent File List");

QString Normalised(const QString& path) { return QFileInfo(path).absoluteFilePath(); }
}  // namespace

void CRecentFileList::Add(const QString& path) {
  if (path.isEmpty()) return;
  const QString file = Normalised(path);
  m_files.removeAll(file);
  m_files.prepend(file);
  while (m_files.size() > kSize) m_files.removeLast();
}

void CRecentFileList::Remove(int index) {
  if (index >= 0 && index < m_files.size()) m_files.removeAt(index);
}

void CRecentFileList::ReadList(QSettings& settings) {
  m_files.clear();
  settings.beginGroup(kSection);
  for (int i = 1; i <= kSize; ++i) {
    const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
    if (!file.isEmpty() && !m_files.contains(file)) m_files.append(file);
  }
  settings.endGroup();
}

void CRecentFileList::WriteList(QSettings& settings) const {
  settings.beginGroup(kSection);
  settings.remove(QString());
  for (int i = 0; i < m_files.size(); ++i) settings.setValue(QStringLiteral("File%1").arg(i + 1), m_files[i]);
  settings.endGroup();
}
