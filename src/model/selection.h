// Selection operations on the current page (g_pCurPage).  The page keeps its
// selection twice, as each cell's selected byte and as ten id lists: all
// selected cells in selection order (m_selAll) and one list per kind, so that
// commands test a selection pattern by counting.  The operations keep both
// in step.
#pragma once
#include "model/autocolor.h"
#include "platform/types.h"

class CGCell;

// The kind lists, in the page's declaration order; kSelAll is m_selAll.
enum SelectionList {
  kSelPoints, kSelLines, kSelFaces, kSelSolids, kSelPaths, kSelTexts, kSelValues, kSelButtons,
  kSelOthers, kSelAll
};
// The kind list a cell belongs in, by class (first match wins): points,
// lines, faces, paths, buttons, values, texts, solids, else others.
SelectionList SelectionKindOf(const CGCell& cell);

// Deselects one cell: its byte, its m_selAll entry, its kind list entry.
// False when the id is not in the map or not in its kind list.
bool DeselectCell(WORD id);
// Selects every cell not selected yet: all (0), or the visible defined
// points (1), lines (2), faces (3) or circles (4).  Sends no message.
void SelectAllOfKind(int kind);
// Replaces the selection by the parents (children) of the selected cells,
// hidden ones included.
void SelectParents();
void SelectChildren();

// Recolours the selected cells with a colour word (red in the low byte);
// kAutomaticColors takes each kind's colour from the colour scheme and faces
// from the automatic colour cycle.  False when nothing was recoloured.
inline constexpr COLORREF kAutomaticColors = 0xFFFFFFFF;
// A cell that a colour modifier colours takes the modifier's colour again
// when the edit settles, as opening the document computes it.
bool ApplyColorToSelection(COLORREF color);
// The second (label) colour of the selected cells.
void SetSelectionLabelColor(COLORREF color);
// Label mode of the selected points, lines, faces and paths: 0 when on
// (textured labels), 1 when off.
void SetSelectionLabelMode(BOOL on);
