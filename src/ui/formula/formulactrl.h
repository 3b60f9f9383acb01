// The formula editing control: a window that shows one formula tree and
// lets the user edit it by mouse, keys, typed (and input-method) text and
// context menu 261.  CFormulaEditor holds all state and edits; this widget
// turns Qt events into its input, shows its memory picture and blinks the
// caret over it.
//
// A host (the formula dialog, the calculation dialog) owns the tree:
//   auto* ctrl = new CFormulaCtrl(this);
//   ctrl->SetTree(&m_tree);
//   m_tree.SetVod(markup);
//   ctrl->SaveUndoState();           // the first undo record
//   ctrl->StartCaretTimer();         // 500 ms blink
//   ctrl->setFocus();
// and connects formulaSized (fit the window to the formula), okRequested
// and closeRequested (close with or without OK).  Commands of the host's
// bars go to RunCommand first (the control's own commands, ids in
// formula/control/formulacommands.h); CommandAction gives the QAction of an
// id for buttons, kept up to date by UpdateActions.
#pragma once
#include <QBasicTimer>
#include <QImage>
#include <QWidget>
#include <unordered_map>

#include "formula/control/formulaeditor.h"

class QAction;
class QMenu;

class CFormulaCtrl : public QWidget, private IFormulaHost {
  Q_OBJECT

 public:
  explicit CFormulaCtrl(QWidget* parent = nullptr);
  ~CFormulaCtrl() override;

  void SetTree(CBinTree* tree) { m_editor.SetTree(tree); }
  CFormulaEditor& Editor() { return m_editor; }
  void SaveUndoState() { m_editor.SaveUndoState(); }
  // The formula's laid-out rectangle, measured without drawing.
  RECT PaintFormula() { return m_editor.PaintFormula(); }
  void SetRepaintLevel(int level);
  // A host that only shows a formula: no keys, typing, mouse or menu.
  void SetReadOnly(bool readOnly) { m_editor.m_bReadOnly = readOnly; }
  // The picture's point shown at the top-left corner (scrolls wide formulas).
  void SetPictureOffset(QPoint offset);
  void StartCaretTimer(int milliseconds = 500);

  bool RunCommand(unsigned id);
  bool HasCommand(unsigned id) const { return m_editor.HasCommand(id); }
  // The action of one of the control's commands (its id as data).
  QAction* CommandAction(unsigned id);
  // Enables and checks every action as its command's update rule says.
  void UpdateActions();
  // The context menu (menu 261), built once.
  QMenu* ContextMenu();

 public slots:
  // The format bar's face (with its character set), size in twips and
  // built-in formula.
  void setFaceName(const QString& face, int charSet);
  void setFontSize(int twips);
  void insertBuiltInFormula(int index);

 signals:
  // After every paint of the picture: the formula's size in pixels.
  void formulaSized(int width, int height);
  void okRequested();
  void closeRequested();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool focusNextPrevChild(bool) override { return false; }  // Tab stays here

 private:
  // IFormulaHost.
  void Beep() override;
  void Invalidate(bool erase) override;
  void FormulaSized(int width, int height) override;
  void CloseHost() override;
  void AcceptHost() override;
  int LogicalDpiY() const override { return logicalDpiY(); }

  void TypeText(const QString& text);

  CFormulaEditor m_editor;
  QImage m_picture;
  bool m_bPictureDirty = true;
  bool m_bCaretOn = false;  // the blink's phase
  QBasicTimer m_caretTimer;
  std::unordered_map<unsigned, QAction*> m_actions;  // not a QHash: its insert cannot throw
  QMenu* m_pMenu = nullptr;
};
