// The random walks of animation buttons: one step of a point in a plane or
// in a convex face.  Directions are 0 to 3; 0 and 3, 1 and 2 are opposites.
#pragma once

class CGVerFreeInFace;
class CGVerFreeInPlane;

// Moves the point's plane coordinates (u, v) by `speed`: 0 u down, 1 v
// down, 2 v up, 3 u up.  A step that would leave [-3, 3] is not taken.
void WalkInPlane(CGVerFreeInPlane& point, int direction, float speed);

// Moves the point's weights in its fan triangle by `speed` (0 and 3 the
// weight of the triangle's first outer corner, 1 and 2 that of the second),
// crossing into the next or previous fan triangle of a face of `corners`
// corners, or reflected at the face's edge.  A step blocked at the outer
// edge is taken back and `previous` becomes the direction opposite it.
// False when the point's triangle is not one of the face's.
bool WalkInFace(CGVerFreeInFace& point, int corners, int direction, float speed, int& previous);
