#include "ui/formula/fontcombobox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "formula/control/formulaformat.h"
#include "formula/drawing/symbolfont.h"
#include "render/fontsubstitutions.h"
#include "ui/formula/formatbartexts.h"
#include "ui/formula/formulaimages.h"

namespace {
constexpr int kNameOffset = 18;  // after the marker
constexpr int kTextLimit = 32;

QFont FaceFont(const QString& face) {
  QFont font(face);
  font.setPixelSize(16);
  return font;
}

// A symbol face's sample, as the symbol font would show it: its signs in a
// face that has them.
QString SymbolSample() { return MapSymbolText(QString::fromUtf16(kSymbolFaceSample), true); }
QFont SymbolSampleFont() { return FaceFont(SymbolSignFaces().value(0)); }

// Marker, then the name in its own face (a symbol face: the name in the
// box's font and a sample in the face); a double line closes the section.
class CFaceDelegate : public QStyledItemDelegate {
 public:
  CFaceDelegate(const CFontComboBox* box) : QStyledItemDelegate(const_cast<CFontComboBox*>(box)), m_box(box) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width() + kNameOffset, CFontComboBox::kEntryHeight};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(r, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->save();
    painter->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter->drawImage(r.left(), r.top() + 2, FaceMarkerPicture());
    painter->restore();
    const QString face = index.data().toString();
    QRect text = r.adjusted(kNameOffset, 0, 0, 0);
    if (m_box->CharSetOf(face) == SYMBOL_CHARSET) {
      painter->setFont(m_box->font());
      painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft, face);
      text.setLeft(text.left() + m_box->fontMetrics().horizontalAdvance(face) + 2);
      painter->setFont(SymbolSampleFont());
      painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft, SymbolSample());
    } else {
      painter->setFont(FaceFont(face));
      painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft, face);
    }
    if (index.row() == m_box->RecentCount() - 1) {
      painter->setPen(option.palette.color(QPalette::Text));
      painter->drawLine(r.left(), r.bottom() - 3, r.right(), r.bottom() - 3);
      painter->drawLine(r.left(), r.bottom() - 1, r.right(), r.bottom() - 1);
    }
  }

 private:
  const CFontComboBox* m_box;
};
}  // namespace

QStringList AvailableFaces() {
  QStringList faces = QFontDatabase::families();
  for (const FontSubstitution& s : FontSubstitutions()) faces << s.face;
  faces << QStringLiteral("Symbol");
  faces.removeIf([](const QString& face) { return face.isEmpty() || face.startsWith(u'@'); });
  std::sort(faces.begin(), faces.end(),
            [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
  faces.erase(std::unique(faces.begin(), faces.end()), faces.end());
  return faces;
}

CFontComboBox::CFontComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);  // completion is the box's own, from the list
  lineEdit()->setMaxLength(kTextLimit);
  setItemDelegate(new CFaceDelegate(this));
  setMaxVisibleItems(320 / kEntryHeight);
  lineEdit()->installEventFilter(this);
  connect(lineEdit(), &QLineEdit::textEdited, this, &CFontComboBox::Complete);
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (index >= 0) Choose(itemText(index));
  });
}

void CFontComboBox::FillFontList(const QStringList& faces, int recentSize) {
  clear();
  m_charSets.clear();
  m_recent.clear();
  m_nRecent = 0;
  m_nRecentSize = recentSize;
  QStringList sorted;
  for (const QString& face : faces)
    if (!face.startsWith(u'@') && !m_charSets.contains(face)) {
      m_charSets.emplace(face, CharSetOfFace(face));
      sorted << face;
    }
  std::sort(sorted.begin(), sorted.end(),
            [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
  addItems(sorted);
  int widest = 0;
  for (const QString& face : sorted) {
    int width = QFontMetrics(FaceFont(face)).horizontalAdvance(face);
    if (CharSetOf(face) == SYMBOL_CHARSET)
      width = fontMetrics().horizontalAdvance(face) + 2 +
              QFontMetrics(SymbolSampleFont()).horizontalAdvance(SymbolSample());
    widest = std::max(widest, width);
  }
  view()->setMinimumWidth(widest + kNameOffset);
  for (const char16_t* face : kStartRecentFaces) MoveToRecent(QString::fromUtf16(face));
}

QStringList CFontComboBox::RecentFaces() const {
  QStringList faces;
  for (int i = 0; i < m_nRecent; ++i) faces << itemText(i);
  return faces;
}

void CFontComboBox::MoveToRecent(const QString& face) {
  if (!IsKnownFace(face)) return;
  if (m_recent.contains(face)) {
    for (int i = 0; i < m_nRecent; ++i)
      if (itemText(i) == face) {
        removeItem(i);
        break;
      }
    insertItem(0, face);
  } else {
    if (m_nRecent >= m_nRecentSize && m_nRecent > 0) {
      m_recent.erase(itemText(m_nRecent - 1));
      removeItem(m_nRecent - 1);
      --m_nRecent;
    }
    insertItem(0, face);
    m_recent.insert(face);
    ++m_nRecent;
  }
  setCurrentIndex(0);
}

bool CFontComboBox::HasFocusWithin() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus && (focus == this || isAncestorOf(focus));
}

void CFontComboBox::ShowFace(const QString& face) {
  if (HasFocusWithin()) return;
  const int entry = findText(face, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (entry >= 0) {
    if (currentIndex() != entry) setCurrentIndex(entry);
    return;
  }
  setCurrentIndex(-1);
  setEditText(QString());
}

void CFontComboBox::Complete(const QString& typed) {
  // Only typing completes: after a deletion the text stays as it is.
  const bool grew = typed.size() > m_strTyped.size();
  m_strTyped = typed;
  if (!grew || typed.isEmpty()) return;
  for (int i = 0; i < count(); ++i) {
    const QString entry = itemText(i);
    if (entry.startsWith(typed, Qt::CaseInsensitive)) {
      lineEdit()->setText(entry);
      lineEdit()->setSelection(static_cast<int>(typed.size()), static_cast<int>(entry.size() - typed.size()));
      return;
    }
  }
}

void CFontComboBox::Choose(const QString& face) {
  m_strTyped.clear();
  emit faceChosen(face, CharSetOf(face));
  MoveToRecent(face);
}

bool CFontComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      const int entry = findText(lineEdit()->text(), Qt::MatchFixedString);
      Choose(entry >= 0 ? itemText(entry) : lineEdit()->text());
      return true;
    }
  }
  return QComboBox::eventFilter(watched, event);
}
