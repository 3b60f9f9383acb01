// Formula texts placed in the scene from the formula dialog.
#pragma once
#include "platform/types.h"

class CKavrelDoc;

// Asks for a formula (the formula dialog, in the preferences' background
// and measurement colours, opening with its top-left corner at the screen
// point x, y) and adds it to the current page as one undo step: a free
// text, kept as a texture when `asTexture`, or, with a point selected, a
// text that follows the first selected point.  Cancel and an empty formula
// add nothing.
void InsertVodText(CKavrelDoc& doc, BOOL asTexture, int x, int y);
