#include "app/guardedapplication.h"

#include <QEvent>
#include <optional>

#include "platform/editscope.h"
#include "platform/failureguard.h"

namespace {
// The events through which a user edits outside the command registry and
// the view's tools (keys, the object list's clicks, a drop): the page
// settles after each, as after a command.
bool MayEdit(const QEvent& event) {
  switch (event.type()) {
    case QEvent::KeyPress:
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
  if (event && MayEdit(*event)) edit.emplace();
  RunGuarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}
