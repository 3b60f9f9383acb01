#include "model/cgcell.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "model/cellmap.h"
#include "platform/archive.h"
#include "platform/archivecollections.h"

IMPLEMENT_SERIAL(CGCell, CObject)

CMarkFlag& CMarkFlag::operator=(bool on) {
  if (on && !m_bOn) {
    m_bOn = true;
    CCellMap::NoteMark(*m_pOwner);
  }
  m_bOn = on;
  return *this;
}

CGCell::CGCell()
    : m_rgbaColor(g_prefs.rgbaLine), m_rgbaLabel(g_prefs.rgbaLabel), m_fSize(g_prefs.fLineWidth) {}

CGCell& CGCell::operator=(const CGCell& other) {
  if (this == &other) return *this;
  m_nId = other.m_nId;
  m_strName = other.m_strName;
  m_rgbaColor = other.m_rgbaColor;
  m_rgbaLabel = other.m_rgbaLabel;
  m_nStyle = other.m_nStyle;
  m_nSubKind = other.m_nSubKind;
  m_fSize = other.m_fSize;
  std::copy_n(other.m_vLabelAnchor, 3, m_vLabelAnchor);
  m_children = other.m_children;
  m_bDefined = other.m_bDefined;
  m_bHidden = other.m_bHidden;
  m_bLabelHidden = other.m_bLabelHidden;
  m_bNameFixed = other.m_bNameFixed;
  m_fValue = other.m_fValue;
  m_dwParam1 = other.m_dwParam1;
  m_dwParam2 = other.m_dwParam2;
  m_dwParam3 = other.m_dwParam3;
  m_strText = other.m_strText;
  m_bLabelStale = other.m_bLabelStale;
  m_strLabelLists = other.m_strLabelLists;
  m_nLabelMode = other.m_nLabelMode;
  m_bSelected = false;
  m_bHovered = false;
  m_bMarked = false;
  m_bTraced = false;
  return *this;
}

static void SerializeColor(CArchive& ar, RGBA& c) {
  if (ar.IsStoring()) {
    ar << c.r << c.g << c.b << c.a;
  } else {
    ar >> c.r >> c.g >> c.b >> c.a;
  }
}

void CGCell::Serialize(CArchive& ar) {
  const bool older = ar.Context().bOlderLayout;
  if (ar.IsStoring()) {
    ar << m_nId << m_strName << static_cast<BYTE>(m_bDefined ? 1 : 0) << m_bHidden << m_bLabelHidden
       << m_nStyle << m_nSubKind << m_vLabelAnchor[0] << m_vLabelAnchor[1] << m_vLabelAnchor[2];
    SerializeColor(ar, m_rgbaColor);
    SerializeColor(ar, m_rgbaLabel);
    ar << m_fValue << m_dwParam1 << m_dwParam2 << m_dwParam3 << m_strText
       << static_cast<BYTE>(m_bNameFixed ? 1 : 0) << m_fSize << static_cast<BYTE>(m_bTraced ? 1 : 0)
       << m_nParamA << m_nParamB << m_nParamC << m_strVodName;
    if (!older) {
      ar << m_nLabelMode;
      for (std::int32_t w : m_nLabelExtra) ar << w;
      ar << m_strLabelExtra;
    }
    WriteWordArray(ar, m_parents);
    WriteWordList(ar, m_children);
    return;
  }
  ar >> m_nId >> m_strName;
  m_bDefined = ar.ReadByte() != 0;
  ar >> m_bHidden >> m_bLabelHidden >> m_nStyle >> m_nSubKind >> m_vLabelAnchor[0] >>
      m_vLabelAnchor[1] >> m_vLabelAnchor[2];
  SerializeColor(ar, m_rgbaColor);
  SerializeColor(ar, m_rgbaLabel);
  ar >> m_fValue >> m_dwParam1 >> m_dwParam2 >> m_dwParam3 >> m_strText;
  m_bNameFixed = ar.ReadByte() != 0;
  ar >> m_fSize;
  m_bTraced = ar.ReadByte() != 0;
  ar >> m_nParamA >> m_nParamB >> m_nParamC >> m_strVodName;
  if (!older) {
    ar >> m_nLabelMode;
    for (std::int32_t& w : m_nLabelExtra) ar >> w;
    ar >> m_strLabelExtra;
  }
  m_parents = ReadWordArray(ar);
  m_children = ReadWordArray(ar);  // the list record has the array's layout
}

std::uint64_t CGCell::RecordDigest() {
  CArchive ar{CArchive::DigestTag{}};
  std::vector<WORD> children;
  children.swap(m_children);
  try {
    const char* name = GetRuntimeClass()->m_lpszClassName;
    ar.Write(name, static_cast<qsizetype>(std::strlen(name)) + 1);
    Serialize(ar);
  } catch (...) {
    children.swap(m_children);
    return 0;
  }
  children.swap(m_children);
  return ar.Digest() | 1;  // never 0, which says "unknown"
}

void CGCell::Recalculate() {
  for (WORD id : m_parents) {
    const CGCell* parent = g_pCurCells ? g_pCurCells->Lookup(id) : nullptr;
    if (!parent || !parent->m_bDefined) {
      m_bDefined = false;
      return;
    }
  }
  m_bDefined = true;
}

void CGCell::MoveAnchor(int axis, float to) {
  if (float* offset = AnchorOffset()) {
    const float moved = offset[axis] + (to - m_vLabelAnchor[axis]);
    if (!std::isfinite(moved)) return;
    offset[axis] = moved;
  }
  m_vLabelAnchor[axis] = to;
}

CGCell* CGCell::ParentCell(size_t i) const {
  return i < m_parents.size() && g_pCurCells ? g_pCurCells->Lookup(m_parents[i]) : nullptr;
}

QString CGCell::ParentName(size_t i) const {
  const CGCell* parent = ParentCell(i);
  return parent ? parent->m_strName : QString();
}

void CGCell::CheckLoaded(CArchive& ar, size_t parents, std::initializer_list<float> values) const {
  if (ar.IsStoring()) return;
  if (m_parents.size() != parents)
    throw CArchiveException(ArchiveError::BadData, "cell " + std::to_string(m_nId) + " has " +
                                                       std::to_string(m_parents.size()) + " parents, not " +
                                                       std::to_string(parents));
  for (float v : values)
    if (!std::isfinite(v))
      throw CArchiveException(ArchiveError::BadData,
                              "cell " + std::to_string(m_nId) + " holds a value that is not a number");
}

// A depth-first walk with its own stack: a cell is marked when it is first
// reached and walked once, which marks the same cells as walking each child's
// links before marking the child.
template <class Link>
void CGCell::MarkLinked(Link links) {
  if (m_bMarked || !g_pCurCells) return;
  static std::vector<const CGCell*> stack;
  stack.clear();
  stack.push_back(this);
  while (!stack.empty()) {
    const CGCell* cell = stack.back();
    stack.pop_back();
    for (WORD id : links(*cell)) {
      CGCell* next = g_pCurCells->LookupUntouched(id);
      if (next && !next->m_bMarked) {
        next->m_bMarked = true;
        stack.push_back(next);
      }
    }
  }
}

void CGCell::MarkDescendants() {
  MarkLinked([](const CGCell& c) -> const std::vector<WORD>& { return c.m_children; });
}

void CGCell::MarkAncestors() {
  MarkLinked([](const CGCell& c) -> const std::vector<WORD>& { return c.m_parents; });
}
