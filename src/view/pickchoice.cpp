#include "view/pickchoice.h"

#include <algorithm>

namespace {

// Kinds a click selects and deselects; the others are handles the click
// grabs without selecting anything.
bool IsSelectingKind(int kind) {
  switch (kind) {
    case kPickPoint: case kPickLine: case kPickPath: case kPickButton: case kPickValue:
    case kPickText: case kPickFace: case kPickSolid: case kPickOther:
      return true;
    default:
      return false;
  }
}

bool IsHandleKind(int kind) {
  return kind == kPickLabel || kind == kPickButtonHandle || kind == kPickImageCorner || kind == kPickSlider;
}

void ChooseForSelectTool(const std::vector<PickHit>& hits, const PickRules& rules, PickChoice& out) {
  int m = kPickNone;
  for (const PickHit& h : hits) m = std::min(m, h.kind);
  out.pickKind = m;
  for (const PickHit& h : hits)
    if (h.kind == m) out.candidates.push_back(h.id);

  const PickHit* chosen = nullptr;
  for (const PickHit& h : hits) {
    if (h.kind != m) continue;
    if (IsSelectingKind(h.kind)) {
      // A cell listed twice is selected only until its first record
      // deselects it.
      const bool already = std::any_of(out.deselected.begin(), out.deselected.end(),
                                       [&](const auto& d) { return d.second == h.id; });
      if (!already && rules.isSelected && rules.isSelected(h.kind, h.id)) {
        out.deselected.emplace_back(h.kind, h.id);
        if (h.kind == kPickPoint && rules.isFreePoint && rules.isFreePoint(h.id)) out.dragId = h.id;
        out.id = h.id;
        chosen = nullptr;
      } else if (!chosen) {
        chosen = &h;
      }
    } else if (IsHandleKind(h.kind)) {
      chosen = &h;  // the last handle wins
    }
  }
  if (chosen) {
    out.kind = chosen->kind;
    out.id = chosen->id;
  } else {
    out.kind = 0;
  }
}

// The kinds an awaited input of a user-defined tool can take.
bool InputTakes(int kind, bool value) {
  return value ? kind == kPickValue : kind == kPickPoint || kind == kPickLine || kind == kPickPath;
}

// Smallest kind wins; among equal kinds the later hit.
void ChooseSmallestKind(const std::vector<PickHit>& hits, const std::function<bool(const PickHit&)>& offered,
                        PickChoice& out) {
  const PickHit* best = nullptr;
  for (const PickHit& h : hits)
    if (offered(h) && (!best || h.kind <= best->kind)) best = &h;
  if (best) {
    out.kind = best->kind;
    out.id = best->id;
  }
}

}  // namespace

PickChoice ChoosePick(const std::vector<PickHit>& hits, const PickRules& rules) {
  PickChoice out;
  if (hits.empty()) return out;
  switch (rules.toolMode) {
    case 1:
      ChooseForSelectTool(hits, rules, out);
      break;
    case 2: case 3: case 4: case 5:
      ChooseSmallestKind(hits, [](const PickHit&) { return true; }, out);
      break;
    case 6: {
      // Cells the running tool instance made are not offered back to it.
      // Of the rest, what the awaited input can take comes first: a caption
      // over a segment answers a value input, a point made on a line under a
      // point's label a point input.  Only where nothing it can take lies
      // does the smallest kind stand, for the tool to turn away.
      const int first = rules.toolInstanceFirstId;
      const auto offered = [first](const PickHit& h) { return static_cast<int>(h.id) < first; };
      const bool value = rules.toolAwaitsValue;
      ChooseSmallestKind(hits, [&](const PickHit& h) { return offered(h) && InputTakes(h.kind, value); }, out);
      if (!out.kind) ChooseSmallestKind(hits, offered, out);
      if (!out.kind) out.kind = kPickNone;
      break;
    }
    default:
      break;  // box select, copy box, ink: the click chooses nothing
  }
  return out;
}
