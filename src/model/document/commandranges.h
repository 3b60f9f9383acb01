// Families of document command ids that one handler serves and that is
// told which id ran (the tool menu's items, for one).  A family joins as
// the rows of the command table do (commandtable.h):
//
//   const CDocCommandRanges ranges({{ID_TOOL_USE_FIRST, ID_TOOL_USE_LAST, OnToolUse, OnUpdateToolUse}});
#pragma once
#include <initializer_list>
#include <vector>

class CCmdUI;
class CKavrelDoc;

using DocRangeHandler = void (*)(CKavrelDoc& doc, unsigned id);
using DocRangeUpdateRule = void (*)(CKavrelDoc& doc, unsigned id, CCmdUI& ui);

struct CDocCommandRange {
  unsigned first;  // first .. last, both included
  unsigned last;
  DocRangeHandler handler;
  DocRangeUpdateRule update = nullptr;  // none: always enabled
};

class CDocCommandRanges {
 public:
  CDocCommandRanges(std::initializer_list<CDocCommandRange> ranges);
};

// Every range added so far.
const std::vector<CDocCommandRange>& DocumentCommandRanges();
