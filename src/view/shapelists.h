// The view's block of 31 shape display lists (offsets in
// model/glresources.h): unit circle, arrowhead, HSL colour solid, axes
// gizmo, grid and the GLU shapes of the unit frame.  Compiled once per
// context, never executed while compiled.
#pragma once
#include <GL/gl.h>

// Generates the block and compiles every shape but the axes gizmo (which
// calls the label font's lists, generated after the block); returns the
// first list, 0 when the driver has no lists left.  Makes the shared
// quadric when there is none.
GLuint BuildShapeLists();

// Compiles the axes gizmo into base + kListAxesGizmo.
void CompileAxesGizmo(GLuint base);
