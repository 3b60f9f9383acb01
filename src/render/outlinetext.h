// 3D text of the ready-made bodies: each character an extruded outline in
// its own display list, one em of the font high, depth 0.2 along -z, each
// list ending with a move by the character's advance so that the lists of
// a text called in order set the characters side by side.
#pragma once
#include <GL/gl.h>

#include <QString>

enum OutlineFormat { kOutlineLines = 0, kOutlinePolygons = 1 };

// At most 16 characters (longer text is cut): the 16 lists at `listBase`
// are deleted, 16 new ones made there and the characters compiled in the
// bold face `face`, as outline loops or as filled, lit solids.  Returns
// the list names of the characters, or an empty string for an empty text
// (nothing is deleted or made then) or when no lists are left (`listBase`
// is then 0).
QString BuildOutlineText(const QString& text, GLuint& listBase, const QString& face, int format);
