// Shared pieces of the restructuring edits (reverse, split, reorganize,
// align, format painter, bring into view): the selection rules the
// commands' enabling and forced runs both read.
#pragma once
#include <vector>

#include "platform/types.h"

class CGPage;

// A line, face or arc selected, or a surface among the selected solids.
bool FitsReverse(const CGPage& page);
// A point, arc or round solid selected.
bool FitsSplit(const CGPage& page);
// More than one button, more than one measurement, or a text selected.
bool FitsFlush(const CGPage& page);
// Exactly one of the four kinds (points, lines, faces, arcs) with at least
// two cells and nothing else; arcs only when every selected path is a plain
// or derived circle.
bool FitsStyles(const CGPage& page);

