// The label dialog: name, label colour, and the label's switches.  The
// character list puts a letter, digit, prime or Greek letter into the name,
// in place of what was selected in it, and hands the focus back to the name.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editing/dialogs/labels/labeldialogs.h"
#include "editing/dialogs/labels/labeldialogtexts.h"
#include "ui/colors/colorpalettewnd.h"
#include "ui/colors/colorpicker.h"
#include "ui/dialogs/dialogwidgets.h"

namespace {
QStringList NameCharacters() {
  QStringList list;
  const auto range = [&list](char from, char to) {
    for (char c = from; c <= to; ++c) list << QString(QChar(c));
  };
  range('A', 'Z');
  range('0', '3');
  list << QStringLiteral("'") << QStringLiteral("\"");
  range('a', 'h');
  range('k', 'n');
  range('p', 't');
  range('x', 'z');
  for (const char* greek : {"α", "β", "γ", "δ", "ε", "θ", "λ", "π", "ρ", "φ", "ψ", "ω"})
    list << QString::fromUtf8(greek);
  return list;
}

// The name's selection (or caret) as it was when the name lost the focus:
// choosing from the list takes the focus, and losing it clears the
// selection of an edit.
class CNameCaret : public QObject {
 public:
  explicit CNameCaret(QLineEdit* edit) : QObject(edit), m_edit(edit) { edit->installEventFilter(this); }
  // The character replaces the selection or goes in at the caret.
  void Insert(const QString& character) {
    if (m_kept && !m_edit->hasFocus()) m_edit->setSelection(m_start, m_length);
    m_kept = false;
    m_edit->insert(character);
    m_edit->setFocus(Qt::OtherFocusReason);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_edit && event->type() == QEvent::FocusOut) {
      m_start = m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
      m_length = static_cast<int>(m_edit->selectedText().size());
      m_kept = true;
    }
    return false;
  }

 private:
  QLineEdit* m_edit;
  bool m_kept = false;
  int m_start = 0;
  int m_length = 0;
};

QColor QColorOf(COLORREF word) { return QColor(word & 0xFF, (word >> 8) & 0xFF, (word >> 16) & 0xFF); }
COLORREF WordOf(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

const CDialogWidget<CDlgPropertyLabel> labelWidget([](CDlgPropertyLabel& data, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QString::fromUtf8(kCaptionLabelDialog));
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  auto* color = new CColorPicker(&dialog);
  color->SetColor(QColorOf(data.m_crColor));
  form->addRow(QString::fromUtf8("颜色："), color);
  auto* label = new QLineEdit(data.m_strLabel, &dialog);
  label->setObjectName(QStringLiteral("label"));
  auto* caret = new CNameCaret(label);
  auto* characters = new QComboBox(&dialog);
  characters->addItems(NameCharacters());
  characters->setCurrentIndex(-1);
  QObject::connect(characters, &QComboBox::textActivated, label, [caret](const QString& text) { caret->Insert(text); });
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(characters);
  form->addRow(QString::fromUtf8("标签："), row);
  layout->addLayout(form);
  const auto check = [&](const char* text, int on) {
    auto* box = new QCheckBox(QString::fromUtf8(text), &dialog);
    box->setChecked(on != 0);
    layout->addWidget(box);
    return box;
  };
  QCheckBox* show = check("显示标签", data.m_bShowLabel);
  QCheckBox* toSelection = check("将颜色用于选中的对象", data.m_bColorChanged);
  QCheckBox* autoName = check("自动命名", data.m_bAutoName);
  QCheckBox* autoScale = check("自动缩放（应用于选中的点线面圆）", data.m_bAutoScale);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  // The dialog opens on the name, all of it selected.
  label->setFocus(Qt::OtherFocusReason);
  label->selectAll();
  if (dialog.exec() != QDialog::Accepted) return false;
  data.m_strLabel = label->text();
  data.m_crColor = WordOf(color->Color());
  data.m_bShowLabel = show->isChecked();
  data.m_bColorChanged = toSelection->isChecked();
  data.m_bAutoName = autoName->isChecked();
  data.m_bAutoScale = autoScale->isChecked();
  return true;
});
}  // namespace
