// Recording a user tool (CRecord) from the selected structure of the
// current page, and the command that names it and adds it to the document.
// Recording copies cells out of the page and never changes one; only the
// marks it walks with are set, and they are cleared again.
#pragma once
#include <memory>

class CKavrelDoc;
class CRecord;

// The selection extended by every ancestor, less the free points and
// parameters nothing of it rests on, as a record of deep copies numbered
// from 0 in page order, whose cells without parents are its inputs.  Null
// when the selection gives no tool (the user has been told) or the user
// declined the changed structure.
std::unique_ptr<CRecord> CreateToolFromSelection();

// ID_TOOL_CREATE: records the selection, asks for the tool's name, appends
// it to the document's tools and the custom-tool menu and makes it the
// current tool.  A cancelled dialog changes nothing.
void OnToolCreate(CKavrelDoc& doc);
