// The OpenGL objects that the view makes for its context and the cells draw
// with: the block of 31 shape display lists, the character lists of the two
// fonts, the fifteen picture textures and the shared GLU quadric, plus the
// view settings the drawing passes read.  A value of 0 (or null) means "not
// made in the current context": the cells then draw without that object.
#pragma once
#include <GL/gl.h>
#include <GL/glu.h>

// Offsets into the shape block (g_nShapeListBase + offset).  The offsets
// missing here are reserved and stay empty.
enum ShapeList : GLuint {
  kListUnitCircle = 0,    // line loop, 63 points, z = 0
  kListArrowHead = 1,     // cone of lines pointing at +z, apex at the origin
  kListColourSolid = 2,   // the HSL colour solid
  kListAxesGizmo = 3,     // three labelled arrows: the highlight of a selected body
  kListGrid = 4,          // 25 x 25 lines in z = 0, in the current colour
  kListDisk = 10,         // textured filled shapes of the unit frame
  kListSphere = 11,
  kListCylinder = 12,
  kListCone = 13,
  kListWireCylinder = 14,
  kListWireSphere = 16,
  kListWireDisk = 17,
  kListWireCylinderSide = 18,
  kListWireCone = 19,
  kShapeListCount = 31,
};

// Number of ASCII lists per font (characters 32 to 127).
inline constexpr int kAsciiListCount = 96;

extern GLuint g_nShapeListBase;       // first list of the shape block
extern GLuint g_nTextListBase;        // text-font lists of characters 32..127
extern GLuint g_nLabelListBase;       // label-font lists of characters 32..127
extern GLuint g_nPictureTextures[15]; // picture numbers 1..15 at indices 0..14
extern GLUquadric* g_pQuadric;        // shared by the shape lists and body meshes

// Which axes the page passes draw: bit 1 space axes, bit 2 plane axes with
// ticks (wins over bit 1), bit 4 grid.
extern int g_nAxesMode;

// Label pick box half-diagonals, set by the view before each pick pass.
extern float g_vLabelPickU[3];
extern float g_vLabelPickV[3];

// Calls one list of the shape block; nothing when the block is not made.
void CallShapeList(GLuint offset);
