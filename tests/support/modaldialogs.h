// Acting on a modal dialog a test opens: once it is up, and its widgets
// found by their text.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
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
