// The regular polygon inscribed in a circle: its first vertex free on the
// circle, every other one turned from it by a whole share of a turn, so
// dragging the first turns the whole polygon on the circle.
#pragma once
#include "platform/types.h"

class CKavrelDoc;

// The vertex counts a polygon may have.
inline constexpr int kMinPolygonVertices = 3;
inline constexpr int kMaxPolygonVertices = 100;

// The n-gon on `circle`, or with circle 0 on a new horizontal circle of
// radius 10 about the origin made first; its vertices and edges, no face,
// as one undo step.  A count outside the range makes nothing.  False:
// nothing was made.
bool BuildInscribedPolygon(CKavrelDoc& doc, WORD circle, int n);
