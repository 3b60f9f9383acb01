// A row ("l"): one line of a formula, a sequence of text runs and structures.
#pragma once
#include "formula/containernode.h"

class CRowNode : public CContainerNode {
 public:
  CRowNode();
  // A row whose only child is `content` when it is a text run, else a new
  // empty run (other content is deleted); that run holds the caret.
  CRowNode(CNode* parent, CNode* content);

  // Children side by side on a common baseline; an empty row is a
  // placeholder 0.6 of the font height wide.
  void Layout(CFormulaDC& dc) override;
  void Draw(CFormulaDC& dc) override;
  void DrawSelection(CFormulaDC& dc) override;
  QString ToVod(bool selectedOnly) const override;
  QString ToText(bool selectedOnly) const override;
  void SetFont(COLORREF colour, const LOGFONT& font, bool selectedOnly, int part) override;
  bool IsWhollySelected() const override;
  bool Normalize() override;

  // Index of a child, 0 when absent.
  virtual int IndexOf(const CNode* node) const;
  // Appends all children of `other` and deletes it.
  void MergeRow(CRowNode* other);
  // Selects every child, the runs at both ends wholly.
  void SelectAll();

 private:
  // The selected range of whole children [start, end), when there is one.
  bool SelectedRange(int* start, int* end) const;
  // A child at an end of the selected range gives only its selected part.
  bool IsRangeEnd(int index, int start, int end) const { return index == start || index == end - 1; }
  void SetFontOfRange(COLORREF colour, const LOGFONT& font, int part);
};
