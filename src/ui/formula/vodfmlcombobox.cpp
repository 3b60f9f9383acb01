#include "ui/formula/vodfmlcombobox.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

#include "formula/control/formulatables.h"
#include "ui/formula/formatbartexts.h"
#include "ui/formula/formulaimages.h"

namespace {
class CFormulaPictureDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return {kFormulaPictureWidth, CVodFmlComboBox::kEntryHeight};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
    const std::vector<QImage>& pictures = BuiltInFormulaPictures();
    const auto i = static_cast<size_t>(index.row());
    if (i >= pictures.size()) return;
    // Combined with AND, as the picture's white lets the highlight through.
    painter->save();
    painter->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter->drawImage(option.rect.left(), option.rect.top() + 2, pictures[i]);
    painter->restore();
    if (option.state & QStyle::State_HasFocus) {
      painter->setPen(QPen(option.palette.color(QPalette::Text), 1, Qt::DotLine));
      painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
  }
};
}  // namespace

CVodFmlComboBox::CVodFmlComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  lineEdit()->setReadOnly(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  setItemDelegate(new CFormulaPictureDelegate(this));
  for (int i = 1; i <= kBuiltInFormulaCount; ++i)
    addItem(QString::fromUtf16(kTextBuiltInEntry).replace(QStringLiteral("%d"), QString::number(i)));
  view()->setMinimumWidth(kDroppedWidth);
  setMaxVisibleItems(400 / kEntryHeight);
  setCurrentIndex(-1);
  setEditText(QString::fromUtf16(kTextBuiltInFormulas));
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (index >= 0) emit formulaChosen(index);
  });
}
