// Command routing without a window.  Every command id has at most one live
// handler and optionally an update rule that enables, checks or retitles it
// from the current state (the current page's selection, the tool mode ...).
// The ribbon, menus, status-bar buttons and shortcuts only show what the
// rules say and ask the registry to run a command; tests run commands the
// same way, headless.
//
// Several owners (view, document, frame) may register the same id: the last
// registration wins until its owner withdraws, as the first handler found on
// the routing path would.  A fallback registration serves only while no
// ordinary one exists (a pane's forwarders, for instance).
#pragma once
#include <QString>
#include <functional>
#include <vector>

// What an update rule says about one command.
class CCmdUI {
 public:
  explicit CCmdUI(unsigned id) : m_nID(id) {}

  void Enable(bool on = true) { m_bEnabled = on; }
  // 0 clear, 1 checked.
  void SetCheck(int check = 1) {
    m_nCheck = check;
    m_bCheckable = true;
  }
  // A check mark of a group of which one is on.
  void SetRadio(bool on = true) {
    SetCheck(on ? 1 : 0);
    m_bRadio = true;
  }
  void SetText(const QString& text) {
    m_strText = text;
    m_bTextSet = true;
  }

  unsigned m_nID;
  bool m_bEnabled = true;
  bool m_bCheckable = false;
  bool m_bRadio = false;
  int m_nCheck = 0;
  bool m_bTextSet = false;
  QString m_strText;
};

using CommandHandler = std::function<void(unsigned id)>;
using UpdateRule = std::function<void(CCmdUI& ui)>;
enum class CommandPriority { Fallback, Normal };

class CCommandRegistry {
 public:
  // Binds a handler and an update rule (none: always enabled) to one id or to
  // every id of first .. last.  owner names the registration for Withdraw.
  void Register(unsigned id, CommandHandler handler, UpdateRule update = {},
                const void* owner = nullptr, CommandPriority priority = CommandPriority::Normal);
  void RegisterRange(unsigned first, unsigned last, CommandHandler handler,
                     UpdateRule update = {}, const void* owner = nullptr,
                     CommandPriority priority = CommandPriority::Normal);
  // Removes every registration of the owner.
  void Withdraw(const void* owner);
  void Clear();

  bool HasHandler(unsigned id) const;
  // The state the update rule gives now.  A command without a handler is
  // disabled: there is nothing to run.
  CCmdUI Query(unsigned id) const;
  // Asks the update rule again and runs the handler only when the command is
  // enabled now.  False when nothing ran.
  bool Run(unsigned id);

  // Called after every command that ran, so the shown states can follow.
  using RunListener = std::function<void(unsigned id)>;
  void SetRunListener(RunListener listener) { m_runListener = std::move(listener); }

 private:
  struct Entry {
    unsigned first;
    unsigned last;
    CommandHandler handler;
    UpdateRule update;
    const void* owner;
    CommandPriority priority;
  };
  const Entry* Find(unsigned id) const;

  std::vector<Entry> m_entries;  // later entries win
  RunListener m_runListener;
};

// The program's registry; emptied by ResetProcessState.
CCommandRegistry& CommandRegistry();
