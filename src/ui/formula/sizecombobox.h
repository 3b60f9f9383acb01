// The size box of the format bar: sizes in points from a list or typed.
// A size picked from the list is sent at once (sizeChosen, in twips); a
// typed one when the box loses the focus, after it has been checked (a
// message says why a size is refused).  Enter hands the focus back to the
// editor (enterPressed).  The editor's size at the caret shows in the box
// (ShowSize) unless the user is working in it.
#pragma once
#include <QComboBox>

// What a typed size reads as: nothing, no number, a number outside 1 to
// 1638 points, or a size.
enum class TypedSize { Empty, NotNumber, OutOfRange, Valid };
// Leading blanks and tabs skipped, then a decimal number with nothing but
// blanks and tabs after it; a negative number counts as 0; twips are 20
// times the points, cut toward zero.  *twips is set for Valid only.
TypedSize ParseTypedSize(const QString& text, int* twips);

class CSizeComboBox : public QComboBox {
  Q_OBJECT

 public:
  static constexpr int kStartEntry = 9;  // "26"

  explicit CSizeComboBox(QWidget* parent = nullptr);

  // The box shows the size in whole points, (twips + 10) / 20, selecting
  // the list's entry when there is one.  Ignored while the box has focus.
  void ShowSize(int twips);
  // The typed text checked as the box does when it loses the focus.
  void CheckTypedSize();
  // Whether the focus is in the box (or its edit field or list).
  bool HasFocusWithin() const;

 signals:
  void sizeChosen(int twips);
  void enterPressed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void LostFocus(Qt::FocusReason reason);
  bool m_bTyped = false;  // edited since the last size was sent or refused
};
