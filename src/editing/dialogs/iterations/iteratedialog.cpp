#include "editing/dialogs/iterations/iteratedialog.h"

#include <algorithm>

#include "cells/texts/cgtextmap.h"
#include "editing/dialogs/iterations/iterationdialogtexts.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "platform/notifier.h"

namespace {
CGCell* CellOf(WORD id) { return g_pCurCells ? g_pCurCells->Lookup(id) : nullptr; }
QString NameOf(WORD id) {
  const CGCell* cell = CellOf(id);
  return cell ? cell->m_strName : QString();
}
bool IsPoint(WORD id) {
  const CGCell* cell = CellOf(id);
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGVertex));
}
bool IsValue(WORD id) {
  const CGCell* cell = CellOf(id);
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGTmVariable));
}
void Warn(const char* text, const char* caption) {
  KvMessageBox(QString::fromUtf8(text), QString::fromUtf8(caption), MB_OK | MB_ICONWARNING);
}
void Append(std::vector<CIterateItem>& items, const std::vector<WORD>& ids) {
  for (WORD id : ids) items.push_back({id, NameOf(id)});
}
}  // namespace

QStringList IterationRules(const std::vector<std::vector<WORD>>& maps) {
  QStringList rules;
  if (maps.empty()) return rules;
  for (size_t i = 0; i < maps[0].size(); ++i) {
    QString rule = NameOf(maps[0][i]);
    for (size_t m = 1; m < maps.size(); ++m) {
      const WORD image = i < maps[m].size() ? maps[m][i] : 0;
      rule += image ? QString::fromUtf8(kTextRuleArrow) + NameOf(image) : QString::fromUtf8(kTextRuleUnassigned);
    }
    rules << rule;
  }
  return rules;
}

void CDlgIterate::Initialise() {
  CGPage* page = g_pCurPage;
  if (!page) return;
  m_nPointSources = static_cast<int>(page->m_selPoints.size());
  m_nSources = m_nPointSources + static_cast<int>(page->m_selValues.size());
  m_sources.clear();
  Append(m_sources, page->m_selPoints);
  Append(m_sources, page->m_selValues);
  std::vector<WORD> preImages;
  for (const CIterateItem& item : m_sources) {
    preImages.push_back(item.id);
    if (CGCell* cell = CellOf(item.id)) cell->MarkDescendants();
  }
  m_nSource = 0;
  m_maps.assign(1, preImages);

  std::vector<WORD> marked;
  page->CollectDirtyIds(marked);
  m_images.clear();
  for (WORD id : marked)
    if (IsPoint(id) || IsValue(id)) m_images.push_back({id, NameOf(id)});
  Append(m_images, page->m_selPoints);
  Append(m_images, page->m_selValues);
  m_nImage = -1;

  m_maps.emplace_back(static_cast<size_t>(m_nSources), 0);
  m_nCurrentMap = 1;
  m_bOkEnabled = MapComplete();
}

QString CDlgIterate::SteppedDepth(const QString& typed, int steps) const {
  bool ok = false;
  const int depth = typed.trimmed().toInt(&ok);
  const int from = std::clamp(ok ? depth : m_nDepth, kSpinLow, kSpinHigh);
  return QString::number(std::clamp(from + steps, kSpinLow, kSpinHigh));
}

bool CDlgIterate::MapComplete() const {
  if (m_nCurrentMap < 1 || m_nCurrentMap >= static_cast<int>(m_maps.size())) return false;
  for (WORD id : m_maps[static_cast<size_t>(m_nCurrentMap)])
    if (id == 0) return false;
  return true;
}

QStringList CDlgIterate::MapNames() const {
  QStringList names;
  for (size_t m = 1; m < m_maps.size(); ++m)
    names << QString::fromUtf8(kTextMapName).replace(QStringLiteral("%d"), QString::number(m));
  return names;
}

bool CDlgIterate::ChooseImage(int item) {
  if (item < 0 || item >= static_cast<int>(m_images.size()) || m_nSources < 1) return false;
  if (m_nCurrentMap < 1 || m_nCurrentMap >= static_cast<int>(m_maps.size())) return false;
  const int i = m_nSource >= 0 && m_nSource < m_nSources ? m_nSource : 0;
  const WORD image = m_images[static_cast<size_t>(item)].id;
  if (i >= m_nPointSources && IsPoint(image)) {
    Warn(kTextValueToPoint, kCaptionMapError);
    return false;
  }
  if (i < m_nPointSources && !IsPoint(image)) {
    Warn(kTextPointToValue, kCaptionMapError);
    return false;
  }
  std::vector<WORD>& map = m_maps[static_cast<size_t>(m_nCurrentMap)];
  map.resize(static_cast<size_t>(m_nSources), 0);
  map[static_cast<size_t>(i)] = image;
  m_nSource = (i + 1) % m_nSources;
  m_nImage = -1;
  m_bOkEnabled = MapComplete();
  return true;
}

bool CDlgIterate::ChooseMap(int row) {
  if (!m_bOkEnabled) {
    Warn(kTextCannotSwitch, kCaptionSwitchMap);
    return false;
  }
  if (row < 0 || row + 1 >= static_cast<int>(m_maps.size())) return false;
  m_nCurrentMap = row + 1;
  m_nSource = 0;
  m_nImage = -1;
  return true;
}

bool CDlgIterate::AddMap() {
  if (!MapComplete()) {
    Warn(kTextCannotAdd, kCaptionAddMap);
    return false;
  }
  m_maps.emplace_back(static_cast<size_t>(m_nSources), 0);
  m_nCurrentMap = static_cast<int>(m_maps.size()) - 1;
  m_nSource = 0;
  m_nImage = -1;
  m_bOkEnabled = m_nSources < 1;
  return true;
}

bool CDlgIterate::DeleteMap() {
  if (m_maps.size() <= 2) {
    Warn(kTextOnlyOneMap, kTextDeleteMap);
    return false;
  }
  if (m_nCurrentMap >= 1 && m_nCurrentMap < static_cast<int>(m_maps.size()))
    m_maps.erase(m_maps.begin() + m_nCurrentMap);
  m_nCurrentMap = 1;
  m_nSource = 0;
  m_nImage = -1;
  m_bOkEnabled = true;
  return true;
}
