// What an iteration shows besides its copies: the hue of each level and
// the texts of its value table.
#pragma once
#include <QString>
#include <vector>

#include "render/viewglobals.h"

class CGIterate;

// The colour of copy level `level` of `depth` in the hue style: the hue
// 1 - level / (depth + 1) at full saturation and half lightness.
RGBA IterationLevelColour(int level, int depth, BYTE alpha);

// The table as texts: rows of entries and the width of each column in
// characters, the gap after it included.
struct IterationTableTexts {
  std::vector<std::vector<QString>> rows;
  std::vector<int> widths;
};

// Orientation 0: a head row ("n" and the table cells' names), then one row
// per recorded row (the level as "%2d" and each value in its cell's number
// format, angles in degrees); the level column 3 characters wide, every
// other column as wide as its widest entry (at least 2) and a gap.  Other
// orientations: the same entries transposed, every column as wide as its
// widest entry and a gap.  A table cell no longer on the page is left out.
IterationTableTexts ComposeIterationTable(const CGIterate& iteration);
