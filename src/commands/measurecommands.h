// The measurement commands: a live measured value made from the selected
// points, lines, faces, circles or round solids, attached to them in
// selection order.  Measured values take no vertex slot; each names, places
// and colours itself.  Every handler checks its own selection pattern
// before it builds (the dispatcher and other callers reach it without the
// update rule) and returns silently when the selection does not fit.
#pragma once

class CKavrelDoc;

// The x, y or z of the one selected point (nothing else selected).
void OnMeasureCoordX(CKavrelDoc& doc);
void OnMeasureCoordY(CKavrelDoc& doc);
void OnMeasureCoordZ(CKavrelDoc& doc);
// With selected lines: one length per line, between its two end points.
// Otherwise the selected points as a chain P1P2, P2P3, ..., closed by PnP1
// from three points on.  One undo step for all.
void OnMeasureDPp(CKavrelDoc& doc);
// Point to line, point to plane, line to line and the angle of two lines,
// of two faces (dihedral) and of a line and a face: exactly the two cells
// named.
void OnMeasureDPl(CKavrelDoc& doc);
void OnMeasureDPf(CKavrelDoc& doc);
void OnMeasureDLl(CKavrelDoc& doc);
void OnMeasureLla(CKavrelDoc& doc);
void OnMeasureFfa(CKavrelDoc& doc);
void OnMeasureLfa(CKavrelDoc& doc);
// The angle at the second of exactly three selected points.
void OnMeasureAngle(CKavrelDoc& doc);
// The area of the one selected face.
void OnMeasureArea(CKavrelDoc& doc);
// The volume of the tetrahedron on the first four selected points.
void OnMeasureVolume(CKavrelDoc& doc);
// The length, area or radius of the one selected circle or arc.
void OnMeasureLenC(CKavrelDoc& doc);
void OnMeasureAreaC(CKavrelDoc& doc);
void OnMeasureRadius(CKavrelDoc& doc);
// The whole surface or the volume of the one selected cylinder, cone,
// frustum or sphere.
void OnMeasureAreaS(CKavrelDoc& doc);
void OnMeasureVolumeS(CKavrelDoc& doc);
