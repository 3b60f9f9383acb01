#include "platform/commandregistry.h"

#include <algorithm>

#include "platform/editscope.h"
#include "platform/failureguard.h"
#include "platform/processstate.h"

void CCommandRegistry::Register(unsigned id, CommandHandler handler, UpdateRule update,
                                const void* owner, CommandPriority priority) {
  RegisterRange(id, id, std::move(handler), std::move(update), owner, priority);
}

void CCommandRegistry::RegisterRange(unsigned first, unsigned last, CommandHandler handler,
                                     UpdateRule update, const void* owner, CommandPriority priority) {
  if (first > last) std::swap(first, last);
  m_entries.push_back({first, last, std::move(handler), std::move(update), owner, priority});
}

void CCommandRegistry::Withdraw(const void* owner) {
  std::erase_if(m_entries, [owner](const Entry& e) { return e.owner == owner; });
}

void CCommandRegistry::Clear() {
  m_entries.clear();
  m_runListener = nullptr;
}

const CCommandRegistry::Entry* CCommandRegistry::Find(unsigned id) const {
  for (CommandPriority priority : {CommandPriority::Normal, CommandPriority::Fallback})
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it)
      if (it->priority == priority && it->first <= id && id <= it->last && it->handler) return &*it;
  return nullptr;
}

bool CCommandRegistry::HasHandler(unsigned id) const { return Find(id) != nullptr; }

CCmdUI CCommandRegistry::Query(unsigned id) const {
  CCmdUI ui(id);
  const Entry* entry = Find(id);
  if (!entry) {
    ui.Enable(false);
    return ui;
  }
  const CReadingPass asking;  // an update rule only reads
  if (entry->update) entry->update(ui);
  return ui;
}

bool CCommandRegistry::Run(unsigned id) {
  const Entry* entry = Find(id);
  if (!entry) return false;
  // Copies: the handler may register or withdraw commands (closing the
  // frame withdraws its own) while it runs.
  const UpdateRule update = entry->update;
  const CommandHandler handler = entry->handler;
  if (update) {
    // Asking whether the command fits the selection is no part of the edit
    // the command makes, nor of one that may be open around it.
    const CReadingPass asking;
    CCmdUI ui(id);
    update(ui);
    if (!ui.m_bEnabled) return false;
  }
  {
    const CEditScope edit;
    RunGuarded([&handler, id] { handler(id); });
  }
  if (m_runListener) {
    const RunListener listener = m_runListener;
    listener(id);
  }
  return true;
}

namespace {
const ProcessStateReset reset([] { CommandRegistry().Clear(); });
}  // namespace

CCommandRegistry& CommandRegistry() {
  static CCommandRegistry registry;
  return registry;
}
