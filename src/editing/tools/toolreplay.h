// Replaying the current user tool (g_pCurrentTool) on the current page:
// interactively, one input per click, with the page holding the running
// instance (CGPage::m_pToolRecord and the m_nTool... fields), or at once
// over the selection.
#pragma once
#include "platform/types.h"

class CGPage;
class CGVerFree;
class CRecord;

// A tool's point and value inputs as its input list has them: replay binds
// by the list, whatever counts the record stores, so whatever decides
// whether the tool applies counts them here too.
struct ToolInputKinds {
  long long points = 0, values = 0;
};
ToolInputKinds CountToolInputs(const CRecord& tool);

// Starts an instance of the current tool on the current page at the mouse
// position: its first input's placeholder follows the pointer.  False when
// an instance runs already, no tool is current, or the vertex array cannot
// take the tool's points (tool mode then returns to 1).
bool StartToolInstance(float x, float y, float z);

// Answers the awaited input: with the clicked cell `clicked`, or with 0 and
// `point`, a free point just made at the clicked place under the pending id
// (the page takes it over).  Then places the tool's cells up to the next
// input.  0 while inputs remain; when the instance is complete the number
// of cells it placed, or -1 when the page's ids are no longer contiguous
// with them.  A clicked cell the input does not accept (ToolInputAccepts)
// changes nothing and gives 0.
int MatchToolInput(CGPage& page, WORD clicked, CGVerFree* point);

// Whether the awaited input accepts the clicked cell: a point for a point
// input, a variable for a value input, made before the input's placeholder.
bool ToolInputAccepts(const CGPage& page, WORD clicked);

// The number of times the current tool can be applied to the current
// page's selection: selected points per point input, selected values per
// value input, the least over the kinds of input the tool has.
int ToolRoundsForSelection();

// ID_TOOL_AUTODO's work: applies the current tool to the selection as many
// times as it allows, inputs bound in selection order; the number of cells
// made (0 when none).  Memory running out on the way takes back what was
// made and says so; 0.
int ApplyToolToSelection();
