// Renumbering a document's pages and cells so that their ids run 1, 2, 3 ...
#pragma once

class CKavrelDoc;

// Pages and, in every page, cells numbered in their present order; every id
// a cell or page keeps of another is translated (ids of what is gone become
// 0 or leave their list), names that write a parent in short by its id are
// written again, the pages' histories are emptied, the current page's
// vertex array is rebuilt and the object list is refilled.
void ReorganizeDocument(CKavrelDoc& doc);
