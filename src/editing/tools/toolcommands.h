// The commands that apply user tools: choosing one from the tool menu
// (ids from 20000), applying it to the selection, its script message.
#pragma once

class CKavrelDoc;
class CGPage;

// Commits the cells of a finished instance (n of them, n >= 1) as one
// undo step "使用工具：" + the tool's name and marks the document modified.
void CommitToolInstance(CKavrelDoc& doc, CGPage& page, int cells);

// ID_TOOL_USE_FIRST .. ID_TOOL_USE_LAST and 34000 .. 34010.
void OnToolUse(CKavrelDoc& doc, unsigned id);
