#include "ui/mainframe.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>
#include <QSlider>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/document/kavreldoc.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "ui/applicationlook.h"
#include "ui/colorbutton.h"
#include "ui/colors/palettebutton.h"
#include "ui/commandactions.h"
#include "ui/commandicons.h"
#include "ui/frameuibridge.h"
#include "ui/kavrelstatusbar.h"
#include "ui/objectlist/objectview.h"
#include "ui/objectlist/treedocument.h"
#include "ui/objectlist/viewtree.h"
#include "ui/ribbon/ribbonbar.h"
#include "ui/ribbon/ribbonlayout.h"
#include "ui/translationsliders.h"
#include "ui/uitexts.h"
#include "view/kavrelview.h"
#include "view/media/mediacontroller.h"

namespace {
// The commands of the full-screen tool bar, left to right.
constexpr unsigned kFullScreenBarIds[] = {
    ID_VIEW_FULLSCREEN, ID_ANIMA_PLAYSTOP, ID_VIEW_LOCK,          ID_VIEW_PORT_TT,    ID_VIEW_TSFM_RESET,
    ID_EDIT_SELECT,     ID_CREATE_POINT,   ID_CREATE_LINE,        ID_CREATE_POLYGON,  ID_CREATE_CURVE_LOCUS,
    ID_CREATE_MEASCALC, ID_CREATE_PLAY,    ID_CREATE_INKMARKS,    ID_EDIT_PROPERTY,   ID_VIEW_PAGEUP,
    ID_VIEW_PAGEDOWN};
constexpr int kPaneStartWidth = 260;
}  // namespace

CMainFrame::CMainFrame(CFrameHooks hooks, QSettings* settings, std::vector<CToolSet> toolSets, QWidget* parent)
    : QMainWindow(parent), m_hooks(std::move(hooks)), m_toolSets(std::move(toolSets)) {
  if (!settings) {
    m_pOwnSettings = std::make_unique<QSettings>(QStringLiteral("Malvorn"), QStringLiteral("Kavrel"));
    m_pOwnSettings->beginGroup(QStringLiteral("Settings"));
    settings = m_pOwnSettings.get();
  }
  m_pSettings = settings;
  m_nAppLook = ReadApplicationLook(*m_pSettings);
  m_strResourceUrl = m_pSettings->value(QStringLiteral("ResourceUrl")).toString().trimmed();
  m_pageSetupDialog = [this](QPrinter& printer) {
    QPageSetupDialog dialog(&printer, this);
    return dialog.exec() == QDialog::Accepted;
  };
  setObjectName(QStringLiteral("mainFrame"));
  setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
  m_pActions = new CCommandActions(this);
  connect(m_pActions, &CCommandActions::refreshed, this, &CMainFrame::UpdateModifiedMark);

  m_pView = new CKavrelView;
  setCentralWidget(m_pView);
  CreateRibbon();
  CreateFullScreenBar();
  CreateStatusBar();
  CreateDockingWindows();
  RegisterCommands();
  BindShortcuts();
  setAcceptDrops(true);
  resize(1280, 800);
  m_pPreviousBridge = SetUiBridge(std::make_unique<CFrameUiBridge>(*this));
  OnApplicationLook(m_nAppLook);
  UpdateTitle();
}

CMainFrame::~CMainFrame() {
  // A window destroyed while shown is hidden only after this: a name still
  // being typed in the object list then commits to a tree this frame no
  // longer has, so the list lets go of it now and the name goes nowhere.
  SetTreeDocument(nullptr);
  CommandRegistry().Withdraw(this);
  SetUiBridge(std::move(m_pPreviousBridge));
  if (m_pDoc && m_pDoc->m_pMenuOwner == this) m_pDoc->m_pMenuOwner = nullptr;
}

CViewTree* CMainFrame::Tree() const { return m_pObjectView ? m_pObjectView->Tree() : nullptr; }

void CMainFrame::CreateRibbon() {
  m_pRibbon = new CRibbonBar(this);
  BuildRibbon(*m_pRibbon, *m_pActions, [this](unsigned slot) { return CreateSlotWidget(slot); });
  BuildApplicationMenu();
  for (unsigned id : {unsigned(ID_VIEW_MINI), unsigned(kCmdQuickHelp)}) {
    auto* corner = new QToolButton(m_pRibbon);
    QAction* action = m_pActions->Action(id);
    if (action->icon().isNull()) action->setIcon(CommandIcon(id));
    corner->setDefaultAction(action);
    corner->setAutoRaise(true);
    corner->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_pRibbon->AddCornerWidget(corner);
  }
  setMenuWidget(m_pRibbon);
}

QWidget* CMainFrame::CreateSlotWidget(unsigned slot) {
  switch (slot) {
    case kRibbonSlotColor: {
      m_pColorButton = new CColorButton;
      QAction* action = m_pActions->Action(ID_VIEW_COLOR);
      m_pColorButton->setText(action->text());
      m_pColorButton->setToolTip(action->toolTip());
      connect(m_pColorButton, &QToolButton::clicked, this, [] { CommandRegistry().Run(ID_VIEW_COLOR); });
      connect(m_pColorButton, &CColorButton::colorPicked, this, [this](COLORREF color) {
        m_crCurrentColor = color;
        CommandRegistry().Run(ID_VIEW_COLOR);
      });
      return m_pColorButton;
    }
    case kRibbonSlotPalette:
      return MakePaletteButton();
    case kRibbonSlotSliders:
      return CreateSliders();
    case kRibbonSlotLooks: {
      auto* button = new QToolButton;
      button->setText(QString::fromUtf8(kTextLookElement));
      button->setIcon(CommandIcon(ID_VIEW_APPLOOK_OFF_2007_BLUE));
      button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
      button->setPopupMode(QToolButton::InstantPopup);
      button->setAutoRaise(true);
      auto* menu = new QMenu(button);
      for (unsigned id = ID_VIEW_APPLOOK_OFF_2007_BLUE; id <= ID_VIEW_APPLOOK_WINDOWS_7; ++id)
        menu->addAction(m_pActions->Action(id));
      button->setMenu(menu);
      return button;
    }
    case kRibbonSlotTools: {
      m_pCustomTool = new QToolButton;
      QAction* action = m_pActions->Action(ID_CUSTOM_TOOL);
      if (action->icon().isNull()) action->setIcon(CommandIcon(ID_CUSTOM_TOOL));
      BindButton(m_pCustomTool, action, RibbonLargeLabel(action->text()));
      m_pCustomTool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
      m_pCustomTool->setIconSize(QSize(32, 32));
      m_pCustomTool->setAutoRaise(true);
      m_pCustomTool->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
      m_pToolMenu = new QMenu(m_pCustomTool);
      m_pToolMenu->setToolTipsVisible(true);
      AddToolSets(*m_pToolMenu, m_toolSets, m_hooks.runUserTool);
      if (!m_pToolMenu->isEmpty()) AttachToolMenu();
      return m_pCustomTool;
    }
    default:
      return nullptr;
  }
}

void CMainFrame::AttachToolMenu() {
  if (!m_pCustomTool || m_pCustomTool->menu()) return;
  m_pCustomTool->setMenu(m_pToolMenu);
  m_pCustomTool->setPopupMode(QToolButton::MenuButtonPopup);
  // The tools open whatever the command's own state; a click on the button
  // itself still runs only an enabled command.
  const auto keepEnabled = [button = m_pCustomTool] { button->setEnabled(true); };
  keepEnabled();
  connect(m_pActions->Action(ID_CUSTOM_TOOL), &QAction::changed, m_pCustomTool, keepEnabled);
}

void CMainFrame::AddDocumentTool(UINT id, const QString& name, const QString& comment) {
  if (!m_pToolMenu) return;
  if (!m_pDocToolsHeading) m_pDocToolsHeading = m_pToolMenu->addSection(QString::fromUtf8(kTextDocumentTools));
  QAction* item = nullptr;
  if (id != 0) {
    item = m_pActions->Action(id);
    m_pActions->SetMenuText(id, name);  // the name stays when the action's state is refreshed
  } else {
    item = new QAction(name, m_pToolMenu);  // past the tool ids: an item of its own
    item->setEnabled(false);
  }
  item->setToolTip(name);
  item->setStatusTip(comment);
  m_pToolMenu->addAction(item);
  AttachToolMenu();
}

void CMainFrame::ClearDocumentTools() {
  if (!m_pToolMenu || !m_pDocToolsHeading) return;
  const QList<QAction*> entries = m_pToolMenu->actions();
  for (qsizetype i = entries.indexOf(m_pDocToolsHeading); i >= 0 && i < entries.size(); ++i) {
    m_pToolMenu->removeAction(entries[i]);
    // The command actions belong to the action table; only the heading and
    // the items past the tool ids are the menu's own.
    if (entries[i]->parent() == m_pToolMenu) delete entries[i];
  }
  m_pDocToolsHeading = nullptr;
}

QWidget* CMainFrame::CreateSliders() {
  auto* box = new QWidget;
  auto* rows = new QVBoxLayout(box);
  rows->setContentsMargins(4, 0, 4, 0);
  rows->setSpacing(0);
  for (int axis = 0; axis < 3; ++axis) {
    const unsigned id = ID_SLIDER_TX + static_cast<unsigned>(axis);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    auto* label = new QLabel(CommandLabel(id), box);
    auto* slider = new QSlider(Qt::Horizontal, box);
    slider->setRange(kTranslationSliderRanges[axis].minimum, kTranslationSliderRanges[axis].maximum);
    slider->setValue(0);
    slider->setFixedWidth(kTranslationSliderWidth);
    slider->setToolTip(CommandTip(id));
    label->setToolTip(CommandTip(id));
    connect(slider, &QSlider::valueChanged, this, [this, axis](int position) { OnSliderMoved(axis, position); });
    row->addWidget(label);
    row->addWidget(slider);
    rows->addLayout(row);
    m_sliders[axis] = slider;
  }
  return box;
}

void CMainFrame::BuildApplicationMenu() {
  QToolButton* button = m_pRibbon->ApplicationButton();
  button->setText(QString::fromUtf8(kTextApplicationButton));
  QMenu* menu = m_pRibbon->ApplicationMenu();
  for (unsigned id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_HELP_SAMPLE}) {
    QAction* action = m_pActions->Action(id);
    if (action->icon().isNull()) action->setIcon(CommandIcon(id));
    menu->addAction(action);
  }
  menu->addSeparator();
  for (unsigned id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP}) menu->addAction(m_pActions->Action(id));
  menu->addSeparator();
  for (int i = 0; i < 6; ++i) {
    QAction* recent = menu->addAction(QString());
    recent->setVisible(false);
    connect(recent, &QAction::triggered, this, [this, i] {
      if (m_hooks.openRecent) m_hooks.openRecent(i);
    });
    m_recentActions.append(recent);
  }
  menu->addSeparator();
  menu->addAction(m_pActions->Action(ID_APP_ABOUT));
  menu->addAction(m_pActions->Action(ID_APP_EXIT));
  RefreshRecentFiles();
}

void CMainFrame::CreateFullScreenBar() {
  m_pFullScreenBar = new QToolBar(QString::fromUtf8(kTextFullScreenBar), this);
  m_pFullScreenBar->setObjectName(QStringLiteral("fullScreenBar"));
  m_pFullScreenBar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  m_pFullScreenBar->setIconSize(QSize(16, 16));
  for (unsigned id : kFullScreenBarIds) {
    QAction* action = m_pActions->Action(id);
    if (action->icon().isNull()) action->setIcon(CommandIcon(id));
    m_pFullScreenBar->addAction(action);
  }
  m_pFullScreenBar->hide();
}

void CMainFrame::CreateStatusBar() {
  m_pStatusBar = new CKavrelStatusBar(*m_pActions, this);
  m_pStatusBar->SetLinkAddress(m_strResourceUrl);
  connect(m_pStatusBar, &CKavrelStatusBar::linkActivated, this, [] { CommandRegistry().Run(kCmdStatusLink); });
  setStatusBar(m_pStatusBar);
}

void CMainFrame::CreateDockingWindows() {
  m_pObjectView = new CObjectView(*m_pActions, this);
  addDockWidget(Qt::LeftDockWidgetArea, m_pObjectView);
  connect(Tree(), &CViewTree::selectionClicked, this, &CMainFrame::UpdateColorButton);
}

void CMainFrame::SetDocument(CKavrelDoc* doc) {
  m_pDoc = doc;
  m_pDocTree = doc ? MakeDocumentTree(*doc, m_hooks.documentTitle) : nullptr;
  if (doc) doc->m_pMenuOwner = this;
  if (m_pView) {
    m_pView->Media().SetDocument(doc);
    m_pView->SetDocument(doc);
  }
  SetTreeDocument(m_pDocTree.get());
}

void CMainFrame::SetTreeDocument(ITreeDocument* doc) { m_pObjectView->SetDocument(doc); }

void CMainFrame::UpdateTitle() {
  const QString title = m_hooks.documentTitle ? m_hooks.documentTitle() : QString();
  const QString program = QString::fromUtf8(kTextProgramName);
  // "[*]" becomes the mark of unsaved changes.
  setWindowTitle(title.isEmpty() ? program + QStringLiteral("[*]") : title + QStringLiteral("[*] - ") + program);
  UpdateModifiedMark();
  if (CViewTree* tree = Tree()) tree->RetitleRoot();
}

void CMainFrame::UpdateModifiedMark() { setWindowModified(m_pDoc && m_pDoc->IsModified()); }

void CMainFrame::RefreshRecentFiles() {
  const QStringList files = m_hooks.recentFiles ? m_hooks.recentFiles() : QStringList();
  for (int i = 0; i < m_recentActions.size(); ++i) {
    QAction* action = m_recentActions[i];
    const bool used = i < files.size();
    action->setVisible(used);
    if (used) action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]));
  }
}

void CMainFrame::SetCommandImage(UINT id, int image) {
  const QIcon icon = ImageListIcon(image);
  if (!icon.isNull()) m_pActions->Action(id)->setIcon(icon);
}

void CMainFrame::SetStatusText(int element, const QString& text) { m_pStatusBar->SetElementText(element, text); }

QString CMainFrame::StatusText(int element) const { return m_pStatusBar->ElementText(element); }

void CMainFrame::SetMenuItemText(UINT id, const QString& text, bool) {
  // Enabling stays with the update rules; the history only names the step.
  m_pActions->SetMenuText(id, text);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (m_hooks.canClose && !m_hooks.canClose()) {
    event->ignore();
    return;
  }
  if (m_bFullScreen) RestoreFromFullScreen();
  if (m_hooks.closing) m_hooks.closing();
  event->accept();
}

void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (m_bShownOnce) return;
  m_bShownOnce = true;
  // Wide enough for the items' descriptions; the user may drag it narrower.
  // The docks take sizes only once the window is laid out.
  QTimer::singleShot(0, this, [this] { resizeDocks({m_pObjectView}, {kPaneStartWidth}, Qt::Horizontal); });
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() && m_hooks.openFiles) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  if (OpenDroppedFiles(event->mimeData()->urls())) event->acceptProposedAction();
}

bool CMainFrame::OpenDroppedFiles(const QList<QUrl>& urls) {
  if (!m_hooks.openFiles) return false;
  QStringList files;
  for (const QUrl& url : urls)
    if (url.isLocalFile()) files << url.toLocalFile();
  if (files.isEmpty()) return false;
  m_hooks.openFiles(files);
  return true;
}
