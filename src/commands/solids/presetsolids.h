// Ready-made live solids that need no selection: each places its key points
// at fixed starting coordinates and constrains the others to them, so that
// dragging a key point reshapes the solid while it keeps its kind (a cube
// stays a cube).  Each is one undo step; a vertex array that cannot grow
// ends it before the first cell.
#pragma once
#include "platform/types.h"

class CKavrelDoc;

// A 12 x 8 x 8 cuboid centred on the origin, base A B C D, top A1 B1 C1 D1.
void OnCreateCuboid(CKavrelDoc& doc);
// A cube of edge 10 centred on the origin.
void OnCreateBox(CKavrelDoc& doc);
// A parallelepiped whose corners B, D and the top corner over A move freely.
void OnCreateSolidParall(CKavrelDoc& doc);
// A regular square pyramid: base of edge 10 at z = -5, apex 4 sqrt 6 above.
void OnCreateSolidTetrahedron(CKavrelDoc& doc);
// A regular pentagonal prism turning about its base edge AB.
void OnCreateSolidFiveprism(CKavrelDoc& doc);
// A regular hexagonal frustum cut halfway from its pyramid's apex.
void OnCreateSolidSixtrun(CKavrelDoc& doc);
// A regular tetrahedron of edge 16 centred on the origin.
void CreateRegularTetrahedron(CKavrelDoc& doc);
