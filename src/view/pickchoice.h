// Which of the items under a click the click means.  The hits come in the
// order the page drew them for picking; their depths are never used: the
// kind order decides (a point beats a line beats a label) and, within one
// kind, the drawing order.  A pure function of the hits and of what the
// caller says about the selection, so every rule can be tried on made-up
// hits; the click pick applies its result to the page.
#pragma once
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/types.h"

// One hit record: the item's kind code and its cell id.
struct PickHit {
  int kind;
  WORD id;
  friend bool operator==(const PickHit&, const PickHit&) = default;
};

// Kind codes of the pick names.
enum PickKind {
  kPickPoint = 1, kPickLine = 2, kPickLabel = 3, kPickPath = 4, kPickButton = 5, kPickValue = 6,
  kPickText = 7, kPickFace = 8, kPickSolid = 9, kPickButtonHandle = 10, kPickOther = 11,
  kPickImageCorner = 12, kPickSlider = 13,
  kPickNone = 16,  // above every kind: "nothing offered"
};

struct PickRules {
  int toolMode = 1;
  // User-defined tool: only ids below this are offered (-1: none is).
  int toolInstanceFirstId = -1;
  // User-defined tool: whether the awaited input is a value (a caption is
  // clicked) rather than a point (a point clicked, or made on a line or an
  // arc clicked).  What the input can take wins over what lies above it.
  bool toolAwaitsValue = false;
  // Select tool: whether the cell is in the page's selection list of that
  // kind, and whether it is a free point (a draggable one).
  std::function<bool(int kind, WORD id)> isSelected;
  std::function<bool(WORD id)> isFreePoint;
};

struct PickChoice {
  // What the click writes to the caller's kind and id; unset ones keep the
  // caller's values.
  std::optional<int> kind;
  std::optional<WORD> id;
  // Select tool: the smallest kind hit and the ids hit of that kind, in
  // order (the candidates that + and - step through).
  int pickKind = kPickNone;
  std::vector<WORD> candidates;
  // Select tool: selected cells the click deselects, in order (kind, id),
  // and the free point among them that the same press may drag (0: none).
  std::vector<std::pair<int, WORD>> deselected;
  WORD dragId = 0;
};

PickChoice ChoosePick(const std::vector<PickHit>& hits, const PickRules& rules);
