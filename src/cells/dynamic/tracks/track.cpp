#include "cells/dynamic/tracks/track.h"

#include <algorithm>
#include <string>

#include "cells/dynamic/tracks/tracktexts.h"
#include "model/cellmap.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "render/viewglobals.h"

IMPLEMENT_SERIAL(CGTrack, CGCell)

namespace {
[[noreturn]] void RejectRecord(const std::string& what) {
  throw CArchiveException(ArchiveError::BadData, "track: " + what);
}
}  // namespace

CGTrack::CGTrack() { m_strName = QString::fromUtf8(kTextTrackName); }

CGTrack::CGTrack(WORD id, const std::vector<WORD>& parents, const std::vector<WORD>& flags, int rangeFromValues,
                 float min, float max, float step, BYTE depth, BYTE colouring)
    : CGTrack() {
  m_nId = id;
  RangeFromValues = rangeFromValues;
  SetChainStart();
  if (min > max) std::swap(min, max);
  RangeMin = SweepFrom = min;
  RangeMax = SweepTo = max;
  TrackStep = step;
  m_nSubKind = depth;
  m_nStyle = colouring;
  m_parents = parents;
  for (WORD parent : m_parents)
    if (CGCell* cell = g_pCurCells ? g_pCurCells->Lookup(parent) : nullptr) cell->m_children.push_back(m_nId);
  for (size_t i = 0; i < parents.size() && i < flags.size(); ++i)
    if (flags[i] == 1) DrawnParents.push_back(static_cast<WORD>(i));
  m_rgbaColor = g_prefs.rgbaCurve;
  Recalculate();
}

void CGTrack::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring()) {
    ar << RangeMin << RangeMax << TrackStep << RangeFromValues << static_cast<std::int32_t>(DrawnParents.size());
    for (WORD position : DrawnParents) ar << position;
    return;
  }
  ar >> RangeMin >> RangeMax >> TrackStep >> RangeFromValues;
  const std::int32_t count = ar.ReadInt();
  if (count < 0 || static_cast<long long>(count) * 2 > ar.Remaining()) RejectRecord("position count beyond the record");
  DrawnParents.resize(static_cast<size_t>(count));
  for (WORD& position : DrawnParents) {
    ar >> position;
    if (position >= m_parents.size()) RejectRecord("drawn position outside the parents");
  }
  if (RangeFromValues != 0 && m_parents.size() < 3) RejectRecord("range values without their parents");
  SweepFrom = RangeMin;
  SweepTo = RangeMax;
  SetChainStart();
}

void CGTrack::Recalculate() {
  m_bDefined = true;
  if (RangeFromValues == 0) return;
  const CGCell* low = m_parents.size() > 1 && g_pCurCells ? g_pCurCells->Lookup(m_parents[1]) : nullptr;
  const CGCell* high = m_parents.size() > 2 && g_pCurCells ? g_pCurCells->Lookup(m_parents[2]) : nullptr;
  if (!low || !high) {
    m_bDefined = false;
    return;
  }
  SweepFrom = low->m_fValue;
  SweepTo = high->m_fValue;
  if (SweepFrom < RangeMin || SweepTo > RangeMax) m_bDefined = false;
}

QString CGTrack::GetDescription() {
  return QString::fromUtf8(RangeFromValues != 0 ? kTextTrackWithRangeValues : kTextTrackDescription);
}

void RegisterTrackClasses() { ClassRegistry::Register(RUNTIME_CLASS(CGTrack)); }
