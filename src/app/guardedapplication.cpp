#include "app/guardedapplication.h"

#include <QEvent>
#include <QMainWindow>
#include <QWidget>
#include <optional>

#include "platform/editscope.h"
#include "platform/failureguard.h"

namespace {
// The events through which a user edits outside the command registry and
// the view's tools (keys, the object list's clicks, a drop): the page
// settles after each, as after a command; one that touches no cell costs
// nothing.  Keys count in the main window only: typing into a separate
// editor or dialog changes no cell until it is applied (by a click, or
// inside the command that opened it).
bool MayEdit(const QObject* receiver, const QEvent& event) {
  switch (event.type()) {
    case QEvent::KeyPress: {
      const auto* widget = qobject_cast<const QWidget*>(receiver);
      return widget && qobject_cast<const QMainWindow*>(widget->window());
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}
}  // namespace

bool CGuardedApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  std::optional<CEditScope> edit;
  if (event && MayEdit(receiver, *event)) edit.emplace();
  RunGuarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}
