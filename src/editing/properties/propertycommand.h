// The property command (属性): for one or two selected points, lines or
// faces the report of their relationship; for one selected cell the dialog
// of its class (propertyrows.h); otherwise the page's own dialog.  Every
// branch that showed a dialog or a box, confirmed or cancelled, ends with
// the document modified and the views updated; a report that meets an
// undefined cell ends silently, changing nothing.
#pragma once

#include "editing/properties/propertyrows.h"

class CGCell;
class CKavrelDoc;

// Always enabled.
void OnEditProperty(CKavrelDoc& doc);

// The command for one cell of the current page, found in that selection
// list, whatever else is selected: the dialog of its class, then the same
// ending.
void EditCellProperties(CKavrelDoc& doc, PropertyList list, CGCell& cell);
