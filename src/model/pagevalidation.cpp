// A page read from a file is checked before anything walks it: the walks
// trust that parents come before children and that every stored slot and
// scale is usable.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_set>

#include "math/quaternion.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "platform/archive.h"

namespace {
[[noreturn]] void Reject(const std::string& what) {
  throw CArchiveException(ArchiveError::BadData, what);
}

// Links that would allow a cycle, or a cell filed under another id, make the
// page unusable; they cannot come from a page the program wrote.
void CheckStructure(const CCellMap& cells) {
  for (auto [id, cell] : cells) {
    const std::string at = "cell " + std::to_string(id);
    if (id == 0 || id > CGPage::kMaxCellId) Reject(at + ": id out of range");
    if (cell->m_nId != id) Reject(at + ": stored under another id");
    for (WORD parent : cell->m_parents)
      if (parent >= id) Reject(at + ": parent " + std::to_string(parent) + " not below it");
    for (WORD child : cell->m_children)
      if (child <= id) Reject(at + ": child " + std::to_string(child) + " not above it");
  }
}

// Dangling ids are survivable: a cell with a missing parent starts
// undefined (most classes stay so when computed); a child is forgotten
// unless it is there and names this cell among its parents (a delete
// follows child lists and takes only what depends on the cell; the
// program never writes another link); and a child its parent forgot is
// registered again so that it follows the parent.  A child listed twice is
// listed once.  Sets of links keep this linear: a file may repeat an id a
// million times.
void RepairLinks(const CCellMap& cells) {
  const auto link = [](WORD parent, WORD child) { return std::uint32_t(parent) << 16 | child; };
  std::unordered_set<std::uint32_t> named;  // parent << 16 | child, as the child names its parents
  for (auto [id, cell] : cells)
    for (WORD parent : cell->m_parents) named.insert(link(parent, id));
  std::unordered_set<std::uint32_t> links;  // as registered
  for (auto [id, cell] : cells)
    std::erase_if(cell->m_children, [&, id = id](WORD child) {
      return !named.contains(link(id, child)) || !links.insert(link(id, child)).second;
    });
  for (auto [id, cell] : cells) {
    for (WORD parentId : cell->m_parents) {
      CGCell* parent = cells.Lookup(parentId);
      if (!parent)
        cell->m_bDefined = false;
      else if (links.insert(link(parentId, id)).second)
        parent->m_children.push_back(id);
    }
  }
}

// Choices outside their set fall back to the default.
template <class T>
void KeepInRange(T& value, T low, T high, T fallback) {
  if (value < low || value > high) value = fallback;
}

// Measures are clamped into their range; a NaN or infinity takes the default.
float ClampFinite(float value, float low, float high, float fallback) {
  return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

bool IsFinite(const float* v, int n) {
  return std::all_of(v, v + n, [](float x) { return std::isfinite(x); });
}
}  // namespace

void CGPage::ValidateLoaded() {
  CheckStructure(m_cells);
  RepairLinks(m_cells);
  for (auto [id, cell] : m_cells)
    if (!cell->FitsLoadedPage(m_cells))
      throw CArchiveException(ArchiveError::BadData,
                              "cell " + std::to_string(id) + " refers past its parents");

  if (!m_cells.empty() && m_nNextId <= m_cells.Ids().back())
    m_nNextId = static_cast<WORD>(m_cells.Ids().back() + 1);
  if (m_nNextId == 0) m_nNextId = 1;
  const auto points = std::count_if(m_cells.begin(), m_cells.end(), [](auto entry) {
    return entry.second->IsKindOf(RUNTIME_CLASS(CGVertex));
  });
  if (m_nNextVertex < points + 1) m_nNextVertex = static_cast<WORD>(points + 1);

  // Name counters outside their cycles would name points with stray characters.
  KeepInRange<BYTE>(m_chNameLetter, 'A', 'Z' + 1, 'A');
  const bool suffixInCycle = m_chNameSuffix == ' ' || m_chNameSuffix == '\'' ||
                             (m_chNameSuffix >= '0' && m_chNameSuffix <= '9');
  if (!suffixInCycle) m_chNameSuffix = ' ';

  // World units per pixel is the reciprocal of this: 0 would divide by zero.
  m_nPixelsPerUnit = std::clamp(m_nPixelsPerUnit, 5, 200);
  KeepInRange(m_nProjection, 0, 2, 1);
  KeepInRange(m_nAxisOrientation, 0, 2, 1);
  for (float& c : m_rgbaBackground) c = ClampFinite(c, 0.0f, 1.0f, 1.0f);
  KeepViewInRange();
}

bool CGPage::KeepViewInRange() {
  const float scale = m_fScale;
  m_fScale = ClampFinite(m_fScale, 0.01f, 100.0f, 1.0f);
  bool moved = m_fScale != scale;
  if (!IsFinite(m_vTranslate, 3)) {
    moved = true;
    m_vTranslate[0] = m_vTranslate[1] = 0.0f;
    m_vTranslate[2] = -50.0f;
  }
  if (!IsFinite(m_qRotate, 4)) {
    moved = true;
    // The orientation a new document starts with.
    Quaternion q;
    QuatMultiply(QuatRotationX(-75), QuatRotationZ(-15), q);
    m_qRotate[0] = static_cast<float>(q.x);
    m_qRotate[1] = static_cast<float>(q.y);
    m_qRotate[2] = static_cast<float>(q.z);
    m_qRotate[3] = static_cast<float>(q.w);
  }
  return moved;
}
