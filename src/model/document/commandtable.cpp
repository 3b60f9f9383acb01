#include "model/document/commandtable.h"

#include "model/cgpage.h"
#include "model/document/commandranges.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/clipboard.h"
#include "platform/commandregistry.h"

namespace {
std::vector<CDocCommandRow>& Rows() {
  static std::vector<CDocCommandRow> rows;
  return rows;
}

// A command that adds cells while a user-tool instance awaits input would
// put its ids between the instance's, which then could be neither
// committed nor removed whole: the instance ends first (its finished part
// one undo step), and the tool starts a new one on the next move.
void EndAwaitingToolInstance(CKavrelDoc& doc) {
  CGPage* page = g_pCurPage;
  if (!page || page->m_nToolPendingId < 1) return;
  if (EndPendingTool(*page)) doc.SetModifiedFlag();
  page->m_nToolPendingId = -1;
}
}  // namespace

CDocCommandRows::CDocCommandRows(std::initializer_list<CDocCommandRow> rows) {
  Rows().insert(Rows().end(), rows.begin(), rows.end());
}

const std::vector<CDocCommandRow>& DocumentCommandRows() { return Rows(); }

namespace {
CDocCommandRow* RowOf(unsigned id) {
  for (CDocCommandRow& row : Rows())
    if (row.id == id) return &row;
  return nullptr;
}
}  // namespace

DocCommandHandler FindDocCommand(unsigned id) {
  const CDocCommandRow* row = RowOf(id);
  return row ? row->handler : nullptr;
}

CDocCommandStandIn::CDocCommandStandIn(unsigned id, DocCommandHandler handler) : m_nId(id) {
  if (CDocCommandRow* row = RowOf(id)) {
    m_pOwn = row->handler;
    row->handler = handler;
  } else {
    Rows().push_back({id, handler});
  }
}

CDocCommandStandIn::~CDocCommandStandIn() {
  if (m_pOwn) {
    RowOf(m_nId)->handler = m_pOwn;
    return;
  }
  std::erase_if(Rows(), [this](const CDocCommandRow& row) { return row.id == m_nId; });
}

void CKavrelDoc::RegisterCommands() {
  CCommandRegistry& registry = CommandRegistry();
  registry.Withdraw(this);
  for (const CDocCommandRow& row : Rows()) {
    UpdateRule update;
    if (row.update) update = [this, rule = row.update](CCmdUI& ui) { rule(*this, ui); };
    const auto run = [this, handler = row.handler](unsigned) {
      EndAwaitingToolInstance(*this);
      handler(*this);
    };
    registry.Register(row.id, run, std::move(update), this);
  }
  for (const CDocCommandRange& range : DocumentCommandRanges()) {
    UpdateRule update;
    if (range.update) update = [this, rule = range.update](CCmdUI& ui) { rule(*this, ui.m_nID, ui); };
    const auto run = [this, handler = range.handler](unsigned id) { handler(*this, id); };
    registry.RegisterRange(range.first, range.last, run, std::move(update), this);
  }
  // The paste offsets follow the clipboard of the document whose commands
  // run, as far as it holds something this program pastes.
  SetClipboardListener(this, [this] {
    const IClipboard& clipboard = Clipboard();
    if (clipboard.HasFormat(QString::fromLatin1(kClipFormatCells)) || clipboard.HasImage()) OnClipboardChanged();
  });
}
