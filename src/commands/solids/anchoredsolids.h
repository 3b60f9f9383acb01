// Solids placed at a point: an axis-parallel cuboid and a regular
// triangular pyramid whose corner A is the given point, or a new free point
// when the id names no point of the current page (0 included).
#pragma once
#include "platform/types.h"

class CKavrelDoc;

// The cuboid with edges 12, 9 and 8 along x, y and z from A: B, D and the
// top corner over A slide only along their axes.  25 cells, 26 when A is
// made here at the origin.
void CreateCuboidXyz(CKavrelDoc& doc, WORD point);
// The regular triangular pyramid of edge 12 with its base from A along x,
// starting at A's current position.  14 cells, 15 when A is made here.
void CreateRegularTriPyramid(CKavrelDoc& doc, WORD point);
// CreateCuboidXyz on the first selected point, or on a new one.
void OnCreateCuboidxyz(CKavrelDoc& doc);
