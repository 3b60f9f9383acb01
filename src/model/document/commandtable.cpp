#include "model/document/commandtable.h"

#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/clipboard.h"
#include "platform/commandregistry.h"

namespace {
std::vector<CDocCommandRow>& Rows() {
  static std::vector<CDocCommandRow> rows;
  return rows;
}
}  // namespace

CDocCommandRows::CDocCommandRows(std::initializer_list<CDocCommandRow> rows) {
  Rows().insert(Rows().end(), rows.begin(), rows.end());
}

const std::vector<CDocCommandRow>& DocumentCommandRows() { return Rows(); }

void CKavrelDoc::RegisterCommands() {
  CCommandRegistry& registry = CommandRegistry();
  registry.Withdraw(this);
  for (const CDocCommandRow& row : Rows()) {
    UpdateRule update;
    if (row.update) update = [this, rule = row.update](CCmdUI& ui) { rule(*this, ui); };
    registry.Register(row.id, [this, handler = row.handler](unsigned) { handler(*this); }, std::move(update), this);
  }
  // The paste offsets follow the clipboard of the document whose commands
  // run, as far as it holds something this program pastes.
  SetClipboardListener(this, [this] {
    const IClipboard& clipboard = Clipboard();
    if (clipboard.HasFormat(QString::fromLatin1(kClipFormatCells)) || clipboard.HasImage()) OnClipboardChanged();
  });
}
