// Default screen places of new texts, measurements and buttons.  Both follow
// a grid of 20-pixel units: texts fill columns 12 units apart from (13, 11)
// leftwards, buttons columns 5 units apart from (-18, 12) rightwards, rows
// 1.5 units apart downwards.  The page remembers the last place handed out;
// on a page just made or loaded it has none and goes on from its stored slot.
#include <cmath>

#include "model/cgpage.h"
#include "model/globals.h"

namespace {
// Grid units to world units at the current zoom.
void Return(float position[2], float x, float y) {
  const float s = 20 * g_fUnitsPerPixel;
  position[0] = x * s;
  position[1] = y * s;
}

// Toward zero; a position far off the grid (or not a number, as a damaged
// file may hold) still gives an int.
int Trunc(double v) {
  if (!(std::fabs(v) < 1e9)) return 0;
  return static_cast<int>(std::trunc(v));
}
}  // namespace

void CGPage::NextTextPosition(float position[2], int rows) {
  float x, y;
  if (m_ptLastText[0] < 800) {
    y = m_ptLastText[1] - 1.5f * rows;
    x = m_ptLastText[0];
    if (y < -11) {
      y = 11;
      x -= 12;
      if (x < -18) x = 13;
    }
    // The 1-based grid row (16 to a column) of the text's last row.
    m_nTextSlot = static_cast<BYTE>(Trunc((13.0 - x + 6) / 12) * 16 - Trunc((11.0 - y + 0.75) / -1.5) + rows);
  } else {
    m_nTextSlot = static_cast<BYTE>(m_nTextSlot + rows);
    if (m_nTextSlot > 64) m_nTextSlot = 1;
    const int k = m_nTextSlot - 1;
    x = 13.0f - 12.0f * static_cast<float>(k / 16);
    y = 11.0f - 1.5f * static_cast<float>(k % 16);
  }
  m_ptLastText[0] = x;
  m_ptLastText[1] = y;
  Return(position, x, y);
}

void CGPage::NextButtonPosition(float position[2]) {
  float x, y;
  if (m_ptLastButton[0] > -800) {
    y = m_ptLastButton[1] - 1.5f;
    x = m_ptLastButton[0];
    if (y < -11) {
      y = 12;
      x += 5;
      if (x > 17) x = -18;
    }
    NoteButtonPosition(x, y);
  } else {
    if (m_nButtonSlot >= 128) m_nButtonSlot = 0;
    const int k = m_nButtonSlot++;
    x = 5.0f * static_cast<float>(k / 16) - 18.0f;
    y = 1.5f * static_cast<float>(8 - k % 16);
    m_ptLastButton[0] = x;
    m_ptLastButton[1] = y;
  }
  Return(position, x, y);
}

void CGPage::NoteButtonPosition(float x, float y) {
  m_ptLastButton[0] = x;
  m_ptLastButton[1] = y;
  // The 1-based grid cell (16 to a column) of this button, kept modulo 256.
  m_nButtonSlot = static_cast<BYTE>(Trunc((12.0 - y + 0.75) / 1.5) - 16 * Trunc((x + 18.0 + 2.5) / -5) + 1);
}
