// The per-page history of undoable actions.  Each action is a command that
// can take the page back to the state before it (Undo) and forward again
// (Redo); the processor keeps at most 200 of them and the texts of the Undo
// and Redo menu items in step with where the history stands.
#pragma once
#include <QString>
#include <deque>
#include <memory>

#include "platform/types.h"
#include "platform/uibridge.h"

class CCmd {
 public:
  explicit CCmd(const QString& name) : m_strName(name) {}
  CCmd(const CCmd&) = delete;
  CCmd& operator=(const CCmd&) = delete;
  virtual ~CCmd() = default;

  // Each runs only in the state the history promises: Undo right after the
  // action, Redo right before it.  False refuses and leaves the history as is.
  virtual BOOL Undo() = 0;
  virtual BOOL Redo() = 0;
  virtual BOOL CanUndo() { return m_bCanUndo; }
  virtual QString GetName() { return m_strName; }
  // Marks the action as one that can no longer be undone.
  void SetCanUndo(BOOL canUndo) { m_bCanUndo = canUndo; }

 protected:
  BOOL m_bCanUndo = 1;
  QString m_strName;
};

// Whatever carries the Undo and Redo menu items.  An owner without such
// items ignores the calls.
class IMenuOwner {
 public:
  virtual ~IMenuOwner() = default;
  virtual void SetMenuItemText(UINT id, const QString& text, bool enabled) = 0;
};

class CCmdProcessor {
 public:
  CCmdProcessor() = default;
  CCmdProcessor(const CCmdProcessor&) = delete;
  CCmdProcessor& operator=(const CCmdProcessor&) = delete;
  virtual ~CCmdProcessor();

  // Takes over a command whose action is done (or, for the commands that act
  // through their Redo, about to be done).  Drops the oldest command at the
  // limit and every undone command; always TRUE.
  virtual BOOL Submit(std::unique_ptr<CCmd> command);
  virtual BOOL Undo();
  virtual BOOL Redo();
  virtual BOOL CanUndo();
  virtual BOOL CanRedo();
  virtual void Clear();
  // The owner is not owned; 0 detaches.
  virtual void SetMenuOwner(IMenuOwner* owner, UINT undoId, UINT redoId);
  virtual IMenuOwner* GetMenuOwner() { return m_pMenuOwner; }
  virtual void UpdateMenu();
  virtual void SetMenuItem(UINT id, const QString& text, BOOL enable);
  virtual void DeleteAll();

  static constexpr UINT kUndoCommandId = 57643;  // ID_EDIT_UNDO
  static constexpr UINT kRedoCommandId = 57644;  // ID_EDIT_REDO

  int m_nLimit = 200;

  // Inspection.
  int GetCount() const { return static_cast<int>(m_commands.size()); }
  // Index of the last done command; -1 when none is done.
  int CurrentIndex() const { return m_nCurrent; }
  // The last done command, or null.
  CCmd* CurrentCommand() { return m_nCurrent >= 0 ? m_commands[m_nCurrent].get() : nullptr; }

 private:
  std::deque<std::unique_ptr<CCmd>> m_commands;  // oldest first
  int m_nCurrent = -1;
  IMenuOwner* m_pMenuOwner = nullptr;
  UINT m_nUndoId = kUndoCommandId;
  UINT m_nRedoId = kRedoCommandId;
};
