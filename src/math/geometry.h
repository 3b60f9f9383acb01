// Stateless 3D geometry used by every constructed object, measurement and
// button.  Points are three floats (a cell's position or a vertex-array slot,
// used in place).  Unless noted, each coordinate difference is formed in
// float, widened, and everything after that is done in double; results are
// rounded to float when stored.  No function allocates or keeps state; a
// construction without a solution shows as a false result or a zero angle or
// distance, and a false result never leaves NaN or infinity behind as an
// answer.  Outputs may alias inputs.
#pragma once

// --- Intersections ---------------------------------------------------------

// Lines AB and CD.  Rejects lines whose unnormalised mixed product exceeds 2.0
// (not coplanar) and parallel lines, writing nothing.  Otherwise X = A + t(B-A)
// and t are written; s is the parameter of X on CD, and the result is false
// when CD is too short in every coordinate to measure it.
bool IntersectLineLine(const float A[3], const float B[3], const float C[3], const float D[3],
                       float X[3], float& t, float& s);

// Foot F on line AB of the common perpendicular of AB and CD; false (F
// untouched) for parallel lines.
bool CommonPerpendicular(const float A[3], const float B[3], const float C[3], const float D[3],
                         float F[3]);

// Line AB with the plane P0 P1 P2, not limited to the face.  False (outputs
// untouched) when the line is parallel to the plane.
bool IntersectLineFace(const float A[3], const float B[3], const float P0[3], const float P1[3],
                       const float P2[3], float X[3], float& t);

// Line AB with the sphere of centre C and the given radius.  selector 0 takes
// the root on the side of A, any other the far one.  A line that misses by at
// most 1e-3 touches at the foot of the centre.  False when it misses, and when
// A and B coincide (no direction).
bool IntersectLineSphere(const float A[3], const float B[3], const float C[3], int selector,
                         float X[3], float& t, double radius);

// --- Distances -------------------------------------------------------------

float DistanceLineLine(const float A[3], const float B[3], const float C[3], const float D[3]);

// Distance of P from plane ABC; the distance |P - B| when A, B, C are collinear.
float DistancePointPlane(const float P[3], const float A[3], const float B[3], const float C[3]);

// The point X of segment AB nearest to line PQ, its parameter t in [0, 1] and
// the distance between X and the line (see the cases in the source).
double NearestOnSegmentToLine(const float A[3], const float B[3], const float P[3], const float Q[3],
                              float X[3], double& t);

// Distance of P from segment AB; t is the parameter of the nearest point.
double DistancePointSegment(const float A[3], const float B[3], const float P[3], double& t);

// Distance of P from the line through A and B, the differences too formed in
// double: |P - A| when A and B lie within sqrt(1e-5) of each other.  Never
// NaN: rounding can leave the squared distance of a point on the line a hair
// below 0, which counts as 0.
float DistancePointLine(const float P[3], const float A[3], const float B[3]);

// |B - A| wholly in single precision (see VectorLength).
float DistancePointPoint(const float A[3], const float B[3]);

// |v| as sqrt(x² + y² + z²) in single precision gives it.  Where those
// squares overflow although the length is a float (components from about
// 1.8e19 on), it is taken in double and rounded: infinite only for a length
// beyond the float range or an infinite component, NaN for a NaN one.
float VectorLength(const float v[3]);

// A direction whose largest component passes 2^30 scaled down by a power
// of two (exactly, so it points the same way) until that component lies
// below 2^30: products of two components, and their squares, then stay
// within the float range.  Shorter directions are left alone.
void ShortenLongDirection(float v[3]);

// --- Angles (radians) ------------------------------------------------------

float AngleLineLine(const float A[3], const float B[3], const float C[3], const float D[3]);  // [0, pi/2]
float AngleLinePlane(const float A[3], const float B[3], const float P0[3], const float P1[3],
                     const float P2[3]);                                                    // [0, pi/2]
// The supplement of the angle between the normals (B-A)x(C-A) and (E-D)x(F-D).
float AngleFaceFace(const float A[3], const float B[3], const float C[3], const float D[3],
                    const float E[3], const float F[3]);                                    // [0, pi]
// From u to v counter-clockwise seen from the tip of w; single precision except
// the division and the inverse cosine.
float AngleBetweenVectors(const float u[3], const float v[3], const float w[3]);            // [0, 2pi)
float AngleThreePoints(const float A[3], const float O[3], const float B[3]);               // [0, pi]
// Angle AOB with its turning sense: z of (A-O)x(B-O) decides, then x, then y.
float OrientedAngle(const float A[3], const float O[3], const float B[3]);                  // [0, 2pi]

// --- Points ----------------------------------------------------------------

// M = (A + B) x 0.5 in single precision; where the sum leaves the float
// range, each point is halved first (the same value, since halving is exact).
void Midpoint(const float A[3], const float B[3], float M[3]);

// Foot of P on line AB (A itself when A and B coincide).
void FootOnLine(const float P[3], const float A[3], const float B[3], float F[3]);

// Foot of P on plane ABC; for collinear points the foot on their line.  False
// (F untouched) only when the input is so large the foot cannot be represented.
bool FootOnPlane(const float P[3], const float A[3], const float B[3], const float C[3], float F[3]);

// R = P turned by angle (right-handed) about the line through O with unit
// direction u (not normalised here).  Sine and cosine in single precision.
void RotateAboutAxis(const float u[3], const float O[3], const float P[3], float R[3], float angle);

// P - O = s (U - O) + t (V - O); false (s, t untouched) when O, U, V are collinear.
bool PlaneCoordinates(const float U[3], const float V[3], const float O[3], const float P[3],
                      float& s, float& t);

// Centre of the circle through A, B, C in single precision; (0, 0, 0) and
// false for collinear points.
bool Circumcentre(const float A[3], const float B[3], const float C[3], float& x, float& y, float& z);
