#include "ui/dialogs/dialogwidgets.h"

#include <QPointer>
#include <unordered_map>

#include "editing/dialogs/inputdialogtexts.h"
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
    // The keys go back to the window the dialog was opened over (F7 right
    // after an inserted text pictures the view with it), also where no
    // window manager hands the focus back.
    if (m_pParent && m_pParent->isVisible()) m_pParent->activateWindow();
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

QString RangeMessage(double low, double high, bool integer) {
  return QString::fromUtf8(integer ? kTextIntegerRange : kTextNumberRange).arg(low).arg(high);
}
