// The surface format of the 3D view: OpenGL 2.1 with the compatibility
// profile (fixed function, display lists, GL_SELECT), depth 24, stencil 8.
#pragma once
#include <QSurfaceFormat>

QSurfaceFormat ViewSurfaceFormat();
