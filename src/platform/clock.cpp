#include "platform/clock.h"

#include <QElapsedTimer>

#include "platform/processstate.h"
#include "platform/seam.h"

namespace {
class SystemClock final : public IClock {
 public:
  SystemClock() { m_timer.start(); }
  std::int64_t UnixTime() const override { return QDateTime::currentSecsSinceEpoch(); }
  std::uint32_t TickCount() const override { return static_cast<std::uint32_t>(m_timer.elapsed()); }
  QDateTime LocalNow() const override { return QDateTime::currentDateTime(); }

 private:
  QElapsedTimer m_timer;
};

SeamSlot<IClock>& Slot() {
  static SeamSlot<IClock> slot([] { return std::make_unique<SystemClock>(); });
  return slot;
}

const ProcessStateReset reset([] { Slot().Set(nullptr); });
}  // namespace

IClock& Clock() { return Slot().Get(); }

std::unique_ptr<IClock> SetClock(std::unique_ptr<IClock> clock) { return Slot().Set(std::move(clock)); }
