// The base of every node of a formula tree: boxes of lines, rows, text runs,
// structures and matrices.  A node carries its element's tag and kind, its
// own font and colour with marks telling which parts were set on it (the
// rest flows down from its parent), and the caret and selection state the
// formula editor keeps in the tree.
//
// Layout measures a subtree on a drawing context and gives every node its
// rectangle relative to its parent and its baseline; Offset then places the
// subtree in device coordinates, where Draw paints it.
//
// Caret editing (formula/editing/) is called on the root box and forwarded
// along the caret path, from each node to its active child; a node that
// cannot use a key answers false and the node above it acts instead.
#pragma once
#include <QPoint>
#include <QString>
#include <vector>

#include "formula/logfont.h"
#include "formula/rect.h"

class CFormulaDC;
struct SelectionGeometry;

// Kind numbers of the mark-up elements, stored in every node.
enum VodKind : int {
  VOD_HEADER = 0,     // "!"  default font and colour, no node
  VOD_BOX = 1,        // "#"
  VOD_ROW = 2,        // "l"
  VOD_STANDARD = 3,   // "d"
  VOD_TEXT = 4,       // "e"
  VOD_DIVISION = 5,   // "f"
  VOD_SQRT = 6,       // "r"
  VOD_NTHROOT = 7,    // "n"
  VOD_SUP = 8,        // "^"
  VOD_SUB = 9,        // "_"
  VOD_SUPB = 10,      // "c"
  VOD_INTEGRAL = 11,  // "i"
  VOD_SUM = 12,       // "s"
  VOD_LIM = 13,       // "t"
  VOD_BRACE = 14,     // "b"
  VOD_VECTOR = 15,    // "v"
  VOD_MATRIX = 16,    // "m"
  VOD_ARROWS = 17,    // "a"
  VOD_CONTAINER = 18, // "o"  written, never read
};

// Font override bits: the part was set on this node rather than inherited.
enum : DWORD {
  FONT_FACE = 1,
  FONT_CHARSET = 2,
  FONT_HEIGHT = 4,
  FONT_WEIGHT = 8,
  FONT_ITALIC = 16,
  FONT_UNDERLINE = 32,
  FONT_ALL = 63,
};

// Part codes of SetFont.
enum FontPart : int {
  PART_FACE = 1,  // face with character set
  PART_HEIGHT = 2,
  PART_WEIGHT = 3,
  PART_ITALIC = 4,
  PART_UNDERLINE = 5,
  PART_COLOR = 7,
  PART_ALL = 8,  // every font part and the colour
};

class CNode {
 public:
  CNode(int kind, const QString& tag);
  virtual ~CNode() = default;
  CNode(const CNode&) = delete;
  CNode& operator=(const CNode&) = delete;

  // The inner rectangle becomes the extent of the node's text in the
  // selected font, empty for an empty text.
  virtual void MeasureText(CFormulaDC& dc);
  // Computes the layout rectangle, inner rectangle and baseline of the subtree.
  virtual void Layout(CFormulaDC& dc) = 0;
  // Places the subtree: the layout rectangle moved by (x, y).
  virtual void Offset(int x, int y);
  // The node's own text at the placed inner rectangle's top-left corner.
  virtual void DrawText(CFormulaDC& dc);
  virtual void Draw(CFormulaDC& dc) = 0;
  // Draws only the selected part.
  virtual void DrawSelection(CFormulaDC& dc) = 0;

  // Takes ownership when true.  position -1 appends.
  virtual bool AddChild(CNode* node, int position) = 0;
  // Mark-up of the subtree, or of its selected part only.
  virtual QString ToVod(bool selectedOnly) const = 0;
  // The whole subtree's mark-up appended to `out`.  Nodes with children
  // write into the one buffer, so a large formula (each undo record writes
  // one) is not copied once per level of nesting.
  virtual void AppendVod(QString& out) const { out += ToVod(false); }
  // Linear text.
  virtual QString ToText(bool selectedOnly) const;
  // Pushes this node's font and colour into the parts its children do not set.
  virtual void InheritFont() = 0;
  // Changes one part (FontPart) of the font or the colour.  The root, having
  // no parent, keeps its own: its font comes from the tree's defaults.
  virtual void SetFont(COLORREF colour, const LOGFONT& font, bool selectedOnly, int part);
  // Takes one part of the font or the colour, marked as set on this node
  // exactly when it differs from the reference (the parent's, or for the
  // root the tree's defaults).
  void TakeFontPart(COLORREF colour, const LOGFONT& font, int part, const LOGFONT& reference,
                    COLORREF referenceColour);
  // Puts the caret at a device point; false when the node cannot take it.
  virtual bool SetCaretFromPoint(int x, int y) = 0;
  virtual void CaretToStart() {}
  virtual void CaretToEnd() {}
  virtual bool IsWhollySelected() const { return false; }

  // The rest of the caret editing protocol; formula/editing/caretediting.h
  // gives the key codes, insertion kinds, results and ownership rules.
  virtual CNode* QuerySelection();
  virtual void GetSelectionRegion(SelectionGeometry& geometry);
  virtual int ExtendSelectionTo(int x, int y) = 0;
  virtual bool CollapseSelection(bool toEnd);
  virtual void InsertText(const QString& text);
  virtual bool InsertStructure(int kind, CNode* content, const int* size);
  virtual bool InsertRow(CNode* node);
  virtual bool MoveCaret(int key);
  virtual CNode* CutSelection();
  virtual CNode* SplitAtCaret(CNode* parent);
  virtual bool SaveCaretPath(std::vector<int>& path) const = 0;
  virtual bool RestoreCaretPath(const std::vector<int>& path, std::size_t& position) = 0;

  // Makes the subtree well-formed; true when anything changed.
  virtual bool Normalize() = 0;

  void SetText(const QString& text) { m_strText = text; }
  // The attribute part of an opening mark including its final ">"; the
  // forced bits are written as if they were set.
  QString WriteAttributes(DWORD forcedBits = 0) const;
  // Takes the font parts whose bits are clear from `font`, and `colour`
  // when this node has no colour of its own.
  void TakeUnsetFontParts(const LOGFONT& font, COLORREF colour);
  // Copies face, character set, height, weight, italic, underline, colour and
  // the override marks.
  void CopyFontOf(const CNode& other);
  // Clears caret and selection state (after the children were rebuilt).
  void ResetCaret();
  // Points caret and drag state that named `old` at `replacement`.
  void ReplaceCaretChild(const CNode* old, CNode* replacement);

  CNode* m_pParent = nullptr;
  QString m_strText;  // a run's characters, a structure's sign
  QString m_strTag;
  int m_nKind;
  int m_nType = 0;  // "type": variant of a structure, columns of a matrix
  COLORREF m_crColor = 0;
  LOGFONT m_lf;
  BOOL m_bColorSet = FALSE;
  DWORD m_dwFontMask = 0;

  // Layout results.
  RECT m_rcLayout;       // relative to the parent's top-left corner
  RECT m_rcInner;        // relative to the node's own top-left corner
  int m_nBaseline = 0;   // from the top of the layout rectangle
  RECT m_rcPlaced;       // device coordinates, set by Offset
  RECT m_rcPlacedInner;
  int m_nSelLeft = 0;    // x range of the selection; a box keeps its caret x here
  int m_nSelRight = 0;

  // Caret and selection.  In a row the caret index is the gap before child
  // n; in a box the active row; elsewhere the active child's slot.
  int m_nAnchor = 0;
  int m_nCaret = 0;
  CNode* m_pAnchorChild = nullptr;
  CNode* m_pActive = nullptr;
  BYTE m_bSelected = 0;
  int m_nSelStart = 0;  // rows: end exclusive; boxes: inclusive; runs: characters
  int m_nSelEnd = 0;
  QPoint m_ptDragStart;  // the last point given to SetCaretFromPoint
  QPoint m_ptCaret;      // a run's caret, from GetCaretPoint
};
