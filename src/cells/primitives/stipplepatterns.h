// The stipple patterns of dashed lines and screen-door faces.
#pragma once
#include <GL/gl.h>

#include <array>

// --- Lines -----------------------------------------------------------------

// The view's standard dash pattern (factor 1): hidden edges use it, and a
// dashed line of another pattern puts it back after drawing.
inline constexpr GLushort kStandardLineStipple = 0x03FF;
inline constexpr int kLineDashPatternCount = 6;

// The dash pattern of a style-3 line by its pattern number.  Numbers
// outside the table (a damaged or hostile file) mean the standard pattern.
GLushort LineDashPattern(int number);

// --- Faces -----------------------------------------------------------------

// 32 x 32 bits, rows from the bottom, four bytes a row, as glPolygonStipple
// takes them.
using PolygonStipple = std::array<GLubyte, 128>;
inline constexpr int kPolygonStippleCount = 16;

// The screen-door pattern of a style-2 face by its pattern number; pattern
// 0 is also the view's default.  Numbers outside the table mean pattern 0.
const PolygonStipple& PolygonStipplePattern(int number);
