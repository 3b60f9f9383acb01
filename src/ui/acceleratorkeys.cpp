#include "ui/acceleratorkeys.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
bool IsTypingField(const QWidget* widget) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) return !edit->isReadOnly();
  if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget)) return !spin->isReadOnly();
  if (const auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->isEditable();
  if (const auto* text = qobject_cast<const QTextEdit*>(widget)) return !text->isReadOnly();
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget)) return !plain->isReadOnly();
  return false;
}

// Shift selects as the caret moves, so it keeps the key a text field's too.
bool IsTextFieldKey(const QKeyEvent& key) {
  if (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) return false;
  switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Space:
      return true;
    default:
      return false;
  }
}
}  // namespace

CAcceleratorKeys::CAcceleratorKeys(QWidget* window) : QObject(window), m_pWindow(window) {
  qApp->installEventFilter(this);
}

bool CAcceleratorKeys::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (widget->window() != m_pWindow) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  // Offered first to the widget with the focus: a field takes its keys
  // before any shortcut sees them.
  if (type == QEvent::ShortcutOverride) {
    if (!IsTypingField(widget) || !IsTextFieldKey(key)) return false;
    event->accept();
    return true;
  }
  if (IsTypingField(widget)) return false;
  // A key press that reaches anything else either came up from a field
  // that had no use for it or is an accelerator whose command is off.
  const QWidget* focus = m_pWindow->focusWidget();
  if (focus && IsTypingField(focus) && IsTextFieldKey(key) && widget->isAncestorOf(focus)) return true;
  return IsAccelerator(key);
}

bool CAcceleratorKeys::IsAccelerator(const QKeyEvent& key) const {
  const QKeySequence pressed(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
  for (const QAction* action : m_pWindow->actions())
    if (action->shortcutContext() == Qt::WindowShortcut && action->shortcuts().contains(pressed)) return true;
  return false;
}
