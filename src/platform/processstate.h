// Process-wide state (current page, view globals, registers, colour cycle,
// last dialog values, seams) is kept in globals, as the program has always
// done.  Each layer registers how to put its globals back to their start
// values, so every test can begin from the state the program starts in.
#pragma once
#include <functional>

// Puts every registered piece of process-wide state back to its start value,
// in registration order.
void ResetProcessState();

// Registers a reset step.  Use a static ProcessStateReset object in the source
// file that defines the globals, so it is linked whenever they are.
class ProcessStateReset {
 public:
  explicit ProcessStateReset(std::function<void()> reset);
};
