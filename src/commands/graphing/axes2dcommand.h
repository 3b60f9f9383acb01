// Plane coordinate axes: an origin "o" (the one selected point, or a new
// point), four end points "x'", "x", "y'", "y" that slide along the axes,
// the two axis arrows and the axis scale, as one undo step; then the view
// turns to the plane.
#pragma once

class CKavrelDoc;

void OnCreateBase2d(CKavrelDoc& doc);

// The length unit of the new axes: the whole part of 20 pixels in world
// units, or 20 pixels itself when that whole part is 0 (zoomed in beyond
// 20 pixels per unit), so the axes never collapse onto the origin.
float Axes2dUnit(float unitsPerPixel);
