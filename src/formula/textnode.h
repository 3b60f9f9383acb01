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
  CTextNode* SiblingWithText(const QString& text, CRowNode* row) const;
  void SelectWhole();
};
