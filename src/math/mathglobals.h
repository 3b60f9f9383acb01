// Process-wide state of the math layer, with the values the program starts
// with.  ResetProcessState() puts all of it back.
#pragma once
#include "math/quaternion.h"
#include "math/registers.h"  // the expression registers, the layer's other globals

// Orientation of the 3D view, read by the renderer every frame.  Each page
// keeps its own copy; the current page's is copied here and back on switches.
// Starts as qx(-75 degrees) * qz(-15 degrees).
extern Quaternion ViewQuaternion;

// Trackball inputs written by the view: the previous pointer position in
// client pixels (stored on button-down and after each drag step) and
// 1 / ((client size - 1) / 2) per axis, from the 800 x 600 start size until the
// view reports its own.
extern int g_nTrackballLastX;
extern int g_nTrackballLastY;
extern float g_fTrackballScaleX;
extern float g_fTrackballScaleY;

// Sets the trackball scale factors from a client size in pixels (a size below
// two pixels counts as two).
void SetTrackballViewSize(int width, int height);
