// The program's clipboard record pasted onto a page with a few cells, as
// the paste command does; what pastes is undone and redone, then drawn.
// Each input gets a new document in the one running program, as File > New
// gives it: a fresh process state would also drop the view's context and
// render every glyph again, some hundred times the cost of the paste.
#include "editing/clipboardexchange.h"
#include "fuzzsupport.h"
#include "model/cgpage.h"
#include "platform/clipboard.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  static CommandPage& p = *new CommandPage;  // lives as long as the process
  p.doc.OnNewDocument();
  const std::vector<WORD> points = p.Points(3);
  p.Face(points);
  Clipboard().SetData(QString::fromLatin1(kClipboardFormat), FuzzBytes(data, size));
  CGPage& page = p.Page();
  const size_t pages = p.doc.m_pages.size();
  const int done = page.m_undo.CurrentIndex();
  const WORD before = page.m_nNextId;
  p.Run(ID_EDIT_PASTE);
  if (p.doc.m_pages.size() != pages) {  // a page record pasted as a page of its own
    FuzzNoteLoaded();
    FuzzRenderCurrentPage();
    return 0;
  }
  if (page.m_undo.CurrentIndex() == done) return 0;
  FuzzNoteLoaded();
  page.m_undo.Undo();
  if (page.m_nNextId != before) FuzzFinding("undoing a paste leaves ids taken");
  page.m_undo.Redo();
  FuzzRenderCurrentPage();
  return 0;
}
