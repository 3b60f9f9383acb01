// The click pick: what lies in the 10 x 10 pixel region under the pointer,
// found by drawing the current page in GL selection mode, and what the
// click means by the rules of the current tool (view/pickchoice.h).  Needs
// a current context but no widget.
#pragma once
#include <functional>
#include <vector>

#include "platform/types.h"
#include "view/pickchoice.h"

class CGPage;

// The page's selection list that the hits of a pick kind are kept in; null
// for the kinds that select nothing (labels, handles).
std::vector<WORD>* SelectionListOfKind(CGPage& page, int kind);

// Runs `draw` in selection mode under the placeholder name 0xFFFFFFFF and
// returns the kind and id of every hit record, in buffer order.  A buffer
// that overflows is not taken for "nothing hit": the pass runs again with
// a buffer twice as large until the hits fit.
std::vector<PickHit> RunSelectionPass(const std::function<void()>& draw, int initialWords = 1024);

// The page's selection list of a pick kind (points 1 ... others 11); null
// for the kinds that select nothing (labels and handles).
std::vector<WORD>* SelectionListOfKind(CGPage& page, int kind);

// The current page's pick passes in `modes`, in turn, through a pick
// window of width x height device pixels centred at (x, windowY) (y up) in
// the saved viewport, with the page's transform; the hits in buffer order.
// Sets the label pick vectors first when asked.  Needs a current context.
std::vector<PickHit> PickPageInWindow(double x, double windowY, double width, double height,
                                      const std::vector<int>& modes, bool labelVectors);

// The pass modes DrawPageForPick is given for the current tool: the select
// tool 3 (labels only: 0), every other tool 2.  A user-defined tool whose
// instance awaits an input adds 1, in which only value captions draw: an
// input takes a point, a line, a circle or a value.
std::vector<int> PickPassModes(int toolMode, bool labelsOnly, const CGPage& page);

// The label pick vectors g_vLabelPickU and V: 20 pixels long, lying across
// the screen for the view direction of the current model-view matrix.
void SetLabelPickVectors();

// The pick of a click at (x, y) in client device pixels (y down).  False
// when nothing at all lies there.  Otherwise kind and id receive what the
// current tool makes of the hits (the caller zeroes them first); in the
// select tool the click also deselects selected cells hit again (one of
// them, a free point, becomes the drag candidate) and leaves the kind hit
// and its candidates in the page for keyboard stepping.
bool PickObjects(int x, int y, int* kind, WORD* id, bool labelsOnly);
