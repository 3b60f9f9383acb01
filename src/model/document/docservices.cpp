#include "model/document/docservices.h"

#include "platform/processstate.h"
#include "platform/seam.h"

namespace {
class AlwaysFocused final : public IViewFocus {
 public:
  bool TakeFocus() override { return true; }
  bool HasFocus() override { return true; }
};

SeamSlot<IViewFocus>& FocusSlot() {
  static SeamSlot<IViewFocus> slot([] { return std::make_unique<AlwaysFocused>(); });
  return slot;
}

CDocumentServices s_services;

const ProcessStateReset reset([] {
  FocusSlot().Set(nullptr);
  s_services = CDocumentServices();
});
}  // namespace

CDocumentServices& DocumentServices() { return s_services; }

IViewFocus& ViewFocus() { return FocusSlot().Get(); }

std::unique_ptr<IViewFocus> SetViewFocus(std::unique_ptr<IViewFocus> focus) {
  return FocusSlot().Set(std::move(focus));
}
