// Text in the 3D view as the cells use it.  A text is drawn through display
// lists, one per character, named by 16-bit list numbers in a string, or as
// camera-facing glyph textures.
#pragma once
#include <QString>

class CGCell;

// The list names of the text's characters in the label font, in text
// order; nothing is drawn.  Until the glyph cache exists only the ASCII
// characters have lists (the label font's block of 96); others are left out.
QString DrawGlText(const QString& text);

// Draws the text as glyph textures, first character at the world point.
// Until the glyph textures exist it draws nothing.
void DrawTextureLabel(const QString& text, float x, float y, float z);

// Calls the lists named by the characters of `lists` at the current raster
// position.
void CallTextLists(const QString& lists);

// A cell's label at its anchor, in its label colour (set even while cells
// do not choose their own colours): glyph textures in label mode 0, else the
// cached character lists, rebuilt from the name first when stale.  Nothing
// when the label is hidden.
void DrawCellLabelAtAnchor(CGCell& cell);

// The quad a cell's label is picked by, under the names (3, id): the
// anchor plus and minus the view's label pick vectors g_vLabelPickU and V.
void PickCellLabel(const CGCell& cell);
