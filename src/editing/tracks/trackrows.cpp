// The property row of the track: its dialog preset from the cell (a tick
// for every drawn parent) and on OK the range, step, display, colouring and
// drawn parents written back.
#include <algorithm>

#include "cells/dynamic/tracks/track.h"
#include "editing/dialogs/tracks/trackdialogs.h"
#include "editing/properties/propertyrows.h"
#include "platform/notifier.h"

namespace {
CDlgTrack TrackDialogOf(const CGTrack& track) {
  CDlgTrack dialog;
  dialog.m_fStart = track.RangeMin;
  dialog.m_fEnd = track.RangeMax;
  dialog.m_fStep = track.TrackStep;
  dialog.m_nDisplay = track.m_nSubKind;
  dialog.m_nColour = track.m_nStyle;
  dialog.m_bTwoParameters = track.RangeFromValues != 0 ? 1 : 0;
  dialog.m_ids = track.m_parents;
  dialog.m_flags.assign(track.m_parents.size(), 0);
  for (WORD position : track.DrawnParents)
    if (position < dialog.m_flags.size()) dialog.m_flags[position] = 1;
  dialog.ListCells();
  return dialog;
}

bool EditTrack(CKavrelDoc&, CGCell& cell) {
  auto& track = static_cast<CGTrack&>(cell);
  CDlgTrack dialog = TrackDialogOf(track);
  if (DialogProvider().DoModal(dialog) != IDOK) return true;
  track.RangeMin = std::min(dialog.m_fStart, dialog.m_fEnd);
  track.RangeMax = std::max(dialog.m_fStart, dialog.m_fEnd);
  // The sweep is the range, as opening reads it, unless two values give it
  // when the track is computed.
  if (track.RangeFromValues == 0) {
    track.SweepFrom = track.RangeMin;
    track.SweepTo = track.RangeMax;
  }
  track.TrackStep = dialog.m_fStep;
  track.m_nSubKind = static_cast<BYTE>(std::clamp(dialog.m_nDisplay, 0, 255));
  track.m_nStyle = static_cast<BYTE>(std::clamp(dialog.m_nColour, 0, 255));
  track.DrawnParents.clear();
  for (size_t i = 0; i < dialog.m_flags.size() && i < track.m_parents.size(); ++i)
    if (dialog.m_flags[i] == 1) track.DrawnParents.push_back(static_cast<WORD>(i));
  return true;
}

const CPropertyRows rows({
    {PropertyList::Solids, 20, "CGTrack", EditTrack},
});
}  // namespace
