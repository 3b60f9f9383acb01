// The last stop for an exception on its way to Qt's event loop, which would
// end the program with the lesson's unsaved work in it: memory running out
// while a command builds, or an input no reader turned away.  The user gets
// one message; a construction under way takes its cells back as the
// exception leaves it, so the document stays as it was.
#pragma once
#include <functional>

// Runs the action; false, after the message, when an exception left it.
bool RunGuarded(const std::function<void()>& action);
