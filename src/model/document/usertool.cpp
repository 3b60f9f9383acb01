#include "model/document/usertool.h"

#include <string>

#include "model/autocolor.h"
#include "model/cellmap.h"
#include "model/cgbutton.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/usertooltexts.h"
#include "model/globals.h"
#include "model/kindtests.h"
#include "platform/archive.h"
#include "platform/archivecollections.h"
#include "platform/commandids.h"

IMPLEMENT_SERIAL(CCondition, CObject)
IMPLEMENT_SERIAL(CRecord, CObject)

namespace {
[[noreturn]] void Reject(const std::string& what) {
  throw CArchiveException(ArchiveError::BadData, "tool record: " + what);
}

// Replay walks the cells in list order and resolves parents and inputs by
// list index, so those must point into the list, parents backwards only.
void CheckLinks(const CRecord& record) {
  const size_t count = record.m_cells.size();
  for (size_t i = 0; i < count; ++i) {
    const CGCell* cell = record.m_cells[i].get();
    if (!cell) Reject("no cell at " + std::to_string(i));
    if (cell->m_nId != i) Reject("cell " + std::to_string(i) + " numbered " + std::to_string(cell->m_nId));
    for (WORD parent : cell->m_parents)
      if (parent >= i) Reject("cell " + std::to_string(i) + " has parent " + std::to_string(parent));
  }
  for (const auto& condition : record.m_conditions) {
    if (!condition) Reject("empty input");
    if (condition->m_nId >= count) Reject("input names cell " + std::to_string(condition->m_nId));
  }
  // What a cell refers to besides its parents must fit the record as it
  // would fit a page: replay carries it onto the page as it stands.
  CCellMap byId;  // holds, never owns
  for (const auto& cell : record.m_cells) byId.SetAt(cell->m_nId, cell.get());
  for (const auto& cell : record.m_cells)
    if (!cell->FitsLoadedPage(byId)) Reject("cell " + std::to_string(cell->m_nId) + " does not fit the record");
}

bool IsPointInput(const CGCell& cell) { return IsKindOfClassName(&cell, "CGVerFree"); }

// Replay binds as many selected points and values as the stored counts
// say, and grows the vertex array and the id range by them, so they must be
// those of the lists.  The inputs are exactly the cells without parents, in
// list order (the cells replay leaves for the user or the selection), and
// an input is a point input exactly when its cell is a free point.
void CheckInputs(const CRecord& record) {
  size_t next = 0, pointInputs = 0;
  for (size_t k = 0; k < record.m_conditions.size(); ++k) {
    const CCondition& condition = *record.m_conditions[k];
    const CGCell& cell = *record.m_cells[condition.m_nId];
    const std::string input = "input " + std::to_string(k) + " (cell " + std::to_string(condition.m_nId) + ")";
    if (condition.m_nId < next) Reject(input + " out of order");
    if (!cell.m_parents.empty()) Reject(input + " has parents");
    if (condition.m_bIsPoint != IsPointInput(cell))
      Reject(input + (condition.m_bIsPoint ? " marked a point, but its cell is no free point"
                                           : " marked a value, but its cell is a free point"));
    pointInputs += condition.m_bIsPoint;
    next = condition.m_nId + 1u;
  }
  size_t roots = 0, points = 0;
  for (const auto& cell : record.m_cells) {
    roots += cell->m_parents.empty();
    points += cell->IsKindOf(RUNTIME_CLASS(CGVertex));
  }
  if (roots != record.m_conditions.size())
    Reject(std::to_string(roots) + " cells without parents for " + std::to_string(record.m_conditions.size()) +
           " inputs");
  const auto agree = [](const char* what, std::int32_t stored, size_t counted) {
    if (stored < 0 || static_cast<size_t>(stored) != counted)
      Reject(std::string("stored ") + what + " count " + std::to_string(stored) + " for " + std::to_string(counted));
  };
  agree("cell", record.m_nCellCount, record.m_cells.size());
  agree("point", record.m_nPointCount, points);
  agree("input", record.m_nInputCount, record.m_conditions.size());
  agree("point input", record.m_nPointInputCount, pointInputs);
}

void SetRgb(RGBA& target, const RGBA& from) {
  target.r = from.r;
  target.g = from.g;
  target.b = from.b;
}
}  // namespace

void CCondition::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << m_nId << m_strComment << static_cast<BYTE>(m_bIsPoint ? 1 : 0);
  } else {
    ar >> m_nId >> m_strComment;
    m_bIsPoint = ar.ReadByte() != 0;
  }
}

CRecord::CRecord() : m_strComment(QString::fromUtf8(kTextToolCommentDefault)) {}

CRecord::~CRecord() = default;

void CRecord::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << m_strName << m_strComment << m_nCellCount << m_nInputCount << m_nPointCount
       << m_nPointInputCount << m_bDefaultColors << m_nReservedA << m_nReservedB << m_strReserved;
    std::vector<const CObject*> cells;
    for (const auto& cell : m_cells) cells.push_back(cell.get());
    WriteObList(ar, cells);
    std::vector<const CObject*> conditions;
    for (const auto& condition : m_conditions) conditions.push_back(condition.get());
    WriteObArray(ar, conditions);
    return;
  }
  ar >> m_strName >> m_strComment >> m_nCellCount >> m_nInputCount >> m_nPointCount >>
      m_nPointInputCount >> m_bDefaultColors >> m_nReservedA >> m_nReservedB >> m_strReserved;
  m_cells = ReadObList<CGCell>(ar);
  m_conditions = ReadObArray<CCondition>(ar);
  CheckLinks(*this);
  CheckInputs(*this);
}

bool CRecord::ApplyDefaultColors() {
  if (!m_bDefaultColors) return false;
  const CDisplayPrefs& prefs = g_prefs;
  const COLORREF backdrop =
      BackgroundColorRef(g_pCurPage ? g_pCurPage->m_rgbaBackground : prefs.background.data());
  for (const auto& owned : m_cells) {
    CGCell* cell = owned.get();
    SetRgb(cell->m_rgbaLabel, prefs.rgbaLabel);
    if (cell->IsKindOf(RUNTIME_CLASS(CGVertex))) {
      cell->m_rgbaColor = IsKindOfClassName(cell, "CGVerFree") ? prefs.rgbaFreePoint : prefs.rgbaFixedPoint;
    } else if (IsKindOfClassName(cell, "CGLine")) {
      cell->m_rgbaColor = prefs.rgbaLine;
      cell->m_fSize = prefs.fLineWidth;
    } else if (IsKindOfClassName(cell, "CGFace")) {
      const COLORREF c = NextAutoColor();
      SetRgb(cell->m_rgbaColor, RGBA{static_cast<BYTE>(c), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c >> 16)});
    } else if (IsKindOfClassName(cell, "CGArc")) {
      (cell->m_nSubKind > 1 ? cell->m_rgbaLabel : cell->m_rgbaColor) = prefs.rgbaCurve;
    } else if (IsKindOfAnyClassName(cell, {"CGLocus", "CGCurve"})) {
      cell->m_rgbaColor = prefs.rgbaCurve;
    } else if (cell->IsKindOf(RUNTIME_CLASS(CGButton))) {
      SetRgb(cell->m_rgbaColor, RGBA{0x33, 0x66, 0xFF});
      SetRgb(cell->m_rgbaLabel, RGBA{0, 0, 0});
    } else if (IsKindOfAnyClassName(cell, {"CGTmVariable", "CGTmVector", "CGIterate"})) {
      cell->m_rgbaColor = prefs.rgbaMeasure;
    } else if (IsKindOfAnyClassName(cell, {"CGTextbit", "CGTextmap"})) {
      cell->m_rgbaColor = prefs.rgbaText;
      cell->TakeBackdrop(backdrop);
    } else if (IsKindOfAnyClassName(cell, {"CGSphere", "CGCylinder", "CGCone", "CGFrustum", "CGTrack", "CGSurface"})) {
      cell->m_rgbaColor = prefs.rgbaCurve;
    }
  }
  return true;
}

std::unique_ptr<CRecord> CopyRecord(const CRecord& record) {
  CArchive out;
  out.WriteObject(&record);
  CArchive in(out.Bytes());
  return in.ReadOwned<CRecord>();
}

void WriteToolList(CArchive& ar, const CToolList& tools) {
  std::vector<const CObject*> records;
  for (const auto& record : tools) records.push_back(record.get());
  WriteObList(ar, records);
}

CToolList ReadToolList(CArchive& ar) {
  CToolList tools = ReadObList<CRecord>(ar);
  // A null entry would have to be skipped by every user of the list.
  for (const auto& record : tools)
    if (!record) Reject("empty entry in the tool list");
  return tools;
}

unsigned DocumentToolCommandId(int position) {
  const long long id = ID_TOOL_USE_FIRST + static_cast<long long>(g_globalTools.size()) + position;
  return id <= ID_TOOL_USE_LAST ? static_cast<unsigned>(id) : 0;
}
