// A dialog provider that answers each dialog class as scripted (OK with
// given members, or Cancel; unscripted: Cancel) and keeps a copy of every
// dialog opened, as the program preset it.
#pragma once
#include <deque>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

#include "platform/dialogprovider.h"

class ScriptedDialogs : public IDialogProvider {
 public:
  template <class T>
  void Ok(const T& members) {
    m_answers[typeid(T)].push_back(members.Clone());
  }
  template <class T>
  void Cancel() {
    m_answers[typeid(T)].push_back(nullptr);
  }
  // The presets of the dialogs of class T opened so far, in order.
  template <class T>
  std::vector<T> Offered() const {
    std::vector<T> offered;
    for (const auto& data : m_offered)
      if (const auto* dialog = dynamic_cast<const T*>(data.get())) offered.push_back(*dialog);
    return offered;
  }
  int DoModal(CDialogData& data) override;

 private:
  std::map<std::type_index, std::deque<std::unique_ptr<CDialogData>>> m_answers;  // null: Cancel
  std::vector<std::unique_ptr<CDialogData>> m_offered;
};

// Installs a new one until the process state is reset.
ScriptedDialogs* InstallScriptedDialogs();
