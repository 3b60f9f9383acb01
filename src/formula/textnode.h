// A text run ("e"): characters in one font and colour, a leaf inside a row.
#pragma once
#include <vector>

#include "formula/node.h"

class CRowNode;

class CTextNode : public CNode {
 public:
  CTextNode();
  // Holds the text with the caret at its end.
  explicit CTextNode(const QString& text);

  // Measures the whole text and each character alone; an empty run
  // measures the placeholder "?".  The baseline is half the cell height.
  void MeasureText(CFormulaDC& dc) override;
  void Layout(CFormulaDC& dc) override;
  void DrawText(CFormulaDC& dc) override;
  void Draw(CFormulaDC& dc) override;
  // Only the selected characters, in the run's full font.
  void DrawSelection(CFormulaDC& dc) override;
  bool AddChild(CNode*, int) override { return false; }
  QString ToVod(bool selectedOnly) const override;
  QString ToText(bool selectedOnly) const override;
  void InheritFont() override {}
  void CaretToStart() override;
  void CaretToEnd() override;
  // The selection runs from 0 to the length; the flag is not consulted.
  bool IsWhollySelected() const override;
  bool Normalize() override { return false; }

  // Caret editing (editing/textediting.cpp).  The caret is a character
  // index; the selecting operations answer a SelectResult.
  bool SetCaretFromPoint(int x, int y) override;
  void GetSelectionRegion(SelectionGeometry& geometry) override;
  int ExtendSelectionTo(int x, int y) override;
  bool CollapseSelection(bool toEnd) override;
  void InsertText(const QString& text) override;
  bool MoveCaret(int key) override;
  // The selected characters as a new run in this run's font.
  CNode* CutSelection() override;
  // A new run in this run's font holding the characters from the caret on.
  CNode* SplitAtCaret(CNode* parent) override;
  bool SaveCaretPath(std::vector<int>& path) const override;
  bool RestoreCaretPath(const std::vector<int>& path, std::size_t& position) override;
  // From the start to the character under x, from there to the end, or
  // from the drag's anchor to either end.
  virtual int SelectFromStartTo(int x);
  virtual int ExtendSelectionToStart();
  virtual int SelectToEndFrom(int x);
  virtual int ExtendSelectionToEnd();
  // The caret's top in device coordinates, also kept in m_ptCaret.
  QPoint GetCaretPoint();
  // The caret index nearest x: the first character whose middle lies right of it.
  int HitIndex(int x) const;

  // Selects every character; returns the length.
  int SelectAll();
  // Makes the selected characters a run of their own inside `row`, where this
  // run sits at `index`, so a font change can apply to them alone.  Returns
  // the number of runs inserted; *shift is 1 when the selected run now sits
  // after `index`.  Nothing changes for a wholly selected or empty run.
  int SplitSelection(CRowNode* row, int index, int* shift);
  // The selection flag is set over at least one character.
  bool HasSelection() const;
  QString SelectedText() const;
  // Stores the x range of the selected characters in m_nSelLeft and
  // m_nSelRight (the placed left and right edges for an empty run).
  void UpdateSelectionSpan();

  // Advance of each character as last measured (one entry, "?", when empty).
  std::vector<int> m_arrWidths;

 private:
  // A new run with this run's font, colour and override marks.
  CTextNode* SiblingWithText(const QString& text, CNode* parent) const;
  void SelectWhole();
  int Length() const { return static_cast<int>(m_strText.size()); }
  // Advance of character i, 0 where the last measuring did not reach.
  int WidthAt(int i) const;
  // Selects [start, end) and answers as the selecting operations do.
  int SelectBetween(int start, int end);
  // The selection between `from` and the text's end or start, the caret at that end.
  int SelectToEndFromIndex(int from);
  int SelectFromStartToIndex(int to);
};
