// The geometry the round solids draw with, as plain functions of their
// values and of the view direction V (from the scene toward the viewer,
// expressed in the solid's unit frame: base circle of radius 1 in z = 0,
// top or apex at z = 1).  Single precision, as the drawing uses it.
#pragma once

// A turn to hand to glRotatef; an angle of 0 means no turn at all.
struct SolidTurn {
  float angle = 0;  // degrees
  float axis[3] = {0, 0, 1};
};

// The turn of +z onto d, given the cosine c of the angle between them:
// none for a zero d or a c that gives no finite angle, half a turn about x
// for a d straight down, else acos(c) about (-dy, dx, 0).
SolidTurn TurnOntoAxis(const float d[3], float c);
// The cosine for a sphere: dz / radius, clamped to [-1, 1] (a pole whose
// length is not the radius would otherwise leave acos's domain).
float SphereAxisCosine(const float pole[3], float radius);
// The cosine for the other solids: dz / |d|, clamped to [-1, 1].
float AxisCosine(const float d[3]);
// The turn that makes the plane z = 0 face the viewer, so that the unit
// circle drawn there is a sphere's outline; none when V is already along z
// or is no direction.
SolidTurn FacingTurn(const float v[3]);

// The tangent points on the base circle of the two generators where the
// side turns away from the viewer; each generator runs from (k Tx, k Ty, 1)
// to (Tx, Ty, 0), k being the top's radius (1 cylinder, 0 cone).
struct Silhouette {
  int count = 0;  // 0 (the apex lies over the base disc) or 2
  float t[2][2] = {{0, 0}, {0, 0}};
};
// The cylinder's: +-(Vy, -Vx) normalised, both at the centre when V runs
// along the axis.
Silhouette CylinderSilhouette(const float v[3]);
// The cone's (k = 0) or frustum's: the tangents from where the line through
// the (virtual) apex (0, 0, 1 / (1 - k)) along V meets the base plane.
// None when that point lies on or inside the base circle.  Seen across the
// axis (Vz = 0), or so nearly across that the point is out of range, the
// limit of the same tangents: the cylinder's generators.  k must not be 1.
Silhouette TaperedSilhouette(const float v[3], float k);

// The top ratio a frustum's outline is computed with: 1 (a cylinder, whose
// virtual apex is at infinity) drawn as 0.999 and 0 as 0.0001, so that the
// tangent formulas stay finite; other values as they are.  The stored value
// is left alone.
float DrawnTopRatio(float k);
