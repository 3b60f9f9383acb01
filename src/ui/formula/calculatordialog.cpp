#include "ui/formula/calculatordialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "formula/calculator/calculatortexts.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/formula/formulactrl.h"

namespace {
bool IsControlCharacter(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }

const CDialogWidget<CDlgCalculator> calculatorWidget([](CDlgCalculator& data, QWidget* parent) {
  // Arrays that do not match would offer values the parser cannot name.
  if (!data.IsValid()) return false;
  CCalculatorDialog dialog(data, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  dialog.Store(data);
  return true;
});
}  // namespace

CCalculatorDialog::CCalculatorDialog(const CDlgCalculator& data, QWidget* parent)
    : QDialog(parent), m_calculator(data) {
  setWindowTitle(data.m_strCaption);
  auto* layout = new QVBoxLayout(this);

  // The formula preview, read-only, in its etched frame with its scroll bar.
  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->setSpacing(0);
  m_pPreview = new CFormulaCtrl(frame);
  m_pPreview->setObjectName(QStringLiteral("preview"));
  m_pPreview->setFixedSize(kPreviewWidth, kPreviewHeight);
  m_pPreview->setFocusPolicy(Qt::NoFocus);
  m_pPreview->SetTree(&m_calculator.Preview());
  m_pPreview->SetReadOnly(true);
  m_pScroll = new QScrollBar(Qt::Horizontal, frame);
  m_pScroll->setObjectName(QStringLiteral("previewScroll"));
  m_pScroll->setSingleStep(kScrollLine);
  m_pScroll->setPageStep(kScrollPage);
  QSizePolicy keepPlace = m_pScroll->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);  // the dialog keeps its size
  m_pScroll->setSizePolicy(keepPlace);
  m_pScroll->hide();
  connect(m_pScroll, &QScrollBar::valueChanged, this,
          [this](int position) { m_pPreview->SetPictureOffset(QPoint(position, 0)); });
  frameLayout->addWidget(m_pPreview);
  frameLayout->addWidget(m_pScroll);
  layout->addWidget(frame, 0, Qt::AlignHCenter);

  m_pMessage = new QLineEdit(QString::fromUtf16(kTextCalculatorPrompt), this);
  m_pMessage->setObjectName(QStringLiteral("message"));
  m_pMessage->setReadOnly(true);
  m_pMessage->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(m_pMessage);
  m_pExpression = new QLineEdit(this);
  m_pExpression->setObjectName(QStringLiteral("expression"));
  layout->addWidget(m_pExpression);

  auto* lists = new QHBoxLayout;
  m_pValues = new QComboBox(this);
  m_pValues->setObjectName(QStringLiteral("values"));
  for (const QString& name : data.m_valueNames) m_pValues->addItem(name);
  m_pFunctions = new QComboBox(this);
  m_pFunctions->setObjectName(QStringLiteral("functions"));
  for (const char16_t* name : kCalculatorFunctions) m_pFunctions->addItem(QString::fromUtf16(name));
  connect(m_pValues, &QComboBox::activated, this, &CCalculatorDialog::ChooseValue);
  connect(m_pFunctions, &QComboBox::activated, this, &CCalculatorDialog::ChooseFunction);
  m_keys.emplace_back(m_pValues, CalcKeyGroup::Operand);
  m_keys.emplace_back(m_pFunctions, CalcKeyGroup::Operand);
  // The dialog keeps its size whatever the names: a long one widens only
  // the list that drops down.
  for (QComboBox* list : {m_pValues, m_pFunctions}) {
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(kListMinimumCharacters);
    QAbstractItemView* drop = list->view();
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
      widest = std::max(widest, drop->fontMetrics().horizontalAdvance(list->itemText(i)));
    drop->setMinimumWidth(widest + 2 * (drop->frameWidth() + kListItemMargin) +
                          drop->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, drop));
    lists->addWidget(list, 1);
  }
  layout->addLayout(lists);

  auto* keypad = new QGridLayout;
  BuildKeypad(keypad, data.m_nMode);
  layout->addLayout(keypad);

  m_pAngle = new QCheckBox(QString::fromUtf16(kTextShowAsAngle), this);
  m_pAngle->setObjectName(QStringLiteral("showAsAngle"));
  m_pAngle->setChecked(data.m_bShowAsAngle != 0);
  m_pAngle->setVisible(data.m_nMode == CDlgCalculator::CALCULATION);
  layout->addWidget(m_pAngle);

  auto* buttons = new QDialogButtonBox(this);
  m_pOk = buttons->addButton(QString::fromUtf16(kTextCalculatorOk), QDialogButtonBox::AcceptRole);
  buttons->addButton(QString::fromUtf16(kTextCalculatorCancel), QDialogButtonBox::RejectRole);
  m_pOk->setDefault(true);
  m_pOk->setEnabled(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Every change of text, caret or selection: a click moves the caret first.
  // Line breaks and control characters go before the handler sees them,
  // however they came in (typed, pasted, preset by the host).
  connect(m_pExpression, &QLineEdit::textChanged, this, &CCalculatorDialog::DropControlCharacters);
  connect(m_pExpression, &QLineEdit::textChanged, this, &CCalculatorDialog::RunChange);
  connect(m_pExpression, &QLineEdit::cursorPositionChanged, this, &CCalculatorDialog::RunChange);
  connect(m_pExpression, &QLineEdit::selectionChanged, this, &CCalculatorDialog::RunChange);
  m_pExpression->setText(data.m_strExpression);
  m_pExpression->setFocus();
  RunChange();
}

CCalculatorDialog::~CCalculatorDialog() {
  // The preview outlives this object's members, among them its tree.
  m_pPreview->SetTree(nullptr);
}

void CCalculatorDialog::BuildKeypad(QGridLayout* grid, int mode) {
  int place = 0;
  for (const CCalculatorKey& key : kCalculatorKeys) {
    auto* button = new QPushButton(QString::fromUtf16(key.text), this);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setVisible(KeyShownInMode(key.variable, mode));
    if (key.inserts) {
      const QString inserts = QString::fromUtf16(key.inserts);
      connect(button, &QPushButton::clicked, this, [this, inserts] { InsertAtCaret(inserts); });
    } else {
      connect(button, &QPushButton::clicked, this, &CCalculatorDialog::DeleteBack);
    }
    grid->addWidget(button, place / kCalculatorKeysPerRow, place % kCalculatorKeysPerRow);
    ++place;
    m_keys.emplace_back(button, key.group);
  }
}

void CCalculatorDialog::RunChange() {
  const QString text = m_pExpression->text();
  const int selectionEnd =
      m_pExpression->hasSelectedText() ? m_pExpression->selectionEnd() : m_pExpression->cursorPosition();
  if (selectionEnd == m_nLastSelectionEnd && text == m_strLastText) return;
  m_strLastText = text;
  m_nLastSelectionEnd = selectionEnd;
  m_state = m_calculator.Change(text, selectionEnd);
  for (const auto& [widget, group] : m_keys) widget->setEnabled(m_state.Enabled(group));
  m_pMessage->setText(m_state.m_strMessage);
  m_pMessage->setCursorPosition(0);
  m_pOk->setEnabled(m_state.m_bParsed);
  if (m_state.m_bParsed) FitPreview();
}

void CCalculatorDialog::FitPreview() {
  m_pPreview->SetRepaintLevel(2);
  const CPreviewScroll scroll = ::FitPreview(m_pPreview->PaintFormula(), m_pPreview->width());
  m_pScroll->setVisible(scroll.m_bShown);
  m_pScroll->setRange(0, scroll.m_nRange);
  m_pScroll->setValue(scroll.m_nOffset);
  // Also when the position did not change: the picture is a new formula's.
  m_pPreview->SetPictureOffset(QPoint(m_pScroll->value(), 0));
}

void CCalculatorDialog::InsertAtCaret(const QString& text) {
  m_pExpression->insert(text);  // the handler runs on the change
  m_pExpression->setFocus();
}

void CCalculatorDialog::DeleteBack() {
  const bool selected = m_pExpression->hasSelectedText();
  const int end = selected ? m_pExpression->selectionEnd() : m_pExpression->cursorPosition();
  const int start = std::max(0, (selected ? m_pExpression->selectionStart() : end) - 1);
  if (end > start) {
    m_pExpression->setSelection(start, end - start);
    m_pExpression->del();
  }
  m_pExpression->setFocus();
}

void CCalculatorDialog::ChooseFunction(int index) {
  if (index <= 0) return;
  const QString call = m_pFunctions->itemText(index) + QStringLiteral("(");
  m_pFunctions->setCurrentIndex(0);
  InsertAtCaret(call);
}

void CCalculatorDialog::ChooseValue(int index) {
  // Entry p (from 0) is value p + 1, the parser's "No" p + 1.
  if (index < 0) return;
  m_pValues->setCurrentIndex(0);
  InsertAtCaret(QStringLiteral("No%1").arg(index + 1));
}

void CCalculatorDialog::DropControlCharacters(const QString& text) {
  if (std::none_of(text.cbegin(), text.cend(), IsControlCharacter)) return;
  int cursor = m_pExpression->cursorPosition();
  QString kept;
  kept.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!IsControlCharacter(text[i]))
      kept += text[i];
    else if (i < cursor)
      --cursor;
  }
  m_pExpression->setText(kept);
  m_pExpression->setCursorPosition(cursor);
}

void CCalculatorDialog::Store(CDlgCalculator& data) {
  RunChange();
  data.m_strExpression = m_pExpression->text();
  data.m_strResultVod = m_calculator.ResultVod();
  data.m_bShowAsAngle = m_pAngle->isChecked() ? 1 : 0;
}
