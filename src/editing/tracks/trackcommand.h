// The track command: every position of the figures that follow a driving
// path point or parameter, drawn at once over a range set in the track
// dialog.
#pragma once
#include <vector>

#include "platform/types.h"

class CKavrelDoc;
class CCmdUI;

void OnCreateTrack(CKavrelDoc& doc);
// One path point, alone or with two range values; or a parameter, alone or
// with two range values.
void OnUpdateCreateTrack(CKavrelDoc& doc, CCmdUI& ui);

// The cells a track of `driver` recomputes, ascending: the descendants of
// the driver that can be drawn, with all their ancestors, leaving out the
// driver and `left` (the range parameters).  Empty when no descendant can
// be drawn.
std::vector<WORD> TrackedCells(WORD driver, const std::vector<WORD>& left);
