// Positioning diagrams: ready-made shapes placed at fixed coordinates and
// made of ordinary, independent cells of the current page (plain points,
// segments, faces, positioned circles and round solids), so each can be
// measured, coloured and labelled on its own.  Nothing ties them together.
//
// Every builder makes room for its points first (nothing made and 0 when
// the vertex array cannot grow), then creates its cells under consecutive
// ids in a fixed order, each entered in the page's map before the next;
// faces list their corners counter-clockwise seen from outside and each
// takes the next automatic colour as it is made.  The result is the number
// of cells made; no undo step is recorded (the caller wraps them in one).
// The centre comes first; all arithmetic is single precision.
#pragma once

// Box and the shapes on a horizontal ring of n points (the first ring
// edge parallel to x, on the side of negative y).
int AddStaticCuboid(float cx, float cy, float cz, float length, float width, float height);
// Ratio 1: a regular prism; otherwise a pyramid frustum whose top ring is
// the bottom ring scaled by the ratio.
int AddStaticPrism(float cx, float cy, float cz, int n, float radius, float height, float ratio);
int AddStaticPyramid(float cx, float cy, float cz, int n, float radius, float height);
int AddStaticPolygon(float cx, float cy, float cz, int n, float radius);

// Regular polyhedra with their vertices on the sphere of that radius; the
// dodecahedron and icosahedron hide their points and draw their segments
// and faces solid (style 1).
int AddStaticTetrahedron(float cx, float cy, float cz, float radius);
int AddStaticOctahedron(float cx, float cy, float cz, float radius);
int AddStaticDodecahedron(float cx, float cy, float cz, float radius);
int AddStaticIcosahedron(float cx, float cy, float cz, float radius);

// Round shapes along an axis: marker points, full circles (kind 0) and
// the positioned solid.  The circle and sphere read the axis as given; the
// others take it as a unit axis, (0, 0, 1) when it is shorter than 0.001.
int AddStaticCircle(float cx, float cy, float cz, float radius, float ax, float ay, float az);
int AddStaticCylinder(float cx, float cy, float cz, float radius, float height, float ax, float ay, float az);
int AddStaticCone(float cx, float cy, float cz, float radius, float height, float ax, float ay, float az);
int AddStaticConicalFrustum(float cx, float cy, float cz, float radius, float height, float ratio, float ax,
                            float ay, float az);
int AddStaticSphere(float cx, float cy, float cz, float radius, float ax, float ay, float az);

// The frame of a circle about axis d: two perpendicular vectors of length
// r, both perpendicular to d; (r, 0, 0), (0, r, 0) when d's horizontal
// components are both within 0.001.
struct CStaticFrame {
  float u[3];
  float v[3];
};
CStaticFrame StaticShapeFrame(float r, const float d[3]);
