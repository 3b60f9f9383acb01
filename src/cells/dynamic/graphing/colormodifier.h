// Colour modifiers: cells without geometry that write a colour into other
// cells from measured values.  With one value it picks a hue or a grey
// level, with three the red, green and blue or the hue, saturation and
// lightness.  The modifier shows only its name in the lower-left corner of
// the view while selected, and a 200 x 40 pixel pick area there.
#pragma once
#include <cstdint>

#include "model/cgcell.h"

// The base of the cells that write properties of other cells.  Its two
// words are stored and not read by any kind.
class CGModifier : public CGCell {
  DECLARE_SERIAL(CGModifier)

 public:
  // The common record, then the int and the float.
  void Serialize(CArchive& ar) override;

  std::int32_t m_nModifierWord = 0;
  float m_fModifierValue = 0;
};

// Colour modes (the sub-kind byte).
enum : BYTE { kModifierHue = 1, kModifierGrey = 2, kModifierRgb = 3, kModifierHsl = 4 };

// The colour mode `mode` gives for its values (one or three, as the mode
// reads) over the range min..max: false for a mode outside 1-4.  A value
// that is not finite after the mapping counts as 0, and a range that comes
// out as exactly 0 counts as 1e-6, so every byte is defined.
bool ModifierColour(BYTE mode, const float* values, float min, float max, BYTE rgb[3]);

class CGMdfColor : public CGModifier {
  DECLARE_SERIAL(CGMdfColor)

 public:
  CGMdfColor() = default;
  // Takes its values and targets from the current page's selection: the
  // first one or three selected values (deselected), then every cell still
  // selected, in selection order; then colours the targets once.
  CGMdfColor(WORD id, BYTE mode, float min, float max, int option);

  // The modifier record, then min, max and the option.
  void Serialize(CArchive& ar) override;
  // Writes the colour into the targets' first colour (alpha kept).  The
  // defined flag is left as it is; an undefined value gives its last value.
  void Recalculate() override;
  bool WritesParents() const override { return true; }
  void Draw() override;
  void DrawForPick(int mode) override;
  QString GetDescription() override;
  // A mode outside 1-4, fewer parents than values, or a value parent that
  // is not a measured value fails the load.
  bool FitsLoadedPage(const CCellMap& cells) const override;

  // How many of the parents are values (the rest are targets).
  int ValueCount() const { return ValueCountOf(m_nSubKind); }
  static int ValueCountOf(BYTE mode) { return mode >= kModifierRgb ? 3 : 1; }

  float m_fMin = 0;
  float m_fMax = 1.0f;
  std::int32_t m_nOption = 0;
};

// Registers the colour modifier and the axis scale by name.
void RegisterGraphingClasses();
