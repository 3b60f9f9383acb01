// The label dialog of one cell that is not a caption: name, label colour,
// whether the label shows, whether the name follows the automatic naming,
// and label scaling.  The view opens it on a clicked label and the label
// command on the selection; they differ in how far the scaling reaches.
#pragma once

#include "editing/dialogs/labels/labeldialogs.h"

class CGCell;
class CGPage;

// The dialog as the cell fills it.
CDlgPropertyLabel LabelPropertiesOf(const CGCell& cell);
// What OK does with the answer, scaling aside: a new name is fixed and
// relabels the descendants; automatic naming toggled alone relabels the
// cell and them; then the label's visibility and colour, and, with the box
// ticked, the colour of every selected cell.  The edit's end computes them.
void ApplyLabelProperties(CGPage& page, CGCell& cell, const CDlgPropertyLabel& answer);
// The view's dialog on a clicked label: OK also sets this cell's scaling
// and refreshes the object list's texts.  True when OK was chosen.
bool EditLabelProperties(CGPage& page, CGCell& cell);
// The label command's dialog: OK with the scaling changed sets it for the
// selected points, lines, faces and paths.
void EditSelectionLabelProperties(CGPage& page, CGCell& cell);
