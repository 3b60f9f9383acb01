// Formula and rich texts placed in the scene from their dialogs.
#pragma once
#include "platform/types.h"

class CDlgRtEdit;
class CGTextbit;
class CKavrelDoc;

// Asks for a formula (the formula dialog, in the preferences' background
// and measurement colours, opening with its top-left corner at the screen
// point x, y) and adds it to the current page as one undo step: a free
// text, kept as a texture when `asTexture`, or, with a point selected, a
// text that follows the first selected point.  Cancel and an empty formula
// add nothing.
void InsertVodText(CKavrelDoc& doc, BOOL asTexture, int x, int y);

// Asks for a rich text (the rich-text editor) and adds its picture to the
// current page as one undo step "插入文本": a free text or, with a point
// selected, a text that follows the first selected point.  The cell keeps
// the RTF string, the title as its name and the editor's text area size.
// Cancel and an empty text add nothing.
void InsertRichText(CKavrelDoc& doc);

// The cell of a rendered rich text (its mask taken from `text`): free, or
// following `point` when that is not 0.  It keeps the RTF string, the title
// as its name and the text area size.
CGTextbit* NewRichTextCell(WORD id, CDlgRtEdit& text, WORD point);
