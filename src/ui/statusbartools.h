// The tool buttons of the status bar, left to right.
#pragma once
#include <span>

struct CStatusTool {
  unsigned id;
  const char* text;  // UTF-8
  int image;         // index of the button's picture
};

std::span<const CStatusTool> StatusBarTools();
