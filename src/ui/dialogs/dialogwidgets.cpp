#include "ui/dialogs/dialogwidgets.h"

#include <QApplication>
#include <QPointer>
#include <unordered_map>

#include "platform/notifier.h"

namespace {
std::unordered_map<std::type_index, DialogRunner>& Runners() {
  static std::unordered_map<std::type_index, DialogRunner> runners;
  return runners;
}

class CWidgetDialogProvider final : public IDialogProvider {
 public:
  explicit CWidgetDialogProvider(QWidget* parent) : m_pParent(parent) {}

  int DoModal(CDialogData& data) override {
    const auto it = Runners().find(typeid(data));
    if (it == Runners().end()) return IDCANCEL;
    const std::unique_ptr<CDialogData> copy = data.Clone();
    // A copy of the runner: a dialog may register others while it is open.
    const DialogRunner run = it->second;
    const bool accepted = run(*copy, m_pParent.data());
    // F7 right after an inserted text pictures the view with it.
    ReturnKeysTo(m_pParent.data());
    if (!accepted) return IDCANCEL;
    data.CopyFrom(*copy);
    return IDOK;
  }

 private:
  QPointer<QWidget> m_pParent;
};
}  // namespace

void RegisterDialogWidget(std::type_index type, DialogRunner runner) { Runners()[type] = std::move(runner); }

std::unique_ptr<IDialogProvider> MakeWidgetDialogProvider(QWidget* parent) {
  return std::make_unique<CWidgetDialogProvider>(parent);
}

void ReturnKeysTo(QWidget* window) {
  // Not from under a dialog that is still open (one that opened this one).
  if (window && window->isVisible() && !QApplication::activeModalWidget()) window->activateWindow();
}

