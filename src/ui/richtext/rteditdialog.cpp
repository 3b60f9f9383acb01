#include "ui/richtext/rteditdialog.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QFontDialog>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/filechooser.h"
#include "platform/notifier.h"
#include "formula/bintree.h"
#include "formula/control/formuladialogs.h"
#include "richtext/keptobjects.h"
#include "richtext/paraformat.h"
#include "richtext/richtextformula.h"
#include "richtext/richtextrender.h"
#include "richtext/rtfformat.h"
#include "richtext/rtfreader.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/formula/formatbar.h"
#include "ui/formula/formatbartexts.h"
#include "ui/formula/formulaimages.h"
#include "ui/formula/symbolgrid.h"
#include "ui/formula/voddlg.h"
#include "ui/richtext/richtexttexts.h"

namespace {
constexpr int kIdleMilliseconds = 150;

const char* const kRtfMimeTypes[] = {"text/rtf", "application/rtf", "text/richtext"};

// OK, face and size, the character effects, the symbol grid, the clipboard,
// undo and redo, OK again.
const std::vector<unsigned> kFormatBar = {
    CDlgRtEditWindow::kOk,        0,
    CFormatToolBar::kFaceBoxId,   CFormatToolBar::kSizeBoxId,
    0,                            CDlgRtEditWindow::kBold,
    CDlgRtEditWindow::kItalic,    CDlgRtEditWindow::kUnderline,
    0,                            CDlgRtEditWindow::kSuperscript,
    CDlgRtEditWindow::kSubscript, 0,
    CDlgRtEditWindow::kSymbols,   CDlgRtEditWindow::kFormula,
    0,
    CDlgRtEditWindow::kCut,       CDlgRtEditWindow::kCopy,
    CDlgRtEditWindow::kPaste,     0,
    CDlgRtEditWindow::kUndo,      CDlgRtEditWindow::kRedo,
    0,                            CDlgRtEditWindow::kOk};

const std::pair<unsigned, RichFormat> kFormatCommands[] = {
    {CDlgRtEditWindow::kBold, RichFormat::Bold},
    {CDlgRtEditWindow::kItalic, RichFormat::Italic},
    {CDlgRtEditWindow::kUnderline, RichFormat::Underline},
    {CDlgRtEditWindow::kSuperscript, RichFormat::Superscript},
    {CDlgRtEditWindow::kSubscript, RichFormat::Subscript},
};

const CDialogWidget<CDlgRtEdit> rtEditWidget([](CDlgRtEdit& data, QWidget* parent) {
  CDlgRtEditWindow dialog(data, parent);
  if (!dialog.ReadWhole()) KvMessageBox(QString::fromUtf16(kTextRtEditIncomplete));
  return dialog.exec() == QDialog::Accepted && dialog.StoreOutputs(data);
});

const char* RtfTypeOf(const QMimeData* source) {
  for (const char* type : kRtfMimeTypes)
    if (source && source->hasFormat(QLatin1String(type))) return type;
  return nullptr;
}
}  // namespace

// --- CRichTextEdit ---------------------------------------------------------

CRichTextEdit::CRichTextEdit(QWidget* parent) : QTextEdit(parent) {
  // Typing after a picture or object does not continue it.
  connect(this, &QTextEdit::currentCharFormatChanged, this, [this](const QTextCharFormat& format) {
    if (!textCursor().hasSelection() && format.hasProperty(rtf::kKeptGroup))
      setCurrentCharFormat(WithoutKeptGroup(format));
  });
}

bool CRichTextEdit::canInsertFromMimeData(const QMimeData* source) const {
  return RtfTypeOf(source) || QTextEdit::canInsertFromMimeData(source);
}

void CRichTextEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  const int position = cursorForPosition(event->position().toPoint()).position();
  // The click lands before or after the picture's character.
  for (const int at : {position, position - 1})
    if (m_editFormulaAt && m_editFormulaAt(at)) return;
  QTextEdit::mouseDoubleClickEvent(event);
}

void CRichTextEdit::insertFromMimeData(const QMimeData* source) {
  const char* type = RtfTypeOf(source);
  if (!type) {
    QTextEdit::insertFromMimeData(source);
    return;
  }
  QTextDocument pasted;
  ReadRtf(source->data(QLatin1String(type)), pasted);
  textCursor().insertFragment(QTextDocumentFragment(&pasted));
  ensureCursorVisible();
}

// --- CDlgRtEditWindow ------------------------------------------------------

CDlgRtEditWindow::CDlgRtEditWindow(const CDlgRtEdit& data, QWidget* parent) : QDialog(parent), m_result(data) {
  setWindowTitle(QString::fromUtf16(kTextRtEditTitle));
  m_pEditor = new CRichTextEdit(this);
  m_pEditor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  BuildFormatBar();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_pFormatBar);
  layout->addWidget(m_pEditor, 1);

  // The text area is the content size, inside the editor's frame and below the bar.
  ensurePolished();
  m_pEditor->ensurePolished();
  m_pFormatBar->ensurePolished();
  const int frame = 2 * m_pEditor->frameWidth();
  m_extra = QSize(frame, frame + m_pFormatBar->sizeHint().height());
  resize(data.m_nContentWidth + m_extra.width(), data.m_nContentHeight + 10 + m_extra.height());

  m_pEditor->document()->setDefaultFont(RichTextDefaultFormat().font());
  ShowKeptObjects(*m_pEditor->document());
  m_bReadWhole = LoadRichText(data, *m_pEditor->document());
  m_pEditor->document()->clearUndoRedoStacks();
  m_pEditor->moveCursor(QTextCursor::Start);
  // Typing into an empty editor starts in the default format.
  if (m_pEditor->document()->isEmpty()) m_pEditor->setCurrentCharFormat(RichTextDefaultFormat());
  m_pEditor->setFocus();
  connect(m_pEditor->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
          [this](const QSizeF& size) { FitToText(static_cast<int>(std::ceil(size.height()))); });
  m_pIdle = new QTimer(this);
  connect(m_pIdle, &QTimer::timeout, this, &CDlgRtEditWindow::IdleUpdate);
  m_pIdle->start(kIdleMilliseconds);
  IdleUpdate();
}

QAction* CDlgRtEditWindow::AddAction(unsigned id, const QIcon& icon, const char16_t* text) {
  auto* action = new QAction(icon, ToolTipOfCommandText(QString::fromUtf16(text)), this);
  action->setData(id);
  m_actions[id] = action;
  return action;
}

QAction* CDlgRtEditWindow::Action(unsigned id) const {
  const auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

void CDlgRtEditWindow::BuildFormatBar() {
  m_pFormatBar = new CFormatToolBar(QString::fromUtf16(kTextFormatBarTitle), this);
  m_pFormatBar->setIconSize(QSize(20, 20));
  const auto icon = [](const char* text, bool b = false, bool i = false, bool u = false) {
    return TextIcon(QString::fromUtf8(text), b, i, u);
  };
  connect(AddAction(kOk, TextIcon(QStringLiteral("OK"), true, false, false, QColor(0, 96, 0)), u"OK"),
          &QAction::triggered, this, &CDlgRtEditWindow::accept);
  m_pSecondOk = new QAction(Action(kOk)->icon(), Action(kOk)->text(), this);
  m_pSecondOk->setData(kOk);
  connect(m_pSecondOk, &QAction::triggered, this, &CDlgRtEditWindow::accept);
  const char16_t* texts[] = {kTextRtBold, kTextRtItalic, kTextRtUnderline, kTextRtSuperscript, kTextRtSubscript};
  const QIcon icons[] = {icon("B", true), icon("I", false, true), icon("U", false, false, true), icon("x²"),
                         icon("x₂")};
  for (std::size_t i = 0; i < std::size(kFormatCommands); ++i) {
    const auto& [id, format] = kFormatCommands[i];
    const auto command = format;  // a lambda may not capture a structured binding (clang)
    QAction* action = AddAction(id, icons[i], texts[i]);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, command] { ApplyFormat(command); });
  }
  connect(AddAction(kSymbols, icon("α"), kTextSymbolCommand), &QAction::triggered, this,
          &CDlgRtEditWindow::OpenSymbolGrid);
  connect(AddAction(kFormula, icon("∑"), kTextRtFormula), &QAction::triggered, this,
          &CDlgRtEditWindow::InsertNewFormula);
  m_pEditor->m_editFormulaAt = [this](int position) { return EditFormulaAt(position); };
  m_pEditor->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_pEditor, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
    QMenu* menu = ContextMenu();
    menu->exec(m_pEditor->viewport()->mapToGlobal(at));
    delete menu;
  });
  const struct {
    unsigned id;
    const char* theme;
    const char* fallback;  // a sign drawn as text; none: a drawn picture
    const char16_t* text;
    void (QTextEdit::*run)();
  } edits[] = {{kCut, "edit-cut", "✂", kTextRtCut, &QTextEdit::cut},
               {kCopy, "edit-copy", nullptr, kTextRtCopy, &QTextEdit::copy},
               {kPaste, "edit-paste", "P", kTextRtPaste, &QTextEdit::paste},
               {kUndo, "edit-undo", "↶", kTextRtUndo, &QTextEdit::undo},
               {kRedo, "edit-redo", "↷", kTextRtRedo, &QTextEdit::redo}};
  for (const auto& edit : edits) {
    const QIcon fallback = edit.id == kCopy ? CopyIcon() : icon(edit.fallback);
    QAction* action = AddAction(edit.id, QIcon::fromTheme(QLatin1String(edit.theme), fallback), edit.text);
    connect(action, &QAction::triggered, m_pEditor, edit.run);
  }
  bool firstOk = true;
  m_pFormatBar->Build(kFormatBar, false, [this, &firstOk](unsigned id) -> QAction* {
    if (id != kOk) return Action(id);
    QAction* ok = firstOk ? Action(kOk) : m_pSecondOk;
    firstOk = false;
    return ok;
  });
  connect(m_pFormatBar, &CFormatToolBar::faceChosen, this, [this](const QString& face, int) {
    QTextCharFormat change;
    change.setFontFamilies({face});
    m_pEditor->mergeCurrentCharFormat(change);
    m_pEditor->setFocus();
  });
  connect(m_pFormatBar, &CFormatToolBar::sizeChosen, this, [this](int twips) {
    QTextCharFormat change;
    change.setFontPointSize(twips / 20.0);
    m_pEditor->mergeCurrentCharFormat(change);
    m_pEditor->setFocus();
  });
  connect(m_pFormatBar, &CFormatToolBar::sizeEntered, this, [this] { m_pEditor->setFocus(); });
}

void CDlgRtEditWindow::ApplyFormat(RichFormat command) {
  m_pEditor->mergeCurrentCharFormat(FormatChange(command, SelectionEffects(m_pEditor->textCursor())));
  m_pEditor->setFocus();
  IdleUpdate();
}

CToolBarPopupWnd* CDlgRtEditWindow::SymbolGrid() const { return m_pSymbolGrid; }

void CDlgRtEditWindow::OpenSymbolGrid() {
  const QWidget* button = m_pFormatBar->widgetForAction(Action(kSymbols));
  const QPoint at = button ? button->mapToGlobal(QPoint(0, button->height())) : mapToGlobal(QPoint(0, 0));
  m_pSymbolGrid = new CToolBarPopupWnd(this, SymbolImages(), at);
  connect(m_pSymbolGrid, &CToolBarPopupWnd::symbolPicked, this, &CDlgRtEditWindow::OnSymbolPicked);
}

void CDlgRtEditWindow::OnSymbolPicked(int index) {
  const QString symbols = QString::fromUtf16(kSymbolCharacters);
  if (index < 0 || index >= symbols.size()) return;
  // Replaces the selection as one undoable edit.
  m_pEditor->textCursor().insertText(symbols.mid(index, 1));
  m_pEditor->setFocus();
}

void CDlgRtEditWindow::InsertNewFormula() { RunFormulaDialog(kEmptyVod, m_pEditor->textCursor()); }

bool CDlgRtEditWindow::EditFormulaAt(int position) {
  int start = 0;
  const QString markup = FormulaAt(*m_pEditor->document(), position, &start);
  if (markup.isEmpty()) return false;
  QTextCursor formula(m_pEditor->document());
  formula.setPosition(start);
  formula.setPosition(position + 1, QTextCursor::KeepAnchor);
  RunFormulaDialog(markup, formula);
  return true;
}

void CDlgRtEditWindow::RunFormulaDialog(const QString& markup, QTextCursor replaced) {
  CVodDlg formula;
  formula.m_strVod = markup;
  if (DialogProvider().DoModal(formula) != IDOK || formula.m_bEmpty) return;
  if (InsertFormula(replaced, formula.m_strVod)) m_pEditor->setTextCursor(replaced);
  m_pEditor->setFocus();
}

QMenu* CDlgRtEditWindow::ContextMenu() {
  auto* menu = new QMenu(this);
  const bool selected = m_pEditor->textCursor().hasSelection();
  const auto add = [menu](unsigned id, const char16_t* text, bool enabled, auto run) {
    QAction* action = menu->addAction(QString::fromUtf16(text), run);
    action->setData(id);
    action->setEnabled(enabled);
  };
  add(kCut, kTextRtMenuCut, selected, [this] { m_pEditor->cut(); });
  add(kCopy, kTextRtMenuCopy, selected, [this] { m_pEditor->copy(); });
  add(kPaste, kTextRtMenuPaste, m_pEditor->canPaste(), [this] { m_pEditor->paste(); });
  add(kDelete, kTextRtMenuDelete, selected, [this] { m_pEditor->textCursor().removeSelectedText(); });
  menu->addSeparator();
  add(kSelectAll, kTextRtMenuSelectAll, true, [this] { m_pEditor->selectAll(); });
  menu->addSeparator();
  add(kFont, kTextRtMenuFont, true, [this] { OpenFontDialog(); });
  add(kParagraph, kTextRtMenuParagraph, true, [this] { OpenParagraphDialog(); });
  menu->addSeparator();
  add(kInsertObject, kTextRtMenuInsertObject, true, [this] { InsertPicture(); });
  return menu;
}

void CDlgRtEditWindow::OpenParagraphDialog() {
  QTextCursor cursor = m_pEditor->textCursor();
  CFormatParaDlg paragraph;
  paragraph.m_pf = ParaFormatOf(cursor.block());
  if (DialogProvider().DoModal(paragraph) == IDOK) ApplyParaFormat(cursor, paragraph.m_pf);
  m_pEditor->setFocus();
}

void CDlgRtEditWindow::InsertPicture() {
  const QString path = FileChooser().ChooseOpen(QString::fromUtf16(kTextRtPictureTitle),
                                                QString::fromUtf16(kTextRtPictureFilter), QString());
  if (path.isEmpty()) return;
  QTextCursor cursor = m_pEditor->textCursor();
  QString why;
  if (!InsertPictureFile(cursor, path, &why)) {
    KvMessageBox(QString::fromUtf16(kTextRtPictureUnreadable) + QLatin1Char('\n') + why);
    return;
  }
  m_pEditor->setTextCursor(cursor);
  m_pEditor->setFocus();
}

void CDlgRtEditWindow::OpenFontDialog() {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, m_pEditor->currentCharFormat().font(), this);
  if (!ok) return;
  QTextCharFormat change;
  change.setFont(font, QTextCharFormat::FontPropertiesSpecifiedOnly);
  m_pEditor->mergeCurrentCharFormat(change);
  m_pEditor->setFocus();
}

void CDlgRtEditWindow::IdleUpdate() {
  const QTextCursor cursor = m_pEditor->textCursor();
  const RichEffects effects = SelectionEffects(cursor);
  for (const auto& [id, command] : kFormatCommands) Action(id)->setChecked(IsChecked(command, effects));
  const QTextDocument* doc = m_pEditor->document();
  Action(kUndo)->setEnabled(doc->isUndoAvailable());
  Action(kRedo)->setEnabled(doc->isRedoAvailable());
  Action(kPaste)->setEnabled(m_pEditor->canPaste());
  Action(kCut)->setEnabled(cursor.hasSelection());
  Action(kCopy)->setEnabled(cursor.hasSelection());
  const QTextCharFormat format = m_pEditor->currentCharFormat();
  const QStringList families = format.fontFamilies().toStringList();
  if (!families.isEmpty()) m_pFormatBar->ShowFace(families.front());
  if (format.fontPointSize() > 0) m_pFormatBar->ShowSize(qRound(format.fontPointSize() * 20));
}

void CDlgRtEditWindow::FitToText(int height) {
  int fitted = FittedRichTextHeight(height, m_extra.height(), this->height());
  const QScreen* screen = this->screen();
  const QRect area = screen ? screen->availableGeometry() : QRect();
  const int decoration = frameGeometry().height() - this->height();
  if (area.isValid()) fitted = std::min(fitted, area.height() - decoration);
  if (fitted != this->height()) resize(width(), fitted);
  // Grown for a large picture, the open editor moves up rather than run off
  // the screen; one not yet shown is placed on the screen as it opens.
  if (!isVisible() || !area.isValid()) return;
  const QRect frame = frameGeometry();
  const int top = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
  if (top != frame.top()) move(frame.left(), top);
}

void CDlgRtEditWindow::accept() {
  if (m_pEditor->document()->isEmpty()) {
    KvMessageBox(QString::fromUtf16(kTextRtEditEmpty));
    return;
  }
  QTextDocument* doc = m_pEditor->document();
  if (!TakeRichText(*doc, m_pEditor->viewport()->size(), doc->isModified(), m_result)) return;
  m_bAccepted = true;
  QDialog::accept();
}

bool CDlgRtEditWindow::StoreOutputs(CDlgRtEdit& data) const {
  if (!m_bAccepted) return false;
  data = m_result;
  return true;
}
