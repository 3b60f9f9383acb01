// Running action buttons of the current page: the animation timer's tick,
// stopping all, and the running list rebuilt from the buttons' flags.
// Starting and stopping one button is CGPage::SetButtonRunning.
#pragma once

class CGPage;

// One animation tick: every running button steps once, the points that
// animation and move buttons drive take their new places, their dependants
// are recomputed, finished buttons stop and queued buttons start.  False
// when no button runs any more (the view then stops its timer).
bool StepRunningButtons();
// Stops every button of the page, listed or not, and tells the timer to stop.
void StopRunningButtons();
// The running list again from the buttons' flags (map order); false when
// none runs.
bool CollectRunningButtons();
// After the set of running buttons changed: what their driven points move
// is collected for recomputation on every tick, and the traced cells among
// it form the trace list.
void RefreshMovingSet(CGPage& page);
