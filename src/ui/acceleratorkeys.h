// The window-wide accelerator keys of a main window, where text is typed.
// A text field being typed in (the object list's rename box, an edit box,
// a spin box, an editable combo box, a text edit) keeps the keys a text
// field uses: the arrows, Home, End, PageUp, PageDown and Space, alone or
// with Shift.  Such a key the field has no use for goes no further: an Up
// in the rename box must not move the list's highlight, which would end
// the edit.  Anywhere else in the window an accelerator key belongs to its
// command, and when the command has nothing to do (PageDown on the last
// page) the key does nothing rather than fall to the list or button that
// has the focus.
#pragma once
#include <QObject>

class QKeyEvent;
class QWidget;

class CAcceleratorKeys : public QObject {
 public:
  // Watches the keys of `window`, which owns it.  The watch is
  // application-wide, as a rename box comes and goes at any time.
  explicit CAcceleratorKeys(QWidget* window);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool IsAccelerator(const QKeyEvent& key) const;

  QWidget* m_pWindow;
};
