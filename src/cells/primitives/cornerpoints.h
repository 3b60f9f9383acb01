// Lines and faces own no coordinates: their corners are point cells found
// through the current page's map.  These helpers resolve them and refuse
// anything that is not a point, so a hostile file that names a line or a
// missing id as a corner leaves the cell undefined instead of misreading it.
#pragma once
#include <QString>
#include <cstddef>

#include "model/cgvertex.h"
#include "platform/types.h"

// The point cell under id in the current page, or null when there is none
// or the cell is not a point.
const CGVertex* CornerPoint(WORD id);

// The corner's vertex-array slot, 0 (the slot no point uses) when unknown.
int CornerSlot(WORD id);

// The corner's name, empty when unknown.
QString CornerName(WORD id);

// Step 2 and 3 of every constructor with parents: appends the parent id and
// registers the cell as the parent's child (when the parent is in the map).
// A parent named twice lists the child once, as a loaded page does, so a
// page saves the same bytes before and after it is reopened.
void AppendParent(CGCell& cell, WORD parentId);
// Registers `child` with `parent` unless it is the child listed last: a
// cell whose parents are registered one after another, some named twice,
// is listed once, as a loaded page lists it.
void RegisterChild(CGCell& parent, WORD child);

// Parent i of the cell when it is a defined point whose coordinates are
// finite, else null: what the constructions on points read, so that a
// parent that is no point, or one a file left without a position, makes
// them undefined instead of spreading into their values.
const CGVertex* DefinedParentPoint(const CGCell& cell, std::size_t i);
// Parent i's name, empty when it is no point.
QString ParentPointName(const CGCell& cell, std::size_t i);
