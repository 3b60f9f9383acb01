// The pointer's look over the view by tool mode: a cross for the box
// tools, the program's pen for the ink pen, the widget's default otherwise.
#pragma once
#include <QCursor>
#include <optional>

// Empty: the default cursor.
std::optional<QCursor> ToolCursor(int mode);
