// Horizontal and centre-radius circles, spheres and the axis frame; the
// rows register themselves.
#pragma once

class CKavrelDoc;

// The horizontal circle about the first selected point (or a new one at the
// origin) through the second (or a new one a unit along x); more than two
// selected points: nothing.
void CreateHorizontalCircle(CKavrelDoc& doc);
// Three selected points: the circle with a normal point; else the
// horizontal circle.
void OnCreateCirclePnz2(CKavrelDoc& doc);
// The sphere on the first two selected points (or on new ones at the
// origin) with its equator, a meridian, a parallel circle and the triangle
// joining its centre to them; one selected point: nothing.
void OnCreateSphere(CKavrelDoc& doc);
