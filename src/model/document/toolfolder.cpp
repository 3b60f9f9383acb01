#include "model/document/toolfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QHashFunctions>
#include <unordered_set>

#include "model/globals.h"
#include "platform/archive.h"
#include "platform/filebytes.h"
#include "platform/processstate.h"

namespace {
const ProcessStateReset reset(ClearGlobalTools);

// Not a QSet, whose insert ends the program when memory runs out.
using Visited = std::unordered_set<QString>;

void Walk(const QString& folder, Visited& visited, std::vector<CToolSet>& sets) {
  const QString canonical = QFileInfo(folder).canonicalFilePath();
  if (canonical.isEmpty() || visited.contains(canonical)) return;  // gone, or reached again by a link
  visited.insert(canonical);
  const QFileInfoList entries = QDir(folder).entryInfoList(
      QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo& entry : entries) {
    if (entry.isDir()) {
      Walk(entry.filePath(), visited, sets);
      continue;
    }
    if (!entry.fileName().endsWith(QLatin1String(".kv"), Qt::CaseInsensitive)) continue;
    const std::optional<QByteArray> bytes = ReadFileBytes(entry.filePath());
    if (!bytes) continue;
    CToolList tools = ReadToolSetBytes(*bytes);
    if (tools.empty()) continue;
    CToolSet set;
    set.title = entry.completeBaseName();
    set.first = static_cast<int>(g_globalTools.size());
    set.count = static_cast<int>(tools.size());
    for (auto& record : tools) g_globalTools.push_back(record.release());
    sets.push_back(set);
  }
}
}  // namespace

CToolList ReadToolSetBytes(const QByteArray& bytes) {
  CToolList tools;
  try {
    CArchive ar(bytes);  // the newer record layout, whatever the last document used
    if (ar.ReadWord() != 0xFF01 || ar.ReadWord() != 0x859B) return tools;
    for (int i = 0; i < 3; ++i) ar.ReadDword();
    const DWORD count = ar.ReadCount(sizeof(WORD));
    for (DWORD i = 0; i < count; ++i) {
      std::unique_ptr<CRecord> record = ar.ReadOwned<CRecord>();
      if (record) tools.push_back(std::move(record));
    }
  } catch (const CArchiveException&) {
    // A damaged record and everything after it are left out.
  } catch (const std::bad_alloc&) {
  }
  return tools;
}

std::vector<CToolSet> LoadToolFolder(const QString& folder) {
  std::vector<CToolSet> sets;
  Visited visited;
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) Walk(folder, visited, sets);
  return sets;
}

void ClearGlobalTools() {
  for (CRecord* record : g_globalTools) delete record;
  g_globalTools.clear();
}
