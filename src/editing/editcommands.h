// Delete, copy, cut and paste on the current page: of the selected cells
// (with their descendants when deleting, with their ancestors when copying)
// or, while the page itself is selected, of the whole page.
#pragma once
#include <QImage>
#include <vector>

#include "platform/types.h"

class CKavrelDoc;

void OnEditDelete(CKavrelDoc& doc);
void OnEditCopy(CKavrelDoc& doc);
// Copy, then delete (asking first when the page is selected).
void OnEditCut(CKavrelDoc& doc);
// A picture on the clipboard wins over a "CF_KAVREL" record.
void OnEditPaste(CKavrelDoc& doc);
// Whether the clipboard holds a record or a picture.
bool CanPaste();

// A picture as the picture cells keep it: rows of R, G, B padded to 4
// bytes, the bottom row first.  Any depth converts; empty when the picture
// is null or too large to hold.
std::vector<BYTE> PictureRows(const QImage& image);
