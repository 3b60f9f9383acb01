#include "platform/dialogprovider.h"

#include "platform/notifier.h"
#include "platform/processstate.h"
#include "platform/seam.h"

namespace {
class CancellingDialogs final : public IDialogProvider {
 public:
  int DoModal(CDialogData&) override { return IDCANCEL; }
};

SeamSlot<IDialogProvider>& Slot() {
  static SeamSlot<IDialogProvider> slot([] { return std::make_unique<CancellingDialogs>(); });
  return slot;
}

const ProcessStateReset reset([] { Slot().Set(nullptr); });
}  // namespace

IDialogProvider& DialogProvider() { return Slot().Get(); }

std::unique_ptr<IDialogProvider> SetDialogProvider(std::unique_ptr<IDialogProvider> provider) {
  return Slot().Set(std::move(provider));
}
