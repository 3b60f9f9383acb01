// The ink pen's commands (choose the pen, drop or save its strokes), the
// kept picture (snapshot of the selection, erase), the trimmed picture of
// the view for the clipboard, and play: a button from the selection, else
// the page's media; a new texture picture.
#include <QCursor>
#include <QGuiApplication>

#include "commands/commandframe.h"
#include "model/cgpage.h"
#include "model/document/docservices.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/clipboard.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "render/viewglobals.h"
#include "view/motion/viewmotion.h"
#include "view/tools/mousetools.h"
#include "view/tools/preferences.h"
#include "view/tools/retexture.h"
#include "view/tools/tooltexts.h"
#include "view/tools/trimmedcapture.h"
#include "view/tools/viewcommands.h"
#include "view/toolstate.h"

namespace {
// What the play command asks of the selection: an action button.
constexpr int kMergedButton = 12;

bool HasStrokes() { return !g_viewTool.finishedStrokes.empty(); }

void OnCreateInkmarks(CMouseTools& tools) {
  EndUserTool(tools);
  g_nToolMode = 9;
  g_viewTool.step = 0;
  tools.Surface().StopSpin();
  g_viewTool.inkPoints.clear();
  tools.Surface().Redraw();
}

void OnUpdateCreateInkmarks(CMouseTools&, CCmdUI& ui) { ui.SetCheck(g_nToolMode == 9 ? 1 : 0); }

void OnInkErase(CMouseTools& tools) {
  EraseInkStrokes();
  tools.Surface().Redraw();
}

void EnableWithStrokes(CMouseTools&, CCmdUI& ui) { ui.Enable(HasStrokes()); }

// Each run of strokes of one colour becomes an ink cell; the cells own the
// strokes from then on.  Without room for the cells the strokes stay.
void OnInkSave(CMouseTools& tools) {
  CGPage* page = g_pCurPage;
  if (!tools.Document() || !page || !HasStrokes()) return;
  std::vector<std::unique_ptr<CStroke>>& strokes = g_viewTool.finishedStrokes;
  CConstruction build(*tools.Document());
  if (!build.MakeRoom(CountInkCells(strokes))) return;
  auto cells = GroupStrokesIntoInk(std::move(strokes), page->m_nNextId);
  strokes.clear();
  for (auto& cell : cells) {
    build.NextId();
    build.Add(cell.release());
  }
  build.Commit(QString::fromUtf8(kUndoAddInk));
  tools.Surface().Redraw();
}

void OnViewErase(CMouseTools& tools) {
  g_bBackgroundDirty = 1;
  EraseInkStrokes();
  tools.Surface().Redraw();
}

void OnUpdateViewErase(CMouseTools&, CCmdUI& ui) { ui.Enable(!g_bBackgroundDirty || HasStrokes()); }

// Shows the wait cursor while it lives, where there is a screen.
class CWaitCursor {
 public:
  CWaitCursor() : m_bShown(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (m_bShown) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  }
  ~CWaitCursor() {
    if (m_bShown) QGuiApplication::restoreOverrideCursor();
  }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  bool m_bShown;
};

// The selection is drawn as traces into the kept picture, which stays
// until it is erased; the selection itself is dropped.
void OnViewSnapshot(CMouseTools& tools) {
  CGPage* page = g_pCurPage;
  if (!tools.Document() || !page) return;
  const CWaitCursor wait;
  const BOOL traceSwitch = page->m_bFullTrace;
  page->m_bFullTrace = 1;
  page->m_traceList = page->m_selAll;
  page->ClearSelection();
  tools.Surface().CaptureBackground();
  page->m_traceList.clear();
  page->m_bFullTrace = traceSwitch;
  tools.Surface().Redraw();
}

void OnUpdateViewSnapshot(CMouseTools& tools, CCmdUI& ui) {
  ui.Enable(tools.Document() && tools.Document()->OnUpdateNeedSelection());
}

QRgb PreferredBackground() {
  const auto channel = [](float value) { return static_cast<int>(value * 255); };
  return qRgb(channel(g_prefs.background[0]), channel(g_prefs.background[1]), channel(g_prefs.background[2]));
}

void OnEditPrintscr(CMouseTools& tools) {
  const QImage view = tools.Surface().Grab(QRect(0, 0, g_nViewWidth, g_nViewHeight));
  const std::optional<QRect> drawn = TrimmedCaptureRect(view, PreferredBackground());
  if (drawn) Clipboard().SetImage(view.copy(*drawn));
}

void OnCreatePlay(CMouseTools& tools) {
  if (!tools.Document()) return;
  const auto& build = DocumentServices().buildFromSelection;
  if (build && build(kMergedButton)) return;
  CommandRegistry().Run(ID_VIEW_MEDIA);
}
}  // namespace

std::vector<CViewCommandRow> CaptureCommandRows() {
  return {
      {ID_CREATE_INKMARKS, OnCreateInkmarks, OnUpdateCreateInkmarks},
      {ID_INK_ERASE, OnInkErase, EnableWithStrokes},
      {ID_INK_SAVE, OnInkSave, EnableWithStrokes},
      {ID_VIEW_ERASE, OnViewErase, OnUpdateViewErase},
      {ID_VIEW_SNAPSHOT, OnViewSnapshot, OnUpdateViewSnapshot},
      {ID_EDIT_PRINTSCR, OnEditPrintscr},
      {ID_CREATE_PLAY, OnCreatePlay},
      {ID_EDIT_RETEXTURE, OnEditRetexture},
      {ID_EDIT_PREFERONCES, OnEditPreferonces},
  };
}
