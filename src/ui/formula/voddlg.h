// The formula dialog "VOD彩色数学格式文本编辑": the format bar, the
// structure bar and the formula editing control over a tree the dialog
// owns.  It opens on a CVodDlg's mark-up and colours and, on OK, writes the
// mark-up, the control's screen position and the empty flag back; it grows
// with the formula as the control reports its size.
//
// Commands reach the control first: the bars' buttons are the control's
// own actions, except the colour menu (33562) and the symbol grid (33358),
// which the dialog opens and whose choices it hands to the control.
//
// The program's dialog provider runs it for a CVodDlg (see voddlg.cpp).
#pragma once
#include <QDialog>
#include <QPointer>

#include "formula/bintree.h"
#include "formula/control/formuladialogs.h"

class CColorMenu;
class CFormatToolBar;
class CFormulaCtrl;
class CToolBarPopupWnd;
class QTimer;
class QToolBar;

// The dialog's size for a formula of `formula` pixels with the dialog's
// top-left corner at `topLeft` on a screen of `screen` pixels: the formula
// and a margin, kept 12 pixels from the right and 64 from the bottom edge,
// at least 600 x 256.
QSize FittedDialogSize(QSize formula, QPoint topLeft, QSize screen);

// The tool tip in a command's text: what follows the first newline, or the
// whole text without one; at most 80 characters.
QString ToolTipOfCommandText(const QString& text);

inline constexpr unsigned ID_FORMULA_COLOUR_MENU = 33562;
inline constexpr unsigned ID_FORMULA_SYMBOLS = 33358;

class CVodDlgWindow : public QDialog {
  Q_OBJECT

 public:
  // Builds the bars and loads the mark-up (text that does not read opens
  // as an empty formula).
  CVodDlgWindow(const CVodDlg& data, QWidget* parent = nullptr);
  ~CVodDlgWindow() override;

  // The outputs taken at OK (mark-up, position, empty flag).  Nothing is
  // written unless the dialog ended with OK.
  bool StoreOutputs(CVodDlg& data) const;

  CBinTree& Tree() { return m_tree; }
  CFormulaCtrl* Control() const { return m_pCtrl; }
  CFormatToolBar* FormatBar() const { return m_pFormatBar; }
  QToolBar* StructureBar() const { return m_pStructureBar; }
  QAction* ColourAction() const { return m_pColourAction; }
  QAction* SymbolAction() const { return m_pSymbolAction; }
  // The open colour menu and symbol grid, when they are.
  CColorMenu* ColourMenu() const;
  CToolBarPopupWnd* SymbolGrid() const;

  // The control's report of the formula's size: the dialog fits itself.
  void FitToFormula(int width, int height);
  // The bars follow the control: enabled and checked buttons, the face and
  // size at the caret.
  void IdleUpdate();
  void OpenColourMenu();
  void OpenSymbolGrid();
  // A symbol of the grid is typed into the control.
  void OnSymbolPicked(int index);

  void accept() override;

 private:
  void BuildFormatBar();
  void BuildStructureBar();
  void LoadFormula(const CVodDlg& data);
  QPoint BelowButton(QToolBar* bar, QAction* action) const;

  CBinTree m_tree;
  CFormulaCtrl* m_pCtrl = nullptr;
  CFormatToolBar* m_pFormatBar = nullptr;
  QToolBar* m_pStructureBar = nullptr;
  QAction* m_pColourAction = nullptr;
  QAction* m_pSymbolAction = nullptr;
  QPointer<CColorMenu> m_pColourMenu;
  QPointer<CToolBarPopupWnd> m_pSymbolGrid;
  QTimer* m_pIdle = nullptr;
  // Taken at OK.
  bool m_bAccepted = false;
  QString m_strResult;
  QPoint m_ptResult;
  bool m_bResultEmpty = true;
};
