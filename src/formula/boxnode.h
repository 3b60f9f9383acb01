// Boxes ("#"), vertical stacks of rows: the root of every formula and every
// slot of a structure; and matrices ("m"), grids of boxes in row-major order.
#pragma once
#include "formula/containernode.h"

class CBoxNode : public CContainerNode {
 public:
  CBoxNode();
  // A box of one row: `content` itself when it is a row, a new row holding
  // it when it is a text run, else a new empty row (other content is
  // deleted).  The row holds the caret.
  CBoxNode(CNode* parent, CNode* content);

  // Rows stacked left-aligned with a third of the font height between them.
  void Layout(CFormulaDC& dc) override;
  void DrawSelection(CFormulaDC& dc) override;
  QString ToVod(bool selectedOnly) const override;
  void AppendVod(QString& out) const override;
  QString ToText(bool selectedOnly) const override;
  void SetFont(COLORREF colour, const LOGFONT& font, bool selectedOnly, int part) override;
  bool IsWhollySelected() const override;
  bool Normalize() override;

  // Selects everything: the one row, or all rows with the first and last whole.
  void SelectAll();

  // Caret editing (editing/box*.cpp): the caret is in the active row; a
  // selection across lines is a range of rows owned by the box.
  bool SetCaretFromPoint(int x, int y) override;
  void GetSelectionRegion(SelectionGeometry& geometry) override;
  int ExtendSelectionTo(int x, int y) override;
  bool CollapseSelection(bool toEnd) override;
  bool InsertStructure(int kind, CNode* content, const int* size) override;
  // Pastes a box of lines at the caret, splitting the caret's line; a box of
  // one row pastes as that row, anything else goes to the active row.
  bool InsertRow(CNode* node) override;
  // Joins, breaks and changes lines where the active row cannot use a key.
  bool MoveCaret(int key) override;
  CNode* CutSelection() override;
  bool SaveCaretPath(std::vector<int>& path) const override;
  // The root puts the caret at its end when it cannot follow the path.
  bool RestoreCaretPath(const std::vector<int>& path, std::size_t& position) override;

  // Row `index` holds the caret; no line selection.
  void ActivateRow(int index);
  // The selected rows [first, last], both inclusive, when the box owns a
  // selection across lines.
  bool SelectedLines(int* first, int* last) const;
};

class CMatrixNode : public CContainerNode {
 public:
  CMatrixNode();
  // rows x columns cells, each a box with one empty row; the first cell is
  // made from `content` (a box as it is, a row or run wrapped in a box).
  // Sides are kept within 1 to kMaxSide, the range the matrix dialog offers.
  CMatrixNode(CNode* parent, int rows, int columns, CNode* content);

  // Cells centred in their columns and aligned on each grid row's baseline.
  void Layout(CFormulaDC& dc) override;
  bool Normalize() override;
  // Moves between cells where the active cell cannot use a key.
  bool MoveCaret(int key) override;

  // The number of columns: the variant, 2 when it gives none.
  int Columns() const { return m_nType > 0 ? m_nType : 2; }

  static constexpr int kMaxSide = 10;
};
