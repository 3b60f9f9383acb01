// The frame's commands: looks, panels, mini interface, translation sliders,
// the colour button, Esc (which also closes the media player), quick help,
// the status-bar link and the resource page, page set-up, and the keyboard
// shortcuts of all commands.
#include <QAction>
#include <QPrinter>
#include <QSlider>
#include <QToolBar>
#include <map>
#include <span>

#include "commands/textcommands.h"
#include "model/cellmap.h"
#include "model/cgcell.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"
#include "platform/shellopen.h"
#include "ui/acceleratorkeys.h"
#include "ui/applicationlook.h"
#include "ui/colorbutton.h"
#include "ui/commandactions.h"
#include "ui/help/fasthelp.h"
#include "ui/kavrelstatusbar.h"
#include "ui/mainframe.h"
#include "ui/objectlist/objectview.h"
#include "ui/objectlist/treedocument.h"
#include "ui/objectlist/viewtree.h"
#include "ui/ribbon/ribbonbar.h"
#include "ui/translationsliders.h"
#include "ui/uitexts.h"
#include "view/kavrelview.h"
#include "view/media/mediacontroller.h"

namespace {
struct Shortcut {
  unsigned id;
  QKeySequence key;
};

// The accelerator table of the frame: its keys reach their commands whichever
// child of the window has the focus (the object list, the ribbon, the view),
// except the keys a text field being typed in keeps (CAcceleratorKeys).
const Shortcut kShortcuts[] = {
    {ID_VIEW_FULLSCREEN, QKeySequence(Qt::Key_F4)},
    {kCmdEscape, QKeySequence(Qt::Key_Escape)},
    {ID_VIEW_PORT, QKeySequence(Qt::Key_F3)},
    {ID_EDIT_PRINTSCR, QKeySequence(Qt::Key_F7)},
    {ID_EDIT_COPYBIT, QKeySequence(Qt::CTRL | Qt::Key_B)},
    {ID_EDIT_UNDO, QKeySequence(Qt::CTRL | Qt::Key_Z)},
    {ID_EDIT_REDO, QKeySequence(Qt::CTRL | Qt::Key_R)},
    {ID_VIEW_TSFM_RESET, QKeySequence(Qt::Key_Home)},
    {ID_ANIMA_PLAYSTOP, QKeySequence(Qt::Key_Space)},
    {ID_VIEW_PAGEUP, QKeySequence(Qt::Key_PageUp)},
    {ID_VIEW_PAGEDOWN, QKeySequence(Qt::Key_PageDown)},
    {ID_ANIMA_DA, QKeySequence(Qt::ALT | Qt::Key_Up)},
    {ID_ANIMA_XIAO, QKeySequence(Qt::ALT | Qt::Key_Down)},
    {33148, QKeySequence(Qt::Key_Left)},
    {33149, QKeySequence(Qt::Key_Right)},
    {33150, QKeySequence(Qt::Key_Up)},
    {33151, QKeySequence(Qt::Key_Down)},
    {33154, QKeySequence(Qt::CTRL | Qt::Key_Left)},
    {33156, QKeySequence(Qt::CTRL | Qt::Key_Right)},
    {33155, QKeySequence(Qt::CTRL | Qt::Key_Up)},
    {33152, QKeySequence(Qt::CTRL | Qt::Key_Down)},
    {33281, QKeySequence(Qt::SHIFT | Qt::Key_Down)},
    {33282, QKeySequence(Qt::SHIFT | Qt::Key_Up)},
    {33283, QKeySequence(Qt::SHIFT | Qt::Key_Left)},
    {33285, QKeySequence(Qt::SHIFT | Qt::Key_Right)},
};

// The parameter keys of the document: only while the view has the focus.
const Shortcut kParameterKeys[] = {
    {ID_PARAM_INCREASE, QKeySequence(Qt::Key_Plus)},
    {ID_PARAM_INCREASE, QKeySequence(Qt::Key_Equal)},
    {ID_PARAM_DECREASE, QKeySequence(Qt::Key_Minus)},
};
}  // namespace

void CMainFrame::BindShortcuts() {
  const auto bind = [this](std::span<const Shortcut> table, QWidget& owner, Qt::ShortcutContext context) {
    std::map<unsigned, QList<QKeySequence>> keys;
    for (const Shortcut& s : table) keys[s.id].append(s.key);
    for (auto& [id, sequences] : keys) {
      QAction* action = m_pActions->Action(id);
      action->setShortcuts(sequences);
      action->setShortcutContext(context);
      owner.addAction(action);
    }
  };
  bind(kShortcuts, *this, Qt::WindowShortcut);
  bind(kParameterKeys, *m_pView, Qt::WidgetWithChildrenShortcut);
  new CAcceleratorKeys(this);
}

void CMainFrame::RegisterCommands() {
  CCommandRegistry& registry = CommandRegistry();
  // Full screen: the view's command enters or leaves; the check follows.
  registry.Register(
      ID_VIEW_FULLSCREEN,
      [this](unsigned) {
        if (!m_bFullScreen && !IsMediaFullScreen())
          OnFullScreenTaskbar();
        else
          RestoreFromFullScreen();
      },
      [this](CCmdUI& ui) { ui.SetCheck(m_bFullScreen || IsMediaFullScreen() ? 1 : 0); }, this);
  registry.Register(kCmdFullScreenTaskbar, [this](unsigned) { OnFullScreenTaskbar(); }, {}, this);
  registry.Register(kCmdRestoreFromFullScreen, [this](unsigned) { RestoreFromFullScreen(); }, {}, this);
  registry.Register(kCmdEscape, [this](unsigned) { OnEscape(); }, {}, this);
  // The full-screen toolbar shown when hidden and hidden when shown (a command button can post it).
  registry.Register(
      kCmdToggleFullScreenBar, [this](unsigned) { m_pFullScreenBar->setVisible(!m_pFullScreenBar->isVisible()); }, {},
      this);
  registry.Register(kCmdHidePanels, [this](unsigned) { HideAllPanels(); }, {}, this);
  registry.Register(kCmdShowPanels, [this](unsigned) { ShowAllPanels(); }, {}, this);
  registry.Register(ID_VIEW_PANEL, [this](unsigned) { OnViewPanel(); },
                    [this](CCmdUI& ui) { ui.SetCheck(m_pObjectView->isVisible() ? 1 : 0); }, this);
  registry.Register(ID_VIEW_MINI, [this](unsigned) { OnViewMini(); },
                    [this](CCmdUI& ui) { ui.SetCheck(m_pRibbon->IsMinimized() ? 1 : 0); }, this);
  registry.Register(ID_VIEW_COLOR, [this](unsigned) { OnViewColor(); }, {}, this);
  registry.RegisterRange(
      kCmdAppLookFirst, kCmdAppLookLast, [this](unsigned id) { OnApplicationLook(static_cast<int>(id)); },
      [this](CCmdUI& ui) { ui.SetRadio(static_cast<int>(ui.m_nID) == m_nAppLook); }, this);
  const auto needsResourceUrl = [this](CCmdUI& ui) { ui.Enable(!m_strResourceUrl.isEmpty()); };
  registry.Register(kCmdStatusLink, [this](unsigned) { OpenStatusLink(); }, needsResourceUrl, this);
  registry.Register(ID_HELP_PESOURCE, [this](unsigned) { OnHelpPesource(); }, needsResourceUrl, this);
  registry.Register(ID_FILE_PRINT_SETUP, [this](unsigned) { OnFilePrintSetup(); }, {}, this);
  const auto withDocument = [this](CCmdUI& ui) { ui.Enable(m_pDoc && !m_pDoc->m_pages.empty()); };
  registry.Register(ID_FILE_PRINT, [this](unsigned) { OnFilePrint(false); }, withDocument, this);
  registry.Register(ID_FILE_PRINT_DIRECT, [this](unsigned) { OnFilePrint(true); }, withDocument, this);
  registry.Register(ID_FILE_PRINT_PREVIEW, [this](unsigned) { OnFilePrintPreview(); }, withDocument, this);
  registry.Register(kCmdQuickHelp, [this](unsigned) { OnQuickHelp(); }, {}, this);

  // The page keys of the view step through the object list's pages.
  const auto pageRule = [this](bool forward) {
    return [this, forward](CCmdUI& ui) {
      const ITreeDocument* doc = Tree()->Document();
      const int last = doc ? doc->PageCount() - 1 : -1;
      ui.Enable(doc && g_pCurPage && last >= 0 && doc->PageAt(forward ? last : 0) != g_pCurPage);
    };
  };
  registry.Register(ID_VIEW_PAGEUP, [this](unsigned) { Tree()->SelectPrevPage(); }, pageRule(false), this);
  registry.Register(ID_VIEW_PAGEDOWN, [this](unsigned) { Tree()->SelectNextPage(); }, pageRule(true), this);
  // The formula text opens its dialog about the middle of the view.
  registry.Register(
      ID_CREATE_TEXT_VOD,
      [this](unsigned) {
        if (!m_pDoc) return;
        const QPoint at = m_pView->mapToGlobal(QPoint(m_pView->width() / 2 - 300, m_pView->height() / 2 - 128));
        InsertVodText(*m_pDoc, TRUE, at.x(), at.y());
      },
      {}, this);
  registry.Register(ID_CREATE_TEXT2, [this](unsigned) { if (m_pDoc) InsertRichText(*m_pDoc); }, {}, this);
  registry.Register(ID_PARAM_INCREASE, [this](unsigned) { if (m_pDoc) m_pDoc->OnParamIncrease(); },
                    [this](CCmdUI& ui) { ui.Enable(m_pDoc != nullptr); }, this);
  registry.Register(ID_PARAM_DECREASE, [this](unsigned) { if (m_pDoc) m_pDoc->OnParamDecrease(); },
                    [this](CCmdUI& ui) { ui.Enable(m_pDoc != nullptr); }, this);
}

void CMainFrame::OnEscape() {
  const CMediaController& media = m_pView->Media();
  // Closing the player is posted: Esc may come from the player's own window.
  const auto closeMedia = [this] {
    QMetaObject::invokeMethod(this, [] { CommandRegistry().Run(ID_VIEW_MEDIA_CLOSE); }, Qt::QueuedConnection);
  };
  if (m_bFullScreen) {
    if (media.Player())
      closeMedia();
    else
      RestoreFromFullScreen();
  } else if (media.IsMediaFullScreen()) {
    RestoreFromFullScreen();
  } else if (media.Player()) {
    closeMedia();
  } else {
    KvMessageBox(QString::fromUtf8(kTextEscapeHint));
  }
}

void CMainFrame::OnQuickHelp() {
  if (!m_pFastHelp) {
    m_pFastHelp = new CDlgFastHelp(this);
    m_pFastHelp->show();
  }
  m_pFastHelp->raise();
  m_pFastHelp->activateWindow();
}

bool CMainFrame::IsMediaFullScreen() const { return m_pView->Media().IsMediaFullScreen(); }

void CMainFrame::OnViewPanel() {
  m_pObjectView->setVisible(!m_pObjectView->isVisible());
  m_pActions->RefreshSoon();
}

void CMainFrame::OnViewMini() {
  m_pRibbon->SetMinimized(!m_pRibbon->IsMinimized());
  if (m_pRibbon->IsMinimized()) {
    if (m_pObjectView->isVisible()) m_pObjectView->hide();
  } else if (!m_pObjectView->isVisible()) {
    m_pObjectView->show();
  }
  m_pActions->RefreshSoon();
}

void CMainFrame::OnSliderMoved(int axis, int position) {
  if (axis < 0 || axis > 2) return;
  g_fViewTranslate[axis] = SliderToTranslation(axis, position);
  if (m_pDoc && g_pCurPage) m_pDoc->SetModifiedFlag(true);  // the page keeps its translation
  if (m_pView) m_pView->update();
}

void CMainFrame::UpdateTranslationSliders() {
  for (int axis = 0; axis < 3; ++axis) {
    QSlider* slider = m_sliders[axis];
    if (!slider) continue;
    const bool blocked = slider->blockSignals(true);
    slider->setValue(TranslationToSlider(axis, g_fViewTranslate[axis]));
    slider->blockSignals(blocked);
    slider->update();
  }
}

void CMainFrame::UpdateColorButton() {
  const CGPage* page = g_pCurPage;
  if (!page || page->m_selAll.empty() || !g_pCurCells) return;
  const CGCell* cell = g_pCurCells->Lookup(page->m_selAll.front());
  if (!cell) return;
  const RGBA& c = cell->m_rgbaColor;
  m_crCurrentColor = static_cast<COLORREF>(c.r) | (static_cast<COLORREF>(c.g) << 8) |
                     (static_cast<COLORREF>(c.b) << 16);
  if (m_pColorButton) m_pColorButton->SetColor(m_crCurrentColor);
}

void CMainFrame::OnViewColor() {
  if (!m_pView) return;
  if (m_pColorButton) m_crCurrentColor = m_pColorButton->Color();
  SendToView(WM_COLOR_CHOSEN, m_crCurrentColor, 0);
}

void CMainFrame::OnApplicationLook(int id) {
  if (!IsApplicationLook(id)) id = kDefaultApplicationLook;
  m_nAppLook = id;
  ApplyApplicationLook(id);
  WriteApplicationLook(*m_pSettings, id);
  m_pActions->RefreshSoon();
}

void CMainFrame::OpenStatusLink() {
  if (!m_strResourceUrl.isEmpty()) Shell().Open(m_strResourceUrl);
}

void CMainFrame::OnHelpPesource() { OpenStatusLink(); }

QPrinter& CMainFrame::Printer() {
  if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>();
  return *m_pPrinter;
}

void CMainFrame::OnFilePrintSetup() {
  if (m_pageSetupDialog) m_pageSetupDialog(Printer());
}
