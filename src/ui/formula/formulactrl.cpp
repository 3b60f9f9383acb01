#include "ui/formula/formulactrl.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include "formula/bintree.h"
#include "formula/control/formulacommands.h"
#include "formula/drawing/qtfont.h"
#include "ui/formula/formulatexts.h"

namespace {
// The virtual-key code of a Qt key, 0 for keys the control never reads.
int VirtualKey(int key) {
  switch (key) {
    case Qt::Key_Backspace: return vk::Back;
    case Qt::Key_Tab: return vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_End: return vk::End;
    case Qt::Key_Home: return vk::Home;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Delete: return vk::Delete;
    default: return key >= Qt::Key_A && key <= Qt::Key_Z ? key : 0;
  }
}

COLORREF RefOf(const QColor& c) { return COLORREF(c.red() | (c.green() << 8) | (c.blue() << 16)); }

// The text of a command's action: its menu item's, else its short name.
QString CommandText(unsigned id) {
  if (id >= ID_FORMULA_FIRST_STRUCTURE && id <= ID_FORMULA_MATRIX)
    return QString::fromUtf16(kStructureNames[id - ID_FORMULA_FIRST_STRUCTURE]);
  switch (id) {
    case ID_FORMULA_BOLD: return QString::fromUtf16(kTextBold);
    case ID_FORMULA_ITALIC: return QString::fromUtf16(kTextItalic);
    case ID_FORMULA_UNDERLINE: return QString::fromUtf16(kTextUnderline);
    default: break;
  }
  for (size_t i = 0; i < std::size(kFormulaMenuCommands); ++i)
    if (kFormulaMenuCommands[i] == id) return QString::fromUtf16(kFormulaMenuTexts[i]);
  return {};
}
}  // namespace

CFormulaCtrl::CFormulaCtrl(QWidget* parent) : QWidget(parent), m_editor(this) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::ArrowCursor);
  m_editor.m_caret.m_crHighlight = RefOf(palette().color(QPalette::Highlight));
}

CFormulaCtrl::~CFormulaCtrl() { m_caretTimer.stop(); }

void CFormulaCtrl::SetRepaintLevel(int level) {
  m_editor.SetRepaintLevel(level);
  Invalidate(true);
}

void CFormulaCtrl::SetPictureOffset(QPoint offset) {
  m_editor.m_ptOffset = offset;
  update();
}

void CFormulaCtrl::StartCaretTimer(int milliseconds) { m_caretTimer.start(milliseconds, this); }

bool CFormulaCtrl::RunCommand(unsigned id) { return m_editor.RunCommand(id); }

QAction* CFormulaCtrl::CommandAction(unsigned id) {
  if (!HasCommand(id)) return nullptr;
  if (const auto it = m_actions.find(id); it != m_actions.end()) return it->second;
  // Entered once made: memory running out on the way leaves no empty entry.
  auto* action = new QAction(CommandText(id), this);
  action->setData(id);
  action->setCheckable(m_editor.QueryCommand(id).m_bCheckable);
  connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
  m_actions.emplace(id, action);
  return action;
}

void CFormulaCtrl::UpdateActions() {
  for (const auto& [id, action] : m_actions) {
    const CCmdUI ui = m_editor.QueryCommand(id);
    action->setEnabled(ui.m_bEnabled);
    if (ui.m_bCheckable) action->setChecked(ui.m_nCheck != 0);
  }
}

QMenu* CFormulaCtrl::ContextMenu() {
  if (m_pMenu) return m_pMenu;
  m_pMenu = new QMenu(this);
  for (size_t i = 0; i < std::size(kFormulaMenuCommands); ++i) {
    if (kFormulaMenuCommands[i] == 0)
      m_pMenu->addSeparator();
    else
      m_pMenu->addAction(CommandAction(kFormulaMenuCommands[i]));
  }
  return m_pMenu;
}

void CFormulaCtrl::setFaceName(const QString& face, int charSet) { m_editor.SetFaceName(face, BYTE(charSet)); }
void CFormulaCtrl::setFontSize(int twips) { m_editor.SetFontSize(twips); }
void CFormulaCtrl::insertBuiltInFormula(int index) { m_editor.InsertBuiltInFormula(index); }

bool CFormulaCtrl::event(QEvent* event) {
  // Keys the control reads are its own, not shortcuts of the windows around.
  if (event->type() == QEvent::ShortcutOverride && !m_editor.m_bReadOnly) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::AltModifier)) {
      event->accept();
      return true;
    }
  }
  return QWidget::event(event);
}

void CFormulaCtrl::paintEvent(QPaintEvent*) {
  if (m_bPictureDirty) {
    m_picture = m_editor.RenderPicture(size());
    m_bPictureDirty = false;
  }
  QPainter painter(this);
  const QColor background = QColorFromRef(m_editor.Tree() ? m_editor.Tree()->m_crBackground : 0xFFFFFF);
  painter.fillRect(rect(), background);
  painter.drawImage(QPoint(0, 0), m_picture, QRect(m_editor.m_ptOffset, size()));
  if (m_bCaretOn || m_editor.m_bMouseDown) {
    // Drawn inverting what lies below, as a caret should be.
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(QPen(Qt::black, 1));
    for (const QLine& line : m_editor.CaretLines()) painter.drawLine(line);
  }
}

void CFormulaCtrl::keyPressEvent(QKeyEvent* event) {
  if (m_editor.m_bReadOnly) return event->ignore();  // Esc and Enter go to the host
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  const bool ctrl = modifiers & Qt::ControlModifier;
  if (const int key = VirtualKey(event->key())) m_editor.OnKeyDown(key, ctrl);
  // Only characters are typed: not Delete's code, nor what a Ctrl key gives
  // (Ctrl with Alt is the keyboard's third level, which does type).
  if (event->key() != Qt::Key_Delete && (!ctrl || (modifiers & Qt::AltModifier))) TypeText(event->text());
}

void CFormulaCtrl::inputMethodEvent(QInputMethodEvent* event) {
  TypeText(event->commitString());
  event->accept();
}

QVariant CFormulaCtrl::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImEnabled) return !m_editor.m_bReadOnly;
  if (query == Qt::ImCursorRectangle) {
    const std::vector<QLine> caret = m_editor.CaretLines();
    return caret.empty() ? QRect() : QRect(caret[0].p1(), caret[0].p2()).normalized();
  }
  return QWidget::inputMethodQuery(query);
}

void CFormulaCtrl::TypeText(const QString& text) {
  // Each character is typed on its own; a surrogate pair is one character.
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
    if (text[i].unicode() != 0x7F) m_editor.OnChar(text.mid(i, length));
    i += length - 1;
  }
}

void CFormulaCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || m_editor.m_bReadOnly) return;
  setFocus(Qt::MouseFocusReason);
  m_editor.OnLButtonDown(event->position().toPoint());
}

void CFormulaCtrl::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) m_editor.OnMouseMove(event->position().toPoint());
}

void CFormulaCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_editor.OnLButtonUp();
}

void CFormulaCtrl::contextMenuEvent(QContextMenuEvent* event) {
  if (m_editor.m_bReadOnly) return;
  QMenu* menu = ContextMenu();
  UpdateActions();
  const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(5, 5)) : event->globalPos();
  menu->exec(at);
}

void CFormulaCtrl::timerEvent(QTimerEvent* event) {
  if (event->timerId() != m_caretTimer.timerId()) return QWidget::timerEvent(event);
  if (m_editor.m_bMouseDown) return;
  m_bCaretOn = !m_bCaretOn;
  update();
}

void CFormulaCtrl::resizeEvent(QResizeEvent*) { Invalidate(false); }

void CFormulaCtrl::Beep() { QApplication::beep(); }

void CFormulaCtrl::Invalidate(bool) {
  // The picture starts caret-free; the next tick shows the caret.
  m_bPictureDirty = true;
  m_bCaretOn = false;
  update();
}

void CFormulaCtrl::FormulaSized(int width, int height) {
  // Queued: a host that resizes to fit must not do so inside this paint.
  QMetaObject::invokeMethod(this, [this, width, height] { emit formulaSized(width, height); }, Qt::QueuedConnection);
}

void CFormulaCtrl::CloseHost() {
  QMetaObject::invokeMethod(this, [this] { emit closeRequested(); }, Qt::QueuedConnection);
}

void CFormulaCtrl::AcceptHost() {
  QMetaObject::invokeMethod(this, [this] { emit okRequested(); }, Qt::QueuedConnection);
}
