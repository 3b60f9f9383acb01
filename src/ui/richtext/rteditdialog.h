// The rich-text editor "RTF单色普通文本编辑": the format bar in rich-text
// mode above a text editor.  It opens on a CDlgRtEdit's text and, on OK,
// renders the text into the mask the scene shows (richtextrender.h); an
// empty text cannot be confirmed.  The dialog's height follows the text.
//
// The program's dialog provider runs it for a CDlgRtEdit (rteditdialog.cpp).
#pragma once
#include <QDialog>
#include <QPointer>
#include <QTextEdit>
#include <functional>
#include <map>

#include "richtext/rteditdata.h"
#include "richtext/richtextformat.h"

class CFormatToolBar;
class CToolBarPopupWnd;
class QMenu;
class QTimer;

// The editor: pasted RTF goes through our own reader; a double click on a
// formula's picture asks for the formula to be edited.
class CRichTextEdit : public QTextEdit {
 public:
  explicit CRichTextEdit(QWidget* parent = nullptr);

  // Called with the picture's position; true when it took the click.
  std::function<bool(int)> m_editFormulaAt;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

class CDlgRtEditWindow : public QDialog {
  Q_OBJECT

 public:
  // Command ids of the bar's buttons.
  enum : unsigned {
    kOk = 1,
    kUndo = 33341,
    kRedo = 33342,
    kCut = 33343,
    kCopy = 33344,
    kPaste = 33345,
    kSubscript = 33349,
    kSuperscript = 33350,
    kBold = 33352,
    kItalic = 33353,
    kUnderline = 33354,
    kSymbols = 33358,
    kFormula = 33359,
    kParagraph = 33340,
    kSelectAll = 33346,
    kFont = 33347,
    kDelete = 33348,
    kInsertObject = 33351,
  };

  explicit CDlgRtEditWindow(const CDlgRtEdit& data, QWidget* parent = nullptr);

  // Whether the input text was read whole.
  bool ReadWhole() const { return m_bReadWhole; }
  // The outputs taken at OK; false (data untouched) unless it ended so.
  bool StoreOutputs(CDlgRtEdit& data) const;

  CRichTextEdit* Editor() const { return m_pEditor; }
  CFormatToolBar* FormatBar() const { return m_pFormatBar; }
  QAction* Action(unsigned id) const;
  CToolBarPopupWnd* SymbolGrid() const;
  // Pixels around the editor's text area (measured once the bar is laid out).
  QSize Extra() const { return m_extra; }

  void ApplyFormat(RichFormat command);
  void OpenSymbolGrid();
  void OnSymbolPicked(int index);
  // The formula dialog: a new formula at the caret, or the formula whose
  // picture is at `position` edited in place.  False when there was none.
  void InsertNewFormula();
  bool EditFormulaAt(int position);
  // The editor's context menu (the caller owns it), and its two dialogs.
  QMenu* ContextMenu();
  void OpenParagraphDialog();
  void OpenFontDialog();
  // A picture file chosen by the user, in place of the selection.
  void InsertPicture();
  // The buttons follow the selection: checked effects, enabled edits, the
  // face and size at the caret.
  void IdleUpdate();
  // The editor's text asks for `height` pixels; the window stays within its
  // screen's free area.
  void FitToText(int height);

  void accept() override;

 private:
  QAction* AddAction(unsigned id, const QIcon& icon, const char16_t* text);
  // Runs the formula dialog on `markup`; the new picture replaces `replaced`.
  void RunFormulaDialog(const QString& markup, QTextCursor replaced);
  void BuildFormatBar();

  CRichTextEdit* m_pEditor = nullptr;
  CFormatToolBar* m_pFormatBar = nullptr;
  std::map<unsigned, QAction*> m_actions;
  QAction* m_pSecondOk = nullptr;
  QPointer<CToolBarPopupWnd> m_pSymbolGrid;
  QTimer* m_pIdle = nullptr;
  QSize m_extra{16, 65};
  bool m_bReadWhole = true;
  bool m_bAccepted = false;
  CDlgRtEdit m_result;
};
