// Drawing steps that lines and faces share: their own colour and their
// line width.  Labels are drawn and picked through model/viewtext.h.
#pragma once
#include "model/cgcell.h"

void SetGlColour(const RGBA& c);
// 255 minus each of red, green and blue: the colour under the mouse.
void SetInvertedColour(const RGBA& c);

// While cells choose their own colours (g_bOwnColors): the highlight colour
// when the cell is selected, else its first colour.  Otherwise nothing, so
// that a containing object's colour stays in force.
void SetOwnColour(const CGCell& cell);

// The cell's size (or a given width) as the GL line width for its
// lifetime, when it differs from the default line width, which is put back
// afterwards.
class CellLineWidth {
 public:
  explicit CellLineWidth(const CGCell& cell) : CellLineWidth(cell.m_fSize) {}
  explicit CellLineWidth(float width);
  CellLineWidth(const CellLineWidth&) = delete;
  CellLineWidth& operator=(const CellLineWidth&) = delete;
  ~CellLineWidth() { Restore(); }
  void Restore();

 private:
  bool m_bChanged;
};
