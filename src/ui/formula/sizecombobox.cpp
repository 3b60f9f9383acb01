#include "ui/formula/sizecombobox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <cmath>

#include "formula/control/formulaformat.h"
#include "platform/notifier.h"
#include "ui/formula/formatbartexts.h"

namespace {
constexpr int kMinTwips = 20;
constexpr int kMaxTwips = 32760;  // 1638 points
constexpr int kTextLimit = 4;

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The decimal number at the start of `text` (sign, digits, point,
// exponent); the characters it took, 0 when there is none.
qsizetype ReadNumber(QStringView text, double* value) {
  qsizetype i = 0;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
  qsizetype digits = 0;
  while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) ++i, ++digits;
  if (i < text.size() && text[i] == u'.') {
    ++i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) ++i, ++digits;
  }
  if (digits == 0) return 0;
  qsizetype end = i;
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    qsizetype j = i + 1;
    if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) ++j;
    const qsizetype first = j;
    while (j < text.size() && text[j].isDigit() && text[j].unicode() < 128) ++j;
    if (j > first) end = j;
  }
  *value = text.left(end).toString().toDouble();
  return end;
}
}  // namespace

TypedSize ParseTypedSize(const QString& text, int* twips) {
  qsizetype start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  const QStringView rest = QStringView(text).mid(start);
  if (rest.isEmpty()) return TypedSize::Empty;
  double points = 0;
  const qsizetype used = ReadNumber(rest, &points);
  if (used == 0) return TypedSize::NotNumber;
  for (qsizetype i = used; i < rest.size(); ++i)
    if (!IsBlank(rest[i])) return TypedSize::NotNumber;
  const double size = points < 0 ? 0.0 : std::trunc(points * 20);
  if (!(size >= kMinTwips && size <= kMaxTwips)) return TypedSize::OutOfRange;
  *twips = static_cast<int>(size);
  return TypedSize::Valid;
}

CSizeComboBox::CSizeComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  lineEdit()->setMaxLength(kTextLimit);
  for (const int points : kFontSizePoints) addItem(QString::number(points));
  setCurrentIndex(kStartEntry);
  setMaxVisibleItems(6);  // a list about 100 pixels tall
  lineEdit()->installEventFilter(this);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_bTyped = true; });
  connect(this, &QComboBox::activated, this, [this](int index) {
    m_bTyped = false;
    if (index >= 0 && index < count()) emit sizeChosen(kFontSizePoints[index] * 20);
  });
}

bool CSizeComboBox::HasFocusWithin() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus && (focus == this || isAncestorOf(focus));
}

void CSizeComboBox::ShowSize(int twips) {
  if (HasFocusWithin()) return;
  const QString text = QString::number(PointsOfTwips(twips));
  const int entry = findText(text, Qt::MatchExactly);
  if (entry >= 0) {
    if (currentIndex() != entry) setCurrentIndex(entry);
    return;
  }
  setCurrentIndex(-1);
  setEditText(text);
}

void CSizeComboBox::CheckTypedSize() {
  m_bTyped = false;
  int twips = 0;
  switch (ParseTypedSize(lineEdit()->text(), &twips)) {
    case TypedSize::Empty: return;
    case TypedSize::NotNumber:
      KvMessageBox(QString::fromUtf16(kTextSizeNotNumber), QString(), MB_OK | MB_ICONINFORMATION);
      return;
    case TypedSize::OutOfRange:
      KvMessageBox(QString::fromUtf16(kTextSizeOutOfRange), QString(), MB_OK | MB_ICONINFORMATION);
      return;
    case TypedSize::Valid: emit sizeChosen(twips); return;
  }
}

void CSizeComboBox::LostFocus(Qt::FocusReason reason) {
  // Opening the list moves the focus within the box: not a loss.
  if (reason == Qt::PopupFocusReason || HasFocusWithin() || !m_bTyped) return;
  CheckTypedSize();
}

bool CSizeComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit()) {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit enterPressed();
        return true;
      }
    } else if (event->type() == QEvent::FocusOut) {
      LostFocus(static_cast<QFocusEvent*>(event)->reason());
    }
  }
  return QComboBox::eventFilter(watched, event);
}

void CSizeComboBox::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  LostFocus(event->reason());
}
