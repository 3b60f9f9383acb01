// The commands of the formula editing control, by number (the context menu,
// the format and structure bars and the colour menu send them), and the
// keys it reads, as virtual-key codes.
#pragma once
#include "platform/commandids.h"

enum : unsigned {
  ID_FORMULA_OK = 1,  // the host closes with OK
  ID_FORMULA_FIRST_COLOUR = 2000,
  ID_FORMULA_LAST_COLOUR = 2015,
  ID_FORMULA_BOLD = 33352,
  ID_FORMULA_ITALIC = 33353,
  ID_FORMULA_UNDERLINE = 33354,
  ID_FORMULA_FONT = 33530,
  ID_FORMULA_IMPORT = 33531,
  ID_FORMULA_EXPORT = 33532,
  // Structure commands: the insertion kind is the id minus 33539 (1 to 20).
  ID_FORMULA_FIRST_STRUCTURE = 33540,
  ID_FORMULA_FRACTION = 33541,
  ID_FORMULA_MATRIX = 33559,
  ID_FORMULA_CLOSE = 57602,  // the host closes without OK
  ID_FORMULA_CLEAR = 57632,  // delete the selection
};

inline constexpr int StructureCodeOfCommand(unsigned id) { return static_cast<int>(id) - 33539; }

// Virtual-key codes of the keys the control acts on; letters are their
// capitals' codes ('A' .. 'Z').
namespace vk {
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Escape = 27;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
}  // namespace vk
