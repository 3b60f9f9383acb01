// Immediate-mode generators for the ready-made bodies, each in its own unit
// frame around the origin with the body's axis along +z.  The caller has set
// the transform, colour, material, texture and clip planes.
#pragma once
#include <GL/gl.h>

void DrawQuadricSphereWire(double radius, int slices, int stacks);
void DrawQuadricSphereTextured(double radius, int slices, int stacks);
void DrawQuadricConeWire(double base, double height, int stacks);
void DrawQuadricConeTextured(double base, double height, int slices, int stacks);
void DrawQuadricDiskWire(double inner, double outer, int loops);
void DrawQuadricDiskTextured(double inner, double outer, int loops);
void DrawQuadricCylinderWire(double base, double top, double height, int slices, int stacks);
void DrawQuadricCylinderTextured(double base, double top, double height, int slices, int stacks);

void DrawBox(GLenum primitive, float edge);
void DrawTexturedCube(float edge);
// One face of a polyhedron of circumradius 1: the corners normalised, the
// normal (A - C) x (C - B), the corners emitted A, C, B.
void DrawSubdividedTriangle(const float a[3], const float b[3], const float c[3], GLenum primitive);
void DrawTetrahedron(GLenum primitive);
void DrawOctahedron(GLenum primitive);
void DrawIcosahedron(GLenum primitive);
void InitDodecahedron();
void DrawPentagon(int a, int b, int c, int d, int e, GLenum primitive);
void DrawDodecahedron(GLenum primitive);
void DrawTorus(float tube, float ring);
void DrawSquare(GLenum primitive, float half);
void DrawBond(const float p[3], const float q[3], int wire);
void DrawC60(int wire);
// Our teapot (ten patches, the first six mirrored into four quarters, the
// rest into two halves) on a `grid` x `grid` mesh, GL_FILL or GL_LINE;
// drawn with clockwise front faces, counter-clockwise ones left behind.
void DrawTeapot(int grid, GLenum meshMode, double scale);
// Number of patch nets DrawTeapot evaluates (for tests): 6 x 4 + 4 x 2.
inline constexpr int kTeapotNets = 32;
// The net `n` (0 .. kTeapotNets - 1) as DrawTeapot evaluates it, in the
// teapot's own frame (before its scale and shift).
void TeapotNet(int n, float net[4][4][3]);
