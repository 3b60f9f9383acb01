// The dialogs the formula editor opens, as data (platform/dialogprovider.h):
// the matrix size, the style of the structure at the caret and the font.
#pragma once
#include <QString>

#include "formula/logfont.h"
#include "platform/dialogprovider.h"

// Rows and columns of a new matrix, each 1 to 10.
class CDlgMatrix : public CDialogDataOf<CDlgMatrix> {
 public:
  static constexpr int kMin = 1;
  static constexpr int kMax = 10;
  static bool InRange(int value) { return value >= kMin && value <= kMax; }
  bool IsValid() const { return InRange(m_nRows) && InRange(m_nCols); }

  int m_nRows = 2;
  int m_nCols = 2;
};

// The style of one structure: an arrow style from a list, or its sign as
// text.  In symbol mode the text holds symbol-font codes (a character per
// code, or U+F000 plus the code), as the structure stores them.
class CDlgVodNodeType : public CDialogDataOf<CDlgVodNodeType> {
 public:
  enum Mode : int { LIST = 0, SYMBOL = 1, PLAIN = 2 };

  QString m_strText;
  int m_nSel = 0;    // list mode: the chosen entry
  int m_nCount = 1;  // list mode: how many entries are offered
  int m_nMode = LIST;
};

// The font dialog, started from the current font and colour.  The colour
// comes back as it went in.
class CDlgFormulaFont : public CDialogDataOf<CDlgFormulaFont> {
 public:
  LOGFONT m_lf;
  COLORREF m_crColor = 0;
  int m_nDpi = 96;  // of the screen, for point sizes
};
