#include "ui/objectlist/objectview.h"

#include <QAction>
#include <QToolBar>
#include <QVBoxLayout>

#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/processstate.h"
#include "platform/uibridge.h"
#include "ui/commandactions.h"
#include "ui/commandicons.h"
#include "ui/objectlist/treedocument.h"
#include "ui/objectlist/viewtree.h"
#include "ui/uitexts.h"

namespace {
const ProcessStateReset reset([] { PaneEditing() = CPaneEditing(); });

// The pane's tool bar, left to right; 0 is a separator.
constexpr unsigned kToolBarIds[] = {kCmdCollapseTree, kCmdRefreshTree, 0,  ID_EDIT_CUT, ID_EDIT_COPY,
                                    ID_EDIT_DELETE,   0,               ID_SELECT_PAGE, ID_EDIT_PROPERTY};

void EnableWhen(CCmdUI& ui, bool on) { ui.Enable(on); }
// The pane's editing commands forward to the document's: a handler the
// editing commands register themselves takes precedence.
constexpr CommandPriority kForwarder = CommandPriority::Fallback;
}  // namespace

CPaneEditing& PaneEditing() {
  static CPaneEditing editing;
  return editing;
}

bool PaneHasSelection() {
  const CGPage* page = g_pCurPage;
  if (!page) return false;
  const std::vector<WORD>* lists[] = {&page->m_selPoints, &page->m_selLines,  &page->m_selFaces,
                                      &page->m_selSolids, &page->m_selPaths,  &page->m_selTexts,
                                      &page->m_selValues, &page->m_selButtons, &page->m_selOthers};
  if (page->m_bSelected) return true;
  for (const auto* list : lists)
    if (!list->empty()) return true;
  return false;
}

CObjectView::CObjectView(CCommandActions& actions, QWidget* parent) : QDockWidget(parent) {
  setWindowTitle(QString::fromUtf8(kTextObjectList));
  setObjectName(QStringLiteral("objectView"));
  setAllowedAreas(Qt::AllDockWidgetAreas);
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_pToolBar = new QToolBar(body);
  m_pToolBar->setIconSize(QSize(16, 16));
  for (unsigned id : kToolBarIds) {
    if (id == 0) {
      m_pToolBar->addSeparator();
      continue;
    }
    QAction* action = actions.Action(id);
    if (action->icon().isNull()) action->setIcon(CommandIcon(id));
    m_pToolBar->addAction(action);
  }
  layout->addWidget(m_pToolBar);
  m_pTree = new CViewTree(body);
  // A one-pixel frame in the shadow colour around the tree.
  m_pTree->setFrameShape(QFrame::Box);
  m_pTree->setFrameShadow(QFrame::Plain);
  m_pTree->setLineWidth(1);
  QPalette palette = m_pTree->palette();
  palette.setColor(QPalette::WindowText, palette.color(QPalette::Mid));
  m_pTree->setPalette(palette);
  layout->addWidget(m_pTree, 1);
  setWidget(body);
  resize(200, 200);
  connect(m_pTree, &CViewTree::propertyRequested, this, [] { CommandRegistry().Run(ID_EDIT_PROPERTY); });
  RegisterCommands();
}

CObjectView::~CObjectView() { CommandRegistry().Withdraw(this); }

void CObjectView::SetDocument(ITreeDocument* doc) { m_pTree->SetDocument(doc); }

void CObjectView::FillObjectList() { m_pTree->FillObjectList(); }

void CObjectView::RegisterCommands() {
  CCommandRegistry& registry = CommandRegistry();
  CViewTree* tree = m_pTree;
  registry.Register(kCmdCollapseTree, [tree](unsigned) { tree->CollapseToPages(); }, {}, this);
  registry.Register(kCmdRefreshTree, [tree](unsigned) { tree->FillPageTree(); }, {}, this);

  const auto needsSelection = [](const std::function<void()> CPaneEditing::*service) {
    return [service](CCmdUI& ui) { EnableWhen(ui, PaneEditing().*service && PaneHasSelection()); };
  };
  registry.Register(
      ID_EDIT_COPY,
      [](unsigned) {
        if (g_pCurPage) g_pCurPage->m_nPasteCount = -1;
        PaneEditing().copySelectionToClipboard();
      },
      needsSelection(&CPaneEditing::copySelectionToClipboard), this, kForwarder);
  registry.Register(
      ID_EDIT_CUT,
      [](unsigned) {
        if (g_pCurPage) g_pCurPage->m_nPasteCount = -1;
        PaneEditing().copySelectionToClipboard();
        if (PaneEditing().editDelete) PaneEditing().editDelete();
      },
      [](CCmdUI& ui) {
        EnableWhen(ui, PaneEditing().copySelectionToClipboard && PaneEditing().editDelete && PaneHasSelection());
      },
      this, kForwarder);
  registry.Register(ID_EDIT_DELETE, [](unsigned) { PaneEditing().editDelete(); },
                    needsSelection(&CPaneEditing::editDelete), this, kForwarder);
  registry.Register(
      ID_SELECT_PAGE,
      [tree](unsigned) {
        if (!g_pCurPage) return;
        g_pCurPage->m_bSelected = 1;
        UiBridge().UpdateAllViews();
        tree->SelectCurrentPageItem();
      },
      [](CCmdUI& ui) { EnableWhen(ui, g_pCurPage != nullptr); }, this, kForwarder);
  registry.Register(kCmdMovePageUp, [tree](unsigned) { tree->MovePageUp(); },
                    [tree](CCmdUI& ui) {
                      const ITreeDocument* doc = tree->Document();
                      EnableWhen(ui, doc && g_pCurPage && doc->PageCount() > 0 && doc->PageAt(0) != g_pCurPage);
                    },
                    this);
  registry.Register(kCmdMovePageDown, [tree](unsigned) { tree->MovePageDown(); },
                    [tree](CCmdUI& ui) {
                      const ITreeDocument* doc = tree->Document();
                      EnableWhen(ui, doc && g_pCurPage && doc->PageCount() > 0 &&
                                         doc->PageAt(doc->PageCount() - 1) != g_pCurPage);
                    },
                    this);
}
