// The three orthographic views of a three-view page: each of the upper-left,
// upper-right and lower-left quadrants shows the page turned by fixed
// rotations, chosen by the page's three-view orientation, in place of the
// view's own rotation.  The lower-right quadrant holds the normal view when
// the page asks for it.
#pragma once

enum ThreeViewQuadrant { kQuadrantFront = 0, kQuadrantSide = 1, kQuadrantTop = 2, kQuadrantAxonometric = 3 };

struct AxisTurn {
  float degrees;
  float x, y, z;
};
struct QuadrantTurns {
  int count = 0;
  AxisTurn turns[2] = {};
};

// The turns of a quadrant (front, side or top) for orientation 0, 1 or 2,
// in the order they are applied; none for anything else.
QuadrantTurns ThreeViewTurns(int quadrant, int orientation);
// Applies them to the current GL matrix.
void ApplyThreeViewTurns(int quadrant, int orientation);

// The quadrant's viewport (x, y, width, height; GL's origin at the bottom
// left) in a window of width x height pixels: integer halves.
void QuadrantViewport(int quadrant, int width, int height, int viewport[4]);

// Captions are drawn only when a quadrant of a window of width x height
// client pixels is at least 321 x 241.
bool QuadrantCaptionsShown(int width, int height);
