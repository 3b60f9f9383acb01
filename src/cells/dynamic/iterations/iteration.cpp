#include "cells/dynamic/iterations/iteration.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "cells/dynamic/iterations/iterationtexts.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/texts/cgtbvodtext.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "model/cellmap.h"
#include "model/cgbutton.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "render/viewglobals.h"

IMPLEMENT_SERIAL(CGIterate, CGCell)

namespace {
CGCell* CellOf(WORD id) { return g_pCurCells ? g_pCurCells->Lookup(id) : nullptr; }

// Whether a descendant of the sources is recomputed with every copy: not
// the bitmap texts (but formula and point-following texts), single-line
// texts and buttons, which do not follow a construction.
bool JoinsChain(const CGCell& cell) {
  if (cell.IsKindOf(RUNTIME_CLASS(CGTextbit)) && !cell.IsKindOf(RUNTIME_CLASS(CGTbMhc)) &&
      !cell.IsKindOf(RUNTIME_CLASS(CGTbHenchman)))
    return false;
  return !cell.IsKindOf(RUNTIME_CLASS(CGTmSingleline)) && !cell.IsKindOf(RUNTIME_CLASS(CGButton));
}

[[noreturn]] void RejectRecord(const std::string& what) {
  throw CArchiveException(ArchiveError::BadData, "iteration: " + what);
}

// A stored count of WORD ids: not negative and no more than the bytes left.
int ReadIdCount(CArchive& ar, long long perCount) {
  const std::int32_t count = ar.ReadInt();
  if (count < 0 || static_cast<long long>(count) * perCount * 2 > ar.Remaining()) RejectRecord("id count beyond the record");
  return count;
}

void SerializeIds(CArchive& ar, std::vector<WORD>& ids) {
  if (ar.IsStoring()) {
    ar << static_cast<std::int32_t>(ids.size());
    for (WORD id : ids) ar << id;
    return;
  }
  ids.resize(static_cast<size_t>(ReadIdCount(ar, 1)));
  for (WORD& id : ids) ar >> id;
}

BYTE ReadFlag(CArchive& ar) { return ar.ReadByte() != 0 ? 1 : 0; }
}  // namespace

CGIterate::CGIterate() {
  m_strName = QString::fromUtf8(kTextIterationName);
  m_vLabelAnchor[0] = -15;
  m_vLabelAnchor[1] = 8;
  m_rgbaColor = g_prefs.rgbaText;
  FitTableBuffer();
}

CGIterate::CGIterate(WORD id, int n, int p, int depth, std::vector<std::vector<WORD>>& arrays) : CGIterate() {
  m_nId = id;
  m_nSources = n;
  m_nPointSources = p;
  m_nDepth = depth;
  m_idArrays = std::move(arrays);
  arrays.clear();
  m_nMappings = std::max(0, static_cast<int>(m_idArrays.size()) - 1);
  if (m_idArrays.empty()) m_idArrays.emplace_back();
  for (auto& ids : m_idArrays) ids.resize(static_cast<size_t>(std::max(0, n)), 0);

  CGPage* page = g_pCurPage;
  const std::vector<WORD>& sources = m_idArrays[0];
  for (WORD source : sources)
    if (CGCell* cell = CellOf(source)) cell->MarkDescendants();
  std::vector<WORD> marked;
  if (page) page->CollectDirtyIds(marked);
  for (WORD cellId : marked) {
    CGCell* cell = CellOf(cellId);
    if (!cell || !JoinsChain(*cell)) continue;
    m_chain.push_back(cellId);
    if (cell->IsKindOf(RUNTIME_CLASS(CGTmVariable))) {
      m_table.push_back(cellId);
    } else if (!cell->IsKindOf(RUNTIME_CLASS(CGTmVector))) {
      m_drawn.push_back(cellId);
      cell->m_bLabelHidden = 1;
    }
  }

  // The parents: the cells of the set whose first child lies outside it, or
  // that have none, so that the iteration comes after the whole chain.
  std::vector<WORD> set(m_chain);
  set.insert(set.end(), sources.begin(), sources.end());
  std::sort(set.begin(), set.end());
  set.erase(std::unique(set.begin(), set.end()), set.end());
  for (WORD cellId : set)
    if (CGCell* cell = CellOf(cellId)) cell->m_bMarked = true;
  for (WORD cellId : set) {
    CGCell* cell = CellOf(cellId);
    if (!cell) continue;
    const CGCell* first = cell->m_children.empty() ? nullptr : CellOf(cell->m_children.front());
    if (!first || !first->m_bMarked) m_parents.push_back(cellId);
  }
  if (page) page->CollectDirtyIds(marked);
  for (WORD parent : m_parents) CellOf(parent)->m_children.push_back(m_nId);

  m_savedSources.assign(static_cast<size_t>(std::max(0, n)), SourceRecord{});
  FitTableBuffer();
  m_bShowAllLevels = 1;
  m_bTableShown = m_table.empty() ? 0 : 1;
  m_bLabelHidden = m_table.empty() ? 1 : 0;
  m_bSolidLinesOnly = 0;
  m_nParamA = 0;
  Recalculate();
}

void CGIterate::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring()) {
    ar << static_cast<std::int32_t>(m_nSources) << static_cast<std::int32_t>(m_nPointSources)
       << static_cast<std::int32_t>(m_nMappings) << static_cast<std::int32_t>(m_nDepth)
       << static_cast<std::int32_t>(m_table.size());
    ar << static_cast<BYTE>(m_bShowAllLevels ? 1 : 0) << static_cast<BYTE>(m_bTableShown ? 1 : 0)
       << static_cast<BYTE>(m_bSolidLinesOnly ? 1 : 0);
    for (const auto& ids : m_idArrays)
      for (WORD id : ids) ar << id;
  } else {
    m_nSources = ar.ReadInt();
    m_nPointSources = ar.ReadInt();
    m_nMappings = ar.ReadInt();
    m_nDepth = std::clamp(ar.ReadInt(), 0, kDepthLimit);
    ar.ReadInt();  // the table cell count follows the table list instead
    m_bShowAllLevels = ReadFlag(ar);
    m_bTableShown = ReadFlag(ar);
    m_bSolidLinesOnly = ReadFlag(ar);
    // Ids are 16-bit, so no page holds more distinct images than that; with
    // no sources the arrays take no bytes and their count must be bounded
    // on its own.
    if (m_nSources < 0 || m_nPointSources < 0 || m_nPointSources > m_nSources || m_nMappings < 0 ||
        m_nMappings > kMaxMappings)
      RejectRecord("source or mapping counts out of range");
    const long long arrays = static_cast<long long>(m_nMappings) + 1;
    if (arrays * m_nSources * 2 > ar.Remaining()) RejectRecord("id arrays beyond the record");
    m_idArrays.assign(static_cast<size_t>(arrays), std::vector<WORD>(static_cast<size_t>(m_nSources)));
    for (auto& ids : m_idArrays)
      for (WORD& id : ids) ar >> id;
  }
  SerializeIds(ar, m_chain);
  SerializeIds(ar, m_drawn);
  SerializeIds(ar, m_table);
  if (ar.IsLoading()) {
    m_savedSources.assign(static_cast<size_t>(m_nSources), SourceRecord{});
    FitTableBuffer();
    m_nNextRow = 1;
  }
}

void CGIterate::Recalculate() {
  if (DepthFromValue() && !m_parents.empty()) {
    const CGCell* value = CellOf(m_parents.back());
    if (value && value->IsKindOf(RUNTIME_CLASS(CGTmVariable)) && !std::isnan(value->m_fValue)) {
      const float v = value->m_fValue;
      m_nDepth = v >= static_cast<float>(kDepthLimit + 1) ? kDepthLimit : v < 0.0f ? 0 : static_cast<int>(v);
    }
  }
  SaveSources();
  FitTableBuffer();
  WriteRow(0, 0);
  m_nNextRow = 1;
}

bool CGIterate::FitsLoadedPage(const CCellMap&) const {
  const auto before = [this](WORD id) { return id < m_nId; };
  const auto allBefore = [&before](const std::vector<WORD>& ids) { return std::all_of(ids.begin(), ids.end(), before); };
  return std::all_of(m_idArrays.begin(), m_idArrays.end(), allBefore) && allBefore(m_chain) && allBefore(m_drawn) &&
         allBefore(m_table);
}

QString CGIterate::GetDescription() { return QString::asprintf(kTextIterationDescription, m_nSources); }

void CGIterate::DragLabel() {
  m_vLabelAnchor[0] += static_cast<float>(g_nMouseDeltaX) * g_fUnitsPerPixel;
  m_vLabelAnchor[1] -= static_cast<float>(g_nMouseDeltaY) * g_fUnitsPerPixel;
}

// --- Held ids -------------------------------------------------------------------

void CGIterate::RemapIds(const std::map<WORD, WORD>& newIds) {
  const auto remap = [&newIds](std::vector<WORD>& ids) {
    for (WORD& id : ids) {
      const auto it = newIds.find(id);
      id = it == newIds.end() ? 0 : it->second;
    }
  };
  for (auto& ids : m_idArrays) remap(ids);
  remap(m_chain);
  remap(m_drawn);
  remap(m_table);
}

void CGIterate::ReplaceId(WORD oldId, WORD newId) {
  for (auto& ids : m_idArrays) std::replace(ids.begin(), ids.end(), oldId, newId);
  for (auto* ids : {&m_chain, &m_drawn, &m_table}) std::replace(ids->begin(), ids->end(), oldId, newId);
}

int CGIterate::MaxDepth() const {
  const long long c = static_cast<long long>(m_chain.size());
  const long long b = m_nMappings;
  if (c == 0 || b <= 0) return 1000;
  if (b == 1) return static_cast<int>(std::min<long long>(32000 / c, 1000));
  const double ratio = static_cast<double>(b - 1) * 32000.0 / static_cast<double>(b * c);
  return static_cast<int>(std::trunc(std::log(ratio) / std::log(static_cast<double>(b))));
}

long long CGIterate::CopyCost() const {
  return std::max<long long>({1, static_cast<long long>(m_chain.size()), static_cast<long long>(m_drawn.size())});
}

int CGIterate::DrawnDepth(long long budget) const {
  if (m_nMappings <= 0 || m_nDepth <= 0) return 0;
  const long long affordable = budget / CopyCost();  // copies the budget pays for
  if (m_nMappings == 1) return static_cast<int>(std::clamp<long long>(affordable, 0, m_nDepth));
  long long copies = 0, level = 1;
  int depth = 0;
  while (depth < m_nDepth) {
    level *= m_nMappings;
    if (copies + level > affordable) break;
    copies += level;
    ++depth;
  }
  return depth;
}

long long CGIterate::CopiesTo(int depth) const {
  if (m_nMappings == 1) return depth;
  long long copies = 0, level = 1;
  for (int d = 0; d < depth; ++d) {
    level *= m_nMappings;
    copies += level;
  }
  return copies;
}

// --- Sources and the table buffer ---------------------------------------------------

void CGIterate::SaveSources() {
  m_savedSources.resize(static_cast<size_t>(m_nSources));
  m_savedAnchors.resize(static_cast<size_t>(m_nSources));
  if (m_idArrays.empty()) return;
  for (int i = 0; i < m_nSources; ++i) {
    const CGCell* cell = CellOf(m_idArrays[0][static_cast<size_t>(i)]);
    if (!cell) continue;
    SourceRecord& saved = m_savedSources[static_cast<size_t>(i)];
    saved[3] = cell->m_fValue;
    std::copy_n(cell->m_vLabelAnchor, 3, m_savedAnchors[static_cast<size_t>(i)].begin());
    if (i < m_nPointSources && cell->IsKindOf(RUNTIME_CLASS(CGVertex)))
      std::copy_n(static_cast<const CGVertex*>(cell)->m_vPos, 3, saved.begin());
  }
}

void CGIterate::FitTableBuffer() {
  m_nTableCells = static_cast<int>(m_table.size());
  const size_t size = static_cast<size_t>(kTableRows) * static_cast<size_t>(TableColumns());
  if (m_tableBuffer.size() != size) m_tableBuffer.assign(size, 0.0f);
}

void CGIterate::WriteRow(int row, int level) {
  FitTableBuffer();
  float* out = m_tableBuffer.data() + static_cast<size_t>(row) * static_cast<size_t>(TableColumns());
  out[0] = static_cast<float>(level);
  for (int j = 0; j < m_nTableCells; ++j) {
    const CGCell* cell = CellOf(m_table[static_cast<size_t>(j)]);
    out[j + 1] = cell ? cell->m_fValue : 0.0f;
  }
}

int CGIterate::RecordedRows() const { return std::clamp(m_nNextRow, 1, kTableRows - 1); }

void RegisterIterationClasses() { ClassRegistry::Register(RUNTIME_CLASS(CGIterate)); }
