// The calculator's keypad: what each key shows and inserts, and which keys
// may follow the text before the caret.
#pragma once
#include <cstddef>

// Keys that are enabled together.  The lists of values and functions go
// with the operands: like "(" and the constants they start an operand.
enum class CalcKeyGroup : int { Digit, Point, Sign, Binary, Close, Operand, Back };

// Which keys a free variable of the dialog's mode belongs to.
enum class CalcFreeVariable : int { None, T, U, V };

struct CCalculatorKey {
  const char16_t* text;     // on the button
  const char16_t* inserts;  // at the caret, replacing the selection; null for "←"
  CalcKeyGroup group;
  CalcFreeVariable variable = CalcFreeVariable::None;  // shown only in its mode
};

// In the keypad's order: four rows of five, then the free variables and "←".
inline constexpr CCalculatorKey kCalculatorKeys[] = {
    {u"7", u"7", CalcKeyGroup::Digit},
    {u"8", u"8", CalcKeyGroup::Digit},
    {u"9", u"9", CalcKeyGroup::Digit},
    {u"\u00F7", u"/", CalcKeyGroup::Binary},  // ÷
    {u"(", u"(", CalcKeyGroup::Operand},
    {u"4", u"4", CalcKeyGroup::Digit},
    {u"5", u"5", CalcKeyGroup::Digit},
    {u"6", u"6", CalcKeyGroup::Digit},
    {u"\u00D7", u"*", CalcKeyGroup::Binary},  // ×
    {u")", u")", CalcKeyGroup::Close},
    {u"1", u"1", CalcKeyGroup::Digit},
    {u"2", u"2", CalcKeyGroup::Digit},
    {u"3", u"3", CalcKeyGroup::Digit},
    {u"\u2500", u"-", CalcKeyGroup::Sign},  // ─
    {u"mod", u"%", CalcKeyGroup::Binary},
    {u"0", u"0", CalcKeyGroup::Digit},
    {u".", u".", CalcKeyGroup::Point},
    {u"\u03C0", u"Pi", CalcKeyGroup::Operand},  // π
    {u"\u253C", u"+", CalcKeyGroup::Sign},      // ┼
    {u"^", u"^", CalcKeyGroup::Binary},
    {u"e", u"e", CalcKeyGroup::Operand},
    {u"t", u"t", CalcKeyGroup::Operand, CalcFreeVariable::T},
    {u"u", u"u", CalcKeyGroup::Operand, CalcFreeVariable::U},
    {u"v", u"v", CalcKeyGroup::Operand, CalcFreeVariable::V},
    {u"\u2190", nullptr, CalcKeyGroup::Back},  // ←
};
inline constexpr std::size_t kCalculatorKeysPerRow = 5;

// Whether a free variable's key shows in a mode (0 calculation, 1 t, 2 u
// and v); the other keys always show.
constexpr bool KeyShownInMode(CalcFreeVariable variable, int mode) {
  switch (variable) {
    case CalcFreeVariable::None: return true;
    case CalcFreeVariable::T: return mode == 1;
    case CalcFreeVariable::U:
    case CalcFreeVariable::V: return mode == 2;
  }
  return false;
}
