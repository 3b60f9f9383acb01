// The span of one user edit: a command, an undo or redo, a click, the end
// of a drag.  When the outermost span ends, the settler the model layer
// installed brings the current page to what opening its saved document
// computes.  Spans nest (a command that undoes, a click that runs a
// command), so a page settles once per edit, after all of it; a span
// opened while the page settles (a click closing a message the computation
// shows) is an inner one.
#pragma once

class CEditScope {
 public:
  CEditScope();
  ~CEditScope();
  CEditScope(const CEditScope&) = delete;
  CEditScope& operator=(const CEditScope&) = delete;
};

// `begin` runs when the outermost span opens, `settle` when it ends; null:
// nothing runs.  Neither may throw (`settle` runs in a destructor).
void SetEditSettler(void (*begin)(), void (*settle)());
// True while a span is open.
bool InEditScope();
// An edit made outside any span (a running button's step from the timer)
// settles now; inside a span it settles when the span ends.
void SettleEditNow();

// A pass that only reads what an edit may change (drawing, picking, a
// command's update rule, a search for the cells an edit will change, the
// computation that settles an edit): what it looks up or visits is no part
// of the edit that may be open.  Passes nest.
class CReadingPass {
 public:
  CReadingPass() { ++s_nPasses; }
  ~CReadingPass() { --s_nPasses; }
  CReadingPass(const CReadingPass&) = delete;
  CReadingPass& operator=(const CReadingPass&) = delete;
  static bool Running() { return s_nPasses > 0; }

 private:
  static inline int s_nPasses = 0;
};
