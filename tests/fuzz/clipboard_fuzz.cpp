// The program's clipboard record pasted onto a page with a few cells, as
// the paste command does; what pastes is undone and redone, then drawn.
#include "editing/clipboardexchange.h"
#include "fuzzsupport.h"
#include "model/cgpage.h"
#include "platform/clipboard.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  CommandPage p;
  const std::vector<WORD> points = p.Points(3);
  p.Face(points);
  Clipboard().SetData(QString::fromLatin1(kClipboardFormat), FuzzBytes(data, size));
  const WORD before = p.Page().m_nNextId;
  p.Run(ID_EDIT_PASTE);
  if (p.Page().m_nNextId == before) return 0;
  FuzzNoteLoaded();
  p.Page().m_undo.Undo();
  if (p.Page().m_nNextId != before) FuzzFinding("undoing a paste leaves ids taken");
  p.Page().m_undo.Redo();
  FuzzRenderCurrentPage();
  return 0;
}
