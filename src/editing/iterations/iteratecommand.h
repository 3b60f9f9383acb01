// The iterate command: the selected points and free values are the
// pre-images, the map dialog assigns each one image per map among their
// dependants, and on OK one iteration cell is added as a single undo step.
#pragma once

class CCmdUI;
class CGPage;
class CKavrelDoc;

// The checks before the dialog, in order (a free value, no pre-image that
// depends on another, an image for every kind of pre-image); false after an
// error box.  No cell is left marked either way.
bool CheckIterationSources(CGPage& page);

void OnTransIterate(CKavrelDoc& doc);
void OnUpdateTransIterate(CKavrelDoc& doc, CCmdUI& ui);
