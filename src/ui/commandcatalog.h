// The texts of every command: a help text for tooltips and the status bar,
// and a short label for buttons and menu items.
#pragma once
#include <span>

struct CCommandText {
  unsigned id;
  const char* tip;    // UTF-8
  const char* label;  // UTF-8
};

// Null when the id has no texts.
const CCommandText* FindCommandText(unsigned id);
// Every entry, ascending by id.
std::span<const CCommandText> AllCommandTexts();
