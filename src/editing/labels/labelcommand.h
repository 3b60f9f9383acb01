// The label command (标签): the label of the head of the first selection
// list that holds anything.  A caption gets its caption dialog, a formula
// text the question whether it scales with the view, any other cell the
// label dialog.  Whatever the answer, the object list's texts, the modified
// flag and the views follow; with nothing selected nothing happens.
#pragma once

class CKavrelDoc;

void OnEditLabelmod(CKavrelDoc& doc);
