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
  void AppendVod(QString& out) const override;
  QString ToText(bool selectedOnly) const override;
  void SetFont(COLORREF colour, const LOGFONT& font, bool selectedOnly, int part) override;
  bool IsWhollySelected() const override;
  bool Normalize() override;

  // Caret editing (editing/row*.cpp): the caret is a gap between children
  // or an active run or structure; a selection is a range of whole children.
  bool SetCaretFromPoint(int x, int y) override;
  CNode* QuerySelection() override;
  void GetSelectionRegion(SelectionGeometry& geometry) override;
  int ExtendSelectionTo(int x, int y) override;
  bool CollapseSelection(bool toEnd) override;
  void InsertText(const QString& text) override;
  bool InsertStructure(int kind, CNode* content, const int* size) override;
  // Pastes a row's children at the caret.
  bool InsertRow(CNode* node) override;
  bool MoveCaret(int key) override;
  // The selection as a new row (or the active child's part of it).
  CNode* CutSelection() override;
  // A new row holding everything after the caret; null while a structure
  // holds the caret.
  CNode* SplitAtCaret(CNode* parent) override;
  bool SaveCaretPath(std::vector<int>& path) const override;
  bool RestoreCaretPath(const std::vector<int>& path, std::size_t& position) override;
  // Drag selections that start or end beyond the row (boxes, across lines).
  virtual int SelectFromStartTo(int x, int y);
  virtual int ExtendSelectionToStart();
  virtual int SelectToEndFrom(int x, int y);
  virtual int ExtendSelectionToEnd();

  // The caret in the gap before child `gap`, nothing active or selected.
  void CaretToGap(int gap);
  // Child `index` holds the caret.
  void ActivateChild(int index);
  // The index of the active child (which must be set).
  int ActiveIndex() const;
  // The range of whole children this row owns, when it owns one.
  bool OwnsRange(int* start, int* end) const { return !m_pActive && SelectedRange(start, end); }
  // The selected range of whole children [start, end), when there is one.
  bool SelectedRange(int* start, int* end) const;

  // Index of a child, 0 when absent.
  virtual int IndexOf(const CNode* node) const;
  // Appends all children of `other` and deletes it.
  void MergeRow(CRowNode* other);
  // Selects every child, the runs at both ends wholly.
  void SelectAll();

 private:
  // A child at an end of the selected range gives only its selected part.
  bool IsRangeEnd(int index, int start, int end) const { return index == start || index == end - 1; }
  void SetFontOfRange(COLORREF colour, const LOGFONT& font, int part);
};
