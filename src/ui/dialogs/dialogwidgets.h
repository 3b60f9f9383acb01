// The program's dialog provider: it finds the widgets of a dialog by the
// class of its data (platform/dialogprovider.h) and runs them modally over
// the main window.
//
// How a dialog joins: the file of its widgets (in src/ui/dialogs/) registers
// a runner with a static object, and nothing else is edited:
//
//   namespace {
//   const CDialogWidget<CDlgValue> widget([](CDlgValue& data, QWidget* parent) {
//     CValueDialog dialog(data, parent);    // shows data's members
//     return dialog.exec() == QDialog::Accepted && dialog.Store(data);
//   });
//   }  // namespace
//
// The runner works on a copy of the command's data: the provider copies the
// members back only when the runner returns true, so a cancelled dialog
// leaves the command's data exactly as it was.
#pragma once
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <typeindex>

#include "editing/dialogs/inputdialogs.h"  // RangeMessage, the refusal every dialog shows
#include "platform/dialogprovider.h"

using DialogRunner = std::function<bool(CDialogData& copy, QWidget* parent)>;

// The runner of one data class; a later one replaces an earlier one.
void RegisterDialogWidget(std::type_index type, DialogRunner runner);

template <class T>
class CDialogWidget {
 public:
  explicit CDialogWidget(std::function<bool(T&, QWidget*)> run) {
    RegisterDialogWidget(typeid(T), [run = std::move(run)](CDialogData& copy, QWidget* parent) {
      return run(static_cast<T&>(copy), parent);
    });
  }
};

// Runs the registered widgets with `parent` as their owner.  Data of a
// class without widgets answers IDCANCEL.
std::unique_ptr<IDialogProvider> MakeWidgetDialogProvider(QWidget* parent);

// After a modal dialog over `window` closes: the window takes the keys
// again (its shortcuts work at once), also where no window manager hands
// them back; not while another dialog is still open.
void ReturnKeysTo(QWidget* window);

// The room a dialog has on the smallest screen it is used on (1366 x 768,
// less a task bar and the dialog's title bar): no dialog is larger.
inline constexpr QSize kDialogRoom{1366, 690};

