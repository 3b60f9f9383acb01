// The tool's script view is a window of the ui layer, opened once and kept
// (modeless); the tool commands reach it through this hook.
#pragma once
#include <functional>

// open: make the view if need be and show it; else only refill it when it
// exists (a tool was chosen or made).
using ToolScriptShower = std::function<void(bool open)>;
void SetToolScriptShower(ToolScriptShower shower);
void ShowToolScript(bool open);
