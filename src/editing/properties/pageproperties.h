// The page dialog of the property command: the page's name, background,
// dashed hidden lines, projection-line direction and unit length.
#pragma once
#include "editing/dialogs/properties/pagepropertydialog.h"

class CGPage;
class CKavrelDoc;

// The dialog as it opens on the page: its name and flag, the process
// background and the unit length of the view's current zoom.
CDlgPageProperty PagePropertiesOf(const CGPage& page);

// Writes the answer into the page and the process background; a new unit
// length becomes the view's zoom and rebuilds its projection.  Then the
// object list hears of the page (0x811, wParam 2, its position from 1).
void ApplyPageProperties(CKavrelDoc& doc, CGPage& page, const CDlgPageProperty& answer);

// Opens the dialog on the page and applies it on OK.
void EditPageProperties(CKavrelDoc& doc, CGPage& page);
