#include "ui/formula/voddlg.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cstdlib>

#include "formula/control/formulacommands.h"
#include "formula/control/formulaformat.h"
#include "ui/colors/colormenu.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/formula/fontcombobox.h"
#include "ui/formula/formatbar.h"
#include "ui/formula/formatbartexts.h"
#include "ui/formula/formulactrl.h"
#include "ui/formula/formulaimages.h"
#include "ui/formula/formulatexts.h"
#include "ui/formula/symbolgrid.h"

namespace {
constexpr int kMinWidth = 600;
constexpr int kMinHeight = 256;
constexpr int kControlLeft = 4;
constexpr int kIdleMilliseconds = 150;

// The structure bar: groups of structure commands (0 between groups).
const std::vector<unsigned> kStructureBar = {33541, 33542, 33543, 0,     33544, 33545, 33546, 0,     33547, 33548,
                                             33549, 0,     33550, 33551, 33552, 0,     33553, 33554, 33555, 33556,
                                             0,     33557, 33558, 0,     33559};
// The format bar: OK, the three boxes, the character formats, colour and
// symbols, the font dialog, import and export.
const std::vector<unsigned> kFormatBar = {ID_FORMULA_OK,
                                          0,
                                          CFormatToolBar::kFaceBoxId,
                                          CFormatToolBar::kSizeBoxId,
                                          CFormatToolBar::kFormulaBoxId,
                                          0,
                                          ID_FORMULA_BOLD,
                                          ID_FORMULA_ITALIC,
                                          ID_FORMULA_UNDERLINE,
                                          0,
                                          ID_FORMULA_COLOUR_MENU,
                                          ID_FORMULA_SYMBOLS,
                                          0,
                                          ID_FORMULA_FONT,
                                          0,
                                          ID_FORMULA_IMPORT,
                                          ID_FORMULA_EXPORT};

const CDialogWidget<CVodDlg> vodWidget([](CVodDlg& data, QWidget* parent) {
  CVodDlgWindow dialog(data, parent);
  return dialog.exec() == QDialog::Accepted && dialog.StoreOutputs(data);
});
}  // namespace

QSize FittedDialogSize(QSize formula, QPoint topLeft, QSize screen) {
  int width = formula.width() + 40;
  if (topLeft.x() + width > screen.width() - 12) width = screen.width() - topLeft.x() - 12;
  int height = formula.height() + 120;
  if (topLeft.y() + height > screen.height() - 64) height = screen.height() - topLeft.y() - 64;
  return {std::max(width, kMinWidth), std::max(height, kMinHeight)};
}

QString ToolTipOfCommandText(const QString& text) {
  const qsizetype newline = text.indexOf(u'\n');
  return (newline < 0 ? text : text.mid(newline + 1)).left(80);
}

CVodDlgWindow::CVodDlgWindow(const CVodDlg& data, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromUtf16(kTextVodDlgTitle));
  // Made on the first open, shared by every later one.
  SymbolImages();
  BuiltInFormulaPictures();
  m_pCtrl = new CFormulaCtrl(this);
  m_pCtrl->SetTree(&m_tree);
  BuildFormatBar();
  BuildStructureBar();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kControlLeft, 0, kControlLeft, 0);
  layout->setSpacing(0);
  layout->addWidget(m_pFormatBar);
  layout->addWidget(m_pStructureBar);
  layout->addWidget(m_pCtrl, 1);
  resize(kMinWidth, kMinHeight);
  if (data.m_nOpenX != CVodDlg::kNoPosition && data.m_nOpenY != CVodDlg::kNoPosition)
    move(data.m_nOpenX, data.m_nOpenY);
  connect(m_pCtrl, &CFormulaCtrl::formulaSized, this, [this](int width, int height) {
    FitToFormula(width, height);
    IdleUpdate();
  });
  connect(m_pCtrl, &CFormulaCtrl::okRequested, this, &CVodDlgWindow::accept);
  connect(m_pCtrl, &CFormulaCtrl::closeRequested, this, &CVodDlgWindow::reject);
  LoadFormula(data);
  m_pIdle = new QTimer(this);
  connect(m_pIdle, &QTimer::timeout, this, &CVodDlgWindow::IdleUpdate);
  m_pIdle->start(kIdleMilliseconds);
  IdleUpdate();
}

CVodDlgWindow::~CVodDlgWindow() {
  // The control goes before the tree it points at.
  delete m_pCtrl;
  m_pCtrl = nullptr;
}

void CVodDlgWindow::BuildFormatBar() {
  m_pFormatBar = new CFormatToolBar(QString::fromUtf16(kTextFormatBarTitle), this);
  m_pFormatBar->setIconSize(QSize(20, 20));
  m_pColourAction = new QAction(TextIcon(QStringLiteral("A"), true, false, false, Qt::red),
                                ToolTipOfCommandText(QString::fromUtf16(kTextColourCommand)), this);
  m_pColourAction->setData(ID_FORMULA_COLOUR_MENU);
  connect(m_pColourAction, &QAction::triggered, this, &CVodDlgWindow::OpenColourMenu);
  m_pSymbolAction = new QAction(TextIcon(QStringLiteral("α"), false, false, false),
                                ToolTipOfCommandText(QString::fromUtf16(kTextSymbolCommand)), this);
  m_pSymbolAction->setData(ID_FORMULA_SYMBOLS);
  connect(m_pSymbolAction, &QAction::triggered, this, &CVodDlgWindow::OpenSymbolGrid);
  const auto action = [this](unsigned id) -> QAction* {
    if (id == ID_FORMULA_COLOUR_MENU) return m_pColourAction;
    if (id == ID_FORMULA_SYMBOLS) return m_pSymbolAction;
    QAction* a = m_pCtrl->CommandAction(id);
    if (!a) return nullptr;
    switch (id) {
      case ID_FORMULA_OK:
        a->setIcon(TextIcon(QStringLiteral("OK"), true, false, false, QColor(0, 96, 0)));
        a->setToolTip(ToolTipOfCommandText(a->text()).remove(QStringLiteral("(&K)")));
        break;
      case ID_FORMULA_BOLD: a->setIcon(TextIcon(QStringLiteral("B"), true, false, false)); break;
      case ID_FORMULA_ITALIC: a->setIcon(TextIcon(QStringLiteral("I"), false, true, false)); break;
      case ID_FORMULA_UNDERLINE: a->setIcon(TextIcon(QStringLiteral("U"), false, false, true)); break;
      case ID_FORMULA_FONT:
        a->setIcon(TextIcon(QStringLiteral("Aa"), false, false, false));
        a->setToolTip(ToolTipOfCommandText(QString::fromUtf16(kTextFontCommand)));
        break;
      case ID_FORMULA_IMPORT:
        a->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
        a->setToolTip(ToolTipOfCommandText(QString::fromUtf16(kTextImportCommand)));
        break;
      case ID_FORMULA_EXPORT:
        a->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
        a->setToolTip(ToolTipOfCommandText(QString::fromUtf16(kTextExportCommand)));
        break;
      default: break;
    }
    return a;
  };
  m_pFormatBar->Build(kFormatBar, true, action);
  // The bar's choices go to the control; face and size give it the focus.
  connect(m_pFormatBar, &CFormatToolBar::faceChosen, this, [this](const QString& face, int charSet) {
    m_pCtrl->setFocus();
    m_pCtrl->setFaceName(face, charSet);
  });
  connect(m_pFormatBar, &CFormatToolBar::sizeChosen, this, [this](int twips) {
    m_pCtrl->setFocus();
    m_pCtrl->setFontSize(twips);
  });
  connect(m_pFormatBar, &CFormatToolBar::sizeEntered, this, [this] { m_pCtrl->setFocus(); });
  connect(m_pFormatBar, &CFormatToolBar::builtInFormulaChosen, m_pCtrl, &CFormulaCtrl::insertBuiltInFormula);
}

void CVodDlgWindow::BuildStructureBar() {
  m_pStructureBar = new QToolBar(QString::fromUtf16(kTextStructureBarTitle), this);
  m_pStructureBar->setIconSize(QSize(21, 20));
  m_pStructureBar->setMovable(false);
  m_pStructureBar->setFloatable(false);
  // Tight buttons: the whole bar fits the narrowest dialog.
  m_pStructureBar->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; margin: 0px; }"));
  for (const unsigned id : kStructureBar) {
    if (id == 0) {
      m_pStructureBar->addSeparator();
      continue;
    }
    QAction* action = m_pCtrl->CommandAction(id);
    action->setIcon(StructureIcon(id));
    action->setToolTip(action->text());
    m_pStructureBar->addAction(action);
  }
}

void CVodDlgWindow::LoadFormula(const CVodDlg& data) {
  m_tree.m_crDefault = data.m_crText;
  m_tree.m_crBackground = data.m_crBack;
  if (data.m_nFontMode < CVodDlg::kKeepTreeFont) {
    m_tree.m_lfDefault.lfFaceName = QStringLiteral("宋体");
    m_tree.m_lfDefault.lfCharSet = GB2312_CHARSET;
    m_tree.m_lfDefault.lfHeight = 35;
  }
  m_tree.SetVod(data.m_strVod);
  if (!m_tree.m_pRoot) m_tree.SetVod(kEmptyVod);  // what does not read opens empty
  m_pCtrl->SaveUndoState();
  m_pCtrl->StartCaretTimer(500);
  m_pCtrl->SetRepaintLevel(2);
  m_pCtrl->setFocus();
}

void CVodDlgWindow::FitToFormula(int width, int height) {
  const QScreen* screen = this->screen();
  const QRect area = screen ? screen->geometry() : QRect(0, 0, 1920, 1080);
  const QSize fitted = FittedDialogSize({width, height}, pos() - area.topLeft(), area.size());
  if (fitted != size()) resize(fitted);
}

void CVodDlgWindow::IdleUpdate() {
  if (!m_pCtrl) return;
  m_pCtrl->UpdateActions();
  const LOGFONT& font = m_pCtrl->Editor().m_lfCurrent;
  m_pFormatBar->ShowFace(font.lfFaceName);
  m_pFormatBar->ShowSize(std::abs(MulDiv(font.lfHeight, 1440, m_pCtrl->logicalDpiY())));
}

CColorMenu* CVodDlgWindow::ColourMenu() const { return m_pColourMenu; }
CToolBarPopupWnd* CVodDlgWindow::SymbolGrid() const { return m_pSymbolGrid; }

QPoint CVodDlgWindow::BelowButton(QToolBar* bar, QAction* action) const {
  const QWidget* button = bar->widgetForAction(action);
  if (!button) return mapToGlobal(QPoint(0, 0));
  return button->mapToGlobal(QPoint(0, button->height()));
}

void CVodDlgWindow::OpenColourMenu() {
  if (!m_pColourMenu) {
    m_pColourMenu = new CColorMenu(this);
    connect(m_pColourMenu, &CColorMenu::colourCommand, m_pCtrl, &CFormulaCtrl::RunCommand);
  }
  m_pColourMenu->popup(BelowButton(m_pFormatBar, m_pColourAction));
}

void CVodDlgWindow::OpenSymbolGrid() {
  m_pSymbolGrid = new CToolBarPopupWnd(this, SymbolImages(), BelowButton(m_pFormatBar, m_pSymbolAction));
  connect(m_pSymbolGrid, &CToolBarPopupWnd::symbolPicked, this, &CVodDlgWindow::OnSymbolPicked);
}

void CVodDlgWindow::OnSymbolPicked(int index) {
  const QString symbols = QString::fromUtf16(kSymbolCharacters);
  if (index < 0 || index >= symbols.size()) return;
  // Typed as a character the keyboard would give.
  QCoreApplication::postEvent(m_pCtrl, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, symbols.mid(index, 1)));
}

void CVodDlgWindow::accept() {
  m_strResult = m_tree.GetText(0);
  m_ptResult = m_pCtrl->mapToGlobal(QPoint(0, 0));
  m_bResultEmpty = m_tree.IsEmpty();
  m_bAccepted = true;
  QDialog::accept();
}

bool CVodDlgWindow::StoreOutputs(CVodDlg& data) const {
  if (!m_bAccepted) return false;
  data.m_strVod = m_strResult;
  data.m_nX = m_ptResult.x();
  data.m_nY = m_ptResult.y();
  data.m_bEmpty = m_bResultEmpty ? 1 : 0;
  return true;
}
