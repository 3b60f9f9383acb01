// What the ribbon holds: the eight categories, their panels and the
// commands of each panel.  Widgets that are more than a button (the colour
// palette, the translation sliders, the style menu, the tool sets) are put
// in by the frame at the slots named here.
#pragma once
#include <functional>
#include <span>

class CCommandActions;
class CRibbonBar;
class QWidget;

// Markers in the panel tables for the frame's own widgets.
enum : unsigned {
  kRibbonSlotColor = 1,    // the colour button
  kRibbonSlotSliders = 2,  // the three translation sliders
  kRibbonSlotLooks = 3,    // the style menu of the application looks
  kRibbonSlotTools = 4,    // the custom-tool button with the tool sets
  kRibbonSlotPalette = 5,  // the sixteen named colours (commands 2000 to 2015)
};

struct CRibbonEntry {
  unsigned id;  // command id or slot marker
  bool large;
};

struct CRibbonPanelLayout {
  int category;  // 0 .. 7
  const char* title;
  std::span<const CRibbonEntry> entries;
};

std::span<const CRibbonPanelLayout> RibbonPanels();

// Builds the categories and panels; slots are filled by slotWidget (null:
// left out).  A slot widget of a large entry takes a whole column.
using RibbonSlotFactory = std::function<QWidget*(unsigned slot)>;
void BuildRibbon(CRibbonBar& ribbon, CCommandActions& actions, const RibbonSlotFactory& slotWidget);
