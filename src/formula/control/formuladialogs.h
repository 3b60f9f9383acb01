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

// The formula dialog: the mark-up to edit and the colours it is shown in,
// and, after OK, the mark-up written, where the formula lay on the screen
// and whether it is empty.  Cancel leaves every member as it was.
class CVodDlg : public CDialogDataOf<CVodDlg> {
 public:
  // Below this the formula is read in "宋体" (character set 134) at height
  // 35; from it on in the tree's own default font.
  static constexpr int kKeepTreeFont = 2;
  static constexpr int kNoPosition = -32768;

  QString m_strVod = QStringLiteral("<#><l></l></#>");
  COLORREF m_crBack = 0xFFFFFF;
  COLORREF m_crText = 0;
  int m_nFontMode = 0;
  // Where the dialog opens on the screen (its top-left corner); none: over
  // its parent.
  int m_nOpenX = kNoPosition;
  int m_nOpenY = kNoPosition;
  // Outputs: the control's top-left corner on the screen at OK, and
  // whether the formula holds only an empty line.
  int m_nX = 300;
  int m_nY = 300;
  BYTE m_bEmpty = 1;
};
