// Text in the 3D view as the cells use it: bitmap characters through
// display lists (model/glfontlists.h, framed mark-up in model/framedtext.h,
// 3D outlines in model/outlinetext.h) or camera-facing glyph textures
// (model/textureglyphs.h), and the label of a cell drawn and picked at its
// anchor.
#pragma once
#include <QString>

#include "render/glfontlists.h"
#include "render/textureglyphs.h"

class CGCell;

// A cell's label at its anchor, in its label colour (set even while cells
// do not choose their own colours): glyph textures in label mode 0, else the
// cached character lists, rebuilt from the name first when stale.  Nothing
// when the label is hidden.
void DrawCellLabelAtAnchor(CGCell& cell);

// The quad a cell's label is picked by, under the names (3, id): the
// anchor plus and minus the view's label pick vectors g_vLabelPickU and V.
void PickCellLabel(const CGCell& cell);
