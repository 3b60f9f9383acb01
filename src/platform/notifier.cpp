#include "platform/notifier.h"

#include <cstdio>

#include "platform/processstate.h"
#include "platform/seam.h"

namespace {
// Without a window (tools, early start-up) the text goes to standard error.
class ConsoleNotifier final : public INotifier {
 public:
  int Show(const QString& text, const QString& caption, unsigned type) override {
    std::fprintf(stderr, "%s%s%s\n", qPrintable(caption), caption.isEmpty() ? "" : ": ",
                 qPrintable(text));
    return DefaultAnswer(type);
  }
};

SeamSlot<INotifier>& Slot() {
  static SeamSlot<INotifier> slot([] { return std::make_unique<ConsoleNotifier>(); });
  return slot;
}

const ProcessStateReset reset([] { Slot().Set(nullptr); });
}  // namespace

int DefaultAnswer(unsigned type) {
  switch (type & MB_TYPEMASK) {
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    default: return IDOK;
  }
}

INotifier& Notifier() { return Slot().Get(); }

std::unique_ptr<INotifier> SetNotifier(std::unique_ptr<INotifier> notifier) {
  return Slot().Set(std::move(notifier));
}

int KvMessageBox(const QString& text, const QString& caption, unsigned type) {
  return Notifier().Show(text, caption, type);
}
