// Operations that turn the view quaternion (ViewQuaternion, mathglobals.h).
// Angles are in degrees.
#pragma once

// view = view * q: turns about the model's own axis (right factor).
void RotateViewX(double degrees);
void RotateViewY(double degrees);
void RotateViewZ(double degrees);

// view = qx(a) * qz(b), discarding the previous orientation.  (-75, -15) is the
// orientation of a new document.
void SetViewRotation(double a, double b);

// Virtual trackball from the stored previous pointer position to (x, y), in
// client pixels.  The caller stores (x, y) as the previous position afterwards.
void TrackballRotate(int x, int y);
