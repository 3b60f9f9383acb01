// The formula editing control without its window: it edits a host's formula
// tree by keys, typed characters, the mouse and commands, keeps the caret
// and selection the root reports after every layout, records undo states
// and draws the memory picture the window shows.  The window (ui/formula/)
// feeds it events and implements IFormulaHost.
//
// Use by a host (the formula and calculation dialogs):
//   CFormulaEditor editor(&host);
//   editor.SetTree(&tree);          // owned by the host, never by the editor
//   tree.SetVod(markup);
//   editor.SaveUndoState();         // the first record: the starting point
//   editor.SetRepaintLevel(2);
//
// All tree work goes through the root box (formula/editing/caretediting.h);
// the editor decides when to call which operation, asks for repaints and
// records the states undo returns to.  Every handler first brings the
// layout up to date, so keys pressed faster than the window repaints still
// act on where the caret really is.
#pragma once
#include <QImage>
#include <QLine>
#include <QPoint>
#include <QSize>
#include <vector>

#include "formula/control/undoredo.h"
#include "formula/editing/caretediting.h"
#include "formula/rect.h"
#include "platform/commandregistry.h"

class CBinTree;
class CFormulaDC;
class CNode;

// What the editor asks of the window it lives in.
class IFormulaHost {
 public:
  virtual ~IFormulaHost() = default;
  // A refusal: a key the formula cannot use, a paste that was cut or refused.
  virtual void Beep() {}
  // The picture must be drawn again.
  virtual void Invalidate(bool /*erase*/) {}
  // On every paint: the laid-out formula's width and height (0, 0 without
  // a formula); the host grows to fit.
  virtual void FormulaSized(int /*width*/, int /*height*/) {}
  // Esc and the Close command: the host closes without OK.
  virtual void CloseHost() {}
  // The OK command: the host closes with OK.
  virtual void AcceptHost() {}
  // Vertical dots per inch of the screen, for point sizes.
  virtual int LogicalDpiY() const { return 96; }
};

// Caret and selection as the root last reported them.
struct CFormulaCaret {
  enum State : int { NOTHING = 0, CARET = 1, SELECTION = 2 };
  COLORREF m_crHighlight = 0xD77800;  // the selection's background
  SelectionGeometry m_geometry;       // caret lines, base line, selection region
  int m_nState = NOTHING;
};

class CFormulaEditor {
 public:
  explicit CFormulaEditor(IFormulaHost* host = nullptr);
  CFormulaEditor(const CFormulaEditor&) = delete;
  CFormulaEditor& operator=(const CFormulaEditor&) = delete;

  void SetTree(CBinTree* tree);
  CBinTree* Tree() const { return m_pTree; }
  CNode* Root() const;

  // 2 lay out again and find the caret; 1 find the caret; 0 just draw.
  // Raising only: a pending layout is never dropped.
  void SetRepaintLevel(int level);
  int RepaintLevel() const { return m_nRepaint; }
  // Lays out and reports caret, selection and the format at them as the
  // repaint level asks; the level becomes 0.
  void UpdateLayout();

  // Input.  Keys are virtual-key codes (formulacommands.h); the mouse
  // points are window coordinates.
  void OnKeyDown(int key, bool ctrl);
  // One typed character (a surrogate pair is one character).
  void OnChar(const QString& character);
  void OnLButtonDown(QPoint point);
  void OnMouseMove(QPoint point);  // with the left button held
  void OnLButtonUp();

  // The control's commands (formulacommands.h and the edit ids).  Running
  // asks the update rule again first: a stale enabled state runs nothing.
  bool RunCommand(unsigned id);
  CCmdUI QueryCommand(unsigned id);
  bool HasCommand(unsigned id) const { return m_commands.HasHandler(id); }

  // From the format bar: a face with its character set, a size in twips,
  // one of the 28 built-in formulas.
  void SetFaceName(const QString& face, BYTE charSet);
  void SetFontSize(int twips);
  void InsertBuiltInFormula(int index);

  // Records the tree as it is now, unless its mark-up is the current record's.
  void SaveUndoState();
  // Lays the formula out on a fresh context and returns its rectangle (empty
  // without a formula); draws nothing.
  RECT PaintFormula();
  // The memory picture: the union of the client area and the formula, on the
  // tree's background, the selection highlighted, the formula drawn.
  // Reports the formula's size to the host.
  QImage RenderPicture(QSize client);
  // The caret (its line and the base line of its row) in window
  // coordinates, when there is a caret and no selection.
  std::vector<QLine> CaretLines() const;

  CUndoRedo m_undo;
  BYTE m_bMouseDown = 0;
  BOOL m_bReadOnly = FALSE;
  COLORREF m_crCurrent = 0;
  LOGFONT m_lfCurrent;  // the format at the caret, or the one chosen next
  CFormulaCaret m_caret;
  QPoint m_ptOffset;  // the picture's point shown at the window's top-left corner

 private:
  void RegisterCommands();
  void OnPlainKey(int key);
  void OnCtrlKey(int key);
  void Repaint(int level);  // raise the level and invalidate
  void Refuse();
  void PrepareContext(CFormulaDC& dc) const;
  // Edits.
  void InsertStructure(unsigned id);
  void InsertNode(CNode* node);
  CNode* ParseDetached(const QString& vod) const;
  void RemoveSelection();
  void Restore(const CUndoRedo::record* state);
  void CycleVariant(int step);
  void EditStyle();
  void SelectAll();
  // Formatting.
  void ApplyCurrentFormat(int part);
  void ToggleBold();
  void ChooseFont();
  // Clipboard and files.
  bool CanPaste() const;
  void Copy();
  void CopyPlainText();
  void Cut(bool copyFirst);
  void Paste();
  void Import();
  void Export();

  IFormulaHost* m_pHost;
  CBinTree* m_pTree = nullptr;
  CCommandRegistry m_commands;
  int m_nRepaint = 2;
  bool m_bLaidOut = false;
};

// The editor's font before the first layout reports one: bold "宋体" of
// height 22, antialiased.
LOGFONT FormulaEditorStartFont();
