#include "support/recorders.h"

#include "platform/clipboard.h"
#include "platform/processstate.h"

int RecordingNotifier::Show(const QString& text, const QString& caption, unsigned type) {
  shown.push_back({text, caption, type});
  if (whileShown) whileShown();
  if (answers.empty()) return DefaultAnswer(type);
  int answer = answers.front();
  answers.pop_front();
  return answer;
}

static QString NextAnswer(std::deque<QString>& answers) {
  if (answers.empty()) return {};
  QString answer = answers.front();
  answers.pop_front();
  return answer;
}

QString ScriptedFileChooser::ChooseOpen(const QString& title, const QString& filter, const QString&) {
  titles.push_back(title);
  filters.push_back(filter);
  return NextAnswer(answers);
}

QString ScriptedFileChooser::ChooseSave(const QString& title, const QString& filter, const QString&) {
  titles.push_back(title);
  filters.push_back(filter);
  return NextAnswer(answers);
}

bool RecordingShell::Open(const QString& target) {
  opened.push_back(target);
  return result;
}

LRESULT RecordingUiBridge::Send(UiTarget target, UINT message, WPARAM wParam, LPARAM lParam) {
  messages.push_back({target, message, wParam, lParam, false});
  if (observer) observer(messages.back());
  return sendResult;
}

void RecordingUiBridge::Post(UiTarget target, UINT message, WPARAM wParam, LPARAM lParam) {
  messages.push_back({target, message, wParam, lParam, true});
  if (observer) observer(messages.back());
}

void RecordingUiBridge::SetStatusText(int element, const QString& text) {
  statusTexts.emplace_back(element, text);
}

template <class T, class Setter>
static T* Install(Setter set) {
  auto service = std::make_unique<T>();
  T* raw = service.get();
  set(std::move(service));
  return raw;
}

SeamRecorders::SeamRecorders() {
  ResetProcessState();
  notifier = Install<RecordingNotifier>(SetNotifier);
  fileChooser = Install<ScriptedFileChooser>(SetFileChooser);
  shell = Install<RecordingShell>(SetShell);
  bridge = Install<RecordingUiBridge>(SetUiBridge);
  clock = Install<FixedClock>(SetClock);
  SetClipboard(std::make_unique<MemoryClipboard>());
}

SeamRecorders::~SeamRecorders() { ResetProcessState(); }
