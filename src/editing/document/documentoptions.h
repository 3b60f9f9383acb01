// The document options command (文档选项): the document text, whether formula
// texts are stored with their pictures, and the renaming of every page by
// its place in the page list.
#pragma once

#include "editing/dialogs/document/documentdialogs.h"

class CKavrelDoc;

// The dialog as the document fills it: every page's name in order, the
// author, the text and the picture option.
CDlgPage DocumentOptionsOf(const CKavrelDoc& doc);
// What OK does: the text and the picture option are taken (the author is
// only shown); with the renaming chosen every page is named after its place
// ("第一页" ... "第十页", "第11页" ...) and the object list rewrites the page
// names.  The document is modified.
void ApplyDocumentOptions(CKavrelDoc& doc, const CDlgPage& answer);
// Page k (from 1) of the list is named DefaultPageName(k).
void RenamePagesInOrder(CKavrelDoc& doc);

// Always enabled.  Cancel changes nothing.
void OnFileOptions(CKavrelDoc& doc);
