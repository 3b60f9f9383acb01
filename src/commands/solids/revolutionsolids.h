// Cylinders, cones and frustums of revolution on their key points, with the
// circles of their bases: on the selected points of a right triangle (a
// right trapezoid for the frustum), on two selected centres, or on default
// points standing on z = -4 when nothing is selected.
#pragma once

class CCmdUI;
class CKavrelDoc;

// S1 the top centre, S2 the bottom centre, S3 on the bottom circle.
void OnCreateCylinder(CKavrelDoc& doc);
// S1 the apex, S2 the base centre, S3 on the base circle.
void OnCreateCone(CKavrelDoc& doc);
// S1 the top centre, S2 the bottom centre, S3 and S4 on the bottom and top
// circles.
void OnCreatePlatform(CKavrelDoc& doc);
// Enabled for 0, 2 or 3 selected points (the frustum: 0, 2 or 4); the
// cylinder's rule serves the cone.
void OnUpdateCreateCylinder(CKavrelDoc& doc, CCmdUI& ui);
void OnUpdateCreatePlatform(CKavrelDoc& doc, CCmdUI& ui);
