#include "support/scripteddialogs.h"

#include "platform/notifier.h"

int ScriptedDialogs::DoModal(CDialogData& data) {
  m_offered.push_back(data.Clone());
  auto it = m_answers.find(typeid(data));
  if (it == m_answers.end() || it->second.empty()) return IDCANCEL;
  const std::unique_ptr<CDialogData> answer = std::move(it->second.front());
  it->second.pop_front();
  if (!answer) return IDCANCEL;
  data.CopyFrom(*answer);
  return IDOK;
}

ScriptedDialogs* InstallScriptedDialogs() {
  auto provider = std::make_unique<ScriptedDialogs>();
  ScriptedDialogs* raw = provider.get();
  SetDialogProvider(std::move(provider));
  return raw;
}
