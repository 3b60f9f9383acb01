// The side of a point relative to the plane through three others, decided
// exactly on the double coordinates: a floating-point evaluation whose error
// bound settles almost every case, and exact expansion arithmetic for the
// rest.  Exact signs never contradict each other, so decisions built on them
// (which faces a point sees) agree across every face sharing an edge.
#pragma once

namespace kvmath {

// Positive when d lies on the side of plane abc that the normal
// (b - a) x (c - a) points to, negative on the other side, zero when the
// four points are coplanar.  The magnitude is only the sign's carrier.
int Orient3dSign(const double a[3], const double b[3], const double c[3], const double d[3]);

}  // namespace kvmath
