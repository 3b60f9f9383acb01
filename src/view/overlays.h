// What the frame draws over the page for the current tool: the placed
// pointer with its coordinates and guides, the previews of the line,
// polygon and circle under construction (in world coordinates, inside the
// page transform), and the screen-space layer of boxes, ink, the page frame
// and the resolution boundary (at the view's depth, outside it).  All of it
// reads g_viewTool, the tool mode and the colour scheme.
#pragma once
#include <QString>

// The guides from P = (x, y, z) to the coordinate planes: dashed in the
// axes colour along the axes, solid in the arc colour from P.
void DrawCoordinateGuides(double x, double y, double z);

// Steps over the page: with depth testing effectively off, the pointer and
// read-outs of the select, point, line, polygon and circle tools and the
// construction previews.  `circleHint` is the list string of the circle
// tool's hint.
void DrawToolOverlays(const QString& circleHint);

// Whether the screen-space layer draws anything this frame, and drawing it
// (the model-view matrix is the identity).  `background` is the page's
// background colour, which the box outline inverts.
bool HasScreenOverlays();
void DrawScreenOverlays(const float background[3]);
