// Acting on a modal dialog a test opens: once it is up, and its widgets
// found by their text.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

inline void WhenShown(std::function<void(QDialog&)> act) {
  QTimer::singleShot(10, [act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return WhenShown(act);
    act(*dialog);
  });
}

template <class T>
T* ByText(QDialog& dialog, const char* text) {
  for (T* widget : dialog.findChildren<T*>())
    if (widget->text() == QString::fromUtf8(text)) return widget;
  ADD_FAILURE() << text;
  return nullptr;
}

// Clicks one of the dialog's standard buttons, as a user would.
inline void Press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  dialog.findChild<QDialogButtonBox*>()->button(which)->click();
}

// The dialog's widget of that object name (an edit unless told otherwise).
template <class T = QLineEdit>
T* Child(QDialog& dialog, const char* name) {
  T* child = dialog.findChild<T*>(QString::fromLatin1(name));
  EXPECT_TRUE(child) << name;
  return child;
}
