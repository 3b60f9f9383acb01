// The widgets of the formula control's dialogs: matrix size, structure
// style and font (their data: formula/control/formuladialogs.h).
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "formula/control/formuladialogs.h"
#include "formula/control/formulaformat.h"
#include "formula/control/structurestyle.h"
#include "formula/drawing/painterdc.h"
#include "formula/drawing/symbolfont.h"
#include "formula/structurenodes.h"
#include "platform/notifier.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/formula/formulatexts.h"

namespace {
QDialogButtonBox* OkCancel(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

// A side typed into `edit`; on a value outside 1 .. 10 the user is told and
// the field keeps the focus.
bool ReadSide(QLineEdit* edit, int* side) {
  bool number = false;
  const int value = edit->text().trimmed().toInt(&number);
  if (number && CDlgMatrix::InRange(value)) {
    *side = value;
    return true;
  }
  KvMessageBox(RangeMessage(CDlgMatrix::kMin, CDlgMatrix::kMax, true), QString::fromUtf16(kTextMatrixTitle),
               MB_OK | MB_ICONWARNING);
  edit->setFocus();
  edit->selectAll();
  return false;
}

const CDialogWidget<CDlgMatrix> matrixWidget([](CDlgMatrix& data, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf16(kTextMatrixTitle));
  auto* form = new QFormLayout(&dialog);
  auto* rows = new QLineEdit(QString::number(data.m_nRows), &dialog);
  auto* columns = new QLineEdit(QString::number(data.m_nCols), &dialog);
  rows->setObjectName(QStringLiteral("rows"));
  columns->setObjectName(QStringLiteral("columns"));
  form->addRow(QString::fromUtf16(kTextMatrixRows), rows);
  form->addRow(QString::fromUtf16(kTextMatrixColumns), columns);
  QDialogButtonBox* buttons = OkCancel(dialog);
  form->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    if (ReadSide(rows, &data.m_nRows) && ReadSide(columns, &data.m_nCols)) dialog.accept();
  });
  return dialog.exec() == QDialog::Accepted;
});

// The picture of an arrow style: the arrows structure's own sign.
QIcon ArrowStyleIcon(int variant) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(Qt::white);
  CPainterDC dc(&image);
  dc.SelectPen({0, 1});
  CArrowsNode arrow;
  arrow.m_nType = variant;
  arrow.m_rcPlacedInner = {1, 5, 15, 11};
  arrow.DrawText(dc);
  return QIcon(QPixmap::fromImage(image));
}

// A symbol-font text shown as the signs of its codes: each character typed
// shows as the sign the symbol font draws for it.
class CSymbolEdit : public QLineEdit {
 public:
  CSymbolEdit(const QString& codes, QWidget* parent) : QLineEdit(MapSymbolText(codes, true), parent) {
    m_strShown = text();
    connect(this, &QLineEdit::textEdited, this, [this](const QString& now) { MapTyped(now); });
  }
  // The codes of the signs shown (characters without a sign as they are).
  QString Codes() const {
    QString codes = text();
    for (QChar& c : codes)
      if (const int code = SymbolCodeOfSign(c)) c = QChar(char16_t(code));
    return codes;
  }

 private:
  // Only what was just typed is mapped: a sign already shown stays.
  void MapTyped(const QString& now) {
    qsizetype head = 0, tail = 0;
    while (head < now.size() && head < m_strShown.size() && now[head] == m_strShown[head]) ++head;
    while (tail < now.size() - head && tail < m_strShown.size() - head &&
           now[now.size() - 1 - tail] == m_strShown[m_strShown.size() - 1 - tail])
      ++tail;
    const qsizetype typed = now.size() - head - tail;
    const QString mapped = now.left(head) + MapSymbolText(now.mid(head, typed), true) + now.right(tail);
    const int cursor = cursorPosition();
    m_strShown = mapped;
    setText(mapped);
    setCursorPosition(cursor);
  }
  QString m_strShown;
};

const CDialogWidget<CDlgVodNodeType> styleWidget([](CDlgVodNodeType& data, QWidget* parent) {
  QDialog dialog(parent);
  auto* layout = new QVBoxLayout(&dialog);
  QComboBox* list = nullptr;
  QLineEdit* edit = nullptr;
  CSymbolEdit* symbols = nullptr;
  if (data.m_nMode == CDlgVodNodeType::LIST) {
    dialog.setWindowTitle(QString::fromUtf16(kTextArrowStyleTitle));
    list = new QComboBox(&dialog);
    list->setIconSize(QSize(16, 16));
    const int count = std::clamp(data.m_nCount, 0, kArrowStyleCount);
    for (int i = 0; i < count; ++i) list->addItem(ArrowStyleIcon(i), QString::fromUtf16(kArrowStyleNames[i]));
    list->setCurrentIndex(data.m_nSel);
    layout->addWidget(list);
  } else {
    dialog.setWindowTitle(QString::fromUtf16(kTextSymbolStyleTitle));
    if (data.m_nMode == CDlgVodNodeType::SYMBOL)
      edit = symbols = new CSymbolEdit(data.m_strText, &dialog);
    else
      edit = new QLineEdit(data.m_strText, &dialog);
    layout->addWidget(edit);
  }
  QDialogButtonBox* buttons = OkCancel(dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (list) data.m_nSel = list->currentIndex();
  if (edit) data.m_strText = symbols ? symbols->Codes() : edit->text();
  return true;
});

const CDialogWidget<CDlgFormulaFont> fontWidget([](CDlgFormulaFont& data, QWidget* parent) {
  const int dpi = data.m_nDpi > 0 ? data.m_nDpi : 96;
  QFont initial = QtFontFor(data.m_lf);
  initial.setPointSizeF(initial.pixelSize() * 72.0 / dpi);
  QFontDialog dialog(initial, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QFont chosen = dialog.selectedFont();
  data.m_lf.lfFaceName = FitFaceName(chosen.family());
  data.m_lf.lfCharSet = CharSetOfFace(chosen.family());
  // As the system's font dialog gives it: the character (em) height.
  data.m_lf.lfHeight = -MulDiv(qRound(chosen.pointSizeF()), dpi, 72);
  data.m_lf.lfWeight = chosen.weight();
  data.m_lf.lfItalic = chosen.italic();
  data.m_lf.lfUnderline = chosen.underline();
  return true;
});
}  // namespace
